#pragma once
// What a typed character and a paste do to the value of a typed edit. The
// rules give the whole new value with its caret and selection, formatted,
// so that the edit changes its text once per keystroke or paste; a refused
// character or paste changes nothing, caret and selection included.
#include "controls/dropdown/core/EditTypes.h"
#include "controls/grid/base/FormatSettings.h"

#include <optional>

namespace controls {

struct TTypedKey {
    QChar c;
    // The numeric keypad's key.
    bool keypad = false;
    bool ctrl = false;
};

enum class TTypedVerdict : std::uint8_t {
    Refuse, // the character is dropped
    Pass,   // not ours: the edit's own handling takes it (Ctrl+C, Tab...)
    Apply,  // the state below is the edit's new value, caret and selection
};

struct TTypedResult {
    TTypedVerdict verdict = TTypedVerdict::Refuse;
    TEditState state;
};

TTypedResult TypeCharacter(const TEditTypeSettings &settings, const TEditState &state, TTypedKey key,
                           const TFormatSettings &fs = formatSettings());

// The value with text put in place of the selection (or at the caret): a
// pasted text ends up selected when it replaced a selection, else the
// caret goes after it.
TEditState InsertText(const TEditState &state, const QString &text);

// The paste of text by the edit type's rule; none when it is refused.
std::optional<TEditState> PasteText(const TEditTypeSettings &settings, const TEditState &state, const QString &text,
                                    const TFormatSettings &fs = formatSettings());

// What the value becomes when the edit loses the focus; none: unchanged.
std::optional<QString> ValueOnLeave(const TEditTypeSettings &settings, const QString &value, bool allowNullValue,
                                    const TFormatSettings &fs = formatSettings());

} // namespace controls
