// Shows a string grid of meter readings with the cell kinds the grid
// paints: node rows with their tree, progress bars, push buttons, comment
// marks, check boxes, a bordered column and a background gradient, in the
// XP look with its window border, sorted by address. With --grouped the
// rows are grouped by medium instead of holding nodes. With --office2007
// the grid takes the Office 2007 Luna style with hot headers, a drop-down
// button on each header, cell hints, balloons and a sizeable fixed column.
// With --scrolling there are 300 meters, thumbs sized by pixels, scroll
// hints on both bars and wheel-button panning both ways; --metro adds the
// thin Metro bars. With --search the grid has 40 meters, a footer of sums
// and counts under its cells and the search panel at its bottom (Ctrl+F).
// With --objects it shows the cell objects instead (ratings, shapes,
// progress kinds, buttons, an expand button, a scroll-bar cell, a marker and
// a cell the program draws itself) and prints what the mouse does to them.
// With --editors each column edits its cells in one of the special editors
// (spin with always-visible buttons, pick list with its button shown, date,
// edit button, unit, date and time, check box, push button), Enter moves on
// to the next cell, and the editing events are printed.
// With --print a print preview window shows the grid's printed pages
// (PageDown/PageUp turn them, P prints them to the PDF file given by --pdf,
// grid_demo.pdf in the working folder by default).
// With --screenshot FILE the window is saved as a PNG and the program ends.
#include "PrintPreviewWindow.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/model/DragDropSettings.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/BalloonSettings.h"
#include "controls/grid/model/GridCellPainter.h"
#include "controls/grid/view/GridAppearance.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <cstdio>

namespace {

using namespace controls;

// A signal-strength meter the program draws itself.
class SignalBars : public TInterfacedPersistent, public IGridCellPainter {
public:
    void Draw(platform::TCanvas &Canvas, const platform::TRect &R, int, int ARow, bool, TExStringGrid *) override
    {
        const int bars = ARow % 5;
        for (int i = 0; i < 4; ++i) {
            const int h = 4 + i * 4;
            const platform::TRect bar = platform::Rect(R.Left + 6 + i * 7, R.Bottom - 4 - h, R.Left + 11 + i * 7,
                                                       R.Bottom - 4);
            Canvas.FillColor(bar, i < bars ? 0x2E8B57 : 0xD3D3D3);
        }
    }
    int GetWidth() override { return 40; }
    int GetHeight() override { return 20; }
    bool IsBackground() override { return false; }
};

void print(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

// One row per kind: its name, the object, and a second object beside it.
void showObjects(TExStringGrid &grid, SignalBars &signal)
{
    grid.setColCount(4);
    grid.setRowCount(12);
    grid.setDefaultRowHeight(26);
    grid.setColWidths(0, 120);
    grid.setColWidths(1, 170);
    grid.setColWidths(2, 170);
    grid.setColWidths(3, 170);
    grid.setColumnHeaders({QStringLiteral("Kind"), QStringLiteral("Object"), QStringLiteral("Another"),
                           QStringLiteral("And another")});
    grid.ShowColumnHeaders();
    int row = 1;
    const auto name = [&](const QString &text) { grid.setCells(0, row, text); };

    name(QStringLiteral("Rating"));
    grid.AddRating(1, row, 5, 0x00A5FF, 0xC8C8C8);
    grid.setFloats(1, row, 2.4);
    grid.AddRating(2, row, 3, 0x0000FF, 0xC8C8C8);
    grid.setFloats(2, row, 3);
    ++row;
    name(QStringLiteral("Shapes"));
    grid.AddShape(1, row, csCircle, 0x00C000, 0x006000, haBeforeText, vaCenter);
    grid.setCells(1, row, QStringLiteral("online"));
    grid.AddShape(2, row, csTriangleUp, 0x0000E0, 0x000080, haBeforeText, vaCenter);
    grid.setCells(2, row, QStringLiteral("rising"));
    grid.AddShape(3, row, csStar, 0x00D7FF, 0x0080C0, haCenter, vaCenter);
    ++row;
    name(QStringLiteral("Progress"));
    grid.AddProgress(1, row, 0x3CB371, 0xFFFFFF);
    grid.setInts(1, row, 64);
    grid.AddProgressFormatted(2, row, 0xC08040, 0xFFFFFF, 0xF0F0F0, 0x000000, QStringLiteral("%.0f l"), 0, 500);
    grid.setInts(2, row, 180);
    grid.AddExProgress(3, row, 0, 200);
    grid.setInts(3, row, 150);
    ++row;
    name(QStringLiteral("Pie, range"));
    grid.AddProgressPie(1, row, 0x0000C0, 70);
    grid.setCells(1, row, QStringLiteral("70 %"));
    grid.AddRangeIndicator(2, row, 100, 0x0000FF, 0x00A000, false);
    grid.setInts(2, row, -40);
    grid.AddRangeIndicator(3, row, 100, 0x0000FF, 0x00A000, false);
    grid.setInts(3, row, 75);
    ++row;
    name(QStringLiteral("Buttons"));
    grid.AddButton(1, row, 70, 20, QStringLiteral("Scan"), haLeft, vaCenter);
    QImage *glyph = grid.CreateBitButton(2, row, 80, 20, QStringLiteral("Save"), haLeft, vaCenter);
    *glyph = QImage(12, 12, QImage::Format_RGB32);
    glyph->fill(QColor(255, 0, 255));
    for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 10; ++x)
            glyph->setPixel(x, y, qRgb(0, 90, 200));
    grid.setCells(3, row, QStringLiteral("clicks: 0"));
    ++row;
    name(QStringLiteral("Expand"));
    grid.AddExpand(1, row, 70);
    grid.setCells(1, row, QStringLiteral("Details of meter 7:\r\nbattery 3.6 V\r\nlast read 12:40"));
    ++row;
    name(QStringLiteral("Scroll bar"));
    grid.setRowHeights(row, 44);
    grid.setCells(1, row, QStringLiteral("Line one\r\nLine two\r\nLine three\r\nLine four\r\nLine five"));
    grid.AddScrollBar(1, row, true);
    ++row;
    name(QStringLiteral("Comment, marker"));
    grid.setCells(1, row, QStringLiteral("replaced"));
    grid.AddComment(1, row, QStringLiteral("Battery replaced in May"));
    grid.setCells(2, row, QStringLiteral("Adress 17"));
    grid.AddMarker(2, row, 0, 6);
    ++row;
    name(QStringLiteral("Painter"));
    grid.AddInterfacedCell(1, row, &signal);
    grid.AddInterfacedCell(2, row + 1, &signal);
    grid.Appearance().Multilinecells = true;
    grid.setOptions(grid.Options() | goEditing);

    int clicks = 0;
    grid.OnButtonClick = [&grid, clicks](TExStringGrid *, int ACol, int ARow) mutable {
        ++clicks;
        grid.setCells(3, ARow, QStringLiteral("clicks: %1").arg(clicks));
        print(QStringLiteral("button %1,%2").arg(ACol).arg(ARow));
    };
    grid.OnRatingChange = [](TExStringGrid *, int ACol, int ARow, double &NewRate, bool &) {
        print(QStringLiteral("rating %1,%2 = %3").arg(ACol).arg(ARow).arg(NewRate));
    };
    grid.OnExpandClick = [](TExStringGrid *, int ACol, int ARow, bool Expanded) {
        print(QStringLiteral("expand %1,%2 %3").arg(ACol).arg(ARow).arg(Expanded ? "open" : "closed"));
    };
    grid.OnScrollCell = [](TExStringGrid *, int ACol, int ARow, int Pos, int, int Max) {
        print(QStringLiteral("scroll %1,%2 = %3 of %4").arg(ACol).arg(ARow).arg(Pos).arg(Max));
    };
}

void showEditors(TExStringGrid &grid)
{
    static const TEditorType kinds[] = {edSpinEdit, edComboList, edDateEdit, edEditBtn,
                                        edUnitEditBtn, edDateTimeEdit, edFloatSpinEdit, edButton};
    grid.setColCount(9);
    grid.setRowCount(12);
    grid.setColumnHeaders({QStringLiteral("Meter"), QStringLiteral("Address"), QStringLiteral("Medium"),
                           QStringLiteral("Installed"), QStringLiteral("Key"), QStringLiteral("Flow"),
                           QStringLiteral("Last read"), QStringLiteral("Factor"), QStringLiteral("Action")});
    grid.ShowColumnHeaders();
    for (int c = 1; c < 9; ++c)
        grid.setColWidths(c, c == 6 ? 150 : 96);
    const QStringList media{QStringLiteral("Water"), QStringLiteral("Heat"), QStringLiteral("Gas")};
    for (int row = 1; row < grid.RowCount(); ++row) {
        grid.setCells(0, row, QStringLiteral("Meter %1").arg(row));
        grid.setCells(1, row, QString::number(row * 7));
        grid.setCells(2, row, media[row % 3]);
        grid.setCells(3, row, QStringLiteral("%1/05/2024").arg(row + 10));
        grid.setCells(4, row, QStringLiteral("A1B2C3"));
        grid.setCells(5, row, QStringLiteral("%1m3").arg(row));
        grid.setCells(6, row, QStringLiteral("%1/06/2024 10:%2").arg(row + 10).arg(row + 10));
        grid.setCells(7, row, QStringLiteral("1.25"));
        grid.setCells(8, row, QStringLiteral("Scan"));
    }
    grid.OnGetEditorType = [](TExStringGrid *, int ACol, int, TEditorType &AEditor) {
        AEditor = ACol >= 1 && ACol <= 8 ? kinds[ACol - 1] : edNormal;
    };
    grid.OnGetEditorProp = [](TExStringGrid *g, int, int) {
        g->Combobox().Items = {QStringLiteral("Water"), QStringLiteral("Heat"), QStringLiteral("Gas"),
                               QStringLiteral("Electricity")};
        g->SpinEdit() = TExStringGrid::TGridSpinRange{0, 250, 1};
    };
    grid.ControlLook().SpinButtonsAlwaysVisible = true;
    grid.ControlLook().DropDownAlwaysVisible = true;
    grid.Navigation().AdvanceOnEnter = true;
    grid.Navigation().AdvanceAutoEdit = false;
    grid.setOptions(grid.Options() | goEditing | goTabs);
    grid.OnEllipsClick = [](TExStringGrid *, int ACol, int ARow, QString &S) {
        print(QStringLiteral("ellipsis %1,%2 %3").arg(ACol).arg(ARow).arg(S));
        S = S.toUpper();
    };
    grid.OnSpinClick = [](TExStringGrid *, int ACol, int ARow, int AValue, bool Up) {
        print(QStringLiteral("spin %1,%2 = %3 %4").arg(ACol).arg(ARow).arg(AValue).arg(Up ? "up" : "down"));
    };
    grid.OnComboChange = [](TExStringGrid *, int ACol, int ARow, int Index, const QString &S) {
        print(QStringLiteral("combo %1,%2 = %3 %4").arg(ACol).arg(ARow).arg(Index).arg(S));
    };
    grid.OnDateTimeChange = [](TExStringGrid *, int ACol, int ARow, double Value) {
        print(QStringLiteral("date %1,%2 = %3").arg(ACol).arg(ARow).arg(Value, 0, 'f', 4));
    };
    grid.OnEditCellDone = [](TExStringGrid *g, int ACol, int ARow) {
        print(QStringLiteral("done %1,%2 \"%3\"").arg(ACol).arg(ARow).arg(g->Cells(ACol, ARow)));
    };
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TExStringGrid grid;
    const QStringList arguments = QCoreApplication::arguments();
    SignalBars signal;
    if (arguments.contains(QStringLiteral("--objects"))) {
        grid.setWindowTitle(QStringLiteral("String grid cell objects"));
        grid.resize(660, 360);
        showObjects(grid, signal);
        grid.show();
        const qsizetype shot = arguments.indexOf(QStringLiteral("--screenshot"));
        if (shot > 0 && shot + 1 < arguments.size()) {
            const QString file = arguments[shot + 1];
            QTimer::singleShot(300, &grid, [&grid, file] {
                grid.grab().save(file);
                QApplication::quit();
            });
        }
        return app.exec();
    }
    if (arguments.contains(QStringLiteral("--editors"))) {
        grid.setWindowTitle(QStringLiteral("String grid editors"));
        grid.resize(900, 330);
        showEditors(grid);
        grid.FocusCell(1, 1);
        grid.show();
        return app.exec();
    }
    grid.setWindowTitle(QStringLiteral("String grid"));
    grid.resize(720, 420);
    grid.setColCount(7);
    const QStringList &args = arguments;
    const bool scrolling = args.contains(QStringLiteral("--scrolling")) || args.contains(QStringLiteral("--metro"));
    const bool search = args.contains(QStringLiteral("--search"));
    grid.setRowCount(scrolling ? 301 : search ? 42 : 14);
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
        grid.AddProgress(3, row, 0x3CB371, 0xFFFFFF);
        grid.setInts(3, row, (row * 37) % 101);
        grid.AddCheckBox(4, row, row % 3 != 0, false);
        grid.AddButton(5, row, 56, 18, QStringLiteral("Scan"), haCenter, vaCenter);
    }
    grid.setCells(6, 2, QStringLiteral("replaced"));
    grid.AddComment(6, 2, QStringLiteral("Battery replaced in May"));
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
    if (args.contains(QStringLiteral("--exchange"))) {
        // --exchange: the clipboard keys with the smart paste, ranges
        // dragged out and dropped in (a move), the selection resizer,
        // columns moved by their headers.
        // Cells that edit in place take no drags: the clipboard writes
        // into them without editing.
        grid.setOptions((grid.Options() | goRangeSelect | goColMoving) & ~goEditing);
        grid.Navigation().AllowClipboardAlways = true;
        grid.Navigation().AllowClipboardShortCuts = true;
        grid.Navigation().AllowSmartClipboard = true;
        grid.DragDropSettings().OleDropSource = true;
        grid.DragDropSettings().setOleDropTarget(true);
        grid.SelectionResizer = grid.SelectionRectangle = true;
        grid.OnOleDragStop = [](TExStringGrid *, int effect) {
            std::printf("drag ended, effect %d\n", effect);
            std::fflush(stdout);
        };
        grid.OnOleDropped = [](TExStringGrid *, const TGridRect &r) {
            std::printf("dropped %d,%d-%d,%d\n", r.Left, r.Top, r.Right, r.Bottom);
            std::fflush(stdout);
        };
    }
    // Flat buttons rise under the mouse; headers press in like buttons.
    grid.ControlLook().FlatButton = true;
    grid.FixedAsButtons = true;
    grid.FocusCell(2, 3);
    grid.show();
    std::unique_ptr<PrintPreviewWindow> preview;
    if (args.contains(QStringLiteral("--print"))) {
        const qsizetype pdf = args.indexOf(QStringLiteral("--pdf"));
        grid.PrintSettings.Title = ppTopCenter;
        grid.PrintSettings.TitleText = QStringLiteral("Meter readings");
        grid.PrintSettings.Date = ppTopLeft;
        grid.PrintSettings.PageNr = ppBottomRight;
        grid.PrintSettings.PagePrefix = QStringLiteral("Page");
        grid.PrintSettings.RepeatFixedRows = true;
        grid.PrintSettings.PrintGraphics = true;
        preview = std::make_unique<PrintPreviewWindow>(
            grid, pdf > 0 && pdf + 1 < args.size() ? args[pdf + 1] : QStringLiteral("grid_demo.pdf"));
        preview->move(grid.x() + grid.width() + 10, grid.y());
        preview->show();
    }

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
