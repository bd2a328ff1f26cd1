#include "platform/ui/ImageList.h"

namespace platform {

int TImageList::Add(const QPixmap &picture)
{
    if (picture.isNull() || picture.size() == QSize(m_width, m_height))
        m_images.push_back(picture);
    else
        m_images.push_back(picture.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return Count() - 1;
}

QPixmap TImageList::GetBitmap(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return m_images[std::size_t(index)];
}

} // namespace platform
