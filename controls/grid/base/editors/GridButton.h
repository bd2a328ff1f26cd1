#pragma once
// The small button the grid puts in its cells and panels: flat or classic,
// up to four glyphs with a shadow, gradient colours per state, seven colour
// looks, an optional drop-down part, and grouped buttons of which one stays
// down. It takes no focus; it captures the mouse while pressed.
#include "platform/Color.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Bitmap.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

class QAction;


namespace controls {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum class TExGridButtonStyle { tasButton, tasCheck };

struct TButtonContentLayout {
    QPoint glyph;
    QRect text;
};

// Where the glyph and the caption stand in the client rectangle: along the
// layout, after the margin and with the spacing between them (-1 spreads
// them evenly), centred across; moved by the offset.
TButtonContentLayout layoutButtonContent(const QRect &client, QPoint offset, QSize glyph, QSize text,
                                         TButtonLayout layout, int margin, int spacing, bool rightToLeft);

// A glyph's disabled form: each pixel grey at half its average plus 96.
platform::TBitmap greyedGlyph(const platform::TBitmap &glyph);
// Its shadow: the pixels other than the transparent colour (the lower-left
// pixel's) in 0x808080, the others in the transparent colour.
platform::TBitmap shadowGlyph(const platform::TBitmap &glyph);

class TExGridButton : public QWidget {
    Q_OBJECT
public:
    explicit TExGridButton(QWidget *parent = nullptr);
    ~TExGridButton() override;

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    const platform::TBitmap &Glyph() const { return m_glyph; }
    // Also makes the disabled glyph while that is empty.
    void setGlyph(const platform::TBitmap &glyph);
    const platform::TBitmap &GlyphHot() const { return m_glyphHot; }
    void setGlyphHot(const platform::TBitmap &glyph);
    const platform::TBitmap &GlyphDown() const { return m_glyphDown; }
    void setGlyphDown(const platform::TBitmap &glyph);
    const platform::TBitmap &GlyphDisabled() const { return m_glyphDisabled; }
    void setGlyphDisabled(const platform::TBitmap &glyph);
    bool Shaded() const { return m_shaded; }
    void setShaded(bool shaded);

    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index);
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool allow);
    bool Down() const { return m_down; }
    void setDown(bool down);
    TExGridButtonStyle Style() const { return m_style; }
    void setStyle(TExGridButtonStyle style);

    TButtonLayout Layout() const { return m_layout; }
    void setLayout(TButtonLayout layout);
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    // -1 centres; values below -1 are refused.
    int Margin() const { return m_margin; }
    void setMargin(int margin);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    bool Rounded() const { return m_rounded; }
    void setRounded(bool rounded);
    bool DropDownButton() const { return m_dropDownButton; }
    void setDropDownButton(bool dropDown);
    QMenu *DropDownMenu() const { return m_dropDownMenu; }
    void setDropDownMenu(QMenu *menu) { m_dropDownMenu = menu; }

    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);
    platform::TColor ColorTo() const { return m_colorTo; }
    void setColorTo(platform::TColor color);
    platform::TColor ColorHot() const { return m_colorHot; }
    void setColorHot(platform::TColor color) { m_colorHot = color; }
    platform::TColor ColorHotTo() const { return m_colorHotTo; }
    void setColorHotTo(platform::TColor color) { m_colorHotTo = color; }
    platform::TColor ColorDown() const { return m_colorDown; }
    void setColorDown(platform::TColor color) { m_colorDown = color; }
    platform::TColor ColorDownTo() const { return m_colorDownTo; }
    void setColorDownTo(platform::TColor color) { m_colorDownTo = color; }
    platform::TColor ColorChecked() const { return m_colorChecked; }
    void setColorChecked(platform::TColor color);
    platform::TColor ColorCheckedTo() const { return m_colorCheckedTo; }
    void setColorCheckedTo(platform::TColor color);
    platform::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(platform::TColor color);
    platform::TColor BorderDownColor() const { return m_borderDownColor; }
    void setBorderDownColor(platform::TColor color) { m_borderDownColor = color; }
    platform::TColor BorderHotColor() const { return m_borderHotColor; }
    void setBorderHotColor(platform::TColor color) { m_borderHotColor = color; }

    // One of seven colour sets (0 to 6); other values change nothing.
    int Look() const { return m_look; }
    void setLook(int look);
    // Follow the desktop's colour scheme; without themes that is look 1.
    bool AutoThemeAdapt() const { return m_autoThemeAdapt; }
    void setAutoThemeAdapt(bool adapt);
    // The themed push button needs visual styles, which this platform does
    // not have: the classic face is drawn.
    bool AutoXPStyle() const { return m_autoXPStyle; }
    void setAutoXPStyle(bool xp) { m_autoXPStyle = xp; }

    // The action whose caption, checked state and group the button follows.
    QAction *Action() const { return m_action; }
    void setAction(QAction *action);

    TButtonState State() const { return m_state; }
    bool MouseInControl() const { return m_mouseInControl; }

    platform::TNotifyEvent OnClick;
    platform::TNotifyEvent OnDblClick;
    platform::TNotifyEvent OnDropDown;
    platform::TNotifyEvent OnMouseEnter;
    platform::TNotifyEvent OnMouseLeave;

    void Click();
    // What the group notice does to a button of the group.
    void ButtonPressed(int groupIndex, TExGridButton *sender);

    // The face as it is painted now.
    QImage paintFace() const;
    QSize sizeHint() const override { return {22, 23}; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void MouseEnter();
    void MouseLeave();
    void retestHot(QPoint pos);
    void notifyGroup();
    void updateAccelerator();
    void followAction();
    bool insideForPress(QPoint pos) const;
    void paint(platform::TCanvas &canvas) const;
    void paintFlatFace(platform::TCanvas &canvas, platform::TRect &r, TButtonState state) const;
    void paintContent(platform::TCanvas &canvas, const platform::TRect &r, QPoint offset, TButtonState state) const;
    const platform::TBitmap &chosenGlyph(TButtonState state) const;

    QString m_caption;
    platform::TBitmap m_glyph, m_glyphHot, m_glyphDown, m_glyphDisabled, m_glyphShade;
    bool m_shaded = true;
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_dragging = false;
    bool m_allowAllUp = false;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_spacing = 4;
    int m_margin = -1;
    bool m_flat = true;
    bool m_mouseInControl = false;
    platform::TColor m_color = platform::clBtnFace;
    platform::TColor m_colorTo = platform::clNone;
    platform::TColor m_colorHot = 0xCAC7C7;
    platform::TColor m_colorHotTo = platform::clNone;
    platform::TColor m_colorDown = 0xD8D3D2;
    platform::TColor m_colorDownTo = platform::clNone;
    platform::TColor m_borderColor = platform::clNone;
    platform::TColor m_borderDownColor = platform::clNone;
    platform::TColor m_borderHotColor = platform::clNone;
    platform::TColor m_colorChecked = 0x808080;
    platform::TColor m_colorCheckedTo = platform::clNone;
    TExGridButtonStyle m_style = TExGridButtonStyle::tasButton;
    int m_look = 0;
    bool m_rounded = false;
    bool m_dropDownButton = false;
    bool m_autoThemeAdapt = false;
    bool m_autoXPStyle = false;
    QPointer<QMenu> m_dropDownMenu;
    bool m_showCaption = true;
    TButtonState m_state = TButtonState::bsUp;
    QPointer<QAction> m_action;
    QString m_actionCaption;
    int m_accelerator = 0;
};

} // namespace controls
