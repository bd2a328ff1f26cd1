#include "controls/dropdown/paint/TextFitting.h"

#include "controls/grid/base/html/DrawHtmlText.h"

namespace controls {

using namespace platform;

QSize MeasureTextSize(TCanvas &canvas, const QString &text)
{
    if (text.isEmpty())
        return {0, 0};
    TRect r = Rect(0, 0, 1000, 500);
    canvas.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Right, r.Bottom};
}

QString FitTextWithEllipsis(TCanvas &canvas, const QString &text, int maxWidth, bool addEllipsis)
{
    if (canvas.TextWidth(text) <= maxWidth)
        return text;
    for (qsizetype n = 1; n <= text.size(); ++n) {
        QString candidate = text.left(text.size() - n);
        if (addEllipsis)
            candidate += QStringLiteral("...");
        if (canvas.TextWidth(candidate) < maxWidth)
            return candidate;
    }
    return text;
}

QSize DrawHtmlCaption(TCanvas &canvas, const QString &text, const TRect &r, const QObject *, bool draw,
                      const TImageList *images)
{
    if (text.isEmpty())
        return {0, 0};
    THtmlDrawParams params;
    params.Images = images;
    params.MeasureOnly = !draw;
    // The drop-downs' fixed rendering colours.
    params.ShadowColor = clGray;
    params.HoverBackColor = clNone;
    params.HoverTextColor = clNone;
    params.AnchorColor = clBlue;
    THtmlDrawResult result;
    DrawHtmlText(canvas, text, r, params, result);
    return {result.MaxLineWidth, result.TotalHeight};
}

} // namespace controls
