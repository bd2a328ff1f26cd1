#pragma once
// The rows of the multi-column drop-down: each a list of column texts and
// an image index. The grid drop-down has namesake classes of its own, so
// these live in a namespace of their own.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

namespace controls::multicol {

class TDropDownItems;

class TDropDownItem {
public:
    explicit TDropDownItem(TDropDownItems *owner = nullptr) : m_owner(owner) {}

    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    // One text per column, index = column number. The writable access
    // counts as a change of the items, so that cached lookups see it.
    const QStringList &Text() const { return m_text; }
    QStringList &Text();
    void setText(const QStringList &text);
    // The text of a column; empty beyond the item's texts or below 0.
    QString columnText(int column) const;
    bool hasColumnText(int column) const { return column >= 0 && column < m_text.size(); }

    // The image index and the texts both: an item copied without its
    // texts would lose them.
    void Assign(const TDropDownItem &source);

private:
    void changed();

    TDropDownItems *m_owner;
    int m_imageIndex = -1;
    QStringList m_text;
};

class TDropDownItems {
public:
    TDropDownItems() = default;
    TDropDownItems(const TDropDownItems &) = delete;
    TDropDownItems &operator=(const TDropDownItems &) = delete;

    int Count() const { return int(m_items.size()); }
    TDropDownItem *Add();
    // Inserted before index (at the end for an index beyond the items).
    TDropDownItem *Insert(int index);
    void Delete(int index);
    void Clear();
    TDropDownItem *Items(int index) const { return m_items.at(std::size_t(index)).get(); }
    TDropDownItem &operator[](int index) const { return *Items(index); }
    void Assign(const TDropDownItems &source);

    // The first item with a text in that column equal to value, compared
    // exactly; items with fewer texts are skipped. -1 when none.
    int IndexInColumn(int column, const QString &value) const;

    // Grows with every change of the items or their texts.
    std::uint64_t Revision() const { return m_revision; }
    void touch() { ++m_revision; }

private:
    std::vector<std::unique_ptr<TDropDownItem>> m_items;
    std::uint64_t m_revision = 1;
};

// Every item's text in the column, in item order (empty where an item has
// none; nothing at all for a column below 0).
QStringList columnTexts(const TDropDownItems &items, int column);

} // namespace controls::multicol
