// The grid's looks and colour sets: what each switch sets, what it leaves,
// and following the Office colour scheme written into the settings store.
#include "controls/dropdown/paint/PopupAppearance.h"
#include "controls/grid/base/OfficeTheme.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/base/ThemeNotifier.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortSettings.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/Registry.h"
#include "tests/support/EventLoop.h"
#include "tests/support/OfficeSchemeStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace controls;
using platform::clNone;
using platform::TColor;

namespace {

struct StyleCase {
    TExGridStyle style;
    TGridLook look;
    TColor activeFrom, activeTo;
    TColor fixedFrom, fixedTo, mirrorFrom, mirrorTo;
    TColor gridLines, fixedLines;
    TColor selection, selectionTo, selectionText;
    TGridSelectionStyle selectionStyle;
    TColor footerFrom, footerTo;
    TColor sortFrom, sortTo, sortMirrorFrom, sortMirrorTo;
    // From ssMetro: a look switch gives the window's bars back.
    TScrollType scroll;
};

void PrintTo(const StyleCase &c, std::ostream *os) { *os << "style " << int(c.style); }

class SetStyleTable : public testing::TestWithParam<StyleCase> {};

// Each style from a new grid (look glXP, SelectionStyle ssDefault) whose
// sorted header was coloured and whose bars were the thin ones.
TEST_P(SetStyleTable, SetsItsColours)
{
    const StyleCase &c = GetParam();
    TExStringGrid grid;
    TSortSettings &sort = grid.SortSettings();
    sort.HeaderColor = sort.HeaderColorTo = sort.HeaderMirrorColor = sort.HeaderMirrorColorTo = 0x123456;
    grid.setScrollType(ssMetro);
    grid.SetStyle(c.style);
    const TGridAppearance &a = grid.Appearance();
    EXPECT_EQ(grid.Look(), c.look);
    EXPECT_EQ(grid.ActiveCellColor, c.activeFrom);
    EXPECT_EQ(a.ActiveCellColorTo, c.activeTo);
    EXPECT_EQ(a.FenloGradientFrom, c.fixedFrom);
    EXPECT_EQ(a.FenloGradientTo, c.fixedTo);
    EXPECT_EQ(a.FenloGradientMirrorFrom, c.mirrorFrom);
    EXPECT_EQ(a.FenloGradientMirrorTo, c.mirrorTo);
    EXPECT_EQ(grid.GridLineColor(), c.gridLines);
    EXPECT_EQ(grid.GridFixedLineColor(), c.fixedLines);
    EXPECT_EQ(a.SelectionColor, c.selection);
    EXPECT_EQ(a.SelectionColorTo, c.selectionTo);
    EXPECT_EQ(a.SelectionTextColor, c.selectionText);
    EXPECT_EQ(grid.SelectionStyle(), c.selectionStyle);
    EXPECT_EQ(grid.SearchFooter().Color(), c.footerFrom);
    EXPECT_EQ(grid.SearchFooter().ColorTo(), c.footerTo);
    EXPECT_EQ(sort.HeaderColor, c.sortFrom);
    EXPECT_EQ(sort.HeaderColorTo, c.sortTo);
    EXPECT_EQ(sort.HeaderMirrorColor, c.sortMirrorFrom);
    EXPECT_EQ(sort.HeaderMirrorColorTo, c.sortMirrorTo);
    EXPECT_EQ(grid.ScrollType(), c.scroll);
}

constexpr TColor btn = platform::clBtnFace;
constexpr TColor hl = platform::clHighlight;
constexpr TColor hlText = platform::clHighlightText;

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, SetStyleTable,
    testing::Values(
        StyleCase{gsOffice2003Blue, glXP, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0xC0C0C0, 0x808080,
                  0x94E6FB, 0x1595EE, 0, ssDefault,
                  0xFCE1CB, clNone, clNone, clNone, clNone, clNone, ssMetro},
        StyleCase{gsOffice2003Silver, glXP, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, clNone, clNone, 0xC0C0C0,
                  0x808080, 0x94E6FB, 0x1595EE, 0, ssDefault,
                  0xECE2E1, clNone, clNone, clNone, clNone, clNone, ssMetro},
        StyleCase{gsOffice2003Olive, glXP, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xC0C0C0,
                  0x808080, 0x94E6FB, 0x1595EE, 0, ssDefault,
                  0xCFF0EA, clNone, clNone, clNone, clNone, clNone, ssMetro},
        StyleCase{gsOffice2003Classic, glXP, 0xD8D5D4, 0xD8D5D4, 0xFFFFFF, 0xCCD4D8, clNone, clNone, 0xC0C0C0,
                  0x808080, hl, clNone, hlText, ssDefault,
                  0xFFFFFF, clNone, clNone, clNone, clNone, clNone, ssMetro},
        // From glXP the look switch brings the Luna set and ssOffice2007 first.
        StyleCase{gsOffice2007Luna, glOffice2007, 0x9DD8F9, 0x5EC1F1, 0xFBF9F6, 0xE8DBD2, clNone, clNone, 0xF1EDEB,
                  0xD1BBA4, 0x5EC1F1, clNone, 0, ssOffice2007,
                  0xFBF9F6, clNone, clNone, clNone, clNone, clNone, ssNormal},
        StyleCase{gsOffice2007Obsidian, glOffice2007, 0x9DD8F9, 0x5EC1F1, 0xF7F7F7, 0xDEDEDE, clNone, clNone,
                  0xE5D7D0, 0x808080, 0x5EC1F1, clNone, 0, ssOffice2007,
                  0xF7F7F7, clNone, clNone, clNone, clNone, clNone, ssNormal},
        StyleCase{gsOffice2007Silver, glOffice2007, 0x99CCFF, 0x699CFF, 0xF3F3F1, 0xCAC9C8, clNone, clNone,
                  0xE5D7D0, 0x808080, 0x95C7F5, clNone, 0, ssOffice2007,
                  0xF3F3F1, clNone, clNone, clNone, clNone, clNone, ssNormal},
        StyleCase{gsWindowsXP, glXP, btn, btn, btn, btn, clNone, clNone, 0xC0C0C0, 0x808080, hl, clNone, hlText,
                  ssDefault,
                  btn, clNone, clNone, clNone, clNone, clNone, ssMetro},
        StyleCase{gsWhidbey, glXP, 0x94E6FB, 0x1595EE, 0xFFFFFF, btn, clNone, clNone, 0xC0C0C0, 0x808080, hl, clNone,
                  hlText, ssDefault,
                  0xFFFFFF, clNone, clNone, clNone, clNone, clNone, ssMetro},
        StyleCase{gsWindowsVista, glVista, 0xFDF8F1, 0xFCEFD5, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xECECF0,
                  0xD4D2D1, 0xEACAB6, clNone, 0, ssVista,
                  0xFFFFFF, 0xF4F2F1, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, ssNormal},
        StyleCase{gsWindows7, glWin7, 0xFCEBDC, 0xFCDBC1, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xECECF0, 0xD4D2D1,
                  0xEACAB6, clNone, 0, ssWin7,
                  0xFDFCFA, 0xF7E9DD, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, ssNormal},
        StyleCase{gsOffice2010Blue, glOffice2007, 0x5BD5FF, 0x71EFFF, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA,
                  0xC0C0C0, 0xC7B0A0, 0xFFDBB7, clNone, 0, ssDefault,
                  0xF5E7DA, 0xF5E7DA, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7, ssNormal},
        StyleCase{gsOffice2010Silver, glOffice2007, 0x5BD5FF, 0x71EFFF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF,
                  0xC0C0C0, 0xBAB5B1, 0xFFDBB7, clNone, 0, ssDefault,
                  0xE8E3DF, 0xE8E3DF, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA, ssNormal},
        StyleCase{gsOffice2010Black, glOffice2007, 0x5BD5FF, 0x71EFFF, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A,
                  0xC0C0C0, 0x444444, 0xFFDBB7, clNone, 0, ssDefault,
                  0x6A6A6A, 0x6A6A6A, 0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA, ssNormal},
        // The plain looks give the search footer the button face.
        StyleCase{gsTerminal, glStandard, 0x808080, clNone, 0xF0F0F0, clNone, clNone, clNone, 0xC0C0C0, 0x808080, hl,
                  clNone, hlText, ssDefault, btn, btn, clNone, clNone, clNone, clNone, ssNormal},
        StyleCase{gsCustom, glXP, 0x808080, clNone, 0xFFFFFF, btn, clNone, clNone, 0xC0C0C0, 0x808080, hl, clNone,
                  hlText, ssDefault, 0xFFFFFF, btn, clNone, clNone, clNone, clNone, ssMetro}));

TEST(GridLooks, LunaHoverAndPressedColoursReachTheGridAndTheControlLook)
{
    TExStringGrid grid;
    grid.SetStyle(gsOffice2007Luna);
    const TGridAppearance &a = grid.Appearance();
    EXPECT_EQ(a.FenloGradientHoverFrom, 0xE4E2DFu);
    EXPECT_EQ(a.FenloGradientHoverMirrorTo, 0xD2C5BCu);
    EXPECT_EQ(a.FenloGradientHoverBorder, 0xB79F87u);
    EXPECT_EQ(a.FenloGradientDownFrom, 0xE4C19Du);
    EXPECT_EQ(a.FenloGradientDownBorder, 0xE4C19Du);
    EXPECT_EQ(grid.ControlLook().FixedGradientFrom, 0xFBF9F6u);
    EXPECT_EQ(grid.ControlLook().FixedGradientHoverBorder, 0xB79F87u);
}

TEST(GridLooks, LunaOnAGridAlreadyInOffice2007SetsItsSelectionStyleObsidianDoesNot)
{
    TExStringGrid grid;
    grid.setLook(glOffice2007);
    grid.SetStyle(gsOffice2007Luna);
    EXPECT_EQ(grid.SelectionStyle(), ssOffice2007);
    grid.SetStyle(gsOffice2007Obsidian);
    EXPECT_EQ(grid.Look(), glOffice2007);
    EXPECT_EQ(grid.SelectionStyle(), ssDefault);
}

TEST(GridLooks, TheSameLookAgainChangesNothingAndCustomKeepsTheGradient)
{
    TExStringGrid grid;
    TGridAppearance &a = grid.Appearance();
    a.FenloGradientFrom = 0x123456;
    grid.setLook(glXP);
    EXPECT_EQ(a.FenloGradientFrom, 0x123456u) << "glXP is the look already";
    grid.setLook(glCustom);
    EXPECT_EQ(a.FenloGradientFrom, 0x123456u);
    grid.setLook(glFenlo);
    EXPECT_EQ(a.FenloGradientFrom, 0xFFFFFFu);
    EXPECT_EQ(a.FenloGradientTo, 0xC0C0C0u);
    EXPECT_EQ(a.FenloGradientHoverFrom, 0xCFD0D1u);
    EXPECT_EQ(a.FenloGradientDownMirrorTo, 0x627376u);
}

TEST(GridLooks, APlainLookTakesTheButtonFaceAndTheSystemSelection)
{
    TExStringGrid grid;
    grid.setFixedColor(0x00FF00);
    grid.setLook(glSoft);
    EXPECT_EQ(grid.FixedColor(), platform::clBtnFace);
    EXPECT_EQ(grid.ActiveCellColor, 0x808080u);
    EXPECT_EQ(grid.Appearance().SelectionColor, platform::clHighlight);
    EXPECT_EQ(grid.ControlLook().FixedGradientFrom, platform::clBtnFace);
    EXPECT_EQ(grid.ControlLook().FixedGradientTo, clNone);
}

TEST(GridLooks, AControlLookGradientOfNoneLeavesTheGridsColour)
{
    TExStringGrid grid;
    grid.SetStyle(gsWindowsVista);
    EXPECT_EQ(grid.ControlLook().FixedGradientFrom, clNone);
    EXPECT_EQ(grid.Appearance().FenloGradientFrom, 0xFFFFFFu) << "the grid's own gradient stays";
}

TEST(GridLooks, ComponentStyleKeepsTheStyleAsked)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.ComponentStyle(), tsWindowsXP);
    grid.SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(grid.ComponentStyle(), tsOffice2007Obsidian) << "not the Luna set the look switch brings";
    EXPECT_EQ(grid.Appearance().FenloGradientFrom, 0xF7F7F7u);
}

TEST(GridLooks, ComponentStyleCustomKeepsTheThinBarsAnyOtherGivesTheWindowsBack)
{
    TExStringGrid grid;
    grid.setScrollType(ssMetro);
    grid.SetComponentStyle(tsCustom);
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    grid.SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(grid.ScrollType(), ssNormal) << "glXP already: no look switch, still the bars go";
}

TEST(GridLooks, AFenloLookReadWhileLoadingGetsItsColoursWhenLoaded)
{
    TExStringGrid grid;
    grid.BeginLoading();
    grid.setLook(glFenlo);
    EXPECT_NE(grid.Appearance().FenloGradientTo, 0xC0C0C0u) << "loading only stores the look";
    grid.EndLoading();
    EXPECT_EQ(grid.Look(), glFenlo);
    EXPECT_EQ(grid.Appearance().FenloGradientFrom, 0xFFFFFFu);
    EXPECT_EQ(grid.Appearance().FenloGradientTo, 0xC0C0C0u);
    EXPECT_EQ(grid.ActiveCellColor, 0xEACAB6u);
}

TEST(GridLooks, XPSchemes)
{
    TExStringGrid grid;
    grid.SetTheme(xpGreen);
    EXPECT_EQ(grid.Appearance().FenloGradientFrom, 0xCFF0EAu);
    EXPECT_EQ(grid.Appearance().FenloGradientTo, 0x8CC0B1u);
    EXPECT_EQ(grid.ActiveCellColor, 0x94E6FBu);
    EXPECT_EQ(grid.ControlLook().FixedGradientTo, 0x8CC0B1u);
    grid.SetTheme(vistaAero);
    EXPECT_EQ(grid.Appearance().FenloGradientMirrorFrom, 0xFAF8F7u);
    grid.SetTheme(xpNone);
    EXPECT_EQ(grid.ActiveCellColor, 0xFFFFFFu);
    EXPECT_EQ(grid.Appearance().ActiveCellColorTo, 0xFFD9B3u);
    EXPECT_EQ(grid.Appearance().FenloGradientTo, platform::clBtnFace);
    EXPECT_EQ(grid.ControlLook().FixedGradientFrom, clNone);
    EXPECT_EQ(grid.SearchFooter().Color(), 0xFFFFFFu);
    EXPECT_EQ(grid.SearchFooter().ColorTo(), 0xFFD9B3u);
}

TEST(GridLooks, ColorTonesMakeAFlatClassicGridOfTheTones)
{
    TExStringGrid grid;
    TColorTones tones;
    tones.Background = {0xFFFFFF, 0xCCCCCC, 0x111111};
    tones.Foreground = {0xC8C8C8, 0x999999, 0x222222};
    tones.Selected = {0x0078D7, 0x0078D7, 0xFFFFFF};
    tones.Hover = {0xE5F1FB, 0, 0};
    grid.SetColorTones(tones);
    EXPECT_EQ(grid.Look(), glClassic);
    EXPECT_TRUE(grid.Appearance().Flat);
    EXPECT_EQ(grid.FixedColor(), 0xC8C8C8u);
    EXPECT_EQ(grid.Color(), 0xFFFFFFu);
    EXPECT_EQ(grid.Font().Color(), 0x111111u);
    EXPECT_EQ(grid.Appearance().SelectionColor, 0x0078D7u);
    EXPECT_EQ(grid.Appearance().SelectionTextColor, 0xFFFFFFu);
    EXPECT_EQ(grid.GridLineColor(), 0xE6E6E6u);
    EXPECT_EQ(grid.GridFixedLineColor(), 0xA0A0A0u) << "the foreground less a fifth";
    EXPECT_FALSE(grid.BorderSingle());
    EXPECT_EQ(grid.ControlLook().ControlStyle, csGlyph);
    EXPECT_EQ(grid.ControlLook().CheckedGlyph.size(), QSize(16, 16));
    EXPECT_TRUE(grid.ControlLook().FlatButton);
    EXPECT_EQ(grid.ColorTones(), tones);
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    EXPECT_EQ(grid.SearchFooter().Color(), 0xC8C8C8u);
    EXPECT_EQ(grid.SearchFooter().ColorTo(), 0xC8C8C8u);
}

TEST(GridLooks, LookNamesAndCustomGivesTheTextBack)
{
    EXPECT_EQ(TExStringGrid::GridLookName(glOffice2007), "glOffice2007");
    EXPECT_EQ(TExStringGrid::GridLookName(glStandard), "glStandard");
    EXPECT_EQ(TExStringGrid::GridLookDisplayName(glXP), "Windows XP");
    EXPECT_EQ(TExStringGrid::GridLookDisplayName(glWin7), "Windows 7");
    EXPECT_EQ(TExStringGrid::GridLookName(glCustom, "kept"), "kept");
    EXPECT_EQ(TExStringGrid::GridLookDisplayName(glCustom, "kept"), "kept");
}

TEST(GridLooks, ControlLookAssignCopiesTheDropDownHeaderAndFooterIntoItsOwn)
{
    TExStringGrid a;
    TExStringGrid b;
    a.ControlLook().DropDownHeader().Caption = "Pick one";
    a.ControlLook().DropDownHeader().Color = 0x00FF00;
    a.ControlLook().DropDownFooter().Height = 40;
    a.ControlLook().DropDownFooter().SizeGrip = false;
    b.ControlLook().Assign(a.ControlLook());
    EXPECT_EQ(b.ControlLook().DropDownHeader().Caption, "Pick one");
    EXPECT_EQ(b.ControlLook().DropDownHeader().Color, 0x00FF00u);
    EXPECT_EQ(b.ControlLook().DropDownFooter().Height, 40);
    EXPECT_FALSE(b.ControlLook().DropDownFooter().SizeGrip);
    a.ControlLook().DropDownHeader().Caption = "changed later";
    EXPECT_EQ(b.ControlLook().DropDownHeader().Caption, "Pick one") << "a copy, not a shared header";
}

// The Office 2010 scheme written into the store, as Office writes it.
struct OfficeScheme : testsupport::OfficeSchemeStore {
    void SetUp() override { platform::installSettingsStore(&store); }
    void TearDown() override
    {
        delete SharedThemeNotifier(nullptr);
        platform::installSettingsStore(nullptr);
    }
};

template <class Done>
bool serveUntil(Done done)
{
    return testsupport::processEventsUntil(done, std::chrono::seconds(10));
}

TEST_F(OfficeScheme, AutoThemeAdaptTakesTheSchemeAndFollowsItsChange)
{
    install2010();
    TExStringGrid grid;
    grid.setAutoThemeAdapt(true);
    EXPECT_EQ(grid.ComponentStyle(), tsOffice2010Blue);
    EXPECT_EQ(grid.Appearance().FenloGradientFrom, 0xF5E7DAu);

    platform::TSettingsStore otherProgram(dir.path());
    setTheme(otherProgram, 3);
    ASSERT_TRUE(serveUntil([&] { return grid.ComponentStyle() == tsOffice2010Black; }));
    EXPECT_EQ(grid.Appearance().FenloGradientFrom, 0x6A6A6Au);

    EXPECT_EQ(SharedThemeNotifier(nullptr)->Windows().Count(), 1);
    grid.setAutoThemeAdapt(false);
    EXPECT_EQ(SharedThemeNotifier(nullptr)->Windows().Count(), 0) << "switched off, the grid hears no more";
}

TEST_F(OfficeScheme, AGridLoadedFollowingTheSchemeHearsItsChange)
{
    install2010();
    TExStringGrid grid;
    grid.BeginLoading();
    grid.setAutoThemeAdapt(true);
    grid.EndLoading();
    EXPECT_EQ(grid.ComponentStyle(), tsOffice2010Blue);
    ASSERT_EQ(SharedThemeNotifier(nullptr)->Windows().Count(), 1) << "registered once loaded";

    platform::TSettingsStore otherProgram(dir.path());
    setTheme(otherProgram, 2);
    EXPECT_TRUE(serveUntil([&] { return grid.ComponentStyle() == tsOffice2010Silver; }));
}

} // namespace
