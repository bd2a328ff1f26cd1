// The page's header and footer (time, date, page number and title at their
// positions, multi-line and mini-HTML titles), the borders around the
// printed block and the start of the next page.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/PrintEngine.h"

#include <QDateTime>

#include <array>
#include <cmath>

namespace controls {

using namespace platform;

namespace {

bool isLeft(TPrintPosition p) { return p == ppTopLeft || p == ppBottomLeft; }

// A part joined into a position's text: in front at the left positions,
// behind elsewhere, with a blank between (also when the text was empty).
void joinInto(std::array<QString, 7> &texts, TPrintPosition p, const QString &part)
{
    QString &text = texts[std::size_t(p)];
    text = isLeft(p) ? part + u' ' + text : text + u' ' + part;
}

// A date format in the grid's letters ("dd/mm/yyyy": m months, n minutes)
// as Qt writes it.
QString qtFormat(const QString &format)
{
    QString out = format;
    for (QChar &c : out) {
        if (c == u'm')
            c = u'M';
        else if (c == u'n')
            c = u'm';
    }
    return out;
}

} // namespace

QString JoinWithSpace(const QString &A, const QString &B)
{
    if (B.isEmpty())
        return A;
    if (A.isEmpty())
        return B;
    return A + u' ' + B;
}

QString TGridPrintEngine::PrintPageNumberText()
{
    QString text;
    int pageNum = P + 1;
    if (stripsSplit) {
        pageNum = rowPageInStrip + 1;
        text = QString::number(pageNum) + u'-' + QString::number(stripNumber + 1);
    } else {
        text = QString::number(std::int64_t(P) + settings.PageNumberOffset + 1);
        // The total is known only after a count (not with FastPrint).
        if (!settings.PageNumSep.isEmpty() && !grid.FastPrint && st.PageNum > 1)
            text += settings.PageNumSep + QString::number(std::int64_t(st.PageNum) + settings.MaxPagesOffset);
    }
    grid.DoPrintGetPageNum(pageNum, stripNumber + 1, text);
    return text;
}

int TGridPrintEngine::RenderPrintHeaderFooter()
{
    if (!drawing() || !pageInRange())
        return 0;
    std::array<QString, 7> texts;
    const QDateTime now = grid.PrintClock ? grid.PrintClock() : QDateTime::currentDateTime();
    if (settings.Time != ppNone)
        joinInto(texts, settings.Time, now.toString(QStringLiteral("hh:mm")));
    if (settings.Date != ppNone)
        joinInto(texts, settings.Date, now.date().toString(qtFormat(settings.DateFormat)));
    if (settings.PageNr != ppNone)
        joinInto(texts, settings.PageNr, settings.PagePrefix + u' ' + PrintPageNumberText() + u' ' + settings.PageSuffix);
    QString htmlTitle;
    const QStringList &lines = settings.TitleLines;
    const bool titleTop = isTopPosition(settings.Title);
    if (settings.Title != ppNone) {
        if (!settings.TitleText.isEmpty()) {
            joinInto(texts, settings.Title, settings.TitleText);
        } else if (!lines.isEmpty()
                   && GetCellTextKind(lines.join(QString()), grid.Appearance().EnableHTML) == ckHtml) {
            htmlTitle = lines.join(QString());
        } else if (!lines.isEmpty()) {
            QString &text = texts[std::size_t(settings.Title)];
            text = isLeft(settings.Title) ? JoinWithSpace(lines.first(), text) : JoinWithSpace(text, lines.first());
        }
    }
    TFont keepFont;
    keepFont.Assign(canvas.Font());
    TBrush keepBrush;
    keepBrush.Assign(canvas.Brush());
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    const bool moreLines = settings.TitleText.isEmpty() && lines.size() > 1 && htmlTitle.isEmpty();
    const auto xOf = [&](TPrintPosition p, const QString &text) {
        const int w = canvas.TextWidth(text);
        if (p == ppTopLeft || p == ppBottomLeft)
            return settings.LeftSize;
        if (p == ppTopRight || p == ppBottomRight)
            return W - w - settings.RightSize - 20;
        return (W - w) / 2;
    };

    setPrintFont(settings.HeaderFont);
    const int yh = -settings.HeaderSize;
    for (TPrintPosition p : {ppTopLeft, ppTopRight, ppTopCenter})
        if (!texts[std::size_t(p)].isEmpty())
            canvas.TextOut(xOf(p, texts[std::size_t(p)]), yh, texts[std::size_t(p)]);
    const int gh = canvas.TextHeight(QStringLiteral("gh"));
    if (titleTop && moreLines)
        for (qsizetype i = 1; i < lines.size(); ++i)
            canvas.TextOut(xOf(settings.Title, lines[i]), yh - int(i) * gh, lines[i]);
    int htmlHeight = 0;
    if (!htmlTitle.isEmpty()) {
        // Laid out in screen pixels at the header font's size and put on
        // the page as a picture.
        QImage scratch(1, 1, QImage::Format_ARGB32);
        TCanvas screen(&scratch);
        screen.Font().Assign(settings.HeaderFont);
        THtmlDrawParams params;
        params.MeasureOnly = true;
        THtmlDrawResult measured;
        const int pixelWidth = std::max(1, int(std::lround((W - settings.LeftSize) / L)));
        DrawHtmlText(screen, htmlTitle, {0, 0, pixelWidth, 0xFFFF}, params, measured);
        const int pixelHeight = std::max(1, measured.TotalHeight);
        QImage picture(pixelWidth, pixelHeight, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            TCanvas c(&picture);
            c.Font().Assign(settings.HeaderFont);
            THtmlDrawParams draw;
            draw.AnchorColor = grid.Appearance().URLColor;
            THtmlDrawResult result;
            DrawHtmlText(c, htmlTitle, {0, 0, pixelWidth, pixelHeight}, draw, result);
        }
        const int height = int(std::lround(pixelHeight * L));
        if (titleTop) {
            canvas.StretchImage({settings.LeftSize, -settings.HeaderSize, W, -settings.HeaderSize - height}, picture);
            htmlHeight = height;
        } else {
            canvas.StretchImage({settings.LeftSize, H + settings.FooterSize + height, W, H + settings.FooterSize},
                                picture);
        }
    }

    setPrintFont(settings.FooterFont);
    const int yf = H + settings.FooterSize + S8 + footerLineHeight;
    for (TPrintPosition p : {ppBottomLeft, ppBottomRight, ppBottomCenter})
        if (!texts[std::size_t(p)].isEmpty())
            canvas.TextOut(xOf(p, texts[std::size_t(p)]), yf, texts[std::size_t(p)]);
    if (isBottomPosition(settings.Title) && moreLines) {
        const int fh = canvas.TextHeight(QStringLiteral("gh"));
        for (qsizetype i = 1; i < lines.size(); ++i)
            canvas.TextOut(xOf(settings.Title, lines[i]), yf - int(i) * fh, lines[i]);
    }
    canvas.Font().Assign(keepFont);
    canvas.Brush().Assign(keepBrush);
    return htmlHeight;
}

void TGridPrintEngine::DrawPrintBlockBorders(int C1, int C2, int Yb)
{
    if (!drawing() || !pageInRange())
        return;
    const int x0 = repeatFixedCols ? st.Indents[0] : st.Indents[std::size_t(C1)];
    const int x1 = st.Indents[std::size_t(C2 + 1)];
    const int top = -E - settings.TitleSpacing;
    const int bottom = Yb + S8 / 2;
    const TPrintBorders b = settings.Borders;
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        const TPoint frame[] = {{x0, top}, {x1, top}, {x1, bottom}, {x0, bottom}, {x0, top}};
        canvas.Polyline(frame);
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) {
        canvas.MoveTo(x0, bottom);
        canvas.LineTo(x1, bottom);
    }
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && repeatFixedCols)
        for (int i = 0; i < grid.FixedCols(); ++i) {
            canvas.MoveTo(st.Indents[std::size_t(i)], top);
            canvas.LineTo(st.Indents[std::size_t(i)], bottom);
        }
}

void TGridPrintEngine::StartNextPrintPage()
{
    if (P + 2 < st.PageFrom || P + 2 > st.PageTo || !drawing())
        return;
    if (mode == TPrintMode::Print && P + 1 >= st.PageFrom && grid.Printer)
        grid.Printer->NewPage();
    // A new page resets the device's mapping; the pen and fonts stay ours.
    canvas.SetMapMode(MM_LOMETRIC);
    if (grid.OnPrintPage)
        grid.OnPrintPage(&grid, canvas, P + 2, W, H);
}

} // namespace controls
