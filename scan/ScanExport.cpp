#include "scan/ScanExport.h"

#include "platform/Xml.h"
#include "project/DocumentFile.h"

namespace scan {

namespace {

using platform::XmlElement;

QString ust(const TVariable_MBus &record)
{
    return QStringLiteral("(U%1S%2T%3)").arg(record.device).arg(record.storage_number).arg(record.tarif);
}

void addVariable(XmlElement &node, const TVariable_MBus &record)
{
    XmlElement &v = node.addChild(QStringLiteral("Variable"));
    v.attributes = {{QStringLiteral("Value"), record.ValueStr},
                    {QStringLiteral("Type"), record.Desc_Type_Data},
                    {QStringLiteral("UST"), ust(record)}};
    v.children.reserve(12);
    v.addTextChild(QStringLiteral("Storage_Number"), QString::number(record.storage_number));
    v.addTextChild(QStringLiteral("Tariff"), QString::number(record.tarif));
    v.addTextChild(QStringLiteral("Unit"), QString::number(record.device));
    v.addTextChild(QStringLiteral("Data_Field"), record.DataFieldStr);
    v.addTextChild(QStringLiteral("Function_Field"), record.FunctionFieldStr);
    v.addTextChild(QStringLiteral("Type"), record.Desc_Type_Data);
    v.addTextChild(QStringLiteral("Value"), record.ValueStr);
    v.addTextChild(QStringLiteral("DIF"), record.DIF);
    v.addTextChild(QStringLiteral("VIF"), QStringLiteral("$%1").arg(record.VIF, 2, 16, QLatin1Char('0')).toUpper());
    v.addTextChild(QStringLiteral("DIFE"), record.DIFE);
    v.addTextChild(QStringLiteral("VIFE"), record.VIFE);
    v.addTextChild(QStringLiteral("DATA"), QLatin1Char('$') + record.totdati);
}

void addVariables(XmlElement &node, const TVariableList &records)
{
    node.children.reserve(records.size());
    for (const auto &record : records)
        addVariable(node, *record);
}

} // namespace

namespace {

// One "Node" per slave or meter, its attributes from nodeAttributes, and
// under it every record.
template <class List, class NodeAttributes>
QByteArray exportDocument(const QString &rootName, List &list, NodeAttributes nodeAttributes)
{
    platform::XmlOutDocument document;
    document.root.name = rootName;
    auto items = list.lock();
    document.root.children.reserve(std::size_t(items.count()));
    for (const auto &item : items) {
        XmlElement &node = document.root.addChild(QStringLiteral("Node"));
        node.attributes = nodeAttributes(*item);
        addVariables(node, item->List_Var);
    }
    return platform::serializeXml(document);
}

} // namespace

QByteArray wiredExportDocument(TSlaveMBusList &slaves)
{
    return exportDocument(QStringLiteral("SCAN_M-Bus_Wired"), slaves, [](const TSlave_MBus &slave) {
        return QList<std::pair<QString, QString>>{
            {QStringLiteral("Primary_Address"), QString::number(slave.Primary_Addresss)},
            {QStringLiteral("Secondary_Address"), slave.Secondary_Addresss},
            {QStringLiteral("Manufacturer"),
             QStringLiteral("%1 (%2)").arg(slave.descManufacture).arg(slave.Manufacture)},
            {QStringLiteral("Version"), QString::number(slave.Version)},
            {QStringLiteral("Type"), QString::number(slave.Medium)}};
    });
}

QByteArray wirelessExportDocument(TSlaveWMBusList &meters)
{
    return exportDocument(QStringLiteral("SCAN_M-Bus_Wireless"), meters, [](const TSlave_wMBus &meter) {
        return QList<std::pair<QString, QString>>{
            {QStringLiteral("Manufacturer"), meter.ALA_Manu_str},
            {QStringLiteral("Address"),
             QStringLiteral("%1").arg(quint32(meter.ALA_Address), 8, 16, QLatin1Char('0')).toUpper()},
            {QStringLiteral("Version"), QString::number(meter.ALA_Version)},
            {QStringLiteral("Device_Type"), QString::number(meter.ALA_DeviceType)},
            {QStringLiteral("Cripted"), meter.Cripted ? QStringLiteral("True") : QStringLiteral("False")}};
    });
}

std::optional<project::FileError> Save_XML_File_DLL(const QString &path, TSlaveMBusList &slaves)
{
    return project::saveBytesFile(wiredExportDocument(slaves), path);
}

std::optional<project::FileError> Save_Wireless_XML_File_DLL(const QString &path, TSlaveWMBusList &meters)
{
    return project::saveBytesFile(wirelessExportDocument(meters), path);
}

} // namespace scan
