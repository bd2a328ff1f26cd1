#pragma once
// What the edit of a drop-down accepts and how it shows numbers: the edit
// types and the settings their rules read. The value is the edit's text
// without the fixed Prefix and Suffix; offsets below count in the value.
#include <QString>

#include <cstdint>

namespace controls {

enum TDropDownEditType : std::uint8_t {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars,
};

struct TEditTypeSettings {
    TDropDownEditType EditType = etString;
    // Decimals of etFloat and etMoney; negative: the general format; 0 also
    // keeps the decimal separator out of an etFloat value.
    int Precision = 0;
    QString Prefix;
    QString Suffix;
    // Most integer digits (0: no limit).
    int LengthLimit = 0;
    // A minus sign is accepted by etNumeric, etFloat and etMoney.
    bool Signed = false;
    QString ValidChars;
    // The keypad's decimal key types the locale's decimal separator.
    bool ExcelStyleDecimalSeparator = false;
    // etMoney groups its digits while they are typed.
    bool AutoThousandSeparator = true;
    // Most characters typing and pasting may leave (0: no limit).
    int MaxLength = 0;
};

// The value with the caret and the selection in it.
struct TEditState {
    QString value;
    int caret = 0;
    int selStart = 0;
    int selLength = 0;

    bool hasSelection() const { return selLength > 0; }
    friend bool operator==(const TEditState &, const TEditState &) = default;
};

constexpr bool isNumberEditType(TDropDownEditType type)
{
    return type == etNumeric || type == etFloat || type == etMoney || type == etHex;
}

} // namespace controls
