// One frame of the analogue clock at 180 and 600 px: a hand update (the
// cached dial copied, the hands drawn), a full DrawWatch (the dial drawn
// into the cache, then the hands), and the same dial drawn directly with
// QPainter on an image. The ratios are printed at the end, with the rate
// at which a 1 ms interval timer actually steps a hand animation.
#include "controls/dropdown/Watch.h"
#include "platform/ui/QtIntervalTimer.h"
#include "support/Smoke.h"
#include "support/TimesReporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

using controls::TExWatch;

TExWatch &clockOfSide(int side)
{
    static TExWatch *small = nullptr;
    static TExWatch *large = nullptr;
    TExWatch *&watch = side <= 180 ? small : large;
    if (!watch) {
        watch = new TExWatch;
        watch->setAnimation(false);
        watch->resize(side, side);
        watch->setTime(QTime(10, 8, 0));
        watch->DrawWatch();
    }
    return *watch;
}

void Clock_HandUpdate(benchmark::State &state)
{
    TExWatch &watch = clockOfSide(int(state.range(0)));
    for (auto _ : state)
        watch.RepaintHands();
}

void Clock_DrawWatch(benchmark::State &state)
{
    TExWatch &watch = clockOfSide(int(state.range(0)));
    for (auto _ : state)
        watch.DrawWatch();
}

// The default dial as QPainter draws it: face and border, 12 hour and 48
// minute marks, the numbers, the AM/PM box, hands with shadows and the
// centre point.
void paintDial(QPainter &p, int side)
{
    const double r = (side - 20) / 2.0;
    const QPointF c(side / 2.0, side / 2.0);
    const double inner = r - 2;
    p.fillRect(0, 0, side, side, QColor(240, 240, 240));
    p.setPen(QPen(Qt::black, 4));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        p.setPen(QPen(hour ? Qt::black : Qt::gray, 1));
        const double phi = i * 6 * std::numbers::pi / 180;
        const double from = hour ? 0.9 * inner : 0.95 * inner;
        p.drawLine(c + QPointF(from * std::cos(phi), from * std::sin(phi)),
                   c + QPointF(inner * std::cos(phi), inner * std::sin(phi)));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::black);
    for (int i = 1; i <= 12; ++i) {
        const double theta = i * 30 * std::numbers::pi / 180;
        const double rn = inner - 20;
        const QPointF at = c + QPointF(rn * std::sin(theta), -rn * std::cos(theta));
        p.drawText(QRectF(at.x() - 10, at.y() - 8, 20, 16), Qt::AlignCenter, QString::number(i));
    }
    const QRectF box(c.x() - 14, c.y() + (r - 13) / 3, 28, 13);
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("AM"));
    const auto hand = [&](QColor color, int width, double k1, double k2, double degrees, QPointF shift) {
        const double t = degrees * std::numbers::pi / 180;
        p.setPen(QPen(color, width));
        p.drawLine(c + shift + QPointF(k1 * r * std::sin(t), -k1 * r * std::cos(t)),
                   c + shift + QPointF(k2 * r * std::sin(t), -k2 * r * std::cos(t)));
    };
    hand(Qt::darkGray, 4, -0.1, 0.46, 304, {-1, 3});
    hand(Qt::darkGray, 3, -0.1, 0.65, 48, {0, 3});
    hand(Qt::black, 4, -0.1, 0.5, 304, {});
    hand(Qt::black, 3, -0.1, 0.7, 48, {});
    p.setBrush(Qt::black);
    p.drawEllipse(c, 2, 2);
}

void QPainter_Dial(benchmark::State &state)
{
    const int side = int(state.range(0));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        paintDial(p, side);
    }
}

BENCHMARK(Clock_HandUpdate)->Arg(180)->Arg(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(Clock_DrawWatch)->Arg(180)->Arg(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(QPainter_Dial)->Arg(180)->Arg(600)->Unit(benchmark::kMicrosecond);

// How often a 1 ms timer really fires on this machine: the pace of a hand
// animation.
void OneMillisecondTimer_StepRate(benchmark::State &state)
{
    const int window = bench::sized(200, 20);
    double steps = 0, seconds = 0;
    for (auto _ : state) {
        platform::QtIntervalTimer timer;
        int fired = 0;
        timer.setInterval(std::chrono::milliseconds(1));
        timer.setHandler([&] { ++fired; });
        QEventLoop loop;
        QTimer::singleShot(window, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        timer.setEnabled(true);
        loop.exec();
        timer.setEnabled(false);
        steps += fired;
        seconds += clock.nsecsElapsed() / 1e9;
    }
    state.counters["steps/s"] = steps / seconds;
}
BENCHMARK(OneMillisecondTimer_StepRate)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char *side : {"180", "600"}) {
        const std::string s = side;
        reporter.printRatio(("hand update / DrawWatch at " + s).c_str(), "Clock_HandUpdate/" + s,
                            "Clock_DrawWatch/" + s);
        reporter.printRatio(("DrawWatch / QPainter dial at " + s).c_str(), "Clock_DrawWatch/" + s,
                            "QPainter_Dial/" + s);
    }
    benchmark::Shutdown();
    delete &clockOfSide(180);
    delete &clockOfSide(600);
    return 0;
}
