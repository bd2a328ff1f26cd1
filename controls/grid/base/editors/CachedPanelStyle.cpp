#include "controls/grid/base/editors/CachedPanelStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>


namespace controls {

namespace {

QString panelKey(const QStyleOptionFrame &option, qreal ratio)
{
    return QStringLiteral("esg-panel-%1-%2-%3-%4-%5-%6-%7")
        .arg(option.rect.width())
        .arg(option.rect.height())
        .arg(uint(option.state))
        .arg(option.palette.cacheKey())
        .arg(option.lineWidth)
        .arg(ratio)
        .arg(int(option.direction));
}

} // namespace

CachedPanelStyle::CachedPanelStyle(const QString &baseStyleKey) : QProxyStyle(baseStyleKey) {}

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element != PE_PanelLineEdit || !frame || frame->rect.isEmpty()
        || frame->palette.base().style() != Qt::SolidPattern) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QString key = panelKey(*frame, ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(frame->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QPainter onPanel(&panel);
        QStyleOptionFrame moved(*frame);
        moved.rect.moveTopLeft(QPoint(0, 0));
        QProxyStyle::drawPrimitive(element, &moved, &onPanel, widget);
        onPanel.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(frame->rect.topLeft(), panel);
}

QStyle *CachedPanelStyle::shared()
{
    static QPointer<CachedPanelStyle> style;
    static QPointer<QStyle> over;
    if (!qApp || !qApp->styleSheet().isEmpty())
        return nullptr;
    QStyle *application = QApplication::style();
    // One made for an earlier application style stays with the widgets
    // that took it, until the application goes.
    if (!style || over != application) {
        over = application;
        // Only a style the factory can make again can stand under the
        // proxy; any other keeps drawing its own panels.
        style = nullptr;
        if (QStyleFactory::keys().contains(application->name(), Qt::CaseInsensitive)) {
            style = new CachedPanelStyle(application->name());
            style->setParent(qApp);
        }
    }
    return style;
}

} // namespace controls
