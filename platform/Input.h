#pragma once
// Keys, shift states and mouse buttons as the controls' handlers take them:
// Windows virtual-key codes and a set of shift flags, so that handlers
// written against those codes read the same here. Qt Core only.
#include <QFlags>
#include <QtCore/qnamespace.h>

#include <cstdint>

namespace platform {

constexpr std::uint16_t VK_BACK = 8;
constexpr std::uint16_t VK_TAB = 9;
constexpr std::uint16_t VK_RETURN = 13;
constexpr std::uint16_t VK_SHIFT = 16;
constexpr std::uint16_t VK_CONTROL = 17;
constexpr std::uint16_t VK_MENU = 18;
constexpr std::uint16_t VK_ESCAPE = 27;
constexpr std::uint16_t VK_SPACE = 32;
constexpr std::uint16_t VK_PRIOR = 33;
constexpr std::uint16_t VK_NEXT = 34;
constexpr std::uint16_t VK_END = 35;
constexpr std::uint16_t VK_HOME = 36;
constexpr std::uint16_t VK_LEFT = 37;
constexpr std::uint16_t VK_UP = 38;
constexpr std::uint16_t VK_RIGHT = 39;
constexpr std::uint16_t VK_DOWN = 40;
constexpr std::uint16_t VK_INSERT = 45;
constexpr std::uint16_t VK_DELETE = 46;
constexpr std::uint16_t VK_F1 = 112;
constexpr std::uint16_t VK_F2 = 113;
constexpr std::uint16_t VK_F12 = 123;

enum TShiftStateFlag : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// The virtual-key code of a Qt key: letters and digits by their capital
// character, Backtab as Tab; 0 for a key without one.
std::uint16_t virtualKey(int qtKey);
TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {});
// mbLeft for any button but the right and the middle one.
TMouseButton mouseButton(Qt::MouseButton button);

} // namespace platform

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::TShiftState)
