#include "platform/draw/DrawFlags.h"
#include "platform/draw/TextLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

// Every character 5 pixels wide, lines 10 high: positions are exact.
TextFontInfo monospace()
{
    return {[](QStringView s) { return int(s.size()) * 5; }, 10, 5};
}

// Lines as "text@x,y" for compact comparison.
std::vector<std::string> placed(const TextLayout &layout)
{
    std::vector<std::string> out;
    for (const TextLine &line : layout.lines)
        out.push_back(line.text.toStdString() + "@" + std::to_string(line.x) + "," + std::to_string(line.y));
    return out;
}

struct Case {
    const char *name;
    QString text;
    TRect rect;
    unsigned format;
    std::vector<std::string> lines;
};

} // namespace

TEST(TextLayout, PlacesLinesByTheFlags)
{
    const Case cases[] = {
        {"left top", QStringLiteral("abc"), Rect(10, 20, 110, 70), DT_LEFT, {"abc@10,20"}},
        {"centred", QStringLiteral("abc"), Rect(10, 20, 110, 70), DT_CENTER, {"abc@52,20"}},
        {"right", QStringLiteral("abc"), Rect(10, 20, 110, 70), DT_RIGHT, {"abc@95,20"}},
        {"vertical centre of a single line", QStringLiteral("abc"), Rect(0, 0, 100, 31),
         DT_SINGLELINE | DT_VCENTER, {"abc@0,10"}},
        {"bottom of a single line", QStringLiteral("abc"), Rect(0, 0, 100, 31), DT_SINGLELINE | DT_BOTTOM,
         {"abc@0,21"}},
        {"vertical flags need a single line", QStringLiteral("abc"), Rect(0, 0, 100, 31), DT_VCENTER | DT_BOTTOM,
         {"abc@0,0"}},
        {"line breaks of every kind", QStringLiteral("a\r\nb\nc\rd"), Rect(0, 0, 100, 100), DT_LEFT,
         {"a@0,0", "b@0,10", "c@0,20", "d@0,30"}},
        {"a single line ignores line breaks", QStringLiteral("a\r\nb"), Rect(0, 0, 100, 100), DT_SINGLELINE,
         {"ab@0,0"}},
        {"word break at blanks, blanks at the break dropped", QStringLiteral("aaa bbb  ccc"), Rect(0, 0, 30, 100),
         DT_WORDBREAK, {"aaa@0,0", "bbb@0,10", "ccc@0,20"}},
        {"two words that fit stay together", QStringLiteral("aa bb cc"), Rect(0, 0, 25, 100), DT_WORDBREAK,
         {"aa bb@0,0", "cc@0,10"}},
        {"a word wider than the line breaks inside", QStringLiteral("abcdefgh ij"), Rect(0, 0, 30, 100),
         DT_WORDBREAK, {"abcdef@0,0", "gh ij@0,10"}},
        {"word-broken lines are aligned one by one", QStringLiteral("aaaa b"), Rect(0, 0, 25, 100),
         DT_WORDBREAK | DT_CENTER, {"aaaa@2,0", "b@10,10"}},
        {"prefix resolved", QStringLiteral("&Save && quit"), Rect(0, 0, 200, 20), DT_LEFT, {"Save & quit@0,0"}},
        {"no prefix keeps the ampersands", QStringLiteral("&Save && quit"), Rect(0, 0, 200, 20), DT_NOPREFIX,
         {"&Save && quit@0,0"}},
        {"a lone ampersand at the end shows nothing", QStringLiteral("ab&"), Rect(0, 0, 200, 20), 0, {"ab@0,0"}},
        {"end ellipsis", QStringLiteral("abcdefghij"), Rect(0, 0, 33, 20), DT_END_ELLIPSIS, {"abc...@0,0"}},
        {"end ellipsis when it fits", QStringLiteral("abcdef"), Rect(0, 0, 30, 20), DT_END_ELLIPSIS,
         {"abcdef@0,0"}},
        {"path ellipsis keeps the last part", QStringLiteral("C:\\data\\projects\\file.xml"), Rect(0, 0, 80, 20),
         DT_PATH_ELLIPSIS, {"C:\\d...\\file.xml@0,0"}},
        {"path ellipsis without a folder takes the middle", QStringLiteral("abcdefghij"), Rect(0, 0, 40, 20),
         DT_PATH_ELLIPSIS, {"abc...ij@0,0"}},
        {"edit control leaves out a partly visible line", QStringLiteral("a\nb\nc"), Rect(0, 0, 50, 25),
         DT_EDITCONTROL, {"a@0,0", "b@0,10"}},
        {"edit control with end ellipsis marks the cut", QStringLiteral("aaa bbb ccc"), Rect(0, 0, 30, 20),
         DT_EDITCONTROL | DT_WORDBREAK | DT_END_ELLIPSIS, {"aaa@0,0", "bbb...@0,10"}},
        {"without edit control partial lines stay", QStringLiteral("a\nb\nc"), Rect(0, 0, 50, 25), 0,
         {"a@0,0", "b@0,10", "c@0,20"}},
        {"an empty text is one empty line", QString(), Rect(0, 0, 50, 25), 0, {"@0,0"}},
        {"an inverted rectangle keeps the text at its left", QStringLiteral("ab"), Rect(40, 0, 10, 25),
         DT_SINGLELINE, {"ab@40,0"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(placed(layoutText(c.text, c.rect, c.format, monospace())), c.lines) << c.name;
}

TEST(TextLayout, CalculatedRectangleAndHeight)
{
    const TextFontInfo font = monospace();
    TextLayout l = layoutText(QStringLiteral("aaa bbb ccc"), Rect(5, 5, 45, 5), DT_WORDBREAK | DT_CALCRECT, font);
    EXPECT_EQ(l.bounds, Rect(5, 5, 40, 25)) << "width shrinks to the widest line";
    EXPECT_EQ(l.resultHeight, 20);
    l = layoutText(QStringLiteral("abcdefgh"), Rect(0, 0, 10, 0), DT_WORDBREAK | DT_CALCRECT, font);
    EXPECT_EQ(l.bounds.Right, 10) << "a long word is broken to the width";
    l = layoutText(QStringLiteral("abcd"), Rect(3, 4, 3, 4), DT_SINGLELINE | DT_CALCRECT, font);
    EXPECT_EQ(l.bounds, Rect(3, 4, 23, 14));
    l = layoutText(QStringLiteral("abc"), Rect(0, 0, 100, 30), DT_SINGLELINE | DT_VCENTER, font);
    EXPECT_EQ(l.resultHeight, 20) << "offset from the top to the bottom of the text";
    l = layoutText(QStringLiteral("abc"), Rect(0, 0, 100, 30), DT_SINGLELINE | DT_BOTTOM, font);
    EXPECT_EQ(l.resultHeight, 30);
}

TEST(TextLayout, TabsExpandToStopsOfEightAverageCharacters)
{
    const TextLayout l = layoutText(QStringLiteral("ab\tc\t\td"), Rect(0, 0, 500, 20), DT_EXPANDTABS, monospace());
    ASSERT_EQ(l.lines.size(), 1u);
    const std::vector<TextRun> &runs = l.lines[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].text, QStringLiteral("c"));
    EXPECT_EQ(runs[1].x, 40);
    EXPECT_EQ(runs[2].x, 120);
    EXPECT_EQ(l.lines[0].width, 125);
}

TEST(TextLayout, UnderlinesThePrefixedCharacters)
{
    TextLayout l = layoutText(QStringLiteral("Sa&ve && &quit"), Rect(0, 0, 500, 20), 0, monospace());
    ASSERT_EQ(l.lines[0].underlines.size(), 2u);
    EXPECT_EQ(l.lines[0].underlines[0].x, 10);
    EXPECT_EQ(l.lines[0].underlines[0].width, 5);
    EXPECT_EQ(l.lines[0].underlines[1].x, 35);
    l = layoutText(QStringLiteral("Sa&ve"), Rect(0, 0, 500, 20), DT_HIDEPREFIX, monospace());
    EXPECT_TRUE(l.lines[0].underlines.empty());
    EXPECT_EQ(l.lines[0].text, QStringLiteral("Save"));
    l = layoutText(QStringLiteral("aa &bb"), Rect(0, 0, 12, 20), DT_WORDBREAK, monospace());
    ASSERT_EQ(l.lines.size(), 2u);
    ASSERT_EQ(l.lines[1].underlines.size(), 1u) << "the mark moves with its word to the next line";
    EXPECT_EQ(l.lines[1].underlines[0].x, 0);
}

TEST(TextLayout, EllipsisOnNarrowAndZeroWidths)
{
    const TextFontInfo font = monospace();
    EXPECT_EQ(ellipsizeEnd(QStringLiteral("abc"), 15, font), QStringLiteral("abc"));
    EXPECT_EQ(ellipsizeEnd(QStringLiteral("abcd"), 15, font), QStringLiteral("..."));
    EXPECT_EQ(ellipsizeEnd(QStringLiteral("abcd"), 0, font), QStringLiteral("..."));
    EXPECT_EQ(ellipsizePath(QStringLiteral("a\\bcdefgh"), 25, font), QStringLiteral("...gh"));
    EXPECT_EQ(ellipsizePath(QStringLiteral("a\\b"), 0, font), QStringLiteral("..."));
}
