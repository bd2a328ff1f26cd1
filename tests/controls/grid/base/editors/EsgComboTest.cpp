#include "controls/grid/base/editors/EsgCombo.h"

#include "EditorEvents.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace controls;
using namespace editortest;
using platform::TColor;

namespace {

// A shown window with a combo box on a panel of a known colour.
struct Form {
    QWidget window;
    QWidget *panel = new QWidget(&window);
    TEsgComboBox *combo = new TEsgComboBox(panel);
    QLineEdit *other = new QLineEdit(&window);
    Form()
    {
        window.resize(400, 200);
        panel->setGeometry(0, 0, 400, 150);
        QPalette p = panel->palette();
        p.setColor(QPalette::Window, QColor(10, 160, 20));
        panel->setPalette(p);
        panel->setAutoFillBackground(true);
        combo->setGeometry(100, 50, 120, 22);
        combo->addItems({"one", "two", "three"});
        other->setGeometry(0, 160, 50, 20);
        window.show();
        window.activateWindow();
        settle();
    }
};

} // namespace

TEST(EsgCombo, ButtonWidthTakesOnly14To32)
{
    const struct {
        int width;
        int result;
    } cases[] = {{13, 20}, {14, 14}, {32, 32}, {33, 20}, {-1, 20}};
    for (const auto &c : cases) {
        TEsgComboBox combo;
        combo.setButtonWidth(20);
        combo.setButtonWidth(c.width);
        EXPECT_EQ(combo.ButtonWidth(), c.result) << c.width;
    }
}

TEST(EsgCombo, LabelStandsAtEachOfItsThirteenPlaces)
{
    // A control at (100, 50) of 80 x 20; a label of 30 x 13 whose caption is 28 wide; margin 4.
    const QRect control(100, 50, 80, 20);
    using P = TLabelPosition;
    const struct {
        P position;
        QPoint at;
    } cases[] = {
        {P::lpLeftTop, {68, 50}},       {P::lpLeftCenter, {68, 53}},     {P::lpLeftBottom, {68, 57}},
        {P::lpTopLeft, {100, 33}},      {P::lpBottomLeft, {100, 74}},    {P::lpLeftTopLeft, {96, 50}},
        {P::lpLeftCenterLeft, {96, 53}}, {P::lpLeftBottomLeft, {96, 57}}, {P::lpTopCenter, {125, 33}},
        {P::lpBottomCenter, {125, 74}}, {P::lpRightTop, {184, 50}},      {P::lpRightCenter, {184, 53}},
        {P::lpRighBottom, {184, 57}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(labelTopLeft(c.position, control, {30, 13}, 28, 4), c.at) << int(c.position);
    // Centring truncates toward zero when the label is the larger.
    EXPECT_EQ(labelTopLeft(P::lpLeftCenter, QRect(0, 0, 10, 10), {5, 15}, 5, 0).y(), -2);
}

TEST(EsgCombo, LabelFollowsTheComboAndSurvivesItsParentFreeingIt)
{
    Form form;
    TEsgComboBox &combo = *form.combo;
    EXPECT_EQ(combo.ComboLabel(), nullptr);
    combo.setLabelCaption("Unit");
    platform::TLabel *label = combo.ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), form.panel);
    EXPECT_EQ(label->geometry().top(), 50);
    EXPECT_EQ(label->geometry().left(), 100 - 4 - QFontMetrics(label->font()).horizontalAdvance("Unit"));

    combo.setLabelPosition(TLabelPosition::lpRightCenter);
    EXPECT_EQ(label->x(), 100 + 120 + 4);
    EXPECT_EQ(label->y(), 50 + (22 - label->height()) / 2);
    combo.move(10, 10);
    EXPECT_EQ(label->x(), 10 + 120 + 4);

    combo.setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    combo.setEnabled(true);
    EXPECT_TRUE(label->isEnabled());
    combo.setLabelAlwaysEnabled(true);
    combo.setEnabled(false);
    EXPECT_TRUE(label->isEnabled());
    combo.setEnabled(true);

    combo.hide();
    EXPECT_FALSE(label->isVisible());
    combo.show();
    EXPECT_TRUE(label->isVisible());

    // The parent's child, freed by it while the combo lives on elsewhere.
    combo.setParent(&form.window);
    EXPECT_EQ(label->parentWidget(), &form.window);
    combo.setParent(form.panel);
    delete label;
    EXPECT_EQ(combo.ComboLabel(), nullptr);
    combo.move(20, 20);
    combo.setEnabled(false);
    combo.setLabelMargin(8);
}

TEST(EsgCombo, FlatAndFocusColours)
{
    Form form;
    TEsgComboBox &combo = *form.combo;
    const TColor panel = platform::RGB(10, 160, 20);

    combo.setFlat(true);
    EXPECT_EQ(combo.Color(), panel) << "a flat combo takes its parent's colour";
    combo.setFlatParentColor(false);
    combo.setColor(platform::RGB(250, 250, 200));
    combo.setEnabled(false);
    EXPECT_EQ(combo.Color(), panel);
    combo.setEnabled(true);
    EXPECT_EQ(combo.Color(), platform::RGB(250, 250, 200));
    combo.setFlat(false);
    EXPECT_EQ(combo.Color(), platform::clWindow) << "turning flat off restores the colour it was given";

    combo.FocusColor = platform::RGB(255, 255, 0);
    combo.setColor(platform::RGB(200, 220, 240));
    combo.Init();
    combo.setFocusLabel(true);
    combo.setLabelCaption("Value");
    combo.setFocus();
    settle();
    EXPECT_EQ(combo.Color(), platform::RGB(255, 255, 0));
    EXPECT_TRUE(combo.ComboLabel()->font().bold());
    form.other->setFocus();
    settle();
    EXPECT_EQ(combo.Color(), platform::RGB(200, 220, 240));
    EXPECT_FALSE(combo.ComboLabel()->font().bold());
}

TEST(EsgCombo, BorderAndButtonPaintInTheirColours)
{
    Form form;
    TEsgComboBox &combo = *form.combo;
    combo.setBorderColor(platform::RGB(200, 0, 0));
    combo.ButtonColor = platform::RGB(0, 0, 200);
    combo.ButtonTextColor = platform::RGB(255, 255, 255);
    QImage image = shot(combo);
    EXPECT_EQ(pixel(image, 0, 11), platform::RGB(200, 0, 0));
    EXPECT_EQ(pixel(image, 60, 0), platform::RGB(200, 0, 0));
    const QRect button = combo.dropButtonRect();
    EXPECT_EQ(pixel(image, button.right() - 2, button.top() + 3), platform::RGB(0, 0, 200));

    combo.ButtonColorHot = platform::RGB(0, 200, 200);
    moveTo(combo, {button.center().x(), 5});
    EXPECT_TRUE(combo.ButtonHover());
    image = shot(combo);
    EXPECT_EQ(pixel(image, button.right() - 2, button.top() + 3), platform::RGB(0, 200, 200));
    moveTo(combo, {5, 5});
    EXPECT_FALSE(combo.ButtonHover());

    combo.setBorderColor(platform::clNone);
    combo.FocusBorderColor = platform::RGB(0, 0, 0);
    combo.setFocus();
    settle();
    EXPECT_EQ(pixel(shot(combo), 0, 11), platform::RGB(0, 0, 0));
}

TEST(EsgCombo, SelectItemLeavesTheSelectionForAnUnknownText)
{
    TEsgComboBox combo;
    combo.addItems({"a", "b", "c"});
    combo.SelectItem("b");
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.SelectItem("z");
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.SelectItem("B");
    EXPECT_EQ(combo.ItemIndex(), 1);
}

// Made for every cell that goes into editing, the combo builds its popup
// list only when it opens; the list then follows the editors' style as one
// built at once would.
TEST(EsgCombo, ThePopupListIsBuiltWhenFirstOpened)
{
    Form form;
    EXPECT_TRUE(form.combo->findChildren<QAbstractItemView *>().isEmpty());
    form.combo->showPopup();
    settle();
    ASSERT_EQ(form.combo->findChildren<QAbstractItemView *>().size(), 1);
    EXPECT_TRUE(form.combo->DroppedDown());
    form.combo->hidePopup();

    // A plain combo box given the same style after its list exists.
    QComboBox plain;
    plain.addItems({"one", "two", "three"});
    (void)plain.view();
    plain.setStyle(&editorStyle());
    EXPECT_STREQ(form.combo->itemDelegate()->metaObject()->className(),
                 plain.itemDelegate()->metaObject()->className());
    EXPECT_EQ(form.combo->view()->style(), plain.view()->style());
}
