#include "controls/grid/base/editors/EditorStyle.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace controls {

QRect TEditorStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                                   const QWidget *widget) const
{
    if (const auto *geometry = dynamic_cast<const IEditorGeometry *>(widget)) {
        if (control == CC_ComboBox && part == SC_ComboBoxEditField)
            return geometry->editFieldRect();
        if (control == CC_ComboBox && part == SC_ComboBoxArrow)
            return geometry->dropButtonRect();
        if (control == CC_SpinBox && part == SC_SpinBoxEditField)
            return geometry->editFieldRect();
        if (control == CC_SpinBox && part == SC_SpinBoxUp)
            return geometry->upButtonRect();
        if (control == CC_SpinBox && part == SC_SpinBoxDown)
            return geometry->downButtonRect();
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

QStyle::SubControl TEditorStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                                       const QPoint &pos, const QWidget *widget) const
{
    if (const auto *geometry = dynamic_cast<const IEditorGeometry *>(widget)) {
        if (control == CC_ComboBox)
            return geometry->dropButtonRect().contains(pos) ? SC_ComboBoxArrow : SC_ComboBoxEditField;
        if (control == CC_SpinBox) {
            if (geometry->upButtonRect().contains(pos))
                return SC_SpinBoxUp;
            if (geometry->downButtonRect().contains(pos))
                return SC_SpinBoxDown;
            return geometry->editFieldRect().contains(pos) ? SC_SpinBoxEditField : SC_None;
        }
    }
    return QProxyStyle::hitTestComplexControl(control, option, pos, widget);
}

TEditorStyle &editorStyle()
{
    static QPointer<TEditorStyle> style;
    if (!style) {
        style = new TEditorStyle;
        style->setParent(qApp);
    }
    return *style;
}

} // namespace controls
