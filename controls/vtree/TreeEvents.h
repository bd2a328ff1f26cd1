#pragma once
// The event surface of the lazy tree: the records and small enumerations its
// events pass, and one handler type per event. Every event is a callable
// field of the tree named after the event; an empty one counts as not
// assigned. The first argument is the sender: the tree, or its header for the
// header's events. Arguments the handler may change are references.
//
// Painting, the header, editing and data transfer come with the widget and
// its parts; their types are only named here, so that the whole surface is
// declared in one place and the core stays free of painting.
#include "controls/vtree/EnumSet.h"
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/TreeStates.h"
#include "controls/vtree/TreeTypes.h"
#include "platform/Interface.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QEvent;
class QIODevice;
class QImage;
class QMenu;
class QObject;
class QByteArray;

namespace platform {
class TCanvas;
class TImageList;
} // namespace platform

namespace vtree {

class TBaseLazyTree;
class TLTHeader;
class TLazyTreeColumn;

// Interfaces the editing and data-transfer parts implement.
// An editor as the tree drives it: prepared for a cell, placed, begun, and
// then ended (taking its text) or cancelled. A false answer refuses the step.
class ILTEditLink : public platform::IInterface {
public:
    virtual bool BeginEdit() = 0;
    virtual bool CancelEdit() = 0;
    virtual bool EndEdit() = 0;
    virtual bool PrepareEdit(TBaseLazyTree *Tree, PLazyNode Node, TColumnIndex Column) = 0;
    virtual QRect GetBounds() const = 0;
    // Hands an event the tree received on to the editor.
    virtual void ProcessMessage(QEvent *Message) = 0;
    virtual void SetBounds(QRect R) = 0;
};
class ILTDragManager : public platform::IInterface {};
class IDataObject : public platform::IInterface {};

using TColor = std::int32_t; // 0x00BBGGRR, as platform::TColor
using TCursor = int;
using TImageIndex = int;
using HRESULT = std::int32_t;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);

enum class TShiftStateItem : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TEnumSet<TShiftStateItem, std::uint8_t>;
enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

enum class THitPosition : std::uint8_t {
    hiAbove,
    hiBelow,
    hiNowhere,
    hiOnItem,
    hiOnItemButton,
    hiOnItemButtonExact,
    hiOnItemCheckbox,
    hiOnItemIndent,
    hiOnItemLabel,
    hiOnItemLeft,
    hiOnItemRight,
    hiOnNormalIcon,
    hiOnStateIcon,
    hiToLeft,
    hiToRight,
    hiUpperSplitter,
    hiLowerSplitter,
};
using THitPositions = TEnumSet<THitPosition, std::uint32_t>;

struct THitInfo {
    PLazyNode HitNode = nullptr;
    THitPositions HitPositions;
    TColumnIndex HitColumn = NoColumn;
    QPoint HitPoint;
};

enum class TLTHeaderHitPosition : std::uint8_t { hhiNoWhere, hhiOnColumn, hhiOnIcon, hhiOnCheckbox };
using TLTHeaderHitPositions = TEnumSet<TLTHeaderHitPosition, std::uint8_t>;

struct TLTHeaderHitInfo {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    TMouseButton Button = TMouseButton::mbLeft;
    TShiftState Shift;
    TColumnIndex Column = NoColumn;
    TLTHeaderHitPositions HitPosition;
};

enum class TLTDropMarkMode : std::uint8_t { dmmNone, dmmLeft, dmmRight };

struct THeaderPaintInfo {
    platform::TCanvas *TargetCanvas = nullptr;
    TLazyTreeColumn *Column = nullptr;
    QRect PaintRectangle;
    QRect TextRectangle;
    bool IsHoverIndex = false;
    bool IsDownIndex = false;
    bool IsEnabled = false;
    bool ShowHeaderGlyph = false;
    bool ShowSortGlyph = false;
    bool ShowRightBorder = false;
    TLTDropMarkMode DropMark = TLTDropMarkMode::dmmNone;
    QPoint GlyphPos;
    QPoint SortGlyphPos;
};

enum class TLTExportType : std::uint8_t { etNone, etRTF, etHTML, etText, etExcel, etWord, etCustom };

struct TLSTGetCellTextEventArgs {
    PLazyNode Node = nullptr;
    TColumnIndex Column = NoColumn;
    QString CellText;
    QString StaticText;
    TLTExportType ExportType = TLTExportType::etNone;
};

enum class TLTImageKind : std::uint8_t { ikNormal, ikSelected, ikState, ikOverlay };
enum class TLSTTextType : std::uint8_t { ttNormal, ttStatic };
enum class TLTHintKind : std::uint8_t { vhkText, vhkOwnerDraw };
enum class TLTTooltipLineBreakStyle : std::uint8_t { hlbDefault, hlbForceSingleLine, hlbForceMultiLine };
enum class TItemEraseAction : std::uint8_t { eaColor, eaDefault, eaNone };
enum class TLTCellPaintMode : std::uint8_t { cpmPaint, cpmGetContentMargin };
enum class TLTCellContentMarginType : std::uint8_t { ccmtAllSides, ccmtTopLeftOnly, ccmtBottomRightOnly };
enum class THeaderPaintElement : std::uint8_t { hpeBackground, hpeDropMark, hpeHeaderGlyph, hpeSortGlyph, hpeText };
using THeaderPaintElements = TEnumSet<THeaderPaintElement, std::uint8_t>;
enum class TSmartAutoFitType : std::uint8_t { smaAllColumns, smaNoColumn, smaUseColumnOption };
enum class TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
enum class TDropMode : std::uint8_t { dmNowhere, dmAbove, dmOnNode, dmBelow };

// Data-transfer formats travel by their MIME names.
using TFormatArray = QStringList;
using TFormatEtcArray = QStringList;

using TreeSender = TBaseLazyTree *;
using HeaderSender = TLTHeader *;
using TCanvasPtr = platform::TCanvas *;

// Node life cycle and structure.
// F1 found a help context; there is no help viewer, the application shows it.
using TLTShowHelpEvent = std::function<void(TreeSender, int HelpContext)>;
using TLTGetNodeDataSizeEvent = std::function<void(TreeSender, int &NodeDataSize)>;
using TLTInitNodeEvent = std::function<void(TreeSender, PLazyNode ParentNode, PLazyNode Node, TLazyNodeInitStates &InitialStates)>;
using TLTInitChildrenEvent = std::function<void(TreeSender, PLazyNode Node, std::uint32_t &ChildCount)>;
using TLTFreeNodeEvent = std::function<void(TreeSender, PLazyNode Node)>;
using TLTChangeEvent = std::function<void(TreeSender, PLazyNode Node)>;
using TLTMeasureItemEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, int &NodeHeight)>;
using TLTSaveNodeEvent = std::function<void(TreeSender, PLazyNode Node, QIODevice *Stream)>;
using TLTSaveTreeEvent = std::function<void(TreeSender, QIODevice *Stream)>;
using TLTStructureChangeEvent = std::function<void(TreeSender, PLazyNode Node, TChangeReason Reason)>;
using TLTNodeCopyingEvent = std::function<void(TreeSender, PLazyNode Node, PLazyNode Target, bool &Allowed)>;
using TLTNodeMovingEvent = TLTNodeCopyingEvent;
using TLTCompareEvent = std::function<void(TreeSender, PLazyNode Node1, PLazyNode Node2, TColumnIndex Column, int &Result)>;

// Checking, expansion, focus and selection.
using TLTChangingEvent = std::function<void(TreeSender, PLazyNode Node, bool &Allowed)>;
using TLTCheckChangingEvent = std::function<void(TreeSender, PLazyNode Node, TCheckState &NewState, bool &Allowed)>;
using TLTFocusChangingEvent = std::function<void(TreeSender, PLazyNode OldNode, PLazyNode NewNode, TColumnIndex OldColumn,
                                                 TColumnIndex NewColumn, bool &Allowed)>;
using TLTFocusChangeEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column)>;
using TLTHotNodeChangeEvent = std::function<void(TreeSender, PLazyNode OldNode, PLazyNode NewNode)>;
using TLTNodeClickEvent = std::function<void(TreeSender, const THitInfo &HitInfo)>;
using TLTNodeHeightTrackingEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, TShiftState Shift,
                                                      QPoint &TrackPoint, QPoint P, bool &Allowed)>;
using TLTNodeHeightDblClickResizeEvent =
    std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, TShiftState Shift, QPoint P, bool &Allowed)>;
using TLTCanSplitterResizeNodeEvent = std::function<void(TreeSender, QPoint P, PLazyNode Node, TColumnIndex Column, bool &Allowed)>;
using TLTIncrementalSearchEvent = std::function<void(TreeSender, PLazyNode Node, const QString &SearchText, int &Result)>;
using TLTKeyActionEvent = std::function<void(TreeSender, std::uint16_t &CharCode, TShiftState &Shift, bool &DoDefault)>;
using TLTPopupEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, QPoint P, bool &AskParent, QMenu *&PopupMenu)>;
using TLTGetCursorEvent = std::function<void(TreeSender, TCursor &Cursor)>;
using TLTHelpContextEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, int &HelpContext)>;
using TLTSenderEvent = std::function<void(TreeSender)>;

// Painting, images and hints.
using TLTPaintEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas)>;
using TLTBackgroundPaintEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, QRect R, bool &Handled)>;
using TLTBeforeItemEraseEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, QRect ItemRect,
                                                   TColor &ItemColor, TItemEraseAction &EraseAction)>;
using TLTAfterItemEraseEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, QRect ItemRect)>;
using TLTBeforeItemPaintEvent =
    std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, QRect ItemRect, bool &CustomDraw)>;
using TLTAfterItemPaintEvent = TLTAfterItemEraseEvent;
using TLTBeforeCellPaintEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, TColumnIndex Column,
                                                   TLTCellPaintMode CellPaintMode, QRect CellRect, QRect &ContentRect)>;
using TLTAfterCellPaintEvent =
    std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, TColumnIndex Column, QRect CellRect)>;
using TLTGetCellIsEmptyEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, bool &IsEmpty)>;
using TLTGetImageEvent = std::function<void(TreeSender, PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, bool &Ghosted,
                                            TImageIndex &ImageIndex)>;
using TLTGetImageExEvent = std::function<void(TreeSender, PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, bool &Ghosted,
                                              TImageIndex &ImageIndex, platform::TImageList *&ImageList)>;
using TLTGetImageTextEvent =
    std::function<void(TreeSender, PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, QString &ImageText)>;
using TLTGetLineStyleEvent = std::function<void(TreeSender, void *&Bits)>;
using TLTBeforeDrawLineImageEvent = std::function<void(TreeSender, PLazyNode Node, int Level, int &PosX)>;
using TLTPrepareButtonImagesEvent =
    std::function<void(TreeSender, QImage *APlusBM, QImage *APlusHotBM, QImage *APlusSelectedHotBM, QImage *AMinusBM,
                       QImage *AMinusHotBM, QImage *AMinusSelectedHotBM, QSize &ASize)>;
using TLTScrollBarShowEvent = std::function<bool(TreeSender, int Bar, bool Show)>;
using TLTScrollEvent = std::function<void(TreeSender, int DeltaX, int DeltaY)>;
using TLTHintKindEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, TLTHintKind &Kind)>;
using TLTGetHintSizeEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, QRect &R)>;
using TLTDrawHintEvent = std::function<void(TreeSender, TCanvasPtr HintCanvas, PLazyNode Node, QRect R, TColumnIndex Column)>;

// Header and columns.
using TLTHeaderClickEvent = std::function<void(HeaderSender, const TLTHeaderHitInfo &HitInfo)>;
using TLTHeaderMouseEvent = std::function<void(HeaderSender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TLTHeaderMouseMoveEvent = std::function<void(HeaderSender, TShiftState Shift, int X, int Y)>;
using TLTColumnClickEvent = std::function<void(TreeSender, TColumnIndex Column, TShiftState Shift)>;
using TLTHeaderNotifyEvent = std::function<void(HeaderSender, TColumnIndex Column)>;
using TLTColumnVisibilityChangeEvent = std::function<void(TreeSender, TColumnIndex Column, bool Visible)>;
using TLTColumnWidthDblClickResizeEvent =
    std::function<void(HeaderSender, TColumnIndex Column, TShiftState Shift, QPoint P, bool &Allowed)>;
using TLTBeforeColumnWidthTrackingEvent = std::function<void(HeaderSender, TColumnIndex Column, TShiftState Shift)>;
using TLTColumnWidthTrackingEvent =
    std::function<void(HeaderSender, TColumnIndex Column, TShiftState Shift, QPoint &TrackPoint, QPoint P, bool &Allowed)>;
using TLTCanSplitterResizeColumnEvent = std::function<void(HeaderSender, QPoint P, TColumnIndex Column, bool &Allowed)>;
using TLTCanSplitterResizeHeaderEvent = std::function<void(HeaderSender, QPoint P, bool &Allowed)>;
using TLTBeforeHeaderHeightTrackingEvent = std::function<void(HeaderSender, TShiftState Shift)>;
using TLTHeaderHeightTrackingEvent = std::function<void(HeaderSender, QPoint &P, TShiftState Shift, bool &Allowed)>;
using TLTHeaderSenderEvent = std::function<void(HeaderSender)>;
using TLTHeaderHeightDblClickResizeEvent = TLTHeaderHeightTrackingEvent;
using TLTHeaderDraggingEvent = std::function<void(HeaderSender, TColumnIndex Column, bool &Allowed)>;
using TLTHeaderDraggedEvent = std::function<void(HeaderSender, TColumnIndex Column, int OldPosition)>;
using TLTHeaderDraggedOutEvent = std::function<void(HeaderSender, TColumnIndex Column, QPoint DropPosition)>;
using TLTHeaderPaintEvent = std::function<void(HeaderSender, TCanvasPtr HeaderCanvas, TLazyTreeColumn *Column, QRect R,
                                               bool Hover, bool Pressed, TLTDropMarkMode DropMark)>;
using TLTHeaderPaintQueryElementsEvent =
    std::function<void(HeaderSender, THeaderPaintInfo &PaintInfo, THeaderPaintElements &Elements)>;
using TLTAdvancedHeaderPaintEvent = std::function<void(HeaderSender, THeaderPaintInfo &PaintInfo, THeaderPaintElements Elements)>;
using TLTGetHeaderCursorEvent = std::function<void(HeaderSender, TCursor &Cursor)>;
using TLTBeforeAutoFitColumnsEvent = std::function<void(HeaderSender, TSmartAutoFitType &SmartAutoFitType)>;
using TLTBeforeAutoFitColumnEvent =
    std::function<void(HeaderSender, TColumnIndex Column, TSmartAutoFitType &SmartAutoFitType, bool &Allowed)>;
using TLTBeforeGetMaxColumnWidthEvent = std::function<void(HeaderSender, TColumnIndex Column, bool &UseSmartColumnWidth)>;
using TLTAfterGetMaxColumnWidthEvent = std::function<void(HeaderSender, TColumnIndex Column, int &MaxWidth)>;

// Editing, drag and drop, clipboard.
using TLTEditChangingEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, bool &Allowed)>;
using TLTCreateEditorEvent =
    std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, platform::InterfaceRef<ILTEditLink> &EditLink)>;
using TLTEditChangeEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column)>;
using TLTEditCancelEvent = std::function<void(TreeSender, TColumnIndex Column)>;
using TLTDragAllowedEvent = TLTEditChangingEvent;
using TLTDragOverEvent = std::function<void(TreeSender, QObject *Source, TShiftState Shift, TDragState State, QPoint Pt,
                                            TDropMode Mode, int &Effect, bool &Accept)>;
using TLTDragDropEvent = std::function<void(TreeSender, QObject *Source, IDataObject *DataObject, const TFormatArray &Formats,
                                            TShiftState Shift, QPoint Pt, int &Effect, TDropMode Mode)>;
using TLTCreateDragManagerEvent = std::function<void(TreeSender, platform::InterfaceRef<ILTDragManager> &DragManager)>;
using TLTCreateDataObjectEvent = std::function<void(TreeSender, platform::InterfaceRef<IDataObject> &DataObject)>;
using TLTRenderOLEDataEvent =
    std::function<void(TreeSender, const QString &FormatEtcIn, QByteArray &Medium, bool ForClipboard, HRESULT &Result)>;
using TLTGetUserClipboardFormatsEvent = std::function<void(TreeSender, TFormatEtcArray &Formats)>;

// Update, operations and state.
using TLTUpdatingEvent = std::function<void(TreeSender, TLTUpdateState State)>;
using TLTOperationEvent = std::function<void(TreeSender, TLTOperationKind OperationKind)>;
using TLTStateChangeEvent = std::function<void(TreeSender, TLazyTreeStates Enter, TLazyTreeStates Leave)>;

// Export.
using TLTTreeExportEvent = std::function<void(TreeSender, TLTExportType aExportType)>;
using TLTColumnExportEvent = std::function<void(TreeSender, TLTExportType aExportType, TLazyTreeColumn *Column)>;
using TLTNodeExportEvent = std::function<bool(TreeSender, TLTExportType aExportType, PLazyNode Node)>;

// The callback of IterateSubtree.
using TLTGetNodeProc = std::function<void(TreeSender, PLazyNode Node, void *Data, bool &Abort)>;

} // namespace vtree
