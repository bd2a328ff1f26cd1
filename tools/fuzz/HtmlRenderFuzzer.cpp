// Lays out, draws and hit-tests arbitrary mini-HTML with arbitrary switches
// in a rectangle of arbitrary size: cell texts, hints and captions come from
// files, the clipboard and the user, so the renderer must end, stay in
// bounds and hand the canvas back with its font, pen and brush as they were.
#include "controls/grid/base/html/DrawHtmlText.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstring>
#include <memory>

namespace {

using namespace platform;
using namespace controls;

struct Fixture {
    TImageList images{16, 16};
    TPictureContainer container;
    Fixture()
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        images.Add(pixmap);
        QImage picture(12, 9, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        buffer.close();
        TPictureItem &item = container.Items().Add();
        item.Name = QStringLiteral("pic");
        buffer.open(QIODevice::ReadOnly);
        item.Picture().LoadFromStream(&buffer);
    }
};

Fixture *fixture = nullptr;

std::int16_t int16At(const std::uint8_t *data, int at)
{
    std::int16_t value = 0;
    std::memcpy(&value, data + at, 2);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    fixture = new Fixture;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 12)
        return 0;
    const std::uint8_t switches = data[0];
    THtmlDrawParams params;
    params.HitTestOnly = switches & 0x01;
    params.MeasureOnly = switches & 0x02;
    params.WordWrap = switches & 0x04;
    params.ScaleImages = switches & 0x08;
    params.KeepColors = switches & 0x10;
    params.HoverOnly = switches & 0x20;
    params.MouseDown = switches & 0x40;
    params.BlinkVisible = switches & 0x80;
    params.HoverBackColor = data[1] & 1 ? clLime : clNone;
    params.HoverTextColor = data[1] & 2 ? clPurple : clNone;
    params.BiDiMode = TBiDiMode(data[1] >> 2 & 3);
    params.FocusAnchorIndex = std::int8_t(data[2]);
    params.HoverAnchorIndex = std::int8_t(data[3]);
    params.ImageScale = data[1] >> 4;
    params.Images = &fixture->images;
    params.PictureContainer = &fixture->container;
    THTMLPictureCache cache;
    params.PictureCache = &cache;
    params.ControlID = QStringLiteral("c");
    const TRect rect = Bounds(int16At(data, 4) % 64, 3, int16At(data, 6) % 400, int16At(data, 8) % 400);
    params.HitX = data[10] % 80;
    params.HitY = data[11] % 80;
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 12), qsizetype((size - 12) / 2));

    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    canvas.Font().setName(QStringLiteral("Verdana"));
    canvas.Font().setSize(8);
    canvas.Font().setStyle({.italic = true});
    canvas.Pen().setColor(clAqua);
    canvas.Pen().setWidth(2);
    canvas.Brush().setColor(clYellow);
    TFont font;
    font.Assign(canvas.Font());

    THtmlDrawResult result;
    const bool hit = DrawHtmlText(canvas, text, rect, params, result);
    if (!canvas.Font().sameLook(font) || canvas.Pen().Color() != clAqua || canvas.Pen().Width() != 2
        || canvas.Brush().Color() != clYellow || canvas.Brush().Style() != TBrushStyle::bsSolid)
        __builtin_trap();
    if (result.TotalHeight <= 0 || result.MaxLineWidth < 0 || (hit && params.MeasureOnly)
        || result.AnchorCount > text.size())
        __builtin_trap();
    return 0;
}
