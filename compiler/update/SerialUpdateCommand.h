#pragma once
// The serial update tool of each model and the arguments it takes: the port
// device, four option words, the firmware image and the configuration's bin
// folder. Each is one argument of its own, so paths with blanks or quotes
// reach the tool intact and no shell ever reads them.
#include "compiler/update/UpdateOptions.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace compiler {

struct SerialUpdateCommand {
    QString program; // full path of the tool
    QStringList arguments;
};

// File name of the model's serial update tool beside the program; empty for
// the models without a serial board (6, 7, 1007).
QString serialUpdateToolName(int converterType);

// The firmware image argument: a file in MASTER, or for type 2 the MASTER
// folder itself with a trailing separator; empty without a serial board.
QString serialUpdateImage(int converterType, const QString &masterDir);

// "FW"/"NO", "FR"/"NO", "PW"/"NO", "PR"/"NO".
QStringList serialUpdateOptionWords(const UpdateOptions &options);

// The command for COM port comPort; nullopt when the model has no serial tool
// or the port number maps to no device.
std::optional<SerialUpdateCommand> serialUpdateCommand(int converterType, int comPort, const UpdateOptions &options,
                                                       const QString &appDir, const QString &masterDir,
                                                       const QString &projectDir);

} // namespace compiler
