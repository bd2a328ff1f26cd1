#pragma once
// How the tests compare and print cells and cell rectangles.
#include "controls/grid/base/TextSearch.h"
#include "controls/grid/base/widget/CellGrid.h"
#include "platform/draw/Geometry.h"

#include <ostream>

namespace controls {
inline std::ostream &operator<<(std::ostream &out, const TGridCoord &c) { return out << "(" << c.X << ", " << c.Y << ")"; }
inline bool operator==(const TGridRect &a, const TGridRect &b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
inline std::ostream &operator<<(std::ostream &out, const TGridRect &r)
{
    return out << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
} // namespace controls

namespace platform {
inline std::ostream &operator<<(std::ostream &out, const TRect &r)
{
    return out << "[" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline std::ostream &operator<<(std::ostream &out, const TPoint &p) { return out << "(" << p.X << ", " << p.Y << ")"; }
} // namespace platform
