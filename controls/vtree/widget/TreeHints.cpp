// The tree's hints: whether and where a hint shows for a cursor position.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeHintState.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>

namespace vtree {

using enum TLazyTreeState;
using enum TLTHintMode;
using platform::TRect;

namespace {

QRect toQ(const TRect &r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

QString shortHint(const QString &Hint) { return Hint.section(QLatin1Char('|'), 0, 0); }

} // namespace

void TTreePartDeleter::operator()(TTreeHintState *Part) const { delete Part; }

TTreePart<TTreeHintState> TLazyStringTreeWidget::newHintState() { return TTreePart<TTreeHintState>(new TTreeHintState); }

bool TLazyStringTreeWidget::ShowHint() const { return FHints->ShowHint; }
void TLazyStringTreeWidget::SetShowHint(bool value) { FHints->ShowHint = value; }
TLazyTreeHintWindow *TLazyStringTreeWidget::HintWindow() const { return FHints->HintWindow; }
const platform::TRect &TLazyStringTreeWidget::LastHintRect() const { return FHints->LastHintRect; }

// The platform asks for a hint once the mouse has rested over the rows.
bool TLazyStringTreeWidget::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        if (!ShowHintAt(static_cast<QHelpEvent *>(event)->pos()))
            event->ignore();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

int TLazyStringTreeWidget::HandleHintShow(TLTHintInfo &HintInfo)
{
    int result = 1;
    const QPoint cursor = HintInfo.CursorPos;
    if (PtInRect(FHints->LastHintRect, {cursor.x(), cursor.y()}))
        return result;
    THitInfo hit;
    GetHitTestInfoAt(cursor.x(), cursor.y(), true, hit);
    bool allowed;
    if (TreeStates().contains(tsEditing))
        allowed = hit.HitNode != FocusedNode();
    else if (window() != this)
        allowed = window()->isActiveWindow() || QGuiApplication::applicationState() == Qt::ApplicationActive;
    else
        allowed = Focused();
    bool show = false;
    if (!QWidget::mouseGrabber() && FHints->ShowHint
        && !TreeStates().containsAny({tsOLEDragging, tsDrawSelecting, tsScrolling}) && allowed) {
        result = 0;
        // The tree's window draws from the hint data, not from this string.
        HintInfo.HintStr = QStringLiteral(" ");
        FHints->HintData = {};
        if (HintMode() != hmDefault && hit.HitNode && hit.HitColumn >= NoColumn) {
            if (QueryHintKind(hit.HitNode, hit.HitColumn) == TLTHintKind::vhkOwnerDraw) {
                QRect size;
                QueryHintSize(hit.HitNode, hit.HitColumn, size);
                FHints->HintData.HintRect = size;
                show = !size.isEmpty();
            } else
                show = true;
            int cellLeft = 0;
            int cellRight = ClientWidth();
            if (ColumnsUsed() && IsValidColumn(hit.HitColumn)) {
                GetColumnBounds(hit.HitColumn, cellLeft, cellRight);
                TColumnIndex spanned = hit.HitColumn;
                if (toOption(TLTAutoOption::toAutoSpanColumns))
                    spanEmptyCells(hit.HitNode, spanned, cellLeft, cellRight);
            }
            if (HintMode() == hmTooltip) {
                TRect r;
                if (!GetMultiline(hit.HitNode)) {
                    r = GetDisplayRect(hit.HitNode, hit.HitColumn, true, true, true);
                    const bool clipped = std::min(cellRight - 1, ClientWidth()) < r.Right || r.Left < std::max(cellLeft, 0)
                                         || ClientHeight() < r.Bottom || r.Top < 0;
                    show = show && PtInRect(r, {cursor.x(), cursor.y()}) && cursor.x() >= cellLeft
                           && cursor.x() <= cellRight && clipped;
                } else {
                    r = GetDisplayRect(hit.HitNode, hit.HitColumn, true);
                    show = show && hit.HitPositions.contains(THitPosition::hiOnItemLabel);
                }
                if (show) {
                    HintInfo.HintPos = viewport()->mapToGlobal(QPoint(r.Left, r.Top));
                    HintInfo.CursorRect = toQ(r);
                } else
                    result = 1;
            } else {
                TRect row = GetDisplayRect(hit.HitNode, NoColumn, false);
                row.Left = cellLeft;
                row.Right = cellRight;
                HintInfo.CursorRect = toQ(row);
                HintInfo.HintPos.setY(std::max(HintInfo.HintPos.y(), viewport()->mapToGlobal(QPoint(0, row.Bottom)).y()) + 2);
            }
        } else if (!hit.HitNode) {
            if (HintMode() == hmHintAndDefault) {
                FHints->HintData.DefaultHint = shortHint(TreeHint());
                show = !FHints->HintData.DefaultHint.isEmpty();
            } else if (HintMode() == hmDefault)
                HintInfo.HintStr = shortHint(TreeHint());
            else
                result = 1;
        } else if (HintMode() == hmDefault)
            HintInfo.HintStr = shortHint(TreeHint());
    }
    if (!show || result != 0)
        FHints->LastHintRect = {};
    else {
        FHints->HintData.Tree = this;
        FHints->HintData.Column = hit.HitColumn;
        FHints->HintData.Node = hit.HitNode;
        const QRect &r = HintInfo.CursorRect;
        FHints->LastHintRect = {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
        HintInfo.HintData = &FHints->HintData;
    }
    if (result != 0)
        ChangeTreeStates({}, tsHint);
    else
        ChangeTreeStates({tsHint}, {});
    return result;
}

bool TLazyStringTreeWidget::ShowHintAt(QPoint CursorPos)
{
    if (PtInRect(FHints->LastHintRect, {CursorPos.x(), CursorPos.y()}))
        return FHints->HintWindow && FHints->HintWindow->isVisible();
    QScreen *desktop = screen();
    TLTHintInfo info;
    info.CursorPos = CursorPos;
    info.CursorRect = QRect(CursorPos, QSize(1, 1));
    // Below the cursor, as the platform places its hints.
    info.HintPos = viewport()->mapToGlobal(CursorPos) + QPoint(0, 20);
    info.HintMaxWidth = desktop ? desktop->geometry().width() : 1024;
    if (HandleHintShow(info) != 0) {
        CancelTreeHint();
        return false;
    }
    if (!info.HintData) {
        // The platform's plain hint.
        if (info.HintStr.trimmed().isEmpty()) {
            CancelTreeHint();
            return false;
        }
        QToolTip::showText(info.HintPos, info.HintStr, viewport());
        return true;
    }
    if (!FHints->HintWindow)
        FHints->HintWindow = new TLazyTreeHintWindow(this);
    TLazyTreeHintWindow *window = FHints->HintWindow;
    const QRect rect = window->CalcHintRect(info.HintMaxWidth, *info.HintData);
    if (rect.isEmpty()) {
        CancelTreeHint();
        return false;
    }
    QPointer<TLazyTreeHintWindow> alive(window);
    window->ActivateHint(rect.translated(info.HintPos), CursorPos, desktop ? desktop->geometry() : QRect());
    return alive && alive->isVisible();
}

void TLazyStringTreeWidget::CancelTreeHint()
{
    FHints->LastHintRect = {};
    if (FHints->HintWindow && FHints->HintWindow->isVisible()) {
        // The hint goes: its animation stops without drawing once more.
        if (TreeStates().contains(tsInAnimation) && !IsToggleAnimating()) {
            stopAnimation();
            ChangeTreeStates({}, {tsInAnimation, tsCancelHintAnimation});
        }
        FHints->HintWindow->hide();
    }
    if (TreeStates().contains(tsHint))
        ChangeTreeStates({}, tsHint);
}

THintAnimationType TLazyStringTreeWidget::EffectiveHintAnimation() const
{
    if (HintAnimation() != THintAnimationType::hatSystemDefault)
        return HintAnimation();
    if (QApplication::isEffectEnabled(Qt::UI_FadeTooltip))
        return THintAnimationType::hatFade;
    if (QApplication::isEffectEnabled(Qt::UI_AnimateTooltip))
        return THintAnimationType::hatSlide;
    return THintAnimationType::hatNone;
}

} // namespace vtree
