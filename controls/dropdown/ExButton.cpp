#include "controls/dropdown/ExButton.h"

#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/paint/ImageAndText.h"
#include "controls/dropdown/paint/TextFitting.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace controls {

using namespace platform;

std::optional<bool> closeByModalResult(int modalResult)
{
    switch (modalResult) {
    case 1:  // OK
    case 6:  // Yes
    case 12: // All
    case 14: // YesToAll
        return false;
    case 2:  // Cancel
    case 3:  // Abort
    case 5:  // Ignore
    case 7:  // No
    case 13: // NoToAll
        return true;
    default:
        return std::nullopt;
    }
}

TExButton::TExButton(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    resize(23, 22);
    m_imagesLink.OnFree = [this] {
        m_images = nullptr;
        update();
    };
}

void TExButton::setAppearance(TExButtonAppearance *appearance)
{
    m_appearance = appearance;
    update();
}

void TExButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TExButton::setImages(const TImageList *images)
{
    if (m_images)
        const_cast<TImageList *>(m_images)->UnRegisterChanges(m_imagesLink);
    m_images = images;
    if (m_images)
        const_cast<TImageList *>(m_images)->RegisterChanges(m_imagesLink);
    update();
}

void TExButton::setImageIndex(int index)
{
    m_imageIndex = index;
    update();
}

void TExButton::AutoSizeToContent()
{
    if (!m_appearance)
        return;
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&scratch);
    canvas.Font().Assign(m_appearance->Font());
    QSize content = MeasureTextSize(canvas, m_caption);
    if (m_images && m_imageIndex >= 0)
        content = content.expandedTo(QSize(m_images->Width(), m_images->Height()));
    resize(content.width() + 8, content.height() + 4);
}

TExButtonState TExButton::State() const
{
    if (!isEnabled())
        return TExButtonState::Disabled;
    if (m_down && m_mouseInControl)
        return TExButtonState::Down;
    if (m_mouseInControl || hasFocus())
        return TExButtonState::Hot;
    return TExButtonState::Up;
}

template <class Step>
void TExButton::guardedStep(Step &&step)
{
    // The popup holding this button outlives the step even when a handler
    // frees the drop-down; the button then goes with it afterwards.
    QPointer<TDropDownForm> form = qobject_cast<TDropDownForm *>(window());
    if (form)
        form->enterHandler();
    platform::guarded(std::forward<Step>(step));
    if (form)
        form->leaveHandler();
}

void TExButton::Click()
{
    QPointer<TExButton> alive(this);
    if (m_dropDown) {
        if (const auto cancel = closeByModalResult(m_modalResult))
            m_dropDown->HideDropDown(*cancel);
    }
    if (alive && !m_internalClick && OnClick)
        OnClick(this);
}

void TExButton::DrawButton(TCanvas &canvas)
{
    if (!m_appearance)
        return;
    const TRect r = Rect(0, 0, width(), height());
    DrawExButtonFace(canvas, r, *m_appearance, State());
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    canvas.Font().Assign(m_appearance->Font());
    DrawImageAndText(&canvas, r, m_caption, m_imageIndex, m_images);
}

void TExButton::paintEvent(QPaintEvent *)
{
    // The strip shows through: Qt paints the parent first.
    TCanvas canvas(this);
    platform::guarded([&] { DrawButton(canvas); });
}

void TExButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_mouseInControl = true;
    update();
    if (OnMouseEnter)
        guardedStep([this] { OnMouseEnter(this); });
}

void TExButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_mouseInControl = false;
    update();
    if (OnMouseLeave)
        guardedStep([this] { OnMouseLeave(this); });
}

void TExButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_down = true;
    m_dragging = true;
    m_mouseInControl = true;
    update();
}

void TExButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != m_mouseInControl) {
        m_mouseInControl = inside;
        update();
    }
}

void TExButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    m_down = false;
    m_dragging = false;
    m_mouseInControl = inside;
    update();
    if (inside)
        guardedStep([this] { Click(); });
}

void TExButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        QPointer<TExButton> alive(this);
        m_internalClick = true;
        guardedStep([this] { Click(); });
        if (alive)
            m_internalClick = false;
        return;
    }
    QWidget::keyPressEvent(event);
}

void TExButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        m_down = m_dragging = false;
        update();
    }
}

} // namespace controls
