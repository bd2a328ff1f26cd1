#include "project/ParGenElements.h"

#include "app/ConverterType.h"

#include <map>

namespace project {
namespace {

using Enc = ParGenEncoding;

ParGenElement index(const QString &name, const QString &def, QStringList items)
{
    return {name, Enc::Index, def, std::nullopt, std::move(items)};
}
ParGenElement text(const QString &name, const QString &def)
{
    return {name, Enc::Text, def, std::nullopt, {}};
}
ParGenElement flag(const QString &name)
{
    return {name, Enc::Flag, QStringLiteral("0"), std::nullopt, {}};
}
ParGenElement fixed(ParGenElement element, const QString &value)
{
    element.fixedValue = value;
    return element;
}

const QStringList serialLines = {"RS485", "RS232"};
const QStringList parities = {"NONE", "EVEN", "ODD"};

ParGenElement selDev(int type) { return index("Sel_Dev", "0", app::converterInfo(type).boardNames); }
ParGenElement mbusPresent() { return index("Sel_Dev_MBus_Present", "0", {"Not Present", "Present"}); }
ParGenElement modSer() { return index("Mod_Ser", "1", serialLines); }
ParGenElement modBaud()
{
    return index("Mod_Baud", "7", {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"});
}
ParGenElement modPar() { return index("Mod_Par", "0", parities); }
ParGenElement modId() { return text("Mod_Id", "1"); }
ParGenElement modStopBit() { return index("Mod_StopBit", "0", {"1 Stop Bit", "2 Stop Bits"}); }
ParGenElement modProtocol()
{
    return index("Mod_Protocol", "0", {"Modbus RTU", "Modbus ASCII", "JBUS", "Binary", "ASCII"});
}
ParGenElement meterBaud()
{
    return index("Meter_Baud", "3", {"300", "600", "1200", "2400", "4800", "9600", "19200", "38400"});
}
ParGenElement meterPar() { return index("Meter_Par", "1", parities); }
ParGenElement meterReqType() { return {"Meter_Req_Type", Enc::Polls, "1", std::nullopt, {}}; }
ParGenElement meterReqDelay() { return text("Meter_Req_Delay", "100"); }
ParGenElement nodeState() { return text("Node_State", "0xFF"); }
ParGenElement fixCField() { return flag("Enable_Use_Fix_C_Field"); }
ParGenElement fixCFieldValue() { return index("Use_Fix_C_Field_Value", "0", {"0x5X", "0x7X"}); }
ParGenElement exceptionUntilFirstRead() { return flag("Reply_Exception_Until_First_Read"); }
// The dialog takes these two items from the language table (texts 390, 391).
ParGenElement floatWordsOrder()
{
    return index("MBus_Convert_Float_Option_Words_Order", "0",
                 {"Least Significant Register First", "Most Significant Register First"});
}
ParGenElement mbusSer() { return index("MBUS_Ser", "1", serialLines); }
ParGenElement wmbusMode() { return index("wMBus_Mode", "0", {"S", "T", "N1", "N2", "C"}); }
ParGenElement wmbusChannel()
{
    return index("wMBus_Radio_Channel", "0",
                 {"1a @ 4800 bps", "1b @ 4800 bps", "2a @ 2400 bps", "2b @ 2400 bps", "3a @ 4800 bps",
                  "3b @ 4800 bps", "0 @ 19200 bps", "2a @ 4800 bps", "2b @ 4800 bps"});
}
ParGenElement gatEnable() { return flag("Gat_Enable"); }
ParGenElement tcpPort() { return text("TCP_Port", "502"); }
ParGenElement tcpTimeOut() { return text("TCP_Conn_TimeOut", "2"); }

void addAddressBlock(std::vector<ParGenElement> &list)
{
    const char *ip[] = {"192", "168", "0", "10"};
    const char *sm[] = {"255", "255", "255", "0"};
    const char *ga[] = {"192", "168", "0", "1"};
    for (int i = 0; i < 4; ++i)
        list.push_back(text(QStringLiteral("IP_%1").arg(i + 1), ip[i]));
    for (int i = 0; i < 4; ++i)
        list.push_back(text(QStringLiteral("SM_%1").arg(i + 1), sm[i]));
    for (int i = 0; i < 4; ++i)
        list.push_back(text(QStringLiteral("GA_%1").arg(i + 1), ga[i]));
}

std::vector<ParGenElement> buildList(int type)
{
    std::vector<ParGenElement> l;
    auto add = [&l](std::initializer_list<ParGenElement> elements) { l.insert(l.end(), elements); };
    switch (type) {
    case 2:
    case 3:
        add({selDev(type), fixed(mbusPresent(), "1"), modSer(), modBaud(), modPar(), modId(), modStopBit(),
             modProtocol(), meterBaud(), meterPar(), meterReqType(), meterReqDelay(), nodeState()});
        if (type == 2)
            add({fixCField(), fixCFieldValue()});
        add({floatWordsOrder()});
        addAddressBlock(l);
        add({gatEnable()});
        break;
    case 4:
    case 5:
        add({type == 5 ? fixed(modSer(), "1") : modSer(), modBaud(), modPar(), modId(), modStopBit(),
             modProtocol(), meterBaud(), meterPar(), meterReqType(), meterReqDelay(), nodeState()});
        if (type == 4)
            add({mbusSer()});
        break;
    case 6:
        add({mbusPresent(), modSer(), modBaud(), modPar(), modId(), modStopBit(), wmbusMode(), wmbusChannel(),
             floatWordsOrder(), meterBaud(), meterPar(), fixed(meterReqType(), "0"), meterReqDelay(),
             nodeState()});
        addAddressBlock(l);
        add({gatEnable()});
        break;
    case 7:
    case 1007:
        add({mbusPresent()});
        addAddressBlock(l);
        add({gatEnable(), tcpPort(), tcpTimeOut(), wmbusMode(), wmbusChannel(), floatWordsOrder(), meterBaud(),
             meterPar(), fixed(meterReqType(), "0"), meterReqDelay(), nodeState()});
        break;
    default: // 1, 1001
        add({selDev(type)});
        addAddressBlock(l);
        add({gatEnable(), tcpPort(), tcpTimeOut(), meterBaud(), meterPar(), meterReqType(), meterReqDelay(),
             nodeState(), fixCField(), fixCFieldValue(), exceptionUntilFirstRead(), floatWordsOrder()});
        break;
    }
    return l;
}

} // namespace

const std::vector<ParGenElement> &parGenElements(int type)
{
    static const std::map<int, std::vector<ParGenElement>> lists = [] {
        std::map<int, std::vector<ParGenElement>> m;
        for (const int t : app::AllConverterTypes)
            m.emplace(t, buildList(t));
        return m;
    }();
    const auto it = lists.find(type);
    return it != lists.end() ? it->second : lists.at(1);
}

const ParGenElement *findParGenElement(int type, const QString &name)
{
    for (const ParGenElement &element : parGenElements(type))
        if (element.name == name)
            return &element;
    return nullptr;
}

bool hasPassivePolling(int type)
{
    return type == 2 || type == 3;
}

QString encodePolls(int type, PollMode mode)
{
    switch (mode) {
    case PollMode::OnRequest: return QStringLiteral("1");
    case PollMode::Cyclic: return QStringLiteral("0");
    case PollMode::Passive: break;
    }
    return hasPassivePolling(type) ? QStringLiteral("2") : QStringLiteral("0");
}

PollMode decodePolls(int type, const QString &text)
{
    if (text == u"1")
        return PollMode::OnRequest;
    if (text == u"0" || !hasPassivePolling(type))
        return PollMode::Cyclic;
    return PollMode::Passive;
}

} // namespace project
