#include "project/dialogs/ComboIndex.h"

#include <QComboBox>

namespace project {

void setComboIndex(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace project
