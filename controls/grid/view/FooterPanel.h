#pragma once
// The window of the string grid's floating footer: a strip under the cells
// that shows the grid's last row column by column (fsFixedLastRow), a
// preview of the current row, or the owner's painting.
#include "platform/draw/Geometry.h"

#include <QWidget>

namespace controls {

class TExStringGrid;

class TFooterPanel : public QWidget {
    Q_OBJECT
public:
    explicit TFooterPanel(TExStringGrid *grid);

    // The grid's real column under x, -1 right of the last one.
    int ColumnAt(int x) const;
    // The column of the last hint shown; -1 none.
    int LastHintX() const { return FLastHintX; }
    void setShowHint(bool value) { m_showHint = value; }
    // Everything the panel paints, into any canvas of its size.
    QImage paintToImage();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void paintFooter(class QPaintDevice *device);
    TExStringGrid *m_grid;
    int FLastHintX = -1;
    bool m_showHint = false;
};

} // namespace controls
