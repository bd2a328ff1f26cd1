#pragma once
// A masked edit for a time of day whose popup shows the analogue clock
// (and, on request, a time picker under it). The edit shows two-digit
// hours, minutes and seconds with the locale's time separator; Up and Down
// step the part under the caret; clicks on the clock set the time while
// the popup is open; a cancel brings back the time the popup opened on.
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/WatchAppearance.h"
#include "controls/dropdown/core/WatchModel.h"

#include <QTime>

namespace controls {

class TDateTimePickerBase;
class TExWatch;

class TExTimePickerDropDown : public TExCustomDropDown {
public:
    TExTimePickerDropDown(TConstructKey key, QWidget *parent);

    QTime Time() const;
    // Shows the time; no OnTimeChange.
    void setTime(const QTime &time);
    bool ShowSeconds() const { return m_showSeconds; }
    void setShowSeconds(bool show);
    bool ShowTimePicker() const { return m_showTimePicker; }
    void setShowTimePicker(bool show) { m_showTimePicker = show; }
    // Handed to the clock at every opening.
    bool ShowWatchAMPM() const { return m_showWatchAMPM; }
    void setShowWatchAMPM(bool show) { m_showWatchAMPM = show; }
    bool ShowWatchNumbers() const { return m_showWatchNumbers; }
    void setShowWatchNumbers(bool show) { m_showWatchNumbers = show; }
    bool Animation() const { return m_animation; }
    void setAnimation(bool on) { m_animation = on; }
    int AnimationFactor() const { return m_animationFactor; }
    void setAnimationFactor(int factor) { m_animationFactor = factor; }
    TWatchAppearance &WatchAppearance() { return m_watchAppearance; }
    void setWatchAppearance(const TWatchAppearance &appearance) { m_watchAppearance.Assign(appearance); }
    TWatchSettings &WatchSettings() { return m_watchSettings; }
    void setWatchSettings(const TWatchSettings &settings) { m_watchSettings.Assign(settings); }

    // Made at the first opening.
    TExWatch *Watch() const { return m_watch; }
    TDateTimePickerBase *TimePicker() const { return m_picker; }

    // The base's colours, then the clock's for the style.
    void SetComponentStyle(TFenloStyle style) override;

    platform::TNotifyEvent OnTimeChange;

protected:
    void Initialize() override;
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void CloseDropDown(bool cancel) override;
    void RestoreDropDownValue() override;
    void AfterCloseDropDown() override;
    void DropDownFormKeyDown(QKeyEvent &event) override;
    void DropDownFormKeyUp(QKeyEvent &event) override;
    void ControlKeyDown(QKeyEvent &event) override;
    void ControlKeyUp(QKeyEvent &event) override;
    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void HandleCharMessage(QChar &key) override;
    void HandleTextChange() override;

private:
    QChar separator() const;
    void applyMask();
    void showTime();
    // A part changed by the keyboard: stored and reported.
    void changeTime(const TWatchTime &time);
    void takeWatchTime();
    void watchChanged();
    void timePickerChanged();

    TWatchTime m_time;
    TWatchTime m_atOpening;
    bool m_showSeconds = true;
    bool m_internalCall = false;
    bool m_showTimePicker = false;
    bool m_showWatchAMPM = true;
    bool m_showWatchNumbers = true;
    bool m_animation = true;
    int m_animationFactor = 10;
    TWatchAppearance m_watchAppearance;
    TWatchSettings m_watchSettings;
    QWidget *m_panel = nullptr;
    TExWatch *m_watch = nullptr;
    TDateTimePickerBase *m_picker = nullptr;
};

} // namespace controls
