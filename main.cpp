#include "app/Application.h"
#include "compiler/UpdateDeviceStep.h"
#include "project/ParGenDialog.h"

int main(int argc, char *argv[])
{
    // The windows of the later steps are filled in here as they come.
    app::StepHandlers steps;
    steps.generalParameters = project::generalParametersStep();
    steps.updateDevice = compiler::updateDeviceStep();
    return app::runApplication(argc, argv, std::move(steps));
}
