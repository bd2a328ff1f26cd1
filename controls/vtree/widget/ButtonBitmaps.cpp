// The expand button images and the line pattern, made once and whenever a
// setting they show changes, and the button drawn from them: hot and
// selected-hot when the mouse is over the button.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreePaintState.h"

#include "platform/draw/Resources.h"

#include <algorithm>

namespace vtree {

namespace {

QImage clearedButton(QSize Size)
{
    QImage image(std::max(Size.width(), 1), std::max(Size.height(), 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

void TTreePartDeleter::operator()(TTreePaintState *Part) const { delete Part; }

TTreePart<TTreePaintState> TLazyStringTreeWidget::newPaintState() { return TTreePart<TTreePaintState>(new TTreePaintState); }

const TButtonBitmaps &TLazyStringTreeWidget::ButtonBitmaps() const { return FPaintState->Buttons; }

void TLazyStringTreeWidget::BuildButtonBitmaps(bool NeedButtons, bool NeedLines)
{
    TButtonBitmaps &b = FPaintState->Buttons;
    QSize size(ButtonSize, ButtonSize);
    if (NeedButtons) {
        QImage *all[] = {&b.Plus, &b.HotPlus, &b.SelectedHotPlus, &b.Minus, &b.HotMinus, &b.SelectedHotMinus};
        for (QImage *image : all)
            *image = clearedButton(size);
        if (OnPrepareButtonBitmaps) {
            OnPrepareButtonBitmaps(this, &b.Plus, &b.HotPlus, &b.SelectedHotPlus, &b.Minus, &b.HotMinus,
                                   &b.SelectedHotMinus, size);
            // Every image takes the size the handler settled on.
            for (QImage *image : all)
                if (image->size() != size)
                    *image = image->isNull() ? clearedButton(size)
                                             : image->copy(0, 0, std::max(size.width(), 1), std::max(size.height(), 1));
        } else {
            for (const bool plus : {false, true}) {
                QImage &face = plus ? b.Plus : b.Minus;
                if (ButtonFillMode() == TLTButtonFillMode::fmShaded && ButtonStyle() == TLTButtonStyle::bsRectangle) {
                    face = platform::loadResourceImage(QString::fromLatin1(plus ? "LT_XPBUTTONPLUS" : "LT_XPBUTTONMINUS"),
                                                       platform::TResourceColors::Mapped)
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
                } else {
                    platform::TCanvas canvas(&face);
                    const int w = face.width();
                    if (ButtonStyle() == TLTButtonStyle::bsTriangle) {
                        canvas.Pen().setColor(platform::clBlack);
                        canvas.Brush().setColor(platform::clBlack);
                        const platform::TPoint open[] = {{0, 2}, {8, 2}, {4, 6}};
                        const platform::TPoint closed[] = {{2, 0}, {6, 4}, {2, 8}};
                        canvas.Polygon(plus ? std::span<const platform::TPoint>(closed)
                                            : std::span<const platform::TPoint>(open));
                    } else {
                        canvas.Pen().setColor(Colors().GetColor(TLTColors::TreeLineColor));
                        if (ButtonFillMode() == TLTButtonFillMode::fmTransparent)
                            canvas.Brush().setStyle(platform::TBrushStyle::bsClear);
                        else
                            canvas.Brush().setColor(ButtonFillMode() == TLTButtonFillMode::fmWindowColor
                                                        ? platform::clWindow
                                                        : BackGroundColor());
                        canvas.Rectangle(0, 0, w, face.height());
                        canvas.Pen().setColor(NodeFontColor());
                        canvas.MoveTo(2, w / 2);
                        canvas.LineTo(w - 2, w / 2);
                        if (plus) {
                            canvas.MoveTo(w / 2, 2);
                            canvas.LineTo(w / 2, w - 2);
                        }
                    }
                }
            }
            b.HotPlus = b.SelectedHotPlus = b.Plus;
            b.HotMinus = b.SelectedHotMinus = b.Minus;
        }
    }
    if (NeedLines) {
        static constexpr platform::TPattern8 dotted{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        static constexpr platform::TPattern8 solid{0, 0, 0, 0, 0, 0, 0, 0};
        FPaintState->LinePattern = LineStyle() == TLTLineStyle::lsSolid ? solid : dotted;
        if (LineStyle() == TLTLineStyle::lsCustomStyle && OnGetLineStyle) {
            // The handler may hand other bits: eight rows, one byte each.
            void *bits = const_cast<std::uint8_t *>(dotted.data());
            QueryLineStyle(bits);
            if (bits)
                std::copy_n(static_cast<const std::uint8_t *>(bits), 8, FPaintState->LinePattern.begin());
        }
    }
}

platform::TPattern8 TLazyStringTreeWidget::linePattern()
{
    return FPaintState->LinePattern;
}

void TLazyStringTreeWidget::DrawExpandButton(TLTPaintInfo &PaintInfo)
{
    const TButtonBitmaps &b = FPaintState->Buttons;
    PLazyNode node = PaintInfo.Node;
    const bool hot = node == HotNode() && HotNodeButtonHit();
    const bool selectedHot = hot && Selected(node);
    const QImage &face = GetExpanded(node) ? (selectedHot ? b.SelectedHotMinus : hot ? b.HotMinus : b.Minus)
                                           : (selectedHot ? b.SelectedHotPlus : hot ? b.HotPlus : b.Plus);
    const int left = readsRightToLeft(PaintInfo.Column)
                         ? PaintInfo.CellRect.Right - PaintInfo.ButtonX - face.width()
                         : PaintInfo.CellRect.Left + PaintInfo.ButtonX;
    PaintInfo.Canvas->DrawImage(left, PaintInfo.CellRect.Top + PaintInfo.ButtonY, face);
}

} // namespace vtree
