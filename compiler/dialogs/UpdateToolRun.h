#pragma once
// What the update step tells the user about its banks and its tool.
#include "compiler/update/UpdateTool.h"

namespace compiler {

// Runs the tool; when it cannot even start (missing, not executable), tells
// the user, since nothing else would. What the tool does is its own affair.
void runUpdateTool(const UpdateToolLauncher &launch, const QString &program, const QStringList &arguments);

// Language texts of the update step's own messages.
inline constexpr int TextBanksNotWritten = 23;
inline constexpr int TextToolNotStarted = 24;
inline constexpr int TextWiredNodesLeftOut = 393;

} // namespace compiler
