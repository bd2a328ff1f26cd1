// The Scan & Decode window's results views beside Qt's item views: the wired
// tree of 250 slaves with 50 records each (twelve detail lines per record),
// the wireless grid of 1,000 meters, and the record tree of one meter; each
// filled and then repainted. Qt's counterparts hold the same shape in a
// QStandardItemModel (checkable items, coloured cells) under QTreeView and
// QTableView.
#include "support/BenchMain.h"

#include "controls/grid/model/ExCGrid.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "scan/dialogs/ScanDecodeDialog.h"
#include "scan/dialogs/ScanNodeTexts.h"

#include <QApplication>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace scan;

constexpr int kSlaves = 250;
constexpr int kRecords = 50;
constexpr int kMeters = 1000;
// The grid as the window shows it beside the options.
constexpr QSize kGridSize{456, 200};

std::unique_ptr<TVariable_MBus> record(int i)
{
    auto r = std::make_unique<TVariable_MBus>();
    r->ValueStr = QString::number(i * 1.25, 'f', 2);
    r->Desc_Type_Data = QStringLiteral("Energy");
    r->DataFieldStr = QStringLiteral("32 Bit Integer");
    r->FunctionFieldStr = QStringLiteral("Instantaneous value");
    r->DIF = QStringLiteral("04");
    r->VIF = 0x06;
    r->totdati = QStringLiteral("78563412");
    r->storage_number = i % 4;
    r->Real_Wireless_Var = true;
    return r;
}

void fillSlaves(TSlaveMBusList &list)
{
    auto access = list.lock();
    access.clear();
    for (int s = 0; s < kSlaves; ++s) {
        auto slave = std::make_unique<TSlave_MBus>();
        slave->Primary_Addresss = quint16(s);
        slave->Secondary_Addresss = QString::number(10000000 + s);
        slave->descManufacture = QStringLiteral("KAM");
        slave->Manufacture = 0x2C2D;
        for (int r = 0; r < kRecords; ++r)
            slave->List_Var.push_back(record(r));
        access.append(std::move(slave));
    }
}

void fillMeters(TSlaveWMBusList &list)
{
    auto access = list.lock();
    access.clear();
    for (int m = 0; m < kMeters; ++m) {
        auto meter = std::make_unique<TSlave_wMBus>();
        meter->ALA_Manu_str = meter->LLA_Manu_str = QStringLiteral("KAM");
        meter->ALA_Manufacturer = meter->LLA_Manufacturer = 0x2C2D;
        meter->ALA_Address = meter->LLA_Address = 0x10000000 + m;
        meter->Cripted = m % 3 == 0;
        meter->DateTime = QDateTime(QDate(2024, 3, 14), QTime(15, 9, 26));
        for (int r = 0; r < kRecords; ++r)
            meter->List_Var.push_back(record(r));
        access.append(std::move(meter));
    }
}

struct Window {
    TSlaveMBusList slaves;
    TSlaveWMBusList meters;
    std::unique_ptr<TFScanDecode> dialog;

    Window()
    {
        ScanEngineSetup setup;
        setup.slaves = &slaves;
        setup.meters = &meters;
        dialog = std::make_unique<TFScanDecode>(nullptr, setup);
        dialog->setAttribute(Qt::WA_DontShowOnScreen);
        dialog->Form_Type = 1;
        dialog->show();
    }
    ~Window() { dialog.reset(); }

    vtree::TLazyStringTreeWidget &tree(const char *name)
    {
        return *dynamic_cast<vtree::TLazyStringTreeWidget *>(
            dialog->findChild<QAbstractScrollArea *>(QString::fromLatin1(name)));
    }
    controls::TExColumnGrid &grid() { return *dialog->findChild<controls::TExColumnGrid *>(QStringLiteral("ESG_Wireless")); }

    void showAllMeters()
    {
        for (int m = 0; m < kMeters; ++m) {
            WirelessReport report;
            report.index = m;
            report.identity = applicationIdentity(meters.lock().at(m));
            dialog->Show_Wireless_Row(report);
        }
    }
};

// ---- Wired tree ---------------------------------------------------------------

void Scan_FillWiredTree(benchmark::State &state)
{
    Window w;
    fillSlaves(w.slaves);
    for (auto _ : state) {
        w.dialog->T_InScanTimer(); // no scan runs: the wired results are shown
        benchmark::DoNotOptimize(w.tree("LST").TotalCount());
    }
    state.counters["nodes"] = double(w.tree("LST").TotalCount());
}
BENCHMARK(Scan_FillWiredTree)->Unit(benchmark::kMillisecond);

QStandardItem *checkable(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setCheckable(true);
    item->setCheckState(Qt::Checked);
    return item;
}

// The wired tree's shape in Qt's model: checkable slaves and records.
void fillWiredModel(QStandardItemModel &model, TSlaveMBusList &slaves)
{
    auto list = slaves.lock();
    for (const auto &slave : list) {
        QStandardItem *top = checkable(slaveNodeText(*slave));
        for (const auto &r : slave->List_Var) {
            QStandardItem *rec = checkable(recordNodeText(*r));
            for (int line = 0; line < RecordDetailLines; ++line)
                rec->appendRow(new QStandardItem(recordDetailText(*r, line)));
            top->appendRow(rec);
        }
        model.appendRow(top);
    }
}

void Qt_FillWiredTree(benchmark::State &state)
{
    TSlaveMBusList slaves;
    fillSlaves(slaves);
    QTreeView view;
    for (auto _ : state) {
        auto model = std::make_unique<QStandardItemModel>();
        fillWiredModel(*model, slaves);
        view.setModel(model.get());
        benchmark::DoNotOptimize(model->rowCount());
        view.setModel(nullptr);
    }
}
BENCHMARK(Qt_FillWiredTree)->Unit(benchmark::kMillisecond);

void Scan_PaintWiredTree(benchmark::State &state)
{
    Window w;
    fillSlaves(w.slaves);
    w.dialog->T_InScanTimer();
    vtree::TLazyStringTreeWidget &tree = w.tree("LST");
    tree.FullExpand(tree.GetFirst());
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.paintToImage());
}
BENCHMARK(Scan_PaintWiredTree)->Unit(benchmark::kMillisecond);

void Qt_PaintWiredTree(benchmark::State &state)
{
    TSlaveMBusList slaves;
    fillSlaves(slaves);
    QStandardItemModel model;
    fillWiredModel(model, slaves);
    QTreeView view;
    view.setHeaderHidden(true);
    view.setModel(&model);
    view.resize(464, 400);
    view.expandRecursively(model.index(0, 0));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(Qt_PaintWiredTree)->Unit(benchmark::kMillisecond);

// ---- Wireless grid and record tree ---------------------------------------------

void Scan_FillWirelessGrid(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Window>();
        fillMeters(w->meters);
        state.ResumeTiming();
        w->showAllMeters();
        benchmark::DoNotOptimize(w->grid().RowCount());
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(Scan_FillWirelessGrid)->Unit(benchmark::kMillisecond);

// The wireless grid's rows in Qt's model, coloured as the grid colours them.
void fillWirelessModel(QStandardItemModel &model, TSlaveWMBusList &meters)
{
    auto list = meters.lock();
    int row = 0;
    for (const auto &meter : list) {
        const QStringList texts = wirelessRowTexts(*meter, ++row);
        QList<QStandardItem *> items;
        const QColor colour = meter->Cripted ? QColor(255, 187, 185) : QColor(168, 255, 168);
        for (int c = 0; c < WirelessGridColumns; ++c) {
            auto *item = new QStandardItem(texts[c]);
            if (c > 0)
                item->setBackground(colour);
            items << item;
        }
        model.appendRow(items);
    }
}

void Qt_FillWirelessTable(benchmark::State &state)
{
    TSlaveWMBusList meters;
    fillMeters(meters);
    QTableView view;
    for (auto _ : state) {
        QStandardItemModel model(0, WirelessGridColumns);
        fillWirelessModel(model, meters);
        view.setModel(&model);
        benchmark::DoNotOptimize(model.rowCount());
        view.setModel(nullptr);
    }
}
BENCHMARK(Qt_FillWirelessTable)->Unit(benchmark::kMillisecond);

void Scan_PaintWirelessGrid(benchmark::State &state)
{
    Window w;
    fillMeters(w.meters);
    w.showAllMeters();
    controls::TExColumnGrid &grid = w.grid();
    grid.resize(kGridSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.grab());
}
BENCHMARK(Scan_PaintWirelessGrid)->Unit(benchmark::kMillisecond);

void Qt_PaintWirelessTable(benchmark::State &state)
{
    TSlaveWMBusList meters;
    fillMeters(meters);
    QStandardItemModel model(0, WirelessGridColumns);
    fillWirelessModel(model, meters);
    QTableView view;
    view.setModel(&model);
    view.resize(kGridSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(view.grab());
}
BENCHMARK(Qt_PaintWirelessTable)->Unit(benchmark::kMillisecond);

void Scan_FillAndPaintMeterTree(benchmark::State &state)
{
    Window w;
    fillMeters(w.meters);
    w.showAllMeters();
    vtree::TLazyStringTreeWidget &tree = w.tree("LST_Wireless");
    int row = 0;
    for (auto _ : state) {
        w.dialog->ESG_WirelessClickCell(nullptr, 1 + row++ % kMeters, 0);
        tree.FullExpand(tree.GetFirst());
        benchmark::DoNotOptimize(tree.paintToImage());
    }
}
BENCHMARK(Scan_FillAndPaintMeterTree)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
