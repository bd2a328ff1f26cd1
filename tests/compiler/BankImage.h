#pragma once
// Expected bank bytes, placed field by field at the offsets of the converter's
// tables. Written independently of the compiler so that a golden comparison
// checks the layout rather than restating it.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>

namespace compilertest {

class BankImage {
public:
    explicit BankImage(int size) : m_bytes(size, '\0') {}

    BankImage &u8(int at, std::uint32_t v) { return put(at, v, 1); }
    BankImage &u16(int at, std::uint32_t v) { return put(at, v, 2); }
    BankImage &u32(int at, std::uint32_t v) { return put(at, v, 4); }
    BankImage &bytes(int at, std::initializer_list<int> list)
    {
        for (int b : list)
            m_bytes[at++] = char(b);
        return *this;
    }
    BankImage &text(int at, const char *s)
    {
        while (*s)
            m_bytes[at++] = *s++;
        return *this;
    }
    // The unsigned sum of bytes [0, count) stored little-endian at 'at'.
    BankImage &sumAt(int at, int count)
    {
        std::uint32_t sum = 0;
        for (int i = 0; i < count; ++i)
            sum += std::uint8_t(m_bytes[i]);
        return u32(at, sum);
    }
    const QByteArray &data() const { return m_bytes; }

private:
    BankImage &put(int at, std::uint32_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            m_bytes[at + i] = char((v >> (8 * i)) & 0xFF);
        return *this;
    }
    QByteArray m_bytes;
};

using Address = std::array<int, 4>; // node address bytes as they stand in the bank

// Bytes 0 to 20 of a variable entry, identical in every layout.
struct VarHead {
    int type, functionField, dimensionCode, reg, valueAddress, scale, valueEnd, unit;
    std::uint32_t storage, tariff;
    int vife;
};

inline void placeVarHead(BankImage &img, int at, const VarHead &v)
{
    img.u8(at + 0, v.type).u8(at + 1, v.functionField).u8(at + 2, v.dimensionCode);
    img.u16(at + 3, v.reg).u16(at + 5, v.valueAddress).u16(at + 7, v.scale).u16(at + 9, v.valueEnd);
    img.u8(at + 11, v.unit).u32(at + 12, v.storage).u32(at + 16, v.tariff).u8(at + 20, v.vife);
}

// A register entry; timePointFlag < 0 for the 13-byte serial-board entry.
inline void placeRegister(BankImage &img, int at, int reg, int count, int valueAddress, const Address &address,
                          int scale, int valueEnd, int timePointFlag)
{
    img.u16(at + 0, reg).u8(at + 2, count).u16(at + 3, valueAddress);
    img.bytes(at + 5, {address[0], address[1], address[2], address[3]});
    img.u16(at + 9, scale).u16(at + 11, valueEnd);
    if (timePointFlag >= 0)
        img.u8(at + 13, timePointFlag);
}

// Bytes 0 to 19 of a node entry, identical in every layout.
struct NodeHead {
    int idType;
    Address address;
    int variables;
    std::uint32_t firstVariable;
    int sndNke, resetApp, nodeState, identNum, bcdToIntIn, swapIn, varType;
};

inline void placeNodeHead(BankImage &img, int at, const NodeHead &n)
{
    img.u8(at, n.idType).bytes(at + 1, {n.address[0], n.address[1], n.address[2], n.address[3]});
    img.u16(at + 5, n.variables).u32(at + 7, n.firstVariable).u8(at + 11, n.sndNke).u8(at + 12, n.resetApp);
    img.u16(at + 13, n.nodeState).u16(at + 15, n.identNum).u8(at + 17, n.bcdToIntIn).u8(at + 18, n.swapIn);
    img.u8(at + 19, n.varType);
}

// Bytes 20 to 26 of the node entry of every layout but the serial board's.
inline void placeNodeExtension(BankImage &img, int at, int cutAfter, int msdRegister, int msdLength, int msdOffset,
                               int dataArea)
{
    img.u8(at + 20, cutAfter).u16(at + 21, msdRegister).u8(at + 23, msdLength).u8(at + 24, msdOffset);
    img.u16(at + 25, dataArea);
}

} // namespace compilertest

namespace compilertest {

// Little-endian fields of a compiled bank; a negative offset counts from the end.
inline int fieldAt(const QByteArray &bank, int at, int width)
{
    if (at < 0)
        at += int(bank.size());
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = v << 8 | std::uint8_t(bank.at(at + i));
    return int(v);
}
inline int u8At(const QByteArray &bank, int at) { return fieldAt(bank, at, 1); }
inline int u16At(const QByteArray &bank, int at) { return fieldAt(bank, at, 2); }
inline std::uint32_t u32At(const QByteArray &bank, int at) { return std::uint32_t(fieldAt(bank, at, 4)); }

} // namespace compilertest
