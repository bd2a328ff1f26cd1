#pragma once
// The size a cell picture is drawn at: its own size, or stretched or shrunk
// into the cell less a margin, with or without keeping its aspect.
namespace controls {

enum class TPictureFit { NoStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

struct TPictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const TPictureSize &, const TPictureSize &) = default;
};

// width x height is the picture, cellWidth x cellHeight the room, margin
// taken off both. Rounding goes to the nearest integer, halves to even.
TPictureSize pictureDrawSize(int width, int height, int cellWidth, int cellHeight, int margin, TPictureFit fit);

} // namespace controls
