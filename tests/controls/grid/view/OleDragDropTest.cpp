// Drops onto the string grid by synthesized drag events, drags out of it
// through a drag loop the test installs (which drops into a grid of the
// test's choosing), the selection resizer and the moving of headers, all
// driven by real mouse events. Drags to or from other programs need the
// desktop's drag protocol and are not covered here.
#include "MouseEvents.h"

#include "controls/grid/base/editors/GridDrag.h"
#include "controls/grid/base/paint/ArrowWindow.h"
#include "controls/grid/model/DragDropSettings.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridOleDrop.h"
#include "platform/HandlerGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace controls;
using viewtest::centre;

namespace {

QString label(int c, int r) { return QStringLiteral("%1:%2").arg(c).arg(r); }

void fill(TExStringGrid &g)
{
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            g.setCells(c, r, label(c, r));
}

// The arrow windows among the grid's children (they carry no meta-object
// of their own, so they are told apart by their type).
std::vector<const TArrowWindow *> arrows(const QWidget &grid)
{
    std::vector<const TArrowWindow *> found;
    for (const QWidget *w : grid.findChildren<QWidget *>())
        if (const auto *arrow = dynamic_cast<const TArrowWindow *>(w))
            found.push_back(arrow);
    return found;
}

void dragMove(QWidget &w, QPoint p)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

// Drops data at a client point of the grid as the window system would:
// enter, move, drop; the effect the target answered.
int dropAt(TExStringGrid &g, const QMimeData &data, QPoint client, int effect = DROPEFFECT_COPY | DROPEFFECT_MOVE)
{
    TGridDropTarget *target = g.GridDropTarget();
    const QPoint pt = g.mapToGlobal(client);
    int e = effect;
    target->DragEnter(data, false, pt, e);
    e = effect;
    target->DragOver(false, pt, e);
    if (e == DROPEFFECT_NONE) {
        target->DragLeave();
        return e;
    }
    e = effect;
    target->Drop(data, false, pt, e);
    return e;
}

class OleDrop : public ::testing::Test {
protected:
    OleDrop()
    {
        grid.resize(640, 480);
        grid.setColCount(6);
        grid.setRowCount(8);
        grid.setOptions(grid.Options() | goEditing);
        grid.DragDropSettings().setOleDropTarget(true);
    }
    QPoint cell(int c, int r) { return centre(grid.CellRect(c, r)); }
    static std::unique_ptr<QMimeData> text(const QString &t)
    {
        auto d = std::make_unique<QMimeData>();
        d->setText(t);
        return d;
    }
    static std::unique_ptr<QMimeData> files(const QStringList &names)
    {
        auto d = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString &n : names)
            urls << QUrl::fromLocalFile(n);
        d->setUrls(urls);
        return d;
    }

    TExStringGrid grid;
};

} // namespace

TEST_F(OleDrop, TextFillsAndSelectsTheCellsFromTheDropCell)
{
    TGridRect dropped{};
    grid.OnOleDropped = [&](TExStringGrid *, const TGridRect &r) { dropped = r; };
    dropAt(grid, *text("a\tb\tc\r\nd\te\tf"), cell(2, 5));
    EXPECT_EQ(grid.Cells(2, 5), QStringLiteral("a"));
    EXPECT_EQ(grid.Cells(4, 6), QStringLiteral("f"));
    const TGridRect sel = grid.Selection();
    EXPECT_EQ(QRect(sel.Left, sel.Top, sel.Right - sel.Left + 1, sel.Bottom - sel.Top + 1), QRect(2, 5, 3, 2));
    EXPECT_EQ(dropped.Right, 4);
    EXPECT_EQ(dropped.Bottom, 6);
}

TEST_F(OleDrop, RowsAppendBelowTheLastRow)
{
    grid.DragDropSettings().OleEntireRows = true;
    grid.DragDropSettings().OleAppendRows = true;
    grid.DragDropSettings().OleInsertRows = true;
    fill(grid);
    const platform::TRect last = grid.CellRect(2, grid.RowCount() - 1);
    dropAt(grid, *text("x\r\ny"), QPoint(last.Left + 5, last.Bottom + 10));
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.Cells(1, 7), label(1, 7));
    EXPECT_EQ(grid.Cells(1, 8), QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(1, 9), QStringLiteral("y"));
}

TEST_F(OleDrop, InsertedRowsKeepTheTopRow)
{
    grid.setRowCount(60);
    fill(grid);
    grid.DragDropSettings().OleInsertRows = true;
    grid.setTopRow(3);
    dropAt(grid, *text("p\r\nq\r\nr"), cell(1, 5));
    EXPECT_EQ(grid.RowCount(), 63);
    EXPECT_EQ(grid.Cells(1, 5), QStringLiteral("p"));
    EXPECT_EQ(grid.Cells(1, 7), QStringLiteral("r"));
    EXPECT_EQ(grid.Cells(1, 8), label(1, 5));
    EXPECT_EQ(grid.TopRow(), 4);
}

TEST_F(OleDrop, FilesAreJudgedByTheirExtension)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath("meters.csv");
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("id,value\r\n7,42\r\n");
    f.close();
    QFile::copy(csv, dir.filePath("meters.csv.bak"));
    QStringList reported;
    grid.DropErrorReporter = [&](const QString &m) { reported << m; };

    dropAt(grid, *files({csv, csv}), cell(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), QString());
    dropAt(grid, *files({dir.filePath("meters.csv.bak")}), cell(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), QString());
    dropAt(grid, *files({csv}), cell(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("id"));
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("42"));
    EXPECT_TRUE(reported.isEmpty());
    dropAt(grid, *files({dir.filePath("book.xls")}), cell(1, 1));
    EXPECT_EQ(reported, QStringList{QStringLiteral("Excel OLE server not found")});
}

TEST_F(OleDrop, AListBoxColumnIsShownMovedAndLeavesTheList)
{
    fill(grid);
    grid.HideColumn(4);
    QListWidget list;
    list.addItems({"first", "column four", "last"});
    grid.OleColumnDragStart(4, 1, &list);
    auto data = std::make_unique<QMimeData>();
    data->setData(mime::GridColumn, frameGridColumn(4));
    int dropCol = -1;
    grid.OnOleDropCol = [&](TExStringGrid *, int, int, int col) { dropCol = col; };
    dropAt(grid, *data, cell(1, 0));
    EXPECT_FALSE(grid.IsHiddenColumn(4));
    EXPECT_EQ(grid.Cells(1, 2), label(4, 2));
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("last"));
    EXPECT_EQ(dropCol, 4);
}

TEST_F(OleDrop, FixedRowsRefuseDropsUnlessTheGridIsOneFixedRow)
{
    EXPECT_EQ(dropAt(grid, *text("x"), cell(2, 0)), DROPEFFECT_NONE);
    EXPECT_EQ(grid.Cells(2, 0), QString());
    EXPECT_FALSE(grid.GridDropTarget()->ArrowLeft()->isVisible());
    TExStringGrid one;
    one.resize(300, 200);
    one.setColCount(3);
    one.setRowCount(1);
    one.setFixedRowAlways(true);
    one.setOptions(one.Options() | goEditing);
    one.DragDropSettings().setOleDropTarget(true);
    EXPECT_NE(dropAt(one, *text("x"), centre(one.CellRect(1, 0))), DROPEFFECT_NONE);
}

TEST_F(OleDrop, ClearingTheTargetSettingTakesNoMoreDrops)
{
    EXPECT_TRUE(grid.acceptDrops());
    grid.DragDropSettings().setOleDropTarget(false);
    EXPECT_FALSE(grid.acceptDrops());
    EXPECT_EQ(grid.GridDropTarget(), nullptr);
}

// --- drags out of the grid ---------------------------------------------------------------------

namespace {

// A drag loop that drops the data on a grid at a cell and answers with
// the effect given.
struct DropOnGrid {
    TExStringGrid *target = nullptr;
    QPoint at;
    int effect = DROPEFFECT_MOVE;
    int runs = 0;
};

class OleDrag : public OleDrop {
protected:
    OleDrag()
    {
        fill(grid);
        grid.DragDropSettings().OleDropSource = true;
        grid.setOptions(grid.Options() & ~goEditing);
        other.resize(640, 480);
        other.setColCount(6);
        other.setRowCount(8);
        other.setOptions(other.Options() | goEditing);
        other.DragDropSettings().setOleDropTarget(true);
        setDragLoop([this](QWidget &, std::unique_ptr<QMimeData> data, TESGDropSource &source, int, int &effect) {
            ++loop.runs;
            if (loop.target)
                dropAt(*loop.target, *data, loop.at, effect);
            effect = loop.effect;
            source.GiveFeedback(effect);
            return source.QueryContinueDrag(false, false);
        });
    }
    ~OleDrag() override { setDragLoop(nullptr); }

    void selectRows(int top, int bottom) { grid.setSelection(TGridRect{1, top, 5, bottom}); }
    // Press on a selected cell and move by (dx, dy) with the button held.
    void pressAndDrag(QPoint from, int dx, int dy)
    {
        viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, from);
        dragMove(grid, from + QPoint(dx, dy));
    }

    TExStringGrid other;
    DropOnGrid loop;
};

} // namespace

TEST_F(OleDrag, ThreePixelsAreAWobbleFourADrag)
{
    grid.setSelection(TGridRect{1, 1, 2, 2});
    pressAndDrag(cell(1, 1), 3, 3);
    EXPECT_EQ(loop.runs, 0);
    dragMove(grid, cell(1, 1) + QPoint(4, 0));
    EXPECT_EQ(loop.runs, 1);
}

TEST_F(OleDrag, ARefusedDragBecomesARangeSelection)
{
    grid.OnOleDrag = [](TExStringGrid *, int, int, const QString &, bool &allow) { allow = false; };
    grid.setSelection(TGridRect{1, 1, 1, 1});
    pressAndDrag(cell(1, 1), 0, 40);
    EXPECT_EQ(loop.runs, 0);
    EXPECT_EQ(grid.GridState(), gsSelecting);
}

TEST_F(OleDrag, MovedRowsAreRemovedOrEmptiedAndCopiesChangeNothing)
{
    grid.setOptions(grid.Options() | goRowSelect);
    struct Case {
        bool removeRows, copyAlways;
        int rows;
        QString leftAtRow2;
    } cases[] = {
        {true, false, 6, label(1, 4)},
        {false, false, 8, QString()},
        {false, true, 8, label(1, 2)},
    };
    loop.target = &other;
    loop.at = centre(other.CellRect(1, 1));
    int stops = 0;
    grid.OnOleDragStop = [&](TExStringGrid *, int) { ++stops; };
    for (const Case &c : cases) {
        grid.setRowCount(8);
        fill(grid);
        grid.DragDropSettings().OleRemoveRows = c.removeRows;
        grid.DragDropSettings().OleCopyAlways = c.copyAlways;
        selectRows(2, 3);
        pressAndDrag(cell(2, 2), 0, 30);
        viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(2, 2) + QPoint(0, 30));
        EXPECT_EQ(grid.RowCount(), c.rows);
        EXPECT_EQ(grid.Cells(1, 2), c.leftAtRow2);
        EXPECT_EQ(other.Cells(1, 1), label(1, 2));
    }
    EXPECT_EQ(stops, 3);
}

TEST_F(OleDrag, AMoveWithinTheGridKeepsWhatTheDropWrote)
{
    // Cells (1,2)-(2,3) dragged one row down onto (1,3): the drop writes
    // rows 3 and 4; the move empties only row 2, which it did not write.
    grid.setSelection(TGridRect{1, 2, 2, 3});
    loop.target = &grid;
    loop.at = cell(1, 3);
    grid.setOptions(grid.Options() | goEditing);
    grid.Navigation().AllowClipboardAlways = true;
    grid.setOptions(grid.Options() & ~goEditing);
    pressAndDrag(cell(1, 2), 0, 25);
    // Inside the dragged block: nothing happens at all.
    EXPECT_EQ(grid.Cells(1, 3), label(1, 3));
    EXPECT_EQ(grid.Cells(1, 2), label(1, 2));

    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(1, 2));
    grid.setSelection(TGridRect{1, 2, 2, 3});
    loop.at = cell(1, 4);
    pressAndDrag(cell(1, 2), 0, 25);
    EXPECT_EQ(grid.Cells(1, 4), label(1, 2));
    EXPECT_EQ(grid.Cells(2, 5), label(2, 3));
    EXPECT_EQ(grid.Cells(1, 2), QString());
    EXPECT_EQ(grid.Cells(1, 3), QString());
}

// --- the resizer and moving headers ------------------------------------------------------------

TEST_F(OleDrop, TheResizerCopiesAndFillsTheEnlargedSelection)
{
    grid.SelectionResizer = grid.SelectionRectangle = true;
    grid.Navigation().AllowSmartClipboard = true;
    grid.setCells(1, 1, "1");
    grid.setCells(1, 2, "2");
    grid.setSelection(TGridRect{1, 1, 1, 2});
    TGridRect before{}, after{};
    grid.OnSelectionResized = [&](TExStringGrid *, const TGridRect &o, const TGridRect &e) {
        before = o;
        after = e;
    };
    const platform::TRect handle = grid.SelectionResizerRect();
    const QPoint grip(handle.Left + 3, handle.Top + 3);
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, grip);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1\r\n2\r\n"));
    dragMove(grid, cell(1, 5));
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(1, 5));
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(grid.Cells(1, r), QString::number(r)) << r;
    EXPECT_EQ(before.Bottom, 2);
    EXPECT_EQ(after.Bottom, 5);
}

TEST_F(OleDrop, ColumnMovesCanBeRefusedWhollyOrWhereTheyWouldDrop)
{
    fill(grid);
    grid.setOptions(grid.Options() | goColMoving);
    grid.OnColumnMove = [](TExStringGrid *, int, bool &allow) { allow = false; };
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, cell(1, 0));
    dragMove(grid, cell(3, 0));
    EXPECT_EQ(grid.GridState(), gsNormal);
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(3, 0));
    EXPECT_EQ(grid.Cells(1, 1), label(1, 1));

    grid.OnColumnMove = nullptr;
    grid.OnColumnMoving = [](TExStringGrid *, int col, bool &allow) { allow = col != 3; };
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, cell(1, 0));
    dragMove(grid, cell(3, 0));
    EXPECT_TRUE(grid.HeaderDragButton()->isVisible());
    EXPECT_EQ(grid.cursor().shape(), Qt::ForbiddenCursor);
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(3, 0));
    EXPECT_EQ(grid.Cells(1, 1), label(1, 1));
    EXPECT_FALSE(grid.HeaderDragButton()->isVisible());

    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, cell(1, 0));
    dragMove(grid, cell(2, 0));
    EXPECT_EQ(grid.cursor().shape(), Qt::DragMoveCursor);
    // The arrows stand at the right edge of the column it would drop on.
    int shown = 0;
    for (const TArrowWindow *arrow : arrows(grid))
        if (arrow->isVisible() && (arrow->Dir() == arrUp || arrow->Dir() == arrDown)) {
            ++shown;
            EXPECT_EQ(arrow->x(), grid.mapToGlobal(QPoint(grid.CellRect(2, 0).Right - 5, 0)).x());
        }
    EXPECT_EQ(shown, 2);
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(2, 0));
    EXPECT_EQ(grid.Cells(2, 1), label(1, 1));
    for (const TArrowWindow *arrow : arrows(grid))
        EXPECT_FALSE(arrow->isVisible());
}

TEST_F(OleDrop, CancelModeEndsAMove)
{
    fill(grid);
    grid.setOptions(grid.Options() | goColMoving);
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, cell(1, 0));
    dragMove(grid, cell(3, 0));
    EXPECT_EQ(grid.GridState(), gsColMoving);
    grid.CancelMode();
    EXPECT_EQ(grid.GridState(), gsNormal);
    EXPECT_FALSE(grid.HeaderDragButton()->isVisible());
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(3, 0));
    EXPECT_EQ(grid.Cells(1, 1), label(1, 1));
}

TEST_F(OleDrop, AHeaderDragSelectionScrollsAtTheBottomEdge)
{
    grid.setRowCount(100);
    grid.MouseActions().RowSelect = true;
    viewtest::moveTo(grid, cell(0, 2));
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, cell(0, 2));
    const int top = grid.TopRow();
    dragMove(grid, QPoint(cell(0, 2).x(), grid.height() - 2));
    dragMove(grid, QPoint(cell(0, 2).x(), grid.height() - 1));
    EXPECT_EQ(grid.TopRow(), top + 2);
    EXPECT_EQ(grid.Selection().Top, 2);
    EXPECT_GT(grid.Selection().Bottom, 2);
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(0, 3));
}

TEST_F(OleDrop, ADragHoveringAtTheBottomEdgeScrolls)
{
    grid.setRowCount(60);
    grid.resize(640, 490);
    grid.setTopRow(1);
    const int top = grid.TopRow();
    const int edgeRow = grid.TopRow() + grid.VisibleRowCount();
    const platform::TRect edge = grid.CellRect(2, edgeRow);
    ASSERT_LT(edge.Top, grid.ClientHeight());
    auto data = text("x");
    const QPoint pt = grid.mapToGlobal(QPoint(edge.Left + 5, (edge.Top + grid.ClientHeight()) / 2));
    int effect = DROPEFFECT_COPY;
    grid.GridDropTarget()->DragEnter(*data, false, pt, effect);
    effect = DROPEFFECT_COPY;
    grid.GridDropTarget()->DragOver(false, pt, effect);
    EXPECT_EQ(grid.TopRow(), top + 1);
    EXPECT_TRUE(grid.GridDropTarget()->ArrowLeft()->isVisibleTo(&grid) || effect != DROPEFFECT_NONE);
    grid.GridDropTarget()->DragLeave();
    EXPECT_FALSE(grid.GridDropTarget()->ArrowLeft()->isVisible());
}

TEST_F(OleDrag, RowsMovedWithinTheGridShiftOnlyByTheRowsInsertedAboveThem)
{
    grid.setOptions(grid.Options() | goRowSelect);
    grid.DragDropSettings().OleRemoveRows = true;
    grid.DragDropSettings().setOleDropTarget(true);
    grid.Navigation().AllowClipboardAlways = true;
    loop.target = &grid;

    // Overwriting rows above: nothing is inserted, the dragged rows stay put.
    selectRows(4, 5);
    loop.at = cell(1, 1);
    pressAndDrag(cell(2, 4), 0, 30);
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(2, 4));
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cells(1, 1), label(1, 4));
    EXPECT_EQ(grid.Cells(1, 2), label(1, 5));
    EXPECT_EQ(grid.Cells(1, 3), label(1, 3));
    EXPECT_EQ(grid.Cells(1, 4), label(1, 6));

    // Inserting rows above: the dragged rows moved down by exactly those.
    grid.setRowCount(8);
    fill(grid);
    grid.DragDropSettings().OleInsertRows = true;
    selectRows(4, 5);
    loop.at = cell(1, 2);
    pressAndDrag(cell(2, 4), 0, 30);
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, cell(2, 4));
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Cells(1, 2), label(1, 4));
    EXPECT_EQ(grid.Cells(1, 3), label(1, 5));
    EXPECT_EQ(grid.Cells(1, 4), label(1, 2));
    EXPECT_EQ(grid.Cells(1, 6), label(1, 6));
}

TEST_F(OleDrag, OwnCellsTravelWithTheirProperties)
{
    grid.Navigation().AllowFmtClipboard = true;
    grid.setColors(2, 2, 0x00FF00);
    grid.setSelection(TGridRect{2, 2, 2, 2});
    loop.target = &other;
    loop.at = centre(other.CellRect(3, 4));
    loop.effect = DROPEFFECT_COPY;
    pressAndDrag(cell(2, 2), 10, 10);
    EXPECT_EQ(other.Cells(3, 4), label(2, 2));
    EXPECT_EQ(other.Colors(3, 4), platform::TColor(0x00FF00));
    EXPECT_EQ(grid.Cells(2, 2), label(2, 2));
}

TEST_F(OleDrop, LoadingAppliesWhatMayBeDropped)
{
    grid.DragDropSettings().OleAcceptText = false;
    grid.BeginLoading();
    grid.EndLoading();
    EXPECT_EQ(dropAt(grid, *text("x"), cell(1, 1)), DROPEFFECT_NONE);
    EXPECT_EQ(grid.Cells(1, 1), QString());
}
