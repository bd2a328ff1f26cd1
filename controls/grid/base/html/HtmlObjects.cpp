// The elements of a mini-HTML line that place objects instead of text:
// pictures, form fields and the body's background.
#include "controls/grid/base/HtmlColors.h"
#include "controls/grid/base/NumberText.h"
#include "controls/grid/base/html/CanvasResolution.h"
#include "controls/grid/base/html/HtmlMarkup.h"
#include "controls/grid/base/html/HtmlRenderer.h"
#include "controls/grid/base/html/SystemIcons.h"

#include "platform/draw/Edges.h"

#include <QPainter>

#include <cmath>

namespace controls::html {

using namespace platform;

namespace {

// Sizes read from attributes are held to what a line can take.
constexpr int kMaxItem = 32767;

int scaled(int size, double scale)
{
    const double value = std::round(size * scale);
    return std::isfinite(value) ? int(std::clamp(value, 0.0, double(kMaxItem))) : 0;
}

// What an IMG source names, and the room it takes.
struct ImageSource {
    enum class Kind { None, ListImage, SystemIcon, Picture } kind = Kind::None;
    int index = -1;
    bool large = false;
    THTMLPicture *picture = nullptr;
    bool stretched = false; // WIDTH or HEIGHT given
    int width = 0;
    int height = 0;
};

} // namespace

THTMLPicture *Renderer::findPicture(const QString &source)
{
    if (source.contains(u"://")) {
        THTMLPictureCache *cache = m_params.PictureCache;
        if (!cache)
            return nullptr;
        if (THTMLPicture *cached = cache->FindPicture(source))
            return cached;
        THTMLPicture *added = cache->AddPicture();
        added->setAsynch(false);
        added->LoadFromURL(source);
        return cache->FindPicture(source);
    }
    if (source.contains(u':') || !m_params.PictureContainer)
        return nullptr;
    return m_params.PictureContainer->FindPicture(source);
}

bool Renderer::fitsItem(const Cursor &c, int width) const
{
    return c.replay() || c.atStart() || !(saturatedAdd(c.x, width) > m_lineWidth && width < m_lineWidth);
}

void Renderer::advanceItem(Cursor &c, int width, int height)
{
    c.x = saturatedAdd(c.x, width);
    c.drawX = saturatedAdd(c.drawX, width);
    m_line.height = std::max(m_line.height, height);
    c.trailingSpace = 0;
    c.last = LastVisible::Other;
}

void Renderer::image(Cursor &c, QStringView tag)
{
    PassState &s = *c.state;
    const int number = ++s.imageCounter;
    const QString source = htmlAttribute(tag, u"SRC").value;
    const int width = std::min(kMaxItem, leadingNumber(htmlAttribute(tag, u"WIDTH").value));
    const int height = std::min(kMaxItem, leadingNumber(htmlAttribute(tag, u"HEIGHT").value));
    const TLogPixels dpi = canvasLogPixels(m_canvas);

    using Kind = ImageSource::Kind;
    ImageSource item;
    if (source.startsWith(u"IDX:", Qt::CaseInsensitive)) {
        const std::optional<int> index = parseWholeInt(QStringView(source).sliced(4));
        const TImageList *images = m_params.Images;
        if (images && index && *index >= 0 && *index < images->Count())
            item = {Kind::ListImage, *index, false, nullptr, false, mulDiv(images->Width(), dpi.x, 96),
                    mulDiv(images->Height(), dpi.y, 96)};
    } else if (source.startsWith(u"SSYS:", Qt::CaseInsensitive) || source.startsWith(u"LSYS:", Qt::CaseInsensitive)) {
        const bool large = source[0].toUpper() == u'L';
        const int index = systemIconIndex(source.mid(5), large);
        const TImageList &icons = systemImageList(large);
        if (index >= 0)
            item = {Kind::SystemIcon, index, large, nullptr, false, mulDiv(icons.Width(), dpi.x, 96),
                    mulDiv(icons.Height(), dpi.y, 96)};
    } else if (THTMLPicture *picture = findPicture(source); picture && !picture->Empty()) {
        item.kind = Kind::Picture;
        item.picture = picture;
        item.stretched = width > 0 || height > 0;
        int w = picture->MaxWidth();
        int h = picture->MaxHeight();
        if (width > 0 && height > 0) {
            w = width;
            h = height;
        } else if (width > 0) {
            h = mulDiv(picture->Height(), width, std::max(1, picture->Width()));
            w = width;
        } else if (height > 0) {
            w = mulDiv(picture->Width(), height, std::max(1, picture->Height()));
            h = height;
        }
        item.width = std::min(kMaxItem, mulDiv(w, dpi.x, 96));
        item.height = std::min(kMaxItem, mulDiv(h, dpi.y, 96));
    }
    if (item.kind == Kind::None)
        return;
    if (!fitsItem(c, item.width)) {
        c.stayed = true;
        return;
    }
    if (c.kind == PassKind::Layout) {
        m_events.push_back({.kind = HitEvent::Kind::Image,
                            .x = c.x,
                            .width = item.width,
                            .height = item.height,
                            .anchor = s.anchorCounter,
                            .inAnchor = s.inAnchor,
                            .ref = s.anchorRef,
                            .title = s.anchorTitle,
                            .image = number});
    }

    if (c.drawing) {
        const int top = c.R.Top;
        switch (item.kind) {
        case Kind::ListImage:
        case Kind::SystemIcon: {
            const TImageList &images = item.kind == Kind::ListImage ? *m_params.Images : systemImageList(item.large);
            if (!m_params.ScaleImages)
                images.Draw(m_canvas, c.drawX, top, item.index);
            else
                m_canvas.StretchImage(Bounds(c.drawX, top, scaled(images.Width(), m_params.ImageScale),
                                             scaled(images.Height(), m_params.ImageScale)),
                                      images.imageAt(item.index));
            break;
        }
        case Kind::Picture: {
            // The picture while the point is over this image inside an
            // anchor, in the room the picture itself takes.
            const THtmlAttribute alt = htmlAttribute(tag, u"ALT");
            const THTMLPicture *shown = item.picture;
            if (alt.present && number == m_hoveredImage) {
                shown = findPicture(alt.value);
                if (!shown || shown->Empty())
                    break;
            }
            if (item.stretched) {
                m_canvas.StretchImage(Bounds(c.drawX, top, item.width, item.height), shown->image());
                break;
            }
            if (shown->FrameCount() > 1)
                m_canvas.FillColor(Bounds(c.drawX, top, mulDiv(shown->MaxWidth(), dpi.x, 96),
                                          mulDiv(shown->MaxHeight(), dpi.y, 96)),
                                   m_entryBrush);
            shown->Draw(m_canvas, Bounds(c.drawX + mulDiv(shown->FrameXPos(), dpi.x, 96),
                                         top + mulDiv(shown->FrameYPos(), dpi.y, 96),
                                         mulDiv(shown->Width(), dpi.x, 96), mulDiv(shown->Height(), dpi.y, 96)));
            break;
        }
        case Kind::None:
            break;
        }
    }
    advanceItem(c, item.width, item.height);

    if (tag.contains(u"\"TOP", Qt::CaseInsensitive))
        m_line.align = LineAlign::Top;
    else if (tag.contains(u"\"MIDDLE", Qt::CaseInsensitive))
        m_line.align = LineAlign::Middle;
    alignLine();
}

void Renderer::control(Cursor &c, QStringView tag)
{
    const THtmlControlTag field = ParseHtmlControlTag(tag.mid(8).toString());
    // A field without a numeric WIDTH takes no room and is not drawn.
    const std::optional<int> width = parseWholeInt(field.Width);
    if (!width)
        return;
    const int w = std::clamp(*width, 0, kMaxItem);
    const int controlHeight = std::clamp(parseWholeInt(field.Height).value_or(25), 0, kMaxItem);
    const bool box = field.Type == u"CHECK" || field.Type == u"RADIO";
    int itemWidth = box ? 16 : w;
    int itemHeight = box ? 16 : field.Type == u"BUTTON" || field.Type == u"COMBO" ? 25 : m_canvas.TextHeight(QStringLiteral("gh")) + 10;
    if (!fitsItem(c, itemWidth)) {
        c.stayed = true;
        return;
    }
    m_line.height = std::max(m_line.height, box ? 16 : 23);
    if (controlHeight > 25)
        m_line.height = std::max(m_line.height, controlHeight - 2);
    if (c.kind == PassKind::Layout) {
        m_events.push_back(
            {.kind = HitEvent::Kind::Control, .x = c.x, .width = itemWidth, .height = itemHeight, .control = field});
    }
    if (c.drawing)
        drawControl(c, field, w, controlHeight);
    advanceItem(c, itemWidth, itemHeight);
}

void Renderer::frameBox(const TRect &box)
{
    const TColor pen = m_canvas.Pen().Color();
    const TColor brush = m_canvas.Brush().Color();
    // Without visual themes the fields are framed in grey.
    m_canvas.Pen().setColor(clGray);
    m_canvas.Brush().setColor(clWhite);
    m_canvas.Rectangle(box);
    m_canvas.Pen().setColor(pen);
    m_canvas.Brush().setColor(brush);
}

void Renderer::drawControl(const Cursor &c, const THtmlControlTag &field, int width, int controlHeight)
{
    const int left = c.drawX;
    const int bottom = c.R.Bottom;
    const int boxTop = bottom - m_line.height + 4;
    const QString &type = field.Type;
    const unsigned textFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    const auto pointInside = [&](int itemHeight) {
        return left - 2 < m_params.HitX && m_params.HitX < left - 2 + width && bottom - itemHeight - 2 < m_params.HitY
               && m_params.HitY < bottom - 2;
    };
    if (type == u"EDIT" || type == u"PASSWORD" || type == u"MASK") {
        frameBox(Rect(left, boxTop, left + width, bottom + 2));
        TRect text = Rect(left + 2, boxTop, left + width, bottom);
        m_canvas.DrawText(type == u"PASSWORD" ? QString(field.Value.size(), u'*') : field.Value, text, textFlags);
    } else if (type == u"COMBO") {
        frameBox(Rect(left, boxTop, left + width, bottom + 2));
        TRect text = Rect(left + 4, boxTop, left + width - 18, bottom);
        m_canvas.DrawText(field.Value, text, textFlags);
        DrawFrameControl(m_canvas, Rect(left + width - 18, bottom - m_line.height + 5, left + width - 1, bottom + 1),
                         DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    } else if (type == u"CHECK" || type == u"RADIO") {
        const bool radio = type == u"RADIO";
        const unsigned checked = field.Value.toUpper() == u"TRUE" ? DFCS_CHECKED : 0;
        DrawFrameControl(m_canvas, radio ? Rect(left + 2, bottom - 14, left + 14, bottom)
                                         : Rect(left + 2, bottom - 15, left + 15, bottom),
                         DFC_BUTTON, (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | DFCS_FLAT | checked);
    } else if (type == u"BUTTON") {
        const TRect face = Rect(left + 2, bottom - controlHeight, left + width - 2, bottom);
        const bool pressed = m_params.MouseDown && pointInside(24);
        DrawFrameControl(m_canvas, face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        TRect text = InflateRect(face, -2, -2);
        m_canvas.DrawText(field.Value, text, textFlags | DT_CENTER);
    }
}

void Renderer::body(QStringView tag)
{
    const QString background = htmlAttribute(tag, u"BACKGROUND").value;
    if (!background.isEmpty()) {
        const THTMLPicture *picture = findPicture(background);
        QPainter *painter = m_canvas.painter();
        if (picture && !picture->Empty() && painter) {
            const TLogPixels dpi = canvasLogPixels(m_canvas);
            const QImage &image = picture->image();
            const QImage tile = dpi.x == 96 && dpi.y == 96
                                    ? image
                                    : image.scaled(std::max(1, mulDiv(image.width(), dpi.x, 96)),
                                                   std::max(1, mulDiv(image.height(), dpi.y, 96)));
            // Tiled from the rectangle's top left, and only inside it.
            const QPointF origin = painter->brushOrigin();
            painter->setBrushOrigin(m_canvas.toDevice(m_rect.Left, m_rect.Top));
            painter->fillRect(m_canvas.toDevice(m_rect), QBrush(tile));
            painter->setBrushOrigin(origin);
        }
    }
    const QString color = htmlAttribute(tag, u"BGCOLOR").value.toUpper();
    if (color.contains(u"CL") || color.contains(u'#')) {
        const TColor fill = color.contains(u"CL") ? HtmlColorByName(color.toLower()) : HtmlHexColor(color);
        m_canvas.Brush().setColor(fill);
        m_canvas.FillColor(m_rect, fill);
    }
}

} // namespace controls::html
