#include "controls/grid/base/Navigation.h"

namespace controls {

void TNavigation::setAdvanceDirection(TAdvanceDirection value)
{
    if (storeChanged(m_advanceDirection, value))
        fire(OnChange, this);
}

void TNavigation::setAdvanceInsert(bool value)
{
    if (storeChanged(m_advanceInsert, value))
        fire(OnChange, this);
}

void TNavigation::setAdvanceAuto(bool value)
{
    if (storeChanged(m_advanceAuto, value) && value)
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
