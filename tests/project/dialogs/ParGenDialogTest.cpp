#include "support/DialogDoubles.h"
#include "support/GuiFixture.h"

#include "app/LangRegistry.h"
#include "app/windows/Application.h"
#include "app/windows/MainWindow.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ModalResult.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/QtColor.h"
#include "project/ParGenFile.h"
#include "project/dialogs/ParGenDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <set>

namespace {

using project::ParGenGroup;
using project::ParGenRow;
using project::ParGenValues;
using project::TFParGen;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageKind;

// A valid value other than the default for every element a type can have.
const std::map<QString, QString> otherValues = {
    {"Sel_Dev", "1"},        {"Sel_Dev_MBus_Present", "1"}, {"IP_1", "10"},
    {"IP_2", "1"},           {"IP_3", "2"},                 {"IP_4", "3"},
    {"SM_1", "255"},         {"SM_2", "255"},               {"SM_3", "0"},
    {"SM_4", "0"},           {"GA_1", "10"},                {"GA_2", "1"},
    {"GA_3", "2"},           {"GA_4", "254"},               {"Gat_Enable", "1"},
    {"TCP_Port", "0x5F6"},   {"TCP_Conn_TimeOut", "30"},    {"Mod_Ser", "0"},
    {"Mod_Baud", "4"},       {"Mod_Par", "0"},              {"Mod_Id", " 17"},
    {"Mod_StopBit", "1"},    {"Mod_Protocol", "2"},         {"Meter_Baud", "5"},
    {"Meter_Par", "2"},      {"Meter_Req_Type", "0"},       {"Meter_Req_Delay", "3600"},
    {"Node_State", "0x10"},  {"Enable_Use_Fix_C_Field", "1"}, {"Use_Fix_C_Field_Value", "1"},
    {"Reply_Exception_Until_First_Read", "1"}, {"MBus_Convert_Float_Option_Words_Order", "1"},
    {"MBUS_Ser", "0"},       {"wMBus_Mode", "4"},           {"wMBus_Radio_Channel", "8"},
};

ParGenValues otherValuesOf(int type)
{
    ParGenValues values(type);
    for (const auto &element : values.elements()) {
        if (element.fixedValue)
            continue;
        QString text = otherValues.at(element.name);
        if (element.name == u"Meter_Req_Type" && type == 3)
            text = QStringLiteral("2"); // the third polling mode only this type offers
        EXPECT_TRUE(values.setText(element.name, text));
    }
    return values;
}

class ParGenDialogTest : public guitest::AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        app::state().setUpFolders(appDir);
        app::state().chooseTypeTexts(1);
        makeFolder(QStringLiteral("PROJECTS/Plant"));
        app::state().openProject(QStringLiteral("Plant"));
        file = app::state().File_ParGen;
    }

    // Shows the dialog as the modal loop would; the script acts for the
    // user. The result it closed with, or 0 when it was left open.
    static int show(TFParGen &dialog, const std::function<void(TFParGen &)> &script = {})
    {
        return guitest::runModal(dialog, [&](QDialog &d) {
            if (script)
                script(static_cast<TFParGen &>(d));
        });
    }

    void writeValues(const ParGenValues &values) const
    {
        ASSERT_FALSE(project::writeParGenFile(file, values).has_value());
    }

    QString file;
};

// Types the characters one by one into whatever has the focus.
void typeKeys(QWidget &window, const QString &keys)
{
    for (const QChar c : keys) {
        QWidget *target = window.focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, c.unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &release);
    }
}

bool shown(const QWidget *w) { return w->isVisible(); }

} // namespace

TEST_F(ParGenDialogTest, WithoutAFileTheDefaultsShowAndOkCreatesTheFile)
{
    TFParGen dialog(1);
    const int result = show(dialog, [](TFParGen &d) {
        EXPECT_EQ(d.E_IP1->text(), QStringLiteral("192"));
        EXPECT_EQ(d.E_IP4->text(), QStringLiteral("10"));
        EXPECT_EQ(d.E_PORT->text(), QStringLiteral("502"));
        EXPECT_EQ(d.E_MBus_NodeState->text(), QStringLiteral("0xFF"));
        EXPECT_EQ(d.CB_MBus_Baud->currentText(), QStringLiteral("2400"));
        EXPECT_EQ(d.CB_MBus_Polls->currentText(), QStringLiteral("On Request"));
        EXPECT_FALSE(d.Is_Change);
        d.Btn_OK->Click();
    });
    EXPECT_EQ(result, platform::mrOk);
    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join('|').toStdString();
    const auto read = project::readParGenFile(file, 1);
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read.fileMissing);
    EXPECT_EQ(read.values, ParGenValues(1));
    EXPECT_TRUE(testsupport::readFile(file).startsWith("<GeneralParameter>"));
}

TEST_F(ParGenDialogTest, EveryTypeShowsItsFileAndOkWritesItBackUnchanged)
{
    for (const int type : app::AllConverterTypes) {
        SCOPED_TRACE(type);
        const ParGenValues values = otherValuesOf(type);
        writeValues(values);
        const QByteArray before = testsupport::readFile(file);
        TFParGen dialog(type);
        const int result = show(dialog, [&](TFParGen &d) {
            EXPECT_EQ(d.currentValues(), values);
            // Loading is not the user's change.
            EXPECT_FALSE(d.Is_Change);
            d.Btn_OK->Click();
        });
        EXPECT_EQ(result, platform::mrOk);
        EXPECT_TRUE(messages.messages().empty()) << messages.texts().join('|').toStdString();
        EXPECT_EQ(testsupport::readFile(file), before);
        messages.clear();
    }
}

TEST_F(ParGenDialogTest, CancelWithoutChangesClosesWithoutAQuestionAndWritesNothing)
{
    for (const int type : app::AllConverterTypes) {
        SCOPED_TRACE(type);
        TFParGen dialog(type);
        EXPECT_EQ(show(dialog, [](TFParGen &d) { d.Btn_Cancel->Click(); }), platform::mrCancel);
        // The title bar's close button and Escape act the same.
        EXPECT_EQ(show(dialog, [](TFParGen &d) { d.close(); }), platform::mrCancel);
        EXPECT_EQ(show(dialog,
                       [](TFParGen &d) {
                           QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                           QCoreApplication::sendEvent(&d, &escape);
                       }),
                  platform::mrCancel);
        EXPECT_TRUE(messages.messages().empty());
        EXPECT_FALSE(QFileInfo::exists(file));
    }
}

TEST_F(ParGenDialogTest, CancelAfterAChangeAsksAndNoKeepsTheDialogOpen)
{
    writeValues(ParGenValues(1));
    const QByteArray before = testsupport::readFile(file);
    TFParGen dialog(1);
    const std::vector<std::function<void(TFParGen &)>> edits = {
        [](TFParGen &d) { d.E_MBus_Delay->setText(QStringLiteral("5")); },
        [](TFParGen &d) { d.CB_ModTCPs_EN_GAT->setChecked(true); },
        [](TFParGen &d) { d.CB_MBus_Parity->setCurrentIndex(0); },
    };
    const std::vector<std::function<void(TFParGen &)>> closings = {
        [](TFParGen &d) { d.Btn_Cancel->Click(); },
        [](TFParGen &d) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&d, &escape);
        },
    };
    for (const auto &edit : edits) {
        for (const auto &closing : closings) {
            messages.queueAnswer(MessageAnswer::No);
            messages.queueAnswer(MessageAnswer::Yes);
            const int result = show(dialog, [&](TFParGen &d) {
                edit(d);
                EXPECT_TRUE(d.Is_Change);
                closing(d);
                EXPECT_TRUE(d.isVisible()); // No: stays open with the user's values
                closing(d);
            });
            EXPECT_EQ(result, platform::mrCancel);
            ASSERT_EQ(messages.messages().size(), 2u);
            for (const auto &m : messages.messages()) {
                EXPECT_EQ(m.kind, MessageKind::Confirmation);
                EXPECT_EQ(m.text, QStringLiteral("Do you want to exit without saving changes?"));
                EXPECT_EQ(m.buttons, MessageButtons::YesNo);
            }
            messages.clear();
        }
    }
    EXPECT_EQ(testsupport::readFile(file), before);
}

TEST_F(ParGenDialogTest, TheTitleBarsCloseButtonClosesAsCancelWithoutAQuestionAfterAnEdit)
{
    writeValues(ParGenValues(1));
    const QByteArray before = testsupport::readFile(file);
    TFParGen dialog(1);
    const int result = show(dialog, [](TFParGen &d) {
        d.E_MBus_Delay->setText(QStringLiteral("5"));
        ASSERT_TRUE(d.Is_Change);
        d.close();
    });
    EXPECT_EQ(result, platform::mrCancel);
    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(testsupport::readFile(file), before);
    // The next showing reads the file again: the edit is gone.
    show(dialog, [](TFParGen &d) {
        EXPECT_NE(d.E_MBus_Delay->text(), QStringLiteral("5"));
        d.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, TheGroupButtonsShowTheirSignInsideTheFrameOnTheTitleLine)
{
    TFParGen dialog(1);
    show(dialog, [](TFParGen &d) {
        auto *box = static_cast<platform::TGroupBox *>(d.GB_MBus);
        auto *collapse = box->findChild<controls::TLbButton *>(QStringLiteral("GB_MBus_Collapse"));
        auto *expand = box->findChild<controls::TLbButton *>(QStringLiteral("GB_MBus_Expand"));
        ASSERT_TRUE(collapse && expand);
        d.Btn_OK->setFocus(); // no focus mark over the small buttons
        const auto dark = [](const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 96; };
        const QColor frame = platform::toQColor(platform::clBtnShadow);

        for (const bool plus : {false, true}) {
            SCOPED_TRACE(plus ? "collapsed: plus" : "expanded: minus");
            controls::TLbButton *shown = plus ? expand : collapse;
            ASSERT_TRUE(shown->isVisible());
            ASSERT_FALSE((plus ? collapse : expand)->isVisible());
            EXPECT_EQ(shown->geometry(), QRect(280, 10, 11, 11));
            const QImage image = box->grab().toImage();
            // The sign: a 5-pixel bar through the button's middle, and for
            // plus a 5-pixel upright; nothing else inside the button's frame.
            const QPoint middle(285, 15);
            for (int i = -2; i <= 2; ++i) {
                EXPECT_TRUE(dark(image, middle.x() + i, middle.y())) << i;
                EXPECT_EQ(dark(image, middle.x(), middle.y() + i), plus || i == 0) << i;
            }
            for (const QPoint corner : {QPoint(282, 12), QPoint(288, 12), QPoint(282, 18), QPoint(288, 18)})
                EXPECT_FALSE(dark(image, corner.x(), corner.y())) << corner.x() << "," << corner.y();
            // The frame's top line runs above the button, through the title;
            // beside the button there is no frame line, and the frame's
            // bottom lies below it, even when the group is collapsed.
            const int top = box->frameTop();
            EXPECT_LT(top, 10);
            EXPECT_EQ(image.pixelColor(285, top), frame);
            EXPECT_NE(image.pixelColor(278, 15), frame);
            EXPECT_GT(box->height() - 2, 21);
            EXPECT_EQ(image.pixelColor(285, box->height() - 2), frame);
            shown->Click();
        }
        EXPECT_TRUE(collapse->isVisible());
    });
}

TEST_F(ParGenDialogTest, AFailedCheckShowsItsTextFocusesTheFieldAndKeepsTheDialogOpen)
{
    TFParGen dialog(1);
    const int result = show(dialog, [](TFParGen &d) {
        d.E_PORT->setText(QStringLiteral("10000"));
        d.E_MBus_NodeState->setText(QStringLiteral("256"));
        d.Btn_OK->Click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), d.E_PORT);
        d.E_PORT->setText(QStringLiteral("65535"));
        d.Btn_OK->Click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), d.E_MBus_NodeState);
        d.E_MBus_NodeState->setText(QStringLiteral("0xFF"));
        d.Btn_OK->Click();
    });
    EXPECT_EQ(result, platform::mrOk);
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.texts(),
              (QStringList{"Error Modbus TCP Slave!! PORT must be between 0 and 65535 and different from 0 or 10000",
                           "M-Bus!!  Node State value must be between 0 and 255"}));
    EXPECT_EQ(project::ParGenLookup(file).text("TCP_Port"), QStringLiteral("65535"));
}

TEST_F(ParGenDialogTest, TheChecksFollowTheType)
{
    // The same slave address is refused on one model and left alone on another.
    for (const int type : {6, 2}) {
        SCOPED_TRACE(type);
        TFParGen dialog(type);
        show(dialog, [](TFParGen &d) {
            d.E_ID_Modbus_Slave->setText(QStringLiteral("248"));
            d.Btn_OK->Click();
        });
    }
    EXPECT_EQ(messages.texts(), QStringList{"Error Modbus Slave!! ID Device must be between 1 and 247"});
    EXPECT_EQ(project::ParGenLookup(file).text("Mod_Id"), QStringLiteral("248"));
}

TEST_F(ParGenDialogTest, TypingAnAddressFillsTheFourEditsAndAFullStopMovesOn)
{
    TFParGen dialog(1);
    show(dialog, [](TFParGen &d) {
        for (QLineEdit *e : d.addressEdits())
            e->clear();
        d.E_IP1->setFocus();
        typeKeys(d, QStringLiteral("192.168.0.10"));
        EXPECT_EQ(d.E_IP1->text(), QStringLiteral("192"));
        EXPECT_EQ(d.E_IP2->text(), QStringLiteral("168"));
        EXPECT_EQ(d.E_IP3->text(), QStringLiteral("0"));
        EXPECT_EQ(d.E_IP4->text(), QStringLiteral("10"));
        EXPECT_EQ(d.focusWidget(), d.E_IP4);
        // From the last address octet on into the subnet mask.
        typeKeys(d, QStringLiteral(".255"));
        EXPECT_EQ(d.E_IP4->text(), QStringLiteral("10"));
        EXPECT_EQ(d.E_SM1->text(), QStringLiteral("255"));

        // A next edit that cannot take the focus: the stop is still dropped.
        d.E_SM2->setEnabled(false);
        typeKeys(d, QStringLiteral(".x"));
        EXPECT_EQ(d.focusWidget(), d.E_SM1);
        EXPECT_EQ(d.E_SM1->text(), QStringLiteral("255x")); // any other character passes

        // The last edit of the sequence only drops it.
        d.E_GAT4->setFocus();
        typeKeys(d, QStringLiteral("1.2"));
        EXPECT_EQ(d.E_GAT4->text(), QStringLiteral("12"));
        EXPECT_EQ(d.focusWidget(), d.E_GAT4);

        // Other edits take full stops as typed.
        d.E_MBus_NodeState->clear();
        d.E_MBus_NodeState->setFocus();
        typeKeys(d, QStringLiteral("1.5"));
        EXPECT_EQ(d.E_MBus_NodeState->text(), QStringLiteral("1.5"));
    });
}

TEST_F(ParGenDialogTest, LoadingRunsNoHandlerThatRewritesTheValuesJustShown)
{
    // Both lines on RS232, as a file can hold them: shown and saved as they are.
    ParGenValues both(4);
    both.setText("Mod_Ser", "1");
    both.setText("MBUS_Ser", "1");
    writeValues(both);
    TFParGen dialog(4);
    show(dialog, [](TFParGen &d) {
        EXPECT_EQ(d.CB_Serial_Modbus_Slave->currentText(), QStringLiteral("RS232"));
        EXPECT_EQ(d.CB_MBus_Serial->currentText(), QStringLiteral("RS232"));
        EXPECT_FALSE(d.Is_Change);
        d.Btn_OK->Click();
    });
    ASSERT_TRUE(messages.messages().empty());
    const project::ParGenLookup saved(file);
    EXPECT_EQ(saved.text("Mod_Ser"), QStringLiteral("1"));
    EXPECT_EQ(saved.text("MBUS_Ser"), QStringLiteral("1"));

    // The user's own choice keeps the two lines apart, from either side.
    show(dialog, [](TFParGen &d) {
        d.CB_MBus_Serial->setCurrentIndex(0);
        d.CB_MBus_Serial->setCurrentIndex(1);
        EXPECT_EQ(d.CB_Serial_Modbus_Slave->currentText(), QStringLiteral("RS485"));
        EXPECT_EQ(d.CB_MBus_Serial->currentText(), QStringLiteral("RS232"));
        d.CB_Serial_Modbus_Slave->setCurrentIndex(1);
        EXPECT_EQ(d.CB_MBus_Serial->currentText(), QStringLiteral("RS485"));
        EXPECT_TRUE(d.Is_Change);
    });
}

TEST_F(ParGenDialogTest, ReplyWithExceptionFollowsThePollingModeOnTheFirstTypeOnly)
{
    for (const int type : {1, 1001}) {
        SCOPED_TRACE(type);
        ParGenValues values(type);
        values.setPolls(project::PollMode::OnRequest);
        values.setFlag("Reply_Exception_Until_First_Read", true);
        writeValues(values);
        TFParGen dialog(type);
        show(dialog, [type](TFParGen &d) {
            EXPECT_EQ(d.CB_MBus_Exception_Until_First_Read->isEnabled(), type != 1);
            EXPECT_TRUE(d.CB_MBus_Exception_Until_First_Read->isChecked()); // kept, only greyed
            d.CB_MBus_Polls->setCurrentIndex(1);
            EXPECT_TRUE(d.CB_MBus_Exception_Until_First_Read->isEnabled());
            d.CB_MBus_Polls->setCurrentIndex(0);
            EXPECT_EQ(d.CB_MBus_Exception_Until_First_Read->isEnabled(), type != 1);
        });
    }
}

TEST_F(ParGenDialogTest, TheWindowFollowsTheLayoutOfEveryTypeAndChoice)
{
    for (const int type : app::AllConverterTypes) {
        TFParGen dialog(type);
        for (const int board : {0, 1}) {
            for (const bool present : {false, true}) {
                SCOPED_TRACE(testing::Message() << "type " << type << " board " << board << " present " << present);
                show(dialog, [&](TFParGen &d) {
                    d.CB_Select_Device->setCurrentIndex(board);
                    d.CB_SD_Wire_Present_MBus->setCurrentIndex(present ? 1 : 0);
                    project::ParGenLayoutChoices choices;
                    choices.boardVariant = board;
                    choices.wiredMBusPresent = present;
                    const auto layout = project::layoutParGenDialog(type, choices);
                    EXPECT_EQ(d.size(), layout.client);
                    EXPECT_EQ(d.Btn_OK->geometry(), layout.okButton);
                    EXPECT_EQ(d.Btn_Cancel->geometry(), layout.cancelButton);
                    std::set<ParGenRow> rowsShown;
                    for (const ParGenGroup group : project::AllParGenGroups) {
                        const auto *placed = layout.find(group);
                        ASSERT_EQ(shown(d.groupBox(group)), placed != nullptr) << int(group);
                        if (!placed)
                            continue;
                        EXPECT_EQ(d.groupBox(group)->geometry(), placed->rect) << int(group);
                        int lowestField = 0;
                        for (const auto &row : placed->rows) {
                            rowsShown.insert(row.row);
                            for (QWidget *w : d.rowWidgets(row.row)) {
                                EXPECT_EQ(w->parentWidget(), d.groupBox(group));
                                if (!qobject_cast<platform::TLabel *>(w))
                                    lowestField = std::max(lowestField, w->geometry().bottom() + 1);
                            }
                        }
                        // The group reaches 15 below its last field.
                        if (group != ParGenGroup::SelectDevice && group != ParGenGroup::SelDevWirePresent) {
                            EXPECT_EQ(placed->rect.height(), lowestField + 15) << int(group);
                        }
                    }
                    for (int r = 0; r <= int(ParGenRow::WiredMBusPresent); ++r) {
                        for (QWidget *w : d.rowWidgets(ParGenRow(r))) {
                            EXPECT_EQ(shown(w), rowsShown.count(ParGenRow(r)) == 1)
                                << "row " << r << " " << w->objectName().toStdString();
                        }
                    }
                });
            }
        }
    }
}

TEST_F(ParGenDialogTest, RowsStartWithTheirLabelAt24AndTheirFieldAt21)
{
    TFParGen dialog(1);
    show(dialog, [](TFParGen &d) {
        EXPECT_EQ(d.L_MBus_Baud->y(), 24);
        EXPECT_EQ(d.CB_MBus_Baud->geometry(), QRect(82, 21, 192, 21));
        EXPECT_EQ(d.L_MBus_Parity->y(), 58);
        EXPECT_EQ(d.L_MBus_NodeState1->y(), 160);
        EXPECT_EQ(d.L_MBus_NodeState2->y(), 179);
        EXPECT_EQ(d.E_MBus_NodeState->y(), 176);
        EXPECT_EQ(d.CB_MBus_Fix_CField_Val->y(), 210); // the row after, 34 below the second line
        EXPECT_EQ(d.CB_MBus_ConvInFloatOpt->geometry(), QRect(16, 299, 258, 21));
        EXPECT_EQ(d.CB_Select_Device->geometry(), QRect(16, 21, 258, 21));
        const QList<QLineEdit *> ip = {d.E_IP1, d.E_IP2, d.E_IP3, d.E_IP4};
        const int lefts[] = {16, 82, 148, 214};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(ip[i]->geometry(), QRect(lefts[i], 55, 60, 21));
        EXPECT_EQ(d.collapseButton(ParGenGroup::MBus)->geometry(), QRect(280, 10, 11, 11));
    });
}

TEST_F(ParGenDialogTest, CollapsedGroupsShrinkTheWindowAndStayCollapsedUntilExpanded)
{
    TFParGen dialog(1);
    const std::vector<ParGenGroup> groups = {ParGenGroup::SelectDevice, ParGenGroup::ModbusTcpSlave,
                                             ParGenGroup::MBus};
    show(dialog, [&](TFParGen &d) {
        for (const ParGenGroup g : groups) {
            EXPECT_TRUE(shown(d.collapseButton(g)));
            EXPECT_FALSE(shown(d.expandButton(g)));
            d.collapseButton(g)->Click();
        }
        d.Btn_Cancel->Click();
    });
    // Reopened: still collapsed.
    show(dialog, [&](TFParGen &d) {
        EXPECT_EQ(d.GB_Select_Device->geometry(), QRect(8, 70, 296, 26));
        EXPECT_EQ(d.GB_Modbus_TCP_Slave->geometry(), QRect(8, 102, 296, 26));
        EXPECT_EQ(d.GB_MBus->geometry(), QRect(8, 134, 296, 26));
        EXPECT_EQ(d.Btn_OK->geometry(), QRect(71, 173, 112, 28));
        EXPECT_EQ(d.Btn_Cancel->geometry(), QRect(192, 173, 112, 28));
        EXPECT_EQ(d.size(), QSize(312, 214));
        for (const ParGenGroup g : groups) {
            EXPECT_FALSE(d.groupExpanded(g));
            EXPECT_FALSE(shown(d.collapseButton(g)));
            EXPECT_TRUE(shown(d.expandButton(g)));
        }
        EXPECT_FALSE(shown(d.CB_Select_Device));
        EXPECT_FALSE(shown(d.L_IP));
        EXPECT_FALSE(shown(d.E_IP1));
        EXPECT_FALSE(shown(d.CB_MBus_Baud));

        d.expandButton(ParGenGroup::SelectDevice)->Click();
        EXPECT_EQ(d.GB_Select_Device->geometry(), QRect(8, 70, 296, 58));
        EXPECT_TRUE(shown(d.CB_Select_Device));
        EXPECT_TRUE(shown(d.collapseButton(ParGenGroup::SelectDevice)));
        EXPECT_FALSE(shown(d.expandButton(ParGenGroup::SelectDevice)));
        EXPECT_EQ(d.GB_Modbus_TCP_Slave->y(), 134);
        EXPECT_EQ(d.size(), QSize(312, 246));
        // Collapsing is no change of the configuration.
        EXPECT_FALSE(d.Is_Change);
    });
    EXPECT_EQ(dialog.collapseButton(ParGenGroup::MBus)->Hint(), QStringLiteral("Collapse"));
    EXPECT_EQ(dialog.expandButton(ParGenGroup::MBus)->Hint(), QStringLiteral("Expand"));
}

TEST_F(ParGenDialogTest, SwitchingTheBoardRelaysTheWindowOutAndKeepsTheValues)
{
    ParGenValues values(2);
    values.setIndex("Sel_Dev", 1);
    writeValues(values);
    TFParGen dialog(2);
    show(dialog, [](TFParGen &d) {
        EXPECT_TRUE(shown(d.GB_Modbus_TCP_Slave));
        EXPECT_EQ(d.GB_Modbus_TCP_Slave->title(), QStringLiteral(" Ethernet "));
        EXPECT_FALSE(shown(d.E_PORT));
        EXPECT_TRUE(shown(d.E_MBus_NodeState));
        d.E_IP1->setText(QStringLiteral("10"));
        d.CB_Select_Device->setCurrentIndex(0);
        EXPECT_FALSE(shown(d.GB_Modbus_TCP_Slave));
        EXPECT_FALSE(shown(d.E_MBus_NodeState));
        EXPECT_TRUE(shown(d.E_MBus_Delay));
        EXPECT_EQ(d.GB_MBus->height(), d.E_MBus_Delay->geometry().bottom() + 1 + 15);
        d.CB_Select_Device->setCurrentIndex(1);
        EXPECT_TRUE(shown(d.GB_Modbus_TCP_Slave));
        EXPECT_TRUE(shown(d.CB_MBus_Fix_CField));
        EXPECT_EQ(d.E_IP1->text(), QStringLiteral("10"));
    });
    EXPECT_EQ(dialog.CB_MBus_Polls->count(), 2);
    TFParGen third(3);
    EXPECT_EQ(third.CB_MBus_Polls->count(), 3);
    EXPECT_EQ(third.CB_MBus_Polls->itemText(2), QStringLiteral("Passive Mode"));
    EXPECT_EQ(third.CB_Select_Device->itemText(1), QStringLiteral("GX42Nqib-B2 With Ethernet Port"));
}

TEST_F(ParGenDialogTest, WiredMetersOnTheWirelessModelsShowTheMasterWithFixedCyclicPolling)
{
    for (const int type : {6, 7, 1007}) {
        SCOPED_TRACE(type);
        TFParGen dialog(type);
        show(dialog, [type](TFParGen &d) {
            EXPECT_EQ(d.CB_SD_Wire_Present_MBus->currentText(), QStringLiteral("Not Present"));
            EXPECT_FALSE(shown(d.CB_MBus_Baud));
            EXPECT_TRUE(shown(d.E_MBus_NodeState));
            EXPECT_EQ(d.L_MBus_NodeState1->y(), 24);
            d.CB_SD_Wire_Present_MBus->setCurrentIndex(1);
            EXPECT_TRUE(shown(d.CB_MBus_Baud));
            EXPECT_TRUE(shown(d.CB_MBus_Polls));
            EXPECT_EQ(d.CB_MBus_Polls->currentText(), QStringLiteral("Cyclic"));
            EXPECT_FALSE(d.CB_MBus_Polls->isEnabled());
            if (type == 6) {
                EXPECT_EQ(d.CB_Protocol_Modbus_Slave->currentIndex(), 0);
                EXPECT_FALSE(shown(d.E_PORT));
            } else {
                EXPECT_TRUE(shown(d.E_MTCPs_Conn_TO));
            }
            EXPECT_TRUE(d.Is_Change);
        });
    }
}

TEST_F(ParGenDialogTest, AnUnreadableFileIsReportedAndReplacedOnlyAfterConfirmation)
{
    const QByteArray broken = "<GeneralParameter><IP_1>10</IP_1>";
    testsupport::writeFile(file, broken);
    TFParGen dialog(1);
    messages.queueAnswer(MessageAnswer::Ok);
    messages.queueAnswer(MessageAnswer::No);
    int result = show(dialog, [&](TFParGen &d) {
        EXPECT_EQ(d.currentValues(), ParGenValues(1));
        EXPECT_FALSE(d.Is_Change);
        d.Btn_OK->Click(); // No
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(testsupport::readFile(file), broken);
        d.Btn_Cancel->Click(); // nothing changed: closes without writing
    });
    EXPECT_EQ(result, platform::mrCancel);
    EXPECT_EQ(testsupport::readFile(file), broken);
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].kind, MessageKind::Error);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("ParGen.xml")));
    // Over the dialog, once it is on screen.
    EXPECT_EQ(messages.messages()[0].over, &dialog);
    EXPECT_TRUE(messages.messages()[0].overShown);
    EXPECT_EQ(messages.messages()[1].kind, MessageKind::Warning);
    EXPECT_EQ(messages.messages()[1].buttons, MessageButtons::YesNo);

    messages.clear();
    messages.queueAnswer(MessageAnswer::Ok);
    messages.queueAnswer(MessageAnswer::Yes);
    result = show(dialog, [](TFParGen &d) { d.Btn_OK->Click(); });
    EXPECT_EQ(result, platform::mrOk);
    EXPECT_EQ(messages.messages().size(), 2u);
    const auto read = project::readParGenFile(file, 1);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.values, ParGenValues(1));
}

TEST_F(ParGenDialogTest, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    TFParGen dialog(1);
    const int result = show(dialog, [&](TFParGen &d) {
        ASSERT_TRUE(QDir(app::state().Project_Dir).removeRecursively());
        d.Btn_OK->Click();
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].kind, MessageKind::Error);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("ParGen.xml")));
}

TEST_F(ParGenDialogTest, ALanguageChangeReappliesTheTextsAndKeepsTheChoices)
{
    TFParGen first(1);
    TFParGen sixth(6);
    TFParGen second(2);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Set Communication"));
    EXPECT_EQ(first.GB_Modbus_TCP_Slave->title(), QStringLiteral(" Modbus TCP Slave "));
    EXPECT_EQ(first.L_MBus_NodeState1->Caption(), QStringLiteral("Node State value when slave device is not"));
    EXPECT_EQ(first.CB_MBus_ConvInFloatOpt->itemText(1), QStringLiteral("Most Significant Register First"));
    EXPECT_EQ(first.L_SW_Code->Caption(), QStringLiteral("PX42Lyxa"));
    first.CB_MBus_Polls->setCurrentIndex(1);
    first.Is_Change = false;

    app::languageTable().applyLngText(QStringLiteral("STR 90 = Kommunikation\n"
                                                     "STR 95 = Modbus-TCP\n"
                                                     "STR 273 = Ethernet-6\n"
                                                     "STR 354 = Ethernet-2\n"
                                                     "STR 275 = Zyklisch\n"
                                                     "STR 390 = Niederwertiges zuerst\n"));
    app::langRegistry().applyLanguageToAll();
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Kommunikation"));
    EXPECT_EQ(first.GB_Modbus_TCP_Slave->title(), QStringLiteral("Modbus-TCP"));
    EXPECT_EQ(sixth.GB_Modbus_TCP_Slave->title(), QStringLiteral("Ethernet-6"));
    EXPECT_EQ(second.GB_Modbus_TCP_Slave->title(), QStringLiteral("Ethernet-2"));
    EXPECT_EQ(first.CB_MBus_Polls->currentText(), QStringLiteral("Zyklisch"));
    EXPECT_EQ(first.CB_MBus_ConvInFloatOpt->itemText(0), QStringLiteral("Niederwertiges zuerst"));
    EXPECT_FALSE(first.Is_Change);
    // The wired-meter choice keeps its fixed texts.
    EXPECT_EQ(sixth.GB_Sel_Dev_Wire_Present->title(), QStringLiteral(" Select Device "));
    EXPECT_EQ(sixth.L_SD_Wire_Present_MBus->Caption(), QStringLiteral("M-Bus on Wire"));
}

TEST_F(ParGenDialogTest, StepTwoOfTheMainWindowShowsOneDialogForTheOpenConfiguration)
{
    writeSettingsNaming(QStringLiteral("Plant"));
    app::state() = app::AppState{};
    app::StepHandlers steps;
    steps.generalParameters = project::generalParametersStep(1);
    app::Forms forms = app::createForms(std::move(steps), appDir, 1);
    ASSERT_TRUE(app::state().isProjectOpen());

    std::vector<QDialog *> shownDialogs;
    testsupport::ModalScript modal([&](QDialog &dialog) {
        shownDialogs.push_back(&dialog);
        return guitest::runModal(dialog, [](QDialog &d) {
            auto *parGen = qobject_cast<TFParGen *>(&d);
            ASSERT_NE(parGen, nullptr);
            parGen->Btn_OK->Click();
        });
    });
    auto &main = *forms.FRostavelineFirmWare;
    main.Btn_Click(main.Btn_Prm_Gen);
    main.Btn_Click(main.Btn_Prm_Gen);
    ASSERT_EQ(shownDialogs.size(), 2u);
    EXPECT_EQ(shownDialogs[0], shownDialogs[1]);
    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join('|').toStdString();
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("PROJECTS/Plant/ParGen.xml"))));
}

TEST_F(ParGenDialogTest, TabMovesThroughTheFieldsInTheOrderTheyStand)
{
    for (const int type : app::AllConverterTypes) {
        SCOPED_TRACE(type);
        TFParGen dialog(type);
        show(dialog, [](TFParGen &d) {
            d.CB_Select_Device->setCurrentIndex(1);
            d.CB_SD_Wire_Present_MBus->setCurrentIndex(1);
            const auto reachable = [&d](QWidget *w) {
                return w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && w->window() == &d;
            };
            // Where a widget stands: the middle of its left edge in the window.
            const auto place = [&d](QWidget *w) {
                const QPoint p = w->mapTo(&d, QPoint(0, w->height() / 2));
                return std::make_pair(p.y(), p.x());
            };
            std::vector<QWidget *> chain;
            QWidget *w = d.Btn_Cancel;
            do {
                w = w->nextInFocusChain();
                if (reachable(w))
                    chain.push_back(w);
            } while (w != d.Btn_Cancel);
            ASSERT_GT(chain.size(), 5u);
            for (std::size_t i = 0; i + 1 < chain.size(); ++i)
                EXPECT_LT(place(chain[i]), place(chain[i + 1]))
                    << chain[i]->objectName().toStdString() << " before " << chain[i + 1]->objectName().toStdString();
        });
    }
}
