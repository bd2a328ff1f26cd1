#pragma once
// A window with a probe drop-down and another edit, shown and active, and
// the clock the popup's reopen guard reads, set by the test.
#include "ProbeDropDown.h"
#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <cstdint>

namespace dropdowntest {

using editortest::key;
using editortest::settle;

struct DropDownWindow {
    // Before the window: the probe logs while the window frees it.
    QStringList log;
    QWidget window;
    TProbeDropDown *dropDown = controls::TExCustomDropDown::create<TProbeDropDown>(&window, &log);
    QLineEdit *other = new QLineEdit(&window);
    std::uint32_t now = 100000;

    DropDownWindow()
    {
        controls::setDropDownTickClock([this] { return now; });
        // The foundation's popup: the control alone inside the border.
        dropDown->DropDownHeader().setVisible(false);
        dropDown->DropDownFooter().setVisible(false);
        window.resize(400, 300);
        dropDown->move(50, 40);
        other->setGeometry(50, 200, 100, 21);
        window.show();
        window.activateWindow();
        dropDown->setFocus();
        settle();
        log.clear();
    }
    ~DropDownWindow()
    {
        controls::setDropDownTickClock({});
        // Popups a handler left to go later.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget &popup() const { return *dropDown->DropDownForm(); }
    // A key pressed while the popup has the keyboard.
    void popupKey(int code, const QString &text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        key(popup(), code, text, mods);
    }
    // A click on the arrow (the press and the release over it).
    void clickArrow()
    {
        QWidget &arrow = *dropDown->DropDownButton()->Button();
        editortest::click(arrow, {8, 8});
    }
};

} // namespace dropdowntest
