#include "controls/grid/model/core/CellFinder.h"
#include "controls/grid/model/core/FooterTemplate.h"
#include "controls/grid/model/core/HighlightTags.h"

#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

// A 3 x 3 block at (1..3, 1..3) whose cells named in hits match.
struct Block {
    std::vector<QPoint> hits;
    std::vector<QPoint> visited;
    TFindWalk walk(TFindParams params, QPoint start = {-1, -1})
    {
        TFindWalk w;
        w.Params = params;
        w.Range = TFindRange{1, 3, 1, 3};
        w.Start = start;
        w.CurrentCol = 2;
        w.CurrentRow = 2;
        w.Test = [this](int c, int r) {
            visited.emplace_back(c, r);
            return std::find(hits.begin(), hits.end(), QPoint(c, r)) != hits.end();
        };
        return w;
    }
    // Every hit in order, as FindFirst and FindNext give them.
    std::vector<QPoint> all(TFindParams params)
    {
        std::vector<QPoint> out;
        QPoint p = walkCells(walk(params));
        while (p.x() >= 0 && out.size() < 20) {
            out.push_back(p);
            p = walkCells(walk(params, p));
        }
        return out;
    }
};

} // namespace

TEST(CellFinder, WalksColumnsFirstByDefaultAndRowsFirstLeftRight)
{
    Block b;
    b.hits = {{3, 1}, {1, 3}, {2, 2}};
    EXPECT_EQ(b.all({}), (std::vector<QPoint>{{1, 3}, {2, 2}, {3, 1}}));
    EXPECT_EQ(b.all(fnDirectionLeftRight), (std::vector<QPoint>{{3, 1}, {2, 2}, {1, 3}}));
    EXPECT_EQ(b.all(fnBackward), (std::vector<QPoint>{{3, 1}, {2, 2}, {1, 3}}));
    EXPECT_EQ(b.all(fnBackward | fnDirectionLeftRight), (std::vector<QPoint>{{1, 3}, {2, 2}, {3, 1}}));
}

TEST(CellFinder, EndsAfterTheLastHitWithoutWrapping)
{
    Block b;
    b.hits = {{2, 2}};
    EXPECT_EQ(walkCells(b.walk({}, {2, 2})), QPoint(-1, -1));
    // Started outside the block, it begins again at its first (last) cell.
    EXPECT_EQ(walkCells(b.walk({}, {9, 9})), QPoint(2, 2));
    b.visited.clear();
    walkCells(b.walk(fnBackward, {9, 9}));
    EXPECT_EQ(b.visited.front(), QPoint(3, 3));
}

TEST(CellFinder, CurrentRowRestrictionStepsToTheNextCellOfThatRow)
{
    // Column order inside one row: the cell after a hit is the next column,
    // never the same hit again.
    Block b;
    b.hits = {{1, 2}, {3, 2}, {2, 1}};
    EXPECT_EQ(b.all(fnFindInCurrentRow), (std::vector<QPoint>{{1, 2}, {3, 2}}));
    EXPECT_EQ(b.all(fnFindInCurrentCol), (std::vector<QPoint>{{2, 1}}));
}

TEST(CellFinder, IgnoredColumnsArePassedOverOnlyRowByRow)
{
    Block b;
    b.hits = {{2, 1}};
    const auto ignore2 = [](int c) { return c == 2; };
    TFindWalk rows = b.walk(fnDirectionLeftRight);
    rows.IgnoreColumn = ignore2;
    EXPECT_EQ(walkCells(rows), QPoint(-1, -1));
    TFindWalk cols = b.walk({});
    cols.IgnoreColumn = ignore2;
    EXPECT_EQ(walkCells(cols), QPoint(2, 1));
}

TEST(CellMatcher, Cases)
{
    struct Case {
        const char *search;
        TFindParams params;
        const char *text;
        bool match;
    } cases[] = {
        {"AB", fnMatchStart, "abc", true},
        {"AB", fnMatchStart, "cab", false},
        {"ab", {}, "xABy", true},
        {"ab", fnMatchCase, "xABy", false},
        {"abc", fnMatchFull, "ABC", true},
        {"abc", fnMatchFull, "abcd", false},
        {"", {}, "", false},
        {"", {}, "text", false},
        {"\"\"", {}, "", true},
        {"\"\"", {}, "x", false},
        {"bold", fnIgnoreHTMLTags, "<b>bo</b>ld", true},
        {"bold", {}, "<b>bo</b>ld", false},
        {">5", fnMatchRegular, "7", true},
        {">5", fnMatchRegular, "3", false},
    };
    for (const Case &c : cases) {
        const TCellMatcher m(QString::fromUtf8(c.search), c.params, false);
        EXPECT_EQ(m.matches(QString::fromUtf8(c.text)), c.match) << c.search << " in " << c.text;
    }
}

TEST(ReplaceIgnoringCase, EmptyTextChangesNothing)
{
    EXPECT_EQ(replaceIgnoringCase(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
    EXPECT_EQ(replaceIgnoringCase(QStringLiteral("aBcabc"), QStringLiteral("bC"), QStringLiteral("-")),
              QStringLiteral("a-a-"));
}

TEST(HighlightTags, RoundTripGivesBackEveryText)
{
    const char *texts[] = {"AT&amp;T", "a<b", "<b>bold &amp; T</b>", "plain T", "x &lt; T",
                           "<font color=\"red\">T</font>", "no hit here"};
    for (const char *t : texts) {
        const QString text = QString::fromUtf8(t);
        const QString tagged = tagMatchesInCell(text, QStringLiteral("T"), QStringLiteral("hi"), true);
        EXPECT_EQ(untagCell(tagged, QStringLiteral("hi")), text) << t;
    }
}

TEST(HighlightTags, OnlyHitsAndOnlyTaggedCellsChange)
{
    // No hit: not even escaped.
    EXPECT_EQ(tagMatchesInCell(QStringLiteral("a<b & c"), QStringLiteral("z"), QStringLiteral("hi"), false),
              QStringLiteral("a<b & c"));
    // Never tagged: its entity stays.
    EXPECT_EQ(untagCell(QStringLiteral("AT&amp;T"), QStringLiteral("hi")), QStringLiteral("AT&amp;T"));
    // A hit in a plain text with a less-than sign escapes it.
    EXPECT_EQ(tagMatchesInCell(QStringLiteral("a<b"), QStringLiteral("b"), QStringLiteral("hi"), false),
              QStringLiteral("a&lt;<hi>b</hi>"));
}

TEST(FooterTemplate, Expansion)
{
    const auto cell = [](int c) { return QStringLiteral("c%1").arg(c); };
    EXPECT_EQ(expandFooterTemplate(QStringLiteral("Name: <#2>"), cell), QStringLiteral("Name: c2"));
    EXPECT_EQ(expandFooterTemplate(QStringLiteral("a<#x>b"), cell), QStringLiteral("ab"));
    EXPECT_EQ(expandFooterTemplate(QStringLiteral("<#1> and <#2"), cell), QStringLiteral("c1 and <#2"));
}
