#pragma once
// One bank being built in memory. Every compile starts from an empty buffer,
// so nothing of an earlier compile can reach the file. A bank never grows
// past the 200,000 bytes the converter's loader takes; trying to is a compile
// error, not a silent cut.
#include "compiler/FieldWriter.h"

#include <QByteArray>
#include <QString>

namespace compiler {

inline constexpr qsizetype BankCapacity = 200000;

class BankBuffer {
public:
    explicit BankBuffer(QString fileName) : m_fileName(std::move(fileName)) {}

    const QString &fileName() const { return m_fileName; }
    qsizetype size() const { return m_bytes.size(); }

    // Fails the compile when the bank would have to reach endPosition bytes.
    void ensureFits(qint64 endPosition) const;

    // Appends a zeroed block of the given size and returns a writer over it;
    // the writer is valid until the next append.
    FieldWriter appendBlock(qsizetype size);
    void appendU8(std::uint32_t value) { appendBlock(1).u8(0, value); }
    void appendU16(std::uint32_t value) { appendBlock(2).u16(0, value); }
    void appendU32(std::uint32_t value) { appendBlock(4).u32(0, value); }
    void appendQuad(const Quad &bytes) { appendBlock(4).quad(0, bytes); }
    void appendBytes(const QByteArray &bytes);

    // Rewrites a field already appended (a header word known only later).
    void setU32(qsizetype offset, std::uint32_t value);

    QByteArray bytes() const { return m_bytes; }

private:
    QString m_fileName;
    QByteArray m_bytes;
};

} // namespace compiler
