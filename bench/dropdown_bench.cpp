// From the key press that opens a drop-down to the first painted frame of
// its popup (and closed again), with a list of 20 meters, beside
// QComboBox::showPopup with the same 20 items. The ratio of the two is
// printed at the end.
#include "support/BenchMain.h"

#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/DropDownForm.h"
#include "support/ComboPopupPeer.h"
#include "support/HostWindow.h"
#include "support/TimesReporter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

using bench::PaintCounter;
using bench::untilPainted;
using bench::window;

using controls::TExCustomDropDown;

QStringList meters()
{
    QStringList items;
    for (int i = 1; i <= 20; ++i)
        items << QStringLiteral("Meter %1").arg(i);
    return items;
}

class TListDropDown : public TExCustomDropDown {
public:
    TListDropDown(TConstructKey key, QWidget *parent) : TExCustomDropDown(key, parent) {}
    QListWidget *list = nullptr;

protected:
    void EnsureDropDownForm() override
    {
        TExCustomDropDown::EnsureDropDownForm();
        if (list)
            return;
        list = new QListWidget(DropDownForm());
        list->addItems(meters());
        list->resize(198, 160);
        SetDropDownControl(list);
        SetFocusControl(list);
    }
};


void pressF4(QWidget &to)
{
    QKeyEvent down(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QApplication::sendEvent(&to, &down);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_F4, Qt::NoModifier);
    QApplication::sendEvent(&to, &up);
}

void DropDown_KeyToFirstPopupFrame(benchmark::State &state)
{
    auto *dropDown = TExCustomDropDown::create<TListDropDown>(&window());
    dropDown->move(20, 20);
    dropDown->show();
    PaintCounter counter;
    dropDown->list->viewport()->installEventFilter(&counter);
    QWidget &popup = *dropDown->DropDownForm();
    for (auto _ : state) {
        const int before = counter.paints;
        pressF4(*dropDown);
        untilPainted(counter, before);
        pressF4(popup);
    }
    delete dropDown;
}

void QComboBox_ShowPopupToFirstFrame(benchmark::State &state)
{
    bench::comboShowPopupToFirstFrame(state, meters());
}

BENCHMARK(DropDown_KeyToFirstPopupFrame)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(QComboBox_ShowPopupToFirstFrame)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::TimesReporter reporter(bench::TimesReporter::Clock::Real);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("drop-down / QComboBox", "DropDown_KeyToFirstPopupFrame", "QComboBox_ShowPopupToFirstFrame");
    benchmark::Shutdown();
    delete &window();
    return 0;
}
