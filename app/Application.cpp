#include "app/Application.h"

#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/NewProjectDialog.h"
#include "app/OpenProjectDialog.h"
#include "platform/Fonts.h"
#include "platform/Paths.h"

#include <QApplication>

namespace app {

Forms::Forms() = default;
Forms::Forms(Forms &&) noexcept = default;
Forms &Forms::operator=(Forms &&) noexcept = default;
Forms::~Forms() = default;

Forms createForms(StepHandlers handlers, const QString &appDir, int converterType)
{
    Forms forms;
    // The main window comes first: the dialogs show SW_Code and take their
    // texts from the language table, which its creation handler prepares.
    forms.FRostavelineFirmWare = std::make_unique<TFRostavelineFirmWare>(std::move(handlers), appDir, converterType);
    TFRostavelineFirmWare *main = forms.FRostavelineFirmWare.get();
    forms.FNew_Project = new TFNew_Project(main);
    forms.FOpenConf = new TFOpenConf(main);
    forms.FAbout = new TFAbout(converterType, main);
    main->setDialogs(forms.FNew_Project, forms.FOpenConf, forms.FAbout);

    // Re-captioned after a language change, in this order.
    main->addLanguageTarget([dialog = forms.FNew_Project] { dialog->Set_Lang(); });
    main->addLanguageTarget([dialog = forms.FOpenConf] { dialog->Set_Lang(); });
    return forms;
}

int runApplication(int argc, char *argv[], StepHandlers handlers)
{
    QApplication application(argc, argv);
    QApplication::setFont(platform::defaultFormFont());
    Forms forms = createForms(std::move(handlers), platform::executableDir());
    forms.FRostavelineFirmWare->show();
    return application.exec();
}

} // namespace app
