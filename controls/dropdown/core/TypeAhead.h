#pragma once
// The type-ahead of the item drop-downs: the list search that collects
// typed characters for half a second, and the edit's completion of a typed
// beginning to the first caption that starts with it.
#include "platform/IntervalTimer.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace controls {

// The character a key press adds to a search: the printable character it
// typed, upper-cased; empty for keys that type nothing printable.
QString searchKeyText(const QString &typed);

// The first caption whose plain text, trimmed and upper-cased, begins with
// the search text; -1 for none or an empty search.
int lookupCaption(const QStringList &captions, const QString &search);

// A search buffer that empties itself 500 ms after the first key of a
// burst (a running timer is not restarted).
class TKeySearch {
public:
    // The widgets give it the program's timer, tests a manual one.
    explicit TKeySearch(std::unique_ptr<platform::IntervalTimer> timer);
    // Adds the key's character and gives the whole search; keys that type
    // nothing leave it as it was.
    QString add(const QString &typed);
    void clear();
    const QString &text() const { return m_text; }
    platform::IntervalTimer &timer() { return *m_timer; }

private:
    std::unique_ptr<platform::IntervalTimer> m_timer;
    QString m_text;
};

struct TCompletion {
    // The item completed to, or -1.
    int index = -1;
    // The new text: what was typed, followed by the rest of the caption;
    // without a match, the text before the caret (or unchanged).
    QString text;
    // The length kept as typed; the rest after it is selected.
    int typedLength = 0;
    bool changed = false;
};

// Completes the text's first caret characters to the first caption that
// starts with them (case folded unless matchCase); without a match the
// characters after the caret are dropped.
TCompletion completeToCaption(const QString &text, int caret, const QStringList &captions, bool matchCase);

} // namespace controls
