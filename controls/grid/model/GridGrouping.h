#pragma once
// How the string grid's grouping looks and what it adds: header and
// summary rows with their colours and merges, the row count of a group.
// The painting reads the line settings, the mouse AutoSelectGroup; the
// node check-box link is the grid's GroupingAutoCheckGroup.
#include "platform/Color.h"

#include <QString>

namespace controls {

struct TGrouping {
    bool AutoSelectGroup = false;
    // Applied to the count of a group header: a format taking one integer
    // ("%d rows"); empty, or any other format, appends " (n)".
    QString GroupCountFormat;
    platform::TColor HeaderColor = platform::clNone;
    platform::TColor HeaderColorTo = platform::clNone;
    platform::TColor HeaderTextColor = platform::clNone;
    bool HeaderUnderline = false;
    platform::TColor HeaderLineColor = 0xFF0000;
    int HeaderLineWidth = 2;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool ShowGroupCount = false;
    // Every group is followed by a summary row (GroupSum and the others
    // write there).
    bool Summary = false;
    platform::TColor SummaryColor = platform::clNone;
    platform::TColor SummaryColorTo = platform::clNone;
    platform::TColor SummaryTextColor = platform::clNone;
    bool SummaryLine = false;
    platform::TColor SummaryLineColor = 0xFF0000;
    int SummaryLineWidth = 2;

    // All but the line colours and widths and Summary.
    void Assign(const TGrouping &source)
    {
        AutoSelectGroup = source.AutoSelectGroup;
        GroupCountFormat = source.GroupCountFormat;
        HeaderColor = source.HeaderColor;
        HeaderColorTo = source.HeaderColorTo;
        HeaderTextColor = source.HeaderTextColor;
        HeaderUnderline = source.HeaderUnderline;
        MergeHeader = source.MergeHeader;
        MergeSummary = source.MergeSummary;
        ShowGroupCount = source.ShowGroupCount;
        SummaryColor = source.SummaryColor;
        SummaryColorTo = source.SummaryColorTo;
        SummaryTextColor = source.SummaryTextColor;
        SummaryLine = source.SummaryLine;
    }
};

// The text a group header shows for its count of rows.
QString groupCountText(const QString &format, int count);

} // namespace controls
