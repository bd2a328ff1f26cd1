#pragma once
// The texts the results views show for a slave, a meter and a record: the
// node lines of the two trees and the cells of the wireless grid. The same
// numbers are written the same way wherever they appear.
#include "scan/ScanModel.h"

#include <QString>
#include <QStringList>

namespace scan {

// Detail lines under each record node.
inline constexpr int RecordDetailLines = 12;
// Columns of the wireless grid, the number column included.
inline constexpr int WirelessGridColumns = 13;
inline constexpr int WirelessCriptedColumn = 12;

QString slaveNodeText(const TSlave_MBus &slave);
QString recordNodeText(const TVariable_MBus &record);
// Line 0 to 11 under a record; empty outside.
QString recordDetailText(const TVariable_MBus &record, int line);
QString meterNodeText(const TSlave_wMBus &meter);
// The text of a wireless record node: fillers are named as such.
QString wirelessRecordNodeText(const TVariable_MBus &record);

// The grid's header texts and a meter's row (row number `row`); the last
// column shows an image, not a text.
QStringList wirelessGridHeaders();
QStringList wirelessRowTexts(const TSlave_wMBus &meter, int row);

// Upper-case hexadecimal, zero-padded to `digits`.
QString hexDigits(quint32 value, int digits);

} // namespace scan
