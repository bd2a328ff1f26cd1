#pragma once
// What the tree's mouse handling speaks in: button messages, the drag mode,
// the directions of automatic scrolling, drop effects and dropped data.
#include "controls/vtree/EnumSet.h"
#include "controls/vtree/TreeEvents.h"

#include <QPoint>
#include <Qt>

#include <cstdint>

class QMimeData;

namespace vtree {

enum class TScrollDirection : std::uint8_t { sdLeft, sdUp, sdRight, sdDown };
using TScrollDirections = TEnumSet<TScrollDirection, std::uint8_t>;

// Drop effects, as a source allows them and a target answers them.
inline constexpr int DROPEFFECT_NONE = 0;
inline constexpr int DROPEFFECT_COPY = 1;
inline constexpr int DROPEFFECT_MOVE = 2;
inline constexpr int DROPEFFECT_LINK = 4;
inline constexpr int DROPEFFECT_SCROLL = int(0x80000000u);

// Qt's keys and buttons as the tree's events give them.
TShiftState shiftOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons);

// A button message as the tree's handlers take it: the button, the keys and
// buttons held, the client point.
struct TTreeMouseMessage {
    TMouseButton Button = TMouseButton::mbLeft;
    TShiftState Shift;
    QPoint Pos;
};

enum class TDragMode : std::uint8_t { dmManual, dmAutomatic };

// Dropped data as the data object the drop event hands on; it lives as long
// as the drop it stands for.
class TMimeDataObject : public IDataObject {
public:
    explicit TMimeDataObject(const QMimeData *Data) : Data(Data) {}
    int AddRef() noexcept override { return 1; }
    int Release() noexcept override { return 1; }
    const QMimeData *Data;
};

} // namespace vtree
