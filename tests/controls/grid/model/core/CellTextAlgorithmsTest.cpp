#include "controls/grid/model/core/ColumnFilterList.h"
#include "controls/grid/model/core/SelectedText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

// A grid of texts, row by row.
class TableSource : public ICellSource {
public:
    explicit TableSource(std::vector<std::vector<QString>> rows) : m_rows(std::move(rows)) {}
    int colCount() const override { return m_rows.empty() ? 0 : static_cast<int>(m_rows.front().size()); }
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    QString cellText(int col, int row) const override
    {
        if (row < 0 || row >= rowCount() || col < 0 || col >= colCount())
            return {};
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    }

private:
    std::vector<std::vector<QString>> m_rows;
};

TEST(ColumnFilterList, SortsDistinctTextsQuotesBlanksAndPutsTheClearEntryFirst)
{
    const TableSource cells({{"h"}, {"a"}, {"b c"}, {" a "}, {""}});
    TColumnFilterSource source;
    source.cells = &cells;
    source.col = 0;
    source.fromRow = 1;
    source.toRow = 4;
    source.clearEntry = QStringLiteral("(All)");
    EXPECT_EQ(columnFilterList(source),
              (QStringList{"(All)", "", "a", "b c=\"b c\""}));
}

TEST(ColumnFilterList, AddsHiddenRowsUntrimmedAndDropsCaseDuplicates)
{
    const TableSource cells({{"B"}, {"a"}});
    const QString hidden[] = {QStringLiteral("b"), QStringLiteral(" z")};
    TColumnFilterSource source;
    source.cells = &cells;
    source.toRow = 1;
    source.hiddenTexts = hidden;
    EXPECT_EQ(columnFilterList(source), (QStringList{" z=\" z\"", "a", "B"}));
}

TEST(SelectedText, JoinsCellsByTabAndRowsByCrLfWithoutTrailer)
{
    const TableSource cells({{"a", "b"}, {"c", "d"}, {"e\r\nf", "g"}});
    const int cols[] = {0, 1};
    const int rows[] = {0, 1};
    EXPECT_EQ(selectedText(cells, cols, rows, false), QStringLiteral("a\tb\r\nc\td"));
    const int lastRow[] = {2};
    const int firstCol[] = {0};
    EXPECT_EQ(selectedText(cells, firstCol, lastRow, false), QStringLiteral("e\r\nf"));
    EXPECT_EQ(selectedText(cells, firstCol, lastRow, true), QStringLiteral("\"e\x0B" "f\""));
    // Disjunct rows: still one CR LF between rows, none after the last.
    const int picked[] = {0, 2};
    EXPECT_EQ(selectedText(cells, cols, picked, true), QStringLiteral("a\tb\r\n\"e\x0B" "f\"\tg"));
}

} // namespace
