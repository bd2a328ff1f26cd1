#pragma once
// The state of the string grid's finder, its search panel and its floating
// footer, made on first use: a grid that never searches and shows no
// footer carries none of it.
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/model/ExGrid.h"

#include <QPointer>

namespace controls {

class TSearchPanel;
class TFooterPanel;

struct TGridFind {
    explicit TGridFind(TExStringGrid *grid) : floatingFooter(grid), searchFooter(false) {}

    QPoint searchCell{-1, -1};
    TFindParams findParams;
    QString searchCache;
    QString searchCacheWide;
    bool findBusy = false;
    int findCol = 0;
    int findRow = 0;

    TFloatingFooter floatingFooter;
    TSearchFooter searchFooter;
    // Children of the grid; Qt frees them with it.
    QPointer<TSearchPanel> searchPanel;
    QPointer<TFooterPanel> footerPanel;
};

} // namespace controls
