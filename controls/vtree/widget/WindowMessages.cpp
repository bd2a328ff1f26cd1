// What the tree's window does when its surroundings change: font, colours,
// enabling, reading direction and style arrive as Qt's change events. Also
// the window's frame and its client area painted for someone else's canvas.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "platform/ui/Fonts.h"

#include <QEvent>

namespace vtree {

void TLazyStringTreeWidget::PrintClient(platform::TCanvas &Canvas)
{
    using enum TLTInternalPaintOption;
    const QRect client = viewport()->rect();
    // Printed without column colours.
    PaintTree(Canvas, client.translated(EffectiveOffsetX(), -OffsetY()), client.topLeft(),
              {poBackground, poDrawFocusRect, poDrawSelection, poDrawDropMark, poGridLines});
}

void TLazyStringTreeWidget::Loaded()
{
    TCustomLazyStringTree::Loaded();
    BuildButtonBitmaps(true, true);
    if (toOption(TLTAutoOption::toAutoBidiColumnOrdering))
        resetColumnDisplayOrder(UseRightToLeftReading());
    Invalidate();
}

void TLazyStringTreeWidget::resetColumnDisplayOrder(bool RightToLeft)
{
    TLazyTreeColumns &columns = FHeader.Columns();
    const int count = columns.Count();
    // Each column moved to its place in turn leaves the places before it alone.
    for (int position = 0; position < count; ++position)
        columns[RightToLeft ? count - 1 - position : position].SetPosition(TColumnPosition(position));
}

QPoint TLazyStringTreeWidget::WindowFrameSize() const
{
    // Qt's frame stands for the window's border and edges; the border ring
    // and bevel lie inside it, around the header and the rows.
    return {-frameWidth(), -frameWidth()};
}

void TLazyStringTreeWidget::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        // A font set on the window itself becomes the tree's font.
        if (testAttribute(Qt::WA_SetFont)) {
            const QFont qfont = font();
            platform::TFont adopted;
            adopted.Assign(TreeFont());
            adopted.setName(qfont.family());
            adopted.setHeight(-(qfont.pixelSize() > 0 ? qfont.pixelSize() : platform::pointsToPixels(qfont.pointSize())));
            adopted.setStyle({qfont.bold(), qfont.italic(), qfont.underline(), qfont.strikeOut()});
            SetTreeFont(adopted);
        }
        break;
    case QEvent::PaletteChange:
        // The system colours may have moved: buttons are drawn in them.
        if (!IsLoading()) {
            BuildButtonBitmaps(true, false);
            Invalidate();
        }
        break;
    case QEvent::EnabledChange:
        // Texts and images of a disabled tree are drawn grey.
        Invalidate();
        break;
    case QEvent::LayoutDirectionChange: {
        const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
        if (rightToLeft != UseRightToLeftReading())
            followLayoutDirection(rightToLeft);
        updateEffectiveOffsetX();
        if (toOption(TLTAutoOption::toAutoBidiColumnOrdering))
            resetColumnDisplayOrder(rightToLeft);
        ClearCachedTextWidths();
        UpdateScrollBars(true);
        Invalidate();
        break;
    }
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        // What the window was made with is made again.
        BuildButtonBitmaps(true, true);
        RecalcHeaderRect();
        UpdateScrollBars(true);
        Invalidate();
        break;
    default:
        break;
    }
}

} // namespace vtree
