#include "compiler/ParamPage.h"

namespace compiler {

void ParamPage::Init_Param_Page()
{
    m_record.fill(0);
    FieldWriter f = fields();
    f.u32(20, 1);
    f.u16(52, 10000);
    f.u32(68, 1);
    f.u32(TcpTimeout, 180000);
}

QByteArray ParamPage::Write_Param_Page() const
{
    std::array<std::uint8_t, PageSize> page{};
    std::copy(m_record.begin(), m_record.end(), page.begin());
    FieldWriter(page.data(), PageSize).u32(SumOffset, byteSum(page.data(), SumOffset));
    return QByteArray(reinterpret_cast<const char *>(page.data()), PageSize);
}

} // namespace compiler
