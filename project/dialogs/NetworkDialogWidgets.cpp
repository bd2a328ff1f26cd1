#include "project/dialogs/NetworkDialogWidgets.h"

#include "app/windows/NamedWidgets.h"

#include <QCheckBox>

namespace project {

platform::TLabel *RowWidgets::labelAt(QWidget *parent, const char *name, int left, int top)
{
    return app::namedLabel(parent, name, QPoint(left, top));
}

QCheckBox *RowWidgets::checkBoxAt(QWidget *parent, const char *name, int left, int width)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(left, 1, width, FieldHeight);
    return box;
}

} // namespace project
