// The header's settings, the main, sort and auto-size column, and the
// distribution of a width change over a range of columns.
#include "controls/vtree/TreeHeader.h"
#include "controls/vtree/BaseLazyTree.h"
#include "platform/ScopeGuard.h"
#include "platform/Color.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace vtree {

TLTHeader::TLTHeader(TBaseLazyTree *Tree) : FTree(Tree), FColumns(*this), FBackground(platform::clBtnFace) {}

bool TLTHeader::treeLoading() const { return FTree && FTree->IsLoading(); }

void TLTHeader::notifyColumnResize(TColumnIndex Column)
{
    if (FTree && FTree->OnColumnResize)
        FTree->OnColumnResize(this, Column);
}

void TLTHeader::sortTreeIfAutomatic()
{
    if (!FTree || FTree->IsUpdating())
        return;
    if (FTree->toOption(TLTAutoOption::toAutoSort) || FOptions.contains(TLTHeaderOption::hoHeaderClickAutoSort))
        FTree->SortTree(FSortColumn, FSortDirection, true);
}

// Without a window the height is kept as given; the limits apply once the
// widget scales the header.
void TLTHeader::SetHeight(int Value)
{
    if (FHeight == Value)
        return;
    FHeight = Value;
    FStates += THeaderState::hsNeedScaling;
}

void TLTHeader::SetMinHeight(int Value)
{
    FMinHeight = std::min(std::max(Value, 0), FMaxHeight);
    SetHeight(FHeight);
}

void TLTHeader::SetMaxHeight(int Value)
{
    FMaxHeight = std::max(Value, FMinHeight);
    SetHeight(FHeight);
}

void TLTHeader::SetDefaultHeight(int Value)
{
    Value = std::min(std::max(Value, FMinHeight), FMaxHeight);
    if (FHeight == FDefaultHeight)
        SetHeight(Value);
    FDefaultHeight = Value;
}

void TLTHeader::SetOptions(TLTHeaderOptions Value)
{
    const TLTHeaderOptions old = FOptions;
    FOptions = Value;
    if ((old - Value).contains(TLTHeaderOption::hoAutoResize) == (Value - old).contains(TLTHeaderOption::hoAutoResize))
        return;
    if (UseColumns())
        FColumns.FitAutoSizeColumn(false);
}

void TLTHeader::SetFont(const THeaderFont &Value)
{
    FFont = Value;
    FParentFont = false;
}

// A maximum below its minimum lowers the minimum, a minimum above its maximum
// raises the maximum; 0 is no limit and moves nothing.
void TLTHeader::SetFixedAreaConstraints(const TLTFixedAreaConstraints &Value)
{
    auto clamp = [](int percent) { return std::min(std::max(percent, 0), 100); };
    TLTFixedAreaConstraints limits{clamp(Value.MaxHeightPercent), clamp(Value.MaxWidthPercent),
                                   clamp(Value.MinHeightPercent), clamp(Value.MinWidthPercent)};
    if (limits.MaxHeightPercent > 0 && limits.MinHeightPercent > limits.MaxHeightPercent)
        limits.MinHeightPercent = limits.MaxHeightPercent;
    if (limits.MaxWidthPercent > 0 && limits.MinWidthPercent > limits.MaxWidthPercent)
        limits.MinWidthPercent = limits.MaxWidthPercent;
    FConstraints = limits;
    FStates += THeaderState::hsNeedScaling;
}

void TLTHeader::SetAutoSizeIndex(TColumnIndex Value)
{
    if (FAutoSizeIndex == Value)
        return;
    FAutoSizeIndex = Value;
    if (FOptions.contains(TLTHeaderOption::hoAutoResize))
        FColumns.FitAutoSizeColumn(false);
}

void TLTHeader::SetMainColumn(TColumnIndex Value)
{
    if (treeLoading()) {
        FMainColumn = Value;
        return;
    }
    Value = FColumns.Count() == 0 ? NoColumn : std::min(std::max(Value, 0), FColumns.Count() - 1);
    if (Value == FMainColumn)
        return;
    FMainColumn = Value;
    if (FTree) {
        FTree->CancelEditNode();
        if (!FTree->toOption(TLTSelectionOption::toExtendedFocus))
            FTree->SetFocusedColumn(Value);
    }
}

void TLTHeader::SetSortColumn(TColumnIndex Value)
{
    if (treeLoading()) {
        FSortColumn = Value;
        return;
    }
    Value = std::min(std::max(Value, NoColumn), FColumns.Count() - 1);
    if (Value == FSortColumn)
        return;
    FSortColumn = Value;
    sortTreeIfAutomatic();
}

void TLTHeader::SetSortDirection(TSortDirection Value)
{
    if (FSortDirection == Value)
        return;
    FSortDirection = Value;
    sortTreeIfAutomatic();
}

void TLTHeader::ClampMainColumn()
{
    FMainColumn = std::min(std::max(FMainColumn, 0), FColumns.Count() - 1);
}

void TLTHeader::RestoreColumns()
{
    const std::vector<TColumnIndex> order = FColumns.PositionToIndex();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        TLazyTreeColumn &column = FColumns[*it];
        if (column.Options().containsAll({TLTColumnOption::coResizable, TLTColumnOption::coVisible}))
            column.RestoreLastWidth();
    }
}

// Each pass gives every column with room an equal share and the odd pixels,
// one each, to columns that did not have the last bonus pixel in this
// direction. Every pass either applies a pixel or ends, so the loop always ends,
// also when the limits leave no room.
int TLTHeader::ResizeColumns(int ChangeBy, TColumnIndex RangeStartCol, TColumnIndex RangeEndCol, TLTColumnOptions Options)
{
    if (ChangeBy == 0)
        return 0;
    RangeStartCol = std::max(RangeStartCol, 0);
    RangeEndCol = std::min(RangeEndCol, FColumns.Count() - 1);
    if (RangeStartCol > RangeEndCol)
        return 0;
    const bool growing = ChangeBy > 0;
    const int step = growing ? 1 : -1;
    const auto count = static_cast<std::size_t>(RangeEndCol - RangeStartCol + 1);
    std::vector<int> widths(count);
    std::vector<int> limits(count);
    std::vector<bool> matching(count);
    for (std::size_t i = 0; i < count; ++i) {
        const TLazyTreeColumn &column = FColumns[RangeStartCol + static_cast<TColumnIndex>(i)];
        widths[i] = column.Width();
        limits[i] = growing ? column.MaxWidth() : column.MinWidth();
        matching[i] = column.Options().containsAll(Options);
    }
    auto room = [&](std::size_t i) {
        const std::int64_t left = growing ? std::int64_t{limits[i]} - widths[i] : std::int64_t{widths[i]} - limits[i];
        return static_cast<int>(std::clamp<std::int64_t>(left, 0, std::numeric_limits<int>::max()));
    };
    auto bonus = [&](std::size_t i) -> bool & {
        return FColumns[RangeStartCol + static_cast<TColumnIndex>(i)].FBonusPixel;
    };

    int rest = ChangeBy == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(ChangeBy);
    while (rest > 0) {
        std::int64_t totalRoom = 0;
        int withRoom = 0;
        for (;;) {
            totalRoom = 0;
            withRoom = 0;
            std::size_t widest = count;
            for (std::size_t i = 0; i < count; ++i)
                if (matching[i] && room(i) > 0) {
                    totalRoom += room(i);
                    ++withRoom;
                    if (widest == count || widths[i] > widths[widest])
                        widest = i;
                }
            // While scaling, a shrink may eat into the widest column's minimum.
            if (totalRoom >= rest || growing || !FStates.contains(THeaderState::hsScaling) || widest == count ||
                limits[widest] <= 10)
                break;
            limits[widest] -= limits[widest] / 10;
        }
        if (withRoom == 0)
            break;
        rest = static_cast<int>(std::min<std::int64_t>(rest, totalRoom));
        const int passRest = rest;
        const int share = passRest / withRoom;
        for (std::size_t i = 0; i < count; ++i)
            if (matching[i] && room(i) > 0) {
                const int applied = std::min(share, room(i));
                widths[i] += step * applied;
                rest -= applied;
            }
        int odd = std::min(rest, passRest % withRoom);
        std::size_t at = growing ? 0 : count - 1;
        bool flippedWithoutTaker = false;
        bool tookSinceFlip = false;
        while (odd > 0) {
            if (matching[at] && room(at) > 0 && bonus(at) != growing) {
                widths[at] += step;
                bonus(at) = growing;
                --odd;
                --rest;
                tookSinceFlip = true;
            }
            const bool leaving = growing ? at + 1 == count : at == 0;
            if (!leaving) {
                at = growing ? at + 1 : at - 1;
                continue;
            }
            if (flippedWithoutTaker && !tookSinceFlip)
                break; // no column has room left
            for (std::size_t i = 0; i < count; ++i)
                if (matching[i])
                    bonus(i) = !bonus(i);
            flippedWithoutTaker = true;
            tookSinceFlip = false;
            at = growing ? 0 : count - 1;
        }
        if (share == 0 && odd > 0)
            break;
    }

    std::int64_t applied = 0;
    FStates += THeaderState::hsResizing;
    platform::Finally done([this] { FStates -= THeaderState::hsResizing; });
    for (std::size_t i = 0; i < count; ++i)
        if (matching[i]) {
            TLazyTreeColumn &column = FColumns[RangeStartCol + static_cast<TColumnIndex>(i)];
            const int old = column.Width();
            column.SetWidth(widths[i]);
            applied += std::int64_t{column.Width()} - old;
        }
    return static_cast<int>(std::clamp<std::int64_t>(applied, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace vtree
