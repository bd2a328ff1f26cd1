#include "controls/dropdown/DropDownButton.h"

#include "controls/dropdown/DropDownEdit.h"
#include "controls/grid/base/ThemeBinding.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Edges.h"

#include <QMouseEvent>
#include <QPointer>

namespace controls {

using namespace platform;

namespace {

// The combo box's arrow part and its states.
constexpr int CP_DROPDOWNBUTTON = 1;
constexpr int BP_PUSHBUTTON = 1;
enum ThemeState { stNormal = 1, stHot = 2, stPressed = 3, stDisabled = 4 };

void arrow(TCanvas &canvas, TColor color)
{
    fillPolygon(canvas, {Point(5, 7), Point(11, 7), Point(8, 10)}, color);
}

} // namespace

// ---- the speed button ----

TExDropDownSpeedButton::TExDropDownSpeedButton(TDropDownEditButton &holder) : QWidget(&holder), m_holder(holder)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

TExCustomDropDown *TExDropDownSpeedButton::dropDown() const
{
    return qobject_cast<TExCustomDropDown *>(m_holder.FocusControl());
}

void TExDropDownSpeedButton::setButtonStyle(TButtonStyle style)
{
    m_buttonStyle = style;
    update();
}

void TExDropDownSpeedButton::setEtched(bool etched)
{
    if (etched == m_etched)
        return;
    m_etched = etched;
    update();
}

void TExDropDownSpeedButton::setFocused(bool focused)
{
    if (focused == m_focused)
        return;
    m_focused = focused;
    update();
}

void TExDropDownSpeedButton::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

void TExDropDownSpeedButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TExDropDownSpeedButton::setGlyph(const TBitmap &glyph)
{
    m_glyph = glyph;
    update();
}

void TExDropDownSpeedButton::setNumGlyphs(int count)
{
    m_numGlyphs = std::max(1, count);
    update();
}

void TExDropDownSpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_down = true;
    update();
}

void TExDropDownSpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_down)
        return;
    m_down = false;
    update();
    m_holder.buttonReleased();
}

void TExDropDownSpeedButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hot = true;
    update();
}

void TExDropDownSpeedButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hot = false;
    update();
}

void TExDropDownSpeedButton::paintDropDown(TCanvas &canvas)
{
    const TRect client = Rect(0, 0, width(), height());
    TExCustomDropDown *edit = dropDown();
    if (isColorSet(m_holder.ButtonColor)) {
        const TColor face =
            stateColor(m_holder.ButtonColor, m_holder.ButtonColorHot, m_holder.ButtonColorDown, m_hot, pressed());
        canvas.FillColor(client, face);
        if (edit && edit->BorderColor() != clNone) {
            canvas.Pen().setColor(edit->BorderColor());
            canvas.MoveTo(0, 0);
            canvas.LineTo(0, height());
        }
        arrow(canvas, stateColor(m_holder.ButtonTextColor, m_holder.ButtonTextColorHot,
                                 m_holder.ButtonTextColorDown, m_hot, pressed()));
        return;
    }
    if (!m_glyph.Empty()) {
        canvas.Brush().setStyle(TBrushStyle::bsSolid);
        canvas.Brush().setColor(clBtnFace);
        canvas.Pen().setStyle(TPenStyle::psSolid);
        canvas.Pen().setColor(clGray);
        canvas.Rectangle(client);
        drawSpeedButtonGlyph(canvas, QSize(m_glyph.Width() / m_numGlyphs, m_glyph.Height()), m_glyph, m_numGlyphs,
                             isEnabled(), false);
        return;
    }
    const bool enabled = edit ? edit->isEnabled() && !edit->isReadOnly() : isEnabled();
    if (TOpenTheme theme(ATXPVS(), this, QStringLiteral("combobox")); theme && ATXPVS().Api().IsThemeActive
                                                                        && ATXPVS().Api().IsThemeActive()) {
        TRect r = InflateRect(client, 1, 1);
        r.Left += 1;
        const int state = !enabled ? stDisabled : pressed() ? stPressed : m_hot ? stHot : stNormal;
        theme.DrawBackground(canvas, CP_DROPDOWNBUTTON, state, r);
        return;
    }
    DrawFrameControl(canvas, client, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed() ? DFCS_PUSHED : 0));
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Pen().setWidth(1);
    canvas.Pen().setColor(clBtnFace);
    canvas.MoveTo(width() - 2, 0);
    canvas.LineTo(0, 0);
    canvas.LineTo(0, height() - 1);
    canvas.Pen().setColor(clWhite);
    canvas.MoveTo(width() - 3, 1);
    canvas.LineTo(1, 1);
    canvas.LineTo(1, height() - 2);
    // Greyed where the themed look would draw its disabled arrow.
    arrow(canvas, enabled ? clBlack : clGrayText);
}

void TExDropDownSpeedButton::paintButton(TCanvas &canvas)
{
    TRect r = Rect(0, 0, width(), height());
    if (TOpenTheme theme(ATXPVS(), this, QStringLiteral("button")); theme) {
        const int state = !isEnabled() ? stDisabled : pressed() ? stPressed : m_hot ? stHot : stNormal;
        theme.DrawBackground(canvas, BP_PUSHBUTTON, state, Rect(0, 0, width() + 1, height() + 1));
    } else if (m_flat) {
        canvas.FillColor(r, clBtnFace);
        TRect edge = Rect(0, 0, width() + 1, height() + 1);
        DrawEdge(canvas, edge, m_etched ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (pressed() ? BF_FLAT : 0));
    } else {
        DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed() ? DFCS_PUSHED : 0));
    }
    drawSpeedButtonGlyph(canvas, size(), m_glyph, m_numGlyphs, isEnabled(), pressed());
    if (m_caption.isEmpty())
        return;
    TExCustomDropDown *edit = dropDown();
    setCanvasFont(canvas.Font(), edit ? edit->font() : font(), isEnabled() ? clBtnText : clGrayText);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    r = InflateRect(r, -3, -1);
    if (pressed())
        r = OffsetRect(r, 1, 1);
    canvas.DrawText(m_caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TExDropDownSpeedButton::paint(TCanvas &canvas)
{
    if (m_buttonStyle == TButtonStyle::bsDropDown)
        paintDropDown(canvas);
    else
        paintButton(canvas);
}

QImage TExDropDownSpeedButton::paintFace()
{
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    TCanvas canvas(&image);
    paint(canvas);
    return image;
}

void TExDropDownSpeedButton::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    paint(canvas);
}

// ---- the holder ----

TDropDownEditButton::TDropDownEditButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_button = new TExDropDownSpeedButton(*this);
    m_button->setButtonStyle(TButtonStyle::bsDropDown);
    m_button->setGeometry(0, 0, 16, 25);
    resize(m_bWidth, 25);
}

void TDropDownEditButton::SetBounds(int left, int top, int, int height)
{
    setGeometry(left, top, m_bWidth, height);
}

void TDropDownEditButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (width() != m_bWidth) {
        resize(m_bWidth, height());
        return;
    }
    m_button->setGeometry(0, 0, m_bWidth, height());
}

void TDropDownEditButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        m_button->update();
}

void TDropDownEditButton::buttonReleased()
{
    if (OnClick)
        platform::guarded([this] { OnClick(this); });
}

} // namespace controls
