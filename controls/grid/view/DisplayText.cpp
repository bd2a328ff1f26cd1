// The text a cell displays: the base grid's hook, a group header's row
// count, then, with URLShowInText, the first web, mail, news, file or FTP
// address made an anchor the HTML renderer shows as a link.
#include "controls/grid/base/CellText.h"
#include "controls/grid/view/CellPaint.h"

#include <array>

namespace controls {

void TExStringGrid::DoGetDisplText(int ACol, int ARow, QString &Value) const
{
    TBaseGrid::DoGetDisplText(ACol, ARow, Value);
    AppendGroupCount(ACol, ARow, Value);
    if (!Appearance().URLShowInText)
        return;
    // Only the first kind found, in this order, is marked up.
    static const std::array<QString, 7> prefixes{
        QStringLiteral("HTTP://"), QStringLiteral("WWW."),    QStringLiteral("MAILTO:"), QStringLiteral("HTTPS://"),
        QStringLiteral("NNTP://"), QStringLiteral("FILE://"), QStringLiteral("FTP://")};
    for (const QString &prefix : prefixes) {
        QString marked;
        if (MarkupUrlMatch(Value, prefix, marked)) {
            Value = marked;
            return;
        }
    }
}

} // namespace controls
