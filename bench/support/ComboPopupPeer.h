#pragma once
// The Qt peer the drop-down benchmarks measure their popups against: a
// combo box showing its popup until the list's first frame is painted.
#include "HostWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStringList>
#include <benchmark/benchmark.h>

namespace bench {

inline void comboShowPopupToFirstFrame(benchmark::State &state, const QStringList &items)
{
    auto *combo = new QComboBox(&window());
    combo->addItems(items);
    combo->setGeometry(20, 20, 200, 21);
    combo->show();
    // The popup is built on its first showing.
    combo->showPopup();
    combo->hidePopup();
    PaintCounter counter;
    combo->view()->viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        const int before = counter.paints;
        combo->showPopup();
        untilPainted(counter, before);
        combo->hidePopup();
    }
    delete combo;
}

} // namespace bench
