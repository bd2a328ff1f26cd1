#include "controls/dropdown/core/ItemAppearance.h"
#include "controls/dropdown/core/SelectorLayout.h"
#include "controls/dropdown/core/TypeAhead.h"

#include "support/ManualIntervalTimer.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;

namespace {

TEST(SelectorLayout, MeasuresTheItemByItsLayout)
{
    struct Case {
        TItemLayout layout;
        QSize content, caption, item;
    };
    // Content 16 x 16, caption 30 x 13 (34 with its 4): beside it
    // 4+16+4+34+4 wide and 16+8 high; above or below it 34+8 wide and
    // 4+16+4+13+4 high.
    const Case cases[] = {
        {ilCaptionLeft, {16, 16}, {30, 13}, {62, 24}},
        {ilCaptionRight, {16, 16}, {30, 13}, {62, 24}},
        {ilCaptionTop, {16, 16}, {30, 13}, {42, 41}},
        {ilCaptionBottom, {16, 16}, {30, 13}, {42, 41}},
        // Without a caption no gap, without content neither.
        {ilCaptionRight, {16, 16}, {0, 0}, {24, 24}},
        {ilCaptionRight, {0, 0}, {30, 13}, {42, 21}},
        {ilCaptionBottom, {0, 0}, {30, 13}, {42, 21}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(measureSelectorItem(c.content, c.caption, c.layout), c.item) << int(c.layout);
}

TEST(SelectorLayout, ThreeItemsInTwoColumnsFillTwoRows)
{
    const TSelectorArrangement arranged = arrangeSelectorItems(3, 2, {40, 20});
    ASSERT_EQ(arranged.items.size(), 3u);
    EXPECT_EQ(arranged.items[0], QRect(2, 2, 40, 20));
    EXPECT_EQ(arranged.items[1], QRect(42, 2, 40, 20));
    EXPECT_EQ(arranged.items[2], QRect(2, 22, 40, 20));
    EXPECT_EQ(arranged.panel, QSize(2 * 40 + 4, 2 * 20 + 4));
    EXPECT_EQ(itemAtPos(arranged.items, {50, 10}), 1);
    EXPECT_EQ(itemAtPos(arranged.items, {50, 30}), -1);
    EXPECT_EQ(itemAtPos(arranged.items, {1, 1}), -1);
}

TEST(SelectorLayout, TheComputedGridIsTheArrangedOne)
{
    for (const int count : {1, 2, 3, 4, 7, 12})
        for (const int columns : {1, 2, 3, 5}) {
            const TSelectorArrangement arranged = arrangeSelectorItems(count, columns, {30, 17});
            EXPECT_EQ(selectorPanelSize(count, columns, {30, 17}), arranged.panel) << count << " " << columns;
            for (int i = 0; i < count; ++i)
                EXPECT_EQ(selectorItemRect(i, columns, {30, 17}), arranged.items[std::size_t(i)]) << i;
        }
    EXPECT_EQ(selectorPanelSize(0, 3, {30, 17}), QSize(100, 50));
}

TEST(SelectorLayout, NoItemsMakeAHundredByFifty)
{
    EXPECT_EQ(arrangeSelectorItems(0, 3, {10, 10}).panel, QSize(100, 50));
    EXPECT_TRUE(arrangeSelectorItems(0, 3, {10, 10}).items.empty());
}

TEST(SelectorLayout, NextAndPreviousStopAtTheEndsAndStartFromNone)
{
    EXPECT_EQ(nextIndex(-1, 3), 0);
    EXPECT_EQ(previousIndex(-1, 3), 0);
    EXPECT_EQ(nextIndex(2, 3), 2);
    EXPECT_EQ(previousIndex(0, 3), 0);
    EXPECT_EQ(nextIndex(1, 3), 2);
    EXPECT_EQ(nextIndex(-1, 0), -1);
}

TEST(SelectorLayout, AVisiblePageOfItemsWithoutHeightIsEmpty)
{
    EXPECT_EQ(visibleItemCount(100, 22, 1, 50), 4);
    EXPECT_EQ(visibleItemCount(100, 22, 3, 50), 12);
    // Items of no height (not laid out yet) give no page instead of a
    // division by zero.
    EXPECT_EQ(visibleItemCount(100, 0, 1, 50), 0);
    EXPECT_EQ(visibleItemCount(100, 22, 1, 0), 0);
}

TEST(SelectorLayout, ScrollsAnItemIntoView)
{
    EXPECT_EQ(scrollDeltaForItem(20, 40, 30, 100), -10);
    EXPECT_EQ(scrollDeltaForItem(120, 140, 30, 100), 10);
    EXPECT_EQ(scrollDeltaForItem(50, 70, 30, 100), 0);
    // Taller than the view: its top goes to the top.
    EXPECT_EQ(scrollDeltaForItem(50, 300, 30, 100), 20);
}

TEST(TypeAhead, FindsABoldRedByRE)
{
    const QStringList captions{QStringLiteral("Green"), QStringLiteral("<b>Red</b>"), QStringLiteral("Reed")};
    EXPECT_EQ(lookupCaption(captions, QStringLiteral("RE")), 1);
    EXPECT_EQ(lookupCaption(captions, QStringLiteral("REE")), 2);
    EXPECT_EQ(lookupCaption(captions, QStringLiteral("X")), -1);
    EXPECT_EQ(lookupCaption({}, QStringLiteral("RE")), -1);
    EXPECT_EQ(lookupCaption(captions, QString()), -1);
}

TEST(TypeAhead, SearchesTheTypedCharacterNotTheKeyCode)
{
    // Shift+B types "B"; a lower-case b searches B too; keypad digits are
    // digits, and keys that type nothing printable add nothing.
    struct Case {
        QString typed, added;
    };
    const Case cases[] = {
        {QStringLiteral("B"), QStringLiteral("B")}, {QStringLiteral("b"), QStringLiteral("B")},
        {QStringLiteral("1"), QStringLiteral("1")}, {QStringLiteral("\x10"), QString()},
        {QString(), QString()},                     {QStringLiteral("\t"), QString()},
        {QStringLiteral("é"), QStringLiteral("É")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(searchKeyText(c.typed), c.added) << c.typed.toStdString();
}

TEST(TypeAhead, KeysWithinHalfASecondSearchTogether)
{
    auto owned = std::make_unique<testsupport::ManualIntervalTimer>();
    testsupport::ManualIntervalTimer &timer = *owned;
    TKeySearch search(std::move(owned));
    EXPECT_EQ(search.add(QStringLiteral("r")), QStringLiteral("R"));
    timer.advance(std::chrono::milliseconds(300));
    EXPECT_EQ(search.add(QStringLiteral("e")), QStringLiteral("RE"));
    // The timer runs from the first key of the burst, not the last.
    timer.advance(std::chrono::milliseconds(250));
    EXPECT_EQ(search.text(), QString());
    EXPECT_EQ(search.add(QStringLiteral("\x01")), QString());
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(search.add(QStringLiteral("g")), QStringLiteral("G"));
}

TEST(TypeAhead, CompletesTheTypedBeginningToACaption)
{
    const QStringList captions{QStringLiteral("Alpha"), QStringLiteral("Beta")};
    const TCompletion b = completeToCaption(QStringLiteral("b"), 1, captions, false);
    EXPECT_EQ(b.index, 1);
    EXPECT_EQ(b.text, QStringLiteral("beta"));
    EXPECT_EQ(b.typedLength, 1);
    EXPECT_TRUE(b.changed);
    // Case matters with matchCase.
    EXPECT_EQ(completeToCaption(QStringLiteral("b"), 1, captions, true).index, -1);
    // A miss drops what follows the caret.
    const TCompletion miss = completeToCaption(QStringLiteral("Axle"), 2, captions, false);
    EXPECT_EQ(miss.index, -1);
    EXPECT_EQ(miss.text, QStringLiteral("Ax"));
    EXPECT_TRUE(miss.changed);
    // Caret at 0: nothing to complete, nothing changes.
    EXPECT_FALSE(completeToCaption(QStringLiteral("zz"), 0, captions, false).changed);
}

TEST(TypeAhead, CompletesTheWholeRestOfALongCaption)
{
    const QString caption = QStringLiteral("M") + QString(400, u'x');
    const TCompletion completed = completeToCaption(QStringLiteral("m"), 1, {caption}, false);
    EXPECT_EQ(completed.text, QStringLiteral("m") + QString(400, u'x'));
}

TEST(ItemAppearance, StartsWithTheOffice2007PresetAndAssignBringsTheSourcesPreset)
{
    TItemAppearance appearance;
    EXPECT_EQ(appearance.ColorHot, 0xD7FFFD);
    EXPECT_EQ(appearance.ColorSelectedTo, 0x04B9F4);
    EXPECT_EQ(appearance.BorderColorHot, clNone);
    EXPECT_EQ(appearance.ColorSelectedText, clBlack);
    EXPECT_EQ(appearance.FontName, QStringLiteral("Tahoma"));

    TItemAppearance vista;
    vista.ApplyColorStyle(scWindowsVista);
    EXPECT_EQ(vista.ColorHot, 0xFDF8F1);
    EXPECT_EQ(vista.ColorMirrorHot, clNone);
    vista.ColorHot = 0x123456;
    vista.ColorHotText = 0x0000FF;
    // Another style on the source: its preset wins over the copied colour.
    appearance.Assign(vista);
    EXPECT_EQ(appearance.ColorHot, 0xFDF8F1);
    EXPECT_EQ(appearance.ColorHotText, 0x0000FF);
    EXPECT_EQ(appearance.ColorStyle(), scWindowsVista);
    // The same style: the copied colour stays.
    TItemAppearance again;
    again.ApplyColorStyle(scWindowsVista);
    again.Assign(vista);
    EXPECT_EQ(again.ColorHot, 0x123456);
    // Custom changes nothing.
    again.ApplyColorStyle(scCustom);
    EXPECT_EQ(again.ColorHot, 0x123456);
}

TEST(ItemAppearance, ComponentStylesWriteTheirHotAndSelectedColours)
{
    TItemAppearance appearance;
    appearance.BorderColorHot = 0x111111;
    ApplyItemAppearanceStyle(&appearance, tsWindowsXP);
    EXPECT_EQ(appearance.BorderColorHot, clNone);
    EXPECT_EQ(appearance.ColorSelected, clHighlight);
    EXPECT_EQ(appearance.ColorSelectedText, clHighlightText);
    EXPECT_EQ(appearance.ColorHot, 0xEFD3C6);
    ApplyItemAppearanceStyle(&appearance, tsOffice2007Luna);
    EXPECT_EQ(appearance.BorderColorTop, 0xF4FEFF);
    EXPECT_EQ(appearance.ColorMirrorSelected, 0x42AEFE);
    EXPECT_EQ(appearance.ColorSelectedText, clBlack);
    ApplyItemAppearanceStyle(&appearance, tsOffice2010Black);
    EXPECT_EQ(appearance.BorderColor, 0x308AC2);
    EXPECT_EQ(appearance.BorderColorTop, clNone);
    appearance.ColorHot = 0x222222;
    ApplyItemAppearanceStyle(&appearance, tsCustom);
    EXPECT_EQ(appearance.ColorHot, 0x222222);
    ApplyItemAppearanceStyle(nullptr, tsWindows7);
}

} // namespace
