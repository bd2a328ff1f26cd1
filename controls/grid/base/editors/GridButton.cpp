#include "controls/grid/base/editors/GridButton.h"

#include "controls/grid/base/editors/EditorDrawing.h"
#include "controls/grid/base/editors/EditorKeys.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Edges.h"
#include "platform/draw/Gradient.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <array>

namespace controls {

using namespace platform;

namespace {

constexpr int kDropDownPart = 12;
constexpr int kGradientBands = 16;

struct LookColors {
    TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
};

constexpr std::array<LookColors, 7> Looks{{
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
}};

// The look the desktop's scheme asks for: without visual styles, look 1.
constexpr int kUnthemedLook = 1;

// Fills the rectangle top to bottom in bands from one colour to the other
// (one band when to is not set), then outlines it.
void fillGradient(TCanvas &canvas, const TRect &r, TColor from, TColor to, TColor outline)
{
    if (isColorSet(to))
        DrawBandGradient(canvas, r, from, to, kGradientBands, TGradientAxis::Vertical);
    else
        canvas.FillColor(r, from);
    frameRect(canvas, r, outline);
}

void roundedOutline(TCanvas &canvas, const TRect &r, TColor color)
{
    canvas.Pen().setColor(color);
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
}

bool isPressed(TButtonState s) { return s == TButtonState::bsDown || s == TButtonState::bsExclusive; }

int centred(int extent, int size) { return (extent - size + 1) / 2; }

} // namespace

TButtonContentLayout layoutButtonContent(const QRect &client, QPoint offset, QSize glyph, QSize text,
                                         TButtonLayout layout, int margin, int spacing, bool rightToLeft)
{
    if (rightToLeft && layout == TButtonLayout::blGlyphLeft)
        layout = TButtonLayout::blGlyphRight;
    else if (rightToLeft && layout == TButtonLayout::blGlyphRight)
        layout = TButtonLayout::blGlyphLeft;
    const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;

    // Along is the axis of the layout, across the other one.
    const int extent = horizontal ? client.width() : client.height();
    const int glyphAlong = horizontal ? glyph.width() : glyph.height();
    const int textAlong = horizontal ? text.width() : text.height();
    const int glyphAcross = centred(horizontal ? client.height() : client.width(),
                                    horizontal ? glyph.height() : glyph.width());
    const int textAcross =
        centred(horizontal ? client.height() : client.width(), horizontal ? text.height() : text.width());

    if (text.width() == 0 || glyph.width() == 0)
        spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = (extent - glyphAlong - textAlong) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (extent - glyphAlong - spacing - textAlong + 1) / 2;
    } else if (spacing == -1) {
        spacing = (extent - margin - glyphAlong - textAlong) / 2;
    }

    int glyphAt = 0;
    int textAt = 0;
    if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop) {
        glyphAt = margin;
        textAt = glyphAt + glyphAlong + spacing;
    } else {
        glyphAt = extent - margin - glyphAlong;
        textAt = glyphAt - spacing - textAlong;
    }
    const QPoint origin = client.topLeft() + offset;
    TButtonContentLayout result;
    result.glyph = origin + (horizontal ? QPoint(glyphAt, glyphAcross) : QPoint(glyphAcross, glyphAt));
    result.text = QRect(origin + (horizontal ? QPoint(textAt, textAcross) : QPoint(textAcross, textAt)), text);
    return result;
}

TBitmap greyedGlyph(const TBitmap &glyph)
{
    QImage image = glyph.image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int average = (qRed(row[x]) + qGreen(row[x]) + qBlue(row[x])) / 3;
            const int grey = average / 2 + 96;
            row[x] = qRgba(grey, grey, grey, qAlpha(row[x]));
        }
    }
    TBitmap result(image);
    result.setTransparent(glyph.Transparent());
    return result;
}

TBitmap shadowGlyph(const TBitmap &glyph)
{
    if (glyph.Empty())
        return {};
    const TColor key = glyph.TransparentColor();
    TBitmap shadow(glyph.Width(), glyph.Height());
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x)
            shadow.Canvas().SetPixel(x, y, glyph.Canvas().Pixel(x, y) == key ? key : TColor(0x808080));
    shadow.setTransparent(true);
    return shadow;
}

TExGridButton::TExGridButton(QWidget *parent) : QWidget(parent)
{
    resize(22, 23);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

TExGridButton::~TExGridButton() = default;

void TExGridButton::setCaption(const QString &caption)
{
    m_caption = caption;
    updateAccelerator();
    update();
}

void TExGridButton::updateAccelerator()
{
    m_accelerator = grabAccelerator(*this, m_accelerator, m_caption);
}

void TExGridButton::setGlyph(const TBitmap &glyph)
{
    m_glyph = glyph;
    m_glyph.setTransparent(true);
    if (m_glyphDisabled.Empty() && !glyph.Empty())
        m_glyphDisabled = greyedGlyph(m_glyph);
    if (m_shaded)
        m_glyphShade = shadowGlyph(m_glyph);
    update();
}

void TExGridButton::setGlyphHot(const TBitmap &glyph)
{
    m_glyphHot = glyph;
    m_glyphHot.setTransparent(true);
}

void TExGridButton::setGlyphDown(const TBitmap &glyph)
{
    m_glyphDown = glyph;
    m_glyphDown.setTransparent(true);
}

void TExGridButton::setGlyphDisabled(const TBitmap &glyph)
{
    m_glyphDisabled = glyph;
    m_glyphDisabled.setTransparent(true);
}

void TExGridButton::setShaded(bool shaded)
{
    m_shaded = shaded;
    if (shaded)
        m_glyphShade = shadowGlyph(m_glyph);
}

void TExGridButton::setGroupIndex(int index)
{
    if (index == m_groupIndex)
        return;
    m_groupIndex = index;
    notifyGroup();
}

void TExGridButton::setAllowAllUp(bool allow)
{
    if (allow == m_allowAllUp)
        return;
    m_allowAllUp = allow;
    notifyGroup();
}

void TExGridButton::setDown(bool down)
{
    if (m_groupIndex == 0 && m_style != TExGridButtonStyle::tasCheck)
        down = false;
    if (m_style == TExGridButtonStyle::tasCheck) {
        m_down = down;
        repaint();
        return;
    }
    if (down == m_down || (m_down && !m_allowAllUp))
        return;
    m_down = down;
    if (down) {
        if (m_state == TButtonState::bsUp)
            update();
        m_state = TButtonState::bsExclusive;
        notifyGroup();
    } else {
        m_state = TButtonState::bsUp;
        repaint();
    }
}

void TExGridButton::notifyGroup()
{
    if (m_groupIndex == 0 || !parentWidget())
        return;
    for (TExGridButton *other : parentWidget()->findChildren<TExGridButton *>(Qt::FindDirectChildrenOnly))
        other->ButtonPressed(m_groupIndex, this);
}

void TExGridButton::ButtonPressed(int groupIndex, TExGridButton *sender)
{
    if (groupIndex != m_groupIndex)
        return;
    if (sender != this && sender->Down() && m_down) {
        m_down = false;
        m_state = TButtonState::bsUp;
        if (m_action && m_action->isCheckable())
            m_action->setChecked(false);
        update();
    }
    m_allowAllUp = sender->AllowAllUp();
}

void TExGridButton::setStyle(TExGridButtonStyle style)
{
    m_style = style;
    update();
}

void TExGridButton::setLayout(TButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TExGridButton::setSpacing(int spacing)
{
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    update();
}

void TExGridButton::setMargin(int margin)
{
    if (margin == m_margin || margin < -1)
        return;
    m_margin = margin;
    update();
}

void TExGridButton::setShowCaption(bool show)
{
    if (show == m_showCaption)
        return;
    m_showCaption = show;
    update();
}

void TExGridButton::setFlat(bool flat)
{
    if (flat == m_flat)
        return;
    m_flat = flat;
    update();
}

void TExGridButton::setRounded(bool rounded)
{
    m_rounded = rounded;
    update();
}

void TExGridButton::setDropDownButton(bool dropDown)
{
    m_dropDownButton = dropDown;
    update();
}

void TExGridButton::setColor(TColor color)
{
    m_color = color;
    update();
}

void TExGridButton::setColorTo(TColor color)
{
    m_colorTo = color;
    update();
}

void TExGridButton::setColorChecked(TColor color)
{
    m_colorChecked = color;
    update();
}

void TExGridButton::setColorCheckedTo(TColor color)
{
    m_colorCheckedTo = color;
    update();
}

void TExGridButton::setBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TExGridButton::setLook(int look)
{
    if (look < 0 || look >= int(Looks.size()))
        return;
    const LookColors &c = Looks[std::size_t(look)];
    m_look = look;
    m_color = c.color;
    m_colorTo = c.colorTo;
    m_colorHot = c.hot;
    m_colorHotTo = c.hotTo;
    m_colorDown = c.down;
    m_colorDownTo = c.downTo;
    m_colorChecked = c.checked;
    m_colorCheckedTo = c.checkedTo;
    m_borderDownColor = c.borderDown;
    m_borderHotColor = c.borderHot;
    m_borderColor = clNone;
    m_flat = true;
    m_rounded = look == 0;
    update();
}

void TExGridButton::setAutoThemeAdapt(bool adapt)
{
    m_autoThemeAdapt = adapt;
    if (adapt)
        setLook(kUnthemedLook);
}

void TExGridButton::setAction(QAction *action)
{
    if (m_action)
        disconnect(m_action, nullptr, this, nullptr);
    m_action = action;
    if (!action)
        return;
    m_actionCaption = action->text();
    setCaption(action->text());
    if (m_groupIndex != 0 && m_allowAllUp)
        setDown(action->isChecked());
    connect(action, &QAction::changed, this, &TExGridButton::followAction);
}

void TExGridButton::followAction()
{
    if (!m_action)
        return;
    // The caption follows while it still shows the action's; the down state
    // while it still shows the action's checked state (it just changed).
    if (m_caption == m_actionCaption && m_action->text() != m_caption)
        setCaption(m_action->text());
    m_actionCaption = m_action->text();
    if (m_groupIndex != 0 && m_allowAllUp && m_down != m_action->isChecked())
        setDown(m_action->isChecked());
}

void TExGridButton::Click()
{
    platform::guarded([this] {
        if (OnClick)
            OnClick(this);
        else if (m_action)
            m_action->trigger();
    });
}

bool TExGridButton::insideForPress(QPoint pos) const
{
    return pos.x() >= 0 && pos.x() < width() && pos.y() >= 0 && pos.y() <= height();
}

void TExGridButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (m_dropDownButton && event->position().x() >= width() - kDropDownPart) {
        m_state = TButtonState::bsUp;
        platform::guarded([this] {
            if (OnDropDown)
                OnDropDown(this);
        });
        if (m_dropDownMenu)
            m_dropDownMenu->popup(mapToGlobal(QPoint(0, height())));
        return;
    }
    if (!m_down) {
        m_state = TButtonState::bsDown;
        update();
    }
    if (m_style == TExGridButtonStyle::tasCheck) {
        m_state = TButtonState::bsDown;
        repaint();
    }
    m_dragging = true;
}

void TExGridButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragging) {
        TButtonState next = m_down ? TButtonState::bsExclusive : TButtonState::bsUp;
        if (insideForPress(pos))
            next = m_down ? TButtonState::bsExclusive : TButtonState::bsDown;
        if (m_style == TExGridButtonStyle::tasCheck && m_down)
            next = TButtonState::bsDown;
        if (next != m_state) {
            m_state = next;
            update();
        }
    } else if (!m_mouseInControl) {
        retestHot(pos);
    }
}

void TExGridButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    const QPoint pos = event->position().toPoint();
    const bool inside = insideForPress(pos);
    if (m_groupIndex == 0) {
        m_state = TButtonState::bsUp;
        if (m_style == TExGridButtonStyle::tasCheck)
            m_down = !m_down;
        if (inside)
            update();
    } else if (inside) {
        setDown(!m_down);
        if (m_down)
            repaint();
    } else {
        if (m_down)
            m_state = TButtonState::bsExclusive;
        repaint();
    }
    if (inside)
        Click();
    retestHot(pos);
}

void TExGridButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click presses the button like the first.
    mousePressEvent(event);
    if (m_down && OnDblClick)
        platform::guarded([this] { OnDblClick(this); });
}

void TExGridButton::retestHot(QPoint pos)
{
    if (!m_flat || !isEnabled())
        return;
    const bool over = rect().contains(pos);
    m_mouseInControl = !over;
    if (over)
        MouseEnter();
    else
        MouseLeave();
}

void TExGridButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    MouseEnter();
}

void TExGridButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    MouseLeave();
}

void TExGridButton::MouseEnter()
{
    if (m_mouseInControl || !isEnabled() || QWidget::mouseGrabber() != nullptr)
        return;
    m_mouseInControl = true;
    repaint();
    platform::guarded([this] {
        if (OnMouseEnter)
            OnMouseEnter(this);
    });
}

void TExGridButton::MouseLeave()
{
    if (!m_mouseInControl || !isEnabled() || m_dragging)
        return;
    m_mouseInControl = false;
    update();
    platform::guarded([this] {
        if (OnMouseLeave)
            OnMouseLeave(this);
    });
}

void TExGridButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            m_dragging = false;
        retestHot(mapFromGlobal(QCursor::pos()));
        repaint();
    } else if (event->type() == QEvent::FontChange) {
        update();
    }
}

bool TExGridButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->shortcutId() == m_accelerator) {
        if (isEnabled() && isVisible() && parentWidget() && parentWidget()->isVisible())
            Click();
        return true;
    }
    return QWidget::event(event);
}

const TBitmap &TExGridButton::chosenGlyph(TButtonState state) const
{
    if (state == TButtonState::bsDisabled)
        return m_glyphDisabled.Empty() ? m_glyph : m_glyphDisabled;
    if (m_mouseInControl && state == TButtonState::bsUp)
        return m_glyphHot.Empty() ? m_glyph : m_glyphHot;
    if (isPressed(state) && !m_glyphDown.Empty())
        return m_glyphDown;
    return m_glyph;
}

void TExGridButton::paintFlatFace(TCanvas &canvas, TRect &r, TButtonState state) const
{
    const bool checkedDown = m_style == TExGridButtonStyle::tasCheck && m_down;
    if (!isColorSet(m_borderDownColor) || m_rounded)
        r = InflateRect(r, -1, -1);
    if (!m_mouseInControl || state == TButtonState::bsDisabled) {
        if (checkedDown) {
            fillGradient(canvas, r, m_colorChecked, m_colorCheckedTo, m_borderDownColor);
        } else {
            const TColor outline = m_rounded ? clNone : (m_down ? m_borderDownColor : m_borderColor);
            fillGradient(canvas, r, m_color, m_colorTo, outline);
        }
        if (isColorSet(m_borderColor)) {
            if (m_rounded)
                roundedOutline(canvas, InflateRect(r, 1, 1), m_borderColor);
            else
                frameRect(canvas, r, m_borderColor);
        }
    } else {
        TColor from = m_colorHot, to = m_colorHotTo, border = m_borderHotColor;
        if (state == TButtonState::bsDown) {
            from = m_colorDown;
            to = m_colorDownTo;
            border = m_borderDownColor;
        }
        if (checkedDown && state != TButtonState::bsDown) {
            from = m_colorChecked;
            to = m_colorCheckedTo;
            border = m_borderDownColor;
        }
        const TColor outline = isColorSet(border) ? border : from;
        fillGradient(canvas, r, from, to, m_rounded ? clNone : outline);
        if (m_rounded)
            roundedOutline(canvas, InflateRect(r, 1, 1), outline);
        if (m_dropDownButton)
            canvas.FillColor(Rect(r.Right - kDropDownPart, r.Top, r.Right - kDropDownPart + 1, r.Bottom), outline);
    }
    r = InflateRect(r, -1, -1);
}

void TExGridButton::paint(TCanvas &canvas) const
{
    TButtonState state = m_state;
    if (!isEnabled())
        state = TButtonState::bsDisabled;
    else if (state == TButtonState::bsDisabled)
        state = m_down && m_groupIndex != 0 ? TButtonState::bsExclusive : TButtonState::bsUp;
    if (m_style == TExGridButtonStyle::tasCheck && m_down)
        state = TButtonState::bsDown;

    setCanvasFont(canvas.Font(), font(), clBtnText);
    TRect r = Rect(0, 0, width(), height());
    if (m_flat) {
        paintFlatFace(canvas, r, state);
    } else {
        DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (isPressed(state) ? DFCS_PUSHED : 0));
        r = InflateRect(r, -2, -2);
    }

    QPoint offset(0, 0);
    if (!m_flat && isPressed(state))
        offset = {1, 1};
    if (state == TButtonState::bsExclusive && (!m_flat || !m_mouseInControl))
        fillGradient(canvas, InflateRect(r, 1, 1), m_colorChecked, m_colorCheckedTo, clNone);
    else if (m_flat && m_mouseInControl && m_shaded && state != TButtonState::bsDisabled && !isPressed(state))
        offset = {-1, -1};

    if (m_dropDownButton) {
        const int m = (r.Top + r.Bottom) / 2;
        fillPolygon(canvas, {{r.Right - 8, m - 1}, {r.Right - 4, m - 1}, {r.Right - 6, m + 1}}, canvas.Font().Color());
        r.Right -= kDropDownPart;
    }
    paintContent(canvas, r, offset, state);
}

void TExGridButton::paintContent(TCanvas &canvas, const TRect &r, QPoint offset, TButtonState state) const
{
    const TBitmap &glyph = chosenGlyph(state);
    QSize textSize;
    if (!m_caption.isEmpty()) {
        TRect measure = Rect(0, 0, r.Width(), 0);
        canvas.DrawText(m_caption, measure, DT_CALCRECT);
        textSize = QSize(measure.Width(), measure.Height());
    }
    const TButtonContentLayout at = layoutButtonContent(toQRect(r), offset, QSize(glyph.Width(), glyph.Height()),
                                                        textSize, m_layout, m_margin, m_spacing,
                                                        layoutDirection() == Qt::RightToLeft);
    const QPoint glyphAt = m_caption.isEmpty() ? QPoint(0, 0) : at.glyph;
    if (!glyph.Empty()) {
        const TRect whole = Rect(0, 0, glyph.Width(), glyph.Height());
        if (m_mouseInControl && m_shaded && state != TButtonState::bsDisabled && state != TButtonState::bsDown
            && !m_glyphShade.Empty())
            DrawTransparentPart(canvas, glyphAt.x() + 2, glyphAt.y() + 2, m_glyphShade, whole,
                                m_glyphShade.TransparentColor());
        DrawTransparentPart(canvas, glyphAt.x(), glyphAt.y(), glyph, whole, glyph.TransparentColor());
    }
    if (!m_showCaption || m_caption.isEmpty())
        return;
    QRect text = at.text;
    if (m_flat && m_mouseInControl && m_shaded && state != TButtonState::bsDisabled && !isPressed(state))
        text.translate(1, 1);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    const unsigned flags = DT_CENTER | DT_VCENTER | (layoutDirection() == Qt::RightToLeft ? DT_RTLREADING : 0);
    if (state == TButtonState::bsDisabled) {
        TRect shifted = fromQRect(text.translated(1, 1));
        canvas.Font().setColor(clBtnHighlight);
        canvas.DrawText(m_caption, shifted, flags);
        canvas.Font().setColor(clBtnShadow);
    }
    TRect bounds = fromQRect(text);
    canvas.DrawText(m_caption, bounds, flags);
}

QImage TExGridButton::paintFace() const
{
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    TCanvas canvas(&image);
    paint(canvas);
    return image;
}

void TExGridButton::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    paint(canvas);
}

} // namespace controls
