// Loads arbitrary bytes as a picture of the mini-HTML texts, walks its GIF
// frames and draws them: pictures come from files and resources named in
// cell texts, so every header field must be read inside the data and every
// frame number held to the frames there are.
#include "controls/grid/base/html/GifFrames.h"
#include "controls/grid/base/html/HtmlPicture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Pictures larger than this are refused by the readers, not built.
    QImageReader::setAllocationLimit(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int frames = controls::gifFrameCount(bytes);
    for (int frame = 0; frame <= std::min(frames, 4) + 1; ++frame) {
        const controls::TGifFrame chosen = controls::gifFrameBytes(bytes, frame);
        if (chosen.bytes.size() > bytes.size() || chosen.frame > std::max(frames, 0) || chosen.left > 0xFFFF)
            __builtin_trap();
        (void)controls::gifFrameDelay(bytes, frame);
    }

    controls::THTMLPicture picture;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    platform::TCanvas canvas(&image);
    for (int frame = 1; frame <= std::min(picture.FrameCount(), 3); ++frame) {
        picture.SetFrame(frame);
        if (picture.Frame() < 1 || picture.Frame() > picture.FrameCount())
            __builtin_trap();
        picture.Draw(canvas, platform::Rect(0, 0, 32, 32));
    }
    for (int tick = 0; tick < 4; ++tick)
        picture.Step();
    picture.FrameNext();
    picture.FramePrev();
    picture.Draw(canvas, platform::Rect(0, 0, 32, 32));
    return 0;
}
