#include "compiler/UpdateWizardPages.h"

#include "app/FormLook.h"
#include "app/Language.h"
#include "app/NamedWidgets.h"
#include "controls/dropdown/LbButton.h"
#include "platform/Label.h"
#include "platform/ModalResult.h"

#include <QCheckBox>
#include <QWidget>

namespace compiler {
namespace {

QCheckBox *checkBox(QWidget &dialog, const char *name, QPoint at)
{
    auto *box = new QCheckBox(&dialog);
    box->setObjectName(QString::fromLatin1(name));
    box->move(at);
    box->setChecked(true);
    return box;
}

void setCheckBoxText(QCheckBox *box, const QString &caption)
{
    box->setText(controls::captionDisplayText(caption));
    box->adjustSize();
}

} // namespace

UpdateWizardFrame createUpdateWizardFrame(QWidget &dialog)
{
    app::applyFormLook(dialog);
    UpdateWizardFrame frame;
    const app::TitlePanel title = app::createTitlePanel(dialog);
    frame.P_Title = title.P_Title;
    frame.L_SW_Code = title.L_SW_Code;
    frame.L_SW_Desc = title.L_SW_Desc;

    frame.P_Button = app::createButtonPanel(dialog);
    const int width = UpdateWizardClientSize.width();
    frame.Btn_Update = app::namedButton(frame.P_Button, "Btn_Update", {16, 9, 180, 26});
    frame.Btn_Cancel = app::namedButton(frame.P_Button, "Btn_Cancel", {width - 2 * 88, 9, 80, 26});
    frame.Btn_Cancel->setModalResult(platform::mrCancel);
    frame.Btn_Cancel->setCancel(true);
    frame.Btn_Next = app::namedButton(frame.P_Button, "Btn_Next", {width - 88, 9, 80, 26});
    app::placePanels(title, frame.P_Button, UpdateWizardClientSize);
    dialog.setFixedSize(UpdateWizardClientSize);
    return frame;
}

UpdateOptions UpdateOptionsPage::options() const
{
    UpdateOptions o;
    o.writeFirmware = CB_Firmware->isChecked();
    o.readBackFirmware = CB_Read_Firm->isChecked();
    o.writeConfiguration = CB_Conf->isChecked();
    o.readBackConfiguration = CB_Read_Conf->isChecked();
    return o;
}

void UpdateOptionsPage::setTexts(int firstText)
{
    L_Options->setCaption(app::text(firstText));
    setCheckBoxText(CB_Firmware, app::text(firstText + 1));
    setCheckBoxText(CB_Read_Firm, app::text(firstText + 2));
    setCheckBoxText(CB_Conf, app::text(firstText + 3));
    setCheckBoxText(CB_Read_Conf, app::text(firstText + 4));
}

UpdateOptionsPage createUpdateOptionsPage(QWidget &dialog)
{
    UpdateOptionsPage page;
    page.L_Options = app::namedLabel(&dialog, "L_Options", {16, 75});
    page.CB_Firmware = checkBox(dialog, "CB_Firmware", {36, 96});
    page.CB_Read_Firm = checkBox(dialog, "CB_Read_Firm", {56, 119});
    page.CB_Conf = checkBox(dialog, "CB_Conf", {36, 142});
    page.CB_Read_Conf = checkBox(dialog, "CB_Read_Conf", {56, 165});
    return page;
}

} // namespace compiler
