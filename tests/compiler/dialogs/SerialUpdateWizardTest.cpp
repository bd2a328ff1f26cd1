#include "WizardFixture.h"

#include "compiler/dialogs/SerialUpdateWizard.h"
#include "compiler/update/SerialUpdateCommand.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ui/Label.h"

#include <QCheckBox>
#include <QComboBox>

using compiler::TFBootSer;

namespace {

class SerialWizard : public wizardtest::WizardTest {
protected:
    std::unique_ptr<TFBootSer> makeWizard(int converterType = 1,
                                          compiler::UpdateToolLauncher launch = {})
    {
        return std::make_unique<TFBootSer>(
            converterType, TFBootSer::Services{[this] { return ports; }, launch ? launch : launches.launcher()});
    }

    static QStringList items(const QComboBox &box)
    {
        QStringList texts;
        for (int i = 0; i < box.count(); ++i)
            texts << box.itemText(i);
        return texts;
    }

    static bool onPortPage(const TFBootSer &w)
    {
        return !w.L_Steps1->isHidden() && !w.L_Steps5->isHidden() && !w.CB_Com->isHidden() &&
               !w.Btn_COM_List->isHidden() && !w.Btn_Next->isHidden() && !w.Btn_Cancel->isHidden() &&
               w.L_Options->isHidden() && w.CB_Firmware->isHidden() && w.Btn_Update->isHidden();
    }

    static bool onOptionsPage(const TFBootSer &w)
    {
        return w.L_Steps1->isHidden() && w.CB_Com->isHidden() && w.Btn_Next->isHidden() && w.Btn_Cancel->isHidden() &&
               !w.L_Options->isHidden() && !w.CB_Read_Conf->isHidden() && !w.Btn_Update->isHidden();
    }

    QStringList ports;
};

TEST_F(SerialWizard, ListsThePresentPortsAndProbesAgainOnRequest)
{
    ports = {"1", "4"};
    auto wizard = makeWizard();
    EXPECT_EQ(wizard->windowTitle(), "Update Device by Serial");
    EXPECT_EQ(wizard->L_Steps3->Caption(), "2 - Use the Dip-Switch to set the Boot Mode");
    EXPECT_EQ(wizard->Btn_COM_List->Hint(), "Update COM Ports List");
    EXPECT_EQ(wizard->CB_Read_Firm->text(), "Read Firmware After Write");
    EXPECT_EQ(wizard->size(), QSize(350, 233));
    guitest::runModal(*wizard, [&](QDialog &) {
        EXPECT_TRUE(onPortPage(*wizard));
        EXPECT_EQ(items(*wizard->CB_Com), QStringList({"COM1", "COM4"}));
        EXPECT_EQ(wizard->CB_Com->currentText(), "COM1");

        ports = {"3"};
        wizard->Btn_COM_List->Click();
        EXPECT_EQ(items(*wizard->CB_Com), QStringList({"COM3"}));
        EXPECT_EQ(wizard->CB_Com->currentText(), "COM3");
    });
    // Every showing probes again.
    ports = {"2", "33"};
    guitest::runModal(*wizard, [&](QDialog &) { EXPECT_EQ(items(*wizard->CB_Com), QStringList({"COM2", "COM33"})); });
}

TEST_F(SerialWizard, WithoutAPortNextRefuses)
{
    auto wizard = makeWizard();
    guitest::runModal(*wizard, [&](QDialog &) {
        EXPECT_EQ(wizard->CB_Com->count(), 0);
        wizard->Btn_Next->Click();
        EXPECT_EQ(messages.texts(), QStringList({"Error! Select the COM port to use for the Update"}));
        EXPECT_EQ(messages.messages().at(0).kind, platform::MessageKind::Error);
        EXPECT_TRUE(onPortPage(*wizard));

        // A port plugged in meanwhile is found by the list button.
        ports = {"65"};
        wizard->Btn_COM_List->Click();
        wizard->Btn_Next->Click();
        EXPECT_TRUE(onOptionsPage(*wizard));
    });
    EXPECT_EQ(messages.texts().size(), 1);
}

// The real launcher and a fake tool: what the tool receives, argument by argument.
TEST_F(SerialWizard, TheToolGetsPortOptionsImageAndBinFolderAsSeparateArguments)
{
    // Blanks and quotes in the configuration's name must reach the tool intact.
    openConfiguration(QStringLiteral("Plant \"A\" $(id) 2"));
    const app::AppState &s = app::state();
    struct Case {
        int type;
        const char *tool;
        QString image;
    };
    const Case cases[] = {
        {1, "Ser_QuorLyxa_Update.exe", s.Master_Dir + "/simQuorLyxa.sim"},
        {1001, "Ser_QuorLyxa_Update.exe", s.Master_Dir + "/simQuorLyxa.sim"},
        {2, "Ser_QuorKvoz_Update.exe", s.Master_Dir + "/"},
        {3, "Ser_QuorNqib_Update.exe", s.Master_Dir + "/simQuorNqib.sim"},
        {4, "Ser_QuorMzul_Update.exe", s.Master_Dir + "/simQuorMzul.sim"},
        {5, "Ser_QuorPwoj_Update.exe", s.Master_Dir + "/simQuorPwoj.sim"},
    };
    ports = {"2", "4"};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        QFile::remove(path("args.txt"));
        writeRecordingTool(QString::fromLatin1(c.tool));
        auto wizard = makeWizard(c.type, compiler::startUpdateTool());
        guitest::runModal(*wizard, [&](QDialog &) {
            wizard->CB_Com->setCurrentIndex(1);
            wizard->Btn_Next->Click();
            wizard->CB_Firmware->setChecked(false);
            wizard->CB_Read_Firm->setChecked(false);
            wizard->Btn_Update->Click();
            EXPECT_TRUE(onOptionsPage(*wizard));
        });
        EXPECT_EQ(recordedArguments(),
                  QStringList({"/dev/ttyS3", "NO", "NO", "PW", "PR", c.image, s.Project_Dir + "/bin/"}));
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(SerialWizard, OptionWordsFollowTheTicks)
{
    ports = {"1"};
    auto wizard = makeWizard(4);
    guitest::runModal(*wizard, [&](QDialog &) {
        wizard->Btn_Next->Click();
        wizard->Btn_Update->Click();
        wizard->CB_Conf->setChecked(false);
        wizard->CB_Read_Firm->setChecked(false);
        wizard->Btn_Update->Click();
    });
    ASSERT_EQ(launches.calls.size(), 2u);
    EXPECT_EQ(launches.calls[0].program, path("Ser_QuorMzul_Update.exe"));
    EXPECT_EQ(launches.calls[0].arguments.mid(0, 5), QStringList({"/dev/ttyS0", "FW", "FR", "PW", "PR"}));
    EXPECT_EQ(launches.calls[1].arguments.mid(0, 5), QStringList({"/dev/ttyS0", "FW", "NO", "NO", "PR"}));

    // Kept for the next showing, which starts on the port page again.
    guitest::runModal(*wizard, [&](QDialog &) {
        EXPECT_TRUE(onPortPage(*wizard));
        EXPECT_FALSE(wizard->CB_Conf->isChecked());
        EXPECT_TRUE(wizard->CB_Firmware->isChecked());
    });
}

TEST_F(SerialWizard, ModelsWithoutASerialBoardStartNothing)
{
    ports = {"1"};
    for (const int type : {6, 7, 1007}) {
        auto wizard = makeWizard(type);
        guitest::runModal(*wizard, [&](QDialog &) {
            wizard->Btn_Next->Click();
            wizard->Btn_Update->Click();
        });
    }
    EXPECT_TRUE(launches.calls.empty());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(SerialWizard, AMissingToolIsReported)
{
    ports = {"1"};
    auto wizard = makeWizard(3, compiler::startUpdateTool());
    guitest::runModal(*wizard, [&](QDialog &) {
        wizard->Btn_Next->Click();
        wizard->Btn_Update->Click();
    });
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("Error! The update tool could not be started\n"));
    EXPECT_TRUE(messages.texts()[0].contains("Ser_QuorNqib_Update.exe"));
}

} // namespace
