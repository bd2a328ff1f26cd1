#include "controls/grid/base/CellTable.h"
#include "controls/grid/base/GridObject.h"

#include <gtest/gtest.h>

#include <set>

using controls::TCellTable;

namespace {

// Records where it lies and whether it still exists.
struct Tracked : controls::TGridObject {
    explicit Tracked(std::set<const Tracked *> &alive) : alive(alive) { alive.insert(this); }
    ~Tracked() override { alive.erase(this); }
    void placedAt(int c, int r) override
    {
        col = c;
        row = r;
    }
    std::set<const Tracked *> &alive;
    int col = -1;
    int row = -1;
};

struct CellTableTest : testing::Test {
    std::set<const Tracked *> alive;
    TCellTable<Tracked> table;

    void SetUp() override { table.resize(4, 4); }
    Tracked *putNew(int col, int row)
    {
        auto object = std::make_unique<Tracked>(alive);
        Tracked *raw = object.get();
        EXPECT_EQ(table.put(col, row, std::move(object)), nullptr);
        return raw;
    }
    std::string column(int col) const
    {
        std::string out;
        for (int row = 0; row < table.rowCount(); ++row)
            out += table.text(col, row).isEmpty() ? "." : table.text(col, row).toStdString();
        return out;
    }
    std::string row(int r) const
    {
        std::string out;
        for (int col = 0; col < table.colCount(); ++col)
            out += table.text(col, r).isEmpty() ? "." : table.text(col, r).toStdString();
        return out;
    }
};

} // namespace

TEST_F(CellTableTest, CellsOutsideReadEmptyAndTakeNoWrites)
{
    for (const auto &[col, row] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}, {INT_MAX, INT_MAX}}) {
        table.setText(col, row, QStringLiteral("x"));
        EXPECT_TRUE(table.text(col, row).isEmpty());
        auto object = std::make_unique<Tracked>(alive);
        const Tracked *raw = object.get();
        EXPECT_EQ(table.put(col, row, std::move(object)).get(), raw) << "the object comes back";
        EXPECT_EQ(table.object(col, row), nullptr);
        EXPECT_EQ(table.take(col, row), nullptr);
    }
    EXPECT_TRUE(alive.empty());
}

TEST_F(CellTableTest, TextsAndObjectsTravelTogetherAndObjectsKnowTheirCell)
{
    for (int r = 0; r < 4; ++r)
        table.setText(1, r, QString::number(r));
    Tracked *at12 = putNew(1, 2);
    table.moveRow(2, 0);
    EXPECT_EQ(column(1), "2013");
    EXPECT_EQ(table.object(1, 0), at12);
    EXPECT_EQ(std::pair(at12->col, at12->row), std::pair(1, 0));

    table.moveCol(1, 3);
    EXPECT_EQ(row(0), "...2");
    EXPECT_EQ(std::pair(at12->col, at12->row), std::pair(3, 0));

    table.insertRows(0, 2);
    table.insertCols(0, 1);
    EXPECT_EQ(table.object(4, 2), at12);
    EXPECT_EQ(std::pair(at12->col, at12->row), std::pair(4, 2));
    EXPECT_EQ(row(2), "....2");

    table.removeCols(0, 1);
    table.removeRows(0, 2);
    EXPECT_EQ(std::pair(at12->col, at12->row), std::pair(3, 0));
    EXPECT_EQ(column(3), "2013");
}

TEST_F(CellTableTest, ObjectsAreFreedOnceWithTheirCells)
{
    putNew(3, 3);
    putNew(0, 0);
    Tracked *kept = putNew(1, 1);
    std::unique_ptr<Tracked> taken = table.take(1, 1);
    EXPECT_EQ(taken.get(), kept);
    EXPECT_EQ(table.object(1, 1), nullptr);

    table.resize(3, 3); // (3, 3) falls away
    EXPECT_EQ(alive.size(), 2u);
    table.removeRows(0, 1); // and (0, 0) with its row
    EXPECT_EQ(alive.size(), 1u);

    // Putting over an object hands the old one back instead of freeing it.
    EXPECT_EQ(table.put(0, 0, std::move(taken)), nullptr);
    EXPECT_EQ(table.put(0, 0, nullptr).get(), kept);
    EXPECT_EQ(alive.size(), 0u);
}

TEST_F(CellTableTest, RowsNobodyWroteToGrowWithTheTable)
{
    table.setText(3, 3, QStringLiteral("z"));
    table.insertCols(4, 2); // appended: rows written before stay short
    table.setText(5, 3, QStringLiteral("y"));
    table.moveCol(5, 0);
    EXPECT_EQ(row(3), "y...z.");
    table.removeCols(1, 10);
    EXPECT_EQ(row(3), "y");
    EXPECT_EQ(table.colCount(), 1);
}

TEST_F(CellTableTest, ListsOfRowsGoAndComeBackWithTheirObjectsPlaced)
{
    table.resize(2, 6);
    for (int r = 0; r < 6; ++r)
        table.setText(0, r, QString::number(r));
    Tracked *at14 = putNew(1, 4);
    putNew(1, 0);
    const std::vector<int> gone{0, 2, 3};
    table.removeRowList(gone);
    EXPECT_EQ(column(0), "145");
    EXPECT_EQ(alive.size(), 1u) << "the object of a row that went is freed with it";
    EXPECT_EQ(std::pair(at14->col, at14->row), std::pair(1, 1));

    table.insertRowList(gone);
    EXPECT_EQ(column(0), ".1..45");
    EXPECT_EQ(table.object(1, 4), at14);
    EXPECT_EQ(std::pair(at14->col, at14->row), std::pair(1, 4));
    // New rows at the end of the grown table too.
    table.insertRowList(std::vector<int>{6, 7});
    EXPECT_EQ(column(0), ".1..45..");
    // A list that is not one (unsorted, repeated, beyond the table)
    // changes nothing.
    for (const std::vector<int> &bad : {std::vector<int>{2, 1}, {1, 1}, {8}, {-1}}) {
        table.removeRowList(bad);
        EXPECT_EQ(table.rowCount(), 8);
    }
    table.insertRowList(std::vector<int>{10});
    EXPECT_EQ(table.rowCount(), 8);
}

TEST_F(CellTableTest, ARowMovesOutWholeAndBackIntoAnotherPlace)
{
    table.setText(2, 1, QStringLiteral("x"));
    Tracked *object = putNew(3, 1);
    auto row = table.takeRow(1);
    EXPECT_EQ(this->row(1), "....");
    EXPECT_EQ(table.object(3, 1), nullptr);
    EXPECT_EQ(alive.size(), 1u) << "the object travels with the row";
    table.putRow(3, std::move(row));
    EXPECT_EQ(this->row(3), "..x.");
    EXPECT_EQ(table.object(3, 3), object);
    EXPECT_EQ(std::pair(object->col, object->row), std::pair(3, 3));
    // Outside the table the cells are freed.
    table.putRow(9, table.takeRow(3));
    EXPECT_TRUE(alive.empty());
    EXPECT_TRUE(table.takeRow(-1).texts.empty());
}
