// Reading the configuration and language files a user can hand the program,
// at sizes far beyond a real one: a 10 MB ParGen.xml (the type's elements
// and a long tail of elements the program does not know) and a language
// file of a million lines. Each reader makes one pass over the file, beside
// Qt's document tree on the same bytes and Qt's line reader on the same text.
#include "app/Language.h"
#include "project/ParGenFile.h"

#include <QDomDocument>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype ParGenBytes = 10 * 1000 * 1000;
constexpr int LanguageLines = 1000 * 1000;
constexpr int QuarterLanguageLines = LanguageLines / 4;
constexpr int Type = 1;

// The shapes of a large file: many elements, or one element of long text.
enum Shape { ManyElements, LongText };

QByteArray largeParGen(int shape)
{
    QByteArray bytes = platform::serializeXml(project::parGenDocument(project::ParGenValues(Type)));
    bytes.truncate(bytes.indexOf("</GeneralParameter>"));
    if (shape == ManyElements) {
        for (int i = 0; bytes.size() < ParGenBytes; ++i)
            bytes += "  <Note_" + QByteArray::number(i % 1000) + ">a note of the installer, number "
                     + QByteArray::number(i) + "</Note_" + QByteArray::number(i % 1000) + ">\n";
    } else {
        bytes += "  <Note>" + QByteArray(ParGenBytes - bytes.size(), 'x') + "</Note>\n";
    }
    bytes += "</GeneralParameter>\n";
    return bytes;
}

// Windows line ends, as the language files come.
QByteArray largeLanguageFile(int lines)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += "STR " + QByteArray::number(i % app::Lang_Text_Count) + " = Text number " + QByteArray::number(i)
                 + " /#/ a translator's note\r\n";
    return bytes;
}

void setBytes(benchmark::State &state, qsizetype bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_bytes"] = double(bytes);
}

void BM_ReadParGen(benchmark::State &state)
{
    const QByteArray bytes = largeParGen(int(state.range(0)));
    for (auto _ : state) {
        const project::ParGenDocument read = project::parseParGenDocument(bytes, QStringLiteral("ParGen.xml"));
        if (!read.ok())
            state.SkipWithError("not read");
        const project::ParGenValues values = project::parGenValuesFrom(read.texts, Type);
        benchmark::DoNotOptimize(values);
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_ReadParGen)->DenseRange(ManyElements, LongText)->Unit(benchmark::kMillisecond);

// Qt's document tree over the same bytes, and the type's elements looked up in it.
void BM_ReadParGen_QDomDocument(benchmark::State &state)
{
    const QByteArray bytes = largeParGen(int(state.range(0)));
    const project::ParGenValues names(Type);
    for (auto _ : state) {
        QDomDocument document;
        if (!document.setContent(bytes))
            state.SkipWithError("not read");
        const QDomElement root = document.documentElement();
        for (const project::ParGenElement &element : names.elements())
            benchmark::DoNotOptimize(root.firstChildElement(element.name).text());
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_ReadParGen_QDomDocument)->DenseRange(ManyElements, LongText)->Unit(benchmark::kMillisecond);

void BM_ReadLanguageFile(benchmark::State &state)
{
    const QByteArray bytes = largeLanguageFile(int(state.range(0)));
    for (auto _ : state) {
        app::LanguageTable table;
        table.applyLngText(app::decodeLngBytes(bytes));
        benchmark::DoNotOptimize(table.text(5));
    }
    setBytes(state, bytes.size());
}
// A quarter of the lines takes a quarter of the time: linear.
BENCHMARK(BM_ReadLanguageFile)->Arg(QuarterLanguageLines)->Arg(LanguageLines)->Unit(benchmark::kMillisecond);

// Qt's line reader over the same bytes, doing nothing with the lines.
void BM_ReadLanguageFile_QTextStreamLines(benchmark::State &state)
{
    const QByteArray bytes = largeLanguageFile(int(state.range(0)));
    for (auto _ : state) {
        QTextStream in(bytes);
        qsizetype lines = 0;
        QString line;
        while (in.readLineInto(&line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_ReadLanguageFile_QTextStreamLines)
    ->Arg(QuarterLanguageLines)
    ->Arg(LanguageLines)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
