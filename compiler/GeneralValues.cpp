#include "compiler/GeneralValues.h"

#include "app/ConverterType.h"

namespace compiler {

std::uint32_t meterBaudRate(std::int32_t listIndex)
{
    static constexpr std::uint32_t rates[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400};
    const std::uint8_t index = static_cast<std::uint8_t>(listIndex);
    return index < 8 ? rates[index] : 2400;
}

std::uint32_t parityCode(std::int32_t listIndex)
{
    const std::uint8_t index = static_cast<std::uint8_t>(listIndex);
    return index == 0 ? 0 : index + 1u;
}

std::uint32_t tcpTimeoutMs(const ParGenReader &parGen)
{
    const std::int64_t minutes = parGen.integerOr(QStringLiteral("TCP_Conn_TimeOut"), 2);
    return static_cast<std::uint32_t>(minutes * 60000);
}

std::uint32_t fixedCFieldOption(const ParGenReader &parGen)
{
    const std::uint32_t enabled = parGen.textIs(QStringLiteral("Enable_Use_Fix_C_Field"), QStringLiteral("1")) ? 128 : 0;
    const bool frameCountClear = !parGen.has(QStringLiteral("Use_Fix_C_Field_Value")) ||
                                 parGen.textIs(QStringLiteral("Use_Fix_C_Field_Value"), QStringLiteral("0"));
    return enabled + (frameCountClear ? 0x5B : 0x7B);
}

bool replyExceptionUntilFirstRead(int converterType, std::uint8_t meterRequestType, const ParGenReader &parGen)
{
    return converterType == 1 && meterRequestType == 0 &&
           parGen.textIs(QStringLiteral("Reply_Exception_Until_First_Read"), QStringLiteral("1"));
}

bool usesTcpSettings(int converterType)
{
    return app::isValidConverterType(converterType) && app::traitsOf(converterType).modbusTcp;
}

} // namespace compiler
