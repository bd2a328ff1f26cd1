#pragma once
// TIntList: the integers the grid keeps per cell or per grid (column order,
// hidden rows, images of a cell...), reporting each change with the cell it
// belongs to. TSortIndexList: the sort columns of a multi-column sort, each
// with its direction in bit 31, stored as text like "u2;d5".
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace controls {

class TIntList;
using TImageChangeEvent = std::function<void(TIntList *Sender, int ACol, int ARow)>;

// Writing a list from text stops at the first item that is no integer; the
// items before it stay.
struct TIntListTextResult {
    bool ok = true;
    QString message; // the conversion error when not ok
};

class TIntList {
public:
    explicit TIntList(int ACol = 0, int ARow = 0) : FCol(ACol), FRow(ARow) {}
    virtual ~TIntList() = default;

    int Count() const { return int(m_items.size()); }
    // An index outside the list reads 0; writing, inserting or deleting
    // there does nothing.
    std::int32_t Items(int index) const;
    std::int32_t operator[](int index) const { return Items(index); }
    void SetInteger(int index, std::int32_t value);

    void Add(std::int32_t value);
    // No OnChange: the grid inserts while it rebuilds a list.
    void Insert(int index, std::int32_t value);
    void Delete(int index);
    void DeleteValue(std::int32_t value);
    int IndexOf(std::int32_t value) const;
    bool HasValue(std::int32_t value) const { return IndexOf(value) >= 0; }
    void Clear() { m_items.clear(); }

    // "3,10,-1". Writing takes comma text (commas or blanks between items,
    // double quotes around one), clears the list and adds item by item.
    QString StrValue() const;
    TIntListTextResult setStrValue(const QString &text);

    int Col() const { return FCol; }
    int Row() const { return FRow; }

    TImageChangeEvent OnChange;

private:
    bool inside(int index) const { return index >= 0 && index < Count(); }
    void changed();

    std::vector<std::int32_t> m_items;
    int FCol;
    int FRow;
};

class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int columnIndex, bool ascending);
    // Position of the column's entry, -1 when it has none.
    int FindIndex(int columnIndex) const;
    void ToggleIndex(int columnIndex);
    int SortColumns(int i) const;
    void setSortColumns(int i, int columnIndex);
    bool SortDirections(int i) const; // true: ascending
    void setSortDirections(int i, bool ascending);

    // "u2;d5": "u" ascending, "d" descending, then the column's low 16 bits.
    QString SaveToString() const;
    // Reads such a text; an item shorter than 2 characters, or whose column
    // is not a number from 0 to 65535, is skipped.
    void LoadFromString(const QString &text);
};

} // namespace controls
