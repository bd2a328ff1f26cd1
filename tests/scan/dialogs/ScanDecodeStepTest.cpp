// The main window's Scan & Decode button: an open configuration first, the
// warning when it already has an M-Bus network, then the window set up for
// the converter type.
#include "ScanDialogFixture.h"

#include "app/ConverterType.h"
#include "scan/QStringPrinter.h"
#include "scan/dialogs/ScanDecodeStep.h"
#include "support/DialogDoubles.h"
#include "support/TestSupport.h"

using namespace scan;
using namespace scandialogtest;

namespace {

class ScanDecodeStep : public ScanDialogTest {
protected:
    void openConfiguration()
    {
        makeFolder(QStringLiteral("PROJECTS/conf"));
        app::state().Project_Dir = path(QStringLiteral("PROJECTS/conf"));
        app::state().File_ParGen = path(QStringLiteral("PROJECTS/conf/ParGen.xml"));
        app::state().File_M_Bus = path(QStringLiteral("PROJECTS/conf/M_Bus.xml"));
    }

    ScanEngineSetup setup()
    {
        ScanEngineSetup s;
        s.clock = &clock;
        s.transports = testsupport::inProcess(converter);
        s.slaves = &slaves;
        s.meters = &meters;
        return s;
    }

    QWidget mainWindow;
};

TEST_F(ScanDecodeStep, OpensTheWindowForTheConverterType)
{
    struct Shown {
        qint32 code, formType;
        QString file;
    };
    std::vector<Shown> shown;
    testsupport::ModalScript script([&](QDialog &d) {
        auto &window = dynamic_cast<TFScanDecode &>(d);
        shown.push_back({window.XML_Code_Dev, window.Form_Type, window.FileName_MBus});
        return 0;
    });

    scanDecodeStep(1, setup())(mainWindow);
    EXPECT_EQ(messages.texts(), QStringList{app::text(18)}) << "no configuration is open";
    EXPECT_TRUE(shown.empty());

    openConfiguration();
    messages.clear();
    const app::StepHandler step = scanDecodeStep(7, setup());
    step(mainWindow);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].code, app::xmlCodeDev(7));
    EXPECT_EQ(shown[0].formType, 1);
    EXPECT_EQ(shown[0].file, app::state().File_M_Bus);
    EXPECT_TRUE(messages.texts().isEmpty());

    // With a network already there, No ends it; Yes goes on to the same window.
    testsupport::writeFile(app::state().File_M_Bus, "<M-Bus_Network/>");
    messages.queueAnswer(platform::MessageAnswer::No);
    step(mainWindow);
    EXPECT_EQ(messages.texts(), QStringList{app::text(353)});
    EXPECT_EQ(shown.size(), 1u);
    messages.queueAnswer(platform::MessageAnswer::Yes);
    step(mainWindow);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(mainWindow.findChildren<TFScanDecode *>().size(), 1);

    scanDecodeStep(1, setup())(mainWindow);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].formType, 0);
    EXPECT_EQ(shown[2].code, app::xmlCodeDev(1));
}

} // namespace
