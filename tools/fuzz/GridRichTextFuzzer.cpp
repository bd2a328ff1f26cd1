// Feeds arbitrary bytes to the reader of cell rich text, as files, the
// clipboard and drops bring it: read as UTF-8 and as Latin-1, behind the
// rich-text mark. Nothing may crash or hang, the text keeps to its bound,
// and reading the same input twice gives the same runs.
#include "controls/grid/model/core/RichText.h"
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
