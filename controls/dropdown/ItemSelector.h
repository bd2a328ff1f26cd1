#pragma once
// The list the item drop-downs show in their popup: a scrolling grid of
// items, each an image or a colour box with a mini-HTML caption, in a
// fixed number of columns, with a hot item that follows the mouse and one
// selected item. It has no keys of its own: the drop-down owning it turns
// keys into the navigation calls.
#include "controls/dropdown/ItemCollection.h"
#include "controls/dropdown/core/ItemAppearance.h"
#include "controls/dropdown/core/SelectorLayout.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QImage>
#include <QScrollArea>
#include <QWidget>

#include <functional>

namespace controls {

struct TSelectorItem {
    QString Caption; // mini-HTML
    int ImageIndex = -1;
    // A disabled item is never hot or selected.
    bool Enabled = true;
    platform::TColor Color = platform::clNone;
    // The item's own picture; it wins over ImageIndex.
    QImage Image;
    QString Hint;
};
using TSelectorItems = TItemCollection<TSelectorItem>;

using TDrawItemEvent = std::function<void(QObject *Sender, platform::TCanvas &canvas, platform::TRect r, int index)>;
using TItemSizeEvent = std::function<void(QObject *Sender, QSize &size)>;

class TExCustomItemSelector;

// The grid itself, inside the scrolling control; it paints only the items
// that show.
class TCustomItemSelector : public QWidget {
public:
    explicit TCustomItemSelector(TExCustomItemSelector &owner);

    TExCustomItemSelector &ExItemSelector() const { return m_owner; }
    int ItemIndex() const { return m_itemIndex; }
    // A disabled item and an index past the items are refused; the same
    // index raises OnItemSelect again; a negative one clears silently.
    void setItemIndex(int index);
    int ItemHot() const { return m_itemHot; }
    void setItemHot(int index);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain caption starts with the search.
    bool LookupItem(const QString &search);

    // (-1, -1, -1, -1) outside the items.
    QRect ItemRect(int index) const;
    int ItemAtPos(QPoint at) const;
    QSize MeasureItem();
    void ArrangeItems();
    void InvalidateItem(int index);
    void PaintItem(platform::TCanvas &canvas, int index);

    platform::TNotifyEvent OnItemSelect;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paintContent(platform::TCanvas &canvas, int index, bool hot, bool selected);

    TExCustomItemSelector &m_owner;
    // The grid as last arranged: uniform, so no rectangle is kept per item.
    int m_count = 0;
    int m_columns = 1;
    QSize m_itemSize;
    int m_itemIndex = -1;
    int m_itemHot = -1;
    TSelectorMargins m_margins;
};

class TExCustomItemSelector : public QScrollArea {
public:
    explicit TExCustomItemSelector(QWidget *parent = nullptr);
    ~TExCustomItemSelector() override;

    TSelectorItems &Items() { return m_items; }
    const TSelectorItems &Items() const { return m_items; }
    TSelectorType SelectorType() const { return m_selectorType; }
    void setSelectorType(TSelectorType type);
    // Takes effect at the next UpdateSelectorPanel.
    TItemLayout ItemLayout() const { return m_itemLayout; }
    void setItemLayout(TItemLayout layout) { m_itemLayout = layout; }
    int Columns() const { return m_columns; }
    // Below 1 is ignored.
    void setColumns(int columns);
    int ColorBoxWidth() const { return m_colorBoxWidth; }
    void setColorBoxWidth(int width);
    int ColorBoxHeight() const { return m_colorBoxHeight; }
    void setColorBoxHeight(int height);
    platform::TImageList *Images() const { return m_images; }
    void setImages(platform::TImageList *images);
    TItemAppearance &ItemAppearance() { return m_appearance; }
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);

    TCustomItemSelector *Panel() const { return m_panel; }
    int ItemIndex() const { return m_panel->ItemIndex(); }
    void setItemIndex(int index);
    int ItemHot() const { return m_panel->ItemHot(); }

    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString &search) { return m_panel->LookupItem(search); }
    void ScrollItemInView(int index);
    // Items in a page, for Page Up and Page Down; 0 without items.
    int GetVisibleItemCount() const;
    QSize PanelSize() const { return m_panel->size(); }

    platform::TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;
    platform::TNotifyEvent OnResize;
    // Set: the wheel goes to the owner (down: a negative step) instead of
    // scrolling the list.
    std::function<void(int step)> OnWheel;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    TSelectorItems m_items;
    TSelectorType m_selectorType = stImage;
    TItemLayout m_itemLayout = ilCaptionRight;
    int m_columns = 1;
    int m_colorBoxWidth = 14;
    int m_colorBoxHeight = 14;
    platform::TImageList *m_images = nullptr;
    platform::TChangeLink m_imagesLink;
    TItemAppearance m_appearance;
    platform::TColor m_color = platform::clWhite;
    TCustomItemSelector *m_panel = nullptr;
};

} // namespace controls
