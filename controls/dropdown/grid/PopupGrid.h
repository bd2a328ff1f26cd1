#pragma once
// The grid drop-down's popup: a string grid with one fixed header row and
// no fixed column that takes the drop-down's columns and looks at each
// opening, loads its items into its cells (column 0's object names the
// item, so a sort keeps the link), sizes columns and rows to their content
// and reports a chosen row.
#include "controls/dropdown/grid/GridDropDownTypes.h"
#include "controls/grid/model/ExGrid.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/ImageList.h"

#include <QPointer>

namespace controls::griddd {

class TCustomExGridDropDown;

class TExColGrid : public TExStringGrid {
    Q_OBJECT
public:
    explicit TExColGrid(QWidget *parent = nullptr);
    ~TExColGrid() override;

    TCustomExGridDropDown *ExDropDown() const { return m_dropDown; }
    void setExDropDown(TCustomExGridDropDown *dropDown) { m_dropDown = dropDown; }

    // Columns and looks from the drop-down, at each opening.
    void SyncWithDropDown(TCustomExGridDropDown *dropDown);
    // The header row from the columns, then one row per item.
    void LoadItems();
    // Every row shown again, the narrow-down's entry forgotten.
    void ShowAllRows();
    // Only the rows whose cell in the column contains the entry (letter
    // case ignored), whatever it contains.
    void NarrowDownTo(const QString &entry, int column);
    const TDropDownColumns &Columns() const { return m_columns; }

    // Each column with AutoSize, measured over the items.
    void AutoSizeItemColumns();
    // Rows of items with a word-wrapped column grow to their text.
    void AutoSizeRows();
    // The pixels the columns need, and the scroll bar when not every row
    // shows.
    int GetGridWidth() const;

    int GridLineWidth() const { return m_gridLineWidth; }
    void setGridLineWidth(int width);
    platform::TColor HeaderColor() const { return m_headerColor; }
    platform::TColor HeaderColorTo() const { return m_headerColorTo; }
    platform::TColor LineColor() const { return m_lineColor; }
    platform::TColor FixedLineColor() const { return m_fixedLineColor; }
    int HeaderHeight() const { return m_headerHeight; }
    platform::TImageList *Images() const { return m_images; }
    void setImages(platform::TImageList *images);
    // The current row was reached by a key or a press, not by the wheel.
    bool ConfirmSelection() const { return m_confirmSelection; }
    void setConfirmSelection(bool confirmed) { m_confirmSelection = confirmed; }
    bool MouseWheelSelection() const { return m_mouseWheelSelection; }
    int OldRow() const { return m_oldRow; }

    // A row was chosen: Enter, or a left click on a data row.
    platform::TNotifyEvent OnSelect;
    virtual void DoSelect();

protected:
    bool GridKeyDownMessage(std::uint16_t Key, platform::TShiftState Shift) override;
    void GridKeyDown(std::uint16_t &Key, platform::TShiftState Shift) override;
    void GridMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void GridMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    bool GridWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool GridWheelUp(platform::TShiftState Shift, QPoint MousePos) override;
    bool event(QEvent *event) override;

private:
    QPointer<TCustomExGridDropDown> m_dropDown;
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
    QString m_narrowEntry;
    bool m_mouseWheelSelection = false;
    bool m_confirmSelection = false;
};

} // namespace controls::griddd
