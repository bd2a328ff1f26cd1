// Columns and their collection: setters with their limits, the display order
// and the left edges, and the index bookkeeping when a column goes.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeHeader.h"
#include "platform/Color.h"

#include <algorithm>
#include <limits>

namespace vtree {

using enum TLTColumnOption;

namespace {
// Widths come from streams too: sums are taken wide and given back in range.
int clampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

TLazyTreeColumn::TLazyTreeColumn(TLazyTreeColumns &Owner)
    : FOwner(&Owner), FWidth(Owner.DefaultWidth()), FLastWidth(Owner.DefaultWidth()),
      FPosition(static_cast<TColumnPosition>(Owner.Count())), FColor(platform::clWindow)
{
}

TColumnIndex TLazyTreeColumn::Index() const
{
    const auto &items = FOwner->FItems;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == this)
            return static_cast<TColumnIndex>(i);
    return NoColumn;
}

void TLazyTreeColumn::changed() { FOwner->Update(this); }

bool TLazyTreeColumn::isVisibleFixed() const { return FOptions.containsAll({coVisible, coFixed}); }

void TLazyTreeColumn::SetText(const QString &Value) { store(FText, Value); }

QString TLazyTreeColumn::DisplayName() const
{
    for (QChar c : FText)
        if (c.unicode() > 0xFF)
            return QStringLiteral("Column %1").arg(Index());
    return FText;
}

void TLazyTreeColumn::SetWidth(int Value)
{
    TLTHeader &header = FOwner->Header();
    if (!header.FStates.contains(THeaderState::hsScaling)) {
        const TLTFixedAreaConstraints &limits = header.FConstraints;
        if (isVisibleFixed()) {
            const std::int64_t clientWidth = header.ClientWidth();
            std::int64_t totalMin = 0;
            std::int64_t totalMax = 0;
            for (const auto &column : FOwner->FItems)
                if (column->isVisibleFixed()) {
                    totalMin += column->FMinWidth;
                    totalMax += column->FMaxWidth;
                }
            if (limits.MaxWidthPercent > 0)
                totalMin = std::min(clientWidth * limits.MaxWidthPercent / 100, totalMin);
            if (limits.MinWidthPercent > 0)
                totalMax = std::max(clientWidth * limits.MinWidthPercent / 100, totalMax);
            const std::int64_t fixed = FOwner->visibleFixedWidth();
            const std::int64_t upper = std::min<std::int64_t>(totalMax - fixed + FWidth, FMaxWidth);
            const std::int64_t lower = std::max<std::int64_t>(totalMin - fixed + FWidth, FMinWidth);
            std::int64_t width = std::min(std::max<std::int64_t>(Value, lower), upper);
            if (limits.MinWidthPercent > 0)
                width = std::max(width, clientWidth * limits.MinWidthPercent / 100 - fixed + FWidth);
            if (limits.MaxWidthPercent > 0)
                width = std::min(width, clientWidth * limits.MaxWidthPercent / 100 - fixed + FWidth);
            Value = clampToInt(width);
        } else {
            Value = std::min(std::max(Value, FMinWidth), FMaxWidth);
        }
    }
    if (Value == FWidth)
        return;
    FLastWidth = FWidth;
    if (!header.FStates.contains(THeaderState::hsResizing))
        FBonusPixel = false;
    const bool autoSized = header.FOptions.contains(TLTHeaderOption::hoAutoResize) && Index() == header.FAutoSizeIndex;
    if (!autoSized) {
        FWidth = Value;
        FOwner->RecomputeColumnLefts(false);
    }
    if (!header.treeLoading() && FOwner->FUpdateCount == 0) {
        if (header.FOptions.contains(TLTHeaderOption::hoAutoResize))
            FOwner->FitAutoSizeColumn(false);
        header.notifyColumnResize(Index());
    }
}

void TLazyTreeColumn::SetMinWidth(int Value)
{
    FMinWidth = std::min(std::max(Value, 0), FMaxWidth);
    SetWidth(FWidth);
}

void TLazyTreeColumn::SetMaxWidth(int Value)
{
    FMaxWidth = std::max(Value, FMinWidth);
    SetWidth(FWidth);
}

void TLazyTreeColumn::RestoreLastWidth() { SetWidth(std::min(std::max(FLastWidth, FMinWidth), FMaxWidth)); }

void TLazyTreeColumn::SetPosition(TColumnPosition Value)
{
    TLTHeader &header = FOwner->Header();
    if (header.treeLoading()) {
        FPosition = Value;
        return;
    }
    const auto last = static_cast<TColumnPosition>(FOwner->Count() - 1);
    Value = std::min(Value, last);
    if (Value == FPosition)
        return;
    FOwner->ResizePositionArray();
    if (FOwner->Header().FTree)
        FOwner->Header().FTree->CancelEditNode();
    FOwner->ShiftColumnPosition(*this, Value);
    changed();
    // The neighbour decides whether the column joins the fixed area.
    TColumnIndex neighbour = InvalidColumn;
    if (FOptions.contains(coFixed) && Value > 0)
        neighbour = FOwner->ColumnFromPosition(Value - 1);
    else
        neighbour = FOwner->ColumnFromPosition(Value + 1);
    if (FOwner->IsValidColumn(neighbour)) {
        const bool fixed = (*FOwner)[neighbour].FOptions.contains(coFixed);
        SetOptions(fixed ? FOptions + coFixed : FOptions - coFixed);
    }
}

void TLazyTreeColumn::SetOptions(TLTColumnOptions Value)
{
    if (Value == FOptions)
        return;
    const TLTColumnOptions added = Value - FOptions;
    FOptions = Value;
    if (added.contains(coAutoSpring))
        FBonusPixel = false;
    changed();
}

void TLazyTreeColumn::SetMargin(int Value) { store(FMargin, Value < 0 ? 4 : Value); }

void TLazyTreeColumn::SetSpacing(int Value) { store(FSpacing, Value); }

void TLazyTreeColumn::SetStyle(TLazyTreeColumnStyle Value) { store(FStyle, Value); }

void TLazyTreeColumn::SetImageIndex(TImageIndex Value) { store(FImageIndex, Value); }

void TLazyTreeColumn::SetLayout(TLTHeaderColumnLayout Value) { store(FLayout, Value); }

void TLazyTreeColumn::SetBiDiMode(TBiDiMode Value)
{
    if (FBiDiMode != Value) {
        FBiDiMode = Value;
        FOptions -= coParentBidiMode;
        changed();
    }
}

void TLazyTreeColumn::SetAlignment(TAlignment Value) { store(FAlignment, Value); }

TAlignment TLazyTreeColumn::CaptionAlignment() const
{
    return FOptions.contains(coUseCaptionAlignment) ? FCaptionAlignment : FAlignment;
}

void TLazyTreeColumn::SetCaptionAlignment(TAlignment Value)
{
    if (FOptions.contains(coUseCaptionAlignment) && FCaptionAlignment == Value)
        return;
    FCaptionAlignment = Value;
    FOptions += coUseCaptionAlignment;
}

void TLazyTreeColumn::SetColor(TColor Value)
{
    if (FColor != Value) {
        FColor = Value;
        FOptions -= coParentColor;
        changed();
    }
}

void TLazyTreeColumn::SetCheckBox(bool Value) { store(FCheckBox, Value); }

void TLazyTreeColumn::SetCheckType(TCheckType Value) { store(FCheckType, Value); }

void TLazyTreeColumn::SetCheckState(TCheckState Value) { store(FCheckState, Value); }

void TLazyTreeColumn::Assign(const TLazyTreeColumn &Source)
{
    const TLTColumnOptions old = FOptions;
    FOptions = {};
    FBiDiMode = Source.FBiDiMode;
    FImageIndex = Source.FImageIndex;
    FLayout = Source.FLayout;
    FMargin = Source.FMargin;
    FMaxWidth = Source.FMaxWidth;
    FMinWidth = Source.FMinWidth;
    FPosition = Source.FPosition;
    FSpacing = Source.FSpacing;
    FStyle = Source.FStyle;
    FText = Source.FText;
    FHint = Source.FHint;
    FWidth = Source.FWidth;
    FAlignment = Source.FAlignment;
    FCaptionAlignment = Source.CaptionAlignment();
    FColor = Source.FColor;
    FTag = Source.FTag;
    FOptions = old;
    SetOptions(Source.FOptions);
    changed();
}

bool TLazyTreeColumn::Equals(const TLazyTreeColumn &Other) const
{
    return FBiDiMode == Other.FBiDiMode && FImageIndex == Other.FImageIndex && FLayout == Other.FLayout &&
           FMargin == Other.FMargin && FMaxWidth == Other.FMaxWidth && FMinWidth == Other.FMinWidth &&
           FPosition == Other.FPosition && FSpacing == Other.FSpacing && FStyle == Other.FStyle &&
           FText == Other.FText && FHint == Other.FHint && FWidth == Other.FWidth &&
           FAlignment == Other.FAlignment && CaptionAlignment() == Other.CaptionAlignment() &&
           FColor == Other.FColor && FTag == Other.FTag && FOptions == Other.FOptions;
}

// ---- The collection ---------------------------------------------------------

TLazyTreeColumns::TLazyTreeColumns(TLTHeader &Header) : FHeader(&Header) {}

TLazyTreeColumns::~TLazyTreeColumns()
{
    FClearing = true;
    FItems.clear();
}

TLazyTreeColumn &TLazyTreeColumns::Add()
{
    FItems.push_back(std::make_unique<TLazyTreeColumn>(*this));
    TLazyTreeColumn &column = *FItems.back();
    Update(&column);
    return column;
}

void TLazyTreeColumns::Delete(TColumnIndex Index)
{
    if (!IsValidColumn(Index))
        return;
    TLTHeader &header = *FHeader;
    if (header.FTree && !header.treeLoading() && header.FTree->FocusedColumn() == Index)
        header.FTree->SetFocusedColumn(NoColumn);
    if (!FClearing) {
        if (header.FTree)
            header.FTree->CancelEditNode();
        DropFromPositionArray(Index);
        auto follow = [Index](TColumnIndex &remembered) {
            if (remembered == Index)
                remembered = NoColumn;
            else if (remembered > Index)
                --remembered;
        };
        for (TColumnIndex *remembered : {&FHoverIndex, &FDownIndex, &FTrackIndex, &FClickIndex, &header.FAutoSizeIndex,
                                         &header.FSortColumn})
            follow(*remembered);
        // The new main column is counted before the removal.
        if (header.FMainColumn == Index)
            header.FMainColumn = Count() == 1 ? NoColumn : (Index == 0 ? 1 : 0);
    }
    FItems.erase(FItems.begin() + Index);
    Update(nullptr);
}

void TLazyTreeColumns::Clear()
{
    FClearing = true;
    TLTHeader &header = *FHeader;
    if (header.FTree)
        header.FTree->CancelEditNode();
    FHoverIndex = FDownIndex = FTrackIndex = FClickIndex = NoColumn;
    if (!header.FStates.contains(THeaderState::hsLoading)) {
        header.FAutoSizeIndex = NoColumn;
        header.FMainColumn = NoColumn;
        header.FSortColumn = NoColumn;
    }
    if (header.FTree && !header.treeLoading())
        header.FTree->SetFocusedColumn(NoColumn);
    FItems.clear();
    FPositionToIndex.clear();
    FClearing = false;
    notifyTree();
}

void TLazyTreeColumns::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Update(nullptr);
}

void TLazyTreeColumns::Update(TLazyTreeColumn *)
{
    ResizePositionArray();
    RecomputeColumnLefts(false);
    if (Count() > 0 && FHeader->FMainColumn < 0)
        FHeader->FMainColumn = 0;
    if (!FHeader->treeLoading() && !FHeader->FStates.contains(THeaderState::hsLoading) &&
        FHeader->FOptions.contains(TLTHeaderOption::hoAutoResize))
        FitAutoSizeColumn(false);
}

void TLazyTreeColumns::notifyTree()
{
    // The window follows the columns: its range, scroll bars and picture.
    TBaseLazyTree *tree = FHeader->FTree;
    if (!tree || FHeader->treeLoading() || FUpdateCount > 0)
        return;
    tree->UpdateScrollBars(false);
    tree->Invalidate();
}

void TLazyTreeColumns::RecomputeColumnLefts(bool Force)
{
    if (!Force && FUpdateCount > 0)
        return;
    std::int64_t left = 0;
    for (std::size_t position = 0; position < FPositionToIndex.size(); ++position) {
        TLazyTreeColumn &column = *FItems[static_cast<std::size_t>(FPositionToIndex[position])];
        column.FPosition = static_cast<TColumnPosition>(position);
        column.FLeft = clampToInt(left);
        if (column.FOptions.contains(coVisible))
            left += column.FWidth;
    }
    notifyTree();
}

void TLazyTreeColumns::ResizePositionArray()
{
    const auto count = static_cast<std::size_t>(Count());
    if (FPositionToIndex.size() < count) {
        for (std::size_t i = FPositionToIndex.size(); i < count; ++i)
            FPositionToIndex.push_back(static_cast<TColumnIndex>(i));
    } else if (FPositionToIndex.size() > count) {
        FPositionToIndex.resize(count);
        // Entries pointing past the end come down until none does.
        bool lowered = true;
        while (lowered) {
            lowered = false;
            for (TColumnIndex &index : FPositionToIndex)
                if (index >= Count()) {
                    --index;
                    lowered = true;
                }
        }
    }
}

void TLazyTreeColumns::ShiftColumnPosition(TLazyTreeColumn &Column, TColumnPosition NewPosition)
{
    const TColumnIndex index = Column.Index();
    auto from = std::find(FPositionToIndex.begin(), FPositionToIndex.end(), index);
    if (from == FPositionToIndex.end() || NewPosition >= FPositionToIndex.size())
        return;
    auto to = FPositionToIndex.begin() + NewPosition;
    if (from < to)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    RecomputeColumnLefts(true);
}

void TLazyTreeColumns::DropFromPositionArray(TColumnIndex Index)
{
    std::erase(FPositionToIndex, Index);
    for (TColumnIndex &index : FPositionToIndex)
        if (index > Index)
            --index;
}

void TLazyTreeColumns::FitAutoSizeColumn(bool Force)
{
    if (Count() == 0)
        return;
    TLTHeader &header = *FHeader;
    const TColumnIndex index = IsValidColumn(header.FAutoSizeIndex) ? header.FAutoSizeIndex : Count() - 1;
    TLazyTreeColumn &column = (*this)[index];
    std::int64_t width = header.ClientWidth();
    for (TColumnIndex i = 0; i < Count(); ++i)
        if (i != index && (*this)[i].FOptions.contains(coVisible))
            width -= (*this)[i].FWidth;
    const int fitted = clampToInt(std::max<std::int64_t>(std::min<std::int64_t>(width, column.FMaxWidth), column.FMinWidth));
    if (Force || fitted != column.FWidth) {
        column.FWidth = fitted;
        RecomputeColumnLefts(true);
        header.notifyColumnResize(index);
    }
}

TColumnIndex TLazyTreeColumns::ColumnFromPosition(TColumnPosition PositionIndex) const
{
    return PositionIndex < FPositionToIndex.size() ? FPositionToIndex[PositionIndex] : NoColumn;
}

TColumnIndex TLazyTreeColumns::GetFirstColumn() const
{
    return FPositionToIndex.empty() ? InvalidColumn : FPositionToIndex.front();
}

TColumnIndex TLazyTreeColumns::GetNextColumn(TColumnIndex Column) const
{
    if (!IsValidColumn(Column))
        return InvalidColumn;
    const TColumnPosition next = (*this)[Column].FPosition + 1;
    return next < FPositionToIndex.size() ? FPositionToIndex[next] : InvalidColumn;
}

TColumnIndex TLazyTreeColumns::GetPreviousColumn(TColumnIndex Column) const
{
    if (!IsValidColumn(Column))
        return InvalidColumn;
    const TColumnPosition position = (*this)[Column].FPosition;
    return position > 0 ? FPositionToIndex[position - 1] : InvalidColumn;
}

TColumnIndex TLazyTreeColumns::visibleFrom(TColumnIndex Column, bool Forward, bool ConsiderAllowFocus) const
{
    while (IsValidColumn(Column)) {
        const TLTColumnOptions options = (*this)[Column].FOptions;
        if (options.contains(coVisible) && (!ConsiderAllowFocus || options.contains(coAllowFocus)))
            return Column;
        Column = Forward ? GetNextColumn(Column) : GetPreviousColumn(Column);
    }
    return InvalidColumn;
}

TColumnIndex TLazyTreeColumns::GetFirstVisibleColumn(bool ConsiderAllowFocus) const
{
    return visibleFrom(GetFirstColumn(), true, ConsiderAllowFocus);
}

TColumnIndex TLazyTreeColumns::GetLastVisibleColumn(bool ConsiderAllowFocus) const
{
    return FPositionToIndex.empty() ? InvalidColumn : visibleFrom(FPositionToIndex.back(), false, ConsiderAllowFocus);
}

TColumnIndex TLazyTreeColumns::GetNextVisibleColumn(TColumnIndex Column, bool ConsiderAllowFocus) const
{
    return visibleFrom(GetNextColumn(Column), true, ConsiderAllowFocus);
}

TColumnIndex TLazyTreeColumns::GetPreviousVisibleColumn(TColumnIndex Column, bool ConsiderAllowFocus) const
{
    return visibleFrom(GetPreviousColumn(Column), false, ConsiderAllowFocus);
}

std::vector<TLazyTreeColumn *> TLazyTreeColumns::GetVisibleColumns() const
{
    std::vector<TLazyTreeColumn *> visible;
    for (TColumnIndex index : FPositionToIndex)
        if ((*this)[index].FOptions.contains(coVisible))
            visible.push_back(&(*this)[index]);
    return visible;
}

std::int64_t TLazyTreeColumns::visibleFixedWidth() const
{
    std::int64_t width = 0;
    for (const auto &column : FItems)
        if (column->isVisibleFixed())
            width += column->FWidth;
    return width;
}

int TLazyTreeColumns::GetVisibleFixedWidth() const { return clampToInt(visibleFixedWidth()); }

int TLazyTreeColumns::GetScrollWidth(int Indent) const
{
    std::int64_t total = 0;
    std::int64_t count = 0;
    for (const TLazyTreeColumn *column : GetVisibleColumns()) {
        if (column->Options().contains(TLTColumnOption::coFixed))
            continue;
        total += column->Width();
        ++count;
    }
    return count == 0 ? Indent : clampToInt((total + count / 2) / count);
}

int TLazyTreeColumns::TotalWidth() const
{
    const TColumnIndex last = GetLastVisibleColumn();
    return IsValidColumn(last) ? clampToInt(std::int64_t{(*this)[last].FLeft} + (*this)[last].FWidth) : 0;
}

bool TLazyTreeColumns::Equals(const TLazyTreeColumns &Other) const
{
    if (Count() != Other.Count() || FPositionToIndex != Other.FPositionToIndex)
        return false;
    for (TColumnIndex i = 0; i < Count(); ++i)
        if (!(*this)[i].Equals(Other[i]))
            return false;
    return true;
}

} // namespace vtree
