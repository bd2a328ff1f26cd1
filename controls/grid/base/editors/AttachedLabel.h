#pragma once
// The caption label a combo box, a date picker or a drop-down carries: it
// stands on the control's parent at one of fifteen places beside the
// control (the combo box and the pickers offer the first thirteen), and
// follows the control's moves, parent, visibility and enabled state. The
// control owns it, but the parent may free it first (it is the parent's
// child): the label is then never touched again.
#include "platform/ui/Label.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

namespace controls {

enum class TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight,
};

// The label's top-left corner for a control at control, a label of the
// given size whose caption is captionWidth wide, margin pixels away.
QPoint labelTopLeft(TLabelPosition position, const QRect &control, QSize label, int captionWidth, int margin);

class TAttachedLabel : public QObject {
    Q_OBJECT
public:
    explicit TAttachedLabel(QWidget &control);
    ~TAttachedLabel() override;

    // The label, or none before the first caption or after its parent freed it.
    platform::TLabel *label() const { return m_label; }

    QString caption() const;
    // Creates the label on the first call.
    void setCaption(const QString &caption);

    TLabelPosition position() const { return m_position; }
    void setPosition(TLabelPosition position);
    int margin() const { return m_margin; }
    void setMargin(int margin);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool alwaysEnabled() const { return m_alwaysEnabled; }
    void setAlwaysEnabled(bool always);
    const QFont &font() const { return m_font; }
    void setFont(const QFont &font);
    // The label shows the control's font instead of its own.
    bool useControlFont() const { return m_useControlFont; }
    void setUseControlFont(bool use);
    // The label turns bold while the control has the focus.
    bool focusLabel() const { return m_focusLabel; }
    void setFocusLabel(bool focus) { m_focusLabel = focus; }
    void setControlFocused(bool focused);

    // Puts the label in its place, font, visibility and enabled state.
    void place();

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followParent();

    QWidget &m_control;
    QPointer<platform::TLabel> m_label;
    TLabelPosition m_position = TLabelPosition::lpLeftTop;
    int m_margin = 4;
    bool m_transparent = false;
    bool m_alwaysEnabled = false;
    bool m_useControlFont = false;
    bool m_focusLabel = false;
    bool m_bold = false;
    QFont m_font;
};

// The label properties of a control that carries a label, for the control
// to take as a base; the label object is a child of the control.
class TLabelProperties {
public:
    QString LabelCaption() const { return m_label->caption(); }
    void setLabelCaption(const QString &caption) { m_label->setCaption(caption); }
    TLabelPosition LabelPosition() const { return m_label->position(); }
    void setLabelPosition(TLabelPosition position) { m_label->setPosition(position); }
    int LabelMargin() const { return m_label->margin(); }
    void setLabelMargin(int margin) { m_label->setMargin(margin); }
    bool LabelTransparent() const { return m_label->transparent(); }
    void setLabelTransparent(bool transparent) { m_label->setTransparent(transparent); }
    bool LabelAlwaysEnabled() const { return m_label->alwaysEnabled(); }
    void setLabelAlwaysEnabled(bool always) { m_label->setAlwaysEnabled(always); }
    const QFont &LabelFont() const { return m_label->font(); }
    void setLabelFont(const QFont &font) { m_label->setFont(font); }
    bool FocusLabel() const { return m_label->focusLabel(); }
    void setFocusLabel(bool focus) { m_label->setFocusLabel(focus); }

protected:
    explicit TLabelProperties(QWidget &control) : m_label(new TAttachedLabel(control)) {}
    TAttachedLabel &attachedLabel() const { return *m_label; }

private:
    TAttachedLabel *m_label;
};

} // namespace controls
