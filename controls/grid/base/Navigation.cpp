#include "controls/grid/base/Navigation.h"

namespace controls {

void TNavigation::setAdvanceDirection(TAdvanceDirection value)
{
    if (m_advanceDirection == value)
        return;
    m_advanceDirection = value;
    if (OnChange)
        OnChange(this);
}

void TNavigation::setAdvanceInsert(bool value)
{
    if (m_advanceInsert == value)
        return;
    m_advanceInsert = value;
    if (OnChange)
        OnChange(this);
}

void TNavigation::setAdvanceAuto(bool value)
{
    if (m_advanceAuto == value)
        return;
    m_advanceAuto = value;
    if (value)
        AdvanceOnEnter = true;
}

void TNavigation::Assign(const TNavigation &source)
{
    static_cast<TNavigationOptions &>(*this) = source;
    m_advanceDirection = source.m_advanceDirection;
    m_advanceInsert = source.m_advanceInsert;
    m_advanceAuto = source.m_advanceAuto;
}

} // namespace controls
