#pragma once
// The program's start: the main window first, then the dialogs, hidden, in
// their fixed order; then the message loop until the main window closes.
#include "app/ConverterType.h"
#include "app/windows/StepHandlers.h"

#include <QPointer>
#include <QString>
#include <memory>

namespace app {

class TFRostavelineFirmWare;
class TFNew_Project;
class TFOpenConf;
class TFAbout;
class TFSoftOptions;

// The windows of the running program. The dialogs belong to the main window
// and live as long as it does.
struct Forms {
    std::unique_ptr<TFRostavelineFirmWare> FRostavelineFirmWare;
    TFNew_Project *FNew_Project = nullptr;
    TFOpenConf *FOpenConf = nullptr;
    TFAbout *FAbout = nullptr;
    TFSoftOptions *FSoftOptions = nullptr;
    // Where the options hooks find the options dialog once it is made.
    std::shared_ptr<QPointer<TFSoftOptions>> m_options;
    int m_converterType = 0;

    Forms();
    Forms(Forms &&) noexcept;
    Forms &operator=(Forms &&) noexcept;
    ~Forms();
};

// Creates the main window (its creation handler sets up the folders beside
// appDir, reads the settings and the language) and then the dialogs. The
// options and version-check hooks left empty are served by the options
// dialog.
Forms createForms(StepHandlers handlers, const QString &appDir, int converterType = Converter_Type());
// The two halves of createForms: start-up shows the main window before it
// makes the dialogs.
Forms createMainWindow(StepHandlers handlers, const QString &appDir, int converterType = Converter_Type());
void createDialogs(Forms &forms);

// Starts the configurator and runs its message loop.
int runApplication(int argc, char *argv[], StepHandlers handlers = {});

} // namespace app
