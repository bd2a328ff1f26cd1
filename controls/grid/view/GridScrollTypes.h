#pragma once
// The types of the string grid's scrolling settings: the scroll bar look,
// the scroll hints, drag scrolling near the edges and wheel-button panning.
#include <QFlags>

#include <cstdint>

namespace controls {

// ssFlat and ssEncarta are looks of a platform's flat bars, which this one
// lacks: they show as ssNormal. ssMetro is our own thin bars.
enum TScrollType : std::uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollHintType : std::uint8_t { shNone, shVertical, shHorizontal, shBoth };
enum TIntelliPan : std::uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };

enum TDragScrollDirections : unsigned { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
Q_DECLARE_FLAGS(TDragScrollDirection, TDragScrollDirections)

enum TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

struct TDragScrollDelays {
    int InitialDelay = 1000; // ms from entering an edge band to the first step
    int RepeatDelay = 250;   // ms between the following steps
};

struct TDragScrollMargins {
    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

struct TDragScrollOptions {
    bool Active = false;
    TDragScrollDelays Delays;
    TDragScrollMargins Margins;
    void Assign(const TDragScrollOptions &source) { *this = source; }
};

} // namespace controls

Q_DECLARE_OPERATORS_FOR_FLAGS(controls::TDragScrollDirection)
