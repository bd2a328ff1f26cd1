#include "compiler/dialogs/UpdateToolRun.h"

#include "app/Language.h"
#include "platform/ui/MessageBox.h"

namespace compiler {

void runUpdateTool(const UpdateToolLauncher &launch, const QString &program, const QStringList &arguments)
{
    const app::LaunchResult result = launch(program, arguments);
    if (result.outcome == app::LaunchOutcome::NotStarted)
        platform::showError(app::text(TextToolNotStarted) + u'\n' + result.error);
}

} // namespace compiler
