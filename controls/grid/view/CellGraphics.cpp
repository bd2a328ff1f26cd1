// The cell graphic after the text: its size and place by the alignments,
// then the drawing by kind. Image indexes outside the list, and a data
// image whose cell holds no integer, draw nothing.
#include "controls/grid/base/paint/Progress.h"
#include "controls/grid/model/core/TypedText.h"
#include "controls/grid/view/CellPaint.h"
#include "platform/draw/ImageList.h"

#include <QIcon>

#include <algorithm>
#include <cstdint>

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

TSize TExStringGrid::graphicPlacementSize(const TCellGraphic &g, int ACol, int ARow)
{
    const TImageList *images = imagesOf(*this);
    const int iw = images ? images->Width() : 0;
    const int ih = images ? images->Height() : 0;
    switch (g.FCellType) {
    case ctBitmap:
        if (const auto *bmp = static_cast<const QImage *>(g.CellBitmap()))
            return {bmp->width(), bmp->height()};
        return {0, 0};
    case ctIcon:
        return g.CellIcon() != nullptr ? TSize{16, 16} : TSize{0, 0};
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
        const auto *list = static_cast<const TIntList *>(g.CellBitmap());
        const int n = list ? list->Count() : 0;
        return g.FCellBoolean ? TSize{n * iw, ih} : TSize{iw, n * ih};
    }
    case ctPicture:
    case ctFilePicture: {
        const QSize size = g.GetPictureSize(ColWidths(DisplColIndex(ACol)), RowHeights(ARow), true);
        return {size.width(), size.height()};
    }
    case ctRadioButton:
        return {ControlLook().RadioSize + 4, ControlLook().RadioSize + 4};
    case ctButton:
    case ctBitButton:
        return {g.FCellIndex & 0xFFFF, (g.FCellIndex >> 16) & 0xFFFF};
    case ctProgressPie:
        return {20, 20};
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * Appearance().XYOffset.Y;
        return {side, side};
    }
    case ctRating:
        return {g.FCellAngle * 18, 16};
    case ctInterface:
        return interfaceGraphicSize(g);
    default:
        return {0, 0};
    }
}

TSize TExStringGrid::GetCellGraphicSize(int ACol, int ARow)
{
    const TCellGraphic *g = GetCellGraphic(ACol, ARow);
    if (g == nullptr)
        return {0, 0};
    const int displayCol = DisplColIndex(ACol);
    const bool text = !Cells(displayCol, ARow).isEmpty();
    const bool beside = g->FCellHAlign == haBeforeText || g->FCellHAlign == haAfterText;
    const bool aboveOrUnder = g->FCellVAlign == vaAboveText || g->FCellVAlign == vaUnderText;
    const TSize placed = graphicPlacementSize(*g, ACol, ARow);
    TSize size{0, 0};
    bool fullWidth = g->FCellHAlign == haFull;
    switch (g->FCellType) {
    case ctBitmap:
    case ctImageList:
    case ctDataImage:
        // Beside the text it adds its width, above or under its height;
        // over the text it adds nothing.
        size = {beside || !text ? placed.cx : 0, aboveOrUnder || !text ? placed.cy : 0};
        break;
    case ctIcon:
        size = {beside || !text ? placed.cx : 0, placed.cy};
        break;
    case ctPicture:
    case ctFilePicture: {
        const QSize fitted = g->GetPictureSize(ColWidths(displayCol) - TotalXOffset() - 1,
                                               RowHeights(ARow) - TotalYOffset() - 1, text);
        size = {fitted.width(), fitted.height()};
        break;
    }
    case ctButton:
    case ctBitButton:
        size = buttonGraphicSize(*g, text);
        fullWidth = fullWidth && text;
        break;
    case ctProgressPie:
    case ctImages:
        size = placed;
        break;
    case ctRadioButton:
        size = {ControlLook().RadioSize, ControlLook().RadioSize};
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = placed;
        break;
    case ctRadio:
        size = radioGroupSize(*g, ACol, ARow);
        break;
    case ctRating:
        size = placed;
        fullWidth = false;
        break;
    case ctInterface: {
        const TRect whole = CellRect(displayCol, ARow);
        size = placed.cx == 0 || placed.cy == 0 ? TSize{whole.Right - whole.Left, whole.Bottom - whole.Top} : placed;
        break;
    }
    default:
        return {0, 0};
    }
    const TRect cell = CellRect(displayCol, ARow);
    if (g->FCellVAlign == vaFull)
        size.cy = cell.Bottom - cell.Top;
    if (fullWidth)
        size.cx = cell.Right - cell.Left;
    return size;
}

TSize TExStringGrid::radioGroupSize(const TCellGraphic &g, int ACol, int ARow)
{
    const QStringList *items = GetRadioStrings(ACol, ARow);
    if (items == nullptr)
        return {0, 0};
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&scratch);
    canvas.Font().Assign(Font());
    const int gh = canvas.TextHeight(QStringLiteral("gh"));
    if (g.FCellBoolean) {
        int width = 0;
        for (const QString &item : *items)
            width += canvas.TextWidth(item) + 12;
        return {width, gh};
    }
    int widest = 0;
    for (const QString &item : *items)
        widest = std::max(widest, canvas.TextWidth(item));
    return {std::max(widest + 12, 12), std::max(16, gh) * int(items->size())};
}

TSize TExStringGrid::buttonGraphicSize(const TCellGraphic &g, bool hasText)
{
    const int packedWidth = g.FCellIndex & 0xFFFF;
    const int packedHeight = (g.FCellIndex >> 16) & 0xFFFF;
    const bool aboveOrUnder = g.FCellVAlign == vaAboveText || g.FCellVAlign == vaUnderText;
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&scratch);
    canvas.Font().Assign(Font());
    const int captionWidth = canvas.TextWidth(g.FCellText) + 4;
    if (!hasText)
        return {g.FCellHAlign == haFull ? captionWidth : packedWidth, packedHeight};
    int width = packedWidth;
    if (g.FCellHAlign == haCenter || aboveOrUnder)
        width = 0;
    else if (g.FCellHAlign == haFull)
        width = captionWidth;
    return {width, aboveOrUnder ? packedHeight : 0};
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
    switch (g->FCellType) {
    case ctNode:
        if (cell.realCol == 0)
            renderNodeGlyph(cell);
        return;
    case ctProgress:
    case ctXPProgress:
    case ctRangeIndicator:
        renderProgress(cell, cell.rect);
        return;
    case ctComment:
        renderComment(cell, cell.rect);
        return;
    default:
        break;
    }
    TSize size = graphicPlacementSize(*g, cell.realCol, cell.row);
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
    if (checkKind(g->FCellType) || (g->FCellVAlign == vaCenter && h < height))
        y = r.Top + (height - h) / 2;
    else if (g->FCellVAlign == vaBottom)
        y = r.Bottom - 1 - h;
    else if (g->FCellVAlign == vaUnderText)
        y = r.Bottom - h;
    if (g->FCellHAlign == haFull && !checkKind(g->FCellType)) {
        x = r.Left;
        size.cx = width;
    }
    if (g->FCellVAlign == vaFull && !checkKind(g->FCellType)) {
        y = r.Top;
        size.cy = height;
    }

    const TImageList *images = imagesOf(*this);
    bool enabled = true;
    CheckCellEditable(cell.realCol, cell.row, enabled);
    const TRect box = Rect(x, y, x + size.cx, y + size.cy);
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
    case ctButton:
    case ctBitButton:
    case ctExpand:
        renderButton(cell, r, box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top);
        break;
    case ctShape:
        renderShape(cell, box);
        break;
    case ctRating:
        renderRating(cell, x, y);
        break;
    case ctInterface:
        renderInterface(cell, Rect(r.Left - 1, r.Top - 1, r.Right, r.Bottom), false);
        break;
    case ctProgressPie:
        DrawProgressPie(canvas, Bounds(x, y, 20, 20), TColor(reinterpret_cast<std::uintptr_t>(g->CellBitmap())),
                        g->FCellAngle, false);
        break;
    case ctRotated: {
        const TFont saved = canvas.Font();
        const QString text = Cells(cell.col, cell.row);
        TRect start = cell.rect;
        PlaceRotatedText(canvas, start, g->FCellAngle, g->FCellVAlign, g->FCellHAlign, text);
        canvas.Font().setOrientation(g->FCellAngle * 10);
        canvas.SetBkMode(TRANSPARENT);
        canvas.TextOut(start.Left, start.Top, text);
        canvas.Font().Assign(saved);
        break;
    }
    default:
        break;
    }
}

} // namespace controls
