#include "controls/dropdown/core/MultiColumnStyles.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace controls::multicol;
using platform::clNone;

namespace {

TEST(MultiColumnStyles, LinesPerSelectionStyle)
{
    EXPECT_EQ(selectionLineColors(scOffice2007)->LineColor, 15855083);
    EXPECT_EQ(selectionLineColors(scOffice2007)->FixedLineColor, 13745060);
    EXPECT_EQ(selectionLineColors(scWindowsVista)->LineColor, 15527152);
    EXPECT_EQ(selectionLineColors(scWindows7)->FixedLineColor, 13947601);
    EXPECT_FALSE(selectionLineColors(scCustom));
}

TEST(MultiColumnStyles, OrdinalTable)
{
    struct Row {
        TFenloStyle style;
        platform::TColor header, headerTo;
        std::optional<platform::TColor> font;
        TSelectionColorStyle selection;
        platform::TColor line, fixedLine;
    };
    const Row rows[] = {
        {tsOffice2003Blue, 14059353, 9648131, 16777215, scOffice2007, 9841920, 9841920},
        {tsOffice2003Silver, 12428453, 9794677, std::nullopt, scOffice2007, 9731196, 9731196},
        {tsOffice2003Olive, 8569007, 4487779, std::nullopt, scOffice2007, 5800032, 5800032},
        {tsOffice2003Classic, 8421504, 8421504, std::nullopt, scOffice2007, 8421504, 8421504},
        {tsOffice2007Luna, 16773091, 16765615, 7485192, scOffice2007, 16765615, 16765615},
        {tsOffice2007Obsidian, 15921648, 13222589, 4406327, scOffice2007, 6050636, 6050636},
        {tsWindowsXP, platform::clBtnFace, platform::clBtnFace, 0, scCustom, 12632256, 0},
        {tsWhidbey, 15462127, 8296600, 16777215, scOffice2007, 9841920, 9841920},
        {tsOffice2007Silver, 16316406, 15261915, 9126421, scOffice2007, 7630959, 7630959},
        {tsWindowsVista, 16776697, 16775920, 0, scWindowsVista, 16577242, 16577242},
        {tsWindows7, 16645114, 16643051, 0, scWindows7, 16504504, 16504504},
        {tsTerminal, platform::clBtnFace, platform::clBtnFace, 0, scCustom, 8421504, 8421504},
        {tsOffice2010Blue, 15588301, clNone, 5978398, scCustom, 15654351, 15654351},
        {tsOffice2010Silver, 15591909, clNone, 5978398, scCustom, 15654351, 15654351},
        {tsOffice2010Black, 8553090, clNone, 14145494, scCustom, 15654351, 15654351},
    };
    for (const Row &r : rows) {
        const auto c = multiColumnStyleColors(r.style);
        ASSERT_TRUE(c) << int(r.style);
        EXPECT_EQ(c->HeaderColor, r.header) << int(r.style);
        EXPECT_EQ(c->HeaderColorTo, r.headerTo) << int(r.style);
        EXPECT_EQ(c->HeaderFontColor, r.font) << int(r.style);
        EXPECT_EQ(c->SelectionColorStyle, r.selection) << int(r.style);
        EXPECT_EQ(c->Lines.LineColor, r.line) << int(r.style);
        EXPECT_EQ(c->Lines.FixedLineColor, r.fixedLine) << int(r.style);
    }
    EXPECT_FALSE(multiColumnStyleColors(tsCustom));
}

TEST(MultiColumnStyles, CustomSelections)
{
    const auto xp = multiColumnStyleColors(tsWindowsXP);
    ASSERT_TRUE(xp->Selection);
    EXPECT_EQ(xp->Selection->SelectionColor, platform::clHighlight);
    EXPECT_EQ(xp->SelectionTextColor, platform::clHighlightText);
    EXPECT_EQ(multiColumnStyleColors(tsTerminal)->SelectionTextColor, platform::clHighlightText);
    const auto black = multiColumnStyleColors(tsOffice2010Black);
    EXPECT_EQ(black->Selection->SelectionColorTo, 7131391);
    EXPECT_EQ(black->SelectionTextColor, 0);
    EXPECT_FALSE(multiColumnStyleColors(tsOffice2007Luna)->Selection);
}

} // namespace
