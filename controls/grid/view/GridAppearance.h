#pragma once
// The string grid's appearance settings that its painting reads: the look,
// the selection and URL colours, the text settings, the fixed-cell gradient
// colours, the background, the modified-row marker and the progress look.
// Every value starts as a new grid has it (look glXP).
#include "controls/grid/base/Bands.h"
#include "controls/grid/base/Themes.h"
#include "platform/Color.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Geometry.h"

#include <QChar>
#include <QImage>
#include <functional>

namespace controls {

enum TGridLook : std::uint8_t {
    glStandard, glSoft, glClassic, glFenlo, glXP, glListView, glVista, glWin7, glOffice2007, glCustom
};
// Colour sets by name; a TFenloStyle of the same ordinal names the same set.
enum TExGridStyle : std::uint8_t {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};
enum TXPColorScheme : std::uint8_t { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TBackGroundDisplay : std::uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells : std::uint8_t { bcNormal, bcFixed, bcAll };
enum TProgressStyle : std::uint8_t { psXP, psClassic };
enum TScrollBarAlways : std::uint8_t { saNone, saVert, saHorz, saBoth };

struct TBackGround {
    int Top = 0;
    int Left = 0;
    TBackGroundDisplay Display = bdTile;
    TBackGroundCells Cells = bcNormal;
    platform::TColor Color = platform::clWindow;
    platform::TColor ColorTo = platform::clBtnFace;
    QImage Bitmap;
};

enum TNodeType : std::uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// How node rows show their glyph and the tree lines.
struct TCellNode {
    platform::TColor Color = 0xC0C0C0;
    bool ExpandOne = false; // expanding a node first contracts every other one
    TNodeType NodeType = cnXP;
    platform::TColor NodeColor = 0x000000;
    int NodeIndent = 12; // pixels per level
    // cnGlyph draws these when both hold a picture.
    platform::TBitmap ExpandGlyph;
    platform::TBitmap ContractGlyph;
    bool ShowTree = true;
    bool ShowTreeFull = true;
    platform::TColor TreeColor = 0x808080;
};

struct TShowModified {
    bool Enabled = false;
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor value)
    {
        m_color = value;
        if (OnChange)
            OnChange();
    }
    void Assign(const TShowModified &source)
    {
        Enabled = source.Enabled;
        setColor(source.m_color);
    }
    std::function<void()> OnChange;

private:
    platform::TColor m_color = 0x00FFFF;
};

struct TGridProgressAppearance {
    platform::TColor CompleteColor = 0x0000FF;
    platform::TColor CompleteFontColor = 0xFF0000;
    platform::TColor UnCompleteColor = platform::clNone;
    platform::TColor UnCompleteFontColor = platform::clWindowText;
    platform::TColor Level0Color = 0x00FF00;
    platform::TColor Level0ColorTo = 0xE1FFE1;
    platform::TColor Level1Color = 0x00FFFF;
    platform::TColor Level1ColorTo = 0xCAFFFF;
    platform::TColor Level2Color = 0x53A9FF;
    platform::TColor Level2ColorTo = 0xA8D3FF;
    platform::TColor Level3Color = 0x0000FF;
    platform::TColor Level3ColorTo = 0xCACAFF;
    int Level1Perc = 70;
    int Level2Perc = 90;
    platform::TColor BorderColor = 0x000000;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TProgressStyle Style = psXP;
    std::function<void()> OnChange;
    // Every value, and one change notice.
    void Assign(const TGridProgressAppearance &source)
    {
        auto notify = OnChange;
        *this = source;
        OnChange = std::move(notify);
        if (OnChange)
            OnChange();
    }
};

struct TGridAppearance {
    TGridLook Look = glXP;
    platform::TColor SelectionColor = 0xEACAB6;
    platform::TColor SelectionColorTo = platform::clNone;
    platform::TColor SelectionMirrorColor = platform::clNone;
    platform::TColor SelectionMirrorColorTo = platform::clNone;
    platform::TColor SelectionTextColor = 0x000000;
    bool ShowSelection = true;
    bool HideFocusRect = false;
    bool Flat = false;
    platform::TColor HighlightColor = platform::clHighlight;
    platform::TColor HighlightTextColor = platform::clHighlightText;
    bool Hovering = false;
    platform::TColor ActiveCellColorTo = platform::clNone;
    platform::TColor URLColor = 0xFF0000;
    bool URLShow = false;
    bool URLShowInText = false;
    bool URLFull = false;
    bool URLUnderlineOnHover = false;
    platform::TColor BorderColor = 0xB99D7F;
    platform::TPoint XYOffset{2, 2};
    bool XYOffsetTopLeftOnly = false;
    QChar PasswordChar = u'*';
    bool Multilinecells = false;
    bool EnableHTML = true;
    bool EnhTextSize = false;
    bool AutoNumAlign = false;
    int ZoomFactor = 0;
    QImage RowIndicator;
    // With an owner's drawing event the owner draws the text.
    bool NoDefaultDraw = false;
    // A cell with a graphic shows no text.
    bool NoImageAndText = false;
    // The fixed cells' gradient (glXP: white to clBtnFace) and the hovered
    // and pressed ones.
    platform::TColor FenloGradientFrom = 0xFFFFFF;
    platform::TColor FenloGradientTo = platform::clBtnFace;
    platform::TColor FenloGradientMirrorFrom = platform::clNone;
    platform::TColor FenloGradientMirrorTo = platform::clNone;
    platform::TColor FenloGradientHoverFrom = 0xCFD0D1;
    platform::TColor FenloGradientHoverTo = 0xBEC6C8;
    platform::TColor FenloGradientHoverMirrorFrom = 0xBEC6C8;
    platform::TColor FenloGradientHoverMirrorTo = 0xABBCBF;
    platform::TColor FenloGradientHoverBorder = 0xC0C0C0;
    platform::TColor FenloGradientDownFrom = 0x868788;
    platform::TColor FenloGradientDownTo = 0x737C7E;
    platform::TColor FenloGradientDownMirrorFrom = 0x737C7E;
    platform::TColor FenloGradientDownMirrorTo = 0x627376;
    platform::TColor FenloGradientDownBorder = 0x808080;
    TBackGround BackGround;
    TShowModified ShowModified;
    TGridProgressAppearance ProgressAppearance;
    TScrollBarAlways ScrollBarAlways = saNone;
    TBands Bands;
    TCellNode CellNode;
    // The window's border, painted by the grid in the soft and gradient looks.
    bool FitCellsInGrid = false;
    // The tones a flat grid's buttons take when the brush tone is set.
    TColorTones Tones;
};

} // namespace controls
