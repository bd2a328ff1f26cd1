// A cell's colours, font and alignment as the painter resolves them: the
// grid's own, the fixed cells' look, the cell's own properties, then the
// selection.
#include "controls/grid/base/NumberText.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/RichText.h"
#include "controls/grid/model/core/TypedText.h"
#include "controls/grid/view/GridAppearance.h"

#include <QRegularExpression>

#include <optional>

namespace controls {

using platform::TColor;

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select,
                                        bool Remap, platform::TBrush &ABrush, TColor &AColorTo, TColor &AMirrorColor,
                                        TColor &AMirrorColorTo, platform::TFont &AFont, TAlignment &HA,
                                        TVAlignment &VA, bool &WW, TCellGradientDirection &GD)
{
    const TGridAppearance &look = Appearance();
    const int realCol = Remap ? RealColIndex(ACol) : ACol;
    const TCellProperties *props = propsOf(realCol, ARow);
    const TColor own = props ? Colors(realCol, ARow) : platform::clNone;
    const bool fixedLike = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    const bool fixedArea = ACol < FixedCols() || ARow < FixedRows() || DisplColIndex(ACol) >= ColCount() - FixedRightCols()
                           || ARow >= RowCount() - FixedFooters();

    if (Print && !PrintSettings.UseDisplayFont)
        AFont.Assign(ACol < FixedCols() || ARow < FixedRows() ? PrintSettings.FixedFont : PrintSettings.Font);
    ABrush.setColor(fixedLike || fixedArea ? FixedColor() : bandColor(ARow, Print).value_or(Color()));
    AColorTo = platform::clNone;
    AMirrorColor = platform::clNone;
    AMirrorColorTo = platform::clNone;
    GD = GradientVertical;
    if (fixedLike && !platform::isColorSet(own)) {
        if (!Print)
            AState |= gdFixed;
        if (look.Look > glClassic) {
            ABrush.setColor(look.FenloGradientFrom);
            AColorTo = look.FenloGradientTo;
            AMirrorColor = look.FenloGradientMirrorFrom;
            AMirrorColorTo = look.FenloGradientMirrorTo;
        }
    }
    if (props) {
        if (platform::isColorSet(own)) {
            ABrush.setColor(own);
            AColorTo = ColorsTo(realCol, ARow);
            GD = Gradients(realCol, ARow);
        }
        const TColor fontColor = FontColors(realCol, ARow);
        if (platform::isColorSet(fontColor))
            AFont.setColor(fontColor);
        AFont.setStyle(FontStyles(realCol, ARow));
    }

    if (Print)
        DoGetCellPrintColor(realCol, ARow, AState, ABrush, AFont);
    else
        DoGetCellColor(realCol, ARow, AState, ABrush, AFont);

    const bool selected = Select && !Print && look.ShowSelection && !fixedLike && IsSelected(ACol, ARow);
    if (selected) {
        ABrush.setColor(look.SelectionColor);
        AColorTo = look.SelectionColorTo;
        AMirrorColor = look.SelectionMirrorColor;
        AMirrorColorTo = look.SelectionMirrorColorTo;
        if (platform::isColorSet(look.SelectionTextColor))
            AFont.setColor(look.SelectionTextColor);
        AState |= gdSelected;
    }
    WW = FWordWrap && props ? WordWraps(realCol, ARow) : WW;
    ResolveCellAlignment(realCol, ARow, HA, VA);
}

void TExStringGrid::GetCellVisuals(int ACol, int ARow, platform::TFont &AFont, platform::TBrush &ABrush,
                                   TColor &AColorTo, TColor &AMirrorColor, TColor &AMirrorColorTo, TAlignment &HA,
                                   TVAlignment &VA, bool &WW, TCellGradientDirection &GD)
{
    TBaseGrid::GetCellVisuals(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW, GD);
    TGridDrawState state;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont,
                        HA, VA, WW, GD);
    const TBackGroundDisplay display = Appearance().BackGround.Display;
    if (IsFixed(ACol, ARow) || Bands().Active() || display == bdGradientHorz || display == bdGradientVert
        || state.testFlag(gdSelected)) {
        ABrush.setColor(platform::clNone);
        AColorTo = platform::clNone;
    }
}

std::optional<TColor> TExStringGrid::bandColor(int ARow, bool Print) const
{
    const TBands &bands = Appearance().Bands;
    if (!bands.Active() || (Print && !bands.Print) || bands.TotalLength() <= 0)
        return std::nullopt;
    if (ARow < FixedRows() || ARow >= RowCount() - FixedFooters())
        return std::nullopt;
    return (ARow - FixedRows()) % bands.TotalLength() < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                               : bands.SecondaryColor();
}

void TExStringGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, platform::TBrush &ABrush,
                                        platform::TFont &AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

TBands &TExStringGrid::Bands() const { return Appearance().Bands; }

TCellNode &TExStringGrid::CellNode() const { return Appearance().CellNode; }

void TExStringGrid::ResolveCellAlignment(int ACol, int ARow, TAlignment &HA, TVAlignment &VA)
{
    VA = VAlignment;
    HA = taLeftJustify;
    const TCellProperties *props = propsOf(ACol, ARow);
    if (props != nullptr) {
        HA = Alignments(ACol, ARow);
        // A record that says where its text goes keeps it there.
        if (HA != taLeftJustify)
            return;
    }
    if (Appearance().AutoNumAlign) {
        const QString text = strippedCellText(richCellPlainText(Cells(ACol, ARow))).trimmed();
        static const QRegularExpression number(QStringLiteral("^[-+]?[0-9][0-9,.]*([eE][-+]?[0-9]+)?$"));
        if (number.match(text).hasMatch() && cellTextToFloat(text).has_value())
            HA = taRightJustify;
    }
}

} // namespace controls
