#include "compiler/BankBuffer.h"

#include "compiler/CompileError.h"

namespace compiler {

void BankBuffer::ensureFits(qint64 endPosition) const
{
    if (endPosition <= BankCapacity)
        return;
    throw CompileFailure(CompileErrorKind::TooLarge,
                         QStringLiteral("Compile error: %1 would need %2 bytes, but a bank holds at most %3 bytes. "
                                        "Reduce the number of nodes or variables.")
                             .arg(m_fileName, groupedNumber(endPosition), groupedNumber(BankCapacity)));
}

FieldWriter BankBuffer::appendBlock(qsizetype size)
{
    const qsizetype at = m_bytes.size();
    ensureFits(qint64(at) + size);
    m_bytes.resize(at + size, '\0');
    return FieldWriter(m_bytes.data() + at, size);
}

void BankBuffer::appendBytes(const QByteArray &bytes)
{
    ensureFits(qint64(m_bytes.size()) + bytes.size());
    m_bytes.append(bytes);
}

void BankBuffer::setU32(qsizetype offset, std::uint32_t value)
{
    FieldWriter(m_bytes.data(), m_bytes.size()).u32(offset, value);
}

} // namespace compiler
