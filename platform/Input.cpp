#include "platform/Input.h"

#include <array>
#include <utility>

namespace platform {

std::uint16_t virtualKey(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<std::uint16_t>(qtKey); // Qt numbers them by their capital character too
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<std::uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    static constexpr std::array<std::pair<int, std::uint16_t>, 20> table{{
        {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
        {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},      {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE},
    }};
    for (const auto &[qt, vk] : table) {
        if (qt == qtKey)
            return vk;
    }
    return 0;
}

TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState state;
    state.setFlag(ssShift, modifiers.testFlag(Qt::ShiftModifier));
    state.setFlag(ssAlt, modifiers.testFlag(Qt::AltModifier));
    state.setFlag(ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    state.setFlag(ssLeft, buttons.testFlag(Qt::LeftButton));
    state.setFlag(ssRight, buttons.testFlag(Qt::RightButton));
    state.setFlag(ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return state;
}

TMouseButton mouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

} // namespace platform
