#include "controls/dropdown/core/LookupMatching.h"

#include <algorithm>
#include <numeric>

namespace controls::multicol {

QString foldCase(const QString &text)
{
    return text.toUpper();
}

void TLookupIndex::rebuild(const QStringList &texts)
{
    m_texts = texts;
    m_folded.clear();
    m_folded.reserve(texts.size());
    for (const QString &text : texts)
        m_folded.append(foldCase(text));
    m_foldedOrder = sortedOrder(m_folded);
    m_textOrder.reset();
}

void TLookupIndex::clear()
{
    m_texts.clear();
    m_folded.clear();
    m_foldedOrder.clear();
    m_textOrder.reset();
}

TLookupIndex::TOrder TLookupIndex::sortedOrder(const QStringList &texts)
{
    TOrder order(std::size_t(texts.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&texts](int a, int b) { return texts.at(a) < texts.at(b); });
    return order;
}

int TLookupIndex::firstWithPrefix(const QStringList &texts, const TOrder &order, const QString &key)
{
    const auto from = std::lower_bound(order.begin(), order.end(), key,
                                       [&texts](int entry, const QString &k) { return texts.at(entry) < k; });
    const auto to =
        std::partition_point(from, order.end(), [&texts, &key](int entry) { return texts.at(entry).startsWith(key); });
    if (from == to)
        return -1;
    return *std::min_element(from, to);
}

int TLookupIndex::findPrefix(const QString &key, bool caseSensitive) const
{
    if (key.isEmpty())
        return -1;
    if (!caseSensitive)
        return firstWithPrefix(m_folded, m_foldedOrder, foldCase(key));
    if (!m_textOrder)
        m_textOrder = sortedOrder(m_texts);
    return firstWithPrefix(m_texts, *m_textOrder, key);
}

int TLookupIndex::indexOfText(const QString &text) const
{
    const QString wanted = foldCase(text);
    const auto from = std::lower_bound(m_foldedOrder.begin(), m_foldedOrder.end(), wanted,
                                       [this](int entry, const QString &k) { return m_folded.at(entry) < k; });
    const auto to = std::partition_point(from, m_foldedOrder.end(),
                                         [this, &wanted](int entry) { return m_folded.at(entry) == wanted; });
    if (from == to)
        return -1;
    return *std::min_element(from, to);
}

std::optional<TEditCompletion> completeTypedText(const TLookupIndex &lookup, const QString &text, int caret)
{
    const QString typed = text.left(std::max(0, caret));
    if (typed.isEmpty())
        return std::nullopt;
    const QString key = foldCase(typed);
    const int found = lookup.findPrefix(typed, false);
    if (found < 0)
        return std::nullopt;
    // The rest of the entry after the typed part, however long.
    return TEditCompletion{typed + lookup.text(found).mid(key.size()), found, int(key.size())};
}

TPopupLookup::TResult TPopupLookup::key(QChar key, const TEditSnapshot &edit, const TLookupIndex &lookup,
                                        bool caseSensitive)
{
    constexpr char16_t Backspace = 8;
    constexpr char16_t Tab = 9;
    if (key.unicode() != Backspace && key.unicode() != Tab)
        m_entry += key;
    if (key.unicode() == Backspace) {
        TEditSnapshot after;
        if (edit.selLength == 0) {
            m_entry.chop(1);
            after.text = m_entry;
        } else {
            after.text = edit.text;
            after.text.remove(edit.selStart, edit.selLength);
        }
        after.selStart = int(after.text.size());
        return {-1, after};
    }
    const auto found = [&](int row, int typedLength) {
        const QString &text = lookup.text(row);
        return TResult{row, TEditSnapshot{text, typedLength, int(text.size()) - typedLength}};
    };
    if (const int row = lookup.findPrefix(m_entry, caseSensitive); row >= 0)
        return found(row, std::min(int(m_entry.size()), int(lookup.text(row).size())));
    if (key.unicode() != Tab) {
        if (const int row = lookup.findPrefix(QString(key), caseSensitive); row >= 0) {
            // A new search starts with this character.
            m_entry = QString(key);
            return found(row, std::min(1, int(lookup.text(row).size())));
        }
    }
    m_entry.clear();
    return {};
}

} // namespace controls::multicol
