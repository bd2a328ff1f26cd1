#include "controls/dropdown/TimePickerDropDown.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/Watch.h"

#include "controls/grid/base/editors/EditorEvents.h"
#include "controls/grid/base/editors/PickerBase.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

using namespace controls;
using editortest::key;
using editortest::settle;

// Times read as text in failures.
static void PrintTo(const QTime &time, std::ostream *os) { *os << time.toString(u"HH:mm:ss.zzz").toStdString(); }

namespace {

struct PickerWindow {
    QWidget window;
    TExTimePickerDropDown *picker = TExCustomDropDown::create<TExTimePickerDropDown>(&window);
    int timeChanges = 0;
    PickerWindow()
    {
        window.resize(400, 300);
        picker->move(50, 40);
        picker->OnTimeChange = [this](QObject *) { ++timeChanges; };
        window.show();
        window.activateWindow();
        picker->setFocus();
        settle();
    }
    ~PickerWindow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void editable()
    {
        picker->setEditorEnabled(true);
        picker->setFocus();
    }
    void caretAt(int position) { picker->setCursorPosition(position); }
    void open()
    {
        key(*picker, Qt::Key_F4);
        settle();
        ASSERT_TRUE(picker->DroppedDown());
    }
    QWidget &popup() { return *picker->DropDownForm(); }
    void popupKey(int code) { key(popup(), code); }
    void typeAt(int position, const QString &text)
    {
        caretAt(position);
        editortest::type(*picker, text);
    }
};

TEST(TimePickerDropDown, ANewPickerShowsMidnight)
{
    PickerWindow w;
    EXPECT_EQ(w.picker->text(), u"00:00:00");
    EXPECT_EQ(w.picker->Time(), QTime(0, 0));
    EXPECT_FALSE(w.picker->EditorEnabled());
    EXPECT_TRUE(w.picker->ShowSeconds());
}

TEST(TimePickerDropDown, UpAndDownStepThePartUnderTheCaretWithoutCarry)
{
    struct Case {
        QTime from;
        int caret;
        int key;
        QTime to;
    };
    const Case cases[] = {
        {QTime(0, 15, 30), 1, Qt::Key_Up, QTime(23, 15, 30)},   {QTime(23, 15, 30), 0, Qt::Key_Down, QTime(0, 15, 30)},
        {QTime(10, 59, 59), 7, Qt::Key_Down, QTime(10, 59, 0)}, {QTime(10, 0, 59), 4, Qt::Key_Up, QTime(10, 59, 59)},
        {QTime(10, 59, 0), 3, Qt::Key_Down, QTime(10, 0, 0)},
    };
    for (const Case &k : cases) {
        PickerWindow w;
        w.editable();
        w.picker->setTime(k.from);
        w.caretAt(k.caret);
        key(*w.picker, k.key);
        EXPECT_EQ(w.picker->Time(), k.to) << k.caret;
        EXPECT_EQ(w.picker->text(), k.to.toString(QStringLiteral("HH:mm:ss")));
        EXPECT_EQ(w.picker->cursorPosition(), k.caret);
        EXPECT_EQ(w.timeChanges, 1);
    }
}

TEST(TimePickerDropDown, WithoutTheEditorOnlyEnterAndEscapeReachIt)
{
    PickerWindow w;
    w.picker->setTime(QTime(8, 0));
    w.caretAt(0);
    key(*w.picker, Qt::Key_Up);
    key(*w.picker, Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(w.picker->Time(), QTime(8, 0));
    EXPECT_EQ(w.picker->text(), u"08:00:00");
    EXPECT_EQ(w.timeChanges, 0);
}

TEST(TimePickerDropDown, TypedTextsSetTheTime)
{
    PickerWindow w;
    w.editable();
    w.typeAt(0, QStringLiteral("123456"));
    EXPECT_EQ(w.picker->text(), u"12:34:56");
    EXPECT_EQ(w.picker->Time(), QTime(12, 34, 56));
    // Set directly: no OnTimeChange.
    EXPECT_EQ(w.timeChanges, 0);
    // Hours and minutes no clock has are ignored, not thrown: the time is
    // the last one the text named.
    w.typeAt(0, QStringLiteral("25"));
    EXPECT_EQ(w.picker->text(), u"25:34:56");
    EXPECT_EQ(w.picker->Time(), QTime(22, 34, 56));
    w.typeAt(3, QStringLiteral("7"));
    EXPECT_EQ(w.picker->text(), u"25:74:56");
    EXPECT_EQ(w.picker->Time(), QTime(22, 34, 56));

    w.picker->setShowSeconds(false);
    w.typeAt(0, QStringLiteral("1205"));
    EXPECT_EQ(w.picker->Time(), QTime(12, 5));
    // The mask takes a blank only in the first place; the text then trims
    // shorter and is incomplete.
    w.caretAt(0);
    key(*w.picker, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(w.picker->displayText(), u" 2:05");
    EXPECT_EQ(w.picker->Time(), QTime(12, 5));
}

TEST(TimePickerDropDown, ShowSecondsBothWaysKeepsTheTime)
{
    PickerWindow w;
    w.picker->setTime(QTime(12, 34, 56));
    w.picker->setShowSeconds(false);
    EXPECT_EQ(w.picker->text(), u"12:34");
    EXPECT_EQ(w.picker->Time(), QTime(12, 34, 56));
    w.picker->setShowSeconds(true);
    EXPECT_EQ(w.picker->text(), u"12:34:56");
    EXPECT_EQ(w.picker->Time(), QTime(12, 34, 56));
}

TEST(TimePickerDropDown, TheClockSetsTheTimeAndACancelBringsBackTheOpeningOne)
{
    PickerWindow w;
    w.picker->setAnimation(false);
    w.picker->setTime(QTime(9, 20, 5));
    w.open();
    TExWatch &watch = *w.picker->Watch();
    EXPECT_EQ(watch.Time(), QTime(9, 20, 5));
    EXPECT_FALSE(watch.Animation());
    // A click on the face at 3 o'clock: the edit follows at once.
    editortest::click(watch, QPoint(watch.width() / 2 + 50, watch.height() / 2));
    EXPECT_EQ(w.picker->Time(), QTime(3, 20, 5));
    EXPECT_EQ(w.picker->text(), u"03:20:05");
    w.popupKey(Qt::Key_Escape);
    settle();
    EXPECT_FALSE(w.picker->DroppedDown());
    EXPECT_EQ(w.picker->Time(), QTime(9, 20, 5));
    EXPECT_EQ(w.picker->text(), u"09:20:05");
    EXPECT_EQ(watch.Time(), QTime(9, 20, 5));
}

TEST(TimePickerDropDown, EnterKeepsTheClocksTime)
{
    PickerWindow w;
    w.picker->setAnimation(false);
    w.picker->setTime(QTime(9, 20));
    w.open();
    key(w.popup(), Qt::Key_PageUp);
    EXPECT_EQ(w.picker->Time(), QTime(10, 20));
    key(w.popup(), Qt::Key_Right);
    EXPECT_EQ(w.picker->Time(), QTime(10, 21));
    key(w.popup(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(w.picker->DroppedDown());
    EXPECT_EQ(w.picker->Time(), QTime(10, 21));
    EXPECT_EQ(w.picker->text(), u"10:21:00");
}

TEST(TimePickerDropDown, AHandStillWalkingAtTheCancelDoesNotMoveTheTime)
{
    PickerWindow w;
    w.picker->setTime(QTime(9, 0));
    w.open();
    TExWatch &watch = *w.picker->Watch();
    ASSERT_TRUE(watch.Animation());
    editortest::click(watch, QPoint(watch.width() / 2 + 50, watch.height() / 2));
    ASSERT_TRUE(watch.animationTimer().isEnabled());
    w.popupKey(Qt::Key_Escape);
    settle();
    EXPECT_FALSE(watch.animationTimer().isEnabled());
    EXPECT_EQ(w.picker->Time(), QTime(9, 0));
}

TEST(TimePickerDropDown, PopupArrowsReachTheEditOnlyWithAlt)
{
    PickerWindow w;
    w.editable();
    w.picker->setTime(QTime(9, 0));
    w.caretAt(0);
    w.open();
    key(w.popup(), Qt::Key_Down);
    EXPECT_TRUE(w.picker->DroppedDown());
    EXPECT_EQ(w.picker->Time(), QTime(9, 0));
    key(w.popup(), Qt::Key_Up, {}, Qt::AltModifier);
    settle();
    EXPECT_FALSE(w.picker->DroppedDown());
}

TEST(TimePickerDropDown, TheTimePickerUnderTheClockFollowsTheForm)
{
    PickerWindow w;
    w.picker->setShowTimePicker(true);
    w.picker->setShowSeconds(false);
    w.picker->setAnimation(false);
    w.picker->setTime(QTime(7, 45));
    w.open();
    TDateTimePickerBase &timePicker = *w.picker->TimePicker();
    EXPECT_TRUE(timePicker.isVisible());
    EXPECT_EQ(timePicker.Format(), u"HH:mm");
    EXPECT_GT(w.popup().height(), 170);
    key(w.popup(), Qt::Key_PageDown);
    EXPECT_EQ(w.picker->Time(), QTime(6, 45));
    EXPECT_EQ(w.timeChanges, 1);
}

TEST(TimePickerDropDown, AComponentStyleRecoloursTheClock)
{
    PickerWindow w;
    w.picker->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(w.picker->WatchAppearance().look().BackgroundColor, 0xFFD2AF);
    w.open();
    EXPECT_EQ(w.picker->Watch()->Appearance().look().BackgroundColor, 0xFFD2AF);
}

} // namespace
