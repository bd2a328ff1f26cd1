// The paint pipeline: the invalid region is painted into the retained image
// row by row, each row drawn whole in a row bitmap (erase, cells, lines,
// buttons, check boxes, images, text, focus, drop mark) and copied to the
// target in one step.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/DrawingUtils.h"
#include "platform/draw/DrawFlags.h"
#include "platform/draw/WidgetPainting.h"

#include <QResizeEvent>

#include <algorithm>
#include <optional>

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
    RecalcHeaderRect();
    enterTreeState(TLazyTreeState::tsSizing);
    UpdateScrollBars(true);
    leaveTreeState(TLazyTreeState::tsSizing);
    if (toOption(TLTMiscOption::toFullRepaintOnResize))
        Invalidate();
}

void TLazyStringTreeWidget::Paint(platform::TCanvas &Canvas, const QRect &UpdateRect,
                                  TLTInternalPaintOptions PaintOptions)
{
    if (UpdateRect.isEmpty())
        return;
    const int fixed = ColumnsUsed() ? FHeader.Columns().GetVisibleFixedWidth() : 0;
    // A right-to-left tree narrower than its window lies against the right edge.
    const int shift = UseRightToLeftAlignment() && ColumnsUsed() ? RightToLeftShift(true) : 0;
    if (fixed == 0) {
        const QRect window = UpdateRect.translated(EffectiveOffsetX() - shift, -OffsetY());
        PaintTree(Canvas, window, UpdateRect.topLeft(), PaintOptions);
        return;
    }
    // Fixed columns do not scroll sideways: their strip is painted apart.
    const QRect client = viewport()->rect();
    QRect strip = client;
    strip.setRight(std::min(fixed, client.width()) - 1);
    PaintTree(Canvas, strip.translated(-shift, -OffsetY()), strip.topLeft(), PaintOptions);
    if (fixed < client.width()) {
        strip = client;
        strip.setLeft(fixed);
        PaintTree(Canvas, strip.translated(EffectiveOffsetX() - shift, -OffsetY()), strip.topLeft(), PaintOptions);
    }
}

bool TLazyStringTreeWidget::showsBackground(TLTInternalPaintOptions PaintOptions) const
{
    return toOption(TLTPaintOption::toShowBackground) && PaintOptions.contains(poBackground) &&
           Background().width() > 0 && Background().height() > 0;
}

void TLazyStringTreeWidget::PaintTree(platform::TCanvas &TargetCanvas, const QRect &Window, QPoint Target,
                                      TLTInternalPaintOptions PaintOptions)
{
    if (TreeStates().contains(TLazyTreeState::tsPainting))
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

    const int maximumRight = std::max(ClientWidth(), RangeX());
    const bool showBackground = showsBackground(PaintOptions);
    const bool showImages = Images() != nullptr;
    const bool showStateImages = StateImages() != nullptr;
    const bool showCheckImages = checkImageWidth() > 0;
    if (toOption(TLTPaintOption::toAlwaysHideSelection) || (!Focused() && toOption(TLTPaintOption::toHideSelection)))
        PaintOptions.exclude(poDrawSelection);
    if (toOption(TLTPaintOption::toHideFocusRect))
        PaintOptions.exclude(poDrawFocusRect);
    // The rubber band, in row coordinates as the rows go by.
    const bool rubberBand = drawsRubberBand();
    TRect selectionRect = vtree::NormalizeRect(NewSelRect());

    int nodeTop = 0;
    PLazyNode node = GetNodeAt(0, Window.top(), false, nodeTop);
    if (!node)
        nodeTop = Window.top();
    selectionRect = OffsetRect(selectionRect, 0, -nodeTop);
    TRect targetRect{Target.x(), Target.y() + nodeTop - Window.top(), Target.x() + Window.width(),
                     Target.y() + nodeTop - Window.top()};
    const int maxY = Target.y() + Window.height();
    TargetCanvas.Font().Assign(TreeFont());

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
            // Buffered, the row is drawn whole in its own image; unbuffered,
            // straight onto the target, moved and clipped to the row.
            const bool unbuffered = PaintOptions.contains(poUnbuffered);
            std::optional<platform::TCanvas> rowCanvas;
            if (unbuffered) {
                TargetCanvas.SaveDC();
                const platform::TPoint origin = TargetCanvas.WindowOrg();
                TargetCanvas.SetWindowOrg({origin.X + Window.left() - targetRect.Left, origin.Y - targetRect.Top});
                TargetCanvas.IntersectClipRect({Window.left(), 0, Window.left() + Window.width(),
                                                std::min(height, maxY - targetRect.Top)});
            } else {
                if (rowImage.height() != height || rowImage.width() != Window.width())
                    rowImage =
                        QImage(std::max(Window.width(), 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
                rowCanvas.emplace(&rowImage);
                rowCanvas->SetWindowOrg({Window.left(), 0});
            }
            platform::TCanvas &canvas = unbuffered ? TargetCanvas : *rowCanvas;
            // Dots keep the parity of absolute tree coordinates wherever the
            // row lands on the device.
            const platform::TPoint landing = unbuffered ? platform::TPoint{targetRect.Left, targetRect.Top}
                                                        : platform::TPoint{0, 0};
            canvas.SetBrushOrg({(info.BrushOrigin.X + landing.X) & 1, (info.BrushOrigin.Y + landing.Y) & 1});
            canvas.Font().Assign(TreeFont());
            info.Canvas = &canvas;
            info.Node = node;
            const TRect r{0, 0, maximumRight, height};
            ComputeVerticalAlignment(info, showImages, showStateImages);
            if (!QueryBeforeItemPaint(&canvas, node, platform::toQRect(r))) {
                info.PaintOptions = PaintOptions;
                EraseNodeBackground(info, showBackground, {Window.left(), 0, Window.right() + 1, height});
                const TRect window{Window.left(), Window.top(), Window.right() + 1, Window.bottom() + 1};
                if (!ColumnsUsed()) {
                    info.CellRect = r;
                    info.Column = NoColumn;
                    paintCell(info, showCheckImages, showStateImages, showImages);
                } else {
                    const TLazyTreeColumns &columns = FHeader.Columns();
                    for (TColumnIndex column = columns.GetFirstVisibleColumn(); column >= 0;) {
                        const TLazyTreeColumn &c = columns[column];
                        if (c.Left() >= window.Right)
                            break;
                        if (PaintOptions.contains(poMainOnly) && column != MainColumn()) {
                            column = columns.GetNextVisibleColumn(column);
                            continue;
                        }
                        info.CellRect = {c.Left(), 0, c.Left() + c.Width(), height};
                        info.Column = column;
                        info.PaintOptions = PaintOptions;
                        for (TLTImageInfo &image : info.ImageInfo)
                            image = TLTImageInfo{};
                        // Empty cells after this one may lend it their room.
                        const TColumnIndex next = SpanCellRect(info);
                        if (info.CellRect.Right > window.Left) {
                            canvas.SaveDC();
                            canvas.IntersectClipRect(info.CellRect);
                            paintCell(info, showCheckImages, showStateImages, showImages);
                            canvas.RestoreDC(-1);
                        }
                        column = next;
                    }
                }
                RaiseAfterItemPaint(&canvas, node, platform::toQRect(r));
                if (node == DropTargetNode() && toOption(TLTPaintOption::toShowDropmark) &&
                    PaintOptions.contains(poDrawDropMark))
                    PaintNodeDropMark(canvas, node, r);
            }
            if (rubberBand)
                DrawRubberBand(canvas, Window.left(), {0, 0, Window.width(), height}, selectionRect);
            if (unbuffered)
                TargetCanvas.RestoreDC(-1);
            else {
                canvas.endPainting();
                TargetCanvas.DrawImage(targetRect.Left, targetRect.Top, rowImage);
            }
        }
        targetRect.Top += height;
        selectionRect = OffsetRect(selectionRect, 0, -height);
        node = GetNextVisible(node, true);
    }

    // The space below the last row.
    if (targetRect.Top < maxY) {
        const TRect below{Target.x(), targetRect.Top, Target.x() + Window.width(), maxY};
        if (!QueryPaintBackground(&TargetCanvas, platform::toQRect(below))) {
            if (showBackground) {
                const platform::TPoint offset{Window.left() - Target.x(), targetRect.Top - Target.y() + Window.top()};
                if (toOption(TLTPaintOption::toStaticBackground))
                    PlaceStaticBackground(TargetCanvas, below, {offset.X, offset.Y + OffsetY()});
                else
                    TileBackgroundBitmap(TargetCanvas, below, offset);
            } else if (ColumnsUsed())
                paintColumnsBelowRows(TargetCanvas, below, Window.left() - Target.x(), PaintOptions);
            else
                TargetCanvas.FillColor(below, BackGroundColor());
        }
        if (rubberBand) {
            const TRect band = OffsetRect(vtree::NormalizeRect(NewSelRect()),
                                          Target.x() - Window.left(), Target.y() - Window.top());
            TargetCanvas.SaveDC();
            TargetCanvas.IntersectClipRect(below);
            DrawRubberBand(TargetCanvas, TargetCanvas.WindowOrg().X, OffsetRect(below, -TargetCanvas.WindowOrg().X, 0),
                           band);
            TargetCanvas.RestoreDC(-1);
        }
    }

    if (IsEmpty() && !EmptyListMessage().isEmpty()) {
        TargetCanvas.Font().Assign(TreeFont());
        TargetCanvas.Font().setColor(platform::clGrayText);
        TargetCanvas.SetBkMode(platform::TRANSPARENT);
        TRect messageRect{OffsetX() + 2, 2, OffsetX() + ClientWidth(), ClientHeight() - 2};
        TargetCanvas.DrawText(EmptyListMessage(), messageRect, platform::DT_LEFT | platform::DT_NOCLIP | platform::DT_WORDBREAK);
    }
    RaiseAfterPaint(&TargetCanvas);
}

void TLazyStringTreeWidget::paintCell(TLTPaintInfo &PaintInfo, bool ShowCheckImages, bool ShowStateImages,
                                      bool ShowImages)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    PLazyNode node = PaintInfo.Node;
    const TColumnIndex column = PaintInfo.Column;
    const bool useColumns = ColumnsUsed();
    const bool isMain = column == NoColumn || column == MainColumn();
    if (TreeStates().contains(TLazyTreeState::tsEditing) && node == FocusedNode() &&
        (!useColumns || column == FocusedColumn()))
        PaintInfo.PaintOptions.exclude(poDrawSelection);
    if (!useColumns ||
        (Selected(node) && toOption(TLTSelectionOption::toFullRowSelect) &&
         PaintInfo.PaintOptions.contains(poDrawSelection)) ||
        FHeader.Columns()[column].Options().contains(TLTColumnOption::coParentColor))
        PaintInfo.PaintOptions.exclude(poColumnColor);
    const bool rightToLeft = readsRightToLeft(column);
    PaintInfo.BidiMode = IsValidColumn(column) ? FHeader.Columns()[column].BiDiMode() : BiDiMode();
    PaintInfo.Alignment = rightToLeft ? mirrored(cellAlignment(column)) : cellAlignment(column);
    PaintInfo.NodeWidth = MeasureNodeWidth(&canvas, node, column);
    PaintInfo.ContentRect = PaintInfo.CellRect;
    // The margin lies on the side the cell starts reading from.
    if (rightToLeft)
        PaintInfo.ContentRect.Right -= Margin();
    else
        PaintInfo.ContentRect.Left += Margin();
    if (PaintInfo.PaintOptions.contains(poColumnColor))
        canvas.FillColor(PaintInfo.CellRect, FHeader.Columns()[column].Color());
    if (isMain && ShowCheckImages) {
        PaintInfo.ImageInfo[iiCheck].Index = CheckImageIndex(node);
        PaintInfo.ImageInfo[iiCheck].Images = CheckImages();
        if (PaintInfo.ImageInfo[iiCheck].Index >= 0)
            PlaceImage(PaintInfo, iiCheck);
    }
    if (ShowStateImages) {
        FetchImageInfo(PaintInfo, TLTImageKind::ikState, iiState, StateImages());
        if (PaintInfo.ImageInfo[iiState].Index >= 0)
            PlaceImage(PaintInfo, iiState);
    }
    if (ShowImages) {
        FetchImageInfo(PaintInfo, Selected(node) ? TLTImageKind::ikSelected : TLTImageKind::ikNormal, iiNormal, Images());
        if (PaintInfo.ImageInfo[iiNormal].Index >= 0)
            PlaceImage(PaintInfo, iiNormal);
    }
    if (isMain)
        ShiftByIndent(PaintInfo, toOption(TLTPaintOption::toFixedIndent) ? 1 : int(PaintInfo.LineImage.size()));
    if (PaintInfo.PaintOptions.contains(poGridLines) && toOption(TLTPaintOption::toShowHorzGridLines)) {
        canvas.Font().setColor(Colors().GetColor(TLTColors::GridLineColor));
        int left = PaintInfo.CellRect.Left;
        int right = PaintInfo.CellRect.Right;
        // Bands leave the indentation free of the grid line.
        if (isMain && LineMode() == TLTLineMode::lmBands) {
            const int indentation = int(Indent()) * int(PaintInfo.LineImage.size());
            if (rightToLeft)
                right -= indentation + 1;
            else {
                left += indentation;
                right -= 1;
            }
        }
        DottedHorzLine(PaintInfo, left, PaintInfo.CellRect.Bottom - 1, right);
        --PaintInfo.CellRect.Bottom;
        --PaintInfo.ContentRect.Bottom;
    }
    if (useColumns && PaintInfo.PaintOptions.contains(poGridLines) && toOption(TLTPaintOption::toShowVertGridLines)) {
        const TLazyTreeColumns &columns = FHeader.Columns();
        const bool lastUnderAutoResize = FHeader.Options().contains(TLTHeaderOption::hoAutoResize) &&
                                         columns.GetLastVisibleColumn() == column;
        // A cell that ends at the window's edge needs no line of its own.
        const bool atClientEdge = PaintInfo.CellRect.Right - EffectiveOffsetX() == ClientWidth() &&
                                  !columns[column].Options().contains(TLTColumnOption::coFixed);
        if (!lastUnderAutoResize && !atClientEdge) {
            // An empty right-to-left cell flows into its neighbour without a line.
            if (!rightToLeft || !IsCellEmpty(node, column)) {
                canvas.Font().setColor(Colors().GetColor(TLTColors::GridLineColor));
                const bool selectionGaps = PaintInfo.PaintOptions.contains(poDrawSelection) &&
                                           toOption(TLTSelectionOption::toFullRowSelect) && Selected(node) &&
                                           !toOption(TLTPaintOption::toUseBlendedSelection);
                DottedVertLine(PaintInfo, PaintInfo.CellRect.Top, selectionGaps, PaintInfo.CellRect.Right - 1,
                               PaintInfo.CellRect.Bottom);
            }
            --PaintInfo.CellRect.Right;
            --PaintInfo.ContentRect.Right;
        }
    }
    DecorateCell(PaintInfo);
    if (isMain) {
        if (toOption(TLTPaintOption::toShowTreeLines))
            DrawTreeLines(PaintInfo);
        if (toOption(TLTPaintOption::toShowButtons) && node->States.contains(TLazyNodeState::vsHasChildren) &&
            (!node->States.contains(TLazyNodeState::vsAllChildrenHidden) || !toOption(TLTAutoOption::toAutoHideButtons)))
            DrawExpandButton(PaintInfo);
        if (PaintInfo.ImageInfo[iiCheck].Index >= 0)
            DrawCheckBox(PaintInfo);
    }
    if (PaintInfo.ImageInfo[iiState].Index >= 0)
        DrawNodeImage(PaintInfo, iiState, false);
    if (PaintInfo.ImageInfo[iiNormal].Index >= 0)
        DrawNodeImage(PaintInfo, iiNormal, true);
    if (!(TreeStates().contains(TLazyTreeState::tsEditing) && node == FocusedNode() &&
          (!useColumns || column == FocusedColumn())))
        PaintNodeContent(PaintInfo);
    RaiseAfterCellPaint(&canvas, node, column, platform::toQRect(PaintInfo.CellRect));
}

void TLazyStringTreeWidget::paintColumnsBelowRows(platform::TCanvas &Canvas, const TRect &Below, int ShiftX,
                                                  TLTInternalPaintOptions PaintOptions)
{
    const bool fullGrid = PaintOptions.contains(poGridLines) && toOption(TLTPaintOption::toFullVertGridLines) &&
                          toOption(TLTPaintOption::toShowVertGridLines);
    const bool autoResize = FHeader.Options().contains(TLTHeaderOption::hoAutoResize);
    const TColumnIndex last = FHeader.Columns().GetLastVisibleColumn();
    int right = Below.Left;
    for (const TLazyTreeColumn *column : FHeader.Columns().GetVisibleColumns()) {
        TRect r{column->Left() - ShiftX, Below.Top, column->Left() + column->Width() - ShiftX, Below.Bottom};
        if (r.Right <= Below.Left)
            continue;
        if (r.Left >= Below.Right)
            break;
        r.Left = std::max(r.Left, Below.Left);
        right = r.Right;
        if (fullGrid && !(autoResize && column->Index() == last)) {
            TLTPaintInfo info;
            info.Canvas = &Canvas;
            Canvas.Font().setColor(Colors().GetColor(TLTColors::GridLineColor));
            DottedVertLine(info, r.Top, false, r.Right - 1, r.Bottom - 1);
            --r.Right;
        }
        const bool parentColor = column->Options().contains(TLTColumnOption::coParentColor);
        Canvas.FillColor(r, parentColor ? BackGroundColor() : column->Color());
    }
    if (right < Below.Right)
        Canvas.FillColor({right, Below.Top, Below.Right, Below.Bottom}, BackGroundColor());
}

} // namespace vtree
