#pragma once
// The base of the checkers a string grid can be given to correct cell texts
// or mark errors in them. The grid calls StartCheck and StopCheck around a
// range, and takes what Correct and MarkError return as the cell's text; a
// cell is correct when the text comes back unchanged. This base checks
// nothing.
#include <QString>

namespace controls {

class TExStringGridCheck {
public:
    virtual ~TExStringGridCheck() = default;

    virtual QString MarkError(int ACol, int ARow, const QString &s) { return s; }
    virtual QString Correct(int ACol, int ARow, const QString &s) { return s; }
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    bool AutoCorrect = false; // a newly edited text goes through Correct
    bool AutoMarkError = false; // and then through MarkError
    bool GotoCell = false; // the cursor visits each cell of a checked range
    bool UseCorrect = false; // a checked range goes through Correct
    bool UseMarkError = false; // and through MarkError
};

} // namespace controls
