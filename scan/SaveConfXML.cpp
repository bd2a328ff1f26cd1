#include "scan/SaveConfXML.h"

#include "controls/vtree/LazyNode.h"
#include "platform/Xml.h"
#include "project/DocumentFile.h"
#include "project/NetworkAttributes.h"
#include "scan/RegisterWidth.h"

#include <algorithm>

namespace scan {

namespace {

namespace nx = project::netxml;
using platform::XmlElement;

void setNumber(XmlElement &element, QLatin1StringView name, qint64 value)
{
    element.attributes.append({QString(name), QString::number(value)});
}

void setText(XmlElement &element, QLatin1StringView name, const QString &value)
{
    element.attributes.append({QString(name), value});
}

// What the user left selected in the window's tree. A tree node that is
// checked, or a slave with only some of its records checked, is selected;
// an object without a tree node was never unchecked.
bool selected(const vtree::TLazyNode *node)
{
    if (!node)
        return true;
    switch (node->CheckState) {
    case vtree::TCheckState::csUncheckedNormal:
    case vtree::TCheckState::csUncheckedPressed:
    case vtree::TCheckState::csUncheckedDisabled:
        return false;
    default:
        return true;
    }
}

// The file counts the telegrams read after the first; the window counts
// them all. The converter holds the count in a byte.
qint32 storedCutAfter(qint32 telegrams)
{
    return std::clamp(telegrams - 1, 0, 254);
}

// One register count runs through the whole save; it wraps as the 32-bit
// count it stands for.
class Registers {
public:
    explicit Registers(qint32 first) : m_next(static_cast<quint32>(first)) {}
    void restartAt(qint32 first) { m_next = static_cast<quint32>(first); }
    qint32 next() const { return static_cast<qint32>(m_next); }
    qint32 take(qint32 count)
    {
        const qint32 at = next();
        m_next += static_cast<quint32>(count);
        return at;
    }

private:
    quint32 m_next;
};

// Node_State and Ident_Num exist only when each node has its own start register.
void setNodeRegisters(XmlElement &node, const TSaveConfXML &in, Registers &registers)
{
    if (in.StartModnode != 1)
        return;
    setNumber(node, nx::Node_State, in.En_NodeState ? registers.take(2) : 0);
    setNumber(node, nx::Ident_Num, in.En_IdeNum ? registers.take(1) : 0);
}

QString flagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// Function fields 1 (maximum) and 2 (minimum) are numbered the other way
// round in the network file.
qint32 fileFunctionField(quint16 functionField)
{
    return functionField == 1 ? 2 : functionField == 2 ? 1 : functionField;
}

struct VariableSave {
    const TSaveConfXML &in;
    bool checkBcd;
    Registers &registers;

    void add(XmlElement &node, const TVariable_MBus &record, int index, bool enabled) const
    {
        XmlElement &v = node.addChild(QString(nx::VariableName));
        v.attributes.reserve(16);
        const RegisterWidth width = registerWidth(record.dimension, record.nbyte);
        setText(v, nx::Enable, flagText(enabled));
        setNumber(v, nx::Position, qint64(index) + 1);
        setText(v, nx::Desc,
                QStringLiteral("%1 (U%2S%3T%4)")
                    .arg(record.Desc_Type_Data)
                    .arg(record.device)
                    .arg(record.storage_number)
                    .arg(record.tarif));
        setNumber(v, nx::Type, record.type_data);
        setText(v, nx::VIF_ASCII, record.type_data == 21 ? record.VIF_ASCII : QString());
        setNumber(v, nx::Fun_Field, fileFunctionField(record.function_fild));
        // The length belongs to the record, selected or not, so that
        // enabling it later in the network editor reads it whole.
        setNumber(v, nx::Length, record.dimension == VariableLengthField ? record.nbyte : 0);
        // With per-node start registers only the selected records take registers.
        const bool takesRegisters = in.StartModnode != 1 || enabled;
        setNumber(v, nx::ModReg, takesRegisters ? registers.take(width.registers) : registers.next());
        setNumber(v, nx::Dim, width.dim);
        setNumber(v, nx::Unit, record.device);
        setNumber(v, nx::StoNumber, record.storage_number);
        setNumber(v, nx::Tariff, record.tarif);
        setNumber(v, nx::VIFE, record.Type_Data_Vife);
        setNumber(v, nx::ModScale, 0);
        setText(v, nx::BCDtoINT, flagText(record.Is_BCD && checkBcd));
        setNumber(v, nx::SWAP, 0);
    }
};

XmlElement wiredNode(const TSlave_MBus &slave, const TSaveConfXML &in, const VariableSave &variables)
{
    XmlElement node{QString(nx::NodeName)};
    setText(node, nx::Node_Enable, flagText(selected(slave.Node)));
    setNumber(node, nx::ID_Primary, slave.Primary_Addresss);
    setText(node, nx::ID_Secondary, slave.Secondary_Addresss);
    setNumber(node, nx::Node_ID_Type, in.Node_ID_Type);
    setText(node, nx::Descrizione, slave.descManufacture);
    setText(node, nx::Send_SND_NKE, flagText(in.SND_NKE == 1));
    setText(node, nx::Reset_App, flagText(in.Reset_App == 1));
    setNumber(node, nx::Cut_After, storedCutAfter(in.Cut_After));
    // The wireless converters also read wired nodes, marked as such.
    if (in.XML_Code_Dev == 13 || in.XML_Code_Dev == 14)
        setNumber(node, nx::MBus_Type, 1);
    setNodeRegisters(node, in, variables.registers);
    node.children.reserve(slave.List_Var.size());
    int index = 0;
    for (const auto &record : slave.List_Var) {
        variables.add(node, *record, index, selected(record->Node));
        ++index;
    }
    return node;
}

XmlElement wirelessNode(const TSlave_wMBus &meter, const TSaveConfXML &in, const VariableSave &variables)
{
    XmlElement node{QString(nx::NodeName)};
    node.attributes.reserve(35);
    setText(node, nx::Node_Enable, flagText(meter.Enable));
    setNumber(node, nx::ID_Primary, 1);
    setNumber(node, nx::ID_Secondary, 1);
    setNumber(node, nx::Node_ID_Type, 0);
    setText(node, nx::Descrizione, meter.ALA_Manu_str);
    setNumber(node, nx::Send_SND_NKE, 0);
    setNumber(node, nx::Reset_App, 0);
    setNumber(node, nx::Cut_After, storedCutAfter(in.Cut_After));
    setNodeRegisters(node, in, variables.registers);
    setNumber(node, nx::MBus_Type, 0);
    setNumber(node, nx::wMBus_ManID, meter.ALA_Manufacturer);
    // Signed: identification numbers from 80000000 on come out negative, as
    // every reader of the address expects.
    setNumber(node, nx::wMBus_Add, meter.ALA_Address);
    setNumber(node, nx::wMBus_Ver, meter.ALA_Version);
    setNumber(node, nx::wMBus_DevType, meter.ALA_DeviceType);
    setText(node, nx::wMBus_En_Key, flagText(meter.Enable_Key));
    for (int i = 0; i < 16; ++i)
        node.attributes.append({nx::keyAttribute(i), QString::number(meter.Key[std::size_t(i)])});
    node.children.reserve(meter.List_Var.size());
    int index = 0;
    for (const auto &record : meter.List_Var) {
        // Records that only hold a position are left out; the positions
        // of the others still count them.
        if (record->Real_Wireless_Var)
            variables.add(node, *record, index, record->Enable);
        ++index;
    }
    return node;
}

TSaveConfResult failed(project::FileError error)
{
    TSaveConfResult result;
    result.outcome = TSaveConfResult::Outcome::FileFailed;
    result.error = std::move(error);
    return result;
}

// The nodes as the whole file or after the nodes already in it.
TSaveConfResult writeNodes(const TSaveConfXML &in, std::vector<XmlElement> nodes)
{
    using Kind = project::FileError::Kind;
    const int count = static_cast<int>(nodes.size());
    QByteArray bytes;
    if (in.Append == 1) {
        project::FileBytes file = project::readFileBytes(in.File_Name);
        if (file.missing)
            return failed(project::FileError::of(Kind::Unreadable, in.File_Name,
                                                 QStringLiteral("The file does not exist.")));
        if (file.error)
            return failed(*file.error);
        platform::XmlAppendResult appended = platform::appendToRoot(file.bytes, nodes);
        if (!appended.ok())
            return failed(project::FileError::of(Kind::NotWellFormed, in.File_Name, appended.error));
        bytes = std::move(appended.bytes);
    } else {
        platform::XmlOutDocument document;
        document.root.name = QString(nx::RootName);
        document.root.children = std::move(nodes);
        bytes = platform::serializeXml(document);
    }
    if (auto error = project::saveBytesFile(bytes, in.File_Name))
        return failed(*error);
    TSaveConfResult result;
    result.nodes = count;
    return result;
}

template <class List, class MakeNode>
TSaveConfResult save(const TSaveConfXML &in, bool checkBcd, List &list, MakeNode makeNode)
{
    std::vector<XmlElement> nodes;
    {
        auto items = list.lock();
        if (items.isEmpty()) {
            TSaveConfResult result;
            result.outcome = TSaveConfResult::Outcome::NothingToSave;
            return result;
        }
        // A node without its own start register would take whatever the
        // count reached: refuse rather than guess.
        if (in.StartModnode == 1 && in.SMN_Array.size() < std::size_t(items.count())) {
            TSaveConfResult result;
            result.outcome = TSaveConfResult::Outcome::StartRegisterMissing;
            result.missingPosition = static_cast<int>(in.SMN_Array.size());
            return result;
        }
        Registers registers(in.Mod_Start);
        const VariableSave variables{in, checkBcd, registers};
        nodes.reserve(std::size_t(items.count()));
        std::size_t position = 0;
        for (const auto &item : items) {
            if (in.StartModnode == 1)
                registers.restartAt(in.SMN_Array[position]);
            nodes.push_back(makeNode(*item, in, variables));
            ++position;
        }
    }
    return writeNodes(in, std::move(nodes));
}

} // namespace

TSaveConfResult Save_XML_Conf_Wired(const TSaveConfXML &DataIn, bool Check_BCD, TSlaveMBusList &slaves)
{
    return save(DataIn, Check_BCD, slaves, wiredNode);
}

TSaveConfResult Save_XML_Conf_Wireless(const TSaveConfXML &DataIn, bool Check_BCD, TSlaveWMBusList &meters)
{
    return save(DataIn, Check_BCD, meters, wirelessNode);
}

} // namespace scan
