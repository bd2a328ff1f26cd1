#include "app/windows/FormLook.h"

#include "controls/dropdown/DialogKeys.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"

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
    controls::routeDialogKeys(form);
}

void applyButtonLook(controls::TLbButton &button)
{
    button.setStyle(controls::TLbButtonStyle::bsEncarta);
    button.setColor(FormColor);
    button.setLightColor(platform::clGray);
    button.setColorWhenDown(platform::RGB(255, 128, 0));
    button.setHotTrackColor(platform::clSkyBlue);
    button.setUseHotTrackFont(false);
}

void applyPageControlLook(controls::TExPageControl &pages)
{
    pages.setTabPosition(controls::TTabPosition::tpLeft);
    pages.setTabStyle(controls::TTabStyle::tsDotNet);
    pages.setMultiLine(true);
    pages.setColor(FormColor);
    pages.setDefaultTabColor(FormColor);
    pages.setTabBackGroundColor(FormColor);
    pages.setActiveColor(platform::clSkyBlue);
    pages.setLowerActive(0);
    const QFont verdana = platform::makeFont(QStringLiteral("Verdana"), 10);
    pages.setFont(verdana);
    pages.setActiveFont({verdana, platform::clWindowText});
}

} // namespace app
