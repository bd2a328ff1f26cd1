#pragma once
// A window with a multi-column drop-down over Alpha, Beta and Bravo (a
// code and a name per row), shown and focused, the popup without its
// header and footer strips, and the popup's reopen clock set by the test.
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/ExColGrid.h"
#include "controls/dropdown/MultiColumnDropDown.h"
#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <cstdint>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace multicoltest {

using controls::multicol::TExColGrid;
using controls::multicol::TExMultiColumnDropDown;
using editortest::key;
using editortest::settle;

// Only the press: the release is the test's to send, or not.
inline void down(QWidget &w, int code, const QString &text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, code, mods, text);
    QApplication::sendEvent(&w, &event);
}
inline void up(QWidget &w, int code, const QString &text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyRelease, code, mods, text);
    QApplication::sendEvent(&w, &event);
}

struct MultiColumnWindow {
    QStringList log;
    QWidget window;
    TExMultiColumnDropDown *dropDown = controls::TExCustomDropDown::create<TExMultiColumnDropDown>(&window);
    QLineEdit *other = new QLineEdit(&window);
    std::uint32_t now = 100000;

    explicit MultiColumnWindow(const QList<QStringList> &rows = {{"Alpha", "first"},
                                                                  {"Beta", "second"},
                                                                  {"Bravo", "third"}})
    {
        controls::setDropDownTickClock([this] { return now; });
        dropDown->DropDownHeader().setVisible(false);
        dropDown->DropDownFooter().setVisible(false);
        dropDown->Columns().Add()->setHeader("Name");
        dropDown->Columns().Add()->setHeader("Order");
        setRows(rows);
        window.resize(500, 400);
        dropDown->move(50, 40);
        other->setGeometry(50, 350, 100, 21);
        window.show();
        window.activateWindow();
        dropDown->setFocus();
        settle();
        dropDown->OnSelect = [this](QObject *) {
            log << QStringLiteral("OnSelect %1 \"%2\"").arg(dropDown->ItemIndex()).arg(dropDown->Text());
        };
        dropDown->OnDropUp = [this](QObject *, bool cancelled) {
            log << QStringLiteral("OnDropUp %1 %2 \"%3\"")
                       .arg(cancelled ? "cancelled" : "kept")
                       .arg(dropDown->ItemIndex())
                       .arg(dropDown->Text());
        };
    }
    ~MultiColumnWindow()
    {
        controls::setDropDownTickClock({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void setRows(const QList<QStringList> &rows)
    {
        dropDown->BeginUpdate();
        dropDown->Items().Clear();
        for (const QStringList &row : rows)
            dropDown->Items().Add()->setText(row);
        dropDown->EndUpdate();
    }

    TExColGrid &grid() const { return *dropDown->ColGrid(); }
    QWidget &popup() const { return *dropDown->DropDownForm(); }
    bool open() const { return dropDown->DroppedDown() && popup().isVisible(); }
    void openPopup()
    {
        dropDown->ShowDropDown();
        settle();
    }
    // A key pressed (and released) where the keyboard is.
    void type(int code, const QString &text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : dropDown;
        key(*target, code, text, mods);
    }
};

} // namespace multicoltest
