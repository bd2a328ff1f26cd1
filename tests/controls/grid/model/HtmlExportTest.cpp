#include "GridFixture.h"

#include "controls/grid/model/HtmlSettings.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/FileRead.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;

namespace {

class HtmlExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.setFixedRows(0);
        grid.setFixedCols(0);
        grid.setColCount(2);
        grid.setRowCount(2);
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    // The table's lines, the style block left out.
    QStringList tableLines()
    {
        const QString html = grid.SaveToHTMLString(dir.path() + u'/');
        const qsizetype at = html.indexOf(QStringLiteral("<TABLE"));
        return html.mid(at).split(QStringLiteral("\r\n"));
    }
    static QString cellText(const QString &line)
    {
        const qsizetype open = line.indexOf(u'>');
        return line.mid(open + 1, line.size() - open - 1 - 5);
    }

    QTemporaryDir dir;
    TExStringGrid grid;
};

TEST_F(HtmlExport, ATwoByTwoGridGivesTheDefaultTable)
{
    stringgridtest::fillLabels(grid);
    const QStringList lines = tableLines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">"));
    EXPECT_EQ(lines[1], QStringLiteral("<TR>"));
    EXPECT_EQ(lines[2], QStringLiteral("<TD class=\"c0\" nowrap>0:0</td>"));
    EXPECT_EQ(lines[5], QStringLiteral("<TR>"));
    EXPECT_EQ(cellText(lines[7]), QStringLiteral("1:1"));
    EXPECT_EQ(lines[9], QStringLiteral("</TABLE>"));
    // Four cells of one look share one class, listed once.
    const QString html = grid.SaveToHTMLString(QString());
    EXPECT_EQ(html.count(QStringLiteral(".c")), 1);
}

struct CellCase {
    const char *name;
    QString text;
    bool urlShow;
    bool urlFull;
    QString html;
};

class HtmlCell : public HtmlExport, public ::testing::WithParamInterface<CellCase> {};

TEST_P(HtmlCell, ExportsAs)
{
    grid.Appearance().URLShow = GetParam().urlShow;
    grid.Appearance().URLFull = GetParam().urlFull;
    grid.setCells(0, 0, GetParam().text);
    EXPECT_EQ(cellText(tableLines()[2]), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HtmlCell,
    ::testing::Values(
        CellCase{"empty", "", false, false, "&nbsp;"},
        CellCase{"blank", "  ", false, false, "&nbsp;"},
        CellCase{"twoLines", "a\r\nb", false, false, "a<br>\nb"},
        CellCase{"plainStaysRaw", "<b>x</b> & y", false, false, "<b>x</b> & y"},
        CellCase{"urlShort", "http://example.org/a", true, false,
                 "<a href=\"http://example.org/a\">example.org/a</a>"},
        CellCase{"urlFull", "http://example.org/a", true, true,
                 "<a href=\"http://example.org/a\">http://example.org/a</a>"},
        CellCase{"urlOff", "http://example.org/a", false, false, "http://example.org/a"},
        CellCase{"quotedTarget", "http://x/\"onmouseover=\"y", true, true,
                 "<a href=\"http://x/&quot;onmouseover=&quot;y\">http://x/\"onmouseover=\"y</a>"},
        CellCase{"mailto", "mailto:a@b.c", true, false, "<a href=\"mailto:a@b.c\">a@b.c</a>"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(HtmlExport, AMergedPairIsOneCellWithColspan)
{
    grid.MergeCells(0, 0, 2, 1);
    const QStringList lines = tableLines();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("<TD class=\"c0\" COLSPAN=\"2\""))) << lines[2].toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("</TR>"));
}

TEST_F(HtmlExport, XhtmlFramesTheDocument)
{
    grid.HTMLSettings().XHTML = true;
    const QString html = grid.SaveToHTMLString(QString());
    EXPECT_TRUE(html.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!DOCTYPE html PUBLIC")));
    EXPECT_TRUE(html.contains(QStringLiteral("xml:lang=\"en\" lang=\"en\">\r\n<style>")));
    EXPECT_TRUE(html.endsWith(QStringLiteral("</TABLE>\r\n</HTML>")));
}

TEST_F(HtmlExport, AFileWithoutUnicodeWritesReferencesAndOpensOnlyItself)
{
    grid.setCells(0, 0, QStringLiteral("é€"));
    QStringList opened;
    grid.DocumentOpener = [&](const QString &file) { opened << file; };
    grid.SaveToHTML(path("a.html"));
    EXPECT_TRUE(opened.isEmpty());
    const QByteArray bytes = platform::readWholeFile(path("a.html")).bytes;
    EXPECT_TRUE(bytes.contains("&#233;&#8364;"));
    EXPECT_FALSE(bytes.contains('?'));
    grid.HTMLSettings().AutoPreview = true;
    grid.SaveToHTML(path("b.html"), false, true);
    EXPECT_EQ(opened, QStringList{path("b.html")});
    EXPECT_TRUE(platform::readWholeFile(path("b.html")).bytes.startsWith("\xFF\xFE<\0"));
}

TEST_F(HtmlExport, AppendKeepsTheOldLinesAndAddsHeaderAndFooter)
{
    QFile header(path("h.txt"));
    ASSERT_TRUE(header.open(QIODevice::WriteOnly));
    header.write("<p>head</p>\r\n");
    header.close();
    QFile old(path("c.html"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("<p>old</p>\r\n");
    old.close();
    grid.HTMLSettings().HeaderFile = path("h.txt");
    grid.AppendToHTML(path("c.html"));
    const QByteArray bytes = platform::readWholeFile(path("c.html")).bytes;
    EXPECT_TRUE(bytes.startsWith("<p>old</p>\r\n<p>head</p>\r\n<style>"));
    EXPECT_TRUE(bytes.endsWith("</TABLE>\r\n"));
}

TEST_F(HtmlExport, SettingsAssignLeavesImagesAndWidths)
{
    THTMLSettings a;
    a.BorderSize = 3;
    a.ExportImages = false;
    a.ColWidths().Add(5);
    THTMLSettings b;
    b.Assign(a);
    EXPECT_EQ(b.BorderSize, 3);
    EXPECT_TRUE(b.ExportImages);
    EXPECT_EQ(b.ColWidths().Count(), 0);
}

class AsciiExport : public HtmlExport {};

TEST_F(AsciiExport, PadsEachColumnToItsLongestLinePlusOne)
{
    grid.setCells(0, 0, QStringLiteral("12345"));
    grid.setCells(0, 1, QStringLiteral("42"));
    grid.setAlignments(0, 1, taRightJustify);
    grid.setCells(1, 0, QStringLiteral("ab"));
    grid.SaveToASCII(path("a.txt"));
    EXPECT_EQ(platform::readWholeFile(path("a.txt")).bytes, QByteArray("12345 ab \r\n   42    \r\n"));
}

TEST_F(AsciiExport, FurtherLinesGoToContinuationLines)
{
    grid.Multilinecells = true;
    grid.Appearance().Multilinecells = true;
    grid.setCells(0, 0, QStringLiteral("abc"));
    grid.setCells(1, 0, QStringLiteral("x\r\ny"));
    grid.setRowCount(1);
    grid.SaveToASCII(path("m.txt"));
    EXPECT_EQ(platform::readWholeFile(path("m.txt")).bytes, QByteArray("abc x \r\n    y \r\n"));
}

TEST_F(AsciiExport, ColumnsBeyondFiveHundredTwelveAndLongTextsKeepTheirWidths)
{
    grid.setColCount(514);
    grid.setRowCount(1);
    const QString longText(300, u'w');
    grid.setCells(513, 0, longText);
    grid.setCells(0, 0, longText);
    grid.SaveToASCII(path("w.txt"));
    const QByteArray bytes = platform::readWholeFile(path("w.txt")).bytes;
    EXPECT_EQ(bytes.size(), 301 + 512 + 301 + 2);
    EXPECT_TRUE(bytes.endsWith(longText.toLatin1() + " \r\n"));
}

} // namespace
