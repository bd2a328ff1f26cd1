#include "compiler/dialogs/UpdateWizardPages.h"

#include "app/Language.h"
#include "app/windows/NamedWidgets.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ui/Label.h"

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
