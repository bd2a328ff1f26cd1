#pragma once
// What the string grid's printing is told, less its fonts: positions of the
// header and footer items, borders, margins and spacings in print units
// (0.1 mm), fitting, page numbering. The grid's TPrintSettings adds the fonts.
#include "platform/Color.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace controls {

enum TPrintPosition : std::uint8_t { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders : std::uint8_t {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom
};
enum TFitToPage : std::uint8_t { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrintOrientation : std::uint8_t { poPortrait, poLandscape };

inline bool isTopPosition(TPrintPosition p) { return p == ppTopLeft || p == ppTopRight || p == ppTopCenter; }
inline bool isBottomPosition(TPrintPosition p)
{
    return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter;
}

struct TPrintLayoutSettings {
    int FooterSize = 0;
    int HeaderSize = 0;
    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    QString DateFormat = QStringLiteral("dd/mm/yyyy");
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    QString TitleText;
    // Used when TitleText is empty; may hold mini-HTML.
    QStringList TitleLines;
    TPrintBorders Borders = pbSingle;
    // A pen style's ordinal (psSolid 0 .. psInsideFrame 6).
    int BorderStyle = 0;
    platform::TColor BorderColor = 0;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrintOrientation Orientation = poPortrait;
    QString PagePrefix;
    QString PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    QString JobName;
    QString PageNumSep = QStringLiteral("/");
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    bool UseDisplayFont = true;
    bool UseDefaultOrientation = false;
    // Not copied by AssignLayout: a choice of the print call, not a setting.
    bool FixedCellsAlways = false;

    // Every setting but FixedCellsAlways.
    void AssignLayout(const TPrintLayoutSettings &other)
    {
        const bool keep = FixedCellsAlways;
        *this = other;
        FixedCellsAlways = keep;
    }
};

} // namespace controls
