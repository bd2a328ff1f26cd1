#pragma once
// A rectangle drawn with a pen and an optional fill: frames around labels and
// separator lines (a rectangle one pixel high is a line).
#include "platform/Color.h"

#include <QWidget>

namespace platform {

class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget *parent = nullptr);

    TColor PenColor() const { return m_penColor; }
    void setPenColor(TColor color);

    // clNone leaves the inside unpainted.
    TColor BrushColor() const { return m_brushColor; }
    void setBrushColor(TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_penColor = clBlack;
    TColor m_brushColor = clNone;
};

} // namespace platform
