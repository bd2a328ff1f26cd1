#include "controls/dropdown/TrackBarDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/TrackBarRules.h"
#include "platform/HandlerGuard.h"

#include <QMouseEvent>
#include <QSlider>

#include <algorithm>

namespace controls {

TExTrackBarDropDown::TExTrackBarDropDown(TConstructKey key, QWidget *parent) : TExCustomDropDown(key, parent) {}

void TExTrackBarDropDown::Initialize()
{
    TExCustomDropDown::Initialize();
    setEditorEnabled(false);
    setDropDownEnabled(true);
    setEditType(etNumeric);
    DropDownHeader().setVisible(false);
    DropDownFooter().setVisible(false);
    setForceShadow(true);
    // The text shows the position from the start.
    trackChanged();
}

void TExTrackBarDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!m_trackBar) {
        m_trackBar = new QSlider(Qt::Horizontal, DropDownForm());
        m_trackBar->setTickPosition(QSlider::TicksBelow);
        m_trackBar->setGeometry(0, 0, width(), 40);
        QObject::connect(m_trackBar, &QSlider::valueChanged, this,
                         [this] { platform::guarded([this] { trackChanged(); }); });
        // A drag begun on the edit goes on while the popup holds the mouse.
        DropDownForm()->installEventFilter(this);
        syncRange();
    }
}

void TExTrackBarDropDown::syncRange()
{
    if (!m_trackBar)
        return;
    const QSignalBlocker quiet(m_trackBar);
    m_trackBar->setRange(std::min(m_min, m_max), std::max(m_min, m_max));
    m_trackBar->setPageStep(std::max(1, m_pageSize));
    m_trackBar->setSingleStep(std::max(1, m_frequency));
    m_trackBar->setTickInterval(std::max(1, m_frequency));
    m_trackBar->setValue(m_position);
}

void TExTrackBarDropDown::setPosition(int position)
{
    m_position = clampTrackPosition(position, m_min, m_max);
    if (m_trackBar && m_trackBar->value() != m_position)
        m_trackBar->setValue(m_position);
}

void TExTrackBarDropDown::setMin(int min)
{
    m_min = min;
    syncRange();
    setPosition(m_position);
}

void TExTrackBarDropDown::setMax(int max)
{
    m_max = max;
    syncRange();
    setPosition(m_position);
}

void TExTrackBarDropDown::setPageSize(int pageSize)
{
    m_pageSize = pageSize;
    syncRange();
}

void TExTrackBarDropDown::setFrequency(int frequency)
{
    m_frequency = frequency;
    syncRange();
}

void TExTrackBarDropDown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    if (!m_trackBar)
        return;
    // A click elsewhere keeps the position the slider was moved to.
    DropDownForm()->setCancelOnDeActivate(false);
    syncRange();
    m_trackBar->resize(width(), 40);
    SetDropDownControl(m_trackBar);
}

void TExTrackBarDropDown::trackChanged()
{
    m_position = m_trackBar->value();
    SetPlainText(Prefix() + QString::number(m_position) + Suffix());
    if (OnTrackChange)
        OnTrackChange(this);
}

void TExTrackBarDropDown::HandleTextChange()
{
    TExCustomDropDown::HandleTextChange();
    // A text that is no whole number leaves the position as it is.
    if (const std::optional<int> position = trackTextPosition(Text()))
        setPosition(*position);
}

void TExTrackBarDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    const int pressed = key;
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
    if (EditorEnabled() || (shift & Qt::AltModifier))
        return;
    if (pressed == Qt::Key_Up || pressed == Qt::Key_Down)
        setPosition(trackKeyStep(m_position, pressed == Qt::Key_Up, m_frequency, m_min, m_max));
}

void TExTrackBarDropDown::dragTo(int x)
{
    const int dx = x - m_mouseX;
    m_mouseX = x;
    setPosition(trackDragStep(m_position, dx, m_pageSize, m_min, m_max));
}

void TExTrackBarDropDown::mousePressEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x();
    TExCustomDropDown::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && dragAllowed()) {
        m_mouseX = x;
        m_dragging = true;
    }
}

void TExTrackBarDropDown::mouseMoveEvent(QMouseEvent *event)
{
    TExCustomDropDown::mouseMoveEvent(event);
    if (m_dragging && dragAllowed())
        platform::guarded([&] { dragTo(event->position().toPoint().x()); });
}

void TExTrackBarDropDown::mouseReleaseEvent(QMouseEvent *event)
{
    TExCustomDropDown::mouseReleaseEvent(event);
    m_dragging = false;
}

bool TExTrackBarDropDown::eventFilter(QObject *watched, QEvent *event)
{
    if (m_dragging && watched == DropDownForm()) {
        if (event->type() == QEvent::MouseMove) {
            const auto *move = static_cast<QMouseEvent *>(event);
            if (dragAllowed())
                platform::guarded([&] { dragTo(mapFromGlobal(move->globalPosition().toPoint()).x()); });
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_dragging = false;
        }
    }
    return TExCustomDropDown::eventFilter(watched, event);
}

} // namespace controls
