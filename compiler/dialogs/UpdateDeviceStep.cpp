#include "compiler/dialogs/UpdateDeviceStep.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "compiler/ProjectCompiler.h"
#include "compiler/dialogs/UpdateToolRun.h"
#include "platform/ui/HandlerGuard.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"

#include <memory>

namespace compiler {

void Update_Device(int converterType, const ShowUpdateWizard &showWizard)
{
    platform::guarded([&] {
        const app::AppState &s = app::state();
        if (!s.isProjectOpen()) {
            platform::showError(app::text(18));
            return;
        }
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
    std::unique_ptr<TFBootTCP> FBootTCP;
    std::unique_ptr<TFBootSer> FBootSer;

    void show(UpdateWizard wizard)
    {
        if (!FBootTCP) {
            FBootTCP = std::make_unique<TFBootTCP>(converterType, ethernetServices);
            FBootSer = std::make_unique<TFBootSer>(converterType, serialServices);
        }
        if (wizard == UpdateWizard::Ethernet)
            platform::execModal(*FBootTCP);
        else if (wizard == UpdateWizard::Serial)
            platform::execModal(*FBootSer);
    }
};

} // namespace

std::function<void()> updateDeviceStep(int converterType, TFBootTCP::Services ethernet, TFBootSer::Services serial)
{
    auto wizards = std::make_shared<UpdateWizards>(
        UpdateWizards{converterType, std::move(ethernet), std::move(serial), nullptr, nullptr});
    return [wizards] {
        Update_Device(wizards->converterType, [&](UpdateWizard wizard) { wizards->show(wizard); });
    };
}

} // namespace compiler
