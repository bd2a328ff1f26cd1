// The popup list's rows and columns from the drop-down, their sizes, and
// its keys and mouse.
#include "controls/dropdown/ExColGrid.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/MultiColumnDropDown.h"
#include "controls/dropdown/core/ColumnLayout.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/DrawFlags.h"

#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace controls::multicol {

using namespace platform;

TExColGrid::TExColGrid(QWidget *parent) : TCellGrid(parent)
{
    m_imagesLink.OnFree = [this] {
        m_images = nullptr;
        update();
    };
    setFixedCols(0);
    setFixedRows(1);
    setOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect);
    setDefaultDrawing(false);
    // The list draws its own lines, inside the cells.
    setLineWidth(0);
    MoveColRow(0, Row(), true, false);
    setLeftCol(0);
    m_oldRow = Row();
}

TExColGrid::~TExColGrid()
{
    if (m_images)
        m_images->UnRegisterChanges(m_imagesLink);
}

void TExColGrid::setImages(TImageList *images)
{
    if (images == m_images)
        return;
    if (m_images)
        m_images->UnRegisterChanges(m_imagesLink);
    m_images = images;
    if (m_images)
        m_images->RegisterChanges(m_imagesLink);
    update();
}

void TExColGrid::setGridLineWidth(int width)
{
    m_gridLineWidth = width;
    setLineWidth(0);
    InvalidateGrid();
}

int TExColGrid::itemCount() const
{
    return m_dropDown ? m_dropDown->Items().Count() : 0;
}

bool TExColGrid::parentIsPopup() const
{
    return qobject_cast<const TDropDownForm *>(parentWidget()) != nullptr;
}

void TExColGrid::SyncWithDropDown(TExMultiColumnDropDown *dropDown)
{
    if (!dropDown)
        return;
    m_dropDown = dropDown;
    m_columns.Assign(dropDown->Columns());
    setColCount(std::max(1, m_columns.Count()));
    const int rows = dropDown->Items().Count() + 1;
    setRowCount(rows);
    // Without items the header stays fixed and current: nothing to choose.
    setFixedRows(1);
    // The current cell in the first column, so that showing it never
    // scrolls the columns.
    MoveColRow(0, rows > 1 ? 1 : 0, true, false);
    for (int i = 0; i < std::min(ColCount(), m_columns.Count()); ++i)
        setColWidths(i, m_columns[i].Width());
    m_lineColor = dropDown->LineColor();
    m_fixedLineColor = dropDown->FixedLineColor();
    m_headerColor = dropDown->HeaderColor();
    m_headerColorTo = dropDown->HeaderColorTo();
    m_headerHeight = dropDown->HeaderHeight();
    m_headerFont.Assign(dropDown->HeaderFont());
    setImages(dropDown->Images());
    setDefaultRowHeight(dropDown->DropDownRowHeight());
    setRowHeights(0, m_headerHeight);
    TGridOptions options = Options();
    options.setFlag(goColSizing, dropDown->ColumnSizing());
    setOptions(options);
    AutoSizeColumns();
    AutoSizeRows();
    // Every column from the first: the list scrolls only up and down.
    setLeftCol(0);
}

void TExColGrid::AutoSizeColumns()
{
    for (int i = 0; i < m_columns.Count(); ++i)
        if (m_columns[i].AutoSize())
            AutoSizeColumn(i);
}

void TExColGrid::AutoSizeColumn(int index)
{
    if (index < 0 || index >= m_columns.Count() || index >= ColCount() || !m_columns[index].AutoSize()
        || !parentIsPopup() || !m_dropDown)
        return;
    TDropDownColumn &column = m_columns[index];
    TCanvas &canvas = Canvas();
    canvas.Font().Assign(column.Font());
    const bool imageColumn = column.ColumnType() == ctImage && m_images;
    const TDropDownItems &items = m_dropDown->Items();
    int widest = 0;
    for (int i = 0; i < items.Count(); ++i) {
        const TDropDownItem &item = items[i];
        const bool showsImage = imageColumn && item.ImageIndex() >= 0;
        const QString text = item.columnText(index);
        const int width = autoCellWidth(showsImage, showsImage ? m_images->Width() : 0, !text.isEmpty(),
                                        text.isEmpty() ? 0 : canvas.TextWidth(text));
        widest = std::max(widest, width);
    }
    setColWidths(index, widest);
    column.setWidth(widest);
}

void TExColGrid::AutoSizeRows()
{
    if (!m_dropDown || !parentIsPopup())
        return;
    std::vector<int> wrapped;
    for (int i = 0; i < std::min(ColCount(), m_columns.Count()); ++i)
        if (m_columns[i].Wordwrap())
            wrapped.push_back(i);
    if (wrapped.empty())
        return;
    const TDropDownItems &items = m_dropDown->Items();
    TCanvas &canvas = Canvas();
    for (int i = 0; i < items.Count() && itemToRow(i) < RowCount(); ++i) {
        const TDropDownItem &item = items[i];
        int height = MinWrappedRowHeight;
        for (const int col : wrapped) {
            const TDropDownColumn &column = m_columns[col];
            const bool showsImage = column.ColumnType() == ctImage && m_images && item.ImageIndex() >= 0;
            const QString text = item.columnText(col);
            int textHeight = 0;
            if (!text.isEmpty()) {
                canvas.Font().Assign(column.Font());
                TRect r{0, 0, ColWidths(col), 0};
                canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
                textHeight = r.Bottom - r.Top;
            }
            height = std::max(height, autoCellHeight(showsImage, showsImage ? m_images->Height() : 0,
                                                     !text.isEmpty(), textHeight));
        }
        setRowHeights(itemToRow(i), height);
    }
}

int TExColGrid::GetGridWidth() const
{
    std::vector<int> widths;
    for (int i = 0; i < ColCount(); ++i)
        widths.push_back(ColWidths(i));
    const bool allVisible = VisibleRowCount() + FixedRows() >= RowCount();
    return gridWidth(0, widths, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), allVisible);
}

TRect TExColGrid::GetCellBounds(int col, int row) const
{
    const TRect r = CellRect(col, row);
    return Bounds(r.Left, r.Top, ColWidths(col), RowHeights(row));
}

void TExColGrid::DoSelect()
{
    // A handler may free the drop-down and the popup with this list: the
    // popup goes once the handler returned.
    QPointer<TDropDownForm> form = qobject_cast<TDropDownForm *>(parentWidget());
    if (form)
        form->enterHandler();
    platform::guarded([this] {
        if (OnSelect)
            OnSelect(this);
    });
    if (form)
        form->leaveHandler();
}

// ---- keys and mouse ----

void TExColGrid::GridKeyDown(std::uint16_t &key, TShiftState shift)
{
    m_confirmSelection = true;
    if ((key == VK_UP || key == VK_DOWN) && shift.testFlag(ssAlt)) {
        // The drop-down closes on it; the popup's own routing got there
        // first when it is open.
        if (m_dropDown && m_dropDown->DroppedDown())
            platform::guarded([this] { m_dropDown->HideDropDown(false); });
        key = 0;
        return;
    }
    const bool enter = key == VK_RETURN;
    if (enter)
        key = 0;
    TCellGrid::GridKeyDown(key, shift);
    if (enter)
        DoSelect();
}

void TExColGrid::GridKeyPress(QChar &key)
{
    // No cell editing: the drop-down's type-ahead takes the characters.
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TExColGrid::GridMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    m_confirmSelection = true;
    m_oldRow = Row();
    TCellGrid::GridMouseDown(button, shift, x, y);
}

void TExColGrid::GridMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCellGrid::GridMouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X >= 0 && cell.Y >= FixedRows() && cell.Y < RowCount())
        DoSelect();
}

bool TExColGrid::GridWheelDown(TShiftState shift, QPoint pos)
{
    m_mouseWheelSelection = true;
    m_confirmSelection = false;
    const bool handled = TCellGrid::GridWheelDown(shift, pos);
    m_mouseWheelSelection = false;
    return handled;
}

bool TExColGrid::GridWheelUp(TShiftState shift, QPoint pos)
{
    m_mouseWheelSelection = true;
    m_confirmSelection = false;
    const bool handled = TCellGrid::GridWheelUp(shift, pos);
    m_mouseWheelSelection = false;
    return handled;
}

bool TExColGrid::event(QEvent *event)
{
    // Tab neither moves the focus out of the popup nor walks the cells.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            event->accept();
            return true;
        }
    }
    return TCellGrid::event(event);
}

} // namespace controls::multicol
