#pragma once
// Reads M_Bus.xml into the compiler's records. Which nodes are taken and which
// attributes are read differ by the kind of bank being built.
#include "compiler/CompilerRecords.h"
#include "compiler/NetworkElements.h"

namespace compiler {

enum class NetworkFamily {
    SerialBoard,   // bank.bin of the main model's serial board
    EthernetBoard, // bank.bin of the main model's Ethernet board
    SingleBank,    // the one bank.bin of the serial-only models
    TwoBanks,      // bank2.bin, the only family with wireless meters
};

// network: M_Bus.xml as read, or nil when there is no file (empty network).
// wiredPresent: for the two-bank family, whether wired nodes are compiled at all.
CompiledNetwork readNetwork(const NetworkElements *network, NetworkFamily family, bool wiredPresent);

} // namespace compiler
