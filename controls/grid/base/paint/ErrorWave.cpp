#include "controls/grid/base/paint/ErrorWave.h"

#include <algorithm>

namespace controls {

using namespace platform;

void DrawErrorWave(TCanvas &canvas, const QString &text, const TRect &rect, int yOffset, int first, int count)
{
    if (count <= 0 || first < 0)
        return;
    const auto xOf = [&](int index) {
        if (index >= text.size())
            return canvas.TextWidth(text) + 4;
        return canvas.TextWidth(text.left(index));
    };
    const int last = first + count - 1;
    const int endX = rect.Left + xOf(last);
    int x = rect.Left + xOf(first);
    const int low = rect.Top + yOffset + 3, high = rect.Top + yOffset;
    canvas.Pen().setColor(clRed);
    canvas.Pen().setWidth(2);
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.MoveTo(x, low);
    bool up = true;
    // One step past the last character's position.
    while (x <= endX) {
        x += 3;
        canvas.LineTo(x, up ? high : low);
        up = !up;
    }
    canvas.Pen().setWidth(1);
}

} // namespace controls
