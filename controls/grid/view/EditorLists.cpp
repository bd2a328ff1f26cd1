// The combo list and spin range that every cell of the grid shares: the
// special editors read them when they open, the owner and the column grid
// fill them for the cell about to be edited.
#include "controls/grid/model/ExGrid.h"

#include "platform/Error.h"

namespace controls {

struct TGridEditorLists {
    TExStringGrid::TGridComboList combo;
    TExStringGrid::TGridSpinRange spin;
};

TGridEditorLists &TExStringGrid::editorLists() const
{
    if (!m_editorLists)
        m_editorLists = std::make_shared<TGridEditorLists>();
    return *m_editorLists;
}

TExStringGrid::TGridComboList &TExStringGrid::Combobox() const { return editorLists().combo; }

TExStringGrid::TGridSpinRange &TExStringGrid::SpinEdit() const { return editorLists().spin; }

void TExStringGrid::ClearComboString()
{
    Combobox().Items.clear();
    Combobox().ItemIndex = -1;
}

void TExStringGrid::AddComboString(const QString &s) { Combobox().Items.append(s); }

bool TExStringGrid::RemoveComboString(const QString &s)
{
    const qsizetype i = Combobox().Items.indexOf(s);
    if (i < 0)
        return false;
    Combobox().Items.removeAt(i);
    return true;
}

bool TExStringGrid::SetComboSelectionString(const QString &s)
{
    const qsizetype i = Combobox().Items.indexOf(s);
    if (i < 0)
        return false;
    Combobox().ItemIndex = int(i);
    return true;
}

void TExStringGrid::SetComboSelection(int idx) { Combobox().ItemIndex = idx; }

int TExStringGrid::GetComboCount() const { return int(Combobox().Items.size()); }

void TExStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    DoGetEditorProp(ACol, ARow);
    const QStringList &items = Combobox().Items;
    if (Value < 0 || Value >= items.size())
        throw platform::Error(QStringLiteral("List index out of bounds (%1)").arg(Value));
    SetCellEx(ACol, ARow, items.at(Value));
}

int TExStringGrid::GetComboIndex(int ACol, int ARow)
{
    DoGetEditorProp(ACol, ARow);
    return int(Combobox().Items.indexOf(GetCellEx(ACol, ARow)));
}

} // namespace controls
