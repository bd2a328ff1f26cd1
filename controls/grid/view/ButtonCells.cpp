// Push buttons, bitmap buttons and expand buttons in cells. Painting keeps
// where each button went (its offset in the cell) for the mouse to hit.
#include "controls/grid/base/paint/CellButtons.h"
#include "controls/grid/view/CellPaint.h"

#include <QImage>

namespace controls {

using namespace platform;

namespace {

// The bitmap with the colour of its bottom-left pixel clear.
QImage cornerTransparent(const QImage &bitmap)
{
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return image;
}

void chevron(TCanvas &canvas, const TRect &box, bool up)
{
    // Down: from (right-10, top+5) over (right-7, top+8) to (right-3, top+4);
    // up is the same turned over.
    const auto y = [&](int dy) { return up ? box.Top + 13 - dy : box.Top + dy; };
    canvas.MoveTo(box.Right - 10, y(5));
    canvas.LineTo(box.Right - 7, y(8));
    canvas.LineTo(box.Right - 3, y(4));
}

} // namespace

void TExStringGrid::renderButton(TCellPaint &cell, TRect r, int x, int y, int w, int h)
{
    TCellGraphic *g = cell.graphic;
    TCanvas &canvas = cell.canvas;
    const TGridAppearance &look = Appearance();
    const TGridControlLook &control = ControlLook();
    const bool expand = g->FCellType == ctExpand;
    TRect face = Rect(x, y, x + w, y + h);
    if (expand)
        face = Rect(r.Right - 13, r.Top, r.Right, r.Top + 13);

    // The mouse hits the button where it was drawn, relative to its cell.
    const TRect whole = CellRect(cell.col, cell.row);
    const int dx = (face.Left - whole.Left) & 0xFFFF;
    const int dy = (face.Top - whole.Top) & 0xFFFF;
    g->FCellValue = double((std::int64_t{dy} << 16) | dx);

    bool enabled = true;
    CheckCellEditable(cell.realCol, cell.row, enabled);
    enabled = enabled || control.NoDisabledButtonLook;
    TButtonLook buttonLook = control.FlatButton ? TButtonLook::Flat : IsWinXP() ? TButtonLook::Themed
                                                                                : TButtonLook::Classic;
    if (look.Flat && isColorSet(look.Tones.Background.BrushColor))
        buttonLook = TButtonLook::Tones;
    TButtonState state = TButtonState::Normal;
    if (g->FCellBoolean)
        state = TButtonState::Down;
    else if (HoverButton() == TGridCoord{cell.col, cell.row})
        state = TButtonState::Hot;
    else if (!enabled && !expand)
        state = TButtonState::Disabled;

    const TColor brush = canvas.Brush().Color();
    const TColor fontColor = canvas.Font().Color();
    canvas.Brush().setColor(clBtnFace);
    DrawPushButton(canvas, this, face, buttonLook, state, look.Tones);
    TRect content = face;
    if (state == TButtonState::Down)
        content = OffsetRect(content, 1, 1);

    if (expand) {
        canvas.Pen().setColor(clBtnText);
        chevron(canvas, content, g->FCellVar.toBool());
    } else {
        if (g->FCellType == ctBitButton) {
            if (const auto *glyph = static_cast<const QImage *>(g->CellBitmap()); glyph && !glyph->isNull()) {
                const bool fitsH = glyph->height() < content.Bottom - content.Top;
                const int gy = fitsH ? content.Top + (content.Bottom - content.Top - glyph->height()) / 2
                                     : content.Top + 3;
                const bool centred = glyph->width() < content.Right - content.Left && g->FCellText.isEmpty();
                const int gx = centred ? content.Left + (content.Right - content.Left - glyph->width()) / 2
                                       : content.Left + 3;
                canvas.DrawImage(gx, gy, cornerTransparent(*glyph));
                content.Left = gx + glyph->width() + 4 - 1;
            }
        }
        if (!g->FCellText.isEmpty()) {
            canvas.SetBkMode(TRANSPARENT);
            TColor textColor = state == TButtonState::Disabled ? clGrayText : clBtnText;
            if (buttonLook == TButtonLook::Tones)
                textColor = toneOf(look.Tones, state).TextColor;
            canvas.Font().setColor(textColor);
            TRect caption = content;
            caption.Left += 1;
            unsigned flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
            if (!g->FCellText.contains(u'\r'))
                flags |= DT_SINGLELINE;
            canvas.DrawText(g->FCellText, caption, flags);
        }
    }
    canvas.Brush().setColor(brush);
    canvas.Font().setColor(fontColor);
}

void TExStringGrid::renderComment(TCellPaint &cell, TRect r)
{
    const TGridControlLook &control = ControlLook();
    if (!isColorSet(control.CommentColor))
        return;
    const TColor marker = isColorSet(TColor(cell.graphic->FCellIndex)) ? TColor(cell.graphic->FCellIndex)
                                                                         : control.CommentColor;
    TCanvas &canvas = cell.canvas;
    const TColor pen = canvas.Pen().Color();
    canvas.Pen().setColor(marker);
    canvas.Brush().setColor(marker);
    const TPoint corner[] = {{r.Right - 7, r.Top}, {r.Right - 2, r.Top}, {r.Right - 2, r.Top + 5}};
    canvas.Polygon(corner);
    canvas.Pen().setColor(pen);
    canvas.Brush().setColor(Color());
}

} // namespace controls
