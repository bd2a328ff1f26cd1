#include "controls/dropdown/core/TrackBarRules.h"

#include <algorithm>

namespace controls {

int clampTrackPosition(int position, int min, int max)
{
    return std::clamp(position, std::min(min, max), std::max(min, max));
}

int trackKeyStep(int position, bool up, int frequency, int min, int max)
{
    const long long next = static_cast<long long>(position) + (up ? -frequency : frequency);
    if (next < std::min(min, max) || next > std::max(min, max))
        return position;
    return static_cast<int>(next);
}

int trackDragStep(int position, int dx, int pageSize, int min, int max)
{
    if (pageSize <= 0)
        return position;
    const long long next = static_cast<long long>(position) + dx / pageSize;
    return static_cast<int>(std::clamp<long long>(next, std::min(min, max), std::max(min, max)));
}

std::optional<int> trackTextPosition(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace controls
