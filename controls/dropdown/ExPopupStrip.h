#pragma once
// The popup's header and footer: strips with a gradient background, a
// border, an image and a mini-HTML caption, and a row of buttons made from
// the drop-down's button items each time the popup opens. The footer has a
// size grip that drags the popup's bottom-right corner.
#include "controls/dropdown/core/DbgList.h"
#include "controls/dropdown/paint/PopupAppearance.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace controls {

class TExButton;
class TExCustomDropDown;

using TDrawBackGroundEvent = std::function<void(QObject *Sender, platform::TCanvas &canvas, platform::TRect r)>;
using TGetTextEvent = std::function<void(QObject *Sender, QString &text)>;

class TExPopupStrip : public QWidget {
    Q_OBJECT
public:
    ~TExPopupStrip() override;

    TExCustomDropDown *ExDropDown() const { return m_dropDown; }
    const platform::TImageList *Images() const { return m_images; }
    // The button controls, in the order of the items.
    const TDbgList<TExButton *> &ButtonList() const { return m_buttonList; }

    // Replaces all painting; the buttons stay.
    TDrawBackGroundEvent OnDrawBackGround;
    // May change the caption before it is drawn.
    TGetTextEvent OnGetText;

    // Links the strip to the drop-down: its images and a copy of its
    // header's or footer's appearance.
    void SetExDropDown(TExCustomDropDown *dropDown);
    void RecreateButtons();

    virtual void CreateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void UpdateButtons();

    virtual const TStripAppearance &Appearance() const = 0;
    bool isFooter() const { return m_footer; }

protected:
    TExPopupStrip(QWidget *parent, bool footer);

    // The drop-down's items the buttons are made from.
    virtual int itemCount() const = 0;
    virtual const THeaderButton *item(int index) const = 0;
    virtual void copyAppearance() = 0;
    virtual void buttonClicked(int index) = 0;
    // Whether the footer's size grip shows.
    virtual bool gripShown() const { return false; }
    platform::TRect buttonArea() const;
    virtual void paintStrip(platform::TCanvas &canvas);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    // Visible and height follow the appearance.
    void appearanceChanged();

    QPointer<TExCustomDropDown> m_dropDown;

private:
    bool m_footer;
    const platform::TImageList *m_images = nullptr;
    TDbgList<TExButton *> m_buttonList;
};

class TExHeader : public TExPopupStrip {
    Q_OBJECT
public:
    explicit TExHeader(QWidget *parent);
    const THeaderAppearance &Appearance() const override { return m_appearance; }
    void setAppearance(const THeaderAppearance &appearance);

protected:
    int itemCount() const override;
    const THeaderButton *item(int index) const override;
    void copyAppearance() override;
    void buttonClicked(int index) override;

private:
    THeaderAppearance m_appearance;
};

class TExFooter : public TExPopupStrip {
    Q_OBJECT
public:
    explicit TExFooter(QWidget *parent);
    const TFooterAppearance &Appearance() const override { return m_appearance; }
    void setAppearance(const TFooterAppearance &appearance);
    // The grip's zone, where a press starts dragging the popup's corner.
    bool inGripZone(QPoint at) const;

protected:
    int itemCount() const override;
    const THeaderButton *item(int index) const override;
    void copyAppearance() override;
    void buttonClicked(int index) override;
    bool gripShown() const override;
    void paintStrip(platform::TCanvas &canvas) override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TFooterAppearance m_appearance;
    // The drag of the grip: where it began and the popup's size then.
    bool m_sizing = false;
    QPoint m_sizingFrom;
    QSize m_sizingSize;
};

} // namespace controls
