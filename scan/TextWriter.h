#pragma once
// Where the decoder writes a record's text before it becomes a QString: the
// characters go into a buffer the writer keeps (inline, for texts of
// ordinary length), and each finished text is built once, at its final
// length, into a QString of its own. The buffer serves every text of a
// telegram in turn, so a text that grows costs no reallocation.
#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <memory>

namespace scan {

class TextWriter {
public:
    TextWriter() = default;
    TextWriter(const TextWriter &) = delete;
    TextWriter &operator=(const TextWriter &) = delete;

    // The text being written so far.
    QStringView current() const { return QStringView(m_chars, static_cast<qsizetype>(m_size)); }

    // Room for `count` more characters of the text being written.
    char16_t *extend(std::size_t count)
    {
        if (m_size + count > m_capacity)
            grow(count);
        char16_t *at = m_chars + m_size;
        m_size += count;
        return at;
    }
    void append(char16_t c) { *extend(1) = c; }
    void append(QStringView text);
    void appendLatin1(const char *text, std::size_t length);

    // Ends the text being written and hands it out; the next text starts
    // afresh. An empty text gives an empty QString that is not null.
    QString take()
    {
        QString text(reinterpret_cast<const QChar *>(m_chars), static_cast<qsizetype>(m_size));
        m_size = 0;
        return text;
    }
    void finish(QString &field) { field = take(); }
    // Forgets the text being written.
    void discard() { m_size = 0; }

private:
    void grow(std::size_t count);

    static constexpr std::size_t kInlineCapacity = 256;
    std::array<char16_t, kInlineCapacity> m_inline;
    std::unique_ptr<char16_t[]> m_heap; // only for a text longer than the inline room
    char16_t *m_chars = m_inline.data();
    std::size_t m_size = 0;
    std::size_t m_capacity = kInlineCapacity;
};

} // namespace scan
