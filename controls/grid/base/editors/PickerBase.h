#pragma once
// The date and time picker the two pickers of the grid build on, in place
// of the system's: a QDateTimeEdit that shows the date or the time in
// fields, steps a field with the arrow keys and moves between fields with
// Left and Right (it never moves on by itself), drops a calendar from its
// button, and can carry a check box that says whether there is a value.
// It paints its own frame, check box and button, and leaves the look of
// those to its descendants.
#include "controls/grid/base/DateText.h"
#include "controls/grid/base/editors/EditorStyle.h"
#include "platform/Color.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Canvas.h"

#include <QDateTimeEdit>
#include <QPointer>

class QCalendarWidget;

namespace controls {

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TBorderStyle { bsNone, bsSingle };

class TDateTimePickerBase : public QDateTimeEdit, public IEditorGeometry {
    Q_OBJECT
public:
    explicit TDateTimePickerBase(QWidget *parent = nullptr);
    // A picker made as a time from the start parses one display format, not two.
    TDateTimePickerBase(QWidget *parent, TDateTimeKind kind);
    ~TDateTimePickerBase() override;

    // The platform's own kind: a date with a calendar, or a time with arrows.
    TDateTimeKind PlatformKind() const { return m_kind; }
    void setPlatformKind(TDateTimeKind kind);

    TDateTime PlatformDateTime() const { return m_value; }
    // The platform's set-date-time step.
    virtual void setPlatformDateTime(TDateTime value);
    // A custom format ("dd.MM.yyyy", "HH:mm"); empty shows the short date
    // or the long time of the format settings.
    QString Format() const { return m_format; }
    void setFormat(const QString &format);

    bool ShowCheckbox() const { return m_showCheckbox; }
    void setShowCheckbox(bool show);
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);

    // A sunken edge around the picker, or with a single border a line.
    bool Ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool ctl3D);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    virtual void setBorderStyle(TBorderStyle style);
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);

    bool DroppedDown() const;
    void DropDown();
    void CloseUp();
    QCalendarWidget *calendar() const { return m_calendar; }

    platform::TNotifyEvent OnChange;
    platform::TNotifyEvent OnClick;

    // The key-down step (Tab, Enter and Escape reach descendants here).
    virtual void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) {}
    virtual void HandleKeyPress(QChar &key) {}

    // The parts, in the picker's pixels: the frame's width, the area
    // inside it, the check box, the button (the arrows of a time picker).
    int frameWidth() const;
    QRect clientRect() const;
    QRect checkBoxRect() const;
    int ButtonWidth() const { return m_buttonWidth; }
    QRect editFieldRect() const override;
    QRect dropButtonRect() const override;
    QRect upButtonRect() const override;
    QRect downButtonRect() const override;

    // The picture as it is painted now.
    QImage paintPicture();

protected:
    // The value changed, by the user or by the program, or the check box
    // was ticked or cleared.
    virtual void DateTimeChanged() {}
    // Paints the whole picker; the default is the platform's plain look.
    virtual void PaintPicker(platform::TCanvas &canvas);
    void PaintPlatform(platform::TCanvas &canvas);
    // The field of the edit ends here (an embedded part may follow it).
    virtual int editFieldRight() const;
    void layoutEditField();
    platform::TColor parentColor() const;
    bool hasPickerFocus() const;

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showValue();
    void takeEditedValue();
    void moveSection(int by);
    void calendarChosen(const QDate &date);

    TDateTimeKind m_kind = TDateTimeKind::dtkDate;
    TDateTime m_value = 0;
    QString m_format;
    bool m_showCheckbox = false;
    bool m_checked = true;
    bool m_ctl3D = true;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    platform::TColor m_color = platform::clWindow;
    int m_buttonWidth;
    bool m_showing = false;
    bool m_formatShown = false;
    QPointer<QWidget> m_popup;
    QCalendarWidget *m_calendar = nullptr;
};

// The date and time of a day count with its time of day as the fraction,
// and back; the time of day is cut to whole seconds on the way back when
// asked.
QDateTime toQDateTime(TDateTime value);
TDateTime fromQDateTime(const QDateTime &value);
// The whole days of a value and its time of day cut to whole seconds.
TDateTime wholeDays(TDateTime value);
TDateTime timeOfDay(TDateTime value);
TDateTime joinDayAndTime(TDateTime day, TDateTime time);

} // namespace controls
