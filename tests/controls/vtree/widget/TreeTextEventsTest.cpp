#include "TreeWidgetProbe.h"

#include <gtest/gtest.h>

namespace vtreetest {
namespace {

using platform::TRect;

// Three columns of 80, 100 and 60 pixels; each cell's text by column.
class TreeTextEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.resize(300, 100);
        for (int width : {80, 100, 60})
            tree.Header()->Columns().Add().SetWidth(width);
        tree.OnGetText = [this](TreeSender, PLazyNode, TColumnIndex Column, TLSTTextType Type, QString &Text) {
            Text = Type == TLSTTextType::ttNormal ? cellTexts.value(std::max(Column, 0)) : QString();
        };
        node = tree.addNodes(1);
    }

    // How many pixel rows of the first 30 hold ink.
    static int inkHeight(const QImage &image)
    {
        int top = 30, bottom = -1;
        for (int y = 0; y < 30; ++y)
            if (ink(image, 0, 200, y, y + 1) > 0) {
                top = std::min(top, y);
                bottom = y;
            }
        return bottom - top + 1;
    }

    // Dark pixels in the columns [from, to) of the rows [top, bottom).
    static int ink(const QImage &image, int from, int to, int top = 0, int bottom = 18)
    {
        int dark = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = from; x < to; ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    }

    void setAuto(TLTAutoOption option)
    {
        tree.TreeOptions().SetAutoOptions(tree.TreeOptions().AutoOptions() + option);
    }

    TreeWidgetProbe tree;
    QStringList cellTexts{QStringLiteral("main"), QStringLiteral("b"), QStringLiteral("a caption far too long")};
    PLazyNode node = nullptr;
};

TEST_F(TreeTextEventsTest, ATextTooWideForItsColumnIsShortenedByTheHandlerFirst)
{
    struct Case {
        bool done;
        bool inkInTheLastColumn;
    };
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        int calls = 0;
        int space = 0;
        tree.OnShortenString = [&](TreeSender, TCanvasPtr, PLazyNode, TColumnIndex Column, const QString &S, int TextSpace,
                                   QString &Result, bool &Done) {
            ++calls;
            EXPECT_EQ(Column, 2);
            EXPECT_EQ(S, cellTexts[2]);
            space = TextSpace;
            Result.clear();
            Done = c.done;
        };
        const QImage image = tree.paintToImage();
        EXPECT_EQ(calls, 1) << "only the text that does not fit";
        // The column's 60 pixels less the margin and a text margin on each side.
        EXPECT_EQ(space, 60 - 4 - 2 * 4);
        EXPECT_EQ(ink(image, 184, 236) > 0, c.inkInTheLastColumn) << c.done;
        EXPECT_EQ(ink(image, 236, 300), 0);
    }
    // Without columns nothing is shortened, so nobody is asked.
    tree.Header()->Columns().Clear();
    int calls = 0;
    tree.OnShortenString = [&](TreeSender, TCanvasPtr, PLazyNode, TColumnIndex, const QString &, int, QString &, bool &) {
        ++calls;
    };
    tree.paintToImage();
    EXPECT_EQ(calls, 0);
}

TEST_F(TreeTextEventsTest, OnPaintTextSetsTheFontTheTextIsMeasuredAndDrawnIn)
{
    tree.Header()->Columns().Clear();
    tree.SetNodeHeight(node, 30);
    const int plain = tree.MeasureNodeWidth(nullptr, node, NoColumn);
    const int plainHeight = inkHeight(tree.paintToImage());
    int normal = 0;
    tree.OnPaintText = [&](TreeSender, TCanvasPtr Canvas, PLazyNode, TColumnIndex, TLSTTextType Type) {
        normal += Type == TLSTTextType::ttNormal;
        platform::FontStyle bold;
        bold.bold = true;
        Canvas->Font().setStyle(bold);
        Canvas->Font().setHeight(-20);
    };
    tree.ClearCachedTextWidths();
    const int big = tree.MeasureNodeWidth(nullptr, node, NoColumn);
    EXPECT_GT(big, plain + 10);
    EXPECT_EQ(normal, 1);
    // The painted text is as tall as the handler's font.
    EXPECT_GT(inkHeight(tree.paintToImage()), plainHeight + 3);
}

TEST_F(TreeTextEventsTest, OnDrawTextMayDrawInsteadOfTheTree)
{
    TRect drawnIn;
    QStringList texts;
    tree.OnDrawText = [&](TreeSender, TCanvasPtr, PLazyNode, TColumnIndex Column, const QString &Text, QRect CellRect,
                          bool &DefaultDraw) {
        texts << Text;
        if (Column == 1)
            drawnIn = platform::fromQRect(CellRect);
        DefaultDraw = Column != 1;
    };
    const QImage image = tree.paintToImage();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], QStringLiteral("main"));
    EXPECT_EQ(texts[1], QStringLiteral("b"));
    EXPECT_TRUE(texts[2].startsWith(u'a') && texts[2].endsWith(QStringLiteral("..."))) << texts[2].toStdString();
    // The cell less the margin and the text margins.
    EXPECT_EQ(drawnIn.Left, 80 + 4 + 4);
    EXPECT_EQ(drawnIn.Right, 180 - 4);
    EXPECT_EQ(ink(image, 82, 178), 0) << "the handler drew nothing";
    EXPECT_GT(ink(image, 0, 78), 0);
}

TEST_F(TreeTextEventsTest, TheMeasuringEventsHaveTheLastWord)
{
    tree.Header()->Columns().Clear();
    const int plain = tree.MeasureNodeWidth(nullptr, node, NoColumn);
    tree.OnMeasureTextWidth = [](TreeSender, TCanvasPtr, PLazyNode, TColumnIndex, const QString &Text, int &Extent) {
        EXPECT_EQ(Text, QStringLiteral("main"));
        Extent += 100;
    };
    tree.ClearCachedTextWidths();
    EXPECT_EQ(tree.MeasureNodeWidth(nullptr, node, NoColumn), plain + 100);
}

TEST_F(TreeTextEventsTest, AMultilineCellWrapsItsTextAndMeasuresItsHeight)
{
    cellTexts[0] = QStringLiteral("one two three four five");
    const int line = tree.TextHeight();
    ASSERT_GT(line, 8);
    EXPECT_EQ(tree.ComputeNodeHeight(nullptr, node, 0), line) << "single line";
    tree.SetMultiline(node, true);
    // 80 pixels less margins and indentation leave room for about one word a line.
    const int wrapped = tree.ComputeNodeHeight(nullptr, node, 0);
    EXPECT_GE(wrapped, 3 * line);
    EXPECT_EQ(wrapped % line, 0);
    EXPECT_EQ(tree.MeasureNodeWidth(nullptr, node, 0), 80) << "a multiline cell takes its column";
    // Measured as the row's height, the lines are painted one under the other.
    tree.TreeOptions().SetMiscOptions(tree.TreeOptions().MiscOptions() + TLTMiscOption::toVariableNodeHeight);
    tree.OnMeasureItem = [this](TreeSender, TCanvasPtr Canvas, PLazyNode Node, int &Height) {
        Height = tree.ComputeNodeHeight(Canvas, Node, 0);
    };
    tree.InvalidateNode(node);
    EXPECT_EQ(int(tree.GetNodeHeight(node)), wrapped);
    const QImage image = tree.paintToImage();
    for (int row = 0; row < 3; ++row)
        EXPECT_GT(ink(image, 0, 80, row * line, (row + 1) * line), 0) << "line " << row;
}

TEST_F(TreeTextEventsTest, TheEditorGetsTheTextTheFontAndARectOneLineHigh)
{
    tree.Header()->Columns().Clear();
    platform::TFont font;
    TRect r;
    QString text;
    tree.GetTextInfo(node, NoColumn, font, r, text);
    EXPECT_EQ(text, QStringLiteral("main"));
    EXPECT_TRUE(font.sameLook(tree.TreeFont()));
    const TRect cell = tree.GetDisplayRect(node, NoColumn, true, true);
    EXPECT_EQ(r.Left, cell.Left);
    const int half = (cell.Height() - tree.TextHeight()) / 2;
    ASSERT_GT(half, 0);
    EXPECT_EQ(r.Top, cell.Top + half);
    EXPECT_EQ(r.Bottom, cell.Bottom - half);
    // A handler's font reaches the editor, with its own line height.
    tree.OnPaintText = [](TreeSender, TCanvasPtr Canvas, PLazyNode, TColumnIndex, TLSTTextType) {
        Canvas->Font().setHeight(-16);
    };
    tree.GetTextInfo(node, NoColumn, font, r, text);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_GT(r.Height(), cell.Height() - 2 * half);
}

TEST_F(TreeTextEventsTest, ANewFontBringsNewMetricsAndForgetsEveryWidth)
{
    tree.Header()->Columns().Clear();
    tree.MeasureNodeWidth(nullptr, node, NoColumn);
    ASSERT_GT(tree.CachedTextWidth(node), 0u);
    const int height = tree.TextHeight();
    const int ellipsis = tree.EllipsisWidth();
    platform::TFont larger;
    larger.Assign(tree.TreeFont());
    larger.setHeight(-22);
    tree.SetTreeFont(larger);
    EXPECT_GT(tree.TextHeight(), height);
    EXPECT_GT(tree.EllipsisWidth(), ellipsis);
    EXPECT_EQ(tree.CachedTextWidth(node), 0u);
    // A font set on the window through Qt becomes the tree's font.
    QFont qfont = tree.font();
    qfont.setPixelSize(18);
    tree.setFont(qfont);
    EXPECT_EQ(tree.TreeFont().Height(), -18);
}

TEST_F(TreeTextEventsTest, ATextSpansOverEmptyCellsWithAutoSpan)
{
    cellTexts = QStringList{QStringLiteral("a first caption much wider than its column"), QString(), QString()};
    EXPECT_EQ(ink(tree.paintToImage(), 82, 180), 0) << "clipped to its own cell";
    setAuto(TLTAutoOption::toAutoSpanColumns);
    EXPECT_GT(ink(tree.paintToImage(), 82, 180), 0) << "over the empty second cell";
    // A right-to-left neighbour stops the span.
    tree.Header()->Columns()[1].SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(ink(tree.paintToImage(), 82, 180), 0);
}

} // namespace
} // namespace vtreetest
