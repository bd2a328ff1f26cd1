#pragma once
// How the page control paints its tab strip, the frame round the sheet and
// its tabs: colours and gradients per tab, outlines open toward the sheet,
// captions turned for side tabs, close buttons, hover outline.
#include "controls/dropdown/TabLayout.h"
#include "platform/Color.h"
#include "platform/draw/Canvas.h"

#include <QImage>
#include <QRect>
#include <vector>

namespace controls {

class TExPageControl;
class TExTabSheet;

// The extents of the visible tabs, right and bottom exclusive.
struct TabStrip {
    int minTop = 0;
    int minLeft = 0;
    int maxBottom = 0;
    int maxRight = 0;
};
TabStrip tabStrip(const std::vector<QRect> &tabs, TTabPosition position, QSize control);

// Band gradient of the page control and its sheets: steps bands, each
// round(d) + 1 pixels long starting at round(i * d), colours rounded.
void DrawTabGradient(platform::TCanvas &canvas, platform::TColor from, platform::TColor to, bool horizontal, const QRect &rect,
                     int steps);

enum class CloseButtonState { Normal, Hot, Pressed };

class TabPainter {
public:
    explicit TabPainter(const TExPageControl &control);
    QImage paint() const;

private:
    using R = platform::TRect;

    // Pixels each tab's erased area reaches beyond its rectangle.
    static constexpr int EraseMargin = 2;
    // The strip's right end a single row of top or bottom tabs leaves free.
    static constexpr int ScrollArrowRoom = 35;
    static constexpr int TabGradientSteps = 16;
    // The caption's distance from the tab's start, and with a close button
    // before it (side tabs: along the turned text).
    static constexpr int CaptionInset = 4;
    static constexpr int CaptionInsetWithClose = 18;
    static constexpr int SideCaptionInsetWithClose = 17;
    static constexpr int SideImageOffset = 14;
    // A tab this close to the strip's far end is its last.
    static constexpr int LastTabSlack = 3;
    // A tab this close to the control's edge is not lengthened.
    static constexpr int EdgeSlack = 5;

    // One tab while it is painted: the page, its rectangle as laid out, the
    // rectangle the steps adjust, and the caption's origin.
    struct OneTab {
        int pageIndex = 0;
        const TExTabSheet *page = nullptr;
        bool active = false;
        int shift = 0;
        R bounds;
        R r;
        int x = 0;
        int y = 0;
    };
    struct TabColours {
        platform::TColor from;
        platform::TColor to;
        bool horizontal;
    };

    void eraseTabs(platform::TCanvas &canvas) const;
    void paintStripEnd(platform::TCanvas &canvas) const;
    void paintStripBackground(platform::TCanvas &canvas) const;
    void paintTab(platform::TCanvas &canvas, int pageIndex, int &splitFlag) const;
    TabColours tabColours(const OneTab &tab) const;
    void fillTab(platform::TCanvas &canvas, OneTab &tab) const;
    void paintActiveTabEdges(platform::TCanvas &canvas, const OneTab &tab) const;
    void paintDotNetTabEdges(platform::TCanvas &canvas, const OneTab &tab) const;
    void paintClassicTabEdges(platform::TCanvas &canvas, OneTab &tab, int &splitFlag) const;
    platform::TColor selectCaptionFont(platform::TCanvas &canvas, const OneTab &tab) const;
    CloseButtonState closeButtonState(bool active) const;
    void paintTabImage(platform::TCanvas &canvas, OneTab &tab) const;
    void paintCaption(platform::TCanvas &canvas, const OneTab &tab) const;
    void paintTabFocus(platform::TCanvas &canvas, const OneTab &tab) const;
    void paintFrame(platform::TCanvas &canvas, bool bandPainted) const;
    bool paintSheetBand(platform::TCanvas &canvas) const;
    void paintSplitLine(platform::TCanvas &canvas, bool bandPainted) const;
    void paintHoverOutline(platform::TCanvas &canvas) const;
    void paintCloseButton(platform::TCanvas &canvas, const R &tab, CloseButtonState state, int shift) const;
    static R toR(const QRect &rect);

    const TExPageControl &m_control;
    TabStrip m_strip;
    platform::TColor m_parentColor;
};

} // namespace controls
