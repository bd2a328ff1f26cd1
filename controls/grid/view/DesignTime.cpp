// The grid as a form designer shows it: a "Quick config" box in the
// bottom-right corner with two check boxes and a look menu, and the real
// column numbers in the header row. There is no designer here; tests set
// the design state.
#include "controls/grid/view/EditExtrasState.h"
#include "controls/grid/view/GridAppearance.h"

#include <QMenu>

namespace controls {

namespace {

constexpr int kBoxWidth = 150;

struct TDesignBox {
    int L = 0;     // the height of "gh"
    platform::TRect box;
};

void helperFont(platform::TCanvas &c, bool underline)
{
    c.Font().setName(QStringLiteral("Tahoma"));
    c.Font().setSize(8);
    c.Font().setColor(platform::RGB(0, 0, 128));
    platform::FontStyle style;
    style.underline = underline;
    c.Font().setStyle(style);
}

TDesignBox designBox(platform::TCanvas &c, int clientWidth, int clientHeight)
{
    helperFont(c, true);
    TDesignBox b;
    b.L = c.TextHeight(QStringLiteral("gh"));
    b.box = platform::Rect(clientWidth - kBoxWidth, clientHeight - 4 * b.L - 18, clientWidth, clientHeight);
    return b;
}

// The look menu's items: command id = the look's ordinal + 1.
const std::vector<std::pair<int, QString>> &lookMenuItems()
{
    static const std::vector<std::pair<int, QString>> items{
        {1, QStringLiteral("Standard")},    {2, QStringLiteral("Soft")},          {3, QStringLiteral("Classic")},
        {4, QStringLiteral("Fenlo")},       {6, QStringLiteral("ListView")},      {9, QStringLiteral("Office 2007")},
        {5, QStringLiteral("Windows XP")},  {7, QStringLiteral("Windows Vista")}, {8, QStringLiteral("Windows 7")},
    };
    return items;
}

int runLookMenu(QWidget *parent, const std::vector<std::pair<int, QString>> &items, int checked, QPoint at)
{
    QMenu menu(parent);
    for (const auto &[id, caption] : items) {
        QAction *action = menu.addAction(caption);
        action->setData(id);
        action->setCheckable(true);
        action->setChecked(id == checked);
    }
    const QAction *chosen = menu.exec(at);
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

} // namespace

bool TExStringGrid::Designing() const { return m_editExtras && m_editExtras->designing; }

void TExStringGrid::setDesigning(bool Value)
{
    editExtras().designing = Value;
    m_mouseActions.OnIsDesigning = [this](TMouseActions *, bool &IsDesigning) { IsDesigning = Designing(); };
    if (Value)
        HideFocusWindow();
    update();
}

bool TExStringGrid::ShowDesignHelper() const { return !m_editExtras || m_editExtras->showDesignHelper; }

void TExStringGrid::setShowDesignHelper(bool Value)
{
    if (ShowDesignHelper() == Value)
        return;
    editExtras().showDesignHelper = Value;
    update();
}

bool TExStringGrid::ShowColNrs() const { return !m_editExtras || m_editExtras->showColNrs; }

int TExStringGrid::DesignHelperArea(int X, int Y)
{
    platform::TCanvas &c = Canvas();
    helperFont(c, false);
    const int gh = c.TextHeight(QStringLiteral("gh"));
    const int L = gh + 2;
    const int B = 4 * gh + 18;
    const int R = ClientWidth();
    const int Bt = ClientHeight();
    if (X > R - 16 && Y > Bt - B && Y < Bt - B + 16)
        return 4;
    const auto line = [&](int n, const QString &text, int left) {
        return X > R - kBoxWidth && X < left + c.TextWidth(text) && Y > Bt + n * L - B + 4 &&
               Y < Bt + (n + 1) * L - B + 4;
    };
    if (line(1, QStringLiteral("Allow edit"), R - 132))
        return 1;
    if (line(2, QStringLiteral("Column numbers"), R - 132))
        return 2;
    if (line(3, QStringLiteral("Set look: ") + GridLookDisplayName(Look()), R - kBoxWidth))
        return 3;
    return -1;
}

bool TExStringGrid::GridDesignHitTest(int X, int Y)
{
    if (!Designing() || !ShowDesignHelper())
        return false;
    auto &ex = editExtras();
    const int area = DesignHelperArea(X, Y);
    if (area != ex.lastDesignChoice) {
        update(ClientWidth() - kBoxWidth, ClientHeight() - 70, kBoxWidth, 70);
        ex.lastDesignChoice = area;
    }
    return area >= 1 && area <= 4;
}

void TExStringGrid::PaintDesignHelper(platform::TCanvas &ACanvas)
{
    if (!Designing())
        return;
    const int saved = ACanvas.SaveDC();
    if (ShowColNrs()) {
        // Each header cell of row 0 names its real column.
        ACanvas.Font().setName(QString());
        ACanvas.Font().setSize(8);
        ACanvas.Font().setColor(platform::RGB(128, 128, 128));
        ACanvas.Font().setStyle({});
        ACanvas.Brush().setStyle(platform::TBrushStyle::bsClear);
        for (int col = 0; col < ColCount() && RowCount() > 0; ++col) {
            const platform::TRect r = CellRect(col, 0);
            if (r.Right <= r.Left)
                continue;
            const QString nr = QString::number(RealColIndex(col));
            ACanvas.TextOut(r.Right - 2 - ACanvas.TextWidth(nr), r.Bottom - ACanvas.TextHeight(nr), nr);
        }
    }
    if (ShowDesignHelper()) {
        const TDesignBox b = designBox(ACanvas, ClientWidth(), ClientHeight());
        const int L = b.L;
        const platform::TRect &B = b.box;
        ACanvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
        ACanvas.Brush().setColor(platform::clInfoBk);
        ACanvas.Pen().setColor(platform::RGB(128, 128, 128));
        ACanvas.Rectangle(B);
        ACanvas.Brush().setStyle(platform::TBrushStyle::bsClear);
        ACanvas.TextOut(B.Left + 4, B.Top + 4, QStringLiteral("Quick config [v") + Version() + u']');
        // The close box.
        const platform::TRect close = platform::Rect(B.Right - 16, B.Top + 2, B.Right - 2, B.Top + 16);
        ACanvas.Rectangle(close);
        ACanvas.MoveTo(close.Left + 3, close.Top + 3);
        ACanvas.LineTo(close.Right - 3, close.Bottom - 3);
        ACanvas.MoveTo(close.Right - 4, close.Top + 3);
        ACanvas.LineTo(close.Left + 2, close.Bottom - 3);

        const QPoint mouse = mapFromGlobal(QCursor::pos());
        const int hot = DesignHelperArea(mouse.x(), mouse.y());
        RenderCheckGlyph(ACanvas, platform::Rect(B.Left + 4, B.Top + L + 4, B.Left + 20, B.Top + L + 20),
                         Options().testFlag(goEditing), 0, false, csClassic, false, true);
        helperFont(ACanvas, hot == 1);
        ACanvas.Brush().setStyle(platform::TBrushStyle::bsClear);
        ACanvas.TextOut(B.Left + 22, B.Top + L + 6, QStringLiteral("Allow edit"));
        RenderCheckGlyph(ACanvas, platform::Rect(B.Left + 4, B.Top + 2 * L + 6, B.Left + 20, B.Top + 2 * L + 22),
                         ShowColNrs(), 0, false, csClassic, false, true);
        helperFont(ACanvas, hot == 2);
        ACanvas.Brush().setStyle(platform::TBrushStyle::bsClear);
        ACanvas.TextOut(B.Left + 22, B.Top + 2 * L + 8, QStringLiteral("Column numbers"));
        helperFont(ACanvas, hot == 3);
        ACanvas.TextOut(B.Left + 4, B.Top + 3 * L + 10, QStringLiteral("Set look: ") + GridLookDisplayName(Look()));
    }
    ACanvas.RestoreDC(saved);
}

void TExStringGrid::DesignHelperPopup(int X, int Y)
{
    auto &ex = editExtras();
    const int area = DesignHelperArea(X, Y);
    switch (area) {
    case 1:
        setOptions(Options() ^ TGridOptions(goEditing));
        break;
    case 2:
        ex.showColNrs = !ex.showColNrs;
        update();
        break;
    case 3: {
        const int checked = static_cast<int>(Look()) + 1;
        const QPoint at = mapToGlobal(QPoint(X, Y));
        const int chosen = DesignMenuHook ? DesignMenuHook(lookMenuItems(), checked, at)
                                          : runLookMenu(this, lookMenuItems(), checked, at);
        if (chosen > 0)
            setLook(static_cast<TGridLook>(chosen - 1));
        break;
    }
    case 4:
        setShowDesignHelper(false);
        break;
    default:
        break;
    }
    if (area >= 1 && area <= 3) {
        // The form that holds the grid is nudged, so that a designer notices.
        if (QWidget *form = window(); form != nullptr && form != this) {
            form->resize(form->width() - 1, form->height());
            form->resize(form->width() + 1, form->height());
        }
    }
}

} // namespace controls
