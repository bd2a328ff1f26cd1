// Reading and writing M_Bus.xml for a large network: 250 nodes of 20
// variables each, on a wireless type so that every attribute is written.
#include "platform/Xml.h"
#include "project/NetworkFile.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Nodes = 250;
constexpr int VariablesPerNode = 20;
constexpr int Type = 7;

project::TNodoList largeNetwork()
{
    project::TNodoList net;
    net.reserve(Nodes);
    int reg = 1;
    for (int n = 0; n < Nodes; ++n) {
        project::TNodo node;
        node.Enable = 1;
        node.Description = QStringLiteral("Meter %1").arg(n);
        node.Node_Pri = n % 250;
        node.Node_Sec = 10000000 + n;
        node.Node_ID_Type = n % 2;
        node.MBus_Type = n % 3 ? 1 : 0;
        node.wMBus_Add = QString::number(70000000 + n);
        node.Node_State = reg++;
        node.Ident_Num = reg++;
        for (QString &byte : node.wMBus_Key)
            byte = QStringLiteral("0xA5");
        for (int v = 0; v < VariablesPerNode; ++v) {
            project::TVariabile var;
            var.Enable = true;
            var.Description = QStringLiteral("Energy (U0S%1T0)").arg(v);
            var.Dimension = 2;
            var.Modbus_Register = reg;
            reg += 2;
            var.Storage_Number = v;
            var.Position = v + 1;
            var.VIF_ASCII = v % 5 ? QString() : QString::fromUtf8("m³/h");
            node.Var_List.push_back(var);
        }
        net.push_back(std::move(node));
    }
    return net;
}

void setCounters(benchmark::State &state, std::size_t bytes)
{
    state.SetItemsProcessed(state.iterations() * Nodes * VariablesPerNode);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_WriteNetworkFile(benchmark::State &state)
{
    const project::TNodoList net = largeNetwork();
    QTemporaryDir dir;
    const QString path = dir.filePath("M_Bus.xml");
    for (auto _ : state) {
        const auto error = project::writeNetworkFile(path, net, Type);
        if (error)
            state.SkipWithError(error->message().toStdString().c_str());
    }
    setCounters(state, project::serializeNetwork(net, Type).size());
}
BENCHMARK(BM_WriteNetworkFile)->Unit(benchmark::kMillisecond);

void BM_ReadNetworkFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("M_Bus.xml");
    project::writeNetworkFile(path, largeNetwork(), Type);
    for (auto _ : state) {
        const auto read = project::readNetworkFile(path, Type);
        if (!read.ok() || read.nodes.size() != Nodes)
            state.SkipWithError("network not read");
        benchmark::DoNotOptimize(read.nodes.data());
    }
    setCounters(state, project::serializeNetwork(largeNetwork(), Type).size());
}
BENCHMARK(BM_ReadNetworkFile)->Unit(benchmark::kMillisecond);

// The two halves of a write and a read without the disk.
void BM_SerializeNetwork(benchmark::State &state)
{
    const project::TNodoList net = largeNetwork();
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = project::serializeNetwork(net, Type).size();
    setCounters(state, bytes);
}
BENCHMARK(BM_SerializeNetwork)->Unit(benchmark::kMillisecond);

void BM_ParseNetwork(benchmark::State &state)
{
    const QByteArray bytes = project::serializeNetwork(largeNetwork(), Type);
    for (auto _ : state) {
        const auto read = project::parseNetwork(bytes, Type);
        benchmark::DoNotOptimize(read.nodes.data());
    }
    setCounters(state, bytes.size());
}
BENCHMARK(BM_ParseNetwork)->Unit(benchmark::kMillisecond);

// The compiler reads the same file as a document: ours runs the depth pass
// before the tree, beside Qt's tree alone.
void BM_ParseNetworkDocument(benchmark::State &state)
{
    const QByteArray bytes = project::serializeNetwork(largeNetwork(), Type);
    for (auto _ : state) {
        const auto read = platform::parseXml(bytes);
        if (!read.ok())
            state.SkipWithError("document not read");
        benchmark::DoNotOptimize(read.document);
    }
    setCounters(state, bytes.size());
}
BENCHMARK(BM_ParseNetworkDocument)->Unit(benchmark::kMillisecond);

void BM_ParseNetworkDocument_QDom(benchmark::State &state)
{
    const QByteArray bytes = project::serializeNetwork(largeNetwork(), Type);
    for (auto _ : state) {
        QDomDocument document;
        if (!document.setContent(bytes))
            state.SkipWithError("document not read");
        benchmark::DoNotOptimize(document);
    }
    setCounters(state, bytes.size());
}
BENCHMARK(BM_ParseNetworkDocument_QDom)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
