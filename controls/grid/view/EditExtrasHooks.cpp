// What the grid's window does with an event for the editors beside its
// own and for the design state: the focus handed back by a link's popup
// skips the grid's focus gain, a glow left without an editor goes, and in
// the design state the "Quick config" box takes its clicks.
#include "controls/grid/view/EditExtrasState.h"
#include "controls/grid/view/EditLinks.h"

#include "platform/HandlerGuard.h"

#include <QApplication>
#include <QMouseEvent>

namespace controls {

namespace {

class TEditExtrasHooks : public QObject {
public:
    explicit TEditExtrasHooks(TExStringGrid &grid) : QObject(&grid), m_grid(grid)
    {
        setObjectName(QStringLiteral("editExtrasHooks"));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_grid)
            return false;
        bool consumed = false;
        platform::guarded([&] { consumed = filter(event); });
        return consumed;
    }

private:
    bool filter(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // A key the link's control kept but did not use must not reach
            // the grid: the link decides which keys end its edit.
            TEditLink *link = m_grid.EditLink();
            QWidget *control = link != nullptr ? link->GetEditControl() : nullptr;
            QWidget *focus = QApplication::focusWidget();
            return control != nullptr && focus != nullptr && (focus == control || control->isAncestorOf(focus));
        }
        case QEvent::FocusIn:
            if (m_grid.InvokedFocusChange) {
                // The focus has settled where the link put it.
                m_grid.InvokedFocusChange = false;
                return true;
            }
            if (m_grid.FocusWindowGrid() == &m_grid && !m_grid.EditMode() && !m_grid.EditorMode())
                m_grid.HideFocusWindow();
            return false;
        case QEvent::MouseMove:
            if (m_grid.Designing()) {
                const auto *mouse = static_cast<QMouseEvent *>(event);
                m_grid.GridDesignHitTest(mouse->position().toPoint().x(), mouse->position().toPoint().y());
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: {
            if (!m_grid.Designing())
                return false;
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QPoint p = mouse->position().toPoint();
            if (!m_grid.GridDesignHitTest(p.x(), p.y()))
                return false;
            if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
                m_grid.DesignHelperPopup(p.x(), p.y());
            return true;
        }
        default:
            return false;
        }
    }

    TExStringGrid &m_grid;
};

} // namespace

void installEditExtrasHooks(TExStringGrid &grid) { grid.installEventFilter(new TEditExtrasHooks(grid)); }

} // namespace controls
