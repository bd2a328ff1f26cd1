// The cell control list knows a window only when a listed control is one;
// the core suite has no widgets, so this part is checked here.
#include "controls/grid/base/ControlList.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace controls;

TEST(CellControlList, HasHandleFindsListedWindowsOnly)
{
    QWidget listed, unlisted;
    QObject plain;
    TControlList list;
    list.AddControl(1, 1, &plain);
    list.AddControl(2, 3, &listed);
    EXPECT_TRUE(list.HasHandle(&listed));
    EXPECT_FALSE(list.HasHandle(&unlisted));
    EXPECT_FALSE(list.HasHandle(&plain)) << "an object without a window has no handle";
    EXPECT_FALSE(list.HasHandle(nullptr));

    auto gone = std::make_unique<QWidget>();
    list.AddControl(4, 4, gone.get());
    const QWidget *address = gone.get();
    gone.reset();
    EXPECT_FALSE(list.HasHandle(address)) << "a destroyed control is no longer listed";
    list.RemoveControl(list.ControlIndex(2, 3));
    EXPECT_FALSE(list.HasHandle(&listed));
}
