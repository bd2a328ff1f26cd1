#pragma once
// The arrow button inside a drop-down's right edge: a holder that always
// keeps its own width, and the speed button filling it, which paints the
// arrow themed, in custom colours or in the classic look. A left-button
// release on the speed button clicks it, wherever the mouse was let go.
#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Canvas.h"

#include <QPointer>
#include <QWidget>

namespace controls {

class TDropDownEditButton;
class TExCustomDropDown;

enum class TButtonStyle { bsButton, bsDropDown };

class TExDropDownSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit TExDropDownSpeedButton(TDropDownEditButton &holder);

    TButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void setButtonStyle(TButtonStyle style);
    bool Etched() const { return m_etched; }
    void setEtched(bool etched);
    // The edit under the mouse or active: set by the edit's border repaint.
    bool Focused() const { return m_focused; }
    void setFocused(bool focused);
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    // Never drawn pressed.
    void SetUp() { m_up = true; }
    bool Hot() const { return m_hot; }
    bool Down() const { return m_down; }
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const platform::TBitmap &Glyph() const { return m_glyph; }
    void setGlyph(const platform::TBitmap &glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count);

    // The face as it is painted now.
    QImage paintFace();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paint(platform::TCanvas &canvas);
    void paintDropDown(platform::TCanvas &canvas);
    void paintButton(platform::TCanvas &canvas);
    bool pressed() const { return m_down && !m_up; }
    TExCustomDropDown *dropDown() const;

    TDropDownEditButton &m_holder;
    TButtonStyle m_buttonStyle = TButtonStyle::bsButton;
    bool m_etched = false;
    bool m_focused = false;
    bool m_flat = false;
    bool m_hot = false;
    bool m_down = false;
    bool m_up = false;
    QString m_caption;
    platform::TBitmap m_glyph;
    int m_numGlyphs = 1;
};

class TDropDownEditButton : public QWidget, public TButtonColors {
    Q_OBJECT
public:
    explicit TDropDownEditButton(QWidget *parent);

    TExDropDownSpeedButton *Button() const { return m_button; }
    // The edit the button belongs to.
    QWidget *FocusControl() const { return m_focusControl; }
    void setFocusControl(QWidget *control) { m_focusControl = control; }
    // The width the holder keeps whatever width it is given.
    int BWidth() const { return m_bWidth; }
    void setBWidth(int width) { m_bWidth = width; }
    // Places the holder with its own width and the given height.
    void SetBounds(int left, int top, int width, int height);

    platform::TNotifyEvent OnClick;

    // The speed button was let go.
    void buttonReleased();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    TExDropDownSpeedButton *m_button;
    QPointer<QWidget> m_focusControl;
    int m_bWidth = 16;
};

} // namespace controls
