#pragma once
// What a grid keeps in a cell besides its text: the cell owns it, and is
// told where it lies whenever a row or column move carries it elsewhere.
namespace controls {

class TGridObject {
public:
    virtual ~TGridObject() = default;
    // The object now lies in cell (col, row).
    virtual void placedAt(int col, int row) {}
};

} // namespace controls
