#pragma once
// A drop-down edit for text of several lines: the lines live in MemoText,
// the popup holds a memo to edit them, and the edit shows all of the text
// (line breaks kept) or, without the editor, a one-line summary. Enter
// makes a new line in the memo; Escape puts back the lines of the opening.
#include "controls/dropdown/DropDownEdit.h"

#include <QMenu>
#include <QPointer>
#include <QStringList>

class QPlainTextEdit;

namespace controls {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TExMemoDropDown : public TExCustomDropDown {
public:
    TExMemoDropDown(TConstructKey key, QWidget *parent);

    // The value, outside an open popup.
    const QStringList &MemoText() const { return m_memoText; }
    void setMemoText(const QStringList &lines);
    // Made with the popup.
    QPlainTextEdit *Memo() const;
    QMenu *MemoPopup() const { return m_memoPopup; }
    void setMemoPopup(QMenu *menu) { m_memoPopup = menu; }
    TScrollStyle MemoScrollBars() const { return m_memoScrollBars; }
    void setMemoScrollBars(TScrollStyle style) { m_memoScrollBars = style; }
    bool MemoReadOnly() const { return m_memoReadOnly; }
    void setMemoReadOnly(bool readOnly);
    // Opens the popup whenever the edit is entered, not when the focus
    // comes back from the popup.
    bool AutoDrop() const { return m_autoDrop; }
    void setAutoDrop(bool autoDrop) { m_autoDrop = autoDrop; }

    // Without the editor the edit shows the summary, with it every line.
    void setEditorEnabled(bool enabled) override;

    // Raised on every change in the popup's memo.
    platform::TNotifyEvent OnMemoChange;

    // The text of lines: each followed by a line break.
    static QString textOfLines(const QStringList &lines);
    // The lines of a text: a break ends a line, a last break adds none.
    static QStringList linesOfText(const QString &text);

protected:
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void CloseDropDown(bool cancel) override;
    void AfterCloseDropDown() override;
    void ControlKeyDown(QKeyEvent &event) override;
    void ControlKeyUp(QKeyEvent &event) override;
    void HandleTextChange() override;
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class TMemoEditor;

    void updateEditText();
    QString summary() const;
    // Keys the memo keeps: all but Alt combinations, Escape and F4.
    static bool memoKeeps(const QKeyEvent &event);

    QStringList m_memoText;
    TMemoEditor *m_memo = nullptr;
    QPointer<QMenu> m_memoPopup;
    TScrollStyle m_memoScrollBars = ssNone;
    bool m_memoReadOnly = false;
    bool m_autoDrop = false;
    bool m_internalUpdate = false;
};

} // namespace controls
