// The paint pipeline: the invalid region is painted into the retained image
// row by row, each row drawn whole in a row bitmap (erase, cells, lines,
// buttons, check boxes, images, text, focus, drop mark) and copied to the
// target in one step.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "platform/draw/DrawFlags.h"
#include "platform/draw/WidgetPainting.h"

#include <QResizeEvent>

#include <algorithm>

namespace vtree {

using platform::TRect;
using enum TLTInternalPaintOption;

void TLazyStringTreeWidget::paintEvent(QPaintEvent *event)
{
    platform::paintRetained(*viewport(), *event, FRetained, [this](platform::TCanvas &canvas) {
        const TRect clip = canvas.ClipRect();
        Paint(canvas, IsRectEmpty(clip) ? viewport()->rect() : platform::toQRect(clip));
    });
}

QImage TLazyStringTreeWidget::paintToImage()
{
    QImage image(viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        platform::TCanvas canvas(&image);
        Paint(canvas, image.rect());
    }
    return image;
}

void TLazyStringTreeWidget::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    FStates.include(TLazyTreeState::tsSizing);
    UpdateScrollBars(true);
    FStates.exclude(TLazyTreeState::tsSizing);
    if (toOption(TLTMiscOption::toFullRepaintOnResize))
        Invalidate();
}

void TLazyStringTreeWidget::Paint(platform::TCanvas &Canvas, const QRect &UpdateRect,
                                  TLTInternalPaintOptions PaintOptions)
{
    if (UpdateRect.isEmpty())
        return;
    const QRect window = UpdateRect.translated(FEffectiveOffsetX, -FOffsetY);
    PaintTree(Canvas, window, UpdateRect.topLeft(), PaintOptions);
}

bool TLazyStringTreeWidget::showsBackground(TLTInternalPaintOptions PaintOptions) const
{
    return toOption(TLTPaintOption::toShowBackground) && PaintOptions.contains(poBackground) &&
           FBackground.width() > 0 && FBackground.height() > 0;
}

void TLazyStringTreeWidget::PaintTree(platform::TCanvas &TargetCanvas, const QRect &Window, QPoint Target,
                                      TLTInternalPaintOptions PaintOptions)
{
    if (FStates.contains(TLazyTreeState::tsPainting))
        return;
    StateScope painting(*this, TLazyTreeState::tsPainting);
    platform::TCanvas *formerCanvas = FCanvas;
    FCanvas = &TargetCanvas;
    struct RestoreCanvas {
        TLazyStringTreeWidget &tree;
        platform::TCanvas *canvas;
        ~RestoreCanvas() { tree.FCanvas = canvas; }
    } restore{*this, formerCanvas};
    RaiseBeforePaint(&TargetCanvas);

    const int maximumRight = std::max(ClientWidth(), FRangeX);
    const bool showBackground = showsBackground(PaintOptions);
    const bool showImages = FImages != nullptr;
    const bool showStateImages = FStateImages != nullptr;
    const bool showCheckImages = checkImageWidth() > 0;
    if (toOption(TLTPaintOption::toAlwaysHideSelection) || (!Focused() && toOption(TLTPaintOption::toHideSelection)))
        PaintOptions.exclude(poDrawSelection);
    if (toOption(TLTPaintOption::toHideFocusRect))
        PaintOptions.exclude(poDrawFocusRect);

    int nodeTop = 0;
    PLazyNode node = GetNodeAt(0, Window.top(), false, nodeTop);
    if (!node)
        nodeTop = Window.top();
    TRect targetRect{Target.x(), Target.y() + nodeTop - Window.top(), Target.x() + Window.width(),
                     Target.y() + nodeTop - Window.top()};
    const int maxY = Target.y() + Window.height();
    TargetCanvas.Font().Assign(FFont);

    QImage rowImage;
    while (node && targetRect.Top < maxY) {
        TLTPaintInfo info;
        info.SelectLevel = ComputeLineImage(node, info.LineImage);
        info.ButtonX = ButtonXOf(int(info.LineImage.size()));
        initNode(node);
        MeasureItemHeight(&TargetCanvas, node);
        const int height = int(GetNodeHeight(node));
        info.BrushOrigin = {Window.left(), nodeTop};
        nodeTop += height;
        targetRect.Bottom = targetRect.Top + height;
        if (info.SelectLevel > 0 || !PaintOptions.contains(poSelectedOnly)) {
            if (rowImage.height() != height || rowImage.width() != Window.width())
                rowImage = QImage(std::max(Window.width(), 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
            platform::TCanvas canvas(&rowImage);
            canvas.SetWindowOrg({Window.left(), 0});
            canvas.SetBrushOrg({info.BrushOrigin.X & 1, info.BrushOrigin.Y & 1});
            canvas.Font().Assign(FFont);
            info.Canvas = &canvas;
            info.Node = node;
            const TRect r{0, 0, maximumRight, height};
            ComputeVerticalAlignment(info, showImages, showStateImages);
            if (!QueryBeforeItemPaint(&canvas, node, platform::toQRect(r))) {
                info.PaintOptions = PaintOptions;
                EraseNodeBackground(info, showBackground, {Window.left(), 0, Window.right() + 1, height});
                info.CellRect = r;
                info.Column = NoColumn;
                info.Alignment = FAlignment;
                info.NodeWidth = MeasureNodeWidth(&canvas, node, NoColumn);
                info.ContentRect = info.CellRect;
                info.ContentRect.Left += FMargin;
                if (showCheckImages) {
                    info.ImageInfo[iiCheck].Index = CheckImageIndex(node);
                    info.ImageInfo[iiCheck].Images = CheckImages();
                    if (info.ImageInfo[iiCheck].Index >= 0)
                        PlaceImage(info, iiCheck);
                }
                if (showStateImages) {
                    FetchImageInfo(info, TLTImageKind::ikState, iiState, FStateImages);
                    if (info.ImageInfo[iiState].Index >= 0)
                        PlaceImage(info, iiState);
                }
                if (showImages) {
                    FetchImageInfo(info, Selected(node) ? TLTImageKind::ikSelected : TLTImageKind::ikNormal, iiNormal,
                                   FImages);
                    if (info.ImageInfo[iiNormal].Index >= 0)
                        PlaceImage(info, iiNormal);
                }
                ShiftByIndent(info, toOption(TLTPaintOption::toFixedIndent) ? 1 : int(info.LineImage.size()));
                if (PaintOptions.contains(poGridLines) && toOption(TLTPaintOption::toShowHorzGridLines)) {
                    canvas.Font().setColor(FColors.GetColor(TLTColors::GridLineColor));
                    int left = info.CellRect.Left;
                    if (FLineMode == TLTLineMode::lmBands)
                        left += int(FIndent) * int(info.LineImage.size());
                    DottedHorzLine(info, left, info.CellRect.Bottom - 1, info.CellRect.Right);
                    --info.CellRect.Bottom;
                    --info.ContentRect.Bottom;
                }
                DecorateCell(info);
                if (toOption(TLTPaintOption::toShowTreeLines))
                    DrawTreeLines(info);
                if (toOption(TLTPaintOption::toShowButtons) && node->States.contains(TLazyNodeState::vsHasChildren) &&
                    (!node->States.contains(TLazyNodeState::vsAllChildrenHidden) ||
                     !toOption(TLTAutoOption::toAutoHideButtons)))
                    DrawExpandButton(info);
                if (info.ImageInfo[iiCheck].Index >= 0)
                    DrawCheckBox(info);
                if (info.ImageInfo[iiState].Index >= 0)
                    DrawNodeImage(info, iiState, false);
                if (info.ImageInfo[iiNormal].Index >= 0)
                    DrawNodeImage(info, iiNormal, true);
                if (!(FStates.contains(TLazyTreeState::tsEditing) && node == FFocusedNode))
                    PaintNodeContent(info);
                RaiseAfterCellPaint(&canvas, node, NoColumn, platform::toQRect(info.CellRect));
                RaiseAfterItemPaint(&canvas, node, platform::toQRect(r));
                if (node == FDropTargetNode && toOption(TLTPaintOption::toShowDropmark) &&
                    PaintOptions.contains(poDrawDropMark))
                    PaintNodeDropMark(canvas, node, r);
            }
            canvas.endPainting();
            TargetCanvas.DrawImage(targetRect.Left, targetRect.Top, rowImage);
        }
        targetRect.Top += height;
        node = GetNextVisible(node, true);
    }

    // The space below the last row.
    if (targetRect.Top < maxY) {
        const TRect below{Target.x(), targetRect.Top, Target.x() + Window.width(), maxY};
        if (!QueryPaintBackground(&TargetCanvas, platform::toQRect(below))) {
            if (showBackground) {
                const platform::TPoint offset{Window.left() - Target.x(), targetRect.Top - Target.y() + Window.top()};
                if (toOption(TLTPaintOption::toStaticBackground))
                    PlaceStaticBackground(TargetCanvas, below, {offset.X, offset.Y + FOffsetY});
                else
                    TileBackgroundBitmap(TargetCanvas, below, offset);
            } else
                TargetCanvas.FillColor(below, BackGroundColor());
        }
    }

    if (IsEmpty() && !FEmptyListMessage.isEmpty()) {
        TargetCanvas.Font().Assign(FFont);
        TargetCanvas.Font().setColor(platform::clGrayText);
        TargetCanvas.SetBkMode(platform::TRANSPARENT);
        TRect messageRect{FOffsetX + 2, 2, FOffsetX + ClientWidth(), ClientHeight() - 2};
        TargetCanvas.DrawText(FEmptyListMessage, messageRect, platform::DT_LEFT | platform::DT_NOCLIP | platform::DT_WORDBREAK);
    }
    RaiseAfterPaint(&TargetCanvas);
}

} // namespace vtree
