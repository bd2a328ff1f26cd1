// The finder walks cells in one of four orders (row or column first,
// forwards or backwards) and restarts nowhere, so that a FindNext after the
// last hit reports the end before the next call starts over.
#include "controls/grid/model/core/CellFinder.h"

#include "controls/grid/base/FilterCondition.h"
#include "controls/grid/base/HtmlText.h"

namespace controls {

TCellMatcher::TCellMatcher(const QString &search, TFindParams params, bool wide)
    : m_search(params.testFlag(fnMatchCase) ? search : search.toUpper()), m_params(params),
      m_case(params.testFlag(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive),
      m_emptyOnly(search == QStringLiteral("\"\"")), m_stripTags(!wide && params.testFlag(fnIgnoreHTMLTags))
{
}

bool TCellMatcher::matches(const QString &cellText) const
{
    if (m_stripTags)
        return matchesText(HtmlToPlainText(cellText));
    return matchesText(cellText);
}

bool TCellMatcher::matchesText(const QString &text) const
{
    if (m_emptyOnly)
        return text.isEmpty();
    if (m_params.testFlag(fnMatchRegular)) {
        const bool matchCase = m_params.testFlag(fnMatchCase);
        return MatchFilterCondition(m_search, matchCase ? text : text.toUpper(), matchCase);
    }
    if (m_search.isEmpty())
        return false;
    // Comparing without case spares an upper-cased copy of every cell.
    if (m_params.testFlag(fnMatchFull))
        return text.compare(m_search, m_case) == 0;
    if (m_params.testFlag(fnMatchStart))
        return text.startsWith(m_search, m_case);
    return text.contains(m_search, m_case);
}

namespace {

struct Walker {
    const TFindWalk &w;
    TFindRange r;
    bool rowFirst;
    bool backward;

    bool inside(QPoint p) const
    {
        return p.x() >= r.FirstCol && p.x() <= r.LastCol && p.y() >= r.FirstRow && p.y() <= r.LastRow;
    }
    QPoint first() const { return backward ? QPoint(r.LastCol, r.LastRow) : QPoint(r.FirstCol, r.FirstRow); }

    // The cell after p in walking order; false past the end of the block.
    bool step(QPoint &p) const
    {
        const int d = backward ? -1 : 1;
        int &inner = rowFirst ? p.rx() : p.ry();
        int &outer = rowFirst ? p.ry() : p.rx();
        const int innerFirst = rowFirst ? (backward ? r.LastCol : r.FirstCol) : (backward ? r.LastRow : r.FirstRow);
        const int innerLo = rowFirst ? r.FirstCol : r.FirstRow;
        const int innerHi = rowFirst ? r.LastCol : r.LastRow;
        inner += d;
        if (inner >= innerLo && inner <= innerHi)
            return true;
        inner = innerFirst;
        outer += d;
        return inside(p);
    }

    bool test(QPoint p) const
    {
        if (w.NewRow)
            w.NewRow(p.y());
        if (rowFirst && w.IgnoreColumn && w.IgnoreColumn(p.x()))
            return false;
        return w.Test(p.x(), p.y());
    }
};

} // namespace

QPoint walkCells(const TFindWalk &walk)
{
    Walker k{walk, walk.Range, walk.Params.testFlag(fnDirectionLeftRight), walk.Params.testFlag(fnBackward)};
    // The restrictions narrow the block before the start is placed in it,
    // so that the cell after a hit is the next one of that row or column.
    if (walk.Params.testFlag(fnFindInCurrentRow))
        k.r.FirstRow = k.r.LastRow = walk.CurrentRow;
    if (walk.Params.testFlag(fnFindInPresetRow))
        k.r.FirstRow = k.r.LastRow = walk.PresetRow;
    if (walk.Params.testFlag(fnFindInCurrentCol))
        k.r.FirstCol = k.r.LastCol = walk.CurrentCol;
    if (walk.Params.testFlag(fnFindInPresetCol))
        k.r.FirstCol = k.r.LastCol = walk.PresetCol;
    if (k.r.FirstCol > k.r.LastCol || k.r.FirstRow > k.r.LastRow || !walk.Test)
        return {-1, -1};
    QPoint p = walk.Start;
    if (k.inside(p)) {
        if (!k.step(p))
            return {-1, -1};
    } else {
        p = k.first();
    }
    do {
        if (k.test(p))
            return p;
    } while (k.step(p));
    return {-1, -1};
}

QString replaceIgnoringCase(const QString &text, const QString &what, const QString &with)
{
    if (what.isEmpty())
        return text;
    QString result = text;
    return result.replace(what, with, Qt::CaseInsensitive);
}

} // namespace controls
