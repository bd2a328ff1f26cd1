// Fitting columns to their widest content, as a double click on a splitter
// and the column menu's fit entry ask for.
#include "platform/ScopeGuard.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <algorithm>

namespace vtree {

int TLazyStringTreeWidget::GetMaxColumnWidth(TColumnIndex Column, bool UseSmartColumnWidth)
{
    const bool valid = IsValidColumn(Column);
    if (OperationCanceled())
        return valid ? FHeader.Columns()[Column].Width() : 0;
    BeginOperation(TLTOperationKind::okGetMaxColumnWidth);
    platform::Finally end([this] { EndOperation(TLTOperationKind::okGetMaxColumnWidth); });
    if (OnBeforeGetMaxColumnWidth)
        OnBeforeGetMaxColumnWidth(&FHeader, Column, UseSmartColumnWidth);
    const int stateWidth = StateImages() ? StateImages()->Width() + 2 : 0;
    const int checkWidth = checkImageWidth() > 0 ? checkImageWidth() + 2 : 0;
    const bool isMain = !ColumnsUsed() || Column == MainColumn();
    PLazyNode node = UseSmartColumnWidth ? TopNode() : GetFirstVisible();
    PLazyNode stop = nullptr;
    if (UseSmartColumnWidth) {
        PLazyNode bottom = BottomNode();
        stop = bottom ? GetNextVisible(bottom) : nullptr;
    }
    int offset = 0;
    unsigned level = node ? GetNodeLevel(node) : 0;
    if (isMain && node) {
        if (toOption(TLTPaintOption::toFixedIndent))
            offset = int(Indent());
        else
            offset = int((toOption(TLTPaintOption::toShowRoot) ? level + 1 : level) * Indent());
    }
    offset += Margin();
    int result = 0;
    bool reserveImage = false;
    platform::TCanvas *canvas = TreeCanvas();
    for (; node && node != stop; node = GetNextVisible(node)) {
        initNode(node);
        if (isMain && !toOption(TLTPaintOption::toFixedIndent)) {
            const unsigned nodeLevel = GetNodeLevel(node);
            offset += (int(nodeLevel) - int(level)) * int(Indent());
            level = nodeLevel;
        }
        int width = offset;
        if (isMain && checkWidth > 0 && node->CheckType != TCheckType::ctNone)
            width += checkWidth;
        // Once a node showed an image, every later node reserves its room.
        const int image = imageWidthIf(Images(), node, TLTImageKind::ikNormal, Column);
        reserveImage = reserveImage || image > 0;
        if (Images() && reserveImage)
            width += Images()->Width() + 2;
        if (StateImages() && imageWidthIf(StateImages(), node, TLTImageKind::ikState, Column) > 0)
            width += stateWidth;
        width += MeasureNodeWidth(canvas, node, Column) + MeasureStaticTextWidth(canvas, node, Column);
        result = std::max(result, width);
    }
    if (toOption(TLTPaintOption::toShowVertGridLines))
        ++result;
    if (OnAfterGetMaxColumnWidth)
        OnAfterGetMaxColumnWidth(&FHeader, Column, result);
    return result;
}

void TLazyStringTreeWidget::AutoFitColumns(bool Animated, TSmartAutoFitType SmartAutoFitType,
                                           TColumnIndex RangeStartCol, TColumnIndex RangeEndCol)
{
    // Resizing is immediate here: the width is assigned, not animated.
    (void)Animated;
    TLazyTreeColumns &columns = FHeader.Columns();
    const int last = columns.Count() - 1;
    const int start = std::max(RangeStartCol, 0);
    const int end = RangeEndCol < 0 || RangeEndCol > last ? last : RangeEndCol;
    if (start > end)
        return;
    BeginOperation(TLTOperationKind::okAutoFitColumns);
    platform::Finally endOperation([this] { EndOperation(TLTOperationKind::okAutoFitColumns); });
    if (OnBeforeAutoFitColumns)
        OnBeforeAutoFitColumns(&FHeader, SmartAutoFitType);
    for (int position = start; position <= end; ++position) {
        const TColumnIndex index = columns.ColumnFromPosition(TColumnPosition(position));
        if (!columns.IsValidColumn(index))
            continue;
        TLazyTreeColumn &column = columns[index];
        if (!column.Options().containsAll({TLTColumnOption::coResizable, TLTColumnOption::coVisible}))
            continue;
        TSmartAutoFitType type = SmartAutoFitType;
        bool allowed = true;
        if (OnBeforeAutoFitColumn)
            OnBeforeAutoFitColumn(&FHeader, index, type, allowed);
        if (!allowed || OperationCanceled())
            continue;
        const bool smart = type == TSmartAutoFitType::smaAllColumns ||
                           (type == TSmartAutoFitType::smaUseColumnOption &&
                            column.Options().contains(TLTColumnOption::coSmartResize));
        column.SetWidth(GetMaxColumnWidth(index, smart));
        if (OnAfterAutoFitColumn)
            OnAfterAutoFitColumn(&FHeader, index);
    }
    if (OnAfterAutoFitColumns)
        OnAfterAutoFitColumns(&FHeader);
}

} // namespace vtree
