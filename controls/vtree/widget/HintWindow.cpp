#include "controls/vtree/widget/HintWindow.h"

#include "controls/vtree/widget/DrawingUtils.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "platform/Color.h"
#include "platform/draw/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace vtree {

using platform::TRect;
using enum TLTTooltipLineBreakStyle;

QRect keepHintOnDesktop(QRect Window, const QRect &Desktop)
{
    if (Window.bottom() > Desktop.bottom())
        Window.moveTop(Desktop.top() + Desktop.height() - Window.height());
    if (Window.right() > Desktop.right())
        Window.moveLeft(Desktop.left() + Desktop.width() - Window.width());
    if (Window.top() < Desktop.top())
        Window.moveTop(Desktop.top());
    if (Window.left() < Desktop.left())
        Window.moveLeft(Desktop.left());
    return Window;
}

namespace {

QRect toQ(const TRect &r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

} // namespace

TLazyTreeHintWindow::TLazyTreeHintWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The screen's hint font.
    FFont.setName(QStringLiteral("Tahoma"));
    FFont.setSize(8);
}

bool TLazyTreeHintWindow::isTooltip() const
{
    return FHintData.Node && FHintData.Tree && FHintData.Tree->HintMode() == TLTHintMode::hmTooltip;
}

QRect TLazyTreeHintWindow::CalcHintRect(int MaxWidth, const TLTHintData &Data)
{
    if (!Data.Tree)
        return {};
    FHintData = Data;
    TLazyStringTreeWidget *tree = Data.Tree;
    if (Data.Node && !Data.HintRect.isEmpty())
        return Data.HintRect;
    FHintData.BidiMode = tree->IsValidColumn(Data.Column) ? tree->Header()->Columns()[Data.Column].BiDiMode()
                                                          : TBiDiMode::bdLeftToRight;
    FHintData.Alignment = tree->EditAlignment(Data.Column);
    platform::TFont font;
    if (isTooltip())
        font.Assign(tree->TreeFont());
    else
        font.Assign(FFont);
    const QFontMetrics metrics(font.qfont());
    FTextHeight = metrics.height();

    FHintData.LineBreakStyle = hlbDefault;
    if (!FHintData.DefaultHint.isEmpty())
        FHintData.HintText = FHintData.DefaultHint;
    else if (Data.Node)
        FHintData.HintText = isTooltip() ? tree->QueryNodeTooltip(Data.Node, Data.Column, FHintData.LineBreakStyle)
                                         : tree->QueryNodeHint(Data.Node, Data.Column, FHintData.LineBreakStyle);
    if (FHintData.HintText.isEmpty())
        return {};

    TRect result;
    if (!Data.Node || !isTooltip()) {
        const QRect measured = metrics.boundingRect(QRect(0, 0, MaxWidth, FTextHeight),
                                                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, FHintData.HintText);
        result = {0, 0, std::min(measured.width(), MaxWidth), std::max(measured.height(), FTextHeight)};
        result.Bottom += 6;
        result.Right += tree->TextMargin() + FTextHeight;
        return toQ(result);
    }
    if (FHintData.LineBreakStyle == hlbDefault)
        FHintData.LineBreakStyle = tree->GetMultiline(Data.Node) ? hlbForceMultiLine : hlbForceSingleLine;
    if (FHintData.LineBreakStyle == hlbForceMultiLine) {
        result = tree->GetDisplayRect(Data.Node, Data.Column, true);
        const QRect measured = metrics.boundingRect(toQ(result), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                                                    FHintData.HintText);
        if (FHintData.BidiMode != TBiDiMode::bdLeftToRight)
            result.Left = measured.left() - tree->TextMargin() + 1;
        else
            result.Right = measured.right() + 1 + tree->TextMargin();
        result.Bottom = measured.bottom() + 1;
        ++result.Right;
        int columnWidth = 0;
        if (tree->IsValidColumn(Data.Column))
            columnWidth = tree->Header()->Columns()[Data.Column].Width();
        if (tree->ColumnsUsed() && int(tree->GetNodeHeight(Data.Node)) + 2 >= result.Height()
            && columnWidth + 2 >= result.Width() && result.Left >= 0 && tree->ClientWidth() + 3 >= result.Right
            && result.Top >= 0 && tree->ClientHeight() + 3 >= result.Bottom)
            return {};
    } else {
        result = tree->LastHintRect();
        if (tree->toOption(TLTPaintOption::toShowHorzGridLines))
            --result.Bottom;
    }
    // One pixel to spare on every side, the corner at (-1, -1).
    result = InflateRect(result, 1, 1);
    return QRect(-1, -1, result.Width(), result.Height());
}

void TLazyTreeHintWindow::ActivateHint(QRect Rect, QPoint CursorPos, const QRect &Desktop)
{
    TLazyStringTreeWidget *tree = FHintData.Tree;
    if (Rect.isEmpty() || !tree || !PtInRect(tree->LastHintRect(), {CursorPos.x(), CursorPos.y()})) {
        if (tree)
            tree->CancelTreeHint();
        else
            hide();
        return;
    }
    // A running animation ends before this one begins.
    tree->FinishAnimation();
    setGeometry(keepHintOnDesktop(Rect, Desktop));
    FDrawBuffer = QImage(size(), QImage::Format_RGB32);
    {
        platform::TCanvas canvas(&FDrawBuffer);
        canvas.FillColor({0, 0, width(), height()}, platform::clInfoBk);
    }
    // What lies under the hint: the tree's own picture where it covers it.
    const QImage client = tree->paintToImage().convertToFormat(QImage::Format_RGB32);
    FBackground = FDrawBuffer.copy();
    {
        QPainter painter(&FBackground);
        painter.drawImage(QPoint(0, 0), client, QRect(tree->viewport()->mapFromGlobal(geometry().topLeft()), size()));
    }
    FFrame = FBackground;
    show();
    const THintAnimationType animation = tree->EffectiveHintAnimation();
    const unsigned duration = tree->AnimationDuration();
    QPointer<TLazyTreeHintWindow> self(this);
    const auto step = [self](int Step, int StepSize) { return self && self->AnimationStep(Step, StepSize); };
    bool animated = false;
    if (tree->canAnimate()) {
        if (animation == THintAnimationType::hatFade)
            animated = tree->RunAnimation(255, 2 * duration, step);
        else if (animation == THintAnimationType::hatSlide)
            animated = tree->RunAnimation(height(), duration, step);
    }
    if (!animated && self)
        RenderHint(0, 0);
}

bool TLazyTreeHintWindow::AnimationStep(int Step, int StepSize)
{
    if (!isVisible() || !FHintData.Tree || FHintData.Tree->TreeStates().contains(TLazyTreeState::tsCancelHintAnimation))
        return false;
    QPointer<TLazyTreeHintWindow> self(this);
    RenderHint(Step, StepSize);
    return bool(self);
}

bool TLazyTreeHintWindow::drawHint(QImage &Buffer)
{
    TLazyStringTreeWidget *tree = FHintData.Tree;
    Buffer = QImage(size(), QImage::Format_RGB32);
    platform::TCanvas canvas(&Buffer);
    TRect r{0, 0, width(), height()};
    QString text = FHintData.HintText;
    int textTop = 2;
    if (isTooltip()) {
        TRect textRect;
        tree->GetTextInfo(FHintData.Node, FHintData.Column, canvas.Font(), textRect, text);
        textTop = FHintData.LineBreakStyle == hlbForceMultiLine ? 1 : (height() - textRect.Height()) / 2;
    } else
        canvas.Font().Assign(FFont);
    const TLTHintKind kind = FHintData.Node ? tree->QueryHintKind(FHintData.Node, FHintData.Column) : TLTHintKind::vhkText;
    if (kind == TLTHintKind::vhkOwnerDraw) {
        // The handler may do anything, even destroy the tree with this window.
        QPointer<TLazyTreeHintWindow> self(this);
        tree->RaiseDrawHint(&canvas, FHintData.Node, toQ(r), FHintData.Column);
        return bool(self);
    }
    canvas.Font().setColor(platform::clInfoText);
    canvas.Pen().setColor(platform::clBlack);
    canvas.Brush().setColor(platform::clInfoBk);
    canvas.Rectangle(r);
    r = InflateRect(r, -1, -1);
    r.Top = textTop;
    r.Left += 3;
    canvas.SetBkMode(platform::TRANSPARENT);
    unsigned format = platform::DT_NOPREFIX;
    if (FHintData.Node && FHintData.LineBreakStyle == hlbForceMultiLine)
        format |= platform::DT_WORDBREAK;
    canvas.DrawText(text, r, format);
    return true;
}

void TLazyTreeHintWindow::RenderHint(int Step, int StepSize)
{
    if (Step == 0) {
        QImage buffer;
        if (!drawHint(buffer))
            return;
        FDrawBuffer = std::move(buffer);
    }
    const THintAnimationType animation = FHintData.Tree ? FHintData.Tree->EffectiveHintAnimation() : THintAnimationType::hatNone;
    if (StepSize < 1) {
        // Also after a fade: one that ran out of time stopped short of opaque.
        FFrame = FDrawBuffer;
    } else if (animation == THintAnimationType::hatFade) {
        FFrame = FBackground;
        AlphaBlendRect(&FDrawBuffer, FFrame, {0, 0, width(), height()}, {0, 0}, TPixelBlend::pbConstantAlpha,
                       Step * 256 / 255, 0);
    } else {
        FFrame = FBackground;
        QPainter painter(&FFrame);
        const int rows = std::clamp(Step, 0, height());
        painter.drawImage(QPoint(0, 0), FDrawBuffer, QRect(0, height() - rows, width(), rows));
    }
    update();
}

void TLazyTreeHintWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), FFrame);
}

void TLazyTreeHintWindow::hideEvent(QHideEvent *event)
{
    FHintData = {};
    QWidget::hideEvent(event);
}

} // namespace vtree
