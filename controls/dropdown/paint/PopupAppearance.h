#pragma once
// The looks of the popup's header and footer strips and of their buttons,
// as settings objects: every drop-down has one of each, the strips copy
// them when the popup opens, and the string grid's look uses them too.
#include "controls/dropdown/core/DropDownTypes.h"
#include "controls/dropdown/paint/PopupButtons.h"
#include "platform/Color.h"
#include "platform/draw/GraphicsObjects.h"

#include <QString>

#include <functional>

namespace controls {

// What the header and the footer share.
class TStripAppearance {
public:
    TStripAppearance();
    virtual ~TStripAppearance() = default;
    TStripAppearance(const TStripAppearance &) = delete;
    TStripAppearance &operator=(const TStripAppearance &) = delete;

    // Raised only when Visible changes.
    std::function<void()> OnChange;
    // Raised when a button's caption, enabled state or width changes.
    std::function<void()> OnButtonsChanged;

    // Gradient start, or the solid colour when ColorTo is none.
    platform::TColor Color = 0xC0C0C0;
    platform::TColor ColorTo = 0xFFFFFF;
    // Mini-HTML.
    QString Caption;
    TGradientDirection GradientDirection = gdVertical;
    int Height = 22;
    // None: no border.
    platform::TColor BorderColor = 0x000000;
    int BorderWidth = 1;
    // Into the drop-down's Images; -1 none.
    int ImageIndex = -1;
    TButtonAlignment ButtonAlignment = baRight;

    platform::TFont &Font() { return m_font; }
    const platform::TFont &Font() const { return m_font; }
    void setFont(const platform::TFont &font) { m_font.Assign(font); }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    // Only the colours, the font and the gradient's direction.
    void AssignColors(const TStripAppearance &source);

protected:
    void assignStrip(const TStripAppearance &source);
    void buttonsChanged()
    {
        if (OnButtonsChanged)
            OnButtonsChanged();
    }

private:
    platform::TFont m_font;
    bool m_visible = true;
};

class THeaderAppearance : public TStripAppearance {
public:
    THeaderAppearance();
    THeaderButtons &Buttons() { return m_buttons; }
    const THeaderButtons &Buttons() const { return m_buttons; }
    void setButtons(const THeaderButtons &buttons) { m_buttons.Assign(buttons); }
    void Assign(const THeaderAppearance &source);

private:
    THeaderButtons m_buttons;
};

class TFooterAppearance : public TStripAppearance {
public:
    TFooterAppearance();
    TFooterButtons &Buttons() { return m_buttons; }
    const TFooterButtons &Buttons() const { return m_buttons; }
    void setButtons(const TFooterButtons &buttons) { m_buttons.Assign(buttons); }
    // A grip in the bottom-right corner resizes the popup (where the
    // drop-down is sizeable).
    bool SizeGrip = true;
    void Assign(const TFooterAppearance &source);

private:
    TFooterButtons m_buttons;
};

// The colours of the header's and footer's buttons by state; the drop-down
// shares one with all of them.
class TExButtonAppearance {
public:
    TExButtonAppearance();
    TExButtonAppearance(const TExButtonAppearance &) = delete;
    TExButtonAppearance &operator=(const TExButtonAppearance &) = delete;

    // Raised by every setter that changes its value.
    std::function<void()> OnChange;

#define EX_BUTTON_COLOR(Name, initial)                                                                                  \
public:                                                                                                                \
    platform::TColor Name() const { return m_##Name; }                                                                \
    void set##Name(platform::TColor color) { store(m_##Name, color); }                                                \
                                                                                                                       \
private:                                                                                                               \
    platform::TColor m_##Name = initial;

    EX_BUTTON_COLOR(Color, platform::clNone)
    EX_BUTTON_COLOR(ColorTo, platform::clNone)
    EX_BUTTON_COLOR(BorderColor, platform::clNone)
    EX_BUTTON_COLOR(ColorHot, 0xF5F0E1)
    EX_BUTTON_COLOR(ColorHotTo, 0xF9D2B2)
    EX_BUTTON_COLOR(BorderColorHot, 0x808080)
    EX_BUTTON_COLOR(ColorDown, 0xF5D8CA)
    EX_BUTTON_COLOR(ColorDownTo, 0xF9BDA0)
    EX_BUTTON_COLOR(BorderColorDown, 0x800000)
    EX_BUTTON_COLOR(ColorDisabled, 0xF2F2F2)
    EX_BUTTON_COLOR(ColorDisabledTo, platform::clNone)
    EX_BUTTON_COLOR(BorderColorDisabled, 0x808080)
#undef EX_BUTTON_COLOR

public:
    TGradientDirection Gradient() const { return m_gradient; }
    void setGradient(TGradientDirection gradient) { store(m_gradient, gradient); }
    platform::TFont &Font() { return m_font; }
    const platform::TFont &Font() const { return m_font; }
    void setFont(const platform::TFont &font) { m_font.Assign(font); }

    // Every colour and the gradient, through the setters.
    void Assign(const TExButtonAppearance &source);

private:
    template <class T>
    void store(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }

    TGradientDirection m_gradient = gdVertical;
    platform::TFont m_font;
};

} // namespace controls
