#pragma once
// The main window's Scan & Decode button: once a configuration is open (and,
// when it already has an M-Bus network, once the user has agreed to go on)
// the Scan & Decode window opens for the converter type.
#include "app/ConverterType.h"
#include "app/windows/StepHandlers.h"
#include "scan/MBusScanDecode.h"

namespace scan {

// The window is created on the first use as the main window's and kept;
// `setup` builds its engine (the real one when empty).
app::StepHandler scanDecodeStep(int converterType = app::Converter_Type(), ScanEngineSetup setup = {});

} // namespace scan
