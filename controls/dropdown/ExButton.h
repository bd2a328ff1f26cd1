#pragma once
// A small owner-drawn button of the popup's header and footer, painted in
// the colours of the drop-down's shared button appearance. A footer button
// with a ModalResult closes the popup, keeping or cancelling the changes,
// before its click is reported.
#include "controls/dropdown/paint/PopupAppearance.h"
#include "controls/dropdown/paint/StripPainting.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/ImageList.h"

#include <QPointer>
#include <QWidget>

#include <optional>

namespace controls {

class TExCustomDropDown;

class TExButton : public QWidget {
    Q_OBJECT
public:
    explicit TExButton(QWidget *parent);

    // Shared, not owned; nothing is painted without one.
    void setAppearance(TExButtonAppearance *appearance);
    TExButtonAppearance *Appearance() const { return m_appearance; }
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setImages(const platform::TImageList *images);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    // The drop-down a ModalResult closes (footer buttons only).
    void setExDropDown(TExCustomDropDown *dropDown) { m_dropDown = dropDown; }
    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Caption's width + 8 and height + 4 (the image's, when larger).
    void AutoSizeToContent();
    // Closes the popup by the ModalResult, then, unless the keyboard
    // clicked, raises OnClick.
    void Click();
    TExButtonState State() const;

    platform::TNotifyEvent OnClick;
    platform::TNotifyEvent OnMouseEnter;
    platform::TNotifyEvent OnMouseLeave;

protected:
    virtual void DrawButton(platform::TCanvas &canvas);

    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Runs a step that may close the popup or free the drop-down.
    template <class Step>
    void guardedStep(Step &&step);

    TExButtonAppearance *m_appearance = nullptr;
    platform::TChangeLink m_imagesLink;
    const platform::TImageList *m_images = nullptr;
    QString m_caption;
    int m_imageIndex = -1;
    int m_modalResult = 0;
    int m_tag = 0;
    QPointer<TExCustomDropDown> m_dropDown;
    bool m_mouseInControl = false;
    bool m_down = false;
    bool m_dragging = false;
    bool m_internalClick = false;
};

// What a footer button's ModalResult does to the popup: none leaves it
// open, else it closes cancelling (true) or keeping (false) the changes.
std::optional<bool> closeByModalResult(int modalResult);

} // namespace controls
