// The grid's text helpers beside the Qt routine that does the same job, in
// the same run: number texts against QLocale::toDouble, short dates against
// QDate::fromString, filter patterns against a precompiled
// QRegularExpression, HTML escaping against QString::toHtmlEscaped.
// Compare the items/s of each pair.
#include "support/Smoke.h"

#include "controls/grid/base/DateText.h"
#include "controls/grid/base/FilterCondition.h"
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/base/NumberText.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

using namespace controls;

constexpr int kTexts = 1000;
const int kRounds = bench::rounds(1000); // 1M calls per iteration

const QStringList &numberTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (int i = 0; i < kTexts; ++i)
            list += QLocale(QLocale::German).toString((i * 7919 % 100000) * 1.25 - 3000.5, 'f', 2);
        return list;
    }();
    return texts;
}

const QStringList &dateTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (int i = 0; i < kTexts; ++i)
            list += QDate(2000, 1, 1).addDays(i * 13).toString(QStringLiteral("dd.MM.yyyy"));
        return list;
    }();
    return texts;
}

const QStringList &filterValues()
{
    static const QStringList texts = [] {
        QStringList list;
        for (int i = 0; i < kTexts; ++i) {
            QString value = QString(20 + i % 20, u'a');
            if (i % 3 == 0)
                value += u'b';
            if (i % 5 == 0)
                value.prepend(QStringLiteral("abc"));
            list += value;
        }
        return list;
    }();
    return texts;
}

template <class Call>
void overTexts(benchmark::State &state, const QStringList &texts, Call call, int rounds = kRounds)
{
    for (auto _ : state)
        for (int round = 0; round < rounds; ++round)
            for (const QString &text : texts)
                call(text);
    state.SetItemsProcessed(state.iterations() * rounds * texts.size());
}

void NumberCleanAndClassify(benchmark::State &state)
{
    const TFormatSettings fs = TFormatSettings::fromLocale(QLocale(QLocale::German));
    overTexts(state, numberTexts(), [&fs](const QString &text) {
        benchmark::DoNotOptimize(ClassifyNumberText(text, fs));
        benchmark::DoNotOptimize(CleanNumericText(text, fs).size());
    });
}
BENCHMARK(NumberCleanAndClassify)->Unit(benchmark::kMillisecond)->Iterations(1);

void NumberQLocaleToDouble(benchmark::State &state)
{
    const QLocale locale(QLocale::German);
    overTexts(state, numberTexts(), [&locale](const QString &text) {
        bool ok = false;
        benchmark::DoNotOptimize(locale.toDouble(text, &ok));
    });
}
BENCHMARK(NumberQLocaleToDouble)->Unit(benchmark::kMillisecond)->Iterations(1);

void DateParseDMY(benchmark::State &state)
{
    overTexts(state, dateTexts(), [](const QString &text) { benchmark::DoNotOptimize(ParseDateDMY(text)); });
}
BENCHMARK(DateParseDMY)->Unit(benchmark::kMillisecond)->Iterations(1);

void DateQDateFromString(benchmark::State &state)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    overTexts(state, dateTexts(),
              [&format](const QString &text) { benchmark::DoNotOptimize(QDate::fromString(text, format).toJulianDay()); });
}
BENCHMARK(DateQDateFromString)->Unit(benchmark::kMillisecond)->Iterations(1);

void FilterSimplePattern(benchmark::State &state)
{
    const QString condition = QStringLiteral("abc*");
    overTexts(state, filterValues(), [&condition](const QString &value) {
        benchmark::DoNotOptimize(MatchFilterCondition(condition, value, true));
    });
}
BENCHMARK(FilterSimplePattern)->Unit(benchmark::kMillisecond)->Iterations(1);

void FilterPathologicalPattern(benchmark::State &state)
{
    const QString condition = QStringLiteral("*a*a*a*a*a*b");
    overTexts(state, filterValues(), [&condition](const QString &value) {
        benchmark::DoNotOptimize(MatchFilterCondition(condition, value, true));
    });
}
BENCHMARK(FilterPathologicalPattern)->Unit(benchmark::kMillisecond)->Iterations(1);

void FilterSimpleRegularExpression(benchmark::State &state)
{
    QRegularExpression expression(QStringLiteral("^abc.*$"));
    expression.optimize();
    overTexts(state, filterValues(), [&expression](const QString &value) {
        benchmark::DoNotOptimize(expression.match(value).hasMatch());
    });
}
BENCHMARK(FilterSimpleRegularExpression)->Unit(benchmark::kMillisecond)->Iterations(1);

// The expression backtracks through every split of the value: one round
// of the values takes as long as the filter's million matches.
void FilterPathologicalRegularExpression(benchmark::State &state)
{
    QRegularExpression expression(QStringLiteral("^.*a.*a.*a.*a.*a.*b$"));
    expression.optimize();
    overTexts(
        state, filterValues(),
        [&expression](const QString &value) { benchmark::DoNotOptimize(expression.match(value).hasMatch()); }, 1);
}
BENCHMARK(FilterPathologicalRegularExpression)->Unit(benchmark::kMillisecond)->Iterations(1);

QString htmlText(qsizetype bytes)
{
    const QString piece = QStringLiteral(u"Caf\u00E9 <b>\"cr\u00E8me\"</b> & 5 > 3 \u20AC; ");
    QString text;
    text.reserve(bytes / 2 + piece.size());
    while (text.size() * 2 < bytes)
        text += piece;
    return text;
}

void EscapeHtml(benchmark::State &state)
{
    const QString text = htmlText(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(EscapeHtmlText(text, true).size());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EscapeHtml)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

void UnescapeHtml(benchmark::State &state)
{
    const QString text = EscapeHtmlText(htmlText(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(UnescapeHtmlText(text, true).size());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(UnescapeHtml)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

void EscapeQStringToHtmlEscaped(benchmark::State &state)
{
    const QString text = htmlText(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.toHtmlEscaped().size());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EscapeQStringToHtmlEscaped)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
