#pragma once
// The date/time picker of the grid's date editors: a picker with a flat or
// metro border, a drop-down button of its own and automatic advance from
// field to field while digits are typed (AutoTab); and on top of it the
// picker with a caption label, a combined date-and-time kind with an
// embedded time part, and a check box that switches the time part off.
#include "controls/grid/base/editors/AttachedLabel.h"
#include "controls/grid/base/editors/FramedPicker.h"

#include <QEvent>
#include <QPointer>

namespace controls {

enum class TExDateTimeKind { dkDate, dkTime, dkDateTime };

// The event a picker posts to itself after a digit, to move on once the
// digit has changed its field; one number for the whole program.
QEvent::Type DTPShiftFocus();

class TCustomDateTimePicker : public TFramedDateTimePicker {
    Q_OBJECT
public:
    explicit TCustomDateTimePicker(QWidget *parent = nullptr, TDateTimeKind kind = TDateTimeKind::dtkDate);

    bool AutoTab() const { return m_autoTab; }
    virtual void setAutoTab(bool autoTab) { m_autoTab = autoTab; }
    void setBorderStyle(TBorderStyle style) override;

    // The key-downs of a picker that serves as another's time part go to
    // that picker's own key-down step.
    std::function<void(int &key, Qt::KeyboardModifiers shift)> OnKeyDownForward;
    std::function<void(QChar &key)> OnKeyPressForward;

    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void HandleKeyPress(QChar &key) override;

protected:
    // The AutoTab step, run when DTPShiftFocus arrives.
    virtual void DoShiftFocus();
    // Before a digit: what the digit may change.
    virtual void rememberBeforeDigit();
    bool IsTimePart() const override { return true; }
    void postRightArrow();

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void PaintPicker(platform::TCanvas &canvas) override;

    quint16 Fh = 0, Fm = 0, Fs = 0, Fms = 0;

private:
    bool m_autoTab = false;
};

class TExDateTimePicker : public TCustomDateTimePicker, public TLabelProperties {
    Q_OBJECT
public:
    explicit TExDateTimePicker(QWidget *parent = nullptr);

    TExDateTimeKind Kind() const { return m_kind; }
    void setKind(TExDateTimeKind kind);

    // The date with the time part's time of day.
    TDateTime DateTime() const;
    // Cut to whole seconds; the time part gets the same value.
    virtual void SetDateTime(TDateTime value);
    TDateTime Date() const { return wholeDays(DateTime()); }
    // Keeps the time of day.
    void setDate(TDateTime date);
    TDateTime Time() const;
    void setTime(TDateTime time);
    QString TimeFormat() const { return m_timeFormat; }
    void setTimeFormat(const QString &format);
    void setAutoTab(bool autoTab) override;
    void setBorderStyle(TBorderStyle style) override;

    // "1.2.0.0"; writing changes nothing.
    QString Version() const;
    void setVersion(const QString &) {}

    TCustomDateTimePicker *TimePicker() const { return m_timePicker; }

    platform::TLabel *PickerLabel() const { return attachedLabel().label(); }

    platform::TNotifyEvent OnTimeChange;
    platform::TNotifyEvent OnLabelClick;
    platform::TNotifyEvent OnLabelDblClick;

protected:
    virtual void DoPickerChange();
    virtual void DoPickerClick();
    virtual void TimePartKeyPress(QChar &key) {}

    void DoShiftFocus() override;
    void rememberBeforeDigit() override;
    bool IsTimePart() const override { return false; }
    void DateTimeChanged() override;
    int editFieldRight() const override;

    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void createTimePart();
    void layoutTimePart();
    void enableTimePart();
    void focusTimePart();

    TExDateTimeKind m_kind = TExDateTimeKind::dkDateTime;
    QString m_timeFormat;
    quint16 Fy = 0, Fmo = 0, Fd = 0;
    QPointer<TCustomDateTimePicker> m_timePicker;
    bool m_laying = false;
};

} // namespace controls
