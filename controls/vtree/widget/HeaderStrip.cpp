// The header in the tree's top margin: a strip as wide as the viewport that
// paints the visible columns in display order, scrolled with the tree, on
// the header's background, and hands its mouse input to the tree.
#include "controls/vtree/widget/HeaderInteraction.h"
#include "controls/vtree/widget/HeaderPainting.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "platform/draw/WidgetPainting.h"

#include <QPaintEvent>

#include <algorithm>
#include <vector>

namespace vtree {

using platform::TRect;

// Qt's stand-in for the non-client header: a child placed over the top
// viewport margin. While a header state is set it also watches the tree for
// Escape and the loss of focus.
class THeaderStrip : public QWidget {
public:
    explicit THeaderStrip(TLazyStringTreeWidget &Tree) : QWidget(&Tree), FTree(Tree)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        Tree.installEventFilter(this);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        platform::paintRetained(*this, *event, FRetained,
                                [this](platform::TCanvas &canvas) { FTree.PaintHeader(canvas, rect()); });
    }
    bool event(QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Leave:
        case QEvent::KeyPress:
            if (FTree.HandleHeaderEvent(event))
                return true;
            break;
        default:
            break;
        }
        return QWidget::event(event);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &FTree && (event->type() == QEvent::KeyPress || event->type() == QEvent::FocusOut))
            return FTree.HandleHeaderEvent(event);
        return false;
    }

private:
    TLazyStringTreeWidget &FTree;
    platform::TRetainedImage FRetained;
};

int TLazyStringTreeWidget::HeaderHeight() const
{
    return FHeader.Options().contains(TLTHeaderOption::hoVisible) ? FHeader.Height() : 0;
}

void TLazyStringTreeWidget::RecalcHeaderRect()
{
    const int height = HeaderHeight();
    // The border ring surrounds the header and the rows.
    const QMargins ring = BorderMargins();
    setViewportMargins(ring.left(), ring.top() + height, ring.right(), ring.bottom());
    placeBorderRing();
    if (height == 0) {
        if (FHeaderStrip)
            FHeaderStrip->hide();
        return;
    }
    if (!FHeaderStrip)
        FHeaderStrip = new THeaderStrip(*this);
    const QRect client = viewport()->geometry();
    FHeaderStrip->setGeometry(client.left(), client.top() - height, client.width(), height);
    FHeaderStrip->show();
    FHeaderStrip->update();
}

void TLazyStringTreeWidget::PaintHeader(platform::TCanvas &Canvas, const QRect &R)
{
    Canvas.SaveDC();
    Canvas.IntersectClipRect({R.left(), 0, R.right() + 1, FHeader.Height()});
    paintHeaderColumns(Canvas, R.right() + 1, EffectiveOffsetX());
    Canvas.RestoreDC(-1);
}

void TLazyStringTreeWidget::paintHeaderColumns(platform::TCanvas &Canvas, int Width, int OffsetX)
{
    const int height = FHeader.Height();
    const TRect strip{0, 0, Width, height};
    const bool ownerDraw = FHeader.Options().contains(TLTHeaderOption::hoOwnerDraw);
    const bool advanced = ownerDraw && OnAdvancedHeaderDraw && OnHeaderDrawQueryElements;
    Canvas.Font().setName(FHeader.Font().Name);
    Canvas.Font().setHeight(FHeader.Font().Height);
    Canvas.Font().setColor(FHeader.Font().Color);
    // The background, unless the application paints it.
    THeaderPaintElements elements;
    THeaderPaintInfo whole;
    whole.TargetCanvas = &Canvas;
    whole.PaintRectangle = QRect(0, 0, Width, height);
    if (advanced)
        OnHeaderDrawQueryElements(&FHeader, whole, elements);
    if (elements.contains(THeaderPaintElement::hpeBackground))
        OnAdvancedHeaderDraw(&FHeader, whole, {THeaderPaintElement::hpeBackground});
    else
        Canvas.FillColor(strip, FHeader.Background());
    const TLazyTreeColumns &columns = FHeader.Columns();
    // Fixed columns last, unscrolled, over the columns scrolled beneath them.
    std::vector<TLazyTreeColumn *> order = columns.GetVisibleColumns();
    std::stable_partition(order.begin(), order.end(), [](const TLazyTreeColumn *column) {
        return !column->Options().contains(TLTColumnOption::coFixed);
    });
    for (TLazyTreeColumn *column : order) {
        const bool fixed = column->Options().contains(TLTColumnOption::coFixed);
        const int left = column->Left() - (fixed ? 0 : OffsetX);
        const TRect cell{left, 0, left + column->Width(), height};
        if (cell.Left >= strip.Right || cell.Right <= strip.Left)
            continue;
        Canvas.SaveDC();
        Canvas.IntersectClipRect(cell);
        paintHeaderCell(Canvas, *column, cell, ownerDraw && OnHeaderDraw && !advanced, advanced);
        Canvas.RestoreDC(-1);
    }
}

void TLazyStringTreeWidget::paintHeaderCell(platform::TCanvas &Canvas, TLazyTreeColumn &Column, const TRect &Cell,
                                            bool OwnerDraw, bool AdvancedOwnerDraw)
{
    const TLazyTreeColumns &columns = FHeader.Columns();
    const TLTColumnOptions options = Column.Options();
    const TLTHeaderOptions headerOptions = FHeader.Options();
    const TColumnIndex index = Column.Index();
    THeaderColumnLook look;
    look.Rect = Cell;
    look.Text = Column.Text();
    look.CaptionAlignment = Column.CaptionAlignment();
    look.Layout = Column.Layout();
    look.Margin = Column.Margin();
    look.Spacing = Column.Spacing();
    look.Style = FHeader.Style();
    look.Hot = index == columns.FHoverIndex && headerOptions.contains(TLTHeaderOption::hoHotTrack) &&
               options.contains(TLTColumnOption::coEnabled);
    look.Pressed = index == columns.FDownIndex && !FHeaderInteraction->CheckBoxHit;
    look.Enabled = options.contains(TLTColumnOption::coEnabled) && IsTreeEnabled();
    look.AllowClick = options.contains(TLTColumnOption::coAllowClick);
    // No bevel here, so the last column keeps its right border too.
    look.ShowRightBorder = true;
    look.IsMainColumn = index == MainColumn();
    look.RightToLeft = readsRightToLeft(index);
    look.WrapCaption = options.contains(TLTColumnOption::coWrapCaption);
    if (headerOptions.contains(TLTHeaderOption::hoShowImages)) {
        if (Column.CheckBox()) {
            look.CheckBox = true;
            look.CheckImages = CheckImages();
            look.CheckIndex = CheckImageIndex(nullptr, Column.CheckType(), Column.CheckState(), look.Enabled);
        } else if (HeaderImages() && Column.ImageIndex() >= 0) {
            look.Images = HeaderImages();
            look.ImageIndex = Column.ImageIndex();
        }
    }
    look.ShowSortGlyph = index == FHeader.SortColumn() && headerOptions.contains(TLTHeaderOption::hoShowSortGlyphs);
    look.SortDirection = FHeader.SortDirection();
    if (options.contains(TLTColumnOption::coShowDropMark) && index == FHeaderInteraction->DropTarget &&
        index != FHeaderInteraction->DragIndex)
        look.DropMark = FHeaderInteraction->DropBefore ? TLTDropMarkMode::dmmLeft : TLTDropMarkMode::dmmRight;

    if (OwnerDraw && Column.Style() == TLazyTreeColumnStyle::vsOwnerDraw) {
        OnHeaderDraw(&FHeader, &Canvas, &Column, platform::toQRect(Cell), look.Hot, look.Pressed, look.DropMark);
        return;
    }
    THeaderPaintInfo info;
    info.TargetCanvas = &Canvas;
    info.Column = &Column;
    info.PaintRectangle = platform::toQRect(Cell);
    info.IsHoverIndex = look.Hot;
    info.IsDownIndex = look.Pressed;
    info.IsEnabled = look.Enabled;
    info.ShowHeaderGlyph = look.CheckBox || look.Images;
    info.ShowSortGlyph = look.ShowSortGlyph;
    info.ShowRightBorder = look.ShowRightBorder;
    info.DropMark = look.DropMark;
    THeaderPaintElements elements;
    if (AdvancedOwnerDraw)
        OnHeaderDrawQueryElements(&FHeader, info, elements);
    look.OwnerElements = elements;
    if (elements.contains(THeaderPaintElement::hpeBackground))
        OnAdvancedHeaderDraw(&FHeader, info, {THeaderPaintElement::hpeBackground});

    const THeaderColors colors{FHeader.Font().Color, Colors().GetColor(TLTColors::HeaderHotColor)};
    const THeaderContentPlace place = PaintHeaderColumn(Canvas, look, colors);

    // The glyph's place in header coordinates, for clicks on a check box.
    auto &glyphs = FHeaderInteraction->GlyphRects;
    if (glyphs.size() < std::size_t(columns.Count()))
        glyphs.resize(std::size_t(columns.Count()));
    QRect glyph;
    if (place.ShowGlyph)
        glyph = QRect(place.GlyphPos.X - Cell.Left + Column.Left(), place.GlyphPos.Y, place.GlyphSize.cx,
                      place.GlyphSize.cy);
    glyphs[std::size_t(index)] = glyph;

    const THeaderPaintElements content = elements - THeaderPaintElement::hpeBackground;
    if (!content.empty()) {
        info.GlyphPos = QPoint(place.GlyphPos.X, place.GlyphPos.Y);
        info.SortGlyphPos = QPoint(place.SortGlyphPos.X, place.SortGlyphPos.Y);
        info.TextRectangle = platform::toQRect(place.TextBounds);
        Canvas.SaveDC();
        OnAdvancedHeaderDraw(&FHeader, info, content);
        Canvas.RestoreDC(-1);
    }
}

void TLazyStringTreeWidget::invalidateHeader()
{
    if (FHeaderStrip)
        FHeaderStrip->update();
}

void TLazyStringTreeWidget::SetHeaderImages(platform::TImageList *Value)
{
    if (FHeaderInteraction->Images == Value)
        return;
    FHeaderInteraction->Images = Value;
    if (!IsLoading())
        invalidateHeader();
}

QImage TLazyStringTreeWidget::paintHeaderToImage()
{
    QImage image(std::max(viewport()->width(), 1), std::max(FHeader.Height(), 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        platform::TCanvas canvas(&image);
        PaintHeader(canvas, image.rect());
    }
    return image;
}

} // namespace vtree
