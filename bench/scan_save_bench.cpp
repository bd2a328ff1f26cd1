// Saving scan results into M_Bus.xml: slaves of 50 records each (125 and 250
// slaves, to show the cost grows with the network), as a new file and
// appended to a file that already holds as many. Beside each, Qt's document
// tree doing the same job: the same elements and attributes built, the
// document serialised and the file written (for the append, the file parsed
// first).
#include "scan/SaveConfXML.h"

#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int RecordsPerSlave = 50;

void fillSlaves(scan::TSlaveMBusList &list, int slaves)
{
    auto access = list.lock();
    access.clear();
    for (int s = 0; s < slaves; ++s) {
        auto slave = std::make_unique<scan::TSlave_MBus>();
        slave->Primary_Addresss = quint16(s % 250 + 1);
        slave->Secondary_Addresss = QString::number(10000000 + s);
        slave->descManufacture = QStringLiteral("KAM");
        for (int r = 0; r < RecordsPerSlave; ++r) {
            auto record = std::make_unique<scan::TVariable_MBus>();
            record->dimension = quint8(r % 2 ? 4 : 13);
            record->nbyte = 5;
            record->storage_number = r;
            record->type_data = quint16(r % 22);
            record->Desc_Type_Data = QStringLiteral("Energy");
            record->VIF_ASCII = QStringLiteral("kWh");
            slave->List_Var.push_back(std::move(record));
        }
        access.append(std::move(slave));
    }
}

scan::TSaveConfXML request(const QString &path, qint32 append)
{
    scan::TSaveConfXML in;
    in.Append = append;
    in.XML_Code_Dev = 13;
    in.File_Name = path;
    return in;
}

void setCounters(benchmark::State &state, const QString &path)
{
    state.SetItemsProcessed(state.iterations() * state.range(0) * RecordsPerSlave);
    state.counters["file_bytes"] = double(QFile(path).size());
}

// What the writer writes, through Qt's document tree.
void addNodesQDom(QDomDocument &document, QDomElement &root, scan::TSlaveMBusList &list)
{
    auto access = list.lock();
    int reg = 1;
    for (const auto &slave : access) {
        QDomElement node = document.createElement(QStringLiteral("Nodo"));
        node.setAttribute(QStringLiteral("Node_Enable"), QStringLiteral("1"));
        node.setAttribute(QStringLiteral("ID_Primary"), slave->Primary_Addresss);
        node.setAttribute(QStringLiteral("ID_Secondary"), slave->Secondary_Addresss);
        node.setAttribute(QStringLiteral("Node_ID_Type"), 0);
        node.setAttribute(QStringLiteral("Descrizione"), slave->descManufacture);
        node.setAttribute(QStringLiteral("Send_SND_NKE"), 0);
        node.setAttribute(QStringLiteral("Reset_App"), 0);
        node.setAttribute(QStringLiteral("Cut_After"), 2);
        node.setAttribute(QStringLiteral("MBus_Type"), 1);
        int position = 1;
        for (const auto &r : slave->List_Var) {
            QDomElement v = document.createElement(QStringLiteral("Variabile"));
            v.setAttribute(QStringLiteral("Enable"), QStringLiteral("1"));
            v.setAttribute(QStringLiteral("Position"), position++);
            v.setAttribute(QStringLiteral("Desc"), QStringLiteral("%1 (U%2S%3T%4)")
                                                       .arg(r->Desc_Type_Data)
                                                       .arg(r->device)
                                                       .arg(r->storage_number)
                                                       .arg(r->tarif));
            v.setAttribute(QStringLiteral("Type"), r->type_data);
            v.setAttribute(QStringLiteral("VIF_ASCII"), r->type_data == 21 ? r->VIF_ASCII : QString());
            v.setAttribute(QStringLiteral("Fun_Field"), r->function_fild);
            v.setAttribute(QStringLiteral("Length"), r->dimension == 13 ? r->nbyte : 0);
            v.setAttribute(QStringLiteral("ModReg"), reg);
            reg += 2;
            v.setAttribute(QStringLiteral("Dim"), 2);
            v.setAttribute(QStringLiteral("Unit"), r->device);
            v.setAttribute(QStringLiteral("StoNumber"), qlonglong(r->storage_number));
            v.setAttribute(QStringLiteral("Tariff"), r->tarif);
            v.setAttribute(QStringLiteral("VIFE"), r->Type_Data_Vife);
            v.setAttribute(QStringLiteral("ModScale"), 0);
            v.setAttribute(QStringLiteral("BCDtoINT"), 0);
            v.setAttribute(QStringLiteral("SWAP"), 0);
            node.appendChild(v);
        }
        root.appendChild(node);
    }
}

bool saveQDom(const QDomDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(document.toByteArray(2));
    return file.commit();
}

// The slaves of one run and the folder their file goes to.
struct Scene {
    explicit Scene(const benchmark::State &state) { fillSlaves(slaves, int(state.range(0))); }
    scan::TSlaveMBusList slaves;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("M_Bus.xml"));
};

void BM_SaveScanNew(benchmark::State &state)
{
    Scene scene(state);
    scan::TSlaveMBusList &slaves = scene.slaves;
    const QString &path = scene.path;
    for (auto _ : state)
        if (!scan::Save_XML_Conf_Wired(request(path, 0), false, slaves))
            state.SkipWithError("not saved");
    setCounters(state, path);
}
BENCHMARK(BM_SaveScanNew)->Arg(125)->Arg(250)->Unit(benchmark::kMillisecond);

void BM_SaveScanNew_QDom(benchmark::State &state)
{
    Scene scene(state);
    scan::TSlaveMBusList &slaves = scene.slaves;
    const QString &path = scene.path;
    for (auto _ : state) {
        QDomDocument document;
        QDomElement root = document.createElement(QStringLiteral("M-Bus_Network"));
        document.appendChild(root);
        addNodesQDom(document, root, slaves);
        if (!saveQDom(document, path))
            state.SkipWithError("not saved");
    }
    setCounters(state, path);
}
BENCHMARK(BM_SaveScanNew_QDom)->Arg(125)->Arg(250)->Unit(benchmark::kMillisecond);

// The file the writer makes of the slaves, as the network appended to.
QByteArray networkOf(scan::TSlaveMBusList &slaves, const QString &path)
{
    scan::Save_XML_Conf_Wired(request(path, 0), false, slaves);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void putBack(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

// Appending to a file that holds a network as large as the one added; the
// file is put back between iterations, outside the timing.
void BM_SaveScanAppend(benchmark::State &state)
{
    Scene scene(state);
    scan::TSlaveMBusList &slaves = scene.slaves;
    const QString &path = scene.path;
    const QByteArray existing = networkOf(slaves, path);
    for (auto _ : state) {
        state.PauseTiming();
        putBack(path, existing);
        state.ResumeTiming();
        if (!scan::Save_XML_Conf_Wired(request(path, 1), false, slaves))
            state.SkipWithError("not saved");
    }
    setCounters(state, path);
}
BENCHMARK(BM_SaveScanAppend)->Arg(125)->Arg(250)->Unit(benchmark::kMillisecond);

void BM_SaveScanAppend_QDom(benchmark::State &state)
{
    Scene scene(state);
    scan::TSlaveMBusList &slaves = scene.slaves;
    const QString &path = scene.path;
    const QByteArray existing = networkOf(slaves, path);
    for (auto _ : state) {
        state.PauseTiming();
        putBack(path, existing);
        state.ResumeTiming();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        QDomDocument document;
        if (!document.setContent(in.readAll()))
            state.SkipWithError("not read");
        QDomElement root = document.documentElement();
        addNodesQDom(document, root, slaves);
        if (!saveQDom(document, path))
            state.SkipWithError("not saved");
    }
    setCounters(state, path);
}
BENCHMARK(BM_SaveScanAppend_QDom)->Arg(125)->Arg(250)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
