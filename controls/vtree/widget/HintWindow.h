#pragma once
// The tree's pop-up text over a node: the application's hint for the node,
// or the node's own text when its cell clips it. The window measures itself
// from the hint data the tree fills in, stays on the desktop, and draws the
// text whole or fades or slides it in, step by step on the tree's
// animation timer.
#include "controls/vtree/TreeColumns.h"
#include "controls/vtree/TreeEvents.h"
#include "controls/vtree/widget/TreeLooks.h"
#include "platform/draw/GraphicsObjects.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace vtree {

class TLazyStringTreeWidget;

struct TLTHintData {
    TLazyStringTreeWidget *Tree = nullptr;
    PLazyNode Node = nullptr;
    TColumnIndex Column = NoColumn;
    // The size an owner-drawn hint asked for.
    QRect HintRect;
    QString DefaultHint;
    QString HintText;
    TBiDiMode BidiMode = TBiDiMode::bdLeftToRight;
    TAlignment Alignment = TAlignment::taLeftJustify;
    TLTTooltipLineBreakStyle LineBreakStyle = TLTTooltipLineBreakStyle::hlbDefault;
};

// What the tree decides for a hint at a cursor position: where the hint
// goes, the area within which it stays valid, the text of the platform's
// plain hint, and the tree's data for its own window (nil: no tree hint).
struct TLTHintInfo {
    QPoint CursorPos;  // client coordinates
    QRect CursorRect;  // client coordinates
    QPoint HintPos;    // screen coordinates
    QString HintStr;
    int HintMaxWidth = 0;
    const TLTHintData *HintData = nullptr;
};

// The hint window's rectangle moved, where it would leave the desktop, back
// onto it: first bottom and right, then top and left, so that a window
// larger than the desktop shows its top-left corner.
QRect keepHintOnDesktop(QRect Window, const QRect &Desktop);

class TLazyTreeHintWindow : public QWidget {
public:
    explicit TLazyTreeHintWindow(QWidget *parent);

    // The window's size for the data, placed with its top-left corner at
    // (-1, -1) of the hint position; empty for no hint.
    QRect CalcHintRect(int MaxWidth, const TLTHintData &Data);
    // Shows the window at Rect (screen) kept on Desktop, drawn whole or
    // animated. CursorPos (the tree's client coordinates) must still lie
    // in the tree's hint area, or the hint is cancelled.
    void ActivateHint(QRect Rect, QPoint CursorPos, const QRect &Desktop);
    // One step of the fade or slide; false ends the animation.
    bool AnimationStep(int Step, int StepSize);
    void RenderHint(int Step, int StepSize);
    const TLTHintData &HintData() const { return FHintData; }
    // What the window shows now, and the hint fully drawn.
    const QImage &Frame() const { return FFrame; }
    const QImage &DrawBuffer() const { return FDrawBuffer; }
    int TextHeight() const { return FTextHeight; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool isTooltip() const;
    // False when the tree went away while the hint was drawn.
    bool drawHint(QImage &Buffer);

    TLTHintData FHintData;
    QImage FBackground;
    QImage FDrawBuffer;
    QImage FFrame;
    platform::TFont FFont;
    int FTextHeight = 0;
};

} // namespace vtree
