// Feeds arbitrary text to the string grid's typed cell readers and writers:
// integers and floats read from cell texts (with mini-HTML and display
// formatting), floats written with a format taken from the input (formats
// come from stored layouts), and a stored column order put back. Nothing
// may crash, hang or read outside its text.
#include "controls/grid/model/core/ColumnOrder.h"
#include "controls/grid/model/core/TypedText.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace controls;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    TFormatSettings fs;
    if (data[0] & 1) {
        fs.ThousandSeparator = u'.';
        fs.DecimalSeparator = u',';
    }

    const std::optional<int> i = cellTextToInt(text);
    if (i)
        check(cellTextToInt(QString::number(*i)) == i);
    const std::optional<double> f = cellTextToFloat(text, fs);
    if (f)
        (void)floatCellText(*f, QStringLiteral("%.2f"));
    const int newline = text.indexOf(u'\n');
    const QString format = newline < 0 ? text : text.left(newline);
    (void)floatCellText(f.value_or(1.5), format);

    // The bytes as a stored column order: a permutation is put back in
    // order, anything else is refused.
    std::vector<int> entries;
    for (std::size_t k = 1; k < size && entries.size() < 64; ++k)
        entries.push_back(static_cast<std::int8_t>(data[k]) % 70);
    TColumnOrder order;
    order.assign(entries);
    const auto moves = order.restoringMoves();
    check(moves.has_value() == order.isPermutation());
    if (moves) {
        for (const auto &[from, to] : *moves)
            order.move(from, to);
        for (int p = 0; p < order.count(); ++p)
            check(order.at(p) == p);
    }
    return 0;
}
