#pragma once
// Scan results saved as the configuration's M-Bus network (M_Bus.xml): the
// wired slaves or the wireless meters become "Nodo" elements, their records
// "Variabile" elements, and Modbus registers are handed out as the nodes are
// written. The file is either new or the network already in it with the new
// nodes added at the end of its root; either way it is replaced whole, or
// left as it was when anything goes wrong.
#include "project/FileError.h"
#include "scan/ScanLists.h"

#include <QString>
#include <optional>
#include <vector>

namespace scan {

// What the Scan & Decode window asks for.
struct TSaveConfXML {
    qint32 Append = 0;       // 1 adds to the network in File_Name; anything else writes a new file
    qint32 XML_Code_Dev = 0; // the converter type's device code; 13 and 14 mark nodes as wired
    qint32 Mod_Start = 1;    // first register when one start register serves all nodes
    qint32 Index_Baud = 0;   // kept for the window; no attribute takes them
    qint32 Index_Par = 0;
    qint32 Node_ID_Type = 0; // 0 primary, 1 secondary addressing
    qint32 SND_NKE = 0;      // 1 sends SND_NKE
    qint32 Reset_App = 0;    // 1 sends the application reset
    // Telegrams per node, as the scan counts them (3 reads three). The file
    // counts telegrams after the first, so the writers store one less
    // (never below 0).
    qint32 Cut_After = 3;
    qint32 StartModnode = 0; // 1: each node starts at its own register, from SMN_Array
    // The start register of each node, by position in the list. With
    // StartModnode 1 it must have an entry for every node.
    std::vector<qint32> SMN_Array;
    bool En_NodeState = false; // a Node_State register pair per node (StartModnode 1)
    bool En_IdeNum = false;    // an Ident_Num register per node (StartModnode 1)
    QString File_Name;
};

// What became of a save; true only when the file was written.
struct TSaveConfResult {
    enum class Outcome {
        Written,
        NothingToSave,        // the list is empty: no file touched
        StartRegisterMissing, // SMN_Array has no entry for a node: no file touched
        FileFailed,           // reading the file to append to, or writing it, failed
    };
    Outcome outcome = Outcome::Written;
    int nodes = 0;             // Written: the nodes added
    int missingPosition = -1;  // StartRegisterMissing: the first list position without an entry
    std::optional<project::FileError> error; // FileFailed: why; the old file is untouched

    bool written() const { return outcome == Outcome::Written; }
    explicit operator bool() const { return written(); }
};

// Wired slaves in list order; a node or record whose tree node is unchecked
// is saved disabled (and, with per-node start registers, takes no register).
// Check_BCD marks BCD records for conversion to integer.
TSaveConfResult Save_XML_Conf_Wired(const TSaveConfXML &DataIn, bool Check_BCD,
                                    TSlaveMBusList &slaves = List_Slave_MBus());

// Wireless meters in list order; records that only fill a position are
// skipped. Enable flags come from the meters and records themselves.
TSaveConfResult Save_XML_Conf_Wireless(const TSaveConfXML &DataIn, bool Check_BCD,
                                       TSlaveWMBusList &meters = List_Wireless_Key());

} // namespace scan
