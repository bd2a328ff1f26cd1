// The glow around the cell being edited: a translucent top-level window
// with a hole where the cell is, built once per edit and moved along when
// any top-level window of the program moves or changes size.
#include "controls/grid/base/paint/FocusWindow.h"
#include "controls/grid/base/paint/GlowMask.h"
#include "controls/grid/view/EditExtrasState.h"
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/RichEditor.h"
#include "platform/HandlerGuard.h"

#include <QApplication>
#include <QEvent>
#include <QRegion>

namespace controls {

namespace {

constexpr int kGlowMargin = 4;
constexpr std::uint8_t kGlowOpacity = 230;
const platform::TColor kGlowColor = platform::RGB(151, 211, 253);

QPointer<TExStringGrid> &focusWindowGrid()
{
    static QPointer<TExStringGrid> grid;
    return grid;
}

} // namespace

// Installed on the application once: a top-level window that moves or
// changes size takes the shown glow along to its cell.
class TGridGlowFollower : public QObject {
public:
    static void install()
    {
        static TGridGlowFollower *follower = nullptr;
        if (follower == nullptr && qApp != nullptr) {
            follower = new TGridGlowFollower(qApp);
            qApp->installEventFilter(follower);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize)
            return false;
        TExStringGrid *grid = focusWindowGrid();
        if (grid == nullptr || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && widget != grid->FocusWindow())
            platform::guarded([&] { grid->PlaceFocusWindow(); });
        return false;
    }

private:
    using QObject::QObject;
};

TGridEditExtras::~TGridEditExtras()
{
    if (focusWindowGrid() == owner)
        focusWindowGrid() = nullptr;
    delete focusWindow.data();
}

TExStringGrid *TExStringGrid::FocusWindowGrid() { return focusWindowGrid(); }

TGridFocusWindow *TExStringGrid::FocusWindow() const { return editExtras().focusWindow; }

void TExStringGrid::ShowFocusWindow(const platform::TRect &R)
{
    auto &ex = editExtras();
    if (!FocusHelper.Enabled || ex.designing)
        return;
    TGridGlowFollower::install();
    if (ex.focusWindow.isNull()) {
        ex.focusWindow = new TGridFocusWindow(this);
        ex.focusWindow->setObjectName(QStringLiteral("FocusWindow"));
    }
    // One glow in the program: another grid's goes.
    if (TExStringGrid *other = focusWindowGrid(); other != nullptr && other != this)
        other->HideFocusWindow();
    TGridFocusWindow *glow = ex.focusWindow;
    glow->hide();
    const int cellWidth = R.Right - R.Left;
    const int cellHeight = R.Bottom - R.Top;
    const int w = cellWidth + 2 * kGlowMargin + 1;
    const int h = cellHeight + 2 * kGlowMargin + 1;

    QImage mask;
    MakeRoundRectMask(mask, w, h, 4, 5, 3);
    QImage colour(w, h, QImage::Format_RGB888);
    colour.fill(QColor(platform::GetRValue(kGlowColor), platform::GetGValue(kGlowColor),
                       platform::GetBValue(kGlowColor)));
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, colour);
    alpha.setOpacity(kGlowOpacity);
    if (alpha.Height() > 0)
        DynUpdateLayeredWindow(glow, {std::nullopt, alpha.image(), alpha.Opacity()});
    // The cell itself stays visible and takes the clicks.
    glow->setMask(QRegion(0, 0, w, h).subtracted(QRegion(kGlowMargin, kGlowMargin, cellWidth, cellHeight)));

    const QPoint screen = mapToGlobal(QPoint(R.Left, R.Top));
    glow->setGeometry(screen.x() - kGlowMargin, screen.y() - kGlowMargin, w, h);
    ex.glowCell = R;
    focusWindowGrid() = this;
    glow->show();
}

void TExStringGrid::PlaceFocusWindow()
{
    auto &ex = editExtras();
    if (ex.focusWindow.isNull())
        return;
    const platform::TRect r = CellRect(Col(), Row());
    const QPoint screen = mapToGlobal(QPoint(r.Left, r.Top));
    const QRect place(screen.x() - kGlowMargin, screen.y() - kGlowMargin, r.Right - r.Left + 2 * kGlowMargin + 1,
                      r.Bottom - r.Top + 2 * kGlowMargin + 1);
    if (ex.focusWindow->geometry() != place)
        ex.focusWindow->setGeometry(place);
}

void TExStringGrid::HideFocusWindow()
{
    if (focusWindowGrid() == this)
        focusWindowGrid() = nullptr;
    if (m_editExtras && !m_editExtras->focusWindow.isNull())
        m_editExtras->focusWindow->hide();
}

} // namespace controls
