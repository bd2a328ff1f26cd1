#include "app/Application.h"
#include "compiler/UpdateDeviceStep.h"

int main(int argc, char *argv[])
{
    // The windows of the later steps are filled in here as they come.
    app::StepHandlers steps;
    steps.updateDevice = compiler::updateDeviceStep();
    return app::runApplication(argc, argv, std::move(steps));
}
