#pragma once
// The spin edit: a one-line edit with a pair of arrow buttons that step its
// value, an integer, a floating-point number, a date or a time. The arrows
// repeat while held (after 400 ms, then every 100 ms); the arrow keys and
// Page Up and Page Down step too.
#include "controls/grid/base/DateText.h"
#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/Color.h"
#include "platform/IntervalTimer.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Bitmap.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <memory>

namespace controls {

enum class TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum class TSpinDirection { spVertical, spHorizontal };
enum class TEditAlign { eaLeft, eaRight, eaCenter };
enum class TButtonDirection { bdLeft, bdRight, bdUp, bdDown };

class TEsgSpinButton;

// An arrow button that clicks once when pressed and again while held.
class TExTimerSpeedButton : public QWidget {
    Q_OBJECT
public:
    TExTimerSpeedButton(TEsgSpinButton &owner, TButtonDirection direction);

    TButtonDirection ButtonDirection() const { return m_direction; }
    void setButtonDirection(TButtonDirection direction);
    bool AllowTimer() const { return m_allowTimer; }
    void setAllowTimer(bool allow) { m_allowTimer = allow; }
    // The mark of the arrow that Space clicks.
    bool FocusMark() const { return m_focusMark; }
    void setFocusMark(bool mark);
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    void setWinXP(bool xp) { m_isWinXP = xp; }

    const platform::TBitmap &Glyph() const { return m_glyph; }
    void setGlyph(const platform::TBitmap &glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count);

    bool Pressed() const { return m_pressed; }
    bool HasMouse() const { return m_hasMouse; }

    // The repeat timer; made on first use unless a test gives one.
    void setRepeatTimer(std::unique_ptr<platform::IntervalTimer> timer);

    platform::TNotifyEvent OnClick;
    // A press with the left button, before the click.
    std::function<void()> OnLeftPress;

    void Click();
    QImage paintFace() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void timerTick();
    platform::IntervalTimer &repeatTimer();
    void paint(platform::TCanvas &canvas) const;

    TEsgSpinButton &m_owner;
    TButtonDirection m_direction;
    std::unique_ptr<platform::IntervalTimer> m_repeatTimer;
    bool m_allowTimer = true;
    bool m_focusMark = false;
    bool m_flat = false;
    bool m_isWinXP = false;
    bool m_hasMouse = false;
    bool m_pressed = false;
    platform::TBitmap m_glyph;
    int m_numGlyphs = 1;
};

// The pair of arrows.
class TEsgSpinButton : public QWidget, public TButtonColors {
    Q_OBJECT
public:
    explicit TEsgSpinButton(QWidget *parent = nullptr);

    TExTimerSpeedButton *UpButton() const { return m_upButton; }
    TExTimerSpeedButton *DownButton() const { return m_downButton; }

    TSpinDirection Direction() const { return m_direction; }
    void setDirection(TSpinDirection direction);
    // The control that takes the focus when an arrow is pressed.
    QWidget *FocusControl() const { return m_focusControl; }
    void setFocusControl(QWidget *control) { m_focusControl = control; }

    const platform::TBitmap &UpGlyph() const { return m_upButton->Glyph(); }
    // An empty bitmap brings back the arrow's own picture.
    void setUpGlyph(const platform::TBitmap &glyph);
    const platform::TBitmap &DownGlyph() const { return m_downButton->Glyph(); }
    void setDownGlyph(const platform::TBitmap &glyph);
    int UpNumGlyphs() const { return m_upButton->NumGlyphs(); }
    void setUpNumGlyphs(int count) { m_upButton->setNumGlyphs(count); }
    int DownNumGlyphs() const { return m_downButton->NumGlyphs(); }
    void setDownNumGlyphs(int count) { m_downButton->setNumGlyphs(count); }


    void SetWinXPLook(bool xp);

    platform::TNotifyEvent OnUpClick;
    platform::TNotifyEvent OnDownClick;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void layoutButtons();
    void arrowPressed(TExTimerSpeedButton *button);
    TExTimerSpeedButton *focusedButton() const { return m_focusedButton; }
    void setFocusedButton(TExTimerSpeedButton *button);

    TExTimerSpeedButton *m_upButton;
    TExTimerSpeedButton *m_downButton;
    TExTimerSpeedButton *m_focusedButton;
    QPointer<QWidget> m_focusControl;
    TSpinDirection m_direction = TSpinDirection::spVertical;
};

class TEsgSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEsgSpinEdit(QWidget *parent = nullptr);

    TEsgSpinButton *Button() const { return m_button; }

    // The text as an integer: 0 when empty, MinValue when it is no number.
    int Value() const;
    // Clamped to MinValue..MaxValue unless the two are equal.
    void setValue(int value);
    // The text as a number: MinFloatValue when it is none.
    double FloatValue() const;
    void setFloatValue(double value);
    // The text as a date, MinDateValue when it is none; an empty text or
    // "0" is now.
    TDateTime DateValue() const;
    void setDateValue(TDateTime value);
    // The text as a time of day, 0 when it is none. Times are not held to
    // the date range.
    TDateTime TimeValue() const;
    void setTimeValue(TDateTime value);

    TEsgSpinType SpinType() const { return m_spinType; }
    // Reformats the text through the value of the new kind.
    void setSpinType(TEsgSpinType type);
    int Precision() const { return m_precision; }
    void setPrecision(int precision);

    int MinValue = 0;
    int MaxValue = 100;
    double MinFloatValue = 0;
    double MaxFloatValue = 100;
    TDateTime MinDateValue = 0;
    TDateTime MaxDateValue = 0;
    int Increment = 1;
    double IncrementFloat = 0.1;
    double IncrementFloatPage = 1.0;
    int IncrementHours = 1;
    int IncrementMinutes = 1;
    int IncrementSeconds = 1;
    bool ShowSeconds = true;
    bool ReturnIsTab = false;
    bool ExcelStyleDecimalSeparator = false;
    // Stored for the grid; an empty text reads as each kind says.
    bool AllowEmptyValue = false;
    bool AutoSelect = true;

    // Typing, pasting and cutting; the arrows step either way.
    bool EditorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool enabled) { m_editorEnabled = enabled; }
    TSpinDirection Direction() const { return m_button->Direction(); }
    void setDirection(TSpinDirection direction);
    TEditAlign EditAlign() const { return m_editAlign; }
    void setEditAlign(TEditAlign align);
    bool SpinFlat() const { return m_spinFlat; }
    void setSpinFlat(bool flat);
    bool SpinTransparent() const { return m_spinTransparent; }
    void setSpinTransparent(bool transparent) { m_spinTransparent = transparent; }
    // A frame around the edit (single) or none.
    bool BorderSingle() const { return m_borderSingle; }
    void setBorderSingle(bool single);

    void SetWinXPLook(bool xp);

    virtual void StepUp(bool page);
    virtual void StepDown(bool page);
    virtual bool IsValidSpinChar(QChar key) const;
    virtual void UpButtonClick();
    virtual void DownButtonClick();

    // The key-down, character and key-press steps, for descendants to call
    // as inherited.
    virtual void HandleKeyDown(int &key, Qt::KeyboardModifiers shift);
    virtual void HandleCharMessage(QChar &key, bool numericKeypad);
    virtual void HandleKeyPress(QChar &key);

    int minimumEditHeight() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void step(int sign, bool page);
    void stepDate(int sign);
    void stepTime(int sign);
    void writeKeepingCaret(const QString &text);
    void layoutButton();
    bool editable() const { return m_editorEnabled && !isReadOnly(); }

    TEsgSpinButton *m_button;
    TDateTime m_dateValue = 0;
    TDateTime m_timeValue = 0;
    TEsgSpinType m_spinType = TEsgSpinType::sptNormal;
    int m_precision = 0;
    bool m_editorEnabled = true;
    TEditAlign m_editAlign = TEditAlign::eaLeft;
    bool m_spinFlat = false;
    bool m_spinTransparent = false;
    bool m_borderSingle = true;
    bool m_isWinXP = false;
};

} // namespace controls
