// The search panel and the floating footer driven by real key presses,
// clicks and wheel turns.
#include "KeyFixture.h"

#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/view/FooterPanel.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/SearchPanel.h"

#include <QCheckBox>
#include <QPushButton>
#include <QWheelEvent>

using namespace controls;

namespace {

struct SearchPanelGrid : viewtest::KeyGrid {
    std::vector<std::pair<TExStringGrid::TSearchAction, QPoint>> actions;
    TSearchPanel *panel = nullptr;

    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setRowCount(30);
        for (int r = 1; r < 30; ++r)
            for (int c = 1; c < 5; ++c)
                grid->setCells(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
        grid->setCells(2, 3, QStringLiteral("needle"));
        grid->setCells(3, 20, QStringLiteral("Needle"));
        TSearchFooter &sf = grid->SearchFooter();
        sf.setFindNextCaption(QStringLiteral("Find &next"));
        sf.setFindPrevCaption(QStringLiteral("Find &previous"));
        sf.setHighLightCaption(QStringLiteral("&Highlight"));
        sf.setMatchCaseCaption(QStringLiteral("Match case"));
        sf.setVisible(true);
        panel = grid->SearchPanel();
        grid->OnSearchFooterAction = [this](TExStringGrid *, const QString &, int c, int r,
                                            TExStringGrid::TSearchAction a) { actions.emplace_back(a, QPoint(c, r)); };
    }
    int lastRowBottom() const
    {
        const platform::TRect r = grid->CellRect(1, grid->RowCount() - 1);
        return r.Bottom;
    }
    bool lastRowAbovePanel() const
    {
        return grid->TopRow() + grid->VisibleRowCount() >= grid->RowCount() - 1
               && lastRowBottom() <= grid->ClientHeight() - TSearchPanel::PanelHeight + 2;
    }
};

QRect geometryOf(QWidget *w) { return w->geometry(); }

} // namespace

TEST_F(SearchPanelGrid, LayoutAndMirroring)
{
    EXPECT_EQ(panel->geometry(), QRect(0, grid->ClientHeight() - 32, grid->ClientWidth(), 32));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(geometryOf(panel->Edit()).topLeft(), QPoint(25, 6));
    EXPECT_EQ(panel->Edit()->width(), 110);
    EXPECT_EQ(geometryOf(panel->ForwardButton()), QRect(140, 5, 90, 23));
    EXPECT_EQ(geometryOf(panel->BackwardButton()), QRect(235, 5, 90, 23));
    EXPECT_EQ(geometryOf(panel->HiliteButton()), QRect(330, 5, 90, 23));
    EXPECT_EQ(geometryOf(panel->ExitButton()), QRect(5, 7, 14, 14));
    EXPECT_EQ(panel->MatchCase()->x(), 425);
    grid->SearchFooter().setShowHighLight(false);
    EXPECT_EQ(panel->MatchCase()->x(), 330);
    grid->setRightToLeft(true);
    panel->layoutControls();
    EXPECT_EQ(panel->Edit()->x(), panel->width() - 110 - 25);
    EXPECT_EQ(panel->ExitButton()->x(), panel->width() - 14 - 5);
    // The buttons start disabled and the accelerators show without "&".
    EXPECT_FALSE(panel->ForwardButton()->isEnabled());
    EXPECT_EQ(panel->ForwardButton()->text(), QStringLiteral("Find next"));
}

TEST_F(SearchPanelGrid, TypingFindsAndANoHitTurnsTheEditRed)
{
    grid->SearchFooter().AlwaysHighLight = false;
    key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), panel->Edit());
    QTest::keyClicks(panel->Edit(), QStringLiteral("needle"));
    EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(2, 3));
    EXPECT_FALSE(panel->NotFound());
    EXPECT_TRUE(panel->ForwardButton()->isEnabled());
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions.back().first, TExStringGrid::saFindFirst);
    QTest::keyClicks(panel->Edit(), QStringLiteral("zz"));
    EXPECT_TRUE(panel->NotFound());
    EXPECT_EQ(panel->Edit()->palette().color(QPalette::Base), QColor(255, 0, 0));
    QTest::keyClick(panel->Edit(), Qt::Key_Backspace);
    QTest::keyClick(panel->Edit(), Qt::Key_Backspace);
    EXPECT_FALSE(panel->NotFound());
}

TEST_F(SearchPanelGrid, ReturnFindsNextAndCtrlReturnPrevious)
{
    panel->Edit()->setFocus();
    QTest::keyClicks(panel->Edit(), QStringLiteral("needle"));
    QTest::keyClick(panel->Edit(), Qt::Key_Return);
    EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(3, 20));
    EXPECT_EQ(actions.back().first, TExStringGrid::saFindNext);
    QTest::keyClick(panel->Edit(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(2, 3));
    EXPECT_EQ(actions.back().first, TExStringGrid::saFindPrevious);
    // The hit is shown above the panel.
    EXPECT_LE(grid->CellRect(2, 3).Bottom, grid->ClientHeight() - 32 + 2);
}

TEST_F(SearchPanelGrid, AcceleratorsRunTheButtons)
{
    panel->Edit()->setFocus();
    QTest::keyClicks(panel->Edit(), QStringLiteral("needle"));
    actions.clear();
    QTest::keyClick(panel->Edit(), Qt::Key_N, Qt::AltModifier);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions.back().first, TExStringGrid::saFindNext);
    QTest::keyClick(panel->Edit(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(actions.back().first, TExStringGrid::saFindPrevious);
    // Alt+H toggles the highlight button, which tags the hits.
    QTest::keyClick(panel->Edit(), Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(panel->HiliteButton()->isChecked());
    EXPECT_EQ(grid->Cells(2, 3), QStringLiteral("<hi>needle</hi>"));
    QTest::mouseClick(panel->HiliteButton(), Qt::LeftButton);
    EXPECT_EQ(grid->Cells(2, 3), QStringLiteral("needle"));
    // From the grid too; a letter without an accelerator does nothing.
    grid->setFocus();
    actions.clear();
    key(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(actions.size(), 1u);
    key(Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(actions.size(), 1u);
}

TEST_F(SearchPanelGrid, KeysKeepTheLastRowAboveThePanel)
{
    for (int i = 0; i < 40; ++i)
        key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 29);
    EXPECT_TRUE(lastRowAbovePanel());
    const int top = grid->TopRow();
    // More Downs change nothing: the loop ends where TopRow cannot grow.
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->TopRow(), top);
    EXPECT_TRUE(lastRowAbovePanel());
}

TEST_F(SearchPanelGrid, WheelKeepsTheLastRowAboveThePanel)
{
    for (int i = 0; i < 20; ++i) {
        const QPointF pos(50, 50);
        QWheelEvent ev(pos, grid->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid, &ev);
    }
    EXPECT_TRUE(lastRowAbovePanel());
}

TEST_F(SearchPanelGrid, CloseHidesThePanel)
{
    bool closed = false;
    grid->OnSearchFooterClose = [&](QObject *) { closed = true; };
    QTest::mouseClick(panel->ExitButton(), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(grid->SearchFooter().Visible());
    EXPECT_FALSE(panel->isVisible());
}

// --- the floating footer -------------------------------------------------------------------------

namespace {

struct FooterViewGrid : viewtest::KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setRowCount(6);
        for (int r = 1; r < 5; ++r)
            grid->setCells(1, r, QString::number(r));
        grid->FloatingFooter().setVisible(true);
        grid->FloatingFooter().setColumnCalc(1, acSUM);
    }
};

} // namespace

TEST_F(FooterViewGrid, ThePanelShowsTheLastRowAndTheGridDoesNot)
{
    TFooterPanel *panel = grid->FooterPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->height(), grid->DefaultRowHeight() - 1);
    EXPECT_EQ(panel->y() + panel->height(), grid->ClientHeight());
    EXPECT_EQ(grid->Cells(1, 5), QStringLiteral("10.00"));
    // Down from the last data row stops there: the footer row is no cell.
    at(1, 4);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4);
    // Right of the columns the panel shows the grid's colour.
    grid->setColor(0x00FF00);
    const QImage image = panel->paintToImage();
    EXPECT_EQ(image.pixelColor(image.width() - 5, panel->height() / 2), QColor(0, 255, 0));
}

TEST_F(FooterViewGrid, AClickOnTheFooterIsAClickOnTheLastRow)
{
    std::vector<QPoint> clicks;
    grid->OnClickCell = [&](TExStringGrid *, int ARow, int ACol) { clicks.emplace_back(ACol, ARow); };
    TFooterPanel *panel = grid->FooterPanel();
    const int x = grid->ColWidths(0) + grid->ColWidths(1) + 5;
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], QPoint(2, 5));
    QString asked;
    grid->OnGridHint = [&](TExStringGrid *, int ARow, int ACol, QString &) { asked = QStringLiteral("%1,%2").arg(ACol).arg(ARow); };
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), panel->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel, &help);
    EXPECT_EQ(asked, QStringLiteral("0,5"));
}

TEST_F(FooterViewGrid, EveryStylePaints)
{
    grid->setCells(2, 1, QStringLiteral("two"));
    at(1, 1);
    grid->FloatingFooter().setColor(0x0000FF);
    for (TFooterStyle style : {fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint}) {
        grid->FloatingFooter().setFooterStyle(style);
        grid->FloatingFooter().setCustomTemplate(QStringLiteral("Row: <#2>"));
        bool painted = false;
        grid->OnFooterPaint = [&](TExStringGrid *, int, platform::TCanvas &, platform::TRect) { painted = true; };
        const QImage image = grid->FooterPanel()->paintToImage();
        EXPECT_EQ(painted, style != fsCustomPreview) << style;
        grid->OnFooterPaint = nullptr;
        EXPECT_EQ(grid->FixedFooters(), style == fsFixedLastRow ? 1 : 0);
    }
}

TEST_F(FooterViewGrid, SelectionToFormGivesOnePictureForEitherCorner)
{
    grid->setGridFixedLineColor(0x0000FF);
    const auto a = grid->SelectionToForm(TGridRect{0, 1, 2, 3});
    const auto b = grid->SelectionToForm(TGridRect{2, 3, 0, 1});
    const QImage pa = a->grab().toImage();
    const QImage pb = b->grab().toImage();
    ASSERT_EQ(pa.size(), pb.size());
    EXPECT_EQ(pa, pb);
    EXPECT_FALSE(a->isVisible());
    EXPECT_TRUE(a->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(pa.pixelColor(0, pa.height() / 2), QColor(255, 0, 0));
}

TEST_F(SearchPanelGrid, ShowingThePanelOverTheFirstRowsDoesNotScroll)
{
    grid->SearchFooter().setVisible(false);
    grid->setTopRow(1);
    grid->SearchFooter().setVisible(true);
    EXPECT_EQ(grid->TopRow(), 1);
    // A resized grid keeps the panel at its bottom.
    grid->resize(400, 250);
    EXPECT_EQ(panel->geometry(), QRect(0, grid->ClientHeight() - 32, grid->ClientWidth(), 32));
}

TEST_F(SearchPanelGrid, ASearchColumnLimitsTheButtonsWithoutAutoSearch)
{
    TSearchFooter &sf = grid->SearchFooter();
    sf.AutoSearch = false;
    sf.SearchColumn = 3;
    panel->Edit()->setFocus();
    QTest::keyClicks(panel->Edit(), QStringLiteral("needle"));
    // Without AutoSearch typing finds nothing by itself.
    EXPECT_TRUE(actions.empty());
    QTest::keyClick(panel->Edit(), Qt::Key_Return);
    EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(3, 20));
    QTest::keyClick(panel->Edit(), Qt::Key_Return);
    EXPECT_EQ(actions.back().second, QPoint(-1, -1));
    // Another text starts again at the first cell.
    QTest::keyClick(panel->Edit(), Qt::Key_Backspace);
    QTest::keyClick(panel->Edit(), Qt::Key_Return);
    EXPECT_EQ(actions.back().second, QPoint(3, 20));
}

TEST_F(FooterViewGrid, RightToLeftMirrorsTheFooter)
{
    grid->setColor(0x00FF00);
    TFooterPanel *panel = grid->FooterPanel();
    const QImage ltr = panel->paintToImage();
    grid->setRightToLeft(true);
    const QImage rtl = panel->paintToImage();
    EXPECT_TRUE(grid->RightToLeft()) << "the grid's own mode comes back after the panel drew";
    // The grid's colour is left of the columns now.
    EXPECT_EQ(rtl.pixelColor(4, panel->height() / 2), QColor(0, 255, 0));
    EXPECT_NE(rtl.pixelColor(rtl.width() - 5, panel->height() / 2), QColor(0, 255, 0));
    EXPECT_EQ(ltr.pixelColor(ltr.width() - 5, panel->height() / 2), QColor(0, 255, 0));
    std::vector<QPoint> clicks;
    grid->OnClickCell = [&](TExStringGrid *, int ARow, int ACol) { clicks.emplace_back(ACol, ARow); };
    const int x = panel->width() - 1 - (grid->ColWidths(0) + grid->ColWidths(1) + 5);
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], QPoint(2, 5));
}

TEST_F(FooterViewGrid, ThePreviewDrawsASelectedCellInBlack)
{
    grid->setCells(1, 1, QStringLiteral("WWWWWW"));
    at(1, 1);
    grid->Appearance().SelectionTextColor = 0xFFFFFF;
    grid->FloatingFooter().setFooterStyle(fsColumnPreview);
    grid->FloatingFooter().setColumn(1);
    const QImage image = grid->FooterPanel()->paintToImage();
    int dark = 0;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            dark += image.pixelColor(x, y).lightness() < 60;
    EXPECT_GT(dark, 10);
    EXPECT_EQ(grid->Appearance().SelectionTextColor, 0xFFFFFFu) << "the grid's own colour comes back";
}

TEST_F(SearchPanelGrid, TheButtonsFollowTheGridsControlStyle)
{
    const auto flats = [&] {
        return std::vector<bool>{panel->ForwardButton()->isFlat(), panel->BackwardButton()->isFlat(),
                                 panel->HiliteButton()->isFlat()};
    };
    const struct {
        TControlStyle style;
        bool flat;
    } cases[] = {{csFlat, true}, {csClassic, false}, {csFlat, true}, {csWinXP, false}, {csFlat, true},
                 {csBorland, true} /* left as it was */, {csTheme, false}, {csGlyph, false}};
    for (const auto &c : cases) {
        grid->ControlLook().ControlStyle = c.style;
        grid->SearchFooter().setColor(grid->SearchFooter().Color() ^ 1); // any change re-applies
        EXPECT_EQ(flats(), std::vector<bool>(3, c.flat)) << int(c.style);
    }
}

TEST_F(FooterViewGrid, TheFooterRowTakesNoRoomAtTheEndOfTheView)
{
    grid->setRowCount(40);
    TFooterPanel *panel = grid->FooterPanel();
    ASSERT_GT(panel->height(), 0);
    const int lastData = grid->RowCount() - 2;
    // Half a row more than fits, so that the rows do not end flush.
    for (int h : {300, 300 + grid->DefaultRowHeight() / 2}) {
        grid->resize(500, h);
        drain();
        // Asked for more, the view stops at the last data row.
        grid->setTopRow(grid->RowCount() - 1);
        EXPECT_EQ(grid->TopRow(), grid->MaxTopRow());
        at(1, lastData - 1);
        key(Qt::Key_Down);
        EXPECT_EQ(grid->Row(), lastData);
        key(Qt::Key_Down);
        EXPECT_EQ(grid->Row(), lastData);
        EXPECT_EQ(grid->TopRow(), grid->MaxTopRow());
        EXPECT_LE(grid->TopRow() + grid->VisibleRowCount(), grid->RowCount() - 1) << "the footer row is no visible row";
        const platform::TRect r = grid->CellRect(1, lastData);
        EXPECT_LE(r.Bottom, panel->y()) << "the last data row ends above the panel";
        EXPECT_LT(panel->y() - r.Bottom, grid->DefaultRowHeight()) << "no row's room is left empty above it";
        // Scrolled one row less, the last data row is under the panel.
        grid->setTopRow(grid->TopRow() - 1);
        EXPECT_LT(grid->TopRow() + grid->VisibleRowCount(), lastData + 1);
    }
}

TEST_F(SearchPanelGrid, TheDefaultCaptionsFitTheirButtons)
{
    for (QPushButton *b : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()}) {
        EXPECT_EQ(b->width(), 90);
        EXPECT_LE(b->sizeHint().width(), 90) << qPrintable(b->text());
    }
    // A caption that fits keeps the panel's font as it is.
    EXPECT_EQ(panel->HiliteButton()->font(), panel->font());
}
