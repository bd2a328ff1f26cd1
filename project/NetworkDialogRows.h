#pragma once
// Which rows of the network dialog's pages are offered, by converter type,
// board variant ("Sel_Dev" of ParGen.xml) and the node's kind. The node
// validation checks exactly the rows offered.
namespace project {

// Cut after, manufacturer specific data with its length and offset, and the
// access number: the types whose table row says so, and any type on board
// variant 1.
bool showsExtendedNodeRows(int converterType, int boardVariant);

struct NodeRows {
    bool mbusType = false;       // the "M-Bus Type" pick list
    bool wirelessPanel = false;  // identification, key and registers of a wireless node
    bool wiredRows = false;      // addresses, node state ... variables list
    bool cutAfter = false;
    bool manufacturerSpecific = false; // with its length and offset
    bool accessNumber = false;         // the page's own row (the panel has one too)

    bool operator==(const NodeRows &) const = default;
};

// mbusType is the index of the "M-Bus Type" pick list (wireless types only).
NodeRows nodeRowsShown(int converterType, int boardVariant, int mbusType);

// "Post Operation", as the converter-type table's row says: always, on board
// variant 1 only, for nodes not read by position, or never.
bool offersPostOperation(int converterType, int boardVariant, int varListType);

} // namespace project
