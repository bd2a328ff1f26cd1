// The event layer: every event is raised through one operation of its own,
// so a descendant can change an event's default without a handler. Most
// only test their handler and call it; the few that do more say so.
#include "controls/vtree/BaseLazyTree.h"
#include "platform/ScopeGuard.h"

#include <cstring>

namespace vtree {

using enum TLazyNodeState;

void TBaseLazyTree::RaiseAdvancedHeaderDraw(THeaderPaintInfo &PaintInfo, THeaderPaintElements Elements)
{
    if (OnAdvancedHeaderDraw)
        OnAdvancedHeaderDraw(Header(), PaintInfo, Elements);
}

void TBaseLazyTree::RaiseAfterCellPaint(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column, QRect CellRect)
{
    if (OnAfterCellPaint)
        OnAfterCellPaint(this, Canvas, Node, Column, CellRect);
}

void TBaseLazyTree::RaiseAfterItemErase(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect)
{
    if (OnAfterItemErase)
        OnAfterItemErase(this, Canvas, Node, ItemRect);
}

void TBaseLazyTree::RaiseAfterItemPaint(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect)
{
    if (OnAfterItemPaint)
        OnAfterItemPaint(this, Canvas, Node, ItemRect);
}

void TBaseLazyTree::RaiseAfterPaint(platform::TCanvas *Canvas)
{
    if (OnAfterPaint)
        OnAfterPaint(this, Canvas);
}

bool TBaseLazyTree::QueryDragAllowed(PLazyNode Node, TColumnIndex Column)
{
    bool Allowed = false;
    if (OnDragAllowed)
        OnDragAllowed(this, Node, Column, Allowed);
    return Allowed;
}

void TBaseLazyTree::RaiseBeforeCellPaint(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column,
                                         TLTCellPaintMode CellPaintMode, QRect CellRect, QRect &ContentRect)
{
    if (OnBeforeCellPaint)
        OnBeforeCellPaint(this, Canvas, Node, Column, CellPaintMode, CellRect, ContentRect);
}

void TBaseLazyTree::RaiseBeforeItemErase(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect, TColor &ItemColor,
                                         TItemEraseAction &EraseAction)
{
    if (OnBeforeItemErase)
        OnBeforeItemErase(this, Canvas, Node, ItemRect, ItemColor, EraseAction);
}

bool TBaseLazyTree::QueryBeforeItemPaint(platform::TCanvas *Canvas, PLazyNode Node, QRect ItemRect)
{
    bool CustomDraw = false;
    if (OnBeforeItemPaint)
        OnBeforeItemPaint(this, Canvas, Node, ItemRect, CustomDraw);
    return CustomDraw;
}

void TBaseLazyTree::RaiseBeforePaint(platform::TCanvas *Canvas)
{
    if (OnBeforePaint)
        OnBeforePaint(this, Canvas);
}

void TBaseLazyTree::QueryCanEdit(PLazyNode Node, TColumnIndex Column, bool &Allowed)
{
    if (OnEditing)
        OnEditing(this, Node, Column, Allowed);
}

void TBaseLazyTree::QueryCanSplitterResizeNode(QPoint P, PLazyNode Node, TColumnIndex Column, bool &Allowed)
{
    if (OnCanSplitterResizeNode)
        OnCanSplitterResizeNode(this, P, Node, Column, Allowed);
}

void TBaseLazyTree::NotifyChecked(PLazyNode Node)
{
    if (OnChecked)
        OnChecked(this, Node);
    NotifyAccessibleStateChange();
}

bool TBaseLazyTree::QueryChecking(PLazyNode Node, TCheckState &NewState)
{
    if (IsReadOnly())
        return false;
    bool Allowed = true;
    if (OnChecking)
        OnChecking(this, Node, NewState, Allowed);
    return Allowed;
}

void TBaseLazyTree::NotifyCollapsed(PLazyNode Node)
{
    if (OnCollapsed)
        OnCollapsed(this, Node);
    NotifyAccessibleStateChange();
    if (!toOption(TLTSelectionOption::toAlwaysSelectNode))
        return;
    // The selection must not vanish into the collapsed part.
    PLazyNode first = GetFirstSelected();
    if (first && !GetFullyVisible(first)) {
        PLazyNode parent = GetVisibleParent(first, true);
        SetSelected(first, false);
        if (parent != RootNode())
            SetSelected(parent, true);
    }
    if (SelectedCount() == 0)
        EnsureNodeSelected();
}

bool TBaseLazyTree::QueryCollapsing(PLazyNode Node)
{
    bool Allowed = true;
    if (OnCollapsing)
        OnCollapsing(this, Node, Allowed);
    return Allowed;
}

void TBaseLazyTree::NotifyColumnClick(TColumnIndex Column, TShiftState Shift)
{
    if (OnColumnClick)
        OnColumnClick(this, Column, Shift);
}

void TBaseLazyTree::NotifyColumnDblClick(TColumnIndex Column, TShiftState Shift)
{
    if (OnColumnDblClick)
        OnColumnDblClick(this, Column, Shift);
}

int TBaseLazyTree::QueryCompareNodes(PLazyNode Node1, PLazyNode Node2, TColumnIndex Column)
{
    int Result = 0;
    if (OnCompareNodes)
        OnCompareNodes(this, Node1, Node2, Column, Result);
    return Result;
}

platform::InterfaceRef<IDataObject> TBaseLazyTree::QueryDataObject()
{
    platform::InterfaceRef<IDataObject> DataObject;
    if (OnCreateDataObject)
        OnCreateDataObject(this, DataObject);
    return DataObject;
}

platform::InterfaceRef<ILTDragManager> TBaseLazyTree::QueryDragManager()
{
    platform::InterfaceRef<ILTDragManager> DragManager;
    if (OnCreateDragManager)
        OnCreateDragManager(this, DragManager);
    return DragManager;
}

platform::InterfaceRef<ILTEditLink> TBaseLazyTree::CreateEditLink(PLazyNode Node, TColumnIndex Column)
{
    platform::InterfaceRef<ILTEditLink> EditLink;
    if (OnCreateEditor)
        OnCreateEditor(this, Node, Column, EditLink);
    return EditLink;
}

void TBaseLazyTree::QueryLineImagePosition(PLazyNode Node, int Level, int &PosX)
{
    if (OnBeforeDrawTreeLine)
        OnBeforeDrawTreeLine(this, Node, Level, PosX);
}

bool TBaseLazyTree::QueryDragOver(QObject *Source, TShiftState Shift, TDragState State, QPoint Pt, TDropMode Mode, int &Effect)
{
    bool Accept = false;
    if (OnDragOver)
        OnDragOver(this, Source, Shift, State, Pt, Mode, Effect, Accept);
    return Accept;
}

void TBaseLazyTree::NotifyDragDrop(QObject *Source, IDataObject *DataObject, const TFormatArray &Formats, TShiftState Shift,
                                   QPoint Pt, int &Effect, TDropMode Mode)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, DataObject, Formats, Shift, Pt, Effect, Mode);
}

void TBaseLazyTree::NotifyEndOperation(TLTOperationKind OperationKind)
{
    if (OnEndOperation)
        OnEndOperation(this, OperationKind);
}

void TBaseLazyTree::NotifyExpanded(PLazyNode Node)
{
    if (OnExpanded)
        OnExpanded(this, Node);
    NotifyAccessibleStateChange();
}

bool TBaseLazyTree::QueryExpanding(PLazyNode Node)
{
    bool Allowed = true;
    if (OnExpanding)
        OnExpanding(this, Node, Allowed);
    return Allowed;
}

void TBaseLazyTree::NotifyFocusChanged(PLazyNode Node, TColumnIndex Column)
{
    if (OnFocusChanged)
        OnFocusChanged(this, Node, Column);
    NotifyAccessibleFocusChange();
}

bool TBaseLazyTree::QueryFocusChanging(PLazyNode OldNode, PLazyNode NewNode, TColumnIndex OldColumn, TColumnIndex NewColumn)
{
    bool Allowed = NewColumn == OldColumn || ColumnAllowsFocus(NewColumn);
    if (OnFocusChanging)
        OnFocusChanging(this, OldNode, NewNode, OldColumn, NewColumn, Allowed);
    return Allowed;
}

void TBaseLazyTree::ReleaseNode(PLazyNode Node)
{
    if (EditedNode() == Node) {
        CancelEditNode();
        setEditedNode(nullptr);
    }
    forgetNode(Node);
    {
        platform::Finally free([this, Node] { freeNodeRecord(Node); });
        if (Node->States.containsAny({vsInitialized, vsOnFreeNodeCallRequired}))
            NotifyFreeNode(Node);
    }
    if (!IsUpdating())
        EnsureNodeSelected();
}

void TBaseLazyTree::NotifyFreeNode(PLazyNode Node)
{
    if (OnFreeNode)
        OnFreeNode(this, Node);
}

void TBaseLazyTree::QueryCursor(TCursor &Cursor)
{
    if (OnGetCursor)
        OnGetCursor(this, Cursor);
}

void TBaseLazyTree::QueryHeaderCursor(TCursor &Cursor)
{
    if (OnGetHeaderCursor)
        OnGetHeaderCursor(Header(), Cursor);
}

void TBaseLazyTree::QueryHintSize(PLazyNode Node, TColumnIndex Column, QRect &R)
{
    if (OnGetHintSize)
        OnGetHintSize(this, Node, Column, R);
}

platform::TImageList *TBaseLazyTree::QueryImageIndex(PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, bool &Ghosted,
                                                     TImageIndex &ImageIndex)
{
    if (OnGetImageIndexEx) {
        platform::TImageList *list = Kind == TLTImageKind::ikState ? StateImages() : Images();
        OnGetImageIndexEx(this, Node, Kind, Column, Ghosted, ImageIndex, list);
        return list;
    }
    if (OnGetImageIndex)
        OnGetImageIndex(this, Node, Kind, Column, Ghosted, ImageIndex);
    return nullptr;
}

void TBaseLazyTree::QueryImageText(PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, QString &ImageText)
{
    if (OnGetImageText)
        OnGetImageText(this, Node, Kind, Column, ImageText);
}

void TBaseLazyTree::QueryLineStyle(void *&Bits)
{
    if (OnGetLineStyle)
        OnGetLineStyle(this, Bits);
}

QString TBaseLazyTree::QueryNodeHint(PLazyNode, TColumnIndex, TLTTooltipLineBreakStyle &LineBreakStyle)
{
    LineBreakStyle = TLTTooltipLineBreakStyle::hlbDefault;
    return TreeHint();
}

QString TBaseLazyTree::QueryNodeTooltip(PLazyNode Node, TColumnIndex Column, TLTTooltipLineBreakStyle &LineBreakStyle)
{
    return QueryNodeHint(Node, Column, LineBreakStyle);
}

QMenu *TBaseLazyTree::QueryPopupMenu(PLazyNode Node, TColumnIndex Column, QPoint P)
{
    QMenu *PopupMenu = nullptr;
    if (!OnGetPopupMenu)
        return nullptr;
    if (!Node || Node == RootNode()) {
        bool AskParent = true;
        OnGetPopupMenu(this, nullptr, NoColumn, P, AskParent, PopupMenu);
        return PopupMenu;
    }
    // Asked for the node, then for its ancestors up to the top level.
    for (PLazyNode node = Node; node != RootNode(); node = node->Parent) {
        bool AskParent = true;
        OnGetPopupMenu(this, node, Column, P, AskParent, PopupMenu);
        if (PopupMenu || !AskParent)
            break;
    }
    return PopupMenu;
}

void TBaseLazyTree::QueryUserClipboardFormats(TFormatEtcArray &Formats)
{
    if (OnGetUserClipboardFormats)
        OnGetUserClipboardFormats(this, Formats);
}

void TBaseLazyTree::NotifyHeaderClick(const TLTHeaderHitInfo &HitInfo)
{
    if (OnHeaderClick)
        OnHeaderClick(Header(), HitInfo);
}

void TBaseLazyTree::NotifyHeaderDblClick(const TLTHeaderHitInfo &HitInfo)
{
    if (OnHeaderDblClick)
        OnHeaderDblClick(Header(), HitInfo);
}

void TBaseLazyTree::NotifyHeaderDragged(TColumnIndex Column, int OldPosition)
{
    if (OnHeaderDragged)
        OnHeaderDragged(Header(), Column, OldPosition);
}

void TBaseLazyTree::NotifyHeaderDraggedOut(TColumnIndex Column, QPoint DropPosition)
{
    if (OnHeaderDraggedOut)
        OnHeaderDraggedOut(Header(), Column, DropPosition);
}

bool TBaseLazyTree::QueryHeaderDragging(TColumnIndex Column)
{
    bool Allowed = true;
    if (OnHeaderDragging)
        OnHeaderDragging(Header(), Column, Allowed);
    return Allowed;
}

void TBaseLazyTree::RaiseHeaderDraw(platform::TCanvas *HeaderCanvas, TLazyTreeColumn *Column, QRect R, bool Hover, bool Pressed,
                                    TLTDropMarkMode DropMark)
{
    if (OnHeaderDraw)
        OnHeaderDraw(Header(), HeaderCanvas, Column, R, Hover, Pressed, DropMark);
}

void TBaseLazyTree::QueryHeaderPaintElements(THeaderPaintInfo &PaintInfo, THeaderPaintElements &Elements)
{
    if (OnHeaderDrawQueryElements)
        OnHeaderDrawQueryElements(Header(), PaintInfo, Elements);
}

void TBaseLazyTree::NotifyHeaderMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnHeaderMouseDown)
        OnHeaderMouseDown(Header(), Button, Shift, X, Y);
}

void TBaseLazyTree::NotifyHeaderMouseMove(TShiftState Shift, int X, int Y)
{
    if (OnHeaderMouseMove)
        OnHeaderMouseMove(Header(), Shift, X, Y);
}

void TBaseLazyTree::NotifyHeaderMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnHeaderMouseUp)
        OnHeaderMouseUp(Header(), Button, Shift, X, Y);
}

void TBaseLazyTree::NotifyHotChange(PLazyNode OldNode, PLazyNode NewNode)
{
    if (OnHotChange)
        OnHotChange(this, OldNode, NewNode);
}

int TBaseLazyTree::QueryIncrementalSearch(PLazyNode Node, const QString &SearchText)
{
    int Result = 0;
    if (OnIncrementalSearch)
        OnIncrementalSearch(this, Node, SearchText, Result);
    return Result;
}

bool TBaseLazyTree::QueryInitChildren(PLazyNode Node, std::uint32_t &ChildCount)
{
    if (!OnInitChildren)
        return false;
    OnInitChildren(this, Node, ChildCount);
    return true;
}

void TBaseLazyTree::RaiseInitNode(PLazyNode ParentNode, PLazyNode Node, TLazyNodeInitStates &InitialStates)
{
    if (OnInitNode)
        OnInitNode(this, ParentNode, Node, InitialStates);
}

bool TBaseLazyTree::QueryKeyAction(std::uint16_t &CharCode, TShiftState &Shift)
{
    bool DoDefault = true;
    if (OnKeyAction)
        OnKeyAction(this, CharCode, Shift, DoDefault);
    return DoDefault;
}

void TBaseLazyTree::NotifyLoadNode(PLazyNode Node, QIODevice *Stream)
{
    if (OnLoadNode)
        OnLoadNode(this, nodeOrNil(Node), Stream);
}

void TBaseLazyTree::QueryMeasureItem(platform::TCanvas *Canvas, PLazyNode Node, int &NodeHeight)
{
    initOnDemand(Node);
    if (OnMeasureItem)
        OnMeasureItem(this, Canvas, Node, NodeHeight);
}

void TBaseLazyTree::NotifyMouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TBaseLazyTree::NotifyMouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TBaseLazyTree::NotifyNodeCopied(PLazyNode Node)
{
    if (OnNodeCopied)
        OnNodeCopied(this, Node);
}

bool TBaseLazyTree::QueryNodeCopying(PLazyNode Node, PLazyNode Target)
{
    bool Allowed = true;
    if (OnNodeCopying)
        OnNodeCopying(this, Node, Target, Allowed);
    return Allowed;
}

void TBaseLazyTree::NotifyNodeClick(const THitInfo &HitInfo)
{
    if (OnNodeClick)
        OnNodeClick(this, HitInfo);
}

void TBaseLazyTree::NotifyNodeDblClick(const THitInfo &HitInfo)
{
    if (OnNodeDblClick)
        OnNodeDblClick(this, HitInfo);
}

bool TBaseLazyTree::QueryNodeHeightDblClickResize(PLazyNode Node, TColumnIndex Column, TShiftState Shift, QPoint P)
{
    bool Allowed = true;
    if (OnNodeHeightDblClickResize)
        OnNodeHeightDblClickResize(this, Node, Column, Shift, P, Allowed);
    return Allowed;
}

bool TBaseLazyTree::QueryNodeHeightTracking(PLazyNode Node, TColumnIndex Column, TShiftState Shift, QPoint &TrackPoint, QPoint P)
{
    bool Allowed = true;
    if (OnNodeHeightTracking)
        OnNodeHeightTracking(this, Node, Column, Shift, TrackPoint, P, Allowed);
    return Allowed;
}

void TBaseLazyTree::NotifyNodeMoved(PLazyNode Node)
{
    if (OnNodeMoved)
        OnNodeMoved(this, Node);
}

bool TBaseLazyTree::QueryNodeMoving(PLazyNode Node, PLazyNode Target)
{
    bool Allowed = true;
    if (OnNodeMoving)
        OnNodeMoving(this, Node, Target, Allowed);
    return Allowed;
}

bool TBaseLazyTree::QueryPaintBackground(platform::TCanvas *Canvas, QRect R)
{
    bool Handled = false;
    if (OnPaintBackground)
        OnPaintBackground(this, Canvas, R, Handled);
    return Handled;
}

void TBaseLazyTree::NotifyRemoveFromSelection(PLazyNode Node)
{
    if (OnRemoveFromSelection)
        OnRemoveFromSelection(this, Node);
}

HRESULT TBaseLazyTree::QueryRenderOLEData(const QString &FormatEtcIn, QByteArray &Medium, bool ForClipboard)
{
    HRESULT Result = E_FAIL;
    if (OnRenderOLEData)
        OnRenderOLEData(this, FormatEtcIn, Medium, ForClipboard, Result);
    return Result;
}

void TBaseLazyTree::NotifyResetNode(PLazyNode Node)
{
    if (OnResetNode)
        OnResetNode(this, Node);
}

void TBaseLazyTree::NotifySaveNode(PLazyNode Node, QIODevice *Stream)
{
    if (OnSaveNode)
        OnSaveNode(this, nodeOrNil(Node), Stream);
}

void TBaseLazyTree::NotifyScroll(int DeltaX, int DeltaY)
{
    if (OnScroll)
        OnScroll(this, DeltaX, DeltaY);
}

void TBaseLazyTree::NotifyStartOperation(TLTOperationKind OperationKind)
{
    if (OnStartOperation)
        OnStartOperation(this, OperationKind);
}

// gone already.
void TBaseLazyTree::NotifyUpdating(TLTUpdateState State)
{
    if (OnUpdating)
        OnUpdating(this, State);
}

bool TBaseLazyTree::IsCellEmpty(PLazyNode Node, TColumnIndex Column)
{
    bool IsEmpty = true;
    if (OnGetCellIsEmpty)
        OnGetCellIsEmpty(this, Node, Column, IsEmpty);
    return IsEmpty;
}

int TBaseLazyTree::QueryNodeDataSize()
{
    // Room for one pointer, so that a tree without a handler takes pointer
    // user data whole.
    int NodeDataSize = static_cast<int>(sizeof(void *));
    if (OnGetNodeDataSize)
        OnGetNodeDataSize(this, NodeDataSize);
    return NodeDataSize;
}

void TBaseLazyTree::RaiseDrawHint(platform::TCanvas *HintCanvas, PLazyNode Node, QRect R, TColumnIndex Column)
{
    if (OnDrawHint)
        OnDrawHint(this, HintCanvas, Node, R, Column);
}

TLTHintKind TBaseLazyTree::QueryHintKind(PLazyNode Node, TColumnIndex Column)
{
    TLTHintKind Kind = DefaultHintKind();
    if (OnGetHintKind)
        OnGetHintKind(this, Node, Column, Kind);
    return Kind;
}

void TBaseLazyTree::NotifyColumnVisibilityChanged(TColumnIndex Column, bool Visible)
{
    if (OnColumnVisibilityChanged)
        OnColumnVisibilityChanged(this, Column, Visible);
}

void TBaseLazyTree::NotifyAddToSelection(PLazyNode Node)
{
    if (OnAddToSelection)
        OnAddToSelection(this, Node);
}

int TBaseLazyTree::QueryHelpContext(PLazyNode Node, TColumnIndex Column)
{
    int HelpContext = 0;
    if (OnGetHelpContext)
        OnGetHelpContext(this, Node, Column, HelpContext);
    return HelpContext;
}

void TBaseLazyTree::NotifyColumnResize(TColumnIndex Column)
{
    if (IsLoading() || !HandleAllocated())
        return;
    // Multi-line rows wrap anew at the new width.
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
        if (node->States.containsAll({vsInitialized, vsMultiline}))
            node->States.exclude(vsHeightMeasured);
    if (OnColumnResize)
        OnColumnResize(Header(), Column);
}

} // namespace vtree
