// The string grid's finder: Find, FindFirst, FindNext and Replace over the
// core's walk, with the grid's texts, ranges and the move to a hit.
#include "controls/grid/base/CellText.h"
#include "controls/grid/model/GridFind.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/view/GridAppearance.h"

#include <algorithm>
#include <typeinfo>

namespace controls {

TGridFind &TExStringGrid::findState() const
{
    if (!m_find) {
        auto *self = const_cast<TExStringGrid *>(this);
        m_find = std::make_shared<TGridFind>(self);
        m_find->searchFooter.OnChange = [self](TSearchFooter *) { self->UpdateSearchPanel(); };
    }
    return *m_find;
}

QPoint TExStringGrid::SearchCell() const { return findState().searchCell; }
void TExStringGrid::setSearchCell(QPoint value) { findState().searchCell = value; }
TFindParams TExStringGrid::FindParams() const { return findState().findParams; }
QString TExStringGrid::SearchCache() const { return findState().searchCache; }
bool TExStringGrid::FindBusy() const { return m_find && m_find->findBusy; }
int TExStringGrid::FindCol() const { return findState().findCol; }
void TExStringGrid::setFindCol(int value) { findState().findCol = value; }
int TExStringGrid::FindRow() const { return findState().findRow; }
void TExStringGrid::setFindRow(int value) { findState().findRow = value; }

namespace {

// Clears the busy flag however the search ends.
struct BusyScope {
    bool &flag;
    explicit BusyScope(bool &f) : flag(f) { flag = true; }
    ~BusyScope() { flag = false; }
};

} // namespace

bool TExStringGrid::storedTextIsShown() const
{
    // A descendant may show other texts through its own display hook.
    return typeid(*this) == typeid(TExStringGrid) && !OnGetDisplText && !OnGetDisplWideText && MergeCount() == 0
           && !sortFilter().grouping.ShowGroupCount && !Appearance().URLShowInText;
}

QPoint TExStringGrid::searchCells(QPoint StartCell, const QString &s, TFindParams params, bool wide)
{
    TGridFind &st = findState();
    st.findParams = params;
    BusyScope busy(st.findBusy);
    const QString prepared = params.testFlag(fnMatchCase) ? s : s.toUpper();
    st.searchCache = wide ? QString() : prepared;
    st.searchCacheWide = wide ? prepared : QString();
    if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + NumHiddenRows() == FixedRows() || RowCount() == 0)
        return {-1, -1};

    TFindWalk walk;
    walk.Params = params;
    if (params.testFlag(fnIncludeFixed))
        walk.Range = TFindRange{0, ColCount() - 1, 0, RowCount() - 1};
    else
        walk.Range = TFindRange{FixedCols(), ColCount() - FFixedRightCols - 1, FixedRows(), RowCount() - FFixedFooters - 1};
    if (params.testFlag(fnSelectedCells)) {
        const TGridRect sel = Selection();
        walk.Range = TFindRange{sel.Left, sel.Right, sel.Top, sel.Bottom};
    }
    if (params.testFlag(fnIncludeHiddenColumns))
        walk.Range.LastCol += NumHiddenColumns();
    if (params.testFlag(fnIncludeHiddenRows))
        walk.Range.LastRow += NumHiddenRows();
    walk.Start = StartCell;
    walk.CurrentCol = Col();
    walk.CurrentRow = Row();
    walk.PresetCol = st.findCol;
    walk.PresetRow = st.findRow;
    walk.NewRow = [this](int row) { ExportNotification(esExportNewRow, row); };
    if (IgnoreColumns().Count() > 0) {
        const bool real = params.testFlag(fnIncludeHiddenColumns) || NumHiddenColumns() == 0;
        // The list holds stored columns, whatever is hidden.
        walk.IgnoreColumn = [this, real](int col) { return IsIgnoredColumn(real ? col : RealColIndex(col)); };
    }

    const TCellMatcher matcher(s, params, wide);
    const bool realCols = params.testFlag(fnIncludeHiddenColumns) || NumHiddenColumns() == 0;
    const bool realRows = params.testFlag(fnIncludeHiddenRows);
    // Where nothing stands between the store and the shown text, the store
    // is read directly: a search walks every cell.
    const bool stored = !realRows && !wide && storedTextIsShown();
    walk.Test = [&](int col, int row) {
        const int rc = realCols ? col : RealColIndex(col);
        if (stored)
            return matcher.matches(GetGridCell(rc, row));
        QString text = realRows ? AllCells(rc, row) : Cells(rc, row);
        if (wide && GetCellTextKind(text, false) == ckWideText)
            text = DecodeWideCellText(text);
        return matcher.matches(text);
    };
    const QPoint hit = walkCells(walk);
    if (hit.x() < 0)
        return hit;
    st.searchCell = hit;
    if (params.testFlag(fnAutoGoto)) {
        int y = hit.y();
        if (realRows && NumHiddenRows() > 0) {
            // A hit inside collapsed nodes: each node holding it opens,
            // the outermost first, until the row shows.
            for (int guard = 0; IsHiddenRow(y) && NumNodes() > 0 && guard < RowCount(); ++guard) {
                bool opened = false;
                for (int r = FixedRows(); r < RowCount() && !opened; ++r) {
                    if (!IsNode(r) || !GetNodeState(r))
                        continue;
                    const int real = RealRowIndex(r);
                    if (real < y && y < real + GetNodeSpan(r)) {
                        ExpandNode(real);
                        opened = true;
                    }
                }
                if (!opened)
                    break;
            }
            y = DisplRowIndex(y);
        }
        const int x = realCols ? DisplColIndex(hit.x()) : hit.x();
        if (m_mouseActions.DisjunctRowSelect()) {
            ClearRowSelect();
            setRowSelect(y, true);
            setRow(y);
        } else {
            setRow(y);
            setCol(x);
        }
    }
    return hit;
}

QPoint TExStringGrid::Find(QPoint StartCell, const QString &s, TFindParams FindParams)
{
    ExportNotification(esExportStart, -1);
    const QPoint hit = searchCells(StartCell, s, FindParams, false);
    ExportNotification(hit.x() < 0 ? esExportDone : esExportFail, -1);
    if (FindParams.testFlag(fnAutoGoto)) {
        const int a = FloatingFooterVisible() ? 2 : 0;
        if (TopRow() + VisibleRowCount() - 2 - a < Row() && VisibleRowCount() + FixedRows() + a < RowCount())
            setTopRow(std::min(TopRow() + 1 + a, std::max(MaxTopRow(), TopRow())));
    }
    return hit;
}

QPoint TExStringGrid::FindWide(QPoint StartCell, const QString &s, TFindParams FindParams)
{
    ExportNotification(esExportStart, -1);
    const QPoint hit = searchCells(StartCell, s, FindParams, true);
    ExportNotification(hit.x() < 0 ? esExportDone : esExportFail, -1);
    return hit;
}

QPoint TExStringGrid::FindFirst(const QString &s, TFindParams FindParams)
{
    const QPoint hit = Find(QPoint(-1, -1), s, FindParams);
    findState().searchCell = hit;
    return hit;
}

QPoint TExStringGrid::FindNext()
{
    TGridFind &st = findState();
    const QPoint hit = Find(st.searchCell, st.searchCache, st.findParams);
    st.searchCell = hit;
    return hit;
}

int TExStringGrid::Replace(const QString &OrigStr, const QString &NewStr, TFindParams FindParams)
{
    // An empty text would be "found" between every two characters.
    if (OrigStr.isEmpty())
        return 0;
    const bool realCols = FindParams.testFlag(fnIncludeHiddenColumns);
    const bool realRows = FindParams.testFlag(fnIncludeHiddenRows);
    int changed = 0;
    QPoint hit = Find(QPoint(-1, -1), OrigStr, FindParams);
    while (hit.x() >= 0) {
        const int rc = realCols ? hit.x() : RealColIndex(hit.x());
        const QString text = realRows ? AllCells(rc, hit.y()) : Cells(rc, hit.y());
        const QString replaced = replaceIgnoringCase(text, OrigStr, NewStr);
        if (replaced != text) {
            if (realRows)
                setAllCells(rc, hit.y(), replaced);
            else
                setCells(rc, hit.y(), replaced);
            ++changed;
            if (Appearance().ShowModified.Enabled && !realRows)
                setRowModified(hit.y(), true);
        }
        hit = Find(hit, OrigStr, FindParams);
    }
    return changed;
}

} // namespace controls
