#pragma once
// The string tree in a window: a scroll area onto a canvas as tall as all
// visible rows, painted through TCanvas into a retained image so that only
// the invalid region is drawn again. The core keeps the nodes; this class
// adds the settings that concern the window, the geometry (display
// rectangles, hit tests, offsets, ranges, scroll bars) and painting.
#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/LazyStringTree.h"
#include "controls/vtree/TreeHeader.h"
#include "controls/vtree/widget/ButtonImages.h"
#include "controls/vtree/widget/HintWindow.h"
#include "controls/vtree/widget/PaintInfo.h"
#include "controls/vtree/widget/ScrollBarOptions.h"
#include "controls/vtree/widget/TreeAnimation.h"
#include "controls/vtree/widget/TreeColors.h"
#include "controls/vtree/widget/TreeExport.h"
#include "controls/vtree/widget/TreeLooks.h"
#include "controls/vtree/widget/TreeMouseTypes.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"
#include "platform/draw/RetainedImage.h"
#include "platform/print/PagePrinter.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QStringList>

#include <memory>

class QAccessibleInterface;
class QDrag;
class QMenu;
class QTimer;

namespace vtree {

// Offsets applied by ApplyOffsetXY: what to do beside storing them.
enum class TScrollUpdateOption : std::uint8_t { suoRepaintHeader, suoRepaintScrollBars, suoScrollClientArea, suoUpdateNCArea };
using TScrollUpdateOptions = TEnumSet<TScrollUpdateOption, std::uint8_t>;
inline constexpr TScrollUpdateOptions DefaultScrollUpdateFlags{
    TScrollUpdateOption::suoRepaintHeader, TScrollUpdateOption::suoRepaintScrollBars,
    TScrollUpdateOption::suoScrollClientArea, TScrollUpdateOption::suoUpdateNCArea};

// A scroll bar as the tree sets it up: minimum, maximum, page and position
// counted as the platform counts them (the page is part of the range).
struct TTreeScrollInfo {
    bool Visible = false;
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// Left and right swapped, as a right-to-left reading turns them.
TAlignment mirrored(TAlignment Alignment);

// The window keeps its state in parts, one per concern. A part's header is
// included only by the files of its concern, which also make and free the
// part, so that a change to one concern's state rebuilds only its files.
struct TTreeSettings;
struct TTreeMouseState;
struct TTreeScrollState;
struct TTreeKeyState;
struct TTreeBorder;
struct TTreeDataState;
struct TTreeEditState;
struct TTreePaintState;
struct TImageListLinks;
struct TTreeHintState;
struct TTreeAnimationState;
struct THeaderInteraction;
struct TToggleGeometry;
class TLTDragImage;

struct TTreePartDeleter {
    void operator()(TTreeSettings *Part) const;
    void operator()(TTreeMouseState *Part) const;
    void operator()(TTreeScrollState *Part) const;
    void operator()(TTreeKeyState *Part) const;
    void operator()(TTreeBorder *Part) const;
    void operator()(TTreeDataState *Part) const;
    void operator()(TTreeEditState *Part) const;
    void operator()(TTreeHintState *Part) const;
    void operator()(TTreeAnimationState *Part) const;
    void operator()(THeaderInteraction *Part) const;
    void operator()(TTreePaintState *Part) const;
    void operator()(TImageListLinks *Part) const;
};
template <class T>
using TTreePart = std::unique_ptr<T, TTreePartDeleter>;

class TLazyStringTreeWidget : public QAbstractScrollArea, public TCustomLazyStringTree {
public:
    // The expand button's square.
    static constexpr int ButtonSize = 9;
    explicit TLazyStringTreeWidget(QWidget *parent = nullptr);
    ~TLazyStringTreeWidget() override;

    QString ClassName() const override { return QStringLiteral("TLazyStringTree"); }

    // ---- Settings ------------------------------------------------------------
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    unsigned AnimationDuration() const;
    void SetAnimationDuration(unsigned value);
    unsigned AutoExpandDelay() const;
    void SetAutoExpandDelay(unsigned value);
    unsigned AutoScrollDelay() const;
    void SetAutoScrollDelay(unsigned value);
    // Milliseconds, 1 to 1000.
    unsigned AutoScrollInterval() const;
    void SetAutoScrollInterval(unsigned value);
    const QImage &Background() const;
    void SetBackground(const QImage &value);
    int BackgroundOffsetX() const;
    int BackgroundOffsetY() const;
    // Index 0 is X, 1 is Y.
    void SetBackgroundOffset(int index, int value);
    TBorderStyle BorderStyle() const;
    void SetBorderStyle(TBorderStyle value);
    unsigned BottomSpace() const;
    void SetBottomSpace(unsigned value);
    TLTButtonFillMode ButtonFillMode() const;
    void SetButtonFillMode(TLTButtonFillMode value);
    TLTButtonStyle ButtonStyle() const;
    void SetButtonStyle(TLTButtonStyle value);
    TLTColors &Colors();
    const TLTColors &Colors() const;
    void SetColors(const TLTColors &value);
    TColor Color() const;
    void SetColor(TColor value);
    TLTNodeAttachMode DefaultPasteMode() const;
    void SetDefaultPasteMode(TLTNodeAttachMode value);
    int DragHeight() const;
    void SetDragHeight(int value);
    int DragWidth() const;
    void SetDragWidth(int value);
    TLTDragImageKind DragImageKind() const;
    void SetDragImageKind(TLTDragImageKind value);
    TEnumSet<TDragOperation, std::uint8_t> DragOperations() const;
    void SetDragOperations(TEnumSet<TDragOperation, std::uint8_t> value);
    TLTDragType DragType() const;
    void SetDragType(TLTDragType value);
    TLTDrawSelectionMode DrawSelectionMode() const;
    void SetDrawSelectionMode(TLTDrawSelectionMode value);
    unsigned EditDelay() const;
    void SetEditDelay(unsigned value);
    QString EmptyListMessage() const;
    void SetEmptyListMessage(const QString &value);
    // The tree buffers its own painting: always true, assignments ignored.
    bool DoubleBuffered() const { return true; }
    void SetDoubleBuffered(bool) {}
    THintAnimationType HintAnimation() const;
    void SetHintAnimation(THintAnimationType value);
    TLTHintMode HintMode() const;
    void SetHintMode(TLTHintMode value);
    TCursor HotCursor() const;
    void SetHotCursor(TCursor value);
    platform::TImageList *Images() const override;
    void SetImages(platform::TImageList *value);
    TLTIncrementalSearch IncrementalSearch() const;
    void SetIncrementalSearch(TLTIncrementalSearch value);
    TLTSearchDirection IncrementalSearchDirection() const;
    void SetIncrementalSearchDirection(TLTSearchDirection value);
    TLTSearchStart IncrementalSearchStart() const;
    void SetIncrementalSearchStart(TLTSearchStart value);
    unsigned IncrementalSearchTimeout() const;
    void SetIncrementalSearchTimeout(unsigned value);
    unsigned Indent() const;
    void SetIndent(unsigned value);
    TLTLineMode LineMode() const;
    void SetLineMode(TLTLineMode value);
    TLTLineStyle LineStyle() const;
    void SetLineStyle(TLTLineStyle value);
    int Margin() const;
    void SetMargin(int value);
    TLTNodeAlignment NodeAlignment() const;
    void SetNodeAlignment(TLTNodeAlignment value);
    TScrollBarOptions &ScrollBarOptions();
    const TScrollBarOptions &ScrollBarOptions() const;
    void SetScrollBarOptions(const TScrollBarOptions &value);
    std::uint8_t SelectionBlendFactor() const;
    void SetSelectionBlendFactor(std::uint8_t value);
    unsigned SelectionCurveRadius() const;
    void SetSelectionCurveRadius(unsigned value);
    platform::TImageList *StateImages() const override;
    // The check images in use: the shared list of CheckImageKind, or the
    // custom list for ckCustom.
    platform::TImageList *CheckImages() const;
    platform::TImageList *CustomCheckImages() const;
    void SetCustomCheckImages(platform::TImageList *value);
    void SetStateImages(platform::TImageList *value);
    int TextMargin() const;
    void SetTextMargin(int value);
    bool WantTabs() const;
    void SetWantTabs(bool value);
    // The font rows are drawn with; a change forgets every measured width.
    const platform::TFont &TreeFont() const;
    void SetTreeFont(const platform::TFont &value);
    // Takes over the settings of another tree (not its nodes: as many fresh
    // top-level nodes as it has). A read-only tree takes nothing.
    void Assign(const TLazyStringTreeWidget &Source);

    // ---- Columns and header --------------------------------------------------
    TLTHeader *Header() const override { return const_cast<TLTHeader *>(&FHeader); }
    bool ColumnsUsed() const override { return FHeader.UseColumns(); }
    bool IsValidColumn(TColumnIndex Column) const override { return FHeader.Columns().IsValidColumn(Column); }
    TColumnIndex MainColumn() const override { return FHeader.MainColumn(); }
    bool ColumnAllowsFocus(TColumnIndex Column) const override { return FHeader.AllowFocus(Column); }
    void InvalidateColumn(TColumnIndex Column) override;
    // Left and right edge of a column in client coordinates (scrolled); the
    // whole client width for NoColumn.
    void GetColumnBounds(TColumnIndex Column, int &Left, int &Right) const;
    // The visible column whose span holds X (absolute tree coordinates) with
    // its edges; InvalidColumn when none does.
    TColumnIndex ColumnAndEdgesAt(int X, int &Left, int &Right) const;
    // The header strip: its height when hoVisible is set, else 0. Called
    // after the header's options or height change; sets the top margin.
    int HeaderHeight() const;
    void RecalcHeaderRect();
    // Paints the header strip (client x, y = 0 at the strip's top).
    void PaintHeader(platform::TCanvas &Canvas, const QRect &R);
    QImage paintHeaderToImage();

    // ---- Geometry ------------------------------------------------------------
    void SetOffsetX(int value) { ApplyOffsetXY({value, OffsetY()}, DefaultScrollUpdateFlags); }
    void SetOffsetY(int value) { ApplyOffsetXY({OffsetX(), value}, DefaultScrollUpdateFlags); }
    void SetOffsetXY(QPoint value) { ApplyOffsetXY(value, DefaultScrollUpdateFlags); }
    int RangeX() const;
    int RangeY() const;
    int EffectiveOffsetX() const;
    // Client coordinates; empty when the node does not show.
    platform::TRect GetDisplayRect(PLazyNode Node, TColumnIndex Column, bool TextOnly, bool Unclipped = false,
                                   bool ApplyCellContentMargin = false);
    void GetHitTestInfoAt(int X, int Y, bool Relative, THitInfo &HitInfo);
    PLazyNode GetNodeAt(int X, int Y, bool Relative, int &NodeTop);
    PLazyNode GetNodeAt(int X, int Y);
    platform::TRect GetTreeRect() const;
    PLazyNode TopNode();
    void SetTopNode(PLazyNode Node);
    PLazyNode BottomNode();
    void SetBottomNode(PLazyNode Node);
    bool ApplyOffsetXY(QPoint Value, TScrollUpdateOptions Options, const QRect &ClipRect = {});
    void UpdateHorizontalRange();
    void UpdateVerticalRange() override;
    void UpdateRanges() override;
    void UpdateHorizontalScrollBar(bool DoRepaint);
    void UpdateVerticalScrollBar(bool DoRepaint);
    void UpdateScrollBars(bool DoRepaint) override;
    const TTreeScrollInfo &HorizontalScrollInfo() const;
    const TTreeScrollInfo &VerticalScrollInfo() const;
    bool ScrollIntoView(PLazyNode Node, bool Center, bool Horizontally = false) override;
    // Scrolls horizontally until the column shows whole (or centred); true
    // for every valid column.
    bool ScrollIntoView(TColumnIndex Column, bool Center);
    // A scroll bar's code (SB_LINEUP ... SB_ENDSCROLL) with the thumb's track
    // position; false for an unknown code, which changes nothing.
    enum TScrollCode : int {
        SB_LINEUP,
        SB_LINEDOWN,
        SB_PAGEUP,
        SB_PAGEDOWN,
        SB_THUMBPOSITION,
        SB_THUMBTRACK,
        SB_TOP,
        SB_BOTTOM,
        SB_ENDSCROLL
    };
    bool HandleScroll(Qt::Orientation Bar, int Code, int TrackPos = 0);
    int MeasureVisibleExtent();
    // The invalidated rectangle, all -1 when nothing was invalidated.
    platform::TRect InvalidateNodeRect(PLazyNode Node);
    void InvalidateNode(PLazyNode Node) override;
    void InvalidateChildren(PLazyNode Node, bool Recursive);
    void InvalidateToBottom(PLazyNode Node) override;
    void Invalidate() override;
    int ClientWidth() const;
    int ClientHeight() const;

    // ---- Window --------------------------------------------------------------
    bool HandleAllocated() const override { return true; }
    bool Focused() const override { return hasFocus(); }
    bool IsTreeEnabled() const override { return isEnabled(); }
    platform::TCanvas *TreeCanvas() override { return FCanvas; }
    int MeasureNodeWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column) override;
    int MeasureStaticTextWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column) override;
    QSize sizeHint() const override { return {200, 100}; }

    // The whole client area painted on an offscreen image.
    QImage paintToImage();
    // The whole tree on white, page by page (nothing without a printer).
    void Print(platform::TPagePrinter *Printer);

protected:
    // The settings' shared reaction: a repaint, unless the tree is loading.
    void repaintUnlessLoading();
    int checkImageWidth() const;
    bool hasCheckColumn(PLazyNode Node) const;
    int imageWidthIf(platform::TImageList *list, PLazyNode Node, TLTImageKind Kind, TColumnIndex Column);
    // The indentation of a node in the main column, levels times Indent.
    int indentOf(PLazyNode Node) const;
    void initNode(PLazyNode Node)
    {
        if (!Node->States.contains(TLazyNodeState::vsInitialized))
            InitializeNode(Node);
    }
    void expandParents(PLazyNode Node);
    bool scrollNodeIntoView(PLazyNode Node, bool Center);
    void setUpScrollBar(Qt::Orientation Bar, bool Wanted, int Client, int Range, int Position);
    void classifyLeftToRight(PLazyNode Node, int X, int Width, bool IsMain, TAlignment Alignment, THitInfo &HitInfo);
    // A column's cell widened over its empty visible neighbours.
    void spanEmptyCells(PLazyNode Node, TColumnIndex &Column, int &Left, int &Right);
    // One cell of a row: images, lines, decorations, content.
    void paintCell(TLTPaintInfo &PaintInfo, bool ShowCheckImages, bool ShowStateImages, bool ShowImages);
    TAlignment cellAlignment(TColumnIndex Column) const;
    // A cell's reading direction: its column's, else the tree's.
    bool readsRightToLeft(TColumnIndex Column) const;
    // The indentation a hit test counts in front of a cell's content.
    int hitIndentWidth(PLazyNode Node, bool IsMain) const;
    void classifyRightToLeft(PLazyNode Node, int X, int Width, bool IsMain, TAlignment Alignment, THitInfo &HitInfo);
    // Below the last row: each column's strip in its colour, with full
    // vertical grid lines when asked; ShiftX turns tree x into canvas x.
    void paintColumnsBelowRows(platform::TCanvas &Canvas, const platform::TRect &Below, int ShiftX,
                               TLTInternalPaintOptions PaintOptions);

    // ---- Painting ------------------------------------------------------------
    // The colour every background fill uses, and the text colour of rows.
    TColor BackGroundColor() const;
    TColor NodeFontColor() const { return TreeFont().Color(); }
    // Paints the client rectangle UpdateRect (client coordinates).
    void Paint(platform::TCanvas &Canvas, const QRect &UpdateRect, TLTInternalPaintOptions PaintOptions = DefaultPaintOptions);
    // Paints Window (absolute tree coordinates) at Target of the canvas, row
    // by row through a row bitmap copied in one step.
    virtual void PaintTree(platform::TCanvas &TargetCanvas, const QRect &Window, QPoint Target,
                           TLTInternalPaintOptions PaintOptions);
    // The line types of a row's indentation levels; gives the number of
    // selected ancestors.
    int ComputeLineImage(PLazyNode Node, TLineImage &LineImage);
    int ButtonXOf(int Levels) const;
    void ComputeVerticalAlignment(TLTPaintInfo &PaintInfo, bool ShowImages, bool ShowStateImages);
    void FetchImageInfo(TLTPaintInfo &PaintInfo, TLTImageKind Kind, int InfoIndex, platform::TImageList *DefaultImages);
    void PlaceImage(TLTPaintInfo &PaintInfo, int InfoIndex);
    void ShiftByIndent(TLTPaintInfo &PaintInfo, int Levels);
    void DrawTreeLines(TLTPaintInfo &PaintInfo);
    void DrawLineSegment(TLTPaintInfo &PaintInfo, int X, bool Reverse, TLTLineType LineType, int VAlignMinus1,
                         int Height);
    void DrawExpandButton(TLTPaintInfo &PaintInfo);
    void DrawCheckBox(TLTPaintInfo &PaintInfo);
    void DrawNodeImage(TLTPaintInfo &PaintInfo, int InfoIndex, bool DoOverlay);
    void EraseNodeBackground(TLTPaintInfo &PaintInfo, bool ShowBackground, platform::TRect R);
    virtual void DecorateCell(TLTPaintInfo &PaintInfo);
    virtual void PaintNodeContent(TLTPaintInfo &PaintInfo);
    virtual void PaintNodeDropMark(platform::TCanvas &Canvas, PLazyNode Node, platform::TRect R);
    void DottedHorzLine(TLTPaintInfo &PaintInfo, int Left, int Y, int Right);
    void DottedVertLine(TLTPaintInfo &PaintInfo, int Top, bool UseSelectionColor, int X, int Bottom);
    // The background picture repeated over R, R's origin at Offset of the tree.
    void TileBackgroundBitmap(platform::TCanvas &Canvas, platform::TRect R, platform::TPoint Offset);
    void PlaceStaticBackground(platform::TCanvas &Canvas, platform::TRect R, platform::TPoint Offset);
    // A background picture shows only when it has pixels.
    bool showsBackground(TLTInternalPaintOptions PaintOptions) const;
    // The dot pattern of tree and grid lines for LineStyle.
    platform::TPattern8 linePattern();
    void drawText(TLTPaintInfo &PaintInfo, const QString &Text);
    void drawStaticText(TLTPaintInfo &PaintInfo, const QString &Text);
    void applyTextColors(TLTPaintInfo &PaintInfo);
    void blendSelection(platform::TCanvas &Canvas, platform::TRect Inner, TColor Color);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    TTreePart<TTreeSettings> newSettings();
    TTreePart<TTreeSettings> FSettings = newSettings();

protected:
    // Stores the colour without repainting: printing paints on white for a moment.
    void setColorSilently(TColor Value);

    // The horizontal position as read follows the offset and the reading direction.
    void updateEffectiveOffsetX();

private:
    static TTreePart<TTreeScrollState> newScrollState();
    TTreePart<TTreeScrollState> FScroll = newScrollState();

protected:
    TLTHeader FHeader{this};
    QWidget *FHeaderStrip = nullptr;

    platform::TCanvas FIdleCanvas;
    platform::TCanvas *FCanvas = &FIdleCanvas;
    platform::TRetainedImage FRetained;

    // ---- Editing, hints and animations -----------------------------------------
public:
    // Editable: toEditable, enabled, not read-only, column -1 or coEditable;
    // OnEditing has the last word.
    bool CanEdit(PLazyNode Node, TColumnIndex Column);
    // Focuses the node and opens an editor over the cell; whether one is open.
    virtual bool EditNode(PLazyNode Node, TColumnIndex Column);
    bool EndEditNode() override;
    bool CancelEditNode() override;
    bool IsEditing() const { return TreeStates().contains(TLazyTreeState::tsEditing); }
    TColumnIndex EditColumn() const;
    ILTEditLink *EditLink() const;
    // The alignment of a cell's text as read (right to left mirrored).
    TAlignment EditAlignment(TColumnIndex Column) const;
    void UpdateEditBounds() override;

    bool ShowHint() const;
    void SetShowHint(bool value);
    // The hint decision for a cursor position (client coordinates): 0 when a
    // hint shows, HintInfo filled; see TLTHintInfo.
    int HandleHintShow(TLTHintInfo &HintInfo);
    // The mouse resting at CursorPos (client coordinates): decides, measures
    // and shows the hint; true when one is up.
    bool ShowHintAt(QPoint CursorPos);
    void CancelTreeHint() override;
    // Qt's request for a hint over the rows.
    bool viewportEvent(QEvent *event) override;
    THintAnimationType EffectiveHintAnimation() const;
    TLazyTreeHintWindow *HintWindow() const;
    const platform::TRect &LastHintRect() const;

    // Steps over Duration on a timer, tsInAnimation meanwhile; false (and no
    // step) when an animation runs already or there is no time.
    bool RunAnimation(int Steps, unsigned Duration, TTimedAnimation::StepFunction Step,
                      std::function<void()> Finished = {});
    // Ends a running animation at once, with its closing step.
    void FinishAnimation();
    TTimedAnimation &Animation();
    // Only a tree the user can see animates.
    bool canAnimate() const;
    bool IsToggleAnimating() const;
    const QImage &ToggleFrame() const;

protected:
    friend class TLTEdit;
    friend class TStringEditLink;
    friend class TLazyTreeHintWindow;
    virtual void OpenEditor();
    virtual bool CloseEditor();
    bool AbortEditor() override;
    virtual void PlaceEditor();
    void TimerFired(int Id) override;
    void AnimateToggle(PLazyNode Node, bool Expanding, std::int64_t HeightChange) override;
    // The toggle's figures taken before it changes anything.
    TToggleGeometry toggleGeometry(PLazyNode Node, std::int64_t HeightChange);
    // Ends a running animation without its closing step.
    void stopAnimation();

private:
    static TTreePart<TTreeEditState> newEditState();
    static TTreePart<TTreeHintState> newHintState();
    static TTreePart<TTreeAnimationState> newAnimationState();
    TTreePart<TTreeEditState> FEdit = newEditState();
    TTreePart<TTreeHintState> FHints = newHintState();
    TTreePart<TTreeAnimationState> FAnimation = newAnimationState();

    // ---- Header strip: owner drawing, mouse, popup menu and printing ---------
public:
    QWidget *HeaderStrip() const { return FHeaderStrip; }
    // The header's own images (column images and the menu's icons).
    platform::TImageList *HeaderImages() const;
    void SetHeaderImages(platform::TImageList *Value);
    // The menu a right click on the header shows (nil: OnGetPopupMenu asks).
    QMenu *HeaderPopupMenu() const;
    void SetHeaderPopupMenu(QMenu *Value);
    // The column menu made by the last right click with hoAutoColumnPopupMenu.
    QMenu *AutoColumnPopupMenu() const;
    // The picture following the mouse during a column drag (nil before one).
    QWidget *HeaderDragImage() const;
    TColumnIndex HeaderDragIndex() const;
    TColumnIndex HeaderDropTarget() const;
    bool HeaderDropBefore() const;
    // The column under a header point (strip coordinates), InvalidColumn for none.
    TColumnIndex HeaderColumnAt(QPoint P) const;
    // P in client coordinates (the header spans y -Height .. 0): the column
    // whose right edge P is near enough to resize, into the tracked index.
    bool FindSplitterColumn(QPoint P);
    bool InHeaderSplitterArea(QPoint P) const;
    bool CanResizeHeaderHeight(QPoint P);
    void ProcessHeaderClick(QPoint P, TMouseButton Button, bool DblClick, bool Force);
    // Fits the columns at display positions RangeStartCol .. RangeEndCol
    // (-1: first and last) to their widest content.
    void AutoFitColumns(bool Animated = true, TSmartAutoFitType SmartAutoFitType = TSmartAutoFitType::smaUseColumnOption,
                        TColumnIndex RangeStartCol = NoColumn, TColumnIndex RangeEndCol = NoColumn);
    int GetMaxColumnWidth(TColumnIndex Column, bool UseSmartColumnWidth = false);
    // Prints the tree with the header on top of the first pages when asked
    // and visible.
    void Print(platform::TPagePrinter *Printer, bool PrintHeader);
    // The header's font: stored (ParentFont off), the header made at least
    // as tall as its text needs under toAutoChangeScale, repainted.
    void SetHeaderFont(const THeaderFont &Value);
    // The tree's font changed: a header with ParentFont takes it.
    void HeaderParentFontChanged();
    // The strip's own input and, while a header state is set, the tree's
    // Escape and focus loss; true when the header took the event.
    bool HandleHeaderEvent(QEvent *Event);

protected:
    // Paints the columns over Width pixels of a strip scrolled by OffsetX.
    void paintHeaderColumns(platform::TCanvas &Canvas, int Width, int OffsetX);
    void paintHeaderCell(platform::TCanvas &Canvas, TLazyTreeColumn &Column, const platform::TRect &Cell,
                         bool OwnerDraw, bool AdvancedOwnerDraw);
    void invalidateHeader();
    TShiftState headerShiftState(Qt::KeyboardModifiers Modifiers) const;
    bool trackHoverColumn(QPoint P);
    // Header-relative points, as the strip gets them.
    TColumnIndex trackPressedColumn(QPoint Header);
    void headerPress(const QMouseEvent &Event);
    void headerMove(const QMouseEvent &Event);
    void headerRelease(const QMouseEvent &Event);
    void headerDoubleClick(const QMouseEvent &Event);
    bool trackHeaderMouseMove(const QMouseEvent &Event);
    void beginColumnDrag(QPoint DragStart);
    void moveColumnDrag(QPoint Global);
    bool cancelHeaderStates();
    void updateHeaderCursor(QPoint P);
    void setHeaderStates(THeaderStates Value) { FHeader.SetStates(Value); }

private:
    static TTreePart<THeaderInteraction> newHeaderInteraction();
    TTreePart<THeaderInteraction> FHeaderInteraction = newHeaderInteraction();

    // ---- Keyboard, incremental search, selection and focus by keys and mouse ----
public:
    // Key handling in virtual-key codes and shift states; the Qt handlers
    // translate to these. A key down answers whether the tree used the key
    // (an unused one goes on to the window's parent).
    bool HandleKeyDown(std::uint16_t CharCode, TShiftState Shift);
    void HandleKeyUp(std::uint16_t CharCode, TShiftState Shift);
    // A typed character (8 for Backspace) after its key down.
    void HandleChar(char16_t CharCode);
    // One step of the incremental search with a typed character.
    void HandleIncrementalSearch(char16_t CharCode);
    // Focuses a node and a column together, asking first; false when refused.
    bool SetFocusedNodeAndColumn(PLazyNode Node, TColumnIndex Column);
    // The platform takes the mouse and keyboard away: timers and searches stop.
    void CancelMode();
    int HelpContext() const;
    void SetHelpContext(int value);
    TLTShowHelpEvent OnShowHelp;

    // Selection by the mouse, for the mouse handling: at mouse down with the
    // hit information (whether a drag may start there, and for the right
    // button whether a popup menu exists), and at mouse up with the node
    // under the mouse.
    void HandleMouseSelection(const THitInfo &HitInfo, TShiftState Shift, TMouseButton Button, bool DragPossible,
                              bool PopupAvailable);
    void HandleClickSelection(PLazyNode LastFocused, PLazyNode NewNode, TShiftState Shift, bool DragPending);
    void CompleteMouseSelection(PLazyNode NodeUnderMouse);

    // The popup menu of a node at a client point.
    virtual void ShowPopupMenu(PLazyNode Node, TColumnIndex Column, QPoint Position);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void abandonKeyCheck();
    bool startKeyCheck();
    void handleNavigationKey(std::uint16_t CharCode, TShiftState Shift);
    // The navigation keys by group; each tells the selection step that follows
    // whether to toggle the range from the former focus, or to do nothing when
    // an open editor refused to end.
    struct NavigationKey;
    enum class NavigationStep : std::uint8_t { Moved, ToggleRange, Refused };
    void backKey();
    NavigationStep pageKey(const NavigationKey &Key);
    NavigationStep homeEndKey(const NavigationKey &Key);
    NavigationStep upDownKey(const NavigationKey &Key);
    NavigationStep leftRightKey(const NavigationKey &Key);
    NavigationStep leftToParent(const NavigationKey &Key, PLazyNode Old);
    NavigationStep rightToChild(const NavigationKey &Key, PLazyNode Old);
    void selectAfterNavigation(const NavigationKey &Key, PLazyNode LastFocused, bool ToggleRange);
    // Where a node lies from the range anchor: below 0 before it, above 0 after it.
    int sideOfRangeAnchor(PLazyNode Node) const;
    bool handleOtherKey(std::uint16_t CharCode, TShiftState Shift);
    PLazyNode pageTarget(PLazyNode From, bool Up);
    void moveColumnByScreen(bool Left);
    void moveColumnFocus(bool Forward);
    void tabToCell(bool Backward);
    void showHelp();
    void popupForFocusedNode();
    PLazyNode searchStep(PLazyNode Node, bool Forward);
    static TTreePart<TTreeKeyState> newKeyState();
    TTreePart<TTreeKeyState> FKeys = newKeyState();
    // ---- Tree painting and measuring: reading direction, spans, text events, multiline, button images,
    // rubber band, border, window changes
public:
    // The tree's reading direction, held as Qt's layout direction too.
    TBiDiMode BiDiMode() const;
    void SetBiDiMode(TBiDiMode Value);
    bool UseRightToLeftAlignment() const { return BiDiMode() == TBiDiMode::bdRightToLeft; }
    bool UseRightToLeftReading() const { return BiDiMode() != TBiDiMode::bdLeftToRight; }
    // How far to the right a right-to-left tree draws its columns when they
    // are narrower than its window.
    int RightToLeftShift(bool ExcludeScrollBar);
    // For the mouse: the node under the pointer and whether the pointer is
    // over its expand button (nil for none); repaints the rows that change.
    void SetHotNode(PLazyNode Node, bool ButtonHit);
    bool HotNodeButtonHit() const;
    // The rubber band of a mouse selection in absolute tree coordinates
    // (corners in the order the mouse gave them), drawn while the tree is
    // mouse-selecting with the left button down; an empty rectangle draws
    // none. The mouse keeps it; setting it repaints.
    void SetNewSelRect(const platform::TRect &R);
    platform::TRect NewSelRect() const;
    // (Re)makes the six expand button images and/or the line pattern.
    void BuildButtonBitmaps(bool NeedButtons, bool NeedLines);
    const TButtonBitmaps &ButtonBitmaps() const;
    // The tree font's cell height and the width of "..." in it.
    int TextHeight() const;
    int EllipsisWidth() const;
    // The height a cell's text needs (S empty: the cell's text).
    virtual int ComputeNodeHeight(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column, QString S = {});
    // Where an editor for the cell's text goes, with the font it shows.
    virtual void GetTextInfo(PLazyNode Node, TColumnIndex Column, platform::TFont &AFont, platform::TRect &R, QString &Text);
    // The frame around the client area, as negative thicknesses.
    QPoint WindowFrameSize() const;
    // The client area painted onto another canvas as a print request has
    // it: without column colours.
    void PrintClient(platform::TCanvas &Canvas);
    // After loading, what the window is made with is made from the loaded
    // settings.
    void Loaded() override;

protected:
    // The cell widened over the empty cells after it; gives the next column
    // to paint (InvalidColumn after the last).
    virtual TColumnIndex SpanCellRect(TLTPaintInfo &PaintInfo);
    virtual void DrawRubberBand(platform::TCanvas &Canvas, int WindowOrgX, platform::TRect TargetRect,
                                platform::TRect SelectionRect);
    bool drawsRubberBand() const;
    // The dotted rectangle of focus and of the plain rubber band.
    void drawDottedFrame(platform::TCanvas &Canvas, const platform::TRect &R);
    // The horizontal scroll position as a positive number: right to left it
    // counts from the right end of the tree.
    int effectiveOffsetX() const;
    // OnPaintText; true when the handler changed the canvas font.
    virtual bool NotifyPaintText(platform::TCanvas &Canvas, PLazyNode Node, TColumnIndex Column, TLSTTextType TextType);
    virtual QString FitTextToWidth(platform::TCanvas &Canvas, PLazyNode Node, TColumnIndex Column, const QString &S,
                                   int Width, int EllipsisWidth);
    virtual void RenderCellText(platform::TCanvas &Canvas, PLazyNode Node, TColumnIndex Column, const QString &Text,
                                platform::TRect R, unsigned Flags);
    virtual platform::TSize MeasureTextExtent(platform::TCanvas &Canvas, PLazyNode Node, TColumnIndex Column,
                                              const QString &Text);
    unsigned alignmentFlag(TAlignment Alignment) const;
    // The font changed: metrics, measured widths, button images, a repaint.
    void treeFontChanged();
    // Follows an image list's changes (and its end) for one of the lists.
    void linkImageList(platform::TChangeLink &Link, platform::TImageList *List, platform::TImageList *&Field);
    void changeEvent(QEvent *event) override;
    // Qt's layout direction changed: the tree reads the same way.
    void followLayoutDirection(bool RightToLeft);
    // Columns in index order, or reversed for right to left.
    void resetColumnDisplayOrder(bool RightToLeft);

private:
    static TTreePart<TTreePaintState> newPaintState();
    static TTreePart<TImageListLinks> newImageListLinks();
    TTreePart<TTreePaintState> FPaintState = newPaintState();
    TTreePart<TImageListLinks> FImageListLinks = newImageListLinks();


    // ---- Mouse on the rows, wheel, panning, hot tracking, drag and drop ------
public:
    // The hot node's column.
    TColumnIndex HotColumn() const;
    // The rubber band in client coordinates; empty when none is drawn.
    QRect RubberBandRect() const;
    TDragMode DragMode() const;
    void SetDragMode(TDragMode value);
    // Panning runs from its start until the click that ends it.
    bool IsWheelPanning() const
    {
        return TreeStates().contains(TLazyTreeState::tsWheelPanning) || TreeStates().contains(TLazyTreeState::tsWheelScrolling);
    }
    // The cursor resource wheel panning shows (empty when not panning).
    const QString &PanningCursor() const;
    QWidget *PanningWindow() const;
    const QTimer *AutoScrollTimer() const;
    const QTimer *AutoExpandTimer() const;
    TScrollDirections ScrollDirections() const;
    TLTDragImage &DragImage();
    int LastDragEffect() const;
    TDropMode LastDropMode() const;

    void HandleMouseDown(const TTreeMouseMessage &Message, THitInfo &HitInfo);
    void HandleMouseUp(const TTreeMouseMessage &Message, const THitInfo &HitInfo);
    void HandleMouseDblClick(const TTreeMouseMessage &Message, const THitInfo &HitInfo);
    void HandleHotTrack(int X, int Y);
    void StartWheelPanning(QPoint Position);
    void StopWheelPanning();
    // One step of timer 4: starts a pending scroll, then scrolls once.
    void AutoScrollTimerFired();
    // Timer 1: the drop target expands.
    void AutoExpandTimerFired();

    void BeginDrag(bool Immediate, int Threshold = -1);
    bool Dragging() const;
    // Inserts dropped tree data at TargetNode as Mode says; Effect becomes
    // none when the nodes were moved (nothing left for the source to do).
    bool ProcessDrop(const QMimeData *DataObject, PLazyNode TargetNode, int &Effect, TLTNodeAttachMode Mode);
    bool ProcessDrop(IDataObject *DataObject, PLazyNode TargetNode, int &Effect, TLTNodeAttachMode Mode);
    // The drop mode a point gives over a node.
    TDropMode ComputeDropMode(QPoint P, const THitInfo &HitInfo, const QRect &NodeRect) const;
    // Renders the selected nodes around HotSpot (client) into the drag image.
    void PrepareDragImage(QPoint HotSpot);

    // The data a drag of the selected nodes carries.
    virtual QMimeData *DragDataObject();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Runs Qt's drag loop; tests answer it themselves.
    virtual Qt::DropAction ExecDrag(QDrag &Drag, Qt::DropActions Allowed, Qt::DropAction Default);

    void HandleMouseMove(const TTreeMouseMessage &Message);
    // The hit information of a client point.
    THitInfo HitInfoAt(QPoint P);
    void MouseWheel(int Delta, bool Horizontal, Qt::KeyboardModifiers Modifiers);
    void PressCheckBox(PLazyNode Node);
    void UpdateMouseCursor(QPoint P);
    // The focus column a click on the hit gives, and whether it changes.
    void ClickColumn(const THitInfo &HitInfo, TColumnIndex &NewColumn, bool &ColumnChange) const;
    void StartDrawSelection(QPoint P, const THitInfo &HitInfo, TShiftState Shift);
    void EndDrawSelection();
    bool HeaderBusy() const;
    bool CanScrollVertically() const { return ClientHeight() < RangeY(); }
    bool CanScrollHorizontally() const { return ClientWidth() < RangeX(); }
    void SetLastDropMode(TDropMode Mode);
    TScrollDirections DetermineScrollDirections(QPoint P, bool DuringDragOver);
    bool CanAutoScroll() const;
    void UpdateAutoScroll(QPoint P);
    void StopAutoScroll();
    // One scroll step; whether the offsets changed.
    bool DoAutoScroll(QPoint P);
    void UpdatePanningCursor(QPoint P);
    QTimer &scrollTimer();
    QTimer &expandTimer();
    // The rubber band follows the mouse; whether it changed.
    bool UpdateSelectionRect(QPoint P);
    void HandleDrawSelection(const QRect &OldRect, const QRect &NewRect);
    void DoDragging(QPoint P);
    int SuggestDropEffect(QObject *Source, TShiftState Shift, int AllowedEffects) const;
    TShiftState DragShiftState(Qt::KeyboardModifiers Modifiers) const;
    // The shared drag enter and drag over steps; the effect to answer.
    int DragOverStep(QObject *Source, Qt::KeyboardModifiers Modifiers, QPoint P, TDragState State, int Allowed);
    void DragLeaveStep();
    void ReadDropSource(const QMimeData *Data, QObject *EventSource);

private:
    static TTreePart<TTreeMouseState> newMouseState(QWidget *Viewport);
    TTreePart<TTreeMouseState> FMouse = newMouseState(viewport());

    // ---- Border ring and bevel -------------------------------------------------
public:
    int BorderWidth() const;
    void SetBorderWidth(int value);
    TBevelEdges BevelEdges() const;
    void SetBevelEdges(TBevelEdges value);
    TBevelCut BevelInner() const;
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const;
    void SetBevelOuter(TBevelCut value);
    TBevelKind BevelKind() const;
    void SetBevelKind(TBevelKind value);
    int BevelWidth() const;
    void SetBevelWidth(int value);
    bool Ctl3D() const;
    void SetCtl3D(bool value);
    // The ring's thickness on each side, between Qt's frame and the header
    // and rows.
    QMargins BorderMargins() const;
    // Bevel and border into Outer, the rectangle the ring fills the edge of.
    void PaintTreeBorder(platform::TCanvas &Canvas, const platform::TRect &Outer);
    // The ring's outer rectangle in window coordinates (empty without a ring).
    QRect BorderRect() const;

protected:
    void placeBorderRing();
    // The ring shows the border colour: a new colour paints it again.
    void repaintBorderRing();
    // Stores a border setting; a new thickness lays the window out again.
    template <class T>
    void setBorderSetting(T TTreeBorder::*Setting, T Value);
    void copyBorder(const TLazyStringTreeWidget &Source);

private:
    static TTreePart<TTreeBorder> newBorder();
    TTreePart<TTreeBorder> FBorder = newBorder();

    // ---- Data transfer, exports and accessibility ---------------------------
public:
    // The format names the tree offers (only names listed for its class).
    TClipboardFormats &ClipboardFormats();
    const TClipboardFormats &ClipboardFormats() const;
    void SetClipboardFormats(const QStringList &value);
    // A new data object of the tree (the caller owns it): OnCreateDataObject's
    // is not used, the tree's formats render lazily on request.
    class TLTDataObject *CreateDataObject(bool ForClipboard);
    std::uint64_t CutCopyGeneration() const;
    void CopyToClipboard();
    void CutToClipboard();
    // Inserts the clipboard's tree data at the focused node; raises
    // ELazyTreeError 2007 when the clipboard gives nothing.
    bool PasteFromClipboard();
    // The clipboard keeps a copy of the data; the cut or copy ends.
    void FlushClipboard();
    void ClearClipboardOfCutCopy() override;
    // The bytes of a format (MIME type) for the data object; 0 on success.
    virtual HRESULT RenderOLEData(const QString &MimeType, QByteArray &Medium, bool ForClipboard);
    // The bytes a format number holds on the clipboard, terminator included;
    // empty for a format the tree does not render.
    QByteArray ContentToClipboard(std::uint32_t Format, TLSTTextSourceType Source);
    QString ContentToHTML(TLSTTextSourceType Source, const QString &Caption = {});
    QByteArray ContentToRTF(TLSTTextSourceType Source);
    QString ContentToText(TLSTTextSourceType Source, const QString &Separator);
    QString ContentToText(TLSTTextSourceType Source, QChar Separator)
    {
        return ContentToText(Source, QString(Separator));
    }
    QString ContentToUnicode(TLSTTextSourceType Source, QChar Separator)
    {
        return ContentToText(Source, QString(Separator));
    }
    void ContentToCustom(TLSTTextSourceType Source);
    // The top-level nodes' texts per column as a UTF-8 file, written whole
    // or not at all; false (with the reason in Error) when it is not written.
    bool SaveToCSVFile(const QString &FileNameWithPath, bool IncludeHeading, QString *Error = nullptr);
    // Accessibility: the name assistive tools read for the tree, the objects
    // the providers made (Qt owns them), and the change reports.
    QString AccessibleName() const;
    void SetAccessibleName(const QString &value);
    QAccessibleInterface *AccessibleObject();
    QAccessibleInterface *AccessibleItemObject();
    void NotifyAccessibleStateChange() override;
    void NotifyAccessibleFocusChange() override;

protected:
    friend class TLTDataObject;
    friend class TLTAccessibilityFactory;
    friend class TLTTreeAccessibleProvider;
    friend QAccessibleInterface *accessibleTreeFactory(const QString &, QObject *);
    void copyOrCutToClipboard(bool Cut);
    PLazyNode exportFirst(TLSTTextSourceType Source);
    PLazyNode exportNext(PLazyNode Node, TLSTTextSourceType Source);
    bool passesExportMode(PLazyNode Node) const;
    bool exportNodeAllowed(TLTExportType Type, PLazyNode Node);
    // The visible columns in display order; one null entry without columns.
    std::vector<TLazyTreeColumn *> exportColumns() const;
    TLSTGetCellTextEventArgs exportTexts(PLazyNode Node, TColumnIndex Column, TLTExportType Type);
    int maxExportLevel(TLSTTextSourceType Source, bool ApplyExportMode);

private:
    static TTreePart<TTreeDataState> newDataState(const TBaseLazyTree &Tree);
    TTreePart<TTreeDataState> FTreeData = newDataState(*this);
};

} // namespace vtree
