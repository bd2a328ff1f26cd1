// The Enter that closes a message box must not press the button the focus
// goes back to: its release reaches that button, which never saw its press.
#include "support/GuiFixture.h"
#include "support/KeyStrokes.h"

#include "app/AppState.h"
#include "app/windows/NewProjectDialog.h"
#include "controls/dropdown/LbButton.h"

using testsupport::keyRelease;
using testsupport::keyStroke;

namespace {

class ButtonKeys : public guitest::AppFolderTest {};

} // namespace

TEST_F(ButtonKeys, TheEnterThatClosedTheRefusalDoesNotPressOkAgain)
{
    app::state().setUpFolders(appDir);
    app::TFNew_Project dialog;
    dialog.show();
    controls::TLbButton &ok = *dialog.Btn_OK;
    ok.setFocus();
    keyStroke(ok, Qt::Key_Return);
    ASSERT_EQ(messages.texts().size(), 1u) << "an empty name is refused";

    keyRelease(ok, Qt::Key_Return);
    keyRelease(ok, Qt::Key_Space);
    EXPECT_EQ(messages.texts().size(), 1u);
    EXPECT_TRUE(dialog.isVisible());

    keyStroke(ok, Qt::Key_Space);
    EXPECT_EQ(messages.texts().size(), 2u) << "a whole stroke still presses it";
}
