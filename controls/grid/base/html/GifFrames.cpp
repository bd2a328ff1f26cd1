#include "controls/grid/base/html/GifFrames.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace controls {

namespace {

std::uint8_t byteAt(const QByteArray &data, qsizetype at) { return std::uint8_t(data[at]); }

// A little-endian 16-bit field, 0 when it does not lie wholly inside the data.
int word(const QByteArray &data, qsizetype at)
{
    if (at < 0 || at + 1 >= data.size())
        return 0;
    return byteAt(data, at) | (byteAt(data, at + 1) << 8);
}

// A graphic control extension (21 F9 04, four bytes, terminator) directly
// followed by an image descriptor (2C).
bool isFrameMarker(const QByteArray &data, qsizetype at)
{
    return at + 9 < data.size() && byteAt(data, at) == 0x21 && byteAt(data, at + 1) == 0xF9
           && byteAt(data, at + 2) == 0x04 && byteAt(data, at + 8) == 0x2C;
}

// Every position is looked at: the markers are found as they stand in the
// bytes, not by walking the blocks.
std::vector<qsizetype> frameMarkers(const QByteArray &data)
{
    std::vector<qsizetype> markers;
    const char *bytes = data.constData();
    const qsizetype size = data.size();
    for (qsizetype at = 0; at < size;) {
        const void *found = std::memchr(bytes + at, 0x21, std::size_t(size - at));
        if (!found)
            break;
        at = static_cast<const char *>(found) - bytes;
        if (isFrameMarker(data, at))
            markers.push_back(at);
        ++at;
    }
    return markers;
}

} // namespace

bool isGifData(const QByteArray &data)
{
    return data.size() >= 5 && data.startsWith("GIF8");
}

int gifFrameCount(const QByteArray &data)
{
    return isGifData(data) ? int(frameMarkers(data).size()) : -1;
}

int gifFrameDelay(const QByteArray &data, int frame)
{
    if (!isGifData(data))
        return -1;
    const std::vector<qsizetype> markers = frameMarkers(data);
    if (frame < 1 || std::size_t(frame) > markers.size())
        return -1;
    return word(data, markers[std::size_t(frame) - 1] + 4);
}

TGifFrame gifFrameBytes(const QByteArray &data, int frame)
{
    TGifFrame out;
    out.bytes = data;
    if (!isGifData(data))
        return out;
    out.screenWidth = word(data, 6);
    out.screenHeight = word(data, 8);
    const std::vector<qsizetype> markers = frameMarkers(data);
    if (markers.empty())
        return out;
    out.frame = std::clamp(frame, 1, int(markers.size()));
    const qsizetype chosen = markers[std::size_t(out.frame) - 1];
    const qsizetype descriptor = chosen + 8;
    out.left = word(data, descriptor + 1);
    out.top = word(data, descriptor + 3);
    out.width = word(data, descriptor + 5);
    out.height = word(data, descriptor + 7);
    if (out.frame > 1)
        out.bytes = data.first(markers.front()) + data.sliced(chosen);
    return out;
}

} // namespace controls
