// Header cells edited in place: which presses open the editor, what
// leaving it stores, and a refused text that keeps it open.
#include "KeyFixture.h"
#include "MouseEvents.h"

#include "controls/grid/view/FixedCellEditors.h"

#include <QComboBox>

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct FixedCellEdit : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setCells(2, 0, QStringLiteral("Head"));
        grid->setCells(0, 3, QStringLiteral("Side"));
    }
    void pressAt(QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        viewtest::sendMouse(*grid, QEvent::MouseButtonPress, b, p);
        viewtest::sendMouse(*grid, QEvent::MouseButtonRelease, b, p);
    }
    QPoint centreOf(int col, int row) const { return viewtest::centre(grid->CellRect(col, row)); }
    bool editOpen() const { return grid->EditTrans()->isVisible(); }
};

TEST_F(FixedCellEdit, WhichPressesOpenTheEditor)
{
    struct Case {
        TGridFixedCellEdit how;
        Qt::MouseButton button;
        bool doubleClick;
        bool opens;
    };
    const Case cases[] = {
        {TGridFixedCellEdit::fceRightClick, Qt::RightButton, false, true},
        {TGridFixedCellEdit::fceRightClick, Qt::LeftButton, false, false},
        {TGridFixedCellEdit::fceLeftClick, Qt::LeftButton, false, true},
        {TGridFixedCellEdit::fceDblClick, Qt::LeftButton, false, false},
        {TGridFixedCellEdit::fceDblClick, Qt::LeftButton, true, true},
        {TGridFixedCellEdit::fceNone, Qt::RightButton, false, false},
    };
    for (const Case &c : cases) {
        grid->EditTrans()->hide();
        grid->MouseActions().FixedRowsEdit = c.how;
        if (c.doubleClick)
            viewtest::doubleClick(*grid, centreOf(2, 0));
        else
            pressAt(centreOf(2, 0), c.button);
        EXPECT_EQ(editOpen(), c.opens) << static_cast<int>(c.how) << " " << c.button;
        if (c.opens) {
            EXPECT_EQ(grid->EditTrans()->text(), QStringLiteral("Head"));
        }
    }
}

TEST_F(FixedCellEdit, WithColumnSizingALeftPressMustBeFourPixelsIn)
{
    grid->setOptions(grid->Options() | goColSizing);
    grid->MouseActions().FixedRowsEdit = TGridFixedCellEdit::fceLeftClick;
    const platform::TRect r = grid->CellRect(2, 0);
    pressAt(QPoint(r.Left + 2, (r.Top + r.Bottom) / 2));
    EXPECT_FALSE(editOpen());
    pressAt(QPoint(r.Left + 5, (r.Top + r.Bottom) / 2));
    EXPECT_TRUE(editOpen());
}

TEST_F(FixedCellEdit, EnterStoresAndChangesAreTold)
{
    grid->MouseActions().FixedColsEdit = TGridFixedCellEdit::fceRightClick;
    std::vector<QString> changes;
    grid->OnEditChange = [&](TExStringGrid *, int c, int r, const QString &t) {
        changes.push_back(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(t));
    };
    int doneCount = 0;
    grid->OnEditingDone = [&](TExStringGrid *) { ++doneCount; };
    pressAt(centreOf(0, 3), Qt::RightButton);
    ASSERT_TRUE(editOpen());
    grid->EditTrans()->selectAll();
    type(QStringLiteral("Row"));
    key(Qt::Key_Return);
    EXPECT_FALSE(editOpen());
    EXPECT_EQ(grid->Cells(0, 3), QStringLiteral("Row"));
    EXPECT_EQ(doneCount, 1);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), QStringLiteral("0,3 Row"));
}

TEST_F(FixedCellEdit, ARefusedTextKeepsTheEditorAndANewEditWaits)
{
    grid->MouseActions().FixedRowsEdit = TGridFixedCellEdit::fceRightClick;
    grid->OnCellValidate = [](TExStringGrid *, int, int, QString &value, bool &valid) { valid = !value.isEmpty(); };
    pressAt(centreOf(2, 0), Qt::RightButton);
    grid->EditTrans()->clear();
    key(Qt::Key_Return);
    EXPECT_TRUE(editOpen());
    EXPECT_EQ(grid->Cells(2, 0), QStringLiteral("Head"));
    pressAt(centreOf(3, 0), Qt::RightButton);
    EXPECT_TRUE(editOpen());
    EXPECT_EQ(grid->EditTrans()->FCol, 2) << "the refused edit stays on its cell";
}

TEST_F(FixedCellEdit, TheComboKindsAndOnFixedEdit)
{
    grid->MouseActions().FixedRowsEdit = TGridFixedCellEdit::fceRightClick;
    grid->MouseActions().setFixedComboValues({QStringLiteral("A"), QStringLiteral("Head")});
    grid->OnFixedEdit = [](TExStringGrid *, int, int, QStringList &items, TGridFixedCellEditor &editor) {
        items << QStringLiteral("Z");
        editor = TGridFixedCellEditor::fceComboList;
    };
    pressAt(centreOf(2, 0), Qt::RightButton);
    QComboBox *combo = grid->ComboTrans();
    ASSERT_TRUE(combo->isVisible());
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Head"));
    combo->setCurrentIndex(2);
    key(Qt::Key_Return);
    EXPECT_FALSE(combo->isVisible());
    EXPECT_EQ(grid->Cells(2, 0), QStringLiteral("Z"));
}

} // namespace
