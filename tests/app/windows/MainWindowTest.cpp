#include "support/DialogDoubles.h"
#include "support/GuiFixture.h"

#include "app/ConverterType.h"
#include "app/windows/AboutDialog.h"
#include "app/windows/Application.h"
#include "app/windows/MainWindow.h"
#include "app/windows/MainWindowLayout.h"
#include "app/windows/NewProjectDialog.h"
#include "app/windows/OpenProjectDialog.h"
#include "controls/dropdown/LbButton.h"
#include "platform/IntervalTimer.h"
#include "platform/Xml.h"
#include "platform/ui/Label.h"
#include "platform/ui/Shape.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QLabel>
#include <optional>

using app::TFRostavelineFirmWare;
using controls::TLbButton;

namespace {

class MainWindowTest : public guitest::AppFolderTest {
protected:
    TFRostavelineFirmWare &start(int type = 1)
    {
        forms = app::createForms(steps, appDir, type);
        return *forms.FRostavelineFirmWare;
    }

    // Step hooks that count their calls.
    app::StepHandlers countingSteps()
    {
        app::StepHandlers s;
        s.generalParameters = [this](QWidget &) { calls << QStringLiteral("generalParameters"); };
        s.mbusNetwork = [this](QWidget &) { calls << QStringLiteral("mbusNetwork"); };
        s.updateDevice = [this](QWidget &) { calls << QStringLiteral("updateDevice"); };
        s.scanDecode = [this](QWidget &) { calls << QStringLiteral("scanDecode"); };
        return s;
    }

    // The text of Conf_Settings/<group>/<value> in the settings file, or
    // nothing when the element is missing.
    std::optional<QString> settingsValue(const char *group, const char *value) const
    {
        QDomDocument document;
        if (!document.setContent(testsupport::readFile(path(QStringLiteral("Rostavelin.xml")))))
            return std::nullopt;
        const QDomElement element =
            document.documentElement().firstChildElement(QString::fromLatin1(group)).firstChildElement(QString::fromLatin1(value));
        if (element.isNull())
            return std::nullopt;
        return element.text();
    }

    app::StepHandlers steps;
    app::Forms forms;
    QStringList calls;
};

// The window's widgets by step-guide slot.
QWidget *stepButton(TFRostavelineFirmWare &w, int i)
{
    QWidget *buttons[] = {w.Btn_Prm_Gen, w.Btn_MBus, w.Btn_CreateBin, w.Btn_ScanDecode};
    return buttons[i];
}

} // namespace

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderCreatesTheProgramFoldersAndOpensNothing)
{
    TFRostavelineFirmWare &w = start();
    for (const char *folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QFileInfo(path(QString::fromLatin1(folder))).isDir()) << folder;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tervikon - Configurator PX42Lyxa - M-Bus / Modbus TCP "));
    EXPECT_EQ(w.size(), QSize(694, 396));
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Use Step1 to open or create new configuration"));
    EXPECT_FALSE(app::state().isProjectOpen());
    EXPECT_FALSE(w.Timer_Update->isEnabled());
    EXPECT_TRUE(w.LL_Update->isHidden());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainWindowTest, TheWindowOffersTheSystemMenuAndCloseOnly)
{
    TFRostavelineFirmWare &w = start();
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)); // without it the platform adds every button
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    // A fixed size: nothing to maximise to.
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
}

TEST_F(MainWindowTest, EveryControlStandsAtItsPlaceWithItsText)
{
    TFRostavelineFirmWare &w = start();
    const struct {
        QWidget *control;
        QPoint pos;
        QString text;
    } table[] = {
        {w.L_SW_Code, {16, 8}, QStringLiteral("PX42Lyxa")},
        {w.L_SW_Desc, {16, 42}, QStringLiteral("M-Bus / Modbus TCP - Converter")},
        {w.L_Begin, {16, 84}, QStringLiteral("Begin")},
        {w.L_Name_Conf, {87, 75}, QStringLiteral("None Configuration Opened ")},
        {w.L_Name_Conf_L2, {87, 88}, QStringLiteral("Use Step1 to open or create new configuration")},
        {w.L_Step[0], {16, 128}, QStringLiteral("Step 1")},
        {w.L_Step[1], {16, 172}, QStringLiteral("Step 2")},
        {w.L_Step[2], {16, 216}, QStringLiteral("Step 3")},
        {w.L_Step[3], {16, 260}, QStringLiteral("Step 4")},
        {w.L_Tervik, {565, 260}, {}},
        {w.Btn_Info, {516, 8}, {}},
        {w.Btn_Opz, {574, 8}, {}},
        {w.Btn_Close, {632, 8}, {}},
        {w.Btn_New, {80, 112}, QStringLiteral("New Configuration")},
        {w.Btn_Open, {258, 112}, QStringLiteral("Open Configuration")},
        {w.Btn_Prm_Gen, {80, 156}, QStringLiteral("Set Communication")},
        {w.Btn_MBus, {80, 200}, QStringLiteral("M-Bus Access")},
        {w.Btn_CreateBin, {80, 244}, QStringLiteral("Update Device")},
        {w.Btn_ScanDecode, {516, 70}, QStringLiteral("Scan && Decode")},
        {w.Shape2, {80, 70}, {}},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.control->objectName().toStdString());
        EXPECT_EQ(row.control->pos(), row.pos);
        EXPECT_FALSE(row.control->isHidden());
        if (row.text.isNull())
            continue;
        if (auto *button = qobject_cast<TLbButton *>(row.control))
            EXPECT_EQ(button->Caption(), row.text);
        else
            EXPECT_EQ(static_cast<platform::TLabel *>(row.control)->Caption(), row.text);
    }
    for (std::size_t i = 4; i < 8; ++i) {
        EXPECT_TRUE(w.L_Step[i]->isHidden()) << "step " << i + 1;
        EXPECT_EQ(w.L_Step[i]->pos(), QPoint(16, 128 + 44 * static_cast<int>(i)));
    }
    EXPECT_EQ(w.Shape1->geometry(), QRect(10, 295, 674, 1));
    for (TLbButton *b : {w.Btn_New, w.Btn_Open, w.Btn_Prm_Gen, w.Btn_MBus, w.Btn_CreateBin})
        EXPECT_EQ(b->size(), QSize(170, 36)) << b->objectName().toStdString();
    EXPECT_EQ(w.Btn_ScanDecode->size(), QSize(166, 36));
    for (TLbButton *b : {w.Btn_Info, w.Btn_Opz, w.Btn_Close}) {
        EXPECT_EQ(b->size(), QSize(50, 50));
        EXPECT_TRUE(b->ShowHint());
    }
    EXPECT_EQ(w.Btn_Info->Hint(), QStringLiteral("Information"));
    EXPECT_EQ(w.Btn_Opz->Hint(), QStringLiteral("Options"));
    EXPECT_EQ(w.Btn_Close->Hint(), QStringLiteral("Close Configurator"));
    EXPECT_EQ(w.font().pixelSize(), 11) << "Verdana 8 pt";
}

TEST_F(MainWindowTest, StepGuideOfEveryConverterType)
{
    for (const int type : app::AllConverterTypes) {
        SCOPED_TRACE(type);
        app::state() = app::AppState{};
        TFRostavelineFirmWare &w = start(type);
        const bool scan = type == 1 || type == 2 || type == 3 || type == 6 || type == 7 || type == 1007;
        const bool partner = type == 1001 || type == 1007;
        EXPECT_EQ(w.windowTitle(), app::converterInfo(type).swTitle);
        EXPECT_EQ(w.L_SW_Code->Caption(), app::converterInfo(type).swCode);
        EXPECT_EQ(w.L_SW_Desc->Caption(), app::converterInfo(type).swDesc);
        EXPECT_EQ(w.size(), QSize(694, 396));
        EXPECT_EQ(!w.Btn_ScanDecode->isHidden(), scan);
        EXPECT_EQ(!w.L_Tervik->isHidden(), !partner);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(!w.L_Step[i]->isHidden(), i < 4) << "step " << i + 1;
        for (TLbButton *b : {w.Btn_New, w.Btn_Open, w.Btn_Prm_Gen, w.Btn_MBus, w.Btn_CreateBin})
            EXPECT_FALSE(b->isHidden());
        EXPECT_EQ(w.Btn_MBus->pos(), QPoint(80, 200));
        EXPECT_EQ(w.Btn_CreateBin->pos(), QPoint(80, 244));
        EXPECT_FALSE(w.Shape1->isHidden());
    }
    // A value that is no converter type keeps the design's single-step-4 layout.
    const app::MainWindowLayout other = app::mainWindowLayout(8);
    EXPECT_FALSE(other.Btn_MBus.visible);
    EXPECT_FALSE(other.L_Step[0].visible);
    EXPECT_EQ(other.Btn_CreateBin.pos, QPoint(80, 332));
}

TEST_F(MainWindowTest, CloseWritesTheSettingsFileWithEveryDefault)
{
    TFRostavelineFirmWare &w = start();
    w.show();
    w.Btn_Click(w.Btn_Close);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(settingsValue("lastproj", "projectname"), QString());
    EXPECT_EQ(settingsValue("lastipadd", "ipaddress"), QStringLiteral("192.168.2.205"));
    EXPECT_EQ(settingsValue("lastlang", "language"), QStringLiteral("English"));
    EXPECT_EQ(settingsValue("lastinternet", "enable_internet"), QStringLiteral("0"));
    EXPECT_EQ(settingsValue("lastinternet", "enable_update"), QStringLiteral("0"));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses)
{
    // A folder in place of the file: no write can replace it.
    makeFolder(QStringLiteral("Rostavelin.xml"));
    TFRostavelineFirmWare &w = start();
    w.show();
    w.Btn_Click(w.Btn_Close);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Error);
    EXPECT_FALSE(messages.messages()[0].text.isEmpty());
}

TEST_F(MainWindowTest, StepsRefuseWithText18WhileNoConfigurationIsOpen)
{
    steps = countingSteps();
    TFRostavelineFirmWare &w = start();
    for (int i = 0; i < 4; ++i) {
        messages.clear();
        w.Btn_Click(stepButton(w, i));
        SCOPED_TRACE(stepButton(w, i)->objectName().toStdString());
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Error! Project not Valid"));
        EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Error);
        EXPECT_EQ(messages.messages()[0].buttons, platform::MessageButtons::Ok);
    }
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(MainWindowTest, WithAConfigurationOpenTheStepsCallTheirHandlers)
{
    makeFolder(QStringLiteral("PROJECTS/Plant"));
    writeSettingsNaming(QStringLiteral("Plant"));
    steps = countingSteps();
    TFRostavelineFirmWare &w = start();
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Plant"));
    EXPECT_EQ(app::state().File_ParGen, path(QStringLiteral("PROJECTS/Plant/ParGen.xml")));
    EXPECT_EQ(app::state().File_M_Bus, path(QStringLiteral("PROJECTS/Plant/M_Bus.xml")));
    for (int i = 0; i < 4; ++i)
        w.Btn_Click(stepButton(w, i));
    EXPECT_EQ(calls, (QStringList{QStringLiteral("generalParameters"), QStringLiteral("mbusNetwork"),
                                  QStringLiteral("updateDevice"), QStringLiteral("scanDecode")}));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainWindowTest, ADeletedLastConfigurationStartsClosedButKeepsItsName)
{
    writeSettingsNaming(QStringLiteral("Gone"));
    TFRostavelineFirmWare &w = start();
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Gone"));
    w.Btn_Click(w.Btn_Prm_Gen);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Error! Project not Valid")});
    w.close();
    EXPECT_EQ(settingsValue("lastproj", "projectname"), QStringLiteral("Gone"));
}

TEST_F(MainWindowTest, ALastConfigurationNameLeadingOutsideProjectsOpensNothing)
{
    makeFolder(QStringLiteral("PROJECTS"));
    writeSettingsNaming(QStringLiteral(".."));
    steps = countingSteps();
    TFRostavelineFirmWare &w = start();
    EXPECT_FALSE(app::state().isProjectOpen());
    w.Btn_Click(w.Btn_Prm_Gen);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(MainWindowTest, TextsComeFromTheChosenLanguageAndALanguageChangeReappliesThem)
{
    makeFolder(QStringLiteral("LANGUAGE"));
    writeText(QStringLiteral("LANGUAGE/Italiano.lng"),
              QStringLiteral("STR 0 = Inizio\nSTR 15 = Nuova Configurazione\nSTR 9 = Nessuna\nSTR 25 = Crea\n"));
    writeText(QStringLiteral("Rostavelin.xml"),
              QStringLiteral("<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>"));
    TFRostavelineFirmWare &w = start();
    EXPECT_EQ(w.L_Begin->Caption(), QStringLiteral("Inizio"));
    EXPECT_EQ(w.Btn_New->Caption(), QStringLiteral("Nuova Configurazione"));
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("Nessuna"));
    EXPECT_EQ(forms.FNew_Project->windowTitle(), QStringLiteral("Crea"));

    // Back to English: buttons and dialogs follow at once, the configuration
    // frame only when it is next built.
    app::languageTable().Load_Default_Texts();
    w.Change_Language();
    EXPECT_EQ(w.L_Begin->Caption(), QStringLiteral("Begin"));
    EXPECT_EQ(w.Btn_New->Caption(), QStringLiteral("New Configuration"));
    EXPECT_EQ(forms.FNew_Project->windowTitle(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(forms.FOpenConf->windowTitle(), QStringLiteral("Open Configuration"));
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("Nessuna"));
}

TEST_F(MainWindowTest, InformationOpensAboutAndOptionsSavesWhenConfirmed)
{
    bool confirm = false;
    steps.options = [&] {
        app::state().Enable_Internet = true;
        app::state().Enable_Update = true;
        return confirm;
    };
    TFRostavelineFirmWare &w = start();
    QStringList shown;
    testsupport::ModalScript modal([&](QDialog &dialog) {
        shown << dialog.metaObject()->className();
        return guitest::runModal(dialog, [](QDialog &d) { static_cast<app::TFAbout &>(d).LbButton1->Click(); });
    });
    w.Btn_Click(w.Btn_Info);
    EXPECT_EQ(shown, QStringList{QStringLiteral("app::TFAbout")});

    w.Btn_Click(w.Btn_Opz);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Rostavelin.xml")))) << "cancelled: nothing saved";
    confirm = true;
    w.Btn_Click(w.Btn_Opz);
    EXPECT_EQ(settingsValue("lastinternet", "enable_internet"), QStringLiteral("1"));
    EXPECT_EQ(settingsValue("lastinternet", "enable_update"), QStringLiteral("1"));
    EXPECT_TRUE(w.Timer_Update->isEnabled());
}

TEST_F(MainWindowTest, VersionCheckArmedByBothFlagsShowsTheDownloadLink)
{
    writeText(QStringLiteral("Rostavelin.xml"),
              QStringLiteral("<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                             "<enable_update>1</enable_update></lastinternet></Conf_Settings>"));
    bool newer = true;
    steps.checkVersion = [&](std::function<void(bool)> answer) { answer(newer); };
    TFRostavelineFirmWare &w = start(1007);
    EXPECT_TRUE(w.Timer_Update->isEnabled());
    EXPECT_EQ(w.Timer_Update->interval(), std::chrono::minutes(1));

    w.Timer_UpdateTimer();
    EXPECT_FALSE(w.LL_Update->isHidden());
    EXPECT_TRUE(w.LL_Update->text().contains(QStringLiteral("/Home/download/download.asp#GX42Lyxa\"")));
    EXPECT_TRUE(w.LL_Update->text().contains(QStringLiteral("New Version Available. Click Here for more Details</a>")));
    EXPECT_EQ(w.Timer_Update->interval(), std::chrono::hours(2));
    EXPECT_TRUE(w.Timer_Update->isEnabled());

    newer = false;
    w.Timer_UpdateTimer();
    EXPECT_TRUE(w.LL_Update->isHidden());
}

TEST_F(MainWindowTest, MakerLinkOpensTheProductPageOfTypesOneToSeven)
{
    start(3).L_TervikClick(nullptr);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("/HOME/default.asp?frompg=PX42Nqib")));
    start(1001).L_TervikClick(nullptr);
    EXPECT_EQ(opened.size(), 1);
}
