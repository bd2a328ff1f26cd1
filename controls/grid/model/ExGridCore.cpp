// Construction, version, the update lock, bounds with IntegralHeight, the
// registered event types and the loading bracket of the string grid.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridStructure.h"
#include "controls/grid/model/GridExchangeState.h"
#include "controls/grid/view/GridOleDrop.h"
#include "platform/HandlerGuard.h"
#include "controls/grid/base/GridDragDrop.h"

#include <QHash>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace controls {

namespace {

// One event type per name for the whole process, registered on first use.
QEvent::Type registeredEvent(const char *name)
{
    static QHash<QByteArray, QEvent::Type> types;
    const auto it = types.constFind(name);
    if (it != types.constEnd())
        return *it;
    const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    types.insert(name, type);
    return type;
}

} // namespace

QEvent::Type GridEditDoneEvent() { return registeredEvent("GridEditDone"); }
QEvent::Type DTPShiftFocusEvent() { return registeredEvent("DTPShiftFocus"); }
// The one type of our own cells, for the clipboard and drag and drop alike.
QString GridCellsMimeType() { return mime::GridCells; }

TExStringGrid::TExStringGrid(QWidget *parent)
    : TBaseGrid(parent), FloatFormat(QStringLiteral("%.2f")), CheckTrue(QStringLiteral("Y")),
      CheckFalse(QStringLiteral("N")), FilterDropDownClear(QStringLiteral("(All)")),
      m_structure(std::make_unique<TGridStructure>()), m_selection(std::make_unique<TGridSelection>()),
      m_rowCheckGraphic(std::make_unique<TCellGraphic>())
{
    setDefaultRowHeight(22);
    setRowCount(10);
    FNormalRowCount = RowCount();
    syncColumnCount();
    resize(400, 250);
    // Without a theme engine the XP look is never on (the theme check of
    // window creation answers no); no visual-style colours are taken.
    FIsWinXP = false;
    FUseVCLStyles = false;
    m_mergedColumns.OnChange = [this](TIntList *, int, int) {
        for (int c = 0; c < ColCount(); ++c)
            SplitColumnCells(c);
        ReapplyMergedColumns();
    };
    platform::FontStyle bold;
    bold.bold = true;
    m_activeCellFont.setStyle(bold);
    GridEditDoneEvent();
    DTPShiftFocusEvent();
    // Hover, the header select modes and the sizing cursor follow the
    // mouse without a button held.
    setMouseTracking(true);
    // Hints, balloons and the form's size reach the grid through its filter.
    installEventFilter(this);
    installWindowHooks();
}

TExStringGrid::~TExStringGrid()
{
    // The widths outlive the grid where ColumnSize says.
    if (ColumnSize().Save)
        platform::guarded([&] { SaveColSizes(); });
    // The drop target's registration ends before the target does.
    if (m_exchange && m_exchange->dropAdapter)
        delete m_exchange->dropAdapter.data();
}

QString TExStringGrid::Version() const
{
    const int v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg((v >> 24) & 0xFF).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

QString TExStringGrid::GetVersionString() const { return Version() + QStringLiteral(" Mar, 2024"); }

// --- update lock ----------------------------------------------------------------------------

void TExStringGrid::BeginUpdate()
{
    if (!isVisible())
        return;
    ++FUpdateCount;
    setUpdatesEnabled(false);
}

void TExStringGrid::StartUpdate() { ++FUpdateCount; }

void TExStringGrid::EndUpdate()
{
    if (!isVisible())
        return;
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount > 0)
        return;
    setUpdatesEnabled(true);
    update();
}

// --- loading -----------------------------------------------------------------------------------

void TExStringGrid::EndLoading()
{
    m_loading = false;
    GridLoaded();
}

void TExStringGrid::GridLoaded()
{
    reapplyLoadedLook();
    if (AutoSize())
        AutoSizeColumns(false, 4);
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    MinColWidth = 10;
    m_loaded = true;
    InitOrigColSizes();
    if (m_structure->columnOrder.empty())
        SetColumnOrder();
    ApplyActiveStyleColors();
    if (hasFindState()) {
        UpdateSearchPanel();
    }
    looksLoaded();
    // The drop target takes what may be dropped as the loaded settings say.
    if (m_exchange && m_exchange->dropTarget) {
        TESGDropTarget &target = *m_exchange->dropTarget;
        target.AcceptText = m_exchange->dragDrop.OleAcceptText;
        target.AcceptFiles = m_exchange->dragDrop.OleAcceptFiles;
        target.AcceptURLs = m_exchange->dragDrop.OleAcceptURLs;
    }
    if (ColumnSize().Save)
        LoadColSizes();
}

void TExStringGrid::ApplyActiveStyleColors()
{
    // No visual styles here: the grid keeps its own colours.
    FUseVCLStyles = false;
}

// --- layout ---------------------------------------------------------------------------------------

void TExStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int hs = VisibleColCount() + FixedCols() < ColCount() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
        const int b = m_borderSingle ? 2 : 0;
        AHeight = AHeight - ((AHeight - hs - b) % DefaultRowHeight()) + b;
    }
    setGeometry(ALeft, ATop, AWidth, AHeight);
}

void TExStringGrid::setIntegralHeight(bool value)
{
    FIntegralHeight = value;
    SetBounds(x(), y(), width(), height());
}

void TExStringGrid::setFixedFooters(int value)
{
    FFixedFooters = std::max(value, 0);
    update();
}

void TExStringGrid::setFixedRightCols(int value)
{
    FFixedRightCols = std::max(value, 0);
    update();
}

void TExStringGrid::setSelectionColorMixerFactor(int value)
{
    if (value == FSelectionColorMixerFactor)
        return;
    FSelectionColorMixerFactor = std::clamp(value, 0, 100);
    update();
}

int TExStringGrid::SortColumn() const { return m_sortColumn; }
void TExStringGrid::setSortColumn(int column) { m_sortColumn = column; }

void TExStringGrid::resizeEvent(QResizeEvent *event)
{
    TBaseGrid::resizeEvent(event);
    StretchOnResize();
    CellControlsUpdate(false);
    placeFooterPanels();
}

} // namespace controls
