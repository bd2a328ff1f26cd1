#pragma once
// The texts of one telegram's records, written one after the other into one
// block and handed to their fields as QStrings that share it. Each such
// QString holds a reference to the block, as a copy of a QString would, so
// the block lives while any of them (or a copy of one) does; changing one
// detaches it as usual. A telegram's records have a few texts of their own
// each: one allocation instead of one per text.
#include <QString>
#include <QStringView>

#include <cstddef>
#include <vector>

namespace scan {

class TextBlock {
public:
    TextBlock() = default;
    ~TextBlock() { close(); }
    TextBlock(const TextBlock &) = delete;
    TextBlock &operator=(const TextBlock &) = delete;

    // Starts a block with room for about `capacity` characters; texts that
    // do not fit go on in a further block.
    void open(std::size_t capacity);
    // Gives each block its texts' references and lets it go: it lives on in
    // those texts alone.
    void close();

    // The text being written: the characters since the last one ended.
    QStringView current() const { return QStringView(m_chars + m_textStart, static_cast<qsizetype>(m_size - m_textStart)); }

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

    // A text of the block; several fields may share one.
    struct Text {
        QTypedArrayData<char16_t> *block = nullptr;
        char16_t *chars = nullptr;
        qsizetype length = 0;
    };
    // Ends the text being written; the next one starts after it.
    Text finish()
    {
        const auto length = static_cast<qsizetype>(m_size - m_textStart);
        // Every text ends in a null character, as QString's own data does:
        // utf16() hands out the characters without copying them.
        if (m_size == m_capacity)
            grow(1);
        char16_t *chars = m_chars + m_textStart;
        m_chars[m_size++] = u'\0';
        m_textStart = m_size;
        return {m_filling.block, chars, length};
    }
    // `field` shares the text; an empty text gives an empty QString that is
    // not null.
    void assign(QString &field, const Text &text)
    {
        if (text.block == m_filling.block)
            ++m_filling.references;
        else
            countFull(text.block);
        field = QString(QStringPrivate(text.block, text.chars, text.length));
    }
    void finish(QString &field) { assign(field, finish()); }

private:
    struct Filling {
        QTypedArrayData<char16_t> *block = nullptr;
        int references = 0; // texts handed out so far
    };
    void grow(std::size_t count);
    void start(std::size_t capacity);
    void countFull(QTypedArrayData<char16_t> *block);
    static void release(const Filling &filling);

    Filling m_filling;
    char16_t *m_chars = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    std::size_t m_textStart = 0;
    // Full blocks, kept until close(): earlier texts of theirs may still be
    // assigned.
    std::vector<Filling> m_full;
};

} // namespace scan
