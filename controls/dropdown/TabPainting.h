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
    void paintTab(platform::TCanvas &canvas, int pageIndex, int &splitFlag) const;
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
