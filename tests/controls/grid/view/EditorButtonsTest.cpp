// The editor buttons cells show without an open editor, the press on a
// spin pair, the editors' share of the colour tones, the unit editor's
// notification, and cells that grow while the user types.
#include "KeyFixture.h"
#include "MouseEvents.h"

#include "controls/grid/base/editors/EditButton.h"
#include "controls/grid/base/editors/EsgCombo.h"
#include "controls/grid/base/editors/SpinEdit.h"
#include "controls/grid/view/MemoEdit.h"
#include "controls/grid/view/SpecialEditor.h"

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct EditorButtons : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        // Column 2 spins, column 3 drops a list down.
        grid->OnGetEditorType = [](TExStringGrid *, int ACol, int, TEditorType &AEditor) {
            AEditor = ACol == 2 ? edSpinEdit : ACol == 3 ? edComboList : edNormal;
        };
    }
    void TearDown() override
    {
        grid->OnSpinClick = nullptr;
        grid->OnUnitChanged = nullptr;
        grid->OnEndRowSize = nullptr;
        KeyGrid::TearDown();
    }
    // The cell's rightmost strip as painted, w pixels wide.
    QImage strip(int col, int row, int w)
    {
        const QImage all = grid->grab().toImage();
        const platform::TRect r = grid->CellRect(col, row);
        return all.copy(r.Right - w, r.Top + 1, w - 1, r.Bottom - r.Top - 2);
    }
    static bool plain(const QImage &image)
    {
        const QRgb first = image.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != first)
                    return false;
        return true;
    }
};

TEST_F(EditorButtons, AppearOnlyWhereAlwaysVisible)
{
    EXPECT_TRUE(plain(strip(2, 2, 16)));
    grid->ControlLook().SpinButtonsAlwaysVisible = true;
    grid->ControlLook().DropDownAlwaysVisible = true;
    grid->update();
    EXPECT_FALSE(plain(strip(2, 2, 16))) << "the spin pair";
    EXPECT_FALSE(plain(strip(3, 2, 17))) << "the drop-down button";
    EXPECT_TRUE(plain(strip(1, 2, 16))) << "a plain cell shows none";
}

TEST_F(EditorButtons, DisabledWhereEditingIsRefused)
{
    grid->ControlLook().SpinButtonsAlwaysVisible = true;
    grid->setReadOnly(2, 3, true);
    EXPECT_NE(strip(2, 2, 16), strip(2, 3, 16));
}

TEST_F(EditorButtons, APressOnTheLowerHalfOpensAndStepsDown)
{
    grid->ControlLook().SpinButtonsAlwaysVisible = true;
    grid->setCells(2, 2, QStringLiteral("5"));
    std::vector<bool> clicks;
    grid->OnSpinClick = [&](TExStringGrid *, int, int, int, bool UpDown) { clicks.push_back(UpDown); };
    at(2, 2);
    const platform::TRect r = grid->CellRect(2, 2);
    viewtest::click(*grid, QPoint(r.Right - 5, r.Bottom - 3));
    auto *spin = qobject_cast<TEsgSpinEdit *>(grid->EditCtrl());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Value(), 4);
    EXPECT_EQ(clicks, std::vector<bool>{false});
    key(Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("5"));
    viewtest::click(*grid, QPoint(r.Right - 5, r.Top + 3));
    spin = qobject_cast<TEsgSpinEdit *>(grid->EditCtrl());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Value(), 6);
}

TEST_F(EditorButtons, ColourTonesReachTheEditors)
{
    auto *spinBefore = qobject_cast<TEsgSpinEdit *>(grid->SpecialEditor(edSpinEdit)->widget());
    TColorTones tones;
    tones.Background = {0x112233, 0x445566, 0};
    tones.Hover = {0x778899, 0, 0};
    tones.Selected = {0xAABBCC, 0, 0};
    grid->SetColorTones(tones);
    EXPECT_EQ(spinBefore->Button()->ButtonColor, platform::TColor(0x112233));
    EXPECT_EQ(spinBefore->Button()->ButtonBorderColor, platform::TColor(0x445566));
    // Made after the tones, an editor takes them too.
    auto *combo = qobject_cast<TEsgComboBox *>(grid->SpecialEditor(edComboEdit)->widget());
    EXPECT_EQ(combo->ButtonColorHot, platform::TColor(0x778899));
    EXPECT_EQ(combo->ButtonColorDown, platform::TColor(0xAABBCC));
    auto *edit = qobject_cast<TEsgEditBtn *>(grid->SpecialEditor(edEditBtn)->widget());
    EXPECT_EQ(edit->EditButton()->ButtonColor, platform::TColor(0x112233));
}

TEST_F(EditorButtons, UnitChangeIsReported)
{
    grid->OnGetEditorType = [](TExStringGrid *, int, int, TEditorType &AEditor) { AEditor = edUnitEditBtn; };
    QString reported;
    grid->OnUnitChanged = [&](TExStringGrid *, int ACol, int ARow, const QString &NewUnit) {
        reported = QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(NewUnit);
    };
    auto *unit = qobject_cast<TEsgUnitEditBtn *>(grid->SpecialEditor(edUnitEditBtn)->widget());
    unit->setUnits({QStringLiteral("kg"), QStringLiteral("g")});
    grid->setCells(1, 1, QStringLiteral("12kg"));
    at(1, 1);
    key(Qt::Key_F2);
    ASSERT_EQ(grid->EditCtrl(), unit);
    EXPECT_EQ(unit->text(), QStringLiteral("12"));
    unit->UnitCommand(2);
    EXPECT_EQ(reported, QStringLiteral("1,1 g"));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("12g"));
}

TEST_F(EditorButtons, TheColumnGrowsWhileTyping)
{
    grid->OnGetEditorType = nullptr;
    grid->SizeWhileTyping.Width = true;
    at(1, 1);
    const int before = grid->ColWidths(1);
    type(QStringLiteral("a rather long text that needs room"));
    EXPECT_GT(grid->ColWidths(1), before);
}

TEST_F(EditorButtons, CtrlEnterGrowsTheRowOfAMultilineCell)
{
    grid->OnGetEditorType = nullptr;
    grid->Multilinecells = true;
    grid->SizeWhileTyping.Height = true;
    int sized = -1;
    grid->OnEndRowSize = [&](TExStringGrid *, int ARow) { sized = ARow; };
    at(1, 2);
    const int before = grid->RowHeights(2);
    type(QStringLiteral("one"));
    key(Qt::Key_Return, Qt::ControlModifier);
    type(QStringLiteral("two"));
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_GT(grid->RowHeights(2), before);
    EXPECT_EQ(sized, 2);
}

} // namespace
