#include "scan/TextBlock.h"

#include <algorithm>

namespace scan {
namespace {

// A block's count while it is being filled: far above any number of texts,
// so that no text let go meanwhile (an exception unwinding) can free it;
// release() brings it down to the texts handed out.
constexpr int kFilling = 1 << 30;

} // namespace

void TextBlock::start(std::size_t capacity)
{
    auto [block, chars] = QTypedArrayData<char16_t>::allocate(static_cast<qsizetype>(capacity));
    Q_CHECK_PTR(block);
    block->ref_.storeRelaxed(kFilling);
    m_filling = {block, 0};
    m_chars = chars;
    m_capacity = static_cast<std::size_t>(block->allocatedCapacity());
    m_size = 0;
    m_textStart = 0;
}

void TextBlock::release(const Filling &filling)
{
    const int delta = filling.references - kFilling;
    if (filling.block->ref_.fetchAndAddRelaxed(delta) + delta == 0)
        QTypedArrayData<char16_t>::deallocate(filling.block);
}

void TextBlock::open(std::size_t capacity)
{
    close();
    start(std::max<std::size_t>(capacity, 16));
}

void TextBlock::close()
{
    for (const Filling &full : m_full)
        release(full);
    m_full.clear();
    if (m_filling.block)
        release(m_filling);
    m_filling = {};
    m_chars = nullptr;
    m_size = m_capacity = m_textStart = 0;
}

void TextBlock::grow(std::size_t count)
{
    // The text being written moves on to the new block.
    const QStringView partial = current();
    const auto partialSize = static_cast<std::size_t>(partial.size());
    const Filling full = m_filling;
    const char16_t *from = partial.utf16();
    start(std::max<std::size_t>({partialSize + count + 1, 2 * m_capacity, 256}));
    std::copy_n(from, partialSize, m_chars);
    m_size = partialSize;
    if (full.block)
        m_full.push_back(full);
}

void TextBlock::append(QStringView text)
{
    const auto length = static_cast<std::size_t>(text.size());
    std::copy_n(text.utf16(), length, extend(length));
}

void TextBlock::appendLatin1(const char *text, std::size_t length)
{
    std::transform(text, text + length, extend(length),
                   [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
}

void TextBlock::countFull(QTypedArrayData<char16_t> *block)
{
    const auto full = std::find_if(m_full.begin(), m_full.end(), [&](const Filling &f) { return f.block == block; });
    if (full != m_full.end())
        ++full->references;
    else
        block->ref(); // not one of ours: counted as any copy is
}

} // namespace scan
