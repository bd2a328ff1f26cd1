#pragma once
// Which scroll bars the tree shows and the steps of their arrows.
#include "controls/vtree/widget/TreeLooks.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace vtree {

class TScrollBarOptions {
public:
    // Told when the bars must be set up again.
    explicit TScrollBarOptions(std::function<void()> changed) : m_changed(std::move(changed)) {}

    bool AlwaysVisible() const { return m_alwaysVisible; }
    void SetAlwaysVisible(bool value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle value);
    TScrollBarStyle ScrollBarStyle() const { return m_style; }
    void SetScrollBarStyle(TScrollBarStyle value) { m_style = value; }
    // Line steps, 1 to 10000.
    unsigned HorizontalIncrement() const { return m_incrementX; }
    void SetHorizontalIncrement(unsigned value) { m_incrementX = clampIncrement(value); }
    unsigned VerticalIncrement() const { return m_incrementY; }
    void SetVerticalIncrement(unsigned value) { m_incrementY = clampIncrement(value); }
    void Assign(const TScrollBarOptions &source);

    bool horizontalShown() const { return m_scrollBars == TScrollStyle::ssHorizontal || m_scrollBars == TScrollStyle::ssBoth; }
    bool verticalShown() const { return m_scrollBars == TScrollStyle::ssVertical || m_scrollBars == TScrollStyle::ssBoth; }

private:
    static std::uint16_t clampIncrement(unsigned value) { return std::uint16_t(std::clamp(value, 1u, 10000u)); }

    bool m_alwaysVisible = false;
    TScrollStyle m_scrollBars = TScrollStyle::ssBoth;
    TScrollBarStyle m_style = TScrollBarStyle::sbmRegular;
    std::uint16_t m_incrementX = 20;
    std::uint16_t m_incrementY = 20;
    std::function<void()> m_changed;
};

} // namespace vtree
