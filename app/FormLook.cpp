#include "app/FormLook.h"

#include "controls/dropdown/DialogKeys.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"
#include "platform/Fonts.h"
#include "platform/Label.h"

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

TitlePanel createTitlePanel(QWidget &dialog)
{
    TitlePanel panel;
    panel.P_Title = new QWidget(&dialog);
    panel.P_Title->setObjectName(QStringLiteral("P_Title"));
    setBackground(*panel.P_Title, platform::clWhite);
    panel.L_SW_Code = new platform::TLabel(panel.P_Title);
    panel.L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    panel.L_SW_Code->setFont(platform::makeFont(QStringLiteral("Verdana"), 14));
    panel.L_SW_Code->setFontColor(platform::clGray);
    panel.L_SW_Code->move(10, 4);
    panel.L_SW_Desc = new platform::TLabel(panel.P_Title);
    panel.L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    panel.L_SW_Desc->setFont(platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true}));
    panel.L_SW_Desc->move(10, 31);
    return panel;
}

QWidget *createButtonPanel(QWidget &dialog)
{
    auto *panel = new QWidget(&dialog);
    panel->setObjectName(QStringLiteral("P_Button"));
    setBackground(*panel, platform::RGB(236, 233, 216));
    return panel;
}

void placePanels(const TitlePanel &title, QWidget *buttonPanel, QSize client)
{
    if (title.P_Title)
        title.P_Title->setGeometry(0, 0, client.width(), TitlePanelHeight);
    if (buttonPanel)
        buttonPanel->setGeometry(0, client.height() - ButtonPanelHeight, client.width(), ButtonPanelHeight);
}

} // namespace app
