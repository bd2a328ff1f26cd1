#include "compiler/SingleBank.h"

#include "compiler/BankBuffer.h"
#include "compiler/CountField.h"
#include "compiler/NetworkReader.h"
#include "compiler/ParGenReader.h"
#include "compiler/TableLayout.h"

namespace compiler {
namespace {

const QString BankName = QStringLiteral("bank.bin");

// Which serial line is the Modbus slave's and which the meter bus's.
std::uint8_t serialLineSelection(int converterType, const ParGenReader &parGen)
{
    switch (converterType) {
    case 4: {
        // 0 is RS485 and 1 RS232 on each side.
        const std::uint8_t modbus = std::uint8_t(parGen.required(QStringLiteral("Mod_Ser")));
        const std::uint8_t meterBus = std::uint8_t(parGen.required(QStringLiteral("MBUS_Ser")));
        if (modbus == 1 && meterBus == 0)
            return 0;
        if (modbus == 0 && meterBus == 1)
            return 1;
        if (modbus == 0 && meterBus == 0)
            return 2;
        return 0;
    }
    case 5: return 1;
    default: return std::uint8_t(parGen.required(QStringLiteral("Mod_Ser")));
    }
}

// "Modbus ASCII" and "ASCII" are ASCII framing; the rest of the list is binary.
std::uint8_t protocolCode(std::int32_t listIndex)
{
    const std::uint8_t index = std::uint8_t(listIndex);
    return index == 1 || index == 4 ? 1 : 0;
}

void appendTrailer(BankBuffer &bank, const ParGenReader &parGen, const CompiledNetwork &network, int converterType)
{
    const std::uint8_t serialLines = serialLineSelection(converterType, parGen);
    const std::int32_t modbusBaud = parGen.required(QStringLiteral("Mod_Baud"));
    const std::int32_t modbusParity = parGen.required(QStringLiteral("Mod_Par"));
    const std::int32_t modbusId = parGen.required(QStringLiteral("Mod_Id"));
    const std::int32_t protocol = parGen.required(QStringLiteral("Mod_Protocol"));
    const std::int32_t meterBaud = parGen.required(QStringLiteral("Meter_Baud"));
    const std::int32_t meterParity = parGen.required(QStringLiteral("Meter_Par"));
    const std::int32_t requestType = parGen.required(QStringLiteral("Meter_Req_Type"));
    const std::int32_t requestDelay = parGen.required(QStringLiteral("Meter_Req_Delay"));

    FieldWriter t = bank.appendBlock(13);
    t.u8(0, serialLines);
    t.u8(1, modbusBaud);
    t.u8(2, modbusParity);
    t.u8(3, modbusId);
    t.u8(4, protocolCode(protocol));
    t.u8(5, meterBaud);
    t.u8(6, meterParity);
    t.u8(7, requestType);
    t.u16(8, requestDelay);
    t.u8(10, countField(qsizetype(network.wired.size()), 0xFF, QStringLiteral("compiled nodes"), BankName));
    t.u16(11, countField(variableCount(network.wired), 0xFFFF, QStringLiteral("compiled variables"), BankName));
}

} // namespace

QByteArray Compile_Bank_Serial(CompileContext &context)
{
    BankBuffer bank(BankName);
    bank.appendBlock(12);
    bank.setU32(0, 12);

    CompiledNetwork network = readNetwork(context.documents.mBus(), NetworkFamily::SingleBank, true);
    const TableBounds bounds = writeNetworkTables(bank, TableVariant::SingleBank, network);
    bank.setU32(4, bounds.registerTable);
    bank.setU32(8, bounds.end);

    if (const auto root = context.documents.parGen())
        appendTrailer(bank, ParGenReader(*root), network, context.converterType);
    return bank.bytes();
}

} // namespace compiler
