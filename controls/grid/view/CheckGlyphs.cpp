// Check boxes and radio buttons in the control style the look selects:
// frame controls (classic, flat; the theme style draws as classic, there
// being no theme engine), our own bitmaps, the Borland drawing, or the
// user's glyphs.
#include "controls/grid/view/CellPaint.h"
#include "platform/draw/Edges.h"
#include "platform/draw/Resources.h"

namespace controls {

using namespace platform;

namespace {

// The bitmap resources by style and state: checked/on first, disabled second.
QString glyphName(bool radio, TControlStyle style, bool on, bool enabled)
{
    const int base = style == csWinXP ? 5 : 1;
    const int index = base + (on ? 0 : 1) + (enabled ? 0 : 2);
    return QStringLiteral("%1%2").arg(radio ? QStringLiteral("ESGRAD") : QStringLiteral("ESGCHK")).arg(index, 2, 10,
                                                                                                     QChar(u'0'));
}

// Transparent where the bottom-left pixel's colour is.
void drawTransparent(TCanvas &canvas, int x, int y, const QImage &picture)
{
    if (picture.isNull())
        return;
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1);
    for (int j = 0; j < masked.height(); ++j) {
        auto *line = reinterpret_cast<QRgb *>(masked.scanLine(j));
        for (int i = 0; i < masked.width(); ++i)
            if (line[i] == key)
                line[i] = 0;
    }
    canvas.DrawImage(x, y, masked);
}

} // namespace

void TExStringGrid::RenderCheckGlyph(TCanvas &ACanvas, TRect ARect, bool Checked, int State, bool TriState,
                                     TControlStyle Style, bool Grayed, bool Enabled)
{
    const TControlLook &cl = ControlLook();
    if (cl.NoDisabledCheckRadioLook || cl.CheckAlwaysActive)
        Enabled = true;
    if (TriState) {
        Checked = State == 1;
        Grayed = State == 2;
    }
    if (Style == csTheme)
        Style = csClassic;
    switch (Style) {
    case csWinXP:
    case csFenlo:
        drawTransparent(ACanvas, ARect.Left, ARect.Top, loadResourceImage(glyphName(false, Style, Checked, Enabled)));
        break;
    case csGlyph:
        drawTransparent(ACanvas, ARect.Left, ARect.Top, Checked ? cl.CheckedGlyph : cl.UnCheckedGlyph);
        break;
    case csBorland: {
        ACanvas.Brush().setColor(Enabled ? clBtnFace : clBtnShadow);
        ACanvas.Pen().setColor(clBtnFace);
        ACanvas.Rectangle(ARect);
        const int L = ARect.Left, T = ARect.Top, R = ARect.Right, B = ARect.Bottom;
        ACanvas.Pen().setColor(clBtnHighlight);
        ACanvas.MoveTo(L, B - 1);
        ACanvas.LineTo(L, T);
        ACanvas.LineTo(R - 1, T);
        ACanvas.Pen().setColor(clBtnShadow);
        ACanvas.LineTo(R - 1, B - 1);
        ACanvas.LineTo(L, B - 1);
        if (Checked) {
            const int hh = cl.CheckSize / 2;
            ACanvas.Pen().setColor(Enabled ? cl.Color : TColor(0x808080));
            ACanvas.MoveTo(L + 2, T + hh);
            ACanvas.LineTo(L + 2, B - 2);
            ACanvas.MoveTo(L + 3, T - 1 + hh);
            ACanvas.LineTo(L + 3, B - 3);
            ACanvas.MoveTo(L + 2, B - 2);
            ACanvas.LineTo(R - 2, T + 2);
            ACanvas.MoveTo(L + 3, B - 2);
            ACanvas.LineTo(R - 1, T + 2);
        }
        break;
    }
    default: {
        const int s = cl.CheckSize;
        const int x = ARect.Left + (ARect.Right - ARect.Left - s) / 2;
        const int y = ARect.Top + (ARect.Bottom - ARect.Top - s) / 2;
        unsigned state = DFCS_BUTTONCHECK;
        if (Checked)
            state |= DFCS_CHECKED;
        if (Grayed)
            state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (Style == csFlat)
            state |= DFCS_FLAT;
        if (!Enabled)
            state |= DFCS_INACTIVE;
        DrawFrameControl(ACanvas, Rect(x, y, x + s, y + s), DFC_BUTTON, state);
        break;
    }
    }
}

void TExStringGrid::RenderRadioGlyph(TCanvas &ACanvas, TRect ARect, bool Reverse, double Zoom, TControlStyle Style,
                                     int ARow, int ACol, bool Selected, const QStringList *Items, bool Disabled,
                                     bool Horizontal, int Index, int Count)
{
    const TControlLook &cl = ControlLook();
    if (cl.NoDisabledCheckRadioLook || cl.RadioAlwaysActive)
        Disabled = false;
    if (Style == csTheme)
        Style = csClassic;
    if (Count <= 0)
        return;
    ACanvas.SetBkMode(TRANSPARENT);
    const bool frame = Style == csClassic || Style == csFlat;
    const int step = frame ? cl.RadioSize : 16;
    const int glyph = frame ? cl.RadioSize : 16;
    const int d = Reverse ? -1 : 1;
    const int gh = ACanvas.TextHeight(QStringLiteral("gh"));
    const int rowHeight = frame ? gh : std::max(16, gh);
    const QString cellText = Cells(ACol, ARow);
    int textSum = 0;
    for (int i = 1; i <= Count; ++i) {
        QString text;
        const bool hasText = Items && Items->size() >= i;
        if (Items && Selected && Appearance().ShowSelection)
            ACanvas.Font().setColor(Appearance().SelectionTextColor);
        if (hasText)
            text = Items->at(i - 1);
        const bool on = i == Index + 1 || (Index == -1 && hasText && text == cellText);
        int gx, gy, tx, ty;
        if (Horizontal) {
            gx = ARect.Left + 2 + (i - 1) * step + textSum;
            gy = ARect.Top + (ARect.Bottom - ARect.Top - glyph) / 2;
            tx = gx + (frame ? int(std::lround(Zoom * cl.RadioSize)) : 16);
            textSum += ACanvas.TextWidth(text);
        } else {
            gy = ARect.Top + 2 + rowHeight * (i - 1) * d;
            gx = ARect.Left + 2;
            tx = ARect.Left + 2
                 + (frame ? int(std::lround(Zoom * (cl.RadioSize + 4))) : Style == csBorland ? 20 : 18);
            if (!hasText)
                gx = ARect.Left + (ARect.Right - ARect.Left - glyph) / 2;
        }
        ty = (Style == csWinXP || Style == csFenlo || Style == csGlyph) ? gy + 1 : gy - 2;
        switch (Style) {
        case csWinXP:
        case csFenlo:
            drawTransparent(ACanvas, gx, gy, loadResourceImage(glyphName(true, Style, on, !Disabled)));
            break;
        case csGlyph:
            drawTransparent(ACanvas, gx, gy, on ? cl.RadioOnGlyph : cl.RadioOffGlyph);
            break;
        case csBorland: {
            const TColor brush = ACanvas.Brush().Color();
            const TPoint outer[] = {{gx + 2, gy + 8}, {gx + 8, gy + 2}, {gx + 14, gy + 8}, {gx + 8, gy + 14}};
            ACanvas.Brush().setColor(clBtnFace);
            ACanvas.Pen().setColor(clBtnFace);
            ACanvas.Polygon(outer);
            ACanvas.Pen().setColor(on ? TColor(0x808080) : clWhite);
            ACanvas.MoveTo(gx + 8, gy + 14);
            ACanvas.LineTo(gx + 2, gy + 8);
            ACanvas.LineTo(gx + 8, gy + 2);
            ACanvas.Pen().setColor(on ? clWhite : TColor(0x808080));
            ACanvas.LineTo(gx + 14, gy + 8);
            ACanvas.LineTo(gx + 8, gy + 14);
            if (on) {
                const TPoint inner[] = {{gx + 6, gy + 8}, {gx + 8, gy + 6}, {gx + 10, gy + 8}, {gx + 8, gy + 10}};
                ACanvas.Brush().setColor(cl.Color);
                ACanvas.Pen().setColor(cl.Color);
                ACanvas.Polygon(inner);
            }
            ACanvas.Brush().setColor(brush);
            break;
        }
        default: {
            const bool flat = cl.ControlStyle == csFlat;
            const int s = int(std::lround(Zoom * (flat ? cl.RadioSize + 2 : cl.RadioSize)));
            unsigned state = DFCS_BUTTONRADIO;
            if (on)
                state |= DFCS_CHECKED;
            if (Disabled)
                state |= DFCS_INACTIVE;
            if (flat)
                state |= DFCS_FLAT;
            DrawFrameControl(ACanvas, Rect(gx, gy, gx + s, gy + s), DFC_BUTTON, state);
            break;
        }
        }
        if (!text.isEmpty())
            ACanvas.TextOut(tx, ty, text);
    }
}

} // namespace controls
