// Each in-place editor of the grids created, shown, painted once and
// destroyed, as the grid does every time a cell goes into editing, 10,000
// times; the Qt widget that does the same job runs beside it.
#include "support/BenchMain.h"
#include "support/Smoke.h"

#include "controls/grid/base/editors/EditButton.h"
#include "controls/grid/base/editors/EsgCombo.h"
#include "controls/grid/base/editors/ExCheckBox.h"
#include "controls/grid/base/editors/ExDateTimePicker.h"
#include "controls/grid/base/editors/SpinEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSpinBox>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const int Rounds = bench::rounds(10000);

// The grid's window, shown once; the editor appears on it over a cell.
// It must go before the application does.
std::unique_ptr<QWidget> &gridWindowSlot()
{
    static std::unique_ptr<QWidget> window;
    return window;
}

QWidget &gridWindow()
{
    std::unique_ptr<QWidget> &window = gridWindowSlot();
    if (!window) {
        window = std::make_unique<QWidget>();
        window->resize(400, 300);
        window->show();
        QApplication::processEvents();
    }
    return *window;
}

template <typename Editor, typename Setup>
void editorRounds(benchmark::State &state, Setup setup)
{
    QWidget &window = gridWindow();
    for (auto _ : state) {
        auto *editor = new Editor(&window);
        setup(*editor);
        editor->setGeometry(40, 40, 120, 22);
        editor->show();
        editor->repaint();
        delete editor;
    }
}

void BM_TEsgSpinEdit(benchmark::State &state)
{
    editorRounds<controls::TEsgSpinEdit>(state, [](controls::TEsgSpinEdit &e) { e.setValue(42); });
}
void BM_QSpinBox(benchmark::State &state)
{
    editorRounds<QSpinBox>(state, [](QSpinBox &e) { e.setValue(42); });
}

void BM_TEsgComboBox(benchmark::State &state)
{
    editorRounds<controls::TEsgComboBox>(state, [](controls::TEsgComboBox &e) {
        e.addItems({"kWh", "MWh", "GJ"});
        e.setFlat(true);
    });
}
void BM_QComboBox(benchmark::State &state)
{
    editorRounds<QComboBox>(state, [](QComboBox &e) { e.addItems({"kWh", "MWh", "GJ"}); });
}

void BM_TExDateTimePicker(benchmark::State &state)
{
    editorRounds<controls::TExDateTimePicker>(state, [](controls::TExDateTimePicker &e) { e.SetDateTime(45000.5); });
}
void BM_TEsgDateTimePicker(benchmark::State &state)
{
    editorRounds<controls::TEsgDateTimePicker>(state,
                                               [](controls::TEsgDateTimePicker &e) { e.setPlatformDateTime(45000.5); });
}
void BM_QDateTimeEdit(benchmark::State &state)
{
    editorRounds<QDateTimeEdit>(state, [](QDateTimeEdit &e) { e.setDateTime(QDateTime(QDate(2023, 3, 15), QTime(12, 0))); });
}

void BM_TEsgUnitEditBtn(benchmark::State &state)
{
    editorRounds<controls::TEsgUnitEditBtn>(state, [](controls::TEsgUnitEditBtn &e) {
        e.setUnits({"kWh", "MWh"});
        e.setTextAndUnit("12.5kWh");
    });
}
void BM_QLineEdit(benchmark::State &state)
{
    editorRounds<QLineEdit>(state, [](QLineEdit &e) { e.setText("12.5"); });
}

void BM_TExCheckBox(benchmark::State &state)
{
    editorRounds<controls::TExCheckBox>(state, [](controls::TExCheckBox &e) { e.setChecked(true); });
}
void BM_QCheckBox(benchmark::State &state)
{
    editorRounds<QCheckBox>(state, [](QCheckBox &e) { e.setChecked(true); });
}

BENCHMARK(BM_TEsgSpinEdit)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QSpinBox)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TEsgComboBox)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QComboBox)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TExDateTimePicker)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TEsgDateTimePicker)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QDateTimeEdit)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TEsgUnitEditBtn)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QLineEdit)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TExCheckBox)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QCheckBox)->Iterations(Rounds)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv, [] { gridWindowSlot().reset(); });
}
