#include "scan/dialogs/ScanDecodeStep.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/DialogBase.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "scan/dialogs/ScanDecodeDialog.h"
#include "scan/dialogs/ScanDecodeTexts.h"

#include <QFile>
#include <memory>

namespace scan {

app::StepHandler scanDecodeStep(int converterType, ScanEngineSetup setup)
{
    auto dialog = std::make_shared<app::StepDialog<TFScanDecode>>();
    return [dialog, converterType, setup](QWidget &mainWindow) {
        platform::guarded([&] {
            if (!app::requireOpenConfiguration())
                return;
            const app::AppState &s = app::state();
            if (QFile::exists(s.File_M_Bus) && !platform::askWarningYesNo(app::text(TextAlreadyHasNetwork)))
                return;
            TFScanDecode &window =
                dialog->of(mainWindow, [&](QWidget &owner) { return new TFScanDecode(&owner, setup); });
            window.XML_Code_Dev = app::xmlCodeDev(converterType);
            window.FileName_MBus = s.File_M_Bus;
            window.Form_Type = app::isWirelessType(converterType) ? 1 : 0;
            platform::execModal(window);
        });
    };
}

} // namespace scan
