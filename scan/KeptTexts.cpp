#include "scan/KeptTexts.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace scan {
namespace {

constexpr std::size_t kEntries = 4096; // a power of two
constexpr std::size_t kProbes = 8;
constexpr std::size_t kRoom = 1 << 18; // characters

// An entry is written once: claimed, filled, then published; readers take
// only published ones, so finding a text needs no lock.
enum EntryState : std::uint32_t { Empty, Filling, Ready };

struct Entry {
    std::atomic<std::uint32_t> state{Empty};
    std::uint32_t length = 0;
    const char16_t *chars = nullptr;
    std::uint64_t keyLow = 0;
    std::uint64_t keyHigh = 0;
};

Entry g_entries[kEntries];
char16_t g_chars[kRoom];
std::atomic<std::size_t> g_used{0};

struct KeyWords {
    std::uint64_t low;
    std::uint64_t high;
    bool operator==(const KeyWords &) const = default;
};

KeyWords wordsOf(const KeptTextKey &key)
{
    KeyWords words;
    std::memcpy(&words, &key, sizeof words);
    return words;
}

std::size_t slotOf(const KeyWords &words)
{
    std::uint64_t h = (words.low ^ (words.high * 0x9E3779B97F4A7C15ull)) * 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(h ^ (h >> 31));
}

QString overKept(const char16_t *chars, std::uint32_t length)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(chars), static_cast<qsizetype>(length));
}

} // namespace

QString findKeptText(const KeptTextKey &key)
{
    const KeyWords words = wordsOf(key);
    const std::size_t start = slotOf(words);
    for (std::size_t i = 0; i < kProbes; ++i) {
        const Entry &entry = g_entries[(start + i) & (kEntries - 1)];
        const std::uint32_t state = entry.state.load(std::memory_order_acquire);
        if (state == Empty)
            return {};
        if (state == Ready && entry.keyLow == words.low && entry.keyHigh == words.high)
            return overKept(entry.chars, entry.length);
    }
    return {};
}

QString keepText(const KeptTextKey &key, QStringView text)
{
    const auto length = static_cast<std::size_t>(text.size());
    if (g_used.load(std::memory_order_relaxed) + length + 1 > kRoom)
        return {};
    const std::size_t at = g_used.fetch_add(length + 1, std::memory_order_relaxed);
    if (at + length + 1 > kRoom)
        return {};
    char16_t *chars = g_chars + at;
    std::copy_n(text.utf16(), length, chars);
    chars[length] = u'\0';

    const KeyWords words = wordsOf(key);
    const std::size_t start = slotOf(words);
    for (std::size_t i = 0; i < kProbes; ++i) {
        Entry &entry = g_entries[(start + i) & (kEntries - 1)];
        std::uint32_t empty = Empty;
        if (entry.state.compare_exchange_strong(empty, Filling, std::memory_order_acquire)) {
            entry.keyLow = words.low;
            entry.keyHigh = words.high;
            entry.chars = chars;
            entry.length = static_cast<std::uint32_t>(length);
            entry.state.store(Ready, std::memory_order_release);
            break;
        }
    }
    // Kept even when no entry was free: the characters stay, unfound.
    return overKept(chars, static_cast<std::uint32_t>(length));
}

void finishKept(TextWriter &texts, const KeptTextKey &key, QString &field)
{
    if (QString kept = keepText(key, texts.current()); !kept.isNull()) {
        field = std::move(kept);
        texts.discard();
    } else {
        texts.finish(field);
    }
}

} // namespace scan
