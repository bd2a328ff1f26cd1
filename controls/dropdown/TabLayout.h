#pragma once
// Where a tab control puts its tabs: along one edge, from 2 pixels in, each
// tab as long as its text needs; with several rows (always for tabs at the
// sides) a tab that does not fit starts a new row, full rows are stretched
// to the strip's length unless ragged, and the row of the selected tab is
// moved next to the sheet. Rectangles are the tabs' own, never enlarged
// for the selected one.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace controls {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

inline bool isSideTab(TTabPosition position)
{
    return position == TTabPosition::tpLeft || position == TTabPosition::tpRight;
}

struct TabLayoutInput {
    TTabPosition position = TTabPosition::tpTop;
    QSize control;
    std::vector<int> lengths; // each tab's length along the strip
    int thickness = 0;        // each row's depth across the strip
    int fixedLength = 0;      // every tab this long when not 0
    bool multiLine = false;
    bool raggedRight = false;
    int selected = -1;
};

std::vector<QRect> layoutTabs(const TabLayoutInput &input);

// The tab under a point, -1 for none.
int tabAt(const std::vector<QRect> &tabs, QPoint point);

// Room a tab needs beyond its text: the tab control's padding at each end.
inline constexpr int TabTextPadding = 6;

} // namespace controls
