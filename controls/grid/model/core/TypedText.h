#pragma once
// Cell texts read and written as numbers. A cell shows text with mini-HTML
// and display formatting; the readers strip the tags and the formatting
// first, so that "<B>12</B>" is 12 and "(1,234.50)" is -1234.5.
#include "controls/grid/base/FormatSettings.h"

#include <QString>
#include <optional>

namespace controls {

// The plain text of a cell: its mini-HTML tags removed, line breaks kept.
QString strippedCellText(const QString &text);

// An empty text or a lone "-" reads 0; nullopt when the text holds no
// integer (or one out of range).
std::optional<int> cellTextToInt(const QString &text);
// Brackets or a leading minus make it negative, thousand separators go,
// the decimal separator of fs is read.
std::optional<double> cellTextToFloat(const QString &text, const TFormatSettings &fs = formatSettings());

// The same, raising ZOraZaziRarar with the grid's messages when the text
// holds no number.
int cellIntOf(const QString &text);
double cellFloatOf(const QString &text, const TFormatSettings &fs = formatSettings());

// A float written with a printf-like format ("%.2f"). A format that does
// not take one number (it comes from stored layouts) gives the shortest
// exact text instead of failing the write.
QString floatCellText(double value, const QString &format);

} // namespace controls
