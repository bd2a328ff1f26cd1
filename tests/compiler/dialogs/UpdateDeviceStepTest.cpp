#include "WizardFixture.h"
#include "support/DialogDoubles.h"

#include "compiler/ProjectCompiler.h"
#include "compiler/dialogs/UpdateDeviceStep.h"
#include "compiler/dialogs/UpdateToolRun.h"
#include "controls/dropdown/LbButton.h"
#include "project/ParGenFile.h"
#include "project/NetworkFile.h"
#include "project/ParGenValues.h"
#include "support/NetworkFixtures.h"

#include <QComboBox>
#include <QDomDocument>
#include <QLineEdit>
#include <optional>

using compiler::UpdateWizard;

namespace {

class UpdateDeviceStep : public wizardtest::WizardTest {
protected:
    // ParGen.xml as the general parameters dialog writes it for the type,
    // with the board variant given (added even where the type has none).
    void writeParGen(int type, std::optional<int> boardVariant) const
    {
        const QString file = app::state().File_ParGen;
        ASSERT_FALSE(project::writeParGenFile(file, project::ParGenValues(type)).has_value());
        if (!boardVariant)
            return;
        QDomDocument document;
        ASSERT_TRUE(document.setContent(testsupport::readFile(file)));
        QDomElement root = document.documentElement();
        QDomElement selDev = root.firstChildElement("Sel_Dev");
        if (selDev.isNull())
            selDev = root.appendChild(document.createElement("Sel_Dev")).toElement();
        while (selDev.hasChildNodes())
            selDev.removeChild(selDev.firstChild());
        selDev.appendChild(document.createTextNode(QString::number(*boardVariant)));
        testsupport::writeFile(file, document.toByteArray());
    }

    QStringList binFiles() const
    {
        return QDir(app::state().Project_Dir + "/bin").entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    std::vector<UpdateWizard> run(int type)
    {
        std::vector<UpdateWizard> shown;
        compiler::Update_Device(type, [&](UpdateWizard wizard) { shown.push_back(wizard); });
        return shown;
    }
};

TEST_F(UpdateDeviceStep, CompilesAndOpensTheWizardOfTheModelAndBoard)
{
    const auto E = UpdateWizard::Ethernet;
    const auto S = UpdateWizard::Serial;
    struct Case {
        int type;
        std::optional<int> parGen; // nullopt: no ParGen.xml; else its Sel_Dev
        UpdateWizard wizard;
        int variantCompiled;
    };
    const std::optional<int> none;
    const Case cases[] = {
        {1, 1, E, 1},       {1, 0, S, 0},       {1, none, S, 0},    {1, 2, S, 2},
        {1001, 1, E, 1},    {1001, 0, S, 0},    {2, 1, E, 1},       {2, 0, S, 0},
        {2, none, S, 0},    {3, 1, E, 1},       {3, 0, S, 0},       {3, none, S, 0},
        // The other models have one board: a Sel_Dev in their file is not read.
        {4, 1, S, 0},       {5, 1, S, 0},       {5, none, S, 0},    {6, 0, E, 0},
        {7, 0, E, 0},       {1007, 0, E, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", Sel_Dev " << (c.parGen ? *c.parGen : -1));
        QFile::remove(app::state().File_ParGen);
        QDir(app::state().Project_Dir + "/bin").removeRecursively();
        if (c.parGen)
            writeParGen(c.type, c.parGen);

        EXPECT_EQ(run(c.type), std::vector<UpdateWizard>{c.wizard});
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();

        // The banks in bin are those of the variant the step read.
        const app::AppState &s = app::state();
        const compiler::CompileResult expected =
            compiler::compileBanks({c.type, c.variantCompiled, s.File_ParGen, s.File_M_Bus});
        ASSERT_TRUE(expected.ok());
        QStringList names;
        for (const compiler::BankFile &bank : expected.banks) {
            names << bank.name;
            EXPECT_EQ(testsupport::readFile(s.Project_Dir + "/bin/" + bank.name), bank.bytes) << bank.name.toStdString();
        }
        names.sort();
        EXPECT_EQ(binFiles(), names);
    }
}

TEST_F(UpdateDeviceStep, ErrorsStopTheStepBeforeAnyWizard)
{
    struct Case {
        const char *name;
        int type;
        std::function<void(UpdateDeviceStep &)> prepare;
        std::function<bool(const QString &)> expectedText;
    };
    const Case cases[] = {
        {"ParGen.xml not well-formed, board variant read", 1,
         [](UpdateDeviceStep &) { testsupport::writeFile(app::state().File_ParGen, "<GeneralParameter><Sel_Dev>1"); },
         [](const QString &t) { return t.contains("ParGen.xml"); }},
        {"ParGen.xml not well-formed, no board variant", 5,
         [](UpdateDeviceStep &) { testsupport::writeFile(app::state().File_ParGen, "<GeneralParameter"); },
         [](const QString &t) { return t.contains("ParGen.xml"); }},
        {"M_Bus.xml not well-formed", 4,
         [](UpdateDeviceStep &) { testsupport::writeFile(app::state().File_M_Bus, "<MBus><Nodo>"); },
         [](const QString &t) { return t.contains("M_Bus.xml"); }},
        {"bin cannot be a folder", 6,
         [](UpdateDeviceStep &) {
             QDir(app::state().Project_Dir + "/bin").removeRecursively();
             testsupport::writeFile(app::state().Project_Dir + "/bin", "a file");
         },
         [](const QString &t) { return t.startsWith("Error! The parameter banks could not be written\n"); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        QDir(app::state().Project_Dir).removeRecursively();
        openConfiguration(QStringLiteral("Plant A"));
        c.prepare(*this);

        EXPECT_TRUE(run(c.type).empty());
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Error);
        EXPECT_TRUE(c.expectedText(messages.texts()[0])) << messages.texts()[0].toStdString();
        EXPECT_TRUE(binFiles().isEmpty());
    }
}

TEST_F(UpdateDeviceStep, WiredNodesTheCompileLeavesOutAreNamedBeforeTheWizard)
{
    project::TNodo heat = nettest::wiredNode("Heat meter", 5);
    heat.Var_List.push_back(nettest::variable("Energy", 100));
    project::TNodo off = nettest::wiredNode("Switched off", 6);
    off.Enable = 0;
    project::TNodo radio = nettest::wirelessNode("Radio", "0x12345678");
    radio.wMBus_ManID = "0x2C2D";
    radio.Var_List.push_back(nettest::variable("Flow", 200));
    project::TNodo longName = nettest::wiredNode(QString(100, u'x'), 7);
    longName.Var_List.push_back(nettest::variable("Volume", 300));
    testsupport::writeFile(app::state().File_M_Bus, project::serializeNetwork({heat, off, radio, longName}, 7));

    for (const int type : {6, 7, 1007}) {
        SCOPED_TRACE(type);
        messages.clear();
        project::ParGenValues values(type); // the wired bus "Not Present"
        ASSERT_FALSE(project::writeParGenFile(app::state().File_ParGen, values).has_value());
        EXPECT_EQ(run(type), std::vector<UpdateWizard>{UpdateWizard::Ethernet});
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Information);
        // Each line cut to 60 characters.
        EXPECT_EQ(messages.texts()[0], app::text(compiler::TextWiredNodesLeftOut) + "\n1: Heat meter\n4: "
                                           + QString(57, u'x') + u'\u2026');

        // With the wired bus present every node is compiled and nothing is told.
        messages.clear();
        ASSERT_TRUE(values.setText("Sel_Dev_MBus_Present", "1"));
        ASSERT_FALSE(project::writeParGenFile(app::state().File_ParGen, values).has_value());
        EXPECT_EQ(run(type), std::vector<UpdateWizard>{UpdateWizard::Ethernet});
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
    }
}

TEST_F(UpdateDeviceStep, TheLeftOutNodesMessageListsAtMostTwentyNodes)
{
    QStringList nodes;
    for (int i = 1; i <= compiler::MaxListedNodes + 5; ++i)
        nodes << QStringLiteral("%1: Meter").arg(i);
    const QStringList lines = compiler::leftOutWiredNodesMessage(nodes).split(u'\n');
    ASSERT_EQ(lines.size(), 1 + compiler::MaxListedNodes + 1);
    EXPECT_EQ(lines.first(), app::text(compiler::TextWiredNodesLeftOut));
    EXPECT_EQ(lines[compiler::MaxListedNodes], "20: Meter");
    EXPECT_EQ(lines.last(), QStringLiteral("\u2026"));
    EXPECT_EQ(compiler::leftOutWiredNodesMessage({"3: A"}), app::text(compiler::TextWiredNodesLeftOut) + "\n3: A");
}

TEST_F(UpdateDeviceStep, RefusesWithoutAnOpenConfiguration)
{
    app::state().openProject(QString());
    EXPECT_TRUE(run(1).empty());
    EXPECT_EQ(messages.texts(), QStringList({"Error! Project not Valid"}));
}

// The handler main.cpp installs: each wizard is created once and shown
// modally, on its first page.
TEST_F(UpdateDeviceStep, TheHandlerShowsTheSameWizardsEveryTime)
{
    QStringList ports = {"7"};
    const app::StepHandler step = compiler::updateDeviceStep(
        1, compiler::TFBootTCP::Services{pinger, &clock, launches.launcher()},
        compiler::TFBootSer::Services{[&] { return ports; }, launches.launcher()});

    std::vector<QDialog *> shown;
    testsupport::ModalScript modal([&](QDialog &dialog) {
        shown.push_back(&dialog);
        return guitest::runModal(dialog, [&](QDialog &d) {
            if (auto *ethernet = qobject_cast<compiler::TFBootTCP *>(&d)) {
                EXPECT_FALSE(ethernet->E_IP1->isHidden());
                EXPECT_TRUE(ethernet->Btn_Update->isHidden());
            } else if (auto *serial = qobject_cast<compiler::TFBootSer *>(&d)) {
                EXPECT_EQ(serial->CB_Com->currentText(), "COM7");
            }
        });
    });

    QWidget mainWindow;
    writeParGen(1, 1);
    step(mainWindow);
    writeParGen(1, 0);
    step(mainWindow);
    writeParGen(1, 1);
    step(mainWindow);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_NE(qobject_cast<compiler::TFBootTCP *>(shown[0]), nullptr);
    EXPECT_NE(qobject_cast<compiler::TFBootSer *>(shown[1]), nullptr);
    EXPECT_EQ(shown[2], shown[0]);
    EXPECT_EQ(shown[0]->parentWidget(), &mainWindow);
    EXPECT_EQ(shown[1]->parentWidget(), &mainWindow);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_TRUE(launches.calls.empty());
}

} // namespace
