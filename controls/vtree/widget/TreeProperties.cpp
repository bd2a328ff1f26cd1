// The tree window's settings: each setter compares, stores and repaints only
// under the conditions its setting needs, so many changes cost one paint.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeSettings.h"

#include <QScrollBar>

#include <algorithm>

namespace vtree {

TTreePart<TTreeSettings> TLazyStringTreeWidget::newSettings()
{
    auto colorsChanged = [this](int slot) {
        if (IsLoading())
            return;
        // The buttons are framed in the tree line colour.
        if (slot == TLTColors::TreeLineColor || slot == TLTColors::SlotCount)
            BuildButtonBitmaps(true, false);
        if (slot == TLTColors::BorderColor || slot == TLTColors::SlotCount)
            repaintBorderRing();
        Invalidate();
    };
    auto scrollBarsChanged = [this] {
        if (!IsLoading())
            UpdateScrollBars(true);
    };
    return TTreePart<TTreeSettings>(new TTreeSettings(colorsChanged, scrollBarsChanged));
}

TLazyStringTreeWidget::TLazyStringTreeWidget(QWidget *parent) : QAbstractScrollArea(parent)
{
    resize(200, 100);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    FSettings->Font.OnChange = [this] { treeFontChanged(); };
    treeFontChanged();
    BuildButtonBitmaps(true, true);
    // Qt's bars step by the tree's increments and follow its offsets.
    horizontalScrollBar()->setSingleStep(int(FSettings->ScrollBarOptions.HorizontalIncrement()));
    verticalScrollBar()->setSingleStep(int(FSettings->ScrollBarOptions.VerticalIncrement()));
}

TLazyStringTreeWidget::~TLazyStringTreeWidget()
{
    // The nodes go while the window still answers the core's hooks.
    Clear();
}

void TTreePartDeleter::operator()(TTreeSettings *Part) const { delete Part; }

TAlignment TLazyStringTreeWidget::Alignment() const { return FSettings->Alignment; }
unsigned TLazyStringTreeWidget::AnimationDuration() const { return FSettings->AnimationDuration; }
unsigned TLazyStringTreeWidget::AutoExpandDelay() const { return FSettings->AutoExpandDelay; }
void TLazyStringTreeWidget::SetAutoExpandDelay(unsigned value) { FSettings->AutoExpandDelay = value; }
unsigned TLazyStringTreeWidget::AutoScrollDelay() const { return FSettings->AutoScrollDelay; }
void TLazyStringTreeWidget::SetAutoScrollDelay(unsigned value) { FSettings->AutoScrollDelay = value; }
unsigned TLazyStringTreeWidget::AutoScrollInterval() const { return FSettings->AutoScrollInterval; }
const QImage &TLazyStringTreeWidget::Background() const { return FSettings->Background; }
int TLazyStringTreeWidget::BackgroundOffsetX() const { return FSettings->BackgroundOffsetX; }
int TLazyStringTreeWidget::BackgroundOffsetY() const { return FSettings->BackgroundOffsetY; }
TBorderStyle TLazyStringTreeWidget::BorderStyle() const { return FSettings->BorderStyle; }
unsigned TLazyStringTreeWidget::BottomSpace() const { return FSettings->BottomSpace; }
TLTButtonStyle TLazyStringTreeWidget::ButtonStyle() const { return FSettings->ButtonStyle; }
TLTColors &TLazyStringTreeWidget::Colors() { return FSettings->Colors; }
const TLTColors &TLazyStringTreeWidget::Colors() const { return FSettings->Colors; }
void TLazyStringTreeWidget::SetColors(const TLTColors &value) { FSettings->Colors.Assign(value); }
TColor TLazyStringTreeWidget::Color() const { return FSettings->Color; }
TLTNodeAttachMode TLazyStringTreeWidget::DefaultPasteMode() const { return FSettings->DefaultPasteMode; }
void TLazyStringTreeWidget::SetDefaultPasteMode(TLTNodeAttachMode value) { FSettings->DefaultPasteMode = value; }
int TLazyStringTreeWidget::DragHeight() const { return FSettings->DragHeight; }
void TLazyStringTreeWidget::SetDragHeight(int value) { FSettings->DragHeight = value; }
int TLazyStringTreeWidget::DragWidth() const { return FSettings->DragWidth; }
void TLazyStringTreeWidget::SetDragWidth(int value) { FSettings->DragWidth = value; }
TLTDragImageKind TLazyStringTreeWidget::DragImageKind() const { return FSettings->DragImageKind; }
void TLazyStringTreeWidget::SetDragImageKind(TLTDragImageKind value) { FSettings->DragImageKind = value; }
TEnumSet<TDragOperation, std::uint8_t> TLazyStringTreeWidget::DragOperations() const { return FSettings->DragOperations; }
void TLazyStringTreeWidget::SetDragOperations(TEnumSet<TDragOperation, std::uint8_t> value) { FSettings->DragOperations = value; }
TLTDragType TLazyStringTreeWidget::DragType() const { return FSettings->DragType; }
void TLazyStringTreeWidget::SetDragType(TLTDragType value) { FSettings->DragType = value; }
TLTDrawSelectionMode TLazyStringTreeWidget::DrawSelectionMode() const { return FSettings->DrawSelectionMode; }
void TLazyStringTreeWidget::SetDrawSelectionMode(TLTDrawSelectionMode value) { FSettings->DrawSelectionMode = value; }
unsigned TLazyStringTreeWidget::EditDelay() const { return FSettings->EditDelay; }
void TLazyStringTreeWidget::SetEditDelay(unsigned value) { FSettings->EditDelay = value; }
QString TLazyStringTreeWidget::EmptyListMessage() const { return FSettings->EmptyListMessage; }
THintAnimationType TLazyStringTreeWidget::HintAnimation() const { return FSettings->HintAnimation; }
void TLazyStringTreeWidget::SetHintAnimation(THintAnimationType value) { FSettings->HintAnimation = value; }
TLTHintMode TLazyStringTreeWidget::HintMode() const { return FSettings->HintMode; }
void TLazyStringTreeWidget::SetHintMode(TLTHintMode value) { FSettings->HintMode = value; }
TCursor TLazyStringTreeWidget::HotCursor() const { return FSettings->HotCursor; }
void TLazyStringTreeWidget::SetHotCursor(TCursor value) { FSettings->HotCursor = value; }
platform::TImageList *TLazyStringTreeWidget::Images() const { return FSettings->Images; }
TLTIncrementalSearch TLazyStringTreeWidget::IncrementalSearch() const { return FSettings->IncrementalSearch; }
TLTSearchDirection TLazyStringTreeWidget::IncrementalSearchDirection() const { return FSettings->SearchDirection; }
void TLazyStringTreeWidget::SetIncrementalSearchDirection(TLTSearchDirection value) { FSettings->SearchDirection = value; }
TLTSearchStart TLazyStringTreeWidget::IncrementalSearchStart() const { return FSettings->SearchStart; }
void TLazyStringTreeWidget::SetIncrementalSearchStart(TLTSearchStart value) { FSettings->SearchStart = value; }
unsigned TLazyStringTreeWidget::IncrementalSearchTimeout() const { return FSettings->SearchTimeout; }
void TLazyStringTreeWidget::SetIncrementalSearchTimeout(unsigned value) { FSettings->SearchTimeout = value; }
unsigned TLazyStringTreeWidget::Indent() const { return FSettings->Indent; }
TLTLineMode TLazyStringTreeWidget::LineMode() const { return FSettings->LineMode; }
TLTLineStyle TLazyStringTreeWidget::LineStyle() const { return FSettings->LineStyle; }
int TLazyStringTreeWidget::Margin() const { return FSettings->Margin; }
TLTNodeAlignment TLazyStringTreeWidget::NodeAlignment() const { return FSettings->NodeAlignment; }
TScrollBarOptions &TLazyStringTreeWidget::ScrollBarOptions() { return FSettings->ScrollBarOptions; }
void TLazyStringTreeWidget::SetScrollBarOptions(const TScrollBarOptions &value) { FSettings->ScrollBarOptions.Assign(value); }
unsigned TLazyStringTreeWidget::SelectionCurveRadius() const { return FSettings->SelectionCurveRadius; }
platform::TImageList *TLazyStringTreeWidget::StateImages() const { return FSettings->StateImages; }
platform::TImageList *TLazyStringTreeWidget::CustomCheckImages() const { return FSettings->CustomCheckImages; }
int TLazyStringTreeWidget::TextMargin() const { return FSettings->TextMargin; }
bool TLazyStringTreeWidget::WantTabs() const { return FSettings->WantTabs; }
void TLazyStringTreeWidget::SetWantTabs(bool value) { FSettings->WantTabs = value; }
TColor TLazyStringTreeWidget::BackGroundColor() const { return FSettings->Color; }
TLTButtonFillMode TLazyStringTreeWidget::ButtonFillMode() const { return FSettings->ButtonFillMode; }
std::uint8_t TLazyStringTreeWidget::SelectionBlendFactor() const { return FSettings->SelectionBlendFactor; }
void TLazyStringTreeWidget::SetSelectionBlendFactor(std::uint8_t value) { FSettings->SelectionBlendFactor = value; }
const platform::TFont &TLazyStringTreeWidget::TreeFont() const { return FSettings->Font; }
const TScrollBarOptions &TLazyStringTreeWidget::ScrollBarOptions() const { return FSettings->ScrollBarOptions; }

void TLazyStringTreeWidget::setColorSilently(TColor Value) { FSettings->Color = Value; }

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
    if (FSettings->Alignment == value)
        return;
    FSettings->Alignment = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetAnimationDuration(unsigned value)
{
    if (FSettings->AnimationDuration == value)
        return;
    FSettings->AnimationDuration = value;
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
    FSettings->AutoScrollInterval = std::clamp(value, 1u, 1000u);
}

void TLazyStringTreeWidget::SetBackground(const QImage &value)
{
    if (FSettings->Background == value)
        return;
    FSettings->Background = value;
    Invalidate();
}

void TLazyStringTreeWidget::SetBackgroundOffset(int index, int value)
{
    int &offset = index == 0 ? FSettings->BackgroundOffsetX : FSettings->BackgroundOffsetY;
    if (offset == value)
        return;
    offset = value;
    Invalidate();
}

void TLazyStringTreeWidget::SetBorderStyle(TBorderStyle value)
{
    if (FSettings->BorderStyle == value)
        return;
    FSettings->BorderStyle = value;
    // Qt's frame stands for the window border: no re-creation needed.
    setFrameShape(value == TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TLazyStringTreeWidget::SetBottomSpace(unsigned value)
{
    if (FSettings->BottomSpace == value)
        return;
    FSettings->BottomSpace = value;
    UpdateVerticalScrollBar(true);
}

void TLazyStringTreeWidget::SetButtonFillMode(TLTButtonFillMode value)
{
    if (FSettings->ButtonFillMode == value)
        return;
    FSettings->ButtonFillMode = value;
    BuildButtonBitmaps(true, false);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetButtonStyle(TLTButtonStyle value)
{
    if (FSettings->ButtonStyle == value)
        return;
    FSettings->ButtonStyle = value;
    BuildButtonBitmaps(true, false);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetColor(TColor value)
{
    if (FSettings->Color == value)
        return;
    FSettings->Color = value;
    // The buttons are filled with the tree's colour.
    if (!IsLoading())
        BuildButtonBitmaps(true, false);
    Invalidate();
}

void TLazyStringTreeWidget::SetEmptyListMessage(const QString &value)
{
    if (FSettings->EmptyListMessage == value)
        return;
    FSettings->EmptyListMessage = value;
    Invalidate();
}

void TLazyStringTreeWidget::SetIncrementalSearch(TLTIncrementalSearch value)
{
    if (FSettings->IncrementalSearch == value)
        return;
    FSettings->IncrementalSearch = value;
    if (value == TLTIncrementalSearch::isNone)
        StopIncrementalSearch();
}

void TLazyStringTreeWidget::SetIndent(unsigned value)
{
    if (FSettings->Indent == value)
        return;
    FSettings->Indent = value;
    if (!IsLoading() && !IsUpdating()) {
        UpdateScrollBars(true);
        Invalidate();
    }
}

void TLazyStringTreeWidget::SetLineMode(TLTLineMode value)
{
    if (FSettings->LineMode == value)
        return;
    FSettings->LineMode = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetLineStyle(TLTLineStyle value)
{
    if (FSettings->LineStyle == value)
        return;
    FSettings->LineStyle = value;
    BuildButtonBitmaps(false, true);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetMargin(int value)
{
    if (FSettings->Margin == value)
        return;
    FSettings->Margin = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetNodeAlignment(TLTNodeAlignment value)
{
    if (FSettings->NodeAlignment == value)
        return;
    FSettings->NodeAlignment = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetSelectionCurveRadius(unsigned value)
{
    if (FSettings->SelectionCurveRadius == value)
        return;
    FSettings->SelectionCurveRadius = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetTextMargin(int value)
{
    if (FSettings->TextMargin == value)
        return;
    FSettings->TextMargin = value;
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetTreeFont(const platform::TFont &value)
{
    if (FSettings->Font.sameLook(value))
        return;
    FSettings->Font.Assign(value);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::Assign(const TLazyStringTreeWidget &Source)
{
    if (IsReadOnly() || &Source == this)
        return;
    FSettings->AutoScrollDelay = Source.FSettings->AutoScrollDelay;
    FSettings->AutoScrollInterval = Source.FSettings->AutoScrollInterval;
    SetBackground(Source.FSettings->Background);
    copyBorder(Source);
    SetBorderStyle(Source.FSettings->BorderStyle);
    SetChangeDelay(Source.ChangeDelay());
    SetCheckImageKind(Source.CheckImageKind());
    SetColor(Source.FSettings->Color);
    FSettings->Colors.Assign(Source.FSettings->Colors);
    SetDefaultNodeHeight(Source.DefaultNodeHeight());
    FSettings->DefaultPasteMode = Source.FSettings->DefaultPasteMode;
    FSettings->DragImageKind = Source.FSettings->DragImageKind;
    setEnabled(Source.isEnabled());
    SetTreeFont(Source.FSettings->Font);
    FSettings->HintAnimation = Source.FSettings->HintAnimation;
    FSettings->HintMode = Source.FSettings->HintMode;
    FSettings->HotCursor = Source.FSettings->HotCursor;
    SetImages(Source.FSettings->Images);
    SetIndent(Source.FSettings->Indent);
    SetMargin(Source.FSettings->Margin);
    SetNodeAlignment(Source.FSettings->NodeAlignment);
    SetNodeDataSize(Source.NodeDataSize());
    SetTreeOptions(Source.TreeOptions());
    SetRootNodeCount(Source.RootNodeCount());
    FSettings->ScrollBarOptions.Assign(Source.FSettings->ScrollBarOptions);
    SetStateImages(Source.FSettings->StateImages);
    SetSelectionCurveRadius(Source.FSettings->SelectionCurveRadius);
    FSettings->SelectionBlendFactor = Source.FSettings->SelectionBlendFactor;
    SetEmptyListMessage(Source.FSettings->EmptyListMessage);
}

} // namespace vtree
