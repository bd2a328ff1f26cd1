// Pasted or dropped text reaches the time picker, the track bar and the
// memo drop-down as their text: any text, in either seconds form and with
// either separator, reads as a time of a real clock or as none; stepping
// any part at any caret stays on the clock; a position read back prints as
// it was read; the memo's lines hold no line break and come back from
// their text unchanged.
#include "controls/dropdown/MemoDropDown.h"
#include "controls/dropdown/core/TimeText.h"
#include "controls/dropdown/core/TrackBarRules.h"

#include <cstdint>
#include <cstdlib>

namespace {

void onClock(const controls::TWatchTime &t)
{
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    // Two bytes of settings, then the text.
    const bool seconds = data[0] & 1;
    const QChar separator = data[0] & 2 ? u'.' : u':';
    const int caret = int(data[1]) - 4;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    if (const auto parsed = controls::parseTimeText(text, seconds, separator)) {
        onClock(parsed->time);
        if (parsed->rewrite && (parsed->time.minute != 0 || parsed->time.second != 0))
            std::abort();
    }
    const controls::TWatchTime start{int(data[1]) % 24, int(data[0]) % 60, int(size) % 60, 0};
    for (const bool up : {true, false})
        onClock(controls::stepTimePart(start, text, caret, up, seconds, separator));

    if (const auto position = controls::trackTextPosition(text)) {
        if (controls::trackTextPosition(QString::number(*position)) != position)
            std::abort();
        const int kept = controls::clampTrackPosition(*position, int(data[0]) - 128, int(data[1]) - 128);
        if (kept < std::min(int(data[0]), int(data[1])) - 128 || kept > std::max(int(data[0]), int(data[1])) - 128)
            std::abort();
    }

    const QStringList lines = controls::TExMemoDropDown::linesOfText(text);
    for (const QString &line : lines)
        if (line.contains(u'\n') || line.contains(u'\r'))
            std::abort();
    if (controls::TExMemoDropDown::linesOfText(controls::TExMemoDropDown::textOfLines(lines)) != lines)
        std::abort();
    return 0;
}
