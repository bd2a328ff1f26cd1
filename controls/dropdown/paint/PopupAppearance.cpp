#include "controls/dropdown/paint/PopupAppearance.h"

namespace controls {

TStripAppearance::TStripAppearance()
{
    m_font.setName(QStringLiteral("Tahoma"));
}

void TStripAppearance::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (OnChange)
        OnChange();
}

void TStripAppearance::AssignColors(const TStripAppearance &source)
{
    ColorTo = source.ColorTo;
    Color = source.Color;
    BorderColor = source.BorderColor;
    m_font.Assign(source.m_font);
    GradientDirection = source.GradientDirection;
}

void TStripAppearance::assignStrip(const TStripAppearance &source)
{
    ColorTo = source.ColorTo;
    Color = source.Color;
    BorderColor = source.BorderColor;
    Caption = source.Caption;
    m_font.Assign(source.m_font);
    ImageIndex = source.ImageIndex;
    BorderWidth = source.BorderWidth;
    GradientDirection = source.GradientDirection;
    Height = source.Height;
    setVisible(source.m_visible);
    ButtonAlignment = source.ButtonAlignment;
}

THeaderAppearance::THeaderAppearance()
{
    m_buttons.OnChange = [this] { buttonsChanged(); };
}

void THeaderAppearance::Assign(const THeaderAppearance &source)
{
    if (&source == this)
        return;
    assignStrip(source);
    m_buttons.Assign(source.m_buttons);
}

TFooterAppearance::TFooterAppearance()
{
    // The footer keeps the platform's default font name.
    Font().setName(platform::TFont().Name());
    m_buttons.OnChange = [this] { buttonsChanged(); };
}

void TFooterAppearance::Assign(const TFooterAppearance &source)
{
    if (&source == this)
        return;
    assignStrip(source);
    SizeGrip = source.SizeGrip;
    m_buttons.Assign(source.m_buttons);
}

TExButtonAppearance::TExButtonAppearance()
{
    m_font.setName(QStringLiteral("Tahoma"));
}

void TExButtonAppearance::Assign(const TExButtonAppearance &source)
{
    if (&source == this)
        return;
    setColor(source.Color());
    setColorTo(source.ColorTo());
    setBorderColor(source.BorderColor());
    setColorHot(source.ColorHot());
    setColorHotTo(source.ColorHotTo());
    setBorderColorHot(source.BorderColorHot());
    setColorDown(source.ColorDown());
    setColorDownTo(source.ColorDownTo());
    setBorderColorDown(source.BorderColorDown());
    setColorDisabled(source.ColorDisabled());
    setColorDisabledTo(source.ColorDisabledTo());
    setBorderColorDisabled(source.BorderColorDisabled());
    setGradient(source.Gradient());
}

} // namespace controls
