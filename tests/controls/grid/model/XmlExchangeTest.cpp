#include "GridFixture.h"

#include "controls/grid/model/core/GridError.h"
#include "platform/FileRead.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;

namespace {

class XmlExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.setFixedCols(0);
        grid.setColCount(2);
        grid.setRowCount(3); // one fixed row, two normal rows
    }
    QString file(const char *name = "g.xml") const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const QByteArray &bytes, const char *name = "g.xml") const
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString readBack() const { return QString::fromLatin1(platform::readWholeFile(file()).bytes); }

    QTemporaryDir dir;
    TExStringGrid grid;
};

TEST_F(XmlExchange, TwoRowsOfTwoCellsAndBack)
{
    grid.setCells(0, 1, QStringLiteral("a"));
    grid.setCells(1, 1, QStringLiteral("b"));
    grid.setCells(0, 2, QStringLiteral("c"));
    grid.setCells(1, 2, QStringLiteral("d"));
    grid.SaveToXML(file(), QStringLiteral("LIST"), QStringLiteral("REC"), nullptr, false);
    EXPECT_EQ(readBack(), QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<LIST>\r\n"
                                         "<REC>\r\n<FIELD0>a</FIELD0>\r\n<FIELD1>b</FIELD1>\r\n</REC>\r\n"
                                         "<REC>\r\n<FIELD0>c</FIELD0>\r\n<FIELD1>d</FIELD1>\r\n</REC>\r\n"
                                         "</LIST>\r\n"));
    TExStringGrid copy;
    copy.setFixedCols(0);
    copy.LoadFromXML(file(), false, false);
    EXPECT_EQ(copy.ColCount(), 2);
    EXPECT_EQ(copy.RowCount(), 3);
    EXPECT_EQ(copy.Cells(0, 1), QStringLiteral("a"));
    EXPECT_EQ(copy.Cells(1, 2), QStringLiteral("d"));
}

TEST_F(XmlExchange, TextsComeBackAsTheyWent)
{
    const QString texts[] = {QStringLiteral("R&D"), QStringLiteral("a<b>c"), QStringLiteral("&gt; stays"),
                             QStringLiteral("say \"hi\""), QString::fromUtf8("€ ж")};
    for (const QString &text : texts) {
        grid.setCells(0, 1, text);
        grid.SaveToXML(file(), QStringLiteral("L"), QStringLiteral("R"), nullptr, false);
        TExStringGrid copy;
        copy.setFixedCols(0);
        copy.LoadFromXML(file(), false, false);
        EXPECT_EQ(copy.Cells(0, 1), text);
    }
    grid.setCells(0, 1, QStringLiteral("R&D"));
    grid.SaveToXML(file(), QStringLiteral("L"), QStringLiteral("R"), nullptr, false);
    EXPECT_TRUE(readBack().contains(QStringLiteral("<FIELD0>R$amp;D</FIELD0>")));
}

TEST_F(XmlExchange, EmptyCellsAreSkippedOrQuoted)
{
    grid.setCells(1, 1, QStringLiteral("b"));
    grid.SaveToXML(file(), QStringLiteral("L"), QStringLiteral("R"), nullptr, false);
    EXPECT_FALSE(readBack().contains(QStringLiteral("FIELD0")));
    grid.SaveToXML(file(), QStringLiteral("L"), QStringLiteral("R"), nullptr, true);
    EXPECT_TRUE(readBack().contains(QStringLiteral("<FIELD0>&quot;&quot;</FIELD0>")));
    TExStringGrid copy;
    copy.setFixedCols(0);
    copy.setCells(0, 1, QStringLiteral("old"));
    copy.LoadFromXML(file(), false, false);
    EXPECT_EQ(copy.Cells(0, 1), QString());
    EXPECT_EQ(copy.Cells(1, 1), QStringLiteral("b"));
}

TEST_F(XmlExchange, ElementNamesFillAnEmptyHeaderRow)
{
    write("<L><R><Name>n</Name><Age>4</Age></R></L>");
    TExStringGrid copy;
    copy.setFixedCols(0);
    copy.SaveFixedRows = true;
    copy.setCells(1, 0, QStringLiteral("Years"));
    copy.LoadFromXML(file(), false, true);
    EXPECT_EQ(copy.Cells(0, 0), QStringLiteral("Name"));
    EXPECT_EQ(copy.Cells(1, 0), QStringLiteral("Years"));
    EXPECT_EQ(copy.Cells(0, 1), QStringLiteral("n"));
    EXPECT_EQ(copy.Cells(1, 1), QStringLiteral("4"));
}

TEST_F(XmlExchange, LevelsBecomeRows)
{
    write("<root><a x=\"1\" y=\"2\"><b>t</b><c>u</c></a></root>");
    TExStringGrid copy;
    copy.setFixedCols(0);
    copy.setFixedRows(0);
    copy.LoadFromXML(file(), true, false);
    EXPECT_EQ(copy.ColCount(), 3);
    EXPECT_EQ(copy.RowCount(), 2);
    EXPECT_EQ(copy.Cells(0, 0), QStringLiteral("1"));
    EXPECT_EQ(copy.Cells(1, 0), QStringLiteral("2"));
    EXPECT_EQ(copy.Cells(1, 1), QStringLiteral("t"));
    EXPECT_EQ(copy.Cells(2, 1), QStringLiteral("u"));
}

TEST_F(XmlExchange, AShownColumnIsReadAtItsRealColumn)
{
    grid.setColCount(3);
    grid.setCells(0, 1, QStringLiteral("zero"));
    grid.setCells(1, 1, QStringLiteral("hidden"));
    grid.setCells(2, 1, QStringLiteral("two"));
    grid.HideColumn(1);
    grid.SaveToXML(file(), QStringLiteral("L"), QStringLiteral("R"), nullptr, false);
    EXPECT_TRUE(readBack().contains(QStringLiteral("<FIELD1>two</FIELD1>")));
    EXPECT_FALSE(readBack().contains(QStringLiteral("hidden")));
}

TEST_F(XmlExchange, FailuresRaiseAndChangeNothing)
{
    grid.setCells(0, 1, QStringLiteral("kept"));
    struct Case {
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"<L><R>", QStringLiteral("XMLDOM Parsing error")},
        {"<L><R></X></L>", QStringLiteral("XMLDOM Parsing error")},
        {QByteArray("<L>").repeated(40) + QByteArray("</L>").repeated(40), QStringLiteral("XMLDOM Parsing error")},
    };
    for (const Case &c : cases) {
        write(c.bytes);
        try {
            grid.LoadFromXML(file(), false, false);
            ADD_FAILURE() << c.bytes.constData();
        } catch (const platform::Error &e) {
            EXPECT_TRUE(e.message().startsWith(c.message)) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral(" on line 1"))) << e.message().toStdString();
        }
        EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("kept"));
        EXPECT_EQ(grid.RowCount(), 3);
    }
    try {
        grid.LoadFromXML(file("none.xml"), false, false);
        ADD_FAILURE();
    } catch (const platform::Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("XML file not found"));
    }
}

} // namespace
