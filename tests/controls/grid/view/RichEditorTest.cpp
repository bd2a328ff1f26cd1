// The rich-text converter and editor: cell RTF into a document and back,
// the offsets above and below the base line, the editor that loads and
// stores a cell.
#include "KeyFixture.h"

#include "controls/grid/model/core/RtfWriter.h"
#include "controls/grid/view/RichEditor.h"

#include <QTextCursor>

using namespace controls;
using viewtest::KeyGrid;

namespace {

const char *const kDocuments[] = {
    R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}\f0\fs24 H\b ello\b0\cf1  red\par second\up4 2\dn4 i})",
    R"({\rtf1 plain})",
    R"({\rtf1 \u8364? \'e9\tab x\par\par end})",
    R"({\rtf1{\i\ul\strike all}})",
};

struct RichText : KeyGrid {};

TEST_F(RichText, RichToCellThenCellToRichGivesTheSameRtf)
{
    for (const char *doc : kDocuments) {
        grid->setCells(1, 1, QString::fromLatin1(doc));
        grid->CellToRich(1, 1, grid->RichEdit());
        grid->RichToCell(2, 2, grid->RichEdit());
        const QString written = grid->Cells(2, 2);
        EXPECT_EQ(readRichText(written).plainText(), readRichText(QString::fromLatin1(doc)).plainText()) << doc;
        grid->CellToRich(2, 2, grid->RichEdit());
        grid->RichToCell(3, 3, grid->RichEdit());
        EXPECT_EQ(grid->Cells(3, 3), written) << doc;
    }
}

TEST_F(RichText, FormatsSurviveTheDocument)
{
    grid->setCells(1, 1, QString::fromLatin1(kDocuments[0]));
    grid->CellToRich(1, 1, grid->RichEdit());
    const TRichText back = grid->RichEdit()->runs();
    const TRichText source = readRichText(QString::fromLatin1(kDocuments[0]));
    ASSERT_EQ(back.runs.size(), source.runs.size());
    for (std::size_t i = 0; i < back.runs.size(); ++i) {
        EXPECT_EQ(back.runs[i].text, source.runs[i].text) << i;
        EXPECT_TRUE(back.runs[i].format == source.runs[i].format) << i;
    }
}

TEST_F(RichText, AnEmptyCellClearsTheConverter)
{
    grid->RichEdit()->setPlainText(QStringLiteral("left over"));
    grid->CellToRich(4, 4, grid->RichEdit());
    EXPECT_TRUE(grid->RichEdit()->document()->isEmpty());
}

TEST_F(RichText, SuperAndSubscriptQueries)
{
    TExRichEdit *ed = grid->RichEdit();
    ed->setPlainText(QStringLiteral("x2"));
    QTextCursor c = ed->textCursor();
    c.setPosition(1);
    c.setPosition(2, QTextCursor::KeepAnchor);
    ed->setTextCursor(c);
    EXPECT_TRUE(ed->IsSelNormal());
    ed->SelSuperscript();
    EXPECT_TRUE(ed->IsSelSuperscript());
    EXPECT_FALSE(ed->IsSelSubscript());
    ed->SelSubscript();
    EXPECT_TRUE(ed->IsSelSubscript());
    EXPECT_FALSE(ed->IsSelSuperscript());
    ed->SelNormal();
    EXPECT_TRUE(ed->IsSelNormal());
    EXPECT_FALSE(ed->IsSelSuperscript());
    ed->SelSuperscript();
    EXPECT_TRUE(grid->RichToString(ed).contains(QStringLiteral("\\up4 2")));
}

TEST_F(RichText, TheConverterReportsTheSizeItAsksFor)
{
    grid->setCells(1, 1, QStringLiteral(R"({\rtf1 one line\par and a longer second line})"));
    grid->CellToRich(1, 1, grid->RichEdit());
    EXPECT_GT(grid->RichEdit()->ReqWidth(), 40);
    EXPECT_GT(grid->RichEdit()->ReqHeight(), 2 * QFontMetrics(grid->RichEdit()->font()).height() - 2);
}

struct RichEditing : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->OnGetEditorType = [](TExStringGrid *, int, int, TEditorType &e) { e = edRichEdit; };
        at(1, 1);
    }
    TExRichEdit *ed() { return grid->InplaceRichEdit(); }
};

TEST_F(RichEditing, TheEditorLoadsAndStoresTheCell)
{
    int selectionChanges = 0;
    grid->OnRichEditSelectionChange = [&](QObject *) { ++selectionChanges; };
    const QString rtf = writeRichText(readRichText(QStringLiteral(R"({\rtf1{\b bold} text})")));
    grid->setCells(1, 1, rtf);
    key(Qt::Key_F2);
    ASSERT_TRUE(ed()->isVisible());
    EXPECT_EQ(ed()->toPlainText(), QStringLiteral("bold text"));
    EXPECT_TRUE(ed()->hasFocus());
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_GT(selectionChanges, 0);
    type(QStringLiteral("!"));
    grid->HideInplaceEdit();
    EXPECT_FALSE(ed()->isVisible());
    EXPECT_EQ(readRichText(grid->Cells(1, 1)).plainText(), QStringLiteral("bold text!"));
    EXPECT_TRUE(readRichText(grid->Cells(1, 1)).runs.front().format.bold);
}

TEST_F(RichEditing, AnUnchangedDocumentIsNotWritten)
{
    // Another writer's RTF stays as it is when the edit changed nothing.
    const QString foreign = QStringLiteral(R"({\rtf1\ansi {\b bold}   text})");
    grid->setCells(1, 1, foreign);
    key(Qt::Key_F2);
    ASSERT_TRUE(ed()->isVisible());
    grid->HideInplaceEdit();
    EXPECT_EQ(grid->Cells(1, 1), foreign);
}

TEST_F(RichEditing, EscapeKeepsTheOldText)
{
    grid->setCells(1, 1, writeRichText(readRichText(QStringLiteral("old"))));
    const QString before = grid->Cells(1, 1);
    key(Qt::Key_F2);
    type(QStringLiteral("new"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(ed()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), before);
}

TEST_F(RichEditing, DownLeavesASingleLineGrid)
{
    grid->setWordWrap(false);
    key(Qt::Key_F2);
    ASSERT_TRUE(ed()->isVisible());
    key(Qt::Key_Down);
    EXPECT_FALSE(ed()->isVisible());
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(RichEditing, DownStaysInAWrappingGrid)
{
    grid->setWordWrap(true);
    key(Qt::Key_F2);
    key(Qt::Key_Down);
    EXPECT_TRUE(ed()->isVisible());
    EXPECT_EQ(grid->Row(), 1);
}

} // namespace
