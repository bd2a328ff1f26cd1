#include "controls/grid/model/DragDropSettings.h"

#include "controls/grid/base/GridDragDrop.h"

namespace controls {

void TDragDropSettings::setOleDropRTF(bool value)
{
    m_dropRTF = value;
    AllowRTFDragDrop(value);
}

void TDragDropSettings::setOleDropTarget(bool value)
{
    m_dropTarget = value;
    if (OnDropTargetChange)
        OnDropTargetChange(value);
}

void TDragDropSettings::Assign(const TDragDropSettings &source)
{
    OleAcceptText = source.OleAcceptText;
    OleEntireRows = source.OleEntireRows;
    OleDropSource = source.OleDropSource;
    OleRemoveRows = source.OleRemoveRows;
    OleAcceptFiles = source.OleAcceptFiles;
    OleAcceptURLs = source.OleAcceptURLs;
    OleInsertRows = source.OleInsertRows;
    OleAppendRows = source.OleAppendRows;
    OleCopyAlways = source.OleCopyAlways;
    OleColumnDragDrop = source.OleColumnDragDrop;
    OleColumnReorder = source.OleColumnReorder;
    OleColumnsOnly = source.OleColumnsOnly;
    ShowCells = source.ShowCells;
    m_dropRTF = source.m_dropRTF;
    m_dropTarget = source.m_dropTarget;
}

} // namespace controls
