#pragma once
// The picture of the dragged nodes. Qt's drag shows a pixmap that follows the
// mouse on its own, so the picture is not blended onto the screen here: it is
// prepared with its alpha (constant, or faded towards the edges and keyed
// out by a colour) and handed to the drag as a pixmap with its hot spot. The
// blend onto a background image is the same arithmetic, for what a window
// under the picture would show.
#include "controls/vtree/EnumSet.h"
#include "platform/Color.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstdint>

namespace vtree {

enum class TLTDragMoveRestriction : std::uint8_t { dmrNone, dmrHorizontalOnly, dmrVerticalOnly };
enum class TLTDragImageState : std::uint8_t { disHidden, disInDrag, disPrepared, disSystemSupport };
using TLTDragImageStates = TEnumSet<TLTDragImageState, std::uint8_t>;

class TLTDragImage {
public:
    TLTDragImage() = default;
    ~TLTDragImage() { EndDrag(); }
    TLTDragImage(const TLTDragImage &) = delete;
    TLTDragImage &operator=(const TLTDragImage &) = delete;

    platform::TColor ColorKey() const { return FColorKey; }
    void SetColorKey(platform::TColor value) { FColorKey = value; }
    bool Fade() const { return FFade; }
    void SetFade(bool value) { FFade = value; }
    TLTDragMoveRestriction MoveRestriction() const { return FRestriction; }
    void SetMoveRestriction(TLTDragMoveRestriction value) { FRestriction = value; }
    int PostBlendBias() const { return FPostBlendBias; }
    void SetPostBlendBias(int value) { FPostBlendBias = std::clamp(value, -128, 127); }
    int PreBlendBias() const { return FPreBlendBias; }
    void SetPreBlendBias(int value) { FPreBlendBias = std::clamp(value, -128, 127); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { FTransparency = std::clamp(value, 0, 255); }
    TLTDragImageStates States() const { return FStates; }
    // Prepared and in a drag, neither hidden nor drawn by the system.
    bool Visible() const;

    // DragImage at ImagePosition (screen), the mouse at HotSpot (screen).
    void PrepareDrag(const QImage &DragImage, QPoint ImagePosition, QPoint HotSpot);
    void ShowDragImage();
    void HideDragImage();
    // Moves the picture with the mouse; whether anything moved.
    bool DragTo(QPoint P, bool ForceRepaint);
    bool WillMove(QPoint P) const;
    QRect GetDragImageRect() const;
    void EndDrag();

    // The picture with its alpha, as the drag shows it, and the mouse's
    // place in it.
    QImage DragPixmapImage() const;
    QPixmap DragPixmap() const { return QPixmap::fromImage(DragPixmapImage()); }
    QPoint HotSpot() const { return FLastPosition - FImagePosition; }
    // The picture blended onto Background with its top-left at Target.
    void BlendOnto(QImage &Background, QPoint Target) const;

private:
    bool usesPixelAlpha() const { return FFade || FColorKey != platform::clNone; }
    void buildAlphaMask(const QImage &Source);

    QImage FDragImage; // ARGB32: the picture, its alpha the mask
    QPoint FImagePosition;
    QPoint FLastPosition;
    int FTransparency = 128;
    int FPreBlendBias = 0;
    int FPostBlendBias = 0;
    bool FFade = false;
    TLTDragMoveRestriction FRestriction = TLTDragMoveRestriction::dmrNone;
    platform::TColor FColorKey = platform::clNone;
    TLTDragImageStates FStates;
};

} // namespace vtree
