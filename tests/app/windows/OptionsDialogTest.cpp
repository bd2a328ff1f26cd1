// The window-test fixture lives with the app suite (tests/app).
#include "support/DialogDoubles.h"
#include "support/EventLoop.h"
#include "support/GuiFixture.h"

#include "app/ConverterType.h"
#include "app/windows/AboutDialog.h"
#include "app/windows/Application.h"
#include "app/windows/MainWindow.h"
#include "app/windows/NewProjectDialog.h"
#include "app/windows/OpenProjectDialog.h"
#include "app/windows/OptionsDialog.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"
#include "platform/IntervalTimer.h"
#include "platform/ui/Label.h"
#include "support/LoopbackHttpServer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDomDocument>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <optional>

using app::TFSoftOptions;
using testsupport::LoopbackHttpServer;
using namespace std::chrono_literals;

namespace {

const QString NewerReply = QStringLiteral("HTTP/1.0 200 OK\r\n\r\nVER. 9.999");

class OptionsDialogTest : public guitest::AppFolderTest {
protected:
    TFSoftOptions &start(int type = 1)
    {
        forms = app::createForms({}, appDir, type);
        forms.FSoftOptions->setVersionService(nowhere.url());
        return *forms.FSoftOptions;
    }
    app::TFRostavelineFirmWare &mainWindow() { return *forms.FRostavelineFirmWare; }

    // LANGUAGE/<name>.lng with the given texts (index, text).
    void writeLanguage(const QString &name, const std::vector<std::pair<int, QString>> &texts = {}) const
    {
        QString lines;
        for (const auto &[index, value] : texts)
            lines += QStringLiteral("STR %1 = %2\r\n").arg(index).arg(value);
        makeFolder(QStringLiteral("LANGUAGE"));
        writeText(QStringLiteral("LANGUAGE/%1.lng").arg(name), lines);
    }
    void writeFlag(const QString &fileName) const
    {
        QImage flag(30, 20, QImage::Format_RGB32);
        flag.fill(Qt::red);
        ASSERT_TRUE(flag.save(path(QStringLiteral("LANGUAGE/") + fileName), "BMP"));
    }

    // The names of the language slots shown, in slot order.
    static QStringList shownLanguages(const TFSoftOptions &d)
    {
        QStringList names;
        for (const platform::TLabel *label : d.L_L)
            if (!label->isHidden())
                names << label->Caption();
        return names;
    }
    static int slotOfLanguage(const TFSoftOptions &d, const QString &name)
    {
        for (int k = 0; k < TFSoftOptions::LanguageSlots; ++k)
            if (!d.L_L[k]->isHidden() && d.L_L[k]->Caption() == name)
                return k;
        return -1;
    }

    // Opens the dialog from the main window's options button; the script
    // acts for the user.
    void throughOptionsButton(const std::function<void(TFSoftOptions &)> &script)
    {
        testsupport::ModalScript modal([&](QDialog &dialog) {
            return guitest::runModal(dialog, [&](QDialog &d) { script(static_cast<TFSoftOptions &>(d)); });
        });
        mainWindow().Btn_Click(mainWindow().Btn_Opz);
    }

    std::optional<QString> settingsValue(const char *group, const char *value) const
    {
        QDomDocument document;
        if (!document.setContent(testsupport::readFile(path(QStringLiteral("Rostavelin.xml")))))
            return std::nullopt;
        const QDomElement element = document.documentElement()
                                        .firstChildElement(QString::fromLatin1(group))
                                        .firstChildElement(QString::fromLatin1(value));
        if (element.isNull())
            return std::nullopt;
        return element.text();
    }

    // Never the maker's site: a check a test does not aim elsewhere is refused.
    testsupport::RefusingPort nowhere;
    app::Forms forms;
};

// Seven languages: six on page 1, the seventh on page 2.
class SevenLanguagesTest : public OptionsDialogTest {
protected:
    void SetUp() override
    {
        OptionsDialogTest::SetUp();
        for (const char *name : {"Zulu", "English", "deutsch", "Polski", "Italiano", "Cesky", "Espanol"})
            writeLanguage(QString::fromLatin1(name));
        writeFlag(QStringLiteral("English.bmp"));
        writeFlag(QStringLiteral("DefaultFlag.bmp"));
    }
};

} // namespace

TEST_F(SevenLanguagesTest, SixLanguagesAPageWithPreviousAndNext)
{
    TFSoftOptions &d = start();
    EXPECT_EQ(d.size(), QSize(509, 373));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Software Options"));
    EXPECT_EQ(d.L_SW_Code->Caption(), QStringLiteral("PX42Lyxa"));
    EXPECT_EQ(d.L_SW_Desc->Caption(), QStringLiteral("Software Options"));
    EXPECT_EQ(d.TS_Language->Caption(), QStringLiteral("Language"));
    EXPECT_EQ(d.TS_Con_Options->Caption(), QStringLiteral("Connection Options"));
    EXPECT_EQ(d.Btn_Prev->Caption(), QStringLiteral("Previous"));
    EXPECT_EQ(d.Btn_Next->Caption(), QStringLiteral("Next"));
    EXPECT_EQ(d.Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(d.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(d.Btn_Cancel->ModalResult(), 2);

    // Shown on the connection page last time: each showing starts on the
    // language page.
    d.PC_Options->setActivePage(d.TS_Con_Options);
    d.show();
    EXPECT_EQ(d.PC_Options->ActivePage(), d.TS_Language);
    EXPECT_EQ(d.L_Sel_Lang->Caption(), QStringLiteral("Selected Language : English"));
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 2"));
    EXPECT_EQ(shownLanguages(d), QStringList({"Cesky", "deutsch", "English", "Espanol", "Italiano", "Polski"}));
    for (const QLabel *flag : d.I_L)
        EXPECT_FALSE(flag->isHidden()) << "own flag or DefaultFlag.bmp";
    EXPECT_TRUE(d.Btn_Prev->isHidden());
    EXPECT_FALSE(d.Btn_Next->isHidden());

    // Slots 1 to 3 down the left column, 4 to 6 down the right one.
    for (int row = 0; row < 3; ++row) {
        const QPoint left = d.I_L[row]->pos();
        const QPoint right = d.I_L[row + 3]->pos();
        EXPECT_EQ(left.y(), right.y());
        EXPECT_LT(left.x(), right.x());
        EXPECT_EQ(left.x(), d.I_L[0]->x());
        if (row > 0) {
            EXPECT_GT(left.y(), d.I_L[row - 1]->y());
        }
        // Each name to the right of its flag, within the flag's height.
        EXPECT_GT(d.L_L[row]->x(), d.I_L[row]->geometry().right());
        EXPECT_TRUE(d.I_L[row]->geometry().contains(d.I_L[row]->x(), d.L_L[row]->y()));
    }

    d.Btn_Next->Click();
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 2 / 2"));
    EXPECT_EQ(shownLanguages(d), QStringList{"Zulu"});
    for (int k = 1; k < TFSoftOptions::LanguageSlots; ++k)
        EXPECT_TRUE(d.I_L[k]->isHidden()) << "slot " << k + 1;
    EXPECT_FALSE(d.Btn_Prev->isHidden());
    EXPECT_TRUE(d.Btn_Next->isHidden());
    d.Btn_NextClick(d.Btn_Next); // no page 3
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 2 / 2"));

    d.Btn_Prev->Click();
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 2"));
    d.Btn_NextClick(d.Btn_Prev); // no page 0
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 2"));

    // Showing again rebuilds the list and restarts at page 1.
    d.Btn_Next->Click();
    d.hide();
    writeLanguage(QStringLiteral("Afrikaans"));
    d.show();
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 2"));
    EXPECT_EQ(shownLanguages(d).first(), QStringLiteral("Afrikaans"));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(OptionsDialogTest, StartUpMakesTheDialogsAfterTheMainWindowAndOnlyOnce)
{
    forms = app::createMainWindow({}, appDir, 1);
    EXPECT_EQ(forms.FNew_Project, nullptr);
    EXPECT_EQ(forms.FSoftOptions, nullptr);
    app::createDialogs(forms);
    ASSERT_NE(forms.FSoftOptions, nullptr);
    TFSoftOptions *options = forms.FSoftOptions;
    EXPECT_EQ(options->parent(), &mainWindow());
    EXPECT_NE(forms.FNew_Project, nullptr);
    EXPECT_NE(forms.FOpenConf, nullptr);
    EXPECT_NE(forms.FAbout, nullptr);
    app::createDialogs(forms);
    EXPECT_EQ(forms.FSoftOptions, options);
    EXPECT_EQ(mainWindow().findChildren<TFSoftOptions *>().size(), 1);
}

TEST_F(OptionsDialogTest, FlagFallsBackToDefaultFlagThenTheImageIsHidden)
{
    writeLanguage(QStringLiteral("English"));
    writeLanguage(QStringLiteral("Italiano"));
    writeLanguage(QStringLiteral("Svenska"));
    writeFlag(QStringLiteral("English.bmp"));
    // A bitmap that cannot be read shows no picture rather than failing.
    writeText(QStringLiteral("LANGUAGE/Svenska.bmp"), QStringLiteral("not a bitmap"));
    TFSoftOptions &d = start();
    d.show();
    ASSERT_EQ(shownLanguages(d), QStringList({"English", "Italiano", "Svenska"}));
    EXPECT_FALSE(d.I_L[0]->isHidden());
    EXPECT_FALSE(d.I_L[0]->pixmap().isNull());
    for (int k : {1, 2}) {
        EXPECT_TRUE(d.I_L[k]->isHidden()) << "slot " << k + 1;
        EXPECT_FALSE(d.L_L[k]->isHidden()) << "the name stays";
    }

    d.hide();
    writeFlag(QStringLiteral("DefaultFlag.bmp"));
    d.show();
    EXPECT_FALSE(d.I_L[1]->isHidden()) << "DefaultFlag.bmp";
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(OptionsDialogTest, NoLanguageFileShowsNoSlotAndANextThatDoesNothing)
{
    TFSoftOptions &d = start();
    d.show();
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 0"));
    EXPECT_TRUE(shownLanguages(d).isEmpty());
    EXPECT_TRUE(d.Btn_Prev->isHidden());
    EXPECT_FALSE(d.Btn_Next->isHidden());
    d.Btn_Next->Click();
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 0"));
    d.LangClick(d.L_L[0]);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(OptionsDialogTest, PartnerEditionsHaveNoConnectionPage)
{
    for (const int type : app::AllConverterTypes) {
        SCOPED_TRACE(type);
        app::state() = app::AppState{};
        TFSoftOptions &d = start(type);
        EXPECT_EQ(d.TS_Con_Options->TabVisible(), type < 1001);
        EXPECT_EQ(d.L_SW_Code->Caption(), app::converterInfo(type).swCode);
    }
}

TEST_F(OptionsDialogTest, UpdateCheckOnlyWhileBothTicksAreSet)
{
    TFSoftOptions &d = start();
    struct Case {
        bool internet, update;
    };
    for (const Case c : {Case{false, false}, Case{false, true}, Case{true, false}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << c.internet << c.update);
        app::state().Enable_Internet = c.internet;
        app::state().Enable_Update = c.update;
        d.show();
        EXPECT_EQ(d.CB_En_Con->isChecked(), c.internet);
        EXPECT_EQ(d.CB_Update->isChecked(), c.update);
        EXPECT_EQ(d.CB_Update->isEnabled(), c.internet);
        EXPECT_EQ(d.Btn_Check_Update->isEnabled(), c.internet && c.update);
        EXPECT_TRUE(d.LL_Check_Update->isHidden());
        d.hide();
    }

    // The user's clicks follow the same rule.
    d.show();
    d.CB_En_Con->click();
    EXPECT_FALSE(d.CB_Update->isEnabled());
    EXPECT_FALSE(d.Btn_Check_Update->isEnabled()) << "ticked update, internet off";
    d.CB_En_Con->click();
    EXPECT_TRUE(d.Btn_Check_Update->isEnabled());
    d.CB_Update->click();
    EXPECT_FALSE(d.Btn_Check_Update->isEnabled()) << "internet on, update off";
}

TEST_F(OptionsDialogTest, CheckOnDemandAsksTheServiceAndShowsTheAnswer)
{
    TFSoftOptions &d = start();
    // The button clicks only while enabled, that is with both ticks set.
    app::state().Enable_Internet = true;
    app::state().Enable_Update = true;
    d.show();
    d.CB_En_Con->setChecked(true);
    d.CB_Update->setChecked(true);
    {
        LoopbackHttpServer server(LoopbackHttpServer::Mode::Reply, NewerReply.toLatin1());
        d.setVersionService(server.url());
        d.Btn_Check_Update->Click();
        // The dialog does not wait: the answer shows once the service has given it.
        EXPECT_TRUE(d.LL_Check_Update->isHidden());
        EXPECT_FALSE(d.Btn_Check_Update->isEnabled()) << "one question at a time";
        ASSERT_TRUE(testsupport::processEventsUntil([&] { return !d.LL_Check_Update->isHidden(); }));
        EXPECT_TRUE(d.Btn_Check_Update->isEnabled());
        EXPECT_TRUE(server.lastRequest().startsWith("GET /home/download/GetversionSW.asp?nomesw=PX42Lyxa HTTP/1.1\r\n"));
        const QString link = server.url().toString(QUrl::StripTrailingSlash)
                             + QStringLiteral("/Home/download/download.asp#GX42Lyxa");
        EXPECT_EQ(d.LL_Check_Update->text(),
                  QStringLiteral("<a href=\"%1\">New Version Available. Click Here for more Details</a>").arg(link));
        emit d.LL_Check_Update->linkActivated(link);
        EXPECT_EQ(opened, QStringList{link});
    }

    using Mode = LoopbackHttpServer::Mode;
    platform::HttpGetOptions quick;
    quick.timeout = 300ms;
    const std::pair<Mode, QByteArray> noNewer[] = {
        {Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nVER. 0.000"},
        {Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nVER. 2.306"},
        {Mode::Silent, {}},
    };
    for (const auto &[mode, reply] : noNewer) {
        SCOPED_TRACE(reply.toStdString());
        LoopbackHttpServer server(mode, reply);
        d.setVersionService(server.url(), quick);
        d.LL_Check_Update->hide();
        d.Btn_Check_Update->Click();
        ASSERT_TRUE(testsupport::processEventsUntil([&] { return !d.LL_Check_Update->isHidden(); }));
        EXPECT_GE(server.connectionCount(), 1);
        EXPECT_EQ(d.LL_Check_Update->text(), QStringLiteral("No Update Available"));
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(OptionsDialogTest, TheMainWindowsTimerRunsTheDialogsCheck)
{
    writeText(QStringLiteral("Rostavelin.xml"),
              QStringLiteral("<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                             "<enable_update>1</enable_update></lastinternet></Conf_Settings>"));
    start(1007);
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Reply, NewerReply.toLatin1());
    forms.FSoftOptions->setVersionService(server.url());
    EXPECT_TRUE(mainWindow().Timer_Update->isEnabled());
    mainWindow().Timer_UpdateTimer();
    EXPECT_FALSE(mainWindow().Timer_Update->isEnabled()) << "stopped until the service answers";
    ASSERT_TRUE(testsupport::processEventsUntil([&] { return !mainWindow().LL_Update->isHidden(); }));
    EXPECT_TRUE(server.lastRequest().startsWith("GET /home/download/GetversionSW.asp?nomesw=PX42Lyxa "));
    EXPECT_TRUE(mainWindow().LL_Update->text().contains(QStringLiteral("/Home/download/download.asp#GX42Lyxa\">")));
    EXPECT_EQ(mainWindow().Timer_Update->interval(), 2h);
}

TEST_F(OptionsDialogTest, OkStoresTheChoicesAndTheMainWindowSavesThem)
{
    writeLanguage(QStringLiteral("English"));
    writeLanguage(QStringLiteral("Deutsch"), {{15, QStringLiteral("Neue Konfiguration")}});
    start();
    ASSERT_FALSE(mainWindow().Timer_Update->isEnabled());

    throughOptionsButton([&](TFSoftOptions &d) {
        d.CB_En_Con->click();
        d.CB_Update->click();
        d.LangClick(d.L_L[slotOfLanguage(d, QStringLiteral("Deutsch"))]);
        EXPECT_EQ(app::state().Language_Name, QStringLiteral("English")) << "only OK changes it";
        d.Btn_OK->Click();
    });
    EXPECT_EQ(settingsValue("lastlang", "language"), QStringLiteral("Deutsch"));
    EXPECT_EQ(settingsValue("lastinternet", "enable_internet"), QStringLiteral("1"));
    EXPECT_EQ(settingsValue("lastinternet", "enable_update"), QStringLiteral("1"));
    EXPECT_EQ(app::state().Language_Name, QStringLiteral("Deutsch"));
    EXPECT_TRUE(mainWindow().Timer_Update->isEnabled());
    EXPECT_EQ(mainWindow().Timer_Update->interval(), 1min);

    // Unticking the update and confirming stops the checks.
    throughOptionsButton([&](TFSoftOptions &d) {
        d.CB_Update->click();
        d.Btn_OK->Click();
    });
    EXPECT_EQ(settingsValue("lastinternet", "enable_update"), QStringLiteral("0"));
    EXPECT_FALSE(mainWindow().Timer_Update->isEnabled());
}

TEST_F(OptionsDialogTest, CancelStoresNothingButTheChosenTextsStayForThisRun)
{
    writeLanguage(QStringLiteral("English"));
    writeLanguage(QStringLiteral("Deutsch"), {{15, QStringLiteral("Neue Konfiguration")}});
    start();
    throughOptionsButton([&](TFSoftOptions &d) {
        d.CB_En_Con->click();
        d.CB_Update->click();
        d.LangClick(d.L_L[slotOfLanguage(d, QStringLiteral("Deutsch"))]);
        d.Btn_Cancel->Click();
    });
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Rostavelin.xml"))));
    EXPECT_EQ(app::state().Language_Name, QStringLiteral("English"));
    EXPECT_FALSE(app::state().Enable_Internet);
    EXPECT_FALSE(app::state().Enable_Update);
    EXPECT_FALSE(mainWindow().Timer_Update->isEnabled());
    EXPECT_EQ(mainWindow().Btn_New->Caption(), QStringLiteral("Neue Konfiguration"));

    // The next showing starts again from the stored language.
    throughOptionsButton([&](TFSoftOptions &d) {
        EXPECT_EQ(d.L_Sel_Lang->Caption(), QStringLiteral("Selected Language : English"));
        EXPECT_FALSE(d.CB_En_Con->isChecked());
        d.Btn_Cancel->Click();
    });
}

TEST_F(SevenLanguagesTest, ALanguageChangeRecaptionsEveryWindowThatFollowsTheLanguage)
{
    writeLanguage(QStringLiteral("Zulu"),
                  {{15, QStringLiteral("Zulu 15")},
                   {25, QStringLiteral("Zulu 25")},
                   {33, QStringLiteral("Zulu 33")},
                   {38, QStringLiteral("Zulu 38")},
                   {42, QStringLiteral("Zulu 42>")},
                   {43, QStringLiteral("Zulu 43<")},
                   {44, QStringLiteral("/")},
                   {45, QStringLiteral("Zulu 45")}});
    TFSoftOptions &d = start();
    d.show();
    d.Btn_Next->Click();
    ASSERT_EQ(shownLanguages(d), QStringList{"Zulu"});

    // No: nothing changes.
    messages.queueAnswer(platform::MessageAnswer::No);
    d.LangClick(d.L_L[0]);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Do you want to change the Language from English to Zulu?"));
    EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(messages.messages()[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Software Options"));
    EXPECT_EQ(mainWindow().Btn_New->Caption(), QStringLiteral("New Configuration"));

    // Yes, by a click on the flag: every window that follows the language
    // takes the new texts at once.
    messages.clear();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(d.I_L[0], &release);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(mainWindow().Btn_New->Caption(), QStringLiteral("Zulu 15"));
    EXPECT_EQ(forms.FNew_Project->windowTitle(), QStringLiteral("Zulu 25"));
    EXPECT_EQ(forms.FOpenConf->windowTitle(), QStringLiteral("Zulu 33"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Zulu 38"));
    EXPECT_EQ(d.Btn_Prev->Caption(), QStringLiteral("Zulu 45"));
    EXPECT_EQ(d.L_Sel_Lang->Caption(), QStringLiteral("Zulu 42>Zulu"));
    // Still the page that is shown.
    EXPECT_EQ(d.L_Page_Lang->Caption(), QStringLiteral("Zulu 43<2/2"));
    EXPECT_EQ(forms.FAbout->windowTitle(), QStringLiteral("About..."));
    EXPECT_EQ(app::state().Language_Name, QStringLiteral("English"));

    // The next question names the language now in use.
    messages.queueAnswer(platform::MessageAnswer::No);
    d.Btn_Prev->Click();
    d.LangClick(d.L_L[slotOfLanguage(d, QStringLiteral("English"))]);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Do you want to change the Language from Zulu to English?"));
}
