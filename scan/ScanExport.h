#pragma once
// The scan-result export: every slave or meter of a scan with all its decoded
// records, as a file of its own for other programs ("SCAN_M-Bus_Wired" or
// "SCAN_M-Bus_Wireless"). Independent of M_Bus.xml. The file is replaced
// whole or left as it was.
#include "project/FileError.h"
#include "scan/ScanLists.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace scan {

QByteArray wiredExportDocument(TSlaveMBusList &slaves);
QByteArray wirelessExportDocument(TSlaveWMBusList &meters);

std::optional<project::FileError> Save_XML_File_DLL(const QString &path, TSlaveMBusList &slaves = List_Slave_MBus());
std::optional<project::FileError> Save_Wireless_XML_File_DLL(const QString &path,
                                                             TSlaveWMBusList &meters = List_Wireless_Key());

} // namespace scan
