// The lazy tree's header strip beside QHeaderView over QStandardItemModel:
// twenty captioned columns of 100 pixels painted in an 800-pixel strip, and
// the column under a point looked up across the strip.
#include "support/BenchMain.h"

#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vtree;

constexpr int kColumns = 20;
constexpr int kWidth = 100;
constexpr int kStrip = 800;

std::unique_ptr<TLazyStringTreeWidget> tree()
{
    auto t = std::make_unique<TLazyStringTreeWidget>();
    t->setAttribute(Qt::WA_DontShowOnScreen);
    t->resize(kStrip, 300);
    t->show();
    TLTHeader &header = *t->Header();
    for (int i = 0; i < kColumns; ++i) {
        TLazyTreeColumn &column = header.Columns().Add();
        column.SetWidth(kWidth);
        column.SetText(QStringLiteral("Column %1").arg(i));
    }
    header.SetOptions(header.Options() + TLTHeaderOption::hoVisible + TLTHeaderOption::hoShowSortGlyphs);
    header.SetSortColumn(1);
    t->RecalcHeaderRect();
    return t;
}

struct QtHeader {
    QStandardItemModel model{1, kColumns};
    QHeaderView view{Qt::Horizontal};
    QtHeader()
    {
        for (int i = 0; i < kColumns; ++i)
            model.setHorizontalHeaderItem(i, new QStandardItem(QStringLiteral("Column %1").arg(i)));
        view.setModel(&model);
        view.setSortIndicatorShown(true);
        view.setSortIndicator(1, Qt::AscendingOrder);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(kStrip, 19);
        view.show();
        for (int i = 0; i < kColumns; ++i)
            view.resizeSection(i, kWidth);
    }
};

void Header_Paint(benchmark::State &state)
{
    auto t = tree();
    for (auto _ : state)
        benchmark::DoNotOptimize(t->paintHeaderToImage());
}
BENCHMARK(Header_Paint)->Unit(benchmark::kMicrosecond);

void QHeaderView_Paint(benchmark::State &state)
{
    QtHeader qt;
    for (auto _ : state) {
        QImage image(kStrip, 19, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        qt.view.render(&image);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(QHeaderView_Paint)->Unit(benchmark::kMicrosecond);

void Header_ColumnAt(benchmark::State &state)
{
    auto t = tree();
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t->HeaderColumnAt({x, 9}));
        x = (x + 37) % kStrip;
    }
}
BENCHMARK(Header_ColumnAt);

void QHeaderView_LogicalIndexAt(benchmark::State &state)
{
    QtHeader qt;
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qt.view.logicalIndexAt(x));
        x = (x + 37) % kStrip;
    }
}
BENCHMARK(QHeaderView_LogicalIndexAt);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
