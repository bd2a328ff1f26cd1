#pragma once
// The buttons an application puts on the popup's header and footer, as
// items of a collection: the strips turn each into a button control when
// the popup opens. A change of caption, enabled state or width tells the
// collection's OnChange (an open popup rebuilds them); a height or an
// image index is only stored; adding and removing items tells nothing.
#include <QString>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace controls {

class TButtonCollectionBase;

class THeaderButton {
public:
    explicit THeaderButton(TButtonCollectionBase *collection) : m_collection(collection) {}
    virtual ~THeaderButton() = default;
    THeaderButton(const THeaderButton &) = delete;
    THeaderButton &operator=(const THeaderButton &) = delete;

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // 0: as wide as the content.
    int Width() const { return m_width; }
    void setWidth(int width);
    // 0: as high as the content.
    int Height() const { return m_height; }
    void setHeight(int height) { m_height = height; }

    virtual void Assign(const THeaderButton &source);

private:
    void changed();

    TButtonCollectionBase *m_collection;
    QString m_caption;
    int m_imageIndex = -1;
    bool m_enabled = true;
    int m_width = 0;
    int m_height = 0;
};

class TFooterButton : public THeaderButton {
public:
    using THeaderButton::THeaderButton;
    // What a click does to the popup: 1, 6, 12, 14 close it keeping the
    // changes; 2, 3, 5, 7, 13 close it cancelling them.
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    void Assign(const THeaderButton &source) override;

private:
    int m_modalResult = 0;
};

class TButtonCollectionBase {
public:
    virtual ~TButtonCollectionBase() = default;
    std::function<void()> OnChange;

    void itemChanged()
    {
        if (OnChange)
            OnChange();
    }
};

template <class Item>
class TButtonCollection : public TButtonCollectionBase {
public:
    int Count() const { return int(m_items.size()); }
    Item *Add() { return Insert(Count()); }
    Item *Insert(int index)
    {
        auto item = std::make_unique<Item>(this);
        Item *added = item.get();
        m_items.insert(m_items.begin() + std::clamp(index, 0, Count()), std::move(item));
        return added;
    }
    Item *Items(int index) const { return index >= 0 && index < Count() ? m_items[index].get() : nullptr; }
    void setItems(int index, const Item &value)
    {
        if (Item *item = Items(index))
            item->Assign(value);
    }
    void Delete(int index)
    {
        if (index >= 0 && index < Count())
            m_items.erase(m_items.begin() + index);
    }
    void Clear() { m_items.clear(); }
    // Copies the items; tells nothing, as adding and removing do not.
    void Assign(const TButtonCollection &source)
    {
        if (&source == this)
            return;
        Clear();
        for (const auto &item : source.m_items)
            Add()->Assign(*item);
    }

private:
    std::vector<std::unique_ptr<Item>> m_items;
};

using THeaderButtons = TButtonCollection<THeaderButton>;
using TFooterButtons = TButtonCollection<TFooterButton>;

} // namespace controls
