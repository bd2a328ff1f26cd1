#include "controls/grid/base/Bands.h"
#include "controls/grid/base/GridCheck.h"
#include "controls/grid/base/MouseActions.h"
#include "controls/grid/base/Navigation.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/base/SyncGrid.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

struct Counter {
    int changes = 0;
    template <class T>
    void attach(T &object)
    {
        object.OnChange = [this, &object](T *sender) {
            EXPECT_EQ(sender, &object);
            ++changes;
        };
    }
};

TEST(SearchFooter, StartsWithOrWithoutItsEnglishTexts)
{
    const TSearchFooter bare(false);
    EXPECT_EQ(bare.FindNextCaption(), QString());
    EXPECT_EQ(bare.HintHighlight(), QString());
    EXPECT_TRUE(bare.ShowFindNext() && bare.ShowFindPrev() && bare.ShowHighLight() && bare.ShowMatchCase()
                && bare.ShowClose());
    EXPECT_FALSE(bare.Visible());
    EXPECT_TRUE(bare.AutoSearch);
    EXPECT_EQ(bare.SearchColumn, -1);
    EXPECT_EQ(bare.Color(), platform::clWhite);
    EXPECT_EQ(bare.ColorTo(), platform::clBtnFace);

    const TSearchFooter named(true);
    EXPECT_EQ(named.FindNextCaption(), QStringLiteral("Find &next"));
    EXPECT_EQ(named.FindPrevCaption(), QStringLiteral("Find &previous"));
    EXPECT_EQ(named.HintFindPrev(), QStringLiteral("Find previous occurrence"));
}

TEST(SearchFooter, VisibilityFiresOnChangeOnlyLooksAlways)
{
    TSearchFooter footer(true);
    Counter counter;
    counter.attach(footer);
    footer.setShowFindNext(true);
    footer.setVisible(false);
    EXPECT_EQ(counter.changes, 0);
    footer.setColor(footer.Color());
    footer.setFindNextCaption(footer.FindNextCaption());
    footer.setShowClose(true);
    EXPECT_EQ(counter.changes, 3);
    footer.setVisible(true);
    footer.setShowMatchCase(false);
    EXPECT_EQ(counter.changes, 5);
    footer.SearchColumn = 3;
    EXPECT_EQ(counter.changes, 5);
}

TEST(SearchFooter, AssignCopiesEverySettingSilently)
{
    TSearchFooter source(false);
    source.setColor(platform::clRed);
    source.setHintClose(QStringLiteral("Zu"));
    source.setShowHighLight(false);
    source.setVisible(true);
    source.setAutoThemeAdapt(true);
    source.AutoSearch = false;
    source.SearchFixedCells = true;
    source.SearchDirection = TSearchDirection::sdLeftRight;
    source.LastSearch = QStringLiteral("kept by its grid");
    QFont font;
    font.setPointSize(17);
    source.setFont(font);

    TSearchFooter target(true);
    Counter counter;
    counter.attach(target);
    target.Assign(source);
    EXPECT_EQ(counter.changes, 0);
    EXPECT_EQ(target.Color(), platform::clRed);
    EXPECT_EQ(target.HintClose(), QStringLiteral("Zu"));
    EXPECT_EQ(target.FindNextCaption(), QString());
    EXPECT_FALSE(target.ShowHighLight());
    EXPECT_TRUE(target.Visible());
    EXPECT_TRUE(target.AutoThemeAdapt());
    EXPECT_FALSE(target.AutoSearch);
    EXPECT_TRUE(target.SearchFixedCells);
    EXPECT_EQ(target.SearchDirection, TSearchDirection::sdLeftRight);
    EXPECT_EQ(target.Font().pointSize(), 17);
    EXPECT_EQ(target.LastSearch, QString());
}

TEST(Navigation, DefaultsAndTheSettersThatDoMore)
{
    TNavigation navigation;
    EXPECT_TRUE(navigation.AdvanceOnEnterLoop && navigation.SkipFixedCells && navigation.CopyHTMLTagsToClipboard);
    EXPECT_FALSE(navigation.AllowInsertRow || navigation.AdvanceOnEnter || navigation.KeepScrollOnSort);
    EXPECT_EQ(navigation.HomeEndKey, THomeEndAction::heFirstLastColumn);

    Counter counter;
    counter.attach(navigation);
    navigation.setAdvanceDirection(TAdvanceDirection::adLeftRight);
    navigation.setAdvanceDirection(TAdvanceDirection::adTopBottom);
    navigation.setAdvanceInsert(true);
    navigation.setAdvanceInsert(true);
    EXPECT_EQ(counter.changes, 2);
    navigation.setAdvanceAuto(true);
    EXPECT_TRUE(navigation.AdvanceOnEnter);
    navigation.setAdvanceAuto(false);
    EXPECT_TRUE(navigation.AdvanceOnEnter);
    EXPECT_EQ(counter.changes, 2);
}

TEST(Navigation, AssignCopiesEveryOptionSilently)
{
    TNavigation source;
    source.TabAdvanceDirection = TAdvanceDirection::adTopBottom;
    source.setAdvanceDirection(TAdvanceDirection::adLeftRight);
    source.KeepScrollOnSort = true;
    source.setAdvanceAuto(true);
    source.HomeEndKey = THomeEndAction::heFirstLastRow;
    source.SkipFixedCells = false;

    TNavigation target;
    target.setAdvanceDirection(TAdvanceDirection::adTopBottomInCol);
    Counter counter;
    counter.attach(target);
    target.Assign(source);
    EXPECT_EQ(counter.changes, 0);
    EXPECT_EQ(target.TabAdvanceDirection, TAdvanceDirection::adTopBottom);
    EXPECT_EQ(target.AdvanceDirection(), TAdvanceDirection::adLeftRight);
    EXPECT_TRUE(target.KeepScrollOnSort);
    EXPECT_TRUE(target.AdvanceAuto() && target.AdvanceOnEnter);
    EXPECT_EQ(target.HomeEndKey, THomeEndAction::heFirstLastRow);
    EXPECT_FALSE(target.SkipFixedCells);
}

TEST(MouseActions, HotmailSelectionImpliesItsCompanions)
{
    TMouseActions mouse;
    EXPECT_TRUE(mouse.PreciseNodeClick && mouse.AutoSizeColOnDblClick);
    int invalidated = 0, disabled = 0;
    mouse.OnInvalidate = [&invalidated](TMouseActions *) { ++invalidated; };
    mouse.OnDisableEdit = [&disabled](TMouseActions *) { ++disabled; };

    mouse.setHotmailRowSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.CheckAllCheck);
    mouse.setHotmailRowSelect(false);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.CheckAllCheck);
    EXPECT_EQ(invalidated, 2);

    mouse.setEditOnDblClickOnly(false);
    mouse.setEditOnDblClickOnly(true);
    EXPECT_EQ(disabled, 1);

    Counter counter;
    counter.attach(mouse);
    mouse.setWheelAction(TWheelAction::waMoveSelection);
    mouse.setWheelAction(TWheelAction::waScroll);
    EXPECT_EQ(counter.changes, 1);
}

TEST(MouseActions, DisjunctModesExcludeEachOtherOnlyWhileDesigning)
{
    TMouseActions mouse;
    mouse.setDisjunctRowSelect(true);
    mouse.setDisjunctColSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.DisjunctColSelect());

    mouse.OnIsDesigning = [](TMouseActions *, bool &designing) { designing = true; };
    mouse.setDisjunctCellSelect(true);
    EXPECT_TRUE(mouse.DisjunctCellSelect());
    EXPECT_FALSE(mouse.DisjunctRowSelect() || mouse.DisjunctColSelect());
    mouse.setDisjunctRowSelectDirect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.DisjunctCellSelect());
}

TEST(MouseActions, AssignCopiesEveryOptionSilently)
{
    TMouseActions source;
    source.setHotmailRowSelect(true);
    source.setEditOnDblClickOnly(true);
    source.SizeFixedRow = true;
    source.setFixedComboValues({QStringLiteral("a"), QStringLiteral("b")});
    source.setWheelAction(TWheelAction::waScroll);
    source.FixedColsEditor = TGridFixedCellEditor::fceComboList;

    TMouseActions target;
    int events = 0;
    target.OnChange = target.OnInvalidate = target.OnDisableEdit = [&events](TMouseActions *) { ++events; };
    target.Assign(source);
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(target.HotmailRowSelect() && target.DisjunctRowSelect() && target.CheckAllCheck);
    EXPECT_TRUE(target.EditOnDblClickOnly() && target.SizeFixedRow);
    EXPECT_EQ(target.FixedComboValues(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(target.WheelAction(), TWheelAction::waScroll);
    EXPECT_EQ(target.FixedColsEditor, TGridFixedCellEditor::fceComboList);
}

TEST(Bands, RepaintOnlyWhatActiveBandsShow)
{
    TBands bands;
    EXPECT_EQ(bands.PrimaryColor(), platform::clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), platform::clWindow);
    EXPECT_EQ(bands.TotalLength(), 2);

    Counter counter;
    counter.attach(bands);
    bands.setPrimaryLength(3);
    bands.setSecondaryColor(platform::clRed);
    EXPECT_EQ(bands.TotalLength(), 4);
    EXPECT_EQ(counter.changes, 0);
    bands.setActive(true);
    bands.setActive(true);
    bands.setSecondaryLength(2);
    bands.setSecondaryLength(2);
    bands.setPrimaryColor(platform::clBlue);
    EXPECT_EQ(counter.changes, 3);
    EXPECT_EQ(bands.TotalLength(), 5);

    TBands source;
    source.setPrimaryLength(2);
    source.setSecondaryLength(5);
    source.Print = true;
    bands.Assign(source);
    EXPECT_EQ(bands.TotalLength(), 7);
    EXPECT_FALSE(bands.Active());
    EXPECT_TRUE(bands.Print);
    EXPECT_EQ(counter.changes, 3);
}

TEST(SyncGrid, NeverSynchronisesAGridWithItself)
{
    // Only the addresses matter here.
    alignas(8) char owner = 0, other = 0;
    auto *ownerGrid = reinterpret_cast<TBaseGrid *>(&owner);
    auto *otherGrid = reinterpret_cast<TBaseGrid *>(&other);
    TSyncGrid sync(ownerGrid);
    sync.setGrid(ownerGrid);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.setGrid(otherGrid);
    EXPECT_EQ(sync.Grid(), otherGrid);

    TSyncGrid mirrored(otherGrid);
    mirrored.Assign(sync);
    EXPECT_EQ(mirrored.Grid(), nullptr);
    sync.MoveRow = true;
    TSyncGrid third(nullptr);
    third.Assign(sync);
    EXPECT_EQ(third.Grid(), otherGrid);
    EXPECT_TRUE(third.MoveRow);

    TFocusHelper helper, copy;
    helper.Enabled = true;
    copy.Assign(helper);
    EXPECT_TRUE(copy.Enabled);
}

TEST(GridCheck, TheBaseCheckerLeavesEveryTextAsItIs)
{
    TExStringGridCheck checker;
    EXPECT_FALSE(checker.AutoCorrect || checker.AutoMarkError || checker.GotoCell || checker.UseCorrect
                 || checker.UseMarkError);
    checker.StartCheck();
    for (const QString &text : {QString(), QStringLiteral("teh"), QStringLiteral("<e>x</e>")}) {
        EXPECT_EQ(checker.Correct(1, 2, text), text);
        EXPECT_EQ(checker.MarkError(1, 2, text), text);
    }
    checker.StopCheck();
}

} // namespace
