#pragma once
// What the window tests share: a fresh application folder per test, the
// process-wide state reset, message boxes and shell opens recorded, and
// modal dialogs run headless.
#include "app/AppState.h"
#include "app/Language.h"
#include "platform/ui/ShellOpen.h"
#include "support/DialogDoubles.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace guitest {

// Runs a dialog the way the modal loop would: shows it (its show handler
// runs), lets the script act for the user, and gives the result it closed
// with, or 0 when the script left it open.
inline int runModal(QDialog &dialog, const std::function<void(QDialog &)> &script)
{
    dialog.setResult(0);
    dialog.show();
    if (script)
        script(dialog);
    if (dialog.isVisible()) {
        dialog.hide();
        return 0;
    }
    return dialog.result();
}

class AppFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tempDir.isValid());
        appDir = tempDir.path();
        app::state() = app::AppState{};
        app::languageTable().Load_Default_Texts();
        previousShellHook = platform::setShellOpenHook([this](const QString &address) { opened << address; });
    }
    void TearDown() override
    {
        platform::setShellOpenHook(std::move(previousShellHook));
        app::state() = app::AppState{};
        app::languageTable().Load_Default_Texts();
    }

    QString path(const QString &relative) const { return appDir + u'/' + relative; }
    void makeFolder(const QString &relative) const { ASSERT_TRUE(QDir().mkpath(path(relative))); }
    void writeText(const QString &relative, const QString &text) const
    {
        testsupport::writeFile(path(relative), text.toUtf8());
    }
    // A settings file naming the last configuration (other values default).
    void writeSettingsNaming(const QString &projectName) const
    {
        writeText(QStringLiteral("Rostavelin.xml"),
                  QStringLiteral("<Conf_Settings><lastproj><projectname>%1</projectname></lastproj></Conf_Settings>")
                      .arg(projectName));
    }

    QTemporaryDir tempDir;
    QString appDir;
    testsupport::MessageRecorder messages;
    QStringList opened;
    platform::ShellOpenHook previousShellHook;
};

} // namespace guitest
