#pragma once
// The arithmetic of the calculator drop-down without a window: the display
// (the edit's value, shown by the edit type's rules), the accumulator, the
// pending operator, the decimal entry and the memory. Keys come from the
// keypad by tag, from the edit while the popup is closed, and from the
// popup while it is open.
#include "controls/dropdown/core/EditTypes.h"
#include "controls/grid/base/FormatSettings.h"

#include <QString>

#include <optional>

namespace controls {

// The keypad's key tags.
enum TCalculatorTag : int {
    ctAdd = 10,
    ctSubtract = 11,
    ctMultiply = 12,
    ctDivide = 13,
    ctSign = 14,
    ctDecimal = 15,
    ctClear = 16,
    ctEquals = 17,
    ctPercent = 18,
    ctBlank = 30,
    ctBack = 31,
    ctClearEntry = 32,
    ctMemoryClear = 33,
    ctMemoryRecall = 34,
    ctMemoryStore = 35,
    ctMemoryAdd = 36,
    ctSquareRoot = 37,
    ctReciprocal = 38,
};

enum class TCalculatorOp : int { None = -1, Add = 0, Multiply = 1, Subtract = 2, Divide = 3 };

// What a key typed into the popup asks of the drop-down.
enum class TCalculatorClose { None, Keep, Cancel };

inline const QString CalculatorErrorText = QStringLiteral("Error");

class TCalculatorEngine {
public:
    // etFloat with two decimals unless the owner says otherwise.
    explicit TCalculatorEngine(TEditTypeSettings settings = defaultSettings(),
                               const TFormatSettings &fs = formatSettings());
    static TEditTypeSettings defaultSettings();

    const QString &display() const { return m_display; }
    // The Text write: formatted by the edit type, "Error" as it is.
    void setDisplay(const QString &text);
    // The edit changed the text by itself (typing, paste): kept unformatted.
    void setRawDisplay(const QString &text) { m_display = text; }
    bool isError() const { return !displayNumber(); }

    long double accumulator() const { return m_accumulator; }
    TCalculatorOp pendingOperator() const { return m_pending; }
    long double memory() const { return m_memory; }
    bool startsNewNumber() const { return m_newValue; }

    const TEditTypeSettings &settings() const { return m_settings; }
    // Re-formats the display (ShowThousandSeparator switches etFloat and
    // etMoney).
    void setEditType(TDropDownEditType type);
    void setMaxLength(int maxLength) { m_settings.MaxLength = maxLength; }

    // The value the edit reads: 0 for "Error" and anything else that is no
    // number.
    double value() const;

    // A keypad click by the key's tag; false when MaxLength refused it (the
    // edit is then not modified).
    bool pressKey(int tag);
    // "=": the grid's cell editor completes a calculation with it.
    void calcResult() { pressEquals(); }

    // The popup opened: the next digit starts a new number.
    void popupOpened();

    // A character typed into the edit. With the popup closed, operator
    // characters work the calculator. Returns the character the edit still
    // inserts (null when consumed); caretAfterDigit tells the edit to put
    // the caret after the single digit the display now is.
    struct TTyped {
        QChar insert;
        bool caretAfterDigit = false;
    };
    TTyped typedKey(QChar key, bool popupOpen);
    // A character typed while the popup is open, the edit's insertion at
    // the end of the display included.
    TCalculatorClose popupKeyPress(QChar key);
    // Backspace in the popup: one character a key.
    void popupBackspace();
    // Delete in the edit turns an empty or failed display into "0".
    void deleteKey();

private:
    void applyPendingOperator();
    void pressOperator(TCalculatorOp op);
    void pressEquals();
    void pressPercent();
    // =, %, *, +, - and / typed as keys; false for any other key.
    bool pressArithmeticKey(QChar key);
    void digit(int d);
    void clearAll();
    // Shows the number, or "Error" and an empty accumulator when it is not
    // finite as the display's double.
    void showNumber(long double value);
    void showError();
    // The display as a number; none for "Error", "", "-" and other texts
    // that are no number.
    std::optional<long double> displayNumber() const;
    bool lengthens(const QString &before) const;

    TEditTypeSettings m_settings;
    QString m_display = QStringLiteral("0");
    long double m_accumulator = 0;
    long double m_memory = 0;
    TCalculatorOp m_pending = TCalculatorOp::None;
    TFormatSettings m_fs;
    // 0: digits extend the whole part; else what the next decimal digit is
    // divided by.
    long double m_decimalDivisor = 0;
    bool m_newValue = false;
};

} // namespace controls
