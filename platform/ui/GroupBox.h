#pragma once
// A group box drawn as the platform draws one: an etched frame whose top
// line runs through the middle of the caption, the caption breaking it near
// the left edge. Controls placed at the group's top (a collapse button at
// top 10) then sit inside the frame, on the caption's line, instead of
// across a frame drawn below the caption.
#include <QGroupBox>

namespace platform {

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget *parent = nullptr);

    // Where the frame's top line runs: half the caption's height.
    int frameTop() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace platform
