#include "controls/dropdown/core/StyleTables.h"

#include <gtest/gtest.h>

using namespace controls;
using platform::clNone;

namespace {

TEST(StyleTables, Office2007LunaIsTheDefaultLook)
{
    const auto luna = dropDownStyleColors(tsOffice2007Luna);
    ASSERT_TRUE(luna);
    EXPECT_EQ(luna->DropDownColor, 0xF3E5DAu);
    EXPECT_EQ(luna->DropDownColorTo, 0xF0DED0u);
    EXPECT_EQ(luna->DropDownBorderColor, clNone);
    EXPECT_EQ(luna->Header.Color, 0xFFEFE3u);
    EXPECT_EQ(luna->Header.ColorTo, 0xFFD2AFu);
    EXPECT_EQ(luna->Header.FontColor, 0x723708u);
    EXPECT_EQ(luna->Header.BorderColor, 0xFFD2AFu);
    EXPECT_EQ(luna->Buttons.Color, 0xFFEFE3u);
    EXPECT_EQ(luna->Buttons.ColorTo, 0xFFDDC4u);
    EXPECT_EQ(luna->Buttons.ColorHot, 0xEBFDFFu);
}

TEST(StyleTables, FootersDifferWhereTheStyleSaysSo)
{
    const auto blue = dropDownStyleColors(tsOffice2003Blue);
    EXPECT_EQ(blue->Header.BorderColor, 0x000000u);
    EXPECT_EQ(blue->Footer.BorderColor, 0x962D00u);
    EXPECT_FALSE(blue->DropDownBorderColor) << "kept";
    const auto vista = dropDownStyleColors(tsWindowsVista);
    EXPECT_EQ(vista->Footer.Color, vista->Header.ColorTo);
    EXPECT_EQ(vista->Footer.ColorTo, vista->Header.Color);
    EXPECT_EQ(vista->DropDownBorderColor, 0x979797u);
    const auto office2010 = dropDownStyleColors(tsOffice2010Black);
    EXPECT_EQ(office2010->Buttons.ColorHotTo, clNone);
    EXPECT_EQ(office2010->Buttons.BorderColorDown, 0x308AC2u);
}

TEST(StyleTables, EveryStyleButCustomHasColours)
{
    for (int s = tsOffice2003Blue; s <= tsOffice2010Black; ++s) {
        const auto colors = dropDownStyleColors(TFenloStyle(s));
        EXPECT_EQ(colors.has_value(), s != tsCustom) << s;
        if (colors && s != tsOffice2003Blue && s != tsWindowsVista) {
            EXPECT_EQ(colors->Footer.Color, colors->Header.Color) << s;
            EXPECT_EQ(colors->Footer.BorderColor, colors->Header.BorderColor) << s;
        }
    }
}

TEST(StyleTables, SelectionStyles)
{
    struct Case {
        TSelectionColorStyle style;
        platform::TColor color, colorTo, edge, mirror;
    };
    const Case cases[] = {
        {scOffice2007, 0xD7FFFD, 0x58D4FC, 0x8DD7D3, 0x58D4FC},
        {scWindowsVista, 0xFDF8F1, 0xFCEFD5, 0xFDDE99, clNone},
        {scWindows7, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, clNone},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(selectionStyleColors(c.style)->SelectionColor, c.color);
        EXPECT_EQ(selectionStyleColors(c.style)->SelectionColorTo, c.colorTo);
        EXPECT_EQ(selectionFaceColors(c.style)->Edge, c.edge);
        EXPECT_EQ(selectionFaceColors(c.style)->MirrorColor, c.mirror);
    }
    EXPECT_FALSE(selectionStyleColors(scCustom));
    EXPECT_FALSE(selectionFaceColors(scCustom));
}

} // namespace
