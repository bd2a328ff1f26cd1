#include "GridFixture.h"

#include "controls/grid/model/core/GridError.h"
#include "platform/FileRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace controls;

namespace {

class NativeFile : public stringgridtest::GridFileTest {
protected:
    void SetUp() override
    {
        grid.setFixedRows(0);
        grid.setFixedCols(0);
        grid.setColCount(3);
        grid.setRowCount(3);
        for (int c = 0; c < 3; ++c)
            grid.setColWidths(c, 64);
    }
};

TEST_F(NativeFile, AThreeByThreeGridWritesFiveLines)
{
    grid.setCells(1, 1, QStringLiteral("x"));
    grid.SaveToFile(path("a.txt"));
    const QByteArray ansi("3,3\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\n1,1,x\r\n");
    EXPECT_EQ(bytesOf(path("a.txt")), ansi);
    grid.SaveToFile(path("w.txt"), true);
    const QString text = QString::fromLatin1(ansi);
    QByteArray wide("\xff\xfe");
    for (const QChar ch : text)
        wide += QByteArray(1, char(ch.unicode())) + '\0';
    EXPECT_EQ(bytesOf(path("w.txt")), wide);

    for (const char *file : {"a.txt", "w.txt"}) {
        TExStringGrid copy;
        copy.setFixedRows(0);
        copy.setFixedCols(0);
        copy.LoadFromFile(path(file));
        EXPECT_EQ(copy.ColCount(), 3);
        EXPECT_EQ(copy.RowCount(), 3);
        EXPECT_EQ(copy.Cells(1, 1), QStringLiteral("x"));
        EXPECT_EQ(copy.ColWidths(2), 64);
    }
}

TEST_F(NativeFile, LineBreaksAndTabs)
{
    struct Case {
        QString text;
        QByteArray stored;
        QString multiLine; // as read back with Multilinecells
        QString singleLine; // and without
    } cases[] = {
        {QStringLiteral("a\r\nb"), QByteArray("a\t\bb"), QStringLiteral("a\r\nb"), QStringLiteral("a")},
        {QStringLiteral("a\tb"), QByteArray("a\tb"), QStringLiteral("a\tb"), QStringLiteral("a\tb")},
        // A lone CR is masked to a 9 and, without an 8, reads back as a tab.
        {QStringLiteral("a\rb"), QByteArray("a\tb"), QStringLiteral("a\tb"), QStringLiteral("a\tb")},
    };
    for (const Case &c : cases) {
        grid.setCells(0, 0, c.text);
        grid.SaveToFile(path("b.txt"));
        EXPECT_TRUE(bytesOf(path("b.txt")).contains("0,0," + c.stored + "\r\n"));
        for (const bool multi : {true, false}) {
            TExStringGrid copy;
            copy.Multilinecells = multi;
            copy.setFixedRows(0);
            copy.setFixedCols(0);
            copy.LoadFromFile(path("b.txt"));
            EXPECT_EQ(copy.Cells(0, 0), multi ? c.multiLine : c.singleLine);
        }
    }
}

TEST_F(NativeFile, HeadersThatHoldNothingOrTooMuchAreRefused)
{
    const char *headers[] = {"0,0", "-3,2", "2,-3", "2,999999999", "a,b"};
    for (const char *header : headers) {
        write(path("h.txt"), QByteArray(header) + "\r\n0,0,zz\r\n");
        grid.setCells(0, 0, QStringLiteral("kept"));
        try {
            grid.LoadFromFile(path("h.txt"));
            ADD_FAILURE() << header;
        } catch (const ZOraZaziRarar &e) {
            EXPECT_EQ(e.message(), QStringLiteral("File contains no data or corrupt file ") + path("h.txt"));
        }
        EXPECT_EQ(grid.RowCount(), 3) << header;
        EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("kept")) << header;
    }
}

TEST_F(NativeFile, ProgressFiresOnlyWhenItChanges)
{
    grid.setRowCount(300);
    for (int r = 0; r < 300; ++r)
        grid.setCells(0, r, QString::number(r));
    std::vector<int> saved, loaded;
    grid.OnFileProgress = [&](TExStringGrid *, int p) { saved.push_back(p); };
    grid.SaveToFile(path("p.txt"));
    grid.OnFileProgress = [&](TExStringGrid *, int p) { loaded.push_back(p); };
    grid.LoadFromFile(path("p.txt"));
    for (const auto *list : {&saved, &loaded}) {
        ASSERT_EQ(list->size(), 101u);
        EXPECT_EQ(list->front(), 0);
        EXPECT_EQ(list->back(), 100);
        EXPECT_TRUE(std::adjacent_find(list->begin(), list->end()) == list->end());
    }
}

TEST_F(NativeFile, AGridFreedDuringTheLoadEndsIt)
{
    QByteArray bytes("1,3000\r\n");
    for (int r = 0; r < 3000; ++r)
        bytes += "0," + QByteArray::number(r) + ",v\r\n";
    write(path("long.txt"), bytes);
    auto *doomed = new TExStringGrid;
    QPointer<TExStringGrid> watch(doomed);
    // Posted work runs while the file loads; this piece frees the grid.
    QTimer::singleShot(0, [doomed] { delete doomed; });
    doomed->LoadFromFile(path("long.txt"));
    EXPECT_TRUE(watch.isNull());
}

TEST_F(NativeFile, MissingFilesRaise)
{
    EXPECT_THROW(grid.LoadFromFile(path("none.txt")), ZOraZaziRarar);
    EXPECT_THROW(grid.SaveToFile(path("no/such/folder.txt")), ZOraZaziRarar);
}

} // namespace
