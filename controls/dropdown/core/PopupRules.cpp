#include "controls/dropdown/core/PopupRules.h"

namespace controls {

QSize computeDropDownSize(const TDropDownSizeInput &input)
{
    int width = input.editWidth;
    if (input.dropDownWidth > 0)
        width = input.dropDownWidth;
    else if (input.control)
        width = input.control->width() + 2 * input.borderWidth;
    int height = input.dropDownHeight;
    if (height <= 0) {
        height = 2 * input.borderWidth + input.header.value_or(0) + input.footer.value_or(0);
        if (input.control)
            height += input.control->height();
    }
    return {width, height};
}

bool reopenBlocked(std::uint32_t now, std::optional<std::uint32_t> deactivated)
{
    // Unsigned difference: a tick count that wrapped still measures right.
    return deactivated && std::uint32_t(now - *deactivated) <= ReopenGuardMs;
}

} // namespace controls
