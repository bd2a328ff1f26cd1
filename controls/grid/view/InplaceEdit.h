#pragma once
// TExInplaceEdit: the string grid's default editor. It filters what is
// typed and pasted by the cell's editor type, completes from the grid's
// look-up items, validates when a key or the focus leaves it, and tells
// the grid when the edit is done.
#include "controls/grid/base/widget/CellGrid.h"
#include "controls/grid/model/core/EditorFilters.h"

namespace controls {

class TExStringGrid;

class TExInplaceEdit : public TInplaceEdit {
    Q_OBJECT
public:
    explicit TExInplaceEdit(TExStringGrid *grid);

    TExStringGrid *Grid() const { return m_grid; }
    int LengthLimit() const { return m_lengthLimit; }
    void setLengthLimit(int value) { m_lengthLimit = value; }
    // Look-up completion is on; Backspace and Delete switch it off until
    // the next key.
    bool Workmode() const { return m_workmode; }
    // Completes the text from the grid's look-up items.
    void DoChange();
    // One character as if typed: through the filters of the editor type.
    void TypeChar(QChar ch, bool ctrlDown = false);
    // A paste of text, through the clipboard events and the filters.
    void PasteText(const QString &clip);
    // The display column and row of the cell being edited.
    int EditCol() const { return m_colE; }
    int EditRow() const { return m_rowE; }
    void setEditCell(int col, int row)
    {
        m_colE = col;
        m_rowE = row;
    }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    void keyDown(QKeyEvent *event);
    void keyUp(QKeyEvent *event);
    void focusLost(QFocusEvent *event);
    // Typing changed the text: OnEditChange, and the cell follows it.
    void textEditedByUser();
    TEditorText state() const;
    void apply(const TEditorText &state);
    TEditorFilterRules rules(bool ctrlDown) const;
    // A refused value stays for correction: selected, or the caret after it.
    void selectForCorrection();
    bool leaveByValidation();
    // Left at the text's start or Right at its end walks to the next cell.
    void walkKey(std::uint16_t key, platform::TShiftState shift);
    // A text that fills its length or mask moves on as Enter would.
    void advanceWhenFull();

    TExStringGrid *m_grid;
    int m_lengthLimit = 0;
    bool m_workmode = true;
    bool m_gotFocus = false;
    bool m_altBack = false;
    bool m_typing = false;
    int m_oldSelStart = 0;
    int m_colE = -1;
    int m_rowE = -1;
};

} // namespace controls
