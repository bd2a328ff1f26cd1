#pragma once
// Rectangles and points as the painting code computes with them: a rectangle
// is its four edges, and the right and bottom edges lie just outside it, so
// (0, 0, 10, 10) covers ten by ten pixels and an empty or inverted rectangle
// covers none.
#include <QPoint>
#include <QRect>

#include <algorithm>

namespace platform {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint &, const TPoint &) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize &, const TSize &) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect &, const TRect &) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

inline bool IsRectEmpty(const TRect &r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
inline bool PtInRect(const TRect &r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

inline TRect OffsetRect(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
inline TRect InflateRect(TRect r, int dx, int dy) { return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }

// The common part; an empty rectangle when they do not overlap.
inline TRect IntersectRect(const TRect &a, const TRect &b)
{
    const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom)};
    return IsRectEmpty(r) ? TRect{} : r;
}

// The rectangle with its edges in order, whichever corners it was given by.
inline TRect NormalizeRect(const TRect &r)
{
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
            std::max(r.Top, r.Bottom)};
}

// Qt's rectangle of the same pixels (null for an empty one).
inline QRect toQRect(const TRect &r) { return IsRectEmpty(r) ? QRect() : QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect fromQRect(const QRect &r) { return r.isEmpty() ? TRect{} : Bounds(r.x(), r.y(), r.width(), r.height()); }
inline QPoint toQPoint(TPoint p) { return {p.X, p.Y}; }

} // namespace platform
