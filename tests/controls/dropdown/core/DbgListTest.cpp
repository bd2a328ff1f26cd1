#include "controls/dropdown/core/DbgList.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

QString failure(const std::function<void()> &call)
{
    try {
        call();
    } catch (const platform::Error &error) {
        return error.message();
    }
    return QString();
}

TEST(DbgList, AccessBeyondTheEndRaisesTheListsMessages)
{
    TDbgList<int> list;
    list.Add(7);
    EXPECT_EQ(list.GetItemsEx(0), 7);
    EXPECT_EQ(failure([&] { list.GetItemsEx(1); }), "Index out of bounds in list read access");
    EXPECT_EQ(failure([&] { list.SetItemsEx(1, 3); }), "Index out of bounds in list write access");
    EXPECT_EQ(failure([&] { list.GetItemsEx(-1); }), "Index out of bounds in list read access");
    list.SetItemsEx(0, 3);
    TDbgList<int> copy;
    copy.AssignList(list);
    EXPECT_EQ(copy.GetItemsEx(0), 3);
}

} // namespace
