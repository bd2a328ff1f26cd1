#pragma once
// The scheme every network bank shares: node table, variable table, unit
// texts and register table(s), laid out one behind the other from the
// bank's current end, and the allocation of the converter's data area.
#include "compiler/BankBuffer.h"
#include "compiler/CompilerRecords.h"

namespace compiler {

enum class TableVariant {
    SerialBoard,   // 20-byte nodes, 31-byte variables, 13-byte registers, 5-byte time points
    EthernetBoard, // 29, 30, 14, 6
    SingleBank,    // 27, 30, 14, 6
    TwoBanks,      // 31, 31, 14, 6; wired nodes, then wireless meters
};

struct TableBounds {
    std::uint32_t nodeTable = 0;          // where the (wired) node table starts
    std::uint32_t wirelessNodes = 0;      // first wireless meter's node entry
    std::uint32_t registerTable = 0;      // wired nodes' register table
    std::uint32_t wirelessRegisters = 0;  // wireless meters' register table
    std::uint32_t end = 0;                // behind the last register entry
};

// Writes the tables for the network's wired nodes and then its wireless
// meters (only the two-bank variant has any) and fills the derived fields of
// the records (Add, Address_Arr_Calcolato, Address_VIF_ASCII).
TableBounds writeNetworkTables(BankBuffer &bank, TableVariant variant, CompiledNetwork &network);

} // namespace compiler
