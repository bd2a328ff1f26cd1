// Choosing a row, the popup grid's events handed on, and handlers that
// show dialogs, move the current cell or free the drop-down.
#include "GridDropDownFixture.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace griddroptest;
using namespace controls::griddd;
using controls::TExStringGrid;

TEST(GridDropDown, AClickOnADataRowChoosesItAndAnyOtherClickNothing)
{
    GridDropDownWindow w;
    w.openPopup();
    w.grid().AddCheckBox(1, 2, false, false);
    // The right button, and the check box, choose nothing.
    editortest::mouse(w.grid(), QEvent::MouseButtonPress, w.cellCentre(0, 3), Qt::RightButton);
    editortest::mouse(w.grid(), QEvent::MouseButtonRelease, w.cellCentre(0, 3), Qt::RightButton);
    EXPECT_TRUE(w.open());
    const platform::TRect box = w.grid().CellRect(1, 2);
    for (int x = box.Left; x < box.Right; ++x)
        if (w.grid().IsInCheckBox(1, 2, x, (box.Top + box.Bottom) / 2)) {
            editortest::click(w.grid(), {x, (box.Top + box.Bottom) / 2});
            break;
        }
    EXPECT_TRUE(w.open());
    EXPECT_TRUE(w.log.isEmpty());
    editortest::click(w.grid(), w.cellCentre(0, 3));
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.log, (QStringList{"OnSelect 2 \"Bravo\""}));
}

TEST(GridDropDown, EnterChoosesTheCurrentRowClosesAndRaisesOnSelect)
{
    GridDropDownWindow w;
    w.dropDown->setItemIndex(0);
    w.openPopup();
    w.type(Qt::Key_Down);
    w.type(Qt::Key_Return);
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.log, (QStringList{"OnSelect 1 \"Beta\""}));
}

TEST(GridDropDown, EscapePutsBackTheItemTheRowMovesChose)
{
    GridDropDownWindow w;
    w.dropDown->setItemIndex(1);
    w.openPopup();
    w.type(Qt::Key_Down);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Bravo"));
    w.type(Qt::Key_Escape);
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Beta"));
}

TEST(GridDropDown, EnterInAnEditedCellClosesThePopupOnlyInTheLookupColumn)
{
    for (const int col : {1, 0}) {
        GridDropDownWindow w;
        w.dropDown->setGridEditable(true);
        w.dropDown->setRowSelect(false);
        w.openPopup();
        w.grid().MoveColRow(col, 2, true, true);
        w.grid().ShowEditor();
        ASSERT_TRUE(w.grid().EditorMode());
        int key = Qt::Key_Return;
        w.dropDown->HandleKeyDown(key, Qt::NoModifier);
        EXPECT_EQ(key, 0);
        w.dropDown->HandleKeyUp(Qt::Key_Return, Qt::NoModifier);
        EXPECT_FALSE(w.grid().EditorMode());
        EXPECT_EQ(w.open(), col != 0) << col;
        EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Beta"));
        EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    }
}

TEST(GridDropDown, ThePopupGridsEventsReachTheirHandlersUnchanged)
{
    GridDropDownWindow w;
    w.openPopup();
    TExColGrid &grid = w.grid();
    QStringList seen;
    struct Case {
        const char *name;
        std::function<void()> install;
        std::function<void()> fire;
        QString expected;
    };
    const auto who = [&](QObject *sender) { return sender == &grid ? QStringLiteral("grid") : QStringLiteral("?"); };
    TCustomExGridDropDown &d = *w.dropDown;
    const Case cases[] = {
        {"AnchorEnter",
         [&] { d.OnGridAnchorEnter = [&](TExStringGrid *s, int r, int c, const QString &a) { seen << QStringLiteral("%1 %2 %3 %4").arg(who(s)).arg(r).arg(c).arg(a); }; },
         [&] { grid.OnAnchorEnter(&grid, 2, 1, "http://a"); }, "grid 2 1 http://a"},
        {"AnchorHint",
         [&] { d.OnGridAnchorHint = [&](TExStringGrid *s, int r, int c, QString &a) { seen << QStringLiteral("%1 %2 %3 %4").arg(who(s)).arg(r).arg(c).arg(a); a = "changed"; }; },
         [&] { QString a = "x"; grid.OnAnchorHint(&grid, 1, 0, a); seen << a; }, "grid 1 0 x|changed"},
        {"CheckBoxClick",
         [&] { d.OnGridCheckBoxClick = [&](TExStringGrid *s, int c, int r, bool st) { seen << QStringLiteral("%1 %2 %3 %4").arg(who(s)).arg(c).arg(r).arg(st); }; },
         [&] { grid.OnCheckBoxClick(&grid, 1, 3, true); }, "grid 1 3 1"},
        {"ColumnSizing",
         [&] { d.OnGridColumnSizing = [&](TExStringGrid *s, int c, int size) { seen << QStringLiteral("%1 %2 %3").arg(who(s)).arg(c).arg(size); }; },
         [&] { grid.OnColumnSizing(&grid, 1, 77); }, "grid 1 77"},
        {"RowSize",
         [&] { d.OnGridRowSize = [&](TExStringGrid *s, int r, bool &allow) { seen << QStringLiteral("%1 %2 %3").arg(who(s)).arg(r).arg(allow); allow = false; }; },
         [&] { bool allow = true; grid.OnRowSize(&grid, 2, allow); seen << QString::number(allow); }, "grid 2 1|0"},
        {"GridRowMoved",
         [&] { d.OnGridRowMoved = [&](TExStringGrid *s, int f, int t) { seen << QStringLiteral("%1 %2 %3").arg(who(s)).arg(f).arg(t); }; },
         [&] { grid.OnGridRowMoved(&grid, 1, 3); }, "grid 1 3"},
        {"GetEditorType",
         [&] { d.OnGridGetEditorType = [&](TExStringGrid *s, int c, int r, controls::TEditorType &e) { seen << QStringLiteral("%1 %2 %3 %4").arg(who(s)).arg(c).arg(r).arg(int(e)); e = controls::edSpinEdit; }; },
         [&] { controls::TEditorType e = controls::edNormal; grid.OnGetEditorType(&grid, 1, 2, e); seen << QString::number(int(e)); }, "grid 1 2 0|1"},
        {"GetDisplText",
         [&] { d.OnGridGetDiplText = [&](controls::TBaseGrid *s, int c, int r, QString &v) { seen << QStringLiteral("%1 %2 %3 %4").arg(who(s)).arg(c).arg(r).arg(v); }; },
         [&] { QString v = "shown"; grid.OnGetDisplText(&grid, 0, 1, v); }, "grid 0 1 shown"},
        {"GridHint",
         [&] { d.OnGridHint = [&](TExStringGrid *s, int r, int c, QString &h) { seen << QStringLiteral("%1 %2 %3 %4").arg(who(s)).arg(r).arg(c).arg(h); }; },
         [&] { QString h = "hint"; grid.OnGridHint(&grid, 3, 1, h); }, "grid 3 1 hint"},
        {"RightClickCell",
         [&] { d.OnGridRightClickCell = [&](TExStringGrid *s, int r, int c) { seen << QStringLiteral("%1 %2 %3").arg(who(s)).arg(r).arg(c); }; },
         [&] { grid.OnRightClickCell(&grid, 2, 0); }, "grid 2 0"},
        {"TopLeftChanged",
         [&] { d.OnGridTopLeftChanged = [&](QObject *s) { seen << who(s); }; },
         [&] { grid.OnTopLeftChanged(&grid); }, "grid"},
        {"SearchEditChange",
         [&] { d.OnGridSearchEditChange = [&](TExStringGrid *s, const QString &v, bool &def) { seen << QStringLiteral("%1 %2 %3").arg(who(s)).arg(v).arg(def); }; },
         [&] { bool def = true; grid.OnSearchEditChange(&grid, "find", def); }, "grid find 1"},
        {"CanDeleteRow",
         [&] { d.OnGridCanDeleteRow = [&](TExStringGrid *s, int r, bool &can) { seen << QStringLiteral("%1 %2 %3").arg(who(s)).arg(r).arg(can); can = false; }; },
         [&] { bool can = true; grid.OnCanDeleteRow(&grid, 2, can); seen << QString::number(can); }, "grid 2 1|0"},
        {"DeleteRow",
         [&] { d.OnGridDeleteRow = [&](TExStringGrid *s, int r) { seen << QStringLiteral("%1 %2").arg(who(s)).arg(r); }; },
         [&] { grid.OnAutoDeleteRow(&grid, 2); }, "grid 2"},
    };
    for (const Case &c : cases) {
        seen.clear();
        // Silent without a handler, heard with one.
        c.fire();
        EXPECT_TRUE(seen.isEmpty() || seen.size() == 1) << c.name;
        seen.clear();
        c.install();
        c.fire();
        EXPECT_EQ(seen.join('|'), c.expected) << c.name;
    }
}

TEST(GridDropDown, TheComparersAndTheSpinClickArePublishedButNeverHooked)
{
    GridDropDownWindow w;
    int calls = 0;
    w.dropDown->OnGridCustomCompare = [&](TExStringGrid *, const QString &, const QString &, int &) { ++calls; };
    w.dropDown->OnGridRawCompare = [&](TExStringGrid *, int, int, int, int &) { ++calls; };
    w.dropDown->OnGridSpinClick = [&](QObject *, int, int, int) { ++calls; };
    w.dropDown->setSorting(gsSingleColumn);
    w.openPopup();
    EXPECT_FALSE(w.grid().OnCustomCompare);
    EXPECT_FALSE(w.grid().OnRawCompare);
    editortest::click(w.grid(), w.cellCentre(0, 0));
    EXPECT_EQ(calls, 0);
}

TEST(GridDropDown, AlignmentAndColourStartFromTheColumns)
{
    GridDropDownWindow w;
    w.dropDown->Columns()[1].setAlignment(controls::multicol::taRightJustify);
    w.dropDown->Columns()[1].setColor(platform::clYellow);
    QString seen;
    w.dropDown->OnGridGetAlignment = [&](TExStringGrid *, int, int, controls::TAlignment &h, controls::TVAlignment &) {
        seen += QString::number(int(h));
        h = controls::taCenter;
    };
    w.dropDown->OnGridGetCellColor = [&](TExStringGrid *, int, int, controls::TGridDrawState, platform::TBrush &b,
                                         platform::TFont &) { seen += b.Color() == platform::clYellow ? "Y" : "n"; };
    w.openPopup();
    seen.clear();
    controls::TAlignment h = controls::taLeftJustify;
    controls::TVAlignment v = controls::vtaTop;
    w.grid().OnGetAlignment(&w.grid(), 1, 1, h, v);
    EXPECT_EQ(h, controls::taCenter);
    platform::TBrush brush;
    platform::TFont font;
    w.grid().OnGetCellColor(&w.grid(), 1, 1, {}, brush, font);
    EXPECT_EQ(seen, QStringLiteral("1Y"));
}

namespace {

// A real modal dialog that its own timer closes.
void showModalDialog(QWidget *parent, bool &shown)
{
    QDialog dialog(parent);
    dialog.resize(120, 80);
    QTimer::singleShot(50, &dialog, [&] {
        shown = dialog.isVisible();
        dialog.accept();
    });
    dialog.exec();
}

} // namespace

TEST(GridDropDown, ADialogShownFromAButtonOrAnchorHandlerLeavesThePopupOpen)
{
    for (const bool anchor : {false, true}) {
        GridDropDownWindow w;
        bool shown = false;
        w.dropDown->OnGridAnchorClick = [&](TExStringGrid *, int, int, const QString &, bool &) {
            showModalDialog(&w.window, shown);
        };
        w.dropDown->OnGridButtonClick = [&](TExStringGrid *, int, int) { showModalDialog(&w.window, shown); };
        w.openPopup();
        ASSERT_TRUE(w.open());
        if (anchor) {
            bool autoHandle = true;
            w.grid().OnAnchorClick(&w.grid(), 1, 0, "x", autoHandle);
        } else {
            w.grid().OnButtonClick(&w.grid(), 0, 1);
        }
        settle();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(w.open()) << anchor;
        EXPECT_FALSE(static_cast<controls::TDropDownForm &>(w.popup()).BlockActivate());
    }
}

TEST(GridDropDown, ADialogShownFromAnUnblockedHandlerClosesThePopup)
{
    // What the flag is for: without it the dialog takes the popup away.
    GridDropDownWindow w;
    bool shown = false;
    w.dropDown->OnGridRightClickCell = [&](TExStringGrid *, int, int) { showModalDialog(&w.window, shown); };
    w.openPopup();
    w.grid().OnRightClickCell(&w.grid(), 1, 0);
    settle();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(w.open());
}

TEST(GridDropDown, HandlersThatMoveTheCurrentCellOrFreeTheDropDownEndCleanly)
{
    enum Where { InSelect, InChange, InDropUp };
    for (const Where where : {InSelect, InChange, InDropUp}) {
        for (const bool free : {false, true}) {
            auto w = std::make_unique<GridDropDownWindow>();
            QPointer<TCustomExGridDropDown> dropDown = w->dropDown;
            const auto act = [&] {
                if (!dropDown)
                    return;
                if (free)
                    delete dropDown.data();
                else if (dropDown->GetExColGrid())
                    dropDown->GetExColGrid()->MoveColRow(0, 1, true, true);
            };
            if (where == InSelect)
                w->dropDown->OnSelect = [&](QObject *) { act(); };
            else if (where == InChange)
                w->dropDown->OnChange = [&](QObject *) { act(); };
            else
                w->dropDown->OnDropUp = [&](QObject *, bool) { act(); };
            w->openPopup();
            w->type(Qt::Key_Down);
            if (dropDown)
                w->type(Qt::Key_Return);
            settle();
            EXPECT_EQ(dropDown.isNull(), free) << where;
            w.reset();
        }
    }
}
