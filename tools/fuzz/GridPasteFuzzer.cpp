// Feeds arbitrary text to the string grid as a paste and as a drop: the
// first byte picks the paste mode (growth, insert, smart fill, where the
// text lands), the rest is the text as UTF-8. The grid is small and its
// growth capped by the input's length. Nothing may crash; the grid never
// grows past what the text asks; a pasted range copied back gives the
// cells again.
#include "controls/grid/base/editors/GridDrag.h"
#include "controls/grid/model/DragDropSettings.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/ClipboardText.h"
#include "controls/grid/view/GridOleDrop.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <cstdint>
#include <cstdlib>

using namespace controls;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0 || size > 4096)
        return 0;
    const std::uint8_t mode = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const TClipboardTable table = parseClipboardText(text);

    TExStringGrid grid;
    grid.resize(320, 240);
    grid.setColCount(4);
    grid.setRowCount(4);
    grid.setOptions(grid.Options() | goEditing);
    grid.Navigation().AllowClipboardRowGrow = mode & 1;
    grid.Navigation().AllowClipboardColGrow = mode & 2;
    grid.Navigation().AllowSmartClipboard = mode & 4;
    if (mode & 8)
        grid.Navigation().ClipboardPasteAction = TClipboardPasteAction::paInsert;
    const int col = 1 + ((mode >> 4) & 1);
    const int row = 1 + ((mode >> 5) & 1);

    if (mode & 64) {
        grid.DragDropSettings().setOleDropTarget(true);
        grid.DragDropSettings().OleInsertRows = mode & 128;
        QMimeData dropped;
        dropped.setText(text);
        const QPoint pt = grid.mapToGlobal(QPoint(grid.CellRect(col, row).Left + 2, grid.CellRect(col, row).Top + 2));
        int effect = DROPEFFECT_COPY;
        grid.GridDropTarget()->DragEnter(dropped, false, pt, effect);
        effect = DROPEFFECT_COPY;
        grid.GridDropTarget()->Drop(dropped, false, pt, effect);
    } else {
        QApplication::clipboard()->setText(text);
        grid.setSelection(TGridRect{col, row, 3, 3});
        grid.PasteSelectionFromClipboard();
    }
    // Growth is bounded by the text: one row per line, one column per field.
    check(grid.RowCount() <= 4 + 1 + int(table.rows.size()) * ((mode & 64) ? 2 : 1));
    check(grid.ColCount() <= std::max(4, col + table.maxFields));

    // What a paste without fill or insert wrote reads back as it went in.
    if (!(mode & (4 | 8 | 64)) && (mode & 3) == 3 && !table.rows.empty()) {
        int rows = 0, cols = 0;
        TExStringGrid copy;
        copy.setColCount(2);
        copy.setRowCount(2);
        copy.setFixedCols(0);
        copy.setFixedRows(0);
        copy.setOptions(copy.Options() | goEditing);
        const QString again = grid.RangeText({col, row, col + table.maxFields - 1, row + int(table.rows.size()) - 1}, false);
        copy.ParseTextToCells(again, 0, 0, rows, cols);
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            for (std::size_t c = 0; c < table.rows[r].size(); ++c)
                check(copy.Cells(int(c), int(r)) == grid.Cells(col + int(c), row + int(r)));
    }
    return 0;
}
