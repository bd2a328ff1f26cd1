// Edit links with real keys: the application's control over the cell or in
// the link's own popup, the keys that end the edit and those the link
// keeps, and popups of two grids used one after the other.
#include "KeyFixture.h"

#include "controls/grid/view/EditLinks.h"

#include <QComboBox>
#include <QLineEdit>

using namespace controls;
using viewtest::KeyGrid;

namespace {

// A line edit as the link's control, made in whatever parent the grid gives.
class TLineLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    QPointer<QLineEdit> edit;
    QWidget *GetEditControl() override { return edit; }
    void CreateEditor(QWidget *AParent) override
    {
        if (edit && edit->parentWidget() == AParent)
            return;
        delete edit.data();
        edit = new QLineEdit(AParent);
        edit->setObjectName(QStringLiteral("linkEdit"));
    }
    void DestroyEditor() override { delete edit.data(); }
    QString GetEditorValue() override { return edit ? edit->text() : QString(); }
    void SetEditorValue(const QString &Value) override
    {
        if (edit)
            edit->setText(Value);
    }
};

struct EditLinks : KeyGrid {
    TLineLink link;
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->OnGetEditorType = [](TExStringGrid *, int, int, TEditorType &e) { e = edCustom; };
        grid->setEditLink(&link);
        grid->setCells(1, 1, QStringLiteral("old"));
        at(1, 1);
    }
    bool linkOpen() const { return link.edit && link.edit->isVisible(); }
    void open()
    {
        key(Qt::Key_F2);
        ASSERT_TRUE(linkOpen());
        testsupport::processEventsUntil([this] { return link.edit->hasFocus(); }, std::chrono::seconds(5));
        ASSERT_TRUE(link.edit->hasFocus());
    }
};

TEST_F(EditLinks, OpensOverTheCellWithItsValue)
{
    open();
    EXPECT_EQ(link.edit->text(), QStringLiteral("old"));
    EXPECT_EQ(link.Grid(), grid);
    EXPECT_EQ(link.EditCell, QPoint(1, 1));
    const platform::TRect r = grid->CellRect(1, 1);
    EXPECT_EQ(link.edit->pos(), QPoint(r.Left, r.Top));
    EXPECT_EQ(link.edit->parentWidget(), grid);
    EXPECT_TRUE(link.SubClassed());
}

TEST_F(EditLinks, EnterStoresTheValue)
{
    open();
    link.edit->selectAll();
    type(QStringLiteral("new"));
    key(Qt::Key_Return);
    EXPECT_FALSE(linkOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("new"));
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_FALSE(link.SubClassed());
}

TEST_F(EditLinks, EscapeRestoresTheCellsText)
{
    open();
    link.edit->selectAll();
    type(QStringLiteral("typed"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(linkOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("old"));
}

TEST_F(EditLinks, KeysThatEndTheEditAndKeysTheLinkKeeps)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        bool wantUpDown;
        bool wantHomeEnd;
        bool ends;
    };
    const Case cases[] = {
        {Qt::Key_Down, Qt::NoModifier, true, false, false},
        {Qt::Key_Up, Qt::NoModifier, true, false, false},
        {Qt::Key_Down, Qt::NoModifier, false, false, true},
        {Qt::Key_Home, Qt::NoModifier, false, false, false},
        {Qt::Key_End, Qt::NoModifier, false, false, true},
        {Qt::Key_End, Qt::NoModifier, false, true, false},
        {Qt::Key_X, Qt::AltModifier, false, false, true},
        {Qt::Key_X, Qt::NoModifier, false, false, false},
        {Qt::Key_Left, Qt::NoModifier, true, true, true},
    };
    for (const Case &c : cases) {
        link.WantKeyUpDown = c.wantUpDown;
        link.WantKeyHomeEnd = c.wantHomeEnd;
        at(1, 2);
        open();
        key(c.key, c.mods);
        EXPECT_EQ(!linkOpen(), c.ends) << c.key << " " << c.mods;
        if (linkOpen())
            key(Qt::Key_Escape);
        EXPECT_FALSE(linkOpen());
    }
}

TEST_F(EditLinks, DownWithoutTheWishMovesTheCell)
{
    open();
    key(Qt::Key_Down);
    EXPECT_FALSE(linkOpen());
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(EditLinks, APopupIsAFramelessToolWindowAsWideAsTheCell)
{
    link.EditStyle = esPopup;
    link.AutoPopupWidth = true;
    link.PopupHeight = 60;
    open();
    QWidget *form = link.PopupForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->objectName(), QStringLiteral("gridform"));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    const platform::TRect r = grid->CellRect(1, 1);
    EXPECT_EQ(form->width(), r.Right - r.Left);
    EXPECT_EQ(form->height(), 60);
    EXPECT_EQ(form->pos(), grid->mapToGlobal(QPoint(r.Left, r.Top)));
    EXPECT_EQ(link.edit->parentWidget(), form);
    link.edit->selectAll();
    type(QStringLiteral("popped"));
    key(Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("popped"));
}

TEST_F(EditLinks, APopupAtItsOwnPlace)
{
    link.EditStyle = esPopup;
    link.PopupWidth = 120;
    link.PopupHeight = 40;
    link.PopupLeft = 33;
    link.PopupTop = 44;
    open();
    EXPECT_EQ(link.PopupForm()->geometry(), QRect(33, 44, 120, 40));
    key(Qt::Key_Escape);
}

TEST_F(EditLinks, LeavingThePopupEndsTheEditAndTheFocusChangeIsClearedOnceSettled)
{
    auto *other = new QLineEdit(&window);
    other->setGeometry(0, 0, 10, 10);
    other->show();
    link.EditStyle = esPopup;
    link.PopupWidth = 100;
    link.PopupHeight = 30;
    open();
    link.edit->selectAll();
    type(QStringLiteral("left"));
    window.activateWindow();
    other->setFocus();
    testsupport::processEventsUntil([this] { return !link.PopupForm()->isVisible(); }, std::chrono::seconds(5));
    EXPECT_FALSE(link.PopupForm()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("left"));
    testsupport::processEventsUntil([this] { return !grid->InvokedFocusChange; }, std::chrono::seconds(5));
    EXPECT_FALSE(grid->InvokedFocusChange) << "cleared once the focus settled";

    window.activateWindow();
    grid->setFocus();
    testsupport::processEventsUntil([this] { return grid->hasFocus(); }, std::chrono::seconds(5));
    open();
    link.FormExit(link.PopupForm());
    EXPECT_TRUE(grid->InvokedFocusChange);
    EXPECT_FALSE(link.PopupForm()->isVisible());
    testsupport::processEventsUntil([this] { return !grid->InvokedFocusChange; }, std::chrono::seconds(5));
    EXPECT_FALSE(grid->InvokedFocusChange);
}

TEST_F(EditLinks, TwoGridsWithPopupLinksUsedInTurn)
{
    // Each link keeps its own popup: opening one never frees the other's.
    auto *second = new TExStringGrid(&window);
    second->setGeometry(0, 150, 400, 140);
    second->setOptions(second->Options() | goEditing);
    second->OnGetEditorType = [](TExStringGrid *, int, int, TEditorType &e) { e = edCustom; };
    auto secondLink = std::make_unique<TLineLink>();
    secondLink->EditStyle = esPopup;
    secondLink->PopupWidth = 80;
    secondLink->PopupHeight = 30;
    second->setEditLink(secondLink.get());
    link.EditStyle = esPopup;
    link.PopupWidth = 80;
    link.PopupHeight = 30;
    for (int round = 0; round < 3; ++round) {
        window.activateWindow();
        grid->setFocus();
        testsupport::processEventsUntil([this] { return grid->hasFocus(); }, std::chrono::seconds(5));
        at(1, 1);
        open();
        type(QStringLiteral("a"));
        key(Qt::Key_Return);
        testsupport::processEventsUntil([this] { return grid->hasFocus(); }, std::chrono::seconds(5));
        second->setFocus();
        second->FocusCell(1, 1);
        QTest::keyClick(second, Qt::Key_F2);
        ASSERT_TRUE(secondLink->edit && secondLink->edit->isVisible());
        testsupport::processEventsUntil([&] { return secondLink->edit->hasFocus(); }, std::chrono::seconds(5));
        QTest::keyClicks(secondLink->edit, QStringLiteral("b"));
        QTest::keyClick(secondLink->edit, Qt::Key_Return);
    }
    EXPECT_NE(link.PopupForm(), secondLink->PopupForm());
    EXPECT_EQ(second->Cells(1, 1).right(1), QStringLiteral("b"));
    EXPECT_EQ(grid->Cells(1, 1).right(1), QStringLiteral("a"));
    second->setEditLink(nullptr);
    secondLink.reset();
    grid->setFocus();
    at(1, 1);
    open();
    key(Qt::Key_Escape);
}

// A combo as the link's control tells its choice through OnComboChange.
class TComboLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    QPointer<QComboBox> combo;
    QWidget *GetEditControl() override { return combo; }
    void CreateEditor(QWidget *AParent) override
    {
        if (!combo)
            combo = new QComboBox(AParent);
        combo->clear();
        combo->addItems({QStringLiteral("x"), QStringLiteral("y")});
    }
    QString GetEditorValue() override { return combo ? combo->currentText() : QString(); }
};

TEST_F(EditLinks, AComboLinkTellsItsChoice)
{
    TComboLink comboLink;
    grid->setEditLink(&comboLink);
    std::vector<QString> told;
    grid->OnComboChange = [&](TExStringGrid *, int c, int r, int i, const QString &s) {
        told.push_back(QStringLiteral("%1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s));
    };
    key(Qt::Key_F2);
    ASSERT_TRUE(comboLink.combo && comboLink.combo->isVisible());
    told.clear();
    comboLink.combo->setCurrentIndex(1);
    EXPECT_EQ(told, (std::vector<QString>{QStringLiteral("1,1 1 y")}));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("y"));
}

TEST_F(EditLinks, WithoutALinkACustomCellOpensNothing)
{
    grid->setEditLink(nullptr);
    key(Qt::Key_F2);
    EXPECT_FALSE(linkOpen());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("old"));
}

} // namespace
