#include "controls/grid/model/core/PictureSize.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(PictureSize, FitsA100By50PictureIntoItsCell)
{
    struct Case {
        int room;
        TPictureFit fit;
        TPictureSize expected;
    };
    const Case cases[] = {
        {60, TPictureFit::Stretch, {60, 60}},
        {60, TPictureFit::StretchWithAspectRatio, {60, 30}},
        {60, TPictureFit::Shrink, {60, 60}},
        {60, TPictureFit::ShrinkWithAspectRatio, {60, 30}},
        {60, TPictureFit::NoStretch, {100, 50}},
        {200, TPictureFit::Shrink, {100, 50}},
        {200, TPictureFit::ShrinkWithAspectRatio, {100, 50}},
        {200, TPictureFit::StretchWithAspectRatio, {200, 100}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pictureDrawSize(100, 50, c.room, c.room, 0, c.fit), c.expected) << c.room << " " << int(c.fit);
}

TEST(PictureSize, TakesTheMarginOffAndRoundsHalvesToEven)
{
    EXPECT_EQ(pictureDrawSize(100, 50, 70, 70, 10, TPictureFit::Stretch), (TPictureSize{60, 60}));
    // 5 x 0.5 = 2.5 rounds to 2; 7 x 0.5 = 3.5 rounds to 4.
    EXPECT_EQ(pictureDrawSize(5, 10, 100, 5, 0, TPictureFit::StretchWithAspectRatio), (TPictureSize{2, 5}));
    EXPECT_EQ(pictureDrawSize(7, 10, 100, 5, 0, TPictureFit::StretchWithAspectRatio), (TPictureSize{4, 5}));
    // An empty picture does not divide by zero.
    EXPECT_EQ(pictureDrawSize(0, 0, 30, 20, 0, TPictureFit::StretchWithAspectRatio), (TPictureSize{0, 20}));
}

} // namespace
