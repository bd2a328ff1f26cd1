#include "controls/dropdown/core/LookupMatching.h"
#include "controls/dropdown/core/MultiColumnItems.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace controls::multicol;

namespace {

TLookupIndex greek()
{
    TLookupIndex index;
    index.rebuild({"Alpha", "Beta", "Bravo"});
    return index;
}

TEST(EditCompletion, TypedPartKeepsTheUsersCaseAndTheRestComesFromTheEntry)
{
    const auto c = completeTypedText(greek(), "b", 1);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->text, "beta");
    EXPECT_EQ(c->index, 1);
    EXPECT_EQ(c->keyLength, 1);
}

TEST(EditCompletion, CasesOfTypedText)
{
    struct Case {
        QString text;
        int caret;
        QString completed; // empty: nothing completes
        int index;
    };
    const Case cases[] = {
        {"BR", 2, "BRavo", 2},
        {"bx", 2, "", -1},
        {"", 0, "", -1},
        // Only what stands before the caret counts as typed.
        {"alZZ", 2, "alpha", 0},
        {"Beta", 4, "Beta", 1},
    };
    for (const Case &c : cases) {
        const auto got = completeTypedText(greek(), c.text, c.caret);
        if (c.completed.isEmpty()) {
            EXPECT_FALSE(got) << c.text.toStdString();
            continue;
        }
        ASSERT_TRUE(got) << c.text.toStdString();
        EXPECT_EQ(got->text, c.completed);
        EXPECT_EQ(got->index, c.index);
    }
}

TEST(EditCompletion, CompletesTheWholeRestOfALongEntry)
{
    TLookupIndex index;
    const QString longEntry = "Meter " + QString(600, u'x');
    index.rebuild({longEntry});
    const auto c = completeTypedText(index, "m", 1);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->text.size(), longEntry.size());
    EXPECT_EQ(c->text, "m" + longEntry.mid(1));
}

TEST(LookupIndex, PrefixAndExactSearch)
{
    const TLookupIndex index = greek();
    EXPECT_EQ(index.findPrefix("br", false), 2);
    EXPECT_EQ(index.findPrefix("br", true), -1);
    EXPECT_EQ(index.findPrefix("Br", true), 2);
    EXPECT_EQ(index.findPrefix("", false), -1);
    EXPECT_EQ(index.indexOfText("bETA"), 1);
    EXPECT_EQ(index.indexOfText("Bet"), -1);
}

// The first entry in order that begins with the key, the slow way.
int firstByScan(const QStringList &texts, const QString &key, bool caseSensitive)
{
    if (key.isEmpty())
        return -1;
    for (int i = 0; i < texts.size(); ++i)
        if (caseSensitive ? texts[i].startsWith(key) : texts[i].toUpper().startsWith(key.toUpper()))
            return i;
    return -1;
}

TEST(LookupIndex, SortedSearchFindsWhatAScanFinds)
{
    // Duplicates, case variants, prefixes of one another, empty and
    // non-Latin texts, in no order.
    const QStringList texts = {"beta", "Bravo", "", "Beta", "bet", "Meter 10", "Meter 1", "meter 1", "Ölzähler",
                               "ölz", "Beta", "B", "Zeta", "alpha", "Alpha", "Meter 100", "Straße"};
    TLookupIndex index;
    index.rebuild(texts);
    QStringList keys = {"x", "Mz", "STRASSE", "ÖL"};
    for (const QString &text : texts)
        for (int n = 1; n <= text.size(); ++n)
            keys << text.left(n) << text.left(n).toLower() << text.left(n).toUpper();
    for (const QString &key : keys)
        for (const bool cs : {false, true})
            EXPECT_EQ(index.findPrefix(key, cs), firstByScan(texts, key, cs)) << key.toStdString() << cs;
    for (const QString &text : texts)
        EXPECT_EQ(index.indexOfText(text.toLower()),
                  int(std::find_if(texts.begin(), texts.end(),
                                   [&](const QString &t) { return t.toUpper() == text.toLower().toUpper(); })
                      - texts.begin()))
            << text.toStdString();
}

TEST(PopupLookup, EntryGrowsFindsAndStartsOver)
{
    const TLookupIndex index = greek();
    TPopupLookup lookup;
    TEditSnapshot edit;
    struct Step {
        QChar key;
        int row;
        QString entry;
        QString text; // empty: unchanged
    };
    const Step steps[] = {
        {u'b', 1, "b", "Beta"},
        {u'r', 2, "br", "Bravo"},
        {u'z', -1, "", ""},
        {u'a', 0, "a", "Alpha"},
    };
    for (const Step &s : steps) {
        const auto r = lookup.key(s.key, edit, index, false);
        EXPECT_EQ(r.row, s.row) << QString(s.key).toStdString();
        EXPECT_EQ(lookup.entry(), s.entry);
        if (s.text.isEmpty()) {
            EXPECT_FALSE(r.edit);
            continue;
        }
        ASSERT_TRUE(r.edit);
        EXPECT_EQ(r.edit->text, s.text);
        EXPECT_EQ(r.edit->selStart, int(s.entry.size()));
        EXPECT_EQ(r.edit->selLength, int(s.text.size() - s.entry.size()));
        edit = *r.edit;
    }
}

TEST(PopupLookup, CaseSensitiveFindsOnlyTheSameCase)
{
    const TLookupIndex index = greek();
    TPopupLookup lookup;
    EXPECT_EQ(lookup.key(u'b', {}, index, true).row, -1);
    EXPECT_EQ(lookup.entry(), "");
    EXPECT_EQ(lookup.key(u'B', {}, index, true).row, 1);
}

TEST(PopupLookup, BackspaceShortensTheEntryOrCutsTheSelection)
{
    const TLookupIndex index = greek();
    TPopupLookup lookup;
    lookup.key(u'b', {}, index, false);
    lookup.key(u'r', {}, index, false);
    // No selection: the entry loses its last character and is the text.
    auto r = lookup.key(QChar(8), {"Bravo", 5, 0}, index, false);
    EXPECT_EQ(r.row, -1);
    EXPECT_EQ(lookup.entry(), "b");
    ASSERT_TRUE(r.edit);
    EXPECT_EQ(r.edit->text, "b");
    EXPECT_EQ(r.edit->selStart, 1);
    // A selection: it goes from the text, the caret to the end.
    r = lookup.key(QChar(8), {"Bravo", 2, 3}, index, false);
    ASSERT_TRUE(r.edit);
    EXPECT_EQ(r.edit->text, "Br");
    EXPECT_EQ(r.edit->selStart, 2);
    EXPECT_EQ(r.edit->selLength, 0);
}

TEST(MultiColumnItems, IndexInColumnIsExactAndSkipsShortItems)
{
    TDropDownItems items;
    items.Add()->setText({"Alpha"});
    items.Add()->setText({"beta", "x"});
    items.Add()->setText({"Beta", "y"});
    EXPECT_EQ(items.IndexInColumn(0, "Beta"), 2);
    EXPECT_EQ(items.IndexInColumn(0, "BETA"), -1);
    EXPECT_EQ(items.IndexInColumn(1, "y"), 2);
    // The first item has no second text: it is skipped, not read as empty.
    EXPECT_EQ(items.IndexInColumn(1, ""), -1);
    EXPECT_EQ(columnTexts(items, 1), QStringList({"", "x", "y"}));
    EXPECT_TRUE(columnTexts(items, -1).isEmpty());
}

TEST(MultiColumnItems, AssignCopiesTextsAndImagesAndEveryChangeCounts)
{
    TDropDownItems items;
    TDropDownItem *item = items.Add();
    item->setText({"a", "b"});
    item->setImageIndex(3);
    TDropDownItems copy;
    copy.Assign(items);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy[0].Text(), QStringList({"a", "b"}));
    EXPECT_EQ(copy[0].ImageIndex(), 3);

    const auto before = items.Revision();
    item->Text()[0] = "changed";
    EXPECT_GT(items.Revision(), before);
    const auto afterEdit = items.Revision();
    items.Insert(0)->setText({"first"});
    EXPECT_GT(items.Revision(), afterEdit);
    EXPECT_EQ(items[1].columnText(0), "changed");
}

} // namespace
