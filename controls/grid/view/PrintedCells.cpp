// Cells on paper: the size a cell needs (text lines in its print font,
// beside its graphic) and the drawing of one row of cells with background,
// graphic, text and borders, all in 0.1 mm with y growing upwards.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/base/paint/Fills.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/PrintEngine.h"
#include "platform/draw/ImageList.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace controls {

using namespace platform;

namespace {

QStringList textLines(const QString &text, bool multiLine, bool stripUrls)
{
    QStringList lines;
    if (multiLine) {
        lines = QString(text).remove(u'\n').split(u'\r');
    } else {
        QString rest = text;
        QString first;
        CutFirstLine(rest, false, first);
        lines = {first};
    }
    if (stripUrls)
        for (QString &line : lines)
            if (IsUrlText(line))
                StripUrlProtocol(line);
    return lines;
}

bool checkGraphic(TCellType kind)
{
    return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox
           || kind == ctTriStateCheckBox;
}

// Runs the drawing in device pixels (MM_TEXT), the mapping restored after.
template <class Draw>
void inDeviceUnits(TCanvas &canvas, Draw draw)
{
    const int mode = canvas.GetMapMode();
    const TPoint origin = canvas.WindowOrg();
    canvas.SetMapMode(MM_TEXT);
    canvas.SetWindowOrg({});
    draw();
    canvas.SetWindowOrg(origin);
    canvas.SetMapMode(mode);
}

} // namespace

QString TGridPrintEngine::cellText(int ACol, int ARow)
{
    const int real = grid.RealColIndex(ACol);
    if (grid.IsDataTextCell(real, ARow))
        return {};
    return grid.DisplayCellText(real, ARow);
}

void TGridPrintEngine::cellFont(int ACol, int ARow, TFont &font, TBrush &brush, TColor &colorTo, TAlignment &ha,
                                TVAlignment &va, bool &ww)
{
    TGridDrawState state;
    TColor mirror = clNone, mirrorTo = clNone;
    TCellGradientDirection gd = GradientVertical;
    font.Assign(grid.Font());
    ww = grid.WordWrap();
    grid.GetVisualProperties(ACol, ARow, state, true, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww,
                             gd);
    font.setOrientation(0);
    font.setHeight(grid.MapFontHeight(font.Size()));
}

TSize TGridPrintEngine::measureHtml(const QString &text, int ACol, const TFont &font)
{
    // Laid out in screen pixels at the print font's size, then converted.
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TCanvas screen(&scratch);
    screen.Font().Assign(settings.Font);
    screen.Font().setColor(font.Color());
    const int width = settings.NoAutoSize ? grid.ColWidths(ACol) + 12 : 0xFFFF;
    THtmlDrawParams params;
    params.MeasureOnly = true;
    params.AnchorColor = grid.Appearance().URLColor;
    THtmlDrawResult result;
    DrawHtmlText(screen, text, {0, 0, width, 0xFFFF}, params, result);
    return {int(std::lround(result.MaxLineWidth * L)),
            std::max(0, int(std::lround(result.TotalHeight * L)) - int(std::lround(S8 * L)))};
}

TSize TGridPrintEngine::MeasurePrintCell(int ACol, int ARow)
{
    const int real = grid.RealColIndex(ACol);
    QString text = cellText(ACol, ARow);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    cellFont(ACol, ARow, font, brush, colorTo, ha, va, ww);
    TSize size;
    if (GetCellTextKind(text, grid.Appearance().EnableHTML) == ckHtml) {
        size = measureHtml(text, ACol, font);
    } else {
        canvas.Font().Assign(font);
        int angle = 0;
        const bool rotated = grid.IsRotated(real, ARow, angle);
        TSize graphic;
        if (settings.PrintGraphics && grid.GetCellGraphic(real, ARow)) {
            TPoint content;
            grid.PrintCellContentSize(real, ARow, content, 1.0, grid.ColWidths(ACol), grid.RowHeights(ARow));
            graphic = {int(std::lround(content.X * L)), int(std::lround(content.Y * L))};
        }
        if (text.isEmpty())
            text = QStringLiteral("gh");
        const TGridAppearance &look = grid.Appearance();
        int widestLine = 0;
        if (!(ww && settings.NoAutoSize) || rotated) {
            const QStringList lines = textLines(text, look.Multilinecells, look.URLShow && !look.URLFull);
            for (const QString &line : lines)
                widestLine = std::max(widestLine, canvas.TextWidth(line));
            size = {widestLine + graphic.cx, canvas.TextHeight(QStringLiteral("gh")) * int(lines.size())};
        } else {
            const TGridCoord base = grid.BaseCell(ACol, ARow);
            const int width = grid.CellSpan(base.X, base.Y).X > 0 ? 0xFFFF : st.MaxWidths[std::size_t(ACol)];
            TRect r{0, 0, width, 0};
            const int height = canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            size = {width, height};
        }
        if (rotated) {
            const double a = angle * std::numbers::pi / 180.0;
            const int w = size.cx;
            const int h = size.cy;
            size = {std::abs(int(std::lround(std::cos(a) * w))) + std::abs(int(std::lround(std::sin(a) * h))),
                    std::abs(int(std::lround(std::sin(a) * std::max(widestLine, w))))
                        + std::abs(int(std::lround(std::cos(a) * h)))};
        }
        size = {std::max(size.cx, graphic.cx), std::max(size.cy, graphic.cy)};
    }
    if (grid.OnCustomCellSize) {
        TPoint custom{size.cx, size.cy};
        grid.OnCustomCellSize(&grid, canvas, real, ARow, custom, true);
        size = {custom.X, custom.Y};
    }
    return size;
}

int TGridPrintEngine::RenderPrintRow(int Y, int C1, int C2, int ARow)
{
    const int RH = rowHeightOnPage(ARow);
    if (!drawing() || !pageInRange())
        return RH;
    const int lastCol = std::min(C2, grid.ColCount() - 1);
    for (int c = C1; c <= lastCol; ++c) {
        if (!colIncluded(c))
            continue;
        const TGridCoord base = grid.BaseCell(c, ARow);
        if (base.X != c || base.Y != ARow)
            continue; // printed with its merged area's first cell
        const TGridCoord span = grid.CellSpan(c, ARow);
        int width = 0;
        for (int k = c; k <= std::min(c + span.X, grid.ColCount() - 1); ++k)
            width += st.MaxWidths[std::size_t(k)] + Sp;
        int height = RH;
        for (int r = ARow + 1; r <= std::min(ARow + span.Y, grid.RowCount() - 1); ++r)
            height += rowHeightOnPage(r);
        TRect area{st.Indents[std::size_t(c)], Y, st.Indents[std::size_t(c)] + width, Y - height};
        area.Right = std::min(area.Right, st.Indents[std::size_t(lastCol + 1)]);
        renderCell(c, ARow, area, RH);
    }
    return RH;
}

void TGridPrintEngine::renderHtml(const QString &text, const TRect &area, const TFont &font)
{
    // Laid out in screen pixels at the print font's size (scaled by the
    // fit) and put on the page as a picture of the cell.
    const int width = std::max(1, int(std::lround(area.Width() / L)));
    const int height = std::max(1, int(std::lround((area.Top - area.Bottom) / L)));
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        TCanvas screen(&picture);
        screen.Font().Assign(settings.Font);
        screen.Font().setSize(std::max(1, int(settings.Font.Size() * st.FontScale)));
        screen.Font().setColor(font.Color());
        THtmlDrawParams params;
        params.AnchorColor = grid.Appearance().URLColor;
        THtmlDrawResult result;
        DrawHtmlText(screen, text, {0, 0, width, height}, params, result);
    }
    canvas.StretchImage(area, picture);
}

void TGridPrintEngine::renderCellGraphic(int ACol, int ARow, TCellGraphic &g, TRect &area, TRect &textArea,
                                         const TBrush &brush)
{
    const int real = grid.RealColIndex(ACol);
    TPoint content;
    grid.PrintCellContentSize(real, ARow, content, 1.0, grid.ColWidths(ACol), grid.RowHeights(ARow));
    const int gw = int(std::lround(content.X * L));
    const int gh = int(std::lround(content.Y * L));
    if (gw <= 0 || gh <= 0)
        return;
    const bool noText = cellText(ACol, ARow).isEmpty();
    TCellHAlign hal = g.FCellHAlign;
    if (noText && (checkGraphic(g.FCellType) || g.FCellType == ctRadioButton)) {
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        grid.ResolveCellAlignment(real, ARow, ha, va);
        hal = ha == taRightJustify ? haRight : ha == taCenter ? haCenter : haLeft;
    }
    const int inset = int(std::lround(L));
    int x = area.Left + inset;
    switch (hal) {
    case haRight:
    case haAfterText:
        x = area.Right - gw - inset;
        textArea.Right = x;
        break;
    case haCenter:
        x = area.Left + (area.Width() - gw) / 2;
        break;
    case haFull:
        break;
    default:
        textArea.Left = x + gw;
        break;
    }
    const int cellHeight = area.Top - area.Bottom;
    int y = area.Top - inset;
    switch (g.FCellVAlign) {
    case vaBottom:
        y = area.Bottom + gh + inset;
        break;
    case vaCenter:
        y = area.Top - (cellHeight - gh) / 2;
        break;
    case vaUnderText:
        y = area.Bottom + gh + inset;
        textArea.Bottom = y;
        break;
    case vaAboveText:
        textArea.Top = y - gh;
        break;
    default:
        break;
    }
    const TRect place = hal == haFull ? TRect{area.Left, y, area.Right, y - gh} : TRect{x, y, x + gw, y - gh};

    const auto stretch = [&](const QImage &image) { canvas.StretchDIBits(place, image, SRCCOPY); };
    const auto listImage = [&](int index) {
        const auto *images = static_cast<const TImageList *>(grid.GridImages());
        if (images == nullptr || index < 0 || index >= images->Count())
            return;
        QImage image(images->Width(), images->Height(), QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor::fromRgb(0xFF000000u | std::uint32_t(ColorToRGB(brush.Color()) & 0xFF) << 16
                                   | std::uint32_t(ColorToRGB(brush.Color()) & 0xFF00)
                                   | std::uint32_t((ColorToRGB(brush.Color()) >> 16) & 0xFF)));
        {
            TCanvas c(&image);
            c.DrawImage(0, 0, images->imageAt(index));
        }
        stretch(image);
    };
    switch (g.FCellType) {
    case ctBitmap:
        if (const auto *bitmap = static_cast<const QImage *>(g.CellBitmap()))
            stretch(*bitmap);
        break;
    case ctImageList:
        listImage(g.FCellIndex);
        break;
    case ctDataImage: {
        bool ok = false;
        const int index = grid.Cells(ACol, ARow).trimmed().toInt(&ok);
        if (ok)
            listImage(index);
        break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: {
        const int side = std::max(1, grid.ControlLook().CheckSize);
        QImage box(side, side, QImage::Format_ARGB32_Premultiplied);
        box.fill(Qt::white);
        bool checked = false;
        grid.GetCheckBoxState(real, ARow, checked);
        {
            TCanvas c(&box);
            grid.RenderCheckGlyph(c, {0, 0, side, side}, checked, checked ? 1 : 0, false,
                                  grid.ControlLook().ControlStyle == csFlat ? csFlat : csClassic, false, true);
        }
        stretch(box);
        break;
    }
    case ctNode: {
        // A 2 mm square in the node colour with a minus, or a plus when
        // the node is contracted.
        const int cx = (place.Left + place.Right) / 2;
        const int cy = (place.Top + place.Bottom) / 2;
        const TPen keep = [&] {
            TPen p;
            p.Assign(canvas.Pen());
            return p;
        }();
        canvas.Pen().setColor(grid.CellNode().NodeColor);
        canvas.Pen().setWidth(2);
        canvas.Brush().setStyle(TBrushStyle::bsClear);
        canvas.Rectangle(cx - 10, cy + 10, cx + 10, cy - 10);
        canvas.MoveTo(cx - 6, cy);
        canvas.LineTo(cx + 7, cy);
        if (g.FCellBoolean) {
            canvas.MoveTo(cx, cy + 6);
            canvas.LineTo(cx, cy - 7);
        }
        canvas.Pen().Assign(keep);
        break;
    }
    default:
        break;
    }
}

void TGridPrintEngine::renderCellBorders(int ACol, int ARow, TRect area, int stripLastCol)
{
    TCellBorders flags;
    switch (settings.Borders) {
    case pbSingle:
    case pbDouble:
        flags.set();
        break;
    case pbHorizontal:
    case pbAroundHorizontal:
        flags.set(cbTop).set(cbBottom);
        break;
    case pbVertical:
    case pbAroundVertical:
        flags.set(cbLeft).set(cbRight);
        break;
    default:
        break;
    }
    TPen pen;
    pen.setWidth(1);
    pen.setColor(settings.BorderColor);
    grid.DoGetCellPrintBorder(grid.RealColIndex(ACol), ARow, pen, flags);
    if (flags.none())
        return;
    if (mode == TPrintMode::Print)
        pen.setWidth(std::max(1, int(std::lround(pen.Width() * L))));
    const int usableBottom = H + G;
    if (area.Bottom < usableBottom) {
        area.Bottom = usableBottom;
        flags.reset(cbBottom);
    }
    TPen keep;
    keep.Assign(canvas.Pen());
    canvas.Pen().Assign(pen);
    if (flags.test(cbLeft)) {
        const int x = ACol == stripFirst ? area.Left : area.Left - pen.Width();
        canvas.MoveTo(x, area.Top);
        canvas.LineTo(x, area.Bottom);
    }
    if (flags.test(cbRight)) {
        canvas.MoveTo(area.Right, area.Top);
        canvas.LineTo(area.Right, area.Bottom);
    }
    if (flags.test(cbTop)) {
        canvas.MoveTo(area.Left, area.Top);
        canvas.LineTo(area.Right, area.Top);
    }
    if (flags.test(cbBottom)) {
        canvas.MoveTo(area.Left, area.Bottom);
        canvas.LineTo(area.Right, area.Bottom);
    }
    canvas.Pen().Assign(keep);
    (void)stripLastCol;
}

void TGridPrintEngine::renderCell(int ACol, int ARow, const TRect &cellArea, int rowHeight)
{
    const int real = grid.RealColIndex(ACol);
    TRect area = cellArea;
    // A cell below the usable page (a row taller than the page) is cut there.
    const int usableBottom = H + G;
    const bool cut = area.Bottom < usableBottom;
    if (cut)
        area.Bottom = usableBottom;
    TFont keepFont;
    keepFont.Assign(canvas.Font());
    TBrush keepBrush;
    keepBrush.Assign(canvas.Brush());

    TFont font;
    TBrush brush;
    TColor colorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    cellFont(ACol, ARow, font, brush, colorTo, ha, va, ww);
    QString text = cellText(ACol, ARow);

    // Only a cut cell needs a clip; every other one keeps its text within
    // itself, and clipping each cell would cost a saved state per cell.
    if (cut) {
        canvas.SaveDC();
        canvas.IntersectClipRect(area);
    }
    // The paper is white: a white cell needs no fill.
    const bool plainWhite = ColorToRGB(brush.Color()) == clWhite && !(isColorSet(colorTo) && colorTo != brush.Color());
    if (isColorSet(brush.Color()) && !plainWhite) {
        if (isColorSet(colorTo) && colorTo != brush.Color()) {
            const QRect device = canvas.toDevice(area);
            inDeviceUnits(canvas, [&] {
                FillGradient(canvas, fromQRect(device), brush.Color(), colorTo, 64, TGradientAxis::Vertical);
            });
        } else {
            canvas.Brush().Assign(brush);
            canvas.FillRect(area);
        }
    }

    TRect textArea{area.Left + textInset, area.Top - S8, area.Right - textInset, area.Bottom + S8};
    if (settings.PrintGraphics)
        if (TCellGraphic *g = grid.GetCellGraphic(real, ARow)) {
            if (g->FCellType == ctRadio)
                text.clear();
            renderCellGraphic(ACol, ARow, *g, area, textArea, brush);
        }

    canvas.Brush().setStyle(TBrushStyle::bsClear);
    canvas.Font().Assign(font);
    const TGridAppearance &look = grid.Appearance();
    const unsigned align = ha == taRightJustify ? DT_RIGHT : ha == taCenter ? DT_CENTER : DT_LEFT;
    const unsigned valign = va == vtaBottom ? DT_BOTTOM : va == vtaCenter ? DT_VCENTER : DT_TOP;
    int angle = 0;
    const bool rotated = grid.IsRotated(real, ARow, angle);
    if (GetCellTextKind(text, look.EnableHTML) == ckHtml) {
        renderHtml(text, {textArea.Left, area.Top, textArea.Right, area.Bottom}, font);
    } else if (!text.isEmpty()) {
        const QStringList lines = textLines(text, look.Multilinecells, look.URLShow && !look.URLFull);
        if (ww && settings.NoAutoSize && !rotated) {
            TRect r = textArea;
            canvas.DrawText(text, r, DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP | align);
        } else if (rotated) {
            TFont turned;
            turned.Assign(font);
            // Turned as on screen: the page is drawn upright whatever its
            // orientation (PrinterLandscapeAngle is 90 everywhere).
            turned.setOrientation(angle * 10);
            canvas.Font().Assign(turned);
            // The rotated box placed by the alignments: its corner where the
            // base line starts.
            const double a = angle * std::numbers::pi / 180.0;
            const int w = canvas.TextWidth(lines.first());
            const int h = canvas.TextHeight(QStringLiteral("gh"));
            const int boxW = std::abs(int(std::lround(std::cos(a) * w))) + std::abs(int(std::lround(std::sin(a) * h)));
            const int boxH = std::abs(int(std::lround(std::sin(a) * w))) + std::abs(int(std::lround(std::cos(a) * h)));
            int left = ha == taRightJustify ? textArea.Right - boxW
                       : ha == taCenter     ? (textArea.Left + textArea.Right - boxW) / 2
                                            : textArea.Left;
            int top = va == vtaBottom ? textArea.Bottom + boxH
                      : va == vtaCenter ? (textArea.Top + textArea.Bottom + boxH) / 2
                                        : textArea.Top;
            // The text's origin within its box: turning counter-clockwise
            // lifts the start of the base line to the box's bottom left.
            const int ox = std::sin(a) > 0 ? 0 : int(std::lround(std::abs(std::sin(a)) * h));
            const int oy = std::sin(a) > 0 ? int(std::lround(std::sin(a) * w)) : 0;
            canvas.TextOut(left + ox, top - oy, lines.first());
        } else if (lines.size() == 1) {
            TRect r = textArea;
            canvas.DrawText(lines.first(), r, DT_SINGLELINE | DT_NOPREFIX | align | valign);
        } else {
            const int lineHeight = canvas.TextHeight(QStringLiteral("gh"));
            const int total = lineHeight * int(lines.size());
            int y = textArea.Top;
            const int room = textArea.Top - textArea.Bottom;
            if (va == vtaCenter)
                y -= std::max(0, (room - total) / 2);
            else if (va == vtaBottom)
                y -= std::max(0, room - total);
            for (const QString &line : lines) {
                const int w = canvas.TextWidth(line);
                const int x = ha == taRightJustify ? textArea.Right - w
                              : ha == taCenter     ? (textArea.Left + textArea.Right - w) / 2
                                                   : textArea.Left;
                canvas.TextOut(x, y, line);
                y -= lineHeight;
            }
        }
    }
    canvas.Font().Assign(keepFont);
    canvas.Brush().Assign(keepBrush);

    if (grid.OnCustomCellDraw) {
        const QRect device = canvas.toDevice(area);
        inDeviceUnits(canvas, [&] {
            canvas.Font().Assign(settings.Font);
            grid.OnCustomCellDraw(&grid, canvas, real, ARow, {}, fromQRect(device), true);
        });
        canvas.Font().Assign(keepFont);
    }
    if (cut)
        canvas.RestoreDC(-1);
    renderCellBorders(ACol, ARow, cut ? area : cellArea, stripLast);
    (void)rowHeight;
}

void TExStringGrid::PrintCellContentSize(int ACol, int ARow, TPoint &Size, double Scale, int AvailWidth,
                                         int AvailHeight)
{
    Size = {0, 0};
    const TCellGraphic *g = GetCellGraphic(ACol, ARow);
    if (g == nullptr)
        return;
    const TSize placed = graphicPlacementSize(*g, ACol, ARow);
    switch (g->FCellType) {
    case ctBitmap:
    case ctIcon:
    case ctDataImage:
    case ctImageList:
        Size = {placed.cx, placed.cy};
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        Size = {ControlLook().CheckSize, ControlLook().CheckSize};
        break;
    case ctRadioButton:
        Size = {ControlLook().RadioSize, ControlLook().RadioSize};
        break;
    case ctNode:
        Size = {20, 20};
        break;
    case ctPicture:
    case ctFilePicture: {
        const QSize fitted = g->GetPictureSize(AvailWidth, AvailHeight, true);
        const double scale = Scale > 0 ? Scale : 1.0;
        Size = {int(std::lround(fitted.width() / scale)), int(std::lround(fitted.height() / scale))};
        break;
    }
    case ctProgress:
    case ctXPProgress:
        Size = {ColWidths(DisplColIndex(ACol)), RowHeights(ARow)};
        break;
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * Appearance().XYOffset.Y;
        Size = {side, side};
        break;
    }
    case ctRadio: {
        const TSize radio = radioGroupSize(*g, ACol, ARow);
        Size = {radio.cx, radio.cy};
        if (!g->FCellBoolean) {
            // One line of "gh" per item, without the screen's minimum.
            const QStringList *items = GetRadioStrings(ACol, ARow);
            QImage scratch(1, 1, QImage::Format_ARGB32);
            TCanvas c(&scratch);
            c.Font().Assign(Font());
            Size.Y = c.TextHeight(QStringLiteral("gh")) * int(items ? items->size() : 0);
        }
        break;
    }
    case ctInterface: {
        const TRect whole = CellRect(DisplColIndex(ACol), ARow);
        Size = placed.cx == 0 || placed.cy == 0 ? TPoint{whole.Right - whole.Left, whole.Bottom - whole.Top}
                                                : TPoint{placed.cx, placed.cy};
        break;
    }
    default:
        break;
    }
}

} // namespace controls
