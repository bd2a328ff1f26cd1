// The window before a scan: its rows for each kind of converter, texts by
// index, defaults, the IP edits (from ParGen.xml, and typed), the port check.
#include "ScanDialogFixture.h"

#include "platform/ui/Label.h"
#include "scan/QStringPrinter.h"
#include "scan/dialogs/ScanDecodeLayout.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>

using namespace scan;
using namespace scandialogtest;

namespace {

class ScanDecodeForm : public ScanDialogTest {
protected:
    void type(QWidget *target, const QString &keys)
    {
        for (const QChar c : keys) {
            QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : target;
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(focused, &press);
        }
    }
    // A configuration whose ParGen.xml holds `text`.
    QString parGenWith(const QByteArray &text)
    {
        makeFolder(QStringLiteral("PROJECTS/conf"));
        app::state().Project_Dir = path(QStringLiteral("PROJECTS/conf"));
        app::state().File_ParGen = path(QStringLiteral("PROJECTS/conf/ParGen.xml"));
        testsupport::writeFile(app::state().File_ParGen, text);
        return app::state().File_ParGen;
    }
};

TEST_F(ScanDecodeForm, RowsForEachKindOfConverterAndMethod)
{
    using R = OptionRow;
    const std::vector<OptionRow> wired{R::ScanBy,   R::HardwareType, R::IpAddress, R::ParametersTitle, R::Baud,
                                       R::Parity,   R::OptionsTitle, R::AppReset,  R::SndNke,          R::CutAfter,
                                       R::FixCField, R::CheckBcd,    R::RemoteScan};
    EXPECT_EQ(optionRows(0, false), wired);
    EXPECT_EQ(optionRows(0, true), wired) << "a wired converter has no method to choose";
    std::vector<OptionRow> wiredOfWireless{R::ScanMethod};
    wiredOfWireless.insert(wiredOfWireless.end(), wired.begin(), wired.end());
    EXPECT_EQ(optionRows(1, false), wiredOfWireless);
    EXPECT_EQ(optionRows(1, true),
              (std::vector<OptionRow>{R::ScanMethod, R::HardwareType, R::IpAddress, R::Port, R::ParametersTitle,
                                      R::WirelessMode, R::RadioChannel, R::OptionsTitle, R::CheckBcd,
                                      R::RemoteScan}));
}

TEST_F(ScanDecodeForm, LayoutStatesAndTextsOfAWiredConverter)
{
    makeDialog(0);
    EXPECT_EQ(dialog->size(), QSize(922, 523));
    EXPECT_EQ(dialog->windowTitle(), app::text(400));
    // A label shows "&&" as "&".
    EXPECT_EQ(child<platform::TLabel>("L_SW_Code")->text(), QString(app::text(401)).replace(QStringLiteral("&&"), QStringLiteral("&")));
    EXPECT_EQ(child<platform::TLabel>("L_SW_Desc")->text(), QString(app::text(402)).replace(QStringLiteral("&&"), QStringLiteral("&")));
    EXPECT_FALSE(list("CB_ScanMethod")->isVisible());
    EXPECT_FALSE(edit("E_Port")->isVisible());
    const char *ipEdits[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
    const int lefts[] = {176, 242, 308, 374};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(edit(ipEdits[i])->x(), lefts[i]) << ipEdits[i];
    EXPECT_EQ(list("CB_ScanBy")->x(), 176);
    EXPECT_EQ(child<platform::TLabel>("L_ScanBy")->x(), 32);
    EXPECT_EQ(child<platform::TLabel>("L_MBus_ParGen")->x(), 16);
    EXPECT_EQ(child<platform::TLabel>("L_Option_Scan")->x(), 16);

    // Defaults.
    EXPECT_EQ(list("CB_MBus_Baud")->currentText(), QStringLiteral("2400"));
    EXPECT_EQ(list("CB_MBus_Parity")->currentText(), QStringLiteral("EVEN"));
    EXPECT_EQ(edit("E_Opt_Cut_After")->text(), QStringLiteral("3"));
    EXPECT_EQ(edit("E_Port")->text(), QStringLiteral("502"));
    EXPECT_EQ(list("CB_wMBus_Mode")->currentText(), QStringLiteral("S"));
    EXPECT_EQ(list("CB_wMBus_Radio_Channel")->currentText(), QStringLiteral("1a @ 4800 bps"));
    EXPECT_EQ(list("CB_HardwareType")->currentText(), app::text(407));
    EXPECT_FALSE(list("CB_HardwareType")->isEnabled());
    EXPECT_EQ(list("CB_ScanBy")->itemText(1), app::text(405));

    // The ready state: options across the window, Start Scan alone.
    EXPECT_EQ(dialog->formStyle(), ScanFormStyle::Ready);
    EXPECT_EQ(child<QWidget>("P_Main")->width(), 922);
    EXPECT_TRUE(button("Btn_StartScan")->isVisible());
    for (const char *hidden : {"Btn_StopScan", "Btn_AbortScan", "Btn_NewScan", "Btn_SaveConf", "Btn_SaveConfManual"})
        EXPECT_FALSE(button(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(child<QWidget>("P_TreeView")->isVisible());
    EXPECT_FALSE(child<QWidget>("P_View_Wireless")->isVisible());
    EXPECT_EQ(button("Btn_SaveConfManual")->Caption(), app::text(439));
}

TEST_F(ScanDecodeForm, AWirelessConverterOffersTheMethodAndItsRows)
{
    makeDialog(1);
    EXPECT_EQ(dialog->size(), QSize(922, 571));
    EXPECT_TRUE(list("CB_ScanMethod")->isVisible());
    list("CB_ScanMethod")->setCurrentIndex(1);
    EXPECT_TRUE(edit("E_Port")->isVisible());
    EXPECT_TRUE(edit("E_Port")->isEnabled());
    EXPECT_TRUE(list("CB_wMBus_Mode")->isVisible());
    for (const char *hidden : {"CB_ScanBy", "CB_MBus_Baud", "CB_MBus_Parity", "CB_Opt_Use_Fix_C_Field_Value"})
        EXPECT_FALSE(child<QWidget>(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(child<QCheckBox>("CB_Opt_App_Reset")->isVisible());
    EXPECT_TRUE(child<QCheckBox>("CB_Opt_Check_BCD_to_Int")->isVisible());
    list("CB_ScanMethod")->setCurrentIndex(0);
    EXPECT_FALSE(edit("E_Port")->isVisible());
    EXPECT_TRUE(list("CB_ScanBy")->isVisible());
}

TEST_F(ScanDecodeForm, APortOutsideItsRangeIsRefused)
{
    makeDialog(1);
    list("CB_ScanMethod")->setCurrentIndex(1);
    for (const char *port : {"70000", "-1", "abc", ""}) {
        messages.clear();
        edit("E_Port")->setText(QString::fromLatin1(port));
        click("Btn_StartScan");
        EXPECT_EQ(messages.texts(), QStringList{app::text(438)}) << port;
        EXPECT_EQ(dialog->formStyle(), ScanFormStyle::Ready) << port;
    }
}

TEST_F(ScanDecodeForm, ADotMovesOnToTheNextAddressEdit)
{
    makeDialog(0);
    for (const char *name : {"E_IP1", "E_IP2", "E_IP3", "E_IP4"})
        edit(name)->clear();
    dialog->activateWindow();
    ASSERT_TRUE(testsupport::processEventsUntil([&] { return dialog->isActiveWindow(); }, 5s));
    edit("E_IP1")->setFocus();
    type(edit("E_IP1"), QStringLiteral("192.168."));
    EXPECT_EQ(edit("E_IP1")->text(), QStringLiteral("192"));
    EXPECT_EQ(edit("E_IP2")->text(), QStringLiteral("168"));
    EXPECT_TRUE(edit("E_IP3")->hasFocus());
}

TEST_F(ScanDecodeForm, TheAddressComesFromParGenElementByElement)
{
    parGenWith("<Par_Gen><IP_1>10</IP_1><IP_2>0</IP_2><IP_4>7</IP_4></Par_Gen>");
    createDialog(0);
    dialog->show();
    EXPECT_EQ(edit("E_IP1")->text(), QStringLiteral("10"));
    EXPECT_EQ(edit("E_IP2")->text(), QStringLiteral("0"));
    EXPECT_EQ(edit("E_IP3")->text(), QStringLiteral("2")) << "a missing element leaves its edit";
    EXPECT_EQ(edit("E_IP4")->text(), QStringLiteral("7"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ScanDecodeForm, AParGenThatDoesNotReadLeavesTheAddressEmptyAndSaysSo)
{
    const QByteArray broken("<Par_Gen><IP_1>10</IP_1><IP_2");
    const QString file = parGenWith(broken);
    createDialog(0);
    dialog->show();
    for (const char *name : {"E_IP1", "E_IP2", "E_IP3", "E_IP4"})
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.texts().front().startsWith(app::text(394)));
    EXPECT_EQ(dialog->formStyle(), ScanFormStyle::Ready);
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), broken) << "the file is left as it was";
}

} // namespace
