#include "scan/Aes128.h"

#include <QIODevice>
#include <algorithm>
#include <bit>
#include <cstring>

namespace scan {
namespace {

// The cipher's tables are derived at compile time from GF(2^8) arithmetic
// rather than typed in, so a typo cannot hide in 2 KiB of hex.
constexpr std::uint8_t gfMul(std::uint8_t a, std::uint8_t b)
{
    std::uint8_t product = 0;
    while (b) {
        if (b & 1)
            product ^= a;
        a = static_cast<std::uint8_t>((a << 1) ^ ((a & 0x80) ? 0x1B : 0));
        b >>= 1;
    }
    return product;
}

struct GfLogTables {
    std::array<std::uint8_t, 256> exp{};
    std::array<std::uint8_t, 256> log{};
};

// Powers of the generator 3 give every non-zero element once; inverses then
// come from exponents instead of a slow search.
constexpr GfLogTables makeGfLogTables()
{
    GfLogTables t;
    std::uint8_t x = 1;
    for (int i = 0; i < 255; ++i) {
        t.exp[i] = x;
        t.log[x] = static_cast<std::uint8_t>(i);
        x = gfMul(x, 0x03);
    }
    return t;
}

constexpr GfLogTables kGfLog = makeGfLogTables();

constexpr std::uint8_t gfInverse(std::uint8_t a)
{
    return a == 0 ? 0 : kGfLog.exp[(255 - kGfLog.log[a]) % 255];
}

constexpr std::uint8_t rotl8(std::uint8_t v, int s)
{
    return static_cast<std::uint8_t>((v << s) | (v >> (8 - s)));
}

struct SBoxes {
    std::array<std::uint8_t, 256> forward{};
    std::array<std::uint8_t, 256> inverse{};
};

constexpr SBoxes makeSBoxes()
{
    SBoxes boxes;
    for (int x = 0; x < 256; ++x) {
        const std::uint8_t b = gfInverse(static_cast<std::uint8_t>(x));
        const std::uint8_t s = b ^ rotl8(b, 1) ^ rotl8(b, 2) ^ rotl8(b, 3) ^ rotl8(b, 4) ^ 0x63;
        boxes.forward[x] = s;
        boxes.inverse[s] = static_cast<std::uint8_t>(x);
    }
    return boxes;
}

constexpr SBoxes kSBoxes = makeSBoxes();

// Inverse MixColumns of one byte in row 0 of a column, as a column word.
constexpr std::uint32_t invMixWord(std::uint8_t a)
{
    return std::uint32_t(gfMul(a, 0x0E)) | std::uint32_t(gfMul(a, 0x09)) << 8
         | std::uint32_t(gfMul(a, 0x0D)) << 16 | std::uint32_t(gfMul(a, 0x0B)) << 24;
}

// Inverse S-box followed by inverse MixColumns, for a byte in row 0; the
// other rows are the same word rotated.
constexpr std::array<std::uint32_t, 256> makeDecryptTable()
{
    std::array<std::uint32_t, 256> table{};
    for (int x = 0; x < 256; ++x)
        table[x] = invMixWord(kSBoxes.inverse[x]);
    return table;
}

constexpr std::array<std::uint32_t, 256> kTd0 = makeDecryptTable();

inline std::uint8_t byteOf(std::uint32_t word, int row) { return static_cast<std::uint8_t>(word >> (8 * row)); }

std::uint32_t invMixColumn(std::uint32_t column)
{
    return invMixWord(byteOf(column, 0)) ^ std::rotl(invMixWord(byteOf(column, 1)), 8)
         ^ std::rotl(invMixWord(byteOf(column, 2)), 16) ^ std::rotl(invMixWord(byteOf(column, 3)), 24);
}

std::uint32_t subWord(std::uint32_t w)
{
    return std::uint32_t(kSBoxes.forward[byteOf(w, 0)]) | std::uint32_t(kSBoxes.forward[byteOf(w, 1)]) << 8
         | std::uint32_t(kSBoxes.forward[byteOf(w, 2)]) << 16 | std::uint32_t(kSBoxes.forward[byteOf(w, 3)]) << 24;
}

std::uint32_t loadWord(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

void storeWord(std::uint32_t w, std::uint8_t *p)
{
    for (int i = 0; i < 4; ++i)
        p[i] = byteOf(w, i);
}

void decryptCbcBlocks(const std::uint8_t *source, std::size_t size, const AesKeySchedule &schedule,
                      AesBlock chain, std::uint8_t *dest)
{
    for (std::size_t offset = 0; offset < size; offset += 16) {
        AesBlock cipher;
        std::memcpy(cipher.data(), source + offset, 16); // source and dest may be the same bytes
        AesBlock plain = Decrypt_AES_Block(cipher, schedule);
        for (int i = 0; i < 16; ++i)
            dest[offset + i] = plain[i] ^ chain[i];
        chain = cipher;
    }
}

} // namespace

AesKeySchedule Expand_AES_Key_128(const AesKey &key)
{
    AesKeySchedule w{};
    for (int i = 0; i < 4; ++i)
        w[i] = loadWord(key.data() + 4 * i);
    std::uint8_t rcon = 0x01;
    for (int i = 4; i < 44; ++i) {
        std::uint32_t temp = w[i - 1];
        if (i % 4 == 0) {
            // RotWord moves byte 1 to byte 0: a right rotation with this packing.
            temp = subWord(std::rotr(temp, 8)) ^ rcon;
            rcon = gfMul(rcon, 0x02);
        }
        w[i] = w[i - 4] ^ temp;
    }
    return w;
}

void Invert_Key_Schedule(AesKeySchedule &schedule)
{
    for (int i = 4; i < 40; ++i)
        schedule[i] = invMixColumn(schedule[i]);
}

AesKeySchedule Expand_AES_Key_For_Decryption(const AesKey &key)
{
    AesKeySchedule schedule = Expand_AES_Key_128(key);
    Invert_Key_Schedule(schedule);
    return schedule;
}

AesBlock Decrypt_AES_Block(const AesBlock &in, const AesKeySchedule &dk)
{
    std::uint32_t s[4];
    for (int c = 0; c < 4; ++c)
        s[c] = loadWord(in.data() + 4 * c) ^ dk[40 + c];

    for (int round = 9; round >= 1; --round) {
        std::uint32_t t[4];
        for (int c = 0; c < 4; ++c) {
            // Inverse ShiftRows: row r of column c comes from column c - r.
            t[c] = kTd0[byteOf(s[c], 0)] ^ std::rotl(kTd0[byteOf(s[(c + 3) & 3], 1)], 8)
                 ^ std::rotl(kTd0[byteOf(s[(c + 2) & 3], 2)], 16) ^ std::rotl(kTd0[byteOf(s[(c + 1) & 3], 3)], 24)
                 ^ dk[4 * round + c];
        }
        std::copy(std::begin(t), std::end(t), std::begin(s));
    }

    AesBlock out;
    for (int c = 0; c < 4; ++c) {
        const std::uint32_t w = std::uint32_t(kSBoxes.inverse[byteOf(s[c], 0)])
                              | std::uint32_t(kSBoxes.inverse[byteOf(s[(c + 3) & 3], 1)]) << 8
                              | std::uint32_t(kSBoxes.inverse[byteOf(s[(c + 2) & 3], 2)]) << 16
                              | std::uint32_t(kSBoxes.inverse[byteOf(s[(c + 1) & 3], 3)]) << 24;
        storeWord(w ^ dk[c], out.data() + 4 * c);
    }
    return out;
}

void Decrypt_AES_Stream_CBC(QIODevice &source, qint32 count, const AesKeySchedule &decryptionSchedule,
                            QIODevice &dest, const AesBlock &iv)
{
    qint64 toProcess;
    if (count == 0) {
        source.seek(0);
        toProcess = source.size();
    } else {
        toProcess = std::min<qint64>(count, source.size() - source.pos());
    }
    if (toProcess <= 0)
        return;
    if (toProcess % 16 != 0)
        throw EAESError(QStringLiteral("Invalid buffer size for decryption"));

    AesBlock chain = iv;
    for (qint64 done = 0; done < toProcess; done += 16) {
        AesBlock cipher;
        if (source.read(reinterpret_cast<char *>(cipher.data()), 16) != 16)
            throw platform::Error(QStringLiteral("Stream read error"));
        AesBlock plain;
        decryptCbcBlocks(cipher.data(), 16, decryptionSchedule, chain, plain.data());
        if (dest.write(reinterpret_cast<const char *>(plain.data()), 16) != 16)
            throw platform::Error(QStringLiteral("Stream write error"));
        chain = cipher;
    }
}

void Decrypt_AES_CBC(QIODevice &source, qint32 count, const AesKey &key, QIODevice &dest, const AesBlock &iv)
{
    Decrypt_AES_Stream_CBC(source, count, Expand_AES_Key_For_Decryption(key), dest, iv);
}

void Decrypt_AES_CBC(std::span<const std::uint8_t> source, const AesKey &key, const AesBlock &iv,
                     std::span<std::uint8_t> dest)
{
    if (source.empty())
        return;
    if (source.size() % 16 != 0)
        throw EAESError(QStringLiteral("Invalid buffer size for decryption"));
    if (dest.size() < source.size())
        throw platform::Error(QStringLiteral("Stream write error"));
    decryptCbcBlocks(source.data(), source.size(), Expand_AES_Key_For_Decryption(key), iv, dest.data());
}

} // namespace scan
