#pragma once
// What the main window's buttons open once their precondition holds. The
// windows of later steps live in subsystems above this one, so the program's
// entry fills these in; an empty handler does nothing.
#include <functional>

namespace app {

struct StepHandlers {
    // Steps 2, 3 and 4 and Scan & Decode; called only while a configuration
    // is open.
    std::function<void()> generalParameters;
    std::function<void()> mbusNetwork;
    std::function<void()> updateDevice;
    std::function<void()> scanDecode;

    // The options dialog; true when the user confirmed it (the main window
    // then saves the settings and re-arms the version check).
    std::function<bool()> options;

    // The version check: starts it and returns; the answer (true when a
    // newer version exists) comes later.
    std::function<void(std::function<void(bool newer)> answer)> checkVersion;
};

} // namespace app
