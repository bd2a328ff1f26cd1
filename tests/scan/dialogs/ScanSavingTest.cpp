// Saving the results on screen: append or replace, the start registers the
// device code asks for, the writer of the scan that produced the results,
// and the confirmation only when the file was written.
#include "ScanDialogFixture.h"

#include "platform/ModalResult.h"
#include "scan/QStringPrinter.h"
#include "scan/dialogs/ModbusStartAddDialog.h"
#include "scan/dialogs/ScanModbusStartDialog.h"
#include "support/DialogDoubles.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QDomDocument>
#include <QFile>
#include <tuple>

using namespace scan;
using namespace scandialogtest;
using testsupport::realFrame;

namespace {

struct Saved {
    bool wireless;
    TSaveConfXML data;
    bool checkBcd;
};

class ScanSaving : public ScanDialogTest {
protected:
    void wiredResults()
    {
        converter.bus().addSlave(5, 0x12345678, {realFrame("frame2")});
        converter.bus().addSlave(9, 0x00000042, {realFrame("abb_delta")});
        makeDialog(1);
        dialog->FileName_MBus = path(QStringLiteral("M_Bus.xml"));
        click("Btn_StartScan");
        finishScan();
        ASSERT_EQ(dialog->formStyle(), ScanFormStyle::WiredDone);
    }

    void recordSaves()
    {
        dialog->setResultWriters({[this](const TSaveConfXML &d, bool bcd) { return record(false, d, bcd); },
                                  [this](const TSaveConfXML &d, bool bcd) { return record(true, d, bcd); }});
    }

    TSaveConfResult record(bool wireless, const TSaveConfXML &data, bool checkBcd)
    {
        saved.push_back({wireless, data, checkBcd});
        TSaveConfResult result;
        result.outcome = writerAnswer;
        return result;
    }

    std::vector<Saved> saved;
    TSaveConfResult::Outcome writerAnswer = TSaveConfResult::Outcome::Written;
};

TEST_F(ScanSaving, MethodAndChoiceDecideAppendAndStartRegisters)
{
    wiredResults();
    recordSaves();
    using A = platform::MessageAnswer;
    struct Case {
        const char *name;
        bool fileExists;
        int kind;
        qint32 code;
        std::optional<A> question;   // the answer to text 437
        int dialogAnswer;            // what a start-register or start-address dialog closes with
        bool saves;
        qint32 append, modStart;
        QStringList dialogsShown;
    };
    const QStringList none;
    const QStringList startRegister{QStringLiteral("TFScanModbusStart")};
    const QStringList startAddress{QStringLiteral("TFModbusStartAdd_SD")};
    const Case cases[] = {
        {"new file", false, 0, 1, std::nullopt, platform::mrOk, true, 0, 1, none},
        {"cancel the question", true, 0, 1, A::Cancel, platform::mrOk, false, 0, 0, none},
        {"replace", true, 0, 1, A::No, platform::mrOk, true, 0, 1, none},
        {"append asks the start register", true, 0, 1, A::Yes, platform::mrOk, true, 1, 100, startRegister},
        {"cancel the start register", true, 0, 1, A::Yes, platform::mrCancel, false, 0, 0, startRegister},
        {"code 5 appends from 1", true, 0, 5, A::Yes, platform::mrOk, true, 1, 1, none},
        {"per node, new file", false, 1, 1, std::nullopt, platform::mrOk, true, 0, 1, startAddress},
        {"per node, append", true, 1, 14, A::Yes, platform::mrOk, true, 1, 1, startAddress},
        {"per node, cancelled", false, 1, 9, std::nullopt, platform::mrCancel, false, 0, 0, startAddress},
        {"per node, code 5", false, 1, 5, std::nullopt, platform::mrOk, true, 0, 1, none},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(dialog->FileName_MBus);
        if (c.fileExists)
            testsupport::writeFile(dialog->FileName_MBus, "<M-Bus_Network/>");
        saved.clear();
        messages.clear();
        if (c.question)
            messages.queueAnswer(*c.question);
        QStringList shown;
        testsupport::ModalScript script([&](QDialog &d) {
            shown << QString::fromLatin1(d.metaObject()->className()).section(u':', -1);
            if (auto *start = qobject_cast<TFScanModbusStart *>(&d); start && c.dialogAnswer == platform::mrOk) {
                start->findChild<QLineEdit *>(QStringLiteral("E_StartModAdd"))->setText(QStringLiteral("100"));
                start->Btn_OKClick(nullptr);
                return start->StartModAdd == 100 ? platform::mrOk : 0;
            }
            return c.dialogAnswer;
        });
        dialog->XML_Code_Dev = c.code;
        dialog->Select_SaveXML(c.kind);

        EXPECT_EQ(shown, c.dialogsShown);
        QStringList expectedMessages;
        if (c.fileExists)
            expectedMessages << app::text(437);
        if (c.saves)
            expectedMessages << app::text(430);
        EXPECT_EQ(messages.texts(), expectedMessages);
        ASSERT_EQ(saved.size(), c.saves ? 1u : 0u);
        if (!c.saves)
            continue;
        const TSaveConfXML &d = saved.front().data;
        EXPECT_FALSE(saved.front().wireless);
        EXPECT_EQ(d.Append, c.append);
        EXPECT_EQ(d.Mod_Start, c.modStart);
        EXPECT_EQ(d.StartModnode, c.kind);
        EXPECT_EQ(d.XML_Code_Dev, c.code);
        EXPECT_EQ(d.File_Name, dialog->FileName_MBus);
        if (c.kind == 1) {
            EXPECT_EQ(d.SMN_Array, (std::vector<qint32>{1, 1})) << "one filled row per slave";
        }
    }
}

TEST_F(ScanSaving, StartAddressRowsAreFilledAnewOnEverySave)
{
    wiredResults();
    recordSaves();
    dialog->XML_Code_Dev = 1;
    QStringList firstColumn;
    testsupport::ModalScript script([&](QDialog &d) {
        auto &dialogOfRows = dynamic_cast<TFModbusStartAdd_SD &>(d);
        auto *grid = dialogOfRows.findChild<controls::TExColumnGrid *>(QStringLiteral("sga"));
        firstColumn.clear();
        for (int row = 1; row < grid->RowCount(); ++row) {
            firstColumn << grid->Cells(0, row);
            EXPECT_EQ(grid->Cells(1, row), QStringLiteral("1"));
        }
        grid->setCells(1, 1, QStringLiteral("200"));
        return platform::mrOk;
    });
    dialog->Select_SaveXML(1);
    EXPECT_EQ(firstColumn, (QStringList{QStringLiteral("5 - 12345678"), QStringLiteral("9 - 42")}));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved.back().data.SMN_Array, (std::vector<qint32>{200, 1}));

    // Device code 5 shows no dialog, and its nodes read freshly filled rows.
    dialog->XML_Code_Dev = 5;
    dialog->Select_SaveXML(1);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved.back().data.SMN_Array, (std::vector<qint32>{1, 1}));
}

TEST_F(ScanSaving, NoConfirmationWhenTheWriterWroteNothing)
{
    wiredResults();
    recordSaves();
    writerAnswer = TSaveConfResult::Outcome::NothingToSave;
    dialog->Select_SaveXML(0);
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ScanSaving, TheListSavedIsTheOneOnScreenWithoutBusSettingsForWireless)
{
    makeDialog(1);
    dialog->FileName_MBus = path(QStringLiteral("M_Bus.xml"));
    recordSaves();
    converter.setRadio(testsupport::SimulatedRadio::Kind::Telit);
    list("CB_ScanMethod")->setCurrentIndex(1);
    click("Btn_StartScan");
    ASSERT_EQ(dialog->formStyle(), ScanFormStyle::WirelessRunning);
    click("Btn_StopScan");
    finishScan();
    ASSERT_EQ(dialog->formStyle(), ScanFormStyle::WirelessDone);

    // The options say otherwise by now; the results came from a wireless scan.
    list("CB_ScanMethod")->setCurrentIndex(0);
    list("CB_MBus_Baud")->setCurrentIndex(5);
    list("CB_MBus_Parity")->setCurrentIndex(2);
    child<QCheckBox>("CB_Opt_SND_NKE")->setChecked(true);
    child<QCheckBox>("CB_Opt_App_Reset")->setChecked(true);
    child<QCheckBox>("CB_Opt_Check_BCD_to_Int")->setChecked(true);
    edit("E_Opt_Cut_After")->setText(QStringLiteral("7"));
    dialog->Select_SaveXML(0);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_TRUE(saved.front().wireless);
    EXPECT_TRUE(saved.front().checkBcd);
    const TSaveConfXML &d = saved.front().data;
    EXPECT_EQ(std::tuple(d.Index_Baud, d.Index_Par, d.SND_NKE, d.Reset_App, d.Cut_After), std::tuple(0, 0, 0, 0, 3));
}

TEST_F(ScanSaving, AWiredScanSavedWritesTheNetworkWithTheTreesChecks)
{
    wiredResults();
    vtree::TLazyStringTreeWidget *lst = tree("LST");
    lst->SetCheckState(lst->GetFirst(), vtree::TCheckState::csUncheckedNormal);
    dialog->XML_Code_Dev = 1;
    dialog->Select_SaveXML(0);
    EXPECT_EQ(messages.texts(), QStringList{app::text(430)});

    QFile file(dialog->FileName_MBus);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    ASSERT_TRUE(document.setContent(&file));
    const QDomElement first = document.documentElement().firstChildElement(QStringLiteral("Nodo"));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.attribute(QStringLiteral("Node_Enable")), QStringLiteral("0"));
    EXPECT_EQ(first.attribute(QStringLiteral("ID_Primary")), QStringLiteral("5"));
    const QDomElement second = first.nextSiblingElement(QStringLiteral("Nodo"));
    EXPECT_EQ(second.attribute(QStringLiteral("Node_Enable")), QStringLiteral("1"));
}

} // namespace
