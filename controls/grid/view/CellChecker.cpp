// Cells checked through the grid's cell checker: corrected or marked, one
// cell, a range, a row, a column or the grid. Without a checker every
// check passes and nothing changes.
#include "controls/grid/base/GridCheck.h"
#include "controls/grid/model/ExGrid.h"

namespace controls {

void TExStringGrid::CellCheckerCorrect(int ACol, int ARow, QString &Value)
{
    if (CellChecker != nullptr && CellChecker->AutoCorrect)
        Value = CellChecker->Correct(ACol, ARow, Value);
}

void TExStringGrid::CellCheckerMark(int ACol, int ARow, QString &Value)
{
    if (CellChecker != nullptr && CellChecker->AutoMarkError)
        Value = CellChecker->MarkError(ACol, ARow, Value);
}

bool TExStringGrid::CheckCell(int Col, int Row)
{
    if (CellChecker == nullptr)
        return true;
    const QString s = UnMarkText(Cells(Col, Row));
    if (CellChecker->GotoCell)
        FocusCell(DisplColIndex(Col), Row);
    QString t = s;
    // Marks go on the corrected text: a correction is never thrown away.
    if (CellChecker->UseCorrect)
        t = CellChecker->Correct(Col, Row, t);
    if (CellChecker->UseMarkError)
        t = CellChecker->MarkError(Col, Row, t);
    SetCellEx(Col, Row, t);
    return t == s;
}

bool TExStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (CellChecker == nullptr)
        return true;
    CellChecker->StartCheck();
    const int col = Col();
    const int row = Row();
    bool all = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            all = CheckCell(c, r) && all;
    CellChecker->StopCheck();
    if (CellChecker->GotoCell)
        FocusCell(col, row);
    return all;
}

bool TExStringGrid::CheckCol(bool DoFixed, int Col)
{
    return DoFixed ? CheckCells(Col, 0, Col, RowCount() - 1)
                   : CheckCells(Col, FixedRows(), Col, RowCount() - FFixedFooters - 1);
}

bool TExStringGrid::CheckRow(bool DoFixed, int Row)
{
    return DoFixed ? CheckCells(0, Row, ColCount() - 1, Row)
                   : CheckCells(FixedCols(), Row, ColCount() - FFixedRightCols - 1, Row);
}

bool TExStringGrid::CheckGrid(bool DoFixed)
{
    return DoFixed ? CheckCells(0, 0, ColCount() - 1, RowCount() - 1)
                   : CheckCells(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1,
                                RowCount() - FFixedFooters - 1);
}

} // namespace controls
