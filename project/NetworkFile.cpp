#include "project/NetworkFile.h"

#include "app/ConverterType.h"
#include "platform/IntText.h"
#include "project/DocumentFile.h"

#include <QFileInfo>

namespace project {
namespace {

// An attribute read as integer text, or def when it is missing or not one.
std::int32_t number(const QDomElement &e, const QString &name, std::int32_t def)
{
    return platform::tryParseInt32(e.attribute(name)).value_or(def);
}

// Fields narrower than 32 bits keep the low bits of the value read.
template <typename Field>
void readNumber(Field &field, const QDomElement &e, const QString &name, std::int32_t def)
{
    field = static_cast<Field>(static_cast<std::uint32_t>(number(e, name, def)));
}

bool readFlag(const QDomElement &e, const QString &name)
{
    return e.attribute(name) == u"1";
}

QString keyAttribute(int byte)
{
    return QStringLiteral("wMBus_Key_%1").arg(byte + 1);
}

TNodo readNode(const QDomElement &e, int type)
{
    TNodo n;
    readNumber(n.Enable, e, QStringLiteral("Node_Enable"), 1);
    n.Description = e.attribute(QStringLiteral("Descrizione"));
    readNumber(n.Node_ID_Type, e, QStringLiteral("Node_ID_Type"), 0);
    // The single "ID" of older files and other writers wins, as the address of the node's kind.
    if (const auto id = platform::tryParseInt32(e.attribute(QStringLiteral("ID")))) {
        n.Node_Pri = n.Node_ID_Type == 0 ? *id : 1;
        n.Node_Sec = n.Node_ID_Type == 0 ? 1 : *id;
    } else {
        readNumber(n.Node_Pri, e, QStringLiteral("ID_Primary"), 1);
        readNumber(n.Node_Sec, e, QStringLiteral("ID_Secondary"), 1);
    }
    readNumber(n.Send_SNK, e, QStringLiteral("Send_SND_NKE"), 0);
    readNumber(n.Reset_App, e, QStringLiteral("Reset_App"), 0);
    readNumber(n.Node_State, e, QStringLiteral("Node_State"), 0);
    readNumber(n.Ident_Num, e, QStringLiteral("Ident_Num"), 0);
    readNumber(n.BCDtoINT_IN, e, QStringLiteral("BCDtoINT_IN"), 0);
    readNumber(n.Swap_Ident, e, QStringLiteral("Swap_IN"), 0);
    readNumber(n.Var_List_Type, e, QStringLiteral("Var_List_Type"), 0);
    readNumber(n.Cut_After, e, QStringLiteral("Cut_After"), 0);
    readNumber(n.Manufacturer_Spec, e, QStringLiteral("Manufacturer_Specific_Data"), 0);
    readNumber(n.MSD_Length, e, QStringLiteral("MSD_Length"), 0);
    readNumber(n.MSD_Offset, e, QStringLiteral("MSD_Offset"), 0);
    readNumber(n.Access_Number, e, QStringLiteral("Access_Number"), 0);
    if (app::isWirelessType(type)) {
        readNumber(n.MBus_Type, e, QStringLiteral("MBus_Type"), 1);
        n.wMBus_ManID = e.attribute(QStringLiteral("wMBus_ManID"));
        n.wMBus_Add = e.attribute(QStringLiteral("wMBus_Add"));
        n.wMBus_Ver = e.attribute(QStringLiteral("wMBus_Ver"));
        n.wMBus_DevType = e.attribute(QStringLiteral("wMBus_DevType"));
        readNumber(n.wMBus_En_Key, e, QStringLiteral("wMBus_En_Key"), 0);
        for (int i = 0; i < 16; ++i)
            n.wMBus_Key[i] = e.attribute(keyAttribute(i));
        readNumber(n.RSSI, e, QStringLiteral("wMBus_RSSI"), 0);
    }
    return n;
}

// Where a variable cannot be read: the first required attribute that is
// missing or not an integer.
struct RequiredMissing {
    QString attribute;
    QString text;
};

std::optional<RequiredMissing> readVariable(const QDomElement &e, TVariabile &v)
{
    std::optional<RequiredMissing> missing;
    auto required = [&](std::int32_t &field, const QString &name) {
        if (missing)
            return;
        const QString text = e.attribute(name);
        if (const auto value = platform::tryParseInt32(text))
            field = *value;
        else
            missing = RequiredMissing{name, text};
    };
    v.Enable = readFlag(e, QStringLiteral("Enable"));
    v.Description = e.attribute(QStringLiteral("Desc"));
    required(v.Type_Of_Data, QStringLiteral("Type"));
    required(v.Function_Field, QStringLiteral("Fun_Field"));
    required(v.Dimension, QStringLiteral("Dim"));
    required(v.Modbus_Register, QStringLiteral("ModReg"));
    if (missing)
        return missing;
    readNumber(v.Unita, e, QStringLiteral("Unit"), 0);
    readNumber(v.Modbus_Scale, e, QStringLiteral("ModScale"), 0);
    const auto storage = platform::tryParseInt64(e.attribute(QStringLiteral("StoNumber")));
    v.Storage_Number = storage && *storage >= 0 && *storage <= 0xFFFFFFFFll ? static_cast<std::uint32_t>(*storage) : 0;
    readNumber(v.Tariff, e, QStringLiteral("Tariff"), 0);
    readNumber(v.VIFE, e, QStringLiteral("VIFE"), 0);
    v.BCDtoINT = readFlag(e, QStringLiteral("BCDtoINT"));
    v.VIF_ASCII = e.attribute(QStringLiteral("VIF_ASCII"));
    readNumber(v.Length, e, QStringLiteral("Length"), 0);
    v.Conv_Float = readFlag(e, QStringLiteral("Conv_Float"));
    v.Force_Int32 = readFlag(e, QStringLiteral("Force_Int32"));
    v.TP_Mod_Regs = readFlag(e, QStringLiteral("TP_Mod_Regs"));
    readNumber(v.TP_Mod_Year, e, QStringLiteral("TP_Mod_Year"), 0);
    readNumber(v.Position, e, QStringLiteral("Position"), 1);
    readNumber(v.Post_Operation, e, QStringLiteral("Post_Operation"), 0);
    return std::nullopt;
}

QString flagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void writeNode(platform::XmlElement &parent, const TNodo &n, int type)
{
    platform::XmlElement &e = parent.addChild(QStringLiteral("Nodo"));
    auto number = [&e](const char *name, std::int64_t value) {
        e.attributes.append({QString::fromLatin1(name), QString::number(value)});
    };
    auto text = [&e](const QString &name, const QString &value) { e.attributes.append({name, value}); };
    e.attributes.reserve(app::isWirelessType(type) ? 40 : 17);
    number("Node_Enable", n.Enable);
    number("ID_Primary", n.Node_Pri);
    number("ID_Secondary", n.Node_Sec);
    text(QStringLiteral("Descrizione"), n.Description);
    number("Send_SND_NKE", n.Send_SNK);
    number("Reset_App", n.Reset_App);
    number("Node_State", n.Node_State);
    number("Ident_Num", n.Ident_Num);
    number("BCDtoINT_IN", n.BCDtoINT_IN);
    number("Swap_IN", n.Swap_Ident);
    number("Node_ID_Type", n.Node_ID_Type);
    number("Var_List_Type", n.Var_List_Type);
    number("Cut_After", n.Cut_After);
    number("Manufacturer_Specific_Data", n.Manufacturer_Spec);
    number("MSD_Length", n.MSD_Length);
    number("MSD_Offset", n.MSD_Offset);
    number("Access_Number", n.Access_Number);
    if (app::isWirelessType(type)) {
        number("MBus_Type", n.MBus_Type);
        text(QStringLiteral("wMBus_ManID"), n.wMBus_ManID);
        text(QStringLiteral("wMBus_Add"), n.wMBus_Add);
        text(QStringLiteral("wMBus_Ver"), n.wMBus_Ver);
        text(QStringLiteral("wMBus_DevType"), n.wMBus_DevType);
        number("wMBus_En_Key", n.wMBus_En_Key);
        for (int i = 0; i < 16; ++i)
            text(keyAttribute(i), n.wMBus_Key[i]);
        number("wMBus_RSSI", n.RSSI);
    }

    e.children.reserve(n.Var_List.size());
    for (const TVariabile &v : n.Var_List) {
        platform::XmlElement &ve = e.addChild(QStringLiteral("Variabile"));
        auto vnumber = [&ve](const char *name, std::int64_t value) {
            ve.attributes.append({QString::fromLatin1(name), QString::number(value)});
        };
        auto vtext = [&ve](const char *name, const QString &value) {
            ve.attributes.append({QString::fromLatin1(name), value});
        };
        ve.attributes.reserve(20);
        vtext("Enable", flagText(v.Enable));
        vtext("Desc", v.Description);
        vnumber("Type", v.Type_Of_Data);
        vnumber("Fun_Field", v.Function_Field);
        vnumber("Dim", v.Dimension);
        vnumber("Unit", v.Unita);
        vnumber("ModReg", v.Modbus_Register);
        vnumber("ModScale", v.Modbus_Scale);
        vnumber("StoNumber", v.Storage_Number);
        vnumber("Tariff", v.Tariff);
        vnumber("VIFE", v.VIFE);
        vtext("BCDtoINT", flagText(v.BCDtoINT));
        vtext("VIF_ASCII", v.VIF_ASCII);
        vnumber("Length", v.Length);
        vtext("Conv_Float", flagText(v.Conv_Float));
        vtext("Force_Int32", flagText(v.Force_Int32));
        vtext("TP_Mod_Regs", flagText(v.TP_Mod_Regs));
        vnumber("TP_Mod_Year", v.TP_Mod_Year);
        vnumber("Position", v.Position);
        vnumber("Post_Operation", v.Post_Operation);
    }
}

} // namespace

NetworkReadResult networkFrom(const QDomElement &root, int type)
{
    NetworkReadResult result;
    int nodeIndex = 0;
    for (QDomElement ne = root.firstChildElement(); !ne.isNull(); ne = ne.nextSiblingElement(), ++nodeIndex) {
        TNodo node = readNode(ne, type);
        int variableIndex = 0;
        for (QDomElement ve = ne.firstChildElement(); !ve.isNull(); ve = ve.nextSiblingElement(), ++variableIndex) {
            TVariabile variable;
            if (const auto missing = readVariable(ve, variable)) {
                result.nodes.push_back(std::move(node));
                FileError error = FileError::of(FileError::Kind::NotAnInteger, QString(), missing->text);
                error.attribute = missing->attribute;
                error.nodeIndex = nodeIndex;
                error.variableIndex = variableIndex;
                result.error = std::move(error);
                return result;
            }
            node.Var_List.push_back(std::move(variable));
        }
        result.nodes.push_back(std::move(node));
    }
    return result;
}

NetworkReadResult parseNetwork(const QByteArray &bytes, int type, const QString &pathForMessages)
{
    const LoadedDocument document = parseDocument(bytes, pathForMessages);
    if (document.error) {
        NetworkReadResult result;
        result.error = document.error;
        return result;
    }
    NetworkReadResult result = networkFrom(document.root(), type);
    if (result.error)
        result.error->path = pathForMessages;
    return result;
}

NetworkReadResult readNetworkFile(const QString &path, int type)
{
    const LoadedDocument document = loadDocumentFile(path);
    if (!document.ok()) {
        NetworkReadResult result;
        result.fileMissing = document.missing;
        result.error = document.error;
        return result;
    }
    NetworkReadResult result = networkFrom(document.root(), type);
    if (result.error)
        result.error->path = path;
    return result;
}

platform::XmlOutDocument networkDocument(const TNodoList &nodes, int type)
{
    platform::XmlOutDocument document;
    document.root.name = QString::fromLatin1(NetworkRootName);
    document.root.children.reserve(nodes.size());
    for (const TNodo &node : nodes)
        writeNode(document.root, node, type);
    document.commentsAfterRoot << app::swVersionComment(type);
    return document;
}

QByteArray serializeNetwork(const TNodoList &nodes, int type)
{
    return platform::serializeXml(networkDocument(nodes, type));
}

std::optional<FileError> writeNetworkFile(const QString &path, const TNodoList &nodes, int type)
{
    return saveBytesFile(serializeNetwork(nodes, type), path);
}

std::optional<FileError> importNetworkFile(const QString &source, const QString &target, int type)
{
    const QFileInfo sourceInfo(source);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && sourceInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return std::nullopt;
    FileBytes file = readFileBytes(source);
    if (file.missing)
        return FileError::of(FileError::Kind::Unreadable, source, QStringLiteral("The file does not exist."));
    if (file.error)
        return file.error;
    if (auto error = parseNetwork(file.bytes, type, source).error)
        return error;
    return saveBytesFile(file.bytes, target);
}

} // namespace project
