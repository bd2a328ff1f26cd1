#include "controls/grid/base/MouseActions.h"

namespace controls {

bool TMouseActions::designing()
{
    bool isDesigning = false;
    if (OnIsDesigning)
        OnIsDesigning(this, isDesigning);
    return isDesigning;
}

void TMouseActions::setDisjunct(bool &field, bool value, bool &other1, bool &other2)
{
    field = value;
    if (value && designing())
        other1 = other2 = false;
}

void TMouseActions::setDisjunctRowSelect(bool value)
{
    setDisjunct(m_disjunctRowSelect, value, m_disjunctColSelect, m_disjunctCellSelect);
}

void TMouseActions::setDisjunctColSelect(bool value)
{
    setDisjunct(m_disjunctColSelect, value, m_disjunctRowSelect, m_disjunctCellSelect);
}

void TMouseActions::setDisjunctCellSelect(bool value)
{
    setDisjunct(m_disjunctCellSelect, value, m_disjunctRowSelect, m_disjunctColSelect);
}

void TMouseActions::setHotmailRowSelect(bool value)
{
    m_hotmailRowSelect = value;
    if (value) {
        setDisjunctRowSelect(true);
        CheckAllCheck = true;
    }
    fire(OnInvalidate, this);
}

void TMouseActions::setEditOnDblClickOnly(bool value)
{
    m_editOnDblClickOnly = value;
    if (value)
        fire(OnDisableEdit, this);
}

void TMouseActions::setWheelAction(TWheelAction value)
{
    if (storeChanged(m_wheelAction, value))
        fire(OnChange, this);
}

void TMouseActions::Assign(const TMouseActions &source)
{
    static_cast<TMouseActionsOptions &>(*this) = source;
    m_disjunctRowSelect = source.m_disjunctRowSelect;
    m_disjunctColSelect = source.m_disjunctColSelect;
    m_disjunctCellSelect = source.m_disjunctCellSelect;
    m_hotmailRowSelect = source.m_hotmailRowSelect;
    m_editOnDblClickOnly = source.m_editOnDblClickOnly;
    m_wheelAction = source.m_wheelAction;
    m_fixedComboValues = source.m_fixedComboValues;
}

} // namespace controls
