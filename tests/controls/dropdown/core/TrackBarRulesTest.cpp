#include "controls/dropdown/core/TrackBarRules.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(TrackBarRules, KeyStepsStayInRange)
{
    EXPECT_EQ(trackKeyStep(0, true, 1, 0, 10), 0);
    EXPECT_EQ(trackKeyStep(10, false, 1, 0, 10), 10);
    EXPECT_EQ(trackKeyStep(5, true, 1, 0, 10), 4);
    EXPECT_EQ(trackKeyStep(5, false, 3, 0, 10), 8);
    EXPECT_EQ(trackKeyStep(9, false, 3, 0, 10), 9);
    // Bounds given the wrong way round still make the range.
    EXPECT_EQ(trackKeyStep(5, false, 1, 10, 0), 6);
}

TEST(TrackBarRules, DragStepsByPageSize)
{
    EXPECT_EQ(trackDragStep(3, 5, 2, 0, 10), 5);
    EXPECT_EQ(trackDragStep(3, 1, 2, 0, 10), 3);
    EXPECT_EQ(trackDragStep(3, -5, 2, 0, 10), 1);
    EXPECT_EQ(trackDragStep(9, 50, 2, 0, 10), 10);
    // No page, no step: nothing divides by it.
    EXPECT_EQ(trackDragStep(3, 5, 0, 0, 10), 3);
    EXPECT_EQ(trackDragStep(3, 5, -2, 0, 10), 3);
}

TEST(TrackBarRules, PositionStaysBetweenTheBoundsInAnyOrder)
{
    EXPECT_EQ(clampTrackPosition(12, 0, 10), 10);
    EXPECT_EQ(clampTrackPosition(-1, 0, 10), 0);
    EXPECT_EQ(clampTrackPosition(12, 10, 0), 10);
    EXPECT_EQ(clampTrackPosition(5, 10, 0), 5);
}

TEST(TrackBarRules, OnlyDecimalIntegerTextsSetThePosition)
{
    EXPECT_EQ(trackTextPosition(QStringLiteral("7")), 7);
    EXPECT_EQ(trackTextPosition(QStringLiteral("-3")), -3);
    EXPECT_FALSE(trackTextPosition(QString()));
    EXPECT_FALSE(trackTextPosition(QStringLiteral("1.5")));
    EXPECT_FALSE(trackTextPosition(QStringLiteral("x")));
    EXPECT_FALSE(trackTextPosition(QStringLiteral("99999999999")));
}

} // namespace
