#include "controls/dropdown/TabPainting.h"

#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/dropdown/PageControl.h"
#include "platform/draw/ImageList.h"
#include "platform/ui/QtColor.h"

#include <QPainter>
#include <cmath>

namespace controls {
namespace {

using platform::TColor;

int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

TColor parentColor(const QWidget &control)
{
    if (const QWidget *parent = control.parentWidget())
        return platform::fromQColor(parent->palette().color(QPalette::Window));
    return platform::clBtnFace;
}

void line(platform::TCanvas &canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

} // namespace

TabStrip tabStrip(const std::vector<QRect> &tabs, TTabPosition position, QSize control)
{
    TabStrip strip;
    if (tabs.empty()) {
        strip.maxBottom = 2;
        strip.minTop = control.height() - 2;
        strip.maxRight = 2;
        strip.minLeft = control.width() - 2;
        (void)position;
        return strip;
    }
    strip.minTop = tabs.front().top();
    strip.minLeft = control.width();
    for (const QRect &tab : tabs) {
        strip.minTop = std::min(strip.minTop, tab.top());
        strip.minLeft = std::min(strip.minLeft, tab.left());
        strip.maxBottom = std::max(strip.maxBottom, tab.top() + tab.height());
        strip.maxRight = std::max(strip.maxRight, tab.left() + tab.width());
    }
    return strip;
}

void DrawTabGradient(platform::TCanvas &canvas, TColor from, TColor to, bool horizontal, const QRect &rect, int steps)
{
    if (steps <= 0)
        steps = 1;
    const TColor a = platform::ColorToRGB(from);
    const TColor b = platform::ColorToRGB(to);
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    const double d = (horizontal ? right - left : bottom - top) / static_cast<double>(steps);
    // The rounding applies to the step alone: from + round(i * (to - from) / steps).
    const auto channel = [steps](int x, int y, int i) { return x + roundEven(i * (y - x) / static_cast<double>(steps)); };
    for (int i = 0; i < steps; ++i) {
        setBrush(canvas, platform::RGB(channel(platform::GetRValue(a), platform::GetRValue(b), i),
                                       channel(platform::GetGValue(a), platform::GetGValue(b), i),
                                       channel(platform::GetBValue(a), platform::GetBValue(b), i)));
        const int start = roundEven(i * d);
        const int length = roundEven(d) + 1;
        if (horizontal)
            fillRect(canvas, left + start, top, left + start + length, bottom);
        else
            fillRect(canvas, left, top + start, right, top + start + length);
    }
}

TabPainter::TabPainter(const TExPageControl &control)
    : m_control(control), m_strip(tabStrip(control.tabRects(), control.m_tabPosition, control.size())),
      m_parentColor(parentColor(control))
{
}

TabPainter::R TabPainter::toR(const QRect &rect)
{
    return R{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QImage TabPainter::paint() const
{
    const TExPageControl &c = m_control;
    QImage image(std::max(c.width(), 1), std::max(c.height(), 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(platform::toQColor(platform::ColorToRGB(m_parentColor)));
    platform::TCanvas canvas(&image);
    canvas.SetBkMode(platform::TRANSPARENT);
    assignFont(canvas.Font(), c.font(), c.m_defaultTextColor);

    eraseTabs(canvas);
    paintStripEnd(canvas);
    paintStripBackground(canvas);
    const bool band = paintSheetBand(canvas);
    if (!c.m_tabSheet3D)
        paintFrame(canvas, band);
    int splitFlag = 0;
    if (!c.m_tabSplitLine && c.PageCount() > 0) {
        paintSplitLine(canvas, band);
        splitFlag = 1;
    }
    for (int i = c.PageCount() - 1; i >= 0; --i)
        paintTab(canvas, i, splitFlag);
    paintHoverOutline(canvas);
    return image;
}

// Every tab's rectangle, a little larger on the sides away from the sheet,
// in the parent's colour: what a tab control drew there does not show.
void TabPainter::eraseTabs(platform::TCanvas &canvas) const
{
    const TExPageControl &c = m_control;
    const TTabPosition pos = c.m_tabPosition;
    setBrush(canvas, m_parentColor);
    for (int i = c.PageCount() - 1; i >= 0; --i) {
        const QRect tab = c.GetPageTabRect(i);
        if (tab.isNull())
            continue;
        R r = toR(tab);
        r.Right += EraseMargin;
        if (pos == TTabPosition::tpTop) {
            r.Left -= EraseMargin;
            r.Top -= EraseMargin;
        } else if (pos == TTabPosition::tpBottom) {
            r.Left -= EraseMargin;
            r.Bottom += EraseMargin;
        } else if (pos == TTabPosition::tpLeft) {
            r.Left -= EraseMargin;
            r.Top -= EraseMargin;
            r.Bottom += EraseMargin;
            r.Right -= EraseMargin;
        } else {
            r.Top -= EraseMargin;
            r.Bottom += EraseMargin;
        }
        fillRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    }
}

// A single row of tabs on top or at the bottom leaves room at the strip's
// right end for the scroll arrows; that end takes the control's colour and
// the strip's edge line.
void TabPainter::paintStripEnd(platform::TCanvas &canvas) const
{
    const TExPageControl &c = m_control;
    const TTabPosition pos = c.m_tabPosition;
    if (c.m_multiLine || isSideTab(pos))
        return;
    const int w = c.width();
    const int endLeft = w - ScrollArrowRoom;
    setBrush(canvas, c.m_color);
    const int from = std::max(endLeft, m_strip.maxRight);
    if (pos == TTabPosition::tpTop) {
        fillRect(canvas, endLeft, 0, w, m_strip.maxBottom);
        setPen(canvas, platform::clWhite);
        line(canvas, from, m_strip.maxBottom, w, m_strip.maxBottom);
    } else {
        fillRect(canvas, endLeft, m_strip.minTop, w, c.height());
        setPen(canvas, platform::cl3DDkShadow);
        line(canvas, from, m_strip.minTop - 1, w, m_strip.minTop - 1);
    }
}

void TabPainter::paintStripBackground(platform::TCanvas &canvas) const
{
    const TExPageControl &c = m_control;
    const int w = c.width();
    const int h = c.height();
    setBrush(canvas, c.m_tabBackGroundColor);
    switch (c.m_tabPosition) {
    case TTabPosition::tpLeft:
        fillRect(canvas, 0, 0, m_strip.maxRight, h - 1);
        break;
    case TTabPosition::tpRight:
        fillRect(canvas, m_strip.minLeft, 0, w, h - 1);
        break;
    case TTabPosition::tpBottom:
        fillRect(canvas, 0, m_strip.minTop, w, h);
        break;
    case TTabPosition::tpTop:
        fillRect(canvas, 0, 0, w, m_strip.maxBottom);
        break;
    }
}

bool TabPainter::paintSheetBand(platform::TCanvas &canvas) const
{
    const TExPageControl &c = m_control;
    const TExTabSheet *page = c.m_activePage;
    if (!page || (page->ColorTo() == platform::clNone && page->Color() == c.m_color))
        return false;
    const int w = c.width();
    const int h = c.height();
    const int inset = c.m_tabSheet3D ? 1 : 0;
    QRect area;
    switch (c.m_tabPosition) {
    case TTabPosition::tpLeft:
        area = QRect(QPoint(m_strip.maxRight + inset, 0), QPoint(w - 1, h - 1));
        break;
    case TTabPosition::tpRight:
        area = QRect(QPoint(0, 0), QPoint(m_strip.minLeft - 1 - inset, h - 1));
        break;
    case TTabPosition::tpTop:
        area = QRect(QPoint(0, m_strip.maxBottom + inset), QPoint(w - 1, h - 1));
        break;
    case TTabPosition::tpBottom:
        area = QRect(QPoint(0, 0), QPoint(w - 1, m_strip.minTop - 1 - inset));
        break;
    }
    const QRegion band = QRegion(area) - QRegion(area.adjusted(4, 4, -4, -4));
    canvas.SelectClipRgn(band);
    if (page->ColorTo() == platform::clNone) {
        setBrush(canvas, page->Color());
        fillRect(canvas, 0, 0, w, h);
    } else {
        DrawTabGradient(canvas, page->Color(), page->ColorTo(), false, QRect(0, 0, w, h), TabGradientSteps);
        setBrush(canvas, page->Color());
        switch (c.m_tabPosition) {
        case TTabPosition::tpLeft:
            fillRect(canvas, m_strip.maxRight, 1, w - 1, 4);
            break;
        case TTabPosition::tpRight:
            fillRect(canvas, 1, 1, m_strip.minLeft, 4);
            break;
        case TTabPosition::tpTop:
            fillRect(canvas, 1, m_strip.maxBottom, w - 1, m_strip.maxBottom + 4);
            break;
        case TTabPosition::tpBottom:
            break;
        }
    }
    canvas.SelectClipRgn(std::nullopt);
    return true;
}

void TabPainter::paintFrame(platform::TCanvas &canvas, bool bandPainted) const
{
    const TExPageControl &c = m_control;
    const int w = c.width();
    const int h = c.height();
    int left = 0;
    int top = 0;
    int right = w - 2;
    int bottom = h - 2;
    switch (c.m_tabPosition) {
    case TTabPosition::tpLeft:
        left = m_strip.maxRight;
        break;
    case TTabPosition::tpRight:
        right = m_strip.minLeft - 1;
        break;
    case TTabPosition::tpTop:
        top = m_strip.maxBottom;
        break;
    case TTabPosition::tpBottom:
        bottom = m_strip.minTop - 1;
        break;
    }
    setPen(canvas, c.m_tabSheetBorderColor);
    line(canvas, left, top, left, bottom + 2);
    line(canvas, left, bottom, right, bottom);
    line(canvas, right, bottom + 2, right, top);
    line(canvas, right, top, left, top);
    setPen(canvas, c.m_color);
    if (c.m_tabPosition != TTabPosition::tpBottom)
        line(canvas, left, h - 1, w - 1, h - 1);
    if (c.m_tabPosition != TTabPosition::tpRight)
        line(canvas, w - 1, h - 1, w - 1, -1);
    if (!bandPainted && c.m_tabPosition != TTabPosition::tpLeft) {
        // An inner line along the two sides away from the strip.
        if (c.m_tabPosition == TTabPosition::tpTop) {
            line(canvas, right - 1, top + 1, right - 1, bottom);
            line(canvas, left + 1, bottom - 1, right, bottom - 1);
        } else if (c.m_tabPosition == TTabPosition::tpBottom) {
            line(canvas, left + 1, top + 1, right, top + 1);
            line(canvas, right - 1, top + 1, right - 1, bottom);
        } else {
            line(canvas, left + 1, top + 1, left + 1, bottom);
            line(canvas, left + 1, bottom - 1, right, bottom - 1);
        }
    }
    if (c.m_roundEdges) {
        // The two corners away from the tabs lose their square tip.
        struct Corner {
            int x, y, dx, dy;
        };
        std::vector<Corner> corners;
        switch (c.m_tabPosition) {
        case TTabPosition::tpLeft:
            corners = {{right, top, -1, 1}, {right, bottom, -1, -1}};
            break;
        case TTabPosition::tpRight:
            corners = {{left, top, 1, 1}, {left, bottom, 1, -1}};
            break;
        case TTabPosition::tpTop:
            corners = {{left, bottom, 1, -1}, {right, bottom, -1, -1}};
            break;
        case TTabPosition::tpBottom:
            corners = {{left, top, 1, 1}, {right, top, -1, 1}};
            break;
        }
        for (const Corner &k : corners) {
            canvas.SetPixel(k.x, k.y, c.m_color);
            canvas.SetPixel(k.x + k.dx, k.y, c.m_color);
            canvas.SetPixel(k.x, k.y + k.dy, c.m_color);
            canvas.SetPixel(k.x + k.dx, k.y + k.dy, c.m_tabSheetBorderColor);
            canvas.SetPixel(k.x + 2 * k.dx, k.y, c.m_tabSheetBorderColor);
            canvas.SetPixel(k.x, k.y + 2 * k.dy, c.m_tabSheetBorderColor);
        }
    }
}

void TabPainter::paintSplitLine(platform::TCanvas &canvas, bool bandPainted) const
{
    const TExPageControl &c = m_control;
    const TExTabSheet *page = c.m_activePage;
    TColor colour = c.m_color;
    if (bandPainted && page)
        colour = c.m_tabPosition == TTabPosition::tpBottom ? page->ColorTo() : page->Color();
    setPen(canvas, colour);
    const int overlap = c.m_tabOverlap;
    switch (c.m_tabPosition) {
    case TTabPosition::tpLeft:
        line(canvas, m_strip.maxRight, 2, m_strip.maxRight, m_strip.maxBottom + overlap);
        break;
    case TTabPosition::tpRight:
        line(canvas, m_strip.minLeft - 1, 2, m_strip.minLeft - 1, m_strip.maxBottom + overlap);
        break;
    case TTabPosition::tpTop:
        line(canvas, 2, m_strip.maxBottom, m_strip.maxRight + overlap, m_strip.maxBottom);
        break;
    case TTabPosition::tpBottom:
        line(canvas, 2, m_strip.minTop - 1, m_strip.maxRight + overlap, m_strip.minTop - 1);
        break;
    }
}

void TabPainter::paintTab(platform::TCanvas &canvas, int pageIndex, int &splitFlag) const
{
    const TExPageControl &c = m_control;
    const QRect rect = c.GetPageTabRect(pageIndex);
    if (rect.isNull())
        return;
    OneTab tab;
    tab.pageIndex = pageIndex;
    tab.page = c.Pages(pageIndex);
    tab.active = pageIndex == c.ActivePageIndex();
    tab.shift = tab.active ? c.m_lowerActive : 0;
    tab.bounds = toR(rect);
    tab.r = tab.bounds;

    fillTab(canvas, tab);
    setBrushClear(canvas);
    setPen(canvas, c.m_tabBorderColor);
    if (tab.active)
        paintActiveTabEdges(canvas, tab);
    else if (c.m_tabStyle == TTabStyle::tsDotNet)
        paintDotNetTabEdges(canvas, tab);
    else
        paintClassicTabEdges(canvas, tab, splitFlag);
    const TColor captionColour = selectCaptionFont(canvas, tab);
    tab.x += c.m_tabMargin.LeftMargin();
    tab.y += c.m_tabPosition == TTabPosition::tpLeft ? -c.m_tabMargin.TopMargin() : c.m_tabMargin.TopMargin();
    if (tab.page->m_showClose)
        paintCloseButton(canvas, tab.bounds, closeButtonState(tab.active), tab.shift);
    paintTabImage(canvas, tab);
    paintCaption(canvas, tab);
    assignFont(canvas.Font(), c.font(), captionColour);
    paintTabFocus(canvas, tab);
}

TabPainter::TabColours TabPainter::tabColours(const OneTab &tab) const
{
    const TExPageControl &c = m_control;
    const TExTabSheet *page = tab.page;
    if (tab.active && c.m_activeColor != platform::clNone)
        return {c.m_activeColor, c.m_activeColorTo, page->m_tabGradientDirection == TTabGradientDirection::gdHorizontal};
    if (tab.pageIndex == c.m_hoverTab
        && (c.m_tabHoverColor != platform::clNone || c.m_tabHoverColorTo != platform::clNone))
        return {c.m_tabHoverColor, c.m_tabHoverColorTo,
                page->m_hoverGradientDirection == TTabGradientDirection::gdHorizontal};
    return {page->m_tabColor, page->m_tabColorTo, page->m_tabGradientDirection == TTabGradientDirection::gdHorizontal};
}

// The tab's fill, plain or a gradient, and the caption's origin before the
// margins; the rectangle grows by a pixel where the tab meets the sheet.
void TabPainter::fillTab(platform::TCanvas &canvas, OneTab &tab) const
{
    const TExPageControl &c = m_control;
    const TabColours colours = tabColours(tab);
    const bool gradient = colours.to != platform::clNone;
    const auto fill = [&](R area) {
        if (!gradient) {
            setBrush(canvas, colours.from);
            fillRect(canvas, area.Left, area.Top, area.Right, area.Bottom);
        } else {
            DrawTabGradient(canvas, colours.from, colours.to, colours.horizontal,
                            QRect(QPoint(area.Left, area.Top), QPoint(area.Right - 1, area.Bottom - 1)),
                            TabGradientSteps);
        }
    };
    R &r = tab.r;
    const bool closeRoom = tab.page->m_showClose;
    switch (c.m_tabPosition) {
    case TTabPosition::tpLeft: {
        tab.y = r.Bottom - (closeRoom ? SideCaptionInsetWithClose : CaptionInset);
        tab.x = r.Left + 1 + tab.shift;
        r.Left -= 1;
        R area = r;
        if (gradient) {
            area.Right -= 1;
            if (!colours.horizontal)
                area.Bottom -= 1;
        }
        fill(area);
        break;
    }
    case TTabPosition::tpRight: {
        tab.y = r.Top + (closeRoom ? SideCaptionInsetWithClose : CaptionInset);
        tab.x = r.Right - 1 - tab.shift;
        R area = r;
        if (gradient && !colours.horizontal && !tab.active)
            area.Bottom -= 1;
        fill(area);
        r.Right += 1;
        break;
    }
    case TTabPosition::tpTop: {
        tab.x = r.Left + (closeRoom ? CaptionInsetWithClose : CaptionInset);
        tab.y = r.Top + 1 + tab.shift;
        R area = r;
        area.Top -= 1;
        if (gradient) {
            area.Bottom -= 1;
            if (colours.horizontal)
                area.Right -= 1;
        }
        fill(area);
        break;
    }
    case TTabPosition::tpBottom: {
        r.Bottom += 1;
        tab.x = r.Left + (closeRoom ? CaptionInsetWithClose : CaptionInset);
        tab.y = tab.active ? r.Top + 1 + tab.shift : r.Top + (c.m_tabStyle == TTabStyle::tsDotNet ? 0 : 2);
        R area = r;
        if (gradient) {
            if (colours.horizontal)
                area.Right -= 1;
            else
                area.Bottom -= 1;
        }
        fill(area);
        break;
    }
    }
}

// The three sides away from the sheet: the active tab opens into it.
void TabPainter::paintActiveTabEdges(platform::TCanvas &canvas, const OneTab &tab) const
{
    const R &r = tab.r;
    switch (m_control.m_tabPosition) {
    case TTabPosition::tpLeft:
        canvas.MoveTo(m_control.m_tabStyle == TTabStyle::tsDotNet ? r.Right : r.Right - 1, r.Top);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Left, r.Bottom);
        canvas.LineTo(r.Right, r.Bottom);
        break;
    case TTabPosition::tpRight:
        canvas.MoveTo(r.Left - 1, r.Top);
        canvas.LineTo(r.Right - 1, r.Top);
        canvas.LineTo(r.Right - 1, r.Bottom);
        canvas.LineTo(r.Left - 1, r.Bottom);
        break;
    case TTabPosition::tpTop:
        canvas.MoveTo(r.Left, r.Bottom);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right, r.Top);
        canvas.LineTo(r.Right, r.Bottom);
        break;
    case TTabPosition::tpBottom:
        canvas.MoveTo(r.Left, r.Top - 1);
        canvas.LineTo(r.Left, r.Bottom);
        canvas.LineTo(r.Right, r.Bottom);
        canvas.LineTo(r.Right, r.Top - 1);
        break;
    }
}

// An inactive .NET tab: only its side toward the sheet, and a double
// separator at its far end unless the active tab follows it.
void TabPainter::paintDotNetTabEdges(platform::TCanvas &canvas, const OneTab &tab) const
{
    const TExPageControl &c = m_control;
    const TTabPosition pos = c.m_tabPosition;
    const R &r = tab.r;
    switch (pos) {
    case TTabPosition::tpLeft:
        line(canvas, r.Right, r.Top, r.Right, r.Bottom);
        break;
    case TTabPosition::tpRight:
        line(canvas, r.Left - 1, r.Top, r.Left - 1, r.Bottom);
        break;
    case TTabPosition::tpTop:
        line(canvas, r.Left, r.Bottom, r.Right, r.Bottom);
        break;
    case TTabPosition::tpBottom:
        line(canvas, r.Left, r.Top - 1, r.Right, r.Top - 1);
        break;
    }
    const TExTabSheet *next = c.FindNextPage(const_cast<TExTabSheet *>(tab.page), true, true);
    const bool side = isSideTab(pos);
    const bool last = side ? std::abs(r.Bottom - m_strip.maxBottom) <= LastTabSlack
                           : std::abs(r.Right - m_strip.maxRight) <= LastTabSlack;
    if (next == c.m_activePage && !last)
        return;
    setPen(canvas, c.m_activeColor);
    if (side) {
        line(canvas, r.Left + 2, r.Bottom - 2, r.Right - 2, r.Bottom - 2);
        line(canvas, r.Left + 2, r.Bottom - 3, r.Right - 2, r.Bottom - 3);
    } else {
        line(canvas, r.Right - 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
        line(canvas, r.Right - 3, r.Top + 2, r.Right - 3, r.Bottom - 3);
    }
}

// An inactive classic tab: a full outline, reaching the sheet only when the
// tab lies on the sheet's edge of the strip.
void TabPainter::paintClassicTabEdges(platform::TCanvas &canvas, OneTab &tab, int &splitFlag) const
{
    const TExPageControl &c = m_control;
    const TTabPosition pos = c.m_tabPosition;
    const R &r = tab.r;
    bool onSheetEdge = true;
    switch (pos) {
    case TTabPosition::tpLeft:
        onSheetEdge = r.Right >= m_strip.maxRight;
        break;
    case TTabPosition::tpRight:
        onSheetEdge = r.Left <= m_strip.minLeft;
        break;
    case TTabPosition::tpTop:
        onSheetEdge = r.Bottom >= m_strip.maxBottom;
        break;
    case TTabPosition::tpBottom:
        onSheetEdge = r.Top <= m_strip.minTop;
        break;
    }
    if (!onSheetEdge)
        splitFlag = 0;
    R o = r;
    const bool nearEdge = isSideTab(pos) ? c.height() - r.Bottom <= EdgeSlack : c.width() - r.Right <= EdgeSlack;
    switch (pos) {
    case TTabPosition::tpLeft:
        o.Right += splitFlag;
        if (!nearEdge)
            o.Bottom += 1;
        break;
    case TTabPosition::tpRight:
        o.Left -= splitFlag;
        if (!nearEdge)
            o.Bottom += 1;
        break;
    case TTabPosition::tpTop:
        o.Bottom += splitFlag;
        if (!nearEdge)
            o.Right += 1;
        break;
    case TTabPosition::tpBottom:
        o.Top -= splitFlag;
        if (!nearEdge)
            o.Right += 1;
        tab.y += 2;
        break;
    }
    canvas.Rectangle(o.Left, o.Top, o.Right, o.Bottom);
    if (!c.m_tabSheet3D && !c.m_tabSplitLine)
        splitFlag = 1;
}

// Side tabs keep the control's font (the active one its own); on top the
// active tab and at the bottom every tab take the active font and colour.
// A disabled tab reads grey. Answers the caption's colour.
TColor TabPainter::selectCaptionFont(platform::TCanvas &canvas, const OneTab &tab) const
{
    const TExPageControl &c = m_control;
    const TTabPosition pos = c.m_tabPosition;
    QFont font = c.font();
    TColor colour = tab.page->m_textColor;
    if (isSideTab(pos)) {
        if (tab.active)
            font = c.m_activeFont.font;
    } else if (pos == TTabPosition::tpBottom || tab.active) {
        font = c.m_activeFont.font;
        colour = c.m_activeFont.color;
    }
    if (!tab.page->m_tabEnable)
        colour = platform::clGray;
    assignFont(canvas.Font(), font, colour);
    canvas.SetBkMode(platform::TRANSPARENT);
    return colour;
}

CloseButtonState TabPainter::closeButtonState(bool active) const
{
    if (active && m_control.m_closePressed)
        return CloseButtonState::Pressed;
    if (active && m_control.m_hoverCloseButton)
        return CloseButtonState::Hot;
    return CloseButtonState::Normal;
}

// The page's image before the caption, which moves past it.
void TabPainter::paintTabImage(platform::TCanvas &canvas, OneTab &tab) const
{
    const TExPageControl &c = m_control;
    const int index = tab.page->m_imageIndex;
    if (!c.m_images || index < 0 || index >= c.m_images->Count())
        return;
    const TTabPosition pos = c.m_tabPosition;
    QPoint at(tab.x - 2, tab.y);
    if (pos == TTabPosition::tpLeft)
        at = QPoint(tab.x, tab.y - SideImageOffset);
    else if (pos == TTabPosition::tpRight)
        at = QPoint(tab.x - SideImageOffset, tab.y);
    c.m_images->Draw(canvas, at.x(), at.y(), index);
    if (pos == TTabPosition::tpLeft)
        tab.y -= c.m_images->Height();
    else if (pos == TTabPosition::tpRight)
        tab.y += c.m_images->Height();
    else
        tab.x += c.m_images->Width();
}

void TabPainter::paintCaption(platform::TCanvas &canvas, const OneTab &tab) const
{
    const TTabPosition pos = m_control.m_tabPosition;
    if (isSideTab(pos)) {
        // Left: reading upward; right: reading downward.
        canvas.Font().setOrientation(pos == TTabPosition::tpLeft ? -2700 : -900);
        canvas.TextOut(tab.x, tab.y, tab.page->m_caption);
        canvas.Font().setOrientation(0);
    } else {
        platform::TRect box = platform::Rect(tab.x, tab.y, tab.r.Right, tab.r.Bottom);
        canvas.DrawText(tab.page->m_caption, box, platform::DT_NOCLIP | platform::DT_SINGLELINE);
    }
}

void TabPainter::paintTabFocus(platform::TCanvas &canvas, const OneTab &tab) const
{
    const TExPageControl &c = m_control;
    if (!tab.active || !c.m_showFocus || !c.hasFocus())
        return;
    const R &r = tab.r;
    setPen(canvas, platform::clBlack, platform::TPenStyle::psDot);
    canvas.Rectangle(r.Left + 5, r.Top + 3, r.Right - 5, r.Bottom - 3);
    canvas.Pen().setStyle(platform::TPenStyle::psSolid);
}

void TabPainter::paintCloseButton(platform::TCanvas &canvas, const R &tab, CloseButtonState state, int shift) const
{
    const TExPageControl &c = m_control;
    const int leftMargin = c.m_tabMargin.LeftMargin();
    const int topMargin = c.m_tabMargin.TopMargin();
    QRect box;
    switch (c.m_tabPosition) {
    case TTabPosition::tpLeft: {
        const int x0 = tab.Left + leftMargin + shift;
        const int b = tab.Bottom - topMargin;
        box = QRect(QPoint(x0 + 2, b - 13), QPoint(x0 + 13, b - 3));
        break;
    }
    case TTabPosition::tpRight: {
        const int x0 = tab.Left + leftMargin + 2 - shift;
        const int y0 = tab.Top + topMargin;
        box = QRect(QPoint(x0 + 2, y0 + 2), QPoint(x0 + 13, y0 + 12));
        break;
    }
    case TTabPosition::tpTop:
    case TTabPosition::tpBottom: {
        const int x0 = tab.Left + leftMargin;
        const int y0 = tab.Top + topMargin + shift;
        box = QRect(QPoint(x0 + 2, y0 + 2), QPoint(x0 + 13, y0 + 12));
        break;
    }
    }
    TColor fillColour = platform::clWhite;
    TColor border = platform::clGray;
    TColor mark = platform::clBlack;
    if (state == CloseButtonState::Hot) {
        border = platform::clBlack;
        mark = platform::clGray;
    } else if (state == CloseButtonState::Pressed) {
        fillColour = platform::clSilver;
        border = platform::clBlack;
    }
    setPen(canvas, border);
    setBrush(canvas, fillColour);
    canvas.Rectangle(platform::fromQRect(box));
    // The cross: two strokes two pixels thick.
    setPen(canvas, mark);
    for (int t = 0; t < 2; ++t) {
        line(canvas, box.left() + 3 + t, box.top() + 3, box.left() + 9 + t, box.top() + 9);
        line(canvas, box.left() + 8 + t, box.top() + 3, box.left() + 2 + t, box.top() + 9);
    }
}

void TabPainter::paintHoverOutline(platform::TCanvas &canvas) const
{
    const TExPageControl &c = m_control;
    if (c.m_hoverTab < 0 || c.m_hoverTab == c.ActivePageIndex() || c.m_tabHoverBorder == platform::clNone)
        return;
    const QRect rect = c.GetPageTabRect(c.m_hoverTab);
    if (rect.isNull())
        return;
    R r = toR(rect);
    const int w = c.width();
    const int h = c.height();
    if (w - r.Right <= 5)
        r.Right -= 1;
    if (h - r.Bottom <= 5)
        r.Bottom -= 1;
    setPen(canvas, c.m_tabHoverBorder);
    switch (c.m_tabPosition) {
    case TTabPosition::tpLeft:
        canvas.MoveTo(r.Right - 1, r.Top);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Right, r.Bottom - 1);
        break;
    case TTabPosition::tpRight:
        canvas.MoveTo(r.Left, r.Top);
        canvas.LineTo(r.Right - 1, r.Top);
        canvas.LineTo(r.Right - 1, r.Bottom - 1);
        canvas.LineTo(r.Left - 1, r.Bottom - 1);
        break;
    case TTabPosition::tpTop:
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right - 1, r.Top);
        canvas.LineTo(r.Right - 1, r.Bottom);
        break;
    case TTabPosition::tpBottom:
        canvas.MoveTo(r.Left, r.Top);
        canvas.LineTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Right - 1, r.Bottom - 1);
        canvas.LineTo(r.Right - 1, r.Top - 1);
        break;
    }
}

} // namespace controls
