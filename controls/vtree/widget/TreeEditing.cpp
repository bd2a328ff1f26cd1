// In-place editing: the tree's side of the edit link.
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/widget/EditLink.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeEditState.h"

#include <QThread>

namespace vtree {

void TTreePartDeleter::operator()(TTreeEditState *Part) const { delete Part; }

TTreePart<TTreeEditState> TLazyStringTreeWidget::newEditState() { return TTreePart<TTreeEditState>(new TTreeEditState); }

TColumnIndex TLazyStringTreeWidget::EditColumn() const { return FEdit->EditColumn; }
ILTEditLink *TLazyStringTreeWidget::EditLink() const { return FEdit->EditLink.get(); }

using enum TLazyTreeState;

bool TLazyStringTreeWidget::CanEdit(PLazyNode Node, TColumnIndex Column)
{
    bool allowed = toOption(TLTMiscOption::toEditable) && IsTreeEnabled() && !IsReadOnly()
                   && (Column == NoColumn
                       || (IsValidColumn(Column)
                           && FHeader.Columns()[Column].Options().contains(TLTColumnOption::coEditable)));
    QueryCanEdit(Node, Column, allowed);
    return allowed;
}

bool TLazyStringTreeWidget::EditNode(PLazyNode Node, TColumnIndex Column)
{
    LT_ASSERT(Node, assertions::nodeNil);
    LT_ASSERT_TEXT(Column >= NoColumn && (Column == NoColumn || Column < FHeader.Columns().Count()),
                   QString::fromLatin1(assertions::invalidEditColumn));
    if (TreeStates().contains(tsEditing) || IsReadOnly())
        return TreeStates().contains(tsEditing);
    SetFocusedNode(Node);
    if (FocusedNode() == Node && CanEdit(Node, Column)) {
        FEdit->EditColumn = Column;
        initNode(Node);
        OpenEditor();
    }
    return TreeStates().contains(tsEditing);
}

bool TLazyStringTreeWidget::EndEditNode()
{
    if (TreeStates().containsAny({tsEditing, tsEditPending}))
        return CloseEditor();
    return true;
}

bool TLazyStringTreeWidget::CancelEditNode()
{
    if (TreeStates().containsAny({tsEditing, tsEditPending}))
        return AbortEditor();
    return true;
}

TAlignment TLazyStringTreeWidget::EditAlignment(TColumnIndex Column) const
{
    const TAlignment alignment = cellAlignment(Column);
    return readsRightToLeft(Column) ? mirrored(alignment) : alignment;
}

void TLazyStringTreeWidget::OpenEditor()
{
    CancelTreeHint();
    KillTreeTimer(ScrollTimer);
    KillTreeTimer(EditTimer);
    ChangeTreeStates({}, tsEditPending);
    PLazyNode node = FocusedNode();
    if (!node || GetDisabled(node) || IsReadOnly() || FEdit->EditLink)
        return;
    platform::InterfaceRef<ILTEditLink> link = CreateEditLink(node, FEdit->EditColumn);
    if (!link)
        link = new TStringEditLink;
    FEdit->EditLink = link;
    ChangeTreeStates({tsEditing}, {tsToggleFocusedSelection, tsClearPending, tsDrawSelPending, tsDrawSelecting,
                                   tsMouseCheckPending, tsOLEDragging, tsOLEDragPending, tsScrolling, tsScrollPending});
    ScrollIntoView(node, toOption(TLTSelectionOption::toCenterScrollIntoView),
                   !toOption(TLTAutoOption::toDisableAutoscrollOnEdit));
    if (link->PrepareEdit(this, node, FEdit->EditColumn)) {
        setEditedNode(node);
        PlaceEditor();
        InvalidateNode(node);
        if (!link->BeginEdit())
            ChangeTreeStates({}, tsEditing);
    } else
        ChangeTreeStates({}, tsEditing);
    if (!TreeStates().contains(tsEditing)) {
        FEdit->EditLink.reset();
        setEditedNode(nullptr);
    }
}

bool TLazyStringTreeWidget::CloseEditor()
{
    KillTreeTimer(EditTimer);
    bool result = true;
    if (TreeStates().contains(tsEditing)) {
        // The link answers for itself even when the tree lets it go.
        platform::InterfaceRef<ILTEditLink> link = FEdit->EditLink;
        result = !link || link->EndEdit();
        if (result) {
            ChangeTreeStates({}, tsEditing);
            FEdit->EditLink.reset();
            setEditedNode(nullptr);
            if (OnEdited) {
                // The handler may destroy the tree.
                QPointer<QObject> alive(this);
                OnEdited(this, FocusedNode(), FEdit->EditColumn);
                if (!alive)
                    return result;
            }
        }
    }
    ChangeTreeStates({}, tsEditPending);
    return result;
}

bool TLazyStringTreeWidget::AbortEditor()
{
    KillTreeTimer(EditTimer);
    ChangeTreeStates({}, tsEditPending);
    if (!TreeStates().contains(tsEditing))
        return true;
    platform::InterfaceRef<ILTEditLink> link = FEdit->EditLink;
    // A state set without an editor has nothing to cancel.
    const bool result = !link || link->CancelEdit();
    if (result) {
        ChangeTreeStates({}, tsEditing);
        setEditedNode(nullptr);
        if (!IsDestroying())
            FEdit->EditLink.reset();
        if (OnEditCancelled)
            OnEditCancelled(this, FEdit->EditColumn);
    }
    return result;
}

void TLazyStringTreeWidget::PlaceEditor()
{
    const TColumnIndex column = FEdit->EditColumn;
    if (!TreeStates().contains(tsEditing) || !FocusedNode() || !FEdit->EditLink
        || (column != NoColumn && column >= FHeader.Columns().Count()) || QThread::currentThread() != thread())
        return;
    platform::TRect r = GetDisplayRect(FocusedNode(), column, true, !GetMultiline(FocusedNode()));
    if (toOption(TLTMiscOption::toGridExtensions)) {
        int left = 0;
        int right = 0;
        GetColumnBounds(column, left, right);
        if (EditAlignment(column) == TAlignment::taLeftJustify)
            r.Right = right;
        else
            r.Left = left;
    }
    if (toOption(TLTPaintOption::toShowHorzGridLines))
        --r.Bottom;
    const int height = std::max(r.Height(), FEdit->EditLink->GetBounds().height());
    FEdit->EditLink->SetBounds(QRect(r.Left, r.Top, r.Width(), height));
}

void TLazyStringTreeWidget::UpdateEditBounds()
{
    if (TreeStates().contains(tsEditing))
        PlaceEditor();
}

void TLazyStringTreeWidget::TimerFired(int Id)
{
    if (Id == EditTimer) {
        KillTreeTimer(EditTimer);
        OpenEditor();
        return;
    }
    TCustomLazyStringTree::TimerFired(Id);
}

} // namespace vtree
