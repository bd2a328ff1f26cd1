#pragma once
// The private part of the string grid that sorting, filtering and sizing
// share: the sort settings and cross-reference, the filter and its levels.
#include "controls/grid/model/ExGrid.h"

namespace controls {

struct TGridSortFilter {
    explicit TGridSortFilter(TExStringGrid *grid) : settings(grid) {}

    TSortSettings settings;
    std::vector<int> sortRowXRef; // per display row, its place before the sorts
    TSortIndexList sortIndexes;
    int swaps = 0;
    int sortRow = -1; // the current row's data while sorting

    std::vector<TFilterData> filter;
    bool filterActive = false;
    int filterFixedRows = 0;
    QString lastFilter;

    TColumnSizeSettings columnSize;
    bool autoSize = false;

    int numNodes = 0;

    QString lookupText;
    int lookupTics = 0; // timer ticks since the last look-up key

    int groupColumn = -1;
    int groupWidth = 0;
    QString groupCaption;
    QString groupFooter;
    TGrouping grouping;
};

} // namespace controls
