#include "scan/MBusFrameAssembler.h"

#include "scan/AnalyzerProtocol.h"

namespace scan {

namespace {

using namespace mbus;

constexpr std::size_t LongHeaderSize = 4;

// Size of the answer at the front of `bytes`: 0 while it is incomplete, all
// of them when they begin no frame.
std::size_t answerSize(std::span<const std::uint8_t> bytes)
{
    switch (bytes[0]) {
    case analyzer::Acknowledgement:
        return 1;
    case ShortFrameStart:
        return bytes.size() >= ShortFrameSize ? ShortFrameSize : 0;
    case LongFrameStart: {
        if (bytes.size() < LongHeaderSize)
            return 0;
        if (bytes[1] != bytes[2] || bytes[3] != LongFrameStart)
            return bytes.size();
        const std::size_t size = bytes[1] + LongFrameOverhead;
        return bytes.size() >= size ? size : 0;
    }
    default:
        return bytes.size();
    }
}

} // namespace

void MBusFrameAssembler::add(std::span<const std::uint8_t> bytes, const Answer &answer)
{
    m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());
    std::size_t used = 0;
    while (used < m_pending.size()) {
        const auto rest = std::span<const std::uint8_t>(m_pending).subspan(used);
        const std::size_t size = answerSize(rest);
        if (size == 0)
            break;
        answer(rest.first(size));
        used += size;
    }
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(used));
}

} // namespace scan
