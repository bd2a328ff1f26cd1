#include "compiler/update/EthernetUpdateJob.h"

#include "platform/Error.h"
#include "platform/Paths.h"

namespace compiler {

namespace {

// The partner editions run their base model's hardware and firmware, so their
// job writes what the base model's does.
int hardwareModel(int converterType)
{
    switch (converterType) {
    case 1001: return 1;
    case 1007: return 7;
    default: return converterType;
    }
}

const InternalDataWrite Type1InternalData{"0", "0x78300", ""};
const InternalDataWrite WirelessBank2InternalData{"1", "0x78200", "0x00"};

EthernetUpdateOperation firmwareOperation(const QString &path, const QString &protection,
                                          std::optional<InternalDataWrite> internalData, const UpdateOptions &options)
{
    EthernetUpdateOperation op;
    op.firmware = true;
    op.fileName = path;
    op.protectionEnabled = protection;
    op.startAddress = "0x8000";
    op.internalData = std::move(internalData);
    // The device stays in boot mode when banks follow.
    op.goToAppAfter = options.writeConfiguration ? "0" : "1";
    return op;
}

EthernetUpdateOperation bankOperation(const QString &path, const QString &protection, const QString &startAddress,
                                      std::optional<InternalDataWrite> internalData, const QString &goToAppAfter)
{
    EthernetUpdateOperation op;
    op.fileName = path;
    op.protectionEnabled = protection;
    op.startAddress = startAddress;
    op.internalData = std::move(internalData);
    op.goToAppAfter = goToAppAfter;
    return op;
}

QString firmwareImage(int model)
{
    switch (model) {
    case 2: return "simQuorKvozK.sim";
    case 3: return "simQuorNqibK.sim";
    case 6: return "simQuorQyre.sim";
    case 7: return "simQuorRhuv.sim";
    default: return QString();
    }
}

void addElement(platform::XmlElement &parent, const char *name, const QString &text)
{
    parent.addTextChild(QString::fromLatin1(name), text);
}

void addOperation(platform::XmlElement &operations, const EthernetUpdateOperation &op, const UpdateOptions &options)
{
    platform::XmlElement &e = operations.addChild("Operation");
    const bool readBack = op.firmware ? options.readBackFirmware : options.readBackConfiguration;
    addElement(e, "Ope_Protection_Enabled", op.protectionEnabled);
    addElement(e, "Ope_GoToBoot_Before", "0");
    addElement(e, "Ope_GoToApp_Before", "0");
    addElement(e, "Ope_IP_Address", QString());
    addElement(e, "Ope_Port", "2008");
    addElement(e, "Ope_Port_Sec", "2007");
    addElement(e, "Ope_Erase_Memory", "0");
    addElement(e, "Ope_FileName", op.fileName);
    addElement(e, "Ope_Start_Address", op.startAddress);
    addElement(e, "Ope_Memory_Type", "0");
    addElement(e, "Ope_Bank_Type", op.firmware ? "1" : "2");
    addElement(e, "Ope_Read_Back", readBack ? "1" : "0");
    addElement(e, "Ope_Write_CSS", op.firmware ? "1" : "0");
    addElement(e, "Ope_Address_CSS", op.firmware ? "0x78100" : "0x50100");
    addElement(e, "Ope_Command_CSS", "0x0B");
    if (op.internalData) {
        addElement(e, "Ope_Write_Internal_Data", op.internalData->enable);
        addElement(e, "Ope_WID_Address", op.internalData->address);
        addElement(e, "Ope_WID_Command", "0x0B");
        addElement(e, "Ope_WID_Data", op.internalData->data);
    }
    addElement(e, "Ope_GoToApp_After", op.goToAppAfter);
}

} // namespace

QString ethernetUpdateTitle(int converterType)
{
    switch (converterType) {
    case 1: return "Tervikon - PX42Lyxa-B2 Ethernet Update";
    case 2: return "Tervikon - PX42Kvoz-B2 Ethernet Update";
    case 3: return "Tervikon - PX42Nqib-B2 Ethernet Update";
    case 6: return "Tervikon - PX42Qyre Ethernet Update";
    case 7: return "Tervikon - PX42Rhuv Ethernet Update";
    default: return "Tervikon - Ethernet Update";
    }
}

QStringList ethernetUpdateProtections(int converterType)
{
    switch (hardwareModel(converterType)) {
    case 1: return {"0x6A", "0xD4", "0x190"};
    case 3: return {"0x17C"};
    case 6: return {"0xF9", "0x152"};
    case 7: return {"0xFA", "0x153"};
    default: return {"0x15D"};
    }
}

std::vector<EthernetUpdateOperation> ethernetUpdateOperations(const EthernetUpdateJob &job)
{
    const int model = hardwareModel(job.converterType);
    const UpdateOptions &options = job.options;
    const QString binDir = platform::joinPath(job.projectDir, "bin");
    const auto master = [&](const QString &name) { return platform::joinPath(job.masterDir, name); };
    const auto bank = [&](const QString &name) { return platform::joinPath(binDir, name); };

    std::vector<EthernetUpdateOperation> ops;
    if (model == 1) {
        if (options.writeFirmware) {
            ops.push_back(firmwareOperation(master("SimQuorLyxa-B2.sim"), "0x6A, 0xD4", Type1InternalData, options));
            ops.push_back(firmwareOperation(master("SimQuorLyxa-B2_B209.sim"), "0x190", Type1InternalData, options));
        }
        if (options.writeConfiguration) {
            ops.push_back(bankOperation(bank("bank.bin"), "0x6A, 0xD4", "0x50000", Type1InternalData, "1"));
            ops.push_back(bankOperation(bank("bank1.bin"), "0x190", "0x68000", Type1InternalData, "0"));
            ops.push_back(bankOperation(bank("bank2.bin"), "0x190", "0x50800", Type1InternalData, "1"));
        }
        return ops;
    }

    const QString image = firmwareImage(model);
    if (image.isEmpty())
        return ops; // no Ethernet board
    const bool wireless = model == 6 || model == 7;
    if (options.writeFirmware)
        ops.push_back(firmwareOperation(master(image), QString(), std::nullopt, options));
    if (options.writeConfiguration) {
        ops.push_back(bankOperation(bank("bank1.bin"), QString(), "0x68000", std::nullopt, "0"));
        ops.push_back(bankOperation(bank("bank2.bin"), QString(), "0x50800",
                                    wireless ? std::optional(WirelessBank2InternalData) : std::nullopt, "1"));
    }
    return ops;
}

platform::XmlOutDocument buildEthernetUpdateJob(const EthernetUpdateJob &job)
{
    platform::XmlOutDocument doc;
    platform::XmlElement &root = doc.root;
    root.name = "Ethernet_Update";
    addElement(root, "Version", "1000");
    addElement(root, "Title", ethernetUpdateTitle(job.converterType));
    addElement(root, "IP_Address_Dev", job.deviceAddress);
    addElement(root, "Application_Port", "10000");
    addElement(root, "Boot_Port", "2008");
    addElement(root, "Boot_Port_Sec", "2007");
    addElement(root, "Address_Protection", "0x78000");
    platform::XmlElement &protections = root.addChild("Protections");
    for (const QString &p : ethernetUpdateProtections(job.converterType))
        addElement(protections, "Protection", p);
    platform::XmlElement &operations = root.addChild("Operations");
    for (const EthernetUpdateOperation &op : ethernetUpdateOperations(job))
        addOperation(operations, op, job.options);
    return doc;
}

QString saveEthernetUpdateJob(const EthernetUpdateJob &job, const QString &folder)
{
    const QString path = platform::joinPath(folder, QString::fromLatin1(EthernetUpdateJobFileName));
    QString error;
    if (!platform::saveXmlFile(buildEthernetUpdateJob(job), path, &error))
        throw platform::Error(QStringLiteral("Cannot write the update job %1: %2").arg(path, error));
    return path;
}

QString ethernetHardwareCode(int converterType)
{
    switch (converterType) {
    case 1:
    case 1001: return " GX42Lyxa";
    case 2: return " GX42Kvoz";
    case 3: return " GX42Nqib";
    case 6: return " GX42Qyre";
    case 7:
    case 1007: return " GX42Rhuv";
    default: return QString();
    }
}

} // namespace compiler
