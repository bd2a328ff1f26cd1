#include "app/windows/NamedWidgets.h"

#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ui/Label.h"

namespace app {

platform::TLabel *namedLabel(QWidget *parent, const char *name, QPoint at)
{
    auto *label = new platform::TLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

controls::TLbButton *namedButton(QWidget *parent, const char *name, const QRect &place)
{
    auto *button = new controls::TLbButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    applyButtonLook(*button);
    return button;
}

} // namespace app
