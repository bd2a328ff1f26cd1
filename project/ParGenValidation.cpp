#include "project/ParGenValidation.h"

#include "platform/IntText.h"
#include "project/ParGenElements.h"

namespace project {
namespace {

using Refusal = std::optional<ParGenRefusal>;

// Where the converter keeps the delay in 16 bits, the refusal names that
// range; text 124 names the wider one of the first models.
constexpr int ShortDelayRangeText = 392;

Refusal outside(const ParGenValues &values, const QString &element, int low, int high, int text)
{
    const std::int32_t value = parGenCheckedValue(values.text(element));
    if (value < low || value > high)
        return ParGenRefusal{text, element};
    return std::nullopt;
}

// Address, subnet mask and, only while it is in use, gateway: four octets
// each, refused with the texts from firstText on (one per octet, address
// first).
Refusal checkAddressBlock(const ParGenValues &values, int firstText)
{
    static const char *const prefixes[] = {"IP_", "SM_", "GA_"};
    for (int block = 0; block < 3; ++block) {
        if (block == 2 && !values.flag(QStringLiteral("Gat_Enable")))
            break;
        for (int octet = 0; octet < 4; ++octet) {
            const QString element = QString::fromLatin1(prefixes[block]) + QString::number(octet + 1);
            if (Refusal r = outside(values, element, 0, 255, firstText + block * 4 + octet))
                return r;
        }
    }
    return std::nullopt;
}

// 10000 is the converter's own service port.
Refusal checkTcpPort(const ParGenValues &values)
{
    const QString element = QStringLiteral("TCP_Port");
    const std::int32_t port = parGenCheckedValue(values.text(element));
    if (port < 1 || port > 65535 || port == 10000)
        return ParGenRefusal{122, element};
    return std::nullopt;
}

// Two stop bits only without parity.
Refusal checkStopBits(const ParGenValues &values)
{
    if (values.index(QStringLiteral("Mod_StopBit")) == 1 && values.index(QStringLiteral("Mod_Par")) != 0)
        return ParGenRefusal{351, QStringLiteral("Mod_StopBit")};
    return std::nullopt;
}

// What the wired master of the wireless models needs, checked only while
// meters are wired.
Refusal checkWiredMaster(const ParGenValues &values)
{
    if (values.index(QStringLiteral("Sel_Dev_MBus_Present")) != 1)
        return std::nullopt;
    if (Refusal r = outside(values, QStringLiteral("Meter_Req_Delay"), 0, 65535, ShortDelayRangeText))
        return r;
    return outside(values, QStringLiteral("Node_State"), 0, 255, 125);
}

bool ethernetBoard(const ParGenValues &values) { return isEthernetBoard(values.index(QStringLiteral("Sel_Dev"))); }

} // namespace

std::int32_t parGenCheckedValue(const QString &text) { return platform::parseInt32Or(text, -1); }

std::optional<ParGenRefusal> firstParGenRefusal(const ParGenValues &values)
{
    switch (values.converterType()) {
    case 1:
    case 1001:
        if (Refusal r = checkAddressBlock(values, 110))
            return r;
        if (Refusal r = checkTcpPort(values))
            return r;
        if (ethernetBoard(values))
            if (Refusal r = outside(values, QStringLiteral("TCP_Conn_TimeOut"), 2, 1440, 123))
                return r;
        if (Refusal r = outside(values, QStringLiteral("Meter_Req_Delay"), 0, 864000, 124))
            return r;
        return outside(values, QStringLiteral("Node_State"), 0, 255, 125);
    case 2:
    case 3:
    case 4:
    case 5:
        if (Refusal r = outside(values, QStringLiteral("Meter_Req_Delay"), 0, 65535, ShortDelayRangeText))
            return r;
        if (Refusal r = checkStopBits(values))
            return r;
        if ((values.converterType() == 2 || values.converterType() == 3) && ethernetBoard(values))
            return checkAddressBlock(values, 355);
        return std::nullopt;
    case 6:
        if (Refusal r = outside(values, QStringLiteral("Mod_Id"), 1, 247, 285))
            return r;
        if (Refusal r = checkStopBits(values))
            return r;
        if (Refusal r = checkWiredMaster(values))
            return r;
        return checkAddressBlock(values, 286);
    case 7:
    case 1007:
        if (Refusal r = checkAddressBlock(values, 110))
            return r;
        if (Refusal r = checkTcpPort(values))
            return r;
        if (Refusal r = outside(values, QStringLiteral("TCP_Conn_TimeOut"), 2, 1440, 123))
            return r;
        return checkWiredMaster(values);
    default:
        return std::nullopt;
    }
}

} // namespace project
