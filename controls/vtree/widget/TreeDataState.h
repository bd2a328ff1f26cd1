#pragma once
// What the tree's data transfer and accessibility keep per tree.
#include "controls/vtree/ClipboardFormatList.h"

#include <QString>
#include <cstdint>

class QAccessibleInterface;

namespace vtree {

class TBaseLazyTree;

struct TTreeDataState {
    explicit TTreeDataState(const TBaseLazyTree &Tree) : ClipboardFormats(Tree) {}
    ~TTreeDataState();
    TTreeDataState(const TTreeDataState &) = delete;
    TTreeDataState &operator=(const TTreeDataState &) = delete;
    TClipboardFormats ClipboardFormats;
    // Grows with every cut or copy, so that a data object the clipboard lets
    // go cancels only the cut or copy it was made for.
    std::uint64_t CutCopyGeneration = 0;
    // The accessibility objects the providers made for the tree and for its
    // focused item (owned by Qt's accessibility cache), and the tree's name.
    QAccessibleInterface *Accessible = nullptr;
    QAccessibleInterface *AccessibleItem = nullptr;
    unsigned AccessibleItemId = 0; // Qt's number for the item's object
    bool AskedByQt = false;        // Qt's factory asks: Qt takes the object itself
    QString AccessibleName;
};

} // namespace vtree
