#include "compiler/TypeOneBank.h"

#include "compiler/BankBuffer.h"
#include "compiler/CountField.h"
#include "compiler/GeneralValues.h"
#include "compiler/NetworkReader.h"
#include "compiler/ParamPage.h"
#include "compiler/TableLayout.h"

namespace compiler {
namespace {

const QString BankName = QStringLiteral("bank.bin");

// The 24-byte trailer; on the Ethernet board the same reading fills the page.
void appendTrailer(BankBuffer &bank, const ParGenReader &parGen, const CompiledNetwork &network, int converterType,
                   ParamPage *page)
{
    const Quad ip = parGen.requiredQuad(QStringLiteral("IP_"));
    const Quad mask = parGen.requiredQuad(QStringLiteral("SM_"));
    const Quad gateway = parGen.requiredQuad(QStringLiteral("GA_"));
    const std::int32_t gatewayEnabled = parGen.required(QStringLiteral("Gat_Enable"));
    const std::int32_t tcpPort = parGen.required(QStringLiteral("TCP_Port"));
    const std::int32_t meterBaud = parGen.required(QStringLiteral("Meter_Baud"));
    const std::int32_t meterParity = parGen.required(QStringLiteral("Meter_Par"));
    const std::uint8_t requestType = std::uint8_t(parGen.required(QStringLiteral("Meter_Req_Type")));
    const std::int32_t requestDelay = parGen.required(QStringLiteral("Meter_Req_Delay"));

    FieldWriter t = bank.appendBlock(24);
    t.quad(0, ip);
    t.quad(4, mask);
    t.quad(8, gateway); // as typed, even while the gateway is off
    t.u8(12, gatewayEnabled);
    t.u16(13, tcpPort);
    t.u8(15, meterBaud);
    t.u8(16, meterParity);
    t.u8(17, requestType);
    t.u16(18, requestDelay);
    t.u8(20, countField(qsizetype(network.wired.size()), 0xFF, QStringLiteral("compiled nodes"), BankName));
    t.u16(21, countField(variableCount(network.wired), 0xFFFF, QStringLiteral("compiled variables"), BankName));
    t.u8(23, parGen.integerOr(QStringLiteral("Node_State"), 255));

    if (!page)
        return;
    FieldWriter p = page->fields();
    p.quad(ParamPage::IpAddress, ip);
    p.quad(ParamPage::SubnetMask, mask);
    p.quad(ParamPage::Gateway, gatewayEnabled == 0 ? Quad{255, 255, 255, 255} : gateway);
    p.u16(ParamPage::TcpPort, tcpPort);
    p.u16(ParamPage::TcpPort + 2, tcpPort);
    p.u32(ParamPage::TcpTimeout, tcpTimeoutMs(parGen));
    p.u32(ParamPage::MeterBaud, meterBaudRate(meterBaud));
    p.u32(60, meterBaudRate(meterBaud));
    p.u16(ParamPage::MeterParity, parityCode(meterParity));
    p.u16(66, parityCode(meterParity));
    p.u32(ParamPage::FixedCField, fixedCFieldOption(parGen));
    p.u8(ParamPage::ReplyException, replyExceptionUntilFirstRead(converterType, requestType, parGen) ? 1 : 0);
}

// Header at H: the node table's offset, the register table's, and its end.
QByteArray compile(CompileContext &context, bool ethernetBoard)
{
    BankBuffer bank(BankName);
    ParamPage page;
    std::uint32_t header = 0;
    if (ethernetBoard) {
        page.fields().u16(ParamPage::Marker, 64);
        bank.appendBlock(ParamPage::PageSize); // filled last
        bank.appendU8(64);
        header = ParamPage::PageSize + 1;
    }
    bank.appendBlock(12);
    bank.setU32(header, header + 12);

    CompiledNetwork network =
        readNetwork(context.documents.mBus(),
                    ethernetBoard ? NetworkFamily::EthernetBoard : NetworkFamily::SerialBoard, true);
    const TableBounds bounds = writeNetworkTables(
        bank, ethernetBoard ? TableVariant::EthernetBoard : TableVariant::SerialBoard, network);
    bank.setU32(header + 4, bounds.registerTable);
    bank.setU32(header + 8, bounds.end);

    if (const auto root = context.documents.parGen())
        appendTrailer(bank, ParGenReader(*root), network, context.converterType, ethernetBoard ? &page : nullptr);

    QByteArray bytes = bank.bytes();
    if (ethernetBoard)
        bytes.replace(0, ParamPage::PageSize, page.Write_Param_Page());
    return bytes;
}

} // namespace

QByteArray Compile_Bank(CompileContext &context) { return compile(context, false); }

QByteArray Compile_Bank_B2(CompileContext &context) { return compile(context, true); }

} // namespace compiler
