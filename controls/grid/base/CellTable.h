#pragma once
// The texts of a grid's cells and the objects the cells own, addressed
// column first. Every access is bounded: a cell outside the table reads
// empty and takes no writes. Rows are stored one by one, so inserting,
// deleting and moving rows (what a grid does most) moves row handles only.
// An object is told its cell whenever it is put into one or a move carries
// it to another.
#include <QString>

#include <algorithm>
#include <iterator>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace controls {

template <class Object>
class TCellTable {
public:
    // One row's cells: what takeRow hands out and putRow takes back.
    struct Row {
        // At most one entry per column; the columns past the end are empty,
        // so a row nobody wrote to costs two empty vectors.
        std::vector<QString> texts;
        std::vector<std::unique_ptr<Object>> objects;

        void setWidth(int cols)
        {
            if (!texts.empty())
                texts.resize(static_cast<std::size_t>(cols));
            if (!objects.empty())
                objects.resize(static_cast<std::size_t>(cols));
        }
    };

    int colCount() const { return m_cols; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    bool contains(int col, int row) const { return col >= 0 && col < m_cols && row >= 0 && row < rowCount(); }

    // Cells that fall away free their objects; new cells are empty.
    void resize(int cols, int rows)
    {
        cols = std::max(cols, 0);
        rows = std::max(rows, 0);
        m_rows.resize(static_cast<std::size_t>(rows));
        if (cols != m_cols) {
            for (Row &r : m_rows)
                r.setWidth(cols);
        }
        m_cols = cols;
    }

    const QString &text(int col, int row) const
    {
        static const QString empty;
        if (!contains(col, row))
            return empty;
        const Row &r = m_rows[static_cast<std::size_t>(row)];
        return static_cast<std::size_t>(col) < r.texts.size() ? r.texts[static_cast<std::size_t>(col)] : empty;
    }
    void setText(int col, int row, const QString &value)
    {
        if (!contains(col, row))
            return;
        Row &r = m_rows[static_cast<std::size_t>(row)];
        if (static_cast<std::size_t>(col) >= r.texts.size()) {
            if (value.isEmpty())
                return;
            r.texts.resize(static_cast<std::size_t>(m_cols));
        }
        r.texts[static_cast<std::size_t>(col)] = value;
    }

    Object *object(int col, int row) const
    {
        if (!contains(col, row))
            return nullptr;
        const Row &r = m_rows[static_cast<std::size_t>(row)];
        return static_cast<std::size_t>(col) < r.objects.size() ? r.objects[static_cast<std::size_t>(col)].get()
                                                                : nullptr;
    }
    // The cell's object, which the cell no longer holds.
    std::unique_ptr<Object> take(int col, int row)
    {
        if (object(col, row) == nullptr)
            return nullptr;
        return std::move(m_rows[static_cast<std::size_t>(row)].objects[static_cast<std::size_t>(col)]);
    }
    // Stores the object and gives back the one the cell held; outside the
    // table the object itself comes back.
    std::unique_ptr<Object> put(int col, int row, std::unique_ptr<Object> object)
    {
        if (!contains(col, row))
            return object;
        Row &r = m_rows[static_cast<std::size_t>(row)];
        if (static_cast<std::size_t>(col) >= r.objects.size()) {
            if (!object)
                return nullptr;
            r.objects.resize(static_cast<std::size_t>(m_cols));
        }
        if (object)
            object->placedAt(col, row);
        std::swap(r.objects[static_cast<std::size_t>(col)], object);
        return object;
    }

    // Rows at..at + count - 1 (clipped) are inserted empty or removed.
    void insertRows(int at, int count)
    {
        at = std::clamp(at, 0, rowCount());
        if (count <= 0)
            return;
        insertEmpty(m_rows, at, count);
        placeRows(at + count, rowCount());
    }
    void removeRows(int at, int count)
    {
        if (at < 0 || at >= rowCount() || count <= 0)
            return;
        count = std::min(count, rowCount() - at);
        m_rows.erase(m_rows.begin() + at, m_rows.begin() + at + count);
        placeRows(at, rowCount());
    }
    // Many rows in one pass: the rows at these indexes (ascending,
    // distinct, in range) go; or empty rows come in so that they end up at
    // these indexes (ascending, distinct, in the grown table). Any other
    // list changes nothing.
    void removeRowList(std::span<const int> rows)
    {
        if (!isRowList(rows, rowCount()))
            return;
        std::size_t kept = static_cast<std::size_t>(rows.front());
        std::size_t next = 0;
        for (std::size_t i = kept; i < m_rows.size(); ++i) {
            if (next < rows.size() && static_cast<std::size_t>(rows[next]) == i) {
                ++next;
                continue;
            }
            m_rows[kept++] = std::move(m_rows[i]);
        }
        m_rows.resize(kept);
        placeRows(rows.front(), rowCount());
    }
    void insertRowList(std::span<const int> rows)
    {
        if (!isRowList(rows, rowCount() + static_cast<int>(rows.size())))
            return;
        const std::ptrdiff_t old = rowCount();
        m_rows.resize(m_rows.size() + rows.size());
        std::ptrdiff_t from = old - 1;
        std::ptrdiff_t k = static_cast<std::ptrdiff_t>(rows.size()) - 1;
        for (std::ptrdiff_t at = rowCount() - 1; k >= 0; --at) {
            if (rows[static_cast<std::size_t>(k)] == at) {
                m_rows[static_cast<std::size_t>(at)] = Row{};
                --k;
            } else {
                m_rows[static_cast<std::size_t>(at)] = std::move(m_rows[static_cast<std::size_t>(from--)]);
            }
        }
        placeRows(rows.front(), rowCount());
    }
    // A row's texts and objects moved out whole, the row left empty; and
    // moved back into a row (outside the table nothing happens and the
    // cells are freed).
    Row takeRow(int row)
    {
        if (row < 0 || row >= rowCount())
            return {};
        return std::exchange(m_rows[static_cast<std::size_t>(row)], Row{});
    }
    void putRow(int row, Row cells)
    {
        if (row < 0 || row >= rowCount())
            return;
        cells.setWidth(m_cols);
        m_rows[static_cast<std::size_t>(row)] = std::move(cells);
        placeRows(row, row + 1);
    }
    // Row from is taken out and put back at index to.
    void moveRow(int from, int to)
    {
        if (!validMove(from, to, rowCount()))
            return;
        const auto first = m_rows.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
        placeRows(std::min(from, to), std::max(from, to) + 1);
    }
    void insertCols(int at, int count)
    {
        at = std::clamp(at, 0, m_cols);
        if (count <= 0)
            return;
        m_cols += count;
        for (Row &r : m_rows) {
            if (static_cast<std::size_t>(at) < r.texts.size())
                r.texts.insert(r.texts.begin() + at, static_cast<std::size_t>(count), QString());
            if (static_cast<std::size_t>(at) < r.objects.size())
                insertEmpty(r.objects, at, count);
        }
        placeCols(at + count, m_cols);
    }
    void removeCols(int at, int count)
    {
        if (at < 0 || at >= m_cols || count <= 0)
            return;
        count = std::min(count, m_cols - at);
        for (Row &r : m_rows) {
            eraseRange(r.texts, at, count);
            eraseRange(r.objects, at, count);
        }
        m_cols -= count;
        placeCols(at, m_cols);
    }
    void moveCol(int from, int to)
    {
        if (!validMove(from, to, m_cols))
            return;
        for (Row &r : m_rows) {
            rotateIn(r.texts, from, to, m_cols);
            rotateIn(r.objects, from, to, m_cols);
        }
        placeCols(std::min(from, to), std::max(from, to) + 1);
    }

private:
    static bool isRowList(std::span<const int> rows, int limit)
    {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i] < 0 || rows[i] >= limit || (i > 0 && rows[i - 1] >= rows[i]))
                return false;
        return !rows.empty();
    }
    static bool validMove(int from, int to, int count)
    {
        return from >= 0 && from < count && to >= 0 && to < count && from != to;
    }
    // Inserts count default values (of a type that only moves).
    template <class T>
    static void insertEmpty(std::vector<T> &v, int at, int count)
    {
        std::vector<T> fresh(static_cast<std::size_t>(count));
        v.insert(v.begin() + at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    }
    template <class T>
    static void eraseRange(std::vector<T> &v, int at, int count)
    {
        if (static_cast<std::size_t>(at) >= v.size())
            return;
        v.erase(v.begin() + at, v.begin() + std::min<std::size_t>(v.size(), static_cast<std::size_t>(at + count)));
    }
    template <class T>
    static void rotateIn(std::vector<T> &v, int from, int to, int width)
    {
        if (v.empty())
            return;
        if (v.size() < static_cast<std::size_t>(width))
            v.resize(static_cast<std::size_t>(width));
        const auto first = v.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
    }
    void placeRows(int from, int to)
    {
        for (int row = from; row < to; ++row) {
            const Row &r = m_rows[static_cast<std::size_t>(row)];
            for (std::size_t col = 0; col < r.objects.size(); ++col) {
                if (r.objects[col])
                    r.objects[col]->placedAt(static_cast<int>(col), row);
            }
        }
    }
    void placeCols(int from, int to)
    {
        for (std::size_t row = 0; row < m_rows.size(); ++row) {
            const Row &r = m_rows[row];
            const std::size_t end = std::min(r.objects.size(), static_cast<std::size_t>(std::max(to, 0)));
            for (std::size_t col = static_cast<std::size_t>(std::max(from, 0)); col < end; ++col) {
                if (r.objects[col])
                    r.objects[col]->placedAt(static_cast<int>(col), static_cast<int>(row));
            }
        }
    }

    int m_cols = 0;
    std::vector<Row> m_rows;
};

} // namespace controls
