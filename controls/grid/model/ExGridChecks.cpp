// Check boxes and radio buttons in cells: adding them, their state by
// code and by click, and the hit test. A data check box keeps its state in
// the cell text; every other kind keeps it in its graphic object.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"

#include "controls/grid/base/widget/ExGridUndoRedo.h"
#include "platform/Error.h"

namespace controls {

namespace {

TCellVAlign checkPlacement(TVAlignment alignment)
{
    switch (alignment) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    default:
        return vaTop;
    }
}

bool isTwoStateBox(TCellType kind) { return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox; }
bool isTextBox(TCellType kind) { return kind == ctDataCheckBox || kind == ctVirtCheckBox; }

} // namespace

QString TExStringGrid::checkText(int ACol, int ARow, bool State)
{
    QString text;
    State ? DoGetCheckTrue(ACol, ARow, text) : DoGetCheckFalse(ACol, ARow, text);
    return text;
}

// --- adding ---------------------------------------------------------------------------------------------------

static void validateCell(const TExStringGrid &grid, int ACol, int ARow)
{
    if (ACol >= grid.ColCount() + grid.NumHiddenColumns() || ARow >= grid.RowCount() + grid.NumHiddenRows() ||
        ACol < 0 || ARow < 0)
        throw platform::Error(QStringLiteral("Invalid cell"));
}

void TExStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    validateCell(*this, ACol, ARow);
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetCheckBox(State, Data, true, haBeforeText, checkPlacement(VAlignment));
    if (Data) {
        const QString text = GetCellEx(ACol, ARow);
        if (text != CheckTrue && text != CheckFalse)
            SetCellEx(ACol, ARow, State ? CheckTrue : CheckFalse);
    }
}

void TExStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    validateCell(*this, ACol, ARow);
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetCheckBox(State, true, haBeforeText, checkPlacement(VAlignment));
}

void TExStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    const int first = m_mouseActions.CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        AddCheckBox(ACol, r, DefaultState, DataCheckBox);
}

void TExStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    const int first = m_mouseActions.CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
}

void TExStringGrid::RemoveCheckBoxColumn(int ACol)
{
    const int first = m_mouseActions.CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r))
            RemoveCheckBox(ACol, r);
}

void TExStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctTriStateCheckBox)
        RemoveCellGraphic(ACol, ARow);
}

bool TExStringGrid::HasCheckBox(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TExStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

// --- state by code ------------------------------------------------------------------------------------------

TCellGraphic *TExStringGrid::checkGraphicOfRealRow(int ACol, int ARow)
{
    if (NumHiddenRows() == 0)
        return GetCellGraphic(ACol, ARow);
    if (const TCellProperties *props = GetObjectOfRealRow(ACol, ARow))
        return dynamic_cast<TCellGraphic *>(props->GraphicObject());
    // Shared boxes have no properties of their own: asked at the row's
    // display place.
    return IsHiddenRow(ARow) ? nullptr : GetCellGraphic(ACol, DisplRowIndex(ARow));
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool &State)
{
    const TCellGraphic *g = checkGraphicOfRealRow(ACol, ARow);
    if (!g)
        return false;
    switch (g->FCellType) {
    case ctCheckBox:
        State = g->FCellBoolean;
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        State = AllCells(ACol, ARow) == checkText(ACol, ARow, true);
        return true;
    case ctRowCheckBox:
        State = TGridSelection::flag(m_selection->rowSelect, DisplRowIndex(ARow));
        return true;
    default:
        return false;
    }
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState &State)
{
    const TCellGraphic *g = checkGraphicOfRealRow(ACol, ARow);
    if (g && g->FCellType == ctTriStateCheckBox) {
        State = g->FCellCheckBoxState;
        return true;
    }
    bool checked = false;
    if (!GetCheckBoxState(ACol, ARow, checked))
        return false;
    State = BoolToCheckBoxState(checked);
    return true;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    TCellGraphic *g = checkGraphicOfRealRow(ACol, ARow);
    if (!g)
        return false;
    switch (g->FCellType) {
    case ctCheckBox:
        g->FCellBoolean = State;
        RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        setAllCells(ACol, ARow, checkText(ACol, ARow, State));
        return true;
    case ctRowCheckBox:
        setRowSelect(DisplRowIndex(ARow), State);
        return true;
    default:
        return false;
    }
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic *g = checkGraphicOfRealRow(ACol, ARow);
    if (!g || g->FCellType != ctTriStateCheckBox)
        return false;
    g->FCellCheckBoxState = State;
    RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
    return true;
}

bool TExStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExStringGrid::SetCheckBoxStateNotify(int ACol, int ARow, bool State)
{
    TCellGraphic *g = NumHiddenRows() == 0 ? GetCellGraphic(ACol, ARow) : checkGraphicOfRealRow(ACol, RealRowIndex(ARow));
    if (!g)
        return false;
    switch (g->FCellType) {
    case ctCheckBox:
        if (g->FCellBoolean != State) {
            g->FCellBoolean = State;
            DoCheckBoxChange(ACol, ARow, State);
            RepaintCell(DisplColIndex(ACol), ARow);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const bool old = GetCellEx(ACol, ARow) == checkText(ACol, ARow, true);
        SetCellEx(ACol, ARow, checkText(ACol, ARow, State));
        if (old != State)
            DoCheckBoxChange(ACol, ARow, State);
        return true;
    }
    case ctRowCheckBox:
        if (TGridSelection::flag(m_selection->rowSelect, ARow) != State) {
            setRowSelect(ARow, State);
            DoCheckBoxChange(ACol, ARow, State);
        }
        return true;
    default:
        return false;
    }
}

void TExStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckBoxStateNotify(ACol, r, true);
}

void TExStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckBoxStateNotify(ACol, r, false);
}

// --- clicks ----------------------------------------------------------------------------------------------------

bool TExStringGrid::controlMayChange(int ACol, int ARow, bool CheckEditable, bool AlwaysActive)
{
    if (!CheckEditable || AlwaysActive)
        return true;
    bool canEdit = true;
    CheckCellEditable(ACol, ARow, canEdit);
    return canEdit;
}

bool TExStringGrid::ClickCellCheckBox(int ACol, int ARow, bool CheckEditable)
{
    TCellGraphic *g = GetCellGraphic(ACol, ARow);
    if (!g || !(isTwoStateBox(g->FCellType) || g->FCellType == ctTriStateCheckBox))
        return false;
    if (!controlMayChange(ACol, ARow, CheckEditable, m_controlLook.CheckAlwaysActive))
        return false;
    bool state = false;
    QString oldText;
    QString newText;
    switch (g->FCellType) {
    case ctCheckBox:
        g->FCellBoolean = !g->FCellBoolean;
        state = g->FCellBoolean;
        break;
    case ctTriStateCheckBox:
        if (GroupingAutoCheckGroup && IsNode(ARow)) {
            // A group's box is its rows' state: grayed is no state to click to.
            g->FCellCheckBoxState = g->FCellCheckBoxState == cbChecked ? cbUnchecked : cbChecked;
            state = g->FCellCheckBoxState == cbChecked;
            break;
        }
        g->FCellCheckBoxState = g->FCellCheckBoxState == cbUnchecked ? cbGrayed
                                : g->FCellCheckBoxState == cbGrayed  ? cbChecked
                                                                     : cbUnchecked;
        state = false;
        break;
    case ctRowCheckBox:
        // The row's selection is its state.
        state = !TGridSelection::flag(m_selection->rowSelect, ARow);
        setRowSelect(ARow, state);
        break;
    default: {
        oldText = GetCellEx(ACol, ARow);
        state = oldText != checkText(ACol, ARow, true);
        newText = checkText(ACol, ARow, state);
        SetCellEx(ACol, ARow, newText);
        break;
    }
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, state);
    if (GroupingAutoCheckGroup)
        AutoCheckGroupClicked(ACol, ARow, state);
    // Undo can only play back texts: a box whose state is its text is
    // recorded with the text it had; others would have their caption
    // overwritten by a played-back state text.
    if (TExGridUndoRedo *undo = UndoRedo(); undo && isTextBox(g->FCellType))
        undo->RegisterChange(TCellChange{ACol, ARow, oldText, newText});
    return true;
}

bool TExStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const TCellGraphic *g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    const TCellType kind = g->FCellType;
    if (!isTwoStateBox(kind) && kind != ctRadioButton && kind != ctTriStateCheckBox)
        return false;
    if (!m_mouseActions.PreciseCheckBoxCheck)
        return true;
    const platform::TRect r = CellRect(DisplColIndex(ACol), ARow);
    const int s = m_controlLook.CheckSize;
    int top = r.Top + 2;
    if (g->FCellVAlign == vaBottom)
        top = r.Bottom - s - 2;
    else if (g->FCellVAlign == vaCenter)
        top = r.Top + (r.Bottom - r.Top - s) / 2;
    int left = r.Left + 2;
    const TAlignment alignment = Alignments(ACol, ARow);
    if (alignment == taRightJustify) {
        left = r.Right - s - 2;
        const QString text = GetCellEx(ACol, ARow);
        if (!text.isEmpty())
            left -= Canvas().TextWidth(text);
    } else if (alignment == taCenter) {
        left = r.Left + (r.Right - r.Left - s) / 2;
    }
    return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}

// --- radio buttons --------------------------------------------------------------------------------------------

void TExStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    validateCell(*this, ACol, ARow);
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetRadioButton(State, true, haBeforeText, checkPlacement(VAlignment));
}

void TExStringGrid::RemoveRadioButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadioButton); }

void TExStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void TExStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        RemoveRadioButton(ACol, r);
}

bool TExStringGrid::SelectNextRadioItem(int ACol, int ARow, bool CheckEditable)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g || g->FCellType != ctRadio)
        return false;
    if (!controlMayChange(ACol, ARow, CheckEditable, m_controlLook.RadioAlwaysActive))
        return false;
    const auto *options = static_cast<const QStringList *>(g->CellBitmap());
    const qsizetype count = options ? options->size() : 0;
    if (count == 0)
        return false;
    int next = g->FCellIndex >= 0 ? g->FCellIndex + 1 : static_cast<int>(options->indexOf(GetCellEx(ACol, ARow))) + 1;
    if (next >= count)
        next = 0;
    if (g->FCellIndex >= -1)
        g->FCellIndex = next;
    g->FCellVar = next;
    SetCellEx(ACol, ARow, options->at(next));
    return true;
}

bool TExStringGrid::IsDataTextCell(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}

bool TExStringGrid::HasRadioButton(int ACol, int ARow)
{
    const TGridCoord base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctRadioButton;
}

bool TExStringGrid::IsRadioButtonChecked(int ACol, int ARow)
{
    const TGridCoord base = BaseCell(ACol, ARow);
    const TCellGraphic *g = graphicOf(base.X, base.Y);
    return g && g->FCellType == ctRadioButton && g->FCellBoolean;
}

bool TExStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    const TGridCoord base = BaseCell(ACol, ARow);
    TCellGraphic *g = graphicOf(base.X, base.Y);
    if (!g || g->FCellType != ctRadioButton)
        return false;
    if (g->FCellBoolean != State) {
        g->FCellBoolean = State;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
    return true;
}

void TExStringGrid::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int TExStringGrid::GetRadioButtonColumnIndex(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r))
            return r;
    return -1;
}

bool TExStringGrid::ClickRadioButton(int ACol, int ARow, bool CheckEditable)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g || g->FCellType != ctRadioButton)
        return false;
    if (!controlMayChange(ACol, ARow, CheckEditable, m_controlLook.CheckAlwaysActive))
        return false;
    if (!g->FCellBoolean) {
        g->FCellBoolean = true;
        RepaintCell(DisplColIndex(ACol), ARow);
        for (int r = 0; r < RowCount(); ++r) {
            TCellGraphic *other = graphicOf(ACol, r);
            if (r != ARow && other && other->FCellType == ctRadioButton && other->FCellBoolean) {
                other->FCellBoolean = false;
                RepaintCell(DisplColIndex(ACol), r);
            }
        }
    }
    return true;
}

bool TExStringGrid::IsClickControlCell(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
                                      ctRadioButton, ctTriStateCheckBox});
}

} // namespace controls
