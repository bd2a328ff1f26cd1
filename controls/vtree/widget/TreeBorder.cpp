// The border ring: Qt's frame stays the window's edge, and the ring lies
// inside it as margins of the viewport, around the header and the rows, so
// that client coordinates do not move. A child beneath the viewport paints it.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/TreeBorder.h"

#include "platform/draw/DrawFlags.h"
#include "platform/draw/Edges.h"

#include <QPaintEvent>

#include <algorithm>

namespace vtree {

using platform::TRect;

namespace {

class TTreeBorderRing : public QWidget {
public:
    explicit TTreeBorderRing(TLazyStringTreeWidget &Tree) : QWidget(&Tree), FTree(Tree)
    {
        // Clicks on the ring are clicks on the frame: not the rows'.
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        platform::TCanvas canvas(this);
        FTree.PaintTreeBorder(canvas, {0, 0, width(), height()});
    }

private:
    TLazyStringTreeWidget &FTree;
};

unsigned bevelEdge(TBevelCut Cut, unsigned Lowered, unsigned Raised)
{
    switch (Cut) {
    case TBevelCut::bvLowered:
        return Lowered;
    case TBevelCut::bvRaised:
        return Raised;
    default:
        return 0;
    }
}

} // namespace

void TTreePartDeleter::operator()(TTreeBorder *Part) const { delete Part; }

TTreePart<TTreeBorder> TLazyStringTreeWidget::newBorder() { return TTreePart<TTreeBorder>(new TTreeBorder); }

int TLazyStringTreeWidget::BorderWidth() const { return FBorder->BorderWidth; }
TBevelEdges TLazyStringTreeWidget::BevelEdges() const { return FBorder->BevelEdges; }
TBevelCut TLazyStringTreeWidget::BevelInner() const { return FBorder->BevelInner; }
TBevelCut TLazyStringTreeWidget::BevelOuter() const { return FBorder->BevelOuter; }
TBevelKind TLazyStringTreeWidget::BevelKind() const { return FBorder->BevelKind; }
int TLazyStringTreeWidget::BevelWidth() const { return FBorder->BevelWidth; }
bool TLazyStringTreeWidget::Ctl3D() const { return FBorder->Ctl3D; }

void TLazyStringTreeWidget::repaintBorderRing()
{
    if (FBorder->Ring)
        FBorder->Ring->update();
}

QMargins TLazyStringTreeWidget::BorderMargins() const
{
    int bevel = 0;
    if (FBorder->BevelKind != TBevelKind::bkNone) {
        if (FBorder->BevelInner != TBevelCut::bvNone)
            bevel += FBorder->BevelWidth;
        if (FBorder->BevelOuter != TBevelCut::bvNone)
            bevel += FBorder->BevelWidth;
    }
    const auto side = [&](TBevelEdge edge) {
        return FBorder->BorderWidth + (FBorder->BevelEdges.contains(edge) ? bevel : 0);
    };
    return {side(TBevelEdge::beLeft), side(TBevelEdge::beTop), side(TBevelEdge::beRight),
            side(TBevelEdge::beBottom)};
}

QRect TLazyStringTreeWidget::BorderRect() const
{
    const QMargins ring = BorderMargins();
    if (ring.isNull())
        return {};
    return viewport()->geometry().adjusted(0, -HeaderHeight(), 0, 0).marginsAdded(ring);
}

void TLazyStringTreeWidget::PaintTreeBorder(platform::TCanvas &Canvas, const TRect &Outer)
{
    if (FBorder->BevelKind == TBevelKind::bkNone && FBorder->BorderWidth == 0)
        return;
    // The whole band in the border colour, so that a bevel wider than its
    // lines shows no gap; the bevel's lines go over it.
    const QMargins ring = BorderMargins();
    const TColor color = Colors().GetColor(TLTColors::BorderColor);
    const int innerTop = std::min(Outer.Top + ring.top(), Outer.Bottom);
    const int innerBottom = std::max(Outer.Bottom - ring.bottom(), innerTop);
    Canvas.FillColor({Outer.Left, Outer.Top, Outer.Right, innerTop}, color);
    Canvas.FillColor({Outer.Left, innerBottom, Outer.Right, Outer.Bottom}, color);
    Canvas.FillColor({Outer.Left, innerTop, Outer.Left + ring.left(), innerBottom}, color);
    Canvas.FillColor({Outer.Right - ring.right(), innerTop, Outer.Right, innerBottom}, color);
    if (FBorder->BevelKind == TBevelKind::bkNone)
        return;
    const unsigned edge = bevelEdge(FBorder->BevelInner, platform::BDR_SUNKENINNER, platform::BDR_RAISEDINNER) |
                          bevelEdge(FBorder->BevelOuter, platform::BDR_SUNKENOUTER, platform::BDR_RAISEDOUTER);
    unsigned flags = 0;
    if (FBorder->BevelEdges.contains(TBevelEdge::beLeft))
        flags |= platform::BF_LEFT;
    if (FBorder->BevelEdges.contains(TBevelEdge::beTop))
        flags |= platform::BF_TOP;
    if (FBorder->BevelEdges.contains(TBevelEdge::beRight))
        flags |= platform::BF_RIGHT;
    if (FBorder->BevelEdges.contains(TBevelEdge::beBottom))
        flags |= platform::BF_BOTTOM;
    if (FBorder->BevelKind == TBevelKind::bkSoft)
        flags |= platform::BF_SOFT;
    else if (FBorder->BevelKind == TBevelKind::bkFlat)
        flags |= platform::BF_FLAT;
    if (!FBorder->Ctl3D)
        flags |= platform::BF_MONO;
    TRect bevel = Outer;
    platform::DrawEdge(Canvas, bevel, edge, flags);
}

void TLazyStringTreeWidget::placeBorderRing()
{
    const QRect outer = BorderRect();
    if (outer.isEmpty()) {
        if (FBorder->Ring)
            FBorder->Ring->hide();
        return;
    }
    if (!FBorder->Ring) {
        FBorder->Ring = new TTreeBorderRing(*this);
        // Beneath the viewport, the header and the scroll bars.
        FBorder->Ring->lower();
    }
    FBorder->Ring->setGeometry(outer);
    FBorder->Ring->show();
    FBorder->Ring->update();
}

template <class T>
void TLazyStringTreeWidget::setBorderSetting(T TTreeBorder::*Setting, T Value)
{
    if ((*FBorder).*Setting == Value)
        return;
    const QMargins before = BorderMargins();
    (*FBorder).*Setting = Value;
    if (BorderMargins() != before)
        RecalcHeaderRect();
    else if (FBorder->Ring)
        FBorder->Ring->update();
}

void TLazyStringTreeWidget::SetBorderWidth(int value)
{
    setBorderSetting(&TTreeBorder::BorderWidth, std::max(value, 0));
}

void TLazyStringTreeWidget::SetBevelEdges(TBevelEdges value)
{
    setBorderSetting(&TTreeBorder::BevelEdges, value);
}

void TLazyStringTreeWidget::SetBevelInner(TBevelCut value)
{
    setBorderSetting(&TTreeBorder::BevelInner, value);
}

void TLazyStringTreeWidget::SetBevelOuter(TBevelCut value)
{
    setBorderSetting(&TTreeBorder::BevelOuter, value);
}

void TLazyStringTreeWidget::SetBevelKind(TBevelKind value)
{
    setBorderSetting(&TTreeBorder::BevelKind, value);
}

void TLazyStringTreeWidget::SetBevelWidth(int value)
{
    // A bevel is at least one pixel wide.
    setBorderSetting(&TTreeBorder::BevelWidth, std::max(value, 1));
}

void TLazyStringTreeWidget::SetCtl3D(bool value)
{
    setBorderSetting(&TTreeBorder::Ctl3D, value);
}

void TLazyStringTreeWidget::copyBorder(const TLazyStringTreeWidget &Source)
{
    SetBevelEdges(Source.FBorder->BevelEdges);
    SetBevelInner(Source.FBorder->BevelInner);
    SetBevelKind(Source.FBorder->BevelKind);
    SetBevelOuter(Source.FBorder->BevelOuter);
    SetBevelWidth(Source.FBorder->BevelWidth);
    SetBorderWidth(Source.FBorder->BorderWidth);
    SetCtl3D(Source.FBorder->Ctl3D);
}

} // namespace vtree
