// The search panel's three large buttons take the grid's control style:
// flat where the grid's own controls are flat, raised for the classic and
// themed looks; the other styles leave the buttons as the owner set them.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/SearchPanel.h"

#include <QPushButton>

namespace controls {

void TExStringGrid::applySearchButtonLook()
{
    TSearchPanel *panel = SearchPanel();
    if (panel == nullptr)
        return;
    int flat = -1; // -1: left as it is
    switch (ControlLook().ControlStyle) {
    case csFlat:
        flat = 1;
        break;
    case csWinXP:
    case csTheme:
    case csClassic:
        flat = 0;
        break;
    default:
        break;
    }
    if (AutoThemeAdapt())
        flat = 1;
    if (flat < 0)
        return;
    for (QPushButton *b : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()})
        b->setFlat(flat == 1);
}

} // namespace controls
