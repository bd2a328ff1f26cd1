#include "project/NetworkFile.h"

#include "app/ConverterType.h"
#include "project/DocumentFile.h"
#include "project/NetworkAttributes.h"

#include <QFileInfo>

namespace project {

namespace {

QString flagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void writeNode(platform::XmlElement &parent, const TNodo &n, int type)
{
    using namespace netxml;
    platform::XmlElement &e = parent.addChild(QString(NodeName));
    auto number = [&e](QLatin1StringView name, std::int64_t value) {
        e.attributes.append({QString(name), QString::number(value)});
    };
    auto text = [&e](const QString &name, const QString &value) { e.attributes.append({name, value}); };
    e.attributes.reserve(app::isWirelessType(type) ? 40 : 17);
    number(Node_Enable, n.Enable);
    number(ID_Primary, n.Node_Pri);
    number(ID_Secondary, n.Node_Sec);
    text(QString(Descrizione), n.Description);
    number(Send_SND_NKE, n.Send_SNK);
    number(Reset_App, n.Reset_App);
    number(Node_State, n.Node_State);
    number(Ident_Num, n.Ident_Num);
    number(BCDtoINT_IN, n.BCDtoINT_IN);
    number(Swap_IN, n.Swap_Ident);
    number(Node_ID_Type, n.Node_ID_Type);
    number(Var_List_Type, n.Var_List_Type);
    number(Cut_After, n.Cut_After);
    number(Manufacturer_Specific_Data, n.Manufacturer_Spec);
    number(MSD_Length, n.MSD_Length);
    number(MSD_Offset, n.MSD_Offset);
    number(Access_Number, n.Access_Number);
    if (app::isWirelessType(type)) {
        number(MBus_Type, n.MBus_Type);
        text(QString(wMBus_ManID), n.wMBus_ManID);
        text(QString(wMBus_Add), n.wMBus_Add);
        text(QString(wMBus_Ver), n.wMBus_Ver);
        text(QString(wMBus_DevType), n.wMBus_DevType);
        number(wMBus_En_Key, n.wMBus_En_Key);
        for (int i = 0; i < 16; ++i)
            text(keyAttribute(i), n.wMBus_Key[i]);
        number(wMBus_RSSI, n.RSSI);
    }

    e.children.reserve(n.Var_List.size());
    for (const TVariabile &v : n.Var_List) {
        platform::XmlElement &ve = e.addChild(QString(VariableName));
        auto vnumber = [&ve](QLatin1StringView name, std::int64_t value) {
            ve.attributes.append({QString(name), QString::number(value)});
        };
        auto vtext = [&ve](QLatin1StringView name, const QString &value) {
            ve.attributes.append({QString(name), value});
        };
        ve.attributes.reserve(20);
        vtext(Enable, flagText(v.Enable));
        vtext(Desc, v.Description);
        vnumber(Type, v.Type_Of_Data);
        vnumber(Fun_Field, v.Function_Field);
        vnumber(Dim, v.Dimension);
        vnumber(Unit, v.Unita);
        vnumber(ModReg, v.Modbus_Register);
        vnumber(ModScale, v.Modbus_Scale);
        vnumber(StoNumber, v.Storage_Number);
        vnumber(Tariff, v.Tariff);
        vnumber(VIFE, v.VIFE);
        vtext(BCDtoINT, flagText(v.BCDtoINT));
        vtext(VIF_ASCII, v.VIF_ASCII);
        vnumber(Length, v.Length);
        vtext(Conv_Float, flagText(v.Conv_Float));
        vtext(Force_Int32, flagText(v.Force_Int32));
        vtext(TP_Mod_Regs, flagText(v.TP_Mod_Regs));
        vnumber(TP_Mod_Year, v.TP_Mod_Year);
        vnumber(Position, v.Position);
        vnumber(Post_Operation, v.Post_Operation);
    }
}

} // namespace

platform::XmlOutDocument networkDocument(const TNodoList &nodes, int type)
{
    platform::XmlOutDocument document;
    document.root.name = QString(netxml::RootName);
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
