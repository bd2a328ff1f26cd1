#include "controls/grid/base/paint/CellButtons.h"

#include "controls/grid/base/ThemeBinding.h"
#include "platform/draw/Edges.h"

#include <array>

namespace controls {

using namespace platform;

namespace {

// Draws the themed part when the theme library has the class, else says
// that the caller draws the classic look.
bool drawThemed(TCanvas &canvas, const QObject *window, const QString &classList,
                std::initializer_list<std::pair<int, TRect>> parts, int stateId)
{
    const TOpenTheme theme(ExXPVS(), window, classList);
    if (!theme)
        return false;
    for (const auto &[partId, rect] : parts)
        theme.DrawBackground(canvas, partId, stateId, rect);
    return true;
}

unsigned frameLook(TButtonLook look, TButtonState state)
{
    return (state == TButtonState::Disabled ? DFCS_INACTIVE : 0u) | (look == TButtonLook::Flat ? DFCS_FLAT : 0u);
}

void fillTone(TCanvas &canvas, const TRect &rect, TColor brush, TColor border)
{
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    canvas.Brush().setColor(brush);
    canvas.Pen().setColor(border);
    canvas.Pen().setWidth(1);
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Rectangle(rect);
}

void triangle(TCanvas &canvas, TColor color, std::array<TPoint, 3> points)
{
    canvas.Brush().setColor(color);
    canvas.Pen().setColor(color);
    canvas.Polygon(points);
}

} // namespace

const TColorTone &toneOf(const TColorTones &tones, TButtonState state)
{
    switch (state) {
    case TButtonState::Hot:
        return tones.Hover;
    case TButtonState::Down:
        return tones.Selected;
    case TButtonState::Disabled:
        return tones.Disabled;
    case TButtonState::Normal:
        break;
    }
    return tones.Background;
}

void DrawDropDownButton(TCanvas &canvas, const QObject *window, const TRect &rect, TButtonLook look,
                        TButtonState state, const TColorTones &tones)
{
    TRect button{rect.Right - 19, rect.Top + 1, rect.Right - 2, rect.Bottom - 1};
    if (look == TButtonLook::Tones) {
        button.Left += 3;
        const TColorTone &tone = toneOf(tones, state);
        fillTone(canvas, button, tone.BrushColor, tone.BrushColor);
        canvas.Pen().setColor(tones.Background.BorderColor);
        canvas.MoveTo(button.Left + 1, button.Top);
        canvas.LineTo(button.Left + 1, button.Bottom);
        const int l = button.Left, t = button.Top;
        triangle(canvas, tones.Background.TextColor, {Point(l + 5, t + 8), Point(l + 11, t + 8), Point(l + 8, t + 11)});
        return;
    }
    const int themedState = state == TButtonState::Disabled ? 4 : 1;
    if (look == TButtonLook::Themed && drawThemed(canvas, window, QStringLiteral("combobox"), {{1, button}}, themedState))
        return;
    DrawFrameControl(canvas, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | frameLook(look, state));
}

void DrawPushButton(TCanvas &canvas, const QObject *window, const TRect &rect, TButtonLook look, TButtonState state,
                    const TColorTones &tones)
{
    if (look == TButtonLook::Tones) {
        const TColorTone &tone = toneOf(tones, state);
        fillTone(canvas, rect, tone.BrushColor, tone.BorderColor);
        return;
    }
    if (look == TButtonLook::Themed
        && drawThemed(canvas, window, QStringLiteral("button"), {{1, rect}}, int(state) + 1))
        return;
    static constexpr std::array<unsigned, 4> byState = {0, DFCS_HOT, DFCS_PUSHED, DFCS_INACTIVE};
    DrawFrameControl(canvas, rect, DFC_BUTTON,
                     DFCS_BUTTONPUSH | byState[std::size_t(state)] | (look == TButtonLook::Flat ? DFCS_FLAT : 0u));
}

void DrawSpinButtons(TCanvas &canvas, const QObject *window, const TRect &rect, TButtonLook look, TButtonState state,
                     const TColorTones &tones)
{
    const TRect strip{rect.Right - 16, rect.Top - 1, rect.Right - 1, rect.Bottom - 1};
    const int split = strip.Top + strip.Height() / 2;
    const TRect up{strip.Left, strip.Top, strip.Right, split};
    const TRect down{strip.Left, split, strip.Right, strip.Bottom};
    if (look == TButtonLook::Tones) {
        const TColorTone &tone = toneOf(tones, state);
        fillTone(canvas, up, tone.BrushColor, tone.BrushColor);
        fillTone(canvas, down, tone.BrushColor, tone.BrushColor);
        const int l = strip.Left;
        triangle(canvas, clBlack, {Point(l + 5, up.Top + 5), Point(l + 9, up.Top + 5), Point(l + 7, up.Top + 3)});
        triangle(canvas, clBlack,
                 {Point(l + 5, down.Top + 3), Point(l + 9, down.Top + 3), Point(l + 7, down.Top + 5)});
        return;
    }
    const int themedState = state == TButtonState::Disabled ? 4 : 1;
    if (look == TButtonLook::Themed
        && drawThemed(canvas, window, QStringLiteral("spin"), {{1, up}, {2, down}}, themedState))
        return;
    DrawFrameControl(canvas, up, DFC_SCROLL, DFCS_SCROLLUP | frameLook(look, state));
    DrawFrameControl(canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | frameLook(look, state));
}

} // namespace controls
