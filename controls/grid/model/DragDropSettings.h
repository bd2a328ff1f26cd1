#pragma once
// What the grid's OLE drag and drop may do. Only OleDropTarget and
// OleDropRTF act when written: the first registers the grid's window as a
// drop target, the second lets rich text travel for every grid.
#include <functional>

namespace controls {

class TDragDropSettings {
public:
    bool OleAcceptText = true;
    bool OleEntireRows = false;
    bool OleDropSource = false;
    bool OleRemoveRows = false;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    bool OleInsertRows = false;
    bool OleAppendRows = false;
    bool OleCopyAlways = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool ShowCells = true;

    bool OleDropRTF() const { return m_dropRTF; }
    void setOleDropRTF(bool value);
    bool OleDropTarget() const { return m_dropTarget; }
    void setOleDropTarget(bool value);

    // Copies the settings; registers nothing.
    void Assign(const TDragDropSettings &source);

    // Set by the grid: registers or revokes its drop target.
    std::function<void(bool)> OnDropTargetChange;

private:
    bool m_dropRTF = false;
    bool m_dropTarget = false;
};

} // namespace controls
