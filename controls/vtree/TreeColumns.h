#pragma once
// The header's columns as data: caption, hint, width with its limits, display
// position and options of each column, and the collection that keeps the
// display order and the left edges. Painting and mouse handling sit on these
// in the widget; nothing here needs a window.
#include "controls/vtree/EnumSet.h"
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/TreeEvents.h"
#include "controls/vtree/TreeTypes.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace vtree {

class TLTHeader;
class TLazyTreeColumns;

enum class TLTColumnOption : std::uint8_t {
    coAllowClick,
    coDraggable,
    coEnabled,
    coParentBidiMode,
    coParentColor,
    coResizable,
    coShowDropMark,
    coVisible,
    coAutoSpring,
    coFixed,
    coSmartResize,
    coAllowFocus,
    coDisableAnimatedResize,
    coWrapCaption,
    coUseCaptionAlignment,
    coEditable,
};
using TLTColumnOptions = TEnumSet<TLTColumnOption, std::uint16_t>;
inline constexpr TLTColumnOptions DefaultColumnOptions{
    TLTColumnOption::coAllowClick,  TLTColumnOption::coDraggable,    TLTColumnOption::coEnabled,
    TLTColumnOption::coParentBidiMode, TLTColumnOption::coParentColor, TLTColumnOption::coResizable,
    TLTColumnOption::coShowDropMark, TLTColumnOption::coVisible,      TLTColumnOption::coAllowFocus,
    TLTColumnOption::coEditable};

enum class TLazyTreeColumnStyle : std::uint8_t { vsText, vsOwnerDraw };
enum class TLTHeaderColumnLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
using TColumnPosition = std::uint32_t;

class TLazyTreeColumn {
public:
    explicit TLazyTreeColumn(TLazyTreeColumns &Owner);

    TLazyTreeColumns &Owner() const { return *FOwner; }
    TColumnIndex Index() const;

    QString Text() const { return FText; }
    void SetText(const QString &Value);
    QString Hint() const { return FHint; }
    void SetHint(const QString &Value) { FHint = Value; }
    // The caption in design lists: itself while every character fits Latin-1.
    QString DisplayName() const;

    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    int LastWidth() const { return FLastWidth; }
    void RestoreLastWidth();
    // Left edge in header coordinates: the widths of the visible columns before it.
    int Left() const { return FLeft; }

    TColumnPosition Position() const { return FPosition; }
    void SetPosition(TColumnPosition Value);
    TLTColumnOptions Options() const { return FOptions; }
    void SetOptions(TLTColumnOptions Value);

    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TLazyTreeColumnStyle Style() const { return FStyle; }
    void SetStyle(TLazyTreeColumnStyle Value);
    TImageIndex ImageIndex() const { return FImageIndex; }
    void SetImageIndex(TImageIndex Value);
    TLTHeaderColumnLayout Layout() const { return FLayout; }
    void SetLayout(TLTHeaderColumnLayout Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // The caption's own alignment only with coUseCaptionAlignment, else Alignment.
    TAlignment CaptionAlignment() const;
    void SetCaptionAlignment(TAlignment Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }
    TSortDirection DefaultSortDirection() const { return FDefaultSortDirection; }
    void SetDefaultSortDirection(TSortDirection Value) { FDefaultSortDirection = Value; }
    bool CheckBox() const { return FCheckBox; }
    void SetCheckBox(bool Value);
    TCheckType CheckType() const { return FCheckType; }
    void SetCheckType(TCheckType Value);
    TCheckState CheckState() const { return FCheckState; }
    void SetCheckState(TCheckState Value);
    bool BonusPixel() const { return FBonusPixel; }

    void Assign(const TLazyTreeColumn &Source);
    bool Equals(const TLazyTreeColumn &Other) const;

private:
    friend class TLazyTreeColumns;
    friend class TLTHeader;
    void changed();
    // Stores a changed value and tells the collection.
    template <class T>
    void store(T &Field, const T &Value)
    {
        if (Field != Value) {
            Field = Value;
            changed();
        }
    }
    bool isVisibleFixed() const;

    TLazyTreeColumns *FOwner;
    QString FText;
    QString FHint;
    int FLeft = 0;
    int FWidth = 50;
    int FMinWidth = 10;
    int FMaxWidth = 10000;
    int FLastWidth = 50;
    TColumnPosition FPosition = 0;
    TLazyTreeColumnStyle FStyle = TLazyTreeColumnStyle::vsText;
    TImageIndex FImageIndex = -1;
    TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
    TLTHeaderColumnLayout FLayout = TLTHeaderColumnLayout::blGlyphLeft;
    int FMargin = 4;
    int FSpacing = 3;
    TLTColumnOptions FOptions = DefaultColumnOptions;
    std::intptr_t FTag = 0;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TAlignment FCaptionAlignment = TAlignment::taLeftJustify;
    TColor FColor;
    bool FBonusPixel = false;
    bool FCheckBox = false;
    TCheckType FCheckType = TCheckType::ctCheckBox;
    TCheckState FCheckState = TCheckState::csUncheckedNormal;
    TSortDirection FDefaultSortDirection = TSortDirection::sdAscending;
};

class TLazyTreeColumns {
public:
    explicit TLazyTreeColumns(TLTHeader &Header);
    ~TLazyTreeColumns();
    TLazyTreeColumns(const TLazyTreeColumns &) = delete;
    TLazyTreeColumns &operator=(const TLazyTreeColumns &) = delete;

    TLTHeader &Header() const { return *FHeader; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TLazyTreeColumn &operator[](TColumnIndex Index) const { return *FItems.at(static_cast<std::size_t>(Index)); }
    bool IsValidColumn(TColumnIndex Column) const { return Column >= 0 && Column < Count(); }

    TLazyTreeColumn &Add();
    void Delete(TColumnIndex Index);
    void Clear();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int Value) { FDefaultWidth = Value; }
    const std::vector<TColumnIndex> &PositionToIndex() const { return FPositionToIndex; }

    TColumnIndex ColumnFromPosition(TColumnPosition PositionIndex) const;
    TColumnIndex GetFirstColumn() const;
    TColumnIndex GetNextColumn(TColumnIndex Column) const;
    TColumnIndex GetPreviousColumn(TColumnIndex Column) const;
    TColumnIndex GetFirstVisibleColumn(bool ConsiderAllowFocus = false) const;
    TColumnIndex GetLastVisibleColumn(bool ConsiderAllowFocus = false) const;
    TColumnIndex GetNextVisibleColumn(TColumnIndex Column, bool ConsiderAllowFocus = false) const;
    TColumnIndex GetPreviousVisibleColumn(TColumnIndex Column, bool ConsiderAllowFocus = false) const;
    std::vector<TLazyTreeColumn *> GetVisibleColumns() const;
    int GetVisibleFixedWidth() const;
    // The horizontal scroll step: the visible scrolling columns' average
    // width, rounded; Indent (the tree's) when there is none.
    int GetScrollWidth(int Indent) const;
    int TotalWidth() const;
    bool Equals(const TLazyTreeColumns &Other) const;

    // Indexes the mouse handling remembers; a removal keeps them pointing at the same columns.
    TColumnIndex FHoverIndex = NoColumn;
    TColumnIndex FDownIndex = NoColumn;
    TColumnIndex FTrackIndex = NoColumn;
    TColumnIndex FClickIndex = NoColumn;

    // The column part of the header stream.
    void SaveToStream(QByteArray &Out) const;

private:
    friend class TLazyTreeColumn;
    friend class TLTHeader;
    void Update(TLazyTreeColumn *Column);
    void RecomputeColumnLefts(bool Force);
    void ResizePositionArray();
    void ShiftColumnPosition(TLazyTreeColumn &Column, TColumnPosition NewPosition);
    void DropFromPositionArray(TColumnIndex Index);
    void FitAutoSizeColumn(bool Force);
    void notifyTree();
    TColumnIndex visibleFrom(TColumnIndex Column, bool Forward, bool ConsiderAllowFocus) const;
    std::int64_t visibleFixedWidth() const;

    TLTHeader *FHeader;
    std::vector<std::unique_ptr<TLazyTreeColumn>> FItems;
    std::vector<TColumnIndex> FPositionToIndex;
    int FDefaultWidth = 50;
    int FUpdateCount = 0;
    bool FClearing = false;
};

} // namespace vtree
