#include "GridFixture.h"

#include "controls/grid/base/GridDragDrop.h"
#include "controls/grid/base/widget/ExGridUndoRedo.h"
#include "controls/grid/model/core/ComponentStream.h"
#include "controls/grid/model/core/GridCellsPayload.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/Input.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

QString clipText() { return QApplication::clipboard()->text(); }

void putText(const QString &text) { QApplication::clipboard()->setText(text); }

class ClipboardTest : public ::testing::Test {
protected:
    ClipboardTest()
    {
        grid.setColCount(5);
        grid.setRowCount(8);
        grid.setOptions(grid.Options() | goEditing);
    }
    void select(int l, int t, int r, int b) { grid.setSelection(TGridRect{l, t, r, b}); }
    QStringList column(int c, int from, int to)
    {
        QStringList out;
        for (int r = from; r <= to; ++r)
            out << grid.Cells(c, r);
        return out;
    }

    TExStringGrid grid;
};

} // namespace

TEST_F(ClipboardTest, ARangeCopiesAsTabsAndLineBreaks)
{
    grid.setCells(1, 1, "a");
    grid.setCells(2, 1, "b");
    grid.setCells(1, 2, "c");
    grid.setCells(2, 2, "d");
    select(1, 1, 2, 2);
    grid.CopySelectionToClipboard();
    EXPECT_EQ(clipText(), QStringLiteral("a\tb\r\nc\td\r\n"));
    select(1, 1, 2, 1);
    grid.CopySelectionToClipboard();
    EXPECT_EQ(clipText(), QStringLiteral("a\tb"));
    EXPECT_EQ(grid.ClipTopLeft(), QPoint(1, 1));
    EXPECT_EQ(grid.ClipLastOp(), TExStringGrid::coCopy);
}

TEST_F(ClipboardTest, DisjunctRowsLeaveTheUnselectedOut)
{
    fillLabels(grid);
    grid.MouseActions().setDisjunctRowSelect(true);
    grid.setRowSelect(2, true);
    grid.setRowSelect(4, true);
    grid.CopySelectionToClipboard();
    const QString expected = QStringLiteral("1:2\t2:2\t3:2\t4:2\r\n1:4\t2:4\t3:4\t4:4\r\n");
    EXPECT_EQ(clipText(), expected);
}

TEST_F(ClipboardTest, TagsAreLeftOutOnRequest)
{
    grid.setCells(1, 1, "<b>bold</b>");
    select(1, 1, 1, 1);
    grid.CopySelectionToClipboard();
    EXPECT_EQ(clipText(), QStringLiteral("<b>bold</b>"));
    grid.Navigation().CopyHTMLTagsToClipboard = false;
    grid.CopySelectionToClipboard();
    EXPECT_EQ(clipText(), QStringLiteral("bold"));
}

TEST_F(ClipboardTest, EveryCellSurvivesCopyAndPasteByteForByte)
{
    const QString cells[] = {"two\r\nlines", "say \"hi\"", "\"quoted\"", "tab\tinside"};
    for (int i = 0; i < 4; ++i)
        grid.setCells(i + 1, 1, cells[i]);
    select(1, 1, 4, 1);
    grid.CopySelectionToClipboard();
    EXPECT_TRUE(clipText().startsWith(QStringLiteral("\"two\nlines\"\t")));
    select(1, 5, 1, 5);
    grid.PasteSelectionFromClipboard();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(grid.Cells(i + 1, 5), cells[i]) << i;
}

TEST_F(ClipboardTest, ASpreadsheetsQuotedFieldsPasteAsLines)
{
    putText(QStringLiteral("\"first\nsecond\"\tnext\r\n"));
    select(1, 1, 1, 1);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("next"));
    EXPECT_EQ(grid.Cells(1, 2), QString());
}

TEST_F(ClipboardTest, PasteGrowsFirstAndWritesOnlyInside)
{
    putText(QStringLiteral("a\tb\tc\r\nd\te\tf\r\ng\th\ti"));
    select(3, 6, 3, 6);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.RowCount(), 9);
    EXPECT_EQ(grid.Cells(5, 8), QStringLiteral("i"));

    TExStringGrid fixed;
    fixed.setColCount(3);
    fixed.setRowCount(3);
    fixed.setOptions(fixed.Options() | goEditing);
    fixed.Navigation().AllowClipboardColGrow = false;
    fixed.Navigation().AllowClipboardRowGrow = false;
    fixed.setSelection(TGridRect{2, 2, 2, 2});
    fixed.PasteSelectionFromClipboard();
    EXPECT_EQ(fixed.ColCount(), 3);
    EXPECT_EQ(fixed.RowCount(), 3);
    EXPECT_EQ(fixed.Cells(2, 2), QStringLiteral("a"));
    EXPECT_EQ(fixed.TotalColCount(), 3);
}

TEST_F(ClipboardTest, NothingIsPastedWithoutEditing)
{
    grid.setOptions(grid.Options() & ~goEditing);
    putText(QStringLiteral("x"));
    select(1, 1, 1, 1);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(1, 1), QString());
    grid.Navigation().AllowClipboardAlways = true;
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("x"));
}

TEST_F(ClipboardTest, SmartPasteContinuesASeries)
{
    grid.Navigation().AllowSmartClipboard = true;
    struct Case {
        QString clip;
        QStringList expected;
    } cases[] = {
        {"1\r\n2", {"1", "2", "3", "4", "5"}},
        {"1\r\n2\r\n", {"1", "2", "3", "4", "5"}},
        {"1.5\r\n2", {"1.50", "2.00", "2.50", "3.00", "3.50"}},
        {"a\r\nb", {"a", "b", "a", "b", "a"}},
    };
    for (const Case &c : cases) {
        grid.Clear();
        putText(c.clip);
        select(1, 1, 1, 5);
        grid.PasteSelectionFromClipboard();
        EXPECT_EQ(column(1, 1, 5), c.expected) << c.clip.toStdString();
    }
}

TEST_F(ClipboardTest, SmartPasteOfOneRowOntoItsOwnSizeIsThatRow)
{
    grid.Navigation().AllowSmartClipboard = true;
    grid.setCells(1, 1, "a");
    grid.setCells(2, 1, "b");
    select(1, 1, 2, 1);
    grid.CopySelectionToClipboard();
    select(1, 3, 2, 3);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("a"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("b"));
}

TEST_F(ClipboardTest, OneValueFillsTheSelectionWithEventsButAtTheTopLeft)
{
    grid.Navigation().AllowSmartClipboard = true;
    QList<QPoint> before;
    grid.OnClipboardBeforePasteCell = [&](QObject *, int c, int r, QString &, bool &) { before << QPoint(c, r); };
    putText(QStringLiteral("v"));
    select(1, 1, 3, 3);
    grid.PasteSelectionFromClipboard();
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(grid.Cells(c, r), QStringLiteral("v"));
    // The paste itself asks once at the top-left, the fill at the eight others.
    EXPECT_EQ(before.count(QPoint(1, 1)), 1);
    EXPECT_EQ(before.size(), 9);
}

TEST_F(ClipboardTest, InsertModeInsertsARowPerPastedLine)
{
    fillLabels(grid);
    grid.Navigation().ClipboardPasteAction = TClipboardPasteAction::paInsert;
    putText(QStringLiteral("x\r\ny\r\nz\r\n"));
    select(1, 2, 1, 2);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(column(1, 2, 5), (QStringList{"x", "y", "z", label(1, 2)}));
}

TEST_F(ClipboardTest, OneUndoRestoresThePastedTextsAndNamesTheRealColumn)
{
    fillLabels(grid);
    grid.HideColumn(1);
    TExGridUndoRedo undo;
    grid.setUndoRedo(&undo);
    putText(QStringLiteral("p\tq\r\nr\ts"));
    select(1, 1, 1, 1); // display column 1 is real column 2
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.AllCells(2, 1), QStringLiteral("p"));
    EXPECT_EQ(grid.AllCells(3, 2), QStringLiteral("s"));
    ASSERT_GE(undo.ItemCount(), 2);
    const TUndoRedoItem &first = undo.Items()[1];
    EXPECT_EQ(first.Col, 2);
    EXPECT_EQ(first.OrigValue, label(2, 1));
    EXPECT_EQ(first.Value, QStringLiteral("p"));
    undo.Undo();
    EXPECT_EQ(grid.AllCells(2, 1), label(2, 1));
    EXPECT_EQ(grid.AllCells(3, 2), label(3, 2));
    grid.setUndoRedo(nullptr);
}

TEST_F(ClipboardTest, CutEmptiesExactlyTheEditableCopiedCells)
{
    fillLabels(grid);
    grid.OnCanEditCell = [](TExStringGrid *, int r, int c, bool &can) { can = !(c == 2 && r == 2); };
    select(1, 1, 2, 2);
    grid.CutSelectionToClipboard();
    EXPECT_EQ(clipText(), QStringLiteral("1:1\t2:1\r\n1:2\t2:2\r\n"));
    EXPECT_EQ(grid.Cells(1, 1), QString());
    EXPECT_EQ(grid.Cells(2, 1), QString());
    EXPECT_EQ(grid.Cells(1, 2), QString());
    EXPECT_EQ(grid.Cells(2, 2), label(2, 2));
    EXPECT_EQ(grid.Cells(3, 1), label(3, 1));
    EXPECT_EQ(grid.ClipLastOp(), TExStringGrid::coCut);
}

TEST_F(ClipboardTest, ACutIsOneUndoStepOnTheRealColumns)
{
    fillLabels(grid);
    grid.HideColumn(1);
    TExGridUndoRedo undo;
    grid.setUndoRedo(&undo);
    select(1, 1, 1, 2); // display column 1 is real column 2
    grid.CutSelectionToClipboard();
    EXPECT_EQ(grid.AllCells(2, 1), QString());
    EXPECT_EQ(undo.Items()[1].Col, 2);
    EXPECT_EQ(undo.Items()[1].OrigValue, label(2, 1));
    EXPECT_EQ(undo.Items()[1].Value, QString());
    undo.Undo();
    EXPECT_EQ(grid.AllCells(2, 1), label(2, 1));
    EXPECT_EQ(grid.AllCells(2, 2), label(2, 2));
    grid.setUndoRedo(nullptr);
}

TEST_F(ClipboardTest, OwnFormatBringsPropertiesAndMarksRows)
{
    grid.Navigation().AllowFmtClipboard = true;
    grid.Appearance().ShowModified.Enabled = true;
    grid.setCells(1, 1, "red");
    grid.setColors(1, 1, 0x0000FF);
    select(1, 1, 1, 1);
    grid.CopySelectionToClipboard();
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(GridCellsMimeType()));
    EXPECT_EQ(GridCellsMimeType(), mime::GridCells);
    select(3, 7, 3, 7);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(3, 7), QStringLiteral("red"));
    EXPECT_EQ(grid.Colors(3, 7), platform::TColor(0x0000FF));
    EXPECT_TRUE(grid.RowModified(7));
    EXPECT_FALSE(grid.RowModified(6));
}

TEST_F(ClipboardTest, OwnCellsThatLieAboutTheirLengthFallBackToTheText)
{
    grid.Navigation().AllowFmtClipboard = true;
    auto data = std::make_unique<QMimeData>();
    data->setText(QStringLiteral("plain"));
    data->setData(GridCellsMimeType(), QByteArray("\xff\xff\x00\x00\0\0\0\0TPF0", 12));
    QApplication::clipboard()->setMimeData(data.release());
    select(1, 1, 1, 1);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("plain"));
}

TEST_F(ClipboardTest, RichTextTravelsAsTheCellsBytes)
{
    grid.Navigation().AllowRTFClipboard = true;
    const QString rtf = QStringLiteral("{\\rtf1 caf\xe9}");
    grid.setCells(1, 1, rtf);
    select(1, 1, 1, 1);
    grid.CopySelectionToClipboard();
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data(mime::RichText), rtf.toLatin1());
    select(2, 2, 2, 2);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(2, 2), rtf);
}

TEST_F(ClipboardTest, HtmlGoesOutAsUtf8WithTheSameText)
{
    grid.setCells(1, 1, QStringLiteral("caf\xe9 \u20ac"));
    grid.CopyToClipBoardAsHTML();
    const QMimeData *data = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QStringLiteral("caf\xe9 \u20ac")));
    EXPECT_EQ(data->text(), data->html());
}

TEST_F(ClipboardTest, ShortcutsNeedTheSettingAndTheirEventsMayRefuse)
{
    grid.setCells(1, 1, "k");
    select(1, 1, 1, 1);
    putText(QStringLiteral("before"));
    auto press = [&](int key, Qt::KeyboardModifiers mods) {
        QKeyEvent e(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(&grid, &e);
    };
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipText(), QStringLiteral("before"));
    grid.Navigation().AllowClipboardShortCuts = true;
    bool allow = false;
    grid.OnClipboardCopy = [&](QObject *, bool &a) { a = allow; };
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipText(), QStringLiteral("before"));
    allow = true;
    press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipText(), QStringLiteral("k"));
    grid.OnClipboardCut = [](QObject *, bool &a) { a = false; };
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("k"));
    select(2, 2, 2, 2);
    press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("k"));
}

TEST_F(ClipboardTest, DisjunctColumnsLeaveTheUnselectedOut)
{
    fillLabels(grid);
    grid.MouseActions().setDisjunctColSelect(true);
    grid.setColSelect(1, true);
    grid.setColSelect(3, true);
    grid.CopySelectionToClipboard();
    EXPECT_TRUE(clipText().startsWith(QStringLiteral("1:1\t3:1\r\n1:2\t3:2\r\n")));
}

TEST_F(ClipboardTest, OwnCellsGrowTheGridByTheirSize)
{
    grid.Navigation().AllowFmtClipboard = true;
    fillLabels(grid);
    select(1, 1, 2, 2);
    grid.CopySelectionToClipboard();
    select(4, 7, 4, 7);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.RowCount(), 9);
    EXPECT_EQ(grid.Cells(5, 8), label(2, 2));
}

TEST_F(ClipboardTest, SelectionAsTextWritesRawCellsAndGrows)
{
    int hooks = 0;
    grid.OnClipboardBeforePasteCell = [&](QObject *, int, int, QString &, bool &) { ++hooks; };
    select(3, 7, 3, 7);
    grid.SetSelectionAsText(QStringLiteral("a\tb\tc\r\nd"));
    EXPECT_EQ(grid.Cells(5, 7), QStringLiteral("c"));
    EXPECT_EQ(grid.Cells(3, 8), QStringLiteral("d"));
    EXPECT_EQ(hooks, 0);
    select(3, 7, 5, 7);
    EXPECT_EQ(grid.GetSelectionAsText(), QStringLiteral("a\tb\tc"));
}

TEST_F(ClipboardTest, OwnCellsThatDoNotReadLeaveTheGridAsItWas)
{
    grid.Navigation().AllowFmtClipboard = true;
    fillLabels(grid);
    // Well-formed records, but a cell whose column is no number.
    QByteArray stream;
    TComponentWriter w(stream);
    w.beginRecord("TGridPropIO");
    w.writeInteger("ColCount", 2);
    w.writeInteger("RowCount", 2);
    w.writeString("ColWidths", "64,64");
    w.writeString("RowHeights", "24,24");
    w.writeBoolean("FullGrid", false);
    w.writeInteger("ID", 1);
    w.endRecord();
    w.beginRecord("TGridCellIO");
    w.writeString("Col", "x");
    w.writeInteger("Row", 0);
    w.writeBoolean("HasProp", false);
    w.endRecord();
    ASSERT_TRUE(isCellStream(stream));
    auto data = std::make_unique<QMimeData>();
    data->setData(GridCellsMimeType(), gridCellsPayload(stream));
    QApplication::clipboard()->setMimeData(data.release());
    select(4, 7, 4, 7);
    EXPECT_THROW(grid.PasteSelectionFromClipboard(), EReadError);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Cells(4, 7), label(4, 7));
}

TEST_F(ClipboardTest, TheSpreadsheetFormKeepsACellOnOneLine)
{
    grid.ExcelClipboardFormat = true;
    grid.setCells(1, 1, "a\r\nb");
    grid.setCells(2, 1, "c");
    select(1, 1, 2, 1);
    grid.CopySelectionToClipboard();
    EXPECT_EQ(clipText(), QStringLiteral("a") + QChar(11) + QStringLiteral("b\tc"));
    select(1, 4, 1, 4);
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(grid.Cells(1, 4), QStringLiteral("a\r\nb"));
}

TEST_F(ClipboardTest, TheWholeGridCopiesCutsAndPastesByItsExportBounds)
{
    fillLabels(grid);
    grid.OnCanEditCell = [](TExStringGrid *, int r, int c, bool &can) { can = c != 4; };
    grid.CopyToClipBoard();
    EXPECT_TRUE(clipText().startsWith(QStringLiteral("1:1\t2:1\t3:1\t4:1\r\n")));
    grid.CutToClipboard();
    EXPECT_EQ(grid.Cells(1, 1), QString());
    EXPECT_EQ(grid.Cells(4, 1), label(4, 1));
    EXPECT_EQ(grid.Cells(0, 1), label(0, 1));
    grid.PasteFromClipboard();
    EXPECT_EQ(grid.Cells(1, 1), label(1, 1));
    EXPECT_EQ(grid.Cells(3, 7), label(3, 7));
}
