#include "controls/grid/model/core/SortSpecifier.h"

#include "controls/grid/base/NumberText.h"

namespace controls {

TSortSpecifier parseSortSpecifier(const QString &text)
{
    if (text.isEmpty())
        return TSortSpecifierNone{};
    if (text.size() < 2)
        return TSortSpecifierTooShort{};
    if (text.contains(QStringLiteral("i;"))) {
        TSortSpecifierIndexed indexed;
        const QString rest = text.mid(2);
        if (!rest.isEmpty())
            indexed.Indexes.LoadFromString(rest);
        return indexed;
    }
    TSortSpecifierColumn column;
    column.Ascending = text.contains(u'u');
    const std::optional<int> value = parseWholeInt(QStringView(text).mid(1));
    if (value && *value >= 0)
        column.Column = value;
    return column;
}

QString sortSpecifierText(int column, bool ascending)
{
    return (ascending ? QStringLiteral("u") : QStringLiteral("d")) + QString::number(column);
}

QString sortSpecifierText(const TSortIndexList &indexes)
{
    return QStringLiteral("i;") + indexes.SaveToString();
}

QString invalidSortSpecifierMessage() { return QStringLiteral("Invalid sort settings specifier"); }
QString noSortIndexesMessage() { return QStringLiteral("No indexes specified for indexed sort"); }

} // namespace controls
