#pragma once
// The pixels of a one-pixel line as the painting code expects them: from the
// start point (drawn) towards the end point (left out), one pixel per step
// along the longer axis, each on the pixel nearest the ideal line; where the
// ideal line passes exactly between two pixels the one with the smaller
// coordinate is taken, so a line and its reverse light the same inner pixels.
#include <cstdlib>

namespace platform {

// Calls plot(x, y) for every pixel of the line from (x0, y0) towards
// (x1, y1), the end point included only when includeLast is set. Gives the
// number of pixels plotted.
template <class Plot>
int rasterLine(int x0, int y0, int x1, int y1, bool includeLast, Plot &&plot)
{
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int n = xMajor ? std::abs(dx) : std::abs(dy);
    const int d = xMajor ? std::abs(dy) : std::abs(dx);
    const int majorStep = (xMajor ? dx : dy) >= 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    // Rounding towards the smaller coordinate means rounding a rising
    // minor offset half down and a falling one half up.
    const bool roundUpOnTie = minorStep < 0;
    const int count = n + (includeLast ? 1 : 0);
    int major = xMajor ? x0 : y0;
    int minor = xMajor ? y0 : x0;
    long long error = -n;
    for (int i = 0; i < count; ++i) {
        if (xMajor)
            plot(major, minor);
        else
            plot(minor, major);
        major += majorStep;
        error += 2LL * d;
        if (error > 0 || (error == 0 && roundUpOnTie && d != 0)) {
            minor += minorStep;
            error -= 2LL * n;
        }
    }
    return count;
}

} // namespace platform
