#pragma once
// The thin bars of the Metro look: a child of the grid along its right
// (vertical) or bottom (horizontal) edge that draws only its thumb, so the
// cells show through the rest. A press beside the thumb scrolls a page, a
// drag on it scrolls with the pointer.
#include "platform/Color.h"

#include <QWidget>

namespace controls {

class TExStringGrid;

class TScrollControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 6;
    // Direction 0 is vertical, 1 horizontal.
    TScrollControl(TExStringGrid *grid, int direction);

    platform::TColor Color() const { return FColor; }
    void setColor(platform::TColor value);
    int Direction() const { return FDirection; }
    // The grid it belongs to; none when its parent is not a string grid.
    TExStringGrid *Grid() const;
    // Where the track starts: past the fixed rows (columns).
    int TrackStart() const;
    // The track's length: less the fixed rows (columns) at either end.
    int TrackLength() const;
    // False when there is no thumb to show: nothing scrolls, or the grid
    // has no scrollable rows (columns) to share the track.
    bool GetThumb(int &Position, int &Size) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void pressAt(int pos);
    void dragTo(int pos);

    platform::TColor FColor = 0xC0C0C0;
    int FScrollWidth = 4;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
    int FDirection = 0;
};

} // namespace controls
