#include "scan/MBusNames.h"

#include "scan/MBusTables.h"

namespace scan {
namespace {

// The smallest k >= 0 with value <= k * step.
qint64 stepsToReach(qint64 value, qint64 step) { return value > 0 ? (value + step - 1) / step : 0; }

char16_t letterOrQuestion(qint64 code) { return code >= 'A' && code <= 'Z' ? static_cast<char16_t>(code) : u'?'; }

} // namespace

QString Letter_Or_Question(qint32 code)
{
    return code >= 'A' && code <= 'Z' ? QString(QChar(code)) : QStringLiteral("?");
}

QString Trova_Man(qint32 code)
{
    // Each letter is the last one whose base lies below what is left, which
    // is what a step-by-step search for it finds; 64-bit so no code overflows.
    const qint64 first = 63 + stepsToReach(code, 1024);
    const qint64 rest1 = code - (first - 64) * 1024;
    const qint64 second = 63 + stepsToReach(rest1, 32);
    const qint64 rest2 = rest1 - (second - 64) * 32;
    const qint64 third = rest2 + 64;
    const char16_t letters[] = {letterOrQuestion(first), letterOrQuestion(second), letterOrQuestion(third)};
    return QString(reinterpret_cast<const QChar *>(letters), 3);
}

QString Medium_To_Text(quint32 code) { return mediumText(code); }

} // namespace scan
