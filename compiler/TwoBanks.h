#pragma once
// bank1.bin and bank2.bin, built together: bank2.bin holds the wired nodes and
// the wireless meters with a trailer of general values; the same reading of
// ParGen.xml and M_Bus.xml fills bank1.bin's general block and meter table.
#include "compiler/CompileContext.h"

#include <QByteArray>

namespace compiler {

struct TwoBankFiles {
    QByteArray bank1;
    QByteArray bank2;
};

TwoBankFiles Compile_Two_Banks(CompileContext &context);

} // namespace compiler
