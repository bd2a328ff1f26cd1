#pragma once
// Where the keys and the wheel move the multi-column drop-down's chosen
// item, from the item chosen (-1: none) among count items. A result the
// caller cannot take (beyond the items) leaves the choice as it is.
namespace controls::multicol {

constexpr int PageItems = 10;

int selectFirst(int index, int count);
int selectLast(int index, int count);
int selectNext(int index, int count);
int selectPrevious(int index, int count);
int selectNextPage(int index, int count);
int selectPreviousPage(int index, int count);

} // namespace controls::multicol
