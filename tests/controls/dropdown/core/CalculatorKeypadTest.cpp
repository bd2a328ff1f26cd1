#include "controls/dropdown/core/CalculatorKeypad.h"

#include <gtest/gtest.h>

#include <set>

using namespace controls;

namespace {

int indexOf(const char16_t *caption)
{
    const auto &keys = calculatorKeys();
    for (int i = 0; i < CalculatorKeyCount; ++i)
        if (std::u16string_view(keys[size_t(i)].caption) == caption)
            return i;
    return -1;
}

TEST(CalculatorKeypad, HasTwentyEightKeysWithTheirTags)
{
    const auto &keys = calculatorKeys();
    EXPECT_EQ(std::u16string_view(keys[0].name), u"BTN_ON");
    EXPECT_EQ(keys[0].tag, 30);
    EXPECT_EQ(indexOf(u"7"), 11);
    EXPECT_EQ(keys[11].tag, 7);
    EXPECT_EQ(indexOf(u"8"), 12);
    EXPECT_EQ(keys[size_t(indexOf(u"sqrt"))].tag, 37);
    EXPECT_TRUE(keys[size_t(indexOf(u"sqrt"))].special);
    EXPECT_FALSE(keys[size_t(indexOf(u"1/x"))].special);
    std::set<int> tags;
    for (const TCalculatorKey &key : keys)
        tags.insert(key.tag);
    EXPECT_EQ(tags.size(), size_t(CalculatorKeyCount));
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_TRUE(tags.count(digit)) << digit;
}

TEST(CalculatorKeypad, A212By134AreaGivesKeysOf34By26)
{
    const QRect area(8, 8, 212, 134);
    const auto rects = arrangeCalculatorKeys(area);
    for (int i : {0, 4, 8, 11, 12, 19, 20, 27})
        EXPECT_EQ(rects[size_t(i)].size(), QSize(34, 26)) << i;
    const QRect seven = rects[size_t(indexOf(u"7"))];
    const QRect eight = rects[size_t(indexOf(u"8"))];
    EXPECT_EQ(seven.topLeft(), QPoint(8 + 34 + 4, 8 + 26 + 4));
    // Neighbours in a block share their border line.
    EXPECT_EQ(eight.left(), seven.right());
    EXPECT_EQ(rects[size_t(indexOf(u"4"))].top(), seven.bottom());
    // Back, CE and C in thirds from column 1 to the right of column 5, C
    // taking the remainder.
    const QRect back = rects[1], ce = rects[2], c = rects[3];
    const int right = rects[size_t(indexOf(u"sqrt"))].left() + 34;
    EXPECT_EQ(back.left(), seven.left());
    EXPECT_EQ(back.width(), (right - back.left() - 8) / 3);
    EXPECT_EQ(ce.left(), back.left() + back.width() + 4);
    EXPECT_EQ(ce.width(), back.width());
    EXPECT_EQ(c.left() + c.width(), right);
    EXPECT_GE(c.width(), back.width());
    for (const QRect &r : {back, ce, c})
        EXPECT_EQ(r.height(), 26);
}

TEST(CalculatorKeypad, ASharedLineHitsTheLowerIndex)
{
    const auto rects = arrangeCalculatorKeys(QRect(8, 8, 212, 134));
    const QRect seven = rects[11];
    EXPECT_EQ(keyAt(rects, QPoint(seven.right(), seven.center().y())), 11);
    EXPECT_EQ(keyAt(rects, QPoint(seven.right() + 1, seven.center().y())), 12);
    EXPECT_EQ(keyAt(rects, QPoint(seven.center().x(), seven.bottom())), 10);
    EXPECT_EQ(keyAt(rects, QPoint(0, 0)), -1);
    // The gap between blocks hits nothing.
    EXPECT_EQ(keyAt(rects, QPoint(seven.left() - 2, seven.center().y())), -1);
}

TEST(CalculatorKeypad, AClickCountsOnlyWhereItWasPressed)
{
    EXPECT_EQ(clickedKey(11, 12), -1);
    EXPECT_EQ(clickedKey(11, 11), 11);
    EXPECT_EQ(clickedKey(-1, -1), -1);
}

} // namespace
