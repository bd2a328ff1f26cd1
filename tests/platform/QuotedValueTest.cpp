#include "platform/ConversionError.h"
#include "platform/QuotedValue.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(QuotedValue, CutsLongValuesToAReadableLength)
{
    const QString sixty(platform::QuotedValueLength, u'v');
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    struct Case {
        const char *name;
        QString value;
        QString quoted;
    };
    const Case cases[] = {
        {"empty", QString(), QString()},
        {"short", "4x", "4x"},
        {"exactly the length", sixty, sixty},
        {"one more", sixty + u'w', sixty + u'…'},
        {"ten megabytes", testsupport::longValue(), QString(platform::QuotedValueLength, u'x') + u'…'},
        // A character cut in half would show as garbage: it goes whole.
        {"a pair across the cut", QString(platform::QuotedValueLength - 1, u'v') + face + u'w',
         QString(platform::QuotedValueLength - 1, u'v') + u'…'},
        {"a pair before the cut", QString(platform::QuotedValueLength - 2, u'v') + face + u'w',
         QString(platform::QuotedValueLength - 2, u'v') + face + u'…'},
    };
    for (const Case &c : cases)
        EXPECT_EQ(platform::quotedValue(c.value), c.quoted) << c.name;
    EXPECT_EQ(platform::quotedValue("abcdef", 3), "abc…");
}

TEST(QuotedValue, TheConversionErrorQuotesTheCutValue)
{
    EXPECT_EQ(platform::notAnIntegerMessage("4x"), "'4x' is not a valid integer value");
    const QString message = platform::notAnIntegerMessage(testsupport::longValue());
    EXPECT_EQ(message, "'" + QString(platform::QuotedValueLength, u'x') + "…' is not a valid integer value");
}

} // namespace
