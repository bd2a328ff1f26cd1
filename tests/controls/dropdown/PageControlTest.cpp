#include "controls/dropdown/PageControl.h"

#include "platform/Error.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <gtest/gtest.h>

using controls::TExPageControl;
using controls::TExTabSheet;
using controls::TTabPosition;

namespace {

struct Pages {
    TExPageControl control;
    std::vector<TExTabSheet *> sheets;
    std::vector<QLineEdit *> edits;

    explicit Pages(std::initializer_list<const char *> captions)
    {
        control.resize(400, 300);
        for (const char *caption : captions) {
            auto *sheet = new TExTabSheet(&control);
            sheet->setObjectName(QString::fromLatin1(caption).trimmed());
            sheet->setCaption(QString::fromLatin1(caption));
            sheets.push_back(sheet);
            edits.push_back(new QLineEdit(sheet));
        }
    }
    TExTabSheet &operator[](std::size_t i) { return *sheets[i]; }
};

void click(QWidget &widget, QPoint at, QEvent::Type type = QEvent::MouseButtonPress)
{
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void clickTab(TExPageControl &control, int page)
{
    click(control, control.GetPageTabRect(page).center());
    click(control, control.GetPageTabRect(page).center(), QEvent::MouseButtonRelease);
}

void ctrlTab(QWidget &focus, bool backward)
{
    const Qt::KeyboardModifiers modifiers = backward ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier;
    QKeyEvent press(QEvent::KeyPress, backward ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
    QApplication::sendEvent(&focus, &press);
}

std::string message(const std::function<void()> &action)
{
    try {
        action();
    } catch (const platform::Error &e) {
        return e.message().toStdString();
    }
    return {};
}

} // namespace

TEST(PageControl, TabTextDropsTheLastTwoCharactersOrAddsABlankForTheCloseButton)
{
    const struct {
        const char *caption;
        bool close;
        const char *tab;
    } cases[] = {
        {"  Nodes    ", false, "  Nodes  "}, {"  Nodes    ", true, "  Nodes     "}, {"Variables     ", false, "Variables   "},
        {"ab", false, ""},                  {"abc", false, "a"},                  {"", true, " "},
    };
    for (const auto &c : cases) {
        Pages f{"first"};
        f[0].setShowClose(c.close);
        f[0].setCaption(QString::fromLatin1(c.caption));
        EXPECT_EQ(f.control.tabText(0), QString::fromLatin1(c.tab)) << '"' << c.caption << '"';
        EXPECT_EQ(f[0].Caption(), QString::fromLatin1(c.caption)) << "the caption itself stays whole";
    }
}

TEST(PageControl, ActivePageShowsOneSheetAndRefusesForeignAndDisabledOnes)
{
    Pages f{"Nodes     ", "Variables     "};
    Pages other{"Other     "};
    f.control.show();
    EXPECT_EQ(f.control.ActivePage(), &f[0]) << "the first tab is selected from the start";
    f.control.setActivePage(&f[1]);
    EXPECT_EQ(f.control.ActivePageIndex(), 1);
    EXPECT_TRUE(f[1].isVisible());
    EXPECT_FALSE(f[0].isVisible());
    EXPECT_EQ(f.control.TabIndex(), 1);

    f.control.setActivePage(&other[0]);
    EXPECT_EQ(f.control.ActivePage(), &f[1]);
    f[0].setTabEnable(false);
    f.control.setActivePage(&f[0]);
    EXPECT_EQ(f.control.ActivePage(), &f[1]);

    f.control.setActivePage(nullptr);
    EXPECT_EQ(f.control.ActivePage(), nullptr);
    EXPECT_EQ(f.control.TabIndex(), -1);
    f.control.setActivePageIndex(1);
    EXPECT_EQ(f.control.ActivePage(), &f[1]);
}

TEST(PageControl, TheActiveTabCannotBeDisabledAndADisabledTabCannotBeEntered)
{
    Pages f{"one  ", "two  ", "three  "};
    f.control.show();
    EXPECT_EQ(message([&] { f[0].setTabEnable(false); }), "Can not disable active tab.");
    EXPECT_TRUE(f[0].TabEnable());
    f[1].setTabEnable(false);

    int changes = 0;
    f.control.OnChange = [&](QObject *) { ++changes; };
    clickTab(f.control, 1);
    EXPECT_EQ(f.control.ActivePage(), &f[0]);
    EXPECT_EQ(f.control.TabIndex(), 0) << "the selection stays with the page shown";
    f.edits[0]->setFocus();
    ctrlTab(*f.edits[0], false);
    EXPECT_EQ(f.control.ActivePage(), &f[0]) << "Ctrl+Tab stops at the disabled tab";
    clickTab(f.control, 2);
    EXPECT_EQ(f.control.ActivePage(), &f[2]);
    EXPECT_EQ(changes, 3);
}

TEST(PageControl, CtrlTabAndCtrlShiftTabWalkTheVisiblePagesRoundTheEnds)
{
    QWidget window;
    Pages f{"one  ", "two  ", "three  ", "four  "};
    f.control.setParent(&window);
    window.show();
    f[2].setTabVisible(false);
    f.control.setActivePage(&f[1]);
    ctrlTab(*f.edits[1], false);
    EXPECT_EQ(f.control.ActivePage(), &f[3]) << "past the hidden tab";
    ctrlTab(*f.edits[3], false);
    EXPECT_EQ(f.control.ActivePage(), &f[0]) << "round the end";
    ctrlTab(*f.edits[0], true);
    EXPECT_EQ(f.control.ActivePage(), &f[3]);

    bool allowed = false;
    f.control.OnCanChange = [&](TExPageControl *, int, int, bool &allow) { allow = allowed; };
    ctrlTab(f.control, true);
    EXPECT_EQ(f.control.ActivePage(), &f[3]) << "refused by OnCanChange";
}

TEST(PageControl, AClickOnATabChangesThePageAndRaisesOnChangeButCodeDoesNot)
{
    Pages f{"Nodes     ", "Variables     "};
    f.control.show();
    int changes = 0;
    f.control.OnChange = [&](QObject *sender) {
        EXPECT_EQ(sender, &f.control);
        ++changes;
    };
    f.control.setActivePage(&f[1]);
    EXPECT_EQ(changes, 0);
    clickTab(f.control, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f.control.ActivePage(), &f[0]);
    EXPECT_EQ(f.control.PageIndexAt(f.control.GetPageTabRect(1).center()), 1);
    EXPECT_EQ(f.control.PageIndexAt(QPoint(399, 299)), -1);
}

TEST(PageControl, FocusFollowsIntoTheNewSheetOnlyWhenItWasInsideTheOldOne)
{
    QWidget window;
    Pages f{"Nodes     ", "Variables     "};
    f.control.setParent(&window);
    auto *outside = new QLineEdit(&window);
    outside->move(0, 310);
    window.resize(400, 340);
    window.show();
    window.activateWindow();
    QApplication::processEvents();

    f.edits[0]->setFocus();
    f.control.setActivePage(&f[1]);
    EXPECT_TRUE(f.edits[1]->hasFocus());
    outside->setFocus();
    f.control.setActivePage(&f[0]);
    EXPECT_TRUE(outside->hasFocus());
}

TEST(PageControl, HidingTheActiveTabActivatesTheTabThatTakesItsPlace)
{
    const struct {
        int active;
        int expected;
    } cases[] = {{0, 1}, {1, 2}, {2, 1}};
    for (const auto &c : cases) {
        Pages f{"one  ", "two  ", "three  "};
        f.control.setActivePageIndex(c.active);
        f[static_cast<std::size_t>(c.active)].setTabVisible(false);
        EXPECT_EQ(f.control.ActivePageIndex(), c.expected) << "hiding " << c.active;
        EXPECT_EQ(f.control.tabCount(), 2);
    }
}

TEST(PageControl, PageIndexMovesASheetAndRefusesPositionsOutsideTheList)
{
    Pages f{"one  ", "two  ", "three  "};
    f[0].setPageIndex(0);
    EXPECT_EQ(f.control.Pages(0), &f[0]);
    f[0].setPageIndex(2);
    EXPECT_EQ(f.control.Pages(2), &f[0]);
    EXPECT_EQ(f.control.tabText(2), QStringLiteral("one"));
    EXPECT_EQ(f.control.tabText(0), QStringLiteral("two"));
    EXPECT_EQ(f.control.ActivePage(), &f[0]) << "the selection moved with its tab";
    EXPECT_EQ(f.control.TabIndex(), 2);
    EXPECT_EQ(message([&] { f[1].setPageIndex(3); }),
              "3 is an invalid PageIndex value.  PageIndex must be between 0 and 2");
    EXPECT_FALSE(message([&] { f[1].setPageIndex(-1); }).empty());
    EXPECT_EQ(f[1].PageIndex(), 0);
}

TEST(PageControl, AClosedTabIsKeptHiddenAndReopensByName)
{
    QWidget window;
    Pages f{"Nodes  "};
    f.control.setParent(&window);
    window.show();
    f[0].setShowClose(true);
    int closed = 0;
    f[0].OnClose = [&](QObject *) { ++closed; };
    const QPoint button = f.control.GetPageTabRect(0).topLeft() + QPoint(8, 8);
    ASSERT_TRUE(f.control.IsOnCloseButton(0, button));
    click(f.control, button);
    click(f.control, button, QEvent::MouseButtonRelease);

    EXPECT_EQ(closed, 1);
    EXPECT_EQ(f.control.ActivePage(), nullptr);
    EXPECT_EQ(f.control.PageCount(), 0);
    EXPECT_EQ(f.control.closedTabNames(), QStringList{QStringLiteral("Nodes")});
    EXPECT_FALSE(f[0].isVisible());
    EXPECT_FALSE(f[0].isWindow()) << "never a window of its own";
    EXPECT_EQ(f[0].parentWidget(), &f.control);

    EXPECT_TRUE(f.control.OpenClosedTab(QStringLiteral("Nodes")));
    EXPECT_EQ(f.control.PageCount(), 1);
    EXPECT_EQ(f.control.ActivePage(), &f[0]);
    EXPECT_TRUE(f.control.OpenClosedTab(QStringLiteral("Nodes")));
    EXPECT_EQ(f.control.PageCount(), 1);
    EXPECT_FALSE(f.control.OpenClosedTab(QStringLiteral("Variables")));
}

TEST(PageControl, APressThatSelectsATabDoesNotCloseItOnTheRelease)
{
    QWidget window;
    Pages f{"Nodes  ", "Variables  "};
    f.control.setParent(&window);
    window.show();
    f.control.setActivePage(&f[0]);
    f[1].setShowClose(true);
    int closed = 0;
    f[1].OnClose = [&](QObject *) { ++closed; };
    const QPoint button = f.control.GetPageTabRect(1).topLeft() + QPoint(8, 8);
    ASSERT_TRUE(f.control.IsOnCloseButton(1, button));

    click(f.control, button);
    ASSERT_EQ(f.control.ActivePage(), &f[1]) << "the press selects the tab";
    click(f.control, button, QEvent::MouseButtonRelease);
    EXPECT_EQ(closed, 0) << "its close button never saw the press";

    click(f.control, button);
    click(f.control, button, QEvent::MouseButtonRelease);
    EXPECT_EQ(closed, 1);
}

TEST(PageControl, ASheetDestroyedAfterClosingLeavesTheClosedList)
{
    Pages f{"Nodes  ", "Variables  "};
    f.control.show();
    f[0].setShowClose(true);
    const QPoint button = f.control.GetPageTabRect(0).topLeft() + QPoint(8, 8);
    click(f.control, button);
    click(f.control, button, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.control.ActivePage(), &f[1]);
    delete f.sheets[0];
    EXPECT_TRUE(f.control.closedTabNames().isEmpty());
    EXPECT_FALSE(f.control.OpenClosedTab(QStringLiteral("Nodes")));
    f.control.OpenAllClosedTabs();
    EXPECT_EQ(f.control.PageCount(), 1);
}

TEST(PageControl, FreeOnCloseDestroysTheSheetAndCanCloseMayRefuse)
{
    Pages f{"Nodes  ", "Variables  "};
    f.control.show();
    f.control.setFreeOnClose(true);
    f[0].setShowClose(true);
    bool may = false;
    f[0].OnCanClose = [&](TExTabSheet *, bool &canClose) { canClose = may; };
    QPointer<TExTabSheet> sheet = &f[0];
    const QPoint button = f.control.GetPageTabRect(0).topLeft() + QPoint(8, 8);
    click(f.control, button);
    click(f.control, button, QEvent::MouseButtonRelease);
    EXPECT_FALSE(sheet.isNull());
    may = true;
    click(f.control, button);
    click(f.control, button, QEvent::MouseButtonRelease);
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(f.control.ActivePage(), f.sheets[1]);
}

TEST(PageControl, DefaultColoursChangeOnlyTheSheetsThatStillHadTheOldDefault)
{
    Pages f{"one  ", "two  "};
    f[1].setTabColor(platform::clRed);
    f.control.setDefaultTabColor(platform::clYellow);
    EXPECT_EQ(f[0].TabColor(), platform::clYellow);
    EXPECT_EQ(f[1].TabColor(), platform::clRed);
}

TEST(PageControl, SplitLineIsRefusedWithTheDotNetStyle)
{
    TExPageControl control;
    control.setTabStyle(controls::TTabStyle::tsDotNet);
    EXPECT_EQ(message([&] { control.setTabSplitLine(true); }), "TabSplitLine must be false when TabStyle is tsDotNet");
    control.setTabStyle(controls::TTabStyle::tsClassic);
    control.setTabSplitLine(true);
    control.setTabStyle(controls::TTabStyle::tsDotNet);
    EXPECT_TRUE(control.TabSplitLine()) << "the style may change afterwards";
}

TEST(PageControl, SheetsMoveBetweenControlsAndLeaveWhenDestroyed)
{
    Pages f{"one  ", "two  "};
    TExPageControl other;
    f[0].setPageControl(&other);
    EXPECT_EQ(f.control.PageCount(), 1);
    EXPECT_EQ(f[1].PageIndex(), 0);
    EXPECT_EQ(other.Pages(0), &f[0]);
    EXPECT_EQ(f[0].parentWidget(), &other);
    delete f.sheets[1];
    EXPECT_EQ(f.control.PageCount(), 0);
    EXPECT_EQ(f.control.ActivePage(), nullptr);
}

TEST(PageControl, TheSheetFillsTheControlBesideTheTabs)
{
    Pages f{"Nodes     ", "Variables     "};
    f.control.setTabPosition(TTabPosition::tpLeft);
    const QRect tab = f.control.GetPageTabRect(0);
    EXPECT_EQ(f[0].geometry(), QRect(QPoint(tab.right() + 1 + 4, 4), QPoint(395, 295)));
}
