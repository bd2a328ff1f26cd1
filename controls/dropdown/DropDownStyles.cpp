// The drop-down's colour styles: one call recolours the popup, its header,
// footer and their buttons; the selection style colours the selected items
// of the lists inside the popups.
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/StyleTables.h"
#include "controls/dropdown/paint/StripPainting.h"

namespace controls {

using namespace platform;

namespace {

// Written straight into the appearance, telling nothing: an open popup
// shows them at its next open or repaint.
void applyStrip(TStripAppearance &strip, const TStripStyleColors &colors)
{
    strip.Color = colors.Color;
    strip.ColorTo = colors.ColorTo;
    strip.Font().setColor(colors.FontColor);
    strip.BorderColor = colors.BorderColor;
}

void applyButtons(TExButtonAppearance &a, const TButtonStyleColors &c)
{
    a.setColor(c.Color);
    a.setColorTo(c.ColorTo);
    a.setBorderColor(c.BorderColor);
    a.setColorHot(c.ColorHot);
    a.setColorHotTo(c.ColorHotTo);
    a.setBorderColorHot(c.BorderColorHot);
    a.setColorDown(c.ColorDown);
    a.setColorDownTo(c.ColorDownTo);
    a.setBorderColorDown(c.BorderColorDown);
    a.setColorDisabled(c.ColorDisabled);
    a.setColorDisabledTo(c.ColorDisabledTo);
}

} // namespace

void TExCustomDropDown::SetComponentStyle(TFenloStyle style)
{
    m_fenloStyle = style;
    const auto colors = dropDownStyleColors(style);
    if (!colors)
        return;
    m_dropDownColor = colors->DropDownColor;
    m_dropDownColorTo = colors->DropDownColorTo;
    if (colors->DropDownBorderColor)
        m_dropDownBorderColor = *colors->DropDownBorderColor;
    applyStrip(m_header, colors->Header);
    applyStrip(m_footer, colors->Footer);
    applyButtons(m_buttonAppearance, colors->Buttons);
    if (m_form)
        m_form->update();
}

void TExCustomDropDown::SetColorTones(const TColorTones &tones)
{
    m_colorTones = tones;
    if (m_button) {
        m_button->ButtonColor = tones.Background.BrushColor;
        m_button->ButtonColorHot = tones.Hover.BrushColor;
        m_button->ButtonColorDown = tones.Selected.BrushColor;
        m_button->ButtonBorderColor = tones.Background.BorderColor;
    }
    setBorderColor(tones.Background.BorderColor);
}

void TExCustomDropDown::setSelectionColorStyle(TSelectionColorStyle style)
{
    m_selectionColorStyle = style;
    if (const auto colors = selectionStyleColors(style)) {
        m_selectionColor = colors->SelectionColor;
        m_selectionColorTo = colors->SelectionColorTo;
    }
}

void TExCustomDropDown::DrawSelection(TCanvas &canvas, const TRect &r, int partKind, TColor cornerColor)
{
    DrawSelectionFace(canvas, r, m_selectionColorStyle, m_selectionColor, m_selectionColorTo, partKind, cornerColor);
}

void TExCustomDropDown::stripsChanged()
{
    if (m_droppedDown && m_form)
        m_form->InitializeAndUpdate();
}

} // namespace controls
