#include "controls/grid/model/core/StoredLayout.h"

#include "platform/ConversionError.h"

#include <QStringList>

namespace controls {

namespace {

QString indexFault(qsizetype index) { return QStringLiteral("List index out of bounds (%1)").arg(index); }

QString joined(const std::vector<int> &values)
{
    QStringList parts;
    parts.reserve(qsizetype(values.size()));
    for (const int v : values)
        parts << QString::number(v);
    return parts.join(u',');
}

// Exactly count integers within [min, max]; the fault otherwise.
std::optional<QString> readInts(const QString &part, int count, int min, int max, std::vector<int> &out)
{
    const QStringList items = part.split(u',');
    if (items.size() < count)
        return indexFault(items.size());
    if (items.size() > count)
        return indexFault(count);
    out.clear();
    out.reserve(std::size_t(count));
    for (const QString &item : items) {
        bool ok = false;
        const int v = item.toInt(&ok);
        if (!ok || item.trimmed() != item)
            return platform::notAnIntegerMessage(item);
        if (v < min || v > max)
            return indexFault(v);
        out.push_back(v);
    }
    return std::nullopt;
}

} // namespace

QString columnStatesToString(const TColumnStates &states)
{
    std::vector<int> order = states.order;
    if (order.empty())
        for (int i = 0; i < states.count; ++i)
            order.push_back(i);
    QStringList flags;
    for (const bool v : states.visible)
        flags << (v ? QStringLiteral("1") : QStringLiteral("0"));
    return QString::number(states.count) + u'#' + joined(states.widths) + u'#' + joined(order) + u'#'
           + flags.join(u',');
}

bool isPermutationOf(const std::vector<int> &entries, int count)
{
    if (int(entries.size()) != count)
        return false;
    std::vector<bool> seen(std::size_t(count), false);
    for (const int e : entries) {
        if (e < 0 || e >= count || seen[std::size_t(e)])
            return false;
        seen[std::size_t(e)] = true;
    }
    return true;
}

std::vector<int> inversePermutation(const std::vector<int> &entries)
{
    std::vector<int> inverse(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        inverse[std::size_t(entries[i])] = int(i);
    return inverse;
}

std::variant<std::monostate, TColumnStates, TLayoutFault> readColumnStates(const QString &value)
{
    if (!value.contains(u'#'))
        return std::monostate{};
    const QStringList parts = value.split(u'#');
    if (parts.size() != 4)
        return TLayoutFault{indexFault(std::min<qsizetype>(parts.size(), 4))};
    TColumnStates s;
    bool ok = false;
    s.count = parts[0].toInt(&ok);
    if (!ok)
        return TLayoutFault{platform::notAnIntegerMessage(parts[0])};
    if (s.count < 1 || s.count > kStoredLayoutMaxCols)
        return TLayoutFault{indexFault(s.count)};
    if (auto fault = readInts(parts[1], s.count, 0, kStoredLayoutMaxWidth, s.widths))
        return TLayoutFault{*fault};
    if (!parts[2].isEmpty()) {
        if (auto fault = readInts(parts[2], s.count, 0, s.count - 1, s.order))
            return TLayoutFault{*fault};
        if (!isPermutationOf(s.order, s.count))
            return TLayoutFault{indexFault(s.count)};
    }
    std::vector<int> flags;
    if (auto fault = readInts(parts[3], s.count, 0, 1, flags))
        return TLayoutFault{*fault};
    for (const int f : flags)
        s.visible.push_back(f == 1);
    return s;
}

std::variant<std::vector<int>, TLayoutFault> readStoredOrder(const std::vector<std::optional<QString>> &values,
                                                             int count)
{
    std::vector<int> order;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i])
            return TLayoutFault{indexFault(qsizetype(i))};
        bool ok = false;
        const int v = values[i]->trimmed().toInt(&ok);
        if (!ok)
            return TLayoutFault{platform::notAnIntegerMessage(*values[i])};
        order.push_back(v);
    }
    if (!isPermutationOf(order, count))
        return TLayoutFault{indexFault(count)};
    return order;
}

} // namespace controls
