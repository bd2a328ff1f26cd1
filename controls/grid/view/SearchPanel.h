#pragma once
// The string grid's search panel: a strip docked at the grid's bottom with
// a search edit, find-next, find-previous and highlight buttons, a close
// button and a match-case box. Its controls are Qt's own widgets; the grid
// binds its events to its search handlers.
#include "platform/Color.h"
#include "platform/NotifyEvent.h"

#include <QLineEdit>
#include <QWidget>

class QCheckBox;
class QPushButton;

namespace controls {

class TExStringGrid;

// Return fires OnReturn, Ctrl+Return OnCtrlReturn; neither goes further.
class TRetEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TRetEdit(QWidget *parent);
    platform::TNotifyEvent OnReturn;
    platform::TNotifyEvent OnCtrlReturn;
    // Alt with a letter: true when it was one of the panel's accelerators.
    std::function<bool(QChar)> OnDialogChar;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class TSearchPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelHeight = 32;

    explicit TSearchPanel(TExStringGrid *grid);

    TRetEdit *Edit() const { return FEdit; }
    QPushButton *ForwardButton() const { return FForwardButton; }
    QPushButton *BackwardButton() const { return FBackwardButton; }
    QPushButton *HiliteButton() const { return FHiliteButton; }
    QPushButton *ExitButton() const { return FExitButton; }
    QCheckBox *MatchCase() const { return FMatchCase; }

    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor value);
    platform::TColor ColorTo() const { return FColorTo; }
    void setColorTo(platform::TColor value);
    // Captions keep their "&": its letter is the accelerator the grid
    // answers; the button shows the caption without it.
    void setCaptions(const QString &findNext, const QString &findPrev, const QString &matchCase,
                     const QString &highlight);
    void setHints(const QString &findNext, const QString &findPrev, const QString &close, const QString &highlight);
    QString FindNextCaption() const { return FFindNextCaption; }
    QString FindPrevCaption() const { return FFindPrevCaption; }
    QString HighLightCaption() const { return FHighLightCaption; }
    // The edit turns red when the text was not found.
    void setNotFound(bool value);
    bool NotFound() const { return m_notFound; }
    // Places the controls, mirrored in a right-to-left grid.
    void layoutControls();

    platform::TNotifyEvent OnForwardClick;
    platform::TNotifyEvent OnBackwardClick;
    platform::TNotifyEvent OnEditChange;
    platform::TNotifyEvent OnExitClick;
    platform::TNotifyEvent OnHighlightClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void editChanged();
    TExStringGrid *FGrid;
    TRetEdit *FEdit;
    QPushButton *FExitButton;
    QPushButton *FForwardButton;
    QPushButton *FBackwardButton;
    QPushButton *FHiliteButton;
    QCheckBox *FMatchCase;
    platform::TColor m_color = platform::clWhite;
    platform::TColor FColorTo = platform::clNone;
    bool m_notFound = false;
    QString FFindNextCaption, FFindPrevCaption, FMatchCaseCaption, FHighLightCaption;
};

// The letter after the caption's "&" (a doubled "&&" is no accelerator);
// null when there is none.
QChar AcceleratorOf(const QString &caption);

} // namespace controls
