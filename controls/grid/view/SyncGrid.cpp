// Another grid kept in step: it scrolls to the same top row and left
// column, and its current cell follows the keys of this one. The partner
// is not owned; one that went away is let go.
#include "controls/grid/model/ExGrid.h"

#include <QApplication>

namespace controls {

struct TGridSync {
    explicit TGridSync(const TBaseGrid *owner) : settings(owner) {}
    TSyncGrid settings;
    TBaseGrid *seen = nullptr;
    QPointer<QWidget> alive; // watches `seen`
};

TSyncGrid &TExStringGrid::SyncGrid() const
{
    if (!m_sync)
        m_sync = std::make_shared<TGridSync>(this);
    return m_sync->settings;
}

TBaseGrid *TExStringGrid::syncPartner() const
{
    if (!m_sync)
        return nullptr;
    TGridSync &s = *m_sync;
    TBaseGrid *grid = s.settings.Grid();
    if (grid == nullptr)
        return nullptr;
    if (grid != s.seen) {
        // A partner set since the last look: a live widget, or none.
        QWidget *w = grid;
        if (!QApplication::allWidgets().contains(w)) {
            s.settings.setGrid(nullptr);
            return nullptr;
        }
        s.seen = grid;
        s.alive = w;
    } else if (s.alive.isNull()) {
        s.settings.setGrid(nullptr);
        s.seen = nullptr;
        return nullptr;
    }
    return grid;
}

void TExStringGrid::syncGridSelection()
{
    TBaseGrid *other = syncPartner();
    if (other == nullptr)
        return;
    if (m_sync->settings.SelectionColumn)
        other->setCol(Col());
    if (m_sync->settings.SelectionRow)
        other->setRow(Row());
}

void TExStringGrid::syncGridScroll()
{
    TBaseGrid *other = syncPartner();
    if (other == nullptr)
        return;
    if (m_sync->settings.ScrollVertical)
        other->setTopRow(TopRow());
    if (m_sync->settings.ScrollHorizontal)
        other->setLeftCol(LeftCol());
}

} // namespace controls
