#include "controls/grid/model/core/PictureSize.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

TPictureSize keepAspect(int width, int height, int a, int b, bool capAtOne)
{
    double sx = width <= 0 ? 1.0 : static_cast<double>(a) / width;
    double sy = height <= 0 ? 1.0 : static_cast<double>(b) / height;
    if (capAtOne) {
        sx = std::min(sx, 1.0);
        sy = std::min(sy, 1.0);
    }
    if (sx >= sy)
        return {roundEven(width * sy), b};
    return {a, roundEven(height * sx)};
}

} // namespace

TPictureSize pictureDrawSize(int width, int height, int cellWidth, int cellHeight, int margin, TPictureFit fit)
{
    const int a = cellWidth - margin;
    const int b = cellHeight - margin;
    const bool fits = a >= width && b >= height;
    switch (fit) {
    case TPictureFit::Stretch:
        return {a, b};
    case TPictureFit::StretchWithAspectRatio:
        return keepAspect(width, height, a, b, false);
    case TPictureFit::Shrink:
        return fits ? TPictureSize{width, height} : TPictureSize{a, b};
    case TPictureFit::ShrinkWithAspectRatio:
        return fits ? TPictureSize{width, height} : keepAspect(width, height, a, b, true);
    case TPictureFit::NoStretch:
        break;
    }
    return {width, height};
}

} // namespace controls
