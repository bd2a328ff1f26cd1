#include "WizardFixture.h"

#include "app/LangRegistry.h"
#include "compiler/dialogs/EthernetUpdateWizard.h"
#include "compiler/update/EthernetUpdateJob.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

using compiler::TFBootTCP;

namespace {

class EthernetWizard : public wizardtest::WizardTest {
protected:
    std::unique_ptr<TFBootTCP> makeWizard(int converterType = 1)
    {
        return std::make_unique<TFBootTCP>(converterType,
                                           TFBootTCP::Services{pinger, &clock, launches.launcher()});
    }

    static void typeAddress(TFBootTCP &w, const QStringList &octets)
    {
        QLineEdit *edits[] = {w.E_IP1, w.E_IP2, w.E_IP3, w.E_IP4};
        for (int i = 0; i < 4; ++i)
            edits[i]->setText(octets[i]);
    }

    static QStringList shownOctets(const TFBootTCP &w)
    {
        return {w.E_IP1->text(), w.E_IP2->text(), w.E_IP3->text(), w.E_IP4->text()};
    }

    static bool onAddressPage(const TFBootTCP &w)
    {
        return !w.E_IP1->isHidden() && !w.Btn_Ping->isHidden() && !w.Btn_Next->isHidden() &&
               !w.Btn_Cancel->isHidden() && w.CB_Firmware->isHidden() && w.Btn_Update->isHidden();
    }

    static bool onOptionsPage(const TFBootTCP &w)
    {
        return w.E_IP1->isHidden() && w.Btn_Ping->isHidden() && w.Btn_Next->isHidden() && w.Btn_Cancel->isHidden() &&
               !w.L_Options->isHidden() && !w.CB_Read_Conf->isHidden() && !w.Btn_Update->isHidden();
    }

    QString jobPath() const { return path(QStringLiteral("Ethernet_Update.xml")); }

    QByteArray expectedJob(int converterType, const QString &address, const compiler::UpdateOptions &options) const
    {
        const app::AppState &s = app::state();
        return platform::serializeXml(
            compiler::buildEthernetUpdateJob({converterType, address, s.Master_Dir, s.Project_Dir, options}));
    }
};

TEST_F(EthernetWizard, OpensOnTheAddressPageWithTheLastDeviceAddress)
{
    struct Case {
        const char *stored;
        QStringList shown;
    };
    const Case cases[] = {
        {"192.168.2.205", {"192", "168", "2", "205"}},
        {" 10 . 0 . 0 . 7 ", {"10", "0", "0", "7"}},
        {"192.168.2.256", {"0", "0", "0", "0"}}, // not an address: the edits keep what they had
        {"192.168.2", {"0", "0", "0", "0"}},
        {"", {"0", "0", "0", "0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        auto wizard = makeWizard();
        app::state().Last_IP_Address = QString::fromLatin1(c.stored);
        guitest::runModal(*wizard, [&](QDialog &) {
            EXPECT_TRUE(onAddressPage(*wizard));
            EXPECT_EQ(shownOctets(*wizard), c.shown);
            EXPECT_FALSE(wizard->Esegui_Ping);
            EXPECT_TRUE(wizard->LPing->Caption().isEmpty());
        });
    }
    EXPECT_TRUE(pinger->targets.empty());
}

TEST_F(EthernetWizard, CaptionsNameTheModelAndFollowALanguageChange)
{
    struct Case {
        int type;
        const char *model;
    };
    for (const Case c : {Case{1, " GX42Lyxa"}, Case{1001, " GX42Lyxa"}, Case{2, " GX42Kvoz"}, Case{3, " GX42Nqib"},
                         Case{6, " GX42Qyre"}, Case{7, " GX42Rhuv"}, Case{1007, " GX42Rhuv"}}) {
        auto wizard = makeWizard(c.type);
        guitest::runModal(*wizard, {});
        EXPECT_EQ(wizard->L_IP_Address->Caption(), "Insert the IP Address of " + QString::fromLatin1(c.model));
    }

    auto wizard = makeWizard();
    EXPECT_EQ(wizard->windowTitle(), "Update Firmware from Etherner (UDP)");
    EXPECT_EQ(wizard->L_SW_Code->Caption(), "SW-TEST-01");
    EXPECT_EQ(wizard->Btn_Update->Caption(), "Execute update firmware");
    EXPECT_EQ(wizard->CB_Read_Conf->text(), "Read Configuration when finish");
    EXPECT_EQ(wizard->size(), QSize(350, 233));
    app::languageTable().applyLngText(QStringLiteral("STR 60 = Verifica\nSTR 66 = Configurazione"));
    app::langRegistry().applyLanguageToAll();
    EXPECT_EQ(wizard->Btn_Ping->Caption(), "Verifica");
    EXPECT_EQ(wizard->CB_Conf->text(), "Configurazione");
}

TEST_F(EthernetWizard, FoundDeviceLeadsToTheOptionsAndTheUpdateWritesTheJobAndStartsTheTool)
{
    auto wizard = makeWizard();
    bool buttonsDisabledWhilePinging = true;
    pinger->script({testsupport::reply(1024, [&] {
        buttonsDisabledWhilePinging &= !wizard->Btn_Ping->isEnabled() && !wizard->Btn_Next->isEnabled();
    })});
    guitest::runModal(*wizard, [&](QDialog &) {
        // Blanks and leading zeros are typed; the address is kept plain.
        typeAddress(*wizard, {" 127", "000", "0", "09 "});
        wizard->Btn_Ping->Click();
        ASSERT_EQ(pinger->targets.size(), 2u) << "two answers end the check";
        EXPECT_EQ(pinger->targets[0], QHostAddress(QStringLiteral("127.0.0.9")));
        EXPECT_TRUE(buttonsDisabledWhilePinging);
        EXPECT_TRUE(wizard->Btn_Ping->isEnabled());
        EXPECT_TRUE(wizard->Esegui_Ping);
        EXPECT_EQ(wizard->LPing->Caption(), "Device Found!");
        EXPECT_EQ(wizard->LPing->palette().color(QPalette::WindowText), QColor(0, 128, 0));

        wizard->Btn_Next->Click();
        EXPECT_TRUE(onOptionsPage(*wizard));
        EXPECT_EQ(app::state().Last_IP_Address, "127.0.0.9");

        wizard->Btn_Update->Click();
        EXPECT_EQ(testsupport::readFile(jobPath()), expectedJob(1, "127.0.0.9", {}));
        ASSERT_EQ(launches.calls.size(), 1u);
        EXPECT_EQ(launches.calls[0].program, path("Ethernet_Update.exe"));
        EXPECT_TRUE(launches.calls[0].arguments.isEmpty());

        // The wizard stays on the options; a second run takes the ticks as they are now.
        EXPECT_TRUE(onOptionsPage(*wizard));
        wizard->CB_Firmware->setChecked(false);
        wizard->CB_Read_Conf->setChecked(false);
        wizard->Btn_Update->Click();
        compiler::UpdateOptions configurationOnly;
        configurationOnly.writeFirmware = false;
        configurationOnly.readBackConfiguration = false;
        EXPECT_EQ(testsupport::readFile(jobPath()), expectedJob(1, "127.0.0.9", configurationOnly));
        EXPECT_EQ(launches.calls.size(), 2u);
    });
    EXPECT_TRUE(messages.texts().isEmpty());

    // Shown again: back on the address page, the ticks as the user left them.
    guitest::runModal(*wizard, [&](QDialog &) {
        EXPECT_TRUE(onAddressPage(*wizard));
        EXPECT_EQ(shownOctets(*wizard), QStringList({"127", "0", "0", "9"}));
        EXPECT_FALSE(wizard->Esegui_Ping);
        EXPECT_FALSE(wizard->CB_Firmware->isChecked());
        EXPECT_TRUE(wizard->CB_Read_Firm->isChecked());
        EXPECT_FALSE(wizard->CB_Read_Conf->isChecked());
    });
}

TEST_F(EthernetWizard, NoDeviceNoNext)
{
    struct Case {
        const char *name;
        QStringList octets;
        std::vector<testsupport::PingStep> steps;
        QString shown;
        bool pinged;
    };
    const Case cases[] = {
        {"silent address", {"127", "0", "0", "9"}, {testsupport::silence()}, "Device Not Found!", true},
        {"empty replies", {"127", "0", "0", "9"}, {testsupport::reply(0)}, "Device Not Found!", true},
        {"no ICMP here", {"127", "0", "0", "9"}, {testsupport::noIcmp()}, "Error!!! Check the Ip Address", true},
        {"octet above 255", {"127", "0", "0", "256"}, {}, "Error!!! Check the Ip Address", false},
        {"empty octet", {"127", "", "0", "1"}, {}, "Error!!! Check the Ip Address", false},
        {"dotted octet", {"127.0", "0", "0", "1"}, {}, "Error!!! Check the Ip Address", false},
        {"signed octet", {"127", "0", "-0", "1"}, {}, "Error!!! Check the Ip Address", false},
        {"hexadecimal octet", {"0x7F", "0", "0", "1"}, {}, "Error!!! Check the Ip Address", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        auto wizard = makeWizard();
        pinger->script(c.steps);
        guitest::runModal(*wizard, [&](QDialog &) {
            typeAddress(*wizard, c.octets);
            wizard->Btn_Ping->Click();
            EXPECT_EQ(!pinger->targets.empty(), c.pinged);
            EXPECT_FALSE(wizard->Esegui_Ping);
            EXPECT_EQ(wizard->LPing->Caption(), c.shown);
            EXPECT_EQ(wizard->LPing->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            EXPECT_TRUE(wizard->Btn_Ping->isEnabled());
            EXPECT_TRUE(wizard->Btn_Next->isEnabled());

            wizard->Btn_Next->Click();
            EXPECT_EQ(messages.texts(), QStringList({"Device not found in network"}));
            EXPECT_EQ(messages.messages().at(0).kind, platform::MessageKind::Error);
            EXPECT_TRUE(onAddressPage(*wizard));
        });
    }
    // A silent device is tried for about 10 s, 400 ms per request.
    pinger->script({testsupport::silence()});
    auto wizard = makeWizard();
    guitest::runModal(*wizard, [&](QDialog &) {
        typeAddress(*wizard, {"127", "0", "0", "9"});
        wizard->Btn_Ping->Click();
    });
    EXPECT_GE(pinger->targets.size(), 25u);
    EXPECT_LE(pinger->targets.size(), 26u);
    EXPECT_EQ(app::state().Last_IP_Address, "");
    EXPECT_TRUE(launches.calls.empty());
}

TEST_F(EthernetWizard, AnEditedAddressNeedsANewPing)
{
    auto wizard = makeWizard();
    pinger->script({testsupport::reply()});
    guitest::runModal(*wizard, [&](QDialog &) {
        typeAddress(*wizard, {"127", "0", "0", "9"});
        wizard->Btn_Ping->Click();
        ASSERT_TRUE(wizard->Esegui_Ping);

        // The same address written differently still is the device found.
        wizard->E_IP2->setText("00");
        EXPECT_TRUE(wizard->Esegui_Ping);

        wizard->E_IP4->setText("10");
        EXPECT_FALSE(wizard->Esegui_Ping);
        EXPECT_TRUE(wizard->LPing->Caption().isEmpty());
        // Going back to the pinged address does not bring the ping back.
        wizard->E_IP4->setText("9");
        wizard->Btn_Next->Click();
        EXPECT_EQ(messages.texts(), QStringList({"Device not found in network"}));
        EXPECT_TRUE(onAddressPage(*wizard));

        wizard->E_IP4->setText("10");
        wizard->Btn_Ping->Click();
        EXPECT_EQ(pinger->targets.back(), QHostAddress(QStringLiteral("127.0.0.10")));
        wizard->Btn_Next->Click();
        EXPECT_TRUE(onOptionsPage(*wizard));
        EXPECT_EQ(app::state().Last_IP_Address, "127.0.0.10");
    });
}

TEST_F(EthernetWizard, ClosingTheWizardEndsAPingInProgress)
{
    auto wizard = makeWizard();
    pinger->script({testsupport::reply(1024, [&] { wizard->Btn_Cancel->Click(); })});
    const int result = guitest::runModal(*wizard, [&](QDialog &) {
        typeAddress(*wizard, {"127", "0", "0", "9"});
        wizard->Btn_Ping->Click();
    });
    EXPECT_EQ(result, platform::mrCancel);
    EXPECT_EQ(pinger->targets.size(), 1u);
    EXPECT_FALSE(wizard->Esegui_Ping);
    EXPECT_TRUE(wizard->LPing->Caption().isEmpty());
    EXPECT_TRUE(wizard->Btn_Ping->isEnabled());
}

TEST_F(EthernetWizard, ADotMovesToTheNextOctet)
{
    auto wizard = makeWizard();
    guitest::runModal(*wizard, [&](QDialog &) {
        QLineEdit *edits[] = {wizard->E_IP1, wizard->E_IP2, wizard->E_IP3, wizard->E_IP4};
        for (int i = 0; i < 4; ++i) {
            edits[i]->setText("12");
            edits[i]->setFocus();
            QKeyEvent dot(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
            QApplication::sendEvent(edits[i], &dot);
            if (i < 3) {
                EXPECT_EQ(edits[i]->text(), "12") << "octet " << i + 1;
                EXPECT_EQ(wizard->focusWidget(), edits[i + 1]) << "octet " << i + 1;
            } else {
                EXPECT_EQ(edits[i]->text(), "12.") << "the last octet takes the dot";
            }
        }
    });
}

TEST_F(EthernetWizard, AJobThatCannotBeWrittenStartsNoTool)
{
    // A folder where the job file should go: it can never become the file.
    ASSERT_TRUE(QDir().mkpath(jobPath()));
    auto wizard = makeWizard(6);
    pinger->script({testsupport::reply()});
    guitest::runModal(*wizard, [&](QDialog &) {
        typeAddress(*wizard, {"127", "0", "0", "9"});
        wizard->Btn_Ping->Click();
        wizard->Btn_Next->Click();
        wizard->Btn_Update->Click();
        EXPECT_TRUE(onOptionsPage(*wizard));
    });
    EXPECT_TRUE(launches.calls.empty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Error);
    EXPECT_TRUE(messages.texts()[0].contains("Ethernet_Update.xml")) << messages.texts()[0].toStdString();
}

TEST_F(EthernetWizard, AToolThatDoesNotStartIsReported)
{
    launches.result = {app::LaunchOutcome::NotStarted, -1, -1, QStringLiteral("Ethernet_Update.exe: program not found")};
    auto wizard = makeWizard();
    pinger->script({testsupport::reply()});
    guitest::runModal(*wizard, [&](QDialog &) {
        typeAddress(*wizard, {"127", "0", "0", "9"});
        wizard->Btn_Ping->Click();
        wizard->Btn_Next->Click();
        wizard->Btn_Update->Click();
    });
    EXPECT_EQ(launches.calls.size(), 1u);
    EXPECT_EQ(messages.texts(),
              QStringList({"Error! The update tool could not be started\nEthernet_Update.exe: program not found"}));
}

} // namespace
