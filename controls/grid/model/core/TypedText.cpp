#include "controls/grid/model/core/TypedText.h"

#include "controls/grid/base/HtmlText.h"
#include "controls/grid/base/NumberText.h"
#include "controls/grid/model/core/GridError.h"
#include "platform/Format.h"

namespace controls {

QString strippedCellText(const QString &text) { return HtmlToPlainText(text); }

std::optional<int> cellTextToInt(const QString &text)
{
    const QString plain = strippedCellText(text).trimmed();
    if (plain.isEmpty() || plain == u"-")
        return 0;
    return parseWholeInt(plain);
}

std::optional<double> cellTextToFloat(const QString &text, const TFormatSettings &fs)
{
    const QString clean = CleanNumericText(strippedCellText(text), fs);
    if (clean.isEmpty() || clean == u"-")
        return 0.0;
    return parsePlainNumber(clean);
}

int cellIntOf(const QString &text)
{
    const std::optional<int> value = cellTextToInt(text);
    if (!value)
        throw ZOraZaziRarar(QStringLiteral("Cell does not contain integer value"));
    return *value;
}

double cellFloatOf(const QString &text, const TFormatSettings &fs)
{
    const std::optional<double> value = cellTextToFloat(text, fs);
    if (!value)
        throw ZOraZaziRarar(QStringLiteral("Cell does not contain a float value"));
    return *value;
}

QString floatCellText(double value, const QString &format)
{
    const platform::FormatResult result = platform::Format(format, {value});
    return result.ok ? result.text : QString::number(value, 'g', 17);
}

} // namespace controls
