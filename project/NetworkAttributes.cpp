#include "project/NetworkAttributes.h"

#include "platform/IntText.h"

#include <QDomElement>
#include <cstring>
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
    return platform::tryParseInt32(text);
}

std::optional<std::uint32_t> wideNumber(QStringView text)
{
    const auto value = platform::tryParseInt64(text);
    if (!value || *value < 0 || *value > 0xFFFFFFFFll)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::uint32_t> lowBits32(QStringView text)
{
    const auto value = platform::tryParseInt64(text);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(*value));
}

namespace {

// Every attribute a reader takes, as a slot of one table, in the order the
// writers put them.
enum Slot : int {
    sNode_Enable, sID_Primary, sID_Secondary, sDescrizione, sSend_SND_NKE, sReset_App, sNode_State, sIdent_Num,
    sBCDtoINT_IN, sSwap_IN, sNode_ID_Type, sVar_List_Type, sCut_After, sManufacturer_Specific_Data, sMSD_Length,
    sMSD_Offset, sAccess_Number, sMBus_Type, swMBus_ManID, swMBus_Add, swMBus_Ver, swMBus_DevType, swMBus_En_Key,
    swMBus_Key1, swMBus_Key16 = swMBus_Key1 + 15, swMBus_RSSI, sID,
    sEnable, sDesc, sType, sFun_Field, sDim, sUnit, sModReg, sModScale, sStoNumber, sTariff, sVIFE, sBCDtoINT,
    sVIF_ASCII, sLength, sConv_Float, sForce_Int32, sTP_Mod_Regs, sTP_Mod_Year, sPosition, sPost_Operation,
    SlotCount
};

const QString &slotName(int slot)
{
    static const std::array<QString, SlotCount> names = [] {
        std::array<QString, SlotCount> n;
        const std::pair<Slot, QLatin1StringView> fixed[] = {
            {sNode_Enable, Node_Enable}, {sDescrizione, Descrizione}, {sID, ID}, {sID_Primary, ID_Primary},
            {sID_Secondary, ID_Secondary}, {sSend_SND_NKE, Send_SND_NKE}, {sReset_App, Reset_App},
            {sNode_State, Node_State}, {sIdent_Num, Ident_Num}, {sBCDtoINT_IN, BCDtoINT_IN}, {sSwap_IN, Swap_IN},
            {sNode_ID_Type, Node_ID_Type}, {sVar_List_Type, Var_List_Type}, {sCut_After, Cut_After},
            {sManufacturer_Specific_Data, Manufacturer_Specific_Data}, {sMSD_Length, MSD_Length},
            {sMSD_Offset, MSD_Offset}, {sAccess_Number, Access_Number}, {sMBus_Type, MBus_Type},
            {swMBus_En_Key, wMBus_En_Key}, {swMBus_RSSI, wMBus_RSSI}, {swMBus_ManID, wMBus_ManID},
            {swMBus_Add, wMBus_Add}, {swMBus_Ver, wMBus_Ver}, {swMBus_DevType, wMBus_DevType}, {sEnable, Enable},
            {sDesc, Desc}, {sType, Type}, {sFun_Field, Fun_Field}, {sDim, Dim}, {sModReg, ModReg},
            {sModScale, ModScale}, {sUnit, Unit}, {sVIFE, VIFE}, {sLength, Length}, {sTP_Mod_Year, TP_Mod_Year},
            {sPosition, Position}, {sPost_Operation, Post_Operation}, {sStoNumber, StoNumber}, {sTariff, Tariff},
            {sBCDtoINT, BCDtoINT}, {sConv_Float, Conv_Float}, {sForce_Int32, Force_Int32},
            {sTP_Mod_Regs, TP_Mod_Regs}, {sVIF_ASCII, VIF_ASCII},
        };
        for (const auto &[slot, name] : fixed)
            n[std::size_t(slot)] = QString(name);
        for (int i = 0; i < 16; ++i)
            n[std::size_t(swMBus_Key1 + i)] = keyAttribute(i);
        return n;
    }();
    return names[std::size_t(slot)];
}

bool sameName(const QString &name, QStringView text)
{
    return name.size() == text.size() && std::memcmp(name.utf16(), text.utf16(), std::size_t(text.size()) * 2) == 0;
}

// Name to slot by open addressing over a small table: a network file holds
// some twenty attributes per element, so the lookup must be cheap.
class SlotTable {
public:
    SlotTable()
    {
        m_slots.fill(-1);
        for (int slot = 0; slot < SlotCount; ++slot) {
            std::size_t i = hash(slotName(slot)) & Mask;
            while (m_slots[i] >= 0)
                i = (i + 1) & Mask;
            m_slots[i] = std::int16_t(slot);
        }
    }

    int find(QStringView name) const
    {
        for (std::size_t i = hash(name) & Mask;; i = (i + 1) & Mask) {
            const int slot = m_slots[i];
            if (slot < 0 || sameName(slotName(slot), name))
                return slot;
        }
    }

private:
    static constexpr std::size_t Size = 256;
    static constexpr std::size_t Mask = Size - 1;

    static std::size_t hash(QStringView text)
    {
        std::uint32_t h = 2166136261u;
        for (const QChar c : text)
            h = (h ^ c.unicode()) * 16777619u;
        return h;
    }

    std::array<std::int16_t, Size> m_slots;
};

// The slot of an attribute: first the one after the previous attribute's,
// as the writers put them in the table's order, then the table.
int slotOf(QStringView name, int previous)
{
    static const SlotTable table;
    if (previous + 1 < SlotCount && sameName(slotName(previous + 1), name))
        return previous + 1;
    return table.find(name);
}

// One element's attributes as the streaming reader holds them, sorted into
// slots in one pass; values stay in the reader's buffer until taken.
class StreamSource {
public:
    explicit StreamSource(const QXmlStreamAttributes &attributes)
    {
        int slot = -1;
        for (const QXmlStreamAttribute &a : attributes) {
            slot = slotOf(a.qualifiedName(), slot);
            // The first of two equal names wins, as a lookup by name finds it.
            if (slot >= 0 && !m_seen[std::size_t(slot)]) {
                m_seen[std::size_t(slot)] = true;
                m_values[std::size_t(slot)] = a.value();
            }
        }
    }
    QString text(int slot) const { return m_values[std::size_t(slot)].toString(); }
    Number number(int slot) const { return netxml::number(m_values[std::size_t(slot)]); }
    Wide wide(int slot) const { return wideNumber(m_values[std::size_t(slot)]); }
    bool flag(int slot) const { return netxml::flag(m_values[std::size_t(slot)]); }

private:
    std::array<QStringView, SlotCount> m_values{};
    std::array<bool, SlotCount> m_seen{};
};

class TreeSource {
public:
    explicit TreeSource(const QDomElement &element) : m_element(element) {}
    QString text(int slot) const { return m_element.attribute(slotName(slot)); }
    Number number(int slot) const { return netxml::number(text(slot)); }
    Wide wide(int slot) const { return wideNumber(text(slot)); }
    bool flag(int slot) const { return netxml::flag(text(slot)); }

private:
    const QDomElement &m_element;
};

template <class Source>
NodeAttributes readNode(const Source &a)
{
    NodeAttributes node;
    node.Node_Enable_Text = a.text(sNode_Enable);
    node.Node_Enable = number(node.Node_Enable_Text);
    node.Descrizione = a.text(sDescrizione);
    node.ID = a.wide(sID);
    node.ID_Primary = a.number(sID_Primary);
    node.ID_Secondary = a.number(sID_Secondary);
    node.Send_SND_NKE = a.number(sSend_SND_NKE);
    node.Reset_App = a.number(sReset_App);
    node.Node_State = a.number(sNode_State);
    node.Ident_Num = a.number(sIdent_Num);
    node.BCDtoINT_IN = a.number(sBCDtoINT_IN);
    node.Swap_IN = a.number(sSwap_IN);
    node.Node_ID_Type = a.number(sNode_ID_Type);
    node.Var_List_Type = a.number(sVar_List_Type);
    node.Cut_After = a.number(sCut_After);
    node.Manufacturer_Specific_Data = a.number(sManufacturer_Specific_Data);
    node.MSD_Length = a.number(sMSD_Length);
    node.MSD_Offset = a.number(sMSD_Offset);
    node.Access_Number = a.number(sAccess_Number);
    node.MBus_Type = a.number(sMBus_Type);
    node.wMBus_En_Key = a.number(swMBus_En_Key);
    node.wMBus_RSSI = a.number(swMBus_RSSI);
    node.wMBus_ManID = a.text(swMBus_ManID);
    node.wMBus_Add = a.text(swMBus_Add);
    node.wMBus_Ver = a.text(swMBus_Ver);
    node.wMBus_DevType = a.text(swMBus_DevType);
    for (int i = 0; i < 16; ++i)
        node.wMBus_Key[std::size_t(i)] = a.text(swMBus_Key1 + i);
    return node;
}

template <class Source>
VariableAttributes readVariable(const Source &a)
{
    VariableAttributes v;
    v.Enable = a.flag(sEnable);
    v.Desc = a.text(sDesc);
    v.Type = a.number(sType);
    v.Fun_Field = a.number(sFun_Field);
    v.Dim = a.number(sDim);
    v.ModReg = a.number(sModReg);
    v.ModScale = a.number(sModScale);
    v.Unit = a.number(sUnit);
    v.VIFE = a.number(sVIFE);
    v.Length = a.number(sLength);
    v.TP_Mod_Year = a.number(sTP_Mod_Year);
    v.Position = a.number(sPosition);
    v.Post_Operation = a.number(sPost_Operation);
    v.StoNumber = a.wide(sStoNumber);
    v.Tariff = a.wide(sTariff);
    v.BCDtoINT = a.flag(sBCDtoINT);
    v.Conv_Float = a.flag(sConv_Float);
    v.Force_Int32 = a.flag(sForce_Int32);
    v.TP_Mod_Regs = a.flag(sTP_Mod_Regs);
    v.VIF_ASCII = a.text(sVIF_ASCII);
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
