#pragma once
// Which control sits in which cell: the grid's cell controls. The list
// owns its items, never the controls; a control destroyed while listed
// reads as none.
#include <QObject>
#include <QPointer>

#include <vector>

namespace controls {

struct TControlItem {
    int X = 0; // column
    int Y = 0; // row
    QPointer<QObject> Control;
};

class TControlList {
public:
    void AddControl(int X, int Y, QObject *control);
    // The first item of the cell; -1 when it has none.
    int ControlIndex(int X, int Y) const;
    // The i-th item; none outside the list.
    const TControlItem *Control(int index) const;
    void RemoveControl(int index);
    // Whether a listed control is the window given (a widget, not any object).
    bool HasHandle(const QObject *window) const;
    int Count() const { return int(m_items.size()); }
    void Clear() { m_items.clear(); }

private:
    std::vector<TControlItem> m_items;
};

} // namespace controls
