// The lazy string tree's exports and pastes beside Qt doing the same: a tree
// of 1,000 meters with 99 records each (100,000 nodes, two columns) rendered
// as HTML, RTF and tab-separated text (QTextDocument's toHtml and
// toPlainText of a table with the same rows beside them), and its node data
// pasted into another tree and into itself (QStandardItemModel's mimeData
// and dropMimeData of the same rows beside them).
#include "support/BenchMain.h"
#include "support/Smoke.h"

#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QApplication>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace vtree;

const int meters = bench::sized(1000, 20);
constexpr int records = 99;

QString cellText(PLazyNode node, TColumnIndex column, unsigned level)
{
    if (column == 1)
        return QString::number(node->Index * 7 + 3);
    return level == 0 ? QStringLiteral("Meter %1").arg(node->Index) : QStringLiteral("Record %1").arg(node->Index);
}

std::unique_ptr<TLazyStringTreeWidget> meterTree()
{
    auto tree = std::make_unique<TLazyStringTreeWidget>();
    tree->setAttribute(Qt::WA_DontShowOnScreen);
    tree->resize(800, 600);
    TLazyTreeColumn &name = tree->Header()->Columns().Add();
    name.SetText(QStringLiteral("Meter / record"));
    name.SetWidth(200);
    tree->Header()->Columns().Add().SetText(QStringLiteral("Value"));
    TLazyStringTreeWidget *t = tree.get();
    tree->OnGetText = [t](TreeSender, PLazyNode Node, TColumnIndex Column, TLSTTextType Type, QString &Text) {
        if (Type == TLSTTextType::ttNormal)
            Text = cellText(Node, Column, t->GetNodeLevel(Node));
    };
    tree->OnInitNode = [](TreeSender Sender, PLazyNode Parent, PLazyNode, TLazyNodeInitStates &States) {
        if (!Parent)
            States += TLazyNodeInitState::ivsHasChildren;
    };
    tree->OnInitChildren = [](TreeSender, PLazyNode, std::uint32_t &Count) { Count = records; };
    tree->SetRootNodeCount(meters);
    tree->InitRecursive(nullptr, ~0u, false);
    return tree;
}

std::unique_ptr<QTextDocument> meterDocument()
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    QTextTable *table = cursor.insertTable(meters * (records + 1) + 1, 2);
    int row = 0;
    auto put = [&](const QString &a, const QString &b) {
        table->cellAt(row, 0).firstCursorPosition().insertText(a);
        table->cellAt(row, 1).firstCursorPosition().insertText(b);
        ++row;
    };
    put(QStringLiteral("Meter / record"), QStringLiteral("Value"));
    for (int m = 0; m < meters; ++m) {
        put(QStringLiteral("Meter %1").arg(m), QString::number(m * 7 + 3));
        for (int r = 0; r < records; ++r)
            put(QStringLiteral("\tRecord %1").arg(r), QString::number(r * 7 + 3));
    }
    return document;
}

void reportBytes(benchmark::State &state, qsizetype bytes) { state.SetBytesProcessed(state.iterations() * bytes); }

// The bytes of one rendering of the whole tree.
using Rendering = qsizetype (*)(TLazyStringTreeWidget &);

void Tree_Export(benchmark::State &state, Rendering render)
{
    auto tree = meterTree();
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = render(*tree);
    reportBytes(state, bytes);
}
BENCHMARK_CAPTURE(Tree_Export, Html, [](TLazyStringTreeWidget &t) {
    return t.ContentToHTML(TLSTTextSourceType::tstAll).toUtf8().size();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tree_Export, Rtf, [](TLazyStringTreeWidget &t) {
    return t.ContentToRTF(TLSTTextSourceType::tstAll).size();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tree_Export, Text, [](TLazyStringTreeWidget &t) {
    return t.ContentToText(TLSTTextSourceType::tstAll, QStringLiteral("\t")).toUtf8().size();
})->Unit(benchmark::kMillisecond);

using DocumentRendering = qsizetype (*)(QTextDocument &);

void TextDocument_Export(benchmark::State &state, DocumentRendering render)
{
    auto document = meterDocument();
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = render(*document);
    reportBytes(state, bytes);
}
BENCHMARK_CAPTURE(TextDocument_Export, Html, [](QTextDocument &d) { return d.toHtml().toUtf8().size(); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextDocument_Export, PlainText, [](QTextDocument &d) { return d.toPlainText().toUtf8().size(); })
    ->Unit(benchmark::kMillisecond);

// The meters' node data as the clipboard carries it.
std::unique_ptr<QMimeData> meterData(TLazyStringTreeWidget &tree)
{
    TNodeArray tops;
    for (PLazyNode node = tree.GetFirstChildNoInit(nullptr); node; node = node->NextSibling)
        tops.push_back(node);
    auto data = std::make_unique<QMimeData>();
    data->setData(treeDataMimeType(), treeDataBlock(tree.RenderTreeRecords(tops)));
    return data;
}

// Pastes the meters into another tree or after themselves in their own.
void Tree_Paste(benchmark::State &state, bool withinTree)
{
    auto source = meterTree();
    const auto data = meterData(*source);
    TLazyStringTreeWidget other;
    other.setAttribute(Qt::WA_DontShowOnScreen);
    TLazyStringTreeWidget &target = withinTree ? *source : other;
    const std::uint32_t kept = target.RootNodeCount();
    for (auto _ : state) {
        target.ProcessOLEData(source.get(), data.get(), nullptr, TLTNodeAttachMode::amAddChildLast, false);
        if (target.RootNodeCount() != kept + meters)
            state.SkipWithError("nothing pasted");
        state.PauseTiming();
        while (target.RootNodeCount() > kept)
            target.DeleteNode(target.GetLastChildNoInit(nullptr));
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * meters * (records + 1));
}
BENCHMARK_CAPTURE(Tree_Paste, BetweenTrees, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tree_Paste, WithinTree, true)->Unit(benchmark::kMillisecond);

std::unique_ptr<QStandardItemModel> meterModel()
{
    auto model = std::make_unique<QStandardItemModel>(0, 2);
    for (int m = 0; m < meters; ++m) {
        QList<QStandardItem *> row{new QStandardItem(QStringLiteral("Meter %1").arg(m)),
                                   new QStandardItem(QString::number(m * 7 + 3))};
        for (int r = 0; r < records; ++r)
            row[0]->appendRow(
                {new QStandardItem(QStringLiteral("Record %1").arg(r)), new QStandardItem(QString::number(r * 7 + 3))});
        model->appendRow(row);
    }
    return model;
}

std::unique_ptr<QMimeData> modelData(QStandardItemModel &model)
{
    QModelIndexList indexes;
    for (int m = 0; m < meters; ++m)
        indexes << model.index(m, 0) << model.index(m, 1);
    return std::unique_ptr<QMimeData>(model.mimeData(indexes));
}

// Drops the meters into another model or after themselves in their own.
void Model_Drop(benchmark::State &state, bool withinModel)
{
    auto source = meterModel();
    const auto data = modelData(*source);
    QStandardItemModel other(0, 2);
    QStandardItemModel &target = withinModel ? *source : other;
    const int kept = target.rowCount();
    for (auto _ : state) {
        target.dropMimeData(data.get(), Qt::CopyAction, -1, -1, QModelIndex());
        state.PauseTiming();
        target.removeRows(kept, target.rowCount() - kept);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * meters * (records + 1));
}
BENCHMARK_CAPTURE(Model_Drop, BetweenModels, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Model_Drop, WithinModel, true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
