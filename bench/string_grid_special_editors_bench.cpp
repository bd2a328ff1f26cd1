// The string grid's special editors beside QTableView with
// QStyledItemDelegate: on 10,000 successive cells, in turn a spin, a combo,
// a date and an edit-button cell, the editor is opened with F2, given one
// key, and committed with Enter, each key a real key event and the events
// run after each cell, on both sides.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using namespace controls;

const int kCells = bench::sized(10000, 40);
const int kRows = (kCells + 3) / 4;

// Column by column: spin, combo, date, edit button.
const TEditorType kTypes[] = {edSpinEdit, edComboList, edDateEdit, edEditBtn};
const int kKeys[] = {Qt::Key_7, Qt::Key_B, Qt::Key_Up, Qt::Key_X};

void press(QWidget *widget, int key, const QString &text = QString())
{
    if (widget == nullptr)
        return;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

QString keyText(int key)
{
    return key == Qt::Key_Up ? QString() : QString(QChar(key).toLower());
}

// The window both sides live in; it goes before the application does.
std::unique_ptr<QWidget> &windowSlot()
{
    static std::unique_ptr<QWidget> window;
    return window;
}

QWidget &hostWindow()
{
    std::unique_ptr<QWidget> &window = windowSlot();
    if (!window) {
        window = std::make_unique<QWidget>();
        window->resize(640, 400);
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
    return *window;
}

// Counts the cells painted, to report how many each edit repaints.
class CountingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    long long painted = 0;

protected:
    void RenderCell(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect,
                    TGridDrawState AState) override
    {
        ++painted;
        TExStringGrid::RenderCell(ACanvas, ACol, ARow, ARect, AState);
    }
};

long long g_cellsPainted = 0;
long long g_gridStored = 0;
long long g_viewStored = 0;

void Grid_OpenTypeCommit(benchmark::State &state)
{
    QWidget &window = hostWindow();
    auto grid = std::make_unique<CountingGrid>(&window);
    grid->setGeometry(0, 0, 640, 400);
    grid->setColCount(5);
    grid->setRowCount(kRows + 1);
    grid->setOptions(grid->Options() | goEditing);
    grid->OnGetEditorType = [](TExStringGrid *, int ACol, int, TEditorType &AEditor) {
        AEditor = kTypes[(ACol - 1) % 4];
    };
    grid->OnGetEditorProp = [](TExStringGrid *g, int, int) {
        if (g->Combobox().Items.isEmpty())
            g->Combobox().Items = {QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")};
    };
    for (int r = 1; r <= kRows; ++r) {
        grid->setCells(1, r, QString::number(r % 50));
        grid->setCells(2, r, QStringLiteral("alpha"));
        grid->setCells(3, r, QStringLiteral("03/04/2021"));
        grid->setCells(4, r, QStringLiteral("text"));
    }
    grid->show();
    grid->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        grid->painted = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kCells; ++i) {
            const int col = 1 + i % 4;
            grid->FocusCell(col, 1 + i / 4);
            press(grid.get(), Qt::Key_F2);
            QWidget *editor = grid->EditCtrl();
            QWidget *target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : editor;
            press(target, kKeys[col - 1], keyText(kKeys[col - 1]));
            press(target, Qt::Key_Return, QStringLiteral("\r"));
            QApplication::processEvents();
        }
        bench::record(state, "ours", bench::since(start));
        g_cellsPainted = grid->painted;
    }
    for (int r = 1; r <= kRows; ++r)
        g_gridStored += grid->Cells(1, r) != QString::number(r % 50);
    if (grid->EditCtrl() != nullptr || g_gridStored == 0)
        state.SkipWithError("the grid's editors did not open, take the key and close");
}
BENCHMARK(Grid_OpenTypeCommit)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// QStyledItemDelegate's own editors (spin box, date edit, line edit), and a
// combo box for the combo column, as an application would add it.
class Delegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    mutable QWidget *last = nullptr;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        if (index.column() == 1) {
            auto *combo = new QComboBox(parent);
            combo->addItems({QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")});
            last = combo;
        } else {
            last = QStyledItemDelegate::createEditor(parent, option, index);
        }
        return last;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentText(index.data().toString());
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            model->setData(index, combo->currentText());
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }
};

void TableView_OpenTypeCommit(benchmark::State &state)
{
    QWidget &window = hostWindow();
    QStandardItemModel model(kRows, 4);
    for (int r = 0; r < kRows; ++r) {
        auto *spin = new QStandardItem;
        spin->setData(r % 50, Qt::EditRole);
        model.setItem(r, 0, spin);
        model.setItem(r, 1, new QStandardItem(QStringLiteral("alpha")));
        auto *date = new QStandardItem;
        date->setData(QDate(2021, 4, 3), Qt::EditRole);
        model.setItem(r, 2, date);
        model.setItem(r, 3, new QStandardItem(QStringLiteral("text")));
    }
    auto view = std::make_unique<QTableView>(&window);
    Delegate delegate;
    view->setItemDelegate(&delegate);
    view->setGeometry(0, 0, 640, 400);
    view->setModel(&model);
    view->show();
    view->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kCells; ++i) {
            const int col = i % 4;
            view->setCurrentIndex(model.index(i / 4, col));
            delegate.last = nullptr;
            press(view.get(), Qt::Key_F2);
            QWidget *target = QApplication::focusWidget() != view.get() && QApplication::focusWidget() != nullptr
                                  ? QApplication::focusWidget()
                                  : delegate.last;
            press(target, kKeys[col], keyText(kKeys[col]));
            press(target, Qt::Key_Return, QStringLiteral("\r"));
            QApplication::processEvents();
        }
        bench::record(state, "qt", bench::since(start));
    }
    for (int r = 0; r < kRows; ++r)
        g_viewStored += model.index(r, 0).data().toInt() != r % 50;
    if (g_viewStored == 0)
        state.SkipWithError("the view's editors did not open, take the key and close");
    view.reset();
}
BENCHMARK(TableView_OpenTypeCommit)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QApplication>(argc, argv, [] { windowSlot().reset(); });
    bench::printMeanRatio("open, type into and commit spin, combo, date and edit-button editors on 10,000 cells",
                          "ours", "qt", "QTableView with QStyledItemDelegate");
    if (g_cellsPainted > 0)
        std::printf("cells painted per edit: %.1f\n", double(g_cellsPainted) / kCells);
    return result;
}
