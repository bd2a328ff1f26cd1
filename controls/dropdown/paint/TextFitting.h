#pragma once
// Measuring and fitting captions, and the HTML captions of the popup's
// header, footer and items.
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QSize>
#include <QString>

class QObject;

namespace controls {

// The size of the text on one line in the canvas's font; 0 x 0 when empty.
QSize MeasureTextSize(platform::TCanvas &canvas, const QString &text);

// The text as it is when it fits in maxWidth, else its longest beginning
// narrower than maxWidth (followed by "..." with addEllipsis); when even
// the shortest does not fit, the whole text.
QString FitTextWithEllipsis(platform::TCanvas &canvas, const QString &text, int maxWidth, bool addEllipsis);

// Renders the mini-HTML text into r (only measures it unless draw) and
// gives its width and height; 0 x 0 for an empty text.
QSize DrawHtmlCaption(platform::TCanvas &canvas, const QString &text, const platform::TRect &r, const QObject *window,
                      bool draw, const platform::TImageList *images);

} // namespace controls
