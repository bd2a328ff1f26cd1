#pragma once
// The lazy tree's core: it owns the nodes, keeps their links and totals, asks
// the application for everything through events, and works without a window.
// The widget derives from it and overrides the window hooks (repainting,
// scroll bars, the canvas); the later parts (checks, sorting, the position
// cache, columns and header, editing, data transfer) override the hooks named
// after them. Everything runs on the interface thread.
//
// Node references the tree remembers (focus, hot node, drop target ...) are
// forgotten when their node goes, so none of them ever points at freed memory.
// Destroying the tree frees its nodes with OnFreeNode: an owner whose handler
// uses the owner's own members clears the tree before those members go.
#include "controls/vtree/CheckStates.h"
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/NodeEnumeration.h"
#include "controls/vtree/TreeEvents.h"
#include "controls/vtree/TreeOptions.h"
#include "controls/vtree/TreeStates.h"
#include "controls/vtree/TreeTypes.h"
#include "platform/Interface.h"
#include "platform/NumberedTimers.h"
#include "platform/ScopeGuard.h"

#include <QIODevice>
#include <QMimeData>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vtree {

using TNodeArray = std::vector<PLazyNode>;
struct SubtreeCopy;
class SiblingMergeSort;
class TRowIndex;
class NodeAllocator;

// The core's state lives in private parts, one per concern, each in a header
// of its own that only the sources of that concern include; a change to one
// concern's state rebuilds only them.
struct TTreeNodeStore;       // TreeNodeStore.h: the nodes, their sizes and counts
struct TTreeStatus;          // TreeStatus.h: the tree's states and scroll offsets
struct TTreeSelection;       // TreeSelection.h: the selection and the focus
struct TTreePendingCheck;    // TreePendingCheck.h: a check waiting for its release
struct TTreeBrackets;        // TreeBrackets.h: update brackets and delayed reports
struct TTreeRememberedNodes; // TreeRememberedNodes.h: nodes the later parts remember
struct TTreePositionCache;   // TreePositionCache.h: the position cache and row index
struct TTreeTexts;           // TreeTexts.h: the search's text and the tree's hint
struct TCorePartDeleter {
    void operator()(TTreeNodeStore *Part) const;
    void operator()(TTreeStatus *Part) const;
    void operator()(TTreeSelection *Part) const;
    void operator()(TTreePendingCheck *Part) const;
    void operator()(TTreeBrackets *Part) const;
    void operator()(TTreeRememberedNodes *Part) const;
    void operator()(TTreePositionCache *Part) const;
    void operator()(TTreeTexts *Part) const;
};
template <class T>
using TCorePart = std::unique_ptr<T, TCorePartDeleter>;

class TBaseLazyTree {
public:
    TBaseLazyTree();
    virtual ~TBaseLazyTree();
    TBaseLazyTree(const TBaseLazyTree &) = delete;
    TBaseLazyTree &operator=(const TBaseLazyTree &) = delete;

    // The class name the tree's assertion messages give.
    virtual QString ClassName() const { return QStringLiteral("TBaseLazyTree"); }

    // ---- Node model ----------------------------------------------------
    // The hidden root: never shown, never handed to the application.
    PLazyNode RootNode() const;
    // Bytes of caller's data per node; -1 until decided (the first node asks
    // OnGetNodeDataSize). Changing it discards every node and creates as
    // many fresh top-level nodes; a read-only or loading tree that holds
    // nodes refuses the change, so no node is ever read with the wrong size.
    int NodeDataSize() const;
    void SetNodeDataSize(int value);
    unsigned DefaultNodeHeight() const;
    void SetDefaultNodeHeight(unsigned value);

    void *GetNodeData(PLazyNode Node);
    template <class T>
    T *GetNodeData(PLazyNode Node)
    {
        return static_cast<T *>(GetNodeData(Node));
    }
    void SetNodeData(PLazyNode Node, void *pUserData);
    void SetNodeData(PLazyNode Node, platform::IInterface *pUserData);
    platform::InterfaceRef<platform::IInterface> GetNodeInterface(PLazyNode Node);
    unsigned GetNodeLevel(PLazyNode Node) const;
    PLazyNode GetNodeParent(PLazyNode Node) const;
    void SetNodeParent(PLazyNode Node, PLazyNode Value);
    std::uint8_t GetVerticalAlignment(PLazyNode Node) const { return Node ? Node->Align : 0; }
    void SetVerticalAlignment(PLazyNode Node, std::uint8_t Value);
    // Initialises every node first, then counts them.
    unsigned TotalCount();
    // Rows the tree can show: effectively visible nodes on a visible path.
    unsigned VisibleCount() const;
    static TBaseLazyTree *OwnerTreeOf(PLazyNode Node);

    TLazyTreeStates TreeStates() const;
    // Bypasses OnStateChange.
    void SetTreeStates(TLazyTreeStates value);

    // ---- Structure -----------------------------------------------------
    virtual PLazyNode AddChild(PLazyNode Parent, void *UserData = nullptr);
    PLazyNode AddChild(PLazyNode Parent, platform::IInterface *UserData);
    PLazyNode InsertNode(PLazyNode Node, TLTNodeAttachMode Mode, void *UserData = nullptr);
    std::uint32_t GetChildCount(PLazyNode Node) const;
    virtual void SetChildCount(PLazyNode Node, std::uint32_t NewChildCount);
    std::uint32_t RootNodeCount() const;
    void SetRootNodeCount(std::uint32_t Value);
    bool GetHasChildren(PLazyNode Node) const;
    void SetHasChildren(PLazyNode Node, bool Value);
    bool IsEmpty() const;
    void DeleteNode(PLazyNode Node) { RemoveNode(Node, true, false); }
    void DeleteChildren(PLazyNode Node, bool ResetHasChildren = false);
    virtual void DeleteSelectedNodes();
    virtual void Clear();
    void MoveTo(PLazyNode Source, PLazyNode Target, TLTNodeAttachMode Mode, bool ChildrenOnly);
    void MoveTo(PLazyNode Source, TBaseLazyTree &Tree, TLTNodeAttachMode Mode, bool ChildrenOnly);
    PLazyNode CopyTo(PLazyNode Source, PLazyNode Target, TLTNodeAttachMode Mode, bool ChildrenOnly);
    PLazyNode CopyTo(PLazyNode Source, TBaseLazyTree &Tree, TLTNodeAttachMode Mode, bool ChildrenOnly);

    // ---- Initialisation ------------------------------------------------
    void InitRecursive(PLazyNode Node, unsigned Levels = ~0u, bool pVisibleOnly = true);
    void ValidateNode(PLazyNode Node, bool Recursive);
    void ValidateChildren(PLazyNode Node, bool Recursive);
    virtual void ReinitNode(PLazyNode Node, bool Recursive);
    virtual void ReinitChildren(PLazyNode Node, bool Recursive);
    virtual void ResetNode(PLazyNode Node);
    bool GetChildrenInitialized(PLazyNode Node) const;

    // ---- Expansion, visibility, filtering, heights --------------------------
    bool GetExpanded(PLazyNode Node) const { return Node && Node->States.contains(TLazyNodeState::vsExpanded); }
    void SetExpanded(PLazyNode Node, bool Value);
    void ToggleNode(PLazyNode Node);
    virtual void FullExpand(PLazyNode Node = nullptr);
    virtual void FullCollapse(PLazyNode Node = nullptr);
    bool GetVisible(PLazyNode Node);
    void SetVisible(PLazyNode Node, bool Value);
    bool GetFullyVisible(PLazyNode Node) const;
    void SetFullyVisible(PLazyNode Node, bool Value);
    bool GetVisiblePath(PLazyNode Node) const;
    void SetVisiblePath(PLazyNode Node, bool Value);
    bool GetFiltered(PLazyNode Node) const { return Node && Node->States.contains(TLazyNodeState::vsFiltered); }
    void SetFiltered(PLazyNode Node, bool Value);
    bool GetEffectivelyFiltered(PLazyNode Node) const;
    bool GetEffectivelyVisible(PLazyNode Node) const;
    bool GetDisabled(PLazyNode Node) const { return Node && Node->States.contains(TLazyNodeState::vsDisabled); }
    void SetDisabled(PLazyNode Node, bool Value);
    bool GetMultiline(PLazyNode Node) const;
    void SetMultiline(PLazyNode Node, bool Value);
    unsigned GetNodeHeight(PLazyNode Node);
    // Clamped to the 16 bits the record keeps.
    void SetNodeHeight(PLazyNode Node, unsigned Value);
    // Asks the application for the node's height, once (toVariableNodeHeight).
    virtual void MeasureItemHeight(platform::TCanvas *Canvas, PLazyNode Node);

    // ---- Navigation and iteration ---------------------------------------
    // C: ConsiderChildrenAbove; IF: IncludeFiltered. The NoInit forms never
    // ask the application anything.
    PLazyNode GetFirst(bool C = false);
    PLazyNode GetFirstNoInit(bool C = false) const;
    PLazyNode GetNext(PLazyNode Node, bool C = false);
    PLazyNode GetNextNoInit(PLazyNode Node, bool C = false) const;
    PLazyNode GetPrevious(PLazyNode Node, bool C = false);
    PLazyNode GetPreviousNoInit(PLazyNode Node, bool C = false) const;
    PLazyNode GetLast(PLazyNode Node = nullptr, bool C = false);
    PLazyNode GetLastNoInit(PLazyNode Node = nullptr, bool C = false) const;
    PLazyNode GetFirstChild(PLazyNode Node);
    PLazyNode GetFirstChildNoInit(PLazyNode Node) const;
    PLazyNode GetLastChild(PLazyNode Node);
    PLazyNode GetLastChildNoInit(PLazyNode Node) const;
    PLazyNode GetNextSibling(PLazyNode Node);
    PLazyNode GetNextSiblingNoInit(PLazyNode Node) const;
    PLazyNode GetPreviousSibling(PLazyNode Node);
    PLazyNode GetPreviousSiblingNoInit(PLazyNode Node) const;
    PLazyNode GetFirstVisible(PLazyNode Node = nullptr, bool C = true, bool IF = false);
    PLazyNode GetFirstVisibleNoInit(PLazyNode Node = nullptr, bool C = true, bool IF = false);
    PLazyNode GetNextVisible(PLazyNode Node, bool C = true);
    PLazyNode GetNextVisibleNoInit(PLazyNode Node, bool C = true);
    PLazyNode GetPreviousVisible(PLazyNode Node, bool C = true);
    PLazyNode GetPreviousVisibleNoInit(PLazyNode Node, bool C = true);
    PLazyNode GetLastVisible(PLazyNode Node = nullptr, bool C = true, bool IF = false);
    PLazyNode GetLastVisibleNoInit(PLazyNode Node = nullptr, bool C = true, bool IF = false);
    PLazyNode GetFirstVisibleChild(PLazyNode Node, bool IF = false);
    PLazyNode GetFirstVisibleChildNoInit(PLazyNode Node, bool IF = false) const;
    PLazyNode GetLastVisibleChild(PLazyNode Node, bool IF = false);
    PLazyNode GetLastVisibleChildNoInit(PLazyNode Node, bool IF = false) const;
    PLazyNode GetNextVisibleSibling(PLazyNode Node, bool IF = false);
    PLazyNode GetNextVisibleSiblingNoInit(PLazyNode Node, bool IF = false) const;
    PLazyNode GetPreviousVisibleSibling(PLazyNode Node, bool IF = false);
    PLazyNode GetPreviousVisibleSiblingNoInit(PLazyNode Node, bool IF = false) const;
    PLazyNode GetFirstChecked(TCheckState State = TCheckState::csCheckedNormal, bool C = false);
    PLazyNode GetNextChecked(PLazyNode Node, TCheckState State = TCheckState::csCheckedNormal, bool C = false);
    PLazyNode GetNextChecked(PLazyNode Node, bool C) { return GetNextChecked(Node, TCheckState::csCheckedNormal, C); }
    PLazyNode GetPreviousChecked(PLazyNode Node, TCheckState State = TCheckState::csCheckedNormal, bool C = false);
    PLazyNode GetFirstSelected(bool C = false);
    PLazyNode GetNextSelected(PLazyNode Node, bool C = false);
    PLazyNode GetPreviousSelected(PLazyNode Node, bool C = false);
    PLazyNode GetFirstCutCopy(bool C = false);
    PLazyNode GetNextCutCopy(PLazyNode Node, bool C = false);
    PLazyNode GetPreviousCutCopy(PLazyNode Node, bool C = false);
    PLazyNode GetFirstInitialized(bool C = false) const;
    PLazyNode GetNextInitialized(PLazyNode Node, bool C = false) const;
    PLazyNode GetPreviousInitialized(PLazyNode Node, bool C = false) const;
    PLazyNode GetLastInitialized(PLazyNode Node = nullptr, bool C = false) const;
    PLazyNode GetFirstLeaf();
    PLazyNode GetNextLeaf(PLazyNode Node);
    PLazyNode GetPreviousLeaf(PLazyNode Node);
    PLazyNode GetFirstLevel(unsigned NodeLevel);
    PLazyNode GetNextLevel(PLazyNode Node, unsigned NodeLevel);
    PLazyNode GetPreviousLevel(PLazyNode Node, unsigned NodeLevel);

    TLTLazyNodeEnumeration Nodes(bool C = false);
    TLTLazyNodeEnumeration CheckedNodes(TCheckState State = TCheckState::csCheckedNormal, bool C = false);
    TLTLazyNodeEnumeration ChildNodes(PLazyNode Node);
    TLTLazyNodeEnumeration CutCopyNodes(bool C = false);
    TLTLazyNodeEnumeration InitializedNodes(bool C = false);
    TLTLazyNodeEnumeration LeafNodes();
    TLTLazyNodeEnumeration LevelNodes(unsigned NodeLevel);
    TLTLazyNodeEnumeration NoInitNodes(bool C = false);
    TLTLazyNodeEnumeration SelectedNodes(bool C = false);
    TLTLazyNodeEnumeration VisibleNodes(PLazyNode Node = nullptr, bool C = true, bool IF = false);
    TLTLazyNodeEnumeration VisibleChildNodes(PLazyNode Node = nullptr, bool IF = false);
    TLTLazyNodeEnumeration VisibleChildNoInitNodes(PLazyNode Node = nullptr, bool IF = false);
    TLTLazyNodeEnumeration VisibleNoInitNodes(PLazyNode Node = nullptr, bool C = true, bool IF = false);

    // Calls Callback for every node of Node's subtree (nil: the whole tree)
    // whose states hold all of Filter; returns the node at which the
    // callback aborted, else nil. Deleting nodes meanwhile fails.
    PLazyNode IterateSubtree(PLazyNode Node, const TLTGetNodeProc &Callback, void *Data, TLazyNodeStates Filter = {},
                             bool DoInit = false, bool ChildNodesOnly = false);
    unsigned AbsoluteIndex(PLazyNode Node);
    PLazyNode GetVisibleParent(PLazyNode Node, bool IF = false) const;
    bool HasAsParent(PLazyNode Node, PLazyNode PotentialParent) const;
    // Whether a later / earlier sibling shows, and whether Node is the first /
    // last child of Parent that shows (tree lines, keyboard).
    bool AnyLaterSiblingShown(PLazyNode Node) const;
    bool AnyEarlierSiblingShown(PLazyNode Node) const;
    bool IsFirstShownChild(PLazyNode Parent, PLazyNode Node) const;
    bool IsLastShownChild(PLazyNode Parent, PLazyNode Node) const;

    // ---- Update and synchronisation -------------------------------------
    virtual void BeginUpdate();
    virtual void EndUpdate();
    void BeginSynch();
    void EndSynch();
    unsigned UpdateCount() const;
    void BeginOperation(TLTOperationKind Kind);
    void EndOperation(TLTOperationKind Kind);
    void CancelOperation();
    bool OperationCancelRequested() const;
    unsigned OperationCount() const;
    bool OperationCanceled() const;
    void KillTreeTimer(int Id);
    // The timers the tree runs its delays on; the default ones live on the
    // interface thread's event loop.
    void SetTreeTimers(std::unique_ptr<platform::NumberedTimers> timers);
    // Milliseconds OnChange and OnStructureChange are delayed by (0: none).
    unsigned ChangeDelay() const;
    void SetChangeDelay(unsigned value);

    // ---- Selection and focus --------------------------------------------
    bool Selected(PLazyNode Node) const { return Node && Node->States.contains(TLazyNodeState::vsSelected); }
    void SetSelected(PLazyNode Node, bool Value);
    virtual void AddToSelection(PLazyNode Node);
    void AddNodesToSelection(const PLazyNode *NewItems, std::size_t NewLength, bool ForceInsert = false);
    virtual void RemoveFromSelection(PLazyNode Node);
    void ClearSelection();
    void SelectAll(bool VisibleOnly);
    void InvertSelection(bool VisibleOnly);
    TNodeArray GetSortedSelection(bool Resolve);
    unsigned SelectedCount() const;
    virtual void SelectRange(PLazyNode StartNode, PLazyNode EndNode, bool AddOnly);
    virtual void UnselectRange(PLazyNode StartNode, PLazyNode EndNode);
    // Toggles the visible nodes between the two ends, an end only when it
    // lies beyond the range anchor; the anchor stays selected.
    void ToggleRangeSelection(PLazyNode StartNode, PLazyNode EndNode);
    // Ends a running incremental search: timer, buffer, last hit, state.
    void StopIncrementalSearch();
    bool IsMouseSelecting() const;
    void EnsureNodeSelected();
    PLazyNode FocusedNode() const;
    void SetFocusedNode(PLazyNode Node);
    TColumnIndex FocusedColumn() const;
    void SetFocusedColumn(TColumnIndex Value);

    // ---- Check support ---------------------------------------------------
    TCheckState GetCheckState(PLazyNode Node) const { return Node ? Node->CheckState : TCheckState::csUncheckedNormal; }
    void SetCheckState(PLazyNode Node, TCheckState Value);
    TCheckType GetCheckType(PLazyNode Node) const { return Node ? Node->CheckType : TCheckType::ctNone; }
    void SetCheckType(PLazyNode Node, TCheckType Value);
    void SetCheckStateForAll(TCheckState aCheckState, bool pSelectedOnly, bool pExcludeDisabled);
    void ClearChecked();
    unsigned CheckedCount();
    TCheckImageKind CheckImageKind() const;
    void SetCheckImageKind(TCheckImageKind Value);
    // The state a click or the space key produces.
    virtual TCheckState NextCheckState(TCheckType CheckType, TCheckState CheckState);
    // With a node its own type, state, enabled and hot look; without one the
    // arguments, never hot.
    virtual int CheckImageIndex(PLazyNode Node, TCheckType CheckType = TCheckType::ctNone,
                                TCheckState CheckState = TCheckState::csUncheckedNormal, bool Enabled = true);
    // The check change with its events and propagation (mouse and keyboard).
    virtual void ApplyCheckState(PLazyNode Node, TCheckState NewState);
    unsigned CheckPropagationCount() const;

    // ---- Sorting (through OnCompareNodes) -----------------------------------
    virtual void Sort(PLazyNode Node, TColumnIndex Column, TSortDirection Direction, bool DoInit = true);
    virtual void SortTree(TColumnIndex Column, TSortDirection Direction, bool DoInit = true);

    // ---- Streams -----------------------------------------------------------
    // The whole tree, or Node with its subtree, after the stream header.
    void SaveToStream(QIODevice &Stream, PLazyNode Node = nullptr);
    // Replaces the file whole or not at all; raises platform::Error when it
    // cannot be written.
    void SaveToFile(const QString &FileName);
    // A stream that does not read raises ELazyTreeError and leaves the tree
    // as it was; the header is checked before anything is cleared.
    void LoadFromStream(QIODevice &Stream);
    void LoadFromFile(const QString &FileName);
    // Appends the stream's nodes as last children of TargetNode (nil: top level).
    void AddFromStream(QIODevice &Stream, PLazyNode TargetNode);

    // ---- Data transfer (clipboard, drag and drop) -------------------------------
    // Nodes marked for a pending cut or copy, and the marking itself: every
    // selected node that is not disabled, older marks forgotten first.
    unsigned CutCopyCount();
    TNodeArray GetSortedCutCopySet(bool Resolve);
    void MarkCutCopySet(bool Cut);
    void CancelCutOrCopy();
    // A pending cut ends: the marked nodes are deleted.
    void FinishCutOrCopy();
    // The node records of Nodes, each with its subtree.
    QByteArray RenderTreeRecords(const TNodeArray &Nodes);
    // Inserts the tree data of DataObject at TargetNode (nil: the top level);
    // Optimized moves Source's cut (or dragged) nodes instead of reading
    // bytes. False when the data object has no tree data. A damaged record
    // raises ELazyTreeError before any node is inserted.
    bool ProcessOLEData(TBaseLazyTree *Source, const QMimeData *DataObject, PLazyNode TargetNode,
                        TLTNodeAttachMode Mode, bool Optimized);
    // The number that names this tree among the live trees of the process.
    std::uint64_t LiveSerial() const;

    // ---- Position cache --------------------------------------------------------
    // Every CacheStep-th visible node with its top, built by the worker thread
    // for trees with more than CacheStep visible nodes.
    struct TCacheEntry {
        PLazyNode Node;
        std::uint32_t AbsoluteTop;
    };
    static constexpr unsigned CacheStep = 2000;
    void MarkCacheStale();
    virtual void ScheduleCacheValidation();
    // Stops a running build and waits until the worker has left the tree.
    void StopCacheValidation();
    // Runs on the worker; true when the cache may be used.
    virtual bool BuildPositionCache();
    unsigned CacheEntryCount() const;
    const std::vector<TCacheEntry> &PositionCache() const;
    PLazyNode CacheEntryForPosition(std::uint32_t Position, std::uint32_t &AbsoluteTop) const;
    PLazyNode CacheEntryForNode(PLazyNode Node, std::uint32_t &AbsoluteTop) const;
    int CompareTreeOrder(PLazyNode Node1, PLazyNode Node2, bool ConsiderChildrenAbove) const;
    // Waits until a scheduled build has run, serving the worker meanwhile;
    // true when the cache is valid.
    bool WaitForPositionCache();
    // The visible node whose row holds the vertical offset Y of the content
    // (nil below the last row) and that row's top; with a valid cache from
    // the nearest entry, else from the first row.
    PLazyNode GetNodeAtOffset(std::uint32_t Y, std::uint32_t &NodeTop);
    // The top of a visible node's row.
    std::uint32_t GetNodeTop(PLazyNode Node);
    bool StopValidationRequested() const;
    // The finer index when it may be used now (RowIndex.h), else nil.
    const TRowIndex *usableRowIndex();

    // ---- Options -------------------------------------------------------
    TCustomLazyTreeOptions &TreeOptions() { return *FOptions; }
    const TCustomLazyTreeOptions &TreeOptions() const { return *FOptions; }
    void SetTreeOptions(const TCustomLazyTreeOptions &value) { FOptions->Assign(value); }

    // ---- Loading -------------------------------------------------------
    // Between the two a tree only stores what it is given (a root count,
    // a data size); the deferred work runs in Loaded.
    void BeginLoading();
    virtual void Loaded();
    bool IsLoading() const;

    // ---- Scroll position -------------------------------------------------
    int OffsetX() const;
    int OffsetY() const;
    QPoint OffsetXY() const;

    // ---- Remembered nodes the later parts keep ----------------------------
    PLazyNode HotNode() const;
    PLazyNode DropTargetNode() const;
    void SetDropTargetNode(PLazyNode Node);

    // ---- Events --------------------------------------------------------
    TLTGetNodeDataSizeEvent OnGetNodeDataSize;
    TLTInitNodeEvent OnInitNode;
    TLTInitChildrenEvent OnInitChildren;
    TLTFreeNodeEvent OnFreeNode;
    TLTChangeEvent OnResetNode;
    TLTMeasureItemEvent OnMeasureItem;
    TLTSaveNodeEvent OnLoadNode;
    TLTSaveNodeEvent OnSaveNode;
    TLTSaveTreeEvent OnLoadTree;
    TLTSaveTreeEvent OnSaveTree;
    TLTStructureChangeEvent OnStructureChange;
    TLTChangeEvent OnChange;
    TLTNodeCopyingEvent OnNodeCopying;
    TLTChangeEvent OnNodeCopied;
    TLTNodeMovingEvent OnNodeMoving;
    TLTChangeEvent OnNodeMoved;
    TLTCompareEvent OnCompareNodes;

    TLTCheckChangingEvent OnChecking;
    TLTChangeEvent OnChecked;
    TLTChangingEvent OnExpanding;
    TLTChangeEvent OnExpanded;
    TLTChangingEvent OnCollapsing;
    TLTChangeEvent OnCollapsed;
    TLTFocusChangingEvent OnFocusChanging;
    TLTFocusChangeEvent OnFocusChanged;
    TLTChangeEvent OnAddToSelection;
    TLTChangeEvent OnRemoveFromSelection;
    TLTHotNodeChangeEvent OnHotChange;
    TLTNodeClickEvent OnNodeClick;
    TLTNodeClickEvent OnNodeDblClick;
    TLTNodeHeightTrackingEvent OnNodeHeightTracking;
    TLTNodeHeightDblClickResizeEvent OnNodeHeightDblClickResize;
    TLTCanSplitterResizeNodeEvent OnCanSplitterResizeNode;
    TLTIncrementalSearchEvent OnIncrementalSearch;
    TLTKeyActionEvent OnKeyAction;
    TLTPopupEvent OnGetPopupMenu;
    TLTGetCursorEvent OnGetCursor;
    TLTHelpContextEvent OnGetHelpContext;
    TLTSenderEvent OnMouseEnter;
    TLTSenderEvent OnMouseLeave;

    TLTPaintEvent OnBeforePaint;
    TLTPaintEvent OnAfterPaint;
    TLTBackgroundPaintEvent OnPaintBackground;
    TLTBeforeItemEraseEvent OnBeforeItemErase;
    TLTAfterItemEraseEvent OnAfterItemErase;
    TLTBeforeItemPaintEvent OnBeforeItemPaint;
    TLTAfterItemPaintEvent OnAfterItemPaint;
    TLTBeforeCellPaintEvent OnBeforeCellPaint;
    TLTAfterCellPaintEvent OnAfterCellPaint;
    TLTGetCellIsEmptyEvent OnGetCellIsEmpty;
    TLTGetImageEvent OnGetImageIndex;
    TLTGetImageExEvent OnGetImageIndexEx;
    TLTGetImageTextEvent OnGetImageText;
    TLTGetLineStyleEvent OnGetLineStyle;
    TLTBeforeDrawLineImageEvent OnBeforeDrawTreeLine;
    TLTPrepareButtonImagesEvent OnPrepareButtonBitmaps;
    TLTScrollBarShowEvent OnShowScrollBar;
    TLTScrollEvent OnScroll;
    TLTHintKindEvent OnGetHintKind;
    TLTGetHintSizeEvent OnGetHintSize;
    TLTDrawHintEvent OnDrawHint;

    TLTHeaderClickEvent OnHeaderClick;
    TLTHeaderClickEvent OnHeaderDblClick;
    TLTHeaderMouseEvent OnHeaderMouseDown;
    TLTHeaderMouseEvent OnHeaderMouseUp;
    TLTHeaderMouseMoveEvent OnHeaderMouseMove;
    TLTColumnClickEvent OnColumnClick;
    TLTColumnClickEvent OnColumnDblClick;
    TLTHeaderNotifyEvent OnColumnResize;
    TLTColumnVisibilityChangeEvent OnColumnVisibilityChanged;
    TLTColumnWidthDblClickResizeEvent OnColumnWidthDblClickResize;
    TLTBeforeColumnWidthTrackingEvent OnBeforeColumnWidthTracking;
    TLTColumnWidthTrackingEvent OnColumnWidthTracking;
    TLTHeaderNotifyEvent OnAfterColumnWidthTracking;
    TLTCanSplitterResizeColumnEvent OnCanSplitterResizeColumn;
    TLTCanSplitterResizeHeaderEvent OnCanSplitterResizeHeader;
    TLTBeforeHeaderHeightTrackingEvent OnBeforeHeaderHeightTracking;
    TLTHeaderHeightTrackingEvent OnHeaderHeightTracking;
    TLTHeaderSenderEvent OnAfterHeaderHeightTracking;
    TLTHeaderHeightDblClickResizeEvent OnHeaderHeightDblClickResize;
    TLTHeaderDraggingEvent OnHeaderDragging;
    TLTHeaderDraggedEvent OnHeaderDragged;
    TLTHeaderDraggedOutEvent OnHeaderDraggedOut;
    TLTHeaderPaintEvent OnHeaderDraw;
    TLTHeaderPaintQueryElementsEvent OnHeaderDrawQueryElements;
    TLTAdvancedHeaderPaintEvent OnAdvancedHeaderDraw;
    TLTGetHeaderCursorEvent OnGetHeaderCursor;
    TLTBeforeAutoFitColumnsEvent OnBeforeAutoFitColumns;
    TLTBeforeAutoFitColumnEvent OnBeforeAutoFitColumn;
    TLTHeaderNotifyEvent OnAfterAutoFitColumn;
    TLTHeaderSenderEvent OnAfterAutoFitColumns;
    TLTBeforeGetMaxColumnWidthEvent OnBeforeGetMaxColumnWidth;
    TLTAfterGetMaxColumnWidthEvent OnAfterGetMaxColumnWidth;

    TLTEditChangingEvent OnEditing;
    TLTCreateEditorEvent OnCreateEditor;
    TLTEditChangeEvent OnEdited;
    TLTEditCancelEvent OnEditCancelled;
    TLTDragAllowedEvent OnDragAllowed;
    TLTDragOverEvent OnDragOver;
    TLTDragDropEvent OnDragDrop;
    TLTCreateDragManagerEvent OnCreateDragManager;
    TLTCreateDataObjectEvent OnCreateDataObject;
    TLTRenderOLEDataEvent OnRenderOLEData;
    TLTGetUserClipboardFormatsEvent OnGetUserClipboardFormats;

    TLTUpdatingEvent OnUpdating;
    TLTOperationEvent OnStartOperation;
    TLTOperationEvent OnEndOperation;
    TLTStateChangeEvent OnStateChange;

    TLTTreeExportEvent OnBeforeTreeExport;
    TLTTreeExportEvent OnAfterTreeExport;
    TLTTreeExportEvent OnBeforeHeaderExport;
    TLTTreeExportEvent OnAfterHeaderExport;
    TLTColumnExportEvent OnBeforeColumnExport;
    TLTColumnExportEvent OnColumnExport;
    TLTColumnExportEvent OnAfterColumnExport;
    TLTNodeExportEvent OnBeforeNodeExport;
    TLTNodeExportEvent OnNodeExport;
    TLTNodeExportEvent OnAfterNodeExport;

    // The block allocator's figures (bytes taken, blocks live).
    const NodeAllocator &Allocator() const;

protected:
    using OptionsFactory = std::function<std::unique_ptr<TCustomLazyTreeOptions>(TBaseLazyTree &)>;
    // Descendants pass the class of their options object.
    explicit TBaseLazyTree(const OptionsFactory &createOptions);

    // ---- Node model internals ---------------------------------------------
    PLazyNode AllocateNode();
    // Reserves an internal data area of Size bytes in every node, before any
    // node exists; returns the offset InternalData takes.
    std::size_t ReserveInternalData(std::size_t Size);
    void *InternalData(PLazyNode Node, std::size_t Offset) const;
    void PropagateTotalCount(PLazyNode Node, std::int64_t Value, bool Relative);
    void PropagateTotalHeight(PLazyNode Node, std::int64_t Value, bool Relative);
    void RecountSubtree(PLazyNode Node);
    void RecomputeSubtreeHeight(PLazyNode Node);

    // ---- Structure internals ----------------------------------------------
    virtual void LinkNode(PLazyNode Node, PLazyNode Destination, TLTNodeAttachMode Mode, TBaseLazyTree &Target);
    virtual void UnlinkNode(PLazyNode Node, bool KeepFocus, bool Reindex, bool ParentClearing);
    void RemoveNode(PLazyNode Node, bool Reindex, bool ParentClearing);
    virtual void ReportStructureChange(PLazyNode Node, TChangeReason Reason);
    virtual void UpdateHiddenChildrenFlag(PLazyNode Node);
    virtual void UpdateAllHiddenChildrenFlags();
    virtual unsigned ShownDescendantCount(PLazyNode Node) const;

    // ---- Initialisation internals -----------------------------------------
    virtual void InitializeNode(PLazyNode Node);
    virtual void InitializeChildren(PLazyNode Node);

    // ---- Selection internals ----------------------------------------------
    bool AppendToSelection(const PLazyNode *Nodes, std::size_t Count, bool ForceInsert);
    bool FindInSelection(PLazyNode Node, std::size_t &Index) const;
    void ResetRangeAnchor();
    void UpdateNextNodeToSelect(PLazyNode Node);
    // Remembers a selection change and reports it now, after ChangeDelay or
    // at the end of the update.
    void AnnounceChange(PLazyNode Node);
    // Moves the focus, asking OnFocusChanging when Ask is set.
    virtual void FocusNode(PLazyNode Node, bool Ask);
    // Drops entries removed during an update.
    void PackSelection();
    // Empties the selection without events or repainting.
    void clearSelectionSilently();

    // ---- The event layer: one operation per event ------------------------
    virtual void RaiseAdvancedHeaderDraw(THeaderPaintInfo &PaintInfo, THeaderPaintElements Elements);
    virtual void RaiseAfterCellPaint(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column, QRect CellRect);
    virtual void RaiseAfterItemErase(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect);
    virtual void RaiseAfterItemPaint(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect);
    virtual void RaiseAfterPaint(platform::TCanvas *Canvas);
    virtual bool QueryDragAllowed(PLazyNode Node, TColumnIndex Column);
    virtual void RaiseBeforeCellPaint(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column,
                                      TLTCellPaintMode CellPaintMode, QRect CellRect, QRect &ContentRect);
    virtual void RaiseBeforeItemErase(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect, TColor &ItemColor,
                                      TItemEraseAction &EraseAction);
    virtual bool QueryBeforeItemPaint(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect);
    virtual void RaiseBeforePaint(platform::TCanvas *Canvas);
    // Ends an edit without taking its value; there is none without editing.
    virtual bool AbortEditor() { return true; }
    virtual void QueryCanEdit(PLazyNode Node, TColumnIndex Column, bool &Allowed);
    virtual void QueryCanSplitterResizeNode(QPoint P, PLazyNode Node, TColumnIndex Column, bool &Allowed);
    virtual void NotifyChange(PLazyNode Node);
    virtual void NotifyChecked(PLazyNode Node);
    virtual bool QueryChecking(PLazyNode Node, TCheckState &NewState);
    virtual void NotifyCollapsed(PLazyNode Node);
    virtual bool QueryCollapsing(PLazyNode Node);
    virtual void NotifyColumnClick(TColumnIndex Column, TShiftState Shift);
    virtual void NotifyColumnDblClick(TColumnIndex Column, TShiftState Shift);
    // OnCompareNodes is how a tree compares; the sort calls the handler itself.
    int QueryCompareNodes(PLazyNode Node1, PLazyNode Node2, TColumnIndex Column);
    virtual platform::InterfaceRef<IDataObject> QueryDataObject();
    virtual platform::InterfaceRef<ILTDragManager> QueryDragManager();
    virtual platform::InterfaceRef<ILTEditLink> CreateEditLink(PLazyNode Node, TColumnIndex Column);
    virtual void QueryLineImagePosition(PLazyNode Node, int Level, int &PosX);
    virtual bool QueryDragOver(QObject *Source, TShiftState Shift, TDragState State, QPoint Pt, TDropMode Mode, int &Effect);
    virtual void NotifyDragDrop(QObject *Source, IDataObject *DataObject, const TFormatArray &Formats, TShiftState Shift,
                                QPoint Pt, int &Effect, TDropMode Mode);
    virtual void NotifyEndOperation(TLTOperationKind OperationKind);
    virtual void NotifyExpanded(PLazyNode Node);
    virtual bool QueryExpanding(PLazyNode Node);
    virtual void NotifyFocusChanged(PLazyNode Node, TColumnIndex Column);
    virtual bool QueryFocusChanging(PLazyNode OldNode, PLazyNode NewNode, TColumnIndex OldColumn, TColumnIndex NewColumn);
    virtual void ReleaseNode(PLazyNode Node);
    virtual void QueryCursor(TCursor &Cursor);
    virtual void QueryHeaderCursor(TCursor &Cursor);
    virtual void QueryHintSize(PLazyNode Node, TColumnIndex Column, QRect &R);
    virtual platform::TImageList *QueryImageIndex(PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, bool &Ghosted,
                                                  TImageIndex &ImageIndex);
    virtual void QueryImageText(PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, QString &ImageText);
    virtual void QueryLineStyle(void *&Bits);
    // The base tree has no text: a node's hint is the tree's hint.
    virtual QString QueryNodeHint(PLazyNode Node, TColumnIndex Column, TLTTooltipLineBreakStyle &LineBreakStyle);
    virtual QString QueryNodeTooltip(PLazyNode Node, TColumnIndex Column, TLTTooltipLineBreakStyle &LineBreakStyle);
    virtual int MeasureStaticTextWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column) { return 0; }
    virtual int MeasureNodeWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column) { return 0; }
    virtual QMenu *QueryPopupMenu(PLazyNode Node, TColumnIndex Column, QPoint P);
    virtual void QueryUserClipboardFormats(TFormatEtcArray &Formats);
    virtual void NotifyHeaderClick(const TLTHeaderHitInfo &HitInfo);
    virtual void NotifyHeaderDblClick(const TLTHeaderHitInfo &HitInfo);
    virtual void NotifyHeaderDragged(TColumnIndex Column, int OldPosition);
    virtual void NotifyHeaderDraggedOut(TColumnIndex Column, QPoint DropPosition);
    virtual bool QueryHeaderDragging(TColumnIndex Column);
    virtual void RaiseHeaderDraw(platform::TCanvas *HeaderCanvas, TLazyTreeColumn *Column, QRect R, bool Hover, bool Pressed,
                                 TLTDropMarkMode DropMark);
    virtual void QueryHeaderPaintElements(THeaderPaintInfo &PaintInfo, THeaderPaintElements &Elements);
    virtual void NotifyHeaderMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void NotifyHeaderMouseMove(TShiftState Shift, int X, int Y);
    virtual void NotifyHeaderMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void NotifyHotChange(PLazyNode OldNode, PLazyNode NewNode);
    virtual int QueryIncrementalSearch(PLazyNode Node, const QString &SearchText);
    virtual bool QueryInitChildren(PLazyNode Node, std::uint32_t &ChildCount);
    virtual void RaiseInitNode(PLazyNode ParentNode, PLazyNode Node, TLazyNodeInitStates &InitialStates);
    virtual bool QueryKeyAction(std::uint16_t &CharCode, TShiftState &Shift);
    virtual void NotifyLoadNode(PLazyNode Node, QIODevice *Stream);
    virtual void QueryMeasureItem(platform::TCanvas *Canvas, PLazyNode Node, int &NodeHeight);
    virtual void NotifyMouseEnter();
    virtual void NotifyMouseLeave();
    virtual void NotifyNodeCopied(PLazyNode Node);
    virtual bool QueryNodeCopying(PLazyNode Node, PLazyNode Target);
    virtual void NotifyNodeClick(const THitInfo &HitInfo);
    virtual void NotifyNodeDblClick(const THitInfo &HitInfo);
    virtual bool QueryNodeHeightDblClickResize(PLazyNode Node, TColumnIndex Column, TShiftState Shift, QPoint P);
    virtual bool QueryNodeHeightTracking(PLazyNode Node, TColumnIndex Column, TShiftState Shift, QPoint &TrackPoint, QPoint P);
    virtual void NotifyNodeMoved(PLazyNode Node);
    virtual bool QueryNodeMoving(PLazyNode Node, PLazyNode Target);
    virtual bool QueryPaintBackground(platform::TCanvas *Canvas, QRect R);
    virtual void NotifyRemoveFromSelection(PLazyNode Node);
    virtual HRESULT QueryRenderOLEData(const QString &FormatEtcIn, QByteArray &Medium, bool ForClipboard);
    virtual void NotifyResetNode(PLazyNode Node);
    virtual void NotifySaveNode(PLazyNode Node, QIODevice *Stream);
    virtual void NotifyScroll(int DeltaX, int DeltaY);
    virtual void NotifyStartOperation(TLTOperationKind OperationKind);
    // Raises OnStateChange when the change changes anything, then applies it.
    void ChangeTreeStates(TLazyTreeStates Enter, TLazyTreeStates Leave);
    virtual void NotifyStructureChange(PLazyNode Node, TChangeReason Reason);
    virtual void NotifyUpdating(TLTUpdateState State);
    virtual bool IsCellEmpty(PLazyNode Node, TColumnIndex Column);
    virtual int QueryNodeDataSize();
    virtual void RaiseDrawHint(platform::TCanvas *HintCanvas, PLazyNode Node, QRect R, TColumnIndex Column);
    virtual TLTHintKind QueryHintKind(PLazyNode Node, TColumnIndex Column);
    virtual TLTHintKind DefaultHintKind() const { return TLTHintKind::vhkText; }
    virtual void NotifyColumnVisibilityChanged(TColumnIndex Column, bool Visible);
    virtual void NotifyAddToSelection(PLazyNode Node);
    virtual void NotifyFreeNode(PLazyNode Node);
    virtual int QueryHelpContext(PLazyNode Node, TColumnIndex Column);
    virtual void NotifyColumnResize(TColumnIndex Column);

    // ---- Check propagation -------------------------------------------------
    bool TransitionCheckState(PLazyNode Node, TCheckState Value);
    virtual bool UpdateParentCheckState(PLazyNode Node, TCheckState NewCheckState);

    // ---- Hooks of the later parts (nothing to do in the core) --------------
    // Window: the core has none.
    virtual bool HandleAllocated() const { return false; }
    virtual bool Focused() const { return false; }
    virtual bool IsTreeEnabled() const { return true; }
    virtual void Invalidate() {}
    virtual void InvalidateNode(PLazyNode Node) {}
    virtual void InvalidateToBottom(PLazyNode Node) {}
    virtual void UpdateScrollBars(bool DoRepaint) {}
    virtual void UpdateRanges() {}
    virtual void UpdateVerticalRange() {}
    virtual void SuspendWindowRedraw(bool Suspend) {}
    virtual void NotifyDesignerModified() {}
    virtual bool ScrollIntoView(PLazyNode Node, bool Center, bool Horizontally) { return false; }
    virtual platform::TCanvas *TreeCanvas() { return nullptr; }
    virtual platform::TImageList *Images() const { return nullptr; }
    virtual platform::TImageList *StateImages() const { return nullptr; }
    virtual void CancelTreeHint() {}
    // Called by ToggleNode once the toggle is decided, before the node's
    // state and the heights change: HeightChange is what the rows below
    // will move by (negative when collapsing).
    virtual void AnimateToggle(PLazyNode Node, bool Expanding, std::int64_t HeightChange) {}
    // The widget's reaction to option changes that need a window.
    virtual void ApplyPaintOptionsToWindow(TLTPaintOptions Added, TLTPaintOptions Removed) {}
    virtual void ApplyMiscOptionsToWindow(TLTMiscOptions Added, TLTMiscOptions Removed) {}
    // Sorting and the header's sort settings.
    virtual TColumnIndex SortColumn() const { return NoColumn; }
    virtual TSortDirection SortDirection() const { return TSortDirection::sdAscending; }
    // Columns: without a header there is only the implicit column -1.
    virtual TLTHeader *Header() const { return nullptr; }
    virtual bool ColumnsUsed() const { return false; }
    virtual bool IsValidColumn(TColumnIndex Column) const { return false; }
    virtual bool ColumnAllowsFocus(TColumnIndex Column) const { return false; }
    virtual TColumnIndex MainColumn() const { return NoColumn; }
    virtual void InvalidateColumn(TColumnIndex Column) {}
    // Editing: ends an edit taking its value (false when it cannot end) or
    // cancels it.
    virtual bool EndEditNode() { return true; }
    virtual bool CancelEditNode() { return true; }
    virtual void UpdateEditBounds() {}
    // Data transfer: empties the clipboard when it holds this tree's cut or copy.
    virtual void ClearClipboardOfCutCopy() {}
    // Accessibility notifications.
    virtual void NotifyAccessibleStateChange() {}
    virtual void NotifyAccessibleFocusChange() {}
    // Runs work of a measuring that came from another thread on the
    // interface thread and waits; the core is never called off it.
    virtual void RunOnInterfaceThread(const std::function<void()> &work) { work(); }
    // The string tree's caption of a stored or copied node: whether the node
    // has one to store, and taking one over.
    virtual bool CaptionForStream(PLazyNode Node, QString &Caption) { return false; }
    virtual void CaptionFromStream(PLazyNode Node, const QString &Caption) {}
    // A numbered timer of this tree fired; descendants handle their own numbers.
    virtual void TimerFired(int Id);
    void SetTreeTimer(int Id, unsigned Milliseconds);

    // ---- Scopes ----------------------------------------------------------
    // The update count raised for a scope, without the bracket's notifications.
    class RaisedUpdateCount {
    public:
        explicit RaisedUpdateCount(TBaseLazyTree &tree);
        ~RaisedUpdateCount();
        RaisedUpdateCount(const RaisedUpdateCount &) = delete;
        RaisedUpdateCount &operator=(const RaisedUpdateCount &) = delete;

    private:
        TBaseLazyTree &m_tree;
    };
    // A tree state held for a scope, unless the tree was in it already.
    class StateScope {
    public:
        StateScope(TBaseLazyTree &tree, TLazyTreeState state);

    private:
        struct Leave {
            TBaseLazyTree *Tree;
            TLazyTreeState State;
            bool Entered;
            void operator()() const;
        };
        static Leave enter(TBaseLazyTree &tree, TLazyTreeState state);
        platform::Finally<Leave> m_leave;
    };

    // ---- Small tests ---------------------------------------------------
    bool toOption(TLTPaintOption o) const { return FOptions->PaintOptions().contains(o); }
    bool toOption(TLTAutoOption o) const { return FOptions->AutoOptions().contains(o); }
    bool toOption(TLTSelectionOption o) const { return FOptions->SelectionOptions().contains(o); }
    bool toOption(TLTMiscOption o) const { return FOptions->MiscOptions().contains(o); }
    bool toOption(TLTAnimationOption o) const { return FOptions->AnimationOptions().contains(o); }
    bool IsReadOnly() const { return toOption(TLTMiscOption::toReadOnly); }
    bool IsUpdating() const;
    bool IsDestroying() const;
    bool autoSortApplies() const;
    PLazyNode nodeOrNil(PLazyNode Node) const;

    // ---- The core's state as the later parts reach it ----------------------
    // Each part enters and leaves only the tree states of its own concern.
    void enterTreeState(TLazyTreeStates States);
    void leaveTreeState(TLazyTreeStates States);
    // The focus column without the events and checks SetFocusedColumn runs.
    void storeFocusedColumn(TColumnIndex Column);
    // Where a shift-selection extends from, and the level it keeps to.
    PLazyNode RangeAnchor() const;
    void setRangeAnchor(PLazyNode Node);
    void setLastSelectionLevel(int Level);
    // A check click or key waiting for its release, and the state it sets.
    PLazyNode CheckNode() const;
    TCheckState PendingCheckState() const;
    void setPendingCheck(PLazyNode Node, TCheckState State);
    void forgetPendingCheck();
    // Without its side effects, for an image list that goes.
    void storeCheckImageKind(TCheckImageKind Value);
    // The incremental search's text and last hit.
    const QString &SearchBuffer() const;
    void setSearchBuffer(const QString &Text);
    PLazyNode LastSearchNode() const;
    void setLastSearchNode(PLazyNode Node);
    // The tree's own hint, shown where a node has none.
    const QString &TreeHint() const;
    void setTreeHint(const QString &Hint);
    // Remembered nodes the window's parts set.
    void storeHotNode(PLazyNode Node);
    PLazyNode HeightTrackNode() const;
    void setHeightTrackNode(PLazyNode Node);
    PLazyNode EditedNode() const;
    void setEditedNode(PLazyNode Node);
    // Every node reference the tree remembers, by address: each one is
    // forgotten when its node goes.
    std::array<PLazyNode *, 12> rememberedNodeSlots();

    // The window stores where the content is scrolled to.
    void storeOffsets(int X, int Y);
    // The selection's raw entries and the node a removal selects next, for
    // the checks of descendants.
    std::size_t SelectionEntryCount() const;
    PLazyNode NextNodeToSelect() const;

private:
    friend class TCustomLazyTreeOptions;
    friend class TLTLazyNodeEnumeration;
    friend class SiblingMergeSort;
    friend class CacheWorker;
    friend class TLTHeader;
    friend class TLazyTreeColumns;
    friend class TLazyTreeColumn;

    void setupRootNode(std::size_t oldSize);
    std::size_t nodeBlockSize() const;
    std::size_t ensureNodeDataSize();
    void checkInitialUserData(void *UserData);
    static void linkAsLastChild(PLazyNode Parent, PLazyNode Node);
    PLazyNode preparedParent(PLazyNode Node);
    TBaseLazyTree *resolveTarget(PLazyNode &Target, TLTNodeAttachMode &Mode);
    void visibleCountChanged(unsigned oldVisibleCount);
    void initOnDemand(PLazyNode Node)
    {
        if (Node && !Node->States.contains(TLazyNodeState::vsInitialized))
            InitializeNode(Node);
    }
    void createChildrenOnDemand(PLazyNode Node);
    bool childrenAbove(bool C) const { return C && toOption(TLTPaintOption::toChildrenAbove); }
    bool shownPathFrom(PLazyNode Node) const;
    PLazyNode nextAfterSubtree(PLazyNode Node) const;
    // Nodes in State in tree order, at most Limit; with Resolve a node stands
    // for its subtree.
    TNodeArray sortedNodesIn(TLazyNodeState State, bool Resolve, std::size_t Limit);
    PLazyNode firstNoInitFrom(PLazyNode Node, bool C) const;
    PLazyNode visibleWalk(PLazyNode Node, bool C, bool forward, bool init, bool IF = false);
    PLazyNode lastVisibleIn(PLazyNode Node, bool C, bool IF);
    PLazyNode levelWalk(PLazyNode Node, unsigned NodeLevel, bool forward);
    void freeDescendants(PLazyNode Node);
    void forgetNode(PLazyNode Node);
    void focusLost(PLazyNode Node);
    void removeFromSelectionSilently(PLazyNode Node);
    // Marks a selected node for removal (true) or collects an unselected one.
    bool toggleInSelection(PLazyNode Node, TNodeArray &Collected);
    PLazyNode transfer(PLazyNode Source, TBaseLazyTree &TargetTree, PLazyNode Target, TLTNodeAttachMode Mode,
                       bool ChildrenOnly, bool Move);
    void captureSubtree(PLazyNode Top, SubtreeCopy &copy);
    void rebuildSubtree(PLazyNode Node, const SubtreeCopy &copy, std::size_t first);
    void readStream(QIODevice &Stream, bool replace, PLazyNode Target);
    void selectLoaded(PLazyNode Node);
    void sortChildren(PLazyNode Node, TColumnIndex Column, TSortDirection Direction);
    void applyPaintOptions(TLTPaintOptions Old, TLTPaintOptions New);
    void applyAutoOptions(TLTAutoOptions Old, TLTAutoOptions New);
    void applySelectionOptions(TLTSelectionOptions Old, TLTSelectionOptions New);
    void applyMiscOptions(TLTMiscOptions Old, TLTMiscOptions New);

    // Pieces of the concerns that reach another concern's state only
    // through these: the node record's freeing, the remembered nodes'
    // forgetting, the worker's view of tsStopValidation, the timers.
    void freeNodeRecord(PLazyNode Node);
    void forgetRememberedNodes();
    void publishStopValidation(bool Stop);
    void stopTreeTimers();
    // Set while an operation runs once it is cancelled: the sort's merges
    // read it per comparison.
    const bool *operationCancelFlag() const;
    // Reports a change waiting for its delay or bracket now.
    void deliverPendingChange();
    // Filtered rows come back (or go) with their heights.
    void showFilteredRows(bool Shown);

    static TCorePart<TTreeStatus> newStatus();
    static TCorePart<TTreeNodeStore> newNodeStore();
    static TCorePart<TTreeSelection> newSelection();
    static TCorePart<TTreePendingCheck> newPendingCheck();
    static TCorePart<TTreeTexts> newTexts();
    static TCorePart<TTreeRememberedNodes> newRememberedNodes();
    static TCorePart<TTreeBrackets> newBrackets();
    static TCorePart<TTreePositionCache> newPositionCache();

    TCorePart<TTreeStatus> FStatus = newStatus();
    TCorePart<TTreeNodeStore> FStore = newNodeStore();
    TCorePart<TTreeSelection> FSelect = newSelection();
    TCorePart<TTreePendingCheck> FCheck = newPendingCheck();
    TCorePart<TTreeTexts> FTexts = newTexts();
    TCorePart<TTreeRememberedNodes> FRemembered = newRememberedNodes();
    // The options are an object of their own (TreeOptions.h).
    std::unique_ptr<TCustomLazyTreeOptions> FOptions;
    TCorePart<TTreeBrackets> FBrackets = newBrackets();
    TCorePart<TTreePositionCache> FCache = newPositionCache();
};

} // namespace vtree
