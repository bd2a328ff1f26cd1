#include "controls/dropdown/core/PopupPlacement.h"
#include "controls/dropdown/core/PopupRules.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

// A 1920 x 1040 work area (a panel of 40 below it), and a second monitor
// to the left of the primary one.
const QRect Primary(0, 0, 1920, 1040);
const QRect LeftMonitor(-1280, 0, 1280, 984);

TEST(PlaceDropDown, GoesBelowOrAboveAsTheWorkAreaAllows)
{
    struct Case {
        const char *what;
        QRect edit;
        QSize popup;
        QRect area;
        TDropPosition position;
        QPoint at;
    };
    const Case cases[] = {
        {"room below: below, over the edit's last row", {100, 100, 200, 21}, {200, 150}, Primary, dpAuto, {100, 120}},
        {"exactly fits below", {100, 868, 200, 21}, {200, 152}, Primary, dpAuto, {100, 888}},
        {"one pixel short below: above", {100, 869, 200, 21}, {200, 152}, Primary, dpAuto, {100, 717}},
        // Short of the screen's bottom but under the panel: above.
        {"under the panel: above", {100, 900, 200, 21}, {200, 150}, Primary, dpAuto, {100, 750}},
        {"fits neither side, more room above: above, clamped", {100, 700, 200, 21}, {200, 900}, Primary, dpAuto,
         {100, 0}},
        {"fits neither side, more room below: below, clamped", {100, 300, 200, 21}, {200, 900}, Primary, dpAuto,
         {100, 140}},
        {"taller than the work area: its top on it", {100, 300, 200, 21}, {200, 2000}, Primary, dpAuto, {100, 0}},
        {"dpDown keeps below at the bottom", {100, 1000, 200, 21}, {200, 150}, Primary, dpDown, {100, 1020}},
        {"dpUp keeps above at the top", {100, 10, 200, 21}, {200, 150}, Primary, dpUp, {100, -140}},
        {"dpUp with room above", {100, 500, 200, 21}, {200, 150}, Primary, dpUp, {100, 350}},
        {"wider than the room right: right edges meet", {1800, 100, 200, 21}, {300, 150}, Primary, dpAuto,
         {1620, 120}},
        {"on a monitor left of 0, moved as well", {-200, 100, 150, 21}, {300, 150}, LeftMonitor, dpAuto,
         {-300, 120}},
        {"edit partly left of the work area: moved right", {-50, 100, 200, 21}, {200, 150}, Primary, dpAuto,
         {0, 120}},
        {"wider than the work area: left edges meet", {100, 100, 200, 21}, {2500, 150}, Primary, dpAuto, {0, 120}},
        {"work area below a top panel", {100, 60, 200, 21}, {200, 1000}, QRect(0, 40, 1920, 1000), dpAuto,
         {100, 40}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(placeDropDown(c.edit, c.popup, c.area, c.position), c.at) << c.what;
}

TEST(ComputeDropDownSize, StacksBordersHeaderFooterAndControl)
{
    TDropDownSizeInput input;
    input.editWidth = 200;
    input.borderWidth = 1;
    input.control = QSize(120, 100);
    input.header = 22;
    input.footer = 22;
    EXPECT_EQ(computeDropDownSize(input), QSize(122, 146));

    input.control.reset();
    input.header.reset();
    EXPECT_EQ(computeDropDownSize(input), QSize(200, 24));

    input.dropDownWidth = 300;
    input.dropDownHeight = 90;
    input.control = QSize(120, 100);
    EXPECT_EQ(computeDropDownSize(input), QSize(300, 90));
}

TEST(ReopenGuard, BlocksForAQuarterSecondAfterADeactivation)
{
    struct Case {
        std::uint32_t now;
        std::optional<std::uint32_t> deactivated;
        bool blocked;
    };
    const Case cases[] = {
        {0, std::nullopt, false}, {1000, 1000, true},  {1250, 1000, true},
        {1251, 1000, false},      {100, 0xFFFFFFF0u, true}, // the tick count wrapped
        {999, 1000, false},       // a clock that went back is far away, not near
    };
    for (const Case &c : cases)
        EXPECT_EQ(reopenBlocked(c.now, c.deactivated), c.blocked) << c.now;
}

} // namespace
