#pragma once
// The push button every window uses for its step, OK, Cancel and picture
// buttons. This is a plain stand-in over Qt: it keeps the interface the
// windows rely on (caption, glyph, hint, modal result, click event) so that
// the owner-drawn button can take its place without touching any window.
#include "platform/Color.h"
#include "platform/NotifyEvent.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

namespace controls {

enum class TButtonStyle { bsEncarta, bsFlat, bsStandard };

class TLbButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TLbButton(QWidget *parent = nullptr);

    // The text shown; "&&" shows one ampersand, a single "&" marks the
    // keyboard accelerator. Writing repaints at once.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The picture drawn at the left of the caption (centred without one).
    const QPixmap &Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);

    // Tooltip text, shown only while ShowHint is set.
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint);
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool show);

    // When not 0, a click runs OnClick and then closes the dialog the button
    // sits on with this result (1 OK, 2 Cancel).
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    // Runs when the mouse is released over the button while it is visible
    // and enabled; the sender is the button.
    platform::TNotifyEvent OnClick;

    // Runs the click as a user's click would (OnClick, then ModalResult).
    void Click();

    // Look: the face, the face while pressed and while the mouse is over it.
    TButtonStyle ButtonStyle() const { return m_style; }
    void setButtonStyle(TButtonStyle style);
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);
    platform::TColor ColorDown() const { return m_colorDown; }
    void setColorDown(platform::TColor color);
    platform::TColor ColorHot() const { return m_colorHot; }
    void setColorHot(platform::TColor color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void updateTooltip();

    QString m_caption;
    QPixmap m_glyph;
    QString m_hint;
    bool m_showHint = false;
    int m_modalResult = 0;
    TButtonStyle m_style = TButtonStyle::bsEncarta;
    platform::TColor m_color = platform::RGB(248, 247, 237);
    platform::TColor m_colorDown = platform::RGB(255, 128, 0);
    platform::TColor m_colorHot = platform::RGB(255, 203, 128);
    bool m_hot = false;
};

// The text a caption shows: "&&" becomes "&", a single "&" disappears.
QString captionDisplayText(const QString &caption);

} // namespace controls
