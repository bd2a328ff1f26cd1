// The header in the tree's top margin: a strip as wide as the viewport that
// paints the visible columns in display order, scrolled with the tree, on
// the header's background.
#include "controls/vtree/widget/HeaderPainting.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "platform/draw/WidgetPainting.h"

#include <QPaintEvent>

#include <algorithm>
#include <vector>

namespace vtree {

using platform::TRect;

// Qt's stand-in for the non-client header: a child placed over the top
// viewport margin.
class THeaderStrip : public QWidget {
public:
    explicit THeaderStrip(TLazyStringTreeWidget &Tree) : QWidget(&Tree), FTree(Tree)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        platform::paintRetained(*this, *event, FRetained,
                                [this](platform::TCanvas &canvas) { FTree.PaintHeader(canvas, rect()); });
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
    setViewportMargins(0, height, 0, 0);
    if (height == 0) {
        if (FHeaderStrip)
            FHeaderStrip->hide();
        return;
    }
    if (!FHeaderStrip)
        FHeaderStrip = new THeaderStrip(*this);
    const QRect client = contentsRect();
    FHeaderStrip->setGeometry(client.left(), client.top(), viewport()->width(), height);
    FHeaderStrip->show();
    FHeaderStrip->update();
}

void TLazyStringTreeWidget::PaintHeader(platform::TCanvas &Canvas, const QRect &R)
{
    const int height = FHeader.Height();
    const TRect strip{R.left(), 0, R.right() + 1, height};
    Canvas.FillColor(strip, FHeader.Background());
    Canvas.Font().setName(FHeader.Font().Name);
    Canvas.Font().setHeight(FHeader.Font().Height);
    Canvas.Font().setColor(FHeader.Font().Color);
    const TLazyTreeColumns &columns = FHeader.Columns();
    const THeaderColors colors{FHeader.Font().Color, FColors.GetColor(TLTColors::HeaderHotColor)};
    // Fixed columns last, unscrolled, over the columns scrolled beneath them.
    std::vector<TLazyTreeColumn *> order = columns.GetVisibleColumns();
    std::stable_partition(order.begin(), order.end(), [](const TLazyTreeColumn *column) {
        return !column->Options().contains(TLTColumnOption::coFixed);
    });
    for (const TLazyTreeColumn *column : order) {
        const bool fixed = column->Options().contains(TLTColumnOption::coFixed);
        const int left = column->Left() - (fixed ? 0 : FEffectiveOffsetX);
        const TRect cell{left, 0, left + column->Width(), height};
        if (cell.Left > strip.Right || cell.Right < strip.Left)
            continue;
        const TLTColumnOptions options = column->Options();
        const TColumnIndex index = column->Index();
        THeaderColumnLook look;
        look.Rect = cell;
        look.Text = column->Text();
        look.CaptionAlignment = column->CaptionAlignment();
        look.Layout = column->Layout();
        look.Margin = column->Margin();
        look.Spacing = column->Spacing();
        look.Style = FHeader.Style();
        look.Hot = index == columns.FHoverIndex && FHeader.Options().contains(TLTHeaderOption::hoHotTrack) &&
                   options.contains(TLTColumnOption::coEnabled);
        look.Pressed = index == columns.FDownIndex;
        look.Enabled = options.contains(TLTColumnOption::coEnabled) && IsTreeEnabled();
        look.AllowClick = options.contains(TLTColumnOption::coAllowClick);
        // No bevel here, so the last column keeps its right border too.
        look.ShowRightBorder = true;
        look.IsMainColumn = index == MainColumn();
        if (FHeader.Options().contains(TLTHeaderOption::hoShowImages) && FImages && column->ImageIndex() >= 0) {
            look.Images = FImages;
            look.ImageIndex = column->ImageIndex();
        }
        look.ShowSortGlyph = index == FHeader.SortColumn() && FHeader.Options().contains(TLTHeaderOption::hoShowSortGlyphs);
        look.SortDirection = FHeader.SortDirection();
        Canvas.SaveDC();
        Canvas.IntersectClipRect(cell);
        PaintHeaderColumn(Canvas, look, colors);
        Canvas.RestoreDC(-1);
    }
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
