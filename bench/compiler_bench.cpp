// The bank compiler on large wired networks, beside the time Qt's streaming
// parser alone takes to read the same M_Bus.xml to its end. Networks are
// generated as the network editor writes them: every attribute present.
#include "support/BenchMain.h"

#include "compiler/ProjectCompiler.h"
#include "platform/AtomicFile.h"
#include "platform/Xml.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

QByteArray parGenXml()
{
    platform::XmlOutDocument doc;
    doc.root.name = "GeneralParameter";
    const std::pair<const char *, const char *> elements[] = {
        {"Sel_Dev", "1"},        {"Sel_Dev_MBus_Present", "1"}, {"IP_1", "192"},   {"IP_2", "168"},
        {"IP_3", "0"},           {"IP_4", "10"},                {"SM_1", "255"},   {"SM_2", "255"},
        {"SM_3", "255"},         {"SM_4", "0"},                 {"GA_1", "192"},   {"GA_2", "168"},
        {"GA_3", "0"},           {"GA_4", "1"},                 {"Gat_Enable", "0"}, {"TCP_Port", "502"},
        {"TCP_Conn_TimeOut", "2"}, {"Meter_Baud", "3"},         {"Meter_Par", "1"}, {"Meter_Req_Type", "1"},
        {"Meter_Req_Delay", "100"}, {"Node_State", "0xFF"},     {"wMBus_Mode", "0"}, {"wMBus_Radio_Channel", "0"},
    };
    for (const auto &[name, value] : elements)
        doc.root.addTextChild(name, value);
    doc.commentsAfterRoot << "SW_VERSION = 2.306";
    return platform::serializeXml(doc);
}

QByteArray networkXml(int nodes, int variablesEach)
{
    platform::XmlOutDocument doc;
    doc.root.name = "M-Bus_Network";
    int reg = 1;
    for (int n = 0; n < nodes; ++n) {
        platform::XmlElement &node = doc.root.addChild("Nodo");
        const QString nodeAttributes[][2] = {
            {"Node_Enable", "1"}, {"ID_Primary", QString::number(n % 250)}, {"ID_Secondary", QString::number(10000000 + n)},
            {"Descrizione", QString("Meter %1").arg(n)}, {"Send_SND_NKE", "1"}, {"Reset_App", "0"},
            {"Node_State", "0"}, {"Ident_Num", "0"}, {"BCDtoINT_IN", "0"}, {"Swap_IN", "0"},
            {"Node_ID_Type", QString::number(n % 2)}, {"Var_List_Type", "0"}, {"Cut_After", "0"},
            {"Manufacturer_Specific_Data", "0"}, {"MSD_Length", "0"}, {"MSD_Offset", "0"}, {"Access_Number", "0"},
        };
        for (const auto &a : nodeAttributes)
            node.setAttribute(a[0], a[1]);
        for (int v = 0; v < variablesEach; ++v) {
            platform::XmlElement &var = node.addChild("Variabile");
            const QString varAttributes[][2] = {
                {"Enable", "1"}, {"Desc", QString("Energy %1").arg(v)}, {"Type", "0"}, {"Fun_Field", "0"},
                {"Dim", "2"}, {"Unit", "0"}, {"ModReg", QString::number(reg)}, {"ModScale", "0"},
                {"StoNumber", "0"}, {"Tariff", "0"}, {"VIFE", "0"}, {"BCDtoINT", "0"}, {"VIF_ASCII", ""},
                {"Length", "0"}, {"Conv_Float", "0"}, {"Force_Int32", "0"}, {"TP_Mod_Regs", "0"},
                {"TP_Mod_Year", "0"}, {"Position", "1"}, {"Post_Operation", "0"},
            };
            for (const auto &a : varAttributes)
                var.setAttribute(a[0], a[1]);
            reg += 2;
        }
    }
    doc.commentsAfterRoot << "SW_VERSION = 2.306";
    return platform::serializeXml(doc);
}

// One configuration folder per network size, written once.
const QTemporaryDir &configuration(int nodes, int variablesEach)
{
    static std::map<std::pair<int, int>, std::unique_ptr<QTemporaryDir>> folders;
    auto &dir = folders[{nodes, variablesEach}];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        platform::writeFileAtomically(dir->filePath("ParGen.xml"), parGenXml());
        platform::writeFileAtomically(dir->filePath("M_Bus.xml"), networkXml(nodes, variablesEach));
    }
    return *dir;
}

// The peer: Qt's streaming parser reading the same file to its end, as
// the compile must.
void BM_QXmlStreamReadNetwork(benchmark::State &state)
{
    const QTemporaryDir &dir = configuration(int(state.range(0)), int(state.range(1)));
    const QString path = dir.filePath("M_Bus.xml");
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader reader(file.readAll());
        while (!reader.atEnd())
            reader.readNext();
        benchmark::DoNotOptimize(reader.hasError());
    }
    state.counters["xml_bytes"] = double(QFileInfo(path).size());
}

// The document tree over the same file, for scale.
void BM_QtXmlParseNetwork(benchmark::State &state)
{
    const QTemporaryDir &dir = configuration(int(state.range(0)), int(state.range(1)));
    const QString path = dir.filePath("M_Bus.xml");
    for (auto _ : state) {
        platform::XmlLoadResult loaded = platform::loadXmlFile(path);
        benchmark::DoNotOptimize(loaded.document);
    }
}

void BM_CompileBanks(benchmark::State &state)
{
    const int type = int(state.range(0));
    const QTemporaryDir &dir = configuration(int(state.range(1)), int(state.range(2)));
    const compiler::CompileRequest request{type, 1, dir.filePath("ParGen.xml"), dir.filePath("M_Bus.xml")};
    compiler::CompileResult result;
    for (auto _ : state) {
        result = compiler::compileBanks(request);
        benchmark::DoNotOptimize(result);
    }
    qint64 bytes = 0;
    for (const auto &bank : result.banks)
        bytes += bank.bytes.size();
    state.counters["bank_bytes"] = double(bytes);
    // 250 x 20 needs more than a bank holds: this measures the compile up to its size check.
    state.counters["compile_error"] = result.ok() ? 0 : 1;
    if (!result.ok())
        state.SetLabel(result.error->message.left(60).toStdString());
}

// Arguments: nodes, variables per node.
BENCHMARK(BM_QXmlStreamReadNetwork)->Args({250, 20})->Args({250, 17})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtXmlParseNetwork)->Args({250, 20})->Args({250, 17})->Unit(benchmark::kMillisecond);
// Arguments: converter type, nodes, variables per node.
BENCHMARK(BM_CompileBanks)
    ->Args({1, 250, 20})
    ->Args({7, 250, 20})
    ->Args({1, 250, 17})
    ->Args({7, 250, 17})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
