#include "controls/dropdown/paint/PopupButtons.h"

namespace controls {

void THeaderButton::changed()
{
    if (m_collection)
        m_collection->itemChanged();
}

void THeaderButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed();
}

void THeaderButton::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed();
}

void THeaderButton::setWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    changed();
}

void THeaderButton::Assign(const THeaderButton &source)
{
    m_caption = source.m_caption;
    m_imageIndex = source.m_imageIndex;
    m_enabled = source.m_enabled;
    m_width = source.m_width;
    m_height = source.m_height;
}

void TFooterButton::Assign(const THeaderButton &source)
{
    THeaderButton::Assign(source);
    if (const auto *footer = dynamic_cast<const TFooterButton *>(&source))
        m_modalResult = footer->m_modalResult;
}

} // namespace controls
