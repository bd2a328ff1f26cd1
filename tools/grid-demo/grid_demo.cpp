// Shows a string grid of meter readings with the cell kinds the grid
// paints: node rows with their tree, progress bars, push buttons, comment
// marks, check boxes, a bordered column and a background gradient, in the
// XP look with its window border, sorted by address. With --grouped the
// rows are grouped by medium instead of holding nodes. With --screenshot
// FILE the window is saved as a PNG and the program ends.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdint>

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
    for (int row = 1; row < grid.RowCount(); ++row) {
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
        // The rows grouped by medium, each header with its row count and
        // a summary row below, sorted by address.
        grid.Grouping().ShowGroupCount = true;
        grid.Grouping().Summary = true;
        grid.Grouping().SummaryColor = 0xE0F0FF;
        grid.Group(2);
        grid.SortSettings().Show = true;
        grid.SortSettings().setColumn(1);
    } else {
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
    TBackGround &back = grid.Appearance().BackGround;
    back.Display = bdGradientHorz;
    back.Color = 0xFFFFFF;
    back.ColorTo = 0xF5E6D8;
    back.Cells = bcNormal;
    if (scrolling) {
        // --scrolling: 300 meters, thumbs sized by pixels, scroll hints on
        // both bars, wheel-button panning both ways; --metro the thin bars.
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
