#include "controls/grid/base/editors/EditButton.h"

#include "EditorEvents.h"

#include <QClipboard>
#include <QMenu>
#include <gtest/gtest.h>

using namespace controls;
using namespace editortest;

TEST(UnitEdit, TextAndUnitSplitsAtTheFirstUnitThatEndsTheText)
{
    const struct {
        QStringList units;
        QString value;
        QString text, unit; // "0" and "" when nothing changes
    } cases[] = {
        {{"kWh", "Wh"}, "12.5kWh", "12.5", "kWh"},
        {{"Wh", "kWh"}, "12.5kWh", "12.5k", "Wh"},
        {{"kWh", "Wh"}, "12.5", "0", ""},
        {{}, "12.5kWh", "0", ""},
        {{"1"}, "1.1", "0", ""}, // the first 1 is not at the end
        {{"m3"}, "m3", "", "m3"},
        {{"kWh"}, "Wh", "0", ""}, // one character shorter than a unit it does not hold
        {{"kWh"}, "", "0", ""},
    };
    for (const auto &c : cases) {
        TEsgUnitEditBtn edit;
        edit.setUnits(c.units);
        edit.setTextAndUnit(c.value);
        EXPECT_EQ(edit.text(), c.text) << c.value.toStdString();
        EXPECT_EQ(edit.UnitID(), c.unit) << c.value.toStdString();
        EXPECT_EQ(edit.TextAndUnit(), c.text + c.unit);
    }
}

TEST(UnitEdit, TheButtonOffersTheUnitsAndOnlyANewOneIsReported)
{
    TEsgUnitEditBtn edit;
    edit.setUnits({"kWh", "MWh", "GJ"});
    edit.setTextAndUnit("3kWh");
    int buttonClicks = 0;
    QStringList changes;
    edit.OnClickBtn = [&](QObject *) { ++buttonClicks; };
    edit.OnUnitChanged = [&](QObject *, const QString &unit) { changes << unit; };

    edit.ButtonClick();
    EXPECT_EQ(buttonClicks, 1);
    ASSERT_TRUE(edit.unitMenu());
    QStringList offered;
    for (const QAction *action : edit.unitMenu()->actions())
        offered << action->text();
    EXPECT_EQ(offered, edit.Units());

    edit.unitMenu()->actions().at(0)->trigger(); // the unit already shown
    EXPECT_TRUE(changes.isEmpty());
    edit.unitMenu()->actions().at(2)->trigger();
    EXPECT_EQ(changes, QStringList{"GJ"});
    EXPECT_EQ(edit.TextAndUnit(), "3GJ");
    edit.UnitCommand(4);
    edit.UnitCommand(0);
    EXPECT_EQ(edit.UnitID(), "GJ");
    edit.unitMenu()->close();
}

TEST(EditWithButton, F4PressesTheButtonUnlessCtrlOrAltIsHeld)
{
    const struct {
        Qt::KeyboardModifiers mods;
        bool editorEnabled;
        int clicks;
    } cases[] = {
        {Qt::NoModifier, true, 1},      {Qt::NoModifier, false, 1},       {Qt::AltModifier, true, 0},
        {Qt::ControlModifier, true, 0}, {Qt::ShiftModifier, true, 1},
    };
    for (const auto &c : cases) {
        TEsgEditBtn edit;
        edit.setEditorEnabled(c.editorEnabled);
        int clicks = 0;
        edit.OnClickBtn = [&](QObject *) { ++clicks; };
        key(edit, Qt::Key_F4, {}, c.mods);
        EXPECT_EQ(clicks, c.clicks) << int(c.mods);
    }
}

TEST(EditWithButton, WithoutTheEditorTypingPastingAndDeleteChangeNothingButTheButtonWorks)
{
    QWidget window;
    auto *edit = new TEsgEditBtn(&window);
    edit->setGeometry(0, 0, 120, 24);
    window.show();
    edit->setFocus();
    settle();
    int clicks = 0;
    edit->OnClickBtn = [&](QObject *) { ++clicks; };
    edit->setText("12");
    edit->setEditorEnabled(false);
    edit->setCursorPosition(0);
    QApplication::clipboard()->setText("99");

    type(*edit, "34");
    key(*edit, Qt::Key_Delete);
    key(*edit, Qt::Key_V, {}, Qt::ControlModifier);
    key(*edit, Qt::Key_X, {}, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "12");

    TExSpeedButton &button = *edit->EditButton()->Button();
    click(button, {2, 2});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->hasFocus());

    edit->setEditorEnabled(true);
    edit->setCursorPosition(2);
    type(*edit, "3");
    EXPECT_EQ(edit->text(), "123");
}

TEST(EditWithButton, TheButtonSitsAtTheRightEndAndPaintsInItsColours)
{
    TEsgEditBtn edit;
    edit.resize(100, 24);
    edit.show();
    settle();
    // Inside the two-pixel frame, five pixels short of the edit's right and bottom edges.
    const QRect button = edit.EditButton()->geometry();
    EXPECT_EQ(button, QRect(100 - 18 - 3, 2, 18, 24 - 5));
    EXPECT_GE(edit.textMargins().right(), button.width());
    edit.setBorderSingle(false);
    EXPECT_EQ(edit.EditButton()->geometry(), QRect(100 - 18 - 1, 0, 18, 24 - 1));

    TEsgEditButton &holder = *edit.EditButton();
    holder.ButtonColor = platform::RGB(0, 120, 0);
    holder.ButtonColorHot = platform::RGB(0, 0, 120);
    TExSpeedButton &face = *holder.Button();
    EXPECT_EQ(pixel(face.paintFace(), 3, 3), platform::RGB(0, 120, 0));
    enter(face);
    EXPECT_EQ(pixel(face.paintFace(), 3, 3), platform::RGB(0, 0, 120));
}
