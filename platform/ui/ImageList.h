#pragma once
// A list of equally sized pictures that controls index into (cell images,
// tree and button glyphs). The form fills it; controls only read it.
#include <QPixmap>
#include <vector>

namespace platform {

class TImageList {
public:
    TImageList() = default;
    TImageList(int width, int height) : m_width(width), m_height(height) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return int(m_images.size()); }

    // Appends a picture, scaled to the list's size; gives its index.
    int Add(const QPixmap &picture);
    // The picture at index, or a null pixmap for an index outside the list.
    QPixmap GetBitmap(int index) const;

private:
    int m_width = 16;
    int m_height = 16;
    std::vector<QPixmap> m_images;
};

} // namespace platform
