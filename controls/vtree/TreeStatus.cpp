// The tree's states and where its content is scrolled to.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeStatus.h"

namespace vtree {

void TCorePartDeleter::operator()(TTreeStatus *Part) const { delete Part; }

TCorePart<TTreeStatus> TBaseLazyTree::newStatus() { return TCorePart<TTreeStatus>(new TTreeStatus); }

TLazyTreeStates TBaseLazyTree::TreeStates() const { return FStatus->States; }

void TBaseLazyTree::SetTreeStates(TLazyTreeStates value) { FStatus->States = value; }

void TBaseLazyTree::enterTreeState(TLazyTreeStates States) { FStatus->States.include(States); }

void TBaseLazyTree::leaveTreeState(TLazyTreeStates States) { FStatus->States.exclude(States); }

// A tree being destroyed reports no state changes: its owner may be half
// gone already.
void TBaseLazyTree::ChangeTreeStates(TLazyTreeStates Enter, TLazyTreeStates Leave)
{
    TLazyTreeStates &states = FStatus->States;
    if (OnStateChange && !IsDestroying() && !((Enter - states) + (states * Leave)).empty())
        OnStateChange(this, Enter, Leave);
    states = (states + Enter) - Leave;
    publishStopValidation(states.contains(TLazyTreeState::tsStopValidation));
}

int TBaseLazyTree::OffsetX() const { return FStatus->OffsetX; }

int TBaseLazyTree::OffsetY() const { return FStatus->OffsetY; }

QPoint TBaseLazyTree::OffsetXY() const { return {FStatus->OffsetX, FStatus->OffsetY}; }

void TBaseLazyTree::storeOffsets(int X, int Y)
{
    FStatus->OffsetX = X;
    FStatus->OffsetY = Y;
}

} // namespace vtree
