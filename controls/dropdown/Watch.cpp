#include "controls/dropdown/Watch.h"

#include "controls/dropdown/WatchPainting.h"
#include "controls/dropdown/core/WatchGeometry.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/QtIntervalTimer.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

using namespace platform;
using namespace std::chrono_literals;

namespace {

TWatchTime fromQTime(const QTime &t) { return {t.hour(), t.minute(), t.second(), t.msec()}; }

TWatchTime systemTimeOfDay() { return fromQTime(QTime::currentTime()); }

// The whole of one bitmap onto another of its size, pixels as they are:
// no intermediate copy, since every hand update pays for it.
void copyWhole(TBitmap &to, const TBitmap &from)
{
    QPainter *painter = to.Canvas().painter();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(0, 0, from.image());
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace

TExWatch::TExWatch(QWidget *parent)
    : QWidget(parent), m_watchTimer(std::make_unique<QtIntervalTimer>()),
      m_animationTimer(std::make_unique<QtIntervalTimer>()), m_rollTimer(std::make_unique<QtIntervalTimer>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_model.setSystemTime(systemTimeOfDay);
    m_model.onChange = [this] {
        if (OnChange)
            OnChange(this);
    };
    m_appearance.OnChange = [this](QObject *) { invalidateDial(); };
    m_settings.OnChange = [this](QObject *) { settingsChanged(); };
    bindTimers();
    resize(180, 180);
}

TExWatch::~TExWatch()
{
    // The timers go first: none may tick into a clock half torn down.
    m_rollTimer.reset();
    m_animationTimer.reset();
    m_watchTimer.reset();
    m_appearance.OnChange = nullptr;
    m_settings.OnChange = nullptr;
}

void TExWatch::setTimers(std::unique_ptr<IntervalTimer> watch, std::unique_ptr<IntervalTimer> animation,
                         std::unique_ptr<IntervalTimer> roll)
{
    m_watchTimer = std::move(watch);
    m_animationTimer = std::move(animation);
    m_rollTimer = std::move(roll);
    bindTimers();
}

void TExWatch::bindTimers()
{
    m_watchTimer->setInterval(100ms);
    m_watchTimer->setHandler([this] { watchTick(); });
    m_watchTimer->setEnabled(m_settings.Auto());
    m_animationTimer->setInterval(1ms);
    m_animationTimer->setHandler([this] { animationStep(); });
    m_animationTimer->setEnabled(m_model.timerRunning());
    m_rollTimer->setInterval(10ms);
    m_rollTimer->setHandler([this] { rollStep(); });
    m_rollTimer->setEnabled(m_roll.has_value());
}

void TExWatch::setSystemTime(std::function<TWatchTime()> now)
{
    m_model.setSystemTime(now ? std::move(now) : std::function<TWatchTime()>(systemTimeOfDay));
}

QTime TExWatch::Time() const
{
    const TWatchTime t = m_model.displayTime();
    return QTime(t.hour, t.minute, t.second, t.msec);
}

TWatchTime TExWatch::shownTime() const { return m_model.displayTime(); }

void TExWatch::setTime(const QTime &time)
{
    if (time.isValid())
        changeModel([&] { m_model.setTime(fromQTime(time)); });
}

void TExWatch::setAnimation(bool on)
{
    changeModel([&] { m_model.setAnimation(on); });
}

void TExWatch::StopAnimation()
{
    changeModel([&] { m_model.stopWalk(); });
}

void TExWatch::setShowAMPM(bool show)
{
    if (show == m_showAMPM)
        return;
    m_showAMPM = show;
    invalidateDial();
}

void TExWatch::setShowNumbers(bool show)
{
    if (show == m_showNumbers)
        return;
    m_showNumbers = show;
    invalidateDial();
}

void TExWatch::setStyle(TWatchStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    const TWatchPresetExtras extras = applyWatchPreset(m_appearance, style, size());
    if (extras.animation)
        setAnimation(*extras.animation);
    if (extras.animationFactor)
        setAnimationFactor(*extras.animationFactor);
    if (extras.showAMPM)
        setShowAMPM(*extras.showAMPM);
    if (extras.showNumbers)
        setShowNumbers(*extras.showNumbers);
    invalidateDial();
}

void TExWatch::SetComponentStyle(TFenloStyle style)
{
    applyWatchColorStyle(m_appearance, style);
    invalidateDial();
}

void TExWatch::SetHour(int hour)
{
    changeModel([&] { m_model.setHour(hour); });
}

void TExWatch::SetMinute(int minute)
{
    changeModel([&] { m_model.setMinute(minute); });
}

void TExWatch::WatchKeyDown(int key)
{
    std::optional<TWatchKey> k;
    switch (key) {
    case Qt::Key_A: k = TWatchKey::A; break;
    case Qt::Key_P: k = TWatchKey::P; break;
    case Qt::Key_PageUp: k = TWatchKey::PageUp; break;
    case Qt::Key_PageDown: k = TWatchKey::PageDown; break;
    case Qt::Key_Home: k = TWatchKey::Home; break;
    case Qt::Key_Left: k = TWatchKey::Left; break;
    case Qt::Key_Right: k = TWatchKey::Right; break;
    case Qt::Key_End: k = TWatchKey::End; break;
    default: return;
    }
    changeModel([&] { m_model.keyDown(*k); });
}

template <class Change>
void TExWatch::changeModel(Change &&change)
{
    change();
    m_animationTimer->setEnabled(m_model.timerRunning());
    syncHalf();
    RepaintHands();
}

void TExWatch::syncHalf()
{
    // In Auto mode the box follows the hour shown, elsewhere the stored one.
    const bool am = m_settings.Auto() ? shownTime().hour < 12 : m_model.am();
    if (am == m_am || m_roll)
        return;
    m_am = am;
    DrawWatch();
}

void TExWatch::settingsChanged()
{
    m_watchTimer->setEnabled(m_settings.Auto());
    m_model.setTimeOffset(m_settings.TimeOffset());
    changeModel([&] { m_model.setAuto(m_settings.Auto()); });
    invalidateDial();
}

void TExWatch::invalidateDial()
{
    m_dialDirty = true;
    update();
}

void TExWatch::animationStep()
{
    changeModel([&] { m_model.animationStep(); });
}

void TExWatch::watchTick() { changeModel([] {}); }

QRect TExWatch::AMPMRect() const { return watchAmPmBox(m_appearance, size(), m_showAMPM); }

void TExWatch::fitBitmaps()
{
    if (m_cache.Width() != width() || m_cache.Height() != height()) {
        m_cache.SetSize(width(), height());
        m_screen.SetSize(width(), height());
        m_screenErased = true;
    }
}

void TExWatch::DrawWatch()
{
    if (width() < 1 || height() < 1)
        return;
    fitBitmaps();
    const TWatchScene scene{m_appearance, size(), m_showAMPM, m_showNumbers, m_am, shownTime(),
                            m_settings.Auto() && m_settings.Second()};
    // The margins a round dial leaves keep what the control showed. Hands
    // and the rolling box stay inside the dial, so the cache's margins are
    // the control's unless the control was erased since.
    if (m_screenErased) {
        copyWhole(m_cache, m_screen);
        m_screenErased = false;
    }
    DrawDialInto(&m_cache.Canvas(), scene);
    m_dialDirty = false;
    composeScreen();
}

void TExWatch::RepaintHands()
{
    // A dial still to be drawn is drawn whole by the coming paint.
    if (m_dialDirty) {
        update();
        return;
    }
    composeScreen();
}

void TExWatch::composeScreen()
{
    if (width() < 1 || height() < 1)
        return;
    fitBitmaps();
    TCanvas &screen = m_screen.Canvas();
    copyWhole(m_screen, m_cache);
    if (m_roll)
        DrawAmPmRollFrame(screen, m_appearance, m_roll->box, m_roll->strip, m_roll->y);
    const TWatchScene scene{m_appearance, size(), m_showAMPM, m_showNumbers, m_am, shownTime(),
                            m_settings.Auto() && m_settings.Second()};
    DrawHands(&screen, scene);
    update();
}

void TExWatch::startRoll(bool toPM)
{
    const QRect box = AMPMRect();
    const int h = box.height() - 2;
    m_am = !toPM;
    if (h < 1 || box.width() < 3) {
        DrawWatch();
        return;
    }
    m_roll = Roll{makeAmPmStrip(m_appearance, box.adjusted(1, 1, -1, -1).size()), box, toPM ? 0 : h,
                  toPM ? 1 : -1, h};
    rollStep();
    m_rollTimer->setEnabled(true);
}

void TExWatch::rollStep()
{
    if (!m_roll)
        return;
    if (m_roll->framesLeft == 0) {
        m_rollTimer->setEnabled(false);
        m_roll.reset();
        DrawWatch();
        return;
    }
    composeScreen();
    m_roll->y += m_roll->step;
    --m_roll->framesLeft;
}

void TExWatch::paintEvent(QPaintEvent *)
{
    guarded([this] {
        if (m_dialDirty || m_screen.Width() != width() || m_screen.Height() != height()) {
            fitBitmaps();
            const QColor back = palette().color(backgroundRole());
            m_screen.Canvas().FillColor(Rect(0, 0, width(), height()), RGB(back.red(), back.green(), back.blue()));
            m_screenErased = true;
            DrawWatch();
        }
        QPainter painter(this);
        painter.drawImage(0, 0, m_screen.image());
    });
}

void TExWatch::resizeEvent(QResizeEvent *) { invalidateDial(); }

void TExWatch::mouseReleaseEvent(QMouseEvent *event)
{
    guarded([&] {
        if (m_settings.Auto() || event->button() != Qt::LeftButton)
            return;
        const QPoint p = event->position().toPoint();
        const QRect watch = watchRect(size(), m_appearance.look().Size);
        const QPoint center = watchCenter(watch);
        if (!QRegion(watch, QRegion::Ellipse).contains(p)) {
            SetMinute(minuteAt(center, p));
        } else if (AMPMRect().contains(p)) {
            // A click while the box rolls would roll it against itself.
            if (m_roll)
                return;
            if (Animation()) {
                const bool toPM = m_am;
                if (m_showAMPM && isColorSet(m_appearance.look().AMPMColor)) {
                    startRoll(toPM);
                } else {
                    m_am = !toPM;
                    DrawWatch();
                }
            }
            changeModel([&] { m_model.toggleHalf(); });
        } else {
            SetHour(hourAt(center, p, m_am));
        }
    });
}

void TExWatch::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(AMPMRect().contains(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

} // namespace controls
