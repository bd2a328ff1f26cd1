// A press on a link: a URL in a plain cell with URLShow, or an anchor of a
// mini-HTML cell. OnAnchorClick hears every one and may take it over; what
// it leaves is followed: a "CELL://" jump inside the grid, or a web or mail
// address through the desktop.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/TextTransform.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/view/AnchorTarget.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridMouseState.h"

#include "platform/ui/ShellOpen.h"

namespace controls {

namespace {

const QString cellPrefix = QStringLiteral("CELL://");

bool startsWithNoCase(const QString &text, QStringView prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

std::optional<QString> AnchorShellTarget(const QString &anchor)
{
    const QString address = anchor.trimmed();
    for (const QStringView scheme : {u"http://", u"https://", u"mailto:"})
        if (startsWithNoCase(address, scheme) && address.size() > scheme.size())
            return address;
    if (startsWithNoCase(address, u"www.") && address.size() > 4)
        return QStringLiteral("http://") + address;
    return std::nullopt;
}

std::optional<QString> AnchorCellReference(const QString &anchor)
{
    if (!startsWithNoCase(anchor, cellPrefix))
        return std::nullopt;
    return anchor.mid(cellPrefix.size());
}

platform::TRect TExStringGrid::htmlTextRect(int RealCol, int ARow, const platform::TRect &CellR)
{
    const TGridAppearance &look = Appearance();
    platform::TRect r = CellR;
    r.Right -= look.XYOffset.X;
    r.Left += look.XYOffset.X + 1;
    r.Top += look.XYOffset.Y + 1;
    if (HasCheckBox(RealCol, ARow))
        r.Left += m_controlLook.CheckSize;
    return r;
}

bool TExStringGrid::htmlHitTest(int RealCol, int ARow, const QString &Text, const platform::TRect &CellR, int X, int Y,
                                THtmlDrawResult &Result)
{
    // Laid out as the painting lays it out, to find the anchor under the point.
    const TGridAppearance &look = Appearance();
    const platform::TRect r = htmlTextRect(RealCol, ARow, CellR);
    platform::TCanvas &canvas = Canvas();
    const platform::TFont saved = canvas.Font();
    canvas.Font().Assign(Font());
    THtmlDrawParams params;
    params.HitTestOnly = true;
    params.HitX = X;
    params.HitY = Y;
    params.AnchorColor = look.URLColor;
    const bool hit = DrawHtmlText(canvas, Text, r, params, Result) && Result.ControlID.isEmpty();
    canvas.Font().Assign(saved);
    return hit;
}

bool TExStringGrid::pressLink(int ACol, int ARow, int RealCol, int X, int Y, const platform::TRect &CellR)
{
    const TGridAppearance &look = Appearance();
    const QString text = Cells(RealCol, ARow);
    const bool html = GetCellTextKind(text, look.EnableHTML) == ckHtml;
    if (!look.URLShow && !html)
        return false;
    QString anchor;
    if (!html && IsUrlText(text)) {
        anchor = text;
    } else if (html) {
        THtmlDrawResult result;
        if (htmlHitTest(RealCol, ARow, text, CellR, X, Y, result))
            anchor = result.HitAnchor;
        else if (!result.ControlID.isEmpty())
            return pressCellControl(ACol, ARow, RealCol, text, result);
    }
    if (anchor.isEmpty()) {
        // A press beside the controls of a control cell never starts an edit.
        if (html && text.toUpper().contains(QStringLiteral("<CONTROL"))) {
            fireClickCell(OnClickCell, mouse().PressCell.Y, mouse().PressCell.X);
            HideEditor();
            setSelection(TGridRect{ACol, ARow, ACol, ARow});
            return true;
        }
        return false;
    }
    bool autoHandle = true;
    if (OnAnchorClick)
        OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
    followAnchor(anchor, autoHandle);
    return true;
}

void TExStringGrid::followAnchor(const QString &Anchor, bool AutoHandle)
{
    if (!AutoHandle)
        return;
    if (const std::optional<QString> reference = AnchorCellReference(Anchor)) {
        QPoint cell;
        if (ParseRowColRef(*reference, cell) && cell.x() < ColCount() && cell.y() < RowCount()) {
            MoveColRow(cell.x(), cell.y(), true, true);
        }
        return;
    }
    if (const std::optional<QString> target = AnchorShellTarget(Anchor))
        platform::shellOpen(*target);
}

} // namespace controls
