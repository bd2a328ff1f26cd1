// Growing the edited cell while the user types: the column to its text's
// width, the row to its number of lines.
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/InplaceEdit.h"
#include "controls/grid/view/MemoEdit.h"

#include <QFontMetrics>

namespace controls {

void TExStringGrid::SizeWhileTypingHook(bool RowHeight)
{
    auto &st = editState();
    QString text;
    if (memoOpen())
        text = st.memo->cellText();
    else if (const TExInplaceEdit *editor = NormalEdit(); editor != nullptr && EditorMode())
        text = editor->text();
    else
        return;
    if (SizeWhileTyping.Width) {
        // The column measures the cell, which must hold the text typed so far.
        if (GetGridCell(RealCol(), Row()) != text)
            SetCellEx(RealCol(), Row(), text);
        SizeColumnToContent(Col(), true);
    }
    if (!RowHeight || !(Multilinecells || WordWrap()))
        return;
    const int lines = std::max(1, CountTextLines(text, Multilinecells));
    const int height = lines * QFontMetrics(Font().qfont()).height() + TotalYOffset() + 4;
    if (height <= RowHeights(Row()))
        return;
    setRowHeights(Row(), height);
    if (memoOpen()) {
        const QRect cell = platform::toQRect(CellRect(Col(), Row()));
        st.memo->setGeometry(st.memo->x(), st.memo->y(), st.memo->width(), cell.height());
    } else if (TExInplaceEdit *editor = NormalEdit()) {
        const QRect cell = platform::toQRect(CellRect(Col(), Row()));
        editor->setGeometry(editor->x(), editor->y(), editor->width(), cell.height() - 1);
    }
    if (OnEndRowSize)
        OnEndRowSize(this, Row());
}

} // namespace controls
