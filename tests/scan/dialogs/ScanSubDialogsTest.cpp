// The key, start-register and start-address dialogs: their checks in order,
// the first failure shown, and what they hand back.
#include "controls/grid/model/ExCGrid.h"
#include "platform/ModalResult.h"
#include "scan/QStringPrinter.h"
#include "scan/dialogs/InsertKeyDialog.h"
#include "scan/dialogs/ModbusStartAddDialog.h"
#include "scan/dialogs/ScanModbusStartDialog.h"
#include "support/GuiFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace scan;

namespace {

class ScanSubDialogs : public guitest::AppFolderTest {};

TEST_F(ScanSubDialogs, KeyChecksLengthThenCharacters)
{
    TFInsertKeyWireless dialog;
    EXPECT_EQ(dialog.size(), QSize(481, 47));
    struct Case {
        QString key;
        QStringList messages;
        int result;
    };
    const Case cases[] = {
        {QString(31, u'A'), {app::text(604)}, 0},
        {QString(31, u'A') + u'G', {app::text(603)}, 0},
        {QString(32, u'G'), {app::text(603)}, 0},
        {QStringLiteral("00112233445566778899AABBCCDDEEFF"), {}, platform::mrOk},
    };
    for (const Case &c : cases) {
        messages.clear();
        const int result = guitest::runModal(dialog, [&](QDialog &) {
            dialog.setKeyText(c.key);
            dialog.Btn_OKClick(nullptr);
        });
        EXPECT_EQ(messages.texts(), c.messages) << c.key.toStdString();
        EXPECT_EQ(result, c.result) << c.key.toStdString();
    }
    EXPECT_TRUE(TFInsertKeyWireless::Check_Data(QString()));
}

TEST_F(ScanSubDialogs, AKeyTypedInLowerCaseBecomesUpperCaseAndPasses)
{
    TFInsertKeyWireless dialog;
    dialog.setKeyText(QString());
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("E_Key"));
    ASSERT_NE(edit, nullptr);
    const QString typed = QStringLiteral("00112233445566778899aabbccddeeff");
    for (const QChar c : typed + u'0') {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(dialog.keyText(), typed.toUpper()) << "at most 32 characters";
    const int result = guitest::runModal(dialog, [&](QDialog &) { dialog.Btn_OKClick(nullptr); });
    EXPECT_EQ(result, platform::mrOk);
}

TEST(InsertKeyPlace, MovedBackInsideTheWindow)
{
    const QRect client(0, 0, 922, 571);
    EXPECT_EQ(placeInside({100, 200}, {481, 47}, client), QPoint(100, 200));
    EXPECT_EQ(placeInside({600, 200}, {481, 47}, client), QPoint(922 - 481, 200));
    EXPECT_EQ(placeInside({600, 560}, {481, 47}, client), QPoint(922 - 481, 571 - 47));
}

TEST_F(ScanSubDialogs, StartRegisterFromOneTo65535)
{
    TFScanModbusStart dialog;
    EXPECT_EQ(dialog.size(), QSize(331, 162));
    EXPECT_EQ(dialog.windowTitle(), app::text(500));
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("E_StartModAdd"));
    ASSERT_NE(edit, nullptr);
    for (const char *bad : {"0", "65536", "abc", ""}) {
        messages.clear();
        edit->setText(QString::fromLatin1(bad));
        EXPECT_EQ(guitest::runModal(dialog, [&](QDialog &) { dialog.Btn_OKClick(nullptr); }), 0) << bad;
        EXPECT_EQ(messages.texts(), QStringList{app::text(506)}) << bad;
    }
    edit->setText(QStringLiteral("65535"));
    EXPECT_EQ(guitest::runModal(dialog, [&](QDialog &) { dialog.Btn_OKClick(nullptr); }), platform::mrOk);
    EXPECT_EQ(dialog.StartModAdd, 65535);
}

TEST_F(ScanSubDialogs, StartAddressesReportTheFirstFailingRow)
{
    TFModbusStartAdd_SD dialog;
    auto *grid = dialog.findChild<controls::TExColumnGrid *>(QStringLiteral("sga"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->RowCount(), 31) << "30 empty rows before the first filling";
    EXPECT_EQ(grid->Cells(0, 0), app::text(704));
    EXPECT_EQ(grid->Cells(1, 0), app::text(705));
    EXPECT_FALSE(dialog.nodeStateEnabled());
    EXPECT_FALSE(dialog.identNumEnabled());

    struct Case {
        QStringList column1;
        QString message;
    };
    const Case cases[] = {
        {{QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("60000")},
         app::text(708) + u'3' + app::text(710)},
        {{QStringLiteral("1"), QString(), QStringLiteral("60000")}, app::text(708) + u'2' + app::text(709)},
        {{QStringLiteral("0"), QString()}, app::text(708) + u'1' + app::text(710)},
        {{QStringLiteral("59999"), QStringLiteral("1")}, QString()},
    };
    for (const Case &c : cases) {
        messages.clear();
        dialog.fillNodes(QStringList(c.column1.size(), QStringLiteral("node")));
        for (int row = 0; row < c.column1.size(); ++row)
            grid->setCells(1, row + 1, c.column1[row]);
        const bool passes = dialog.Check_Data();
        EXPECT_EQ(passes, c.message.isEmpty()) << c.message.toStdString();
        EXPECT_EQ(messages.texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    }
    dialog.fillNodes({QStringLiteral("5 - 12345678"), QStringLiteral("9 - 42")});
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(0, 2), QStringLiteral("9 - 42"));
    grid->setCells(1, 2, QStringLiteral("x"));
    EXPECT_EQ(dialog.startRegisters(), (std::vector<qint32>{1, 1}));
}

} // namespace
