#pragma once
// A picture of the mini-HTML texts. It keeps the raw bytes of an image file
// and decodes them with Qt's image readers (BMP, JPEG, GIF, ICO, PNG; WMF and
// EMF have no reader here and stay without an image), and it can show any one
// frame of an animated GIF, stepping through them by the GIF's own delays.
#include "platform/draw/Canvas.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class QIODevice;

namespace controls {

// The outcome of a load or a decode; the message says what went wrong.
struct THTMLPictureResult {
    bool ok = true;
    QString message;
};

class THTMLPicture {
public:
    THTMLPicture() = default;
    THTMLPicture(const THTMLPicture &) = delete;
    THTMLPicture &operator=(const THTMLPicture &) = delete;

    // Takes what is left in the stream as the picture's bytes, decodes them
    // and tells OnChange; nothing happens for no stream.
    THTMLPictureResult LoadFromStream(QIODevice *stream);
    // Any failure leaves the picture empty, without a message.
    void LoadFromFile(const QString &fileName);
    // The program's raw-data resources are the Qt resources under
    // ":/rcdata/", named as on Windows without regard to case, and "#n" for
    // the identifier n. A name that is not there loads nothing.
    THTMLPictureResult LoadFromResourceName(const QString &name);
    THTMLPictureResult LoadFromResourceID(int id);
    // "res://name" and "file://path" (either prefix in any case) load what
    // they name and make the whole address the ID; any other address is only
    // recorded, never fetched: without Asynch as URL and ID, with it as URL
    // while the picture is marked Busy.
    THTMLPictureResult LoadFromURL(const QString &address);
    void SaveToStream(QIODevice *stream) const;
    // Copies the bytes of source and shows its first frame; no source empties
    // the picture.
    void Assign(const THTMLPicture *source);

    // Nothing without an image; stretched over rect with Stretch, otherwise
    // at rect's top left at the size the picture has at the canvas's resolution.
    void Draw(platform::TCanvas &canvas, const platform::TRect &rect) const;

    // True while there is no image to show: nothing loaded, or bytes that do
    // not decode.
    bool Empty() const { return m_image.isNull(); }
    const QByteArray &data() const { return m_data; }
    const QImage &image() const { return m_image; }
    // The size of the image shown, in pixels at 96 dpi.
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    // The GIF's logical screen, or the image's size.
    int MaxWidth() const;
    int MaxHeight() const;

    bool IsGIF() const;
    // -1 for data that is not a GIF, otherwise the number of frames.
    int FrameCount() const { return m_frameCount; }
    // The delay of a frame in hundredths of a second; -1 when there is none.
    int FrameTime(int frame) const;
    int Frame() const { return m_frame; }
    // Shows another frame (clamped to the frames there are) and tells OnFrameChange.
    THTMLPictureResult SetFrame(int frame);
    // Move to the next or the previous frame, round the ends, without decoding.
    void FrameNext();
    void FramePrev();
    // One tick of the animation, a tenth of a second: true when the frame changed.
    bool Step();
    // Where the frame shown lies in the GIF's logical screen.
    int FrameXPos() const { return m_frameX; }
    int FrameYPos() const { return m_frameY; }

    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch) { m_stretch = stretch; }
    bool Asynch() const { return m_asynch; }
    void setAsynch(bool asynch) { m_asynch = asynch; }
    bool Busy() const { return m_busy; }
    // An address that was given but not loaded, and the address the picture
    // came from (the key of the picture cache).
    const QString &URL() const { return m_url; }
    const QString &ID() const { return m_id; }

    std::function<void()> OnChange;
    std::function<void()> OnFrameChange;

private:
    THTMLPictureResult loadBytes(QByteArray bytes);
    THTMLPictureResult decodeCurrentFrame();

    QByteArray m_data;
    QImage m_image;
    int m_frameCount = -1;
    int m_frame = 1;
    int m_frameX = 0;
    int m_frameY = 0;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    int m_nextChange = -1;
    int m_ticks = -1;
    bool m_stretch = false;
    bool m_asynch = true;
    bool m_busy = false;
    QString m_url;
    QString m_id;
};

} // namespace controls
