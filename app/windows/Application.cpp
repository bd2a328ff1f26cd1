#include "app/windows/Application.h"

#include "app/windows/AboutDialog.h"
#include "app/windows/MainWindow.h"
#include "app/windows/NewProjectDialog.h"
#include "app/windows/OpenProjectDialog.h"
#include "app/windows/OptionsDialog.h"
#include "platform/ModalResult.h"
#include "platform/Paths.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ModalDialog.h"

#include <QApplication>
#include <fontconfig/fontconfig.h>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <thread>

namespace app {

Forms::Forms() = default;
Forms::Forms(Forms &&) noexcept = default;
Forms &Forms::operator=(Forms &&) noexcept = default;
Forms::~Forms() = default;

Forms createMainWindow(StepHandlers handlers, const QString &appDir, int converterType)
{
    Forms forms;
    // The options dialog is made after the main window, which holds the
    // hooks: they find it through this slot once it exists.
    auto options = std::make_shared<QPointer<TFSoftOptions>>();
    if (!handlers.options)
        handlers.options = [options] {
            TFSoftOptions *dialog = *options;
            return dialog != nullptr && platform::execModal(*dialog) == platform::mrOk;
        };
    if (!handlers.checkVersion)
        handlers.checkVersion = [options](std::function<void(bool)> answer) {
            if (TFSoftOptions *dialog = *options)
                dialog->Check_Version(std::move(answer));
            else if (answer)
                answer(false);
        };

    // The main window comes first: the dialogs show SW_Code and take their
    // texts from the language table, which its creation handler prepares.
    forms.FRostavelineFirmWare = std::make_unique<TFRostavelineFirmWare>(std::move(handlers), appDir, converterType);
    forms.m_options = std::move(options);
    forms.m_converterType = converterType;
    return forms;
}

void createDialogs(Forms &forms)
{
    TFRostavelineFirmWare *main = forms.FRostavelineFirmWare.get();
    if (!main || forms.FNew_Project)
        return;
    forms.FNew_Project = new TFNew_Project(main);
    forms.FOpenConf = new TFOpenConf(main);
    forms.FAbout = new TFAbout(forms.m_converterType, main);
    forms.FSoftOptions = new TFSoftOptions(forms.m_converterType, main);
    *forms.m_options = forms.FSoftOptions;
    main->setDialogs(forms.FNew_Project, forms.FOpenConf, forms.FAbout);
}

Forms createForms(StepHandlers handlers, const QString &appDir, int converterType)
{
    Forms forms = createMainWindow(std::move(handlers), appDir, converterType);
    createDialogs(forms);
    return forms;
}

int runApplication(int argc, char *argv[], StepHandlers handlers)
{
    // The main window measures its texts before it shows, and the first text
    // measured makes fontconfig read its configuration and font list: that
    // runs beside the application's own start instead of after it.
    std::thread fonts([] { FcInit(); });
    QApplication application(argc, argv);
    fonts.join();
    platform::installErrorBox();
    QApplication::setFont(platform::defaultFormFont());
    Forms forms = createMainWindow(std::move(handlers), platform::executableDir());
    forms.FRostavelineFirmWare->show();
    // The dialogs are made once the loop runs, after the window is on the
    // screen: nothing can open one before then.
    QTimer::singleShot(0, forms.FRostavelineFirmWare.get(), [&forms] { createDialogs(forms); });
    return application.exec();
}

} // namespace app
