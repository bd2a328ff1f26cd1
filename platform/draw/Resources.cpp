#include "platform/draw/Resources.h"

#include <QFile>
#include <QHash>
#include <QPixmap>

static void initDrawResources()
{
    // Resources of a static library register only when asked for.
    Q_INIT_RESOURCE(draw_resources);
}

namespace platform {
namespace {

void ensureRegistered()
{
    static const bool once = (initDrawResources(), true);
    (void)once;
}

QRgb rgbOf(TColor color)
{
    const TColor c = ColorToRGB(color);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

QImage mapColors(QImage image)
{
    const QHash<QRgb, QRgb> map = {{qRgb(255, 255, 255), rgbOf(clWindow)},
                                   {qRgb(192, 192, 192), rgbOf(clBtnFace)},
                                   {qRgb(128, 128, 128), rgbOf(clBtnShadow)},
                                   {qRgb(0, 0, 0), rgbOf(clBtnText)}};
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto found = map.constFind(line[x] | 0xFF000000u);
            if (found != map.constEnd() && qAlpha(line[x]) == 255)
                line[x] = found.value();
        }
    }
    return image;
}

// Hot spots of the cursors, in their 32 by 32 pictures.
QPoint hotSpotOf(const QString &name)
{
    static const QHash<QString, QPoint> spots = {
        {QStringLiteral("FENLO_POINTER"), {15, 15}}, {QStringLiteral("LT_HEADERSPLIT"), {15, 15}},
        {QStringLiteral("LT_VERTSPLIT"), {15, 15}},  {QStringLiteral("LT_MOVEALL"), {15, 15}},
        {QStringLiteral("LT_MOVEEW"), {15, 15}},     {QStringLiteral("LT_MOVENS"), {15, 15}},
        {QStringLiteral("LT_MOVEN"), {15, 15}},      {QStringLiteral("LT_MOVES"), {15, 15}},
        {QStringLiteral("LT_MOVEE"), {15, 15}},      {QStringLiteral("LT_MOVEW"), {15, 15}},
        {QStringLiteral("LT_MOVENE"), {15, 15}},     {QStringLiteral("LT_MOVENW"), {15, 15}},
        {QStringLiteral("LT_MOVESE"), {15, 15}},     {QStringLiteral("LT_MOVESW"), {15, 15}},
    };
    return spots.value(name, QPoint(0, 0));
}

} // namespace

QImage loadResourceImage(const QString &name, TResourceColors colors)
{
    ensureRegistered();
    const QString path = QStringLiteral(":/draw/bitmaps/%1.png").arg(name.trimmed().toUpper());
    if (name.trimmed().isEmpty() || !QFile::exists(path))
        return {};
    QImage image(path);
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return colors == TResourceColors::Mapped ? mapColors(image) : image;
}

QCursor loadResourceCursor(const QString &name, bool *found)
{
    ensureRegistered();
    const QString key = name.trimmed().toUpper();
    const QString path = QStringLiteral(":/draw/cursors/%1.png").arg(key);
    const bool exists = !key.isEmpty() && QFile::exists(path);
    if (found)
        *found = exists;
    if (!exists)
        return QCursor(Qt::ArrowCursor);
    const QPoint spot = hotSpotOf(key);
    return QCursor(QPixmap(path), spot.x(), spot.y());
}

} // namespace platform
