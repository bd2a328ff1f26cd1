#include "controls/dropdown/WatchAppearance.h"

namespace controls {

using namespace platform;

namespace {

// The platform's default font with a family and a size: colour and style
// return to the defaults too.
void resetFont(TFont &font, const QString &name, int points)
{
    TFont fresh;
    fresh.setName(name);
    fresh.setSize(points);
    const TNotify keep = std::move(font.OnChange);
    font.OnChange = nullptr;
    font.Assign(fresh);
    font.OnChange = keep;
}

} // namespace

TWatchAppearance::TWatchAppearance() { InitDefaults(); }

void TWatchAppearance::changed()
{
    if (OnChange)
        OnChange(nullptr);
}

void TWatchAppearance::setHourFont(const TFont &font)
{
    m_hourFont.Assign(font);
    changed();
}

void TWatchAppearance::setAMPMFont(const TFont &font)
{
    m_ampmFont.Assign(font);
    changed();
}

void TWatchAppearance::setPicture(const QImage &picture)
{
    m_picture = picture;
    changed();
}

void TWatchAppearance::InitDefaults()
{
    m_look = TWatchLook();
    resetFont(m_ampmFont, QStringLiteral("Tahoma"), 10);
    resetFont(m_hourFont, QStringLiteral("Tahoma"), 8);
    m_picture = QImage();
}

void TWatchAppearance::Assign(const TWatchAppearance &source)
{
    if (&source == this)
        return;
    const bool same = m_look == source.m_look && m_hourFont.sameLook(source.m_hourFont) &&
                      m_ampmFont.sameLook(source.m_ampmFont) && m_picture == source.m_picture;
    m_look = source.m_look;
    m_hourFont.Assign(source.m_hourFont);
    m_ampmFont.Assign(source.m_ampmFont);
    m_picture = source.m_picture;
    if (!same)
        changed();
}

void TWatchSettings::setAuto(bool on)
{
    if (on == m_auto)
        return;
    m_auto = on;
    if (OnChange)
        OnChange(nullptr);
}

void TWatchSettings::setTimeOffset(int minutes)
{
    if (minutes == m_timeOffset)
        return;
    m_timeOffset = minutes;
    if (OnChange)
        OnChange(nullptr);
}

void TWatchSettings::setSecond(bool shown)
{
    if (shown == m_second)
        return;
    m_second = shown;
    if (OnChange)
        OnChange(nullptr);
}

void TWatchSettings::Assign(const TWatchSettings &source)
{
    m_second = source.m_second;
    m_timeOffset = source.m_timeOffset;
    setAuto(source.m_auto);
}

} // namespace controls
