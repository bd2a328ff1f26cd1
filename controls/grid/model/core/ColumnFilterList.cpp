#include "controls/grid/model/core/ColumnFilterList.h"

#include <algorithm>

namespace controls {

QString columnFilterEntry(const QString &text)
{
    if (!text.contains(u' '))
        return text;
    return text + QStringLiteral("=\"") + text + u'"';
}

QStringList columnFilterList(const TColumnFilterSource &source)
{
    QStringList entries;
    if (source.cells) {
        for (int row = source.fromRow; row <= source.toRow; ++row)
            entries.append(columnFilterEntry(source.cells->cellText(source.col, row).trimmed()));
    }
    for (const QString &text : source.hiddenTexts)
        entries.append(columnFilterEntry(text));
    // A sorted list that ignores duplicates, compared without regard to
    // case: of texts that differ in case only, the first one met stays.
    const auto lessNoCase = [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    };
    std::stable_sort(entries.begin(), entries.end(), lessNoCase);
    const auto sameNoCase = [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
    };
    entries.erase(std::unique(entries.begin(), entries.end(), sameNoCase), entries.end());
    if (!source.clearEntry.isEmpty())
        entries.prepend(source.clearEntry);
    return entries;
}

} // namespace controls
