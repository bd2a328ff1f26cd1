#pragma once
// One page of the page control: a window shown while its page is active,
// with the caption, colours and flags its tab is laid out and painted by.
#include "platform/Color.h"
#include "platform/NotifyEvent.h"

#include <QString>
#include <QWidget>
#include <functional>

namespace controls {

class TExPageControl;

// The page control's own order: vertical first.
enum class TTabGradientDirection { gdVertical, gdHorizontal };

class TExTabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TExTabSheet(TExPageControl *pageControl = nullptr);
    ~TExTabSheet() override;

    TExPageControl *PageControl() const { return m_pageControl; }
    // Moves the sheet to another page control (or none), as its last page.
    void setPageControl(TExPageControl *pageControl);

    // The painted caption is the whole text; the tab is sized by the text
    // without its last two characters, or with one blank more when the tab
    // carries a close button.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString TabCaption() const { return m_tabCaption; }

    bool TabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);
    // Refused for the active page: it cannot be left without a page.
    bool TabEnable() const { return m_tabEnable; }
    void setTabEnable(bool enable);
    bool ShowClose() const { return m_showClose; }
    void setShowClose(bool show);
    bool Highlighted() const { return m_highlighted; }
    void setHighlighted(bool value) { m_highlighted = value; }

    // Position among the pages, -1 without a control. Writing a position past
    // the last page is refused with a message.
    int PageIndex() const;
    void setPageIndex(int index);
    // Position among the showing tabs, -1 when the tab is not showing.
    int TabIndex() const;

    platform::TColor Color() const;
    void setColor(platform::TColor color);
    platform::TColor ColorTo() const { return m_colorTo; }
    void setColorTo(platform::TColor color);
    platform::TColor TextColor() const { return m_textColor; }
    void setTextColor(platform::TColor color);
    platform::TColor TabColor() const { return m_tabColor; }
    void setTabColor(platform::TColor color);
    platform::TColor TabColorTo() const { return m_tabColorTo; }
    void setTabColorTo(platform::TColor color);
    TTabGradientDirection TabGradientDirection() const { return m_tabGradientDirection; }
    void setTabGradientDirection(TTabGradientDirection direction);
    TTabGradientDirection HoverGradientDirection() const { return m_hoverGradientDirection; }
    void setHoverGradientDirection(TTabGradientDirection direction) { m_hoverGradientDirection = direction; }
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);

    platform::TNotifyEvent OnShow;
    platform::TNotifyEvent OnHide;
    platform::TNotifyEvent OnClose;
    std::function<void(TExTabSheet *, bool &canClose)> OnCanClose;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend class TExPageControl;
    friend class TabPainter;
    bool CanClose();
    void invalidateControl();

    TExPageControl *m_pageControl = nullptr;
    // The control whose closed list names this sheet, if any.
    TExPageControl *m_closedIn = nullptr;
    QString m_caption;
    QString m_tabCaption;
    bool m_tabVisible = true;
    bool m_tabShowing = false;
    bool m_tabEnable = true;
    bool m_showClose = false;
    bool m_highlighted = false;
    bool m_ownColor = false;
    platform::TColor m_color = platform::clBtnFace;
    platform::TColor m_colorTo = platform::clNone;
    platform::TColor m_textColor = platform::clBlack;
    platform::TColor m_tabColor = platform::clNone;
    platform::TColor m_tabColorTo = platform::clNone;
    TTabGradientDirection m_tabGradientDirection = TTabGradientDirection::gdVertical;
    TTabGradientDirection m_hoverGradientDirection = TTabGradientDirection::gdVertical;
    int m_imageIndex = -1;
};

} // namespace controls
