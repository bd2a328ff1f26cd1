#pragma once
// The look and merge state of one cell, kept in the cell's object slot of the
// base grid and created on first use. A plain record: the string grid reads
// and writes its fields directly; the four setters that change what the cell
// shows repaint it.
//
// Merge state: a cell outside any merged area has IsBaseCell set and both
// spans -1. The base (top left) cell of an area of w columns and h rows has
// IsBaseCell set and spans w - 1 and h - 1; every other cell of the area has
// IsBaseCell clear and spans that give its distance from the base.
#include "controls/grid/base/GridObject.h"
#include "controls/grid/base/GridTypes.h"
#include "controls/grid/base/widget/CellGrid.h"
#include "platform/Color.h"
#include "platform/ui/Fonts.h"
#include "platform/draw/GraphicsObjects.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace controls {

class TBaseGrid;

class TCellProperties : public TGridObject {
public:
    TCellProperties(TBaseGrid *owner, int col, int row);
    ~TCellProperties() override;
    TCellProperties(const TCellProperties &) = delete;
    TCellProperties &operator=(const TCellProperties &) = delete;

    // Copies the merge state, the owner cell, the user object, the look and
    // the control, straight into the fields; not the graphic object, the
    // gradient end colour, the calculation, the gradient direction.
    void Assign(const TCellProperties &source);
    // The base cell of (col, row) when these are its properties.
    TGridCoord GetBaseCell(int col, int row) const;
    bool merged() const { return FCellSpanX != -1 || FCellSpanY != -1; }

    TBaseGrid *OwnerGrid() const { return FOwnerGrid; }

    // Setters that repaint the owner cell.
    void setBrushColor(platform::TColor color);
    void setBrushColorTo(platform::TColor color);
    void setVAlignment(TVAlignment alignment);
    void setWordWrap(bool wordWrap);

    // The cell's graphic, owned by the cell: freed with it or when replaced.
    TGridObject *GraphicObject() const { return m_graphic.get(); }
    void setGraphicObject(std::unique_ptr<TGridObject> graphic) { m_graphic = std::move(graphic); }
    std::unique_ptr<TGridObject> takeGraphicObject() { return std::move(m_graphic); }

    // The cell the object lies in; a move of rows or columns keeps it true.
    void placedAt(int col, int row) override
    {
        FOwnerCol = col;
        FOwnerRow = row;
    }

    int FOwnerCol;
    int FOwnerRow;
    std::intptr_t FObject = 0; // the user object; not owned
    platform::TBrushStyle FBrushStyle = platform::TBrushStyle::bsSolid;
    platform::TColor FBrushColor = platform::clNone;
    platform::TColor FBrushColorTo = platform::clNone;
    int FFontSize = 0; // points
    platform::TColor FFontColor = platform::clNone;
    platform::FontStyle FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    platform::TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0; // the paint pass that last painted the area through another cell
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TGridObject *FCalcObject = nullptr; // not owned
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    QString FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    QPointer<QWidget> FControl; // shown over the cell; not owned, cleared when it goes

private:
    void repaintOwner();

    TBaseGrid *FOwnerGrid;
    std::unique_ptr<TGridObject> m_graphic;
};

} // namespace controls
