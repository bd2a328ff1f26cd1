// The multi-column drop-down's colour styles: the base's popup colours
// first, then the header, the grid lines and the selection of the list.
#include "controls/dropdown/MultiColumnDropDown.h"
#include "controls/dropdown/core/MultiColumnStyles.h"

namespace controls::multicol {

void TExMultiColumnDropDown::setSelectionColorStyle(TSelectionColorStyle style)
{
    if (const auto lines = selectionLineColors(style)) {
        m_lineColor = lines->LineColor;
        m_fixedLineColor = lines->FixedLineColor;
    }
    TExCustomDropDown::setSelectionColorStyle(style);
}

void TExMultiColumnDropDown::SetComponentStyle(TFenloStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    const auto colors = multiColumnStyleColors(style);
    if (!colors)
        return;
    m_headerColor = colors->HeaderColor;
    m_headerColorTo = colors->HeaderColorTo;
    if (colors->HeaderFontColor)
        m_headerFont.setColor(*colors->HeaderFontColor);
    setSelectionColorStyle(colors->SelectionColorStyle);
    m_lineColor = colors->Lines.LineColor;
    m_fixedLineColor = colors->Lines.FixedLineColor;
    if (colors->Selection) {
        setSelectionColor(colors->Selection->SelectionColor);
        setSelectionColorTo(colors->Selection->SelectionColorTo);
    }
    m_selectionTextColor = colors->SelectionTextColor;
}

} // namespace controls::multicol
