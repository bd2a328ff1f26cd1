// The clipboard and drops are outside text: any text, at any caret and
// selection (even ones beyond the value), pasted into every edit type under
// a "." and a "," locale, gives a refusal or a value whose caret and
// selection lie inside it; typed one character at a time it does the same.
#include "controls/dropdown/core/TypedInput.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkInside(const controls::TEditState &s)
{
    const int length = int(s.value.size());
    if (s.caret < 0 || s.caret > length || s.selStart < 0 || s.selLength < 0 || s.selStart + s.selLength > length)
        std::abort();
}

controls::TFormatSettings locale(bool comma)
{
    controls::TFormatSettings fs;
    fs.DecimalSeparator = comma ? u',' : u'.';
    fs.ThousandSeparator = comma ? u'.' : u',';
    return fs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 6)
        return 0;
    // Six bytes of settings, then the value and the clipboard text
    // separated by the first zero byte.
    const int caret = int(data[0]) - 8;
    const int selStart = int(data[1]) - 8;
    const int selLength = int(data[2]) - 8;
    const int precision = int(data[3] % 8) - 2;
    const bool isSigned = data[4] & 1;
    const bool comma = data[4] & 2;
    const int maxLength = data[5] % 32;
    const QByteArray rest(reinterpret_cast<const char *>(data + 6), qsizetype(size - 6));
    const qsizetype split = rest.indexOf('\0');
    const QString value = QString::fromUtf8(split < 0 ? QByteArray() : rest.first(split));
    const QString clip = QString::fromUtf8(split < 0 ? rest : rest.sliced(split + 1));
    const controls::TFormatSettings fs = locale(comma);
    for (int type = controls::etString; type <= controls::etValidChars; ++type) {
        controls::TEditTypeSettings settings;
        settings.EditType = controls::TDropDownEditType(type);
        settings.Precision = precision;
        settings.Signed = isSigned;
        settings.MaxLength = maxLength;
        settings.LengthLimit = data[5] % 5;
        settings.ValidChars = QStringLiteral("0123456789abc,.-");
        const controls::TEditState state{value, caret, selStart, selLength};
        if (const auto pasted = controls::PasteText(settings, state, clip, fs))
            checkInside(*pasted);
        controls::TEditState typed{value, std::abs(caret) % (int(value.size()) + 1), 0, 0};
        typed.selStart = typed.caret;
        for (const QChar c : clip.left(64)) {
            const controls::TTypedResult r = controls::TypeCharacter(settings, typed, {c, bool(c.unicode() & 1)}, fs);
            if (r.verdict == controls::TTypedVerdict::Apply) {
                checkInside(r.state);
                typed = r.state;
            }
        }
    }
    return 0;
}
