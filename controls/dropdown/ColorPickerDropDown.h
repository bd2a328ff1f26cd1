#pragma once
// A drop-down for choosing a colour: the edit shows a box in the chosen
// colour and a text naming it; the popup shows a list of named colours, a
// palette, a honeycomb cube or a spectrum, as ColorSelectionStyle says.
#include "controls/dropdown/ColorPanels.h"
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/ItemCollection.h"
#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/core/ColorTexts.h"
#include "controls/dropdown/core/TypeAhead.h"

#include <memory>

namespace controls {

enum TColorSelectionStyle : unsigned char { csList, csDiscrete, csColorCube, csSpectrum };

struct TColorItem {
    QString Caption;
    platform::TColor Color = platform::clNone;
    QString Hint;
    bool Enabled = true;
};
using TColorItems = TItemCollection<TColorItem>;

using TDrawColorEvent = std::function<void(QObject *Sender, platform::TCanvas &canvas, platform::TRect r, int index)>;
using TDrawSelectedColorEvent = std::function<void(QObject *Sender, platform::TCanvas &canvas, platform::TRect r)>;

class TExColorPickerDropDown : public TExCustomDropDown {
public:
    TExColorPickerDropDown(TConstructKey key, QWidget *parent, std::unique_ptr<platform::IntervalTimer> searchTimer = {});
    ~TExColorPickerDropDown() override;

    TColorItems &Colors() { return m_colors; }
    // The sixteen named colours, after those there are.
    void AddDefaultColors();
    int ItemIndex() const { return m_itemIndex; }
    // An index past the colours is ignored; any other raises OnSelect,
    // the same one again too.
    void setItemIndex(int index);
    platform::TColor SelectedColor() const { return m_selectedColor; }
    void setSelectedColor(platform::TColor color);
    TColorSelectionStyle ColorSelectionStyle() const { return m_style; }
    void setColorSelectionStyle(TColorSelectionStyle style);
    TColorValueText ColorValueText() const { return m_valueText; }
    void setColorValueText(TColorValueText format);
    bool ShowText() const { return m_showText; }
    void setShowText(bool show);
    int Columns() const { return m_columns; }
    void setColumns(int columns) { m_columns = std::max(1, columns); }
    TItemLayout Layout() const { return m_layout; }
    void setLayout(TItemLayout layout) { m_layout = layout; }
    int ColorBoxWidth() const { return m_boxWidth; }
    void setColorBoxWidth(int width) { m_boxWidth = width; }
    int ColorBoxHeight() const { return m_boxHeight; }
    void setColorBoxHeight(int height) { m_boxHeight = height; }
    TItemAppearance &ItemAppearance() { return m_itemAppearance; }
    // The chosen item's caption in the list style, else the colour as
    // ColorValueText writes it.
    QString SelectedColorText() const;

    void SetComponentStyle(TFenloStyle style) override;
    void setSelectionColorStyle(TSelectionColorStyle style) override;

    TExCustomItemSelector *ItemSelector() const { return m_list; }
    TCustomColorSelector *ColorSelector() const { return m_palette; }
    TExColorCubePanel *ColorCubePanel() const { return m_cube; }
    TExColorSpectrumPanel *SpectrumPanel() const { return m_spectrum; }

    platform::TNotifyEvent OnSelect;
    TDrawSelectedColorEvent OnDrawSelectedColor;
    TDrawColorEvent OnDrawColor;

protected:
    void Initialize() override;
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void ComputeDropDownSize() override;
    void RestoreDropDownValue() override;
    void WheelDown() override;
    void WheelUp() override;
    void PaintNonEditable(platform::TCanvas &canvas) override;
    void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void EnsurePanel(TColorSelectionStyle style);
    // Ensures, hooks and shows the style's panel and hides the others.
    void showPanelFor(TColorSelectionStyle style);
    void FillSelector();
    void colorsChanged();
    void selectInList(int index);
    void SelectorItemSelected();
    void ColorSelectorItemSelected();
    void panelSelected(platform::TColor color);
    QWidget *currentPanel() const;
    void PaintSelectedColor(platform::TCanvas &canvas);

    TColorItems m_colors;
    int m_itemIndex = -1;
    platform::TColor m_selectedColor = platform::clNone;
    TColorSelectionStyle m_style = csList;
    TColorValueText m_valueText = cvtNone;
    bool m_showText = true;
    int m_columns = 1;
    TItemLayout m_layout = ilCaptionRight;
    int m_boxWidth = 14;
    int m_boxHeight = 14;
    TItemAppearance m_itemAppearance;
    // The panels go with the popup; these forget them then.
    QPointer<TExCustomItemSelector> m_list;
    QPointer<TCustomColorSelector> m_palette;
    QPointer<TExColorCubePanel> m_cube;
    QPointer<TExColorSpectrumPanel> m_spectrum;
    TKeySearch m_search;
    bool m_internalCall = false;
    int m_oldItemIndex = -1;
    platform::TColor m_oldSelectedColor = platform::clNone;
    QString m_keyText;
    bool m_stale = true;
};

} // namespace controls
