// The tree's animations: the shared timer-paced runner and the sliding rows
// of a node that opens or closes.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeAnimationState.h"

#include <QPainter>

namespace vtree {

using enum TLazyTreeState;

namespace {

// Shows the moving picture over the rows while a toggle animates; the rows
// underneath are already painted in their new state.
class ToggleOverlay : public QWidget {
public:
    ToggleOverlay(QWidget *parent, const QImage &frame) : QWidget(parent), m_frame(frame)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_frame);
    }

private:
    const QImage &m_frame;
};

} // namespace

void TTreePartDeleter::operator()(TTreeAnimationState *Part) const { delete Part; }

TTreePart<TTreeAnimationState> TLazyStringTreeWidget::newAnimationState()
{
    return TTreePart<TTreeAnimationState>(new TTreeAnimationState);
}

bool TLazyStringTreeWidget::IsToggleAnimating() const
{
    return FAnimation->ToggleOverlay && FAnimation->ToggleOverlay->isVisible();
}

const QImage &TLazyStringTreeWidget::ToggleFrame() const { return FAnimation->ToggleFrame; }

void TLazyStringTreeWidget::stopAnimation()
{
    if (FAnimation->Animation)
        FAnimation->Animation->stop();
}

TTimedAnimation &TLazyStringTreeWidget::Animation()
{
    if (!FAnimation->Animation)
        FAnimation->Animation = new TTimedAnimation(this);
    return *FAnimation->Animation;
}

bool TLazyStringTreeWidget::canAnimate() const
{
    return isVisible() && !window()->testAttribute(Qt::WA_DontShowOnScreen) && !IsDestroying();
}

bool TLazyStringTreeWidget::RunAnimation(int Steps, unsigned Duration, TTimedAnimation::StepFunction Step,
                                         std::function<void()> Finished)
{
    if (TreeStates().contains(tsInAnimation) || Duration == 0)
        return false;
    ChangeTreeStates({tsInAnimation}, {});
    QPointer<QObject> alive(this);
    const auto leave = [this, alive, Finished = std::move(Finished)] {
        if (!alive)
            return;
        ChangeTreeStates({}, {tsInAnimation, tsCancelHintAnimation});
        if (Finished)
            Finished();
    };
    if (!Animation().start(Steps, Duration, std::move(Step), leave)) {
        if (alive)
            ChangeTreeStates({}, tsInAnimation);
        return false;
    }
    return true;
}

void TLazyStringTreeWidget::FinishAnimation()
{
    if (FAnimation->Animation)
        FAnimation->Animation->finish();
}

TToggleGeometry TLazyStringTreeWidget::toggleGeometry(PLazyNode Node, std::int64_t HeightChange)
{
    const platform::TRect row = GetDisplayRect(Node, NoColumn, false);
    TToggleGeometry g;
    g.Left = row.Left;
    g.Top = row.Top;
    g.Right = row.Right;
    g.Bottom = row.Bottom;
    g.NodeHeight = int(Node->NodeHeight);
    g.TotalHeight = int(Node->TotalHeight);
    g.ClientHeight = ClientHeight();
    g.HeightChange = int(HeightChange);
    g.RangeY = RangeY();
    g.OffsetY = OffsetY();
    g.ChildrenAbove = toOption(TLTPaintOption::toChildrenAbove);
    g.Advanced = toOption(TLTAnimationOption::toAdvancedAnimatedToggle);
    g.AutoScrollOnExpand = toOption(TLTAutoOption::toAutoScrollOnExpand);
    return g;
}

void TLazyStringTreeWidget::AnimateToggle(PLazyNode Node, bool Expanding, std::int64_t HeightChange)
{
    if (!toOption(TLTAnimationOption::toAnimatedToggle) || IsUpdating() || !canAnimate() || AnimationDuration() == 0)
        return;
    if (Expanding ? TreeStates().containsAny({tsExpanding, tsPainting}) : TreeStates().contains(tsCollapsing))
        return;
    if (!GetEffectivelyVisible(Node) || IsRectEmpty(GetDisplayRect(Node, NoColumn, false)))
        return;
    ToggleScrollData data;
    const TToggleGeometry g = toggleGeometry(Node, HeightChange);
    if (!(Expanding ? planExpandAnimation(g, data) : planCollapseAnimation(g, data)))
        return;
    if (TreeStates().contains(tsHint))
        CancelTreeHint();
    // One toggle slides at a time: a running one ends first.
    FinishAnimation();
    data.Background = Color();
    if (ColumnsUsed()) {
        const TLazyTreeColumns &columns = FHeader.Columns();
        for (TColumnIndex column = columns.GetFirstVisibleColumn(); column != InvalidColumn;
             column = columns.GetNextVisibleColumn(column)) {
            int left = 0;
            int right = 0;
            GetColumnBounds(column, left, right);
            if (left >= ClientWidth())
                break;
            if (!columns[column].Options().contains(TLTColumnOption::coParentColor))
                data.Pieces.push_back({left, right, columns[column].Color()});
        }
    }
    const int steps = prepareToggleSteps(data);
    if (steps <= 0)
        return;
    FAnimation->Toggle = std::move(data);
    FAnimation->ToggleFrame = paintToImage();
    if (!FAnimation->ToggleOverlay)
        FAnimation->ToggleOverlay = new ToggleOverlay(viewport(), FAnimation->ToggleFrame);
    QWidget *overlay = FAnimation->ToggleOverlay;
    overlay->setGeometry(viewport()->rect());
    overlay->raise();
    overlay->show();
    QPointer<QWidget> overlayAlive(overlay);
    const auto step = [this, overlayAlive](int Step, int StepSize) {
        if (!overlayAlive)
            return false;
        AnimateToggleStep(Step, StepSize, FAnimation->Toggle, FAnimation->ToggleFrame);
        overlayAlive->update();
        return true;
    };
    const auto finished = [this, overlayAlive] {
        if (overlayAlive)
            overlayAlive->hide();
        Invalidate();
    };
    if (!RunAnimation(steps, AnimationDuration(), step, finished))
        overlay->hide();
}

} // namespace vtree
