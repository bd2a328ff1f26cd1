// The Enter that closes a message box must not press the button the focus
// goes back to: its release reaches that button, which never saw its press.
#include "support/GuiFixture.h"
#include "support/KeyStrokes.h"

#include "app/AppState.h"
#include "controls/dropdown/LbButton.h"
#include "project/dialogs/ParGenDialog.h"

#include <QLineEdit>

using testsupport::keyRelease;
using testsupport::keyStroke;

namespace {

class ButtonKeys : public guitest::AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        app::state().setUpFolders(appDir);
        app::state().chooseTypeTexts(1);
        makeFolder(QStringLiteral("PROJECTS/Plant"));
        app::state().openProject(QStringLiteral("Plant"));
    }
};

} // namespace

TEST_F(ButtonKeys, TheEnterThatClosedTheErrorDoesNotPressOkAgain)
{
    project::TFParGen dialog(1);
    guitest::runModal(dialog, [&](QDialog &) {
        dialog.E_PORT->setText(QStringLiteral("10000"));
        controls::TLbButton &ok = *dialog.Btn_OK;
        ok.setFocus();
        keyStroke(ok, Qt::Key_Return);
        ASSERT_EQ(messages.texts().size(), 1u) << "port 10000 is refused";

        keyRelease(ok, Qt::Key_Return);
        EXPECT_EQ(messages.texts().size(), 1u);

        dialog.E_PORT->setText(QStringLiteral("502"));
        keyRelease(ok, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "a release alone does not save either";
        keyStroke(ok, Qt::Key_Space);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(messages.texts().size(), 1u);
}
