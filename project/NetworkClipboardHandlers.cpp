// Copy, paste and Import Network of the M-Bus network dialog: the tree's
// pop-up menu items and the import button. Until the paste dialog exists
// they do nothing.
#include "project/MBusNetworkDialog.h"

namespace project {

void TFMeter_Bus::CopyVariable1Click() {}
void TFMeter_Bus::PasteVariable1Click() {}
void TFMeter_Bus::CopyNode1Click() {}
void TFMeter_Bus::PasteNode1Click() {}
void TFMeter_Bus::Btn_ImportNetClick(QObject *) {}

} // namespace project
