// Shows a string grid of meter readings with the cell kinds the grid
// paints: node rows with their tree, progress bars, push buttons, comment
// marks, check boxes, a bordered column and a background gradient, in the
// XP look with its window border, sorted by address. With --grouped the
// rows are grouped by medium instead of holding nodes. With --office2007
// the grid takes the Office 2007 Luna style with hot headers, a drop-down
// button on each header, cell hints, balloons and a sizeable fixed column.
// rows are grouped by medium instead of holding nodes. With --scrolling
// there are 300 meters, thumbs sized by pixels, scroll hints on both bars
// and wheel-button panning both ways; --metro adds the thin Metro bars.
// With --screenshot FILE the window is saved as a PNG and the program ends.
// rows are grouped by medium instead of holding nodes. With --search the
// grid has 40 meters, a footer of sums and counts under its cells and the
// search panel at its bottom (Ctrl+F). With --screenshot
// FILE the window is saved as a PNG and the program ends.
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/BalloonSettings.h"
#include "controls/grid/view/GridAppearance.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QTimer>

#include <cstdint>
#include <cstdio>

namespace {

using namespace controls;

void *colorField(platform::TColor color) { return reinterpret_cast<void *>(std::uintptr_t(color)); }

void progress(TExStringGrid &grid, int col, int row, int value)
{
    TCellGraphic *g = grid.AttachNewCellGraphic(col, row);
    g->FCellType = ctProgress;
    g->setCellBitmap(colorField(0x3CB371));
    g->setCellIcon(colorField(0xFFFFFF));
    g->FCellErrFrom = 0;
    g->FCellErrLen = 100;
    grid.setCells(col, row, QString::number(value));
}

void button(TExStringGrid &grid, int col, int row, const QString &caption)
{
    TCellGraphic *g = grid.AttachNewCellGraphic(col, row);
    g->FCellType = ctButton;
    g->FCellIndex = (18 << 16) | 56;
    g->FCellText = caption;
    g->FCellHAlign = haCenter;
    g->FCellVAlign = vaCenter;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TExStringGrid grid;
    grid.setWindowTitle(QStringLiteral("String grid"));
    grid.resize(720, 420);
    grid.setColCount(7);
    const QStringList args = QCoreApplication::arguments();
    const bool scrolling = args.contains(QStringLiteral("--scrolling")) || args.contains(QStringLiteral("--metro"));
    grid.setRowCount(scrolling ? 301 : 14);
    const bool search = args.contains(QStringLiteral("--search"));
    grid.setRowCount(search ? 42 : 14);
    grid.setOptions(grid.Options() | goEditing);
    grid.setColWidths(0, 110);
    grid.setColWidths(1, 90);
    grid.setColWidths(2, 130);
    grid.setColWidths(3, 120);
    grid.setColWidths(4, 70);
    grid.setColWidths(5, 80);
    const QStringList headers{QStringLiteral("Meter"), QStringLiteral("Address"), QStringLiteral("Medium"),
                              QStringLiteral("Battery"), QStringLiteral("Read"), QStringLiteral("Action"),
                              QStringLiteral("Note")};
    grid.setColumnHeaders(headers);
    grid.ShowColumnHeaders();

    const QStringList media{QStringLiteral("Water"), QStringLiteral("Heat"), QStringLiteral("Gas"),
                            QStringLiteral("Electricity")};
    for (int row = 1; row < grid.RowCount() - (search ? 1 : 0); ++row) {
        grid.setCells(0, row, QStringLiteral("Meter %1").arg(row));
        grid.setCells(1, row, QString::number(10 + row * 7));
        grid.setCells(2, row, media[row % media.size()]);
        progress(grid, 3, row, (row * 37) % 101);
        grid.AddCheckBox(4, row, row % 3 != 0, false);
        button(grid, 5, row, QStringLiteral("Scan"));
    }
    grid.setCells(6, 2, QStringLiteral("replaced"));
    TCellGraphic *comment = grid.AttachNewCellGraphic(6, 2);
    comment->FCellType = ctComment;
    comment->FCellIndex = int(platform::clNone);
    comment->FCellText = QStringLiteral("Battery replaced in May");
    if (args.contains(QStringLiteral("--grouped"))) {
    if (search) {
        // The last row is the footer: the sum of the addresses, the number
        // of meters.
        grid.setCells(0, grid.RowCount() - 1, QStringLiteral("Total"));
        grid.FloatingFooter().setVisible(true);
        grid.FloatingFooter().setColor(0xF0E0D0);
        grid.FloatingFooter().setColumnCalc(1, acSUM);
        grid.FloatingFooter().setColumnCalc(2, acCOUNT);
        TSearchFooter &sf = grid.SearchFooter();
        sf.setFindNextCaption(QStringLiteral("Find &next"));
        sf.setFindPrevCaption(QStringLiteral("Find &previous"));
        sf.setHighLightCaption(QStringLiteral("&Highlight"));
        sf.setMatchCaseCaption(QStringLiteral("Match case"));
        sf.setHintFindNext(QStringLiteral("Find next occurrence"));
        sf.setHintClose(QStringLiteral("Close"));
        sf.setColor(0xFFFFFF);
        sf.setColorTo(0xE8D8C8);
        sf.setVisible(true);
        grid.OnSearchFooterAction = [](TExStringGrid *, const QString &Value, int ACol, int ARow,
                                       TExStringGrid::TSearchAction Action) {
            std::printf("search %d \"%s\" -> %d,%d\n", int(Action), qPrintable(Value), ACol, ARow);
            std::fflush(stdout);
        };
    }
    if (!search && args.contains(QStringLiteral("--grouped"))) {
        // The rows grouped by medium, each header with its row count and
        // a summary row below, sorted by address.
        grid.Grouping().ShowGroupCount = true;
        grid.Grouping().Summary = true;
        grid.Grouping().SummaryColor = 0xE0F0FF;
        grid.Group(2);
        grid.SortSettings().Show = true;
        grid.SortSettings().setColumn(1);
        // Header clicks sort inside the groups (the third one undoes it),
        // the headers' funnels filter, a click on a group selects it.
        grid.SortSettings().UndoSort = true;
        grid.SortSettings().HeaderColor = 0xF0D8C0;
        grid.SortSettings().HeaderColorTo = 0xE0B890;
        grid.FilterDropDownAuto = true;
        grid.Grouping().AutoSelectGroup = true;
        grid.setOptions(grid.Options() | goColSizing);
    } else {
    } else if (!search) {
        grid.AddNode(1, 4);
        grid.AddNode(7, 3);
        grid.ContractNode(7);
        grid.SortSettings().Show = true;
        grid.SortSettings().setColumn(1);
    }
    grid.CellNode().ShowTreeFull = false;

    grid.OnGetCellBorder = [](TExStringGrid *, int ARow, int ACol, platform::TPen &APen, TCellBorders &Borders) {
        if (ACol == 2 && ARow > 0) {
            Borders.set(cbBottom);
            APen.setColor(0xC08040);
        }
    };
    QMenu headerMenu;
    if (args.contains(QStringLiteral("--office2007"))) {
        grid.SetStyle(gsOffice2007Luna);
        grid.setHoverFixedCells(TExStringGrid::hfAll);
        grid.ControlLook().FixedDropDownButton = true;
        headerMenu.addAction(QStringLiteral("Sort ascending"));
        headerMenu.addAction(QStringLiteral("Sort descending"));
        grid.setFixedDropDownMenu(&headerMenu);
        grid.HintShowCells = true;
        // Xvfb runs without a window manager, so the window never becomes active.
        grid.setAttribute(Qt::WA_AlwaysShowToolTips);
        grid.HintShowSizing = true;
        grid.MouseActions().SizeFixedCol = true;
        grid.setOptions(grid.Options() | goColSizing);
        grid.setCells(6, 4, QStringLiteral("s3cret"));
        grid.OnIsPasswordCell = [](TExStringGrid *, int ACol, int ARow, bool &isPassword) {
            isPassword = ACol == 6 && ARow == 4;
        };
        if (args.contains(QStringLiteral("--balloon")))
            grid.Balloon().setEnable(true);
    }
    TBackGround &back = grid.Appearance().BackGround;
    back.Display = bdGradientHorz;
    back.Color = 0xFFFFFF;
    back.ColorTo = 0xF5E6D8;
    back.Cells = bcNormal;
    if (scrolling) {
        for (int row = 10; row < grid.RowCount(); row += 10)
            grid.setRowHeights(row, 44);
        grid.setScrollProportional(true);
        grid.ScrollHints = shBoth;
        grid.IntelliPan = ipBoth;
        grid.MouseActions().setWheelAction(TWheelAction::waScroll);
        if (args.contains(QStringLiteral("--metro")))
            grid.setScrollType(ssMetro);
    }
    grid.FocusCell(2, 3);
    grid.show();

    const qsizetype shot = args.indexOf(QStringLiteral("--screenshot"));
    if (shot > 0 && shot + 1 < args.size()) {
        const QString file = args[shot + 1];
        QTimer::singleShot(300, &grid, [&grid, file] {
            grid.grab().save(file);
            QApplication::quit();
        });
    }
    return app.exec();
}
