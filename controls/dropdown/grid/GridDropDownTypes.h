#pragma once
// The grid drop-down's small types. Its columns and items have the same
// properties as the multi-column drop-down's, whose classes serve both.
#include "controls/dropdown/MultiColumnColumns.h"
#include "controls/dropdown/core/MultiColumnItems.h"

#include <cstdint>

namespace controls::griddd {

enum TLookupMethod : std::uint8_t { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle : std::uint8_t { dsDropDown, dsDropDownList };
enum TGridSorting : std::uint8_t { gsNone, gsSingleColumn, gsMultiColumn };

using multicol::TDropDownColumn;
using multicol::TDropDownColumns;
using multicol::TDropDownItem;
using multicol::TDropDownItems;

} // namespace controls::griddd
