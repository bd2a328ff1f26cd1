#pragma once
// Step 4 of the main window, Update Device: reads the board variant, compiles
// the open configuration into its banks in the bin folder and shows the
// update wizard that fits the model and its board.
#include "app/ConverterType.h"
#include "app/windows/StepHandlers.h"
#include "compiler/dialogs/EthernetUpdateWizard.h"
#include "compiler/dialogs/SerialUpdateWizard.h"
#include "compiler/update/UpdateRoute.h"

#include <functional>

namespace compiler {

using ShowUpdateWizard = std::function<void(UpdateWizard)>;

// Runs the step for the open configuration. A ParGen.xml that cannot be read,
// a compile error or a bank that cannot be written is shown in an error box
// and no wizard opens: the device must never be updated from banks that are
// missing or older than the configuration.
// Wired nodes that the compile left out (a wireless model whose wired bus is
// "Not Present") are named in an information box before the wizard opens.
void Update_Device(int converterType, const ShowUpdateWizard &showWizard);

// The information box's text for the wired nodes a compile left out: at
// most MaxListedNodes of them, each cut to a readable length.
QString leftOutWiredNodesMessage(const QStringList &nodes);
inline constexpr int MaxListedNodes = 20;

// The handler the main window calls for step 4. Both wizards are created on
// the first use as the main window's, then kept (their option ticks last as
// long as the program), and shown modally.
app::StepHandler updateDeviceStep(int converterType = app::Converter_Type(), TFBootTCP::Services ethernet = {},
                                  TFBootSer::Services serial = {});

} // namespace compiler
