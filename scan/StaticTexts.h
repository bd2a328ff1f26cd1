#pragma once
// Texts the decoder writes often enough to keep for good: a QString over
// static characters costs nothing to copy or free, where one of its own
// costs an allocation. Each gives a null QString when the text is not one
// of them.
#include <QString>
#include <QStringView>

#include <cstdint>

namespace scan {

// "0" to "9999", as decimal integers are written: by the text, or by the
// number (0 to kLargestStaticInteger).
constexpr int kLargestStaticInteger = 9999;
QString staticSmallInteger(QStringView text);
QString staticInteger(int n);
// The two hexadecimal digits of a byte ("0A").
QString staticHexByte(std::uint8_t byte);
// `count` zero digits, for a record whose data bytes are all zero.
QString staticZeros(std::size_t count);

} // namespace scan
