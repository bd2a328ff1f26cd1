#pragma once
// The tree's option sets. The options object belongs to its tree and tells it
// at once when a set changes, so the tree can react (recount filtered rows,
// clear the selection, repaint ...); an unchanged value does nothing.
#include "controls/vtree/EnumSet.h"

#include <cstdint>

namespace vtree {

class TBaseLazyTree;

enum class TLTPaintOption : std::uint8_t {
    toHideFocusRect,
    toHideSelection,
    toHotTrack,
    toPopupMode,
    toShowBackground,
    toShowButtons,
    toShowDropmark,
    toShowHorzGridLines,
    toShowRoot,
    toShowTreeLines,
    toShowVertGridLines,
    toThemeAware,
    toUseBlendedImages,
    toGhostedIfUnfocused,
    toFullVertGridLines,
    toAlwaysHideSelection,
    toUseBlendedSelection,
    toStaticBackground,
    toChildrenAbove,
    toFixedIndent,
    toUseExplorerTheme,
    toHideTreeLinesIfThemed,
    toShowFilteredNodes,
};
using TLTPaintOptions = TEnumSet<TLTPaintOption, std::uint32_t>;

enum class TLTAnimationOption : std::uint8_t { toAnimatedToggle, toAdvancedAnimatedToggle };
using TLTAnimationOptions = TEnumSet<TLTAnimationOption, std::uint8_t>;

enum class TLTAutoOption : std::uint8_t {
    toAutoDropExpand,
    toAutoExpand,
    toAutoScroll,
    toAutoScrollOnExpand,
    toAutoSort,
    toAutoSpanColumns,
    toAutoTristateTracking,
    toAutoHideButtons,
    toAutoDeleteMovedNodes,
    toDisableAutoscrollOnFocus,
    toAutoChangeScale,
    toAutoFreeOnCollapse,
    toDisableAutoscrollOnEdit,
    toAutoBidiColumnOrdering,
};
using TLTAutoOptions = TEnumSet<TLTAutoOption, std::uint16_t>;

enum class TLTSelectionOption : std::uint8_t {
    toDisableDrawSelection,
    toExtendedFocus,
    toFullRowSelect,
    toLevelSelectConstraint,
    toMiddleClickSelect,
    toMultiSelect,
    toRightClickSelect,
    toSiblingSelectConstraint,
    toCenterScrollIntoView,
    toSimpleDrawSelection,
    toAlwaysSelectNode,
    toRestoreSelection,
};
using TLTSelectionOptions = TEnumSet<TLTSelectionOption, std::uint16_t>;

enum class TLTMiscOption : std::uint8_t {
    toAcceptOLEDrop,
    toCheckSupport,
    toEditable,
    toFullRepaintOnResize,
    toGridExtensions,
    toInitOnSave,
    toReportMode,
    toToggleOnDblClick,
    toWheelPanning,
    toReadOnly,
    toVariableNodeHeight,
    toFullRowDrag,
    toNodeHeightResize,
    toNodeHeightDblClickResize,
    toEditOnClick,
    toEditOnDblClick,
    toReverseFullExpandHotKey,
};
using TLTMiscOptions = TEnumSet<TLTMiscOption, std::uint32_t>;

enum class TLTExportMode : std::uint8_t { emAll, emChecked, emUnchecked, emVisibleDueToExpansion, emSelected };

class TCustomLazyTreeOptions {
public:
    explicit TCustomLazyTreeOptions(TBaseLazyTree &owner) : FOwner(owner) {}
    virtual ~TCustomLazyTreeOptions() = default;
    TCustomLazyTreeOptions(const TCustomLazyTreeOptions &) = delete;
    TCustomLazyTreeOptions &operator=(const TCustomLazyTreeOptions &) = delete;

    TBaseLazyTree &Owner() const { return FOwner; }

    TLTPaintOptions PaintOptions() const { return FPaintOptions; }
    void SetPaintOptions(TLTPaintOptions value);
    TLTAnimationOptions AnimationOptions() const { return FAnimationOptions; }
    void SetAnimationOptions(TLTAnimationOptions value) { FAnimationOptions = value; }
    TLTAutoOptions AutoOptions() const { return FAutoOptions; }
    void SetAutoOptions(TLTAutoOptions value);
    TLTSelectionOptions SelectionOptions() const { return FSelectionOptions; }
    void SetSelectionOptions(TLTSelectionOptions value);
    TLTMiscOptions MiscOptions() const { return FMiscOptions; }
    void SetMiscOptions(TLTMiscOptions value);
    TLTExportMode ExportMode() const { return FExportMode; }
    void SetExportMode(TLTExportMode value) { FExportMode = value; }

    // Writes the five option sets into Dest through its setters, so that
    // Dest's tree reacts as to any change; the export mode stays.
    virtual void AssignTo(TCustomLazyTreeOptions &Dest) const;
    void Assign(const TCustomLazyTreeOptions &Source) { Source.AssignTo(*this); }

protected:
    // The tree sets a set directly where no reaction is wanted (loading,
    // destruction).
    friend class TBaseLazyTree;

    TBaseLazyTree &FOwner;
    TLTPaintOptions FPaintOptions{TLTPaintOption::toShowButtons, TLTPaintOption::toShowDropmark,
                                  TLTPaintOption::toShowRoot,    TLTPaintOption::toShowTreeLines,
                                  TLTPaintOption::toThemeAware,  TLTPaintOption::toUseBlendedImages};
    TLTAnimationOptions FAnimationOptions;
    TLTAutoOptions FAutoOptions{TLTAutoOption::toAutoDropExpand,       TLTAutoOption::toAutoScrollOnExpand,
                                TLTAutoOption::toAutoSort,             TLTAutoOption::toAutoTristateTracking,
                                TLTAutoOption::toAutoDeleteMovedNodes, TLTAutoOption::toAutoChangeScale};
    TLTSelectionOptions FSelectionOptions;
    TLTMiscOptions FMiscOptions{TLTMiscOption::toAcceptOLEDrop,  TLTMiscOption::toFullRepaintOnResize,
                                TLTMiscOption::toInitOnSave,     TLTMiscOption::toToggleOnDblClick,
                                TLTMiscOption::toWheelPanning,   TLTMiscOption::toEditOnClick};
    TLTExportMode FExportMode = TLTExportMode::emAll;
};

// The options of a tree that publishes them as they are.
class TLazyTreeOptions : public TCustomLazyTreeOptions {
public:
    using TCustomLazyTreeOptions::TCustomLazyTreeOptions;
};

} // namespace vtree
