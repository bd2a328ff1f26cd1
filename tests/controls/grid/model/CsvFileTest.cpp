#include "GridFixture.h"

#include "platform/Error.h"
#include "platform/FileRead.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;

namespace {

class CsvFile : public stringgridtest::GridFileTest {
protected:
    void SetUp() override { plainGrid(grid, 2, 2); }
    static void plainGrid(TExStringGrid &g, int cols, int rows)
    {
        g.setFixedRows(0);
        g.setFixedCols(0);
        g.setColCount(cols);
        g.setRowCount(rows);
    }
};

TEST_F(CsvFile, WritesTheFieldRulesAndLoadsThemBack)
{
    grid.setCells(0, 0, QStringLiteral("a,b"));
    grid.setCells(1, 0, QStringLiteral("say \"x\""));
    grid.setCells(0, 1, QStringLiteral("one\r\ntwo"));
    grid.SaveToCSV(path("a.csv"));
    EXPECT_EQ(bytesOf(path("a.csv")), QByteArray("\"a,b\",\"say \"\"x\"\"\"\r\n\"one\x0btwo\",\"\"\r\n"));

    TExStringGrid copy;
    plainGrid(copy, 1, 1);
    copy.LoadFromCSV(path("a.csv"));
    EXPECT_EQ(copy.RowCount(), 2);
    EXPECT_EQ(copy.ColCount(), 2);
    EXPECT_EQ(copy.MaxRowCount(), 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(copy.Cells(c, r), grid.Cells(c, r)) << c << "," << r;
}

TEST_F(CsvFile, EveryLineBreakComesBackAsItWas)
{
    const QString texts[] = {QStringLiteral("a\r\nb"), QStringLiteral("a\rb"), QStringLiteral("a\nb"),
                             QStringLiteral("\"q\"\nr,s\r")};
    plainGrid(grid, 1, 4);
    for (int r = 0; r < 4; ++r)
        grid.setCells(0, r, texts[r]);
    for (const bool unicode : {false, true}) {
        grid.SaveToCSV(path("b.csv"), unicode);
        TExStringGrid copy;
        plainGrid(copy, 1, 1);
        copy.Delimiter = u',';
        copy.LoadFromCSV(path("b.csv"));
        ASSERT_EQ(copy.RowCount(), 4);
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(copy.Cells(0, r), texts[r]) << r;
    }
}

TEST_F(CsvFile, Utf8CarriesAMark)
{
    grid.setCells(0, 0, QStringLiteral("€"));
    grid.SaveToCSV(path("u.csv"), true);
    EXPECT_TRUE(bytesOf(path("u.csv")).startsWith("\xEF\xBB\xBF\xE2\x82\xAC,"));
}

TEST_F(CsvFile, ASemicolonFileIsDetectedOverAQuotedComma)
{
    write(path("s.csv"), "a;b;\"x,y\";d\r\n1;2;\"3,4\";5\r\n");
    grid.LoadFromCSV(path("s.csv"));
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("x,y"));
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("5"));
    EXPECT_TRUE(grid.Delimiter.isNull());
}

TEST_F(CsvFile, HeaderLineAndMaxRows)
{
    write(path("h.csv"), "head,er\r\n1,2\r\n3,4\r\n5,6\r\n");
    grid.LoadFirstRow = false;
    grid.LoadFromCSV(path("h.csv"), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("1"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("4"));
}

TEST_F(CsvFile, AnEmptyFileChangesNothingAnEmptyStreamRaises)
{
    grid.setCells(0, 0, QStringLiteral("kept"));
    write(path("e.csv"), "");
    grid.LoadFromCSV(path("e.csv"));
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("kept"));
    EXPECT_EQ(grid.RowCount(), 2);
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    try {
        grid.LoadFromCSVStream(empty);
        FAIL() << "no error";
    } catch (const platform::Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("File is empty"));
    }
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("kept"));
}

TEST_F(CsvFile, InsertKeepsTheFloatingFootersRowLast)
{
    plainGrid(grid, 2, 3);
    grid.setCells(0, 0, QStringLiteral("r0"));
    grid.setCells(0, 1, QStringLiteral("r1"));
    grid.setCells(0, 2, QStringLiteral("sum"));
    grid.FloatingFooter().setVisible(true);
    write(path("i.csv"), "n1,x\r\nn2,y\r\n");
    grid.InsertFromCSV(path("i.csv"));
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("r1"));
    EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("n1"));
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("y"));
    EXPECT_EQ(grid.Cells(0, 4), QStringLiteral("sum"));
}

TEST_F(CsvFile, AppendAddsItsLinesAfterTheOldOnes)
{
    write(path("p.csv"), "old,\"li\nne\"\r\n");
    grid.setCells(0, 0, QStringLiteral("n"));
    grid.QuoteEmptyCells = false;
    grid.AppendToCSV(path("p.csv"));
    EXPECT_EQ(bytesOf(path("p.csv")), QByteArray("old,\"li\nne\"\r\nn,\r\n,\r\n"));
}

TEST_F(CsvFile, ProgressAndExportNotificationsRun)
{
    plainGrid(grid, 1, 3);
    std::vector<int> seen;
    grid.OnFileProgress = [&](TExStringGrid *, int p) { seen.push_back(p); };
    grid.SaveToCSV(path("g.csv"));
    EXPECT_EQ(seen, (std::vector<int>{0, 50, 100}));
    seen.clear();
    TExStringGrid copy;
    plainGrid(copy, 1, 1);
    copy.OnFileProgress = grid.OnFileProgress;
    copy.LoadFromCSV(path("g.csv"));
    EXPECT_EQ(seen, (std::vector<int>{33, 67, 100}));
    EXPECT_EQ(copy.RowCount(), 3);
}

TEST_F(CsvFile, OemTextsGoOutInTheOemCodePage)
{
    grid.setCells(0, 0, QStringLiteral("é"));
    grid.OemConvert = true;
    grid.SaveToCSV(path("o.csv"));
    EXPECT_TRUE(bytesOf(path("o.csv")).startsWith("\x82,"));
    TExStringGrid copy;
    plainGrid(copy, 1, 1);
    copy.OemConvert = true;
    copy.LoadFromCSV(path("o.csv"));
    EXPECT_EQ(copy.Cells(0, 0), QStringLiteral("é"));
}

} // namespace
