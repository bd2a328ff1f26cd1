#include "controls/vtree/NodeEnumeration.h"

#include "controls/vtree/BaseLazyTree.h"

namespace vtree {

using enum TLazyNodeEnumerationMode;

bool TLTLazyNodeEnumerator::MoveNext()
{
    if (!FCanModeNext || !FEnumeration.FTree)
        return false;
    FNode = FNode ? FEnumeration.next(FNode) : FEnumeration.first();
    FCanModeNext = FNode != nullptr;
    return FCanModeNext;
}

PLazyNode TLTLazyNodeEnumeration::first() const
{
    const Settings &s = FSettings;
    TBaseLazyTree &tree = *FTree;
    switch (s.Mode) {
    case vneAll:
        return tree.GetFirst(s.ConsiderChildrenAbove);
    case vneChecked:
        return tree.GetFirstChecked(s.State, s.ConsiderChildrenAbove);
    case vneChild:
        return tree.GetFirstChild(s.Node);
    case vneCutCopy:
        return tree.GetFirstCutCopy(s.ConsiderChildrenAbove);
    case vneInitialized:
        return tree.GetFirstInitialized(s.ConsiderChildrenAbove);
    case vneLeaf:
        return tree.GetFirstLeaf();
    case vneLevel:
        return tree.GetFirstLevel(s.NodeLevel);
    case vneNoInit:
        return tree.GetFirstNoInit(s.ConsiderChildrenAbove);
    case vneSelected:
        return tree.GetFirstSelected(s.ConsiderChildrenAbove);
    case vneVisible:
        return tree.GetFirstVisible(s.Node, s.ConsiderChildrenAbove, s.IncludeFiltered);
    case vneVisibleChild:
        return tree.GetFirstVisibleChild(s.Node, s.IncludeFiltered);
    case vneVisibleNoInitChild:
        return tree.GetFirstVisibleChildNoInit(s.Node, s.IncludeFiltered);
    case vneVisibleNoInit:
        return tree.GetFirstVisibleNoInit(s.Node, s.ConsiderChildrenAbove, s.IncludeFiltered);
    }
    return nullptr;
}

PLazyNode TLTLazyNodeEnumeration::next(PLazyNode node) const
{
    const Settings &s = FSettings;
    TBaseLazyTree &tree = *FTree;
    switch (s.Mode) {
    case vneAll:
        return tree.GetNext(node, s.ConsiderChildrenAbove);
    case vneChecked:
        return tree.GetNextChecked(node, s.State, s.ConsiderChildrenAbove);
    case vneChild:
        return tree.GetNextSibling(node);
    case vneCutCopy:
        return tree.GetNextCutCopy(node, s.ConsiderChildrenAbove);
    case vneInitialized:
        return tree.GetNextInitialized(node, s.ConsiderChildrenAbove);
    case vneLeaf:
        return tree.GetNextLeaf(node);
    case vneLevel:
        return tree.GetNextLevel(node, s.NodeLevel);
    case vneNoInit:
        return tree.GetNextNoInit(node, s.ConsiderChildrenAbove);
    case vneSelected:
        return tree.GetNextSelected(node, s.ConsiderChildrenAbove);
    case vneVisible:
        return tree.visibleWalk(node, true, true, true, s.IncludeFiltered);
    case vneVisibleChild:
        return tree.GetNextVisibleSibling(node, s.IncludeFiltered);
    case vneVisibleNoInitChild:
        return tree.GetNextVisibleSiblingNoInit(node, s.IncludeFiltered);
    case vneVisibleNoInit:
        return tree.visibleWalk(node, s.ConsiderChildrenAbove, true, false, s.IncludeFiltered);
    }
    return nullptr;
}

TLTLazyNodeEnumeration TBaseLazyTree::Nodes(bool C) { return {*this, {vneAll, C}}; }

TLTLazyNodeEnumeration TBaseLazyTree::CheckedNodes(TCheckState State, bool C)
{
    TLTLazyNodeEnumeration::Settings s{vneChecked, C};
    s.State = State;
    return {*this, s};
}

TLTLazyNodeEnumeration TBaseLazyTree::ChildNodes(PLazyNode Node) { return {*this, {vneChild, false, Node}}; }

TLTLazyNodeEnumeration TBaseLazyTree::CutCopyNodes(bool C) { return {*this, {vneCutCopy, C}}; }

TLTLazyNodeEnumeration TBaseLazyTree::InitializedNodes(bool C) { return {*this, {vneInitialized, C}}; }

TLTLazyNodeEnumeration TBaseLazyTree::LeafNodes() { return {*this, {vneLeaf}}; }

TLTLazyNodeEnumeration TBaseLazyTree::LevelNodes(unsigned NodeLevel) { return {*this, {vneLevel, false, nullptr, NodeLevel}}; }

TLTLazyNodeEnumeration TBaseLazyTree::NoInitNodes(bool C) { return {*this, {vneNoInit, C}}; }

TLTLazyNodeEnumeration TBaseLazyTree::SelectedNodes(bool C) { return {*this, {vneSelected, C}}; }

TLTLazyNodeEnumeration TBaseLazyTree::VisibleNodes(PLazyNode Node, bool C, bool IF)
{
    TLTLazyNodeEnumeration::Settings s{vneVisible, C, Node};
    s.IncludeFiltered = IF;
    return {*this, s};
}

TLTLazyNodeEnumeration TBaseLazyTree::VisibleChildNodes(PLazyNode Node, bool IF)
{
    TLTLazyNodeEnumeration::Settings s{vneVisibleChild, false, Node};
    s.IncludeFiltered = IF;
    return {*this, s};
}

TLTLazyNodeEnumeration TBaseLazyTree::VisibleChildNoInitNodes(PLazyNode Node, bool IF)
{
    TLTLazyNodeEnumeration::Settings s{vneVisibleNoInitChild, false, Node};
    s.IncludeFiltered = IF;
    return {*this, s};
}

TLTLazyNodeEnumeration TBaseLazyTree::VisibleNoInitNodes(PLazyNode Node, bool C, bool IF)
{
    TLTLazyNodeEnumeration::Settings s{vneVisibleNoInit, C, Node};
    s.IncludeFiltered = IF;
    return {*this, s};
}

} // namespace vtree
