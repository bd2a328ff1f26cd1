// Editing cells with real keys: what opens the editor, what it filters,
// how an edit ends and what it stores.
#include "KeyFixture.h"

#include "controls/grid/base/widget/ExGridUndoRedo.h"
#include "controls/grid/model/ExCGrid.h"

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct GridEdit : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        at(1, 1);
    }
};

TEST_F(GridEdit, TypingOpensTheEditorWithTheCharacter)
{
    grid->setCells(1, 1, QStringLiteral("old"));
    type(QStringLiteral("7"));
    ASSERT_TRUE(editorOpen());
    EXPECT_EQ(editor()->text(), QStringLiteral("7"));
    EXPECT_EQ(grid->OriginalCellValue(), QStringLiteral("old"));
}

TEST_F(GridEdit, EscapeRestoresTheCell)
{
    grid->setCells(1, 1, QStringLiteral("abc"));
    type(QStringLiteral("xyz"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("xyz")) << "the cell follows the typing";
    key(Qt::Key_Escape);
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("abc"));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridEdit, EnterStoresAndEventsComeInOrder)
{
    std::vector<QString> events;
    grid->OnCellValidate = [&](TExStringGrid *, int ACol, int ARow, QString &Value, bool &) {
        events.push_back(QStringLiteral("validate %1,%2 %3").arg(ACol).arg(ARow).arg(Value));
    };
    grid->OnEditingDone = [&](TExStringGrid *) { events.push_back(QStringLiteral("done")); };
    grid->OnEditCellDone = [&](TExStringGrid *, int ACol, int ARow) {
        events.push_back(QStringLiteral("cell done %1,%2").arg(ACol).arg(ARow));
    };
    type(QStringLiteral("42"));
    key(Qt::Key_Return);
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("42"));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("validate 1,1 42"), QStringLiteral("done")}));
    drain();
    EXPECT_EQ(events.back(), QStringLiteral("cell done 1,1"));
    EXPECT_EQ(events.size(), 3u);
}

TEST_F(GridEdit, ARefusalWithoutChangeRestoresAndReopens)
{
    grid->setCells(1, 1, QStringLiteral("old"));
    int calls = 0;
    grid->OnCellValidate = [&](TExStringGrid *, int, int, QString &, bool &Valid) {
        ++calls;
        Valid = false;
    };
    type(QStringLiteral("new"));
    key(Qt::Key_Return);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("old"));
    ASSERT_TRUE(editorOpen());
    EXPECT_EQ(editor()->text(), QStringLiteral("old"));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GridEdit, ARefusalWithAChangedValueStoresItAndReopens)
{
    grid->OnCellValidate = [&](TExStringGrid *, int, int, QString &Value, bool &Valid) {
        if (Value == QStringLiteral("bad")) {
            Value = QStringLiteral("fixed");
            Valid = false;
        }
    };
    type(QStringLiteral("bad"));
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 1) << "a refused edit keeps its cell";
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("fixed"));
    ASSERT_TRUE(editorOpen());
    EXPECT_EQ(editor()->text(), QStringLiteral("fixed"));
    // Accepted, the key moves on.
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("fixed"));
}

TEST_F(GridEdit, EdNoneNeverEdits)
{
    grid->setCells(1, 1, QStringLiteral("keep"));
    grid->OnGetEditorType = [](TExStringGrid *, int, int, TEditorType &AEditor) { AEditor = edNone; };
    type(QStringLiteral("7"));
    key(Qt::Key_F2);
    key(Qt::Key_Return);
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("keep"));
}

TEST_F(GridEdit, CtrlCStartsNoEdit)
{
    grid->Navigation().AllowClipboardShortCuts = true;
    grid->setCells(1, 1, QStringLiteral("keep"));
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("keep"));
}

TEST_F(GridEdit, DefaultEditorFiltersByType)
{
    struct Case {
        TEditorType type;
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {
        {edNumeric, "-1-2", "-12"},     {edPositiveNumeric, "-12a", "12"}, {edFloat, "1.2.3", "1.23"},
        {edFloat, "1,5", "15"},         {edUpperCase, "abc", "ABC"},       {edLowerCase, "AbC", "abc"},
        {edPositiveFloat, "-2.5", "2.5"}, {edNormal, "a-b", "a-b"},
    };
    for (const Case &c : cases) {
        grid->DefaultEditor = c.type;
        at(1, 2);
        at(1, 1);
        type(QString::fromUtf8(c.typed));
        ASSERT_TRUE(editorOpen()) << c.typed;
        EXPECT_EQ(editor()->text(), QString::fromUtf8(c.shown)) << int(c.type) << " " << c.typed;
        key(Qt::Key_Escape);
    }
}

TEST_F(GridEdit, LengthLimitDropsTheSixthCharacter)
{
    grid->MaxEditLength = 5;
    type(QStringLiteral("abcdefg"));
    EXPECT_EQ(editor()->text(), QStringLiteral("abcde"));
    key(Qt::Key_Backspace);
    EXPECT_EQ(editor()->text(), QStringLiteral("abcd"));
}

TEST_F(GridEdit, LookupCompletesAndBackspaceStopsIt)
{
    grid->Lookup = true;
    grid->LookupItems = {QStringLiteral("Berlin"), QStringLiteral("Bonn")};
    type(QStringLiteral("be"));
    EXPECT_EQ(editor()->text(), QStringLiteral("berlin"));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("rlin"));
    key(Qt::Key_Backspace);
    EXPECT_EQ(editor()->text(), QStringLiteral("be"));
    type(QStringLiteral("r"));
    EXPECT_EQ(editor()->text(), QStringLiteral("berlin"));
}

// --- what an edit must not do --------------------------------------------------------------

TEST_F(GridEdit, AnUntouchedEditLeavesTheStoredTextAlone)
{
    for (const bool always : {false, true}) {
        SCOPED_TRACE(always);
        grid->AlwaysValidate = always;
        const QString stored = QStringLiteral("<B>x</B>");
        grid->setCells(1, 1, stored);
        QString seen;
        grid->OnCellValidate = [&](TExStringGrid *, int, int, QString &Value, bool &) { seen = Value; };
        key(Qt::Key_F2);
        ASSERT_TRUE(editorOpen());
        EXPECT_EQ(editor()->text(), QStringLiteral("x"));
        key(Qt::Key_Return);
        EXPECT_EQ(grid->Cells(1, 1), stored);
        EXPECT_FALSE(grid->Modified());
        EXPECT_EQ(seen, always ? stored : QString());
    }
}

TEST_F(GridEdit, HideCellEditActsOnlyOnAnOpenEditor)
{
    grid->setCells(1, 1, QStringLiteral("<B>x</B>"));
    grid->HideCellEdit();
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("<B>x</B>"));
    key(Qt::Key_F2);
    grid->HideCellEdit();
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("<B>x</B>")) << "an untouched editor stores nothing";
    editor()->selectAll();
    type(QStringLiteral("9"));
    grid->HideCellEdit();
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("9"));
}

TEST_F(GridEdit, UndoAfterAnEditRestoresTheOldText)
{
    TExGridUndoRedo undo;
    grid->setUndoRedo(&undo);
    grid->setCells(1, 1, QStringLiteral("before"));
    type(QStringLiteral("after"));
    key(Qt::Key_Return);
    ASSERT_EQ(grid->Cells(1, 1), QStringLiteral("after"));
    ASSERT_TRUE(undo.CanUndo());
    undo.Undo();
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("before"));
    undo.Redo();
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("after"));
    grid->setUndoRedo(nullptr);
}

// --- the column grid's rules -----------------------------------------------------------

struct ColumnGridEdit : testing::Test {
    QWidget window;
    TExColumnGrid *grid = new TExColumnGrid(&window);
    void SetUp() override
    {
        window.resize(500, 300);
        grid->setGeometry(0, 0, 500, 300);
        grid->setColCount(5);
        grid->SyncColumnItems();
        grid->Columns()[2]->ReadOnly = true;
        grid->Columns()[3]->Fixed = true;
        window.show();
        window.activateWindow();
        grid->setFocus();
        testsupport::processEventsUntil([this] { return grid->hasFocus(); }, std::chrono::seconds(5));
    }
    bool typeInto(int col)
    {
        grid->FocusCell(col, 2);
        grid->FocusCell(col, 1);
        grid->setCells(col, 1, QStringLiteral("was"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("8"));
        const bool open = grid->EditorMode();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        return open;
    }
};

TEST_F(ColumnGridEdit, OnlyNormalColumnsEditUnlessOnCanEditCellAllows)
{
    EXPECT_TRUE(typeInto(1));
    EXPECT_FALSE(typeInto(2)) << "read-only column";
    EXPECT_FALSE(typeInto(3)) << "fixed column";
    EXPECT_EQ(grid->Cells(3, 1), QStringLiteral("was"));
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("was"));
    grid->OnCanEditCell = [](TExStringGrid *, int, int ACol, bool &CanEdit) { CanEdit = CanEdit || ACol == 2; };
    EXPECT_TRUE(typeInto(2));
    grid->BeginLoading();
    grid->OnCanEditCell = nullptr;
    EXPECT_FALSE(typeInto(1)) << "no editing while loading";
    grid->EndLoading();
}

TEST_F(ColumnGridEdit, AFixedColumnIsSteppedOver)
{
    grid->FocusCell(2, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 4);
}

TEST_F(ColumnGridEdit, TheColumnGivesEditorTypeAndLength)
{
    grid->Columns()[1]->setEditor(edNumeric);
    grid->Columns()[1]->EditLength = 3;
    grid->MaxEditLength = 10;
    grid->FocusCell(1, 2);
    grid->FocusCell(1, 1);
    for (const QChar c : QStringLiteral("1a-2345"))
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
    ASSERT_NE(grid->NormalEdit(), nullptr);
    EXPECT_EQ(grid->NormalEdit()->text(), QStringLiteral("123"));
}

TEST_F(ColumnGridEdit, APopupBelongsToTheRealColumnUnderTheClick)
{
    QMenu menu1;
    QMenu menu2;
    menu1.addAction(QStringLiteral("one"));
    menu2.addAction(QStringLiteral("two"));
    for (const int c : {1, 2}) {
        grid->Columns()[c]->ColumnPopupType = cpFixedCellsRClick;
        grid->Columns()[c]->ColumnPopup = c == 1 ? &menu1 : &menu2;
    }
    grid->HideColumn(1);
    std::vector<std::pair<int, QMenu *>> seen;
    grid->OnColumnPopup = [&](TExColumnGrid *, int ACol, int, QMenu *m) { seen.emplace_back(ACol, m); };
    // Display column 1 is real column 2 now.
    const platform::TRect header = grid->CellRect(1, 0);
    QTest::mouseClick(grid, Qt::RightButton, {}, QPoint(header.Left + 5, header.Top + 5));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].second, &menu2);
    EXPECT_TRUE(menu2.isVisible());
    menu2.close();
    // A normal row fires the event but shows no menu for this type.
    const platform::TRect cell = grid->CellRect(1, 2);
    QTest::mouseClick(grid, Qt::RightButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_FALSE(menu2.isVisible());
}

} // namespace

namespace {

TEST_F(GridEdit, CtrlEnterBreaksTheLineOfAMultiLineCell)
{
    grid->Multilinecells = true;
    type(QStringLiteral("a"));
    key(Qt::Key_Return, Qt::ControlModifier);
    type(QStringLiteral("b"));
    key(Qt::Key_Return);
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("a\r\nb"));
}

TEST_F(GridEdit, AMaskShapesWhatIsTyped)
{
    grid->EditMask = QStringLiteral("00-00;1;_");
    grid->setCells(1, 1, QStringLiteral("12-34"));
    key(Qt::Key_F2);
    ASSERT_TRUE(editorOpen());
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("12-34")) << "untouched";
    key(Qt::Key_F2);
    editor()->home(false);
    type(QStringLiteral("5x6"));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("56-34"));
}

} // namespace

namespace {

TEST_F(GridEdit, ARefusedCutLeavesTheEditorsText)
{
    type(QStringLiteral("abc"));
    editor()->selectAll();
    grid->OnClipboardCut = [](QObject *, bool &Allow) { Allow = false; };
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(editor()->text(), QStringLiteral("abc"));
    grid->OnClipboardCut = nullptr;
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(editor()->text(), QString());
    EXPECT_EQ(grid->Cells(1, 1), QString()) << "the cell follows the cut";
}

} // namespace

namespace {

TEST_F(GridEdit, CellsOfSeveralLinesEditInAnEditorOfLines)
{
    grid->Multilinecells = true;
    grid->Navigation().EditSelectAll = false;
    grid->setCells(1, 1, QStringLiteral("one\r\ntwo"));
    key(Qt::Key_F2);
    auto *memo = qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->blockCount(), 2);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("one\ntwo"));
    // The caret is on the last line: Up stays inside, a second Up leaves.
    key(Qt::Key_Up);
    EXPECT_TRUE(memo->isVisible());
    type(QStringLiteral("!"));
    key(Qt::Key_Up);
    EXPECT_FALSE(memo->isVisible());
    EXPECT_EQ(grid->Row(), 1) << "the first row has nowhere up to go";
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("one!\r\ntwo"));
    // Escape takes a further edit back.
    key(Qt::Key_F2);
    type(QStringLiteral("x"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(memo->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("one!\r\ntwo"));
}

} // namespace

namespace {

TEST_F(GridEdit, AnEditIsValidatedAndStoredForItsOwnCell)
{
    // The first cell was current when the grid got the focus; the edit
    // happens two rows further down.
    std::vector<std::pair<int, int>> validated;
    grid->OnCellValidate = [&](TExStringGrid *, int ACol, int ARow, QString &, bool &) {
        validated.emplace_back(ACol, ARow);
    };
    grid->setCells(1, 1, QStringLiteral("first"));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    type(QStringLiteral("5"));
    key(Qt::Key_Return);
    EXPECT_EQ(validated, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(grid->Cells(1, 3), QStringLiteral("5"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("first"));
}

} // namespace

namespace {

TEST_F(GridEdit, ARefusalShowsTheInvalidEntryTipOnlyWhenThereIsOne)
{
    grid->OnCellValidate = [](TExStringGrid *, int, int, QString &, bool &Valid) { Valid = false; };
    type(QStringLiteral("a"));
    key(Qt::Key_Return);
    EXPECT_FALSE(QToolTip::isVisible());
    grid->InvalidEntryText = QStringLiteral("Not a number");
    type(QStringLiteral("b"));
    key(Qt::Key_Return);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Not a number"));
    QToolTip::hideText();
}

} // namespace
