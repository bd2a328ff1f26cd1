// The main of a fuzz target's replay program: the test build links each
// target's LLVMFuzzerTestOneInput with this file, so that every entry point
// builds with the test compiler and its sanitizers and runs on every test
// run. It feeds the target the empty input, each seed file, and a fixed set
// of variations of the seeds. A target that crashes, aborts or trips a
// sanitizer ends the program; the input it was given is written beside it.
//
// Usage: <target>_replay [--max-len N] [--mutations N] FILE-OR-FOLDER...
// A file named *.hex holds hexadecimal bytes (blanks ignored), as the real
// meter answers do; any other file is taken byte for byte.
#include "SeedMutator.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#if __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define REPLAY_HAS_SANITIZER_CALLBACK 1
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
// Only some targets set up a fixture once.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) __attribute__((weak));

namespace {

namespace fs = std::filesystem;
using fuzzreplay::Bytes;

// What runs now, kept where a dying process can still reach it.
struct Current {
    const Bytes *input = nullptr;
    char what[512] = {};
    char savedAs[512] = {};
} g_current;

void writeAll(int fd, const void *data, std::size_t size)
{
    const char *at = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, at, size);
        if (n <= 0)
            return;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
}

// Async-signal-safe: only write() and open().
void reportCurrent()
{
    if (!g_current.input)
        return;
    writeAll(2, "replay: failed on ", 18);
    writeAll(2, g_current.what, std::strlen(g_current.what));
    const int fd = ::open(g_current.savedAs, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        writeAll(fd, g_current.input->data(), g_current.input->size());
        ::close(fd);
        writeAll(2, ", input saved as ", 17);
        writeAll(2, g_current.savedAs, std::strlen(g_current.savedAs));
    }
    writeAll(2, "\n", 1);
    g_current.input = nullptr;
}

void onFatalSignal(int signal)
{
    reportCurrent();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

Bytes readSeed(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (path.extension() != ".hex")
        return Bytes(text.begin(), text.end());
    Bytes bytes;
    int high = -1;
    for (const char c : text) {
        const int v = hexValue(c);
        if (v < 0)
            continue;
        if (high < 0) {
            high = v;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + v));
            high = -1;
        }
    }
    return bytes;
}

struct Seed {
    std::string name;
    Bytes bytes;
};

void collectSeeds(const fs::path &path, std::vector<Seed> &seeds)
{
    std::error_code error;
    if (fs::is_directory(path, error)) {
        std::vector<fs::path> files;
        for (const auto &entry : fs::directory_iterator(path, error))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path &file : files)
            seeds.push_back({file.filename().string(), readSeed(file)});
    } else if (fs::is_regular_file(path, error)) {
        seeds.push_back({path.filename().string(), readSeed(path)});
    } else {
        std::fprintf(stderr, "replay: no seeds at %s, skipped\n", path.string().c_str());
    }
}

void run(const Bytes &input, const std::string &what)
{
    std::snprintf(g_current.what, sizeof g_current.what, "%s (%zu bytes)", what.c_str(), input.size());
    g_current.input = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    g_current.input = nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    std::size_t maxLength = 4096;
    std::size_t mutations = 500;
    std::vector<Seed> seeds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--max-len" || arg == "--mutations") && i + 1 < argc) {
            (arg == "--max-len" ? maxLength : mutations) = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg.starts_with("--")) {
            std::fprintf(stderr, "usage: %s [--max-len N] [--mutations N] FILE-OR-FOLDER...\n", argv[0]);
            return 2;
        } else {
            collectSeeds(arg, seeds);
        }
    }

    std::snprintf(g_current.savedAs, sizeof g_current.savedAs, "%s-failed-input",
                  fs::path(argv[0]).filename().string().c_str());
    for (const int signal : {SIGABRT, SIGILL, SIGFPE})
        std::signal(signal, onFatalSignal);
#ifdef REPLAY_HAS_SANITIZER_CALLBACK
    __sanitizer_set_death_callback(reportCurrent);
#endif
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);

    run({}, "the empty input");
    std::vector<Bytes> seedBytes;
    for (const Seed &seed : seeds) {
        Bytes bytes = seed.bytes;
        if (bytes.size() > maxLength)
            bytes.resize(maxLength);
        run(bytes, "seed " + seed.name);
        seedBytes.push_back(std::move(bytes));
    }
    const fuzzreplay::SeedMutator mutator(std::move(seedBytes), maxLength);
    for (std::size_t n = 0; n < mutations; ++n)
        run(mutator.variation(n), "variation " + std::to_string(n));
    std::printf("%zu seeds and %zu variations replayed\n", seeds.size(), mutations);
    return 0;
}
