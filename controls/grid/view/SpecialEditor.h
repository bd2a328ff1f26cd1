#pragma once
// The editors a cell opens in place of the one-line edit: spin, combo,
// date, edit-button editors and the kinds other files add. The grid keeps
// one editor of each kind, made on first use as its child, and asks each
// only what this interface names: open it over a cell with a value, read
// the value back, store it, close it. A kind is added by one maker and one
// line in the table of SpecialEditorTable.cpp.
#include "controls/grid/model/ExGrid.h"

#include <QRect>
#include <memory>
#include <optional>

class QEvent;
class QKeyEvent;

namespace controls {

struct TButtonColors;

// What an editor opens with.
struct TEditorOpening {
    TEditorType type = edNormal;
    int col = 0; // display column of the base cell
    int realCol = 0;
    int row = 0;
    QRect cell; // where it goes: over the cell, grid lines excluded
    QString text; // the cell's text as the editor should show it
    platform::TColor color = platform::clWindow;
};

class TGridSpecialEditor;

// Where a commit writes: always the cell the editor was opened on, and only
// a value that differs from what the editor showed when it opened, so that
// looking at a cell never rewrites it.
class TEditorCommit {
public:
    TEditorCommit(TExStringGrid &grid, const TEditorOpening &at, const QString &baseline)
        : m_grid(grid), m_at(at), m_baseline(baseline)
    {
    }
    const TEditorOpening &at() const { return m_at; }
    bool changed(const QString &value) const { return value != m_baseline; }
    // Stores value into the editor's own cell when it changed.
    void store(const QString &value);
    TExStringGrid &grid() const { return m_grid; }

private:
    TExStringGrid &m_grid;
    const TEditorOpening &m_at;
    QString m_baseline;
};

class TGridSpecialEditor {
public:
    explicit TGridSpecialEditor(TExStringGrid &grid) : m_grid(grid) {}
    virtual ~TGridSpecialEditor() = default;
    TGridSpecialEditor(const TGridSpecialEditor &) = delete;
    TGridSpecialEditor &operator=(const TGridSpecialEditor &) = delete;

    // The control, a child of the grid; the grid frees it before itself.
    virtual QWidget *widget() const = 0;
    // Value in, placed over at.cell, shown and enabled; the grid focuses
    // it afterwards and then calls opened().
    virtual void open(const TEditorOpening &at) = 0;
    // After the focus: a list dropped down, a step of a pressed spin button.
    virtual void opened(const TEditorOpening &at) {}
    // The value the editor would store; none for editors that store nothing.
    virtual std::optional<QString> value() const = 0;
    // True when open() chose a value by itself (a pick list that starts on
    // its first item): that value is stored even if the user leaves it.
    virtual bool defaulted() const { return false; }
    // Writes the value; the default stores value() through the target.
    virtual void commit(TEditorCommit &target);
    // Hidden and disabled.
    virtual void close();
    // Whether the character that started the edit is typed into it.
    virtual bool takesStartChar() const { return true; }
    // Types the character into the control as a key press would.
    virtual void typeChar(QChar c);
    // The grid's colour tones (SetColorTones) for the control's buttons.
    virtual void setColorTones(const TColorTones &tones) {}

    TExStringGrid &grid() const { return m_grid; }

    // The grid's side of the editing protocol, for the controls' keys.
    // The cell's text when editing began.
    QString cellCache() const;
    // The text the last validation left.
    QString newCellText() const;
    // Validates text for the editor's cell, which takes it when it changed;
    // false when validation refused it.
    bool confirm(const QString &text);
    // Whether text differs from what the open editor showed when it opened.
    bool changedFromOpening(const QString &text) const;
    // Skips the grid's next automatic advance.
    void setNoAutoAdvance(bool value);
    bool noAutoAdvance() const;
    // Whether this editor is the one open now.
    bool isOpen() const;
    // After a key the control handed back: DoneInplaceEdit, then with
    // AdvanceOnEnter and AdvanceAutoEdit the next cell's editor opens.
    void doneKey(std::uint16_t key, platform::TShiftState shift);
    // Tab as the editors take it: with goTabs the editor closes and the
    // grid advances, without it the grid gets the key.
    void tabKey(platform::TShiftState shift);
    // The cell-advance step of a caret walking out of the text: left or
    // right, opening the editor there with CursorWalkAlwaysEdit.
    void walkOut(bool forward);
    // The focus left the control: the editor closes, its value committed
    // (not for a popup of the control's own).
    void focusLeft();
    // A Tab or Backtab press the grid wants (goTabs, a validation handler),
    // to be sent to the control's key handling before the dialog's focus
    // chain moves on; nullptr for any other event.
    QKeyEvent *tabForGrid(QEvent *event) const;
    // The grid's handlers of the editors' own notifications.
    void unitChanged(QObject *sender, const QString &unit) { m_grid.UnitChanged(sender, unit); }
    void datePickerCloseUp() { m_grid.DatePickerCloseUp(); }
    void datePickerDropDown() { m_grid.DatePickerDropDown(); }
    void datePickerChange(const QString &value) { m_grid.DatePickerChange(value); }
    void dateAndTimePickerChange(double value) { m_grid.DateAndTimePickerChange(value); }

private:
    TExStringGrid &m_grid;
};

// The grid's colour tones on an editor's button.
void setButtonTones(TButtonColors &button, const TColorTones &tones);

using TSpecialEditorMaker = std::unique_ptr<TGridSpecialEditor> (*)(TExStringGrid &grid);

// --- the kinds; each maker lives in its kind's own file ---------------------------------------
std::unique_ptr<TGridSpecialEditor> makeGridSpin(TExStringGrid &grid); // 1, 20, 21, 22
std::unique_ptr<TGridSpecialEditor> makeGridCombo(TExStringGrid &grid); // 2, 3
std::unique_ptr<TGridSpecialEditor> makeGridEditBtn(TExStringGrid &grid); // 4, 23, 24, 42
std::unique_ptr<TGridSpecialEditor> makeGridCheckBox(TExStringGrid &grid); // 5
std::unique_ptr<TGridSpecialEditor> makeGridDatePicker(TExStringGrid &grid); // 6, 7, 8
std::unique_ptr<TGridSpecialEditor> makeGridButton(TExStringGrid &grid); // 9
std::unique_ptr<TGridSpecialEditor> makeGridUnitEditBtn(TExStringGrid &grid); // 17, 40, 41
std::unique_ptr<TGridSpecialEditor> makeGridDateTimePicker(TExStringGrid &grid); // 28
std::unique_ptr<TGridSpecialEditor> makeGridRichEdit(TExStringGrid &grid); // 26
std::unique_ptr<TGridSpecialEditor> makeGridEditLink(TExStringGrid &grid); // 25

// The maker of a type's editor; nullptr for types that open none here.
TSpecialEditorMaker specialEditorMaker(TEditorType type);

} // namespace controls
