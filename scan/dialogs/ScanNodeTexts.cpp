#include "scan/dialogs/ScanNodeTexts.h"

#include "platform/LocalTime.h"

namespace scan {
namespace {

// A byte in decimal with its hexadecimal form beside it.
QString byteBothWays(quint8 value) { return QStringLiteral("%1 (%2)").arg(value).arg(hexDigits(value, 2)); }

QString manufacturerWithCode(const QString &letters, quint16 code)
{
    return letters + u'(' + hexDigits(code, 4) + u')';
}

} // namespace

QString hexDigits(quint32 value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString slaveNodeText(const TSlave_MBus &slave)
{
    // Joined piece by piece: a text from a telegram may hold a '%'.
    return QStringLiteral("Primary Address = ") + QString::number(slave.Primary_Addresss)
           + QStringLiteral(" - Secondary Address = ") + slave.Secondary_Addresss
           + QStringLiteral(" - Manufacturer = ") + slave.descManufacture + u'(' + QString::number(slave.Manufacture)
           + QStringLiteral(") - Version = ") + QString::number(slave.Version) + QStringLiteral(" - Type = ")
           + QString::number(slave.Medium);
}

QString recordNodeText(const TVariable_MBus &record)
{
    return QStringLiteral("Value = ") + record.ValueStr + QStringLiteral(" - Type = ") + record.Desc_Type_Data
           + QStringLiteral(" (U") + QString::number(record.device) + u'S' + QString::number(record.storage_number)
           + u'T' + QString::number(record.tarif) + u')';
}

QString recordDetailText(const TVariable_MBus &record, int line)
{
    switch (line) {
    case 0: return QStringLiteral("Storage Number = %1").arg(record.storage_number);
    case 1: return QStringLiteral("Tariff = %1").arg(record.tarif);
    case 2: return QStringLiteral("Unit = %1").arg(record.device);
    case 3: return QStringLiteral("Data Field = ") + record.DataFieldStr;
    case 4: return QStringLiteral("Function Field = ") + record.FunctionFieldStr;
    case 5: return QStringLiteral("Type = ") + record.Desc_Type_Data;
    case 6: return QStringLiteral("Value = ") + record.ValueStr;
    case 7: return QStringLiteral("DIF = ") + record.DIF;
    case 8: return QStringLiteral("VIF = $") + hexDigits(record.VIF, 2);
    case 9: return QStringLiteral("DIFE = ") + record.DIFE;
    case 10: return QStringLiteral("VIFE = ") + record.VIFE;
    case 11: return QStringLiteral("DATA = $") + record.totdati;
    default: return {};
    }
}

QString meterNodeText(const TSlave_wMBus &meter)
{
    QString text = QStringLiteral("Manufacturer = ") + meter.ALA_Manu_str + QStringLiteral(" - Address = ")
                   + hexDigits(quint32(meter.ALA_Address), 8) + QStringLiteral(" - Version = ")
                   + QString::number(meter.ALA_Version) + QStringLiteral(" - Device Type = ")
                   + QString::number(meter.ALA_DeviceType) + QStringLiteral(" - ");
    if (meter.Cripted)
        text += QStringLiteral("CRIPTED!!");
    return text;
}

QString wirelessRecordNodeText(const TVariable_MBus &record)
{
    return record.Real_Wireless_Var ? recordNodeText(record) : QStringLiteral("Idle Filler");
}

QStringList wirelessGridHeaders()
{
    return {QStringLiteral("N"),
            QStringLiteral("Date Time"),
            QStringLiteral("Message Type"),
            QStringLiteral("Manufacturer (LLA)"),
            QStringLiteral("Address (LLA)"),
            QStringLiteral("Version (LLA)"),
            QStringLiteral("Device Type (LLA)"),
            QStringLiteral("Manufacturer (ALA)"),
            QStringLiteral("Address (ALA)"),
            QStringLiteral("Version (ALA)"),
            QStringLiteral("Device Type (ALA)"),
            QStringLiteral("RSSI"),
            QStringLiteral("Cripted")};
}

QStringList wirelessRowTexts(const TSlave_wMBus &meter, int row)
{
    return {QString::number(row),
            platform::toLocalTime(meter.DateTime).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
            QStringLiteral("0x") + hexDigits(meter.Message_Type, 2),
            manufacturerWithCode(meter.LLA_Manu_str, meter.LLA_Manufacturer),
            hexDigits(quint32(meter.LLA_Address), 8),
            byteBothWays(meter.LLA_Version),
            byteBothWays(meter.LLA_DeviceType),
            manufacturerWithCode(meter.ALA_Manu_str, meter.ALA_Manufacturer),
            hexDigits(quint32(meter.ALA_Address), 8),
            byteBothWays(meter.ALA_Version),
            byteBothWays(meter.ALA_DeviceType),
            QString::number(meter.RSSI),
            QString()};
}

} // namespace scan
