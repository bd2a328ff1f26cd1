#include "scan/TextWriter.h"

#include <algorithm>

namespace scan {

void TextWriter::grow(std::size_t count)
{
    const std::size_t capacity = std::max(m_size + count, 2 * m_capacity);
    auto larger = std::make_unique_for_overwrite<char16_t[]>(capacity);
    std::copy_n(m_chars, m_size, larger.get());
    m_heap = std::move(larger);
    m_chars = m_heap.get();
    m_capacity = capacity;
}

void TextWriter::append(QStringView text)
{
    const auto length = static_cast<std::size_t>(text.size());
    std::copy_n(text.utf16(), length, extend(length));
}

void TextWriter::appendLatin1(const char *text, std::size_t length)
{
    std::transform(text, text + length, extend(length),
                   [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
}

} // namespace scan
