#pragma once
// DrawHtmlText lays out the small HTML subset of cell texts, hints, headers,
// footers and drop-down captions in a rectangle and, in the same call, draws
// it, measures it, or finds what lies under a point.
//
// The subset: <B> <I> <U> <S> bold, italic, underline, strike-out; <FONT
// FACE COLOR BGCOLOR SIZE>; <P ALIGN INDENT BGCOLOR>; <BR> <HR>; <A HREF
// TITLE> anchors; <SUB> <SUP>; <SHAD> shadowed text; <E> an error wave;
// <HI> highlight; <Z> hidden text; <BLINK>; <UL> <LI> lists; <IND x> a tab
// position; <R a> rotated text; <IMG SRC WIDTH HEIGHT ALIGN ALT>; <CONTROL
// TYPE ID VALUE WIDTH HEIGHT> form fields; <BODY BGCOLOR BACKGROUND>; the
// entities &amp; &quot; &lt; &gt; &nbsp; &sect; &permil; &reg; &copy;
// &para; &trade; &euro;. There is no stack of open tags: a closing tag
// restores the value it saved, or the canvas font's.
//
// A single "&" in the text underlines the next character and "&&" draws one
// ampersand, as DrawText's prefix does.
#include "controls/grid/base/html/PictureContainer.h"

#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QString>

namespace controls {

enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

struct THtmlDrawParams {
    // Images of "IDX:n" sources.
    const platform::TImageList *Images = nullptr;
    // The point to test, in canvas coordinates.
    int HitX = -1;
    int HitY = -1;
    // The anchor that gets the focus rectangle, from 0; -1 for none.
    int FocusAnchorIndex = -1;
    // The hovered anchor, from 1 (with HoverOnly).
    int HoverAnchorIndex = -1;
    int ShadowOffset = 1;
    // Paint nothing, only answer the hit test; ControlID then names the
    // control whose rectangle is wanted wherever the point is.
    bool HitTestOnly = false;
    // Only lay out: nothing is painted and the result is false.
    bool MeasureOnly = false;
    // Image-list and system icons drawn scaled by ImageScale.
    bool ScaleImages = false;
    // Anchor and FONT colours are not applied.
    bool KeepColors = false;
    // The phase of BLINK text: hidden (drawn in the entry brush colour) when false.
    bool BlinkVisible = true;
    // Only the anchor HoverAnchorIndex is underlined in the hover colours.
    bool HoverOnly = false;
    // Break lines between words; without it a line too long ends in "...".
    bool WordWrap = true;
    // The mouse button is down: the hot BUTTON control looks pressed.
    bool MouseDown = false;
    double ImageScale = 1.0;
    platform::TColor AnchorColor = platform::clBlue;
    platform::TColor HoverBackColor = platform::clNone;
    platform::TColor HoverTextColor = platform::clNone;
    platform::TColor ShadowColor = platform::clGray;
    // Given back in the result's HitAnchor unless the call finds something else.
    QString HitAnchor;
    QString ControlID;
    THTMLPictureCache *PictureCache = nullptr;
    const TPictureContainer *PictureContainer = nullptr;
    TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
};

struct THtmlDrawResult {
    // The reference of the anchor under the point, or "ctrl" for a control;
    // valid when DrawHtmlText returned true.
    QString HitAnchor;
    // The text without its tags, as laid out: lines end with CR.
    QString PlainText;
    // The reference of the focused anchor (when drawing).
    QString FocusAnchorHref;
    QString HitAnchorTitle;
    int MaxLineWidth = 0;
    // The sum of the line heights; the height of "gh" for a text without lines.
    int TotalHeight = 0;
    int AnchorCount = 0;
    // From 1; -1 when no anchor is under the point.
    int HitAnchorIndex = -1;
    platform::TRect HitAnchorRect;
    platform::TRect HitControlRect;
    // The control under the point (or named by ControlID with HitTestOnly).
    QString ControlID;
    QString ControlValue;
    QString ControlType; // upper case
};

// True when the point lies on anchor text (answered with HitTestOnly only),
// on an image inside an anchor, or on a control. The canvas's font, pen and
// brush come back as they were; its background mode stays transparent.
bool DrawHtmlText(platform::TCanvas &Canvas, const QString &Text, const platform::TRect &Rect,
                  const THtmlDrawParams &Params, THtmlDrawResult &Result);

} // namespace controls
