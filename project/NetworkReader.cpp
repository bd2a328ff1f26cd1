// Reading M_Bus.xml. A network file can be large, so it is read as a stream
// rather than through a document tree; it is still read to its end, so a file
// that is not well-formed anywhere is refused as a whole.
#include "app/ConverterType.h"
#include "platform/IntText.h"
#include "project/DocumentFile.h"
#include "project/NetworkFile.h"

#include <QXmlStreamReader>

namespace project {
namespace {

class Attributes {
public:
    explicit Attributes(const QXmlStreamAttributes &attributes) : m_attributes(attributes) {}

    QString text(QLatin1String name) const { return m_attributes.value(name).toString(); }
    QString text(const QString &name) const { return m_attributes.value(name).toString(); }
    bool flag(QLatin1String name) const { return m_attributes.value(name) == u"1"; }

    // Integer text, or def when the attribute is missing or not an integer.
    // Fields narrower than 32 bits keep the low bits of the value read.
    template <typename Field>
    void number(Field &field, QLatin1String name, std::int32_t def) const
    {
        const std::int32_t value = platform::tryParseInt32(text(name)).value_or(def);
        field = static_cast<Field>(static_cast<std::uint32_t>(value));
    }

private:
    const QXmlStreamAttributes &m_attributes;
};

TNodo readNode(const Attributes &a, int type)
{
    TNodo n;
    a.number(n.Enable, QLatin1String("Node_Enable"), 1);
    n.Description = a.text(QLatin1String("Descrizione"));
    a.number(n.Node_ID_Type, QLatin1String("Node_ID_Type"), 0);
    // The single "ID" of older files and other writers wins, as the address of the node's kind.
    if (const auto id = platform::tryParseInt32(a.text(QLatin1String("ID")))) {
        n.Node_Pri = n.Node_ID_Type == 0 ? *id : 1;
        n.Node_Sec = n.Node_ID_Type == 0 ? 1 : *id;
    } else {
        a.number(n.Node_Pri, QLatin1String("ID_Primary"), 1);
        a.number(n.Node_Sec, QLatin1String("ID_Secondary"), 1);
    }
    a.number(n.Send_SNK, QLatin1String("Send_SND_NKE"), 0);
    a.number(n.Reset_App, QLatin1String("Reset_App"), 0);
    a.number(n.Node_State, QLatin1String("Node_State"), 0);
    a.number(n.Ident_Num, QLatin1String("Ident_Num"), 0);
    a.number(n.BCDtoINT_IN, QLatin1String("BCDtoINT_IN"), 0);
    a.number(n.Swap_Ident, QLatin1String("Swap_IN"), 0);
    a.number(n.Var_List_Type, QLatin1String("Var_List_Type"), 0);
    a.number(n.Cut_After, QLatin1String("Cut_After"), 0);
    a.number(n.Manufacturer_Spec, QLatin1String("Manufacturer_Specific_Data"), 0);
    a.number(n.MSD_Length, QLatin1String("MSD_Length"), 0);
    a.number(n.MSD_Offset, QLatin1String("MSD_Offset"), 0);
    a.number(n.Access_Number, QLatin1String("Access_Number"), 0);
    if (app::isWirelessType(type)) {
        a.number(n.MBus_Type, QLatin1String("MBus_Type"), 1);
        n.wMBus_ManID = a.text(QLatin1String("wMBus_ManID"));
        n.wMBus_Add = a.text(QLatin1String("wMBus_Add"));
        n.wMBus_Ver = a.text(QLatin1String("wMBus_Ver"));
        n.wMBus_DevType = a.text(QLatin1String("wMBus_DevType"));
        a.number(n.wMBus_En_Key, QLatin1String("wMBus_En_Key"), 0);
        for (int i = 0; i < 16; ++i)
            n.wMBus_Key[i] = a.text(networkKeyAttribute(i));
        a.number(n.RSSI, QLatin1String("wMBus_RSSI"), 0);
    }
    return n;
}

// The first required attribute that is missing or not an integer.
struct RequiredMissing {
    QString attribute;
    QString text;
};

std::optional<RequiredMissing> readVariable(const Attributes &a, TVariabile &v)
{
    v.Enable = a.flag(QLatin1String("Enable"));
    v.Description = a.text(QLatin1String("Desc"));
    for (auto [field, name] : {std::pair{&v.Type_Of_Data, "Type"}, std::pair{&v.Function_Field, "Fun_Field"},
                               std::pair{&v.Dimension, "Dim"}, std::pair{&v.Modbus_Register, "ModReg"}}) {
        const QString text = a.text(QLatin1String(name));
        const auto value = platform::tryParseInt32(text);
        if (!value)
            return RequiredMissing{QString::fromLatin1(name), text};
        *field = *value;
    }
    a.number(v.Unita, QLatin1String("Unit"), 0);
    a.number(v.Modbus_Scale, QLatin1String("ModScale"), 0);
    const auto storage = platform::tryParseInt64(a.text(QLatin1String("StoNumber")));
    v.Storage_Number = storage && *storage >= 0 && *storage <= 0xFFFFFFFFll ? static_cast<std::uint32_t>(*storage) : 0;
    a.number(v.Tariff, QLatin1String("Tariff"), 0);
    a.number(v.VIFE, QLatin1String("VIFE"), 0);
    v.BCDtoINT = a.flag(QLatin1String("BCDtoINT"));
    v.VIF_ASCII = a.text(QLatin1String("VIF_ASCII"));
    a.number(v.Length, QLatin1String("Length"), 0);
    v.Conv_Float = a.flag(QLatin1String("Conv_Float"));
    v.Force_Int32 = a.flag(QLatin1String("Force_Int32"));
    v.TP_Mod_Regs = a.flag(QLatin1String("TP_Mod_Regs"));
    a.number(v.TP_Mod_Year, QLatin1String("TP_Mod_Year"), 0);
    a.number(v.Position, QLatin1String("Position"), 1);
    a.number(v.Post_Operation, QLatin1String("Post_Operation"), 0);
    return std::nullopt;
}

} // namespace

NetworkReadResult parseNetwork(const QByteArray &bytes, int type, const QString &pathForMessages)
{
    NetworkReadResult result;
    QXmlStreamReader xml(bytes);
    int depth = 0; // 1 inside the root, 2 inside a node
    int variableIndex = -1;
    bool stopped = false; // after a variable that cannot be read, the rest is only checked
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        if (stopped)
            continue;
        if (depth == 2) {
            result.nodes.push_back(readNode(Attributes(xml.attributes()), type));
            variableIndex = -1;
        } else if (depth == 3) {
            ++variableIndex;
            TVariabile variable;
            if (const auto missing = readVariable(Attributes(xml.attributes()), variable)) {
                FileError error = FileError::of(FileError::Kind::NotAnInteger, pathForMessages, missing->text);
                error.attribute = missing->attribute;
                error.nodeIndex = static_cast<int>(result.nodes.size()) - 1;
                error.variableIndex = variableIndex;
                result.error = std::move(error);
                stopped = true;
                continue;
            }
            result.nodes.back().Var_List.push_back(std::move(variable));
        }
    }
    if (xml.hasError()) {
        result.nodes.clear();
        result.error = FileError::of(FileError::Kind::NotWellFormed, pathForMessages,
                                     QStringLiteral("%1 (line %2, column %3)")
                                         .arg(xml.errorString())
                                         .arg(xml.lineNumber())
                                         .arg(xml.columnNumber()));
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
