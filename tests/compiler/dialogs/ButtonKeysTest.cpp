// The Enter that closes a message box must not press the button the focus
// goes back to: its release reaches that button, which never saw its press.
#include "WizardFixture.h"

#include "compiler/dialogs/SerialUpdateWizard.h"
#include "controls/dropdown/LbButton.h"
#include "support/KeyStrokes.h"

using testsupport::keyRelease;
using testsupport::keyStroke;

namespace {

class ButtonKeys : public wizardtest::WizardTest {};

} // namespace

TEST_F(ButtonKeys, TheEnterThatClosedTheRefusalDoesNotPressNextAgain)
{
    compiler::TFBootSer wizard(1, compiler::TFBootSer::Services{[] { return QStringList{}; }, {}});
    guitest::runModal(wizard, [&](QDialog &) {
        controls::TLbButton &next = *wizard.Btn_Next;
        next.setFocus();
        keyStroke(next, Qt::Key_Return);
        ASSERT_EQ(messages.texts().size(), 1u) << "no port to use";

        keyRelease(next, Qt::Key_Return);
        keyRelease(next, Qt::Key_Enter);
        EXPECT_EQ(messages.texts().size(), 1u);

        keyStroke(next, Qt::Key_Enter);
        EXPECT_EQ(messages.texts().size(), 2u) << "a whole stroke still presses it";
    });
}
