#pragma once
// The string grid as a drop target: dropped text, our own cells, a column,
// rich text, a URL or one CSV file land in the grid; while a drag hovers,
// the arrow windows show where and the grid scrolls at its edges.
#include "controls/grid/base/GridDragDrop.h"

#include <functional>
#include <memory>

class QWidget;

namespace controls {

class TExStringGrid;

class TGridDropTarget : public TESGDropTarget {
public:
    explicit TGridDropTarget(TExStringGrid &grid);
    ~TGridDropTarget() override;

    // The arrow windows, for whoever checks what a drag shows.
    QWidget *ArrowUp() const;
    QWidget *ArrowDown() const;
    QWidget *ArrowLeft() const;

protected:
    void DropText(QPoint pt, const QString &text) override;
    void DropStream(QPoint pt, const QByteArray &stream) override;
    void DropCol(QPoint pt, int col) override;
    void DropRTF(QPoint pt, const QString &rtf) override;
    void DropFiles(QPoint pt, const QStringList &files) override;
    void DropURL(QPoint pt, const QString &text) override;
    void DragMouseMove(QPoint pt, bool &allow, TDropFormats formats) override;
    void DragMouseLeave() override;

private:
    // The cell under a screen point, and whether it lies below the last
    // row where appending rows may take it.
    bool appendZone(QPoint pt, int ACol, int ARow) const;
    void hideArrows();
    // Rich text and a URL land whole in the one cell under pt, as the
    // grid's handler for that kind allows.
    using TCellDropEvent = std::function<void(TExStringGrid *, int ARow, int ACol, const QString &, bool &Allow)>;
    void dropIntoCell(QPoint pt, const QString &text, const TCellDropEvent &ask);

    TExStringGrid &m_grid;
    struct TArrows;
    std::unique_ptr<TArrows> m_arrows;
};

} // namespace controls
