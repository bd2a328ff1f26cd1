#pragma once
// The settings of the balloon the grid shows over its cells (Balloon).
#include "platform/Color.h"

#include <cstdint>
#include <functional>

namespace controls {

struct TBalloonSettings {
    platform::TColor BackgroundColor = platform::clNone;
    platform::TColor TextColor = platform::clNone;
    int ReshowDelay = -1; // milliseconds, -1 the system's
    int InitialDelay = -1;
    int AutoHideDelay = -1;
    std::uint8_t Transparency = 0; // 0 opaque
    bool Enable() const { return m_enable; }
    void setEnable(bool value)
    {
        m_enable = value;
        if (OnEnableChange)
            OnEnableChange();
    }
    // Copies all but the transparency, and tells nobody.
    void Assign(const TBalloonSettings &source)
    {
        TextColor = source.TextColor;
        BackgroundColor = source.BackgroundColor;
        InitialDelay = source.InitialDelay;
        AutoHideDelay = source.AutoHideDelay;
        ReshowDelay = source.ReshowDelay;
        m_enable = source.m_enable;
    }
    std::function<void()> OnEnableChange;
    bool Init = false; // the balloon window exists

private:
    bool m_enable = false;
};

} // namespace controls
