#pragma once
// The push button of every window: it paints its whole face itself (six
// styles, a glyph strip, a drop-down arrow), tracks the mouse with a hot
// colour that can fade back in 30 ms steps, answers Enter and Escape as a
// form's default or cancel button, and closes a modal dialog through its
// modal result. Ten presets give caption, glyph and result at once.
#include "controls/dropdown/LbButtonFace.h"
#include "controls/dropdown/LbColorStyle.h"
#include "platform/Color.h"
#include "platform/IntervalTimer.h"
#include "platform/NotifyEvent.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>

class QMenu;

namespace controls {

class LbButtonFade;

enum class TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TLbButton : public QWidget {
    Q_OBJECT
public:
    explicit TLbButton(QWidget *parent = nullptr);
    ~TLbButton() override;

    // The text shown; "&&" shows one ampersand, a single "&" marks the
    // keyboard accelerator. Writing repaints.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The glyph strip: NumGlyphs equal frames side by side (normal, disabled,
    // pressed, hot). Writing a picture counts its square frames
    // (width / height) and makes the kind custom.
    const QImage &Glyph() const { return m_glyph; }
    void setGlyph(const QImage &glyph);
    void setGlyph(const QPixmap &glyph) { setGlyph(glyph.toImage()); }
    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count);

    // Tooltip text, shown only while ShowHint is set.
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint);
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool show);

    // When not 0, a click runs OnClick and then closes the dialog the button
    // sits on with this result (1 OK, 2 Cancel). Writing makes the kind custom.
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result);

    // A preset of caption, glyph and modal result; any manual change of
    // those makes the kind read bkCustom again.
    TLbButtonKind Kind() const { return m_kind; }
    void setKind(TLbButtonKind kind);

    // Writing a preset sets the colours, flat flag, font colour and style;
    // reading always gives lcsCustom, the preset is not kept.
    TLbColorStyle ColorStyle() const { return TLbColorStyle::lcsCustom; }
    void setColorStyle(TLbColorStyle style);

    TLbButtonStyle Style() const { return m_style; }
    void setStyle(TLbButtonStyle style);
    TLbButtonLayout Layout() const { return m_layout; }
    void setLayout(TLbButtonLayout layout);
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);

    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);
    platform::TColor FontColor() const { return m_fontColor; }
    void setFontColor(platform::TColor color);
    platform::TColor LightColor() const { return m_lightColor; }
    void setLightColor(platform::TColor color);
    platform::TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(platform::TColor color);
    // Face while pressed; clNone keeps the face colour.
    platform::TColor ColorWhenDown() const { return m_colorWhenDown; }
    void setColorWhenDown(platform::TColor color);
    // Face while the mouse is over the button; clNone: no hot colour.
    platform::TColor HotTrackColor() const { return m_hotTrackColor; }
    void setHotTrackColor(platform::TColor color);
    // Shown while the button is hot or focused, when UseHotTrackFont is set.
    const TLbFont &HotTrackFont() const { return m_hotTrackFont; }
    void setHotTrackFont(const TLbFont &font);
    bool UseHotTrackFont() const { return m_useHotTrackFont; }
    void setUseHotTrackFont(bool use);

    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);

    // Enter anywhere in the form clicks a default button, Escape (without
    // Shift, Ctrl or Alt) a cancel button, unless a button has the focus.
    bool Default() const { return m_default; }
    void setDefault(bool value) { m_default = value; }
    bool Cancel() const { return m_cancel; }
    void setCancel(bool value) { m_cancel = value; }

    // Fade the hot colour out over eight 30 ms steps instead of dropping it.
    bool SlowDecease() const { return m_slowDecease; }
    void setSlowDecease(bool fade);
    // Tests and benchmarks pace the fade by their own timer.
    void setFadeTimer(std::unique_ptr<platform::IntervalTimer> timer);
    bool fadeRunning() const;
    int hotTrackStep() const { return m_hotTrackStep; }

    // Popped up under the lower left corner after a click.
    QMenu *PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu *menu);

    // Runs when the mouse is released over the button while it is visible
    // and enabled; the sender is the button.
    platform::TNotifyEvent OnClick;
    platform::TNotifyEvent OnMouseEnter;
    platform::TNotifyEvent OnMouseExit;

    // A click as the user's: OnClick, then the modal result, then the menu;
    // nothing while the button is hidden or disabled.
    void Click();

    // Enter or Escape that reached the form; true when this button took it.
    bool HandleDialogKey(int key, Qt::KeyboardModifiers modifiers);

    // One step of the fade, run by the fade's timer.
    void HotTrackFadeStep();

    // The face as it is painted now, into an image of the button's size.
    QImage paintFace() const;

    // Room for the whole caption beside (or above) its glyph in the font,
    // or the hot-track font when that one is used and wider.
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void PerformClick();
    void HandleMouseDown(Qt::MouseButton button);
    void HandleMouseLeave();
    void HandleDialogChar();
    bool isShowingOnParent() const;
    bool isHot() const;
    void updateTooltip();
    void updateAccelerator();
    void stopFade();
    // Writes a property the face shows: nothing when unchanged; then a later
    // paint, or a paint at once where the button's contract asks for one.
    template <typename T>
    bool store(T &field, const T &value);
    void repaintNow();
    // The painter's arguments for the state the button is in.
    LbButtonFace faceState() const;
    // Paints the face into the image kept for it, reused while the size stays.
    const QImage &renderFace() const;
    void updateOpacity();
    // The press this button saw will not be released here: it holds the
    // button down no longer.
    void forgetKeyPress();

    QString m_caption;
    QImage m_glyph;
    int m_numGlyphs = 0;
    QString m_hint;
    bool m_showHint = false;
    int m_modalResult = 0;
    TLbButtonKind m_kind = TLbButtonKind::bkCustom;
    TLbButtonStyle m_style = TLbButtonStyle::bsNormal;
    TLbButtonLayout m_layout = TLbButtonLayout::blGlyphLeft;
    TAlignment m_alignment = TAlignment::taCenter;
    platform::TColor m_color = platform::clBtnFace;
    platform::TColor m_fontColor = platform::clWindowText;
    platform::TColor m_lightColor = platform::clWhite;
    platform::TColor m_shadowColor = platform::clGray;
    platform::TColor m_colorWhenDown = platform::clNone;
    platform::TColor m_hotTrackColor = platform::clNone;
    TLbFont m_hotTrackFont;
    bool m_useHotTrackFont = false;
    bool m_flat = false;
    bool m_wordWrap = false;
    bool m_default = false;
    bool m_cancel = false;
    bool m_slowDecease = false;
    QMenu *m_popupMenu = nullptr;
    int m_accelerator = 0;

    bool bDown = false;
    // The press that holds the button down, as this button saw it: the key
    // (0: none) and whether the mouse. Only that key's release, or a mouse
    // release after that press, clicks; a release whose press went to
    // another window (a message box closed by the key's press) does not.
    int m_pressedKey = 0;
    bool m_mousePressed = false;
    bool bCursorOnButton = false;
    int m_hotTrackStep = 0;
    std::unique_ptr<LbButtonFade> m_fade;

    // Every fade step paints the face: into the same images each time.
    mutable QImage m_face;
    mutable QImage m_innerFace;
    // The face's content layer and the face it was drawn for.
    const QImage &contentLayer(const LbButtonFace &face) const;
    mutable QImage m_content;
    mutable LbButtonFace m_contentFace;
    mutable QImage m_contentGlyph;
    mutable bool m_contentValid = false;
};

// The text a caption shows: "&&" becomes "&", a single "&" disappears.
QString captionDisplayText(const QString &caption);

} // namespace controls
