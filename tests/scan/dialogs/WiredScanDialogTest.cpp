// A wired scan run from the window against the simulated converter: the
// progress list, the tree of slaves and records, the end state, and a scan
// ended by closing the window.
#include "ScanDialogFixture.h"

#include "scan/AnalyzerProtocol.h"
#include "scan/dialogs/ScanNodeTexts.h"
#include "scan/dialogs/ScanProgressList.h"
#include "platform/ui/Label.h"
#include "scan/QStringPrinter.h"

#include <QImage>


using namespace scan;
using namespace scandialogtest;
using testsupport::realFrame;

namespace {

class WiredScanDialog : public ScanDialogTest {
protected:
    // Two slaves that answer real telegrams.
    void twoSlaves()
    {
        converter.bus().addSlave(5, 0x12345678, {realFrame("frame2")});
        converter.bus().addSlave(9, 0x00000042, {realFrame("abb_delta")});
    }
};

TEST_F(WiredScanDialog, AScanShowsItsProgressThenTheTreeOfSlavesRecordsAndDetails)
{
    twoSlaves();
    makeDialog();
    click("Btn_StartScan");
    EXPECT_EQ(dialog->formStyle(), ScanFormStyle::WiredRunning);
    EXPECT_TRUE(button("Btn_StopScan")->isVisible());
    EXPECT_TRUE(button("Btn_AbortScan")->isVisible());
    EXPECT_EQ(button("Btn_AbortScan")->x(), button("Btn_StopScan")->geometry().right() + 1 + 8);
    EXPECT_FALSE(button("Btn_StartScan")->isVisible());
    EXPECT_EQ(child<platform::TLabel>("L_ScanProgress")->text(), app::text(418));
    EXPECT_TRUE(dialog->scanTimerActive());

    finishScan();
    EXPECT_FALSE(dialog->scanTimerActive());
    EXPECT_EQ(dialog->formStyle(), ScanFormStyle::WiredDone);
    EXPECT_EQ(child<platform::TLabel>("L_ScanProgress")->text(), app::text(419));
    EXPECT_EQ(child<platform::TLabel>("L_Num_Slave")->text(), QStringLiteral("2"));
    for (const char *shown : {"Btn_NewScan", "Btn_SaveConf", "Btn_SaveConfManual"})
        EXPECT_TRUE(button(shown)->isVisible()) << shown;
    EXPECT_EQ(button("Btn_NewScan")->pos(), button("Btn_StartScan")->pos());
    EXPECT_FALSE(child<QWidget>("LB_AvailableDevice")->isVisible());

    // One line per address: found in blue, not found in red.
    auto *progress = child<TScanProgressList>("LB_AvailableDevice");
    ASSERT_EQ(progress->count(), 251);
    EXPECT_EQ(progress->item(5)->text(), QStringLiteral("ID = 5\t"));
    EXPECT_FALSE(progressLineLook(progress->item(5)->text()).notFound);
    const ProgressLineLook red = progressLineLook(progress->item(4)->text());
    EXPECT_TRUE(red.notFound);
    EXPECT_EQ(red.left, QStringLiteral("ID = 4"));
    EXPECT_EQ(red.right, QStringLiteral("[NOT FOUND]"));

    vtree::TLazyStringTreeWidget *lst = tree("LST");
    ASSERT_TRUE(lst->isVisible());
    int records = 0;
    {
        auto list = slaves.lock();
        ASSERT_EQ(list.count(), 2);
        for (const auto &slave : list)
            records += int(slave->List_Var.size());
    }
    ASSERT_GT(records, 0);
    std::array<int, 3> perLevel{};
    for (vtree::TLazyNode *node = lst->GetFirst(); node; node = lst->GetNext(node)) {
        const unsigned level = lst->GetNodeLevel(node);
        ++perLevel.at(level);
        EXPECT_EQ(node->CheckType == vtree::TCheckType::ctCheckBox, level < 2) << level;
        if (level < 2) {
            EXPECT_EQ(node->CheckState, vtree::TCheckState::csCheckedNormal);
        }
    }
    EXPECT_EQ(perLevel, (std::array<int, 3>{2, records, 12 * records}));

    auto list = slaves.lock();
    vtree::TLazyNode *first = lst->GetFirst();
    EXPECT_EQ(list.at(0).Node, first);
    EXPECT_EQ(lst->GetText(first, vtree::NoColumn), slaveNodeText(list.at(0)));
    vtree::TLazyNode *record = lst->GetFirstChild(first);
    EXPECT_EQ(list.at(0).List_Var.front()->Node, record);
    EXPECT_EQ(lst->GetText(record, vtree::NoColumn), recordNodeText(*list.at(0).List_Var.front()));
    EXPECT_EQ(lst->GetText(lst->GetFirstChild(record), vtree::NoColumn),
              QStringLiteral("Storage Number = %1").arg(list.at(0).List_Var.front()->storage_number));
}

TEST_F(WiredScanDialog, FreedNodesAreUnlinkedFromTheirSlavesAndRecords)
{
    twoSlaves();
    makeDialog();
    click("Btn_StartScan");
    finishScan();
    tree("LST")->Clear();
    auto list = slaves.lock();
    for (const auto &slave : list) {
        EXPECT_EQ(slave->Node, nullptr);
        for (const auto &record : slave->List_Var)
            EXPECT_EQ(record->Node, nullptr);
    }
}

TEST(ScanProgressList, FoundLinesAreBlueAndAddressesNobodyAnsweredRed)
{
    TScanProgressList list;
    list.resize(300, 120);
    list.addLine(QStringLiteral("ID = 4\t[NOT FOUND]"));
    list.addLine(QStringLiteral("ID = 5\t"));
    list.show();
    const QImage image = list.grab().toImage();
    // Text is smoothed at its edges: a pixel counts by its strongest channel.
    const auto hasColour = [&](QRect rows, QRgb wanted) {
        for (int y = rows.top(); y <= rows.bottom(); ++y)
            for (int x = rows.left(); x <= std::min(rows.right(), image.width() - 1); ++x) {
                const QRgb p = image.pixel(x, y);
                const bool red = qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100;
                const bool blue = qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100;
                if ((wanted == qRgb(255, 0, 0) && red) || (wanted == qRgb(0, 0, 255) && blue))
                    return true;
            }
        return false;
    };
    const QRect first = list.visualItemRect(list.item(0)).translated(list.viewport()->pos());
    const QRect second = list.visualItemRect(list.item(1)).translated(list.viewport()->pos());
    EXPECT_TRUE(hasColour(first, qRgb(255, 0, 0)));
    EXPECT_FALSE(hasColour(first, qRgb(0, 0, 255)));
    EXPECT_TRUE(hasColour(second, qRgb(0, 0, 255)));
    EXPECT_FALSE(hasColour(second, qRgb(255, 0, 0)));
    // The verdict of a red line starts at pixel 70.
    EXPECT_TRUE(hasColour(first.adjusted(72, 0, 0, 0), qRgb(255, 0, 0)));
}

TEST_F(WiredScanDialog, NewScanFreesTheSlavesAndLeavesNoNodeBehind)
{
    twoSlaves();
    makeDialog();
    click("Btn_StartScan");
    finishScan();
    click("Btn_NewScan");
    EXPECT_EQ(dialog->formStyle(), ScanFormStyle::Ready);
    EXPECT_TRUE(slaves.lock().isEmpty());
    EXPECT_TRUE(tree("LST")->IsEmpty());
}

TEST_F(WiredScanDialog, AStartDuringAScanIsRefused)
{
    makeDialog(0, {}, holdMidway());
    click("Btn_StartScan");
    ASSERT_TRUE(hold.waitHeld());
    dialog->Form_Style(ScanFormStyle::Ready);
    click("Btn_StartScan");
    EXPECT_EQ(messages.texts(), QStringList{app::text(426)});
    dialog->engine().Abort_Scan();
    hold.release();
    ASSERT_TRUE(dialog->engine().waitUntilIdle(60s));
}

TEST_F(WiredScanDialog, ClosingTheWindowEndsTheScanThroughItsEndSteps)
{
    twoSlaves();
    makeDialog(0, {}, holdMidway());
    click("Btn_StartScan");
    ASSERT_TRUE(hold.waitHeld());
    ASSERT_TRUE(converter.inAnalyzerMode());
    // The engine is held in a pause: a close that waited for it would not
    // come back before the hold's limit.
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->engine().InScan()) << "the end steps come after the window has closed";
    const std::size_t sentBeforeClose = converter.received().size();
    hold.release();
    ASSERT_TRUE(dialog->engine().waitUntilIdle(60s));

    const auto log = converter.received();
    for (std::size_t i = sentBeforeClose; i < log.size(); ++i)
        EXPECT_EQ(log[i].bytes, QByteArray(analyzer::DisableAnalyzerMode.data())) << "only the end steps after it";
    EXPECT_FALSE(dialog->engine().InScan());
    EXPECT_FALSE(converter.inAnalyzerMode());
    EXPECT_GE(converter.commandCount(analyzer::DisableAnalyzerMode), 1);
    EXPECT_LT(converter.frames().size(), 252u) << "the scan was ended, not run to its last address";
    EXPECT_FALSE(dialog->scanTimerActive());
}

TEST_F(WiredScanDialog, AConverterThatDoesNotAnswerGivesTheAnalyzerErrorAndTheReadyState)
{
    converter.setEnableReply(testsupport::SimulatedConverter::ModeReply::Nothing);
    makeDialog();
    click("Btn_StartScan");
    finishScan();
    EXPECT_EQ(messages.texts(), QStringList{app::text(429)});
    EXPECT_EQ(dialog->formStyle(), ScanFormStyle::Ready);
    EXPECT_TRUE(button("Btn_StartScan")->isVisible());
}

TEST(ScanNodeTexts, SlaveHeaderReadsAsTheUserExpects)
{
    TSlave_MBus slave;
    slave.Primary_Addresss = 5;
    slave.Secondary_Addresss = QStringLiteral("12345678");
    slave.Manufacture = 0x2C2D;
    slave.descManufacture = QStringLiteral("KAM");
    slave.Version = 1;
    slave.Medium = 7;
    EXPECT_EQ(slaveNodeText(slave), QStringLiteral("Primary Address = 5 - Secondary Address = 12345678 - "
                                                   "Manufacturer = KAM(11309) - Version = 1 - Type = 7"));
}

TEST(ScanNodeTexts, RecordAndDetailLines)
{
    TVariable_MBus r;
    r.ValueStr = QStringLiteral("12.5%1");
    r.Desc_Type_Data = QStringLiteral("Energy");
    r.device = 1;
    r.storage_number = 2;
    r.tarif = 3;
    r.DataFieldStr = QStringLiteral("32 Bit Integer");
    r.FunctionFieldStr = QStringLiteral("Instantaneous value");
    r.DIF = QStringLiteral("04");
    r.VIF = 0x0B;
    r.DIFE = QStringLiteral("-");
    r.VIFE = QStringLiteral("-");
    r.totdati = QStringLiteral("78563412");
    EXPECT_EQ(recordNodeText(r), QStringLiteral("Value = 12.5%1 - Type = Energy (U1S2T3)"));
    const QStringList lines{QStringLiteral("Storage Number = 2"), QStringLiteral("Tariff = 3"),
                            QStringLiteral("Unit = 1"), QStringLiteral("Data Field = 32 Bit Integer"),
                            QStringLiteral("Function Field = Instantaneous value"), QStringLiteral("Type = Energy"),
                            QStringLiteral("Value = 12.5%1"), QStringLiteral("DIF = 04"), QStringLiteral("VIF = $0B"),
                            QStringLiteral("DIFE = -"), QStringLiteral("VIFE = -"),
                            QStringLiteral("DATA = $78563412")};
    for (int i = 0; i < RecordDetailLines; ++i)
        EXPECT_EQ(recordDetailText(r, i), lines[i]) << i;
    EXPECT_TRUE(recordDetailText(r, RecordDetailLines).isEmpty());
}

TEST(ScanProgress, LinesByReport)
{
    struct Case {
        qint32 kind, value, found, scan;
        std::optional<QString> line;
    };
    const Case cases[] = {
        {1, 0, 0, 1, std::nullopt},
        {1, 0, 0, 2, app::text(427)},
        {2, 7, 0, 1, QStringLiteral("ID = 7\t[NOT FOUND]")},
        {2, 7, 1, 1, QStringLiteral("ID = 7\t")},
        {2, 0x1234ABCD, 1, 2, QStringLiteral("ID = 1234ABCD")},
        {3, 0, 0, 1, std::nullopt},
        {3, 0, 0, 2, app::text(428)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(progressLine(c.kind, c.value, c.found, c.scan), c.line) << c.kind << " " << c.scan;
}

} // namespace
