#pragma once
// The small arrow the grid shows beside the drop position while a column
// or row is dragged: a window shaped like the arrow, filled in lime.
#include <QPolygon>
#include <QWidget>

namespace controls {

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public QWidget {
public:
    // Hidden until the grid shows it.
    TArrowWindow(QWidget *owner, TArrowDirection direction);

    TArrowDirection Dir() const { return m_dir; }
    // The window's outline, seven points in window pixels.
    const QPolygon &Arrow() const { return m_arrow; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TArrowDirection m_dir;
    QPolygon m_arrow;
};

} // namespace controls
