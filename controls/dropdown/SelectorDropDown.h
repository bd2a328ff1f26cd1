#pragma once
// The base of the drop-downs whose popup is an item selector: it owns the
// list, fills it from the items, moves in it by key and wheel and searches
// it by typed text, so that each drop-down keeps only its own items.
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/core/ItemAppearance.h"
#include "controls/dropdown/core/TypeAhead.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace controls {

class TExSelectorDropDown : public TExCustomDropDown {
public:
    ~TExSelectorDropDown() override;

    TItemAppearance &ItemAppearance() { return m_itemAppearance; }
    TExCustomItemSelector *ItemSelector() const { return m_selector; }

    void SetComponentStyle(TFenloStyle style) override;
    void setSelectionColorStyle(TSelectionColorStyle style) override;

    // The chosen item; the moves below do nothing without items.
    virtual int ItemIndex() const = 0;
    virtual void setItemIndex(int index) = 0;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

protected:
    // The list search's timer; none makes the program's own.
    TExSelectorDropDown(TConstructKey key, QWidget *parent, std::unique_ptr<platform::IntervalTimer> searchTimer);

    // Copies the items into the list and hooks its choice.
    virtual void FillSelector() = 0;
    // The list's choice reaches the drop-down.
    virtual void SelectorItemSelected() = 0;
    // How many items there are to choose from.
    virtual int itemCount() const = 0;
    // Makes the list in the popup; keys stay with the popup, which
    // hands them to the edit, and the list's wheel comes here.
    TExCustomItemSelector *createSelector();
    // The fill the list drop-downs share; the rows are asked for only when
    // the items changed since the last fill. `configure` sets what only one
    // drop-down has, before the appearance is copied.
    void fillSelector(int columns, TItemLayout layout, int itemIndex, const std::function<std::vector<TSelectorItem>()> &rows,
                      const std::function<void(TExCustomItemSelector &)> &configure = {});
    void markStale() { m_stale = true; }
    bool stale() const { return m_stale; }
    void ensureFilled();
    // Selections made here move the list without closing the popup.
    template <class F>
    void internalCall(F &&f)
    {
        m_internalCall = true;
        f();
        m_internalCall = false;
    }
    bool inInternalCall() const { return m_internalCall; }
    // The list selects the index as keys move it (its event chooses).
    virtual void selectInList(int index);
    // The key moves in the list: page keys always, the others while the
    // list is open; rowStep is the items a row holds. False when the key
    // is left to the caller.
    bool moveInList(int key, bool open, int rowStep);
    // Return on the list's hot item chooses it; true when there was one.
    bool chooseHotItem();
    // Typed text searches the list's captions.
    void searchList(Qt::KeyboardModifiers shift);
    // The wheel moves the hot item while open, else the choice.
    void wheelInList(bool forward);
    // The list takes its panel's size, and a scroll bar's room when the
    // popup is too short for it.
    void sizeToSelectorPanel();
    TKeySearch &keySearch() { return m_search; }
    const TKeySearch &keySearch() const { return m_search; }
    const QString &keyText() const { return m_keyText; }
    void keyPressEvent(QKeyEvent *event) override;

private:
    TItemAppearance m_itemAppearance;
    // It goes with the popup; this forgets it then.
    QPointer<TExCustomItemSelector> m_selector;
    TKeySearch m_search;
    bool m_internalCall = false;
    bool m_stale = true;
    // The text of the key press on its way through the key-down step.
    QString m_keyText;
};

} // namespace controls
