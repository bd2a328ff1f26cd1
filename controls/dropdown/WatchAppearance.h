#pragma once
// What the analogue clock looks like and how it keeps time: the colours,
// marks, hands and fonts of its dial, the twelve preset looks, the colours
// of the drop-downs' component styles, and the Auto-mode settings. Values
// only; the clock (Watch.h) paints them.
#include "controls/grid/base/Themes.h"
#include "platform/Color.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/GraphicsObjects.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace controls {

enum TAMPMFrame { apRect, apRoundRect };
enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum TWatchStyle {
    wsClassic,
    wsTower,
    wsFluorescent,
    wsEmerald,
    wsBlueStar,
    wsFuchsia,
    wsBlack,
    wsBlackWhite,
    wsGray,
    wsSuperNova,
    wsSports,
    wsSmooth
};

// The plain values of a look; the appearance below tells about changes.
struct TWatchLook {
    platform::TColor AMPMBorderColor = platform::clBlack;
    // clNone: no fill and no roll.
    platform::TColor AMPMColor = platform::clWhite;
    TAMPMFrame AMPMFrame = apRect;
    platform::TColor BorderColor = platform::clBlack;
    // Also moves the marks inward by half of it.
    int BorderWidth = 4;
    platform::TColor BackgroundColor = platform::clWhite;
    platform::TColor BackgroundColorTo = platform::clNone;
    TWatchGradient BackgroundGradient = wgVertical;
    platform::TColor CenterPointBorderColor = platform::clNone;
    platform::TColor CenterPointOuterBorderColor = platform::clNone;
    platform::TColor CenterPointColor = platform::clBlack;
    int CenterPointSize = 4;
    platform::TColor HourColor = platform::clBlack;
    // 0: a tenth of the radius inside the border.
    int HourMarkLength = 0;
    int HourMarkWidth = 1;
    THourMarkStyle HourMarkStyle = hmsLine;
    platform::TColor HourPointer = platform::clBlack;
    platform::TColor HourPointerShadow = platform::clBtnShadow;
    int HourPointerSize = 4;
    platform::TColor MinuteColor = platform::clGray;
    platform::TColor MinutePointer = platform::clBlack;
    platform::TColor MinutePointerShadow = platform::clBtnShadow;
    int MinutePointerSize = 3;
    // 0: a twentieth of the radius inside the border.
    int MinuteMarkLength = 0;
    int MinuteMarkWidth = 1;
    TPointerStyle PointerStyle = psLine;
    platform::TColor SecondPointer = platform::clRed;
    int SecondPointerSize = 1;
    TWatchShape Shape = wsCircle;
    // 0 or less: the control's smaller side less 20.
    int Size = 0;
    TTickMarks TickMarks = tmAll;

    friend bool operator==(const TWatchLook &, const TWatchLook &) = default;
};

class TWatchAppearance {
public:
    TWatchAppearance();
    TWatchAppearance(const TWatchAppearance &) = delete;
    TWatchAppearance &operator=(const TWatchAppearance &) = delete;

    const TWatchLook &look() const { return m_look; }
    // A writer: stores a changed value and tells OnChange.
    template <class T>
    void set(T TWatchLook::*field, T value)
    {
        if (m_look.*field == value)
            return;
        m_look.*field = value;
        changed();
    }
    // The AM/PM colours are stored without telling: they show at the next
    // repaint.
    void setAMPMColor(platform::TColor color) { m_look.AMPMColor = color; }
    void setAMPMBorderColor(platform::TColor color) { m_look.AMPMBorderColor = color; }

    // Changes made on the fonts themselves are not told; the writers copy
    // and always tell.
    platform::TFont &HourFont() { return m_hourFont; }
    const platform::TFont &HourFont() const { return m_hourFont; }
    void setHourFont(const platform::TFont &font);
    platform::TFont &AMPMFont() { return m_ampmFont; }
    const platform::TFont &AMPMFont() const { return m_ampmFont; }
    void setAMPMFont(const platform::TFont &font);
    // Drawn unscaled at the client's top left over the background, its
    // lower-left pixel's colour left out.
    const QImage &Picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    // Every value back to the first look, without telling.
    void InitDefaults();
    // Copies every value; tells once when anything changed.
    void Assign(const TWatchAppearance &source);

    platform::TNotifyEvent OnChange;

private:
    void changed();

    TWatchLook m_look;
    platform::TFont m_hourFont;
    platform::TFont m_ampmFont;
    QImage m_picture;
};

class TWatchSettings {
public:
    bool Auto() const { return m_auto; }
    void setAuto(bool on);
    int TimeOffset() const { return m_timeOffset; }
    void setTimeOffset(int minutes);
    bool Second() const { return m_second; }
    void setSecond(bool shown);
    // Copies Second and TimeOffset quietly, then Auto through its writer.
    void Assign(const TWatchSettings &source);

    platform::TNotifyEvent OnChange;

private:
    bool m_auto = false;
    int m_timeOffset = 0;
    bool m_second = true;
};

// What a preset sets beside the appearance; unset fields stay as they are.
struct TWatchPresetExtras {
    std::optional<bool> animation;
    std::optional<int> animationFactor;
    std::optional<bool> showAMPM;
    std::optional<bool> showNumbers;
};
// Applies the preset over InitDefaults; sizes that depend on the control's
// are taken from clientSize and kept within a byte.
TWatchPresetExtras applyWatchPreset(TWatchAppearance &appearance, TWatchStyle style, QSize clientSize);

// Recolours the appearance for a component style of the drop-downs;
// tsCustom only blackens the outer centre ring and the fonts.
void applyWatchColorStyle(TWatchAppearance &appearance, TFenloStyle style);

} // namespace controls
