#include "platform/draw/Pixels.h"

#include "controls/grid/base/FakeThemeLibrary.h"
#include "controls/grid/base/paint/CellButtons.h"
#include "platform/draw/Edges.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using namespace drawtest;
using controls::test::FakeThemeLibrary;
using controls::test::ThemeCall;

namespace {

const TRect Cell = Rect(0, 0, 40, 20);

TColorTones tones()
{
    TColorTones t;
    t.Background = {clSilver, clBlack, clBlue};
    t.Hover = {clYellow, clRed, clBlack};
    t.Selected = {clAqua, clBlue, clBlack};
    t.Disabled = {clGray, clBlack, clWhite};
    return t;
}

using Draw = void (*)(TCanvas &, const QObject *, const TRect &, TButtonLook, TButtonState, const TColorTones &);

QImage drawn(Draw draw, TButtonLook look, TButtonState state)
{
    QImage image = whiteImage(Cell.Width(), Cell.Height());
    TCanvas canvas(&image);
    draw(canvas, nullptr, Cell, look, state, tones());
    return image;
}

// What the system's frame controls draw in the same places.
QImage framed(std::initializer_list<std::pair<TRect, unsigned>> parts, unsigned kind)
{
    QImage image = whiteImage(Cell.Width(), Cell.Height());
    TCanvas canvas(&image);
    for (const auto &[rect, state] : parts)
        DrawFrameControl(canvas, rect, kind, state);
    return image;
}

const TRect DropDown = Rect(21, 1, 38, 19);
const TRect SpinUp = Rect(24, -1, 39, 9);
const TRect SpinDown = Rect(24, 9, 39, 19);

} // namespace

TEST(CellButtons, ClassicAndFlatLooksAreTheSystemFrameControlsInPlace)
{
    const struct {
        TButtonLook look;
        TButtonState state;
        unsigned extra;
    } cases[] = {
        {TButtonLook::Classic, TButtonState::Normal, 0},
        {TButtonLook::Classic, TButtonState::Disabled, DFCS_INACTIVE},
        {TButtonLook::Flat, TButtonState::Hot, DFCS_FLAT},
        {TButtonLook::Flat, TButtonState::Disabled, DFCS_FLAT | DFCS_INACTIVE},
        // No theme library here: the themed look is the classic one.
        {TButtonLook::Themed, TButtonState::Normal, 0},
    };
    for (const auto &c : cases) {
        const int look = int(c.look), state = int(c.state);
        EXPECT_EQ(drawn(DrawDropDownButton, c.look, c.state),
                  framed({{DropDown, DFCS_SCROLLCOMBOBOX | c.extra}}, DFC_SCROLL))
            << look << " " << state;
        EXPECT_EQ(drawn(DrawSpinButtons, c.look, c.state),
                  framed({{SpinUp, DFCS_SCROLLUP | c.extra}, {SpinDown, DFCS_SCROLLDOWN | c.extra}}, DFC_SCROLL))
            << look << " " << state;
    }
    const unsigned pushStates[] = {0, DFCS_HOT, DFCS_PUSHED, DFCS_INACTIVE};
    for (int state = 0; state < 4; ++state)
        for (const TButtonLook look : {TButtonLook::Classic, TButtonLook::Flat, TButtonLook::Themed})
            EXPECT_EQ(drawn(DrawPushButton, look, TButtonState(state)),
                      framed({{Cell, DFCS_BUTTONPUSH | pushStates[state] | (look == TButtonLook::Flat ? DFCS_FLAT : 0)}},
                             DFC_BUTTON))
                << int(look) << " " << state;
}

TEST(CellButtons, TheThemedLookAsksTheThemeLibraryForItsPartsAndStates)
{
    FakeThemeLibrary library;
    library.install();
    const struct {
        Draw draw;
        TButtonState state;
        std::vector<ThemeCall> calls;
    } cases[] = {
        {DrawDropDownButton, TButtonState::Normal, {{"combobox", 1, 1, DropDown}}},
        {DrawDropDownButton, TButtonState::Hot, {{"combobox", 1, 1, DropDown}}},
        {DrawDropDownButton, TButtonState::Disabled, {{"combobox", 1, 4, DropDown}}},
        {DrawPushButton, TButtonState::Normal, {{"button", 1, 1, Cell}}},
        {DrawPushButton, TButtonState::Hot, {{"button", 1, 2, Cell}}},
        {DrawPushButton, TButtonState::Down, {{"button", 1, 3, Cell}}},
        {DrawPushButton, TButtonState::Disabled, {{"button", 1, 4, Cell}}},
        {DrawSpinButtons, TButtonState::Down, {{"spin", 1, 1, SpinUp}, {"spin", 2, 1, SpinDown}}},
        {DrawSpinButtons, TButtonState::Disabled, {{"spin", 1, 4, SpinUp}, {"spin", 2, 4, SpinDown}}},
    };
    for (const auto &c : cases) {
        library.drawn.clear();
        const QImage image = drawn(c.draw, TButtonLook::Themed, c.state);
        EXPECT_EQ(library.drawn, c.calls) << int(c.state);
        EXPECT_EQ(image, whiteImage(Cell.Width(), Cell.Height())) << "the library draws, nothing else";
    }
    EXPECT_EQ(library.closed, library.opened) << "every theme opened is closed";
}

TEST(CellButtons, ALibraryWithoutAnEntryPointTheGridUsesLeavesTheClassicLook)
{
    FakeThemeLibrary library;
    library.entries.GetCurrentThemeName = nullptr;
    library.install();
    ASSERT_FALSE(ExXPVS().Loaded());
    EXPECT_EQ(drawn(DrawPushButton, TButtonLook::Themed, TButtonState::Down),
              framed({{Cell, DFCS_BUTTONPUSH | DFCS_PUSHED}}, DFC_BUTTON));
    EXPECT_EQ(drawn(DrawDropDownButton, TButtonLook::Themed, TButtonState::Normal),
              framed({{DropDown, DFCS_SCROLLCOMBOBOX}}, DFC_SCROLL));
    EXPECT_TRUE(library.drawn.empty()) << "nothing is asked of a library that is not bound";
    EXPECT_EQ(library.opened, 0);
}

TEST(CellButtons, OwnColoursTakeTheToneOfTheState)
{
    const TColorTones all = tones();
    for (int state = 0; state < 4; ++state) {
        const TColorTone &tone = toneOf(all, TButtonState(state));
        const QImage push = drawn(DrawPushButton, TButtonLook::Tones, TButtonState(state));
        EXPECT_EQ(colorAt(push, 0, 0), tone.BorderColor) << state;
        EXPECT_EQ(colorAt(push, 5, 5), tone.BrushColor) << state;
        EXPECT_EQ(colorAt(push, 39, 19), tone.BorderColor) << state;
    }
    // The button from x = 24 to 37, the line at 25 in the normal border
    // colour, the arrow below (29, 9)..(35, 9) in the normal text colour.
    const QImage drop = drawn(DrawDropDownButton, TButtonLook::Tones, TButtonState::Hot);
    EXPECT_EQ(picture(drop, 22, 5, 17, 1), "..y#yyyyyyyyyyyy.\n");
    EXPECT_EQ(colorAt(drop, 30, 9), clBlue);
    EXPECT_EQ(colorAt(drop, 32, 11), clBlue);
    EXPECT_EQ(colorAt(drop, 32, 13), clYellow);
    EXPECT_EQ(colorAt(drop, 30, 0), clWhite);

    const QImage spin = drawn(DrawSpinButtons, TButtonLook::Tones, TButtonState::Normal);
    EXPECT_EQ(colorAt(spin, 31, 3), clBlack) << "the up arrow";
    EXPECT_EQ(colorAt(spin, 31, 13), clBlack) << "the down arrow";
    EXPECT_EQ(colorAt(spin, 26, 6), clSilver);
    EXPECT_EQ(colorAt(spin, 23, 6), clWhite);
}
