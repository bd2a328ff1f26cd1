#pragma once
// What the two date pickers of the grid share over the plain picker: the
// border and focus-border colours, the colours of a drop-down button of
// their own, the metro look, and the hover state of that button. Visual
// styles do not exist here, so every themed part is drawn in its classic
// form.
#include "controls/grid/base/editors/EditorDrawing.h"
#include "controls/grid/base/editors/PickerBase.h"

namespace controls {

// A version number's four bytes from the highest, joined by ".".
QString versionText(std::uint32_t number);

class TFramedDateTimePicker : public TDateTimePickerBase, public TButtonColors {
    Q_OBJECT
public:
    explicit TFramedDateTimePicker(QWidget *parent = nullptr, TDateTimeKind kind = TDateTimeKind::dtkDate);

    platform::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(platform::TColor color);
    bool MetroStyle() const { return m_metroStyle; }
    void setMetroStyle(bool metro);

    // Set by the grid's editor.
    platform::TColor FocusBorderColor = platform::clNone;
    bool DisabledBorder = false;
    bool FocusBorder = false;
    // The common controls draw themed (their disabled frame); never here.
    bool IsThemed = false;

    bool ButtonHover() const { return m_buttonHover; }
    bool MouseInControl() const { return m_mouseInControl; }
    bool HasFocus() const { return m_hasFocus; }

protected:
    // A picker that serves as the time part of another draws no look of
    // its own.
    virtual bool IsTimePart() const { return false; }
    bool metroActive() const { return m_metroStyle && !IsTimePart(); }
    bool hotOrFocused() const { return m_mouseInControl || hasPickerFocus(); }
    bool focusBorderActive() const { return FocusBorder && hotOrFocused(); }
    bool mouseButtonDown() const;

    // The drop-down button in its colours, or the classic flat one.
    void paintButton(platform::TCanvas &canvas, const platform::TRect &r, int faceInset, int arrowLeft) const;
    TEditorBorder border(TBorderRings rings) const;
    // The outline of a picker without its 3-D look.
    void paintOutline(platform::TCanvas &canvas, bool innerAllSides) const;

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    platform::TColor m_borderColor = platform::clNone;
    bool m_metroStyle = false;
    bool m_buttonHover = false;
    bool m_mouseInControl = false;
    bool m_hasFocus = false;
};

// The flat picker: the platform's picker with, in its metro look, a flat
// border in a chosen colour, a focus border, and a flat or coloured
// drop-down button.
class TEsgDateTimePicker : public TFramedDateTimePicker {
    Q_OBJECT
public:
    explicit TEsgDateTimePicker(QWidget *parent = nullptr);

    void setBorderStyle(TBorderStyle style) override;
    // "1.0.0.0"; writing changes nothing.
    QString Version() const;
    void setVersion(const QString &) {}

protected:
    void PaintPicker(platform::TCanvas &canvas) override;

private:
    void paintBorders(platform::TCanvas &canvas);
};

} // namespace controls
