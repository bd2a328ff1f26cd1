#include "controls/grid/base/widget/CellProperties.h"

#include "controls/grid/base/widget/BaseGrid.h"

namespace controls {

TCellProperties::TCellProperties(TBaseGrid *owner, int col, int row)
    : FOwnerCol(col), FOwnerRow(row), FWordWrap(owner ? owner->WordWrap() : true), FOwnerGrid(owner)
{
}

TCellProperties::~TCellProperties() = default;

void TCellProperties::Assign(const TCellProperties &source)
{
    FIsBaseCell = source.FIsBaseCell;
    FCellSpanX = source.FCellSpanX;
    FCellSpanY = source.FCellSpanY;
    FOwnerRow = source.FOwnerRow;
    FOwnerCol = source.FOwnerCol;
    FObject = source.FObject;
    FAlignment = source.FAlignment;
    FBorderColor = source.FBorderColor;
    FBorderWidth = source.FBorderWidth;
    FBrushColor = source.FBrushColor;
    FBrushStyle = source.FBrushStyle;
    FFontColor = source.FFontColor;
    FFontStyle = source.FFontStyle;
    FFontName = source.FFontName;
    FFontSize = source.FFontSize;
    FReadOnly = source.FReadOnly;
    FEditor = source.FEditor;
    FVAlignment = source.FVAlignment;
    FWordWrap = source.FWordWrap;
    FNodeLevel = source.FNodeLevel;
    FControl = source.FControl;
}

TGridCoord TCellProperties::GetBaseCell(int col, int row) const
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
        return {col - FCellSpanX, row - FCellSpanY};
    return {col, row};
}

void TCellProperties::repaintOwner()
{
    if (FOwnerGrid != nullptr)
        FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::setBrushColor(platform::TColor color)
{
    FBrushColor = color;
    repaintOwner();
}

void TCellProperties::setBrushColorTo(platform::TColor color)
{
    FBrushColorTo = color;
    repaintOwner();
}

void TCellProperties::setVAlignment(TVAlignment alignment)
{
    FVAlignment = alignment;
    repaintOwner();
}

void TCellProperties::setWordWrap(bool wordWrap)
{
    FWordWrap = wordWrap;
    repaintOwner();
}

} // namespace controls
