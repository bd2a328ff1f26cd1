#pragma once
// What the core's algorithms read a grid through: its shape and the text of
// a cell. The string grid answers from its store; tests answer from a table.
#include <QString>

namespace controls {

class ICellSource {
public:
    virtual ~ICellSource() = default;
    virtual int colCount() const = 0;
    virtual int rowCount() const = 0;
    // The text a cell shows (display row, real column); empty outside.
    virtual QString cellText(int col, int row) const = 0;
};

} // namespace controls
