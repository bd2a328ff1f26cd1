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

void TFooterPanel::paintFooter(QPaintDevice *device)
{
    TExStringGrid &g = *m_grid;
    TFloatingFooter &ff = g.FloatingFooter();
    TCanvas canvas(device);
    const int w = width();
    const int h = height();
    const int lw = g.LineWidth();
    int footerWidth = 0;
    for (int c = 0; c < g.FixedCols(); ++c)
        footerWidth += g.ColWidths(c) + lw;
    for (int c = g.LeftCol(); c < g.ColCount(); ++c)
        footerWidth += g.ColWidths(c) + lw;
    footerWidth = std::min(footerWidth, w);
    const auto frame = [&] {
        canvas.Pen().setColor(0x808080);
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(footerWidth - 1, h - 1);
        canvas.LineTo(footerWidth - 1, 0);
        canvas.Pen().setColor(0xFFFFFF);
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(footerWidth - 1, 0);
    };
    const TGridAppearance &look = g.Appearance();
    int painted = footerWidth;
    switch (ff.FooterStyle()) {
    case fsFixedLastRow: {
        canvas.FillColor(TRect{0, 0, footerWidth, h}, ff.Color());
        canvas.FillColor(TRect{footerWidth, 0, w, h}, g.Color());
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
                canvas.MoveTo(x, 0);
                canvas.LineTo(x, h);
            }
            if (horz) {
                canvas.Pen().setColor(g.GridLineColor());
                canvas.MoveTo(x, 0);
                canvas.LineTo(x + cw + lw, 0);
            }
            if (vert) {
                canvas.Pen().setColor(fixed || look.Look == glVista ? g.GridLineColor() : 0x808080);
                canvas.MoveTo(x + cw, 0);
                canvas.LineTo(x + cw, h);
            }
            const int rc = g.RealColIndex(c);
            if (last >= 0 && g.IsBaseCell(rc, last)) {
                const int top = horz ? 1 : 0;
                const int dx = horz && softLook ? 1 : 0;
                int span = cw;
                for (int k = 1; k <= g.CellSpan(rc, last).X && c + k < g.ColCount(); ++k)
                    span += g.ColWidths(c + k) + lw;
                const TRect r{x + dx, top, x + dx + span, h};
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
        canvas.FillColor(TRect{0, 0, footerWidth, h}, ff.Color());
        canvas.FillColor(TRect{footerWidth, 0, w, h}, g.Color());
        frame();
        const TRect r{1, 1, footerWidth - 1, h - 1};
        if (g.OnFooterPaint)
            g.OnFooterPaint(&g, ff.Column(), canvas, r);
        else
            g.PaintFooterCell(canvas, ff.Column(), g.Row(), r, TGridDrawState());
        break;
    }
    case fsCustomPreview: {
        canvas.FillColor(TRect{0, 0, footerWidth, h}, ff.Color());
        canvas.FillColor(TRect{footerWidth, 0, w, h}, g.Color());
        frame();
        const int row = g.Row();
        const QString text =
            expandFooterTemplate(ff.CustomTemplate(), [&](int col) { return g.Cells(col, row); });
        THtmlDrawParams params;
        params.AnchorColor = look.URLColor;
        THtmlDrawResult result;
        canvas.Font().Assign(g.Font());
        DrawHtmlText(canvas, text, TRect{2, 2, footerWidth - 2, h}, params, result);
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
        canvas.MoveTo(0, 0);
        canvas.LineTo(painted, 0);
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
