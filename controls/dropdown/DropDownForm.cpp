#include "controls/dropdown/DropDownForm.h"

#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/ExPopupStrip.h"
#include "controls/dropdown/core/PopupRules.h"
#include "controls/dropdown/paint/Gradient.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Canvas.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QWheelEvent>

namespace controls {

using namespace platform;

namespace {

TTickClock &tickClock()
{
    static TTickClock clock;
    return clock;
}

std::uint32_t systemTicks()
{
    static QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return static_cast<std::uint32_t>(started.elapsed());
}

} // namespace

std::uint32_t dropDownTickCount()
{
    return tickClock() ? tickClock()() : systemTicks();
}

void setDropDownTickClock(TTickClock clock)
{
    tickClock() = std::move(clock);
}

TDropDownForm::TDropDownForm(TExCustomDropDown &dropDown)
    : QWidget(&dropDown, Qt::Popup | Qt::FramelessWindowHint), m_dropDown(&dropDown)
{
    setMinimumSize(MinDropDownSize);
    setFocusPolicy(Qt::StrongFocus);
}

TDropDownForm::~TDropDownForm()
{
    if (m_dropDown)
        platform::guarded([this] { m_dropDown->DropDownFormDestroyed(); });
}

void TDropDownForm::release()
{
    m_dropDown = nullptr;
}

int TDropDownForm::borderWidth() const
{
    return m_dropDown ? std::max(0, m_dropDown->DropDownBorderWidth()) : 0;
}

void TDropDownForm::layoutControl()
{
    if (!m_dropDown)
        return;
    const int border = borderWidth();
    QRect inner = rect().adjusted(border, border, -border, -border);
    if (m_header && !m_header->isHidden()) {
        m_header->setGeometry(inner.left(), inner.top(), inner.width(), m_header->height());
        inner.setTop(inner.top() + m_header->height());
    }
    if (m_footer && !m_footer->isHidden()) {
        m_footer->setGeometry(inner.left(), inner.bottom() + 1 - m_footer->height(), inner.width(),
                              m_footer->height());
        inner.setBottom(inner.bottom() - m_footer->height());
    }
    QWidget *control = m_dropDown->DropDownControl();
    if (!control || control->parentWidget() != this)
        return;
    control->setGeometry(inner);
}

void TDropDownForm::InitializeAndUpdate()
{
    if (!m_dropDown)
        return;
    if (!m_header && m_dropDown->DropDownHeader().Visible()) {
        m_header = new TExHeader(this);
        m_header->setFixedHeight(m_dropDown->DropDownHeader().Height);
    }
    if (m_header) {
        m_header->SetExDropDown(m_dropDown);
        m_header->RecreateButtons();
        m_header->OnDrawBackGround = m_dropDown->OnDrawHeader;
        m_header->OnGetText = m_dropDown->OnGetHeaderText;
    }
    if (!m_footer && m_dropDown->DropDownFooter().Visible()) {
        m_footer = new TExFooter(this);
        m_footer->setFixedHeight(m_dropDown->DropDownFooter().Height);
    }
    if (m_footer) {
        m_footer->SetExDropDown(m_dropDown);
        m_footer->RecreateButtons();
        m_footer->OnDrawBackGround = m_dropDown->OnDrawFooter;
        m_footer->OnGetText = m_dropDown->OnGetFooterText;
    }
    // Closed, the control keeps its size until the popup is sized from it.
    if (isVisible())
        layoutControl();
}

bool TDropDownForm::event(QEvent *event)
{
    // The drop-down may be freed by a handler these events reach; it then
    // leaves this popup to be deleted once the handler has returned.
    QPointer<TDropDownForm> alive(this);
    ++m_busy;
    const bool result = QWidget::event(event);
    if (alive)
        --m_busy;
    return result;
}

void TDropDownForm::paintEvent(QPaintEvent *)
{
    if (!m_dropDown)
        return;
    TCanvas canvas(this);
    const int border = borderWidth();
    const TRect client = Rect(0, 0, width(), height());
    const TRect inner = InflateRect(client, -border, -border);
    const TColor color = m_dropDown->DropDownColor();
    const TColor colorTo = m_dropDown->DropDownColorTo();
    if (color != clNone && colorTo != clNone)
        DrawGradient(canvas, color, colorTo, 80, inner, m_dropDown->DropDownGradient() == gdHorizontal);
    else if (color != clNone)
        canvas.FillColor(inner, color);
    if (border > 0) {
        canvas.Pen().setStyle(TPenStyle::psSolid);
        canvas.Pen().setWidth(border);
        canvas.Pen().setColor(m_dropDown->DropDownBorderColor());
        canvas.Brush().setStyle(TBrushStyle::bsClear);
        canvas.Rectangle(border / 2, border / 2, client.Right, client.Bottom);
    }
}

void TDropDownForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControl();
    update();
    // The drop-down fits its control to the new size first.
    if (m_dropDown && isVisible())
        platform::guarded([this] { m_dropDown->DropDownFormSizing(); });
    if (OnSizing && isVisible())
        platform::guarded([this] { OnSizing(this); });
}

void TDropDownForm::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (m_dropDown && !m_dropDown->takeKeyFromControl(*event))
        platform::guarded([&] { m_dropDown->DropDownFormKeyDown(*event); });
}

void TDropDownForm::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
    if (m_dropDown && !m_dropDown->takeKeyFromControl(*event))
        platform::guarded([&] { m_dropDown->DropDownFormKeyUp(*event); });
}

void TDropDownForm::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (!m_dropDown)
        return;
    bool handled = false;
    const QPoint at = event->position().toPoint();
    platform::guarded([&] {
        if (event->angleDelta().y() < 0)
            m_dropDown->DropDownFormWheelDown(event->modifiers(), at, handled);
        else if (event->angleDelta().y() > 0)
            m_dropDown->DropDownFormWheelUp(event->modifiers(), at, handled);
    });
}

// Qt closes a popup when the user clicks outside it or another window
// becomes active: that is the popup's deactivation.
void TDropDownForm::closeEvent(QCloseEvent *event)
{
    if (m_blockActivate) {
        event->ignore();
        return;
    }
    event->accept();
    if (!isVisible())
        return;
    m_deActivate = dropDownTickCount();
    if (m_dropDown)
        platform::guarded([this] { m_dropDown->DropDownFormDeactivated(m_cancelOnDeActivate); });
}

void TDropDownForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_dropDown)
        platform::guarded([this] { m_dropDown->AfterCloseDropDown(); });
}

} // namespace controls
