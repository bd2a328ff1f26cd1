#pragma once
// What the widget benchmarks share: one shown window to host the widgets
// (freed by main after the runs, before the QApplication goes) and a count
// of the paints a widget gets, to wait for its first frame.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace bench {

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until the widget painted, a bounded number of rounds.
inline void untilPainted(const PaintCounter &counter, int before)
{
    for (int round = 0; round < 50 && counter.paints == before; ++round)
        QCoreApplication::processEvents();
}

inline QWidget &window()
{
    static QWidget *w = [] {
        auto *window = new QWidget;
        window->resize(400, 300);
        window->show();
        QApplication::processEvents();
        return window;
    }();
    return *w;
}

} // namespace bench
