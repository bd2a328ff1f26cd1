#pragma once
// How the page control paints its tab strip, the frame round the sheet and
// its tabs: colours and gradients per tab, outlines open toward the sheet,
// captions turned for side tabs, close buttons, hover outline.
#include "controls/dropdown/GdiCanvas.h"
#include "controls/dropdown/TabLayout.h"
#include "platform/Color.h"

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
void DrawTabGradient(GdiCanvas &canvas, platform::TColor from, platform::TColor to, bool horizontal, const QRect &rect,
                     int steps);

enum class CloseButtonState { Normal, Hot, Pressed };

class TabPainter {
public:
    explicit TabPainter(const TExPageControl &control);
    QImage paint() const;

private:
    struct R {
        int Left, Top, Right, Bottom;
    };
    void paintTab(GdiCanvas &canvas, int pageIndex, int &splitFlag) const;
    void paintFrame(GdiCanvas &canvas, bool bandPainted) const;
    bool paintSheetBand(GdiCanvas &canvas) const;
    void paintSplitLine(GdiCanvas &canvas, bool bandPainted) const;
    void paintHoverOutline(GdiCanvas &canvas) const;
    void paintCloseButton(GdiCanvas &canvas, const R &tab, CloseButtonState state, int shift) const;
    static R toR(const QRect &rect);

    const TExPageControl &m_control;
    TabStrip m_strip;
    platform::TColor m_parentColor;
};

} // namespace controls
