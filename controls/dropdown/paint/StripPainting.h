#pragma once
// The painting of the popup's header and footer strips, their buttons and
// the selected items of the lists in the popups, on any canvas, so that
// the string grid's look paints with them too.
#include "controls/dropdown/core/DropDownTypes.h"
#include "controls/dropdown/paint/PopupAppearance.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <vector>

class QObject;

namespace controls {

// The strip's gradient or solid background and its border: the line
// between the strip and the popup's control, and, when the popup draws no
// border of its own (ownEdges), the three outer edges too.
void DrawStripBackground(platform::TCanvas &canvas, const platform::TRect &r, const TStripAppearance &appearance,
                         bool footer, bool ownEdges);

// The image and the mini-HTML caption inside the border, the caption
// ending at textRight and centred up and down.
void DrawStripCaption(platform::TCanvas &canvas, const platform::TRect &r, const TStripAppearance &appearance,
                      const QString &caption, int textRight, const platform::TImageList *images,
                      const QObject *window);

// Six dots pointing to the bottom-right corner of grip.
void DrawSizeGrip(platform::TCanvas &canvas, const platform::TRect &grip, platform::TColor borderColor);

// The area the buttons of a strip line up in.
platform::TRect StripButtonArea(const platform::TRect &client, bool footer, bool gripShown);

// The left edges of buttons of the given widths lined up in the area from
// its right (baRight, in list order leftwards) or its left.
std::vector<int> ArrangeStripButtons(const platform::TRect &area, const std::vector<int> &widths,
                                     TButtonAlignment alignment);

enum class TExButtonState : std::uint8_t { Up, Hot, Down, Disabled };

// The face of a header or footer button in the colours of its state.
void DrawExButtonFace(platform::TCanvas &canvas, const platform::TRect &r, const TExButtonAppearance &appearance,
                      TExButtonState state);

// A selected item in the colours of a selection style: a plain rectangle
// of selectionColor for scCustom, a rounded face for the others.
void DrawSelectionFace(platform::TCanvas &canvas, const platform::TRect &r, TSelectionColorStyle style,
                       platform::TColor selectionColor, platform::TColor selectionColorTo, int partKind,
                       platform::TColor cornerColor);

} // namespace controls
