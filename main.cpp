#include "app/Application.h"
#include "project/MBusNetworkDialog.h"

int main(int argc, char *argv[])
{
    // The windows of the later steps are filled in here as they come.
    app::StepHandlers steps;
    steps.mbusNetwork = project::mbusNetworkStep();
    return app::runApplication(argc, argv, std::move(steps));
}
