#pragma once
// One file out of a zip archive (an .xlsx workbook, an .odt document), read
// through its central directory; stored and deflated entries. An empty
// result when the archive or the entry is missing or damaged.
#include <QByteArray>
#include <QString>

#include <zlib.h>

#include <cstdint>

namespace stringgridtest {

inline std::uint32_t zipNumber(const QByteArray &bytes, qsizetype at, int size)
{
    if (at < 0 || at + size > bytes.size())
        return 0;
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = value << 8 | std::uint8_t(bytes[at + k]);
    return value;
}

inline QByteArray inflated(const QByteArray &packed, std::uint32_t size)
{
    QByteArray out(qsizetype(size), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    return result == Z_STREAM_END ? out : QByteArray();
}

inline QByteArray zipEntry(const QByteArray &zip, const QString &name)
{
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0)
        return {};
    const std::uint32_t count = zipNumber(zip, end + 10, 2);
    qsizetype at = qsizetype(zipNumber(zip, end + 16, 4));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (zipNumber(zip, at, 4) != 0x02014b50)
            return {};
        const std::uint32_t method = zipNumber(zip, at + 10, 2);
        const std::uint32_t packedSize = zipNumber(zip, at + 20, 4);
        const std::uint32_t size = zipNumber(zip, at + 24, 4);
        const std::uint32_t nameLength = zipNumber(zip, at + 28, 2);
        const qsizetype local = qsizetype(zipNumber(zip, at + 42, 4));
        const QString entry = QString::fromUtf8(zip.mid(at + 46, nameLength));
        at += 46 + nameLength + zipNumber(zip, at + 30, 2) + zipNumber(zip, at + 32, 2);
        if (entry != name)
            continue;
        const qsizetype data = local + 30 + zipNumber(zip, local + 26, 2) + zipNumber(zip, local + 28, 2);
        const QByteArray packed = zip.mid(data, packedSize);
        if (method == 0)
            return packed;
        return method == 8 ? inflated(packed, size) : QByteArray();
    }
    return {};
}

} // namespace stringgridtest
