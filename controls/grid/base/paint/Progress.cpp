#include "controls/grid/base/paint/Progress.h"

#include "controls/grid/base/paint/Fills.h"
#include "platform/Format.h"
#include "platform/draw/ColorMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace controls {

using namespace platform;

namespace {

struct Level {
    TColor color;
    TColor colorTo;
};

Level levelOf(const TProgressAppearance &a, int level)
{
    switch (level) {
    case 0:
        return {a.Level0Color, a.Level0ColorTo};
    case 1:
        return {a.Level1Color, a.Level1ColorTo};
    case 2:
        return {a.Level2Color, a.Level2ColorTo};
    default:
        return {a.Level3Color, a.Level3ColorTo};
    }
}

void usePen(TCanvas &canvas, TColor color)
{
    canvas.Pen().setColor(color);
    canvas.Pen().setWidth(1);
    canvas.Pen().setStyle(TPenStyle::psSolid);
}

// Solid, or with a gradient in two halves across the bar: colour-to to
// colour, then back.
void fillArea(TCanvas &canvas, const TRect &area, const Level &level, const TProgressAppearance &a)
{
    if (!a.ShowGradient) {
        canvas.FillColor(area, level.color);
        return;
    }
    TRect first = area, second = area;
    TGradientAxis axis = TGradientAxis::Vertical;
    if (a.Vertical) {
        first.Right = second.Left = area.Left + area.Width() / 2;
        axis = TGradientAxis::Horizontal;
    } else {
        first.Bottom = second.Top = area.Top + area.Height() / 2;
    }
    FillGradient(canvas, first, level.colorTo, level.color, a.Steps, axis);
    FillGradient(canvas, second, level.color, level.colorTo, a.Steps, axis);
}

// A part of the bar from..to pixels along it, inset across by inset.
TRect alongBar(const TRect &rect, const TProgressAppearance &a, int start, int from, int to, int inset)
{
    if (a.Vertical)
        return {rect.Left + inset, rect.Bottom - start - to, rect.Right - inset, rect.Bottom - start - from};
    return {rect.Left + start + from, rect.Top + inset, rect.Left + start + to, rect.Bottom - inset};
}

// In the appearance's font, turned for a vertical bar; the canvas keeps
// its own font.
void drawPercentage(TCanvas &canvas, const TRect &rect, int percent, const TProgressAppearance &a)
{
    const QString text = QString::number(percent) + u'%';
    TFont own;
    own.Assign(canvas.Font());
    canvas.Font().Assign(a.Font);
    canvas.Font().setColor(a.CompleteFontColor);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    const TSize size = canvas.TextExtent(text);
    if (a.Vertical) {
        // Turned a quarter to the left, the text runs upwards from its origin.
        canvas.Font().setOrientation(900);
        canvas.SetBkMode(TRANSPARENT);
        canvas.TextOut(rect.Left + (rect.Width() - size.cy) / 2, rect.Top + (rect.Height() + size.cx) / 2, text);
    } else {
        canvas.SetBkMode(TRANSPARENT);
        canvas.TextOut(rect.Left + (rect.Width() - size.cx) / 2, rect.Top + (rect.Height() - size.cy) / 2, text);
    }
    canvas.Font().Assign(own);
}

} // namespace

void DrawCellProgress(TCanvas &canvas, const TRect &rect, int percent, const TProgressAppearance &a)
{
    const int p = std::clamp(percent, 0, 100);
    const int length = (a.Vertical ? rect.Height() : rect.Width()) - 2;
    const TColor penColor = a.ShowBorder ? a.BorderColor : a.UnCompleteColor;
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    canvas.Brush().setColor(a.UnCompleteColor);
    usePen(canvas, penColor);
    canvas.Rectangle(rect);

    const auto at = [&](int pct) { return roundWith(double(length) * pct / 100, TRounding::HalfEven); };
    const auto area = [&](int from, int to, int level) {
        fillArea(canvas, alongBar(rect, a, 1, from, to, 1), levelOf(a, level), a);
    };
    if (p > 0 && a.Stacked) {
        area(0, at(std::min(p, a.Level1Perc)), 0);
        if (p >= a.Level1Perc)
            area(at(a.Level1Perc), at(std::min(p, a.Level2Perc)), 1);
        if (p >= a.Level2Perc)
            area(at(a.Level2Perc), p == 100 ? length : at(p), 3);
    } else if (p > 0) {
        const int level = p < a.Level1Perc ? 0 : p < a.Level2Perc ? 1 : p > 99 ? 3 : 2;
        if (a.CompletionSmooth) {
            area(0, at(p), level);
        } else {
            const auto block = [&](int index, int size) {
                fillArea(canvas, alongBar(rect, a, 2, 9 * index, 9 * index + size, 2), levelOf(a, level), a);
            };
            const int covered = at(p);
            if (covered > 9) {
                for (int i = 0; i < covered / 9; ++i)
                    block(i, 7);
                if (covered % 9 > 2)
                    block(covered / 9, covered % 9 - 1);
            } else if (covered > 1) {
                block(0, covered);
            }
        }
    }
    if (a.ShowPercentage)
        drawPercentage(canvas, rect, p, a);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    usePen(canvas, penColor);
    canvas.Rectangle(rect);
}

TRangeProgressText rangeProgressText(const TRangeProgress &progress)
{
    const double position = std::isfinite(progress.Position) ? progress.Position : 0.0;
    const auto rounded = std::int64_t(std::nearbyint(std::clamp(position, -9e18, 9e18)));
    TRangeProgressText shown;
    std::int64_t percent = 0;
    if (progress.Format.isEmpty()) {
        shown.text = QString::number(rounded) + u'%';
        percent = rounded;
    } else {
        const bool integral = progress.Format.contains(u'd') || progress.Format.contains(u'u');
        const FormatResult formatted =
            integral ? Format(progress.Format, {rounded}) : Format(progress.Format, {position});
        // A format that does not fit its value shows no text.
        shown.text = formatted.ok ? formatted.text : QString();
        const double range = progress.Maximum - progress.Minimum;
        if (range != 0 && std::isfinite(range))
            percent = std::int64_t(std::nearbyint(std::clamp((position - progress.Minimum) * 100 / range, -1e3, 1e3)));
    }
    shown.percent = int(std::clamp<std::int64_t>(percent, 0, 100));
    return shown;
}

void DrawRangeProgress(TCanvas &canvas, const TRect &rect, const TRangeProgress &progress)
{
    const TColor entryBrush = canvas.Brush().Color();
    const TRangeProgressText shown = rangeProgressText(progress);
    const QString &text = shown.text;
    const int percent = shown.percent;
    const TRect r = InflateRect(rect, -progress.MarginX, -progress.MarginY);
    const int filled = int(std::int64_t(r.Width()) * percent / 100);
    const TSize size = canvas.TextExtent(text);
    const int x = r.Left + (r.Width() - size.cx) / 2;
    const int y = progress.TextBelowMiddle ? r.Top + (r.Height() + size.cy) / 2 : r.Top + (r.Height() - size.cy) / 2;

    const auto part = [&](const TRect &where, TColor color, TColor textColor) {
        canvas.Brush().setStyle(TBrushStyle::bsSolid);
        canvas.Brush().setColor(color);
        canvas.Pen().setColor(color);
        canvas.Font().setColor(textColor);
        canvas.TextRect(where, x, y, text);
    };
    part({r.Left, r.Top, r.Left + filled, r.Bottom}, progress.FillColor, progress.FillTextColor);
    part({r.Left + filled, r.Top, r.Right, r.Bottom}, progress.EmptyColor, progress.EmptyTextColor);

    const TRect border = InflateRect(r, 1, 1);
    if (isColorSet(progress.BorderColor)) {
        canvas.Brush().setColor(progress.BorderColor);
        canvas.FrameRect(border);
    }
    canvas.Brush().setColor(entryBrush);
    canvas.FrameRect(InflateRect(border, 1, 1));
}

void DrawCenteredBar(TCanvas &canvas, const TRect &rect, int value, int maximum, bool showValue,
                     TColor negativeColor, TColor positiveColor)
{
    const TRect r = InflateRect(rect, -2, -2);
    const int limited = maximum > 0 ? std::clamp(value, -maximum, maximum) : 0;
    if (maximum > 0 && limited != 0) {
        const int half = r.Width() / 2;
        const int middle = r.Left + half;
        const int length = roundWith(double(half) * std::abs(limited) / maximum, TRounding::HalfEven);
        const TColor color = limited > 0 ? positiveColor : negativeColor;
        canvas.Brush().setStyle(TBrushStyle::bsSolid);
        canvas.Brush().setColor(color);
        usePen(canvas, color);
        canvas.Rectangle(limited > 0 ? Rect(middle, r.Top, middle + length, r.Bottom)
                                     : Rect(middle - length, r.Top, middle, r.Bottom));
    }
    if (!showValue)
        return;
    canvas.SetBkMode(TRANSPARENT);
    TRect box = r;
    canvas.DrawText(QString::number(limited), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawProgressPie(TCanvas &canvas, const TRect &rect, TColor color, int percent, bool seedAbove)
{
    const int p = std::clamp(percent, 0, 100);
    usePen(canvas, clGray);
    canvas.Ellipse(rect);
    const int cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
    canvas.MoveTo(cx, rect.Top);
    canvas.LineTo(cx, cy);
    const double angle = p / 100.0 * 2 * std::numbers::pi;
    const int dx = roundWith((rect.Width() + 1) / 2.0 * std::sin(angle), TRounding::HalfEven);
    const int dy = roundWith((rect.Height() + 1) / 2.0 * std::cos(angle), TRounding::HalfEven);
    canvas.MoveTo(cx, cy);
    canvas.LineTo(cx + dx, cy - dy);
    if (p == 0)
        return;
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    canvas.Brush().setColor(color);
    canvas.FloodFill(cx + 1, seedAbove ? rect.Top - 2 : rect.Top + 2, clGray, false);
}

} // namespace controls
