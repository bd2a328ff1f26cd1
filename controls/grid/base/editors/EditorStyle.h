#pragma once
// Our combo box and date pickers paint their own frame and button, but Qt's
// combo box and spin box place their edit field, and find the button under
// the mouse, by asking the style. This style gives them the control's own
// rectangles, so that what the user sees and where Qt looks agree.
#include <QProxyStyle>
#include <QRect>

namespace controls {

// Where a control that paints itself keeps its parts, in its own pixels.
class IEditorGeometry {
public:
    virtual ~IEditorGeometry() = default;
    virtual QRect editFieldRect() const = 0;
    virtual QRect dropButtonRect() const = 0;
    // The up and down arrows of a time picker; empty where there are none.
    virtual QRect upButtonRect() const { return {}; }
    virtual QRect downButtonRect() const { return {}; }
};

class TEditorStyle : public QProxyStyle {
    Q_OBJECT
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option, const QPoint &pos,
                                     const QWidget *widget) const override;
};

// The one style of the program's editors; it lives as long as the
// application.
TEditorStyle &editorStyle();

} // namespace controls
