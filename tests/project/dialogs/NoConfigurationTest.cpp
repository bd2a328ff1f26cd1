// With no configuration open, no dialog writes ParGen.xml or M_Bus.xml, in
// the current folder or anywhere else: steps 2 and 3 refuse to open, and a
// dialog whose configuration was closed meanwhile refuses to save.
#include "support/DialogDoubles.h"
#include "support/GuiFixture.h"

#include "controls/dropdown/LbButton.h"
#include "project/dialogs/MBusNetworkDialog.h"
#include "project/dialogs/ParGenDialog.h"

#include <QDir>
#include <QDirIterator>

namespace {

class NoConfiguration : public guitest::AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        previousFolder = QDir::currentPath();
        makeFolder(QStringLiteral("work"));
        ASSERT_TRUE(QDir::setCurrent(path(QStringLiteral("work"))));
        app::state().setUpFolders(appDir);
        makeFolder(QStringLiteral("PROJECTS/Plant"));
    }
    void TearDown() override
    {
        QDir::setCurrent(previousFolder);
        AppFolderTest::TearDown();
    }

    // Every file under the application folder.
    QStringList files() const
    {
        QStringList found;
        for (QDirIterator it(appDir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            found << QDir(appDir).relativeFilePath(it.next());
        return found;
    }

    QString previousFolder;
    QWidget mainWindow;
};

TEST_F(NoConfiguration, StepsTwoAndThreeRefuseToOpen)
{
    int shown = 0;
    testsupport::ModalScript modal([&](QDialog &) { return ++shown, 0; });
    project::generalParametersStep(1)(mainWindow);
    project::mbusNetworkStep(1)(mainWindow);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(messages.texts(), QStringList({"Error! Project not Valid", "Error! Project not Valid"}));
    EXPECT_TRUE(mainWindow.findChildren<QDialog *>().isEmpty());
}

TEST_F(NoConfiguration, ADialogWhoseConfigurationClosedSavesNothing)
{
    app::state().openProject(QStringLiteral("Plant"));
    project::TFParGen parGen(1);
    project::TFMeter_Bus network(1);
    app::state().openProject(QString());

    parGen.Btn_OK->Click();
    network.Btn_OK->Click();
    network.Btn_ImportNetClick(network.Btn_ImportNet);
    EXPECT_EQ(messages.texts(), QStringList({"Error! Project not Valid", "Error! Project not Valid",
                                             "Error! Project not Valid"}));
    EXPECT_EQ(files(), QStringList{});
}

} // namespace
