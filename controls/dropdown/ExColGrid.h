#pragma once
// The multi-column drop-down's popup list: a cell grid with one fixed
// header row and one row per item, painting every cell itself from the
// drop-down's items and columns (its own cells stay empty), sizing its
// columns and rows to their content and reporting a chosen row.
#include "controls/dropdown/MultiColumnColumns.h"
#include "controls/grid/base/widget/CellGrid.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/ImageList.h"

#include <QPointer>

namespace controls::multicol {

class TExMultiColumnDropDown;

class TExColGrid : public TCellGrid {
    Q_OBJECT
public:
    explicit TExColGrid(QWidget *parent = nullptr);
    ~TExColGrid() override;

    TExMultiColumnDropDown *ExDropDown() const { return m_dropDown; }
    void setExDropDown(TExMultiColumnDropDown *dropDown) { m_dropDown = dropDown; }

    // Columns, rows and looks from the drop-down, at each opening.
    void SyncWithDropDown(TExMultiColumnDropDown *dropDown);
    // The list's copy of the drop-down's columns.
    const TDropDownColumns &Columns() const { return m_columns; }

    void AutoSizeColumns();
    void AutoSizeColumn(int index);
    void AutoSizeRows();

    // The pixels the columns need: the borders, every column and the
    // scroll bar when not every row shows.
    int GetGridWidth() const;
    // The cell's rectangle; at the origin for a cell out of view.
    platform::TRect GetCellBounds(int col, int row) const;

    // The width of the lines this list draws; the cell grid draws none.
    int GridLineWidth() const { return m_gridLineWidth; }
    void setGridLineWidth(int width);
    platform::TColor HeaderColor() const { return m_headerColor; }
    platform::TColor HeaderColorTo() const { return m_headerColorTo; }
    platform::TColor LineColor() const { return m_lineColor; }
    platform::TColor FixedLineColor() const { return m_fixedLineColor; }
    int HeaderHeight() const { return m_headerHeight; }
    platform::TFont &HeaderFont() { return m_headerFont; }
    platform::TImageList *Images() const { return m_images; }
    void setImages(platform::TImageList *images);
    // The current row was reached by a key or a mouse press, not by the
    // wheel.
    bool ConfirmSelection() const { return m_confirmSelection; }
    bool MouseWheelSelection() const { return m_mouseWheelSelection; }
    int OldRow() const { return m_oldRow; }

    // A row was chosen: Enter, or a click on an item's row.
    platform::TNotifyEvent OnSelect;
    virtual void DoSelect();

protected:
    void DrawGridCell(int col, int row, const platform::TRect &rect, TGridDrawState state) override;
    void GridKeyDown(std::uint16_t &key, platform::TShiftState shift) override;
    void GridKeyPress(QChar &key) override;
    void GridMouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
    void GridMouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
    bool GridWheelDown(platform::TShiftState shift, QPoint pos) override;
    bool GridWheelUp(platform::TShiftState shift, QPoint pos) override;
    bool event(QEvent *event) override;

private:
    bool parentIsPopup() const;
    int itemCount() const;

    QPointer<TExMultiColumnDropDown> m_dropDown;
    TDropDownColumns m_columns;
    platform::TColor m_headerColor = platform::clWhite;
    platform::TColor m_headerColorTo = platform::clGray;
    platform::TColor m_lineColor = platform::clGray;
    platform::TColor m_fixedLineColor = platform::clBlack;
    platform::TImageList *m_images = nullptr;
    platform::TChangeLink m_imagesLink;
    int m_headerHeight = 25;
    platform::TFont m_headerFont;
    int m_gridLineWidth = 1;
    int m_oldRow = 0;
    bool m_mouseWheelSelection = false;
    bool m_confirmSelection = false;
};

} // namespace controls::multicol
