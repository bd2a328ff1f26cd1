// The cell objects that are not pictures or check boxes: progress bars and
// pies, range indicators, comments and text markers, shapes, ratings,
// in-cell scroll bars, buttons, balloons, expand buttons and the
// application's painter objects. Colours and sizes ride in the graphic's
// pointer fields; the payloads that are real objects (a bit button's
// glyph made here, a balloon's texts) are owned by the graphic.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridCellPainter.h"
#include "controls/grid/view/GridAppearance.h"

#include <QImage>
#include <QStringList>

#include <cstdint>

namespace controls {

using platform::TColor;
using platform::TRect;

namespace {

void *colorField(TColor color) { return reinterpret_cast<void *>(std::uintptr_t(std::uint32_t(color))); }

TCellGraphic *ofKind(TCellGraphic *g, TCellType kind) { return g && g->FCellType == kind ? g : nullptr; }

} // namespace

// --- progress bars, pies and range indicators -------------------------------------------------------------

void TExStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                         TColor BKTextColor, const QString &Fmt, int Min, int Max)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctProgress;
    g->FCellHAlign = haLeft;
    g->FCellVAlign = vaTop;
    g->setCellBitmap(colorField(FGColor));
    g->setCellIcon(colorField(BKColor));
    g->FCellIndex = int(FGTextColor);
    g->FCellAngle = int(BKTextColor);
    g->FCellBoolean = true;
    g->FCellErrFrom = Min;
    g->FCellErrLen = Max;
    g->FCellText = Fmt;
    if (Appearance().AutoNumAlign)
        setAlignments(ACol, ARow, taRightJustify);
}

void TExStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TExStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressEx(ACol, ARow, FGColor, 0, BKColor, 0);
    // Without text colours each text takes the inverse of the colour under it.
    if (TCellGraphic *g = ofKind(graphicOf(ACol, ARow), ctProgress)) {
        g->FCellIndex = 0;
        g->FCellAngle = 0;
        g->FCellBoolean = false;
    }
}

void TExStringGrid::AddExProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctXPProgress;
    g->FCellHAlign = haLeft;
    g->FCellVAlign = vaTop;
    g->FCellErrFrom = Min;
    g->FCellErrLen = Max;
    g->FCellBoolean = false;
    g->FCellText.clear();
}

void TExStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctProgressPie;
    g->FCellHAlign = haBeforeText;
    g->FCellVAlign = vaTop;
    g->setCellBitmap(colorField(Color));
    g->FCellAngle = Value;
}

void TExStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    if (TCellGraphic *g = ofKind(graphicOf(ACol, ARow), ctProgressPie)) {
        g->FCellAngle = Value;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

void TExStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctRangeIndicator;
    g->FCellHAlign = haLeft;
    g->FCellVAlign = vaTop;
    g->FCellIndex = Range;
    g->setCellBitmap(colorField(NegColor));
    g->setCellIcon(colorField(PosColor));
    g->FCellBoolean = ShowValue;
}

// --- comments and markers ---------------------------------------------------------------------------------

void TExStringGrid::AddColorComment(int ACol, int ARow, const QString &Comment, TColor Color)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctComment;
    g->FCellHAlign = haLeft;
    g->FCellVAlign = vaTop;
    g->FCellText = Comment;
    g->FCellIndex = int(Color);
}

void TExStringGrid::AddComment(int ACol, int ARow, const QString &Comment)
{
    AddColorComment(ACol, ARow, Comment, ControlLook().CommentColor);
}

bool TExStringGrid::IsComment(int ACol, int ARow, QString &comment)
{
    const TCellGraphic *g = ofKind(graphicOf(ACol, ARow), ctComment);
    if (g)
        comment = g->FCellText;
    return g != nullptr;
}

QString TExStringGrid::CellComment(int ACol, int ARow)
{
    QString comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExStringGrid::setCellComment(int ACol, int ARow, const QString &Value)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g)
        AddComment(ACol, ARow, Value);
    else if (g->FCellType == ctComment)
        g->FCellText = Value;
}

void TExStringGrid::RemoveAllComments()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveComment(c, r);
}

void TExStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g) {
        g = AttachNewCellGraphic(ACol, ARow);
        if (!g)
            return;
        g->FCellType = ctEmpty;
    }
    g->FCellErrFrom = ErrPos;
    g->FCellErrLen = ErrLen;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::GetMarker(int ACol, int ARow, int &ErrPos, int &ErrLen)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    ErrPos = g ? g->FCellErrFrom : 0;
    ErrLen = g ? g->FCellErrLen : 0;
}

void TExStringGrid::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g)
        return;
    if (g->FCellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->FCellErrFrom = 0;
    g->FCellErrLen = 0;
}

void TExStringGrid::RemoveAllMarkers()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveMarker(c, r);
}

// --- shapes and ratings -----------------------------------------------------------------------------------

void TExStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                             TCellVAlign val)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctShape;
    g->FCellAngle = Shape;
    g->FCellIndex = int(FillColor);
    g->setCellBitmap(colorField(LineColor));
    g->FCellHAlign = hal;
    g->FCellVAlign = val;
}

void TExStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (GetCellType(ACol, ARow) == ctShape)
        graphicOf(ACol, ARow)->FCellIndex = int(FillColor);
}

TColor TExStringGrid::GetShapeColor(int ACol, int ARow)
{
    const TCellGraphic *g = ofKind(graphicOf(ACol, ARow), ctShape);
    return g ? TColor(g->FCellIndex) : platform::clNone;
}

void TExStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctRating;
    g->FCellAngle = Scale;
    g->FCellHAlign = haFull;
    g->FCellIndex = int(FillColor);
    g->setCellBitmap(colorField(EmptyColor));
}

bool TExStringGrid::DoRatingChange(int ACol, int ARow, double &NewRate)
{
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

// --- in-cell scroll bars ----------------------------------------------------------------------------------

// The scroll-bar graphic of a merged area's base cell. Every cell write asks
// this, so it reads the cell's own object and never the shared row check box.
TCellGraphic *TExStringGrid::scrollBarOf(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TGridCoord base = BaseCell(ACol, ARow);
    return ofKind(graphicOf(base.X, base.Y), ctScrollbar);
}

void TExStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctScrollbar;
    g->FCellAngle = 0;
    g->FCellErrFrom = 100;
    g->FCellIndex = 0;
    g->FCellBoolean = AutoRange;
    if (AutoRange)
        CellTextChanged(ACol, ARow);
}

bool TExStringGrid::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const TCellGraphic *g = scrollBarOf(ACol, ARow);
    return g && g->FCellBoolean;
}

void TExStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    if (TCellGraphic *g = scrollBarOf(ACol, ARow)) {
        g->FCellIndex = Pos;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

int TExStringGrid::GetScrollPosition(int ACol, int ARow)
{
    const TCellGraphic *g = scrollBarOf(ACol, ARow);
    return g ? g->FCellIndex : -1;
}

void TExStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    if (TCellGraphic *g = scrollBarOf(ACol, ARow)) {
        g->FCellAngle = Prop.PageSize;
        g->FCellErrFrom = Prop.Range;
    }
}

TScrollProp TExStringGrid::GetScrollProp(int ACol, int ARow)
{
    const TCellGraphic *g = scrollBarOf(ACol, ARow);
    return g ? TScrollProp{g->FCellAngle, g->FCellErrFrom} : TScrollProp{-1, -1};
}

void TExStringGrid::updateAutoRangeScrollBar(int ACol, int ARow)
{
    if (!HasAutoRangeScrollBar(ACol, ARow))
        return;
    // The text as painted: wrapped in the cell less the bar.
    SetScrollProp(ACol, ARow, TScrollProp{RowHeights(ARow), GetCellTextSize(ACol, ARow, true, true).cy});
}

// --- buttons ----------------------------------------------------------------------------------------------

void TExStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellHAlign hal,
                              TCellVAlign val)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetButton(bw, bh, Caption, hal, val);
}

void TExStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption, QImage *Glyph,
                                 TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

QImage *TExStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellHAlign hal,
                                       TCellVAlign val)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    QImage *glyph = g->adopt(std::make_unique<QImage>());
    g->SetBitButton(bw, bh, Caption, glyph, hal, val);
    g->FCellCreated = true;
    return glyph;
}

void TExStringGrid::SetButtonText(int ACol, int ARow, const QString &Caption)
{
    if (TCellGraphic *g = graphicOf(RealColIndex(ACol), ARow)) {
        g->FCellText = Caption;
        RepaintCell(ACol, ARow);
    }
}

QString TExStringGrid::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic *g = graphicOf(RealColIndex(ACol), ARow);
    return g ? g->FCellText : QString();
}

void TExStringGrid::PushButton(int ACol, int ARow, bool push)
{
    TCellGraphic *g = graphicOf(RealColIndex(ACol), ARow);
    if (!g || g->FCellType == ctNode)
        return;
    g->FCellBoolean = push;
    RepaintCell(ACol, ARow);
}

TRect TExStringGrid::GetCellButtonRect(int ACol, int ARow)
{
    const TCellGraphic *g = graphicOf(RealColIndex(ACol), ARow);
    if (!g)
        return {0, 0, 0, 0};
    const TRect R = CellRect(ACol, ARow);
    // Painting keeps the button's offset in the cell, y high and x low.
    const double value = g->FCellValue;
    const std::uint32_t packed = value > 0 && value < 4294967296.0 ? std::uint32_t(value + 0.5) : 0;
    const std::uint32_t size = std::uint32_t(g->FCellIndex);
    TRect b;
    b.Left = R.Left + int(packed & 0xFFFF);
    b.Top = R.Top + int(packed >> 16);
    b.Right = b.Left + int(size & 0xFFFF);
    b.Bottom = b.Top + int(size >> 16);
    if (g->FCellVAlign == vaFull) {
        b.Top = R.Top;
        b.Bottom = R.Bottom;
    }
    if (g->FCellHAlign == haFull) {
        b.Left = R.Left;
        b.Right = R.Right;
    }
    return b;
}

void TExStringGrid::RemoveButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctButton);
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveAllButtons()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (HasButton(c, r))
                RemoveButton(c, r);
}

void TExStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

// --- balloons ---------------------------------------------------------------------------------------------

namespace {

bool carriesBalloon(TCellType kind) { return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadioButton; }

} // namespace

void TExStringGrid::AddBalloon(int ACol, int ARow, const QString &Title, const QString &Text, TBalloonIcon Icon)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (g && carriesBalloon(g->FCellType)) {
        g->FCellAngle = 1;
    } else if (!g) {
        g = AttachNewCellGraphic(ACol, ARow);
        if (!g)
            return;
        g->FCellType = ctBalloon;
        g->FCellAngle = 0;
    } else {
        return;
    }
    g->FCellIndex = Icon;
    g->setCellBitmap(g->adopt(std::make_unique<QStringList>(QStringList{Title, Text})));
}

void TExStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (g && carriesBalloon(g->FCellType) && g->FCellAngle == 1) {
        g->dropOwned();
        g->setCellBitmap(nullptr);
        g->FCellAngle = 0;
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExStringGrid::IsBalloon(int ACol, int ARow, QString &Title, QString &Text, TBalloonIcon &Icon)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g || !(g->FCellType == ctBalloon || (carriesBalloon(g->FCellType) && g->FCellAngle == 1))
        || !g->CellBitmap())
        return false;
    const auto *lines = static_cast<const QStringList *>(g->CellBitmap());
    Title = lines->value(0);
    Text = lines->value(1);
    Icon = TBalloonIcon(g->FCellIndex);
    return true;
}

// --- expand buttons ---------------------------------------------------------------------------------------

namespace {

TCellGraphic *baseGraphic(TExStringGrid &grid, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TGridCoord base = grid.BaseCell(ACol, ARow);
    return grid.GetCellGraphic(base.X, base.Y);
}

} // namespace

void TExStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->FCellType = ctExpand;
    g->FCellAngle = ExpandedHeight;
    g->FCellIndex = RowHeights(ARow);
    g->FCellVar = false;
}

bool TExStringGrid::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic *g = baseGraphic(*this, ACol, ARow);
    if (!g)
        return false;
    g->FCellVar = !g->FCellVar.toBool();
    return g->FCellVar.toBool();
}

bool TExStringGrid::GetExpandState(int ACol, int ARow)
{
    const TCellGraphic *g = baseGraphic(*this, ACol, ARow);
    return g && g->FCellVar.toBool();
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TCellGraphic *g = baseGraphic(*this, ACol, ARow);
    if (!g)
        return DefaultRowHeight();
    return Expanded ? g->FCellAngle : g->FCellIndex;
}

TRect TExStringGrid::GetExpandButtonRect(int ACol, int ARow)
{
    if (GetCellType(RealColIndex(ACol), ARow) != ctExpand)
        return {0, 0, 0, 0};
    const TRect R = CellRect(ACol, ARow);
    return {R.Right - 13, R.Top + 2, R.Right - 2, R.Top + 13};
}

void TExStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
    setRowHeights(ARow, GetExpandHeight(RealColIndex(ACol), ARow, Expanded));
}

// --- the application's painter objects --------------------------------------------------------------------

void TExStringGrid::AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent *AObject)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetInterfacedCell(AObject);
}

TInterfacedPersistent *TExStringGrid::GetInterfacedCell(int ACol, int ARow)
{
    const TCellGraphic *g = ofKind(graphicOf(ACol, ARow), ctInterface);
    return g ? static_cast<TInterfacedPersistent *>(g->CellBitmap()) : nullptr;
}

} // namespace controls
