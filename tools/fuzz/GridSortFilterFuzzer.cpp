// Feeds arbitrary text to the string grid's readers of stored sort settings
// ("d2", "i;u1;d4") and of filter conditions, and sorts a column of the
// input's lines by a style the first byte picks. Nothing may crash, hang or
// read outside its text; what is read must write back as read, and a sort
// must give every row once.
#include "controls/grid/model/core/FilterMatch.h"
#include "controls/grid/model/core/SortCompare.h"
#include "controls/grid/model/core/SortKernel.h"
#include "controls/grid/model/core/SortSpecifier.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace controls;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    const QStringList lines = text.split(u'\n');

    const TSortSpecifier spec = parseSortSpecifier(lines.value(0));
    if (const auto *column = std::get_if<TSortSpecifierColumn>(&spec); column && column->Column) {
        const TSortSpecifier again = parseSortSpecifier(sortSpecifierText(*column->Column, column->Ascending));
        check(std::get<TSortSpecifierColumn>(again).Column == column->Column);
    }
    if (const auto *indexed = std::get_if<TSortSpecifierIndexed>(&spec)) {
        const TSortSpecifier again = parseSortSpecifier(sortSpecifierText(indexed->Indexes));
        check(std::get<TSortSpecifierIndexed>(again).Indexes.Count() == indexed->Indexes.Count());
    }

    // The first line as a condition of every kind, on every other line.
    TFilterData item;
    item.Condition = lines.value(0);
    item.CaseSensitive = data[0] & 1;
    item.Data = static_cast<TFilterCells>((data[0] >> 1) % 5);
    item.Method = (data[0] & 0x10) ? fmLiteral : fmExpression;
    item.Prefix = lines.value(1).left(3);
    for (const QString &line : lines)
        (void)matchFilterItem(item, line);
    (void)narrowDownItem(lines.value(0), (data[0] & 0x20) ? -1 : 0, true);

    std::vector<QString> column(lines.begin(), lines.end());
    TSortKeyRule rule;
    rule.Style = static_cast<TSortStyle>(data[0] % 20);
    if (rule.Style == ssAutomatic)
        rule.Style = resolveAutomaticStyle(column, false);
    rule.Style = resolveAlphaNumericStyle(rule.Style, column);
    TSortColumnRule sortColumn;
    sortColumn.Descending = data[0] & 0x40;
    sortColumn.MakeKeys = [&] { return TColumnSortKeys::fromTexts(column, rule); };
    TRowSortComparer comparer({sortColumn}, data[0] & 0x80, blLast);
    std::vector<int> order =
        stableSortOrder(static_cast<int>(column.size()), [&](int a, int b) { return comparer.before(a, b); });
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        check(order[i] == static_cast<int>(i));
    return 0;
}
