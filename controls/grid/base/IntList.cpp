#include "controls/grid/base/IntList.h"

#include "controls/grid/base/NumberText.h"
#include "platform/ConversionError.h"

#include <QStringList>
#include <algorithm>

namespace controls {

namespace {

constexpr std::uint32_t kDescending = 0x80000000u;
constexpr std::uint32_t kColumnBits = 0x7FFFFFFFu;

std::uint32_t bitsOf(std::int32_t entry)
{
    return static_cast<std::uint32_t>(entry);
}

std::int32_t entryOf(std::uint32_t bits)
{
    return static_cast<std::int32_t>(bits);
}

bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

// The items of comma text: separated by commas or blanks, a double-quoted
// item taken whole with "" standing for one quote; a comma at the very
// end adds an empty item.
QStringList commaTextItems(const QString &text)
{
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    while (i < n) {
        QString item;
        if (text[i] == u'"') {
            for (++i; i < n; ++i) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i];
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text[i]) && text[i] != u',')
                ++i;
            item = text.sliced(start, i - start);
        }
        items += item;
        while (i < n && isBlank(text[i]))
            ++i;
        if (i < n && text[i] == u',') {
            if (i + 1 == n)
                items += QString();
            for (++i; i < n && isBlank(text[i]); ++i) {
            }
        }
    }
    return items;
}

} // namespace

std::int32_t TIntList::Items(int index) const
{
    return inside(index) ? m_items[std::size_t(index)] : 0;
}

void TIntList::SetInteger(int index, std::int32_t value)
{
    if (!inside(index))
        return;
    m_items[std::size_t(index)] = value;
    changed();
}

void TIntList::Add(std::int32_t value)
{
    m_items.push_back(value);
    changed();
}

void TIntList::Insert(int index, std::int32_t value)
{
    if (index < 0 || index > Count())
        return;
    m_items.insert(m_items.begin() + index, value);
}

void TIntList::Delete(int index)
{
    if (!inside(index))
        return;
    m_items.erase(m_items.begin() + index);
    changed();
}

void TIntList::DeleteValue(std::int32_t value)
{
    if (const int index = IndexOf(value); index >= 0)
        Delete(index);
}

int TIntList::IndexOf(std::int32_t value) const
{
    const auto found = std::find(m_items.begin(), m_items.end(), value);
    return found == m_items.end() ? -1 : int(found - m_items.begin());
}

QString TIntList::StrValue() const
{
    QString text;
    for (const std::int32_t item : m_items) {
        if (!text.isEmpty())
            text += u',';
        text += QString::number(item);
    }
    return text;
}

TIntListTextResult TIntList::setStrValue(const QString &text)
{
    m_items.clear();
    for (const QString &item : commaTextItems(text)) {
        const auto value = parseWholeInt(item);
        if (!value)
            return {false, platform::notAnIntegerMessage(item)};
        Add(*value);
    }
    return {};
}

void TIntList::changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

void TSortIndexList::AddIndex(int columnIndex, bool ascending)
{
    const std::uint32_t bits = bitsOf(columnIndex) & kColumnBits;
    Add(entryOf(ascending ? bits : bits | kDescending));
}

int TSortIndexList::FindIndex(int columnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if ((bitsOf(Items(i)) & kColumnBits) == (bitsOf(columnIndex) & kColumnBits))
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int columnIndex)
{
    if (const int i = FindIndex(columnIndex); i >= 0)
        SetInteger(i, entryOf(bitsOf(Items(i)) ^ kDescending));
}

int TSortIndexList::SortColumns(int i) const
{
    return entryOf(bitsOf(Items(i)) & kColumnBits);
}

void TSortIndexList::setSortColumns(int i, int columnIndex)
{
    SetInteger(i, entryOf((bitsOf(Items(i)) & kDescending) | (bitsOf(columnIndex) & kColumnBits)));
}

bool TSortIndexList::SortDirections(int i) const
{
    return (bitsOf(Items(i)) & kDescending) == 0;
}

void TSortIndexList::setSortDirections(int i, bool ascending)
{
    const std::uint32_t column = bitsOf(Items(i)) & kColumnBits;
    SetInteger(i, entryOf(ascending ? column : column | kDescending));
}

QString TSortIndexList::SaveToString() const
{
    QStringList items;
    for (int i = 0; i < Count(); ++i)
        items += (SortDirections(i) ? u'u' : u'd') + QString::number(bitsOf(Items(i)) & 0xFFFFu);
    return items.join(u';');
}

void TSortIndexList::LoadFromString(const QString &text)
{
    Clear();
    for (const QStringView item : QStringView(text).tokenize(u';')) {
        if (item.size() < 2)
            continue;
        const auto column = parseWholeInt(item.sliced(1));
        if (!column || *column < 0 || *column > 0xFFFF)
            continue;
        AddIndex(*column, item.front() == u'u');
    }
}

} // namespace controls
