#include "platform/draw/ImageList.h"

#include "platform/draw/ColorMath.h"

#include <QPainter>

namespace platform {
namespace {

QRgb opaque(TColor color)
{
    const TColor c = ColorToRGB(color);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Every opaque pixel through f; transparent pixels stay.
template <class F>
QImage mapPixels(QImage image, F &&f)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) == 255)
                line[x] = f(line[x]);
    }
    return image;
}

} // namespace

TChangeLink::~TChangeLink()
{
    if (m_sender)
        m_sender->UnRegisterChanges(*this);
}

TImageList::~TImageList()
{
    // Each link forgets the list before it hears of its end, so that a
    // listener may drop its own link from OnFree.
    const std::vector<TChangeLink *> links = std::move(m_links.items);
    m_links.items.clear();
    for (TChangeLink *link : links)
        link->m_sender = nullptr;
    for (TChangeLink *link : links)
        if (link->OnFree)
            link->OnFree();
}

void TImageList::RegisterChanges(TChangeLink &link)
{
    if (link.m_sender == this)
        return;
    if (link.m_sender)
        link.m_sender->UnRegisterChanges(link);
    link.m_sender = this;
    m_links.items.push_back(&link);
}

void TImageList::UnRegisterChanges(TChangeLink &link)
{
    if (link.m_sender != this)
        return;
    link.m_sender = nullptr;
    std::erase(m_links.items, &link);
}

void TImageList::changed()
{
    // A listener may unregister while it is told.
    const std::vector<TChangeLink *> links = m_links.items;
    for (TChangeLink *link : links)
        if (link->m_sender == this && link->OnChange)
            link->OnChange();
}

void TImageList::SetSize(int width, int height)
{
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    Clear();
}

int TImageList::Add(const TBitmap &image, const TBitmap *mask)
{
    if (image.Empty() || m_width <= 0 || m_height <= 0)
        return -1;
    const int first = Count();
    const int pieces = std::max(1, image.Width() / m_width);
    for (int i = 0; i < pieces; ++i) {
        QImage piece(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
        piece.fill(Qt::transparent);
        {
            QPainter p(&piece);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, image.image(), i * m_width, 0, m_width, m_height);
        }
        if (mask && !mask->Empty()) {
            for (int y = 0; y < m_height && y < mask->Height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(piece.scanLine(y));
                for (int x = 0; x < m_width && i * m_width + x < mask->Width(); ++x)
                    if ((mask->image().pixel(i * m_width + x, y) & 0xFFFFFFu) == 0xFFFFFFu)
                        line[x] = 0;
            }
        }
        m_images.push_back(piece);
    }
    changed();
    return first;
}

int TImageList::AddMasked(const TBitmap &image, TColor maskColor)
{
    if (image.Empty())
        return -1;
    TBitmap keyed(keyedOut(image.image(), maskColor));
    return Add(keyed);
}

int TImageList::Add(const QPixmap &picture)
{
    QImage image = picture.isNull() ? QImage(m_width, m_height, QImage::Format_ARGB32_Premultiplied)
                                    : picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        image.fill(Qt::transparent);
    else if (image.size() != QSize(m_width, m_height))
        image = image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_images.push_back(image);
    changed();
    return Count() - 1;
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_images.erase(m_images.begin() + index);
    for (int &o : m_overlays) {
        if (o == index)
            o = -1;
        else if (o > index)
            --o;
    }
    changed();
}

void TImageList::Clear()
{
    m_images.clear();
    m_overlays.fill(-1);
    changed();
}

QImage TImageList::imageAt(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return m_images[std::size_t(index)];
}

QPixmap TImageList::GetBitmap(int index) const
{
    const QImage image = imageAt(index);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

bool TImageList::GetBitmap(int index, TBitmap &bitmap) const
{
    const QImage image = imageAt(index);
    if (image.isNull())
        return false;
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(isColorSet(m_bkColor) ? opaque(m_bkColor) : qRgb(0, 0, 0));
    QPainter(&out).drawImage(0, 0, image);
    bitmap.Assign(out);
    return true;
}

bool TImageList::Overlay(int imageIndex, int overlay)
{
    if (overlay < 0 || overlay >= int(m_overlays.size()) || imageIndex < 0 || imageIndex >= Count())
        return false;
    m_overlays[std::size_t(overlay)] = imageIndex;
    changed();
    return true;
}

QImage TImageList::rendered(int index, unsigned style, bool enabled) const
{
    QImage image = m_images[std::size_t(index)];
    if (style & ILD_MASK) {
        QImage mask(image.size(), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                mask.setPixel(x, y, qAlpha(image.pixel(x, y)) == 255 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        return mask;
    }
    if (!enabled) {
        image = mapPixels(image, [](QRgb p) {
            const int grey = (qRed(p) * 77 + qGreen(p) * 151 + qBlue(p) * 28) >> 8;
            return qRgb(grey, grey, grey);
        });
    }
    if (style & (ILD_BLEND50 | ILD_BLEND25)) {
        const TColor with = isColorSet(m_blendColor) ? m_blendColor : clHighlight;
        const int alpha = (style & ILD_BLEND50) ? 128 : 64;
        image = mapPixels(image, [&](QRgb p) {
            return opaque(BlendColors(RGB(qRed(p), qGreen(p), qBlue(p)), with, alpha));
        });
    }
    if (!(style & ILD_TRANSPARENT) && isColorSet(m_bkColor)) {
        QImage filled(image.size(), QImage::Format_ARGB32_Premultiplied);
        filled.fill(opaque(m_bkColor));
        QPainter(&filled).drawImage(0, 0, image);
        image = filled;
    }
    return image;
}

void TImageList::DrawEx(TCanvas &canvas, int x, int y, int index, unsigned style, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    canvas.DrawImage(x, y, rendered(index, style, enabled));
    const unsigned overlay = (style & ILD_OVERLAYMASK) >> 8;
    if (overlay >= 1 && overlay <= m_overlays.size()) {
        const int shown = m_overlays[overlay - 1];
        if (shown >= 0 && shown < Count())
            canvas.DrawImage(x, y, rendered(shown, ILD_TRANSPARENT, enabled));
    }
}

void TImageList::Draw(TCanvas &canvas, int x, int y, int index, bool enabled) const
{
    unsigned style = ILD_NORMAL;
    switch (m_drawingStyle) {
    case TDrawingStyle::dsFocus:
        style = ILD_BLEND25;
        break;
    case TDrawingStyle::dsSelected:
        style = ILD_BLEND50;
        break;
    case TDrawingStyle::dsTransparent:
        style = ILD_TRANSPARENT;
        break;
    case TDrawingStyle::dsNormal:
        break;
    }
    if (m_imageType == TImageType::itMask)
        style |= ILD_MASK;
    DrawEx(canvas, x, y, index, style, enabled);
}

void TImageList::DrawOverlay(TCanvas &canvas, int x, int y, int index, int overlay, bool enabled) const
{
    if (overlay < 0 || overlay >= int(m_overlays.size()))
        return;
    DrawEx(canvas, x, y, index, ILD_TRANSPARENT | INDEXTOOVERLAYMASK(unsigned(overlay) + 1), enabled);
}

} // namespace platform
