#include "controls/vtree/widget/ToggleGeometry.h"

#include "platform/draw/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace vtree {

namespace {

using enum TToggleDirection;

QRect edges(int Left, int Top, int Right, int Bottom) { return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)); }

void setArea1(ToggleScrollData &Data, QRect R, TToggleDirection Direction, int Amount)
{
    Data.ScrollRect1 = R;
    Data.Direction1 = Direction;
    Data.Amount1 = Amount;
}

void setArea2(ToggleScrollData &Data, QRect R, TToggleDirection Direction, int Amount)
{
    Data.ScrollRect2 = R;
    Data.Direction2 = Direction;
    Data.Amount2 = Amount;
}

// Moves the rows of A (clipped to the frame) by Dy, as the platform scrolls
// a window's pixels: rows moved out of A are lost, the rows they leave keep
// what they showed.
void scrollRows(QImage &Frame, QRect A, int Dy)
{
    A &= Frame.rect();
    if (A.isEmpty() || Dy == 0 || std::abs(Dy) >= A.height())
        return;
    const std::size_t bytes = std::size_t(A.width()) * 4;
    const int rows = A.height() - std::abs(Dy);
    const auto row = [&Frame, &A](int y) { return Frame.scanLine(y) + std::size_t(A.left()) * 4; };
    if (Dy < 0) {
        for (int i = 0; i < rows; ++i)
            std::memmove(row(A.top() + i), row(A.top() + i - Dy), bytes);
    } else {
        for (int i = rows - 1; i >= 0; --i)
            std::memmove(row(A.top() + i + Dy), row(A.top() + i), bytes);
    }
}

// Scrolls the pixels of A by N rows; on the first step the strip left
// behind (one row more than N) takes the background.
void moveArea(QImage &Frame, const QRect &A, TToggleDirection Direction, int N, bool FillStrip, const ToggleScrollData &Data)
{
    if (Direction == None || N <= 0 || A.isEmpty())
        return;
    scrollRows(Frame, A, Direction == Up ? -N : N);
    if (!FillStrip)
        return;
    const QRect strip = Direction == Up ? edges(A.left(), A.bottom() + 1 - N - 1, A.right() + 1, A.bottom() + 1)
                                        : edges(A.left(), A.top(), A.right() + 1, A.top() + N + 1);
    platform::TCanvas canvas(&Frame);
    const auto fill = [&canvas](const QRect &R, platform::TColor Color) {
        if (!R.isEmpty())
            canvas.FillColor({R.left(), R.top(), R.right() + 1, R.bottom() + 1}, Color);
    };
    fill(strip & Frame.rect(), Data.Background);
    for (const ToggleScrollData::Piece &piece : Data.Pieces)
        fill(strip & Frame.rect() & edges(piece.Left, strip.top(), piece.Right, strip.bottom() + 1), piece.Color);
}

} // namespace

bool planCollapseAnimation(const TToggleGeometry &G, ToggleScrollData &Data)
{
    const int CH = G.ClientHeight;
    const int D = G.HeightChange;
    Data.Direction2 = None;
    if (G.ChildrenAbove) {
        if (G.Top >= CH)
            return false;
        if (G.Advanced && G.TotalHeight - G.NodeHeight + G.OffsetY > 0)
            setArea1(Data, edges(G.Left, std::max(G.Top + D, 0), G.Right, CH), Up, G.OffsetY - D);
        else
            setArea1(Data, edges(G.Left, 0, G.Right, G.Top), Down, std::min(G.TotalHeight - G.NodeHeight, G.Top + 1));
    } else if (G.Advanced && G.OffsetY != 0 && CH < G.RangeY && CH > G.RangeY + G.OffsetY + D) {
        // The content would end above the window's bottom: everything above
        // the node's row comes down.
        setArea1(Data, edges(G.Left, 0, G.Right, std::min(G.Top + G.NodeHeight, CH)), Down,
                 std::min(CH - G.RangeY - G.OffsetY - D, -G.OffsetY));
    } else {
        setArea1(Data, edges(G.Left, G.Top + G.NodeHeight, G.Right, CH), Up,
                 std::min(G.TotalHeight - G.NodeHeight, CH - (G.Top + G.NodeHeight) + 1));
    }
    return Data.ScrollRect1.top() < CH && Data.Amount1 > 0;
}

bool planExpandAnimation(const TToggleGeometry &G, ToggleScrollData &Data)
{
    const int CH = G.ClientHeight;
    const int D = G.HeightChange;
    const int T = G.Top;
    const int NH = G.NodeHeight;
    if (T >= CH)
        return false;
    const bool fits = NH + D <= CH;
    Data.Direction2 = None;
    if (G.ChildrenAbove) {
        const bool A = fits && G.RangeY >= CH;
        const bool Bf = T - D >= 0;
        const bool Cf = CH >= G.Bottom;
        if (!G.Advanced || (A && ((Cf && Bf) || !G.AutoScrollOnExpand))) {
            setArea1(Data, edges(G.Left, 0, G.Right, T), Up, std::min(T, D));
        } else if (!G.AutoScrollOnExpand) {
            const int over = G.RangeY + D - CH;
            setArea1(Data, edges(G.Left, T, G.Right, CH), Down, D - G.OffsetY - std::max(over, 0));
            if (over > 0)
                setArea2(Data, edges(G.Left, 0, G.Right, T), Up, std::min(over, T));
        } else {
            setArea1(Data, edges(G.Left, T, G.Right, CH), Down, 0);
            setArea2(Data, edges(G.Left, 0, G.Right, T), Up, 0);
            if (fits && Cf && CH < G.RangeY + D)
                Data.Amount1 = T > D ? CH - G.RangeY : std::abs(T - D);
            else if (CH >= G.RangeY + D) {
                Data.Amount1 = D;
                Data.Direction2 = None;
            } else
                Data.Amount1 = CH - T - NH;
            if (Data.Direction2 != None) {
                if (Data.Amount1 > 0)
                    Data.Amount2 = std::min(D - Data.Amount1, T);
                else {
                    Data.Direction1 = None;
                    Data.Amount2 = std::min(CH, D);
                }
            }
        }
    } else {
        const bool A = fits;
        const bool Bf = CH >= G.Bottom + D;
        if (G.Advanced && G.AutoScrollOnExpand && !(A && Bf) && T > 0) {
            setArea1(Data, edges(G.Left, 0, G.Right, T + NH + 1), Up, std::min(D - (CH - (T + NH + 1)), T + 1));
            setArea2(Data, edges(G.Left, T + NH + 1, G.Right, CH), Down, CH - (T + NH + 1));
        } else {
            setArea1(Data, edges(G.Left, T + NH, G.Right, CH), Down, std::min(CH - (T + NH), D));
        }
    }
    const QRect &first = Data.Direction1 != None ? Data.ScrollRect1 : Data.ScrollRect2;
    return first.top() <= CH && (Data.Amount1 > 0 || Data.Amount2 > 0);
}

int prepareToggleSteps(ToggleScrollData &Data)
{
    const bool both = Data.Direction1 != None && Data.Direction2 != None;
    if (both && Data.Amount1 < Data.Amount2) {
        std::swap(Data.ScrollRect1, Data.ScrollRect2);
        std::swap(Data.Direction1, Data.Direction2);
        std::swap(Data.Amount1, Data.Amount2);
    }
    if (both) {
        // Both amounts 0 give no scale: nothing to animate.
        if (Data.Amount1 == 0)
            return 0;
        Data.Scale = double(Data.Amount2) / double(Data.Amount1);
        Data.Carry = 0;
    }
    return std::max(Data.Direction1 != None ? Data.Amount1 : Data.Amount2, 0);
}

bool AnimateToggleStep(int Step, int StepSize, ToggleScrollData &Data, QImage &Frame)
{
    if (StepSize <= 0)
        return true;
    // Rows are moved as 32-bit pixels.
    if (Frame.depth() != 32)
        Frame = Frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int move2 = 0;
    const bool first = Step == 0;
    if (Data.Direction1 != None) {
        moveArea(Frame, Data.ScrollRect1, Data.Direction1, StepSize, first, Data);
        if (Data.Direction2 != None && Data.Scale > 0) {
            // Rounded half to even, the remainder carried to the next step.
            move2 = int(std::nearbyint((StepSize + Data.Carry) * Data.Scale));
            Data.Carry = StepSize * Data.Scale + Data.Carry - move2;
        }
    } else
        move2 = StepSize;
    if (Data.Direction2 != None)
        moveArea(Frame, Data.ScrollRect2, Data.Direction2, move2, first, Data);
    return true;
}

} // namespace vtree
