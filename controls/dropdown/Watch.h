#pragma once
// The analogue clock: a dial with hour and minute hands (and a second hand
// while it follows the system clock), an AM/PM box, marks and numbers in a
// look of its own or one of twelve presets. Its time logic is the core's
// TWatchModel; this paints it and runs its timers. The dial without hands
// is cached, so that the frequent hand updates of an animation or of Auto
// mode copy the cache and draw only the hands. The AM/PM box rolls to the
// other half of the day one pixel per tick of a timer, never blocking.
#include "controls/dropdown/WatchAppearance.h"
#include "controls/dropdown/core/WatchModel.h"
#include "controls/grid/base/Themes.h"
#include "platform/IntervalTimer.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Bitmap.h"

#include <QTime>
#include <QWidget>

#include <memory>
#include <optional>

namespace controls {

class TExWatch : public QWidget, public IFenloStyle {
public:
    explicit TExWatch(QWidget *parent = nullptr);
    ~TExWatch() override;

    bool Animation() const { return m_model.animation(); }
    // Off stops a walking hand where it is; on again it walks on.
    void setAnimation(bool on);
    // A walking hand stops where it is, for good.
    void StopAnimation();
    int AnimationFactor() const { return m_model.animationFactor(); }
    // At least 1.
    void setAnimationFactor(int factor) { m_model.setAnimationFactor(factor); }
    TWatchAppearance &Appearance() { return m_appearance; }
    const TWatchAppearance &Appearance() const { return m_appearance; }
    void setAppearance(const TWatchAppearance &appearance) { m_appearance.Assign(appearance); }
    TWatchSettings &Settings() { return m_settings; }
    const TWatchSettings &Settings() const { return m_settings; }
    void setSettings(const TWatchSettings &settings) { m_settings.Assign(settings); }
    // The stored time; no OnChange.
    QTime Time() const;
    void setTime(const QTime &time);
    bool ShowAMPM() const { return m_showAMPM; }
    void setShowAMPM(bool show);
    bool ShowNumbers() const { return m_showNumbers; }
    void setShowNumbers(bool show);
    TWatchStyle Style() const { return m_style; }
    // A preset over the first look; the style it already has does nothing.
    void setStyle(TWatchStyle style);
    // The half of the day the box shows.
    bool AM() const { return m_am; }

    // Animated while Animation is on; an hour of 24 or more, a minute of 60
    // or more is ignored.
    void SetHour(int hour);
    void SetMinute(int minute);
    void SetComponentStyle(TFenloStyle style) override;
    // Keys the owner forwards (Qt key codes): A, P, Page Up and Down, Home,
    // Left, Right, End; nothing in Auto mode.
    void WatchKeyDown(int key);

    // Raised when a change reaches the target of the last animated one.
    platform::TNotifyEvent OnChange;

    // The whole clock again: the dial into the cache, then the hands.
    void DrawWatch();
    // The cache and the hands over it; the dial is not drawn.
    void RepaintHands();
    QRect AMPMRect() const;
    // The dial as last fully drawn, and what the control shows.
    const QImage &cacheImage() const { return m_cache.image(); }
    const QImage &screenImage() const { return m_screen.image(); }

    // Timers and the time of day, replaced by tests.
    void setTimers(std::unique_ptr<platform::IntervalTimer> watch, std::unique_ptr<platform::IntervalTimer> animation,
                   std::unique_ptr<platform::IntervalTimer> roll);
    void setSystemTime(std::function<TWatchTime()> now);
    platform::IntervalTimer &watchTimer() const { return *m_watchTimer; }
    platform::IntervalTimer &animationTimer() const { return *m_animationTimer; }
    bool rolling() const { return m_roll.has_value(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    struct Roll {
        platform::TBitmap strip;
        QRect box;
        int y;
        int step;
        int framesLeft;
    };

    void bindTimers();
    void settingsChanged();
    void invalidateDial();
    // After the model moved: the timer follows, the box follows the half of
    // the day, the hands are repainted.
    template <class Change>
    void changeModel(Change &&change);
    void syncHalf();
    void startRoll(bool toPM);
    void rollStep();
    void animationStep();
    void watchTick();
    void composeScreen();
    void fitBitmaps();
    TWatchTime shownTime() const;

    TWatchModel m_model;
    TWatchAppearance m_appearance;
    TWatchSettings m_settings;
    TWatchStyle m_style = wsClassic;
    bool m_showAMPM = true;
    bool m_showNumbers = true;
    bool m_am = true;
    bool m_dialDirty = true;
    // The control was erased (or resized) since the cache last took it.
    bool m_screenErased = true;
    platform::TBitmap m_cache;
    platform::TBitmap m_screen;
    std::optional<Roll> m_roll;
    std::unique_ptr<platform::IntervalTimer> m_watchTimer;
    std::unique_ptr<platform::IntervalTimer> m_animationTimer;
    std::unique_ptr<platform::IntervalTimer> m_rollTimer;
};

} // namespace controls
