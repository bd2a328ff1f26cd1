#pragma once
// What the tree's keyboard handling keeps beside the core's search buffer
// and pending check: the keys it names that the platform's table lacks, the
// help event and the help context.
#include <cstdint>

namespace vtree {

// The numeric keypad's operators and the context-menu key; a key that types
// a character without a code of its own arrives as VK_CHARACTER.
inline constexpr std::uint16_t VK_APPS = 93;
inline constexpr std::uint16_t VK_MULTIPLY = 106;
inline constexpr std::uint16_t VK_ADD = 107;
inline constexpr std::uint16_t VK_SUBTRACT = 109;
inline constexpr std::uint16_t VK_DIVIDE = 111;
inline constexpr std::uint16_t VK_CHARACTER = 0xDF;

struct TTreeKeyState {
    // The tree's own help context, asked after the nodes.
    int HelpContext = 0;
};

} // namespace vtree
