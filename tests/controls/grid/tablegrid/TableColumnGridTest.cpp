#include "controls/grid/tablegrid/TableColumnGrid.h"
#include "platform/draw/ImageList.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using controls::TTableColumnGrid;
using controls::TTableGrid;

namespace {

QTableWidget &tableOf(TTableGrid &grid) { return *grid.findChild<QTableWidget *>(); }

void clickAt(QWidget &target, QPoint at, bool twice)
{
    const QPointF pos(at);
    const QPointF global = target.mapToGlobal(pos);
    auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (twice) {
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
    }
}

// The three-column grid the paste dialog sets up.
struct PasteLikeGrid : TTableColumnGrid {
    PasteLikeGrid()
    {
        resize(400, 200);
        const auto add = [this](const char *header, int width, bool readOnly) {
            controls::TTableColumnItem &column = Columns().Add();
            column.setHeader(QString::fromLatin1(header));
            column.setWidth(width);
            column.setReadOnly(readOnly);
        };
        add("Desc. Reg.", 78, true);
        add("Index", 64, false);
        add("Description Variable", 223, true);
        Columns()[1].setColor(platform::RGB(236, 233, 216));
    }
};

} // namespace

TEST(StringGrid, RowCountResizesKeepsTheFixedRowAndRemembersTheLargest)
{
    TTableGrid grid;
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ColCount(), 5);
    grid.setRowCount(4);
    grid.setCells(1, 3, QStringLiteral("kept"));
    grid.setRowCount(7);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("kept"));
    EXPECT_EQ(grid.Cells(1, 6), QString());
    grid.setRowCount(3);
    EXPECT_EQ(grid.RowCount(), 3);
    grid.setRowCount(5);
    EXPECT_EQ(grid.Cells(1, 3), QString()) << "a row dropped and added again comes back empty";
    grid.setRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1) << "never fewer rows than the fixed row";
    EXPECT_EQ(grid.MaxRowCount(), 7);
}

TEST(StringGrid, RowZeroIsTheFixedHeaderAndOutsideCellsAreHarmless)
{
    TTableGrid grid;
    grid.setCells(2, 0, QStringLiteral("Head"));
    grid.setCells(2, 1, QStringLiteral("Body"));
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Head"));
    EXPECT_EQ(grid.GetCellEx(2, 1), QStringLiteral("Body"));
    EXPECT_EQ(tableOf(grid).horizontalHeaderItem(2)->text(), QStringLiteral("Head"));
    EXPECT_EQ(tableOf(grid).item(0, 2)->text(), QStringLiteral("Body"));

    for (auto [c, r] : {std::pair{-1, 1}, {5, 1}, {0, -1}, {0, 5}}) {
        grid.setCells(c, r, QStringLiteral("x"));
        EXPECT_EQ(grid.Cells(c, r), QString()) << c << "," << r;
    }
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ColCount(), 5);

    // Without a fixed row the header's texts are row 0 like any other row.
    grid.setFixedRows(0);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Head"));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("Body"));
    grid.setFixedRows(1);
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Head"));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("Body"));
}

TEST(ColumnGrid, ColumnsDefineHeadersWidthsAndWhichCellsCanBeEdited)
{
    PasteLikeGrid grid;
    ASSERT_EQ(grid.ColCount(), 3);
    ASSERT_EQ(grid.Columns().Count(), 3);
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("Desc. Reg."));
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("Index"));
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Description Variable"));
    EXPECT_EQ(grid.Columns()[2].Header(), QStringLiteral("Description Variable"));
    EXPECT_EQ(grid.ColWidths(0), 78);
    EXPECT_EQ(grid.Columns()[1].Width(), 64);

    grid.setRowCount(4);
    QTableWidget &table = tableOf(grid);
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < 3; ++c) {
            const bool editable = r > 0 && c == 1;
            EXPECT_EQ(grid.IsCellEditable(c, r), editable) << c << "," << r;
            if (r > 0) {
                EXPECT_EQ(bool(table.item(r - 1, c)->flags() & Qt::ItemIsEditable), editable) << c << "," << r;
            }
        }
    EXPECT_EQ(table.item(2, 1)->background().color(), platform::toQColor(platform::RGB(236, 233, 216)));
    EXPECT_EQ(table.item(2, 0)->background().style(), Qt::NoBrush);

    grid.Columns()[0].setReadOnly(false);
    EXPECT_TRUE(table.item(0, 0)->flags() & Qt::ItemIsEditable);
}

TEST(ColumnGrid, AnEditTypedIntoACellIsWhatTheCellHolds)
{
    PasteLikeGrid grid;
    grid.setRowCount(4);
    grid.setCells(1, 2, QStringLiteral("100"));
    grid.show();
    QTableWidget &table = tableOf(grid);
    table.setCurrentCell(1, 1);
    table.editItem(table.item(1, 1));
    auto *editor = table.findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("100"));
    editor->setText(QStringLiteral("205"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    QApplication::processEvents(); // the table commits an edit through a queued call
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("205"));
    EXPECT_EQ(grid.Row(), 2);
}

TEST(ColumnGrid, ClicksReportRowAndColumnAlsoOnTheFixedRow)
{
    PasteLikeGrid grid;
    grid.setRowCount(4);
    grid.show();
    std::vector<std::tuple<QObject *, int, int, bool>> events;
    grid.OnClickCell = [&](QObject *s, int row, int col) { events.emplace_back(s, row, col, false); };
    grid.OnDblClickCell = [&](QObject *s, int row, int col) { events.emplace_back(s, row, col, true); };

    QTableWidget &table = tableOf(grid);
    clickAt(*table.viewport(), table.visualItemRect(table.item(2, 2)).center(), false);
    QHeaderView &header = *table.horizontalHeader();
    clickAt(*header.viewport(), QPoint(header.sectionViewportPosition(1) + 5, header.height() / 2), false);
    clickAt(*table.viewport(), table.visualItemRect(table.item(0, 0)).center(), true);

    using E = std::tuple<QObject *, int, int, bool>;
    const std::vector<E> expected{E{&grid, 3, 2, false}, E{&grid, 0, 1, false}, E{&grid, 1, 0, false},
                                  E{&grid, 1, 0, true}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(StringGrid, ImagesGoIntoCellsOnlyWithAnImageList)
{
    TTableGrid grid;
    grid.AddImageIdx(1, 1, 0, controls::TCellHAlign::haCenter, controls::TCellVAlign::vaCenter);
    int idx = -1;
    EXPECT_FALSE(grid.GetImageIdx(1, 1, idx));
    EXPECT_TRUE(tableOf(grid).item(0, 1)->icon().isNull());

    platform::TImageList images(16, 16);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    images.Add(red);
    grid.setGridImages(&images);
    grid.AddImageIdx(1, 1, 1, controls::TCellHAlign::haCenter, controls::TCellVAlign::vaCenter);
    grid.AddImageIdx(0, 0, 0, controls::TCellHAlign::haLeft, controls::TCellVAlign::vaTop);
    grid.AddImageIdx(9, 9, 0, controls::TCellHAlign::haLeft, controls::TCellVAlign::vaTop);
    ASSERT_TRUE(grid.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 1);
    EXPECT_FALSE(tableOf(grid).item(0, 1)->icon().isNull());
    ASSERT_TRUE(grid.GetImageIdx(0, 0, idx));
    EXPECT_EQ(idx, 0);
    EXPECT_FALSE(grid.GetImageIdx(2, 2, idx));
}
