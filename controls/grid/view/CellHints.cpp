// The hint of the cell under the mouse: the anchor's hint, the cell's text
// or its text that does not fit, placed below the cell or at the link; a
// password cell shows its mask, never its text.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/base/TextTransform.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/view/GridHoverState.h"
#include "controls/grid/view/HintWindow.h"

#include "platform/HandlerGuard.h"

#include <QHelpEvent>

namespace controls {

namespace {

bool g_useHTMLHints = true;

bool richOrWide(const QString &text)
{
    const TCellTextKind kind = GetCellTextKind(text, true);
    return kind == ckHtml || kind == ckWideText;
}

} // namespace

bool TExStringGrid::UseHTMLHints() { return g_useHTMLHints; }
void TExStringGrid::setUseHTMLHints(bool Value) { g_useHTMLHints = Value; }
TGridCoord TExStringGrid::LastHintPos() const { return hover().LastHintPos; }
THTMLHintWindow *TExStringGrid::HintWindow() const { return hover().HintWnd; }
THTMLHintWindow *TExStringGrid::SizingHintWindow() const { return hover().SizingHintWnd; }

// What a hint or balloon may show of a cell: its mask for a password cell.
QString TExStringGrid::hintSafeText(int RealCol, int ARow, const QString &Text)
{
    if (!DoIsPasswordCell(RealCol, ARow))
        return Text;
    // As long as the text shown in the cell, whatever its encoding.
    const TCellTextKind kind = GetCellTextKind(Text, Appearance().EnableHTML);
    QString mask = kind == ckHtml ? HtmlToPlainText(Text) : kind == ckWideText ? DecodeWideCellText(Text) : Text;
    FillWithChar(mask, Appearance().PasswordChar);
    return mask;
}

void TExStringGrid::BuildCellHint(QString &HintStr, THintInfo &HintInfo)
{
    TGridHover &h = hover();
    const TGridAppearance &look = Appearance();
    if (m_controlLook.HintMaxWidth > 0)
        HintInfo.HintMaxWidth = m_controlLook.HintMaxWidth;
    h.HintFontName = Font().Name();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(HintInfo.CursorPos.x(), HintInfo.CursorPos.y(), ACol, ARow);
    if (ACol < 0 || ARow < 0) {
        HintInfo.HintColor = HintColor;
        return;
    }
    const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
    ACol = DisplColIndex(base.X);
    ARow = base.Y;
    h.LastHintPos = {ACol, ARow};
    const platform::TRect R = CellRect(ACol, ARow);
    const int RealCol = RealColIndex(ACol);
    // A comment shows itself beside its cell; any other hint below it.
    const TCellGraphic *graphic = GetCellGraphic(RealCol, ARow);
    if (graphic != nullptr && graphic->FCellType == ctComment) {
        HintStr = graphic->FCellText;
        HintInfo.HintPos = QPoint(R.Right, R.Top);
    } else {
        HintInfo.HintPos = QPoint(HintInfo.CursorPos.x(), R.Bottom + 6);
    }

    const QString text = Cells(RealCol, ARow);
    const TCellTextKind kind = GetCellTextKind(text, look.EnableHTML);
    if (kind == ckHtml && AnchorHint) {
        platform::TCanvas &canvas = Canvas();
        const platform::TFont saved = canvas.Font();
        canvas.Font().Assign(Font());
        THtmlDrawParams params;
        params.HitTestOnly = true;
        params.HitX = HintInfo.CursorPos.x();
        params.HitY = HintInfo.CursorPos.y();
        THtmlDrawResult result;
        if (DrawHtmlText(canvas, text, R, params, result) && !result.HitAnchor.isEmpty()) {
            QString hint = result.HitAnchorTitle.isEmpty() ? result.HitAnchor : result.HitAnchorTitle;
            if (OnAnchorHint)
                OnAnchorHint(this, ARow, RealCol, hint);
            h.LastAnchorHint = hint;
            HintStr = hint;
            HintInfo.HintPos = HintInfo.CursorPos + QPoint(8, -16);
        }
        canvas.Font().Assign(saved);
    }
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - FFixedRightCols
                        && ARow < RowCount() - FFixedFooters;
    if (HintShowCells && normal) {
        HintInfo.HintPos.setY(R.Top);
        if (kind == ckWideText || (kind == ckHtml && HTMLHint))
            HintStr = hintSafeText(RealCol, ARow, text);
        else
            HintStr = hintSafeText(RealCol, ARow, GetStrippedCell(RealCol, ARow));
    }
    if (HintShowLargeText) {
        TGridAppearance &measured = Appearance();
        const bool enhanced = measured.EnhTextSize;
        measured.EnhTextSize = false;
        const platform::TSize size = GetCellTextSize(RealCol, ARow);
        measured.EnhTextSize = enhanced;
        if (size.cx > R.Right - R.Left || size.cy > R.Bottom - R.Top) {
            if (HintShowLargeTextPos == hpCell)
                HintInfo.HintPos = QPoint(R.Left, R.Top);
            HintStr = kind == ckHtml && !HTMLHint ? GetStrippedCell(RealCol, ARow) : text;
            HintStr = hintSafeText(RealCol, ARow, HintStr);
        }
    }
    if (!(FooterRowShown && ARow == RowCount() - 1))
        DoGridHint(ACol, ARow, HintStr);
    if (richOrWide(HintStr) && UseInternalHintClass)
        HintInfo.HtmlWindow = true;
    HintInfo.HintPos = mapToGlobal(HintInfo.HintPos);
    HintInfo.HintColor = HintColor;
}

bool TExStringGrid::ShowHint() const { return hover().ShowHint; }

void TExStringGrid::setShowHint(bool Value)
{
    hover().ShowHint = Value;
    if (!Value)
        CancelHint();
}

bool TExStringGrid::GridHintShow(QPoint Pos)
{
    TGridHover &h = hover();
    if (!h.ShowHint) {
        CancelHint();
        return false;
    }
    QString hint = toolTip();
    THintInfo info;
    info.CursorPos = Pos;
    info.HintPos = Pos + QPoint(0, 20);
    BuildCellHint(hint, info);
    if (hint.isEmpty()) {
        CancelHint();
        return false;
    }
    if (!h.HintWnd)
        h.HintWnd = new THTMLHintWindow(this); // a child window of the grid, which owns it
    THTMLHintWindow &window = *h.HintWnd;
    window.setColor(info.HintColor);
    window.FontName = h.HintFontName;
    // Without the mini-HTML class a hint is shown as the plain text it is.
    const QString shown = info.HtmlWindow || UseHTMLHints() ? hint : hint.toHtmlEscaped();
    platform::TRect r = window.CalcHintRect(info.HintMaxWidth > 0 ? info.HintMaxWidth : 1008, shown);
    r = platform::OffsetRect(r, info.HintPos.x(), info.HintPos.y());
    window.ActivateHint(r, shown);
    return true;
}

void TExStringGrid::CancelHint()
{
    TGridHover &h = hover();
    if (h.HintWnd)
        h.HintWnd->hide();
}

bool TExStringGrid::eventFilter(QObject *Watched, QEvent *Event)
{
    bool handled = false;
    platform::guarded([&] {
        if (Watched == this && Event->type() == QEvent::ToolTip) {
            const QPoint pos = static_cast<QHelpEvent *>(Event)->pos();
            if (!GridBalloonShow(pos))
                GridHintShow(pos);
            handled = true;
        } else if (Watched == this && Event->type() == QEvent::ParentChange) {
            followForm(hover().SizeWithForm);
        } else if (Watched == hover().Form && Event->type() == QEvent::Resize) {
            OwnerFormResize(hover().Form);
        }
    });
    return handled || TBaseGrid::eventFilter(Watched, Event);
}

} // namespace controls
