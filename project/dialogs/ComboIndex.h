#pragma once
// Pick lists set to a position stored in a file or a field.
class QComboBox;

namespace project {

// A position the list does not have shows no item.
void setComboIndex(QComboBox *combo, int index);

} // namespace project
