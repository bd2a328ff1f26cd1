#include "platform/draw/Edges.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

struct EdgeColors {
    TColor topLeft;
    TColor bottomRight;
};

// One ring of an edge; gives the rectangle inside it.
TRect drawRing(TCanvas &c, const TRect &r, unsigned sides, EdgeColors colors)
{
    if (IsRectEmpty(r))
        return r;
    const int rightEnd = (sides & BF_RIGHT) ? r.Right - 1 : r.Right;
    const int bottomEnd = (sides & BF_BOTTOM) ? r.Bottom - 1 : r.Bottom;
    // The bottom-right colour owns the two corners where the colours meet.
    if (sides & BF_TOP)
        c.FillColor(Rect(r.Left, r.Top, rightEnd, r.Top + 1), colors.topLeft);
    if (sides & BF_LEFT)
        c.FillColor(Rect(r.Left, r.Top, r.Left + 1, bottomEnd), colors.topLeft);
    if (sides & BF_BOTTOM)
        c.FillColor(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), colors.bottomRight);
    if (sides & BF_RIGHT)
        c.FillColor(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), colors.bottomRight);
    return {r.Left + ((sides & BF_LEFT) ? 1 : 0), r.Top + ((sides & BF_TOP) ? 1 : 0),
            r.Right - ((sides & BF_RIGHT) ? 1 : 0), r.Bottom - ((sides & BF_BOTTOM) ? 1 : 0)};
}

EdgeColors outerColors(unsigned edge, unsigned flags)
{
    if (flags & BF_MONO)
        return {clWindowFrame, clWindowFrame};
    if (flags & BF_FLAT)
        return {clBtnShadow, clBtnShadow};
    const bool soft = flags & BF_SOFT;
    if (edge & BDR_RAISEDOUTER)
        return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
}

EdgeColors innerColors(unsigned edge, unsigned flags)
{
    if (flags & BF_MONO)
        return {clWindow, clWindow};
    if (flags & BF_FLAT)
        return {clBtnFace, clBtnFace};
    const bool soft = flags & BF_SOFT;
    if (edge & BDR_RAISEDINNER)
        return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
    return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
}

// A square of side s centred in the rectangle.
TRect centredSquare(const TRect &r, int s)
{
    const int left = r.Left + (r.Width() - s) / 2;
    const int top = r.Top + (r.Height() - s) / 2;
    return Bounds(left, top, s, s);
}

// The classic tick, seven by seven.
constexpr const char *Tick[] = {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};

void drawMark(TCanvas &c, const TRect &inside, TColor color)
{
    const int left = inside.Left + (inside.Width() - 7) / 2;
    const int top = inside.Top + (inside.Height() - 7) / 2;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (Tick[y][x] == '#')
                c.FillColor(Bounds(left + x, top + y, 1, 1), color);
}

void drawCheckBox(TCanvas &c, const TRect &rect, unsigned state)
{
    TRect box = centredSquare(rect, std::min(rect.Width(), rect.Height()));
    DrawEdge(c, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST | ((state & DFCS_FLAT) ? BF_FLAT : 0));
    const bool mixed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    const bool dim = (state & (DFCS_PUSHED | DFCS_INACTIVE)) || mixed;
    c.FillColor(box, dim ? clBtnFace : clWindow);
    if (state & DFCS_CHECKED)
        drawMark(c, box, (state & DFCS_INACTIVE) || mixed ? clBtnShadow : clWindowText);
}

void drawRadio(TCanvas &c, const TRect &rect, unsigned state)
{
    const int s = std::min(rect.Width(), rect.Height());
    const TRect box = centredSquare(rect, s);
    const double centre = (s - 1) / 2.0;
    const double radius = s / 2.0;
    const bool flat = state & DFCS_FLAT;
    const TColor inside = (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? clBtnFace : clWindow;
    const TColor dot = (state & DFCS_INACTIVE) ? clBtnShadow : clWindowText;
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            const double d = std::hypot(x - centre, y - centre);
            const bool upperLeft = x + y < s - 1;
            TColor color = clNone;
            if (d >= radius)
                continue;
            if (d >= radius - 1)
                color = flat ? clBtnShadow : (upperLeft ? clBtnShadow : clBtnHighlight);
            else if (d >= radius - 2)
                color = flat ? inside : (upperLeft ? cl3DDkShadow : cl3DLight);
            else if ((state & DFCS_CHECKED) && d < radius / 3)
                color = dot;
            else
                color = inside;
            c.FillColor(Bounds(box.Left + x, box.Top + y, 1, 1), color);
        }
    }
}

void drawPush(TCanvas &c, const TRect &rect, unsigned state)
{
    TRect r = rect;
    const bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
    const unsigned flat = (state & DFCS_FLAT) ? BF_FLAT : 0;
    // A flat button under the mouse rises by one thin edge, as flat tool buttons do.
    if (flat && !down && (state & DFCS_HOT)) {
        DrawEdge(c, r, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        return;
    }
    DrawEdge(c, r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE | flat);
}

// A filled triangle pointing along the part's direction, centred.
void drawArrow(TCanvas &c, const TRect &r, unsigned part, TColor color, int shift)
{
    const int size = std::min(r.Width(), r.Height());
    const int base = std::max(3, (size / 4) * 2 - 1);
    const int rows = (base + 1) / 2;
    const int cx = r.Left + r.Width() / 2 + shift;
    const int cy = r.Top + r.Height() / 2 + shift;
    for (int i = 0; i < rows; ++i) {
        const int half = (base - 1) / 2 - i;
        switch (part) {
        case DFCS_SCROLLUP:
            c.FillColor(Rect(cx - half, cy - rows / 2 + (rows - 1 - i), cx + half + 1, cy - rows / 2 + (rows - i)),
                        color);
            break;
        case DFCS_SCROLLLEFT:
            c.FillColor(Rect(cx - rows / 2 + (rows - 1 - i), cy - half, cx - rows / 2 + (rows - i), cy + half + 1),
                        color);
            break;
        case DFCS_SCROLLRIGHT:
            c.FillColor(Rect(cx - rows / 2 + i, cy - half, cx - rows / 2 + i + 1, cy + half + 1), color);
            break;
        default: // down and the drop-down of a combo box
            c.FillColor(Rect(cx - half, cy - rows / 2 + i, cx + half + 1, cy - rows / 2 + i + 1), color);
            break;
        }
    }
}

void drawScroll(TCanvas &c, const TRect &rect, unsigned state)
{
    TRect r = rect;
    const bool down = state & DFCS_PUSHED;
    const unsigned flat = (state & DFCS_FLAT) || down ? BF_FLAT : 0;
    DrawEdge(c, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | flat);
    const unsigned part = state & 0xF;
    const int shift = down ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        drawArrow(c, rect, part, clBtnHighlight, shift + 1);
        drawArrow(c, rect, part, clBtnShadow, shift);
    } else {
        drawArrow(c, rect, part, clBtnText, shift);
    }
}

} // namespace

bool DrawEdge(TCanvas &canvas, TRect &rect, unsigned edge, unsigned flags)
{
    if (IsRectEmpty(rect))
        return false;
    const unsigned sides = flags & BF_RECT;
    TRect r = rect;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
        r = drawRing(canvas, r, sides, outerColors(edge, flags));
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
        r = drawRing(canvas, r, sides, innerColors(edge, flags));
    if (flags & BF_MIDDLE)
        canvas.FillColor(r, (flags & BF_MONO) ? clWindow : clBtnFace);
    if (flags & BF_ADJUST)
        rect = r;
    return true;
}

bool DrawFrameControl(TCanvas &canvas, const TRect &rect, unsigned kind, unsigned state)
{
    if (IsRectEmpty(rect))
        return false;
    if (kind == DFC_SCROLL) {
        drawScroll(canvas, rect, state);
        return true;
    }
    if (kind != DFC_BUTTON)
        return false;
    if (state & DFCS_BUTTONPUSH)
        drawPush(canvas, rect, state);
    else if (state & DFCS_BUTTONRADIO)
        drawRadio(canvas, rect, state);
    else
        drawCheckBox(canvas, rect, state);
    return true;
}

} // namespace platform
