#pragma once

namespace app {

// Starts the configurator and runs its message loop.
int runApplication(int argc, char *argv[]);

} // namespace app
