// Lays out arbitrary text with arbitrary DrawText flags in a rectangle of
// arbitrary size: texts come from language files and grid cells, so the
// layout must end and stay in bounds whatever it gets. The font is a
// stand-in whose characters have widths from 0 to 12 pixels.
#include "platform/draw/DrawFlags.h"
#include "platform/draw/TextLayout.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 8)
        return 0;
    std::uint32_t format = 0;
    std::int16_t width = 0, height = 0;
    std::memcpy(&format, data, 4);
    std::memcpy(&width, data + 4, 2);
    std::memcpy(&height, data + 6, 2);
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 8), qsizetype((size - 8) / 2));
    platform::TextFontInfo font;
    font.measure = [](QStringView s) {
        int w = 0;
        for (QChar c : s)
            w += c.unicode() % 13;
        return w;
    };
    font.lineHeight = 1 + (format >> 28);
    font.averageCharWidth = int((format >> 24) & 0xF);
    const platform::TRect rect = platform::Bounds(3, 5, width, height);
    const platform::TextLayout layout = platform::layoutText(text, rect, format, font);
    std::size_t chars = 0;
    for (const platform::TextLine &line : layout.lines) {
        chars += std::size_t(line.text.size());
        for (const platform::TextUnderline &u : line.underlines)
            chars += std::size_t(u.width >= 0);
    }
    if (layout.lines.empty() || chars > std::size_t(text.size()) * 4 + 64)
        __builtin_trap();
    (void)platform::ellipsizePath(text, width, font);
    return 0;
}
