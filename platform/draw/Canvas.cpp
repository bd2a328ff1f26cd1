#include "platform/draw/Canvas.h"

#include "platform/draw/LineRaster.h"
#include "platform/draw/TextLayout.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace platform {

struct TCanvas::SavedState {
    TFont font;
    TPen pen;
    TBrush brush;
    TColor textColor;
    TColor bkColor;
    int bkMode;
    unsigned textFlags;
    TPoint origin;
    TPoint brushOrigin;
    std::optional<QRegion> clip;
    int mapMode;
};

// What one-pixel pen drawing puts on a pixel.
struct TCanvas::PenPaint {
    std::uint32_t rgb = 0;
    TPenMode mode = TPenMode::pmCopy;
};

namespace {

bool isPixelFormat32(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

std::uint32_t rgbOf(TColor color)
{
    const TColor c = ColorToRGB(color);
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | std::uint32_t(GetBValue(c));
}

// The pixel a pen mode leaves, from the pixel there and the pen's colour.
inline std::uint32_t applyMode(TPenMode mode, std::uint32_t dst, std::uint32_t pen)
{
    std::uint32_t out = 0;
    switch (mode) {
    case TPenMode::pmBlack:
        out = 0;
        break;
    case TPenMode::pmWhite:
        out = 0xFFFFFF;
        break;
    case TPenMode::pmNop:
        out = dst;
        break;
    case TPenMode::pmNot:
        out = ~dst;
        break;
    case TPenMode::pmCopy:
        out = pen;
        break;
    case TPenMode::pmNotCopy:
        out = ~pen;
        break;
    case TPenMode::pmMerge:
        out = dst | pen;
        break;
    case TPenMode::pmMask:
        out = dst & pen;
        break;
    case TPenMode::pmXor:
        out = dst ^ pen;
        break;
    case TPenMode::pmNotXor:
        out = ~(dst ^ pen);
        break;
    }
    return 0xFF000000u | (out & 0xFFFFFFu);
}

// The colour and Qt composition that do a pen mode's work on a fill.
struct QtPaint {
    QColor color;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    bool draws = true;
};

QtPaint qtPaintOf(TPenMode mode, std::uint32_t rgb)
{
    const QColor pen = QColor::fromRgb(0xFF000000u | rgb);
    switch (mode) {
    case TPenMode::pmBlack:
        return {Qt::black};
    case TPenMode::pmWhite:
        return {Qt::white};
    case TPenMode::pmNop:
        return {pen, QPainter::CompositionMode_SourceOver, false};
    case TPenMode::pmNot:
        return {Qt::black, QPainter::RasterOp_NotDestination};
    case TPenMode::pmCopy:
        return {pen};
    case TPenMode::pmNotCopy:
        return {QColor::fromRgb(0xFF000000u | (~rgb & 0xFFFFFFu))};
    case TPenMode::pmMerge:
        return {pen, QPainter::RasterOp_SourceOrDestination};
    case TPenMode::pmMask:
        return {pen, QPainter::RasterOp_SourceAndDestination};
    case TPenMode::pmXor:
        return {pen, QPainter::RasterOp_SourceXorDestination};
    case TPenMode::pmNotXor:
        return {pen, QPainter::RasterOp_NotSourceXorDestination};
    }
    return {pen};
}

bool modeUsesColor(TPenMode mode)
{
    return mode != TPenMode::pmBlack && mode != TPenMode::pmWhite && mode != TPenMode::pmNot
           && mode != TPenMode::pmNop;
}

// On and off lengths of the dashed one-pixel pens, in pixels.
std::span<const int> dashesOf(TPenStyle style)
{
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case TPenStyle::psDash:
        return dash;
    case TPenStyle::psDot:
        return dot;
    case TPenStyle::psDashDot:
        return dashDot;
    case TPenStyle::psDashDotDot:
        return dashDotDot;
    default:
        return {};
    }
}

bool dashOn(std::span<const int> dashes, int step)
{
    int period = 0;
    for (int d : dashes)
        period += d;
    int at = step % period;
    for (std::size_t i = 0; i < dashes.size(); ++i) {
        if (at < dashes[i])
            return i % 2 == 0;
        at -= dashes[i];
    }
    return false;
}

QImage patternImage(const TPattern8 &rows, QColor zero, QColor one)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 8; ++y) {
        auto *line = reinterpret_cast<QRgb *>(tile.scanLine(y));
        for (int x = 0; x < 8; ++x)
            line[x] = ((rows[std::size_t(y)] >> (7 - x)) & 1) ? one.rgba() : zero.rgba();
    }
    return tile;
}

// Where direct pixel access is possible: a 32-bit image with at most a
// rectangular clip.
struct PixelAccess {
    std::uint32_t *bits = nullptr;
    qsizetype stride = 0; // in pixels
    QRect bounds;
    explicit operator bool() const { return bits != nullptr; }
    std::uint32_t &at(int x, int y) const { return bits[y * stride + x]; }
};

PixelAccess pixelAccess(QImage *image, const std::optional<QRegion> &clip)
{
    if (!image || image->isNull() || !isPixelFormat32(*image))
        return {};
    QRect bounds = image->rect();
    if (clip) {
        if (clip->rectCount() > 1)
            return {};
        bounds &= clip->boundingRect();
    }
    return {reinterpret_cast<std::uint32_t *>(image->bits()), image->bytesPerLine() / 4, bounds};
}

} // namespace

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QImage *image) : m_device(image), m_image(image) {}

TCanvas::TCanvas(QPaintDevice *device) : m_device(device)
{
    if (device && device->devType() == QInternal::Image)
        m_image = static_cast<QImage *>(device);
}

TCanvas::~TCanvas() = default;

TSize TCanvas::deviceSize() const
{
    if (!m_device)
        return {};
    return {m_device->width(), m_device->height()};
}

// ---- Mapping -----------------------------------------------------------------

namespace {

constexpr double kTenthsOfMmPerInch = 254.0;

int roundToInt(double v) { return int(std::lround(v)); }

} // namespace

void TCanvas::SetMapMode(int mode) { m_mapMode = mode == MM_LOMETRIC ? MM_LOMETRIC : MM_TEXT; }

int TCanvas::LogPixelsX() const
{
    const int dpi = m_device ? m_device->logicalDpiX() : 0;
    return dpi > 0 ? dpi : 96;
}

int TCanvas::LogPixelsY() const
{
    const int dpi = m_device ? m_device->logicalDpiY() : 0;
    return dpi > 0 ? dpi : 96;
}

QPoint TCanvas::mappedToDevice(int x, int y) const
{
    return {roundToInt((x - m_origin.X) * LogPixelsX() / kTenthsOfMmPerInch),
            roundToInt(-(y - m_origin.Y) * LogPixelsY() / kTenthsOfMmPerInch)};
}

QRect TCanvas::mappedToDevice(const TRect &r) const
{
    const QPoint a = mappedToDevice(r.Left, r.Top);
    const QPoint b = mappedToDevice(r.Right, r.Bottom);
    return toQRect(NormalizeRect({a.x(), a.y(), b.x(), b.y()}));
}

TPoint TCanvas::LPtoDP(TPoint p) const
{
    const QPoint d = toDevice(p.X, p.Y);
    return {d.x(), d.y()};
}

TPoint TCanvas::DPtoLP(TPoint p) const
{
    if (m_mapMode == MM_TEXT)
        return {p.X + m_origin.X, p.Y + m_origin.Y};
    return {roundToInt(p.X * kTenthsOfMmPerInch / LogPixelsX()) + m_origin.X,
            -roundToInt(p.Y * kTenthsOfMmPerInch / LogPixelsY()) + m_origin.Y};
}

int TCanvas::toLogicalWidth(int pixels) const
{
    return m_mapMode == MM_TEXT || m_devicePass ? pixels : roundToInt(pixels * kTenthsOfMmPerInch / LogPixelsX());
}

int TCanvas::toLogicalHeight(int pixels) const
{
    return m_mapMode == MM_TEXT || m_devicePass ? pixels : roundToInt(pixels * kTenthsOfMmPerInch / LogPixelsY());
}

int TCanvas::devicePenWidth() const
{
    if (m_mapMode == MM_TEXT)
        return m_pen.Width();
    return std::max(1, roundToInt(m_pen.Width() * LogPixelsX() / kTenthsOfMmPerInch));
}

const QFont &TCanvas::drawFont()
{
    if (m_mapMode == MM_TEXT)
        return m_font.qfont();
    if (!m_mappedFont || m_mappedFontStamp != m_font.changeStamp()) {
        QFont font = m_font.qfont();
        font.setPixelSize(std::max(1, roundToInt(font.pixelSize() * LogPixelsY() / kTenthsOfMmPerInch)));
        m_mappedFont = font;
        m_mappedFontStamp = m_font.changeStamp();
    }
    return *m_mappedFont;
}

QPainter *TCanvas::painter()
{
    if (m_painter)
        return m_painter.get();
    if (!m_device || (m_image && m_image->isNull()) || m_device->width() <= 0 || m_device->height() <= 0)
        return nullptr;
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(m_device))
        return nullptr;
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter = std::move(painter);
    m_composition = QPainter::CompositionMode_SourceOver;
    m_painterPen = m_painter->pen();
    m_painterFontStamp = 0;
    applyClip();
    return m_painter.get();
}

void TCanvas::endPainting() { m_painter.reset(); }

void TCanvas::setPainterPen(const QPen &pen)
{
    if (pen != m_painterPen) {
        m_painter->setPen(pen);
        m_painterPen = pen;
    }
}

void TCanvas::setPainterFont()
{
    if (m_painterFontStamp != m_font.changeStamp() || m_painterFontMapMode != m_mapMode) {
        m_painter->setFont(drawFont());
        m_painterFontStamp = m_font.changeStamp();
        m_painterFontMapMode = m_mapMode;
    }
}

void TCanvas::setComposition(QPainter::CompositionMode mode)
{
    if (mode != m_composition) {
        m_painter->setCompositionMode(mode);
        m_composition = mode;
    }
}

void TCanvas::syncObjects()
{
    if (m_font.changeStamp() != m_fontStamp) {
        m_fontStamp = m_font.changeStamp();
        m_textColor = m_font.Color();
    }
    if (m_brush.changeStamp() != m_brushStamp) {
        m_brushStamp = m_brush.changeStamp();
        m_bkColor = m_brush.Color();
        m_bkMode = m_brush.Style() == TBrushStyle::bsSolid ? OPAQUE : TRANSPARENT;
    }
}

TColor TCanvas::TextColor()
{
    syncObjects();
    return m_textColor;
}

void TCanvas::SetTextColor(TColor color)
{
    syncObjects();
    m_textColor = color;
}

TColor TCanvas::BkColor()
{
    syncObjects();
    return m_bkColor;
}

void TCanvas::SetBkColor(TColor color)
{
    syncObjects();
    m_bkColor = color;
}

int TCanvas::BkMode()
{
    syncObjects();
    return m_bkMode;
}

void TCanvas::SetBkMode(int mode)
{
    syncObjects();
    m_bkMode = mode == TRANSPARENT ? TRANSPARENT : OPAQUE;
}

// ---- Clipping and saved states -------------------------------------------

void TCanvas::applyClip()
{
    if (!m_painter)
        return;
    if (m_clip) {
        // Once clipping was switched off, Qt's raster engine ignores the
        // next region of more than one rectangle unless a plain one
        // comes first.
        if (!m_painter->hasClipping())
            m_painter->setClipRect(QRect(0, 0, m_device->width(), m_device->height()));
        m_painter->setClipRegion(*m_clip);
    } else {
        m_painter->setClipping(false);
    }
}

void TCanvas::SelectClipRgn(const std::optional<QRegion> &deviceRegion)
{
    m_clip = deviceRegion;
    applyClip();
}

void TCanvas::ExtSelectClipRgn(const QRegion &deviceRegion, TClipCombine mode)
{
    const TSize size = deviceSize();
    const QRegion current = m_clip ? *m_clip : QRegion(0, 0, size.cx, size.cy);
    switch (mode) {
    case TClipCombine::RGN_AND:
        m_clip = current.intersected(deviceRegion);
        break;
    case TClipCombine::RGN_OR:
        m_clip = current.united(deviceRegion);
        break;
    case TClipCombine::RGN_DIFF:
        m_clip = current.subtracted(deviceRegion);
        break;
    case TClipCombine::RGN_COPY:
        m_clip = deviceRegion;
        break;
    }
    applyClip();
}

void TCanvas::IntersectClipRect(const TRect &rect)
{
    ExtSelectClipRgn(QRegion(toDevice(rect)), TClipCombine::RGN_AND);
}

void TCanvas::ExcludeClipRect(const TRect &rect)
{
    ExtSelectClipRgn(QRegion(toDevice(rect)), TClipCombine::RGN_DIFF);
}

QRect TCanvas::drawableDeviceRect() const
{
    const TSize size = deviceSize();
    const QRect all(0, 0, size.cx, size.cy);
    return m_clip ? m_clip->boundingRect() & all : all;
}

TRect TCanvas::ClipRect() const
{
    if (m_mapMode == MM_TEXT)
        return OffsetRect(fromQRect(drawableDeviceRect()), m_origin.X, m_origin.Y);
    const QRect d = drawableDeviceRect();
    const TPoint a = DPtoLP({d.left(), d.top()});
    const TPoint b = DPtoLP({d.left() + d.width(), d.top() + d.height()});
    return {a.X, a.Y, b.X, b.Y};
}

int TCanvas::SaveDC()
{
    syncObjects();
    SavedState s{TFont{}, TPen{}, TBrush{}, m_textColor, m_bkColor, m_bkMode, m_textFlags, m_origin,
                 m_brushOrigin, m_clip, m_mapMode};
    s.font.Assign(m_font);
    s.pen.Assign(m_pen);
    s.brush.Assign(m_brush);
    m_saved.push_back(std::move(s));
    return int(m_saved.size());
}

bool TCanvas::RestoreDC(int saved)
{
    const int count = int(m_saved.size());
    const int index = saved < 0 ? count + saved : saved - 1;
    if (index < 0 || index >= count)
        return false;
    SavedState s = std::move(m_saved[std::size_t(index)]);
    m_saved.resize(std::size_t(index));
    m_font.Assign(s.font);
    m_pen.Assign(s.pen);
    m_brush.Assign(s.brush);
    syncObjects();
    m_textColor = s.textColor;
    m_bkColor = s.bkColor;
    m_bkMode = s.bkMode;
    m_textFlags = s.textFlags;
    m_origin = s.origin;
    m_brushOrigin = s.brushOrigin;
    m_clip = s.clip;
    m_mapMode = s.mapMode;
    applyClip();
    return true;
}

// ---- Pen drawing ---------------------------------------------------------

bool TCanvas::penDraws() const
{
    if (m_pen.Style() == TPenStyle::psClear || m_pen.Mode() == TPenMode::pmNop)
        return false;
    return !modeUsesColor(m_pen.Mode()) || isColorSet(m_pen.Color());
}

void TCanvas::penSpan(int x, int y, int width, int height)
{
    const QtPaint paint = qtPaintOf(m_pen.Mode(), rgbOf(m_pen.Color()));
    if (!paint.draws || width <= 0 || height <= 0)
        return;
    setComposition(paint.mode);
    m_painter->fillRect(QRect(x, y, width, height), paint.color);
}

void TCanvas::flushPoints(std::vector<QPoint> &points, const PenPaint &paint)
{
    if (points.empty())
        return;
    const QtPaint qt = qtPaintOf(paint.mode, paint.rgb);
    if (qt.draws) {
        setComposition(qt.mode);
        setPainterPen(QPen(qt.color, 1));
        m_painter->drawPoints(points.data(), int(points.size()));
    }
    points.clear();
}

void TCanvas::penLine(int x0, int y0, int x1, int y1, bool includeLast)
{
    const std::span<const int> dashes = dashesOf(m_pen.Style());
    if (dashes.empty() && (x0 == x1 || y0 == y1)) {
        // Straight along an axis: one span.
        int left = std::min(x0, x1), right = std::max(x0, x1) + 1;
        int top = std::min(y0, y1), bottom = std::max(y0, y1) + 1;
        if (!includeLast) {
            if (x1 > x0)
                --right;
            else if (x1 < x0)
                ++left;
            else if (y1 > y0)
                --bottom;
            else if (y1 < y0)
                ++top;
            else
                return;
        }
        penSpan(left, top, right - left, bottom - top);
        return;
    }
    const PenPaint on{rgbOf(m_pen.Color()), m_pen.Mode()};
    const bool gapsDrawn = !dashes.empty() && m_bkMode == OPAQUE && isColorSet(m_bkColor);
    const PenPaint off{rgbOf(m_bkColor), m_pen.Mode()};
    if (const PixelAccess px = pixelAccess(m_image, m_clip)) {
        if (dashes.empty() && on.mode == TPenMode::pmCopy) {
            // The common case, kept free of per-pixel choices.
            const std::uint32_t pixel = 0xFF000000u | on.rgb;
            const QRect bounds = px.bounds;
            rasterLine(x0, y0, x1, y1, includeLast, [&](int x, int y) {
                if (bounds.contains(x, y))
                    px.at(x, y) = pixel;
            });
            return;
        }
        m_styleStep += rasterLine(x0, y0, x1, y1, includeLast, [&, step = m_styleStep](int x, int y) mutable {
            const bool lit = dashes.empty() || dashOn(dashes, step++);
            if ((lit || gapsDrawn) && px.bounds.contains(x, y)) {
                std::uint32_t &d = px.at(x, y);
                d = lit ? applyMode(on.mode, d, on.rgb) : applyMode(off.mode, d, off.rgb);
            }
        });
        return;
    }
    std::vector<QPoint> lit, gaps;
    m_styleStep += rasterLine(x0, y0, x1, y1, includeLast, [&, step = m_styleStep](int x, int y) mutable {
        if (dashes.empty() || dashOn(dashes, step++))
            lit.emplace_back(x, y);
        else if (gapsDrawn)
            gaps.emplace_back(x, y);
    });
    flushPoints(lit, on);
    flushPoints(gaps, off);
}

void TCanvas::MoveTo(int x, int y)
{
    m_penPos = {x, y};
    m_styleStep = 0;
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = m_penPos;
    m_penPos = {x, y};
    syncObjects();
    if (!penDraws() || !painter())
        return;
    const QPoint a = toDevice(from.X, from.Y);
    const QPoint b = toDevice(x, y);
    if (devicePenWidth() > 1) {
        QPainterPath path(a);
        path.lineTo(b);
        wideOutline(path);
        return;
    }
    penLine(a.x(), a.y(), b.x(), b.y(), false);
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.empty())
        return;
    const TPoint keep = m_penPos;
    MoveTo(points[0].X, points[0].Y);
    for (std::size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].X, points[i].Y);
    m_penPos = keep;
}

void TCanvas::wideOutline(const QPainterPath &path)
{
    const QtPaint paint = qtPaintOf(m_pen.Mode(), rgbOf(m_pen.Color()));
    if (!paint.draws)
        return;
    setComposition(paint.mode);
    QPen pen(paint.color, devicePenWidth());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    setPainterPen(pen);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawPath(path);
}

// ---- Brushes and filled figures ---------------------------------------------

bool TCanvas::brushFills()
{
    syncObjects();
    if (m_brush.Pattern())
        return true;
    return m_brush.Style() != TBrushStyle::bsClear && isColorSet(m_brush.Color());
}

QBrush TCanvas::qbrush()
{
    const QColor color = QColor::fromRgb(0xFF000000u | rgbOf(m_brush.Color()));
    if (const auto &pattern = m_brush.Pattern()) {
        return QBrush(patternImage(*pattern, QColor::fromRgb(0xFF000000u | rgbOf(m_textColor)),
                                   QColor::fromRgb(0xFF000000u | rgbOf(m_bkColor))));
    }
    if (m_brush.Style() == TBrushStyle::bsSolid)
        return QBrush(color);
    const QColor gap = m_bkMode == OPAQUE && isColorSet(m_bkColor) ? QColor::fromRgb(0xFF000000u | rgbOf(m_bkColor))
                                                                   : QColor(Qt::transparent);
    return QBrush(patternImage(hatchPattern(m_brush.Style()), gap, color));
}

void TCanvas::fillDeviceRect(const QRect &rect)
{
    if (rect.isEmpty())
        return;
    if (m_brush.Style() == TBrushStyle::bsSolid && !m_brush.Pattern()) {
        m_painter->fillRect(rect, QColor::fromRgb(0xFF000000u | rgbOf(m_brush.Color())));
        return;
    }
    m_painter->setBrushOrigin(toQPoint(m_brushOrigin));
    m_painter->fillRect(rect, qbrush());
}

void TCanvas::FillRect(const TRect &rect)
{
    if (deviceEmpty(rect) || !brushFills() || !painter())
        return;
    setComposition(QPainter::CompositionMode_SourceOver);
    fillDeviceRect(toDevice(rect));
}

void TCanvas::FillColor(const TRect &rect, TColor color)
{
    if (deviceEmpty(rect) || !isColorSet(color) || !painter())
        return;
    setComposition(QPainter::CompositionMode_SourceOver);
    m_painter->fillRect(toDevice(rect), QColor::fromRgb(0xFF000000u | rgbOf(color)));
}

void TCanvas::FrameRect(const TRect &rect)
{
    if (deviceEmpty(rect) || !brushFills() || !painter())
        return;
    setComposition(QPainter::CompositionMode_SourceOver);
    const QRect r = toDevice(rect);
    fillDeviceRect(QRect(r.left(), r.top(), r.width(), 1));
    if (r.height() > 1)
        fillDeviceRect(QRect(r.left(), r.bottom(), r.width(), 1));
    if (r.height() > 2) {
        fillDeviceRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2));
        if (r.width() > 1)
            fillDeviceRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2));
    }
}

void TCanvas::InvertRect(const TRect &rect)
{
    if (deviceEmpty(rect) || !painter())
        return;
    setComposition(QPainter::RasterOp_NotDestination);
    m_painter->fillRect(toDevice(rect), Qt::black);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    const TRect box{left, top, right, bottom};
    const QRect r = toDevice(box);
    if (r.isEmpty() || !painter())
        return;
    syncObjects();
    const bool pen = penDraws();
    const QtPaint mode = qtPaintOf(m_pen.Mode(), rgbOf(m_pen.Color()));
    if (brushFills() && m_pen.Mode() != TPenMode::pmNop) {
        const QRect inside = pen ? r.adjusted(1, 1, -1, -1) : r.adjusted(0, 0, -1, -1);
        if (!inside.isEmpty()) {
            setComposition(mode.mode);
            fillDeviceRect(inside);
        }
    }
    if (!pen)
        return;
    if (devicePenWidth() > 1) {
        qreal inset = 0.5;
        if (m_pen.Style() == TPenStyle::psInsideFrame)
            inset = devicePenWidth() / 2.0;
        QPainterPath path;
        path.addRect(QRectF(r).adjusted(inset, inset, -inset, -inset));
        wideOutline(path);
        return;
    }
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    if (dashesOf(m_pen.Style()).empty()) {
        penSpan(l, t, r.width(), 1);
        if (b > t)
            penSpan(l, b, r.width(), 1);
        penSpan(l, t + 1, 1, r.height() - 2);
        if (rr > l)
            penSpan(rr, t + 1, 1, r.height() - 2);
        return;
    }
    m_styleStep = 0;
    penLine(l, t, rr, t, false);
    penLine(rr, t, rr, b, false);
    penLine(rr, b, l, b, false);
    penLine(l, b, l, t, false);
    if (l == rr || t == b)
        penLine(rr, b, rr, b, true);
}

namespace {

QPen thinQtPen(const QColor &color, TPenStyle style)
{
    QPen pen(color, 1);
    const std::span<const int> dashes = dashesOf(style);
    if (!dashes.empty()) {
        QList<qreal> pattern;
        for (int d : dashes)
            pattern.append(d);
        pen.setDashPattern(pattern);
    }
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    const TRect box{left, top, right, bottom};
    if (deviceEmpty(box) || !painter())
        return;
    syncObjects();
    const bool pen = penDraws();
    const QtPaint mode = qtPaintOf(m_pen.Mode(), rgbOf(m_pen.Color()));
    if (!mode.draws)
        return;
    const QRect r = toDevice(box);
    const QRect corner = toDevice(Bounds(0, 0, cornerWidth, cornerHeight));
    const int cw = m_mapMode == MM_TEXT ? cornerWidth : corner.width();
    const int ch = m_mapMode == MM_TEXT ? cornerHeight : corner.height();
    const qreal rx = std::max(0, std::min(cw, r.width())) / 2.0;
    const qreal ry = std::max(0, std::min(ch, r.height())) / 2.0;
    setComposition(mode.mode);
    m_painter->setBrushOrigin(toQPoint(m_brushOrigin));
    m_painter->setBrush(brushFills() ? qbrush() : QBrush(Qt::NoBrush));
    if (pen && devicePenWidth() > 1) {
        QPen wide(mode.color, devicePenWidth());
        wide.setJoinStyle(Qt::RoundJoin);
        setPainterPen(wide);
    } else {
        setPainterPen(pen ? thinQtPen(mode.color, m_pen.Style()) : QPen(Qt::NoPen));
    }
    // Qt's outline of an aliased figure lies on the pixels from the
    // rectangle's left edge to its right edge inclusive.
    m_painter->drawRoundedRect(QRectF(r.x(), r.y(), r.width() - 1, r.height() - 1), rx, ry);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    const TRect box{left, top, right, bottom};
    if (deviceEmpty(box) || !painter())
        return;
    syncObjects();
    const bool pen = penDraws();
    const QtPaint mode = qtPaintOf(m_pen.Mode(), rgbOf(m_pen.Color()));
    if (!mode.draws)
        return;
    const QRect r = toDevice(box);
    setComposition(mode.mode);
    m_painter->setBrushOrigin(toQPoint(m_brushOrigin));
    m_painter->setBrush(brushFills() ? qbrush() : QBrush(Qt::NoBrush));
    setPainterPen(pen ? (devicePenWidth() > 1 ? QPen(mode.color, devicePenWidth()) : thinQtPen(mode.color, m_pen.Style()))
                      : QPen(Qt::NoPen));
    m_painter->drawEllipse(QRect(r.x(), r.y(), r.width() - 1, r.height() - 1));
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.size() < 2 || !painter())
        return;
    syncObjects();
    const QtPaint mode = qtPaintOf(m_pen.Mode(), rgbOf(m_pen.Color()));
    if (!mode.draws)
        return;
    QPolygon poly;
    poly.reserve(qsizetype(points.size()));
    for (const TPoint &p : points)
        poly.append(toDevice(p.X, p.Y));
    if (brushFills()) {
        setComposition(mode.mode);
        setPainterPen(QPen(Qt::NoPen));
        m_painter->setBrushOrigin(toQPoint(m_brushOrigin));
        m_painter->setBrush(qbrush());
        m_painter->drawPolygon(poly, Qt::OddEvenFill);
    }
    if (!penDraws())
        return;
    if (devicePenWidth() > 1) {
        QPainterPath path;
        path.addPolygon(poly);
        path.closeSubpath();
        wideOutline(path);
        return;
    }
    // The closed outline: every edge leaves out its end, which the next one
    // starts on.
    m_styleStep = 0;
    for (qsizetype i = 0; i < poly.size(); ++i) {
        const QPoint a = poly[i];
        const QPoint b = poly[(i + 1) % poly.size()];
        penLine(a.x(), a.y(), b.x(), b.y(), false);
    }
}

// ---- Pixels ----------------------------------------------------------------

TColor TCanvas::Pixel(int x, int y) const
{
    const QPoint p = toDevice(x, y);
    if (!m_image || !m_image->rect().contains(p) || (m_clip && !m_clip->contains(p)))
        return CLR_INVALID;
    const QRgb rgb = m_image->pixel(p);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (!isColorSet(color) || !painter())
        return;
    const QPoint p = toDevice(x, y);
    if (const PixelAccess px = pixelAccess(m_image, m_clip)) {
        if (px.bounds.contains(p))
            px.at(p.x(), p.y()) = 0xFF000000u | rgbOf(color);
        return;
    }
    setComposition(QPainter::CompositionMode_SourceOver);
    m_painter->fillRect(QRect(p, QSize(1, 1)), QColor::fromRgb(0xFF000000u | rgbOf(color)));
}

void TCanvas::xorPattern(const QRect &r)
{
    // Both colours of the 50 % pattern, by the parity of the pixel
    // relative to the brush origin.
    const PenPaint zero{rgbOf(m_textColor), TPenMode::pmXor};
    const PenPaint one{rgbOf(m_bkColor), TPenMode::pmXor};
    std::vector<QPoint> frame;
    for (int x = r.left(); x <= r.right(); ++x) {
        frame.emplace_back(x, r.top());
        if (r.bottom() > r.top())
            frame.emplace_back(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        frame.emplace_back(r.left(), y);
        if (r.right() > r.left())
            frame.emplace_back(r.right(), y);
    }
    const auto bitAt = [&](const QPoint &p) {
        return ((p.x() - m_brushOrigin.X) + (p.y() - m_brushOrigin.Y)) & 1;
    };
    if (const PixelAccess px = pixelAccess(m_image, m_clip)) {
        for (const QPoint &p : frame) {
            if (!px.bounds.contains(p))
                continue;
            const PenPaint &paint = bitAt(p) ? one : zero;
            std::uint32_t &d = px.at(p.x(), p.y());
            d = applyMode(paint.mode, d, paint.rgb);
        }
        return;
    }
    std::vector<QPoint> zeros, ones;
    for (const QPoint &p : frame)
        (bitAt(p) ? ones : zeros).push_back(p);
    flushPoints(zeros, zero);
    flushPoints(ones, one);
}

void TCanvas::DrawFocusRect(const TRect &rect)
{
    if (deviceEmpty(rect) || !painter())
        return;
    syncObjects();
    xorPattern(toDevice(rect));
}

void TCanvas::FloodFill(int x, int y, TColor color, bool surface)
{
    if (!brushFills() || !painter())
        return;
    const PixelAccess px = pixelAccess(m_image, std::nullopt);
    if (!px)
        return;
    const QPoint start = toDevice(x, y);
    const auto inside = [&](int cx, int cy) {
        return px.bounds.contains(cx, cy) && (!m_clip || m_clip->contains(QPoint(cx, cy)));
    };
    if (!inside(start.x(), start.y()))
        return;
    const std::uint32_t key = rgbOf(color);
    const auto fillable = [&](int cx, int cy) {
        const bool same = (px.at(cx, cy) & 0xFFFFFFu) == key;
        return surface ? same : !same;
    };
    const int w = px.bounds.width();
    std::vector<std::uint8_t> seen(std::size_t(w) * std::size_t(px.bounds.height()), 0);
    const auto mark = [&](int cx, int cy) -> std::uint8_t & {
        return seen[std::size_t(cy - px.bounds.top()) * std::size_t(w) + std::size_t(cx - px.bounds.left())];
    };
    const std::uint32_t fill = 0xFF000000u | rgbOf(m_brush.Color());
    std::vector<QPoint> stack{start};
    std::vector<QPoint> pixels;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!inside(p.x(), p.y()) || mark(p.x(), p.y()) || !fillable(p.x(), p.y()))
            continue;
        int left = p.x();
        while (inside(left - 1, p.y()) && !mark(left - 1, p.y()) && fillable(left - 1, p.y()))
            --left;
        int right = p.x();
        while (inside(right + 1, p.y()) && !mark(right + 1, p.y()) && fillable(right + 1, p.y()))
            ++right;
        for (int cx = left; cx <= right; ++cx) {
            mark(cx, p.y()) = 1;
            pixels.emplace_back(cx, p.y());
            stack.emplace_back(cx, p.y() - 1);
            stack.emplace_back(cx, p.y() + 1);
        }
    }
    // Painted after the walk, so that the walk sees the old colours only.
    for (const QPoint &p : pixels)
        px.at(p.x(), p.y()) = fill;
}

// ---- Text --------------------------------------------------------------------

const QFontMetrics &TCanvas::metrics()
{
    if (!m_metrics || m_metricsStamp != m_font.changeStamp() || m_metricsMapMode != m_mapMode) {
        m_metrics.emplace(drawFont());
        m_metricsStamp = m_font.changeStamp();
        m_metricsMapMode = m_mapMode;
    }
    return *m_metrics;
}

int TCanvas::TextWidth(const QString &text) { return toLogicalWidth(metrics().horizontalAdvance(text)); }
int TCanvas::TextHeight(const QString &) { return toLogicalHeight(metrics().height()); }
TSize TCanvas::TextExtent(const QString &text) { return {TextWidth(text), TextHeight(text)}; }

int TCanvas::lineHeight(bool externalLeading)
{
    const QFontMetrics &fm = metrics();
    return toLogicalHeight(fm.height() + (externalLeading ? std::max(0, fm.leading()) : 0));
}

TTextMetric TCanvas::TextMetrics()
{
    const QFontMetrics &fm = metrics();
    TTextMetric m;
    m.tmAscent = toLogicalHeight(fm.ascent());
    m.tmDescent = toLogicalHeight(fm.descent());
    m.tmHeight = toLogicalHeight(fm.height());
    m.tmInternalLeading = toLogicalHeight(std::max(0, fm.height() - drawFont().pixelSize()));
    m.tmExternalLeading = toLogicalHeight(std::max(0, fm.leading()));
    m.tmAveCharWidth = toLogicalWidth(fm.averageCharWidth());
    m.tmMaxCharWidth = toLogicalWidth(fm.maxWidth());
    return m;
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    syncObjects();
    const int width = TextWidth(text);
    if (painter() && !text.isEmpty()) {
        const QFontMetrics &fm = metrics();
        const QPoint at = toDevice(x, y);
        const bool rotated = m_font.Orientation() % 3600 != 0;
        if (rotated) {
            // The painter draws untransformed otherwise.
            m_painter->translate(at);
            m_painter->rotate(-m_font.Orientation() / 10.0);
        }
        const QPoint origin = rotated ? QPoint(0, 0) : at;
        setComposition(QPainter::CompositionMode_SourceOver);
        if ((m_bkMode == OPAQUE || (m_textFlags & ETO_OPAQUE)) && isColorSet(m_bkColor))
            m_painter->fillRect(QRect(origin, QSize(fm.horizontalAdvance(text), fm.height())),
                                QColor::fromRgb(0xFF000000u | rgbOf(m_bkColor)));
        if (isColorSet(m_textColor)) {
            setPainterFont();
            setPainterPen(QPen(QColor::fromRgb(0xFF000000u | rgbOf(m_textColor))));
            m_painter->drawText(QPoint(origin.x(), origin.y() + fm.ascent()), text);
        }
        if (rotated)
            m_painter->resetTransform();
    }
    MoveTo(x + width, y);
}

void TCanvas::TextRect(const TRect &rect, int x, int y, const QString &text)
{
    if (deviceEmpty(rect) || !painter())
        return;
    if (brushFills()) {
        setComposition(QPainter::CompositionMode_SourceOver);
        fillDeviceRect(toDevice(rect));
    }
    const std::optional<QRegion> keep = m_clip;
    const int mode = m_bkMode;
    IntersectClipRect(rect);
    m_bkMode = TRANSPARENT;
    const TPoint pen = m_penPos;
    TextOut(x, y, text);
    m_penPos = pen;
    m_bkMode = mode;
    SelectClipRgn(keep);
}

void TCanvas::TextRect(TRect &rect, const QString &text, TTextFormat format)
{
    DrawText(text, rect, format.flags);
}

int TCanvas::DrawText(const QString &text, TRect &rect, unsigned format, QString *shown)
{
    if (m_mapMode == MM_TEXT)
        return drawTextDevice(text, rect, format, shown);
    // Laid out and drawn in device pixels with the mapped font, the
    // measured rectangle converted back.
    const TPoint a = LPtoDP(rect.TopLeft());
    const TPoint b = LPtoDP(rect.BottomRight());
    TRect deviceRect = NormalizeRect({a.X, a.Y, b.X, b.Y});
    const TPoint origin = m_origin;
    m_origin = {};
    m_devicePass = true;
    const int height = drawTextDevice(text, deviceRect, format, shown);
    m_devicePass = false;
    m_origin = origin;
    if (format & DT_CALCRECT) {
        const TPoint bottomRight = DPtoLP({deviceRect.Right, deviceRect.Bottom});
        rect.Right = bottomRight.X;
        rect.Bottom = bottomRight.Y;
    }
    return toLogicalHeight(height);
}

int TCanvas::drawTextDevice(const QString &text, TRect &rect, unsigned format, QString *shown)
{
    syncObjects();
    const QFontMetrics &fm = metrics();
    TextFontInfo info;
    info.measure = [&fm](QStringView piece) { return fm.horizontalAdvance(piece.toString()); };
    info.lineHeight = lineHeight(format & DT_EXTERNALLEADING);
    info.averageCharWidth = fm.averageCharWidth();
    const TextLayout layout = layoutText(text, rect, format, info);
    if (shown && (format & DT_MODIFYSTRING)) {
        QStringList lines;
        for (const TextLine &line : layout.lines)
            lines.append(line.text);
        *shown = lines.join(u'\n');
    }
    if (format & DT_CALCRECT) {
        rect.Right = layout.bounds.Right;
        rect.Bottom = layout.bounds.Bottom;
        return layout.resultHeight;
    }
    if (!painter())
        return layout.resultHeight;
    const bool clipped = !(format & DT_NOCLIP);
    if (clipped) {
        // Without a clip region a clip rectangle does, which is cheaper.
        if (m_clip)
            m_painter->setClipRegion(*m_clip & QRegion(toDevice(rect)));
        else
            m_painter->setClipRect(toDevice(rect));
    }
    setComposition(QPainter::CompositionMode_SourceOver);
    const bool opaque = m_bkMode == OPAQUE && isColorSet(m_bkColor);
    const QColor ink = QColor::fromRgb(0xFF000000u | rgbOf(m_textColor));
    setPainterFont();
    setPainterPen(QPen(ink));
    if (format & DT_RTLREADING)
        m_painter->setLayoutDirection(Qt::RightToLeft);
    for (const TextLine &line : layout.lines) {
        const QPoint at = toDevice(line.x, line.y);
        if (opaque)
            m_painter->fillRect(QRect(at, QSize(line.width, info.lineHeight)),
                                QColor::fromRgb(0xFF000000u | rgbOf(m_bkColor)));
        if (!isColorSet(m_textColor))
            continue;
        for (const TextRun &run : line.runs)
            m_painter->drawText(QPoint(at.x() + run.x, at.y() + fm.ascent()), run.text);
        for (const TextUnderline &u : line.underlines)
            m_painter->fillRect(QRect(at.x() + u.x, at.y() + fm.ascent() + 1, u.width, 1), ink);
    }
    if (format & DT_RTLREADING)
        m_painter->setLayoutDirection(Qt::LeftToRight);
    if (clipped)
        applyClip();
    return layout.resultHeight;
}

// ---- Copying pixels ----------------------------------------------------------

namespace {

std::uint32_t ropPixel(TRasterOp rop, std::uint32_t s, std::uint32_t d)
{
    std::uint32_t out = s;
    switch (rop) {
    case SRCPAINT:
        out = s | d;
        break;
    case SRCAND:
        out = s & d;
        break;
    case SRCINVERT:
        out = s ^ d;
        break;
    case SRCERASE:
        out = s & ~d;
        break;
    case NOTSRCCOPY:
        out = ~s;
        break;
    case NOTSRCERASE:
        out = ~(s | d);
        break;
    case MERGEPAINT:
        out = ~s | d;
        break;
    case DSTINVERT:
        out = ~d;
        break;
    case BLACKNESS:
        out = 0;
        break;
    case WHITENESS:
        out = 0xFFFFFF;
        break;
    default:
        break;
    }
    return 0xFF000000u | (out & 0xFFFFFFu);
}

QPainter::CompositionMode qtRop(TRasterOp rop)
{
    switch (rop) {
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case SRCERASE:
        return QPainter::RasterOp_SourceAndNotDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    case NOTSRCERASE:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case MERGEPAINT:
        return QPainter::RasterOp_NotSourceOrDestination;
    case DSTINVERT:
        return QPainter::RasterOp_NotDestination;
    case BLACKNESS:
        return QPainter::RasterOp_ClearDestination;
    case WHITENESS:
        return QPainter::RasterOp_SetDestination;
    default:
        return QPainter::CompositionMode_Source;
    }
}

} // namespace

void TCanvas::rasterBlit(const QRect &dest, const QImage &source, TRasterOp rop)
{
    if (rop == SRCCOPY) {
        setComposition(QPainter::CompositionMode_Source);
        m_painter->drawImage(dest.topLeft(), source);
        setComposition(QPainter::CompositionMode_SourceOver);
        return;
    }
    if (const PixelAccess px = pixelAccess(m_image, m_clip)) {
        const QImage src = source.format() == QImage::Format_ARGB32_Premultiplied
                               ? source
                               : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QRect area = dest & px.bounds;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const auto *s = reinterpret_cast<const std::uint32_t *>(src.constScanLine(y - dest.top()));
            for (int x = area.left(); x <= area.right(); ++x) {
                std::uint32_t &d = px.at(x, y);
                d = ropPixel(rop, s[x - dest.left()], d);
            }
        }
        return;
    }
    setComposition(qtRop(rop));
    m_painter->drawImage(dest.topLeft(), source);
    setComposition(QPainter::CompositionMode_SourceOver);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TCanvas &source, int sx, int sy, TRasterOp rop)
{
    StretchBlt(Bounds(x, y, width, height), source, Bounds(sx, sy, width, height), rop);
}

void TCanvas::StretchBlt(const TRect &dest, const TCanvas &source, const TRect &src, TRasterOp rop)
{
    if (deviceEmpty(dest) || !painter())
        return;
    const bool needsSource = rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS;
    QImage piece;
    if (needsSource) {
        if (source.toDevice(src).isEmpty() || !source.m_image || source.m_image->isNull())
            return;
        const QRect from = source.toDevice(src);
        // A copy, also when source and target are the same image.
        piece = source.m_image->copy(from);
        const QSize size = toDevice(dest).size();
        if (from.size() != size)
            piece = piece.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        piece = QImage(toDevice(dest).size(), QImage::Format_ARGB32_Premultiplied);
        piece.fill(Qt::black);
    }
    rasterBlit(toDevice(dest), piece, rop);
}

void TCanvas::DrawImage(int x, int y, const QImage &image)
{
    if (image.isNull() || !painter())
        return;
    setComposition(QPainter::CompositionMode_SourceOver);
    m_painter->drawImage(toDevice(x, y), image);
}

void TCanvas::StretchImage(const TRect &dest, const QImage &image)
{
    if (image.isNull() || deviceEmpty(dest) || !painter())
        return;
    setComposition(QPainter::CompositionMode_SourceOver);
    m_painter->drawImage(toDevice(dest), image);
}

void TCanvas::StretchDIBits(const TRect &dest, const QImage &image, TRasterOp rop)
{
    const QRect target = toDevice(dest);
    if (image.isNull() || target.isEmpty() || !painter())
        return;
    if (rop == SRCCOPY) {
        setComposition(QPainter::CompositionMode_Source);
        m_painter->drawImage(target, image);
        setComposition(QPainter::CompositionMode_SourceOver);
        return;
    }
    rasterBlit(target, image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied),
               rop);
}

} // namespace platform
