// A dialog's worth of owner-drawn buttons (20) through a full hot-track fade:
// the mouse enters and leaves, then eight steps, each repainting every
// button, as the fade does every 30 ms.
// Qt's own push button repainting the same number of times runs beside it.
#include "controls/dropdown/LbButton.h"
#include "support/TimesReporter.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int Buttons = 20;
constexpr int FadeSteps = 8;

struct Dialog {
    QWidget window;
    std::vector<controls::TLbButton *> buttons;

    Dialog()
    {
        window.resize(520, 240);
        for (int i = 0; i < Buttons; ++i) {
            auto *button = new controls::TLbButton(&window);
            button->setGeometry(10 + (i % 4) * 125, 10 + (i / 4) * 44, 120, 36);
            button->setCaption(QStringLiteral("Button %1").arg(i));
            button->setStyle(controls::TLbButtonStyle::bsEncarta);
            button->setColor(platform::RGB(248, 247, 237));
            button->setColorWhenDown(platform::RGB(255, 128, 0));
            button->setHotTrackColor(platform::clSkyBlue);
            button->setGlyph(QImage(24, 24, QImage::Format_ARGB32));
            button->setSlowDecease(true);
            buttons.push_back(button);
        }
        window.show();
        QApplication::processEvents();
    }

    void enterAll()
    {
        for (controls::TLbButton *button : buttons) {
            const QPointF at(5, 5);
            QEnterEvent event(at, at, button->mapToGlobal(at));
            QApplication::sendEvent(button, &event);
        }
    }

    // The fade starts when the mouse leaves: the button is no longer hot.
    void leaveAll()
    {
        for (controls::TLbButton *button : buttons) {
            QEvent event(QEvent::Leave);
            QApplication::sendEvent(button, &event);
        }
    }
};

void perFrame(benchmark::State &state)
{
    state.counters["frame"] =
        benchmark::Counter(double(state.iterations()) * FadeSteps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Each step repaints every button on screen, as the fade's timer does.
void BM_LbButtonFade(benchmark::State &state)
{
    Dialog dialog;
    for (auto _ : state) {
        dialog.enterAll();
        dialog.leaveAll();
        for (int step = 0; step < FadeSteps; ++step)
            for (controls::TLbButton *button : dialog.buttons)
                button->HotTrackFadeStep();
    }
    perFrame(state);
}

// The face alone, built off screen: what the button's own painting costs.
void BM_LbButtonFaceOnly(benchmark::State &state)
{
    Dialog dialog;
    for (auto _ : state) {
        for (int step = 0; step < FadeSteps; ++step)
            for (controls::TLbButton *button : dialog.buttons)
                benchmark::DoNotOptimize(button->paintFace());
    }
    perFrame(state);
}

void BM_QPushButtonRepaint(benchmark::State &state)
{
    QWidget window;
    window.resize(520, 240);
    std::vector<QPushButton *> buttons;
    for (int i = 0; i < Buttons; ++i) {
        auto *button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        button->setGeometry(10 + (i % 4) * 125, 10 + (i / 4) * 44, 120, 36);
        buttons.push_back(button);
    }
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        for (int step = 0; step < FadeSteps; ++step)
            for (QPushButton *button : buttons)
                button->repaint();
    }
    perFrame(state);
}

BENCHMARK(BM_LbButtonFade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LbButtonFaceOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPushButtonRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("button fade / QPushButton repaint", "BM_LbButtonFade", "BM_QPushButtonRepaint");
    benchmark::Shutdown();
    return 0;
}
