// Spreadsheet, document and database exchange where no Office program and
// no ADO exist: new .xlsx workbooks and .odt documents are written and read
// back here; every other call fails before it touches anything.
#include "GridFixture.h"
#include "ZipEntry.h"

#include "controls/grid/model/core/GridError.h"
#include "platform/Automation.h"

#include <QDir>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace controls;
using stringgridtest::zipEntry;

namespace {

class OfficeExchange : public stringgridtest::GridFileTest {
protected:
    void SetUp() override
    {
        grid.setColCount(4);
        grid.setRowCount(3);
        grid.setCells(1, 1, QStringLiteral("a & <b>"));
        grid.setCells(2, 1, QStringLiteral("12.5"));
        grid.setCells(3, 1, QStringLiteral("007"));
        grid.setCells(1, 2, QStringLiteral("x\r\ny"));
        grid.setCells(3, 2, QStringLiteral("-3"));
    }
    QByteArray entry(const char *file, const char *name) const
    {
        return zipEntry(bytesOf(path(file)), QString::fromLatin1(name));
    }
};

TEST_F(OfficeExchange, SaveToXlsWritesTheSavedCellsFromA1OfANewWorkbook)
{
    grid.SaveToXLS(path("a.xlsx"), false);
    EXPECT_TRUE(entry("a.xlsx", "xl/workbook.xml").contains("name=\"Sheet1\""));
    const QByteArray sheet = entry("a.xlsx", "xl/worksheets/sheet1.xml");
    const QByteArray strings = entry("a.xlsx", "xl/sharedStrings.xml");
    // Numbers as numbers where they print as written; the rest as text.
    EXPECT_TRUE(sheet.contains("<c r=\"B1\"><v>12.5</v></c>")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("<c r=\"C2\"><v>-3</v></c>")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("<c r=\"A1\" t=\"s\">"));
    EXPECT_TRUE(sheet.contains("<c r=\"C1\" t=\"s\">"));
    EXPECT_FALSE(sheet.contains("r=\"D")) << "the fixed column stays out";
    EXPECT_TRUE(strings.contains("<t>a &amp; &lt;b&gt;</t>")) << strings.toStdString();
    EXPECT_TRUE(strings.contains("<t>007</t>"));
    // Carriage returns go; the line feed stays.
    EXPECT_TRUE(strings.contains("x\ny</t>"));
}

TEST_F(OfficeExchange, SaveToXlsSheetNamesItsSheetAndTakesTheFixedCellsWhenAsked)
{
    grid.SaveFixedCells = true;
    grid.setCells(0, 0, QStringLiteral("corner"));
    grid.SaveToXLSSheet(path("b.XLSX"), QStringLiteral("Meters"));
    EXPECT_TRUE(entry("b.XLSX", "xl/workbook.xml").contains("name=\"Meters\""));
    const QByteArray sheet = entry("b.XLSX", "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(sheet.contains("<c r=\"C2\"><v>12.5</v></c>")) << sheet.toStdString();
    EXPECT_TRUE(entry("b.XLSX", "xl/sharedStrings.xml").contains("<t>corner</t>"));
}

TEST_F(OfficeExchange, ABadSheetNameIsAnAutomationErrorAndWritesNothing)
{
    EXPECT_THROW(grid.SaveToXLSSheet(path("c.xlsx"), QStringLiteral("a/b")), platform::EOleSysError);
    EXPECT_THROW(grid.SaveToXLSSheet(path("c.xlsx"), QString()), platform::EOleSysError);
    EXPECT_FALSE(QFile::exists(path("c.xlsx")));
}

TEST_F(OfficeExchange, SaveToDocWritesTheGridTextThenEveryCellAsATable)
{
    grid.setWindowTitle(QStringLiteral("Meters"));
    grid.setAlignments(3, 2, taRightJustify);
    grid.SaveToDOC(path("d.odt"), true);
    EXPECT_EQ(entry("d.odt", "mimetype"), QByteArray("application/vnd.oasis.opendocument.text"));
    const QByteArray content = entry("d.odt", "content.xml");
    EXPECT_LT(content.indexOf("Meters"), content.indexOf("<table:table "));
    // Every cell, the fixed ones too: 3 rows of 4.
    EXPECT_EQ(content.count("<table:table-row"), 3);
    EXPECT_EQ(content.count("<table:table-cell"), 12);
    EXPECT_TRUE(content.contains("a &amp; &lt;b&gt;"));
    EXPECT_TRUE(content.contains("<text:line-break/>y")) << "two lines stay two lines";
    EXPECT_TRUE(content.contains("fo:text-align=\"end\"")) << content.toStdString();
}

struct Refusal {
    const char *name;
    std::function<void(TExStringGrid &, const QString &folder)> call;
    const char *message;
};

class OfficeRefusal : public OfficeExchange, public ::testing::WithParamInterface<Refusal> {};

TEST_P(OfficeRefusal, FailsBeforeTouchingAnything)
{
    write(path("old.xlsx"), "old");
    write(path("old.odt"), "old");
    grid.SaveFixedCells = true;
    const QByteArray before = grid.SaveToBinStream();
    int saved = 0;
    grid.OnSaveCell = [&](TExStringGrid *, int, int, QString &) { ++saved; };
    try {
        GetParam().call(grid, dir.path() + u'/');
        FAIL() << "no error";
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(GetParam().message));
    } catch (const platform::EOleSysError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("\"ADODB.Connection\""))) << e.what();
        EXPECT_STREQ(GetParam().message, "ADODB");
    }
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(grid.SaveToBinStream(), before);
    EXPECT_EQ(bytesOf(path("old.xlsx")), QByteArray("old"));
    EXPECT_EQ(bytesOf(path("old.odt")), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

const char *const kExcel = "Excel OLE server not found";
const char *const kWord = "Word OLE server not found";

INSTANTIATE_TEST_SUITE_P(
    Calls, OfficeRefusal,
    ::testing::Values(
        Refusal{"getSheets", [](TExStringGrid &g, const QString &d) { g.GetXLSSheets(d + "old.xlsx"); }, kExcel},
        Refusal{"loadXls", [](TExStringGrid &g, const QString &d) { g.LoadFromXLS(d + "old.xlsx"); }, kExcel},
        Refusal{"loadXlsSheet",
                [](TExStringGrid &g, const QString &d) { g.LoadFromXLSSheet(d + "old.xlsx", "Sheet1"); }, kExcel},
        Refusal{"saveXlsExisting", [](TExStringGrid &g, const QString &d) { g.SaveToXLS(d + "old.xlsx", true); },
                kExcel},
        Refusal{"saveXlsOldKind", [](TExStringGrid &g, const QString &d) { g.SaveToXLS(d + "new.xls", false); },
                kExcel},
        Refusal{"saveXlsSheetExisting",
                [](TExStringGrid &g, const QString &d) { g.SaveToXLSSheet(d + "old.xlsx", "Sheet1"); }, kExcel},
        Refusal{"saveDocWordKind", [](TExStringGrid &g, const QString &d) { g.SaveToDOC(d + "new.doc", true); },
                kWord},
        Refusal{"saveDocExisting", [](TExStringGrid &g, const QString &d) { g.SaveToDOC(d + "old.odt", false); },
                kWord},
        Refusal{"appendDoc", [](TExStringGrid &g, const QString &d) { g.AppendToDoc(d + "new.odt", "here"); },
                kWord},
        Refusal{"mdbSql", [](TExStringGrid &g, const QString &d) { g.LoadFromMDBSQL(d + "a.mdb", "SELECT 1"); },
                "ADODB"},
        Refusal{"mdbTable", [](TExStringGrid &g, const QString &d) { g.LoadFromMDBTable(d + "a.mdb", "Meters"); },
                "ADODB"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(OfficeExchange, TheBusyCursorShowsWhileAWorkbookOrDocumentIsWritten)
{
    QList<Qt::CursorShape> seen;
    grid.OnSaveCell = [&](TExStringGrid *, int, int, QString &) {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        seen << (cursor ? cursor->shape() : Qt::ArrowCursor);
    };
    grid.SaveToXLS(path("e.xlsx"), true);
    grid.SaveToDOC(path("e.odt"), true);
    ASSERT_EQ(seen.size(), 2 * 3 + 3 * 4);
    EXPECT_EQ(seen.count(Qt::WaitCursor), seen.size());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
