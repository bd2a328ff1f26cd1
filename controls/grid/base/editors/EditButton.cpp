#include "controls/grid/base/editors/EditButton.h"

#include "controls/grid/base/editors/EditorDrawing.h"
#include "controls/grid/base/editors/EditorKeys.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Edges.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

using namespace platform;

namespace {

constexpr int kEmbeddedButton = 18;
constexpr int kDefaultUnitSpace = 20;

// The frame of a bordered edit, around its client area.
constexpr int kFrame = 2;

} // namespace

// ---- the speed button ----

TExSpeedButton::TExSpeedButton(TEsgEditButton &holder) : QWidget(&holder), m_holder(holder)
{
    setAttribute(Qt::WA_Hover);
}

void TExSpeedButton::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

void TExSpeedButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TExSpeedButton::setGlyph(const TBitmap &glyph)
{
    m_glyph = glyph;
    m_glyph.setTransparent(true);
    update();
}

void TExSpeedButton::setNumGlyphs(int count)
{
    m_numGlyphs = std::max(1, count);
    update();
}

void TExSpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_pressed = true;
    update();
}

void TExSpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        m_holder.buttonReleased();
}

void TExSpeedButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hot = true;
    update();
}

void TExSpeedButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hot = false;
    update();
}

void TExSpeedButton::paint(TCanvas &canvas) const
{
    TRect r = Rect(0, 0, width(), height());
    if (isColorSet(m_holder.ButtonColor)) {
        canvas.FillColor(r, stateColor(m_holder.ButtonColor, m_holder.ButtonColorHot, m_holder.ButtonColorDown,
                                       m_hot, m_pressed));
    } else if (m_flat) {
        DrawEdge(canvas, r, m_pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        r = InflateRect(r, -1, -1);
    } else {
        DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (m_pressed ? DFCS_PUSHED : 0));
    }
    drawSpeedButtonGlyph(canvas, size(), m_glyph, m_numGlyphs, isEnabled(), m_pressed);
    if (m_caption.isEmpty())
        return;
    setCanvasFont(canvas.Font(), font(), clBlack);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    TRect text = Rect(0, 0, width(), height());
    if (m_pressed)
        text = OffsetRect(text, 1, 1);
    canvas.DrawText(m_caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

QImage TExSpeedButton::paintFace() const
{
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    TCanvas canvas(&image);
    paint(canvas);
    return image;
}

void TExSpeedButton::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    paint(canvas);
}

// ---- the holder ----

TEsgEditButton::TEsgEditButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_button = new TExSpeedButton(*this);
    resize(20, 25);
}

void TEsgEditButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_button->setGeometry(rect());
}

void TEsgEditButton::buttonReleased()
{
    platform::guarded([this] {
        if (OnClick)
            OnClick(this);
    });
    if (m_focusControl && (m_focusControl->focusPolicy() & Qt::TabFocus) && m_focusControl->isEnabled()
        && !m_focusControl->hasFocus())
        m_focusControl->setFocus(Qt::MouseFocusReason);
    else if ((focusPolicy() & Qt::TabFocus) && !hasFocus() && isEnabled())
        setFocus(Qt::MouseFocusReason);
}

// ---- the edit ----

TEsgEditBtn::TEsgEditBtn(QWidget *parent) : QLineEdit(parent)
{
    m_button = new TEsgEditButton(this);
    m_button->resize(kEmbeddedButton, kEmbeddedButton);
    m_button->setFocusControl(this);
    m_button->OnClick = [this](QObject *) { ButtonClick(); };
    setText(QStringLiteral("0"));
    layoutEdit();
}

void TEsgEditBtn::setButtonWidth(int width)
{
    m_button->resize(width, m_button->height());
    layoutEdit();
}

void TEsgEditBtn::setIsWinXP(bool xp)
{
    m_isWinXP = xp;
    m_button->Button()->IsWinXP = xp;
}

void TEsgEditBtn::setRightAlign(bool right)
{
    if (right == m_rightAlign)
        return;
    m_rightAlign = right;
    setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void TEsgEditBtn::setBorderSingle(bool single)
{
    setFrame(single);
    layoutEdit();
}

void TEsgEditBtn::setUnitSize(int size)
{
    m_unitSize = size;
    layoutEdit();
    update();
}

int TEsgEditBtn::minimumEditHeight() const
{
    const int height = fontMetrics().height();
    return height + std::min(height, QFontMetrics(QApplication::font()).height()) / 4;
}

void TEsgEditBtn::layoutEdit()
{
    const int buttonWidth = m_button->width();
    m_button->setGeometry(embeddedButtonRect(size(), buttonWidth, hasFrame()));
    const int inset = hasFrame() ? 1 : 3;
    setTextMargins(inset, inset, buttonWidth + 5 + m_unitSize + (m_unitSize > 0 ? 3 : 0), 0);
}

void TEsgEditBtn::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    if (height() < minimumEditHeight()) {
        resize(width(), minimumEditHeight());
        return;
    }
    layoutEdit();
}

void TEsgEditBtn::ButtonClick()
{
    platform::guarded([this] {
        if (OnClickBtn)
            OnClickBtn(this);
    });
}

void TEsgEditBtn::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (key == Qt::Key_F4 && !(shift & (Qt::ControlModifier | Qt::AltModifier))) {
        ButtonClick();
        return;
    }
    // An edit that may not be typed in may not be emptied with Delete either.
    if (key == Qt::Key_Delete && !m_editorEnabled)
        key = 0;
}

void TEsgEditBtn::HandleCharMessage(QChar &key)
{
    if (!m_editorEnabled)
        key = QChar();
}

void TEsgEditBtn::keyPressEvent(QKeyEvent *event)
{
    if (refusedEditCommand(*event, editable())) {
        event->accept();
        return;
    }
    auto passed = splitKeyPress(
        *event, [this](int &key, Qt::KeyboardModifiers shift) { HandleKeyDown(key, shift); },
        [this](QChar &key) {
            HandleCharMessage(key);
            if (!key.isNull())
                HandleKeyPress(key);
        });
    if (passed)
        QLineEdit::keyPressEvent(passed.get());
    event->accept();
}

void TEsgEditBtn::contextMenuEvent(QContextMenuEvent *event)
{
    showEditMenu(*this, event->globalPos(), editable());
}

void TEsgEditBtn::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (AutoSelect && !(QApplication::mouseButtons() & Qt::LeftButton))
        selectAll();
}

// ---- the unit edit ----

TEsgUnitEditBtn::TEsgUnitEditBtn(QWidget *parent) : TEsgEditBtn(parent)
{
    setUnitSize(kDefaultUnitSpace);
    setRightAlign(true);
}

void TEsgUnitEditBtn::setUnitID(const QString &unit)
{
    m_unitID = unit;
    update();
}

void TEsgUnitEditBtn::setUnitSpace(int space)
{
    setUnitSize(space);
}

void TEsgUnitEditBtn::setTextAndUnit(const QString &value)
{
    for (const QString &unit : m_units) {
        // A unit that does not occur at all never matches, also where it is
        // one character longer than the text.
        const qsizetype at = value.indexOf(unit);
        if (at >= 0 && at == value.size() - unit.size()) {
            setText(value.first(value.size() - unit.size()));
            setUnitID(unit);
            return;
        }
    }
}

void TEsgUnitEditBtn::ButtonClick()
{
    TEsgEditBtn::ButtonClick();
    delete m_menu.data();
    m_menu = new QMenu(this);
    for (int k = 1; k <= m_units.size(); ++k) {
        QAction *action = m_menu->addAction(m_units[k - 1]);
        connect(action, &QAction::triggered, this, [this, k] { UnitCommand(k); });
    }
    const int frame = hasFrame() ? kFrame : 0;
    m_menu->popup(mapToGlobal(QPoint(width() - frame - 15, height() - frame)));
}

void TEsgUnitEditBtn::UnitCommand(int k)
{
    if (k < 1 || k > m_units.size())
        return;
    const QString unit = m_units[k - 1];
    const bool changed = unit != m_unitID;
    setUnitID(unit);
    if (changed && OnUnitChanged)
        platform::guarded([&] { OnUnitChanged(this, unit); });
}

void TEsgUnitEditBtn::paintEvent(QPaintEvent *event)
{
    TEsgEditBtn::paintEvent(event);
    const int frame = hasFrame() ? kFrame : 0;
    const int right = width() - frame - EditButton()->width() - 3;
    TCanvas canvas(this);
    setCanvasFont(canvas.Font(), font(), clWindowText);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    TRect r = Rect(right - unitSize(), frame + 2, right, height() - frame);
    canvas.DrawText(m_unitID, r, DT_LEFT | DT_EDITCONTROL | DT_NOPREFIX);
}

} // namespace controls
