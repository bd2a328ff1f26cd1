// The popup grid's rows and columns from the drop-down, their sizes, and
// its keys and mouse.
#include "controls/dropdown/grid/PopupGrid.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/ColumnLayout.h"
#include "controls/dropdown/grid/ExGridDropDown.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/DrawFlags.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace controls::griddd {

using namespace platform;

TExColGrid::TExColGrid(QWidget *parent) : TExStringGrid(parent)
{
    m_imagesLink.OnFree = [this] {
        m_images = nullptr;
        update();
    };
    // The header stays when a filter leaves no data row.
    setFixedRowAlways(true);
    setRowCount(std::max(2, RowCount()));
    setFixedRows(1);
    setFixedCols(0);
    TGridOptions options = Options();
    options.setFlag(goRangeSelect, false);
    options |= goHorzLine;
    options |= goRowSelect;
    setOptions(options);
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
}

void TExColGrid::setGridLineWidth(int width)
{
    m_gridLineWidth = width;
    setLineWidth(0);
}

void TExColGrid::ShowAllRows()
{
    // An empty narrow-down lifts every filter and forgets the last entry,
    // so that the next one filters from all rows.
    if (FilterLevel() > 0 || FilterActive() || NumHiddenRows() > 0 || !m_narrowEntry.isEmpty())
        NarrowDown(QString(), 0);
    m_narrowEntry.clear();
}

void TExColGrid::NarrowDownTo(const QString &entry, int column)
{
    // The string grid quotes an entry's blanks only when it grows by one
    // character: the entry is reached one character at a time, each step
    // one filter level that only looks at the rows the last one left.
    if (!entry.startsWith(m_narrowEntry) && !m_narrowEntry.startsWith(entry))
        ShowAllRows();
    while (m_narrowEntry.size() > entry.size()) {
        m_narrowEntry.chop(1);
        NarrowDown(m_narrowEntry, column);
    }
    while (m_narrowEntry.size() < entry.size()) {
        m_narrowEntry = entry.left(m_narrowEntry.size() + 1);
        NarrowDown(m_narrowEntry, column);
    }
}

void TExColGrid::SyncWithDropDown(TCustomExGridDropDown *dropDown)
{
    if (!dropDown)
        return;
    m_dropDown = dropDown;
    m_columns.Assign(dropDown->Columns());
    if (ColCount() < m_columns.Count())
        setColCount(m_columns.Count());
    if (dropDown->UseItems()) {
        // New items come into every row: no filter may hide one.
        ShowAllRows();
        setRowCount(dropDown->Items().Count() + 1);
    }
    for (int i = 0; i < std::min(ColCount(), m_columns.Count()); ++i)
        setColWidths(i, m_columns[i].Width());
    m_lineColor = dropDown->LineColor();
    m_fixedLineColor = dropDown->FixedLineColor();
    setGridLineColor(m_lineColor);
    setGridFixedLineColor(m_fixedLineColor);
    m_headerColor = dropDown->HeaderColor();
    m_headerColorTo = dropDown->HeaderColorTo();
    m_headerHeight = dropDown->HeaderHeight();
    m_headerFont.Assign(dropDown->HeaderFont());
    setHoverRow(dropDown->HoverRow());
    setHoverRowColor(dropDown->HoverRowColor());
    setHoverRowColorTo(dropDown->HoverRowColorTo());
    setImages(dropDown->Images());
    setDefaultRowHeight(std::max(1, dropDown->DropDownRowHeight()));
    if (RowCount() > 0)
        setRowHeights(0, m_headerHeight);
    TGridOptions options = Options();
    options.setFlag(goColSizing, dropDown->ColumnSizing());
    options.setFlag(goColMoving, dropDown->ColumnMoving());
    options.setFlag(goRowSizing, dropDown->RowSizing());
    options.setFlag(goRowMoving, dropDown->RowMoving());
    setOptions(options);
    if (dropDown->AutoSizeColumns()) {
        if (dropDown->UseItems())
            AutoSizeItemColumns();
        else
            TExStringGrid::AutoSizeColumns(true, 4);
    }
    AutoSizeRows();
}

void TExColGrid::LoadItems()
{
    if (!m_dropDown)
        return;
    const TDropDownItems &items = m_dropDown->Items();
    const int columns = std::max(1, m_columns.Count());
    if (ColCount() != columns)
        setColCount(columns);
    ShowAllRows();
    // Without items only the header row stays.
    setRowCount(1 + items.Count());
    setFixedRows(1);
    for (int c = 0; c < columns; ++c) {
        setCells(c, 0, c < m_columns.Count() ? m_columns[c].Header() : QString());
        SetObjectEx(c, 0, -1);
    }
    for (int i = 0; i < items.Count(); ++i) {
        const TDropDownItem &item = items[i];
        for (int c = 0; c < columns; ++c)
            SetGridCell(c, i + 1, item.columnText(c));
        SetObjectEx(0, i + 1, i);
    }
    InvalidateGrid();
}

namespace {

// The widest of many texts without measuring each: a sum of cached
// character advances ranks them, and only those near the top are measured
// exactly (shaping and kerning move a text by a few pixels at most).
int widestText(const QStringList &texts, const QFont &font)
{
    if (texts.isEmpty())
        return 0;
    const QFontMetrics metrics(font);
    std::vector<int> advance(128, -1);
    const auto charWidth = [&](QChar c) {
        if (c.unicode() >= advance.size())
            return metrics.horizontalAdvance(c);
        int &w = advance[c.unicode()];
        if (w < 0)
            w = metrics.horizontalAdvance(c);
        return w;
    };
    std::vector<std::pair<int, int>> ranked;
    ranked.reserve(std::size_t(texts.size()));
    for (int i = 0; i < texts.size(); ++i) {
        int sum = 0;
        for (const QChar c : texts[i])
            sum += charWidth(c);
        ranked.emplace_back(sum, i);
    }
    std::sort(ranked.begin(), ranked.end(), std::greater<>());
    const int slack = std::max(8, ranked.front().first / 8);
    int widest = 0;
    for (const auto &[estimate, index] : ranked) {
        if (estimate + slack < widest || estimate + slack < ranked.front().first - slack)
            break;
        widest = std::max(widest, metrics.horizontalAdvance(texts[index]));
    }
    return widest;
}

} // namespace

void TExColGrid::AutoSizeItemColumns()
{
    if (!m_dropDown)
        return;
    const TDropDownItems &items = m_dropDown->Items();
    for (int c = 0; c < std::min(ColCount(), m_columns.Count()); ++c) {
        TDropDownColumn &column = m_columns[c];
        if (!column.AutoSize())
            continue;
        const bool imageColumn = column.ColumnType() == multicol::ctImage && m_images;
        bool anyImage = false;
        QStringList texts;
        texts.reserve(items.Count());
        for (int i = 0; i < items.Count(); ++i) {
            anyImage = anyImage || (imageColumn && items[i].ImageIndex() >= 0);
            const QString text = items[i].columnText(c);
            if (!text.isEmpty())
                texts.append(text);
        }
        const int textWidth = widestText(texts, column.Font().qfont());
        const int width = std::max(multicol::autoCellWidth(anyImage, anyImage ? m_images->Width() : 0, false, 0),
                                   multicol::autoCellWidth(false, 0, !texts.isEmpty(), textWidth));
        setColWidths(c, width);
        column.setWidth(width);
    }
}

void TExColGrid::AutoSizeRows()
{
    if (!m_dropDown || !m_dropDown->UseItems())
        return;
    std::vector<int> wrapped;
    for (int i = 0; i < std::min(ColCount(), m_columns.Count()); ++i)
        if (m_columns[i].Wordwrap())
            wrapped.push_back(i);
    if (wrapped.empty())
        return;
    const TDropDownItems &items = m_dropDown->Items();
    TCanvas &canvas = Canvas();
    for (int i = 0; i < items.Count() && i + 1 < RowCount(); ++i) {
        const TDropDownItem &item = items[i];
        int height = multicol::MinWrappedRowHeight;
        for (const int col : wrapped) {
            const TDropDownColumn &column = m_columns[col];
            const bool showsImage =
                column.ColumnType() == multicol::ctImage && m_images && item.ImageIndex() >= 0;
            const QString text = item.columnText(col);
            int textHeight = 0;
            if (!text.isEmpty()) {
                canvas.Font().Assign(column.Font());
                TRect r{0, 0, ColWidths(col), 0};
                canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
                textHeight = r.Bottom - r.Top;
            }
            height = std::max(height, multicol::autoCellHeight(showsImage, showsImage ? m_images->Height() : 0,
                                                               !text.isEmpty(), textHeight));
        }
        setRowHeights(i + 1, height);
    }
}

int TExColGrid::GetGridWidth() const
{
    std::vector<int> widths;
    for (int i = 0; i < ColCount(); ++i)
        widths.push_back(ColWidths(i));
    const bool allVisible = VisibleRowCount() + FixedRows() >= RowCount();
    return multicol::gridWidth(0, widths, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this),
                               allVisible);
}

void TExColGrid::DoSelect()
{
    // A handler may free the drop-down and the popup with this grid: the
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

bool TExColGrid::GridKeyDownMessage(std::uint16_t Key, TShiftState Shift)
{
    // Enter chooses the row before the string grid's own Enter (which only
    // tells about it on a cell it cannot edit); while a cell is edited it
    // is the edit's.
    if (Key == VK_RETURN && !EditorMode()) {
        m_confirmSelection = true;
        DoSelect();
        return false;
    }
    return TExStringGrid::GridKeyDownMessage(Key, Shift);
}

void TExColGrid::GridKeyDown(std::uint16_t &Key, TShiftState Shift)
{
    m_confirmSelection = true;
    if ((Key == VK_UP || Key == VK_DOWN) && Shift.testFlag(ssAlt)) {
        // The drop-down closes on it; the popup's own routing got there
        // first when it is open.
        if (m_dropDown && m_dropDown->DroppedDown())
            platform::guarded([this] { m_dropDown->HideDropDown(false); });
        Key = 0;
        return;
    }
    const bool enter = Key == VK_RETURN;
    if (enter)
        Key = 0;
    TExStringGrid::GridKeyDown(Key, Shift);
    if (enter)
        DoSelect();
}

void TExColGrid::GridMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    m_confirmSelection = true;
    m_oldRow = Row();
    TExStringGrid::GridMouseDown(Button, Shift, X, Y);
}

void TExColGrid::GridMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    QPointer<TExColGrid> alive(this);
    TExStringGrid::GridMouseUp(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < FixedRows() || cell.Y >= RowCount() || HasCheckBox(cell.X, cell.Y))
        return;
    DoSelect();
}

bool TExColGrid::GridWheelDown(TShiftState Shift, QPoint MousePos)
{
    m_mouseWheelSelection = true;
    m_confirmSelection = false;
    const bool handled = TExStringGrid::GridWheelDown(Shift, MousePos);
    m_mouseWheelSelection = false;
    return handled;
}

bool TExColGrid::GridWheelUp(TShiftState Shift, QPoint MousePos)
{
    m_mouseWheelSelection = true;
    m_confirmSelection = false;
    const bool handled = TExStringGrid::GridWheelUp(Shift, MousePos);
    m_mouseWheelSelection = false;
    return handled;
}

bool TExColGrid::event(QEvent *event)
{
    // Tab neither leaves the popup nor walks the cells.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            event->accept();
            return true;
        }
    }
    // A handler reached from here may free the drop-down: its popup, and
    // this grid with it, go once the event is done.
    QPointer<TDropDownForm> form = qobject_cast<TDropDownForm *>(parentWidget());
    if (form)
        form->enterHandler();
    const bool result = TExStringGrid::event(event);
    if (form)
        form->leaveHandler();
    return result;
}

} // namespace controls::griddd
