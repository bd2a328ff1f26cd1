// The paste at the selection, and with AllowSmartClipboard what it does
// when the clipboard held less than the selection: one value fills every
// selected cell, two cells of one row or column continue as a series of
// dates, times, numbers or integers, other cells repeat as a block, and
// one row (one column) is pasted again at every further selected row
// (column).
#include "controls/grid/model/GridExchangeState.h"

#include "controls/grid/model/core/SmartFill.h"

namespace controls {

void TExStringGrid::PasteSelectionFromClipboard()
{
    ImportNotification(isImportStart, -1);
    exchange().pasteAll = false;
    widenSelectionOverMerges();
    const TGridRect sel = normalisedGridRect(Selection());
    int rows = 0, cols = 0;
    const int n = Options().testFlag(goRowSelect) ? readClipboardCells(FixedCols(), sel.Top, rows, cols)
                                                  : readClipboardCells(sel.Left, sel.Top, rows, cols);
    bool filled = false;
    if (m_navigation.AllowSmartClipboard) {
        const int selected = (sel.Right - sel.Left + 1) * (sel.Bottom - sel.Top + 1);
        if (n > 0 && n < selected)
            filled = smartFill(n);
        // One row (column) of a larger selection: again at every further
        // selected row (column). Inserting rows pastes once: the rows it
        // inserted are the paste.
        const bool insert = m_navigation.ClipboardPasteAction == TClipboardPasteAction::paInsert;
        if (!filled && !insert && n > 0 && n < selected && sel.Bottom > sel.Top && sel.Right > sel.Left
            && (rows == 1 || cols == 1)) {
            if (rows == 1)
                for (int r = sel.Top + 1; r <= sel.Bottom; ++r)
                    readClipboardCells(sel.Left, r, rows, cols);
            else
                for (int c = sel.Left + 1; c <= sel.Right; ++c)
                    readClipboardCells(c, sel.Top, rows, cols);
            setSelection(sel);
        }
        DoCellsChanged({sel.Left, sel.Top, sel.Right, sel.Bottom});
    }
    ImportNotification(isImportDone, -1);
    RecalcFooter();
}

// One value into every cell, a series, or a repeated block; false when the
// clipboard's shape is none of them.
bool TExStringGrid::smartFill(int Count)
{
    const TGridRect sel = normalisedGridRect(Selection());
    const bool oneCol = sel.Left == sel.Right;
    const bool oneRow = sel.Top == sel.Bottom;
    const TGridExchange &x = exchange();
    // Writes v into the display cell unless refused; the top-left, which
    // the paste wrote already, fires no events.
    auto fill = [&](int c, int r, QString v) {
        const int real = RealColIndex(c);
        if (!pasteAllowed(real, r))
            return;
        const bool topLeft = c == sel.Left && r == sel.Top;
        bool allow = true;
        if (!topLeft && OnClipboardBeforePasteCell)
            OnClipboardBeforePasteCell(this, c, r, v, allow);
        if (!allow)
            return;
        PasteCellText(c, r, v);
        MarkRowsModified(x.clipTopLeft, {c, r, c, r}, x.clipLastOp);
        if (!topLeft && OnClipboardAfterPasteCell)
            OnClipboardAfterPasteCell(this, c, r, v);
    };

    if (Count == 1) {
        BeforePaste();
        const int real = RealColIndex(sel.Left);
        QString v = Cells(real, sel.Top);
        bool state = false;
        if (GetCheckBoxState(real, sel.Top, state))
            v = state ? CheckTrue : CheckFalse;
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                fill(c, r, v);
        AfterPaste();
        return true;
    }
    if (!oneCol && !oneRow)
        return false;

    BeforePaste();
    const QString x1 = Cells(RealColIndex(sel.Left), sel.Top);
    const QString x2 = oneCol ? Cells(RealColIndex(sel.Left), sel.Top + 1) : Cells(RealColIndex(sel.Left + 1), sel.Top);
    if (auto series = TFillSeries::from(x1, x2, FloatFormat)) {
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r) {
                const auto v = series->current();
                if (!v)
                    break; // a value that cannot be written ends the series
                fill(c, r, *v);
                series->advance();
            }
    } else if (oneCol) {
        for (int r = sel.Top + Count; r <= sel.Bottom; ++r)
            fill(sel.Left, r, Cells(RealColIndex(sel.Left), r - Count));
    } else {
        for (int c = sel.Left + Count; c <= sel.Right; ++c)
            fill(c, sel.Top, Cells(RealColIndex(c - Count), sel.Top));
    }
    AfterPaste();
    return true;
}

} // namespace controls
