#include "scan/dialogs/ScanProgressList.h"

#include "app/Language.h"
#include "platform/Color.h"
#include "platform/ui/QtColor.h"
#include "scan/dialogs/ScanNodeTexts.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace scan {
namespace {

constexpr int TextStartScanBySecondary = 427;
constexpr int TextFinishScanBySecondary = 428;
// Where the verdict of a red line begins.
constexpr int VerdictLeft = 70;

class ProgressLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const ProgressLineLook look = progressLineLook(index.data().toString());
        painter->save();
        painter->fillRect(option.rect, option.palette.base());
        const QRect r = option.rect.adjusted(2, 0, 0, 0);
        if (look.notFound) {
            painter->setPen(platform::toQColor(platform::clRed));
            painter->drawText(r.adjusted(0, 0, -(r.width() - VerdictLeft), 0), Qt::AlignVCenter | Qt::AlignLeft,
                              look.left);
            painter->drawText(r.adjusted(VerdictLeft, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, look.right);
        } else {
            painter->setPen(platform::toQColor(platform::clBlue));
            painter->drawText(r, Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
        }
        painter->restore();
    }
};

} // namespace

std::optional<QString> progressLine(qint32 Kind, qint32 Value, qint32 Found, qint32 Scan)
{
    const bool primary = Scan == 1;
    switch (Kind) {
    case 1:
        if (!primary)
            return app::text(TextStartScanBySecondary);
        return std::nullopt;
    case 2:
        if (primary)
            return QStringLiteral("ID = ") + QString::number(Value) + u'\t'
                   + (Found == 0 ? NotFoundMark.toString() : QString());
        return QStringLiteral("ID = ") + hexDigits(quint32(Value), 8);
    case 3:
        if (!primary)
            return app::text(TextFinishScanBySecondary);
        return std::nullopt;
    default: return std::nullopt;
    }
}

ProgressLineLook progressLineLook(const QString &line)
{
    ProgressLineLook look;
    look.notFound = line.contains(NotFoundMark);
    if (look.notFound) {
        const qsizetype bracket = line.indexOf(u'[');
        look.left = line.left(bracket).trimmed();
        look.right = line.mid(bracket).trimmed();
    }
    return look;
}

TScanProgressList::TScanProgressList(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new ProgressLineDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
}

void TScanProgressList::addLine(const QString &line)
{
    addItem(line);
    scrollToItem(item(count() - 1), QAbstractItemView::PositionAtTop);
}

int TScanProgressList::topIndex() const { return indexAt(QPoint(1, 1)).row(); }

} // namespace scan
