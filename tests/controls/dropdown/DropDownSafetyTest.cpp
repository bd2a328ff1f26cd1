// A handler may free the drop-down it was called by: nothing of it is
// touched afterwards (the sanitizers watch), no later handler runs, and
// its label and popup go with it.
#include "DropDownFixture.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace dropdowntest;

namespace {

struct FreeingCase {
    const char *what;
    // Sets a handler that frees the drop-down (through free()).
    std::function<void(TProbeDropDown &, std::function<void()> free)> arm;
    // What the user does that reaches the handler.
    std::function<void(DropDownWindow &)> act;
};

TEST(DropDownSafety, AHandlerMayFreeTheDropDown)
{
    const FreeingCase cases[] = {
        {"OnDropUp after Escape",
         [](TProbeDropDown &d, auto free) { d.OnDropUp = [free](QObject *, bool) { free(); }; },
         [](DropDownWindow &w) { w.popupKey(Qt::Key_Escape); }},
        {"OnDropUp after Enter in the list",
         [](TProbeDropDown &d, auto free) { d.OnDropUp = [free](QObject *, bool) { free(); }; },
         [](DropDownWindow &w) { key(*w.dropDown->list, Qt::Key_Return); }},
        {"OnDropUp after a click elsewhere",
         [](TProbeDropDown &d, auto free) { d.OnDropUp = [free](QObject *, bool) { free(); }; },
         [](DropDownWindow &w) { editortest::press(w.popup(), {-5, -5}); }},
        {"OnSelect",
         [](TProbeDropDown &d, auto free) { d.OnSelect = [free](QObject *) { free(); }; },
         [](DropDownWindow &w) { w.popupKey(Qt::Key_Return); }},
        {"OnChange while typing in the popup",
         [](TProbeDropDown &d, auto free) { d.OnChange = [free](QObject *) { free(); }; },
         [](DropDownWindow &w) { w.popupKey(Qt::Key_7, QStringLiteral("7")); }},
        {"OnChange while typing in the list",
         [](TProbeDropDown &d, auto free) { d.OnChange = [free](QObject *) { free(); }; },
         [](DropDownWindow &w) { key(*w.dropDown->list, Qt::Key_7, QStringLiteral("7")); }},
        {"OnChange of the text a cancel brings back",
         [](TProbeDropDown &d, auto free) {
             d.OnChange = [free](QObject *Sender) {
                 if (static_cast<TExCustomDropDown *>(Sender)->Text() == QStringLiteral("0"))
                     free();
             };
         },
         [](DropDownWindow &w) {
             w.popupKey(Qt::Key_7, QStringLiteral("7"));
             w.popupKey(Qt::Key_Escape);
         }},
        {"OnBeforeDropUp",
         [](TProbeDropDown &d, auto free) { d.OnBeforeDropUp = [free](QObject *) { free(); }; },
         [](DropDownWindow &w) { w.popupKey(Qt::Key_F4); }},
        {"OnKeyDown in the popup",
         [](TProbeDropDown &d, auto free) {
             d.OnKeyDown = [free](QObject *, int &, Qt::KeyboardModifiers) { free(); };
         },
         [](DropDownWindow &w) { w.popupKey(Qt::Key_Down); }},
    };
    for (const FreeingCase &c : cases) {
        DropDownWindow w;
        TProbeDropDown *d = w.dropDown;
        QPointer<TProbeDropDown> alive(d);
        d->setLabelCaption(QStringLiteral("Meter"));
        QPointer<QWidget> label = w.window.findChild<platform::TLabel *>();
        QPointer<QWidget> popup = d->DropDownForm();
        QPointer<QWidget> list = d->list;
        d->SetPlainText(QStringLiteral("0"));
        int late = 0;
        bool freed = false;
        c.arm(*d, [&] {
            freed = true;
            delete d;
        });
        // Anything raised after the free is a fault.
        auto lateCall = [&] {
            if (freed)
                ++late;
        };
        if (!d->OnDropUp)
            d->OnDropUp = [&](QObject *, bool) { lateCall(); };
        if (!d->OnChange)
            d->OnChange = [&](QObject *) { lateCall(); };
        if (!d->OnBeforeDropUp)
            d->OnBeforeDropUp = [&](QObject *) { lateCall(); };
        d->ShowDropDown();
        ASSERT_TRUE(d->DroppedDown()) << c.what;
        c.act(w);
        EXPECT_TRUE(freed) << c.what;
        EXPECT_TRUE(alive.isNull()) << c.what;
        EXPECT_TRUE(label.isNull()) << c.what;
        settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(popup.isNull()) << c.what;
        EXPECT_TRUE(list.isNull()) << c.what;
        EXPECT_EQ(late, 0) << c.what;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.what;
    }
}

TEST(DropDownSafety, FreeingADropDownWithItsPopupOpenClosesItQuietly)
{
    DropDownWindow w;
    int calls = 0;
    w.dropDown->OnDropUp = [&](QObject *, bool) { ++calls; };
    w.dropDown->OnChange = [&](QObject *) { ++calls; };
    w.dropDown->setLabelCaption(QStringLiteral("Meter"));
    QPointer<QWidget> label = w.window.findChild<platform::TLabel *>();
    w.dropDown->ShowDropDown();
    QPointer<QWidget> popup = w.dropDown->DropDownForm();
    delete w.dropDown;
    EXPECT_TRUE(popup.isNull());
    EXPECT_TRUE(label.isNull());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    settle();
    EXPECT_EQ(calls, 0);
}

} // namespace
