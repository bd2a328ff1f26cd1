#pragma once
// Drawing the analogue clock on a canvas: the dial's background, marks,
// numbers and AM/PM box (the parts the clock caches), the hands over them,
// and the frames of the AM/PM box rolling to the other half of the day.
// Each step draws nothing on a missing canvas.
#include "controls/dropdown/WatchAppearance.h"
#include "controls/dropdown/core/WatchModel.h"
#include "platform/draw/Bitmap.h"

#include <QRect>
#include <QSize>

namespace controls {

struct TWatchScene {
    const TWatchAppearance &appearance;
    QSize client;
    bool showAMPM = true;
    bool showNumbers = true;
    bool am = true;
    TWatchTime time;
    // Auto mode with Second.
    bool secondHand = false;
};

// The AM/PM box, measured in the AM/PM font: (-1, -1, -1, -1) when hidden.
QRect watchAmPmBox(const TWatchAppearance &appearance, QSize client, bool shown);

void DrawBackground(platform::TCanvas *canvas, const TWatchScene &scene);
void DrawTickMarks(platform::TCanvas *canvas, const TWatchScene &scene);
void DrawNumbers(platform::TCanvas *canvas, const TWatchScene &scene);
void DrawAMPM(platform::TCanvas *canvas, const TWatchScene &scene);
void DrawHands(platform::TCanvas *canvas, const TWatchScene &scene);
// Background, marks, numbers and the AM/PM box: what the cache holds.
void DrawDialInto(platform::TCanvas *canvas, const TWatchScene &scene);

// The roll's strip: "AM" over "PM" on the box's fill, each the inner box's
// size.
platform::TBitmap makeAmPmStrip(const TWatchAppearance &appearance, QSize inner);
// One frame of the roll: rows y .. y + h of the strip in the box, framed.
void DrawAmPmRollFrame(platform::TCanvas &canvas, const TWatchAppearance &appearance, const QRect &box,
                       const platform::TBitmap &strip, int y);

} // namespace controls
