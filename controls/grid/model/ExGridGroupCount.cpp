// The row count a group header shows beside its value.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "platform/Format.h"

namespace controls {

QString groupCountText(const QString &format, int count)
{
    // The format must take the count: one that formats without it (no
    // specifier) or refuses it (a text, two numbers) is no count format.
    if (!format.isEmpty() && !platform::Format(format, {}).ok) {
        const platform::FormatResult result = platform::Format(format, {count});
        if (result.ok)
            return result.text;
    }
    return QStringLiteral(" (%1)").arg(count);
}

void TExStringGrid::AppendGroupCount(int ACol, int ARow, QString &Value) const
{
    const TGrouping &look = sortFilter().grouping;
    if (!look.ShowGroupCount || ACol != 1)
        return;
    // Reading a cell changes nothing; the node queries are just not const.
    auto &grid = const_cast<TExStringGrid &>(*this);
    if (!grid.IsNode(ARow))
        return;
    const int count = grid.GetNodeSpan(ARow) - grid.GetSubNodeCount(ARow) - 1;
    Value += groupCountText(look.GroupCountFormat, count);
}

} // namespace controls
