// Save Conf. pressed with Enter shows "saved"; the Enter that closes that box
// is released over Save Conf., which has the focus again. That release must
// not save a second time (which would append the whole network again).
#include "ScanDialogFixture.h"

#include "platform/ModalResult.h"
#include "support/DialogDoubles.h"
#include "support/KeyStrokes.h"
#include "support/TestSupport.h"

#include <QDomDocument>
#include <QFile>

using namespace scan;
using namespace scandialogtest;
using testsupport::keyRelease;
using testsupport::keyStroke;
using testsupport::realFrame;

namespace {

class SaveConfKeys : public ScanDialogTest {
protected:
    int nodesSaved() const
    {
        QFile file(dialog->FileName_MBus);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        QDomDocument document;
        if (!document.setContent(&file))
            return -1;
        return document.documentElement().elementsByTagName(QStringLiteral("Nodo")).size();
    }
};

} // namespace

TEST_F(SaveConfKeys, TheEnterThatClosesSavedDoesNotSaveAgain)
{
    converter.bus().addSlave(5, 0x12345678, {realFrame("frame2")});
    converter.bus().addSlave(9, 0x00000042, {realFrame("abb_delta")});
    makeDialog(1);
    dialog->FileName_MBus = path(QStringLiteral("M_Bus.xml"));
    dialog->XML_Code_Dev = 1;
    // Adding to the file asks for the first register: the default is taken.
    testsupport::ModalScript startRegister([](QDialog &) { return int(platform::mrOk); });
    click("Btn_StartScan");
    finishScan();
    ASSERT_EQ(dialog->formStyle(), ScanFormStyle::WiredDone);

    controls::TLbButton &save = *button("Btn_SaveConf");
    save.setFocus();
    keyStroke(save, Qt::Key_Return);
    ASSERT_EQ(messages.texts(), QStringList{app::text(430)}) << "saved";
    ASSERT_EQ(nodesSaved(), 2);

    // The box took Enter's press; its release comes to Save Conf.
    keyRelease(save, Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList{app::text(430)}) << "no question whether to add to the file";
    EXPECT_EQ(nodesSaved(), 2);

    // A whole stroke is a save the user asked for: it asks, then adds.
    keyStroke(save, Qt::Key_Space);
    EXPECT_EQ(messages.texts().size(), 3);
    EXPECT_EQ(nodesSaved(), 4);
}
