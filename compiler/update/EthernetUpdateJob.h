#pragma once
// Ethernet_Update.xml, the job the Ethernet update tool carries out: the
// device address, the ports and protections of the model, and one operation
// per firmware image or parameter bank to write.
#include "compiler/update/UpdateOptions.h"
#include "platform/Xml.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace compiler {

inline constexpr char EthernetUpdateJobFileName[] = "Ethernet_Update.xml";
inline constexpr char EthernetUpdateToolFileName[] = "Ethernet_Update.exe";

// What the tool needs to know besides the model.
struct EthernetUpdateJob {
    int converterType = 1;
    QString deviceAddress; // dotted IPv4 text
    QString masterDir;     // firmware images
    QString projectDir;    // open configuration; its banks are in bin/
    UpdateOptions options;
};

// The "write internal data" step some operations end with.
struct InternalDataWrite {
    QString enable;  // Ope_Write_Internal_Data
    QString address; // Ope_WID_Address
    QString data;    // Ope_WID_Data
};

struct EthernetUpdateOperation {
    bool firmware = false; // a firmware image, else a parameter bank
    QString fileName;      // full path
    QString protectionEnabled;
    QString startAddress;
    std::optional<InternalDataWrite> internalData;
    QString goToAppAfter;
};

// Title element per model.
QString ethernetUpdateTitle(int converterType);

// Protected areas per model, in order.
QStringList ethernetUpdateProtections(int converterType);

// The operations for the ticked options, firmware first, then the banks.
std::vector<EthernetUpdateOperation> ethernetUpdateOperations(const EthernetUpdateJob &job);

platform::XmlOutDocument buildEthernetUpdateJob(const EthernetUpdateJob &job);

// Writes folder/Ethernet_Update.xml, replacing an earlier job whole; returns
// its path. Throws platform::Error when the file cannot be written, so that
// the tool is never started on a missing or stale job.
QString saveEthernetUpdateJob(const EthernetUpdateJob &job, const QString &folder);

// Model code the address page names after its prompt (" GX42Lyxa"); empty
// for models without an Ethernet board.
QString ethernetHardwareCode(int converterType);

} // namespace compiler
