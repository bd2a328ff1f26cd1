#include "controls/grid/model/core/FooterTemplate.h"

namespace controls {

QString expandFooterTemplate(const QString &tmpl, const std::function<QString(int col)> &cellText)
{
    QString out;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = tmpl.indexOf(QStringLiteral("<#"), from);
        if (open < 0)
            break;
        const qsizetype close = tmpl.indexOf(u'>', open + 2);
        if (close < 0)
            break;
        out += QStringView(tmpl).mid(from, open - from);
        bool ok = false;
        const int col = QStringView(tmpl).mid(open + 2, close - open - 2).toInt(&ok);
        if (ok)
            out += cellText(col);
        from = close + 1;
    }
    out += QStringView(tmpl).mid(from);
    return out;
}

} // namespace controls
