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
    const int w = c.width();
    const int h = c.height();
    QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(platform::toQColor(platform::ColorToRGB(m_parentColor)));
    platform::TCanvas canvas(&image);
    canvas.SetBkMode(platform::TRANSPARENT);
    assignFont(canvas.Font(), c.font(), c.m_defaultTextColor);
    const TTabPosition pos = c.m_tabPosition;

    // The strip's own background.
    setBrush(canvas, m_parentColor);
    for (int i = c.PageCount() - 1; i >= 0; --i) {
        const QRect tab = c.GetPageTabRect(i);
        if (tab.isNull())
            continue;
        R r = toR(tab);
        r.Right += 2;
        if (pos == TTabPosition::tpTop) {
            r.Left -= 2;
            r.Top -= 2;
        } else if (pos == TTabPosition::tpBottom) {
            r.Left -= 2;
            r.Bottom += 2;
        } else if (pos == TTabPosition::tpLeft) {
            r.Left -= 2;
            r.Top -= 2;
            r.Bottom += 2;
            r.Right -= 2;
        } else {
            r.Top -= 2;
            r.Bottom += 2;
        }
        fillRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    }
    if (!c.m_multiLine && !isSideTab(pos)) {
        setBrush(canvas, c.m_color);
        const int from = std::max(w - 35, m_strip.maxRight);
        if (pos == TTabPosition::tpTop) {
            fillRect(canvas, w - 35, 0, w, m_strip.maxBottom);
            setPen(canvas, platform::clWhite);
            line(canvas, from, m_strip.maxBottom, w, m_strip.maxBottom);
        } else {
            fillRect(canvas, w - 35, m_strip.minTop, w, h);
            setPen(canvas, platform::cl3DDkShadow);
            line(canvas, from, m_strip.minTop - 1, w, m_strip.minTop - 1);
        }
    }
    setBrush(canvas, c.m_tabBackGroundColor);
    switch (pos) {
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
        DrawTabGradient(canvas, page->Color(), page->ColorTo(), false, QRect(0, 0, w, h), 16);
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
    const TExTabSheet *page = c.Pages(pageIndex);
    const TTabPosition pos = c.m_tabPosition;
    const bool active = pageIndex == c.ActivePageIndex();
    const bool dotNet = c.m_tabStyle == TTabStyle::tsDotNet;
    const int shift = active ? c.m_lowerActive : 0;
    R r = toR(rect);

    TColor from = page->m_tabColor;
    TColor to = page->m_tabColorTo;
    TTabGradientDirection direction = page->m_tabGradientDirection;
    if (active && c.m_activeColor != platform::clNone) {
        from = c.m_activeColor;
        to = c.m_activeColorTo;
    } else if (pageIndex == c.m_hoverTab
               && (c.m_tabHoverColor != platform::clNone || c.m_tabHoverColorTo != platform::clNone)) {
        from = c.m_tabHoverColor;
        to = c.m_tabHoverColorTo;
        direction = page->m_hoverGradientDirection;
    }
    const bool horizontal = direction == TTabGradientDirection::gdHorizontal;
    const auto fill = [&](R area) {
        if (to == platform::clNone) {
            setBrush(canvas, from);
            fillRect(canvas, area.Left, area.Top, area.Right, area.Bottom);
        } else {
            DrawTabGradient(canvas, from, to, horizontal,
                            QRect(QPoint(area.Left, area.Top), QPoint(area.Right - 1, area.Bottom - 1)), 16);
        }
    };

    int x = 0;
    int y = 0;
    switch (pos) {
    case TTabPosition::tpLeft: {
        y = r.Bottom - (page->m_showClose ? 17 : 4);
        x = r.Left + 1 + shift;
        r.Left -= 1;
        R area = r;
        if (to != platform::clNone) {
            area.Right -= 1;
            if (!horizontal)
                area.Bottom -= 1;
        }
        fill(area);
        break;
    }
    case TTabPosition::tpRight: {
        y = r.Top + (page->m_showClose ? 17 : 4);
        x = r.Right - 1 - shift;
        R area = r;
        if (to != platform::clNone && !horizontal && !active)
            area.Bottom -= 1;
        fill(area);
        r.Right += 1;
        break;
    }
    case TTabPosition::tpTop: {
        x = r.Left + (page->m_showClose ? 18 : 4);
        y = r.Top + 1 + shift;
        R area = r;
        area.Top -= 1;
        if (to != platform::clNone) {
            area.Bottom -= 1;
            if (horizontal)
                area.Right -= 1;
        }
        fill(area);
        break;
    }
    case TTabPosition::tpBottom: {
        r.Bottom += 1;
        x = r.Left + (page->m_showClose ? 18 : 4);
        y = active ? r.Top + 1 + shift : r.Top + (dotNet ? 0 : 2);
        R area = r;
        if (to != platform::clNone) {
            if (horizontal)
                area.Right -= 1;
            else
                area.Bottom -= 1;
        }
        fill(area);
        break;
    }
    }

    // Edges.
    setBrushClear(canvas);
    setPen(canvas, c.m_tabBorderColor);
    const auto openTowardSheet = [&](int startX) {
        switch (pos) {
        case TTabPosition::tpLeft:
            canvas.MoveTo(startX, r.Top);
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
    };
    if (active) {
        openTowardSheet(dotNet ? r.Right : r.Right - 1);
    } else if (dotNet) {
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
        const TExTabSheet *next = c.FindNextPage(const_cast<TExTabSheet *>(page), true, true);
        const bool side = isSideTab(pos);
        const bool last = side ? std::abs(r.Bottom - m_strip.maxBottom) <= 3 : std::abs(r.Right - m_strip.maxRight) <= 3;
        if (next != c.m_activePage || last) {
            setPen(canvas, c.m_activeColor);
            if (side) {
                line(canvas, r.Left + 2, r.Bottom - 2, r.Right - 2, r.Bottom - 2);
                line(canvas, r.Left + 2, r.Bottom - 3, r.Right - 2, r.Bottom - 3);
            } else {
                line(canvas, r.Right - 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
                line(canvas, r.Right - 3, r.Top + 2, r.Right - 3, r.Bottom - 3);
            }
        }
    } else {
        // Classic: a full outline, reaching the sheet only on its edge.
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
        const bool nearEdge = isSideTab(pos) ? c.height() - r.Bottom <= 5 : c.width() - r.Right <= 5;
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
            y += 2;
            break;
        }
        canvas.Rectangle(o.Left, o.Top, o.Right, o.Bottom);
        if (!c.m_tabSheet3D && !c.m_tabSplitLine)
            splitFlag = 1;
    }

    // Font and caption.
    const bool side = isSideTab(pos);
    QFont font = c.font();
    TColor colour = page->m_textColor;
    if (side) {
        if (active)
            font = c.m_activeFont.font;
    } else if (pos == TTabPosition::tpBottom || active) {
        font = c.m_activeFont.font;
        colour = c.m_activeFont.color;
    }
    if (!page->m_tabEnable)
        colour = platform::clGray;
    assignFont(canvas.Font(), font, colour);
    canvas.SetBkMode(platform::TRANSPARENT);

    const int leftMargin = c.m_tabMargin.LeftMargin();
    const int topMargin = c.m_tabMargin.TopMargin();
    x += leftMargin;
    y += pos == TTabPosition::tpLeft ? -topMargin : topMargin;

    if (page->m_showClose) {
        CloseButtonState state = CloseButtonState::Normal;
        if (active && c.m_closePressed)
            state = CloseButtonState::Pressed;
        else if (active && c.m_hoverCloseButton)
            state = CloseButtonState::Hot;
        paintCloseButton(canvas, toR(rect), state, shift);
    }
    if (c.m_images && page->m_imageIndex >= 0) {
        if (page->m_imageIndex < c.m_images->Count()) {
            QPoint at(x - 2, y);
            if (pos == TTabPosition::tpLeft)
                at = QPoint(x, y - 14);
            else if (pos == TTabPosition::tpRight)
                at = QPoint(x - 14, y);
            c.m_images->Draw(canvas, at.x(), at.y(), page->m_imageIndex);
            if (pos == TTabPosition::tpLeft)
                y -= c.m_images->Height();
            else if (pos == TTabPosition::tpRight)
                y += c.m_images->Height();
            else
                x += c.m_images->Width();
        }
    }

    if (side) {
        // Left: reading upward; right: reading downward.
        canvas.Font().setOrientation(pos == TTabPosition::tpLeft ? -2700 : -900);
        canvas.TextOut(x, y, page->m_caption);
        canvas.Font().setOrientation(0);
    } else {
        platform::TRect box = platform::Rect(x, y, r.Right, r.Bottom);
        canvas.DrawText(page->m_caption, box, platform::DT_NOCLIP | platform::DT_SINGLELINE);
    }
    assignFont(canvas.Font(), c.font(), colour);

    if (active && c.m_showFocus && c.hasFocus()) {
        setPen(canvas, platform::clBlack, platform::TPenStyle::psDot);
        canvas.Rectangle(r.Left + 5, r.Top + 3, r.Right - 5, r.Bottom - 3);
        canvas.Pen().setStyle(platform::TPenStyle::psSolid);
    }
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
