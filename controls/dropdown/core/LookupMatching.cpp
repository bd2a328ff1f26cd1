#include "controls/dropdown/core/LookupMatching.h"

#include <algorithm>

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
}

void TLookupIndex::clear()
{
    m_texts.clear();
    m_folded.clear();
}

int TLookupIndex::findPrefix(const QString &key, bool caseSensitive) const
{
    if (key.isEmpty())
        return -1;
    const QStringList &candidates = caseSensitive ? m_texts : m_folded;
    const QString wanted = caseSensitive ? key : foldCase(key);
    for (int i = 0; i < candidates.size(); ++i)
        if (candidates.at(i).startsWith(wanted))
            return i;
    return -1;
}

int TLookupIndex::indexOfText(const QString &text) const
{
    const QString wanted = foldCase(text);
    for (int i = 0; i < m_folded.size(); ++i)
        if (m_folded.at(i) == wanted)
            return i;
    return -1;
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
