#pragma once
// The state of the grid's looks, hover, hints, balloon and fixed-cell
// sizing. Only the files of that concern include this.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/BalloonSettings.h"
#include "controls/grid/view/GridAppearance.h"

#include <QPointer>

#include <vector>

namespace controls {

class THTMLHintWindow;
class TGridBalloon;

struct TGridHover {
    // Looks.
    TFenloStyle Style = tsWindowsXP;
    TOfficeTheme OldOfficeTheme = otUnknown;
    bool AutoThemeAdapt = false;
    // Cell hints at all; off while the wheel button pans.
    bool ShowHint = true;
    // Registered with the theme notifier in the grid's place.
    QPointer<QObject> ThemeFollower;

    // Hover.
    TExStringGrid::THoverFixedCells HoverFixedCells = TExStringGrid::hfNone;
    TGridCoord HoverFixed{-1, -1};
    TGridCoord HotFixedCell{-1, -1}; // glListView
    TGridCoord HoverCell{-1, -1};    // URLUnderlineOnHover
    int HoverLink = -1;
    QString Anchor;
    QString LastAnchorHint;
    bool NoMouseLeave = false;     // a fixed-cell drop-down menu is up
    bool DropDownDown = false;     // its drop-down part is held down
    QPointer<QMenu> FixedDropDownMenu;

    // Hints and balloon.
    TGridCoord LastHintPos{-1, -1};
    QString HintFontName; // the face of wide-text hints
    TGridCoord LastBalloonPos{-1, -1};
    QPointer<THTMLHintWindow> HintWnd;
    QPointer<THTMLHintWindow> SizingHintWnd;
    bool SizingHintShow = false;
    TBalloonSettings Balloon;
    QPointer<TGridBalloon> BalloonWnd;

    // Fixed columns and rows sized by mouse.
    bool SizeFixed = false;   // the pointer is on a fixed column's right edge
    bool SizeFixedR = false;
    bool SizingFixed = false; // a press started sizing it
    bool SizingFixedR = false;
    int SizeFixedX = 0;
    int SizeFixedY = 0;
    int SizingFixedCol = -1;
    int SizingFixedRow = -1;
    std::vector<int> GuideCols; // guide lines shown, by position
    std::vector<int> GuideRows;

    // The widths proportional resizing starts from.

    // Following the form.
    bool SizeWithForm = false;
    QPointer<QWidget> Form;
    int PrevSizeX = 0;
    int PrevSizeY = 0;
};

} // namespace controls
