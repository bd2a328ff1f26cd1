// Highlighting ("hi") and marking ("e") of text inside cells. Only cells
// with a hit change, and only cells holding the tag are taken apart, so
// that highlighting and unhighlighting give back every text as it was.
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/HighlightTags.h"

namespace controls {

namespace {

const QString kHighlightTag = QStringLiteral("hi");
const QString kMarkTag = QStringLiteral("e");

} // namespace

QString TExStringGrid::HilightText(bool DoCase, const QString &S, const QString &Text)
{
    return WrapMatchesInTag(S, Text, kHighlightTag, DoCase);
}

QString TExStringGrid::MarkText(bool DoCase, const QString &S, const QString &Text)
{
    return WrapMatchesInTag(S, Text, kMarkTag, DoCase);
}

QString TExStringGrid::UnHilightText(const QString &S) { return RemoveTagPairs(S, kHighlightTag); }
QString TExStringGrid::UnMarkText(const QString &S) { return RemoveTagPairs(S, kMarkTag); }

void TExStringGrid::wrapMatchesInRange(const QString &HiText, const QString &Tag, int LastRow, int LastCol,
                                       int FirstRow, int FirstCol, bool DoCase)
{
    for (int r = FirstRow; r <= LastRow; ++r)
        for (int c = FirstCol; c <= LastCol; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const QString text = GetGridCell(c, r);
            const QString tagged = tagMatchesInCell(text, HiText, Tag, DoCase);
            if (tagged != text)
                setCells(c, r, tagged);
        }
}

void TExStringGrid::removeTagsInRange(const QString &Tag, int LastRow, int LastCol, int FirstRow, int FirstCol)
{
    for (int r = FirstRow; r <= LastRow; ++r)
        for (int c = FirstCol; c <= LastCol; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const QString text = GetGridCell(c, r);
            const QString bare = untagCell(text, Tag);
            if (bare != text)
                setCells(c, r, bare);
        }
}

// --- highlighting ---------------------------------------------------------------------------------

void TExStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString &HiText)
{
    wrapMatchesInRange(HiText, kHighlightTag, Row, Col, Row, Col, DoCase);
}

void TExStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText)
{
    if (DoFixed)
        wrapMatchesInRange(HiText, kHighlightTag, RowCount() - 1, Col, 0, Col, DoCase);
    else
        wrapMatchesInRange(HiText, kHighlightTag, RowCount() - FFixedFooters - 1, Col, FixedRows(), Col, DoCase);
}

void TExStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText)
{
    if (DoFixed)
        wrapMatchesInRange(HiText, kHighlightTag, Row, ColCount() - 1, Row, 0, DoCase);
    else
        wrapMatchesInRange(HiText, kHighlightTag, Row, ColCount() - FFixedRightCols - 1, Row, FixedCols(), DoCase);
}

void TExStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString &HiText)
{
    if (DoFixed)
        wrapMatchesInRange(HiText, kHighlightTag, RowCount() - 1, ColCount() - 1, 0, 0, DoCase);
    else
        wrapMatchesInRange(HiText, kHighlightTag, RowCount() - FFixedFooters - 1,
                           ColCount() + NumHiddenColumns() - FFixedRightCols - 1, FixedRows(), FixedCols(), DoCase);
}

void TExStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString &HiText)
{
    wrapMatchesInRange(HiText, kMarkTag, Row, Col, Row, Col, DoCase);
}

void TExStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText)
{
    if (DoFixed)
        wrapMatchesInRange(HiText, kMarkTag, RowCount() - 1, Col, 0, Col, DoCase);
    else
        wrapMatchesInRange(HiText, kMarkTag, RowCount() - FFixedFooters - 1, Col, FixedRows(), Col, DoCase);
}

void TExStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText)
{
    if (DoFixed)
        wrapMatchesInRange(HiText, kMarkTag, Row, ColCount() - 1, Row, 0, DoCase);
    else
        wrapMatchesInRange(HiText, kMarkTag, Row, ColCount() - FFixedRightCols - 1, Row, FixedCols(), DoCase);
}

void TExStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString &HiText)
{
    if (DoFixed)
        wrapMatchesInRange(HiText, kMarkTag, RowCount() - 1, ColCount() - 1, 0, 0, DoCase);
    else
        wrapMatchesInRange(HiText, kMarkTag, RowCount() - FFixedFooters - 1, ColCount() - FFixedRightCols - 1,
                           FixedRows(), FixedCols(), DoCase);
}

// --- taking the tags off --------------------------------------------------------------------------

void TExStringGrid::UnHilightInCell(int Col, int Row) { removeTagsInRange(kHighlightTag, Row, Col, Row, Col); }

void TExStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    if (DoFixed)
        removeTagsInRange(kHighlightTag, RowCount() - 1, Col, 0, Col);
    else
        removeTagsInRange(kHighlightTag, RowCount() - FFixedFooters - 1, Col, FixedRows(), Col);
}

void TExStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    if (DoFixed)
        removeTagsInRange(kHighlightTag, Row, ColCount() + NumHiddenColumns() - 1, Row, 0);
    else
        removeTagsInRange(kHighlightTag, Row, ColCount() + NumHiddenColumns() - FFixedRightCols - 1, Row,
                          FixedCols());
}

void TExStringGrid::UnHilightInGrid(bool DoFixed)
{
    if (DoFixed)
        removeTagsInRange(kHighlightTag, RowCount() - 1, ColCount() + NumHiddenColumns() - 1, 0, 0);
    else
        removeTagsInRange(kHighlightTag, RowCount() - FFixedFooters - 1,
                          ColCount() + NumHiddenColumns() - FFixedRightCols - 1, FixedRows(), FixedCols());
}

void TExStringGrid::UnMarkInCell(int Col, int Row) { removeTagsInRange(kMarkTag, Row, Col, Row, Col); }

void TExStringGrid::UnMarkInCol(bool DoFixed, int Col)
{
    if (DoFixed)
        removeTagsInRange(kMarkTag, RowCount() - 1, Col, 0, Col);
    else
        removeTagsInRange(kMarkTag, RowCount() - FFixedFooters - 1, Col, FixedRows(), Col);
}

void TExStringGrid::UnMarkInRow(bool DoFixed, int Row)
{
    if (DoFixed)
        removeTagsInRange(kMarkTag, Row, ColCount() + NumHiddenColumns() - 1, Row, 0);
    else
        removeTagsInRange(kMarkTag, Row, ColCount() + NumHiddenColumns() - FFixedRightCols - 1, Row, FixedCols());
}

void TExStringGrid::UnMarkInGrid(bool DoFixed)
{
    if (DoFixed)
        removeTagsInRange(kMarkTag, RowCount() - 1, ColCount() + NumHiddenColumns() - 1, 0, 0);
    else
        removeTagsInRange(kMarkTag, RowCount() - FFixedFooters - 1,
                          ColCount() + NumHiddenColumns() - FFixedRightCols - 1, FixedRows(), FixedCols());
}

} // namespace controls
