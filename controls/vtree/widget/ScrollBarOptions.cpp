#include "controls/vtree/widget/ScrollBarOptions.h"

namespace vtree {

void TScrollBarOptions::SetAlwaysVisible(bool value)
{
    if (m_alwaysVisible == value)
        return;
    m_alwaysVisible = value;
    if (m_changed)
        m_changed();
}

void TScrollBarOptions::SetScrollBars(TScrollStyle value)
{
    if (m_scrollBars == value)
        return;
    m_scrollBars = value;
    if (m_changed)
        m_changed();
}

void TScrollBarOptions::Assign(const TScrollBarOptions &source)
{
    SetAlwaysVisible(source.m_alwaysVisible);
    m_incrementX = source.m_incrementX;
    SetScrollBars(source.m_scrollBars);
    m_style = source.m_style;
    m_incrementY = source.m_incrementY;
}

} // namespace vtree
