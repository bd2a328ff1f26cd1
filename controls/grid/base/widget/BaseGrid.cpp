#include "controls/grid/base/widget/BaseGrid.h"

#include "controls/grid/base/CellText.h"
#include "controls/grid/base/widget/ExGridUndoRedo.h"

#include <algorithm>

namespace controls {

using platform::TColor;
using platform::TRect;

TBaseGrid::TBaseGrid(QWidget *parent) : TCellGrid(parent)
{
    // The cell painter draws every cell and its lines itself.
    TCellGrid::setDefaultDrawing(false);
    setLineWidth(0);
}

TBaseGrid::~TBaseGrid()
{
    m_destroying = true;
    setUndoRedo(nullptr);
    FreeAllCellProperties();
}

// --- properties -----------------------------------------------------------------------

void TBaseGrid::storeInvalidating(TColor &field, TColor value)
{
    if (field == value)
        return;
    field = value;
    InvalidateGrid();
}

void TBaseGrid::setActiveRowShow(bool value)
{
    if (value == FActiveRowShow)
        return;
    FActiveRowShow = value;
    InvalidateGrid();
}

void TBaseGrid::setActiveRowColor(TColor color) { storeInvalidating(m_activeRowColor, color); }
void TBaseGrid::setActiveRowColorTo(TColor color) { storeInvalidating(m_activeRowColorTo, color); }
void TBaseGrid::setActiveRowMirrorColor(TColor color) { storeInvalidating(m_activeRowMirrorColor, color); }
void TBaseGrid::setActiveRowMirrorColorTo(TColor color) { storeInvalidating(m_activeRowMirrorColorTo, color); }

void TBaseGrid::setSelectionStyle(TGridSelectionStyle style)
{
    if (style == m_selectionStyle)
        return;
    m_selectionStyle = style;
    InvalidateGrid();
}

void TBaseGrid::setDefaultDrawing(bool value)
{
    TCellGrid::setDefaultDrawing(false);
    m_defaultDrawing = value;
}

void TBaseGrid::setGridLineWidth(int width)
{
    // Held as the cell grid holds its sizes, so that painting cannot overflow.
    m_gridLineWidth = std::clamp(width, 0, TAxisSizes::MaxSize);
    setLineWidth(0);
    InvalidateGrid();
}

void TBaseGrid::setGridLineColor(TColor color)
{
    m_gridLineColor = color;
    InvalidateGrid();
}

void TBaseGrid::setGridFixedLineColor(TColor color)
{
    m_gridFixedLineColor = color;
    InvalidateGrid();
}

void TBaseGrid::setUndoRedo(TExGridUndoRedo *undoRedo)
{
    if (undoRedo == m_undoRedo)
        return;
    TExGridUndoRedo *previous = m_undoRedo;
    m_undoRedo = undoRedo;
    // A component plays back into one grid; the one it leaves forgets it.
    if (previous != nullptr && previous->Grid() == this)
        previous->setGrid(nullptr);
    if (undoRedo != nullptr)
        undoRedo->setGrid(this);
}

// --- cell access ---------------------------------------------------------------------------

bool TBaseGrid::inside(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < TotalColCount() && ARow >= 0 && ARow < RowCount();
}

bool TBaseGrid::CellHasProperties(int ACol, int ARow) const
{
    return inside(ACol, ARow) && props(ACol, ARow) != nullptr;
}

TCellProperties *TBaseGrid::GetGridObject(int ACol, int ARow) const
{
    // Only this class puts anything into the slots, and only properties.
    return static_cast<TCellProperties *>(gridObjectSlot(ACol, ARow));
}

std::unique_ptr<TCellProperties> TBaseGrid::TakeGridObject(int ACol, int ARow)
{
    return std::unique_ptr<TCellProperties>(static_cast<TCellProperties *>(takeGridObjectSlot(ACol, ARow).release()));
}

std::unique_ptr<TCellProperties> TBaseGrid::PutGridObject(int ACol, int ARow, std::unique_ptr<TCellProperties> value)
{
    if (!inside(ACol, ARow))
        return value;
    if (value)
        FHasCellProps = true;
    return std::unique_ptr<TCellProperties>(
        static_cast<TCellProperties *>(putGridObjectSlot(ACol, ARow, std::move(value)).release()));
}

QString TBaseGrid::GetCellEx(int ACol, int ARow) const
{
    if (!inside(ACol, ARow))
        return {};
    const TGridCoord base = CellHasProperties(ACol, ARow) ? BaseCell(ACol, ARow) : TGridCoord{ACol, ARow};
    QString text = GetGridCell(base.X, base.Y);
    if (base.Y < FNormalRowCount) {
        DoGetDisplText(base.X, base.Y, text);
        if (OnGetDisplWideText) {
            QString wide = DecodeWideCellText(text);
            DoGetDisplWideText(base.X, base.Y, wide);
            text = EncodeWideCellText(wide);
        }
    }
    return text;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const QString &Value)
{
    if (!inside(ACol, ARow))
        return;
    if (CellHasProperties(ACol, ARow)) {
        const TGridCoord base = BaseCell(ACol, ARow);
        SetGridCell(base.X, base.Y, Value);
        CellTextChanged(base.X, base.Y);
        if (parentWidget() != nullptr)
            RepaintCell(ACol, ARow);
    } else {
        SetGridCell(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1)
        AfterLastRowChange();
}

void TBaseGrid::DoGetDisplText(int ACol, int ARow, QString &Value) const
{
    if (OnGetDisplText)
        OnGetDisplText(const_cast<TBaseGrid *>(this), ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplWideText(int ACol, int ARow, QString &Value) const
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(const_cast<TBaseGrid *>(this), ACol, ARow, Value);
}

TCellProperties &TBaseGrid::GetCellProperties(int ACol, int ARow)
{
    if (!inside(ACol, ARow)) {
        m_scratch = std::make_unique<TCellProperties>(nullptr, ACol, ARow);
        return *m_scratch;
    }
    if (TCellProperties *existing = props(ACol, ARow))
        return *existing;
    // Stored first, so that the look hook finds the cell's record.
    TCellProperties *created = new TCellProperties(this, ACol, ARow);
    PutGridObject(ACol, ARow, std::unique_ptr<TCellProperties>(created));
    platform::TFont font;
    platform::TBrush brush;
    CellLook look;
    look.ww = FWordWrap;
    GetCellVisuals(ACol, ARow, font, brush, look.colorTo, look.mirror, look.mirrorTo, look.ha, look.va, look.ww,
                   look.gd);
    TCellProperties *cell = props(ACol, ARow);
    if (cell == nullptr) // the hook took the record away again
        return GetCellProperties(ACol, ARow);
    cell->FCalcType = acNONE;
    cell->FAlignment = look.ha;
    cell->FVAlignment = look.va;
    cell->FWordWrap = look.ww;
    cell->FFontName = font.Name();
    cell->FFontSize = font.Size();
    cell->FFontStyle = font.Style();
    cell->FFontColor = font.Color();
    cell->FBrushColor = brush.Color();
    cell->FBrushColorTo = look.colorTo;
    cell->FGradientDirection = look.gd;
    return *cell;
}

void TBaseGrid::GetCellVisuals(int ACol, int ARow, platform::TFont &AFont, platform::TBrush &ABrush, TColor &AColorTo,
                               TColor &AMirrorColor, TColor &AMirrorColorTo, TAlignment &HA, TVAlignment &VA,
                               bool &WW, TCellGradientDirection &GD)
{
    AFont.Assign(Font());
    ABrush.setColor(Color());
    AColorTo = platform::clNone;
    AMirrorColor = platform::clNone;
    AMirrorColorTo = platform::clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> value)
{
    PutGridObject(ACol, ARow, std::move(value)); // what the slot held is freed here
}

std::intptr_t TBaseGrid::GetObjectEx(int ACol, int ARow) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    return p ? p->FObject : 0;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, std::intptr_t value)
{
    if (!inside(ACol, ARow))
        return;
    const bool empty = GetCellEx(ACol, ARow).isEmpty();
    if (empty)
        SetCellEx(ACol, ARow, QStringLiteral(" "));
    GetCellProperties(ACol, ARow).FObject = value;
    if (empty)
        SetCellEx(ACol, ARow, QString());
}

TGridObject *TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    return p ? p->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, std::unique_ptr<TGridObject> value)
{
    if (m_destroying || !inside(ACol, ARow))
        return;
    const bool empty = GetCellEx(ACol, ARow).isEmpty();
    if (empty)
        SetCellEx(ACol, ARow, QStringLiteral(" "));
    GetCellProperties(ACol, ARow).setGraphicObject(std::move(value));
    if (empty)
        SetCellEx(ACol, ARow, QString());
}

std::unique_ptr<TGridObject> TBaseGrid::TakeGraphicObjectEx(int ACol, int ARow)
{
    TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    return p ? p->takeGraphicObject() : nullptr;
}

// --- merged cells -----------------------------------------------------------------------------

TGridCoord TBaseGrid::BaseCell(int ACol, int ARow) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    if (p == nullptr)
        return {ACol, ARow};
    const TGridCoord base = p->GetBaseCell(ACol, ARow);
    // A base that no longer lies in the grid (rows or columns gone) is none.
    return inside(base.X, base.Y) ? base : TGridCoord{ACol, ARow};
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    return p == nullptr || p->FIsBaseCell;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    return p != nullptr && (p->FCellSpanX > 0 || p->FCellSpanY > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !props(ACol, ARow)->FIsBaseCell;
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const
{
    return CellHasProperties(ACol, ARow) && CellSpan(ACol, ARow).X > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const
{
    return CellHasProperties(ACol, ARow) && CellSpan(ACol, ARow).Y > 0;
}

TGridCoord TBaseGrid::CellSpan(int ACol, int ARow) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    if (p == nullptr || p->FCellSpanX == -1 || p->FCellSpanY == -1)
        return {0, 0};
    const TGridCoord base = BaseCell(ACol, ARow);
    const TCellProperties *b = props(base.X, base.Y);
    if (b == nullptr || !b->FIsBaseCell)
        return {0, 0};
    // An area never reaches past the grid's last column and row.
    return {std::clamp(b->FCellSpanX, 0, std::max(0, TotalColCount() - 1 - base.X)),
            std::clamp(b->FCellSpanY, 0, std::max(0, RowCount() - 1 - base.Y))};
}

TGridCoord TBaseGrid::CellExt(int ACol, int ARow) const
{
    const TGridCoord span = CellSpan(ACol, ARow);
    if (span == TGridCoord{0, 0})
        return {0, 0};
    const TGridCoord base = BaseCell(ACol, ARow);
    return {std::max(0, base.X + span.X - ACol), std::max(0, base.Y + span.Y - ARow)};
}

TGridRect TBaseGrid::FullCell(int ACol, int ARow) const
{
    const TGridCoord base = BaseCell(ACol, ARow);
    const TGridCoord span = CellSpan(ACol, ARow);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int smallest = RowCount();
    for (int col = 0; col < TotalColCount(); ++col) {
        const int span = CellSpan(col, ARow).Y;
        if (span > 0)
            smallest = std::min(smallest, span);
    }
    return smallest;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int largest = 0;
    for (int col = 0; col < TotalColCount(); ++col)
        largest = std::max(largest, CellSpan(col, ARow).Y);
    return largest;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool found = false;
    for (int col = 0; col < TotalColCount(); ++col) {
        if (CellSpan(col, ARow1).Y > 0 && CellSpan(col, ARow2).Y > 0) {
            found = true;
            if (BaseCell(col, ARow1).Y != BaseCell(col, ARow2).Y)
                return false;
        }
    }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool found = false;
    for (int row = 0; row < RowCount(); ++row) {
        const int span1 = CellSpan(ACol1, row).X;
        const int span2 = CellSpan(ACol2, row).X;
        if (span1 > 0 && span2 > 0) {
            found = true;
            if (BaseCell(ACol1, row).X != BaseCell(ACol2, row).X)
                return false;
        } else if (span1 != span2) {
            return false;
        }
    }
    return found;
}

const TCellProperties *TBaseGrid::areaBase(int ACol, int ARow, TGridCoord &base) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    if (p == nullptr || !p->merged())
        return nullptr;
    base = BaseCell(ACol, ARow);
    const TCellProperties *b = props(base.X, base.Y);
    return b != nullptr && b->merged() ? b : nullptr;
}

void TBaseGrid::splitArea(TGridCoord base, bool repaint)
{
    TCellProperties *b = props(base.X, base.Y);
    if (b == nullptr || !b->merged())
        return;
    const int lastCol = b->FIsBaseCell ? std::min(TotalColCount() - 1, base.X + std::max(0, b->FCellSpanX)) : base.X;
    const int lastRow = b->FIsBaseCell ? std::min(RowCount() - 1, base.Y + std::max(0, b->FCellSpanY)) : base.Y;
    for (int col = base.X; col <= lastCol; ++col) {
        for (int row = base.Y; row <= lastRow; ++row) {
            TCellProperties *p = props(col, row);
            // Only the cells that still belong to this area.
            if (p == nullptr || !(p == b || (!p->FIsBaseCell && p->merged() && p->GetBaseCell(col, row) == base)))
                continue;
            p->FIsBaseCell = true;
            p->FCellSpanX = -1;
            p->FCellSpanY = -1;
        }
    }
    m_mergeCount = std::max(0, m_mergeCount - 1);
    if (repaint)
        repaintArea({base.X, base.Y, lastCol, lastRow});
}

void TBaseGrid::repaintArea(const TGridRect &area)
{
    for (int col = area.Left; col <= area.Right; ++col) {
        for (int row = area.Top; row <= area.Bottom; ++row)
            RepaintCell(col, row);
    }
}

void TBaseGrid::MergeCells(int ACol, int ARow, int spanX, int spanY)
{
    if (!inside(ACol, ARow) || spanX < 1 || spanY < 1)
        return;
    // Counted from the start, so that no span can overflow.
    const int lastCol = ACol + std::min(spanX - 1, TotalColCount() - 1 - ACol);
    const int lastRow = ARow + std::min(spanY - 1, RowCount() - 1 - ARow);
    // An area never overlaps another: what it covers is split first.
    for (int col = ACol; col <= lastCol; ++col) {
        for (int row = ARow; row <= lastRow; ++row) {
            TGridCoord base;
            if (areaBase(col, row, base) != nullptr)
                splitArea(base, true);
        }
    }
    ++m_mergeCount;
    for (int col = ACol; col <= lastCol; ++col) {
        for (int row = ARow; row <= lastRow; ++row) {
            TCellProperties &p = GetCellProperties(col, row);
            const bool isBase = col == ACol && row == ARow;
            p.FIsBaseCell = isBase;
            p.FCellSpanX = isBase ? lastCol - ACol : col - ACol;
            p.FCellSpanY = isBase ? lastRow - ARow : row - ARow;
        }
    }
    repaintArea({ACol, ARow, lastCol, lastRow});
}

void TBaseGrid::SplitCells(int ACol, int ARow)
{
    if (!inside(ACol, ARow))
        return;
    GetCellProperties(ACol, ARow);
    TGridCoord base;
    if (areaBase(ACol, ARow, base) != nullptr)
        splitArea(base, true);
}

// --- geometry -----------------------------------------------------------------------------------

TRect TBaseGrid::VirtualCellRect(int ACol, int ARow) const
{
    return platform::Bounds(colLeft(ACol), rowTop(ARow), colSizes().size(ACol), rowSizes().size(ARow));
}

TRect TBaseGrid::CellRect(int ACol, int ARow) const
{
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    if (p != nullptr && p->merged()) {
        const TGridCoord base = BaseCell(ACol, ARow);
        const TGridCoord span = CellSpan(ACol, ARow);
        TRect a = VirtualCellRect(base.X, base.Y);
        if (a.Width() == 0)
            a.Right = a.Left + 1;
        TRect b = VirtualCellRect(base.X + span.X, base.Y + span.Y);
        if (b.Width() == 0)
            b.Left -= 1;
        return platform::Rect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                              std::max(a.Bottom, b.Bottom));
    }
    if (p != nullptr && p->FControl != nullptr)
        return VirtualCellRect(ACol, ARow);
    const TRect r = TCellGrid::CellRect(ACol, ARow);
    return platform::Bounds(r.Left, r.Top, colSizes().size(ACol), rowSizes().size(ARow));
}

platform::TPoint TBaseGrid::CellSize(int ACol, int ARow) const
{
    TRect r = VirtualCellRect(ACol, ARow);
    const TCellProperties *p = inside(ACol, ARow) ? props(ACol, ARow) : nullptr;
    if (p != nullptr && p->merged()) {
        const TGridCoord base = BaseCell(ACol, ARow);
        const TGridCoord span = CellSpan(ACol, ARow);
        const TRect a = VirtualCellRect(base.X, base.Y);
        const TRect b = VirtualCellRect(base.X + span.X, base.Y + span.Y);
        r = platform::Rect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                           std::max(a.Bottom, b.Bottom));
    }
    return {r.Width(), r.Height()};
}

int TBaseGrid::FixedColsWidth() const { return static_cast<int>(colSizes().offset(FixedCols())); }

int TBaseGrid::FixedRowsHeight() const { return static_cast<int>(rowSizes().offset(FixedRows())); }

void TBaseGrid::RepaintCell(int ACol, int ARow)
{
    if (!isVisible() || !inside(ACol, ARow))
        return;
    // An unmerged cell out of view has nothing on screen.
    const TCellProperties *p = props(ACol, ARow);
    if ((p == nullptr || !p->merged()) && platform::IsRectEmpty(TCellGrid::CellRect(ACol, ARow)))
        return;
    invalidateRect(CellRect(ACol, ARow));
}

void TBaseGrid::SnapToBaseCell()
{
    if (!CellHasProperties(Col(), Row()))
        return;
    const TGridCoord base = BaseCell(Col(), Row());
    // A range being selected keeps its anchor.
    const bool single = Anchor() == TGridCoord{Col(), Row()};
    if (base.X != Col())
        MoveColRow(base.X, Row(), single, true);
    if (base.Y != Row())
        MoveColRow(Col(), base.Y, single, true);
}

// --- clearing -------------------------------------------------------------------------------------

void TBaseGrid::ResetColumn(int ACol)
{
    if (ACol < 0 || ACol >= TotalColCount())
        return;
    for (int row = 0; row < RowCount(); ++row) {
        TakeGridObject(ACol, row);
        SetCellEx(ACol, row, QString());
    }
}

void TBaseGrid::ResetRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    for (int col = 0; col < TotalColCount(); ++col) {
        TakeGridObject(col, ARow);
        SetCellEx(col, ARow, QString());
    }
}

void TBaseGrid::ResetCell(int ACol, int ARow)
{
    SetCellEx(ACol, ARow, QString());
    TakeGridObject(ACol, ARow);
}

void TBaseGrid::FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!FHasCellProps)
        return;
    FromCol = std::max(FromCol, 0);
    FromRow = std::max(FromRow, 0);
    ToCol = std::min(ToCol, StoreColCount() - 1);
    ToRow = std::min(ToRow, RowCount() - 1);
    for (int col = FromCol; col <= ToCol; ++col) {
        for (int row = FromRow; row <= ToRow; ++row)
            TakeGridObject(col, row); // freed with its graphic
    }
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow) { TakeGridObject(ACol, ARow); }

void TBaseGrid::FreeAllCellProperties() { FreeCellPropertiesRange(0, 0, TotalColCount() - 1, RowCount() - 1); }

} // namespace controls
