#pragma once
// Starting an external update tool from a wizard. The wizards hold the
// launcher as a function so that tests can record the call instead.
#include "app/Launcher.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace compiler {

using UpdateToolLauncher =
    std::function<app::LaunchResult(const QString &program, const QStringList &arguments)>;

// Start_Program with the tool's window shown: waits until the tool ends or
// the launcher's time limit passes.
UpdateToolLauncher startUpdateTool();

} // namespace compiler
