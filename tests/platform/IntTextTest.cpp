#include "platform/IntText.h"

#include <gtest/gtest.h>

using platform::tryParseInt32;
using platform::tryParseInt64;

namespace {

struct Case32 {
    const char *text;
    std::optional<std::int32_t> expected;
    friend void PrintTo(const Case32 &c, std::ostream *os) { *os << '"' << c.text << '"'; }
};

class Int32Text : public ::testing::TestWithParam<Case32> {};

TEST_P(Int32Text, ParsesAsTheFilesAndEditsNeed)
{
    const auto &c = GetParam();
    EXPECT_EQ(tryParseInt32(QString::fromUtf8(c.text)), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Int32Text,
    ::testing::Values(Case32{"0", 0}, Case32{"123", 123}, Case32{"  42", 42}, Case32{"+7", 7},
                      Case32{"-15", -15}, Case32{"2147483647", 2147483647},
                      Case32{"-2147483648", INT32_MIN}, Case32{"2147483648", std::nullopt},
                      Case32{"$FF", 255}, Case32{"0xff", 255}, Case32{"0XFF", 255},
                      Case32{"xFF", 255}, Case32{"XfF", 255}, Case32{"-$10", -16},
                      Case32{"0xFFFFFFFF", -1}, Case32{"0x80000000", INT32_MIN},
                      Case32{"0x100000000", std::nullopt}, Case32{"", std::nullopt},
                      Case32{"   ", std::nullopt}, Case32{"-", std::nullopt},
                      Case32{"0x", std::nullopt}, Case32{"$", std::nullopt},
                      Case32{"12 ", std::nullopt}, Case32{"1.5", std::nullopt},
                      Case32{"abc", std::nullopt}, Case32{"0x1G", std::nullopt},
                      Case32{"\t5", std::nullopt}, Case32{"--5", std::nullopt},
                      Case32{"99999999999999999999", std::nullopt}));

TEST(Int64Text, WidensTheSameSyntax)
{
    EXPECT_EQ(tryParseInt64("4294967295"), 4294967295LL);
    EXPECT_EQ(tryParseInt64("0xFFFFFFFF"), 4294967295LL);
    EXPECT_EQ(tryParseInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(tryParseInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(tryParseInt64("9223372036854775808"), std::nullopt);
    EXPECT_EQ(tryParseInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(tryParseInt64("$1FFFFFFFFFFFFFFFF"), std::nullopt);
    EXPECT_EQ(platform::parseInt64Or("junk", 77), 77);
    EXPECT_EQ(platform::parseInt32Or("junk", -1), -1);
}

TEST(TrimBlanks, RemovesControlCharactersAndBlanksFromBothEnds)
{
    EXPECT_EQ(platform::trimBlanks(QString::fromUtf8("\t\r\n a b \x01")), QStringLiteral("a b"));
    EXPECT_EQ(platform::trimLeftBlanks(QStringLiteral("  x ")), QStringLiteral("x "));
    EXPECT_EQ(platform::trimRightBlanks(QStringLiteral("  x ")), QStringLiteral("  x"));
    EXPECT_EQ(platform::trimBlanks(QStringLiteral("   ")), QString());
}

} // namespace
