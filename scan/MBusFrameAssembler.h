#pragma once
// Bytes from a serial M-Bus line cut into answers, the way a datagram holds
// one: an acknowledgement (E5), a short frame (10 C A CS 16) or a long frame
// (68 L L 68 ... 16, L + 6 bytes). Bytes that begin none of these (the noise
// of a collision) are one answer as they came. A frame still incomplete
// waits for its rest; reset() drops it before a new request.
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace scan {

class MBusFrameAssembler {
public:
    using Answer = std::function<void(std::span<const std::uint8_t> answer)>;

    void add(std::span<const std::uint8_t> bytes, const Answer &answer);
    void reset() { m_pending.clear(); }
    std::size_t pending() const { return m_pending.size(); }

private:
    std::vector<std::uint8_t> m_pending;
};

} // namespace scan
