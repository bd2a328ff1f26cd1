#include "compiler/TwoBanks.h"

#include "app/ConverterType.h"
#include "compiler/BankBuffer.h"
#include "compiler/CountField.h"
#include "compiler/GeneralBlock.h"
#include "compiler/GeneralValues.h"
#include "compiler/NetworkReader.h"
#include "compiler/TableLayout.h"

namespace compiler {
namespace {

const QString BankName = QStringLiteral("bank2.bin");

// Whether meters are wired to the converter's own M-Bus line as well.
bool wiredMBusPresent(CompileContext &context)
{
    if (app::isValidConverterType(context.converterType) && app::traitsOf(context.converterType).wiredAlways)
        return true;
    const auto root = context.documents.parGen();
    return root && ParGenReader(*root).integer(QStringLiteral("Sel_Dev_MBus_Present")) == 1;
}

bool hasModbusSlaveLine(int converterType)
{
    return converterType == 2 || converterType == 3 || converterType == 6;
}

std::uint32_t modbusBaudRate(std::int32_t listIndex)
{
    static constexpr std::uint32_t rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return listIndex >= 0 && listIndex < 8 ? rates[listIndex] : 115200;
}

std::uint8_t wirelessModeCode(std::optional<std::int32_t> listIndex)
{
    static constexpr std::uint8_t codes[] = {1, 5, 15, 17, 11}; // S, T, N1, N2, C
    return listIndex && *listIndex >= 0 && *listIndex < 5 ? codes[*listIndex] : 1;
}

// Requires the element to exist; a text that is not an integer takes the fallback.
std::int32_t presentOr(const ParGenReader &parGen, const QString &name, std::int32_t fallback)
{
    if (!parGen.has(name))
        parGen.required(name); // reports the missing element
    return parGen.integerOr(name, fallback);
}

// The trailer, and the general block fields that come from the same elements.
void runParGenPass(BankBuffer &bank, GeneralBlock &block, const ParGenReader &parGen,
                   const CompiledNetwork &network, int type)
{
    const Quad ip = parGen.requiredQuad(QStringLiteral("IP_"));
    const Quad mask = parGen.requiredQuad(QStringLiteral("SM_"));
    const Quad gateway = parGen.requiredQuad(QStringLiteral("GA_"));
    const std::int32_t gatewayEnabled = parGen.required(QStringLiteral("Gat_Enable"));
    const std::int32_t tcpPort = usesTcpSettings(type) ? parGen.required(QStringLiteral("TCP_Port")) : 502;
    const std::int32_t meterBaud = parGen.required(QStringLiteral("Meter_Baud"));
    const std::int32_t meterParity = parGen.required(QStringLiteral("Meter_Par"));
    const bool pollsOnRequest = type == 1 || type == 2 || type == 3;
    const std::uint8_t requestType =
        pollsOnRequest ? std::uint8_t(parGen.required(QStringLiteral("Meter_Req_Type"))) : 0;
    const std::int32_t requestDelay = parGen.required(QStringLiteral("Meter_Req_Delay"));
    const std::uint32_t meters = std::uint32_t(network.wireless.size()); // at most 32

    FieldWriter t = bank.appendBlock(31);
    t.quad(0, ip);
    t.quad(4, mask);
    t.quad(8, gateway); // as typed, even while the gateway is off
    t.u8(12, gatewayEnabled);
    t.u16(13, tcpPort);
    t.u8(15, meterBaud);
    t.u8(16, meterParity);
    t.u8(17, requestType);
    t.u16(18, requestDelay);
    t.u8(20, countField(qsizetype(network.wired.size()), 0xFF, QStringLiteral("compiled wired nodes"), BankName));
    t.u16(21, countField(variableCount(network.wired), 0xFFFF, QStringLiteral("variables of wired nodes"),
                         BankName));
    t.u8(23, parGen.integerOr(QStringLiteral("Node_State"), 255));
    t.u8(24, meters);
    t.u16(25, countField(variableCount(network.wireless), 0xFFFF,
                         QStringLiteral("variables of wireless meters"), BankName));
    t.u32(27, std::uint32_t(requestDelay));

    FieldWriter g = block.fields();
    g.quad(GeneralBlock::IpAddress, ip);
    g.quad(GeneralBlock::SubnetMask, mask);
    g.quad(GeneralBlock::Gateway, gatewayEnabled == 0 ? Quad{255, 255, 255, 255} : gateway);
    g.u16(GeneralBlock::TcpPort, tcpPort);
    g.u16(GeneralBlock::TcpPort + 2, tcpPort);
    g.u32(GeneralBlock::TcpTimeout, usesTcpSettings(type) ? tcpTimeoutMs(parGen) : 120000);
    g.u32(GeneralBlock::MeterBaud, meterBaudRate(meterBaud));
    g.u8(GeneralBlock::MeterParity, parityCode(meterParity));
    g.u8(GeneralBlock::ReplyException, replyExceptionUntilFirstRead(type, requestType, parGen) ? 1 : 0);
    g.u32(GeneralBlock::FixedCField, fixedCFieldOption(parGen));
    g.u8(GeneralBlock::WirelessCount, meters);

    if (hasModbusSlaveLine(type)) {
        g.u32(GeneralBlock::ModbusBaud, modbusBaudRate(presentOr(parGen, QStringLiteral("Mod_Baud"), 7)));
        g.u8(GeneralBlock::ModbusParity, parityCode(presentOr(parGen, QStringLiteral("Mod_Par"), 0)));
        g.u32(GeneralBlock::ModbusId, std::uint8_t(presentOr(parGen, QStringLiteral("Mod_Id"), 1)));
        const auto stopBit = parGen.integer(QStringLiteral("Mod_StopBit"));
        const std::int64_t stopBits = stopBit ? std::int64_t(*stopBit) + 1 : 1;
        g.u8(GeneralBlock::ModbusStopBits, stopBits > 2 ? 1 : stopBits);
        g.u8(GeneralBlock::InterfaceCode, 4);
    }
    g.u8(GeneralBlock::WirelessMode, wirelessModeCode(parGen.integer(QStringLiteral("wMBus_Mode"))));
    g.u8(GeneralBlock::RadioChannel, parGen.integerOr(QStringLiteral("wMBus_Radio_Channel"), 0));
    g.u8(GeneralBlock::FloatWordOrder,
         parGen.integerOr(QStringLiteral("MBus_Convert_Float_Option_Words_Order"), 0));
    if (type == 1 || type == 7 || type == 1007)
        g.u8(GeneralBlock::InterfaceCode, 2);
    g.u32(GeneralBlock::SlaveLineBaud, 19200);
    g.u8(GeneralBlock::SlaveLineParity, 0);
    g.u8(GeneralBlock::SlaveLineStopBits, 1);
    g.u8(GeneralBlock::SlaveLineDataBits, 8);
    g.u8(GeneralBlock::RadioSettings, 3);
    g.u8(GeneralBlock::RadioSettings + 1, 5);
    g.u8(GeneralBlock::RadioSettings + 2, 5);
}

QByteArray Compile_Bank2(CompileContext &context, GeneralBlock &block, CompiledNetwork &network)
{
    BankBuffer bank(BankName);
    bank.appendU8(64);
    bank.appendBlock(20);
    bank.setU32(1, 21);

    network = readNetwork(context.documents.mBus(), NetworkFamily::TwoBanks, wiredMBusPresent(context));
    block.fields().u8(GeneralBlock::WirelessCount, std::uint32_t(network.meterTable.size()));

    const TableBounds bounds = writeNetworkTables(bank, TableVariant::TwoBanks, network);
    bank.setU32(13, bounds.wirelessNodes);
    bank.setU32(5, bounds.registerTable);
    bank.setU32(17, bounds.wirelessRegisters);
    bank.setU32(9, bounds.end);

    if (const auto root = context.documents.parGen())
        runParGenPass(bank, block, ParGenReader(*root), network, context.converterType);
    return bank.bytes();
}

} // namespace

TwoBankFiles Compile_Two_Banks(CompileContext &context)
{
    GeneralBlock block; // starts from its defaults, the meter table empty
    CompiledNetwork network;
    TwoBankFiles files;
    files.bank2 = Compile_Bank2(context, block, network);
    files.bank1 = block.write(network.meterTable);
    context.leftOutWiredNodes = network.leftOutWired;
    return files;
}

} // namespace compiler
