#pragma once
// Test frames: the start of a long frame (68 L L 68 and the fixed header)
// and its records, closed with the right length fields, checksum and stop
// byte.
#include <cstdint>
#include <vector>

inline std::vector<std::uint8_t> closedLongFrame(std::vector<std::uint8_t> frame)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 4; i < frame.size(); ++i)
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    frame.push_back(sum);
    frame.push_back(0x16);
    frame[1] = frame[2] = static_cast<std::uint8_t>(frame.size() - 6);
    return frame;
}
