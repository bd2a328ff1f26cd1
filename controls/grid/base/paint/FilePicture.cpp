#include "controls/grid/base/paint/FilePicture.h"

#include <QImageReader>

namespace controls {

TPictureLoadResult TFilePicture::setFilename(const QString &fileName)
{
    m_fileName = fileName;
    m_width = m_height = 0;
    QImageReader reader(fileName);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {false, reader.errorString()};
    m_width = picture.width();
    m_height = picture.height();
    return {};
}

void TFilePicture::DrawPicture(platform::TCanvas &canvas, const platform::TRect &rect) const
{
    if (m_fileName.isEmpty())
        return;
    const QImage picture = QImageReader(m_fileName).read();
    if (!picture.isNull())
        canvas.StretchImage(rect, picture);
}

void TFilePicture::Assign(const TFilePicture &source)
{
    m_fileName = source.m_fileName;
    m_width = source.m_width;
    m_height = source.m_height;
}

} // namespace controls
