// The grid's looks and colour sets: the Look switch, the named styles, the
// XP schemes, the flat colour tones, and following the Office colour
// scheme through the shared theme notifier.
#include "controls/dropdown/paint/PopupAppearance.h"
#include "controls/grid/base/OfficeTheme.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/base/ThemeNotifier.h"
#include "controls/grid/base/paint/ColorSteps.h"
#include "controls/grid/model/FloatingFooter.h"
#include "controls/grid/model/GridSortSettings.h"
#include "controls/grid/view/GridHoverState.h"

#include "platform/HandlerGuard.h"

#include <QPainter>

namespace controls {

using platform::clBtnFace;
using platform::clNone;
using platform::TColor;

// --- the drop-down editors' header and footer -----------------------------------------

struct TDropDownStrips {
    THeaderAppearance Header;
    TFooterAppearance Footer;
};

namespace {

TDropDownStrips &strips(std::shared_ptr<TDropDownStrips> &held)
{
    if (!held)
        held = std::make_shared<TDropDownStrips>();
    return *held;
}

} // namespace

THeaderAppearance &TGridControlLook::DropDownHeader() const { return strips(m_dropDownStrips).Header; }
TFooterAppearance &TGridControlLook::DropDownFooter() const { return strips(m_dropDownStrips).Footer; }

// --- the gradient colours set through the control look reach the grid -----------------

namespace {

struct TGradientPair {
    TColor From = clNone;
    TColor To = clNone;
};

// A colour set through the control look: stored there, and in the grid's
// unless none (the fixed ones as RGB, the hover and pressed ones as they are).
class LookWriter {
public:
    explicit LookWriter(TExStringGrid &grid) : m_look(grid.ControlLook()), m_grid(grid.Appearance()) {}

    void fixed(TColor from, TColor to)
    {
        m_look.FixedGradientFrom = from;
        m_look.FixedGradientTo = to;
        if (platform::isColorSet(from))
            m_grid.FenloGradientFrom = platform::ColorToRGB(from);
        if (platform::isColorSet(to))
            m_grid.FenloGradientTo = platform::ColorToRGB(to);
    }
    void fixedMirror(TColor from, TColor to)
    {
        m_look.FixedGradientMirrorFrom = m_grid.FenloGradientMirrorFrom = from;
        m_look.FixedGradientMirrorTo = m_grid.FenloGradientMirrorTo = to;
    }
    void hover(TGradientPair upper, TGradientPair lower, TColor border)
    {
        m_look.FixedGradientHoverFrom = upper.From;
        m_look.FixedGradientHoverTo = upper.To;
        setIf(m_grid.FenloGradientHoverFrom, upper.From);
        setIf(m_grid.FenloGradientHoverTo, upper.To);
        m_look.FixedGradientHoverMirrorFrom = m_grid.FenloGradientHoverMirrorFrom = lower.From;
        m_look.FixedGradientHoverMirrorTo = m_grid.FenloGradientHoverMirrorTo = lower.To;
        m_look.FixedGradientHoverBorder = border;
        setIf(m_grid.FenloGradientHoverBorder, border);
    }
    void down(TGradientPair upper, TGradientPair lower, TColor border)
    {
        m_look.FixedGradientDownFrom = upper.From;
        m_look.FixedGradientDownTo = upper.To;
        setIf(m_grid.FenloGradientDownFrom, upper.From);
        setIf(m_grid.FenloGradientDownTo, upper.To);
        m_look.FixedGradientDownMirrorFrom = m_grid.FenloGradientDownMirrorFrom = lower.From;
        m_look.FixedGradientDownMirrorTo = m_grid.FenloGradientDownMirrorTo = lower.To;
        m_look.FixedGradientDownBorder = border;
        setIf(m_grid.FenloGradientDownBorder, border);
    }
    // The control look's colours after creation, the grid's following.
    void init()
    {
        m_look.Init();
        hover({m_look.FixedGradientHoverFrom, m_look.FixedGradientHoverTo}, {}, m_look.FixedGradientHoverBorder);
        down({m_look.FixedGradientDownFrom, m_look.FixedGradientDownTo}, {}, m_look.FixedGradientDownBorder);
    }
    // The grid's own fixed gradient, the control look untouched.
    void gridFixed(TGradientPair upper, TGradientPair lower = {})
    {
        m_grid.FenloGradientFrom = upper.From;
        m_grid.FenloGradientTo = upper.To;
        m_grid.FenloGradientMirrorFrom = lower.From;
        m_grid.FenloGradientMirrorTo = lower.To;
    }

private:
    static void setIf(TColor &field, TColor value)
    {
        if (platform::isColorSet(value))
            field = value;
    }

    TGridControlLook &m_look;
    TGridAppearance &m_grid;
};

void selectionColors(TGridAppearance &look, TColor from, TColor to, TColor text)
{
    look.SelectionColor = from;
    look.SelectionColorTo = to;
    look.SelectionTextColor = text;
}

// The metro glyphs of the flat look, 16 by 16: a framed box, ticked or
// not, and a ring, with a dot or not.
QImage metroGlyph(bool radio, bool on)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(0x44, 0x44, 0x44));
    if (radio) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        if (on) {
            p.setBrush(QColor(0x44, 0x44, 0x44));
            p.drawEllipse(QRectF(5, 5, 6, 6));
        }
    } else {
        p.drawRect(1, 1, 13, 13);
        if (on) {
            QPen tick(QColor(0x44, 0x44, 0x44), 2);
            p.setPen(tick);
            p.drawPolyline(QPolygon({QPoint(4, 8), QPoint(7, 11), QPoint(12, 4)}));
        }
    }
    return image;
}

// Registered with the shared theme notifier for the grid: the Office
// scheme's change reaches the grid through it.
class ThemeFollower : public QObject {
public:
    explicit ThemeFollower(TExStringGrid *grid) : QObject(grid), m_grid(grid) {}

    bool event(QEvent *e) override
    {
        if (e->type() != TOfficeThemeChangeEvent::EventType)
            return QObject::event(e);
        platform::guarded([this] {
            m_grid->AdaptToOfficeTheme();
            m_grid->update();
        });
        return true;
    }

private:
    TExStringGrid *m_grid;
};

void searchFooterColors(TExStringGrid &grid, TColor from, TColor to)
{
    grid.SearchFooter().setColor(from);
    grid.SearchFooter().setColorTo(to);
}

void sortHeaderColors(TExStringGrid &grid, TGradientPair upper, TGradientPair lower)
{
    TSortSettings &sort = grid.SortSettings();
    sort.HeaderColor = upper.From;
    sort.HeaderColorTo = upper.To;
    sort.HeaderMirrorColor = lower.From;
    sort.HeaderMirrorColorTo = lower.To;
}

} // namespace

// --- the look ---------------------------------------------------------------------------

TGridLook TExStringGrid::Look() const { return Appearance().Look; }

void TExStringGrid::setLook(TGridLook Value)
{
    TGridAppearance &look = Appearance();
    if (look.Look == Value)
        return;
    look.Look = Value;
    LookWriter writer(*this);
    if (Value != glCustom) {
        writer.fixed(clNone, clNone);
        writer.gridFixed({});
        m_controlLook.FixedGradientMirrorFrom = m_controlLook.FixedGradientMirrorTo = clNone;
        SortSettings().HeaderColor = clNone;
    }
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        hover().Style = tsWindowsVista;
        setSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        hover().Style = tsWindows7;
        setSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        hover().Style = tsOffice2007Luna;
        setSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default:
        lookColors(Value);
        break;
    }
    setScrollType(ssNormal);
    setBorderSingle(true);
    look.BorderColor = 0xB99D7F;
    update();
}

// The colours of the plain looks (glStandard to glListView).
void TExStringGrid::lookColors(TGridLook Value)
{
    TGridAppearance &look = Appearance();
    setSelectionStyle(ssDefault);
    if (Loading())
        return;
    LookWriter writer(*this);
    const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
    if (plain) {
        setFixedColor(clBtnFace);
        writer.fixed(clBtnFace, clNone);
    } else {
        writer.fixed(0xFFFFFF, clBtnFace);
    }
    setGridFixedLineColor(0x808080);
    writer.fixedMirror(clNone, clNone);
    setGridLineColor(0xC0C0C0);
    if (Value == glFenlo || Value == glXP) {
        ActiveCellColor = 0xEACAB6;
        look.ActiveCellColorTo = clNone;
        selectionColors(look, 0xEACAB6, clNone, 0x000000);
        searchFooterColors(*this, look.FenloGradientFrom, look.FenloGradientTo);
        writer.fixed(0xFFFFFF, Value == glXP ? clBtnFace : 0xC0C0C0);
        writer.hover({0xCFD0D1, 0xBEC6C8}, {0xBEC6C8, 0xABBCBF}, m_controlLook.FixedGradientHoverBorder);
        writer.down({0x868788, 0x737C7E}, {0x737C7E, 0x627376}, m_controlLook.FixedGradientDownBorder);
    } else {
        ActiveCellColor = 0x808080;
        look.ActiveCellColorTo = clNone;
        look.SelectionColor = platform::clHighlight;
        look.SelectionTextColor = platform::clHighlightText;
        searchFooterColors(*this, clBtnFace, clBtnFace);
    }
}

// --- the named styles -------------------------------------------------------------------

void TExStringGrid::SetStyle(TExGridStyle AStyle)
{
    TGridAppearance &look = Appearance();
    selectionColors(look, platform::clHighlight, clNone, platform::clHighlightText);
    setSelectionStyle(ssDefault);
    sortHeaderColors(*this, {}, {});
    LookWriter writer(*this);
    writer.init();

    const auto active = [&](TColor from, TColor to) {
        ActiveCellColor = from;
        look.ActiveCellColorTo = to;
    };
    const auto lines = [&](TColor grid, TColor fixed) {
        setGridLineColor(grid);
        setGridFixedLineColor(fixed);
    };
    // A fixed gradient without mirror that the control look carries too.
    const auto fixedAlsoInLook = [&](TColor from, TColor to) {
        writer.gridFixed({from, to});
        writer.fixed(from, to);
    };
    const auto footer = [&](TColor from, TColor to) { searchFooterColors(*this, from, to); };
    // The sorted column's header in the Vista and Windows 7 styles.
    const auto vistaSortHeader = [&] { sortHeaderColors(*this, {0xFCF9F2, 0xFCF9F2}, {0xF9F1E1, 0xF6ECD8}); };
    const auto office2003 = [&](TColor from, TColor to) {
        setLook(glXP);
        fixedAlsoInLook(from, to);
        footer(from, clNone);
        active(0x94E6FB, 0x1595EE);
        selectionColors(look, 0x94E6FB, 0x1595EE, 0x000000);
        lines(0xC0C0C0, 0x808080);
    };
    const auto office2010 = [&](TColor face, TColor fixedLines, TColor sortHeader) {
        setLook(glOffice2007);
        sortHeaderColors(*this, {sortHeader, sortHeader}, {sortHeader, sortHeader});
        footer(face, face);
        writer.gridFixed({face, face}, {face, face});
        writer.hover({0x6BDFFF, 0xAFEFFF}, {0xAFEFFF, 0xE6FCFF}, 0x3ABFE8);
        writer.down({0x5BD5FF, 0x64E0FF}, {0x64E0FF, 0x71EFFF}, 0x308AC2);
        active(0x5BD5FF, 0x71EFFF);
        writer.fixed(clNone, clNone);
        selectionColors(look, 0xFFDBB7, clNone, 0x000000);
        setSelectionStyle(ssDefault);
        lines(0xC0C0C0, fixedLines);
    };

    switch (AStyle) {
    case gsOffice2003Blue:
        office2003(0xFCE1CB, 0xE0A57D);
        break;
    case gsOffice2003Silver:
        office2003(0xECE2E1, 0xB39698);
        break;
    case gsOffice2003Olive:
        office2003(0xCFF0EA, 0x8CC0B1);
        break;
    case gsOffice2003Classic:
        setLook(glXP);
        writer.gridFixed({0xFFFFFF, 0xCCD4D8});
        writer.fixed(clNone, clNone);
        footer(0xFFFFFF, clNone);
        active(0xD8D5D4, 0xD8D5D4);
        lines(0xC0C0C0, 0x808080);
        break;
    case gsOffice2007Luna:
        setLook(glOffice2007);
        active(0x9DD8F9, 0x5EC1F1);
        fixedAlsoInLook(0xFBF9F6, 0xE8DBD2);
        footer(0xFBF9F6, clNone);
        lines(0xF1EDEB, 0xD1BBA4);
        selectionColors(look, 0x5EC1F1, clNone, 0x000000);
        writer.hover({0xE4E2DF, 0xDBD3CD}, {0xDBD3CD, 0xD2C5BC}, 0xB79F87);
        writer.down({0xE4C19D, 0xE4C19D}, {0xE4C19D, 0xE4C19D}, 0xE4C19D);
        if (look.Look == glOffice2007)
            setSelectionStyle(ssOffice2007);
        break;
    case gsOffice2007Obsidian:
        setLook(glOffice2007);
        active(0x9DD8F9, 0x5EC1F1);
        fixedAlsoInLook(0xF7F7F7, 0xDEDEDE);
        footer(0xF7F7F7, clNone);
        lines(0xE5D7D0, 0x808080);
        selectionColors(look, 0x5EC1F1, clNone, 0x000000);
        break;
    case gsOffice2007Silver:
        setLook(glOffice2007);
        active(0x99CCFF, 0x699CFF);
        look.FenloGradientFrom = 0xF3F3F1;
        look.FenloGradientTo = 0xCAC9C8;
        writer.fixed(0xF3F3F1, 0xCAC9C8);
        footer(0xF3F3F1, look.FenloGradientMirrorTo);
        lines(0xE5D7D0, 0x808080);
        selectionColors(look, 0x95C7F5, clNone, 0x000000);
        break;
    case gsWindowsXP:
        setLook(glXP);
        active(clBtnFace, clBtnFace);
        writer.gridFixed({clBtnFace, clBtnFace});
        writer.fixed(clNone, clNone);
        footer(clBtnFace, clNone);
        lines(0xC0C0C0, 0x808080);
        break;
    case gsWhidbey:
        active(0x94E6FB, 0x1595EE);
        writer.gridFixed({0xFFFFFF, clBtnFace});
        writer.fixed(clNone, clNone);
        footer(0xFFFFFF, clNone);
        lines(0xC0C0C0, 0x808080);
        break;
    case gsCustom:
        break;
    case gsWindowsVista:
        setLook(glVista);
        writer.gridFixed({0xFFFFFF, 0xFFFFFF}, {0xFAF8F7, 0xF4F2F1});
        writer.hover({0xFFF7E3, 0xFFF7E3}, {0xFFEDBD, 0xFBE7B7}, 0xE3C993);
        writer.down({0xF9E4BC, 0xF9E4BC}, {0xF7D68D, 0xF5D18A}, 0xAE904F);
        vistaSortHeader();
        active(0xFDF8F1, 0xFCEFD5);
        writer.fixed(clNone, clNone);
        footer(0xFFFFFF, 0xF4F2F1);
        selectionColors(look, 0xEACAB6, clNone, 0x000000);
        setSelectionStyle(ssVista);
        lines(0xECECF0, 0xD4D2D1);
        break;
    case gsWindows7:
        setLook(glWin7);
        writer.gridFixed({0xFDFCFA, 0xFAF0E6}, {0xF4E6DC, 0xF7E9DD});
        writer.hover({0xFEFBF8, 0xFAF2ED}, {0xF4E4D7, 0xE8D2C1}, 0xEEE8E3);
        writer.down({0xF1E8DD, 0xF1E4D8}, {0xECDBCF, 0xEDDCCF}, 0xD5BCAA);
        vistaSortHeader();
        active(0xFCEBDC, 0xFCDBC1);
        writer.fixed(clNone, clNone);
        footer(0xFDFCFA, 0xF7E9DD);
        selectionColors(look, 0xEACAB6, clNone, 0x000000);
        setSelectionStyle(ssWin7);
        lines(0xECECF0, 0xD4D2D1);
        break;
    case gsTerminal:
        setLook(glStandard);
        break;
    case gsOffice2010Blue:
        office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7);
        break;
    case gsOffice2010Silver:
        office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA);
        break;
    case gsOffice2010Black:
        office2010(0x6A6A6A, 0x444444, 0xBABABA);
        break;
    }
    update();
}

void TExStringGrid::SetComponentStyle(TFenloStyle AStyle)
{
    hover().Style = AStyle;
    SetStyle(TExGridStyle(AStyle));
    // The look switch inside may have stored the style of its own kind.
    hover().Style = AStyle;
    if (AStyle != tsCustom && ScrollType() == ssMetro)
        setScrollType(ssNormal);
}

TFenloStyle TExStringGrid::ComponentStyle() const { return hover().Style; }

void TExStringGrid::SetTheme(TXPColorScheme Scheme)
{
    TGridAppearance &look = Appearance();
    LookWriter writer(*this);
    const auto scheme = [&](TGradientPair fixed, TGradientPair mirror, TGradientPair footer) {
        writer.gridFixed(fixed, mirror);
        searchFooterColors(*this, footer.From, footer.To);
        ActiveCellColor = 0x94E6FB;
        look.ActiveCellColorTo = 0x1595EE;
        writer.fixed(fixed.From, fixed.To);
    };
    switch (Scheme) {
    case xpBlue:
        scheme({0xFCE1CB, 0xE0A57D}, {}, {0xFCE1CB, 0xE0A57D});
        break;
    case xpGreen:
        scheme({0xCFF0EA, 0x8CC0B1}, {}, {0xCFF0EA, 0x8CC0B1});
        break;
    case xpGray:
        scheme({0xECE2E1, 0xB39698}, {}, {0xECE2E1, 0xB39698});
        break;
    case vistaAero:
        scheme({0xFFFFFF, 0xFFFFFF}, {0xFAF8F7, 0xF4F2F1}, {0xECE2E1, 0xB39698});
        break;
    case xpNone:
        ActiveCellColor = 0xFFFFFF;
        look.ActiveCellColorTo = 0xFFD9B3;
        writer.gridFixed({0xFFFFFF, clBtnFace});
        writer.fixed(clNone, clNone);
        searchFooterColors(*this, 0xFFFFFF, 0xFFD9B3);
        break;
    }
}

void TExStringGrid::SetColorTones(const TColorTones &ATones)
{
    TGridAppearance &look = Appearance();
    look.Tones = ATones;
    setLook(glClassic);
    look.Flat = true;
    setScrollType(ssMetro);
    setFixedColor(ATones.Foreground.BrushColor);
    setColor(ATones.Background.BrushColor);
    Font().setColor(ATones.Background.TextColor);
    Font().setName(DefaultUIFontName());
    selectionColors(look, ATones.Selected.BrushColor, clNone, ATones.Selected.TextColor);
    setGridLineColor(0xE6E6E6);
    setGridFixedLineColor(ScaleColorPercent(ATones.Foreground.BrushColor, -20));
    setBorderSingle(false);
    m_controlLook.ControlStyle = csGlyph;
    m_controlLook.CheckedGlyph = metroGlyph(false, true);
    m_controlLook.UnCheckedGlyph = metroGlyph(false, false);
    m_controlLook.RadioOffGlyph = metroGlyph(true, false);
    m_controlLook.RadioOnGlyph = metroGlyph(true, true);
    m_controlLook.FlatButton = true;
    FloatingFooter().setColor(ATones.Foreground.BrushColor);
    searchFooterColors(*this, ATones.Foreground.BrushColor, ATones.Foreground.BrushColor);
    look.CellNode.NodeType = cnFlat;
    applyEditorTones();
    update();
}

const TColorTones &TExStringGrid::ColorTones() const { return Appearance().Tones; }

// --- following the Office colour scheme ----------------------------------------------------

void TExStringGrid::AdaptToOfficeTheme()
{
    TGridHover &h = hover();
    const TOfficeTheme theme = CurrentOfficeTheme(platform::settingsStore());
    if (theme == h.OldOfficeTheme)
        return;
    static constexpr TFenloStyle styleOf[] = {
        tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
        tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black,
    };
    if (theme < otUnknown)
        SetComponentStyle(styleOf[theme]);
    h.OldOfficeTheme = theme;
}

bool TExStringGrid::AutoThemeAdapt() const { return hover().AutoThemeAdapt; }

void TExStringGrid::setAutoThemeAdapt(bool Value)
{
    TGridHover &h = hover();
    if (h.AutoThemeAdapt == Value)
        return;
    h.AutoThemeAdapt = Value;
    if (Value) {
        AdaptToOfficeTheme();
        update();
    }
    if (!Loading())
        followOfficeTheme(Value);
}

void TExStringGrid::followOfficeTheme(bool Value)
{
    TGridHover &h = hover();
    TThemeNotifier *notifier = SharedThemeNotifier(nullptr);
    if (Value) {
        if (!h.ThemeFollower)
            h.ThemeFollower = new ThemeFollower(this); // owned by the grid as its child
        notifier->RegisterWindow(h.ThemeFollower);
    } else if (h.ThemeFollower) {
        notifier->UnRegisterWindow(h.ThemeFollower);
    }
}

void TExStringGrid::reapplyLoadedLook()
{
    // While loading the setter only stored glFenlo: its colours come now.
    if (Look() != glFenlo)
        return;
    Appearance().Look = glCustom;
    setLook(glFenlo);
}

// --- names ------------------------------------------------------------------------------------

QString TExStringGrid::GridLookName(TGridLook ALook, const QString &Text)
{
    static const char *const names[] = {"glStandard", "glSoft",    "glClassic", "glFenlo",     "glXP",
                                        "glListView", "glVista",   "glWin7",    "glOffice2007"};
    return ALook < glCustom ? QString::fromLatin1(names[ALook]) : Text;
}

QString TExStringGrid::GridLookDisplayName(TGridLook ALook, const QString &Text)
{
    static const char *const names[] = {"Standard", "Soft",          "Classic",   "Fenlo",     "Windows XP",
                                        "ListView", "Windows Vista", "Windows 7", "Office2007"};
    return ALook < glCustom ? QString::fromLatin1(names[ALook]) : Text;
}

} // namespace controls
