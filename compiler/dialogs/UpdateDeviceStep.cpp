#include "compiler/dialogs/UpdateDeviceStep.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/DialogBase.h"
#include "compiler/ProjectCompiler.h"
#include "compiler/dialogs/UpdateToolRun.h"
#include "platform/HandlerGuard.h"
#include "platform/QuotedValue.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"

#include <memory>

namespace compiler {

QString leftOutWiredNodesMessage(const QStringList &nodes)
{
    // A description comes from the file and may be of any length.
    QString message = app::text(TextWiredNodesLeftOut);
    for (int i = 0; i < nodes.size() && i < MaxListedNodes; ++i)
        message += u'\n' + platform::quotedValue(nodes[i]);
    if (nodes.size() > MaxListedNodes)
        message += QStringLiteral("\n\u2026");
    return message;
}

void Update_Device(int converterType, const ShowUpdateWizard &showWizard)
{
    platform::guarded([&] {
        if (!app::requireOpenConfiguration())
            return;
        const app::AppState &s = app::state();
        // Select_Type_Lyxa: only the models with either board keep the choice.
        const int boardVariant = hasBoardVariant(converterType) ? readBoardVariant(s.File_ParGen) : 0;
        const ProjectCompileResult compiled = Compile_Project(converterType, boardVariant, s.Project_Dir);
        switch (compiled.status) {
        case ProjectCompileResult::Status::Written: break;
        case ProjectCompileResult::Status::CompileFailed: platform::showError(compiled.message); return;
        case ProjectCompileResult::Status::WriteFailed:
            platform::showError(app::text(TextBanksNotWritten) + u'\n' + compiled.message);
            return;
        case ProjectCompileResult::Status::NoBanks: return; // a model without banks has nothing to update
        }
        if (!compiled.leftOutWiredNodes.isEmpty())
            platform::showInformation(leftOutWiredNodesMessage(compiled.leftOutWiredNodes));
        const UpdateWizard wizard = updateWizardFor(converterType, boardVariant);
        if (wizard != UpdateWizard::None && showWizard)
            showWizard(wizard);
    });
}

namespace {

struct UpdateWizards {
    int converterType;
    TFBootTCP::Services ethernetServices;
    TFBootSer::Services serialServices;
    app::StepDialog<TFBootTCP> FBootTCP;
    app::StepDialog<TFBootSer> FBootSer;

    void show(QWidget &mainWindow, UpdateWizard wizard)
    {
        // Both wizards exist from the first update on, as the main window's.
        TFBootTCP &ethernet = FBootTCP.of(
            mainWindow, [&](QWidget &owner) { return new TFBootTCP(converterType, ethernetServices, &owner); });
        TFBootSer &serial = FBootSer.of(
            mainWindow, [&](QWidget &owner) { return new TFBootSer(converterType, serialServices, &owner); });
        if (wizard == UpdateWizard::Ethernet)
            platform::execModal(ethernet);
        else if (wizard == UpdateWizard::Serial)
            platform::execModal(serial);
    }
};

} // namespace

app::StepHandler updateDeviceStep(int converterType, TFBootTCP::Services ethernet, TFBootSer::Services serial)
{
    auto wizards = std::make_shared<UpdateWizards>(
        UpdateWizards{converterType, std::move(ethernet), std::move(serial), {}, {}});
    return [wizards](QWidget &mainWindow) {
        Update_Device(wizards->converterType, [&](UpdateWizard wizard) { wizards->show(mainWindow, wizard); });
    };
}

} // namespace compiler
