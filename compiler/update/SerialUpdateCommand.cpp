#include "compiler/update/SerialUpdateCommand.h"

#include "app/ConverterType.h"
#include "platform/ComPorts.h"
#include "platform/Paths.h"

namespace compiler {

namespace {

struct SerialTool {
    const char *program;
    const char *image; // empty: the MASTER folder itself
};

// The tool of the model whose hardware the type runs (a partner edition's base).
std::optional<SerialTool> serialTool(int converterType)
{
    if (!app::isValidConverterType(converterType))
        return std::nullopt;
    switch (app::traitsOf(converterType).baseType) {
    case 1: return SerialTool{"Ser_QuorLyxa_Update.exe", "simQuorLyxa.sim"};
    case 2: return SerialTool{"Ser_QuorKvoz_Update.exe", ""};
    case 3: return SerialTool{"Ser_QuorNqib_Update.exe", "simQuorNqib.sim"};
    case 4: return SerialTool{"Ser_QuorMzul_Update.exe", "simQuorMzul.sim"};
    case 5: return SerialTool{"Ser_QuorPwoj_Update.exe", "simQuorPwoj.sim"};
    default: return std::nullopt;
    }
}

QString withTrailingSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString serialUpdateToolName(int converterType)
{
    const auto tool = serialTool(converterType);
    return tool ? QString::fromLatin1(tool->program) : QString();
}

QString serialUpdateImage(int converterType, const QString &masterDir)
{
    const auto tool = serialTool(converterType);
    if (!tool)
        return QString();
    const QString image = QString::fromLatin1(tool->image);
    return image.isEmpty() ? withTrailingSeparator(masterDir) : platform::joinPath(masterDir, image);
}

QStringList serialUpdateOptionWords(const UpdateOptions &options)
{
    return {options.writeFirmware ? "FW" : "NO", options.readBackFirmware ? "FR" : "NO",
            options.writeConfiguration ? "PW" : "NO", options.readBackConfiguration ? "PR" : "NO"};
}

std::optional<SerialUpdateCommand> serialUpdateCommand(int converterType, int comPort, const UpdateOptions &options,
                                                       const QString &appDir, const QString &masterDir,
                                                       const QString &projectDir)
{
    const QString tool = serialUpdateToolName(converterType);
    const QString device = platform::comPortDevicePath(comPort);
    if (tool.isEmpty() || device.isEmpty())
        return std::nullopt;
    SerialUpdateCommand command;
    command.program = platform::joinPath(appDir, tool);
    command.arguments << device << serialUpdateOptionWords(options) << serialUpdateImage(converterType, masterDir)
                      << withTrailingSeparator(platform::joinPath(projectDir, "bin"));
    return command;
}

} // namespace compiler
