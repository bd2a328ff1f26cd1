#pragma once
// Translucent top-level windows as the grid uses them: the focus glow shows
// a premultiplied picture with a constant opacity over whatever lies under
// it, a balloon hint a whole window at some opacity. Qt's translucent
// windows stand in for the layered windows these were written for.
#include "platform/Color.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace controls {

// Flags of DynSetLayeredWindowAttributes.
constexpr unsigned LWA_COLORKEY = 0x1; // no such thing here: ignored
constexpr unsigned LWA_ALPHA = 0x2;

// A frameless top-level window that shows its picture, premultiplied, at
// its opacity, and nothing where the picture is transparent.
class TLayeredWindow : public QWidget {
public:
    explicit TLayeredWindow(QWidget *owner = nullptr);

    const QImage &layeredImage() const { return m_image; }
    std::uint8_t layeredOpacity() const { return m_opacity; }
    void setLayeredImage(const QImage &image, std::uint8_t opacity);

protected:
    void paintEvent(QPaintEvent *event) override;
    // What shows before the window has a picture.
    virtual void paintWithoutImage(QPainter &painter);

private:
    QImage m_image;
    std::uint8_t m_opacity = 255;
};

struct TLayeredWindowUpdate {
    std::optional<QPoint> Position; // screen position, when it moves
    QImage Image;                   // premultiplied; the window takes its size
    std::uint8_t ConstantAlpha = 255;
};

// Puts the picture on the window and moves it; true, also for no window.
bool DynUpdateLayeredWindow(TLayeredWindow *window, const TLayeredWindowUpdate &update);
// With LWA_ALPHA, the whole window at alpha / 255 opacity; true, also for
// no window.
bool DynSetLayeredWindowAttributes(QWidget *window, platform::TColor colorKey, std::uint8_t alpha, unsigned flags);

} // namespace controls
