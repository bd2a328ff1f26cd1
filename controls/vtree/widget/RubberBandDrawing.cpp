// The rubber band of a mouse selection: a tinted area with a frame, or a
// dotted rectangle, drawn over the rows and the space below them.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/DrawingUtils.h"

namespace vtree {

using platform::TRect;

bool TLazyStringTreeWidget::drawsRubberBand() const
{
    return TreeStates().contains(TLazyTreeState::tsDrawSelecting) && TreeStates().contains(TLazyTreeState::tsLeftButtonDown) &&
           !platform::IsRectEmpty(vtree::NormalizeRect(NewSelRect()));
}

void TLazyStringTreeWidget::DrawRubberBand(platform::TCanvas &Canvas, int WindowOrgX, TRect TargetRect,
                                           TRect SelectionRect)
{
    SelectionRect = vtree::NormalizeRect(SelectionRect);
    if (DrawSelectionMode() == TLTDrawSelectionMode::smBlendedRectangle ||
        TreeStates().contains(TLazyTreeState::tsUseThemes)) {
        // Only a canvas over pixels can be tinted; any other gets the frame.
        const TRect inside = platform::IntersectRect(platform::OffsetRect(TargetRect, WindowOrgX, 0), SelectionRect);
        if (!platform::IsRectEmpty(inside) && Canvas.image())
            blendSelection(Canvas, inside, Colors().GetColor(TLTColors::SelectionRectangleBlendColor));
        Canvas.Brush().setColor(Colors().GetColor(TLTColors::SelectionRectangleBorderColor));
        Canvas.FrameRect(SelectionRect);
        return;
    }
    drawDottedFrame(Canvas, SelectionRect);
}

} // namespace vtree
