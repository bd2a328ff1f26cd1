#include "project/NetworkAttributes.h"

#include "platform/IntText.h"

#include <QDomElement>
#include <QXmlStreamAttributes>

namespace project::netxml {

const QString &keyAttribute(int byte)
{
    static const std::array<QString, 16> names = [] {
        std::array<QString, 16> n;
        for (int i = 0; i < 16; ++i)
            n[std::size_t(i)] = QStringLiteral("wMBus_Key_%1").arg(i + 1);
        return n;
    }();
    return names[std::size_t(byte)];
}

std::optional<std::int32_t> number(QStringView text)
{
    return platform::tryParseInt32(text.toString());
}

std::optional<std::uint32_t> wideNumber(QStringView text)
{
    const auto value = platform::tryParseInt64(text.toString());
    if (!value || *value < 0 || *value > 0xFFFFFFFFll)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::uint32_t> lowBits32(QStringView text)
{
    const auto value = platform::tryParseInt64(text.toString());
    if (!value)
        return std::nullopt;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(*value));
}

namespace {

// One element's attributes, whichever reader holds them.
class StreamSource {
public:
    explicit StreamSource(const QXmlStreamAttributes &attributes) : m_attributes(attributes) {}
    QString text(QLatin1StringView name) const { return m_attributes.value(name).toString(); }
    QString text(const QString &name) const { return m_attributes.value(name).toString(); }

private:
    const QXmlStreamAttributes &m_attributes;
};

class TreeSource {
public:
    explicit TreeSource(const QDomElement &element) : m_element(element) {}
    QString text(QLatin1StringView name) const { return m_element.attribute(QString(name)); }
    QString text(const QString &name) const { return m_element.attribute(name); }

private:
    const QDomElement &m_element;
};

template <class Source>
NodeAttributes readNode(const Source &a)
{
    const auto n = [&](QLatin1StringView name) { return number(a.text(name)); };
    NodeAttributes node;
    node.Node_Enable_Text = a.text(Node_Enable);
    node.Node_Enable = number(node.Node_Enable_Text);
    node.Descrizione = a.text(Descrizione);
    node.ID = wideNumber(a.text(ID));
    node.ID_Primary = n(ID_Primary);
    node.ID_Secondary = n(ID_Secondary);
    node.Send_SND_NKE = n(Send_SND_NKE);
    node.Reset_App = n(Reset_App);
    node.Node_State = n(Node_State);
    node.Ident_Num = n(Ident_Num);
    node.BCDtoINT_IN = n(BCDtoINT_IN);
    node.Swap_IN = n(Swap_IN);
    node.Node_ID_Type = n(Node_ID_Type);
    node.Var_List_Type = n(Var_List_Type);
    node.Cut_After = n(Cut_After);
    node.Manufacturer_Specific_Data = n(Manufacturer_Specific_Data);
    node.MSD_Length = n(MSD_Length);
    node.MSD_Offset = n(MSD_Offset);
    node.Access_Number = n(Access_Number);
    node.MBus_Type = n(MBus_Type);
    node.wMBus_En_Key = n(wMBus_En_Key);
    node.wMBus_RSSI = n(wMBus_RSSI);
    node.wMBus_ManID = a.text(wMBus_ManID);
    node.wMBus_Add = a.text(wMBus_Add);
    node.wMBus_Ver = a.text(wMBus_Ver);
    node.wMBus_DevType = a.text(wMBus_DevType);
    for (int i = 0; i < 16; ++i)
        node.wMBus_Key[std::size_t(i)] = a.text(keyAttribute(i));
    return node;
}

template <class Source>
VariableAttributes readVariable(const Source &a)
{
    const auto n = [&](QLatin1StringView name) { return number(a.text(name)); };
    const auto f = [&](QLatin1StringView name) { return flag(a.text(name)); };
    VariableAttributes v;
    v.Enable = f(Enable);
    v.Desc = a.text(Desc);
    v.Type = n(Type);
    v.Fun_Field = n(Fun_Field);
    v.Dim = n(Dim);
    v.ModReg = n(ModReg);
    v.ModScale = n(ModScale);
    v.Unit = n(Unit);
    v.VIFE = n(VIFE);
    v.Length = n(Length);
    v.TP_Mod_Year = n(TP_Mod_Year);
    v.Position = n(Position);
    v.Post_Operation = n(Post_Operation);
    v.StoNumber = wideNumber(a.text(StoNumber));
    v.Tariff = wideNumber(a.text(Tariff));
    v.BCDtoINT = f(BCDtoINT);
    v.Conv_Float = f(Conv_Float);
    v.Force_Int32 = f(Force_Int32);
    v.TP_Mod_Regs = f(TP_Mod_Regs);
    v.VIF_ASCII = a.text(VIF_ASCII);
    return v;
}

} // namespace

NodeAttributes readNodeAttributes(const QXmlStreamAttributes &attributes) { return readNode(StreamSource(attributes)); }
NodeAttributes readNodeAttributes(const QDomElement &element) { return readNode(TreeSource(element)); }
VariableAttributes readVariableAttributes(const QXmlStreamAttributes &attributes)
{
    return readVariable(StreamSource(attributes));
}
VariableAttributes readVariableAttributes(const QDomElement &element) { return readVariable(TreeSource(element)); }

} // namespace project::netxml
