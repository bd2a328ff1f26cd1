#include "controls/vtree/widget/HeaderPopupMenu.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"

namespace vtree {

TLTHeaderPopupMenu::TLTHeaderPopupMenu(QWidget *Parent) : QMenu(Parent)
{
    connect(this, &QMenu::triggered, this, [this](QAction *Item) { itemClicked(Item); });
}

void TLTHeaderPopupMenu::QueryAddHeaderPopupItem(TColumnIndex Column, TAddPopupItemType &Cmd)
{
    Cmd = TAddPopupItemType::apNormal;
    if (OnAddHeaderPopupItem)
        OnAddHeaderPopupItem(FTree, Column, Cmd);
}

void TLTHeaderPopupMenu::NotifyColumnChange(TColumnIndex Column, bool Visible)
{
    if (OnColumnChange)
        OnColumnChange(FTree, Column, Visible);
}

void TLTHeaderPopupMenu::RebuildItems()
{
    if (!FTree)
        return;
    clear();
    if (FOptions.contains(TLTHeaderPopupOption::poResizeToFitItem)) {
        QAction *fit = addAction(tr("&Resize All Columns To Fit"));
        fit->setObjectName(ResizeToFitItemName);
        addSeparator();
    }
    TLTHeader &header = *FTree->Header();
    platform::TImageList *images =
        header.Options().contains(TLTHeaderOption::hoShowImages) ? FTree->HeaderImages() : nullptr;
    const TLazyTreeColumns &columns = header.Columns();
    int visibleCount = 0;
    QAction *lastVisible = nullptr;
    for (int i = 0; i < columns.Count(); ++i) {
        const TColumnIndex index = FOptions.contains(TLTHeaderPopupOption::poOriginalOrder)
                                       ? i
                                       : columns.ColumnFromPosition(TColumnPosition(i));
        if (!columns.IsValidColumn(index))
            continue;
        const TLazyTreeColumn &column = columns[index];
        const bool visible = column.Options().contains(TLTColumnOption::coVisible);
        if (visible)
            ++visibleCount;
        TAddPopupItemType cmd = TAddPopupItemType::apNormal;
        QueryAddHeaderPopupItem(index, cmd);
        if (cmd == TAddPopupItemType::apHidden)
            continue;
        QAction *item = addAction(column.Text());
        item->setData(index);
        item->setToolTip(column.Hint());
        if (images && column.ImageIndex() >= 0)
            item->setIcon(images->GetBitmap(column.ImageIndex()));
        item->setCheckable(true);
        item->setChecked(visible);
        if (cmd == TAddPopupItemType::apDisabled)
            item->setEnabled(false);
        else if (visible)
            lastVisible = item;
    }
    // The last visible column cannot be hidden unless the menu allows it.
    if (visibleCount == 1 && !FOptions.contains(TLTHeaderPopupOption::poAllowHideAll) && lastVisible)
        lastVisible->setEnabled(false);
}

void TLTHeaderPopupMenu::Popup(int X, int Y)
{
    if (!FTree)
        return;
    RebuildItems();
    popup(QPoint(X, Y));
}

void TLTHeaderPopupMenu::itemClicked(QAction *Item)
{
    if (!FTree || !Item)
        return;
    TLTHeader &header = *FTree->Header();
    if (Item->objectName() == ResizeToFitItemName) {
        FTree->AutoFitColumns(true, TSmartAutoFitType::smaUseColumnOption, NoColumn, NoColumn);
        return;
    }
    const TColumnIndex index = Item->data().toInt();
    if (!header.Columns().IsValidColumn(index))
        return;
    TLazyTreeColumn &column = header.Columns()[index];
    // The item's check mark is what the column was before the click.
    const bool nowVisible = !column.Options().contains(TLTColumnOption::coVisible);
    column.SetOptions(nowVisible ? column.Options() + TLTColumnOption::coVisible
                                 : column.Options() - TLTColumnOption::coVisible);
    NotifyColumnChange(index, nowVisible);
}

} // namespace vtree
