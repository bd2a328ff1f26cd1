// The editor buttons a cell shows while no editor is open (with
// DropDownAlwaysVisible and SpinButtonsAlwaysVisible): drawn at the cell's
// right edge, disabled where the cell cannot be edited; a press on the
// spin pair marks the step that the editor it opens takes.
#include "controls/grid/base/paint/CellButtons.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/SpecialEditor.h"

namespace controls {

void TExStringGrid::renderEditorButtons(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect &ARect)
{
    const TGridControlLook &cl = ControlLook();
    if ((!cl.DropDownAlwaysVisible && !cl.SpinButtonsAlwaysVisible) || IsFixed(ACol, ARow))
        return;
    // The open editor covers its own cell.
    if (EditCtrl() != nullptr && ACol == Col() && ARow == Row())
        return;
    const int rc = RealColIndex(ACol);
    const TGridAppearance &look = Appearance();
    TButtonLook buttonLook = cl.FlatButton ? TButtonLook::Flat : TButtonLook::Classic;
    if (look.Flat && platform::isColorSet(ColorTones().Background.BrushColor))
        buttonLook = TButtonLook::Tones;
    bool editable = true;
    CheckCellEditable(rc, ARow, editable);
    const TButtonState state = editable ? TButtonState::Normal : TButtonState::Disabled;
    if (cl.DropDownAlwaysVisible && DoHasComboBox(rc, ARow)) {
        platform::TRect r = ARect;
        r.Left -= 2;
        r.Top -= 1;
        r.Right += 1;
        DrawDropDownButton(ACanvas, this, r, buttonLook, state, ColorTones());
        ARect.Right -= 16;
    }
    if (cl.SpinButtonsAlwaysVisible && DoHasSpinEdit(rc, ARow)) {
        DrawSpinButtons(ACanvas, this, ARect, buttonLook, state, ColorTones());
        ARect.Right -= 16;
    }
}

bool TExStringGrid::editorButtonPress(int ACol, int ARow, int X, int Y)
{
    const int rc = RealColIndex(ACol);
    if (!ControlLook().SpinButtonsAlwaysVisible || !DoHasSpinEdit(rc, ARow))
        return false;
    const platform::TRect r = CellRect(ACol, ARow);
    if (X <= r.Right - 18)
        return false;
    if (Y > r.Top + (r.Bottom - r.Top) / 2)
        FSpinDnClick = true;
    else
        FSpinUpClick = true;
    return true;
}

} // namespace controls
