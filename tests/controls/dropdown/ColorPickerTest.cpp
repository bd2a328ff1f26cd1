#include "controls/dropdown/ColorPanels.h"
#include "controls/dropdown/ColorPickerDropDown.h"
#include "controls/dropdown/DropDownForm.h"

#include "controls/grid/base/editors/EditorEvents.h"
#include "support/ManualIntervalTimer.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using editortest::key;
using editortest::pixel;
using editortest::settle;

namespace {

struct PickerWindow {
    QWidget window;
    testsupport::ManualIntervalTimer *timer = new testsupport::ManualIntervalTimer;
    TExColorPickerDropDown *picker = TExCustomDropDown::create<TExColorPickerDropDown>(
        &window, std::unique_ptr<IntervalTimer>(timer));
    QStringList events;

    PickerWindow()
    {
        picker->OnSelect = [this](QObject *) { events << QStringLiteral("select %1").arg(picker->ItemIndex()); };
        window.resize(400, 300);
        picker->move(50, 40);
        window.show();
        window.activateWindow();
        picker->setFocus();
        settle();
    }
    void open()
    {
        picker->ShowDropDown();
        settle();
    }
    void popupKey(int code, const QString &text = {}) { key(*picker->DropDownForm(), code, text); }
};

TEST(ColorPicker, DefaultColoursTwiceAndRedChoosesTheFirst)
{
    PickerWindow w;
    w.picker->AddDefaultColors();
    w.picker->AddDefaultColors();
    EXPECT_EQ(w.picker->Colors().Count(), 32);
    w.picker->setSelectedColor(0x0000FF);
    EXPECT_EQ(w.picker->ItemIndex(), 9);
    EXPECT_EQ(w.picker->SelectedColorText(), QStringLiteral("Red"));
    EXPECT_EQ(w.events, QStringList({"select 9"}));
    // The caption wins over the format in the list style.
    w.picker->setColorValueText(cvtHex);
    EXPECT_EQ(w.picker->SelectedColorText(), QStringLiteral("Red"));
    w.picker->setColorSelectionStyle(csColorCube);
    EXPECT_EQ(w.picker->SelectedColorText(), QStringLiteral("0000FF"));
}

TEST(ColorPicker, AnIndexPastTheColoursIsIgnored)
{
    PickerWindow w;
    w.picker->AddDefaultColors();
    w.picker->setItemIndex(3);
    w.events.clear();
    w.picker->setItemIndex(16);
    EXPECT_EQ(w.picker->ItemIndex(), 3);
    EXPECT_TRUE(w.events.isEmpty());
    // The same index raises again.
    w.picker->setItemIndex(3);
    EXPECT_EQ(w.events, QStringList({"select 3"}));
}

TEST(ColorPicker, TheEditShowsTheBoxAndTheTextOrNothing)
{
    PickerWindow w;
    auto *other = new QLineEdit(&w.window);
    other->move(50, 200);
    other->show();
    other->setFocus();
    settle();
    w.picker->resize(200, 22);
    QImage image = editortest::shot(*w.picker);
    // No colour: neither box nor text.
    const TColor ground = pixel(image, 12, 11);
    for (int x = 4; x < 150; ++x)
        for (int y = 4; y < 18; ++y)
            ASSERT_EQ(pixel(image, x, y), ground) << x << "," << y;
    w.picker->setColorValueText(cvtHTML);
    w.picker->setSelectedColor(0x00FF00);
    image = editortest::shot(*w.picker);
    // The box at 1 + 4 across and 1 + (22 - 14) / 2 down, framed black.
    EXPECT_EQ(pixel(image, 5, 5), clBlack);
    EXPECT_EQ(pixel(image, 18, 18), clBlack);
    EXPECT_EQ(pixel(image, 11, 11), 0x00FF00);
    int ink = 0;
    for (int x = 23; x < 150; ++x)
        for (int y = 4; y < 18; ++y)
            ink += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(ink, 20);
    EXPECT_EQ(w.picker->SelectedColorText(), QStringLiteral("#00FF00"));
}

TEST(ColorPicker, ACubeChoiceRaisesOnceOrTwiceWhenAnItemHasItsColour)
{
    for (const bool listed : {false, true}) {
        PickerWindow w;
        if (listed)
            w.picker->Colors().Add({QStringLiteral("White"), clWhite, QString(), true});
        w.picker->setColorSelectionStyle(csColorCube);
        w.open();
        TExColorCubePanel *cube = w.picker->ColorCubePanel();
        ASSERT_NE(cube, nullptr);
        w.events.clear();
        editortest::press(*cube, {91, 80});
        settle();
        EXPECT_EQ(w.picker->SelectedColor(), clWhite);
        EXPECT_EQ(w.picker->ItemIndex(), -1);
        EXPECT_FALSE(w.picker->DroppedDown());
        EXPECT_EQ(w.events, listed ? QStringList({"select 0", "select -1"}) : QStringList({"select -1"}));
    }
}

TEST(ColorPicker, SwitchingStylesReusesThePanels)
{
    PickerWindow w;
    w.picker->AddDefaultColors();
    TExCustomItemSelector *list = w.picker->ItemSelector();
    ASSERT_NE(list, nullptr);
    w.picker->setColorSelectionStyle(csColorCube);
    TExColorCubePanel *cube = w.picker->ColorCubePanel();
    ASSERT_NE(cube, nullptr);
    EXPECT_EQ(w.picker->DropDownControl(), cube);
    w.picker->setColorSelectionStyle(csList);
    w.picker->setColorSelectionStyle(csColorCube);
    EXPECT_EQ(w.picker->ItemSelector(), list);
    EXPECT_EQ(w.picker->ColorCubePanel(), cube);
    // The popup is the cube's size inside its border.
    w.open();
    EXPECT_EQ(w.picker->DropDownForm()->size(), QSize(182 + 2, 160 + 2));
    EXPECT_TRUE(cube->isVisible());
    EXPECT_FALSE(list->isVisible());
    w.popupKey(Qt::Key_Escape);
}

TEST(ColorPicker, CancelBringsBackTheItemAndTheColourNoneIncluded)
{
    PickerWindow w;
    w.picker->AddDefaultColors();
    w.open();
    w.popupKey(Qt::Key_Down);
    w.popupKey(Qt::Key_Down);
    EXPECT_EQ(w.picker->ItemIndex(), 1);
    EXPECT_EQ(w.picker->SelectedColor(), 0x000080);
    EXPECT_TRUE(w.picker->DroppedDown());
    w.popupKey(Qt::Key_Escape);
    EXPECT_EQ(w.picker->ItemIndex(), -1);
    EXPECT_EQ(w.picker->SelectedColor(), clNone);

    w.picker->setColorSelectionStyle(csDiscrete);
    w.picker->setSelectedColor(0x123456);
    w.open();
    w.popupKey(Qt::Key_Home);
    EXPECT_EQ(w.picker->SelectedColor(), clWhite);
    w.popupKey(Qt::Key_Escape);
    EXPECT_EQ(w.picker->SelectedColor(), 0x123456);
}

TEST(ColorPicker, ThePaletteMovesByRowsWhileOpen)
{
    PickerWindow w;
    w.picker->setColorSelectionStyle(csDiscrete);
    w.open();
    TCustomColorSelector *palette = w.picker->ColorSelector();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->size(), QSize(165, 84));
    EXPECT_EQ(w.picker->DropDownForm()->size(), QSize(167, 86));
    w.popupKey(Qt::Key_Right);
    w.popupKey(Qt::Key_Right);
    w.popupKey(Qt::Key_Right);
    EXPECT_EQ(palette->ItemIndex(), 2);
    w.popupKey(Qt::Key_Up);
    EXPECT_EQ(palette->ItemIndex(), 2);
    w.popupKey(Qt::Key_Down);
    EXPECT_EQ(palette->ItemIndex(), 12);
    EXPECT_EQ(w.picker->SelectedColor(), palette->Items()[12].Color);
    EXPECT_TRUE(w.picker->DroppedDown());
    // A click chooses and closes.
    editortest::press(*palette, palette->ItemRect(1).center());
    settle();
    EXPECT_FALSE(w.picker->DroppedDown());
    EXPECT_EQ(w.picker->SelectedColor(), clBlack);
}

TEST(ColorPicker, EveryEditOfTheColoursRefillsTheList)
{
    PickerWindow w;
    w.picker->AddDefaultColors();
    w.open();
    w.picker->Colors().Update(0, [](TColorItem &item) { item.Caption = QStringLiteral("Ink"); });
    EXPECT_EQ(w.picker->ItemSelector()->Items().at(0).Caption, QStringLiteral("Ink"));
    w.popupKey(Qt::Key_Escape);
    w.picker->Colors().Update(1, [](TColorItem &item) { item.Color = 0x010203; });
    w.open();
    EXPECT_EQ(w.picker->ItemSelector()->Items().at(1).Color, 0x010203);
}

TEST(ColorPicker, ListKeysSearchTheCaptionsByTypedCharacters)
{
    PickerWindow w;
    w.picker->AddDefaultColors();
    w.open();
    w.popupKey(Qt::Key_T, QStringLiteral("t"));
    EXPECT_EQ(w.picker->ItemIndex(), 6);
    w.popupKey(Qt::Key_Return);
    EXPECT_FALSE(w.picker->DroppedDown());
    EXPECT_EQ(w.picker->SelectedColor(), 0x808000);
}

} // namespace
