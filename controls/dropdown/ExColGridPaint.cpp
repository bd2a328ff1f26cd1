// How the popup list paints a cell: from the drop-down's items and the
// list's copy of its columns, through the drop-down's selection face and
// header gradient.
#include "controls/dropdown/ExColGrid.h"

#include "controls/dropdown/MultiColumnDropDown.h"
#include "controls/dropdown/core/ColumnLayout.h"
#include "controls/dropdown/paint/ColumnCellPainting.h"

namespace controls::multicol {

using namespace platform;

void TExColGrid::DrawGridCell(int col, int row, const TRect &rect, TGridDrawState state)
{
    Q_UNUSED(state);
    TCanvas &canvas = Canvas();
    TExMultiColumnDropDown *dropDown = m_dropDown;
    if (dropDown && dropDown->OnDropDownDrawItem) {
        dropDown->OnDropDownDrawItem(dropDown, col, row, canvas, rect);
        return;
    }
    TColumnCellLook look;
    look.header = row == 0;
    // Row selection: the current row is the selected one.
    look.selected = !look.header && row == Row() && row >= FixedRows();
    look.partKind = selectionPartKind(col, ColCount());
    const int item = rowToItem(row);
    const bool described = col < m_columns.Count();
    if (described) {
        const TDropDownColumn &column = m_columns[col];
        look.background = column.Color();
        look.alignment = column.Alignment();
        look.wordwrap = column.Wordwrap();
        look.ellipsis = column.Ellipsis();
        look.font = &column.Font();
        if (!look.header && dropDown && item >= 0 && item < dropDown->Items().Count()) {
            const TDropDownItem &entry = dropDown->Items()[item];
            if (column.ColumnType() == ctImage)
                look.imageIndex = entry.ImageIndex();
            look.text = entry.columnText(col);
        }
    } else {
        look.background = Color();
        look.font = &m_headerFont;
    }
    if (dropDown && dropDown->OnDropDownGetItemText)
        dropDown->OnDropDownGetItemText(dropDown, col, row, look.text);
    if (look.header) {
        look.text = described ? m_columns[col].Header() : QString();
        look.imageIndex = -1;
        look.font = &m_headerFont;
    }
    look.images = m_images;
    look.selectionTextColor = dropDown ? dropDown->SelectionTextColor() : TColor(0);
    look.headerColor = m_headerColor;
    look.headerColorTo = m_headerColorTo;
    look.lineColor = m_lineColor;
    look.gridLineWidth = m_gridLineWidth;
    look.fixedLineColor = m_fixedLineColor;
    look.horzLine = Options().testFlag(look.header ? goFixedHorzLine : goHorzLine);
    look.vertLine = Options().testFlag(look.header ? goFixedVertLine : goVertLine);
    look.rightToLeft = RightToLeft();

    TColumnCellPainters painters;
    if (dropDown) {
        painters.selection = [dropDown](TCanvas &c, const TRect &r, int partKind, TColor corner) {
            dropDown->DrawSelection(c, r, partKind, corner);
        };
        painters.headerGradient = [dropDown](TCanvas &c, TColor from, TColor to, int steps, const TRect &r) {
            dropDown->DrawGradientFill(c, from, to, steps, r, gdVertical);
        };
    }
    paintColumnCell(canvas, rect, look, painters);
}

} // namespace controls::multicol
