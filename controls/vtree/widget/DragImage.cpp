#include "controls/vtree/widget/DragImage.h"

#include "controls/vtree/widget/DrawingUtils.h"
#include "platform/draw/ColorMath.h"

#include <cmath>

namespace vtree {

bool TLTDragImage::Visible() const
{
    return FStates.contains(TLTDragImageState::disInDrag) && FStates.contains(TLTDragImageState::disPrepared) &&
           !FStates.contains(TLTDragImageState::disHidden) && !FStates.contains(TLTDragImageState::disSystemSupport);
}

void TLTDragImage::PrepareDrag(const QImage &DragImage, QPoint ImagePosition, QPoint HotSpot)
{
    EndDrag();
    if (DragImage.isNull())
        return;
    FLastPosition = HotSpot;
    const QImage source = DragImage.convertToFormat(QImage::Format_RGB32);
    if (FPreBlendBias != 0) {
        FDragImage = QImage(source.size(), QImage::Format_RGB32);
        AlphaBlendRect(&source, FDragImage, {0, 0, source.width(), source.height()}, {0, 0},
                       TPixelBlend::pbConstantAlpha, 255, FPreBlendBias);
    } else {
        FDragImage = source;
    }
    FDragImage = FDragImage.convertToFormat(QImage::Format_ARGB32);
    buildAlphaMask(source);
    FImagePosition = ImagePosition;
    FStates = {TLTDragImageState::disHidden, TLTDragImageState::disInDrag, TLTDragImageState::disPrepared};
}

// Fades from the centre outwards; pixels of the key colour vanish.
void TLTDragImage::buildAlphaMask(const QImage &Source)
{
    const int width = Source.width();
    const int height = Source.height();
    const int cx = width / 2;
    const int cy = height / 2;
    const double larger = std::max(width, height);
    const QRgb key = FColorKey == platform::clNone ? 0 : [this] {
        const platform::TColor rgb = platform::ColorToRGB(FColorKey);
        return qRgb(platform::GetRValue(rgb), platform::GetGValue(rgb), platform::GetBValue(rgb));
    }();
    for (int y = 0; y < height; ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(Source.constScanLine(y));
        auto *t = reinterpret_cast<QRgb *>(FDragImage.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int alpha = 0;
            if (FColorKey == platform::clNone || (s[x] & 0xFFFFFFu) != (key & 0xFFFFFFu)) {
                const double d = std::hypot(x - cx, y - cy) / larger;
                alpha = platform::roundWith(std::exp(-8 * d) * 255, platform::TRounding::HalfEven);
            }
            t[x] = (t[x] & 0xFFFFFFu) | (QRgb(alpha) << 24);
        }
    }
}

void TLTDragImage::ShowDragImage()
{
    if (FStates.contains(TLTDragImageState::disHidden) && FStates.contains(TLTDragImageState::disInDrag) &&
        FStates.contains(TLTDragImageState::disPrepared) && !FStates.contains(TLTDragImageState::disSystemSupport))
        FStates.exclude(TLTDragImageState::disHidden);
}

void TLTDragImage::HideDragImage()
{
    if (Visible())
        FStates.include(TLTDragImageState::disHidden);
}

bool TLTDragImage::DragTo(QPoint P, bool ForceRepaint)
{
    int deltaX = FLastPosition.x() - P.x();
    int deltaY = FLastPosition.y() - P.y();
    if (FRestriction == TLTDragMoveRestriction::dmrHorizontalOnly)
        deltaY = 0;
    else if (FRestriction == TLTDragMoveRestriction::dmrVerticalOnly)
        deltaX = 0;
    if (deltaX == 0 && deltaY == 0 && !ForceRepaint)
        return false;
    if (Visible())
        FImagePosition -= QPoint(deltaX, deltaY);
    FLastPosition = P;
    return true;
}

bool TLTDragImage::WillMove(QPoint P) const
{
    if (!Visible())
        return false;
    switch (FRestriction) {
    case TLTDragMoveRestriction::dmrHorizontalOnly:
        return P.x() != FLastPosition.x();
    case TLTDragMoveRestriction::dmrVerticalOnly:
        return P.y() != FLastPosition.y();
    case TLTDragMoveRestriction::dmrNone:
        break;
    }
    return P != FLastPosition;
}

QRect TLTDragImage::GetDragImageRect() const { return Visible() ? QRect(FImagePosition, FDragImage.size()) : QRect(); }

void TLTDragImage::EndDrag()
{
    HideDragImage();
    FStates.exclude(TLTDragImageState::disInDrag);
    FStates.exclude(TLTDragImageState::disPrepared);
    FDragImage = QImage();
}

QImage TLTDragImage::DragPixmapImage() const
{
    if (FDragImage.isNull())
        return {};
    QImage out = FDragImage;
    const bool pixelAlpha = usesPixelAlpha();
    for (int y = 0; y < out.height(); ++y) {
        auto *p = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int alpha = pixelAlpha ? (FTransparency * qAlpha(p[x])) >> 8 : FTransparency;
            auto biased = [this](int c) { return std::clamp(c + FPostBlendBias, 0, 255); };
            p[x] = qRgba(biased(qRed(p[x])), biased(qGreen(p[x])), biased(qBlue(p[x])), alpha);
        }
    }
    return out;
}

void TLTDragImage::BlendOnto(QImage &Background, QPoint Target) const
{
    if (FDragImage.isNull())
        return;
    AlphaBlendRect(&FDragImage, Background, {0, 0, FDragImage.width(), FDragImage.height()}, {Target.x(), Target.y()},
                   usesPixelAlpha() ? TPixelBlend::pbScaledSourceAlpha : TPixelBlend::pbConstantAlpha, FTransparency,
                   FPostBlendBias);
}

} // namespace vtree
