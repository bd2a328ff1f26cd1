#pragma once
// The private part of the string grid that its keys and its in-place
// editing share: where an edit stands, the texts it started from, and what
// the last key left behind.
#include "controls/grid/model/ExGrid.h"

namespace controls {

class TExMemoEdit;

struct TExStringGrid::TGridEditState {
    TEditorType editControl = edNormal;
    bool editMode = false; // an editor is open
    bool editing = false; // the edit still has to be validated
    bool editActive = false; // a special editor is open
    bool validating = false;
    bool lastValidation = true;
    bool entered = false;
    bool noEditChange = false; // the grid itself loads the editor's text
    bool showEditProcess = false; // typing goes into the cell as it happens
    bool editChange = false; // the selection check switched goEditing
    bool gridModified = false;
    bool noAutoAdvance = false; // a refused commit skips the next advance
    bool oldModified = false;
    QChar startEditChar;
    QString cellCache; // the stored text when editing began
    QString oldCellText; // the stored text before the edit
    QString newCellText;
    // The text the editor showed when it opened: an edit that leaves it so
    // stores nothing, so that tags the editor hides survive.
    QString shownText;
    int oldCol = -1;
    int oldRow = -1;
    TGridRect moveSelection{};
    TGridRect keySelection{}; // the selection before the last key went down
    TGridCoord lastKeyCell{};
    QPointer<TExMemoEdit> memo; // the editor of cells of several lines
};

} // namespace controls
