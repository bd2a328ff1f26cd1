#pragma once
// What the main window's buttons open once their precondition holds. The
// windows of later steps live in subsystems above this one, so the program's
// entry fills these in; an empty handler does nothing.
#include <QPointer>
#include <QWidget>
#include <functional>

namespace app {

// A step gets the main window, which owns the dialogs the step makes.
using StepHandler = std::function<void(QWidget &mainWindow)>;

struct StepHandlers {
    // Steps 2, 3 and 4 and Scan & Decode; called only while a configuration
    // is open.
    StepHandler generalParameters;
    StepHandler mbusNetwork;
    StepHandler updateDevice;
    StepHandler scanDecode;

    // The options dialog; true when the user confirmed it (the main window
    // then saves the settings and re-arms the version check).
    std::function<bool()> options;

    // The version check: starts it and returns; the answer (true when a
    // newer version exists) comes later.
    std::function<void(std::function<void(bool newer)> answer)> checkVersion;
};

// The one dialog of a step: made on first use as a child of the main window,
// which owns it from then on, and the same dialog every later time.
template <class Dialog>
class StepDialog {
public:
    template <class Make>
    Dialog &of(QWidget &mainWindow, Make make)
    {
        if (!m_dialog || m_dialog->parentWidget() != &mainWindow)
            m_dialog = make(mainWindow);
        return *m_dialog;
    }

private:
    QPointer<Dialog> m_dialog;
};

} // namespace app
