#include "controls/dropdown/LbButton.h"

#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/dropdown/LbButtonFade.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/Resources.h"

#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QShortcutEvent>
#include <array>

namespace controls {
namespace {

struct KindPreset {
    const char16_t *caption;
    const char *glyph;
    int modalResult;
};

// Indexed by the kind, bkOK first.
const std::array<KindPreset, 10> KindPresets{{
    {u"OK", "LBOK", 1},
    {u"Abbrechen", "LBCANCEL", 2},
    {u"Hilfe", "LBHELP", 0},
    {u"Ja", "LBYES", 6},
    {u"Nein", "LBNO", 7},
    {u"Schließen", "LBCLOSE", 0},
    {u"Abbrechen", "LBABORT", 3},
    {u"Wiederholen", "LBRETRY", 4},
    {u"Ignorieren", "LBIGNORE", 5},
    {u"Alle", "LBALL", 12},
}};

constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;

// The Visible property: false only when the button itself was hidden, not
// while a hidden parent (a sheet not shown) keeps it off screen.
bool visibleProperty(const QWidget &widget)
{
    return !(widget.testAttribute(Qt::WA_WState_ExplicitShowHide) && widget.testAttribute(Qt::WA_WState_Hidden));
}

bool isClickKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }

// Styles with rounded corners leave some of the face to the parent.
bool seeThrough(TLbButtonStyle style)
{
    return style == TLbButtonStyle::bsModern || style == TLbButtonStyle::bsShape || style == TLbButtonStyle::bsQuicken;
}

// The image kept for a face: the same one again while the size stays.
QImage &sized(QImage &image, QSize size)
{
    if (image.size() != size)
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    return image;
}

} // namespace

QString captionDisplayText(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

TLbButton::TLbButton(QWidget *parent) : QWidget(parent)
{
    resize(100, 23);
    setFocusPolicy(Qt::StrongFocus);
    updateOpacity();
    m_hotTrackFont.font = parent ? parent->window()->font() : font();
    m_fade = std::make_unique<LbButtonFade>([this] { HotTrackFadeStep(); });
}

// The fade's timer dies with the button: no step can reach a button that is
// going away, and nothing has to be waited for.
TLbButton::~TLbButton() = default;

template <typename T>
bool TLbButton::store(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// The properties whose writer runs Paint at once on Windows keep doing so:
// code that sets them and then reads the screen expects the new face.
void TLbButton::repaintNow() { repaint(); }

void TLbButton::setCaption(const QString &caption)
{
    if (!store(m_caption, caption))
        return;
    updateAccelerator();
    updateGeometry();
    update();
}

void TLbButton::updateAccelerator()
{
    if (m_accelerator != 0)
        releaseShortcut(m_accelerator);
    m_accelerator = 0;
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    if (!mnemonic.isEmpty())
        m_accelerator = grabShortcut(mnemonic);
}

void TLbButton::setGlyph(const QImage &glyph)
{
    m_kind = TLbButtonKind::bkCustom;
    QImage converted = glyph.convertToFormat(QImage::Format_ARGB32);
    const int frames = converted.height() > 0 ? converted.width() / converted.height() : 0;
    if (converted == m_glyph && frames == m_numGlyphs)
        return;
    m_glyph = std::move(converted);
    m_numGlyphs = frames;
    updateGeometry();
    update();
}

void TLbButton::setNumGlyphs(int count)
{
    if (!store(m_numGlyphs, count))
        return;
    updateGeometry();
    update();
}

void TLbButton::setHint(const QString &hint)
{
    if (store(m_hint, hint))
        updateTooltip();
}

void TLbButton::setShowHint(bool show)
{
    if (store(m_showHint, show))
        updateTooltip();
}

void TLbButton::updateTooltip() { setToolTip(m_showHint ? m_hint : QString()); }

void TLbButton::setModalResult(int result)
{
    m_modalResult = result;
    m_kind = TLbButtonKind::bkCustom;
}

void TLbButton::setKind(TLbButtonKind kind)
{
    if (kind != TLbButtonKind::bkCustom) {
        const KindPreset &preset = KindPresets[static_cast<std::size_t>(kind) - 1];
        setModalResult(preset.modalResult);
        m_glyph = platform::loadResourceImage(QString::fromLatin1(preset.glyph)).convertToFormat(QImage::Format_ARGB32);
        m_numGlyphs = 2;
        setCaption(QString::fromUtf16(preset.caption));
        updateGeometry();
    }
    m_kind = kind;
    update();
}

void TLbButton::setColorStyle(TLbColorStyle style)
{
    const auto preset = GetLbColorStyleColors(style);
    if (!preset)
        return;
    bool changed = store(m_color, preset->face);
    changed |= store(m_lightColor, preset->light);
    changed |= store(m_shadowColor, preset->shadow);
    changed |= store(m_colorWhenDown, preset->whenDown);
    changed |= store(m_hotTrackColor, preset->hotTrack);
    changed |= store(m_flat, preset->flat);
    changed |= store(m_fontColor, preset->font);
    changed |= store(m_style, preset->style);
    updateOpacity();
    if (changed)
        repaintNow();
}

void TLbButton::setStyle(TLbButtonStyle style)
{
    if (!store(m_style, style))
        return;
    updateOpacity();
    update();
}

// A face that covers every pixel spares Qt painting the parent beneath it.
void TLbButton::updateOpacity() { setAttribute(Qt::WA_OpaquePaintEvent, !seeThrough(m_style)); }

void TLbButton::setLayout(TLbButtonLayout layout)
{
    if (!store(m_layout, layout))
        return;
    updateGeometry();
    repaintNow();
}

void TLbButton::setAlignment(TAlignment alignment)
{
    if (store(m_alignment, alignment))
        repaintNow();
}

void TLbButton::setColor(platform::TColor color)
{
    if (store(m_color, color))
        update();
}

void TLbButton::setFontColor(platform::TColor color)
{
    if (store(m_fontColor, color))
        update();
}

void TLbButton::setLightColor(platform::TColor color)
{
    if (store(m_lightColor, color))
        repaintNow();
}

void TLbButton::setShadowColor(platform::TColor color)
{
    if (store(m_shadowColor, color))
        repaintNow();
}

// The next three only show in some states: a paint is asked for only then.
void TLbButton::setColorWhenDown(platform::TColor color)
{
    if (store(m_colorWhenDown, color) && bDown)
        update();
}

void TLbButton::setHotTrackColor(platform::TColor color)
{
    if (store(m_hotTrackColor, color) && m_hotTrackStep > 0)
        update();
}

void TLbButton::setHotTrackFont(const TLbFont &font)
{
    if (font.font == m_hotTrackFont.font && font.color == m_hotTrackFont.color)
        return;
    m_hotTrackFont = font;
    if (m_useHotTrackFont) {
        updateGeometry();
        if (isHot())
            update();
    }
}

void TLbButton::setUseHotTrackFont(bool use)
{
    if (!store(m_useHotTrackFont, use))
        return;
    updateGeometry();
    if (isHot())
        update();
}

void TLbButton::setFlat(bool flat)
{
    if (store(m_flat, flat))
        repaintNow();
}

void TLbButton::setWordWrap(bool wrap)
{
    if (store(m_wordWrap, wrap))
        repaintNow();
}

void TLbButton::setPopupMenu(QMenu *menu)
{
    // The menu shows as an arrow, which takes room.
    if (!store(m_popupMenu, menu))
        return;
    updateGeometry();
    update();
}

void TLbButton::setSlowDecease(bool fade)
{
    // Writing False frees the fade even when it was False: a new button has
    // one until then.
    bool changed = store(m_slowDecease, fade);
    if (fade) {
        if (!m_fade)
            m_fade = std::make_unique<LbButtonFade>([this] { HotTrackFadeStep(); });
    } else if (m_fade) {
        changed |= store(m_hotTrackStep, 0);
        m_fade.reset();
    }
    if (changed)
        update();
}

void TLbButton::setFadeTimer(std::unique_ptr<platform::IntervalTimer> timer)
{
    if (m_fade)
        m_fade->setTimer(std::move(timer));
}

bool TLbButton::fadeRunning() const { return m_fade && !m_fade->suspended(); }

void TLbButton::HotTrackFadeStep()
{
    --m_hotTrackStep;
    if (m_hotTrackStep <= 0) {
        if (m_fade && !m_fade->suspended())
            m_fade->suspend();
        m_hotTrackStep = 0;
    }
    repaint();
}

void TLbButton::stopFade()
{
    if (m_fade)
        m_fade->suspend();
}

void TLbButton::Click()
{
    bDown = true;
    PerformClick();
}

void TLbButton::PerformClick()
{
    if (!visibleProperty(*this) || !isEnabled() || !bDown)
        return;
    bDown = false;
    // One guard around the three steps: an error in OnClick ends the click
    // before the form is closed with the modal result.
    platform::guarded([this] {
        if (OnClick)
            OnClick(this);
        if (m_modalResult != 0) {
            if (auto *dialog = qobject_cast<QDialog *>(window()))
                dialog->done(m_modalResult);
        }
        if (m_popupMenu)
            m_popupMenu->popup(mapToGlobal(QPoint(0, height())));
    });
}

bool TLbButton::isShowingOnParent() const
{
    return visibleProperty(*this) && isEnabled() && parentWidget() != nullptr && parentWidget()->isVisible();
}

bool TLbButton::isHot() const { return bCursorOnButton || hasFocus(); }

void TLbButton::HandleMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !isEnabled())
        return;
    bDown = true;
    m_mousePressed = true;
    setFocus(Qt::MouseFocusReason);
    repaint();
}

void TLbButton::mousePressEvent(QMouseEvent *event) { HandleMouseDown(event->button()); }

// A double click arrives as a second press: the button clicks twice.
void TLbButton::mouseDoubleClickEvent(QMouseEvent *event) { HandleMouseDown(event->button()); }

void TLbButton::mouseReleaseEvent(QMouseEvent *)
{
    const bool pressedHere = m_mousePressed;
    m_mousePressed = false;
    if (bDown && pressedHere) {
        // The click may run a modal loop: nothing of this press is left then.
        m_pressedKey = 0;
        Click();
    }
    bDown = false;
    repaint();
}

void TLbButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (!isShowingOnParent())
        return;
    bCursorOnButton = true;
    m_hotTrackStep = 8;
    repaint();
    if (OnMouseEnter)
        platform::guarded([this] { OnMouseEnter(this); });
}

void TLbButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    HandleMouseLeave();
}

void TLbButton::HandleMouseLeave()
{
    bCursorOnButton = false;
    if (m_slowDecease && m_fade) {
        if (m_fade->suspended())
            m_fade->resume();
    } else {
        m_hotTrackStep = 0;
        repaint();
    }
    if (isShowingOnParent() && OnMouseExit)
        platform::guarded([this] { OnMouseExit(this); });
}

// A window that closes under the mouse sends no leave: the hot look would
// still be there when it opens again.
void TLbButton::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    bCursorOnButton = false;
    bDown = false;
    m_pressedKey = 0;
    m_mousePressed = false;
    m_hotTrackStep = 0;
    stopFade();
}

void TLbButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    repaint();
}

void TLbButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    forgetKeyPress();
    repaint();
}

// The release of a key goes where the focus is: once the focus has left,
// the key this button saw pressed will be released elsewhere.
void TLbButton::forgetKeyPress()
{
    if (m_pressedKey == 0)
        return;
    m_pressedKey = 0;
    if (!m_mousePressed)
        bDown = false;
}

void TLbButton::keyPressEvent(QKeyEvent *event)
{
    if (!isClickKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (isEnabled()) {
        bDown = true;
        m_pressedKey = event->key();
        repaint();
    }
}

void TLbButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isClickKey(event->key())) {
        QWidget::keyReleaseEvent(event);
    } else if (!event->isAutoRepeat() && event->key() == m_pressedKey) {
        // Forgotten before the click: its handler may open a window whose
        // keys come back here.
        m_pressedKey = 0;
        Click();
    }
    repaint();
}

void TLbButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        bDown = false;
        repaint();
    } else if (event->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
}

bool TLbButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (shortcut->shortcutId() == m_accelerator) {
            HandleDialogChar();
            return true;
        }
    }
    return QWidget::event(event);
}

void TLbButton::HandleDialogChar()
{
    if (!isShowingOnParent())
        return;
    bDown = true;
    Click();
}

bool TLbButton::HandleDialogKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool takes =
        (key == KeyEnter && m_default)
        || (key == KeyEscape && m_cancel
            && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) && visibleProperty(*this)
            && isEnabled());
    if (!takes)
        return false;
    // A focused button answers the key itself; a form without a focused
    // control lets this button take it.
    if (const QWidget *active = window()->focusWidget()) {
        const QString name = QString::fromLatin1(active->metaObject()->className()).toUpper();
        if (name.contains(QLatin1String("BUTTON")) && !name.contains(QLatin1String("RADIOBUTTON")))
            return false;
    }
    bDown = true;
    Click();
    return true;
}

LbButtonFace TLbButton::faceState() const
{
    LbButtonFace face;
    face.width = width();
    face.height = height();
    face.hotTrackStep = m_hotTrackStep;
    face.numGlyphs = m_numGlyphs;
    face.glyph = &m_glyph;
    face.down = bDown;
    face.hot = isHot();
    face.enabled = isEnabled();
    face.flat = m_flat;
    face.wordWrap = m_wordWrap;
    face.hasPopupMenu = m_popupMenu != nullptr;
    face.style = m_style;
    face.color = m_color;
    face.colorWhenDown = m_colorWhenDown;
    face.hotTrackColor = m_hotTrackColor;
    face.lightColor = m_lightColor;
    face.shadowColor = m_shadowColor;
    face.font = isHot() && m_useHotTrackFont ? m_hotTrackFont : TLbFont{font(), m_fontColor};
    face.layout = m_layout;
    face.caption = m_caption;
    face.alignment = m_alignment;
    return face;
}

QImage TLbButton::paintFace() const { return renderFace(); }

const QImage &TLbButton::renderFace() const
{
    const bool transparent = seeThrough(m_style);
    QImage &image = sized(m_face, size());
    if (image.isNull())
        return image;
    image.fill(transparent ? QColor(255, 0, 255) : QColor(Qt::transparent));

    LbButtonFace face = faceState();
    const bool focused = hasFocus();
    {
        platform::TCanvas canvas(&image);
        if (m_style == TLbButtonStyle::bsOld && focused) {
            face.width -= 2;
            face.height -= 2;
            if (bDown)
                face.lightColor = m_shadowColor;
            QImage &smaller = sized(m_innerFace, QSize(std::max(face.width, 1), std::max(face.height, 1)));
            smaller.fill(Qt::transparent);
            {
                platform::TCanvas inner(&smaller);
                PaintLbButtonFace(inner, face);
            }
            canvas.DrawImage(1, 1, smaller);
            setPen(canvas, platform::clBlack);
            setBrushClear(canvas);
            canvas.Rectangle(0, 0, width(), height());
        } else {
            PaintLbButtonBack(canvas, face);
            canvas.DrawImage(0, 0, contentLayer(face));
        }
        if (focused && isEnabled() && m_style != TLbButtonStyle::bsShape)
            canvas.DrawFocusRect(platform::Rect(4, 4, width() - 4, height() - 4));
    }
    if (transparent)
        image = platform::keyedOut(image, platform::clFuchsia);
    return image;
}

// A fade step changes only the back: the caption and glyph are laid out and
// drawn once, then reused until something they show changes.
const QImage &TLbButton::contentLayer(const LbButtonFace &face) const
{
    if (m_contentValid && sameLbButtonContent(face, m_contentFace))
        return m_content;
    QImage &layer = sized(m_content, QSize(face.width, face.height));
    layer.fill(Qt::transparent);
    {
        platform::TCanvas canvas(&layer);
        PaintLbButtonContent(canvas, face);
    }
    m_contentFace = face;
    // A copy shares the pixels and keeps the key of the glyph drawn.
    m_contentGlyph = face.glyph ? *face.glyph : QImage();
    m_contentFace.glyph = &m_contentGlyph;
    m_contentValid = !layer.isNull();
    return layer;
}

void TLbButton::paintEvent(QPaintEvent *)
{
    // The face is built off screen and copied in one step: no flicker.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), renderFace());
}

QSize TLbButton::sizeHint() const
{
    LbButtonFace face = faceState();
    face.font = TLbFont{font(), m_fontColor};
    QSize hint = LbButtonFaceExtent(face);
    if (m_useHotTrackFont) {
        face.font = m_hotTrackFont;
        hint = hint.expandedTo(LbButtonFaceExtent(face));
    }
    return hint;
}

} // namespace controls
