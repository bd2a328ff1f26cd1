#include "app/windows/FormLook.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/QtColor.h"

#include <QWidget>

namespace app {

void setBackground(QWidget &widget, platform::TColor color)
{
    QPalette p = widget.palette();
    p.setColor(QPalette::Window, platform::toQColor(color));
    widget.setPalette(p);
    widget.setAutoFillBackground(true);
}

void applyFormLook(QWidget &form)
{
    form.setFont(platform::defaultFormFont());
    setBackground(form, FormColor);
}

} // namespace app
