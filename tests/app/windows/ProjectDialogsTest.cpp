#include "support/DialogDoubles.h"
#include "support/GuiFixture.h"

#include "app/windows/Application.h"
#include "app/windows/MainWindow.h"
#include "app/windows/NewProjectDialog.h"
#include "app/windows/OpenProjectDialog.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

using app::TFNew_Project;
using app::TFOpenConf;

namespace {

class ProjectDialogsTest : public guitest::AppFolderTest {
protected:
    app::TFRostavelineFirmWare &start()
    {
        forms = app::createForms({}, appDir);
        return *forms.FRostavelineFirmWare;
    }

    // Every entry below the application folder, relative to it.
    QStringList entriesOfAppFolder() const
    {
        QStringList entries;
        QDirIterator it(appDir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << QDir(appDir).relativeFilePath(it.next());
        entries.sort();
        return entries;
    }

    // Types names into the new configuration dialog one after the other,
    // pressing OK after each, as Btn_New shows it.
    void createThroughStepOne(const QStringList &names)
    {
        testsupport::ModalScript modal([&](QDialog &dialog) {
            return guitest::runModal(dialog, [&](QDialog &d) {
                auto &newProject = static_cast<TFNew_Project &>(d);
                for (const QString &name : names) {
                    newProject.E_New_Proj->setText(name);
                    newProject.Btn_OKClick(newProject.Btn_OK);
                    if (!d.isVisible())
                        break;
                }
            });
        });
        forms.FRostavelineFirmWare->Btn_Click(forms.FRostavelineFirmWare->Btn_New);
    }

    // Shows the open dialog from Btn_Open; the script acts on it, then OK.
    void openThroughStepOne(const std::function<void(TFOpenConf &)> &script, bool ok = true)
    {
        testsupport::ModalScript modal([&](QDialog &dialog) {
            return guitest::runModal(dialog, [&](QDialog &d) {
                auto &open = static_cast<TFOpenConf &>(d);
                if (script)
                    script(open);
                (ok ? open.Btn_OK : open.Btn_Cancel)->Click();
            });
        });
        forms.FRostavelineFirmWare->Btn_Click(forms.FRostavelineFirmWare->Btn_Open);
    }

    app::Forms forms;
};

} // namespace

TEST_F(ProjectDialogsTest, NewConfigurationCreatesItsFolderWithBinAndOpensIt)
{
    app::TFRostavelineFirmWare &w = start();
    EXPECT_EQ(forms.FNew_Project->windowTitle(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(forms.FNew_Project->size(), QSize(331, 162));
    EXPECT_EQ(forms.FNew_Project->L_SW_Code->Caption(), QStringLiteral("PX42Lyxa"));
    createThroughStepOne({QStringLiteral("Plant A")});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("PROJECTS/Plant A/bin"))).isDir());
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Plant A"));
    EXPECT_EQ(app::state().Project_Dir, path(QStringLiteral("PROJECTS/Plant A")));
    EXPECT_EQ(app::state().File_ParGen, path(QStringLiteral("PROJECTS/Plant A/ParGen.xml")));
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Plant A"));
}

TEST_F(ProjectDialogsTest, RefusedNamesShowTheirTextKeepTheDialogOpenAndTouchNothing)
{
    start();
    makeFolder(QStringLiteral("PROJECTS/Plant"));
    writeText(QStringLiteral("PROJECTS/notes.txt"), QStringLiteral("x"));
    const QStringList before = entriesOfAppFolder();
    const struct {
        QString name;
        int text;
    } cases[] = {
        {QString(), 32},
        {QStringLiteral("Plant"), 31}, // an existing folder, empty as it is
        {QStringLiteral("PLANT"), 31}, // the same folder on a case-blind disk
        {QStringLiteral("notes.txt"), 30}, // a file, not a folder: it cannot be made
        {QStringLiteral("."), 30},
        {QStringLiteral(".."), 30},
        {QStringLiteral("../outside"), 30},
        {QStringLiteral("Plant/inner"), 30},
        {QStringLiteral("a\\b"), 30},
        {QStringLiteral("bad:name"), 30},
        {QStringLiteral("tab\there"), 30},
        {QStringLiteral("   "), 30}, // blanks only: no folder name on Windows, and lost from the settings file
        {QString(300, u'n'), 30}, // too long for any file system: the folder cannot be made
    };
    QStringList names;
    QStringList expected;
    for (const auto &c : cases) {
        names << c.name;
        expected << app::text(c.text);
    }
    createThroughStepOne(names);
    EXPECT_EQ(messages.texts(), expected);
    for (const auto &m : messages.messages()) {
        EXPECT_EQ(m.kind, platform::MessageKind::Error);
        EXPECT_EQ(m.buttons, platform::MessageButtons::Ok);
    }
    EXPECT_EQ(entriesOfAppFolder(), before);
    EXPECT_FALSE(app::state().isProjectOpen());
}

TEST_F(ProjectDialogsTest, RefusalOrderIsEmptyThenExistingThenNotCreatable)
{
    EXPECT_EQ(app::newProjectRefusal(appDir, QString()), 32);
    makeFolder(QStringLiteral("Same"));
    EXPECT_EQ(app::newProjectRefusal(appDir, QStringLiteral("Same")), 31);
    EXPECT_EQ(app::newProjectRefusal(appDir, QStringLiteral("Same/x")), 30);
    EXPECT_EQ(app::newProjectRefusal(appDir, QStringLiteral(" Blanks kept ")), 0);
}

TEST_F(ProjectDialogsTest, ARefusalLeavesTheDialogOpenForAnotherName)
{
    start();
    createThroughStepOne({QString(), QStringLiteral("Second try")});
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Error! Name Project is not valid")});
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Second try"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("PROJECTS/Second try/bin"))).isDir());
}

TEST_F(ProjectDialogsTest, EnterInTheNameActsAsOkAndCancelChangesNothing)
{
    start();
    TFNew_Project &dialog = *forms.FNew_Project;
    dialog.show();
    EXPECT_TRUE(dialog.E_New_Proj->text().isEmpty());
    dialog.E_New_Proj->setText(QStringLiteral("Typed"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(dialog.E_New_Proj, &enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), platform::mrOk);
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Typed"));

    // Shown again: the name is empty, and Cancel keeps the open configuration.
    testsupport::ModalScript modal([](QDialog &d) {
        return guitest::runModal(d, [](QDialog &dd) {
            auto &n = static_cast<TFNew_Project &>(dd);
            EXPECT_TRUE(n.E_New_Proj->text().isEmpty());
            n.E_New_Proj->setText(QStringLiteral("Other"));
            n.Btn_Cancel->Click();
        });
    });
    forms.FRostavelineFirmWare->Btn_Click(forms.FRostavelineFirmWare->Btn_New);
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Typed"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("PROJECTS/Other"))));
}

TEST_F(ProjectDialogsTest, OpenListsConfigurationFoldersSortedAndPreselectsTheFirst)
{
    start();
    for (const char *folder : {"gamma", "Alpha", "beta", ".hidden"})
        makeFolder(QStringLiteral("PROJECTS/") + QString::fromLatin1(folder));
    writeText(QStringLiteral("PROJECTS/readme.txt"), QStringLiteral("not a configuration"));

    QStringList listed;
    QString preselected;
    openThroughStepOne([&](TFOpenConf &open) {
        for (int i = 0; i < open.ListBox1->count(); ++i)
            listed << open.ListBox1->item(i)->text();
        preselected = open.ListBox1->currentItem() ? open.ListBox1->currentItem()->text() : QString();
    });
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("gamma")}));
    EXPECT_EQ(preselected, QStringLiteral("Alpha"));
    EXPECT_EQ(app::state().Project_Dir, path(QStringLiteral("PROJECTS/Alpha")));
    EXPECT_EQ(forms.FRostavelineFirmWare->L_Name_Conf_L2->Caption(), QStringLiteral("Alpha"));
}

TEST_F(ProjectDialogsTest, OpenPreselectsTheOpenConfigurationIgnoringLetterCase)
{
    start();
    for (const char *folder : {"Alpha", "Plant B", "Zulu"})
        makeFolder(QStringLiteral("PROJECTS/") + QString::fromLatin1(folder));
    app::state().Project_Name = QStringLiteral("PLANT b");
    app::state().Project_Dir = app::state().projectFolder(QStringLiteral("PLANT b"));

    QString preselected;
    openThroughStepOne([&](TFOpenConf &open) { preselected = open.ListBox1->currentItem()->text(); });
    EXPECT_EQ(preselected, QStringLiteral("Plant B"));
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Plant B"));
    EXPECT_EQ(forms.FOpenConf->Search_Open_Conf(QStringLiteral("zULU")), 2);
    EXPECT_EQ(forms.FOpenConf->Search_Open_Conf(QStringLiteral("nothing")), -1);
}

TEST_F(ProjectDialogsTest, ChoosingAnotherEntryOpensItAndCancelChangesNothing)
{
    start();
    for (const char *folder : {"Alpha", "Beta"})
        makeFolder(QStringLiteral("PROJECTS/") + QString::fromLatin1(folder));
    openThroughStepOne([](TFOpenConf &open) { open.ListBox1->setCurrentRow(1); });
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Beta"));

    openThroughStepOne([](TFOpenConf &open) { open.ListBox1->setCurrentRow(0); }, false);
    EXPECT_EQ(app::state().Project_Name, QStringLiteral("Beta"));
    EXPECT_EQ(app::state().Project_Dir, path(QStringLiteral("PROJECTS/Beta")));
}

TEST_F(ProjectDialogsTest, OpeningFromAnEmptyProjectsFolderLeavesNoConfigurationOpen)
{
    makeFolder(QStringLiteral("PROJECTS/Old"));
    writeSettingsNaming(QStringLiteral("Old"));
    app::TFRostavelineFirmWare &w = start();
    ASSERT_TRUE(app::state().isProjectOpen());
    ASSERT_TRUE(QDir(path(QStringLiteral("PROJECTS/Old"))).removeRecursively());

    openThroughStepOne([](TFOpenConf &open) { EXPECT_EQ(open.ListBox1->count(), 0); });
    EXPECT_FALSE(app::state().isProjectOpen());
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Use Step1 to open or create new configuration"));
    w.Btn_Click(w.Btn_Prm_Gen);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Error! Project not Valid")});
}

TEST_F(ProjectDialogsTest, OpenDialogTextsAndSize)
{
    start();
    TFOpenConf &open = *forms.FOpenConf;
    EXPECT_EQ(open.windowTitle(), QStringLiteral("Open Configuration"));
    EXPECT_EQ(open.size(), QSize(377, 351));
    EXPECT_EQ(open.L_SW_Desc->Caption(), QStringLiteral("Open an Existing Configuration"));
    EXPECT_EQ(open.Label1->Caption(), QStringLiteral("List of Avaliable Configurations"));
    EXPECT_EQ(open.Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(open.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(open.Btn_OK->ModalResult(), platform::mrOk);
    EXPECT_EQ(open.Btn_Cancel->ModalResult(), platform::mrCancel);
    open.show();
    open.resize(500, 450);
    EXPECT_EQ(open.ListBox1->geometry().right(), 500 - 17) << "the list follows the dialog";
    EXPECT_EQ(open.Btn_Cancel->mapTo(&open, QPoint(0, 0)).y(), 450 - 44 + 9);
    open.hide();

    TFNew_Project &created = *forms.FNew_Project;
    EXPECT_EQ(created.L_SW_Desc->Caption(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(created.Label1->Caption(), QStringLiteral("Name of the new Configuration"));
    EXPECT_EQ(created.Btn_OK->ModalResult(), 0) << "OK closes only after its checks";
    EXPECT_EQ(created.Btn_Cancel->ModalResult(), platform::mrCancel);
}
