#pragma once
// The one bank.bin of types 4 and 5, and of types 2 and 3 on the serial
// board: the network tables and a trailer with the Modbus slave and
// meter-bus settings.
#include "compiler/CompileContext.h"

#include <QByteArray>

namespace compiler {

QByteArray Compile_Bank_Serial(CompileContext &context);

} // namespace compiler
