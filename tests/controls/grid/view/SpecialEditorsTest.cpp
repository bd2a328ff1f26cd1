// The special editors with real keys: what each opens with, what its keys
// do, what it writes back (and that looking at a cell writes nothing), and
// the events around it.
#include "KeyFixture.h"

#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/editors/EditButton.h"
#include "controls/grid/base/editors/EsgCombo.h"
#include "controls/grid/base/editors/FramedPicker.h"
#include "controls/grid/base/editors/SpinEdit.h"
#include "controls/grid/view/SpecialEditor.h"

#include <QClipboard>
#include <QWheelEvent>

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct SpecialEditors : KeyGrid {
    TEditorType type = edNormal;
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->OnGetEditorType = [this](TExStringGrid *, int, int, TEditorType &AEditor) { AEditor = type; };
        at(1, 1);
    }
    // The handlers of a test capture its locals, gone by now; the editor
    // still open closes as the window goes.
    void TearDown() override
    {
        grid->OnCellValidate = nullptr;
        grid->OnEditingDone = nullptr;
        grid->OnEditCellDone = nullptr;
        grid->OnEditChange = nullptr;
        grid->OnComboChange = nullptr;
        grid->OnSpinClick = nullptr;
        grid->OnDateTimeChange = nullptr;
        grid->OnCellsChanged = nullptr;
        grid->OnEllipsClick = nullptr;
        KeyGrid::TearDown();
    }
    // Opens the editor of the current cell with F2.
    QWidget *open(TEditorType t)
    {
        type = t;
        key(Qt::Key_F2);
        return grid->EditCtrl();
    }
    template <typename T>
    T *control() const
    {
        return qobject_cast<T *>(grid->EditCtrl());
    }
    void wheel(QWidget *w, int delta)
    {
        const QPointF p(5, 5);
        QWheelEvent e(p, w->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
};

// --- opening and closing writes nothing ---------------------------------------------------------

struct UntouchedCase {
    const char *name;
    TEditorType type;
    const char *text;
};

class UntouchedEditor : public SpecialEditors, public testing::WithParamInterface<UntouchedCase> {};

TEST_P(UntouchedEditor, LeavesTheCellsBytes)
{
    const UntouchedCase &c = GetParam();
    grid->ClearComboString();
    grid->AddComboString(QStringLiteral("alpha"));
    grid->AddComboString(QString::fromUtf8(c.text));
    grid->setCells(1, 1, QString::fromUtf8(c.text));
    grid->setCells(2, 1, QStringLiteral("neighbour"));
    int stores = 0;
    grid->OnCellsChanged = [&](TExStringGrid *, const platform::TRect &) { ++stores; };
    ASSERT_NE(open(c.type), nullptr);
    key(Qt::Key_Return);
    EXPECT_EQ(grid->EditCtrl(), nullptr);
    EXPECT_EQ(grid->Cells(1, 1), QString::fromUtf8(c.text));
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("neighbour"));
    EXPECT_EQ(stores, 0);
    // Another cell's editor later commits into its own cell only.
    at(3, 1);
    grid->setCells(3, 1, QStringLiteral("7"));
    open(edSpinEdit);
    key(Qt::Key_PageUp);
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QString::fromUtf8(c.text));
    EXPECT_EQ(grid->Cells(3, 1), QStringLiteral("8"));
}

const UntouchedCase kUntouched[] = {
    {"float spin", edFloatSpinEdit, "3.14159"},
    {"integer spin", edSpinEdit, "007"},
    {"date spin", edDateSpinEdit, "03/04/2021"},
    {"time spin", edTimeSpinEdit, "10:11:12"},
    {"combo", edComboEdit, "  spaced "},
    {"pick list", edComboList, "beta"},
    {"edit button", edEditBtn, "x"},
    {"unit edit", edUnitEditBtn, "12 kg"},
    {"date", edDateEdit, "03/04/2021"},
    {"date up down", edDateEditUpDown, "3/4/21"},
    {"time", edTimeEdit, "10:11:12"},
    {"date and time", edDateTimeEdit, "03/04/2021 10:11:12"},
};
INSTANTIATE_TEST_SUITE_P(Types, UntouchedEditor, testing::ValuesIn(kUntouched), [](const auto &info) {
    std::string name = info.param.name;
    for (char &ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

// --- the start character ------------------------------------------------------------------------

struct StartCharCase {
    const char *name;
    TEditorType type;
    bool takes;
};

class StartChar : public SpecialEditors, public testing::WithParamInterface<StartCharCase> {};

TEST_P(StartChar, ReachesTheEditorsThatTakeIt)
{
    const StartCharCase &c = GetParam();
    grid->setCells(1, 1, QStringLiteral("1"));
    type = c.type;
    QString edited;
    grid->OnEditChange = [&](TExStringGrid *, int, int, const QString &Value) { edited = Value; };
    QTest::keyClicks(grid, QStringLiteral("7"));
    ASSERT_NE(grid->EditCtrl(), nullptr);
    EXPECT_EQ(edited.contains(u'7'), c.takes) << edited.toStdString();
}

const StartCharCase kStartChars[] = {
    {"spin", edSpinEdit, true},         {"combo", edComboEdit, true},       {"edit button", edEditBtn, true},
    {"unit", edUnitEditBtn, true},      {"date", edDateEdit, true},         {"check box", edCheckBox, false},
    {"time", edTimeEdit, false},        {"button", edButton, false},        {"date and time", edDateTimeEdit, false},
};
INSTANTIATE_TEST_SUITE_P(Types, StartChar, testing::ValuesIn(kStartChars), [](const auto &info) {
    std::string name = info.param.name;
    for (char &ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

// --- spin ---------------------------------------------------------------------------------------

TEST_F(SpecialEditors, SpinPagesStayInTheRange)
{
    grid->OnGetEditorProp = [](TExStringGrid *g, int, int) {
        g->SpinEdit() = TExStringGrid::TGridSpinRange{0, 100, 5};
    };
    std::vector<std::pair<int, bool>> clicks;
    grid->OnSpinClick = [&](TExStringGrid *, int, int, int AValue, bool UpDown) { clicks.emplace_back(AValue, UpDown); };
    grid->setCells(1, 1, QStringLiteral("99"));
    open(edSpinEdit);
    auto *spin = control<TEsgSpinEdit>();
    ASSERT_NE(spin, nullptr);
    key(Qt::Key_PageUp);
    EXPECT_EQ(spin->Value(), 99);
    spin->setValue(95);
    key(Qt::Key_PageUp);
    EXPECT_EQ(spin->Value(), 100);
    spin->setValue(3);
    key(Qt::Key_PageDown);
    EXPECT_EQ(spin->Value(), 3);
    key(Qt::Key_End);
    EXPECT_EQ(spin->Value(), 0);
    key(Qt::Key_Home);
    EXPECT_EQ(spin->Value(), 100);
    EXPECT_EQ(clicks.back(), std::make_pair(100, true));
    EXPECT_EQ(clicks[clicks.size() - 2], std::make_pair(0, false));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("100"));
}

TEST_F(SpecialEditors, EscapeRestoresTheCell)
{
    grid->setCells(1, 1, QStringLiteral("42"));
    open(edSpinEdit);
    type = edNormal;
    QTest::keyClicks(grid->EditCtrl(), QStringLiteral("9"));
    key(Qt::Key_Escape);
    EXPECT_EQ(grid->EditCtrl(), nullptr);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("42"));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(SpecialEditors, EventsComeInOrderAndARefusalKeepsTheEditor)
{
    std::vector<QString> events;
    bool refuse = true;
    grid->OnCellValidate = [&](TExStringGrid *, int, int, QString &Value, bool &Valid) {
        events.push_back(QStringLiteral("validate ") + Value);
        Valid = !refuse;
    };
    grid->OnEditingDone = [&](TExStringGrid *) { events.push_back(QStringLiteral("done")); };
    grid->OnEditCellDone = [&](TExStringGrid *, int, int) { events.push_back(QStringLiteral("cell done")); };
    grid->setCells(1, 1, QStringLiteral("1"));
    open(edSpinEdit);
    key(Qt::Key_PageUp);
    key(Qt::Key_Return);
    EXPECT_NE(grid->EditCtrl(), nullptr) << "a refused value keeps the editor open";
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("1"));
    refuse = false;
    key(Qt::Key_PageUp);
    key(Qt::Key_Return);
    drain();
    EXPECT_EQ(grid->EditCtrl(), nullptr);
    // The refusal put the cell's own text back into the spin: 1, then 2.
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("2"));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("validate 2"), QStringLiteral("validate 2"),
                                            QStringLiteral("done"), QStringLiteral("cell done")}));
}

// --- combo --------------------------------------------------------------------------------------

TEST_F(SpecialEditors, PickListNotInTheListOpensOnTheFirstItemOnce)
{
    grid->ClearComboString();
    grid->AddComboString(QStringLiteral("red"));
    grid->AddComboString(QStringLiteral("green"));
    grid->setCells(1, 1, QStringLiteral("blue"));
    std::vector<QString> changes;
    grid->OnComboChange = [&](TExStringGrid *, int, int, int ItemIndex, const QString &S) {
        changes.push_back(QString::number(ItemIndex) + u' ' + S);
    };
    open(edComboList);
    EXPECT_EQ(changes, (std::vector<QString>{QStringLiteral("0 red")}));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("red")) << "the first item is the pick list's default";
}

TEST_F(SpecialEditors, PickListLeftAndRightLeave)
{
    grid->ClearComboString();
    grid->AddComboString(QStringLiteral("red"));
    at(2, 2);
    open(edComboList);
    key(Qt::Key_Right);
    EXPECT_EQ(grid->EditCtrl(), nullptr);
    EXPECT_EQ(grid->Col(), 3);
    open(edComboList);
    key(Qt::Key_Left);
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(SpecialEditors, TheWheelStepsTheCombo)
{
    grid->ClearComboString();
    for (const char *s : {"a", "b", "c"})
        grid->AddComboString(QString::fromLatin1(s));
    grid->setCells(1, 1, QStringLiteral("a"));
    std::vector<int> steps;
    grid->OnComboChange = [&](TExStringGrid *, int, int, int ItemIndex, const QString &) { steps.push_back(ItemIndex); };
    open(edComboEdit);
    auto *combo = control<TEsgComboBox>();
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(0);
    steps.clear();
    wheel(combo, -120);
    wheel(combo, -120);
    wheel(combo, 120);
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("b"));
}

TEST_F(SpecialEditors, LookupCompletesTheWholeRest)
{
    const QString longWord = QStringLiteral("Ab") + QString(300, u'x');
    grid->Lookup = true;
    grid->LookupItems = {QStringLiteral("zeta"), longWord};
    open(edComboEdit);
    QTest::keyClicks(grid->EditCtrl(), QStringLiteral("a"));
    QTest::keyClicks(grid->EditCtrl(), QStringLiteral("b"));
    auto *combo = control<TEsgComboBox>();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), QStringLiteral("ab") + QString(300, u'x')) << "typed as typed, all the rest";
    EXPECT_EQ(combo->lineEdit()->selectedText(), QString(300, u'x'));
    key(Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), QStringLiteral("ab"));
}

// --- edit button ----------------------------------------------------------------------------------

TEST_F(SpecialEditors, NumericEditButtonFilters)
{
    open(edNumericEditBtn);
    auto *edit = control<TEsgEditBtn>();
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("-1-2a"));
    EXPECT_EQ(edit->text(), QStringLiteral("-12"));
    key(Qt::Key_Escape);
    open(edFloatEditBtn);
    edit = control<TEsgEditBtn>();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("1.2.3"));
    EXPECT_EQ(edit->text(), QStringLiteral("1.23"));
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("."));
    EXPECT_EQ(edit->text(), QStringLiteral("."));
}

TEST_F(SpecialEditors, PasteDropsALoneTrailingLineBreak)
{
    open(edEditBtn);
    auto *edit = control<TEsgEditBtn>();
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("abc\r\n"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("a\r\nb"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(edit->text().startsWith(u'a') && edit->text().endsWith(u'b')) << "a break inside stays";
    EXPECT_GT(edit->text().size(), 2);
}

TEST_F(SpecialEditors, EditButtonRunsTheEllipsisEvent)
{
    grid->setCells(1, 1, QStringLiteral("in"));
    grid->OnEllipsClick = [](TExStringGrid *, int, int, QString &S) { S += QStringLiteral("-out"); };
    open(edEditBtn);
    key(Qt::Key_F4);
    EXPECT_EQ(control<TEsgEditBtn>()->text(), QStringLiteral("in-out"));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("in-out"));
}

// --- dates --------------------------------------------------------------------------------------

TEST_F(SpecialEditors, DateUpAndDownStayEnterCommits)
{
    const TFormatSettings saved = formatSettings();
    TFormatSettings fs = saved;
    fs.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    fs.DateSeparator = u'/';
    setFormatSettings(fs);
    struct TRestore {
        TFormatSettings s;
        ~TRestore() { setFormatSettings(s); }
    } restore{saved};
    grid->setCells(1, 1, QStringLiteral("03/04/2021"));
    std::vector<double> changes;
    grid->OnDateTimeChange = [&](TExStringGrid *, int, int, double ADateTime) { changes.push_back(ADateTime); };
    open(edDateEdit);
    ASSERT_NE(grid->EditCtrl(), nullptr);
    key(Qt::Key_Up);
    EXPECT_NE(grid->EditCtrl(), nullptr);
    key(Qt::Key_Return);
    EXPECT_EQ(grid->EditCtrl(), nullptr);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("04/04/2021"));
    ASSERT_FALSE(changes.empty());
    EXPECT_GT(changes.back(), 0.0);
}

TEST_F(SpecialEditors, DateOpensInsideItsRange)
{
    auto *picker = qobject_cast<TDateTimePickerBase *>(grid->SpecialEditor(edDateEdit)->widget());
    ASSERT_NE(picker, nullptr);
    picker->setDateTimeRange(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2020, 12, 31), QTime(0, 0), Qt::UTC));
    grid->setCells(1, 1, QStringLiteral("05/06/2030"));
    open(edDateEdit);
    EXPECT_EQ(toQDateTime(picker->PlatformDateTime()).date(), QDate(2020, 12, 30));
    key(Qt::Key_Escape);
    grid->setCells(1, 1, QStringLiteral("05/06/2010"));
    open(edDateEdit);
    EXPECT_EQ(toQDateTime(picker->PlatformDateTime()).date(), QDate(2020, 1, 2));
}

TEST_F(SpecialEditors, DigitsMoveOnToTheNextField)
{
    grid->setCells(1, 1, QStringLiteral("03/04/2021"));
    open(edDateEdit);
    auto *picker = qobject_cast<TDateTimePickerBase *>(grid->EditCtrl());
    ASSERT_NE(picker, nullptr);
    picker->setSelectedSection(picker->sectionAt(0));
    const QDateTimeEdit::Section first = picker->currentSection();
    QTest::keyClicks(picker, QStringLiteral("1"));
    drain();
    EXPECT_EQ(picker->currentSection(), first) << "one digit of two: the field waits for the next";
    QTest::keyClicks(picker, QStringLiteral("2"));
    drain();
    drain();
    EXPECT_EQ(picker->currentSectionIndex(), 1) << "the field is full: typing goes on in the next";
}

// --- the grid goes with an editor open ------------------------------------------------------------

TEST(SpecialEditorLifetime, FreeingTheGridWithAnEditorOpen)
{
    for (const TEditorType t : {edSpinEdit, edComboEdit, edEditBtn, edDateEdit, edDateTimeEdit, edCheckBox, edButton}) {
        QWidget window;
        auto *grid = new TExStringGrid(&window);
        grid->setGeometry(0, 0, 400, 200);
        grid->setOptions(grid->Options() | goEditing);
        grid->OnGetEditorType = [t](TExStringGrid *, int, int, TEditorType &AEditor) { AEditor = t; };
        window.show();
        grid->setFocus();
        grid->FocusCell(1, 1);
        grid->ShowInplaceEdit();
        ASSERT_NE(grid->EditCtrl(), nullptr);
        delete grid; // ASan reports any use of the freed grid
    }
}

} // namespace

namespace {

TEST_F(SpecialEditors, TabMovesFromEditorToEditorEachStoringInItsOwnCell)
{
    grid->setOptions(grid->Options() | goTabs);
    grid->OnGetEditorType = [](TExStringGrid *, int ACol, int, TEditorType &AEditor) {
        AEditor = ACol == 2 ? edUnitEditBtn : ACol == 3 ? edDateTimeEdit : ACol == 4 ? edFloatSpinEdit : edNormal;
    };
    grid->setCells(2, 2, QStringLiteral("2m3"));
    grid->setCells(3, 2, QStringLiteral("12/06/2024 10:12"));
    grid->setCells(4, 2, QStringLiteral("1.25"));
    at(2, 2);
    key(Qt::Key_F2);
    ASSERT_NE(grid->EditCtrl(), nullptr);
    key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("2m3"));
    key(Qt::Key_F2);
    key(Qt::Key_PageUp);
    key(Qt::Key_Tab);
    drain();
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("2m3"));
    EXPECT_EQ(grid->Cells(3, 2), QStringLiteral("12/06/2024 10:12"));
    EXPECT_EQ(grid->Col(), 4);
}

} // namespace

namespace {

TEST_F(SpecialEditors, EnterThatOpensAnEditorStaysAndAMoveClosesIt)
{
    grid->Navigation().AdvanceOnEnter = true;
    grid->setCells(1, 1, QStringLiteral("5m3"));
    type = edUnitEditBtn;
    at(1, 1);
    key(Qt::Key_Return);
    ASSERT_NE(grid->EditCtrl(), nullptr);
    EXPECT_EQ(grid->Col(), 1) << "the Enter that opened the editor does not move on";
    grid->FocusCell(2, 1);
    EXPECT_EQ(grid->EditCtrl(), nullptr) << "the editor goes with its cell";
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("5m3"));
    EXPECT_EQ(grid->Cells(2, 1), QString());
}

} // namespace

namespace {

TEST_F(SpecialEditors, ARefusalShowsTheInvalidEntryTipUnderTheEditor)
{
    grid->OnCellValidate = [](TExStringGrid *, int, int, QString &, bool &Valid) { Valid = false; };
    grid->InvalidEntryText = QStringLiteral("Out of range");
    grid->setCells(1, 1, QStringLiteral("1"));
    open(edSpinEdit);
    key(Qt::Key_PageUp);
    key(Qt::Key_Return);
    ASSERT_NE(grid->EditCtrl(), nullptr);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Out of range"));
    QToolTip::hideText();
}

} // namespace
