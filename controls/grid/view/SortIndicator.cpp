// The sort indicator of a header cell: a drawn triangle or the owner's
// picture for the sorted column, and with indexed sorting a numbered
// triangle per column of the index.
#include "controls/grid/view/SortIndicator.h"

#include "controls/grid/base/paint/BitmapDrawing.h"
#include "controls/grid/model/ExGrid.h"
#include "platform/draw/DrawFlags.h"

#include <array>

namespace controls {

using platform::TColor;
using platform::TPoint;

int sortIndicatorX(const platform::TRect &rect, int textWidth, TAlignment ha, int sortOffset)
{
    const int width = std::max(0, std::min(textWidth, rect.Right - rect.Left - 16));
    switch (ha) {
    case taRightJustify:
        return rect.Right - width - 10;
    case taCenter:
        return rect.Left + 8;
    default:
        return rect.Left + width + sortOffset + 10;
    }
}

int sortIndicatorY(const platform::TRect &rect, TVAlignment va)
{
    switch (va) {
    case vtaCenter:
        return (rect.Top + rect.Bottom) / 2;
    case vtaBottom:
        return rect.Bottom - 8;
    default:
        return rect.Top + 8;
    }
}

bool TExStringGrid::IsSortIndicatorRow(int ACol, int ARow)
{
    int row = ARow;
    // A merged header shows it in the area's bottom row.
    if (IsMergedCell(ACol, ARow))
        row = BaseCell(ACol, ARow).Y + CellSpan(ACol, ARow).Y;
    return row == SortSettings().Row && SortSettings().Show && RowCount() > FixedRows() + 1;
}

bool TExStringGrid::ShowsSortIndicator(int ACol, int ARow)
{
    if (FixedRows() <= 0 || (ACol < FixedCols() && !SortSettings().FixedCols) || !IsSortIndicatorRow(ACol, ARow))
        return false;
    const int real = RealColIndex(ACol);
    const int at = SortIndexes().FindIndex(real);
    if (real != SortSettings().Column() && at < 0)
        return false;
    // Only the index's first column shows without IndexShow.
    return SortIndexes().Count() == 0 || at == 0 || SortSettings().IndexShow;
}

namespace {

void triangle(platform::TCanvas &canvas, TPoint a, TPoint b, TPoint c)
{
    const std::array<TPoint, 3> points{a, b, c};
    canvas.Polygon(points);
}

} // namespace

void TExStringGrid::RenderSortIndicator(platform::TCanvas &ACanvas, int ACol, int Y, int X)
{
    const TSortSettings &sort = SortSettings();
    const int at = SortIndexes().FindIndex(ACol);
    const bool indexed = sort.IndexShow && at >= 0;
    const bool indexGlyphs = !sort.IndexUpGlyph.Empty() && !sort.IndexDownGlyph.Empty();
    const bool glyphs = !sort.UpGlyph.Empty() && !sort.DownGlyph.Empty();
    if (RightToLeft()) {
        X = ClientWidth() - X - 4;
        if (indexed && indexGlyphs)
            X -= sort.IndexUpGlyph.Width() + 7;
        else if (!indexed && glyphs)
            X -= sort.UpGlyph.Width() + 7;
        else
            X -= 7;
    }
    if (indexed) {
        ACanvas.Brush().setColor(sort.IndexColor);
        ACanvas.Pen().setColor(0x000000);
        ACanvas.SetBkMode(platform::TRANSPARENT);
        ACanvas.Font().setColor(0x000000);
        ACanvas.Font().setSize(6);
        const QString number = QString::number(at + 1);
        if (!SortIndexes().SortDirections(at)) {
            if (indexGlyphs)
                DrawBitmapTransparent(ACanvas, sort.IndexUpGlyph, platform::clNone,
                                      platform::Rect(X - 7, Y - 7, X - 7 + sort.IndexUpGlyph.Width(),
                                                     Y - 7 + sort.IndexUpGlyph.Height()));
            else
                triangle(ACanvas, {X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8});
            ACanvas.TextOut(X - 2, Y - 4, number);
        } else {
            if (indexGlyphs)
                DrawBitmapTransparent(ACanvas, sort.IndexDownGlyph, platform::clNone,
                                      platform::Rect(X - 7, Y - 7, X - 7 + sort.IndexDownGlyph.Width(),
                                                     Y - 7 + sort.IndexDownGlyph.Height()));
            else
                triangle(ACanvas, {X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4});
            ACanvas.TextOut(X - 2, Y - 2, number);
        }
        return;
    }
    if (glyphs) {
        const platform::TBitmap &glyph = sort.Direction == sdDescending ? sort.DownGlyph : sort.UpGlyph;
        DrawBitmapTransparent(ACanvas, glyph, platform::clNone,
                              platform::Rect(X - 4, Y - 4, X - 4 + glyph.Width(), Y - 4 + glyph.Height()));
        ACanvas.SetBkColor(FixedColor());
        return;
    }
    // An outlined triangle, lit from the top left.
    platform::TPen &pen = ACanvas.Pen();
    pen.setWidth(1);
    if (sort.Direction == sdDescending) {
        pen.setColor(platform::clWhite);
        ACanvas.MoveTo(X + 4, Y - 4);
        ACanvas.LineTo(X, Y + 4);
        pen.setColor(0x808080);
        ACanvas.LineTo(X - 4, Y - 4);
        ACanvas.LineTo(X + 4, Y - 4);
    } else {
        pen.setColor(platform::clWhite);
        ACanvas.MoveTo(X - 4, Y + 4);
        ACanvas.LineTo(X + 4, Y + 4);
        ACanvas.LineTo(X, Y - 4);
        pen.setColor(0x808080);
        ACanvas.LineTo(X - 4, Y + 4);
    }
    pen.setColor(0x000000);
}

} // namespace controls
