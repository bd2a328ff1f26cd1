// The appearance record lives beside the model's state and is made on first
// use, so that the model's construction knows nothing of painting.
#include "controls/grid/view/GridAppearance.h"
#include "controls/dropdown/paint/PopupAppearance.h"
#include "controls/grid/model/ExGrid.h"

namespace controls {

void TGridAppearanceDeleter::operator()(TGridAppearance *appearance) const { delete appearance; }

TGridAppearance &TExStringGrid::Appearance() const
{
    if (!m_appearance) {
        m_appearance.reset(new TGridAppearance); // owned by the deleter's pointer from here on
        // The modified marker lives in column 0; a band change can touch any row.
        auto *grid = const_cast<TExStringGrid *>(this);
        m_appearance->ShowModified.OnChange = [grid] { grid->InvalidateCol(0); };
        m_appearance->Bands.OnChange = [grid](TBands *) { grid->InvalidateGrid(); };
    }
    return *m_appearance;
}

bool TExStringGrid::DoIsPasswordCell(int ACol, int ARow)
{
    bool isPassword = false;
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ACol, ARow, isPassword);
    return isPassword;
}

void TGridControlLook::Init()
{
    const TGridControlLook fresh;
    Color = fresh.Color;
    CommentColor = fresh.CommentColor;
    ProgressBorderColor = fresh.ProgressBorderColor;
    FixedGradientFrom = FixedGradientTo = FixedGradientMirrorFrom = FixedGradientMirrorTo = platform::clNone;
    FixedGradientHoverFrom = fresh.FixedGradientHoverFrom;
    FixedGradientHoverTo = fresh.FixedGradientHoverTo;
    FixedGradientHoverMirrorFrom = FixedGradientHoverMirrorTo = platform::clNone;
    FixedGradientHoverBorder = fresh.FixedGradientHoverBorder;
    FixedGradientDownFrom = fresh.FixedGradientDownFrom;
    FixedGradientDownTo = fresh.FixedGradientDownTo;
    FixedGradientDownMirrorFrom = FixedGradientDownMirrorTo = platform::clNone;
    FixedGradientDownBorder = fresh.FixedGradientDownBorder;
}

void TGridControlLook::Assign(const TGridControlLook &source)
{
    // Everything but the flat button and the disabled looks, which a look
    // does not carry.
    const bool flat = FlatButton;
    const bool noDisabledCheck = NoDisabledCheckRadioLook;
    const bool noDisabledButton = NoDisabledButtonLook;
    const bool ddButton = FixedDropDownButton;
    const bool progressXP = ProgressXP;
    const auto strips = m_dropDownStrips;
    *this = source;
    // The header and footer are this look's own, their settings copied.
    m_dropDownStrips = strips;
    if (&source != this) {
        DropDownHeader().Assign(source.DropDownHeader());
        DropDownFooter().Assign(source.DropDownFooter());
    }
    FlatButton = flat;
    NoDisabledCheckRadioLook = noDisabledCheck;
    NoDisabledButtonLook = noDisabledButton;
    FixedDropDownButton = ddButton;
    ProgressXP = progressXP;
}

} // namespace controls
