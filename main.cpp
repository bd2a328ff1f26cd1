#include "app/windows/Application.h"
#include "compiler/dialogs/UpdateDeviceStep.h"
#include "project/dialogs/MBusNetworkDialog.h"
#include "project/dialogs/ParGenDialog.h"
#include "scan/dialogs/ScanDecodeStep.h"

int main(int argc, char *argv[])
{
    // The main window's steps open the windows of the subsystems above it.
    app::StepHandlers steps;
    steps.generalParameters = project::generalParametersStep();
    steps.mbusNetwork = project::mbusNetworkStep();
    steps.updateDevice = compiler::updateDeviceStep();
    steps.scanDecode = scan::scanDecodeStep();
    return app::runApplication(argc, argv, std::move(steps));
}
