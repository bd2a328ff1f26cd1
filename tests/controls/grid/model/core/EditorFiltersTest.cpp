#include "controls/grid/model/core/EditorFilters.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TFormatSettings english()
{
    TFormatSettings fs;
    fs.ThousandSeparator = u',';
    fs.DecimalSeparator = u'.';
    return fs;
}

TEditorText at(const char *text, int selStart, int selLength = 0)
{
    return TEditorText{QString::fromUtf8(text), selStart, selLength};
}

TEditorFilterRules rulesFor(TEditorType type, int limit = 0)
{
    TEditorFilterRules rules;
    rules.type = type;
    rules.lengthLimit = limit;
    return rules;
}

const char *name(TCharVerdict v)
{
    switch (v) {
    case TCharVerdict::Accept:
        return "accept";
    case TCharVerdict::Drop:
        return "drop";
    case TCharVerdict::Beep:
        return "beep";
    }
    return "?";
}

TEST(EditorFilters, TypedCharactersByEditorType)
{
    struct Case {
        TEditorType type;
        const char *text;
        int selStart;
        int selLength;
        char16_t ch;
        TCharVerdict verdict;
        char16_t inserted;
    };
    using V = TCharVerdict;
    const Case cases[] = {
        // A signed integer: "-" once, first.
        {edNumeric, "", 0, 0, u'-', V::Accept, u'-'},
        {edNumeric, "12", 2, 0, u'-', V::Beep, u'-'},
        {edNumeric, "-12", 0, 0, u'-', V::Beep, u'-'},
        {edNumeric, "12", 2, 0, u'7', V::Accept, u'7'},
        {edNumeric, "12", 2, 0, u'a', V::Beep, u'a'},
        {edNumeric, "12", 2, 0, u'\b', V::Accept, u'\b'},
        {edPositiveNumeric, "", 0, 0, u'-', V::Beep, u'-'},
        {edPositiveNumeric, "1", 1, 0, u'.', V::Beep, u'.'},
        // A decimal number: one separator, no thousand separator.
        {edFloat, "1.5", 3, 0, u'.', V::Drop, u'.'},
        {edFloat, "1.5", 1, 1, u'.', V::Accept, u'.'},
        {edFloat, "15", 2, 0, u'.', V::Accept, u'.'},
        {edFloat, "15", 2, 0, u',', V::Drop, u','},
        {edFloat, "15", 2, 0, u'-', V::Beep, u'-'},
        {edFloat, "-15", 0, 3, u'-', V::Accept, u'-'},
        {edFloat, "", 0, 0, u'-', V::Accept, u'-'},
        {edFloat, "15", 2, 0, u'x', V::Drop, u'x'},
        {edPositiveFloat, "", 0, 0, u'-', V::Drop, u'-'},
        // Case changes.
        {edCapital, "", 0, 0, u'a', V::Accept, u'A'},
        {edUpperCase, "", 0, 0, u'z', V::Accept, u'Z'},
        {edLowerCase, "", 0, 0, u'Q', V::Accept, u'q'},
        {edNormal, "", 0, 0, u'%', V::Accept, u'%'},
        {edPassword, "", 0, 0, u'%', V::Accept, u'%'},
    };
    for (const Case &c : cases) {
        const TCharFilter f = filterEditorChar(QChar(c.ch), at(c.text, c.selStart, c.selLength), rulesFor(c.type),
                                               english());
        EXPECT_STREQ(name(f.verdict), name(c.verdict)) << int(c.type) << " '" << c.text << "' + " << char(c.ch);
        if (f.verdict == TCharVerdict::Accept) {
            EXPECT_EQ(f.ch, QChar(c.inserted)) << int(c.type) << " " << char(c.ch);
        }
    }
}

TEST(EditorFilters, ControlKeyLetsAnyCharacterIntoAFloatEditor)
{
    TEditorFilterRules rules = rulesFor(edFloat);
    rules.ctrlDown = true;
    EXPECT_EQ(filterEditorChar(u'x', at("1", 1), rules, english()).verdict, TCharVerdict::Accept);
}

TEST(EditorFilters, FloatSeparatorFollowsTheLocale)
{
    TFormatSettings german;
    german.DecimalSeparator = u',';
    german.ThousandSeparator = u'.';
    const TEditorFilterRules rules = rulesFor(edFloat);
    EXPECT_EQ(filterEditorChar(u',', at("1", 1), rules, german).verdict, TCharVerdict::Accept);
    EXPECT_EQ(filterEditorChar(u',', at("1,5", 3), rules, german).verdict, TCharVerdict::Drop);
    EXPECT_EQ(filterEditorChar(u'.', at("1", 1), rules, german).verdict, TCharVerdict::Drop);
}

TEST(EditorFilters, LengthLimitDropsAllButTheEditingKeys)
{
    const TEditorFilterRules rules = rulesFor(edNormal, 5);
    EXPECT_EQ(filterEditorChar(u'f', at("abcd", 4), rules).verdict, TCharVerdict::Accept);
    EXPECT_EQ(filterEditorChar(u'f', at("abcde", 5), rules).verdict, TCharVerdict::Drop);
    EXPECT_EQ(filterEditorChar(u'\b', at("abcde", 5), rules).verdict, TCharVerdict::Accept);
    EXPECT_EQ(filterEditorChar(u'\r', at("abcde", 5), rules).verdict, TCharVerdict::Accept);
    // A selection is replaced, so a full editor takes a character over it.
    EXPECT_EQ(filterEditorChar(u'f', at("abcde", 0, 1), rules).verdict, TCharVerdict::Accept);
}

TEST(EditorFilters, MixedCaseAsksForCapitalisingAndValidCharsBeep)
{
    EXPECT_TRUE(filterEditorChar(u'a', at("", 0), rulesFor(edMixedCase)).capitalize);
    TEditorFilterRules rules = rulesFor(edValidChars);
    rules.validChars = QStringLiteral("ab");
    EXPECT_EQ(filterEditorChar(u'a', at("", 0), rules).verdict, TCharVerdict::Accept);
    EXPECT_EQ(filterEditorChar(u'c', at("", 0), rules).verdict, TCharVerdict::Beep);
    EXPECT_EQ(filterEditorChar(u'\b', at("a", 1), rules).verdict, TCharVerdict::Accept);
    rules.validChars.clear();
    rules.validCharSet = QStringLiteral("xyz");
    EXPECT_EQ(filterEditorChar(u'y', at("", 0), rules).verdict, TCharVerdict::Accept);
    EXPECT_EQ(filterEditorChar(u'a', at("", 0), rules).verdict, TCharVerdict::Beep);
}

TEST(EditorFilters, PasteByEditorType)
{
    struct Case {
        TEditorType type;
        const char *before;
        int selStart;
        int selLength;
        const char *clip;
        int limit;
        const char *after; // nullptr: refused
    };
    const Case cases[] = {
        {edNumeric, "", 0, 0, "42\r\n", 0, "42"},
        {edNumeric, "", 0, 0, "4\r\n2\r\n", 0, nullptr},
        {edNumeric, "1", 1, 0, "x", 0, nullptr},
        {edPositiveNumeric, "", 0, 0, "-4", 0, nullptr},
        {edFloat, "1", 1, 0, ".5", 0, "1.5"},
        {edPositiveFloat, "", 0, 0, "-1.5", 0, nullptr},
        {edUpperCase, "ab", 1, 0, "xy", 0, "AXYB"},
        {edLowerCase, "AB", 0, 2, "CD", 0, "cd"},
        {edNormal, "abc", 0, 0, "123456", 5, nullptr},
        {edNormal, "abc", 0, 0, "12", 4, nullptr},
        {edNormal, "abc", 3, 0, "d", 4, "abcd"},
    };
    for (const Case &c : cases) {
        const auto result = pasteIntoEditor(QString::fromUtf8(c.clip), at(c.before, c.selStart, c.selLength),
                                            rulesFor(c.type, c.limit), english());
        if (c.after == nullptr) {
            EXPECT_FALSE(result.has_value()) << c.before << " + " << c.clip;
        } else {
            ASSERT_TRUE(result.has_value()) << c.before << " + " << c.clip;
            EXPECT_EQ(result->text, QString::fromUtf8(c.after));
        }
    }
}

TEST(EditorFilters, PasteSelectsWhatReplacedASelection)
{
    const auto replaced = pasteIntoEditor(QStringLiteral("XY"), at("abcd", 1, 2), rulesFor(edNormal));
    ASSERT_TRUE(replaced.has_value());
    EXPECT_EQ(replaced->text, QStringLiteral("aXYd"));
    EXPECT_EQ(replaced->selStart, 1);
    EXPECT_EQ(replaced->selLength, 2);
    const auto inserted = pasteIntoEditor(QStringLiteral("XY"), at("abcd", 1), rulesFor(edNormal));
    ASSERT_TRUE(inserted.has_value());
    EXPECT_EQ(inserted->selStart, 3);
    EXPECT_EQ(inserted->selLength, 0);
}

TEST(EditorFilters, LookupCompletesWithTheFirstMatchingItem)
{
    const QStringList items{QStringLiteral("Berlin"), QStringLiteral("Bern"), QStringLiteral("Bonn")};
    const auto done = lookupCompletion(at("be", 2), items, false);
    ASSERT_TRUE(done.has_value());
    EXPECT_EQ(done->text, QStringLiteral("berlin"));
    EXPECT_EQ(done->selStart, 2);
    EXPECT_EQ(done->selLength, 4);
    // Case-sensitive: "be" begins no item.
    EXPECT_FALSE(lookupCompletion(at("be", 2), items, true).has_value());
    EXPECT_EQ(lookupCompletion(at("Bo", 2), items, true)->text, QStringLiteral("Bonn"));
    // A selection means a completion is already shown.
    EXPECT_FALSE(lookupCompletion(at("berlin", 2, 4), items, false).has_value());
    EXPECT_FALSE(lookupCompletion(at("", 0), items, false).has_value());
    EXPECT_FALSE(lookupCompletion(at("x", 1), items, false).has_value());
}

} // namespace

namespace {

TEST(EditorFilters, StoredMasksBecomeInputMasks)
{
    struct Case {
        const char *stored;
        const char *input;
    };
    const Case cases[] = {
        {"", ""},
        {"!99/99/00;1;_", "00/00/99;_"},
        {"000;0; ", "999; "},
        {">LL-0000", ">LL-9999;_"},
        {"CcAa#", "XxAa#;_"},
        {"\\N0", "\\N9;_"},
        {"(N)", "(\\N);_"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(inputMaskFromEditMask(QString::fromUtf8(c.stored)), QString::fromUtf8(c.input)) << c.stored;
}

} // namespace
