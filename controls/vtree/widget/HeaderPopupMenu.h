#pragma once
// A menu of the header's columns with their visibility checked: choosing an
// entry shows or hides that column; an optional first entry fits every column
// to its content. It is built anew each time it pops up.
#include "controls/vtree/EnumSet.h"
#include "controls/vtree/TreeTypes.h"

#include <QMenu>
#include <QPointer>

#include <functional>

namespace vtree {

class TLazyStringTreeWidget;

enum class TLTHeaderPopupOption : std::uint8_t { poOriginalOrder, poAllowHideAll, poResizeToFitItem };
using TLTHeaderPopupOptions = TEnumSet<TLTHeaderPopupOption, std::uint8_t>;
enum class TAddPopupItemType : std::uint8_t { apNormal, apDisabled, apHidden };

using TAddHeaderPopupItemEvent =
    std::function<void(TLazyStringTreeWidget *Sender, TColumnIndex Column, TAddPopupItemType &Cmd)>;
using TColumnChangeEvent = std::function<void(TLazyStringTreeWidget *Sender, TColumnIndex Column, bool Visible)>;

class TLTHeaderPopupMenu : public QMenu {
public:
    static inline const QString ResizeToFitItemName = QStringLiteral("LT_ResizeToFitMenuItem");

    explicit TLTHeaderPopupMenu(QWidget *Parent = nullptr);

    TLTHeaderPopupOptions Options() const { return FOptions; }
    void SetOptions(TLTHeaderPopupOptions Value) { FOptions = Value; }
    // The tree the menu works on; without one every operation does nothing.
    TLazyStringTreeWidget *PopupComponent() const { return FTree; }
    void SetPopupComponent(TLazyStringTreeWidget *Tree) { FTree = Tree; }

    // Rebuilds the items, then shows the menu at the screen point.
    virtual void Popup(int X, int Y);
    // The items as Popup builds them, without showing the menu.
    void RebuildItems();

    TAddHeaderPopupItemEvent OnAddHeaderPopupItem;
    TColumnChangeEvent OnColumnChange;

protected:
    virtual void QueryAddHeaderPopupItem(TColumnIndex Column, TAddPopupItemType &Cmd);
    virtual void NotifyColumnChange(TColumnIndex Column, bool Visible);
    void itemClicked(QAction *Item);

private:
    TLTHeaderPopupOptions FOptions;
    TLazyStringTreeWidget *FTree = nullptr;
};

} // namespace vtree
