// The footer panel paints the grid's last row through the grid's own cell
// renderer, so that a footer cell looks like a fixed cell of the grid.
#include "controls/grid/view/FooterPanel.h"

#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/FooterTemplate.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace controls {

using namespace platform;

TFooterPanel::TFooterPanel(TExStringGrid *grid) : QWidget(grid), m_grid(grid)
{
    setObjectName(QStringLiteral("FooterPanel"));
    setMouseTracking(true);
    setAutoFillBackground(false);
}

int TFooterPanel::ColumnAt(int x) const
{
    const TExStringGrid &g = *m_grid;
    if (g.RightToLeft())
        x = width() - 1 - x;
    int right = 0;
    for (int c = 0; c < g.FixedCols(); ++c) {
        right += g.ColWidths(c) + g.LineWidth();
        if (x < right)
            return g.RealColIndex(c);
    }
    for (int c = g.LeftCol(); c < g.ColCount(); ++c) {
        right += g.ColWidths(c) + g.LineWidth();
        if (x < right)
            return g.RealColIndex(c);
    }
    return -1;
}

QImage TFooterPanel::paintToImage()
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    paintFooter(&image);
    return image;
}

void TFooterPanel::paintEvent(QPaintEvent *)
{
    guarded([&] { paintFooter(this); });
}

void TExStringGrid::PaintFooterCell(TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    // The grid keeps its footer row out of its own painting only.
    const bool hide = FHideLastRow;
    FHideLastRow = false;
    RenderCell(ACanvas, ACol, ARow, ARect, AState);
    FHideLastRow = hide;
}

namespace {

// The panel mirrors its areas itself; the cells inside read left to right,
// and a selected cell of the preview keeps readable text.
struct FooterPaintScope {
    TExStringGrid &grid;
    const bool rtl;
    const TColor selectionText;
    explicit FooterPaintScope(TExStringGrid &g)
        : grid(g), rtl(g.RightToLeft()), selectionText(g.Appearance().SelectionTextColor)
    {
        grid.setRightToLeftQuiet(false);
    }
    ~FooterPaintScope()
    {
        grid.setRightToLeftQuiet(rtl);
        grid.Appearance().SelectionTextColor = selectionText;
    }
};

} // namespace

void TFooterPanel::paintFooter(QPaintDevice *device)
{
    TExStringGrid &g = *m_grid;
    TFloatingFooter &ff = g.FloatingFooter();
    TCanvas canvas(device);
    const FooterPaintScope scope(g);
    const int w = width();
    const int h = height();
    const bool rtl = scope.rtl;
    const auto area = [&](TRect r) { return rtl ? TRect{w - r.Right, r.Top, w - r.Left, r.Bottom} : r; };
    const auto line = [&](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(rtl ? w - 1 - x1 : x1, y1);
        canvas.LineTo(rtl ? w - 1 - x2 : x2, y2);
    };
    const int lw = g.LineWidth();
    int footerWidth = 0;
    for (int c = 0; c < g.FixedCols(); ++c)
        footerWidth += g.ColWidths(c) + lw;
    for (int c = g.LeftCol(); c < g.ColCount(); ++c)
        footerWidth += g.ColWidths(c) + lw;
    footerWidth = std::min(footerWidth, w);
    const auto frame = [&] {
        canvas.Pen().setColor(0x808080);
        line(0, h - 1, footerWidth - 1, h - 1);
        line(footerWidth - 1, h - 1, footerWidth - 1, 0);
        canvas.Pen().setColor(0xFFFFFF);
        line(0, h - 1, 0, 0);
        line(0, 0, footerWidth - 1, 0);
    };
    const TGridAppearance &look = g.Appearance();
    int painted = footerWidth;
    switch (ff.FooterStyle()) {
    case fsFixedLastRow: {
        canvas.FillColor(area(TRect{0, 0, footerWidth, h}), ff.Color());
        canvas.FillColor(area(TRect{footerWidth, 0, w, h}), g.Color());
        const int last = g.RowCount() - 1;
        const bool vert = g.Options().testFlag(goFixedVertLine);
        const bool horz = g.Options().testFlag(goFixedHorzLine);
        const bool softLook = (look.Look == glSoft || look.Look == glFenlo || look.Look == glXP
                               || look.Look == glVista) && !look.Flat;
        int x = 0;
        const auto column = [&](int c, bool fixed) {
            const int cw = g.ColWidths(c);
            if (vert && softLook) {
                canvas.Pen().setColor(0xFFFFFF);
                line(x, 0, x, h);
            }
            if (horz) {
                canvas.Pen().setColor(g.GridLineColor());
                line(x, 0, x + cw + lw, 0);
            }
            if (vert) {
                canvas.Pen().setColor(fixed || look.Look == glVista ? g.GridLineColor() : 0x808080);
                line(x + cw, 0, x + cw, h);
            }
            const int rc = g.RealColIndex(c);
            if (last >= 0 && g.IsBaseCell(rc, last)) {
                const int top = horz ? 1 : 0;
                const int dx = horz && softLook ? 1 : 0;
                int span = cw;
                for (int k = 1; k <= g.CellSpan(rc, last).X && c + k < g.ColCount(); ++k)
                    span += g.ColWidths(c + k) + lw;
                const TRect r = area(TRect{x + dx, top, x + dx + span, h});
                if (!fixed) {
                    TBrush brush;
                    brush.setColor(clNone);
                    TFont font = g.Font();
                    if (g.OnGetCellColor)
                        g.OnGetCellColor(&g, last, rc, TGridDrawState(gdFixed), brush, font);
                    if (isColorSet(brush.Color()))
                        canvas.FillColor(r, brush.Color());
                    else if (isColorSet(g.Colors(rc, last)))
                        canvas.FillColor(r, g.Colors(rc, last));
                }
                if (!fixed && g.OnFooterPaint)
                    g.OnFooterPaint(&g, rc, canvas, r);
                else
                    g.PaintFooterCell(canvas, c, last, r, TGridDrawState(gdFixed));
            }
            x += cw + lw;
        };
        for (int c = 0; c < g.FixedCols(); ++c)
            column(c, true);
        for (int c = g.LeftCol(); c < g.ColCount() && x < w; ++c)
            column(c, false);
        break;
    }
    case fsColumnPreview: {
        canvas.FillColor(area(TRect{0, 0, footerWidth, h}), ff.Color());
        canvas.FillColor(area(TRect{footerWidth, 0, w, h}), g.Color());
        frame();
        const TRect r = area(TRect{1, 1, footerWidth - 1, h - 1});
        g.Appearance().SelectionTextColor = clBlack;
        if (g.OnFooterPaint)
            g.OnFooterPaint(&g, ff.Column(), canvas, r);
        else
            g.PaintFooterCell(canvas, ff.Column(), g.Row(), r, TGridDrawState());
        break;
    }
    case fsCustomPreview: {
        canvas.FillColor(area(TRect{0, 0, footerWidth, h}), ff.Color());
        canvas.FillColor(area(TRect{footerWidth, 0, w, h}), g.Color());
        frame();
        const int row = g.Row();
        const QString text =
            expandFooterTemplate(ff.CustomTemplate(), [&](int col) { return g.Cells(col, row); });
        THtmlDrawParams params;
        params.AnchorColor = look.URLColor;
        THtmlDrawResult result;
        canvas.Font().Assign(g.Font());
        g.Appearance().SelectionTextColor = clBlack;
        DrawHtmlText(canvas, text, area(TRect{2, 2, footerWidth - 2, h}), params, result);
        break;
    }
    case fsCustomPaint:
        painted = w;
        if (g.OnFooterPaint)
            g.OnFooterPaint(&g, ff.Column(), canvas, TRect{0, 0, w, h});
        break;
    }
    if (isColorSet(ff.BorderColor())) {
        canvas.Pen().setColor(ff.BorderColor());
        line(0, 0, painted, 0);
    }
}

void TFooterPanel::mouseReleaseEvent(QMouseEvent *event)
{
    guarded([&] {
        if (m_grid->OnClick)
            m_grid->OnClick(m_grid);
        if (m_grid->OnClickCell)
            m_grid->OnClickCell(m_grid, m_grid->RowCount() - 1, ColumnAt(event->position().toPoint().x()));
    });
}

void TFooterPanel::mouseMoveEvent(QMouseEvent *event)
{
    guarded([&] {
        if (m_showHint && FLastHintX >= 0 && ColumnAt(event->position().toPoint().x()) != FLastHintX) {
            QToolTip::hideText();
            FLastHintX = -1;
        }
    });
}

void TFooterPanel::leaveEvent(QEvent *) { FLastHintX = -1; }

bool TFooterPanel::event(QEvent *e)
{
    if (e->type() != QEvent::ToolTip)
        return QWidget::event(e);
    guarded([&] {
        auto *help = static_cast<QHelpEvent *>(e);
        const int col = ColumnAt(help->pos().x());
        QString hint;
        if (col >= 0 && m_grid->OnGridHint)
            m_grid->OnGridHint(m_grid, m_grid->RowCount() - 1, col, hint);
        FLastHintX = m_showHint && col >= 0 ? col : -1;
        if (m_showHint && !hint.isEmpty())
            QToolTip::showText(help->globalPos(), hint, this);
        else
            QToolTip::hideText();
    });
    return true;
}

} // namespace controls
