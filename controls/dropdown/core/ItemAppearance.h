#pragma once
// The colours and font in which the lists of the item drop-downs paint
// their hot and selected items, with the presets of the selection styles
// and of the component styles.
#include "controls/dropdown/core/DropDownTypes.h"
#include "controls/grid/base/Themes.h"
#include "platform/Color.h"

#include <QString>

#include <functional>

namespace controls {

class TItemAppearance {
public:
    // The scOffice2007 preset, Tahoma 8 pt, black texts.
    TItemAppearance();

    platform::TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    platform::TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    platform::TColor BorderColor, BorderColorTop, BorderColorBottom, EdgeColor;
    platform::TColor BorderColorHot = platform::clNone;
    platform::TColor BorderColorSelected = platform::clNone;
    platform::TColor ColorHotText = platform::clBlack;
    platform::TColor ColorSelectedText = platform::clBlack;
    QString FontName = QStringLiteral("Tahoma");
    int FontSize = 8;

    TSelectionColorStyle ColorStyle() const { return m_colorStyle; }
    // Writes the style's preset over the face, mirror, border and edge
    // colours; scCustom only remembers the style.
    void ApplyColorStyle(TSelectionColorStyle style);
    // Copies every setting; a source with another preset style than this
    // one's brings that preset over the copied colours.
    void Assign(const TItemAppearance &source);

    // Nothing here raises it; owners may.
    std::function<void()> OnChange;

private:
    TSelectionColorStyle m_colorStyle = scCustom;
};

// The component style's hot and selected colours, written straight into
// the fields (no notification); nothing for tsCustom or no appearance.
void ApplyItemAppearanceStyle(TItemAppearance *appearance, TFenloStyle style);

} // namespace controls
