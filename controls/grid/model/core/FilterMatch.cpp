#include "controls/grid/model/core/FilterMatch.h"

#include "controls/grid/base/CellText.h"
#include "controls/grid/base/FilterCondition.h"

namespace controls {

bool matchFilterItem(const TFilterData &item, const QString &text, const TFormatSettings &fs)
{
    QString t = text.trimmed();
    if (t.contains(QStringLiteral("|\\")))
        t = DecodeWideCellText(t);
    if (item.Data == fcRow)
        return t.toUpper().contains(item.Condition.toUpper());
    if (!item.Prefix.isEmpty() && t.startsWith(item.Prefix))
        t.remove(0, item.Prefix.size());
    if (!item.Suffix.isEmpty()) {
        const qsizetype at = t.indexOf(item.Suffix);
        if (at >= 0 && at + item.Suffix.size() == t.size())
            t.truncate(at);
    }
    if (item.Condition.isEmpty())
        return true;
    if (item.Method == fmLiteral)
        return t == item.Condition;
    return MatchFilterCondition(item.Condition, t, item.CaseSensitive, fs);
}

bool matchFilterRow(const std::vector<TFilterData> &items, const std::function<QString(const TFilterData &)> &textOf,
                    const TFormatSettings &fs)
{
    bool result = true;
    for (const TFilterData &item : items) {
        bool match = false;
        try {
            match = matchFilterItem(item, textOf(item), fs);
        } catch (...) { // a text the owner could not give fails the condition
            match = false;
        }
        switch (item.Operation) {
        case foSHORT:
            result = match;
            if (!match)
                return false;
            break;
        case foNONE:
            result = match;
            break;
        case foAND:
            result = result && match;
            break;
        case foXOR:
            result = result != match;
            break;
        case foOR:
            result = result || match;
            break;
        }
    }
    return result;
}

TFilterData narrowDownItem(const QString &text, int column, bool quoteBlanks)
{
    TFilterData item;
    item.CaseSensitive = false;
    item.Column = column;
    if (column < 0) {
        item.Data = fcRow;
        item.Condition = text;
        return item;
    }
    item.Data = fcNormal;
    item.Condition = QStringLiteral("*") + text + QStringLiteral("*");
    if (quoteBlanks && item.Condition.contains(u' '))
        item.Condition = u'"' + item.Condition + u'"';
    return item;
}

} // namespace controls
