#include "controls/vtree/widget/TreeColors.h"

namespace vtree {

void TLTColors::SetColor(int slot, platform::TColor value)
{
    if (m_colors.at(slot) == value)
        return;
    m_colors[slot] = value;
    if (m_changed)
        m_changed(slot);
}

void TLTColors::Assign(const TLTColors &source)
{
    if (m_colors == source.m_colors)
        return;
    m_colors = source.m_colors;
    if (m_changed)
        m_changed(SlotCount);
}

} // namespace vtree
