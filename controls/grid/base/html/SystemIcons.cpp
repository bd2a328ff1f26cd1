#include "controls/grid/base/html/SystemIcons.h"

#include "controls/grid/base/NumberText.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>
#include <QHash>

namespace controls {

using namespace platform;

namespace {

constexpr int kMaxIcons = 512;

struct IconList {
    TImageList images;
    QHash<QString, int> indexOfKind; // by the icon's theme name or cache key
};

QString kindKey(const QIcon &icon)
{
    return icon.name().isEmpty() ? QString::number(icon.cacheKey()) : icon.name();
}

int addIcon(IconList &list, const QIcon &icon)
{
    const int side = list.images.Width();
    const QPixmap pixmap = icon.pixmap(side, side);
    if (pixmap.isNull())
        return -1;
    const QString key = kindKey(icon);
    if (const auto found = list.indexOfKind.constFind(key); found != list.indexOfKind.constEnd())
        return found.value();
    // Icons without a theme name may come anew for every file asked for.
    if (list.images.Count() >= kMaxIcons)
        return -1;
    const int index = list.images.Add(pixmap);
    list.indexOfKind.insert(key, index);
    return index;
}

IconList &iconList(bool large)
{
    // Filled once with the standard icons, in a fixed order, so that their
    // numbers stay the same.
    static const auto make = [](int side) {
        IconList list;
        list.images.SetSize(side, side);
        const QAbstractFileIconProvider provider;
        for (const auto type : {QAbstractFileIconProvider::Computer, QAbstractFileIconProvider::Desktop,
                                QAbstractFileIconProvider::Trashcan, QAbstractFileIconProvider::Network,
                                QAbstractFileIconProvider::Drive, QAbstractFileIconProvider::Folder,
                                QAbstractFileIconProvider::File})
            addIcon(list, provider.icon(type));
        return list;
    };
    static IconList small = make(16);
    static IconList big = make(32);
    return large ? big : small;
}

} // namespace

const TImageList &systemImageList(bool large) { return iconList(large).images; }

int systemIconIndex(const QString &source, bool large)
{
    IconList &list = iconList(large);
    if (const std::optional<int> number = parseWholeInt(source))
        return *number >= 0 && *number < list.images.Count() ? *number : -1;
    if (source.isEmpty())
        return -1;
    // A name that is no file stands for a file of its type, as the shell
    // answers for such names.
    const QAbstractFileIconProvider provider;
    return addIcon(list, provider.icon(QFileInfo(source)));
}

} // namespace controls
