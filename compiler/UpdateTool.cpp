#include "compiler/UpdateTool.h"

#include "app/Language.h"
#include "platform/ui/MessageBox.h"

namespace compiler {

UpdateToolLauncher startUpdateTool()
{
    return [](const QString &program, const QStringList &arguments) {
        return app::Start_Program(program, arguments, 0);
    };
}

void runUpdateTool(const UpdateToolLauncher &launch, const QString &program, const QStringList &arguments)
{
    const app::LaunchResult result = launch(program, arguments);
    if (result.outcome == app::LaunchOutcome::NotStarted)
        platform::showError(app::text(TextToolNotStarted) + u'\n' + result.error);
}

} // namespace compiler
