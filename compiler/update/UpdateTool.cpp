#include "compiler/update/UpdateTool.h"

namespace compiler {

UpdateToolLauncher startUpdateTool()
{
    return [](const QString &program, const QStringList &arguments) {
        return app::Start_Program(program, arguments, 0);
    };
}

} // namespace compiler
