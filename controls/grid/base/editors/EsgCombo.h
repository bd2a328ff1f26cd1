#pragma once
// The combo box of the grid's editors: it can paint itself flat with its
// own border, focus border and button colours, change colour while it has
// the focus, light its button while the mouse is over it, and carry a
// caption label that it places, enables, shows and hides with itself.
#include "controls/grid/base/editors/AttachedLabel.h"
#include "controls/grid/base/editors/EditorStyle.h"
#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/Color.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Canvas.h"

#include <QComboBox>

namespace controls {

enum class TComboStyle { csDropDown, csSimple, csDropDownList };

class TEsgCustomCombo : public QComboBox, public IEditorGeometry, public TButtonColors, public TLabelProperties {
    Q_OBJECT
public:
    explicit TEsgCustomCombo(QWidget *parent = nullptr);

    // Editable with a list, or a list only; a list that is always open
    // does not exist here and reads as editable.
    TComboStyle Style() const { return isEditable() ? TComboStyle::csDropDown : TComboStyle::csDropDownList; }
    void setStyle(TComboStyle style) { setEditable(style != TComboStyle::csDropDownList); }
    int ItemIndex() const { return currentIndex(); }
    void setItemIndex(int index) { setCurrentIndex(index); }
    bool DroppedDown() const { return m_droppedDown; }
    void setDroppedDown(bool dropped);
    int DropDownCount() const { return maxVisibleItems(); }
    void setDropDownCount(int count) { setMaxVisibleItems(count); }

    bool AutoFocus = false;
    bool AutoComplete = true;
    bool Etched() const { return m_etched; }
    void setEtched(bool etched);
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    platform::TColor FlatLineColor() const { return m_flatLineColor; }
    void setFlatLineColor(platform::TColor color);
    bool FlatParentColor() const { return m_flatParentColor; }
    void setFlatParentColor(bool parentColor);
    platform::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(platform::TColor color);
    platform::TColor FocusBorderColor = platform::clNone;
    platform::TColor FocusColor = platform::clNone;
    bool FocusBorder = false;
    bool DisabledBorder = true;
    // Accepts 14 to 32 only.
    int ButtonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int width);
    int DropWidth() const { return m_dropWidth; }
    void setDropWidth(int width);
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);

    bool IsWinXP = false;
    // With IsVista and no button colour, the platform paints the combo.
    bool IsVista = false;

    platform::TLabel *ComboLabel() const { return attachedLabel().label(); }

    platform::TNotifyEvent OnDropUp;

    // The normal colour, restored when the focus leaves, becomes the
    // current one.
    void Init();
    // Selects the item with exactly that text; leaves the selection
    // otherwise.
    void SelectItem(const QString &text);
    // What the focus does on arrival; descendants call it as inherited.
    virtual void HandleSetFocus();

    bool MouseInControl() const { return m_mouseInControl; }
    bool ButtonHover() const { return m_buttonHover; }
    bool HasFocus() const { return m_hasFocus; }

    QRect editFieldRect() const override;
    QRect dropButtonRect() const override;

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool customPainting() const;
    bool bordersWanted() const;
    void paintButton(platform::TCanvas &canvas) const;
    void paintBorders(platform::TCanvas &canvas) const;
    void applyColor(platform::TColor color);
    platform::TColor parentColor() const;
    bool mouseButtonDown() const;

    bool m_flat = false;
    bool m_etched = false;
    platform::TColor m_oldColor = 0;
    platform::TColor m_loadedColor = platform::clWindow;
    bool m_oldParentColor = false;
    int m_buttonWidth;
    bool m_mouseInControl = false;
    int m_dropWidth = 0;
    bool m_buttonHover = false;
    platform::TColor m_flatLineColor = platform::clNone;
    bool m_flatParentColor = true;
    platform::TColor m_borderColor = platform::clNone;
    platform::TColor m_normalColor = platform::clWindow;
    bool m_hasFocus = false;
    bool m_droppedDown = false;
    platform::TColor m_color = platform::clWindow;
    bool m_settingStyle = false;
};

// The same class with every property public, as the grid's combo editors
// take it.
class TEsgComboBox : public TEsgCustomCombo {
    Q_OBJECT
public:
    using TEsgCustomCombo::TEsgCustomCombo;
};

} // namespace controls
