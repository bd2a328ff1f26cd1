#include "DropDownFixture.h"

#include <QScreen>
#include <gtest/gtest.h>

using namespace controls;
using namespace dropdowntest;

namespace {

// The events of the base, logged beside the probe's steps.
void logEvents(DropDownWindow &w)
{
    TProbeDropDown &d = *w.dropDown;
    d.OnBeforeDropDown = [&w](QObject *) { w.log << "OnBeforeDropDown"; };
    d.OnDropDown = [&w](QObject *, bool &) { w.log << "OnDropDown"; };
    d.OnBeforeDropUp = [&w](QObject *) { w.log << "OnBeforeDropUp"; };
    d.OnDropUp = [&w](QObject *Sender, bool cancelled) {
        w.log << QStringLiteral("OnDropUp cancelled %1 text %2")
                     .arg(cancelled)
                     .arg(static_cast<TExCustomDropDown *>(Sender)->Text());
    };
    d.OnChange = [&w](QObject *Sender) {
        w.log << QStringLiteral("OnChange %1").arg(static_cast<TExCustomDropDown *>(Sender)->Text());
    };
}

TEST(DropDownLifeCycle, ConstructionRunsTheBaseStepsThroughOverridesBeforeTheDescendantsOwn)
{
    QStringList log;
    std::unique_ptr<TProbeDropDown> d(TExCustomDropDown::create<TProbeDropDown>(nullptr, &log));
    EXPECT_EQ(log, QStringList({"Initialize", "EnsureDropDownForm", "PlaceDropDownControl", "setSelectionColorStyle",
                                "SetComponentStyle", "probe's own construction"}));
    ASSERT_NE(d->list, nullptr);
    EXPECT_EQ(d->DropDownControl(), d->list);
    EXPECT_EQ(d->size(), QSize(200, 21));
    EXPECT_EQ(d->Text(), QString());
    EXPECT_EQ(d->LabelCaption(), QString());
    EXPECT_EQ(d->GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(d->SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(d->DropPosition(), dpAuto);
    EXPECT_EQ(d->DropDownBorderWidth(), 1);
    // The office 2007 style's colour.
    EXPECT_EQ(d->DropDownColor(), 0xF3E5DAu);
    EXPECT_FALSE(d->DroppedDown());
    EXPECT_FALSE(d->DropDownForm()->isVisible());
}

TEST(DropDownLifeCycle, VersionSpellsThePackedVersion)
{
    std::unique_ptr<TProbeDropDown> d(TExCustomDropDown::create<TProbeDropDown>(nullptr));
    EXPECT_EQ(d->Version(), QStringLiteral("1.0.2.0"));
    d->packedVersion = 0x02030A00;
    EXPECT_EQ(d->Version(), QStringLiteral("2.3.10.0"));
}

TEST(DropDownLifeCycle, OpensAndClosesInTheBasesOrder)
{
    DropDownWindow w;
    logEvents(w);
    w.dropDown->ShowDropDown();
    EXPECT_EQ(w.log, QStringList({"PrepareDropDown", "OnBeforeDropDown", "ComputeDropDownSize",
                                  "PlaceDropDownControl", "OnDropDown", "AdjustDropDownHeight 102",
                                  "FocusDropDownControl dropped 1"}));
    EXPECT_TRUE(w.dropDown->DroppedDown());
    EXPECT_TRUE(w.popup().isVisible());
    // The list and its borders.
    EXPECT_EQ(w.popup().size(), QSize(152, 102));
    EXPECT_EQ(w.dropDown->list->geometry(), QRect(1, 1, 150, 100));

    w.log.clear();
    w.popupKey(Qt::Key_Return);
    EXPECT_EQ(w.log, QStringList({"OnBeforeDropUp", "AfterCloseDropDown", "OnDropUp cancelled 0 text "}));
    EXPECT_FALSE(w.dropDown->DroppedDown());
    EXPECT_FALSE(w.popup().isVisible());

    // A close request on a closed drop-down does nothing.
    w.log.clear();
    w.dropDown->HideDropDown(true);
    EXPECT_TRUE(w.log.isEmpty());
}

TEST(DropDownLifeCycle, ARefusedOpenShowsNothingAndRaisesNoDropUp)
{
    DropDownWindow w;
    logEvents(w);
    w.dropDown->OnDropDown = [&w](QObject *, bool &accept) {
        w.log << "OnDropDown refused";
        accept = false;
    };
    w.dropDown->ShowDropDown();
    EXPECT_FALSE(w.dropDown->DroppedDown());
    EXPECT_FALSE(w.popup().isVisible());
    EXPECT_EQ(w.log.last(), QStringLiteral("OnDropDown refused"));
    w.log.clear();
    key(*w.dropDown, Qt::Key_Escape);
    EXPECT_TRUE(w.log.isEmpty());
}

TEST(DropDownLifeCycle, OpenRequestsOnADisabledReadOnlyOrOpenDropDownAreIgnored)
{
    DropDownWindow w;
    logEvents(w);
    w.dropDown->setEnabled(false);
    w.dropDown->ShowDropDown();
    w.dropDown->setEnabled(true);
    w.dropDown->setReadOnly(true);
    w.dropDown->ShowDropDown();
    EXPECT_TRUE(w.log.isEmpty());
    w.dropDown->setReadOnly(false);
    w.dropDown->ShowDropDown();
    w.log.clear();
    w.dropDown->ShowDropDown();
    EXPECT_TRUE(w.log.isEmpty());
}

TEST(DropDownLifeCycle, TheKeysOpenAndCloseOncePerPress)
{
    DropDownWindow w;
    struct Case {
        const char *what;
        int code;
        Qt::KeyboardModifiers mods;
        bool opens;
        bool closes;
        bool cancelled;
    };
    const Case cases[] = {
        {"F4", Qt::Key_F4, Qt::NoModifier, true, true, false},
        {"Alt+Down", Qt::Key_Down, Qt::AltModifier, true, true, false},
        {"Alt+Up", Qt::Key_Up, Qt::AltModifier, true, true, false},
        {"Enter", Qt::Key_Return, Qt::NoModifier, false, true, false},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, false, true, true},
        {"Down alone", Qt::Key_Down, Qt::NoModifier, false, false, false},
    };
    for (const Case &c : cases) {
        int dropUps = 0;
        bool lastCancelled = false;
        w.dropDown->OnDropUp = [&](QObject *, bool cancelled) {
            ++dropUps;
            lastCancelled = cancelled;
        };
        key(*w.dropDown, c.code, {}, c.mods);
        EXPECT_EQ(w.dropDown->DroppedDown(), c.opens) << c.what;
        w.dropDown->ShowDropDown();
        w.popupKey(c.code, {}, c.mods);
        EXPECT_EQ(w.dropDown->DroppedDown(), !c.closes) << c.what;
        EXPECT_EQ(dropUps, c.closes ? 1 : 0) << c.what;
        EXPECT_EQ(lastCancelled, c.cancelled) << c.what;
        w.dropDown->HideDropDown(false);
    }
}

TEST(DropDownLifeCycle, KeysTypedInTheHostedControlReachTheEditOnce)
{
    DropDownWindow w;
    int keyDowns = 0;
    w.dropDown->OnKeyDown = [&](QObject *, int &, Qt::KeyboardModifiers) { ++keyDowns; };
    w.dropDown->ShowDropDown();
    key(*w.dropDown->list, Qt::Key_A, QStringLiteral("a"));
    key(*w.dropDown->list, Qt::Key_B, QStringLiteral("b"));
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("ab"));
    // Keys the list leaves to its parent, the popup, come once.
    key(*w.dropDown->list, Qt::Key_Left);
    key(*w.dropDown->list, Qt::Key_Delete);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("a"));
    EXPECT_EQ(keyDowns, 4);
    key(*w.dropDown->list, Qt::Key_F4);
    EXPECT_FALSE(w.dropDown->DroppedDown());
    EXPECT_EQ(keyDowns, 5);
    w.dropDown->ShowDropDown();
    key(*w.dropDown->list, Qt::Key_Escape);
    EXPECT_FALSE(w.dropDown->DroppedDown());
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("a"));
    // Keys pressed in the popup itself still reach the edit.
    w.dropDown->ShowDropDown();
    w.popupKey(Qt::Key_C, QStringLiteral("c"));
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("ac"));
}

TEST(DropDownLifeCycle, EnterKeepsTheTextAndEscapeBringsBackTheTextThePopupOpenedOn)
{
    DropDownWindow w;
    logEvents(w);
    w.dropDown->setText(QStringLiteral("12"));
    w.dropDown->list->setCurrentRow(3);
    w.dropDown->ShowDropDown();
    w.popupKey(Qt::Key_End);
    w.popupKey(Qt::Key_5, QStringLiteral("5"));
    w.dropDown->list->setCurrentRow(7);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("125"));
    w.log.clear();
    w.popupKey(Qt::Key_Escape);
    EXPECT_EQ(w.log, QStringList({"OnBeforeDropUp", "AfterCloseDropDown", "RestoreDropDownValue text 125",
                                  "OnChange 12", "OnDropUp cancelled 1 text 12"}));
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("12"));
    EXPECT_EQ(w.dropDown->list->currentRow(), 3);

    w.dropDown->ShowDropDown();
    w.popupKey(Qt::Key_5, QStringLiteral("5"));
    w.log.clear();
    w.popupKey(Qt::Key_Return);
    EXPECT_EQ(w.log, QStringList({"OnBeforeDropUp", "AfterCloseDropDown", "OnDropUp cancelled 0 text 125"}));
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("125"));
}

TEST(DropDownLifeCycle, ACancelBringsBackPlainTextAndIgnoresTextStoredWhileOpen)
{
    DropDownWindow w;
    int changes = 0;
    w.dropDown->OnChange = [&](QObject *) { ++changes; };
    struct Case {
        const char *what;
        std::function<void(TExCustomDropDown &)> before;
        std::function<void(TExCustomDropDown &)> whileOpen;
        QString back;
    };
    const Case cases[] = {
        // Text set exactly, as the memo and the time picker do, not through Text.
        {"plain text before", [](TExCustomDropDown &d) { d.SetPlainText(QStringLiteral("Line 1\nLine 2")); },
         [](TExCustomDropDown &d) { d.SetPlainText(QStringLiteral("other")); }, QStringLiteral("Line 1\nLine 2")},
        // A result written through Text while open, as the calculator does.
        {"Text while open", [](TExCustomDropDown &d) { d.setText(QStringLiteral("7")); },
         [](TExCustomDropDown &d) { d.setText(QStringLiteral("49")); }, QStringLiteral("7")},
        // An empty edit stays empty.
        {"empty", [](TExCustomDropDown &d) { d.setText(QString()); },
         [](TExCustomDropDown &d) { d.setText(QStringLiteral("3")); }, QString()},
    };
    for (const Case &c : cases) {
        c.before(*w.dropDown);
        w.dropDown->ShowDropDown();
        c.whileOpen(*w.dropDown);
        changes = 0;
        w.popupKey(Qt::Key_Escape);
        EXPECT_EQ(w.dropDown->Text(), c.back) << c.what;
        EXPECT_EQ(changes, 1) << c.what;
    }
    // Nothing changed: no change reported.
    w.dropDown->ShowDropDown();
    changes = 0;
    w.popupKey(Qt::Key_Escape);
    EXPECT_EQ(changes, 0);
}

TEST(DropDownLifeCycle, TheClickThatDeactivatedThePopupDoesNotReopenIt)
{
    DropDownWindow w;
    int dropUps = 0;
    bool cancelled = false;
    w.dropDown->OnDropUp = [&](QObject *, bool c) {
        ++dropUps;
        cancelled = c;
    };
    w.clickArrow();
    ASSERT_TRUE(w.dropDown->DroppedDown());
    // The press on the arrow, outside the popup, deactivates it first.
    w.now = 5000;
    editortest::press(w.popup(), w.popup().mapFromGlobal(w.dropDown->mapToGlobal(QPoint(190, 10))));
    EXPECT_FALSE(w.dropDown->DroppedDown());
    EXPECT_EQ(dropUps, 1);
    EXPECT_TRUE(cancelled);
    w.now = 5100;
    w.clickArrow();
    EXPECT_FALSE(w.dropDown->DroppedDown());
    w.now = 5250;
    w.clickArrow();
    EXPECT_FALSE(w.dropDown->DroppedDown());
    w.now = 5251;
    w.clickArrow();
    EXPECT_TRUE(w.dropDown->DroppedDown());
    // F4 is no click: it opens at once after a deactivation.
    w.now = 9000;
    editortest::press(w.popup(), {-5, -5});
    key(*w.dropDown, Qt::Key_F4);
    EXPECT_TRUE(w.dropDown->DroppedDown());
}

TEST(DropDownLifeCycle, ADescendantMayKeepItsChangesOnDeactivation)
{
    DropDownWindow w;
    w.dropDown->setText(QStringLiteral("1"));
    w.dropDown->ShowDropDown();
    static_cast<TDropDownForm &>(w.popup()).setCancelOnDeActivate(false);
    w.dropDown->setText(QStringLiteral("2"));
    editortest::press(w.popup(), {-5, -5});
    EXPECT_FALSE(w.dropDown->DroppedDown());
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("2"));
    // While activation is blocked the popup stays open.
    w.dropDown->ShowDropDown();
    static_cast<TDropDownForm &>(w.popup()).setBlockActivate(true);
    editortest::press(w.popup(), {-5, -5});
    EXPECT_TRUE(w.dropDown->DroppedDown());
}

TEST(DropDownLifeCycle, ThePopupIsNeverSmallerThanEightyByFifty)
{
    DropDownWindow w;
    w.dropDown->list->hide();
    w.dropDown->setDropDownWidth(10);
    w.dropDown->setDropDownHeight(10);
    w.dropDown->ShowDropDown();
    EXPECT_EQ(w.popup().size(), QSize(80, 50));
}

TEST(DropDownLifeCycle, ASizeTheUserLeftIsReusedUntilTheSettingChanges)
{
    DropDownWindow w;
    w.dropDown->ShowDropDown();
    w.popup().resize(260, 180);
    w.popupKey(Qt::Key_Return);
    w.dropDown->ShowDropDown();
    EXPECT_EQ(w.popup().size(), QSize(260, 180));
    w.popupKey(Qt::Key_Return);
    w.dropDown->setDropDownHeight(120);
    w.dropDown->ShowDropDown();
    EXPECT_EQ(w.popup().size(), QSize(260, 120));
    w.popupKey(Qt::Key_Return);
    // The same value again keeps the remembered size.
    w.dropDown->setDropDownHeight(120);
    w.dropDown->ShowDropDown();
    EXPECT_EQ(w.popup().height(), 120);
}

TEST(DropDownLifeCycle, ThePopupOpensBelowOrAboveOnTheWorkAreaOfTheEditsScreen)
{
    DropDownWindow w;
    const QRect area = w.dropDown->screen()->availableGeometry();
    const int below = 20;   // over the edit's last pixel row
    const int above = -102; // the popup's height
    struct Case {
        const char *what;
        TDropPosition position;
        int editTop; // on the screen
        int popupTop; // from the edit's top
    };
    const Case cases[] = {
        {"room below", dpAuto, area.top() + 150, below},
        {"near the bottom", dpAuto, area.bottom() - 60, above},
        {"dpDown near the bottom", dpDown, area.bottom() - 60, below},
        {"dpUp with room below", dpUp, area.top() + 150, above},
    };
    for (const Case &c : cases) {
        w.window.move(w.window.pos() + QPoint(0, c.editTop - w.dropDown->mapToGlobal(QPoint(0, 0)).y()));
        settle();
        const QPoint edit = w.dropDown->mapToGlobal(QPoint(0, 0));
        ASSERT_EQ(edit.y(), c.editTop) << c.what;
        w.dropDown->setDropPosition(c.position);
        w.dropDown->ShowDropDown();
        EXPECT_EQ(w.popup().geometry(), QRect(edit + QPoint(0, c.popupTop), QSize(152, 102))) << c.what;
        w.dropDown->HideDropDown(false);
    }
}

} // namespace

namespace {

TEST(DropDownLifeCycle, APopupFreedElsewhereIsForgotten)
{
    DropDownWindow w;
    w.log.clear();
    delete w.dropDown->DropDownForm();
    EXPECT_EQ(w.dropDown->DropDownForm(), nullptr);
    EXPECT_EQ(w.dropDown->DropDownControl(), nullptr);
    w.dropDown->ShowDropDown();
    key(*w.dropDown, Qt::Key_F4);
    w.clickArrow();
    EXPECT_FALSE(w.dropDown->DroppedDown());
    EXPECT_TRUE(w.log.isEmpty());
}

} // namespace
