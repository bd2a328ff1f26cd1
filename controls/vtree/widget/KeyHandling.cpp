// The tree's keys: Qt's key events turned into virtual-key codes, the keys
// that are no navigation (check boxes, select all, expanding, help, editing,
// the context menu) and the character that feeds the incremental search.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/TreeKeys.h"
#include "platform/Input.h"

#include <QKeyEvent>
#include <QMenu>

namespace vtree {

void TTreePartDeleter::operator()(TTreeKeyState *Part) const { delete Part; }

TTreePart<TTreeKeyState> TLazyStringTreeWidget::newKeyState() { return TTreePart<TTreeKeyState>(new TTreeKeyState); }

int TLazyStringTreeWidget::HelpContext() const { return FKeys->HelpContext; }
void TLazyStringTreeWidget::SetHelpContext(int value) { FKeys->HelpContext = value; }

using enum TLazyTreeState;
using enum TShiftStateItem;
using platform::VK_BACK;
using platform::VK_DOWN;
using platform::VK_END;
using platform::VK_ESCAPE;
using platform::VK_F1;
using platform::VK_F2;
using platform::VK_HOME;
using platform::VK_LEFT;
using platform::VK_NEXT;
using platform::VK_PRIOR;
using platform::VK_RIGHT;
using platform::VK_SPACE;
using platform::VK_TAB;
using platform::VK_UP;

namespace {

TShiftState treeShiftState(Qt::KeyboardModifiers modifiers)
{
    TShiftState shift;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift.include(ssShift);
    if (modifiers.testFlag(Qt::ControlModifier))
        shift.include(ssCtrl);
    if (modifiers.testFlag(Qt::AltModifier))
        shift.include(ssAlt);
    return shift;
}

// The key's code. The characters "*", "+", "-" and "/" count as the keypad's
// operators from either keyboard; a key that only types arrives as a character.
std::uint16_t keyCode(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_Menu:
        return VK_APPS;
    default:
        break;
    }
    if (const std::uint16_t vk = platform::virtualKey(event.key()))
        return vk;
    return event.text().isEmpty() ? 0 : VK_CHARACTER;
}

bool isNavigationKey(std::uint16_t key)
{
    switch (key) {
    case VK_BACK:
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

void TLazyStringTreeWidget::keyPressEvent(QKeyEvent *event)
{
    const std::uint16_t key = keyCode(*event);
    if (key == 0 || !HandleKeyDown(key, treeShiftState(event->modifiers()))) {
        event->ignore();
        return;
    }
    event->accept();
    for (QChar c : event->text())
        HandleChar(c.unicode());
}

void TLazyStringTreeWidget::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its press only; the release counts once.
    if (event->isAutoRepeat())
        return;
    if (const std::uint16_t key = keyCode(*event))
        HandleKeyUp(key, treeShiftState(event->modifiers()));
}

bool TLazyStringTreeWidget::HandleKeyDown(std::uint16_t CharCode, TShiftState Shift)
{
    if (!QueryKeyAction(CharCode, Shift))
        return true;
    if (TreeStates().contains(tsKeyCheckPending) && CharCode != VK_SPACE)
        abandonKeyCheck();
    if (isNavigationKey(CharCode) && !IsEmpty()) {
        handleNavigationKey(CharCode, Shift);
        return true;
    }
    return handleOtherKey(CharCode, Shift);
}

void TLazyStringTreeWidget::HandleKeyUp(std::uint16_t CharCode, TShiftState)
{
    if (CharCode == VK_TAB) {
        if (!FocusedNode()) {
            PLazyNode first = GetFirstSelected();
            SetFocusedNode(first ? first : GetFirstVisible());
        }
    } else if (CharCode == VK_SPACE && TreeStates().contains(tsKeyCheckPending)) {
        ChangeTreeStates({}, tsKeyCheckPending);
        PLazyNode node = CheckNode();
        forgetPendingCheck();
        if (!node)
            return;
        if (node == FocusedNode())
            ApplyCheckState(node, PendingCheckState());
        node->CheckState = ReleasedState(node->CheckState);
        InvalidateNode(node);
    }
}

void TLazyStringTreeWidget::HandleChar(char16_t CharCode)
{
    if (!TreeStates().contains(tsIncrementalSearchPending))
        return;
    ChangeTreeStates({}, tsIncrementalSearchPending);
    HandleIncrementalSearch(CharCode);
}

void TLazyStringTreeWidget::abandonKeyCheck()
{
    ChangeTreeStates({}, tsKeyCheckPending);
    if (PLazyNode node = CheckNode()) {
        forgetPendingCheck();
        node->CheckState = ReleasedState(node->CheckState);
        InvalidateNode(node);
    }
}

bool TLazyStringTreeWidget::startKeyCheck()
{
    PLazyNode node = FocusedNode();
    if (!toOption(TLTMiscOption::toCheckSupport) || !node || node->CheckType == TCheckType::ctNone
        || TreeStates().containsAny({tsKeyCheckPending, tsMouseCheckPending}) || node->States.contains(TLazyNodeState::vsDisabled))
        return false;
    TCheckState next = NextCheckState(node->CheckType, node->CheckState);
    if (QueryChecking(node, next)) {
        ChangeTreeStates(tsKeyCheckPending, {});
        setPendingCheck(node, next);
        node->CheckState = PressedState(node->CheckState);
        InvalidateNode(node);
    }
    return true;
}

bool TLazyStringTreeWidget::handleOtherKey(std::uint16_t CharCode, TShiftState Shift)
{
    const bool ctrl = Shift.contains(ssCtrl);
    const bool searching = TreeStates().contains(tsIncrementalSearching);
    const bool reverseHotKey = toOption(TLTMiscOption::toReverseFullExpandHotKey);
    switch (CharCode) {
    case VK_ESCAPE:
        if (IsMouseSelecting()) {
            ChangeTreeStates({}, {tsDrawSelPending, tsDrawSelecting});
            Invalidate();
            return true;
        }
        if (TreeStates().contains(tsEditing)) {
            CancelEditNode();
            return true;
        }
        // Nothing to cancel here: the dialog's cancel button may want it.
        return false;
    case VK_SPACE:
        if (startKeyCheck())
            return true;
        break;
    case 'A':
        if (ctrl) {
            SelectAll(true);
            return true;
        }
        break;
    case VK_APPS:
        popupForFocusedNode();
        return true;
    case VK_MULTIPLY:
        if (searching)
            break;
        if (FocusedNode())
            FullExpand(FocusedNode());
        return true;
    case VK_ADD:
    case VK_SUBTRACT: {
        const bool add = CharCode == VK_ADD;
        if (ctrl) {
            if (Shift.contains(ssShift) != reverseHotKey)
                add ? FullExpand() : FullCollapse();
            else if (add)
                AutoFitColumns(true, TSmartAutoFitType::smaUseColumnOption, -1, -1);
            else
                FHeader.RestoreColumns();
            return true;
        }
        if (searching)
            break;
        if (FocusedNode() && GetExpanded(FocusedNode()) != add && (!add || GetHasChildren(FocusedNode())))
            ToggleNode(FocusedNode());
        return true;
    }
    case VK_DIVIDE:
        if (searching)
            break;
        if (FocusedNode())
            FullCollapse(FocusedNode());
        return true;
    case VK_F1:
        showHelp();
        return true;
    case VK_F2:
        if (Shift.empty() && FocusedNode() && CanEdit(FocusedNode(), FocusedColumn()))
            EditNode(FocusedNode(), FocusedColumn());
        return true;
    default:
        break;
    }
    // What remains types: with Ctrl or Alt alone it is a shortcut, not ours.
    const bool alt = Shift.contains(ssAlt);
    if (ctrl != alt || CharCode < 32)
        return false;
    ChangeTreeStates(tsIncrementalSearchPending, {});
    return true;
}

void TLazyStringTreeWidget::showHelp()
{
    if (!OnGetHelpContext)
        return;
    int context = 0;
    const TColumnIndex column = std::max(FocusedColumn(), 0);
    for (PLazyNode node = FocusedNode(); node && node != RootNode() && context == 0; node = node->Parent)
        context = QueryHelpContext(node, column);
    if (context == 0)
        context = FKeys->HelpContext;
    for (QWidget *parent = parentWidget(); parent && context == 0; parent = parent->parentWidget())
        context = parent->property("HelpContext").toInt();
    if (context != 0 && OnShowHelp)
        OnShowHelp(this, context);
}

void TLazyStringTreeWidget::popupForFocusedNode()
{
    if (!FocusedNode()) {
        ShowPopupMenu(nullptr, NoColumn, {-1, -1});
        return;
    }
    const platform::TRect cell = GetDisplayRect(FocusedNode(), FocusedColumn(), false);
    int limit = ClientWidth();
    if (ColumnsUsed() && IsValidColumn(FocusedColumn()))
        limit = FHeader.Columns()[FocusedColumn()].Width();
    const int width = std::min(MeasureNodeWidth(nullptr, FocusedNode(), FocusedColumn()), limit);
    ShowPopupMenu(FocusedNode(), FocusedColumn(), {cell.Left + width / 2, (cell.Top + cell.Bottom) / 2});
}

void TLazyStringTreeWidget::ShowPopupMenu(PLazyNode Node, TColumnIndex Column, QPoint Position)
{
    QMenu *menu = QueryPopupMenu(Node, Column, Position);
    if (!menu)
        return;
    ChangeTreeStates(tsPopupMenuShown, {});
    KillTreeTimer(EditTimer);
    menu->popup(viewport()->mapToGlobal(Position));
}

} // namespace vtree
