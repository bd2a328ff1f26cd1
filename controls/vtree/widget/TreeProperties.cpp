// The tree window's settings: each setter compares, stores and repaints only
// under the conditions its setting needs, so many changes cost one paint.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QScrollBar>

#include <algorithm>

namespace vtree {

TLazyStringTreeWidget::TLazyStringTreeWidget(QWidget *parent)
    : QAbstractScrollArea(parent), FColors([this](int slot) {
          if (IsLoading())
              return;
          // The buttons are framed in the tree line colour.
          if (slot == TLTColors::TreeLineColor || slot == TLTColors::SlotCount)
              BuildButtonBitmaps(true, false);
          if (slot == TLTColors::BorderColor || slot == TLTColors::SlotCount)
              repaintBorderRing();
          Invalidate();
      }),
      FScrollBarOptions([this] {
          if (!IsLoading())
              UpdateScrollBars(true);
      })
{
    resize(200, 100);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    FFont.OnChange = [this] { treeFontChanged(); };
    treeFontChanged();
    BuildButtonBitmaps(true, true);
    // Qt's bars step by the tree's increments and follow its offsets.
    horizontalScrollBar()->setSingleStep(int(FScrollBarOptions.HorizontalIncrement()));
    verticalScrollBar()->setSingleStep(int(FScrollBarOptions.VerticalIncrement()));
}

TLazyStringTreeWidget::~TLazyStringTreeWidget()
{
    // The nodes go while the window still answers the core's hooks.
    Clear();
}

void TLazyStringTreeWidget::repaintUnlessLoading()
{
    if (!IsLoading())
        Invalidate();
}

void TLazyStringTreeWidget::Invalidate()
{
    if (IsDestroying())
        return;
    viewport()->update();
    if (FHeaderStrip)
        FHeaderStrip->update();
}

void TLazyStringTreeWidget::SetAlignment(TAlignment value)
{
    if (FAlignment == value)
        return;
    FAlignment = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetAnimationDuration(unsigned value)
{
    if (FAnimationDuration == value)
        return;
    FAnimationDuration = value;
    // Toggling animates only with a duration to animate over.
    TLTAnimationOptions options = TreeOptions().AnimationOptions();
    if (value == 0)
        options.exclude(TLTAnimationOption::toAnimatedToggle);
    else
        options.include(TLTAnimationOption::toAnimatedToggle);
    TreeOptions().SetAnimationOptions(options);
}

void TLazyStringTreeWidget::SetAutoScrollInterval(unsigned value)
{
    FAutoScrollInterval = std::clamp(value, 1u, 1000u);
}

void TLazyStringTreeWidget::SetBackground(const QImage &value)
{
    if (FBackground == value)
        return;
    FBackground = value;
    Invalidate();
}

void TLazyStringTreeWidget::SetBackgroundOffset(int index, int value)
{
    int &offset = index == 0 ? FBackgroundOffsetX : FBackgroundOffsetY;
    if (offset == value)
        return;
    offset = value;
    Invalidate();
}

void TLazyStringTreeWidget::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    // Qt's frame stands for the window border: no re-creation needed.
    setFrameShape(value == TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TLazyStringTreeWidget::SetBottomSpace(unsigned value)
{
    if (FBottomSpace == value)
        return;
    FBottomSpace = value;
    UpdateVerticalScrollBar(true);
}

void TLazyStringTreeWidget::SetButtonFillMode(TLTButtonFillMode value)
{
    if (FButtonFillMode == value)
        return;
    FButtonFillMode = value;
    BuildButtonBitmaps(true, false);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetButtonStyle(TLTButtonStyle value)
{
    if (FButtonStyle == value)
        return;
    FButtonStyle = value;
    BuildButtonBitmaps(true, false);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    // The buttons are filled with the tree's colour.
    if (!IsLoading())
        BuildButtonBitmaps(true, false);
    Invalidate();
}

void TLazyStringTreeWidget::SetEmptyListMessage(const QString &value)
{
    if (FEmptyListMessage == value)
        return;
    FEmptyListMessage = value;
    Invalidate();
}

void TLazyStringTreeWidget::SetIncrementalSearch(TLTIncrementalSearch value)
{
    if (FIncrementalSearch == value)
        return;
    FIncrementalSearch = value;
    if (value == TLTIncrementalSearch::isNone)
        StopIncrementalSearch();
}

void TLazyStringTreeWidget::SetIndent(unsigned value)
{
    if (FIndent == value)
        return;
    FIndent = value;
    if (!IsLoading() && !IsUpdating()) {
        UpdateScrollBars(true);
        Invalidate();
    }
}

void TLazyStringTreeWidget::SetLineMode(TLTLineMode value)
{
    if (FLineMode == value)
        return;
    FLineMode = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetLineStyle(TLTLineStyle value)
{
    if (FLineStyle == value)
        return;
    FLineStyle = value;
    BuildButtonBitmaps(false, true);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetMargin(int value)
{
    if (FMargin == value)
        return;
    FMargin = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetNodeAlignment(TLTNodeAlignment value)
{
    if (FNodeAlignment == value)
        return;
    FNodeAlignment = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetSelectionCurveRadius(unsigned value)
{
    if (FSelectionCurveRadius == value)
        return;
    FSelectionCurveRadius = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetTextMargin(int value)
{
    if (FTextMargin == value)
        return;
    FTextMargin = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetTreeFont(const platform::TFont &value)
{
    if (FFont.sameLook(value))
        return;
    FFont.Assign(value);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::Assign(const TLazyStringTreeWidget &Source)
{
    if (IsReadOnly() || &Source == this)
        return;
    FAutoScrollDelay = Source.FAutoScrollDelay;
    FAutoScrollInterval = Source.FAutoScrollInterval;
    SetBackground(Source.FBackground);
    copyBorder(Source);
    SetBorderStyle(Source.FBorderStyle);
    SetChangeDelay(Source.ChangeDelay());
    SetCheckImageKind(Source.CheckImageKind());
    SetColor(Source.FColor);
    FColors.Assign(Source.FColors);
    SetDefaultNodeHeight(Source.DefaultNodeHeight());
    FDefaultPasteMode = Source.FDefaultPasteMode;
    FDragImageKind = Source.FDragImageKind;
    setEnabled(Source.isEnabled());
    SetTreeFont(Source.FFont);
    FHintAnimation = Source.FHintAnimation;
    FHintMode = Source.FHintMode;
    FHotCursor = Source.FHotCursor;
    SetImages(Source.FImages);
    SetIndent(Source.FIndent);
    SetMargin(Source.FMargin);
    SetNodeAlignment(Source.FNodeAlignment);
    SetNodeDataSize(Source.NodeDataSize());
    SetTreeOptions(Source.TreeOptions());
    SetRootNodeCount(Source.RootNodeCount());
    FScrollBarOptions.Assign(Source.FScrollBarOptions);
    SetStateImages(Source.FStateImages);
    SetSelectionCurveRadius(Source.FSelectionCurveRadius);
    FSelectionBlendFactor = Source.FSelectionBlendFactor;
    SetEmptyListMessage(Source.FEmptyListMessage);
}

} // namespace vtree
