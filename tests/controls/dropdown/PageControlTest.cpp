#include "controls/dropdown/PageControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

using controls::TExPageControl;
using controls::TExTabSheet;

namespace {

struct TwoSheets {
    TExPageControl control;
    TExTabSheet *nodes = new TExTabSheet(&control);
    TExTabSheet *variables = new TExTabSheet(&control);
    QLineEdit *nodeEdit = new QLineEdit(nodes);
    QLineEdit *variableEdit = new QLineEdit(variables);

    TwoSheets()
    {
        nodes->setCaption(QStringLiteral("Nodes"));
        variables->setCaption(QStringLiteral("Variables"));
        control.resize(400, 300);
    }
};

} // namespace

TEST(PageControl, ActivePageShowsTheSheetAndHidesThePreviousOne)
{
    TwoSheets f;
    f.control.show();
    f.control.setActivePage(f.nodes);
    EXPECT_EQ(f.control.ActivePage(), f.nodes);
    f.control.setActivePage(f.variables);
    EXPECT_EQ(f.control.ActivePage(), f.variables);
    EXPECT_TRUE(f.variables->isVisible());
    EXPECT_FALSE(f.nodes->isVisible());
    EXPECT_EQ(f.control.ActivePageIndex(), 1);
}

TEST(PageControl, IgnoresASheetOfAnotherControlAndADisabledTab)
{
    TwoSheets f;
    TwoSheets other;
    f.control.setActivePage(f.nodes);
    f.control.setActivePage(other.variables);
    EXPECT_EQ(f.control.ActivePage(), f.nodes);

    f.variables->setTabEnabled(false);
    f.control.setActivePage(f.variables);
    EXPECT_EQ(f.control.ActivePage(), f.nodes);
}

TEST(PageControl, FocusFollowsIntoTheNewSheetOnlyWhenItWasInsideTheOldOne)
{
    QWidget window;
    TwoSheets f; // destroyed first: it leaves the window before the window goes
    f.control.setParent(&window);
    auto *outside = new QLineEdit(&window);
    outside->move(0, 310);
    window.resize(400, 340);
    window.show();
    window.activateWindow();
    QApplication::processEvents();

    f.control.setActivePage(f.nodes);
    f.nodeEdit->setFocus();
    f.control.setActivePage(f.variables);
    EXPECT_TRUE(f.variableEdit->hasFocus());

    outside->setFocus();
    f.control.setActivePage(f.nodes);
    EXPECT_TRUE(outside->hasFocus());
}

TEST(PageControl, CaptionAndOnChangeFromTheUserOnly)
{
    TwoSheets f;
    auto *tabs = f.control.findChild<QTabWidget *>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Variables"));
    f.variables->setCaption(QStringLiteral("Variabili"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Variabili"));
    EXPECT_EQ(f.variables->Caption(), QStringLiteral("Variabili"));

    int changes = 0;
    f.control.OnChange = [&](QObject *sender) {
        EXPECT_EQ(sender, &f.control);
        ++changes;
    };
    f.control.setActivePage(f.variables);
    EXPECT_EQ(changes, 0);
    tabs->tabBar()->setCurrentIndex(0); // what a click on the tab does
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f.control.ActivePage(), f.nodes);
}

TEST(PageControl, SheetsKnowTheirPlaceAndMoveBetweenControls)
{
    TwoSheets f;
    TExPageControl other;
    EXPECT_EQ(f.variables->PageIndex(), 1);
    f.nodes->setPageControl(&other);
    EXPECT_EQ(f.control.PageCount(), 1);
    EXPECT_EQ(f.variables->PageIndex(), 0);
    EXPECT_EQ(other.Pages(0), f.nodes);
    delete f.variables;
    EXPECT_EQ(f.control.PageCount(), 0);
}
