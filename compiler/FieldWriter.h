#pragma once
// Writes little-endian fields at fixed offsets of a byte block, as the bank
// tables give them. A value wider than its field keeps its low-order bits.
// Every field is checked against the block in every build: a layout that
// points outside it fails the compile instead of writing past the block.
#include "compiler/CompileError.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

namespace compiler {

using Quad = std::array<std::uint8_t, 4>; // four bytes kept in their given order

class FieldWriter {
public:
    FieldWriter(char *data, qsizetype size) : m_data(reinterpret_cast<std::uint8_t *>(data)), m_size(size) {}
    FieldWriter(std::uint8_t *data, qsizetype size) : m_data(data), m_size(size) {}

    void u8(qsizetype offset, std::uint32_t value) { at(offset, 1)[0] = static_cast<std::uint8_t>(value); }
    void u16(qsizetype offset, std::uint32_t value)
    {
        std::uint8_t *p = at(offset, 2);
        p[0] = static_cast<std::uint8_t>(value);
        p[1] = static_cast<std::uint8_t>(value >> 8);
    }
    void u32(qsizetype offset, std::uint32_t value)
    {
        std::uint8_t *p = at(offset, 4);
        for (int i = 0; i < 4; ++i)
            p[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    void quad(qsizetype offset, const Quad &bytes)
    {
        std::uint8_t *p = at(offset, 4);
        for (int i = 0; i < 4; ++i)
            p[i] = bytes[i];
    }

private:
    std::uint8_t *at(qsizetype offset, qsizetype width)
    {
        if (offset < 0 || width > m_size || offset > m_size - width)
            throw CompileFailure(CompileErrorKind::FieldOutsideBlock,
                                 QStringLiteral("Compile error: a field of %1 bytes at offset %2 lies outside its "
                                                "block of %3 bytes.")
                                     .arg(width)
                                     .arg(offset)
                                     .arg(m_size));
        return m_data + offset;
    }

    std::uint8_t *m_data;
    qsizetype m_size;
};

// The unsigned 32-bit sum of the bytes, as the converter checks its pages.
inline std::uint32_t byteSum(const std::uint8_t *data, qsizetype size)
{
    std::uint32_t sum = 0;
    for (qsizetype i = 0; i < size; ++i)
        sum += data[i];
    return sum;
}

} // namespace compiler
