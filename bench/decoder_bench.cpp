// Decoding speed of the wired telegram decoder on real meter answers, and
// of the AES decryption that wireless telegrams go through.
#include "scan/Aes128.h"
#include "scan/RspUdDecoder.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <vector>

// Heap allocations are counted where they all end: Qt's strings call malloc
// directly, operator new calls it too. The sanitizers bring their own
// allocator, so their builds count nothing.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define DECODER_BENCH_COUNTS_ALLOCATIONS 0
#else
#define DECODER_BENCH_COUNTS_ALLOCATIONS 1
namespace {
std::atomic<std::int64_t> g_allocations{0};
}
extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *pointer, std::size_t size);

void *malloc(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}
void *calloc(std::size_t count, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}
void *realloc(void *pointer, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}
}
#endif

namespace {

std::int64_t allocationsSoFar()
{
#if DECODER_BENCH_COUNTS_ALLOCATIONS
    return g_allocations.load(std::memory_order_relaxed);
#else
    return 0;
#endif
}

std::vector<QByteArray> realFrames()
{
    std::vector<QByteArray> frames;
    const QDir dir(QStringLiteral(SHARED_DATA_DIR "/mbus-frames/good"));
    for (const QString &name : dir.entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            frames.push_back(QByteArray::fromHex(file.readAll()));
    }
    return frames;
}

void DecodeRealFrames(benchmark::State &state)
{
    const std::vector<QByteArray> frames = realFrames();
    if (frames.empty()) {
        state.SkipWithError("no frames under " SHARED_DATA_DIR "/mbus-frames/good");
        return;
    }
    const QDateTime decodedAt = QDateTime::currentDateTime();
    std::int64_t decoded = 0;
    std::int64_t records = 0;
    const std::int64_t allocationsBefore = allocationsSoFar();
    for (auto _ : state) {
        for (const QByteArray &frame : frames) {
            const scan::RspUdRecords result = scan::decodeRspUdRecords(scan::bytesOf(frame), decodedAt);
            records += static_cast<std::int64_t>(result.records.size());
            benchmark::DoNotOptimize(result.records.data());
            ++decoded;
        }
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(decoded), benchmark::Counter::kIsRate);
    state.counters["records/s"] = benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
    state.counters["allocs/frame"] = static_cast<double>(allocationsSoFar() - allocationsBefore) / static_cast<double>(decoded);
}
BENCHMARK(DecodeRealFrames);

// The scan engine's path: decode, then lock the slave list and append.
void AddSlavesFromRealFrames(benchmark::State &state)
{
    const std::vector<QByteArray> frames = realFrames();
    std::int64_t decoded = 0;
    const std::int64_t allocationsBefore = allocationsSoFar();
    for (auto _ : state) {
        scan::TSlaveMBusList list;
        for (const QByteArray &frame : frames) {
            benchmark::DoNotOptimize(scan::Add_Slave_From_RSP_UD(list, -1, scan::bytesOf(frame)).index);
            ++decoded;
        }
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(decoded), benchmark::Counter::kIsRate);
    state.counters["allocs/frame"] = static_cast<double>(allocationsSoFar() - allocationsBefore) / static_cast<double>(decoded);
}
BENCHMARK(AddSlavesFromRealFrames);

// A mode-5 wireless payload of five blocks, decrypted in place.
void DecryptWirelessPayload(benchmark::State &state)
{
    scan::AesKey key{};
    scan::AesBlock iv{};
    for (int i = 0; i < 16; ++i) {
        key[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 1);
        iv[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }
    std::vector<std::uint8_t> payload(80, 0x2F);
    for (auto _ : state) {
        scan::Decrypt_AES_CBC(payload, key, iv, payload);
        benchmark::DoNotOptimize(payload.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 80);
}
BENCHMARK(DecryptWirelessPayload);

} // namespace

BENCHMARK_MAIN();
