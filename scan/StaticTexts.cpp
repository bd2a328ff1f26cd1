#include "scan/StaticTexts.h"

#include <array>

namespace scan {
namespace {

constexpr std::size_t kIntegers = kLargestStaticInteger + 1;
constexpr std::size_t kIntegerStride = 5; // four digits and a null character

struct IntegerTexts {
    std::array<char16_t, kIntegers * kIntegerStride> chars{};
    std::array<std::uint8_t, kIntegers> lengths{};
    constexpr IntegerTexts()
    {
        for (std::size_t n = 0; n < kIntegers; ++n) {
            char16_t digits[4] = {};
            std::size_t length = 0;
            std::size_t v = n;
            do {
                digits[length++] = static_cast<char16_t>(u'0' + v % 10);
                v /= 10;
            } while (v > 0);
            for (std::size_t i = 0; i < length; ++i)
                chars[n * kIntegerStride + i] = digits[length - 1 - i];
            lengths[n] = static_cast<std::uint8_t>(length);
        }
    }
};
constexpr IntegerTexts kIntegerTexts;

constexpr char16_t hexDigit(int nibble) { return static_cast<char16_t>(nibble < 10 ? u'0' + nibble : u'A' + nibble - 10); }

struct HexByteTexts {
    std::array<char16_t, 256 * 3> chars{};
    constexpr HexByteTexts()
    {
        for (std::size_t b = 0; b < 256; ++b) {
            chars[b * 3] = hexDigit(static_cast<int>(b >> 4));
            chars[b * 3 + 1] = hexDigit(static_cast<int>(b & 0x0F));
        }
    }
};
constexpr HexByteTexts kHexByteTexts;

constexpr std::size_t kZeroCount = 64;
struct ZeroTexts {
    std::array<char16_t, kZeroCount + 1> chars{};
    constexpr ZeroTexts()
    {
        for (std::size_t i = 0; i < kZeroCount; ++i)
            chars[i] = u'0';
    }
};
constexpr ZeroTexts kZeroTexts;

QString overStatic(const char16_t *chars, std::size_t length)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(chars), static_cast<qsizetype>(length));
}

} // namespace

QString staticSmallInteger(QStringView text)
{
    if (text.isEmpty() || text.size() > 4 || (text.size() > 1 && text[0] == u'0'))
        return {};
    std::size_t n = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return {};
        n = n * 10 + static_cast<std::size_t>(c.unicode() - u'0');
    }
    return overStatic(&kIntegerTexts.chars[n * kIntegerStride], kIntegerTexts.lengths[n]);
}

QString staticInteger(int n)
{
    const auto i = static_cast<std::size_t>(n);
    return overStatic(&kIntegerTexts.chars[i * kIntegerStride], kIntegerTexts.lengths[i]);
}

QString staticHexByte(std::uint8_t byte) { return overStatic(&kHexByteTexts.chars[byte * 3u], 2); }

QString staticZeros(std::size_t count)
{
    if (count == 0 || count > kZeroCount)
        return {};
    return overStatic(kZeroTexts.chars.data() + (kZeroCount - count), count);
}

} // namespace scan
