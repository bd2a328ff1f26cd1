#pragma once
// What the mouse selects, sizes and edits in the grid. Plain options are
// read by the grid when it needs them; the setters below also keep the
// disjunct selection modes apart while a form is designed, let
// HotmailRowSelect imply its two companions, and tell the grid when its
// look or editing changes.
#include "controls/grid/base/OptionEvent.h"

#include <QStringList>
#include <functional>

namespace controls {

enum class TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum class TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum class TWheelAction { waMoveSelection, waScroll };

struct TMouseActionsOptions {
    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool AllSelect = false;
    bool AutoSizeColOnDblClick = true;
    bool CaretPositioning = false;
    bool CheckAllCheck = false;
    bool ColSelect = false;
    bool DirectComboClose = false;
    bool DirectComboDrop = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool DirectEdit = false;
    bool DisjunctRowSelectNoCtrl = false;
    bool MoveRowOnNodeClick = false;
    bool NoAutoRangeScroll = false;
    bool NodeAllExpandContract = false;
    bool NoScrollOnPartialRow = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool RangeSelectAndEdit = false;
    bool RowSelect = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    TGridFixedCellEdit FixedRowsEdit = TGridFixedCellEdit::fceNone;
    TGridFixedCellEdit FixedColsEdit = TGridFixedCellEdit::fceNone;
    TGridFixedCellEditor FixedRowsEditor = TGridFixedCellEditor::fceEdit;
    TGridFixedCellEditor FixedColsEditor = TGridFixedCellEditor::fceEdit;
    int WheelIncrement = 0;
};

class TMouseActions;
using TIsDesigningEvent = std::function<void(TMouseActions *Sender, bool &IsDesigning)>;

class TMouseActions : public TMouseActionsOptions {
public:
    bool DisjunctRowSelect() const { return m_disjunctRowSelect; }
    void setDisjunctRowSelect(bool value);
    // The same option without the design-time rule.
    void setDisjunctRowSelectDirect(bool value) { m_disjunctRowSelect = value; }
    bool DisjunctColSelect() const { return m_disjunctColSelect; }
    void setDisjunctColSelect(bool value);
    bool DisjunctCellSelect() const { return m_disjunctCellSelect; }
    void setDisjunctCellSelect(bool value);
    bool HotmailRowSelect() const { return m_hotmailRowSelect; }
    void setHotmailRowSelect(bool value);
    bool EditOnDblClickOnly() const { return m_editOnDblClickOnly; }
    void setEditOnDblClickOnly(bool value);
    TWheelAction WheelAction() const { return m_wheelAction; }
    void setWheelAction(TWheelAction value);
    const QStringList &FixedComboValues() const { return m_fixedComboValues; }
    void setFixedComboValues(const QStringList &values) { m_fixedComboValues = values; }

    // Copies every option; fires nothing.
    void Assign(const TMouseActions &source);

    TOptionEvent<TMouseActions> OnChange;
    TOptionEvent<TMouseActions> OnInvalidate;
    TOptionEvent<TMouseActions> OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;

private:
    bool designing();
    void setDisjunct(bool &field, bool value, bool &other1, bool &other2);

    bool m_disjunctRowSelect = false;
    bool m_disjunctColSelect = false;
    bool m_disjunctCellSelect = false;
    bool m_hotmailRowSelect = false;
    bool m_editOnDblClickOnly = false;
    TWheelAction m_wheelAction = TWheelAction::waMoveSelection;
    QStringList m_fixedComboValues;
};

} // namespace controls
