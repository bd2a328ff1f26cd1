// The paint event: the invalid region of the client area is painted into the
// retained image through the canvas and copied to the screen in one step.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "platform/draw/WidgetPainting.h"

#include <QResizeEvent>

namespace vtree {

void TLazyStringTreeWidget::paintEvent(QPaintEvent *event)
{
    platform::paintRetained(*viewport(), *event, FRetained, [this](platform::TCanvas &canvas) {
        FCanvas = &canvas;
        canvas.Font().Assign(FFont);
        PaintTree(canvas, canvas.ClipRect().Width() > 0 ? platform::toQRect(canvas.ClipRect()) : viewport()->rect());
        FCanvas = &FIdleCanvas;
    });
}

QImage TLazyStringTreeWidget::paintToImage()
{
    QImage image(viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        platform::TCanvas canvas(&image);
        FCanvas = &canvas;
        canvas.Font().Assign(FFont);
        PaintTree(canvas, image.rect());
        FCanvas = &FIdleCanvas;
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

int TLazyStringTreeWidget::MeasureNodeWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column)
{
    const bool main = Column <= NoColumn;
    if (main && CachedTextWidth(Node) > 0)
        return int(CachedTextWidth(Node));
    const QString text = GetText(Node, Column);
    int width = 2 * FTextMargin;
    if (!text.isEmpty()) {
        platform::TCanvas &canvas = Canvas ? *Canvas : FIdleCanvas;
        canvas.Font().Assign(FFont);
        width += canvas.TextWidth(text);
    }
    if (main)
        SetCachedTextWidth(Node, std::uint32_t(width));
    return width;
}

int TLazyStringTreeWidget::MeasureStaticTextWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column)
{
    if (!StringTreeOptions().StringOptions().contains(TLTStringOption::toShowStaticText))
        return 0;
    const QString text = GetStaticText(Node, Column);
    if (text.isEmpty() || FAlignment == TAlignment::taCenter || GetMultiline(Node))
        return 0;
    platform::TCanvas &canvas = Canvas ? *Canvas : FIdleCanvas;
    canvas.Font().Assign(FFont);
    return FTextMargin + canvas.TextWidth(text);
}

void TLazyStringTreeWidget::PaintTree(platform::TCanvas &Canvas, const QRect &Window)
{
    Canvas.FillColor(platform::Rect(Window.left(), Window.top(), Window.right() + 1, Window.bottom() + 1), FColor);
}

} // namespace vtree
