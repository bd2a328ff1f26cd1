#include "GridFixture.h"

#include "controls/grid/model/core/GridError.h"
#include "platform/FileRead.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;

namespace {

void plainGrid(TExStringGrid &g, int cols, int rows)
{
    g.setFixedRows(0);
    g.setFixedCols(0);
    g.setColCount(cols);
    g.setRowCount(rows);
}

QByteArray utf16(const char *text)
{
    QByteArray bytes;
    for (const char *p = text; *p; ++p)
        bytes += QByteArray(1, *p) + '\0';
    return bytes;
}

TEST(TextStream, IsUtf16LinesWithoutAMark)
{
    TExStringGrid grid;
    plainGrid(grid, 2, 1);
    grid.setColWidths(0, 30);
    grid.setColWidths(1, 40);
    grid.setCells(1, 0, QStringLiteral("a\r\nb"));
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    grid.SaveToStream(buffer);
    EXPECT_EQ(buffer.data(), utf16("2,1\r\ncw 0,30\r\ncw 1,40\r\n1,0,a\x09\x08" "b\r\n"));
}

TEST(TextStream, LoadStopsAtTheFirstOtherLineAndLeavesTheStreamThere)
{
    TExStringGrid grid;
    plainGrid(grid, 3, 2);
    grid.setCells(0, 0, QStringLiteral("x"));
    grid.setCells(2, 1, QStringLiteral("two\r\nlines"));
    grid.setColWidths(2, 77);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    grid.SaveToStream(buffer);
    const qint64 tail = buffer.pos();
    buffer.write(utf16("other data\r\n"));
    buffer.seek(0);

    TExStringGrid copy;
    plainGrid(copy, 1, 1);
    copy.Multilinecells = true;
    copy.LoadFromStream(buffer);
    EXPECT_EQ(buffer.pos(), tail);
    EXPECT_EQ(copy.ColCount(), 3);
    EXPECT_EQ(copy.RowCount(), 2);
    EXPECT_EQ(copy.ColWidths(2), 77);
    EXPECT_EQ(copy.Cells(0, 0), QStringLiteral("x"));
    EXPECT_EQ(copy.Cells(2, 1), QStringLiteral("two\r\nlines"));
}

struct BadStream {
    const char *name;
    const char *text;
    const char *error;
};

class TextStreamBad : public ::testing::TestWithParam<BadStream> {};

TEST_P(TextStreamBad, RaisesAndKeepsWhatWasRead)
{
    TExStringGrid grid;
    plainGrid(grid, 2, 2);
    QBuffer buffer;
    buffer.setData(utf16(GetParam().text));
    buffer.open(QIODevice::ReadOnly);
    try {
        grid.LoadFromStream(buffer);
        FAIL() << "no error";
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(GetParam().error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextStreamBad,
    ::testing::Values(BadStream{"header", "x,2\r\n", "'x' is not a valid integer value"},
                      BadStream{"negative", "-1,2\r\n", "Grid index out of range"},
                      BadStream{"huge", "2,99999999\r\n", "Grid index out of range"},
                      BadStream{"cellNumber", "2,2\r\n1,z,t\r\n", "'z' is not a valid integer value"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TextStream, WidthLinesBeyondTheLoadedColumnsAreSkipped)
{
    // A grid with a fixed right column saves its width line, not its cells.
    TExStringGrid source;
    plainGrid(source, 3, 1);
    source.setFixedRightCols(1);
    source.setCells(0, 0, QStringLiteral("a"));
    TExStringGrid copy;
    plainGrid(copy, 1, 1);
    copy.AssignCells(&source);
    EXPECT_EQ(copy.ColCount(), 2);
    EXPECT_EQ(copy.Cells(0, 0), QStringLiteral("a"));
}

TEST(TextStream, AssignCellsCopiesCellsAndIgnoresOtherSources)
{
    TExStringGrid source;
    plainGrid(source, 2, 2);
    stringgridtest::fillLabels(source);
    TExStringGrid copy;
    plainGrid(copy, 1, 1);
    copy.AssignCells(&source);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(copy.Cells(c, r), stringgridtest::label(c, r));
    QObject other;
    copy.AssignCells(&other);
    copy.AssignCells(nullptr);
    EXPECT_EQ(copy.ColCount(), 2);
}

class FixedFile : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(FixedFile, SaveCompletesTheWidthsAndLoadSortsThePositions)
{
    TExStringGrid grid;
    plainGrid(grid, 3, 2);
    grid.setCells(0, 0, QStringLiteral("abcdef"));
    grid.setCells(1, 0, QStringLiteral("xy"));
    grid.setCells(2, 1, QStringLiteral("long text"));
    TIntList widths;
    widths.Add(4);
    grid.SaveToFixed(path("f.txt"), widths);
    ASSERT_EQ(widths.Count(), 3);
    EXPECT_EQ(widths[1], 3);
    EXPECT_EQ(widths[2], 10);
    EXPECT_EQ(platform::readWholeFile(path("f.txt")).bytes,
              QByteArray("abcdxy           \r\n       long text \r\n"));

    TExStringGrid copy;
    plainGrid(copy, 1, 1);
    TIntList starts;
    for (const int p : {18, 1, 8, 5})
        starts.Add(p);
    copy.LoadFromFixed(path("f.txt"), starts);
    EXPECT_EQ(starts[0], 1);
    EXPECT_EQ(starts[3], 18);
    EXPECT_EQ(copy.ColCount(), 3);
    EXPECT_EQ(copy.RowCount(), 2);
    EXPECT_EQ(copy.Cells(0, 0), QStringLiteral("abcd"));
    EXPECT_EQ(copy.Cells(1, 0), QStringLiteral("xy"));
    EXPECT_EQ(copy.Cells(2, 1), QStringLiteral("long text"));
}

TEST_F(FixedFile, ErrorTextsNameTheFile)
{
    TExStringGrid grid;
    TIntList list;
    const QString missing = path("none/x.txt");
    try {
        grid.LoadFromFixed(missing, list);
        FAIL();
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("File ") + missing + QStringLiteral(" not found"));
    }
    try {
        grid.SaveToFixed(missing, list);
        FAIL();
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot Create file ") + missing);
    }
}

TEST_F(FixedFile, MaxRowsOfZeroOrOneLoadsOneLine)
{
    QFile f(path("m.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("aa\r\nbb\r\ncc\r\n");
    f.close();
    for (const int max : {0, 1, 2}) {
        TExStringGrid grid;
        plainGrid(grid, 1, 1);
        TIntList starts;
        starts.Add(1);
        starts.Add(3);
        grid.LoadFromFixed(path("m.txt"), starts, true, max);
        EXPECT_EQ(grid.RowCount(), std::max(1, max)) << max;
    }
}

} // namespace
