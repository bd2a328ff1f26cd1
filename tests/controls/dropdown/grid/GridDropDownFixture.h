#pragma once
// A window with a grid drop-down over Alpha, Beta and Bravo (a name and an
// order per row), shown and focused, the popup without its header and
// footer strips, and the popup's reopen clock set by the test.
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/grid/ExGridDropDown.h"
#include "controls/dropdown/grid/PopupGrid.h"
#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace griddroptest {

using controls::griddd::TCustomExGridDropDown;
using controls::griddd::TExColGrid;
using editortest::key;
using editortest::settle;

struct GridDropDownWindow {
    QStringList log;
    QWidget window;
    TCustomExGridDropDown *dropDown = controls::TExCustomDropDown::create<TCustomExGridDropDown>(&window);
    QLineEdit *other = new QLineEdit(&window);
    std::uint32_t now = 100000;

    explicit GridDropDownWindow(const QList<QStringList> &rows = {{"Alpha", "3"}, {"Beta", "1"}, {"Bravo", "2"}})
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
    }
    ~GridDropDownWindow()
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

    TExColGrid &grid() const { return *dropDown->GetExColGrid(); }
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
        // A handler may free the widget on the press.
        QPointer<QWidget> target = QApplication::focusWidget() ? QApplication::focusWidget() : dropDown;
        QKeyEvent down(QEvent::KeyPress, code, mods, text);
        QApplication::sendEvent(target, &down);
        if (!target)
            return;
        QKeyEvent up(QEvent::KeyRelease, code, mods, text);
        QApplication::sendEvent(target, &up);
    }
    void typeText(const QString &text)
    {
        for (const QChar c : text)
            type(c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : int(c.unicode()), QString(c));
    }
    // The keyboard comes to the edit from elsewhere.
    void enterControl()
    {
        leaveControl();
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(dropDown, &in);
        settle();
    }
    void leaveControl()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(dropDown, &out);
    }
    QPoint cellCentre(int col, int row) const
    {
        const platform::TRect r = grid().CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 0; row < grid().RowCount(); ++row)
            texts << grid().Cells(col, row);
        return texts;
    }
};

} // namespace griddroptest
