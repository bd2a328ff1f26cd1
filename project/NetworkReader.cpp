// Reading M_Bus.xml. A network file can be large, so it is read as a stream
// rather than through a document tree; it is still read to its end, so a file
// that is not well-formed anywhere is refused as a whole.
#include "app/ConverterType.h"
#include "project/DocumentFile.h"
#include "project/NetworkAttributes.h"
#include "project/NetworkFile.h"
#include "project/NetworkStream.h"

#include <QXmlStreamAttributes>

namespace project {
namespace {

// Narrower fields keep the low bits of the value read.
template <typename Field, typename Value>
void store(Field &field, Value value)
{
    field = static_cast<Field>(static_cast<std::uint32_t>(value));
}

TNodo readNode(const netxml::NodeAttributes &a, int type)
{
    TNodo n;
    store(n.Enable, a.Node_Enable.value_or(1));
    n.Description = a.Descrizione;
    store(n.Node_ID_Type, a.Node_ID_Type.value_or(0));
    // The single "ID" of older files and other writers wins, as the address of the node's kind.
    if (a.ID) {
        const auto id = static_cast<std::int32_t>(*a.ID);
        n.Node_Pri = n.Node_ID_Type == 0 ? id : 1;
        n.Node_Sec = n.Node_ID_Type == 0 ? 1 : id;
    } else {
        n.Node_Pri = a.ID_Primary.value_or(1);
        n.Node_Sec = a.ID_Secondary.value_or(1);
    }
    store(n.Send_SNK, a.Send_SND_NKE.value_or(0));
    store(n.Reset_App, a.Reset_App.value_or(0));
    n.Node_State = a.Node_State.value_or(0);
    n.Ident_Num = a.Ident_Num.value_or(0);
    store(n.BCDtoINT_IN, a.BCDtoINT_IN.value_or(0));
    n.Swap_Ident = a.Swap_IN.value_or(0);
    store(n.Var_List_Type, a.Var_List_Type.value_or(0));
    store(n.Cut_After, a.Cut_After.value_or(0));
    n.Manufacturer_Spec = a.Manufacturer_Specific_Data.value_or(0);
    store(n.MSD_Length, a.MSD_Length.value_or(0));
    store(n.MSD_Offset, a.MSD_Offset.value_or(0));
    n.Access_Number = a.Access_Number.value_or(0);
    if (app::isWirelessType(type)) {
        store(n.MBus_Type, a.MBus_Type.value_or(1));
        n.wMBus_ManID = a.wMBus_ManID;
        n.wMBus_Add = a.wMBus_Add;
        n.wMBus_Ver = a.wMBus_Ver;
        n.wMBus_DevType = a.wMBus_DevType;
        store(n.wMBus_En_Key, a.wMBus_En_Key.value_or(0));
        n.wMBus_Key = a.wMBus_Key;
        n.RSSI = a.wMBus_RSSI.value_or(0);
    }
    return n;
}

// The first of the numbers every variable must have that is missing or not
// an integer: its attribute's name.
std::optional<QLatin1StringView> firstMissing(const netxml::VariableAttributes &a)
{
    const std::pair<const netxml::Number &, QLatin1StringView> required[] = {
        {a.Type, netxml::Type}, {a.Fun_Field, netxml::Fun_Field}, {a.Dim, netxml::Dim}, {a.ModReg, netxml::ModReg}};
    for (const auto &[value, name] : required)
        if (!value)
            return name;
    return std::nullopt;
}

TVariabile readVariable(const netxml::VariableAttributes &a)
{
    TVariabile v;
    v.Enable = a.Enable;
    v.Description = a.Desc;
    v.Type_Of_Data = *a.Type;
    v.Function_Field = *a.Fun_Field;
    v.Dimension = *a.Dim;
    v.Modbus_Register = *a.ModReg;
    v.Unita = a.Unit.value_or(0);
    v.Modbus_Scale = a.ModScale.value_or(0);
    v.Storage_Number = a.StoNumber.value_or(0);
    v.Tariff = static_cast<std::int32_t>(a.Tariff.value_or(0));
    store(v.VIFE, a.VIFE.value_or(0));
    v.BCDtoINT = a.BCDtoINT;
    v.VIF_ASCII = a.VIF_ASCII;
    v.Length = a.Length.value_or(0);
    v.Conv_Float = a.Conv_Float;
    v.Force_Int32 = a.Force_Int32;
    v.TP_Mod_Regs = a.TP_Mod_Regs;
    v.TP_Mod_Year = a.TP_Mod_Year.value_or(0);
    store(v.Position, a.Position.value_or(1));
    store(v.Post_Operation, a.Post_Operation.value_or(0));
    return v;
}

// Fills the editor's records; after a variable that cannot be read, the
// rest of the file is only checked.
class EditorVisitor : public netxml::NetworkVisitor {
public:
    EditorVisitor(NetworkReadResult &result, int type, const QString &path) : m_result(result), m_type(type), m_path(path) {}

    void node(const QXmlStreamAttributes &attributes) override
    {
        if (!m_stopped)
            m_result.nodes.push_back(readNode(netxml::readNodeAttributes(attributes), m_type));
    }

    void variable(const QXmlStreamAttributes &attributes, int index) override
    {
        if (m_stopped)
            return;
        const netxml::VariableAttributes a = netxml::readVariableAttributes(attributes);
        if (const auto missing = firstMissing(a)) {
            FileError error = FileError::of(FileError::Kind::NotAnInteger, m_path, attributes.value(*missing).toString());
            error.attribute = QString(*missing);
            error.nodeIndex = static_cast<int>(m_result.nodes.size()) - 1;
            error.variableIndex = index;
            m_result.error = std::move(error);
            m_stopped = true;
            return;
        }
        m_result.nodes.back().Var_List.push_back(readVariable(a));
    }

private:
    NetworkReadResult &m_result;
    int m_type;
    const QString &m_path;
    bool m_stopped = false;
};

} // namespace

NetworkReadResult parseNetwork(const QByteArray &bytes, int type, const QString &pathForMessages)
{
    NetworkReadResult result;
    EditorVisitor visitor(result, type, pathForMessages);
    if (const auto error = netxml::streamNetwork(bytes, visitor)) {
        result.nodes.clear();
        result.error = FileError::of(FileError::Kind::NotWellFormed, pathForMessages, *error);
    }
    return result;
}

NetworkReadResult readNetworkFile(const QString &path, int type)
{
    FileBytes file = readFileBytes(path);
    if (file.missing || file.error) {
        NetworkReadResult result;
        result.fileMissing = file.missing;
        result.error = std::move(file.error);
        return result;
    }
    return parseNetwork(file.bytes, type, path);
}

} // namespace project
