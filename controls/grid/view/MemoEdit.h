#pragma once
// TExMemoEdit: the string grid's editor for cells of several lines
// (Multilinecells). It shows the lines as lines, filters what is typed as
// the one-line editor does, breaks a line on Ctrl+Enter, and leaves the
// cell on Enter, Escape, Tab and on Up or Down past its first or last line.
#include "controls/grid/model/core/EditorFilters.h"

#include <QPlainTextEdit>

namespace controls {

class TExStringGrid;

class TExMemoEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TExMemoEdit(TExStringGrid *grid);

    // The cell's text with CR LF between lines, shown over rect.
    void open(const QString &text, const QRect &rect, bool selectAll);
    // The text with CR LF between lines, as cells keep it.
    QString cellText() const;
    // One character as if typed, through the filters of the editor type.
    void TypeChar(QChar ch);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    void keyDown(QKeyEvent *event);
    void userChanged();
    // Validates and closes; false when the grid kept the edit open.
    bool leave();
    TEditorText state() const;

    TExStringGrid *m_grid;
    bool m_loading = false;
};

} // namespace controls
