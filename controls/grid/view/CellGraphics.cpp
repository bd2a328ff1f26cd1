// The cell graphic after the text: its size and place by the alignments,
// then the drawing by kind. Image indexes outside the list, and a data
// image whose cell holds no integer, draw nothing.
#include "controls/grid/model/core/TypedText.h"
#include "controls/grid/view/CellPaint.h"
#include "platform/draw/ImageList.h"

#include <QIcon>

namespace controls {

using namespace platform;

namespace {

const TImageList *imagesOf(const TExStringGrid &grid) { return static_cast<const TImageList *>(grid.GridImages()); }

void drawListImage(TCanvas &canvas, const TImageList *images, int index, int x, int y)
{
    if (images == nullptr || index < 0 || index >= images->Count())
        return;
    canvas.DrawImage(x, y, images->imageAt(index));
}

bool checkKind(TCellType kind)
{
    return kind == ctCheckBox || kind == ctTriStateCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox
           || kind == ctRowCheckBox || kind == ctRadioButton;
}

} // namespace

TSize TExStringGrid::GetCellGraphicSize(int ACol, int ARow)
{
    const TCellGraphic *g = GetCellGraphic(ACol, ARow);
    if (g == nullptr)
        return {0, 0};
    const TImageList *images = imagesOf(*this);
    const int iw = images ? images->Width() : 0;
    const int ih = images ? images->Height() : 0;
    switch (g->FCellType) {
    case ctBitmap:
        if (const auto *bmp = static_cast<const QImage *>(g->CellBitmap()))
            return {bmp->width(), bmp->height()};
        return {0, 0};
    case ctIcon:
        if (g->CellIcon() != nullptr)
            return {16, 16};
        return {0, 0};
    case ctImageList:
    case ctDataImage:
        return {iw, ih};
    case ctCheckBox:
    case ctTriStateCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        return {ControlLook().CheckSize, ControlLook().CheckSize};
    case ctImages: {
        const auto *list = static_cast<const TIntList *>(g->CellBitmap());
        const int n = list ? list->Count() : 0;
        return g->FCellBoolean ? TSize{n * iw, ih} : TSize{iw, n * ih};
    }
    case ctPicture: {
        const QSize s = g->GetPictureSize(ColWidths(DisplColIndex(ACol)), RowHeights(ARow), true);
        return {s.width(), s.height()};
    }
    case ctRadioButton:
        return {ControlLook().RadioSize + 4, ControlLook().RadioSize + 4};
    default:
        return {0, 0};
    }
}

void TExStringGrid::renderCellGraphic(TCellPaint &cell)
{
    TCellGraphic *g = cell.graphic;
    if (g == nullptr)
        return;
    const TGridAppearance &look = Appearance();
    TCanvas &canvas = cell.canvas;
    TRect r = InflateRect(cell.rect, 1 - look.XYOffset.X, 1 - look.XYOffset.Y);
    if (cell.fixedLike)
        r.Top += 1;
    const TSize size = GetCellGraphicSize(cell.realCol, cell.row);
    const int w = size.cx;
    const int h = size.cy;
    const int tw = cell.textWidth > 0 ? cell.textWidth + 2 : 0;
    const int width = r.Right - r.Left;

    int x = r.Left + 1;
    if (checkKind(g->FCellType)) {
        const bool besideText = g->FCellType == ctCheckBox || g->FCellType == ctTriStateCheckBox
                                || g->FCellType == ctRadioButton;
        if (cell.ha == taRightJustify)
            x = (besideText ? r.Right - tw : r.Right) - 1 - w;
        else if (cell.ha == taCenter)
            x = besideText && tw > 0 ? std::max(r.Left + 1, r.Left + (width - tw) / 2 - w)
                                     : std::max(r.Left + 1, r.Left + (width - w) / 2);
    } else {
        switch (g->FCellHAlign) {
        case haRight:
            x = r.Right - 1 - w;
            break;
        case haCenter:
            x = w < width ? r.Left + (width - w) / 2 : r.Left + 1;
            break;
        case haBeforeText:
            if (cell.ha == taRightJustify)
                x = r.Right - tw - w;
            else if (cell.ha == taCenter)
                x = std::max(r.Left + 1, r.Left + (width - tw - w) / 2);
            break;
        case haAfterText:
            if (cell.ha == taLeftJustify)
                x = r.Left + tw;
            else if (cell.ha == taRightJustify)
                x = r.Right - 1 - w;
            else
                x = std::max(r.Left + 1, r.Left + tw + (width - tw - w) / 2);
            break;
        default:
            break;
        }
    }
    int y = r.Top + 1;
    const int height = r.Bottom - r.Top;
    if (checkKind(g->FCellType) || g->FCellVAlign == vaCenter)
        y = r.Top + (height - h) / 2;
    else if (g->FCellVAlign == vaBottom)
        y = r.Bottom - 1 - h;

    const TImageList *images = imagesOf(*this);
    bool enabled = true;
    CheckCellEditable(cell.realCol, cell.row, enabled);
    const TRect box = Rect(x, y, x + w, y + h);
    switch (g->FCellType) {
    case ctBitmap:
        if (const auto *bmp = static_cast<const QImage *>(g->CellBitmap()))
            canvas.DrawImage(x, y, *bmp);
        break;
    case ctIcon:
        if (const auto *icon = static_cast<const QIcon *>(g->CellIcon()))
            canvas.DrawImage(x, y, icon->pixmap(16, 16).toImage());
        break;
    case ctImageList:
        drawListImage(canvas, images, g->FCellIndex, x, y);
        break;
    case ctDataImage:
        // The cell's text is the image number; a text that is none draws nothing.
        if (const std::optional<int> n = cellTextToInt(Cells(cell.col, cell.row)))
            drawListImage(canvas, images, *n + g->FCellIndex, x, y);
        break;
    case ctImages:
        if (const auto *list = static_cast<const TIntList *>(g->CellBitmap())) {
            for (int i = 0; i < list->Count() && images; ++i) {
                drawListImage(canvas, images, list->Items(i), x, y);
                (g->FCellBoolean ? x : y) += g->FCellBoolean ? images->Width() : images->Height();
            }
        }
        break;
    case ctPicture:
        if (const auto *pic = static_cast<const QImage *>(g->CellBitmap()))
            canvas.StretchImage(box, *pic);
        break;
    case ctCheckBox:
    case ctRowCheckBox:
        RenderCheckGlyph(canvas, box, g->FCellBoolean, 0, false, ControlLook().ControlStyle, g->FCellAngle > 0,
                         enabled);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checkTrue;
        DoGetCheckTrue(cell.realCol, cell.row, checkTrue);
        RenderCheckGlyph(canvas, box, Cells(cell.col, cell.row) == checkTrue, 0, false, ControlLook().ControlStyle,
                         false, enabled);
        break;
    }
    case ctTriStateCheckBox:
        RenderCheckGlyph(canvas, box, false, g->FCellCheckBoxState, true, ControlLook().ControlStyle,
                         g->FCellAngle > 0, enabled);
        break;
    case ctRadio: {
        const QStringList *items = GetRadioStrings(cell.realCol, cell.row);
        const int count = items ? int(items->size()) : 0;
        RenderRadioGlyph(canvas, r, false, 1.0, ControlLook().ControlStyle, cell.row, cell.col,
                         cell.state.testFlag(gdSelected), items, !enabled, g->FCellBoolean, g->FCellIndex, count);
        break;
    }
    case ctNode: {
        TColor background = canvas.Brush().Color();
        if (background == platform::clNone)
            background = FixedCols() >= 1 ? FixedColor() : Color();
        RenderNodeGlyph(canvas, cell.rect, cell.row, background);
        break;
    }
    case ctRotated: {
        const TFont saved = canvas.Font();
        canvas.Font().setOrientation(g->FCellAngle * 10);
        canvas.SetBkMode(TRANSPARENT);
        const TRect inner = InflateRect(cell.rect, -2, -2);
        canvas.TextOut(inner.Left, g->FCellAngle > 0 && g->FCellAngle <= 180 ? inner.Bottom : inner.Top,
                       Cells(cell.col, cell.row));
        canvas.Font().Assign(saved);
        break;
    }
    default:
        break;
    }
}

} // namespace controls
