// Feeds arbitrary bytes to the reader of cell rich text, as files, the
// clipboard and drops bring it: read as UTF-8 and as Latin-1, behind the
// rich-text mark. Nothing may crash or hang, the text keeps to its bound,
// reading the same input twice gives the same runs, and the runs written
// as rich text read back the same.
#include "controls/grid/model/core/RichText.h"
#include "controls/grid/model/core/RtfWriter.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace controls;

namespace {

void readOne(const QString &text)
{
    const TRichText t = readRichText(text);
    const QString plain = t.plainText();
    check(plain.size() <= kMaxRichText);
    for (const TRichRun &run : t.runs)
        check(!run.text.isEmpty());
    check(readRichText(text).plainText() == plain);
    check(richCellPlainText(text) == plain || !isRichText(text));
    const TRichText again = readRichText(writeRichText(t));
    check(again.runs.size() == t.runs.size());
    for (std::size_t i = 0; i < t.runs.size(); ++i)
        check(again.runs[i].text == t.runs[i].text && again.runs[i].format == t.runs[i].format);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const auto n = static_cast<qsizetype>(size);
    readOne(QStringLiteral("{\\rtf1 ") + QString::fromUtf8(bytes, n));
    readOne(QStringLiteral("{\\rtf1 ") + QString::fromLatin1(bytes, n));
    readOne(QString::fromUtf8(bytes, n));
    return 0;
}
