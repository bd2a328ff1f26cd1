#pragma once
// Finding a row of the multi-column drop-down by the text of its lookup
// column: the list the edit completes from, the completion of what the
// user typed, and the type-ahead of the open popup list.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace controls::multicol {

// The lookup texts with their upper-cased forms, folded and sorted once
// per rebuild rather than searched on every key: the entries that begin
// with a key lie side by side in sorted order, and the first of them in
// item order is the match.
class TLookupIndex {
public:
    void rebuild(const QStringList &texts);
    void clear();
    int count() const { return int(m_texts.size()); }
    const QStringList &texts() const { return m_texts; }
    const QString &text(int index) const { return m_texts.at(index); }

    // The first entry, in order, that begins with key (upper-cased both
    // unless caseSensitive); -1 when none. An empty key matches nothing.
    int findPrefix(const QString &key, bool caseSensitive) const;
    // The first entry equal to text, letter case ignored; -1 when none.
    int indexOfText(const QString &text) const;

private:
    // Entry numbers in the order of the texts given.
    using TOrder = std::vector<int>;
    static TOrder sortedOrder(const QStringList &texts);
    static int firstWithPrefix(const QStringList &texts, const TOrder &order, const QString &key);

    QStringList m_texts;
    QStringList m_folded;
    TOrder m_foldedOrder;
    // Sorted on the first case-sensitive search only.
    mutable std::optional<TOrder> m_textOrder;
};

QString foldCase(const QString &text);

// What a text change in the edit becomes when it completes to an entry.
struct TEditCompletion {
    // The typed part as typed, then the whole rest of the entry.
    QString text;
    // The entry completed to.
    int index = -1;
    // The caret goes here, the rest of the text selected.
    int keyLength = 0;
};

// The text up to the caret is what the user typed; the first entry that
// begins with it (letter case ignored) completes it. None when nothing was
// typed or no entry matches.
std::optional<TEditCompletion> completeTypedText(const TLookupIndex &lookup, const QString &text, int caret);

// The edit as the popup's type-ahead sees it and leaves it.
struct TEditSnapshot {
    QString text;
    int selStart = 0;
    int selLength = 0;
};

// The characters typed while the popup list has the keyboard, and the row
// they find.
class TPopupLookup {
public:
    struct TResult {
        // The row found, -1 for none.
        int row = -1;
        // The edit's new text and selection, when it changes.
        std::optional<TEditSnapshot> edit;
    };

    const QString &entry() const { return m_entry; }
    void clear() { m_entry.clear(); }

    // One typed character (Backspace is 8, Tab 9). A longer entry is tried
    // first, then the character alone; a miss clears the entry.
    TResult key(QChar key, const TEditSnapshot &edit, const TLookupIndex &lookup, bool caseSensitive);

private:
    QString m_entry;
};

} // namespace controls::multicol
