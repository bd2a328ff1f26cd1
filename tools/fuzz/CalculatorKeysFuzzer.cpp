// Key sequences a user can give the calculator: any keypad tag, any typed
// character with the popup open or closed, in either locale, with and
// without a length limit. The display must stay a number or "Error".
#include "controls/dropdown/core/CalculatorEngine.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace controls;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    TFormatSettings fs;
    if (data[0] & 1) {
        fs.DecimalSeparator = u',';
        fs.ThousandSeparator = u'.';
    }
    TEditTypeSettings settings = TCalculatorEngine::defaultSettings();
    settings.MaxLength = (data[0] >> 1) & 15;
    settings.Precision = (data[0] >> 5) & 3;
    TCalculatorEngine calc(settings, fs);
    for (std::size_t at = 1; at + 1 < size; at += 2) {
        const std::uint8_t kind = data[at] & 7;
        const std::uint8_t arg = data[at + 1];
        switch (kind) {
        case 0:
        case 1:
        case 2:
            calc.pressKey(arg % 40);
            break;
        case 3:
            calc.typedKey(QChar(arg), false);
            break;
        case 4:
            calc.popupKeyPress(QChar(arg));
            break;
        case 5:
            calc.popupBackspace();
            break;
        case 6:
            calc.setEditType(arg & 1 ? etMoney : etFloat);
            break;
        case 7:
            calc.popupOpened();
            break;
        }
        const QString &text = calc.display();
        if (text.contains(u"inf") || text.contains(u"nan") || (text.contains(u"Error") && text != u"Error"))
            std::abort();
        if (!std::isfinite(calc.value()) || !std::isfinite(static_cast<double>(calc.accumulator())))
            std::abort();
    }
    return 0;
}
