#pragma once
// bank.bin of the main model (types 1 and 1001), written beside bank1.bin and
// bank2.bin: the network tables with a trailer of general values, preceded on
// the Ethernet board by the parameter page.
#include "compiler/CompileContext.h"

#include <QByteArray>

namespace compiler {

QByteArray Compile_Bank(CompileContext &context);    // serial board
QByteArray Compile_Bank_B2(CompileContext &context); // Ethernet board

} // namespace compiler
