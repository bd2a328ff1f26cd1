#pragma once
// The edit panel of the spin edit drawn once per size and state and copied
// on every later paint: the application's style strokes the panel's rounded,
// antialiased frame on each paint, which cost more than all the rest of a
// freshly made editor's first paint.
#include <QProxyStyle>

namespace controls {

class CachedPanelStyle : public QProxyStyle {
public:
    explicit CachedPanelStyle(const QString &baseStyleKey);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // The one instance over the application's current style, owned by the
    // application; none while a style sheet styles the application or when
    // its style is not one the style factory makes.
    static QStyle *shared();
};

} // namespace controls
