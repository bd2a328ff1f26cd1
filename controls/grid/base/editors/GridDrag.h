#pragma once
// The grid's drag and drop on Qt's: a drop target hears a widget's drag
// events, a drag started here offers the source data object's formats and
// runs Qt's drag loop, and its end reaches the drop source.
#include "controls/grid/base/GridDragDrop.h"

#include <QMimeData>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace controls {

// The data of a drag started here: the formats come from the source data
// object, made when a receiver asks for them.
class TSourceMimeData : public QMimeData {
    Q_OBJECT
public:
    explicit TSourceMimeData(TSourceDataObject source) : m_source(std::move(source)) {}

    QStringList formats() const override { return m_source.formats(); }
    bool hasFormat(const QString &format) const override { return m_source.QueryGetData(format); }

protected:
    QVariant retrieveData(const QString &format, QMetaType type) const override;

private:
    TSourceDataObject m_source;
};

// Qt's drop actions as drop effects, and back.
int toDropEffects(Qt::DropActions actions);
Qt::DropActions toDropActions(int effects);
// The one action an effect answers (a move before a copy before a link).
Qt::DropAction toDropAction(int effect);

// Makes the widget a drop target for target: its drag events become the
// target's DragEnter, DragOver, DragLeave and Drop, with the point on the
// screen. The adapter lives as long as the widget.
class TDropTargetAdapter : public QObject {
    Q_OBJECT
public:
    TDropTargetAdapter(QWidget &widget, TESGDropTarget &target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_widget;
    TESGDropTarget &m_target;
};

// The modal drag loop: takes the data, hands it to the system and answers
// DRAGDROP_S_DROP or DRAGDROP_S_CANCEL with the effect of the drop; it
// tells the source the feedback and the end. Tests put their own in place.
using TDragLoop = std::function<std::uint32_t(QWidget &origin, std::unique_ptr<QMimeData> data,
                                              TESGDropSource &source, int okEffects, int &effect)>;
void setDragLoop(TDragLoop loop);

// Drags the text (and the rich text, and the cell block when there is
// one); DRAGDROP_S_CANCEL when the drop showed no effect at its end.
std::uint32_t StartTextDragDrop(QWidget &origin, TESGDropSource &source, const QString &text, const QString &rtf,
                                int &effect, int okEffects, std::optional<QByteArray> stream);
// Drags a column number.
std::uint32_t StartColumnDragDrop(QWidget &origin, TESGDropSource &source, int column, int okEffects, int &effect);

} // namespace controls
