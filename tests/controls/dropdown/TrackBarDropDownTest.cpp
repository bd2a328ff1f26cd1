#include "controls/dropdown/TrackBarDropDown.h"
#include "controls/dropdown/DropDownForm.h"

#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>
#include <QSlider>
#include <QWidget>

#include <gtest/gtest.h>

using namespace controls;
using editortest::key;
using editortest::settle;

namespace {

struct TrackWindow {
    QWidget window;
    TExTrackBarDropDown *track = TExCustomDropDown::create<TExTrackBarDropDown>(&window);
    int trackChanges = 0;
    TrackWindow()
    {
        window.resize(400, 300);
        track->move(50, 40);
        track->OnTrackChange = [this](QObject *) { ++trackChanges; };
        window.show();
        window.activateWindow();
        track->setFocus();
        settle();
    }
    ~TrackWindow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void drag(std::initializer_list<int> xs)
    {
        auto x = xs.begin();
        editortest::press(*track, {*x, 10});
        for (++x; x != xs.end(); ++x)
            editortest::moveTo(*track, {*x, 10}, Qt::LeftButton);
        editortest::release(*track, {*(xs.end() - 1), 10});
    }
};

TEST(TrackBarDropDown, KeysStepWithinTheRangeAndTheTextFollows)
{
    TrackWindow w;
    EXPECT_EQ(w.track->Text(), u"0");
    EXPECT_FALSE(w.track->EditorEnabled());
    key(*w.track, Qt::Key_Up);
    EXPECT_EQ(w.track->Position(), 0);
    EXPECT_EQ(w.trackChanges, 0);
    key(*w.track, Qt::Key_Down);
    EXPECT_EQ(w.track->Position(), 1);
    EXPECT_EQ(w.track->Text(), u"1");
    EXPECT_EQ(w.trackChanges, 1);
    w.track->setPosition(10);
    key(*w.track, Qt::Key_Down);
    EXPECT_EQ(w.track->Position(), 10);
    w.track->setFrequency(3);
    key(*w.track, Qt::Key_Up);
    EXPECT_EQ(w.track->Text(), u"7");
    // Alt+Down opens the popup instead.
    key(*w.track, Qt::Key_Down, {}, Qt::AltModifier);
    EXPECT_EQ(w.track->Position(), 7);
    EXPECT_TRUE(w.track->DroppedDown());
}

TEST(TrackBarDropDown, ADragStepsOncePerPageSizeOfEachMove)
{
    struct Case {
        int pageSize;
        std::initializer_list<int> xs;
        int position;
    };
    const Case cases[] = {
        {2, {20, 25}, 7},         // 5 px: 2 steps
        {2, {20, 21, 22, 23}, 5}, // 1 px moves never step
        {2, {40, 35}, 3},         // to the left: down
        {0, {20, 60}, 5},         // no page size: no step
        {-3, {20, 60}, 5},
        {1, {20, 200}, 10}, // stays within the range
    };
    for (const Case &k : cases) {
        TrackWindow w;
        w.track->setPosition(5);
        w.track->setPageSize(k.pageSize);
        w.drag(k.xs);
        EXPECT_EQ(w.track->Position(), k.position) << k.pageSize;
        EXPECT_EQ(w.track->Text(), QString::number(k.position));
        EXPECT_EQ(w.track->TrackBar()->value(), k.position);
    }
}

TEST(TrackBarDropDown, TheSliderInThePopupSetsTheTextAtOnce)
{
    TrackWindow w;
    key(*w.track, Qt::Key_F4);
    settle();
    ASSERT_TRUE(w.track->DroppedDown());
    QSlider &slider = *w.track->TrackBar();
    // The slider fills the popup inside its border.
    EXPECT_EQ(slider.geometry(), w.track->DropDownForm()->rect().adjusted(1, 1, -1, -1));
    slider.setValue(4);
    EXPECT_EQ(w.track->Text(), u"4");
    EXPECT_EQ(w.track->Position(), 4);
    EXPECT_EQ(w.trackChanges, 1);
    slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.track->Text(), u"5");
    EXPECT_EQ(w.trackChanges, 2);
    // A click elsewhere keeps it.
    w.track->DropDownFormDeactivated(w.track->DropDownForm()->CancelOnDeActivate());
    EXPECT_FALSE(w.track->DroppedDown());
    EXPECT_EQ(w.track->Position(), 5);
}

TEST(TrackBarDropDown, WithTheEditorKeysAndDragsLeaveThePosition)
{
    TrackWindow w;
    w.track->setEditorEnabled(true);
    w.track->setPosition(5);
    key(*w.track, Qt::Key_Down);
    w.drag({20, 40});
    EXPECT_EQ(w.track->Position(), 5);
}

TEST(TrackBarDropDown, TextsSetThePositionWithinTheRange)
{
    TrackWindow w;
    w.track->setPosition(5);
    struct Case {
        const char16_t *text;
        int position;
        const char16_t *shown;
    };
    const Case cases[] = {
        {u"7", 7, u"7"}, {u"abc", 7, u"abc"}, {u"", 7, u""}, {u"15", 10, u"10"}, {u"-3", 0, u"0"}, {u"2.5", 0, u"2.5"},
    };
    for (const Case &k : cases) {
        w.track->SetPlainText(QString::fromUtf16(k.text));
        EXPECT_EQ(w.track->Position(), k.position) << QString::fromUtf16(k.text).toStdString();
        EXPECT_EQ(w.track->Text(), QString::fromUtf16(k.shown));
    }
}

TEST(TrackBarDropDown, ThePositionStaysBetweenMinAndMaxInEitherOrder)
{
    TrackWindow w;
    w.track->setPosition(99);
    EXPECT_EQ(w.track->Position(), 10);
    w.track->setMin(20);
    EXPECT_EQ(w.track->Position(), 10);
    w.track->setPosition(25);
    EXPECT_EQ(w.track->Position(), 20);
    w.track->setPosition(-5);
    EXPECT_EQ(w.track->Position(), 10);
    EXPECT_EQ(w.track->Min(), 20);
    EXPECT_EQ(w.track->Max(), 10);
    EXPECT_EQ(w.track->Text(), u"10");
}

} // namespace
