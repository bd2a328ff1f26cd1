// Form controls in mini-HTML cells, with real presses and keys: the
// editors open over the controls, leaving them rewrites VALUE, Tab walks
// the controls of a cell, CHECK and RADIO toggle in the text.
#include "KeyFixture.h"
#include "MouseEvents.h"

#include "controls/grid/base/HtmlControls.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/view/CellFormControls.h"
#include "controls/grid/view/GridAppearance.h"

#include <QComboBox>

using namespace controls;
using viewtest::KeyGrid;

namespace {

const QString kForm = QStringLiteral(
    R"(<CONTROL TYPE="EDIT" ID="name" VALUE="abc" WIDTH="60"> <CONTROL TYPE="CHECK" ID="ok" VALUE="FALSE" WIDTH="16">)"
    R"( <CONTROL TYPE="PASSWORD" ID="pw" VALUE="" WIDTH="60"> <CONTROL TYPE="MASK" ID="date" VALUE="" WIDTH="70" PROP="99/99/9999;1;_">)");

struct FormControls : KeyGrid {
    std::vector<QString> done;
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->setColWidths(1, 380);
        grid->setRowHeights(1, 30);
        grid->setCells(1, 1, kForm);
        grid->OnControlEditDone = [this](TExStringGrid *, int ARow, int ACol, const QString &id, const QString &type,
                                         const QString &value) {
            done.push_back(QStringLiteral("%1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(id, type, value));
        };
        at(1, 1);
    }
    QString value(const QString &id) const
    {
        QString v;
        GetHtmlControlValue(grid->Cells(1, 1), id, v);
        return v;
    }
    // Where the cell draws the control.
    QRect controlRect(const QString &id) const
    {
        const TGridAppearance &look = grid->Appearance();
        platform::TRect r = grid->CellRect(1, 1);
        r.Left += look.XYOffset.X + 1;
        r.Top += look.XYOffset.Y + 1;
        r.Right -= look.XYOffset.X;
        platform::TCanvas &canvas = grid->Canvas();
        canvas.Font().Assign(grid->Font());
        THtmlDrawParams params;
        params.HitTestOnly = true;
        params.ControlID = id;
        THtmlDrawResult found;
        DrawHtmlText(canvas, grid->Cells(1, 1), r, params, found);
        return platform::toQRect(found.HitControlRect);
    }
    void press(const QString &id)
    {
        const QPoint p = controlRect(id).center();
        viewtest::sendMouse(*grid, QEvent::MouseButtonPress, Qt::LeftButton, p);
        viewtest::sendMouse(*grid, QEvent::MouseButtonRelease, Qt::LeftButton, p);
    }
    TControlEdit *edit() const { return grid->ControlEdit(); }
};

TEST_F(FormControls, F2OpensTheFirstEditAndEnterWritesItsValue)
{
    key(Qt::Key_F2);
    ASSERT_TRUE(grid->ControlEditing());
    ASSERT_TRUE(edit()->isVisible());
    EXPECT_EQ(edit()->text(), QStringLiteral("abc"));
    EXPECT_TRUE(controlRect(QStringLiteral("name")).intersects(edit()->geometry()));
    edit()->selectAll();
    type(QStringLiteral("new \"value\""));
    key(Qt::Key_Return);
    EXPECT_FALSE(edit()->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(value(QStringLiteral("name")), QStringLiteral("new \"value\""));
    EXPECT_EQ(done, (std::vector<QString>{QStringLiteral("1,1 name EDIT new \"value\"")}));
    EXPECT_EQ(value(QStringLiteral("ok")), QStringLiteral("FALSE")) << "the other controls stay";
}

TEST_F(FormControls, TabWalksTheTypedControlsThenTheGridHasTheFocus)
{
    key(Qt::Key_F2);
    key(Qt::Key_Tab);
    ASSERT_TRUE(edit()->isVisible()) << "CHECK is passed over";
    EXPECT_EQ(edit()->echoMode(), QLineEdit::Password);
    type(QStringLiteral("se"));
    EXPECT_EQ(edit()->displayText(), QStringLiteral("**"));
    key(Qt::Key_Tab);
    ASSERT_TRUE(edit()->isVisible());
    EXPECT_EQ(edit()->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(edit()->inputMask(), QStringLiteral("00/00/0000;_")) << "the cell's mask";
    type(QStringLiteral("01022025"));
    key(Qt::Key_Tab);
    EXPECT_FALSE(grid->ControlEditing());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(value(QStringLiteral("pw")), QStringLiteral("se"));
    EXPECT_EQ(value(QStringLiteral("date")), QStringLiteral("01/02/2025"));
    ASSERT_EQ(done.size(), 3u);
    EXPECT_TRUE(done[1].startsWith(QStringLiteral("1,1 pw PASSWORD")));
}

TEST_F(FormControls, CheckTogglesOnAPress)
{
    int clicks = 0;
    grid->OnControlClick = [&](TExStringGrid *, int, int, const QString &id, const QString &type, const QString &v) {
        ++clicks;
        EXPECT_EQ(id, QStringLiteral("ok"));
        EXPECT_EQ(type, QStringLiteral("CHECK"));
        EXPECT_EQ(v, QStringLiteral("TRUE"));
    };
    press(QStringLiteral("ok"));
    EXPECT_EQ(value(QStringLiteral("ok")), QStringLiteral("TRUE"));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(grid->ControlEditing()) << "a check box has no editor";
}

TEST_F(FormControls, RadioSetsOneAndClearsTheOthers)
{
    grid->setCells(1, 1, QStringLiteral(R"(<CONTROL TYPE="RADIO" ID="a" VALUE="TRUE" WIDTH="16"> A <CONTROL TYPE="RADIO" ID="b" VALUE="FALSE" WIDTH="16"> B)"));
    press(QStringLiteral("b"));
    EXPECT_EQ(value(QStringLiteral("a")), QStringLiteral("FALSE"));
    EXPECT_EQ(value(QStringLiteral("b")), QStringLiteral("TRUE"));
}

TEST_F(FormControls, AReadOnlyCellOnlyTellsTheClick)
{
    grid->setReadOnly(1, 1, true);
    int anchors = 0;
    grid->OnAnchorClick = [&](TExStringGrid *, int, int, const QString &, bool &) { ++anchors; };
    press(QStringLiteral("ok"));
    press(QStringLiteral("name"));
    EXPECT_EQ(anchors, 2);
    EXPECT_EQ(value(QStringLiteral("ok")), QStringLiteral("FALSE"));
    EXPECT_FALSE(grid->ControlEditing());
}

TEST_F(FormControls, APressOnAnEditOpensItAtItsRectangle)
{
    press(QStringLiteral("name"));
    ASSERT_TRUE(edit()->isVisible());
    EXPECT_TRUE(controlRect(QStringLiteral("name")).contains(edit()->geometry().center()));
    edit()->setFocus();
    grid->setFocus(); // leaving the editor is its end
    EXPECT_FALSE(edit()->isVisible());
    EXPECT_EQ(done.size(), 1u);
    grid->EndControlEdit();
    EXPECT_EQ(done.size(), 1u) << "one end only";
}

TEST_F(FormControls, ComboListAndFreeText)
{
    grid->setCells(1, 1, QStringLiteral(R"(<CONTROL TYPE="COMBO" ID="c" VALUE="two" WIDTH="80">)"));
    bool editable = false;
    grid->OnControlComboList = [&](TExStringGrid *, int, int, const QString &, const QString &, const QString &,
                                   QStringList &values, bool &edit, int &) {
        values = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};
        edit = editable;
    };
    int selected = -1;
    grid->OnControlComboSelect = [&](TExStringGrid *, int, int, int index, const QString &, const QString &) {
        selected = index;
    };
    key(Qt::Key_F2);
    QComboBox *combo = grid->ControlCombo();
    ASSERT_TRUE(combo->isVisible());
    combo->hidePopup();
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), QStringLiteral("two"));
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(selected, 2);
    grid->setFocus();
    grid->EndControlEdit();
    EXPECT_EQ(value(QStringLiteral("c")), QStringLiteral("three"));

    editable = true;
    key(Qt::Key_F2);
    combo->hidePopup();
    ASSERT_TRUE(combo->isEditable());
    combo->setEditText(QStringLiteral("free"));
    grid->setFocus();
    grid->EndControlEdit();
    EXPECT_EQ(value(QStringLiteral("c")), QStringLiteral("free"));
}

} // namespace
