#pragma once
// Where the mini-HTML renderer finds its pictures: a container of named
// pictures (IMG SRC="name"), and a cache of pictures given by address
// (SRC="file://..."), loaded once and found again by that address.
#include "controls/grid/base/html/HtmlPicture.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace controls {

class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    THTMLPictureCache(const THTMLPictureCache &) = delete;
    THTMLPictureCache &operator=(const THTMLPictureCache &) = delete;

    // A new empty picture at the end of the cache.
    THTMLPicture *AddPicture();
    // The first picture whose ID is id, compared with its case; none otherwise.
    THTMLPicture *FindPicture(const QString &id) const;
    int Count() const { return int(m_pictures.size()); }
    // None for an index outside the cache.
    THTMLPicture *GetPicture(int index) const;
    // Copies picture into the entry at index; nothing outside the cache.
    void SetPicture(int index, const THTMLPicture *picture);
    void ClearPictures() { m_pictures.clear(); }
    // One animation tick for every picture: true when any of them changed.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> m_pictures;
};

class TPictureItem {
public:
    TPictureItem() = default;
    TPictureItem(const TPictureItem &) = delete;
    TPictureItem &operator=(const TPictureItem &) = delete;

    THTMLPicture &Picture() { return m_picture; }
    const THTMLPicture &Picture() const { return m_picture; }
    // Copies the picture's bytes; the item keeps its own picture.
    void setPicture(const THTMLPicture *picture) { m_picture.Assign(picture); }
    QString Name;
    int Tag = 0;

    // Copies name, tag and picture.
    void Assign(const TPictureItem &source);

private:
    THTMLPicture m_picture;
};

class TPictureCollection {
public:
    explicit TPictureCollection(QObject *owner = nullptr) : m_owner(owner) {}
    TPictureCollection(const TPictureCollection &) = delete;
    TPictureCollection &operator=(const TPictureCollection &) = delete;

    QObject *Owner() const { return m_owner; }
    int Count() const { return int(m_items.size()); }
    TPictureItem &Add();
    // A new item at index (clamped to the collection).
    TPictureItem &Insert(int index);
    // None for an index outside the collection.
    TPictureItem *Items(int index) const;
    // Copies source into the item at index; nothing outside the collection.
    void setItems(int index, const TPictureItem &source);
    void Delete(int index);
    void Clear() { m_items.clear(); }
    bool Animate();

private:
    QObject *m_owner;
    std::vector<std::unique_ptr<TPictureItem>> m_items;
};

class TPictureContainer : public QObject {
public:
    explicit TPictureContainer(QObject *parent = nullptr) : QObject(parent), m_items(this) {}

    TPictureCollection &Items() { return m_items; }
    const TPictureCollection &Items() const { return m_items; }
    // The picture of the first item whose name equals name without regard
    // to case; none otherwise.
    virtual THTMLPicture *FindPicture(const QString &name) const;

private:
    TPictureCollection m_items;
};

} // namespace controls
