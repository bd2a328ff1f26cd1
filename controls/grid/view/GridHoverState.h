#pragma once
// The state of the grid's looks, hover, hints, balloon and fixed-cell
// sizing. Only the files of that concern include this.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"

#include <QPointer>

#include <vector>

namespace controls {

class THTMLHintWindow;
class TGridBalloon;

struct TBalloonSettings {
    platform::TColor BackgroundColor = platform::clNone;
    platform::TColor TextColor = platform::clNone;
    int ReshowDelay = -1; // milliseconds, -1 the system's
    int InitialDelay = -1;
    int AutoHideDelay = -1;
    std::uint8_t Transparency = 0; // 0 opaque
    bool Enable() const { return m_enable; }
    void setEnable(bool value)
    {
        m_enable = value;
        if (OnEnableChange)
            OnEnableChange();
    }
    // Copies all but the transparency, and tells nobody.
    void Assign(const TBalloonSettings &source)
    {
        TextColor = source.TextColor;
        BackgroundColor = source.BackgroundColor;
        InitialDelay = source.InitialDelay;
        AutoHideDelay = source.AutoHideDelay;
        ReshowDelay = source.ReshowDelay;
        m_enable = source.m_enable;
    }
    std::function<void()> OnEnableChange;
    bool Init = false; // the balloon window exists

private:
    bool m_enable = false;
};

struct TGridHover {
    // Looks.
    TFenloStyle Style = tsWindowsXP;
    TOfficeTheme OldOfficeTheme = otUnknown;
    bool AutoThemeAdapt = false;
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

    // Following the form.
    bool SizeWithForm = false;
    QPointer<QWidget> Form;
    int PrevSizeX = 0;
    int PrevSizeY = 0;
};

} // namespace controls
