#pragma once
// What every compile step of one compile shares.
#include "compiler/SourceDocuments.h"

#include <QStringList>

namespace compiler {

struct CompileContext {
    int converterType;  // 1..7, 1001, 1007
    int selDevValue;    // board variant the caller read (types 2 and 3): 1 Ethernet board
    SourceDocuments &documents;
    QStringList leftOutWiredNodes = {}; // filled by the compile: see CompiledNetwork
};

} // namespace compiler
