#include "controls/grid/base/html/HtmlPicture.h"

#include "controls/grid/base/html/CanvasResolution.h"
#include "controls/grid/base/html/GifFrames.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

const QString kRawDataResources = QStringLiteral(":/rcdata/");

// Resource names match without regard to case, as on Windows: the name as
// given, else in upper case, the way resource compilers store them.
QString resourcePath(const QString &name)
{
    const QString exact = kRawDataResources + name;
    if (QFile::exists(exact))
        return exact;
    const QString upper = kRawDataResources + name.toUpper();
    return QFile::exists(upper) ? upper : QString();
}

// A picture named in a cell text is read while the cell paints: only a
// regular file, and only one of a size a picture can have (a device such as
// /dev/zero would never end).
constexpr qint64 kMaxPictureFile = 64 << 20;

QByteArray fileBytes(const QString &path, bool *ok)
{
    QFile file(path);
    const QFileInfo info(path);
    *ok = info.isFile() && info.size() <= kMaxPictureFile
          && file.open(QIODevice::ReadOnly);
    return *ok ? file.read(kMaxPictureFile) : QByteArray();
}

} // namespace

THTMLPictureResult THTMLPicture::loadBytes(QByteArray bytes)
{
    m_data = std::move(bytes);
    m_frameCount = gifFrameCount(m_data);
    m_frame = 1;
    m_nextChange = -1;
    m_ticks = -1;
    const THTMLPictureResult decoded = decodeCurrentFrame();
    if (decoded.ok && OnChange)
        OnChange();
    return decoded;
}

THTMLPictureResult THTMLPicture::decodeCurrentFrame()
{
    m_frameX = m_frameY = m_screenWidth = m_screenHeight = 0;
    m_image = QImage();
    const TGifFrame frame = gifFrameBytes(m_data, m_frame);
    if (frame.frame > 0) {
        m_frame = frame.frame;
        m_screenWidth = frame.screenWidth;
        m_screenHeight = frame.screenHeight;
        m_frameX = frame.left;
        m_frameY = frame.top;
    }
    QBuffer buffer;
    buffer.setData(frame.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return {false, QStringLiteral("Could not load image. Invalid format")};
    // Qt paints a GIF frame onto its whole logical screen; the renderer
    // places the frame itself by its offsets, so only the frame is kept.
    if (frame.frame > 0 && image.size() != QSize(frame.width, frame.height)) {
        const QRect area = QRect(frame.left, frame.top, frame.width, frame.height) & image.rect();
        if (!area.isEmpty())
            image = image.copy(area);
    }
    m_image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return {};
}

THTMLPictureResult THTMLPicture::LoadFromStream(QIODevice *stream)
{
    if (!stream)
        return {};
    return loadBytes(stream->readAll());
}

void THTMLPicture::LoadFromFile(const QString &fileName)
{
    bool opened = false;
    QByteArray bytes = fileBytes(fileName, &opened);
    if (!opened || !loadBytes(std::move(bytes)).ok) {
        m_data.clear();
        m_image = QImage();
        m_frameCount = -1;
    }
}

THTMLPictureResult THTMLPicture::LoadFromResourceName(const QString &name)
{
    const QString path = resourcePath(name);
    if (path.isEmpty())
        return {};
    bool opened = false;
    QByteArray bytes = fileBytes(path, &opened);
    return loadBytes(std::move(bytes));
}

THTMLPictureResult THTMLPicture::LoadFromResourceID(int id)
{
    const QString path = resourcePath(QStringLiteral("#%1").arg(id));
    if (path.isEmpty())
        return {false, QStringLiteral("Resource #%1 not found").arg(id)};
    bool opened = false;
    QByteArray bytes = fileBytes(path, &opened);
    return loadBytes(std::move(bytes));
}

THTMLPictureResult THTMLPicture::LoadFromURL(const QString &address)
{
    for (const QString &prefix : {QStringLiteral("RES://"), QStringLiteral("FILE://")}) {
        if (!address.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        m_id = address;
        const QString rest = address.mid(prefix.size());
        if (rest.isEmpty())
            return {};
        if (prefix.startsWith(u'R'))
            return LoadFromResourceName(rest);
        LoadFromFile(rest);
        return {};
    }
    // Pictures are never fetched from the network: the address is kept, so
    // that the cache finds the (empty) picture again instead of asking anew.
    if (!m_asynch) {
        m_url = address;
        m_id = address;
    } else if (!m_busy) {
        m_url = address;
        m_busy = true;
    }
    return {};
}

void THTMLPicture::SaveToStream(QIODevice *stream) const
{
    if (stream)
        stream->write(m_data);
}

void THTMLPicture::Assign(const THTMLPicture *source)
{
    m_frameCount = -1;
    m_frame = 1;
    m_nextChange = -1;
    m_ticks = -1;
    if (!source) {
        m_data.clear();
        m_image = QImage();
        return;
    }
    if (source != this)
        loadBytes(source->m_data);
}

void THTMLPicture::Draw(TCanvas &canvas, const TRect &rect) const
{
    if (Empty())
        return;
    if (m_stretch) {
        canvas.StretchImage(rect, m_image);
        return;
    }
    const TLogPixels dpi = canvasLogPixels(canvas);
    if (dpi.x == 96 && dpi.y == 96)
        canvas.DrawImage(rect.Left, rect.Top, m_image);
    else
        canvas.StretchImage(Bounds(rect.Left, rect.Top, mulDiv(Width(), dpi.x, 96), mulDiv(Height(), dpi.y, 96)),
                            m_image);
}

int THTMLPicture::MaxWidth() const
{
    if (Empty())
        return 0;
    return m_screenWidth != 0 ? m_screenWidth : Width();
}

int THTMLPicture::MaxHeight() const
{
    if (Empty())
        return 0;
    return m_screenHeight != 0 ? m_screenHeight : Height();
}

bool THTMLPicture::IsGIF() const { return isGifData(m_data); }

int THTMLPicture::FrameTime(int frame) const { return gifFrameDelay(m_data, frame); }

THTMLPictureResult THTMLPicture::SetFrame(int frame)
{
    m_frame = std::clamp(frame, 1, std::max(1, m_frameCount));
    if (m_data.isEmpty())
        return {};
    const THTMLPictureResult decoded = decodeCurrentFrame();
    if (OnFrameChange)
        OnFrameChange();
    return decoded;
}

void THTMLPicture::FrameNext()
{
    if (m_frameCount >= 1)
        m_frame = m_frame >= m_frameCount ? 1 : m_frame + 1;
}

void THTMLPicture::FramePrev()
{
    if (m_frameCount >= 1)
        m_frame = m_frame <= 1 ? m_frameCount : m_frame - 1;
}

bool THTMLPicture::Step()
{
    if (m_frameCount < 2 || Empty())
        return false;
    if (m_ticks < 0) {
        m_nextChange = FrameTime(m_frame);
        m_ticks = 0;
    }
    bool changed = false;
    if (m_ticks * 10LL >= m_nextChange) {
        FrameNext();
        decodeCurrentFrame();
        m_nextChange = int(std::min<long long>(INT32_MAX, m_nextChange + std::max(0, FrameTime(m_frame))));
        changed = true;
    }
    if (m_ticks < INT32_MAX / 10)
        ++m_ticks;
    return changed;
}

} // namespace controls
