// The clipboard is outside text: any text pasted at any selection (even one
// beyond the editor's text) into every editor type of the grid's default
// editor, with and without a length limit, under a "." and a "," locale,
// gives a refusal or a text within the limit whose selection lies inside
// it; typed one character at a time, and completed from look-up items, it
// does the same.
#include "controls/grid/model/core/EditorFilters.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkInside(const controls::TEditorText &s, int limit)
{
    const int length = int(s.text.size());
    if (s.selStart < 0 || s.selLength < 0 || s.selStart + s.selLength > length)
        std::abort();
    if (limit > 0 && length > limit)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    // Four bytes of settings, then the editor's text and the clipboard text
    // separated by the first zero byte.
    const int selStart = int(data[0]) - 8;
    const int selLength = int(data[1]) - 8;
    const int limit = data[2] % 16;
    const bool comma = data[3] & 1;
    const QByteArray rest(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));
    const qsizetype split = rest.indexOf('\0');
    const QString text = QString::fromUtf8(split < 0 ? QByteArray() : rest.first(split));
    const QString clip = QString::fromUtf8(split < 0 ? rest : rest.sliced(split + 1));
    controls::TFormatSettings fs;
    fs.DecimalSeparator = comma ? u',' : u'.';
    fs.ThousandSeparator = comma ? u'.' : u',';
    for (int t = controls::edNormal; t <= controls::edMaskEditBtn; ++t) {
        controls::TEditorFilterRules rules;
        rules.type = controls::TEditorType(t);
        rules.validChars = QStringLiteral("0123456789abc");
        const controls::TEditorText start{text, selStart, selLength};
        if (const auto pasted = controls::pasteIntoEditor(clip, start, rules, fs))
            checkInside(*pasted, 0);
        rules.lengthLimit = limit;
        if (const auto pasted = controls::pasteIntoEditor(clip, start, rules, fs))
            checkInside(*pasted, limit);
        // Typed: each accepted character replaces the selection.
        controls::TEditorText typed{QString(), 0, 0};
        for (const QChar c : clip) {
            const controls::TCharFilter f = controls::filterEditorChar(c, typed, rules, fs);
            if (f.verdict != controls::TCharVerdict::Accept || c.unicode() < 32)
                continue;
            typed.text.insert(typed.selStart, f.ch);
            ++typed.selStart;
            checkInside(typed, limit > 0 ? limit : 0);
        }
        if (const auto done = controls::lookupCompletion(start, QStringList{clip, text}, t % 2 == 0))
            checkInside(*done, 0);
    }
    return 0;
}
