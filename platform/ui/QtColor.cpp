#include "platform/ui/QtColor.h"

namespace platform {

QColor toQColor(TColor color)
{
    if (!isColorSet(color))
        return QColor(0, 0, 0, 0);
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor fromQColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace platform
