#include "controls/dropdown/core/ItemMoves.h"

#include <algorithm>

namespace controls::multicol {

int selectFirst(int index, int count)
{
    return count > 0 ? 0 : index;
}

int selectLast(int index, int count)
{
    return count > 0 ? count - 1 : index;
}

int selectNext(int index, int count)
{
    if (index < 0)
        return count > 0 ? 0 : index;
    return index + 1 < count ? index + 1 : index;
}

int selectPrevious(int index, int count)
{
    if (index < 0)
        return count > 0 ? 0 : index;
    return index > 0 ? index - 1 : index;
}

int selectNextPage(int index, int count)
{
    if (index < 0)
        return count > 0 ? 0 : index;
    return std::max(index, std::min(index + PageItems, count - 1));
}

int selectPreviousPage(int index, int count)
{
    if (index < 0)
        return count > 0 ? 0 : index;
    return std::max(0, index - PageItems);
}

} // namespace controls::multicol
