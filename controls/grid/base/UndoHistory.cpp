#include "controls/grid/base/UndoHistory.h"

#include <algorithm>

namespace controls {

void TUndoHistory::setMaxLevel(int steps)
{
    m_maxLevel = steps;
    trimToMaxLevel();
}

void TUndoHistory::RegisterChange(const TCellChange &change)
{
    dropRedoTail();
    TUndoRedoItem item;
    item.Col = change.Col;
    item.Row = change.Row;
    item.Value = change.NewValue;
    item.OrigValue = change.OldValue;
    if (m_openStart < 0)
        ++m_steps;
    append(std::move(item));
}

void TUndoHistory::StartSequence()
{
    if (m_depth++ > 0)
        return;
    dropRedoTail();
    TUndoRedoItem marker;
    marker.SequenceStart = true;
    m_openStart = ItemCount();
    ++m_steps;
    append(std::move(marker));
}

void TUndoHistory::StopSequence()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    dropRedoTail();
    if (m_openStart < 0)
        return; // the start was undone and dropped with the tail
    if (m_openStart == ItemCount() - 1) {
        // Nothing changed inside: no empty step to undo.
        m_items.pop_back();
        m_openStart = -1;
        --m_steps;
        m_level = ItemCount();
        return;
    }
    m_openStart = -1;
    TUndoRedoItem marker;
    marker.SequenceStop = true;
    append(std::move(marker));
}

void TUndoHistory::Reset()
{
    m_items.clear();
    m_level = 0;
    m_steps = 0;
    m_depth = 0;
    m_openStart = -1;
}

void TUndoHistory::append(TUndoRedoItem item)
{
    m_items.push_back(std::move(item));
    m_level = ItemCount();
    trimToMaxLevel();
}

void TUndoHistory::dropRedoTail()
{
    if (m_level >= ItemCount())
        return;
    if (m_openStart >= m_level) {
        // The open sequence was undone past its start: it is gone.
        m_openStart = -1;
        m_depth = 0;
    }
    if (m_openStart < 0) {
        bool inSequence = false;
        for (int i = m_level; i < ItemCount(); ++i) {
            const TUndoRedoItem &item = m_items[static_cast<std::size_t>(i)];
            if (item.SequenceStart) {
                --m_steps;
                inSequence = true;
            } else if (item.SequenceStop) {
                inSequence = false;
            } else if (!inSequence) {
                --m_steps;
            }
        }
    }
    m_items.erase(m_items.begin() + m_level, m_items.end());
}

void TUndoHistory::trimToMaxLevel()
{
    while (m_maxLevel > 0 && m_steps > m_maxLevel && !m_items.empty())
        dropOldestStep();
}

void TUndoHistory::dropOldestStep()
{
    int count = 1;
    if (m_items.front().SequenceStart) {
        if (m_openStart == 0)
            return; // the step being recorded stays
        while (count < ItemCount() && !m_items[static_cast<std::size_t>(count - 1)].SequenceStop)
            ++count;
    }
    m_items.erase(m_items.begin(), m_items.begin() + count);
    --m_steps;
    m_level = std::max(0, m_level - count);
    if (m_openStart >= 0)
        m_openStart -= count;
}

TPlayback TUndoHistory::takeUndoStep()
{
    TPlayback playback;
    if (m_level <= 0 || m_level > ItemCount())
        return playback;
    const auto at = [this](int i) -> const TUndoRedoItem & { return m_items[static_cast<std::size_t>(i)]; };
    if (at(m_level - 1).SequenceStop) {
        playback.sequence = true;
        --m_level;
        while (m_level > 0 && !at(m_level - 1).SequenceStart) {
            if (!at(m_level - 1).isMarker())
                playback.items.push_back(at(m_level - 1));
            --m_level;
        }
        m_level = std::max(0, m_level - 1);
        return playback;
    }
    // A marker met on its own (an open sequence's start) is only stepped over.
    if (!at(m_level - 1).isMarker())
        playback.items.push_back(at(m_level - 1));
    --m_level;
    return playback;
}

TPlayback TUndoHistory::takeRedoStep()
{
    TPlayback playback;
    if (m_level < 0 || m_level >= ItemCount())
        return playback;
    ++m_level;
    const TUndoRedoItem &first = m_items[static_cast<std::size_t>(m_level - 1)];
    if (first.SequenceStart) {
        playback.sequence = true;
        int i = m_level;
        for (; i < ItemCount() && !m_items[static_cast<std::size_t>(i)].SequenceStop; ++i)
            playback.items.push_back(m_items[static_cast<std::size_t>(i)]);
        m_level = std::min(ItemCount(), i + 1);
        return playback;
    }
    if (!first.isMarker())
        playback.items.push_back(first);
    return playback;
}

} // namespace controls
