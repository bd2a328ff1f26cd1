// A wireless scan run from the window over UDP on loopback (the converter on
// 127.0.25.1, the engine on 127.0.25.2): the grid, the record tree of the
// chosen meter, its check boxes and the key entry.
#include "ScanDialogFixture.h"

#include "platform/ModalResult.h"
#include "scan/QStringPrinter.h"
#include "scan/dialogs/InsertKeyDialog.h"
#include "scan/dialogs/ScanNodeTexts.h"
#include "scan/wireless/WirelessFixture.h"
#include "support/DialogDoubles.h"

#include <QMouseEvent>

using namespace scan;
using namespace scandialogtest;
using namespace testsupport;
using wirelesstest::encryptedTelegram;
using wirelesstest::plainTelegram;
using wirelesstest::testKey;

namespace {

class WirelessScanDialog : public ScanDialogTest {
protected:
    ~WirelessScanDialog() override
    {
        gate.open();
        dialog.reset();
    }

    // The window of a wireless converter scans until the module relays.
    void startToReception()
    {
        converter.setRadio(SimulatedRadio::Kind::Telit);
        udp.emplace(converter, QStringLiteral("127.0.25.1"));
        ASSERT_TRUE(udp->isListening()) << udp->openError().toStdString();
        createDialog(1, boundTo(QStringLiteral("127.0.25.2")));
        TMBusScanDecode *engine = &dialog->engine();
        auto settle = udp->settleWith(*engine);
        clock.setOnPause([this, engine, settle](std::chrono::milliseconds duration) {
            const bool settled = settle(duration);
            gate.pause(engine->engineStats().wirelessReceiving);
            return settled;
        });
        dialog->show();
        setAddress(udp->address());
        edit("E_Port")->setText(QString::number(udp->port()));
        list("CB_ScanMethod")->setCurrentIndex(1);
        click("Btn_StartScan");
        ASSERT_EQ(dialog->formStyle(), ScanFormStyle::WirelessRunning);
        ASSERT_TRUE(gate.waitHeld()) << "the scan did not reach reception";
    }

    // The module relays a telegram; the window shows what the engine took.
    void receive(const QByteArray &telegram)
    {
        const quint64 taken = dialog->engine().engineStats().telegramsTaken;
        ASSERT_TRUE(udp->relay(telegram, 0x50));
        ASSERT_TRUE(dialog->engine().waitForDatagramsReceived(udp->repliesSent(), 10s));
        ASSERT_EQ(dialog->engine().engineStats().telegramsTaken, taken + 1);
        QCoreApplication::processEvents();
    }

    void stopToEnd()
    {
        click("Btn_StopScan");
        gate.resume();
        finishScan();
    }

    vtree::TLazyNode *recordNode(int index)
    {
        vtree::TLazyNode *node = tree("LST_Wireless")->GetFirstChild(tree("LST_Wireless")->GetFirst());
        for (int i = 0; node && i < index; ++i)
            node = tree("LST_Wireless")->GetNextSibling(node);
        return node;
    }

    std::optional<UdpConverter> udp;
    wirelesstest::ReceptionGate gate;
};

TEST_F(WirelessScanDialog, EveryMeterHasOneRowInItsColourAndItsImage)
{
    startToReception();
    const AesKey key = testKey(11);
    receive(plainTelegram());
    receive(encryptedTelegram(key, 0x40));
    receive(plainTelegram());

    controls::TExColumnGrid *g = grid();
    ASSERT_EQ(g->RowCount(), 3) << "a meter heard twice keeps its row";
    {
        auto list = meters.lock();
        ASSERT_EQ(list.count(), 2);
        for (int i = 0; i < 2; ++i) {
            const QStringList texts = wirelessRowTexts(list.at(i), i + 1);
            for (int c = 0; c < WirelessCriptedColumn; ++c)
                EXPECT_EQ(g->Cells(c, i + 1), texts[c]) << i << " " << c;
        }
    }
    EXPECT_EQ(g->Cells(0, 2), QStringLiteral("2"));
    EXPECT_EQ(g->Cells(3, 1), QStringLiteral("KAM(2C2D)"));
    EXPECT_EQ(g->Cells(4, 1), QStringLiteral("12345678"));
    EXPECT_EQ(g->Cells(5, 1), QStringLiteral("3 (03)"));
    EXPECT_EQ(g->Cells(2, 1), QStringLiteral("0x44"));
    for (int c = 1; c < WirelessGridColumns; ++c) {
        EXPECT_EQ(g->Colors(c, 1), platform::RGB(168, 255, 168)) << c;
        EXPECT_EQ(g->Colors(c, 2), platform::RGB(255, 187, 185)) << c;
    }
    EXPECT_EQ(g->Colors(0, 1), platform::clNone) << "the number column keeps its own";
    int image = -1;
    ASSERT_TRUE(g->GetImageIdx(WirelessCriptedColumn, 1, image));
    EXPECT_EQ(image, 1);
    ASSERT_TRUE(g->GetImageIdx(WirelessCriptedColumn, 2, image));
    EXPECT_EQ(image, 0);
    EXPECT_TRUE(g->Options().testFlag(controls::goRowSelect));

    stopToEnd();
    EXPECT_EQ(dialog->formStyle(), ScanFormStyle::WirelessDone);
    EXPECT_FALSE(converter.inConfigurationMode());
    for (const char *shown : {"Btn_NewScan", "Btn_SaveConf", "Btn_SaveConfManual"})
        EXPECT_TRUE(button(shown)->isVisible()) << shown;
}

TEST_F(WirelessScanDialog, AClickedRowShowsThatMetersRecordsAndItsChecksStayWithIt)
{
    startToReception();
    receive(plainTelegram());
    receive(encryptedTelegram(testKey(3), 0x40));
    vtree::TLazyStringTreeWidget *lst = tree("LST_Wireless");

    dialog->ESG_WirelessClickCell(grid(), 1, 3);
    int records = 0;
    {
        auto list = meters.lock();
        records = int(list.at(0).List_Var.size());
        EXPECT_EQ(list.at(0).Node, lst->GetFirst());
        EXPECT_EQ(lst->GetText(lst->GetFirst(), vtree::NoColumn), meterNodeText(list.at(0)));
        EXPECT_EQ(lst->GetText(recordNode(0), vtree::NoColumn), wirelessRecordNodeText(*list.at(0).List_Var[0]));
    }
    ASSERT_GT(records, 1);
    EXPECT_EQ(lst->TotalCount(), unsigned(1 + 13 * records));

    // The grid's row moves on; the tree still writes into its own meter.
    grid()->setRow(2);
    lst->SetCheckState(recordNode(1), vtree::TCheckState::csUncheckedNormal);
    lst->SetCheckState(recordNode(0), vtree::TCheckState::csMixedNormal);
    lst->SetCheckState(lst->GetFirst(), vtree::TCheckState::csUncheckedNormal);
    {
        auto list = meters.lock();
        EXPECT_FALSE(list.at(0).List_Var[1]->Enable);
        EXPECT_TRUE(list.at(0).List_Var[0]->Enable) << "a mixed state changes nothing";
        EXPECT_FALSE(list.at(0).Enable);
        EXPECT_TRUE(list.at(1).Enable);
    }

    // A row beyond the last meter leaves the tree as it is.
    dialog->ESG_WirelessClickCell(grid(), 3, 0);
    dialog->ESG_WirelessClickCell(grid(), 0, 0);
    ASSERT_TRUE(dialog->wirelessTreeMeter());
    EXPECT_EQ(dialog->wirelessTreeMeter()->index, 0);

    // The meter's next telegram replaces its records: the tree's nodes read
    // only what is still there, and its unchecked record is back.
    {
        auto list = meters.lock();
        list.at(0).Cancel_Var();
    }
    lst->ReinitNode(nullptr, true);
    EXPECT_TRUE(lst->GetText(recordNode(records - 1), vtree::NoColumn).isEmpty());
    EXPECT_FALSE(lst->GetText(lst->GetFirst(), vtree::NoColumn).isEmpty());
    lst->SetCheckState(recordNode(records - 1), vtree::TCheckState::csCheckedNormal);
    dialog->ESG_WirelessClickCell(grid(), 2, 0);
    EXPECT_EQ(meters.lock().at(0).Node, nullptr) << "freed nodes are unlinked";
    stopToEnd();
}

TEST_F(WirelessScanDialog, AClickOnARecordsCheckBoxTakesItOutOfTheSave)
{
    startToReception();
    receive(plainTelegram());
    dialog->ESG_WirelessClickCell(grid(), 1, 0);
    vtree::TLazyStringTreeWidget *lst = tree("LST_Wireless");
    lst->show();
    lst->resize(400, 300);
    lst->SetExpanded(lst->GetFirst(), true);
    vtree::TLazyNode *record = recordNode(0);
    const platform::TRect row = lst->GetDisplayRect(record, vtree::NoColumn, false);
    std::optional<QPoint> box;
    for (int x = row.Left; x < row.Right && !box; ++x) {
        vtree::THitInfo hit;
        const QPoint p(x, (row.Top + row.Bottom) / 2);
        lst->GetHitTestInfoAt(p.x(), p.y(), true, hit);
        if (hit.HitNode == record && hit.HitPositions.contains(vtree::THitPosition::hiOnItemCheckbox))
            box = p;
    }
    ASSERT_TRUE(box) << "the record's row has a check box";
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(*box), QPointF(lst->viewport()->mapToGlobal(*box)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(lst->viewport(), &event);
    }
    EXPECT_EQ(record->CheckState, vtree::TCheckState::csUncheckedNormal);
    EXPECT_FALSE(meters.lock().at(0).List_Var[0]->Enable);
    EXPECT_TRUE(meters.lock().at(0).Enable);
    stopToEnd();
}

TEST_F(WirelessScanDialog, AKeyEnteredOnAnEncryptedRowDecryptsTheMetersNextTelegram)
{
    startToReception();
    const AesKey key = testKey(11);
    receive(plainTelegram());
    receive(encryptedTelegram(key, 0x40));

    QString typedKey;
    for (const std::uint8_t byte : key)
        typedKey += hexDigits(byte, 2);
    int shown = 0;
    ModalScript script([&](QDialog &d) {
        ++shown;
        auto &keyDialog = dynamic_cast<TFInsertKeyWireless &>(d);
        keyDialog.setKeyText(typedKey);
        keyDialog.Btn_OKClick(nullptr);
        return d.result();
    });
    dialog->ESG_WirelessDblClickCell(grid(), 0, 1);
    dialog->ESG_WirelessDblClickCell(grid(), 1, 1);
    EXPECT_EQ(shown, 0) << "the header row and a plain meter take no key";

    dialog->ESG_WirelessDblClickCell(grid(), 2, 1);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(messages.texts().isEmpty());
    {
        auto list = meters.lock();
        EXPECT_TRUE(list.at(1).Enable_Key);
        EXPECT_EQ(list.at(1).Key, key);
    }
    gate.resume();
    ASSERT_TRUE(gate.waitHeld());
    receive(encryptedTelegram(key, 0x41));
    {
        auto list = meters.lock();
        EXPECT_FALSE(list.at(1).Cripted);
        EXPECT_EQ(wirelesstest::realValues(list.at(1).List_Var),
                  wirelesstest::realValues(wirelesstest::decodedRecords(realRecords("frame2"))));
    }
    EXPECT_EQ(grid()->Colors(1, 2), platform::RGB(168, 255, 168));

    // Once the scan has ended, a key cannot go in: the user is told.
    stopToEnd();
    {
        auto list = meters.lock();
        list.at(1).Cripted = true;
    }
    dialog->ESG_WirelessDblClickCell(grid(), 2, 1);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(messages.texts(), QStringList{app::text(395)});
}

TEST_F(WirelessScanDialog, ClosingTheWindowEndsTheScanAndLeavesConfigurationMode)
{
    startToReception();
    receive(plainTelegram());
    gate.open();
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(dialog->engine().waitUntilIdle(30s)) << "the end steps run on after the close";
    EXPECT_FALSE(dialog->engine().InScan());
    EXPECT_FALSE(converter.inConfigurationMode());
}

} // namespace
