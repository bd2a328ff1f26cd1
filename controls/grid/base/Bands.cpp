#include "controls/grid/base/Bands.h"

namespace controls {

template <class T>
void TBands::setLook(T &field, T value)
{
    if (storeChanged(field, value) && m_active)
        fire(OnChange, this);
}

void TBands::setActive(bool value)
{
    if (storeChanged(m_active, value))
        fire(OnChange, this);
}

void TBands::setPrimaryColor(platform::TColor value)
{
    setLook(m_primaryColor, value);
}

void TBands::setPrimaryLength(int value)
{
    setLook(m_primaryLength, value);
}

void TBands::setSecondaryColor(platform::TColor value)
{
    setLook(m_secondaryColor, value);
}

void TBands::setSecondaryLength(int value)
{
    setLook(m_secondaryLength, value);
}

void TBands::Assign(const TBands &source)
{
    Print = source.Print;
    m_active = source.m_active;
    m_primaryColor = source.m_primaryColor;
    m_primaryLength = source.m_primaryLength;
    m_secondaryColor = source.m_secondaryColor;
    m_secondaryLength = source.m_secondaryLength;
}

} // namespace controls
