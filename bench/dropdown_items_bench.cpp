// A detail drop-down with 100,000 items beside Qt's own list over the same
// captions: opening the popup to its first painted frame beside a
// QListView over a QStringListModel (uniform item sizes) and beside
// QComboBox::showPopup; a type-ahead key beside QStringListModel::match;
// and the list's repaint at 1,000 and at 100,000 items, which should cost
// the same because only the rows that show are painted. The ratios are
// printed at the end.
#include "support/Smoke.h"
#include "support/ComboPopupPeer.h"
#include "support/HostWindow.h"
#include "support/TimesReporter.h"

#include "controls/dropdown/DetailDropDown.h"
#include "controls/dropdown/DropDownForm.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListView>
#include <QStringListModel>
#include <benchmark/benchmark.h>

namespace {

using bench::PaintCounter;
using bench::untilPainted;
using bench::window;

using controls::TExCustomDropDown;
using controls::TExDetailDropDown;

int itemCount() { return bench::sized(100000, 2000); }

QStringList captions(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("Meter %1").arg(i, 6, 10, QChar(u'0'));
    // The one the type-ahead finds, last.
    items << QStringLiteral("Zone valve");
    return items;
}


TExDetailDropDown *detail(int count)
{
    auto *dropDown = TExCustomDropDown::create<TExDetailDropDown>(&window());
    dropDown->setGeometry(20, 20, 200, 21);
    dropDown->DropDownHeader().setVisible(false);
    dropDown->DropDownFooter().setVisible(false);
    std::vector<controls::TDetailItem> items;
    for (const QString &caption : captions(count)) {
        controls::TDetailItem item;
        item.Caption = caption;
        items.push_back(item);
    }
    dropDown->Items().Assign(std::move(items));
    dropDown->show();
    return dropDown;
}

void sendKey(QWidget &to, int code, const QString &text = {})
{
    QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(&to, &down);
    QKeyEvent up(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(&to, &up);
}

void DetailDropDown_OpenToFirstFrame(benchmark::State &state)
{
    TExDetailDropDown *dropDown = detail(itemCount());
    PaintCounter counter;
    dropDown->ItemSelector()->Panel()->installEventFilter(&counter);
    for (auto _ : state) {
        const int before = counter.paints;
        dropDown->ShowDropDown();
        untilPainted(counter, before);
        dropDown->HideDropDown(false);
    }
    delete dropDown;
}

void QListView_ShowToFirstFrame(benchmark::State &state)
{
    QStringListModel model(captions(itemCount()));
    auto *view = new QListView;
    view->setWindowFlag(Qt::Popup);
    view->setUniformItemSizes(true);
    view->setModel(&model);
    view->setGeometry(20, 40, 200, 100);
    PaintCounter counter;
    view->viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        const int before = counter.paints;
        view->show();
        untilPainted(counter, before);
        view->hide();
    }
    delete view;
}

void QComboBox_ShowPopupToFirstFrame(benchmark::State &state)
{
    bench::comboShowPopupToFirstFrame(state, captions(itemCount()));
}

void DetailDropDown_TypeAheadKey(benchmark::State &state)
{
    TExDetailDropDown *dropDown = detail(itemCount());
    dropDown->setFocus();
    for (auto _ : state) {
        dropDown->SetPlainText(QString());
        sendKey(*dropDown, Qt::Key_Z, QStringLiteral("z"));
    }
    if (dropDown->ItemIndex() != itemCount())
        state.SkipWithError("the type-ahead found the wrong item");
    delete dropDown;
}

void QStringListModel_Match(benchmark::State &state)
{
    QStringListModel model(captions(itemCount()));
    for (auto _ : state) {
        const QModelIndexList found = model.match(model.index(0), Qt::DisplayRole, QStringLiteral("z"), 1,
                                                  Qt::MatchStartsWith);
        benchmark::DoNotOptimize(found);
    }
}

void DetailDropDown_Repaint(benchmark::State &state)
{
    TExDetailDropDown *dropDown = detail(int(state.range(0)));
    dropDown->ShowDropDown();
    QApplication::processEvents();
    // What the open list shows, painted into an image: the rows in view.
    QWidget &panel = *dropDown->ItemSelector()->Panel();
    const QSize shown = dropDown->ItemSelector()->viewport()->size();
    QImage image(shown, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        panel.render(&image, QPoint(), QRegion(QRect(QPoint(0, 0), shown)));
    dropDown->HideDropDown(false);
    delete dropDown;
}

BENCHMARK(DetailDropDown_OpenToFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(QListView_ShowToFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(QComboBox_ShowPopupToFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(DetailDropDown_TypeAheadKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(QStringListModel_Match)->Unit(benchmark::kMicrosecond);
BENCHMARK(DetailDropDown_Repaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

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
    reporter.printRatio("detail drop-down open / QListView", "DetailDropDown_OpenToFirstFrame",
                        "QListView_ShowToFirstFrame");
    reporter.printRatio("detail drop-down open / QComboBox::showPopup", "DetailDropDown_OpenToFirstFrame",
                        "QComboBox_ShowPopupToFirstFrame");
    reporter.printRatio("type-ahead key / QStringListModel::match", "DetailDropDown_TypeAheadKey",
                        "QStringListModel_Match");
    reporter.printRatio("repaint 100,000 / 1,000 items", "DetailDropDown_Repaint/100000", "DetailDropDown_Repaint/1000");
    benchmark::Shutdown();
    delete &window();
    return 0;
}
