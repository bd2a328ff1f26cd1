#include "controls/grid/base/editors/GridDrag.h"

#include "platform/HandlerGuard.h"

#include <QDrag>
#include <QDropEvent>
#include <QWidget>

namespace controls {

namespace {

std::uint32_t qtDragLoop(QWidget &origin, std::unique_ptr<QMimeData> data, TESGDropSource &source, int okEffects,
                         int &effect)
{
    QDrag drag(&origin);
    drag.setMimeData(data.release());
    QObject::connect(&drag, &QDrag::actionChanged, &origin,
                     [&source](Qt::DropAction action) { source.GiveFeedback(toDropEffects(action)); });
    const Qt::DropAction result = drag.exec(toDropActions(okEffects), toDropAction(effect));
    // Qt's loop ends on release or Escape; a drop that nobody took comes
    // back as no action, which is how the source learns it had no effect.
    effect = toDropEffects(result);
    source.GiveFeedback(effect);
    return source.QueryContinueDrag(false, false);
}

TDragLoop &dragLoop()
{
    static TDragLoop loop = qtDragLoop;
    return loop;
}

std::uint32_t runDrag(QWidget &origin, TESGDropSource &source, TSourceDataObject data, int okEffects, int &effect)
{
    const std::uint32_t result =
        dragLoop()(origin, std::make_unique<TSourceMimeData>(std::move(data)), source, okEffects, effect);
    return source.NoAccept() ? DRAGDROP_S_CANCEL : result;
}

} // namespace

QVariant TSourceMimeData::retrieveData(const QString &format, QMetaType) const
{
    const auto bytes = m_source.GetData(format);
    return bytes ? QVariant(*bytes) : QVariant();
}

int toDropEffects(Qt::DropActions actions)
{
    int effects = DROPEFFECT_NONE;
    if (actions & Qt::CopyAction)
        effects |= DROPEFFECT_COPY;
    if (actions & Qt::MoveAction)
        effects |= DROPEFFECT_MOVE;
    if (actions & Qt::LinkAction)
        effects |= DROPEFFECT_LINK;
    return effects;
}

Qt::DropActions toDropActions(int effects)
{
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    if (effects & DROPEFFECT_LINK)
        actions |= Qt::LinkAction;
    return actions;
}

Qt::DropAction toDropAction(int effect)
{
    if (effect & DROPEFFECT_MOVE)
        return Qt::MoveAction;
    if (effect & DROPEFFECT_COPY)
        return Qt::CopyAction;
    if (effect & DROPEFFECT_LINK)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

TDropTargetAdapter::TDropTargetAdapter(QWidget &widget, TESGDropTarget &target)
    : QObject(&widget), m_widget(widget), m_target(target)
{
    widget.setAcceptDrops(true);
    widget.installEventFilter(this);
}

bool TDropTargetAdapter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_widget)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const bool ctrl = drop->modifiers() & Qt::ControlModifier;
        const QPoint pt = m_widget.mapToGlobal(drop->position().toPoint());
        int effect = toDropEffects(drop->possibleActions());
        platform::guarded([&] {
            if (event->type() == QEvent::DragEnter)
                m_target.DragEnter(*drop->mimeData(), ctrl, pt, effect);
            else if (event->type() == QEvent::DragMove)
                m_target.DragOver(ctrl, pt, effect);
            else
                m_target.Drop(*drop->mimeData(), ctrl, pt, effect);
        });
        drop->setDropAction(toDropAction(effect));
        // The enter is taken even when refused, so that the leave follows.
        drop->setAccepted(effect != DROPEFFECT_NONE || event->type() == QEvent::DragEnter);
        return true;
    }
    case QEvent::DragLeave:
        platform::guarded([&] { m_target.DragLeave(); });
        return true;
    default:
        return false;
    }
}

void setDragLoop(TDragLoop loop)
{
    dragLoop() = loop ? std::move(loop) : TDragLoop(qtDragLoop);
}

std::uint32_t StartTextDragDrop(QWidget &origin, TESGDropSource &source, const QString &text, const QString &rtf,
                                int &effect, int okEffects, std::optional<QByteArray> stream)
{
    return runDrag(origin, source, TSourceDataObject(text, rtf, -1, std::move(stream)), okEffects, effect);
}

std::uint32_t StartColumnDragDrop(QWidget &origin, TESGDropSource &source, int column, int okEffects, int &effect)
{
    return runDrag(origin, source, TSourceDataObject(QString(), QString(), column, std::nullopt), okEffects, effect);
}

} // namespace controls
