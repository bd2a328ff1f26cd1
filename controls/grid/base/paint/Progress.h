#pragma once
// Progress bars and indicators in cells: a level-coloured bar of blocks or
// areas, a bar over a range with a formatted text, a bar from the middle
// for signed values, and a pie. Percentages are held to 0..100; an empty
// range or a zero maximum draws an empty bar.
#include "platform/draw/Canvas.h"

#include <QString>

namespace controls {

// What the string grid's progress appearance settings say, with their
// defaults.
struct TProgressAppearance {
    platform::TColor Level0Color = 0x00FF00;
    platform::TColor Level0ColorTo = 0xE1FFE1;
    platform::TColor Level1Color = 0x00FFFF;
    platform::TColor Level1ColorTo = 0xCAFFFF;
    platform::TColor Level2Color = 0x53A9FF;
    platform::TColor Level2ColorTo = 0xA8D3FF;
    platform::TColor Level3Color = 0x0000FF;
    platform::TColor Level3ColorTo = 0xCACAFF;
    int Level1Perc = 70; // from here the second level
    int Level2Perc = 90; // from here the third
    platform::TColor BorderColor = platform::clBlack;
    bool ShowBorder = false;
    bool Stacked = false; // each level's part in its own colours
    bool ShowPercentage = true;
    platform::TFont Font;
    platform::TColor CompleteFontColor = platform::clBlue;
    bool CompletionSmooth = true; // one area instead of blocks
    bool ShowGradient = true;
    int Steps = 11;
    platform::TColor UnCompleteFontColor = platform::clWindowText; // not drawn with
    platform::TColor UnCompleteColor = platform::clNone; // the grid passes its own colour for none
    bool Vertical = false; // filled from the bottom up
};

void DrawCellProgress(platform::TCanvas &canvas, const platform::TRect &rect, int percent,
                      const TProgressAppearance &appearance);

struct TRangeProgress {
    platform::TColor FillColor = platform::clHighlight;
    platform::TColor FillTextColor = platform::clHighlightText;
    platform::TColor EmptyColor = platform::clWindow;
    platform::TColor EmptyTextColor = platform::clWindowText;
    double Position = 0;
    double Minimum = 0;
    double Maximum = 100;
    int MarginX = 0;
    int MarginY = 0;
    // Applied to Position, rounded when it holds "d" or "u" (platform/Format.h);
    // empty: the rounded position, taken as the percentage, and "%".
    QString Format;
    platform::TColor BorderColor = platform::clNone;
    // The text's top at the middle instead of its middle.
    bool TextBelowMiddle = false;
};

// The text a range bar shows and the percentage it fills.
struct TRangeProgressText {
    QString text;
    int percent = 0;
};
TRangeProgressText rangeProgressText(const TRangeProgress &progress);

void DrawRangeProgress(platform::TCanvas &canvas, const platform::TRect &rect, const TRangeProgress &progress);

// A bar from the middle of the rectangle (less 2 pixels each side) over
// round(half width * value / maximum) pixels, to the right for positive
// values, to the left for negative ones; the value is held to
// -maximum..maximum. With showValue the value is written over it, centred,
// on a transparent background.
void DrawCenteredBar(platform::TCanvas &canvas, const platform::TRect &rect, int value, int maximum, bool showValue,
                     platform::TColor negativeColor, platform::TColor positiveColor);

// A grey circle with a radius up and one at percent of a full turn
// clockwise, the part between filled in the colour from a seed just right
// of the upper radius, two pixels below the top (above with seedAbove).
void DrawProgressPie(platform::TCanvas &canvas, const platform::TRect &rect, platform::TColor color, int percent,
                     bool seedAbove);

} // namespace controls
