// The grid's side of the search panel: the panel made on first use and kept
// in step with SearchFooter, its buttons' searches and highlighting, the
// accelerators, and the rule that keeps the last row above the panel.
#include "controls/grid/model/GridFind.h"
#include "controls/grid/view/FooterPanel.h"
#include "controls/grid/view/SearchPanel.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

namespace controls {

TSearchFooter &TExStringGrid::SearchFooter() { return findState().searchFooter; }

TSearchPanel *TExStringGrid::SearchPanel()
{
    TGridFind &st = findState();
    if (!st.searchPanel) {
        auto *panel = new TSearchPanel(this);
        panel->hide();
        panel->OnEditChange = [this](QObject *) { SearchFooterEditChange(); };
        panel->OnBackwardClick = [this](QObject *) { SearchFooterFindPrevious(); };
        panel->OnForwardClick = [this](QObject *) { SearchFooterFindNext(); };
        panel->OnExitClick = [this](QObject *) { SearchFooterClose(); };
        panel->OnHighlightClick = [this](QObject *) { SearchFooterHighlight(); };
        st.searchPanel = panel;
        // A line down at the end of the bar lifts the last row above the
        // panel; a line up from there lowers it again. Queued: the bar
        // tells of an action before it moves.
        for (QScrollBar *bar : findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly))
            if (bar->orientation() == Qt::Vertical)
                connect(bar, &QScrollBar::actionTriggered, panel, [this](int action) { searchPanelScrolled(action); },
                        Qt::QueuedConnection);
        if (OnCreatedSearchFooter)
            OnCreatedSearchFooter(this);
    }
    return st.searchPanel;
}

TFooterPanel *TExStringGrid::FooterPanel()
{
    TGridFind &st = findState();
    if (!st.footerPanel) {
        auto *panel = new TFooterPanel(this);
        panel->hide();
        panel->setShowHint(st.floatingFooter.ShowHint());
        st.footerPanel = panel;
        // The footer's columns follow the grid's horizontal scrolling.
        for (QScrollBar *bar : findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly))
            if (bar->orientation() == Qt::Horizontal)
                connect(bar, &QScrollBar::valueChanged, panel, [panel] { panel->update(); });
        if (OnCreatedFloatingFooter)
            OnCreatedFloatingFooter(this);
    }
    return st.footerPanel;
}

int TExStringGrid::SearchPanelHeight() const
{
    return m_find && m_find->searchFooter.Visible() ? TSearchPanel::PanelHeight : 0;
}

void TExStringGrid::placeFooterPanels()
{
    if (!m_find)
        return;
    TGridFind &st = *m_find;
    const int w = ClientWidth();
    int bottom = ClientHeight();
    if (st.searchPanel || st.searchFooter.Visible()) {
        const int h = SearchPanelHeight();
        SearchPanel()->setGeometry(0, bottom - h, w, h);
        st.searchPanel->setVisible(h > 0);
        bottom -= h;
    }
    if (st.footerPanel || st.floatingFooter.Visible()) {
        const int rowHeight = st.floatingFooter.Height() > 0 ? st.floatingFooter.Height() : DefaultRowHeight();
        const int h = st.floatingFooter.Visible() ? std::max(rowHeight - 1, 0) : 0;
        FooterPanel()->setGeometry(0, bottom - h, w, h);
        st.footerPanel->setVisible(h > 0);
        st.footerPanel->update();
    }
    GridFooterChanged();
}

void TExStringGrid::UpdateSearchPanel()
{
    if (m_loading || !m_find)
        return;
    TGridFind &st = *m_find;
    TSearchFooter &sf = st.searchFooter;
    TSearchPanel *panel = SearchPanel();
    if ((panel->HiliteButton()->isChecked() && panel->isVisible() && !sf.Visible()) || sf.AlwaysHighLight)
        UnHilightInGrid(false);
    panel->setColor(sf.Color());
    panel->setColorTo(sf.ColorTo());
    panel->setCaptions(sf.FindNextCaption(), sf.FindPrevCaption(), sf.MatchCaseCaption(), sf.HighLightCaption());
    panel->setHints(sf.HintFindNext(), sf.HintFindPrev(), sf.HintClose(), sf.HintHighlight());
    panel->setFont(sf.Font());
    panel->HiliteButton()->setVisible(sf.ShowHighLight());
    panel->ExitButton()->setVisible(sf.ShowClose());
    panel->MatchCase()->setVisible(sf.ShowMatchCase());
    panel->BackwardButton()->setVisible(sf.ShowFindPrev());
    panel->ForwardButton()->setVisible(sf.ShowFindNext());
    applySearchButtonLook();
    panel->layoutControls();
    placeFooterPanels();
    if (sf.Visible())
        KeepLastRowAboveSearchPanel();
}

namespace {

int rowBottom(const TExStringGrid &grid, int row, int top) { return top + grid.RowHeights(row); }

} // namespace

bool TExStringGrid::IsLastRowAboveSearchPanel()
{
    if (SearchPanelHeight() == 0 || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    const int last = RowCount() - 1;
    return rowBottom(*this, last, rowTop(last)) < ClientHeight() - SearchPanelHeight() + 2;
}

void TExStringGrid::KeepLastRowAboveSearchPanel()
{
    const int panel = SearchPanelHeight();
    if (panel == 0 || DefaultRowHeight() + panel >= ClientHeight())
        return;
    const int last = RowCount() - 1;
    // Only a view at the end of the grid is lifted: showing the panel over
    // the first rows must not scroll to the last.
    if (TopRow() + VisibleRowCount() < last)
        return;
    // TopRow stops at RowCount - 1: when it cannot grow the loop ends.
    while (rowBottom(*this, last, rowTop(last)) > ClientHeight() - panel + 2 && Row() <= last && TopRow() < last) {
        const int before = TopRow();
        setTopRow(before + 1);
        if (TopRow() == before)
            break;
    }
}

void TExStringGrid::searchPanelScrolled(int action)
{
    if (SearchPanelHeight() == 0)
        return;
    if (action == QAbstractSlider::SliderSingleStepSub && TopRow() == RowCount() - VisibleRowCount()
        && TopRow() > FixedRows())
        setTopRow(TopRow() - 1);
    else if ((action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderMove)
             && TopRow() >= MaxTopRow())
        KeepLastRowAboveSearchPanel();
}

bool TExStringGrid::SearchFooterFocusKey()
{
    if (!m_find || !m_find->searchFooter.Visible())
        return false;
    SearchPanel()->Edit()->setFocus(Qt::ShortcutFocusReason);
    return true;
}

bool TExStringGrid::GridDialogChar(QChar Key)
{
    if (!m_find || !m_find->searchFooter.Visible() || !m_find->searchPanel)
        return false;
    TSearchPanel *panel = m_find->searchPanel;
    const QChar key = Key.toUpper();
    const struct {
        QPushButton *button;
        QString caption;
        void (TExStringGrid::*action)();
    } buttons[] = {
        {panel->ForwardButton(), panel->FindNextCaption(), &TExStringGrid::SearchFooterFindNext},
        {panel->BackwardButton(), panel->FindPrevCaption(), &TExStringGrid::SearchFooterFindPrevious},
        {panel->HiliteButton(), panel->HighLightCaption(), &TExStringGrid::SearchFooterHighlight},
    };
    for (const auto &b : buttons) {
        if (AcceleratorOf(b.caption) != key || b.button->isHidden() || !b.button->isEnabled())
            continue;
        // The highlight button is a check button: its key toggles it.
        if (b.button->isCheckable())
            b.button->toggle();
        (this->*b.action)();
        return true;
    }
    return false;
}

void TExStringGrid::DoSearchFooterAction(const QString &Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

TFindParams TExStringGrid::searchFooterParams(bool backward)
{
    const TSearchFooter &sf = SearchFooter();
    TSearchPanel *panel = SearchPanel();
    TFindParams params = fnAutoGoto;
    if (backward)
        params |= fnBackward;
    if (panel->HiliteButton()->isChecked())
        params |= fnIgnoreHTMLTags;
    if (panel->MatchCase()->isChecked())
        params |= fnMatchCase;
    if (sf.SearchActiveColumnOnly)
        params |= fnFindInCurrentCol;
    if (sf.SearchMatchStart)
        params |= fnMatchStart;
    if (!backward && sf.SearchDirection == TSearchDirection::sdLeftRight)
        params |= fnDirectionLeftRight;
    if (sf.SearchColumn >= 0 && sf.SearchColumn < ColCount()) {
        setFindCol(sf.SearchColumn);
        params |= fnFindInPresetCol;
    }
    return params;
}

void TExStringGrid::searchFooterHighlight(bool on)
{
    const TSearchFooter &sf = SearchFooter();
    TSearchPanel *panel = SearchPanel();
    const bool matchCase = panel->MatchCase()->isChecked();
    const QString text = panel->Edit()->text();
    if (sf.SearchColumn == -1) {
        if (on)
            HilightInGrid(false, matchCase, text);
        else
            UnHilightInGrid(false);
    } else {
        if (on)
            HilightInCol(false, matchCase, sf.SearchColumn, text);
        else
            UnHilightInCol(false, sf.SearchColumn);
    }
}

void TExStringGrid::SearchFooterEditChange()
{
    TSearchFooter &sf = SearchFooter();
    TSearchPanel *panel = SearchPanel();
    const QString text = panel->Edit()->text();
    bool defaultSearch = true;
    if (OnSearchEditChange)
        OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !sf.AutoSearch)
        return;
    TFindParams params = searchFooterParams(false);
    if (sf.SearchFixedCells)
        params |= fnIncludeFixed;
    if (sf.SearchHiddenRows)
        params |= fnIncludeHiddenRows;
    findState().findParams = params;
    const bool highlight = panel->HiliteButton()->isChecked() || sf.AlwaysHighLight;
    if (highlight)
        searchFooterHighlight(false);
    if (!text.isEmpty()) {
        const QPoint hit = Find(QPoint(-1, -1), text, params);
        setSearchCell(hit);
        DoSearchFooterAction(text, hit.x(), hit.y(), saFindFirst);
        panel->setNotFound(hit.x() < 0);
        if (hit.x() >= 0) {
            ScrollInView(hit.x(), hit.y());
            if (highlight)
                searchFooterHighlight(true);
        }
    } else {
        panel->setNotFound(false);
        if (panel->HiliteButton()->isChecked())
            searchFooterHighlight(false);
    }
}

void TExStringGrid::SearchFooterFindNext() { searchFooterFind(false); }

void TExStringGrid::SearchFooterFindPrevious() { searchFooterFind(true); }

void TExStringGrid::searchFooterFind(bool Backward)
{
    TSearchFooter &sf = SearchFooter();
    TSearchPanel *panel = SearchPanel();
    const QString text = panel->Edit()->text();
    if (!sf.AutoSearch && text != sf.LastSearch)
        setSearchCell(QPoint(-1, -1));
    sf.LastSearch = text;
    const QPoint hit = Find(SearchCell(), text, searchFooterParams(Backward));
    setSearchCell(hit);
    // Forwards the hit is scrolled in first and the view then lifted off the
    // panel; backwards the other way round.
    if (!Backward && hit.x() >= 0)
        ScrollInView(hit.x(), hit.y());
    const int f = FloatingFooterVisible() ? 1 : 0;
    if (TopRow() + VisibleRowCount() - 2 - f < Row() && VisibleRowCount() + FixedRows() + f < RowCount())
        setTopRow(TopRow() + 2);
    if (Backward && hit.x() >= 0)
        ScrollInView(hit.x(), hit.y());
    DoSearchFooterAction(text, hit.x(), hit.y(), Backward ? saFindPrevious : saFindNext);
    panel->update();
}

void TExStringGrid::SearchFooterHighlight() { searchFooterHighlight(SearchPanel()->HiliteButton()->isChecked()); }

void TExStringGrid::SearchFooterClose()
{
    if (OnSearchFooterClose)
        OnSearchFooterClose(this);
    SearchFooter().setVisible(false);
}

} // namespace controls
