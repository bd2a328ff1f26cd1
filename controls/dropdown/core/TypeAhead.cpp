#include "controls/dropdown/core/TypeAhead.h"

#include "controls/dropdown/core/ColorArithmetic.h"
#include "controls/grid/base/HtmlText.h"

#include <algorithm>

namespace controls {

QString searchKeyText(const QString &typed)
{
    if (typed.size() != 1 || !typed.at(0).isPrint())
        return {};
    return typed.toUpper();
}

int lookupCaption(const QStringList &captions, const QString &search)
{
    if (search.isEmpty())
        return -1;
    for (int i = 0; i < captions.size(); ++i)
        if (FoldCase(HtmlToPlainText(captions.at(i)).trimmed(), false).startsWith(search))
            return i;
    return -1;
}

TKeySearch::TKeySearch(std::unique_ptr<platform::IntervalTimer> timer) : m_timer(std::move(timer))
{
    m_timer->setInterval(std::chrono::milliseconds(500));
    m_timer->setHandler([this] { clear(); });
}

QString TKeySearch::add(const QString &typed)
{
    const QString key = searchKeyText(typed);
    if (key.isEmpty())
        return m_text;
    m_text += key;
    m_timer->setEnabled(true);
    return m_text;
}

void TKeySearch::clear()
{
    m_timer->setEnabled(false);
    m_text.clear();
}

TCompletion completeToCaption(const QString &text, int caret, const QStringList &captions, bool matchCase)
{
    TCompletion result;
    result.text = text;
    caret = std::clamp(caret, 0, int(text.size()));
    const QString before = text.left(caret);
    // Case folded as Qt folds it, without a folded copy of every caption.
    const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (!before.isEmpty()) {
        for (int i = 0; i < captions.size(); ++i) {
            const QString &caption = captions.at(i);
            if (!caption.startsWith(before, sensitivity))
                continue;
            result.index = i;
            result.typedLength = int(before.size());
            // The whole rest of the caption, however long.
            result.text = before + caption.mid(before.size());
            result.changed = result.text != text;
            return result;
        }
    }
    if (!before.isEmpty() && before != text) {
        result.text = before;
        result.typedLength = int(before.size());
        result.changed = true;
    }
    return result;
}

} // namespace controls
