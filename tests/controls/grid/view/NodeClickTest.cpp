// Nodes under real presses and keys: the glyph opens and closes its node
// unless the owner refuses, the header's glyph all of them, the node
// column never selects, a release selects a group; Right and Left on a
// merged node row; look-up typing; a column sized by the mouse; where a
// node row's text starts.
#include "KeyFixture.h"
#include "MouseEvents.h"
#include "ViewFixture.h"

#include "controls/grid/view/GridAppearance.h"

namespace {

using namespace controls;
using namespace viewtest;

// Eight rows, one fixed; a node at 1 over rows 1..3, one at 4 over 4..5.
struct NodeClickTest : ViewTest {
    std::vector<QString> events;
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setColCount(3);
        grid.setRowCount(8);
        for (int r = 1; r < 8; ++r)
            grid.setCells(1, r, QString::number(r));
        grid.AddNode(1, 3);
        grid.AddNode(4, 2);
        grid.OnMouseDown = [this](TExStringGrid *, platform::TMouseButton, platform::TShiftState, int, int) {
            events.push_back(QStringLiteral("down"));
        };
        grid.OnClickCell = [this](TExStringGrid *, int row, int col) {
            events.push_back(QStringLiteral("click %1,%2").arg(row).arg(col));
        };
        grid.FocusCell(2, 7);
    }
    // The XP glyph of a level-1 node lies 2..10 pixels into column 0.
    QPoint glyph(int row) { return {cell(0, row).Left + 6, centre(cell(0, row)).y()}; }
};

TEST_F(NodeClickTest, AGlyphPressContractsAndExpandsItsNode)
{
    std::vector<int> contracted;
    grid.OnContractNode = [&](TExStringGrid *, int row, int real) { contracted.push_back(row * 100 + real); };
    click(grid, glyph(4));
    EXPECT_TRUE(grid.GetNodeState(4));
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(contracted, std::vector<int>{404});
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("down"), QStringLiteral("click 4,0")}));
    click(grid, glyph(4));
    EXPECT_FALSE(grid.GetNodeState(4));
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Row(), 6) << "the current row stays without MoveRowOnNodeClick";
}

TEST_F(NodeClickTest, ARefusedExpandFiresThePressEventsAndChangesNothing)
{
    grid.ContractNode(1);
    grid.OnBeforeExpandNode = [](TExStringGrid *, int, int, bool &allow) { allow = false; };
    bool expanded = false;
    grid.OnExpandNode = [&](TExStringGrid *, int, int) { expanded = true; };
    const int row = grid.Row();
    click(grid, glyph(1));
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_FALSE(expanded);
    EXPECT_EQ(grid.Row(), row);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("down"), QStringLiteral("click 1,0")}));
    // With MoveRowOnNodeClick the current row moves there all the same.
    grid.MouseActions().MoveRowOnNodeClick = true;
    click(grid, glyph(1));
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(NodeClickTest, TheNodeColumnOutsideTheGlyphNeverSelects)
{
    const int row = grid.Row();
    click(grid, QPoint(cell(0, 2).Right - 5, centre(cell(0, 2)).y()));
    EXPECT_EQ(grid.Row(), row);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("down"), QStringLiteral("click 2,0")}));
    // Off the glyph of a node row: neither a toggle nor a selection.
    click(grid, QPoint(cell(0, 1).Right - 5, centre(cell(0, 1)).y()));
    EXPECT_FALSE(grid.GetNodeState(1));
    EXPECT_EQ(grid.Row(), row);
}

TEST_F(NodeClickTest, TheHeadersGlyphOpensAndClosesEveryNode)
{
    grid.MouseActions().NodeAllExpandContract = true;
    grid.AddNode(0, 1);
    const QPoint header(cell(0, 0).Left + 6, centre(cell(0, 0)).y());
    click(grid, header);
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_TRUE(grid.GetNodeState(2)) << "the second node, now at display row 2";
    click(grid, header);
    EXPECT_FALSE(grid.GetNodeState(1));
    EXPECT_FALSE(grid.GetNodeState(4));
}

struct GlyphHitCase {
    TNodeType type;
    int level;
    int inside;
    int outside;
};

TEST_F(NodeClickTest, TheGlyphHitFollowsTheNodeTypeAndLevel)
{
    grid.AddNode(2, 2); // level 2 over rows 2..3
    const std::vector<GlyphHitCase> cases{
        {cnXP, 1, 5, 16},   {cnFlat, 1, 15, 4}, {cn3D, 1, 1, 18},
        {cnLeaf, 1, 3, 2},  {cnXP, 2, 17, 16},  {cnXP, 2, 27, 28}};
    for (const GlyphHitCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " level " << c.level);
        grid.CellNode().NodeType = c.type;
        const int row = c.level == 1 ? 1 : 2;
        ASSERT_EQ(grid.GetNodeLevel(row), c.level);
        EXPECT_TRUE(grid.IsInNodeGlyph(row, c.inside));
        EXPECT_FALSE(grid.IsInNodeGlyph(row, c.outside));
    }
    // Right to left the glyph stands at the right edge.
    grid.CellNode().NodeType = cnXP;
    grid.setRightToLeft(true);
    EXPECT_TRUE(grid.IsInNodeGlyph(1, grid.width() - 10));
    EXPECT_FALSE(grid.IsInNodeGlyph(1, 6));
    grid.setRightToLeft(false);
    grid.MouseActions().PreciseNodeClick = false;
    EXPECT_TRUE(grid.IsInNodeGlyph(1, 300));
}

TEST_F(NodeClickTest, AReleaseOnAnExpandedNodeSelectsItsGroup)
{
    grid.Grouping().AutoSelectGroup = true;
    click(grid, centre(cell(1, 1)));
    EXPECT_EQ(grid.Selection().Top, 1);
    EXPECT_EQ(grid.Selection().Bottom, 3);
    EXPECT_EQ(grid.Selection().Left, grid.FixedCols());
    EXPECT_EQ(grid.Selection().Right, 2);
    // A contracted node selects only its row.
    grid.ContractNode(4);
    click(grid, centre(cell(1, 4)));
    EXPECT_EQ(grid.Selection().Bottom, 4);
    // Disjunct rows: the group's rows are marked.
    grid.ExpandNode(4);
    grid.MouseActions().setDisjunctRowSelect(true);
    click(grid, centre(cell(1, 4)));
    EXPECT_TRUE(grid.RowSelect(5));
}

TEST_F(NodeClickTest, ANodeRowsTextStartsPastItsGlyphAtAnyIndent)
{
    grid.CellNode().NodeIndent = 20;
    grid.AddNode(2, 2); // level 2
    grid.setCells(0, 2, QStringLiteral("W"));
    const QImage image = paint();
    TRect r = cell(0, 2);
    r.Left += 4; // past the grid's own border
    const QRect glyphBox =
        boxOf(image, r, [](TColor c) { return platform::GetBValue(c) > platform::GetRValue(c) + 30; });
    const QRect text = boxOf(image, r, [](TColor c) {
        return platform::GetRValue(c) + platform::GetGValue(c) + platform::GetBValue(c) < 100;
    });
    ASSERT_FALSE(glyphBox.isEmpty());
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GT(glyphBox.left(), cell(0, 2).Left + 2 * 12 + 4)
        << "the glyph stands where a fixed 12-pixel step would put the text";
    EXPECT_GT(text.left(), glyphBox.right() + 2);
}

// --- keys --------------------------------------------------------------------------------

struct NodeKeyTest : KeyGrid {};

TEST_F(NodeKeyTest, RightAndLeftOpenAndCloseAMergedNodeRow)
{
    grid->AddNode(1, 4);
    grid->MergeCells(1, 1, 4, 1);
    at(1, 1);
    key(Qt::Key_Left);
    EXPECT_TRUE(grid->GetNodeState(1));
    key(Qt::Key_Right);
    EXPECT_FALSE(grid->GetNodeState(1));
    // An unmerged node row keeps the keys' own meaning.
    grid->AddNode(6, 2);
    at(1, 6);
    key(Qt::Key_Left);
    EXPECT_FALSE(grid->GetNodeState(6));
}

// Rows 1..9 hold x y x y ...; a filter shows the x rows only.
struct FilteredRowKeysTest : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        for (int r = 1; r < 10; ++r) {
            grid->setCells(1, r, r % 2 ? QStringLiteral("x") : QStringLiteral("y"));
            grid->setCells(2, r, QString::number(r));
        }
        TFilterData x;
        x.Column = 1;
        x.Condition = QStringLiteral("x");
        grid->Filter().push_back(x);
        grid->setFilterActive(true);
        grid->Navigation().AllowInsertRow = true;
        grid->Navigation().AllowDeleteRow = true;
    }
};

TEST_F(FilteredRowKeysTest, DeleteTakesTheRowOutOfTheUnfilteredGridAndFiltersAgain)
{
    ASSERT_EQ(grid->RowCount(), 6);
    std::vector<int> asked;
    grid->OnCanDeleteRow = [&](TExStringGrid *, int real, bool &) { asked.push_back(real); };
    at(2, 2); // the row holding 3
    key(Qt::Key_Delete);
    EXPECT_EQ(asked, std::vector<int>{3});
    EXPECT_TRUE(grid->FilterActive());
    EXPECT_EQ(grid->RowCount(), 5);
    QString shown;
    for (int r = 1; r < grid->RowCount(); ++r)
        shown += grid->Cells(2, r);
    EXPECT_EQ(shown, QStringLiteral("1579"));
    grid->setFilterActive(false);
    EXPECT_EQ(grid->RowCount(), 9) << "the hidden y rows all came back";
}

TEST_F(FilteredRowKeysTest, ARefusedDeleteLeavesRowsAndFilterAsTheyWere)
{
    grid->OnCanDeleteRow = [](TExStringGrid *, int, bool &canDelete) { canDelete = false; };
    at(2, 2);
    key(Qt::Key_Delete);
    EXPECT_TRUE(grid->FilterActive());
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("3"));
}

TEST_F(FilteredRowKeysTest, InsertPutsTheRowBesideItsRealRow)
{
    grid->Navigation().InsertPosition = TInsertPosition::pInsertBefore;
    at(2, 3); // the row holding 5
    key(Qt::Key_Insert);
    EXPECT_TRUE(grid->FilterActive());
    grid->setFilterActive(false);
    ASSERT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Cells(2, 5), QString()) << "before the real row of 5";
    EXPECT_EQ(grid->Cells(2, 6), QStringLiteral("5"));
}

struct LookupTest : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setFixedCols(0);
        const QStringList texts{QStringLiteral(""),      QStringLiteral("Apple"), QStringLiteral("banana"),
                                QStringLiteral("abacus"), QStringLiteral("About"), QStringLiteral("Cherry")};
        for (int r = 1; r < texts.size(); ++r)
            grid->setCells(0, r, texts[r]);
        grid->Navigation().AutoGotoWhenSorted = true;
        grid->Navigation().AutoGotoIncremental = true;
        at(0, 5);
    }
};

TEST_F(LookupTest, TypedLettersFindTheFirstRowTheyBegin)
{
    type(QStringLiteral("a"));
    EXPECT_EQ(grid->Row(), 1);
    type(QStringLiteral("b"));
    EXPECT_EQ(grid->Row(), 3) << "abacus, before About";
    key(Qt::Key_Backspace);
    EXPECT_EQ(grid->Row(), 1);
    type(QStringLiteral("x"));
    EXPECT_EQ(grid->Row(), 1) << "no row begins AX: the row stays";
    type(QStringLiteral("c"));
    EXPECT_EQ(grid->Row(), 5) << "the text was emptied: C alone";
}

TEST_F(LookupTest, WithoutIncrementalEachLetterStandsAlone)
{
    grid->Navigation().AutoGotoIncremental = false;
    type(QStringLiteral("b"));
    EXPECT_EQ(grid->Row(), 2);
    type(QStringLiteral("c"));
    EXPECT_EQ(grid->Row(), 5);
    grid->setOptions(grid->Options() | goEditing); // typing then edits
    grid->Navigation().AutoGotoWhenSorted = false;
    at(0, 2);
    type(QStringLiteral("a"));
    EXPECT_EQ(grid->Row(), 2);
}

// --- a column sized by the mouse -----------------------------------------------------------

struct ColumnDragTest : ViewTest {
    std::vector<QString> events;
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setColCount(4);
        grid.setRowCount(4);
        grid.setOptions(grid.Options() | goColSizing);
        for (int c = 0; c < 4; ++c)
            grid.setColWidths(c, 60);
        grid.OnEndColumnSize = [this](TExStringGrid *, int col) {
            events.push_back(QStringLiteral("end %1").arg(col));
        };
    }
    void drag(int col, int dx)
    {
        const QPoint from(cell(col, 0).Right - 1, 5);
        const QPoint to = from + QPoint(dx, 0);
        sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), grid.mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&grid, &move);
        sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, to);
    }
};

TEST_F(ColumnDragTest, OnEndColumnSizeFiresAndOnUpdateColumnSizeWins)
{
    grid.OnUpdateColumnSize = [this](TExStringGrid *, int col, int &w) {
        events.push_back(QStringLiteral("update %1 %2").arg(col).arg(w));
        w = 75;
    };
    drag(1, 30);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("end 1"), QStringLiteral("update 1 90")}));
    EXPECT_EQ(grid.ColWidths(1), 75);
    EXPECT_EQ(grid.ColWidths(2), 60);
    EXPECT_EQ(grid.SortSettings().Column(), -1);
}

TEST_F(ColumnDragTest, AllColumnSizeScalesTheOtherNormalColumns)
{
    grid.MouseActions().AllColumnSize = true;
    drag(1, 30); // 60 -> 90: one and a half
    EXPECT_EQ(grid.ColWidths(1), 90);
    EXPECT_EQ(grid.ColWidths(2), 90);
    EXPECT_EQ(grid.ColWidths(3), 90);
    EXPECT_EQ(grid.ColWidths(0), 60) << "the fixed column keeps its width";
    EXPECT_EQ(events, std::vector<QString>{QStringLiteral("end 1")});
    // A programmatic width change afterwards is no mouse sizing.
    grid.setColWidths(2, 40);
    EXPECT_EQ(grid.ColWidths(3), 90);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(ColumnDragTest, AStretchedGridKeepsItsStretchColumnAfterAMouseSize)
{
    grid.ColumnSize().Stretch = true;
    grid.StretchRightColumn();
    const int client = grid.ClientWidth();
    drag(1, 20);
    EXPECT_EQ(grid.ColWidths(1), 80);
    EXPECT_EQ(grid.ColWidths(3), client - 60 - 80 - 60 - 1);
}

} // namespace
