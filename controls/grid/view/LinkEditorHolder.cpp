// The editors this file opens and commits: an application's edit link
// (edCustom) and the rich-text editor (edRichEdit); the other special
// editors have a holder of their own.
#include "controls/grid/view/EditExtrasState.h"
#include "controls/grid/view/GridEditState.h"

namespace controls {

void TExStringGrid::CreateEditorControl(int ACol, int ARow)
{
    switch (EditControl()) {
    case edRichEdit:
        openRichEditor(ACol, ARow);
        break;
    default:
        break;
    }
}

void TExStringGrid::CommitEditorControl(int ACol, int ARow)
{
    switch (EditControl()) {
    case edRichEdit:
        commitRichEditor(ACol, ARow);
        break;
    default:
        break;
    }
}

} // namespace controls
