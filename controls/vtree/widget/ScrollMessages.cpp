// The scroll bars' codes: each code picks the new offset, which its setter
// clamps. Qt's own bars reach the same offsets through scrollContentsBy.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QScrollBar>

namespace vtree {

bool TLazyStringTreeWidget::HandleScroll(Qt::Orientation Bar, int Code, int TrackPos)
{
    if (Code < SB_LINEUP || Code > SB_ENDSCROLL)
        return false;
    if (Bar == Qt::Horizontal) {
        const int increment = int(ScrollBarOptions().HorizontalIncrement());
        const int page = ClientWidth();
        switch (Code) {
        case SB_LINEUP: SetOffsetX(OffsetX() + increment); break;
        case SB_LINEDOWN: SetOffsetX(OffsetX() - increment); break;
        case SB_PAGEUP: SetOffsetX(OffsetX() + page); break;
        case SB_PAGEDOWN: SetOffsetX(OffsetX() - page); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            enterTreeState(TLazyTreeState::tsThumbTracking);
            SetOffsetX(-TrackPos);
            break;
        case SB_TOP: SetOffsetX(0); break;
        case SB_BOTTOM: SetOffsetX(-RangeX()); break;
        case SB_ENDSCROLL:
            leaveTreeState(TLazyTreeState::tsThumbTracking);
            UpdateHorizontalScrollBar(false);
            break;
        }
        return true;
    }
    const int increment = int(ScrollBarOptions().VerticalIncrement());
    switch (Code) {
    case SB_LINEUP: SetOffsetY(OffsetY() + increment); break;
    case SB_LINEDOWN: SetOffsetY(OffsetY() - increment); break;
    case SB_PAGEUP: SetOffsetY(OffsetY() + ClientHeight()); break;
    case SB_PAGEDOWN: SetOffsetY(OffsetY() - ClientHeight()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        enterTreeState(TLazyTreeState::tsThumbTracking);
        SetOffsetY(-TrackPos);
        break;
    case SB_TOP: SetOffsetY(0); break;
    case SB_BOTTOM: SetOffsetY(-int(RootNode()->TotalHeight)); break;
    case SB_ENDSCROLL:
        leaveTreeState(TLazyTreeState::tsThumbTracking);
        UpdateScrollBars(true);
        break;
    }
    return true;
}

} // namespace vtree
