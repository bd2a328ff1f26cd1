#include "platform/Format.h"

#include <gtest/gtest.h>

#include <limits>

using platform::Format;

namespace {

TEST(Format, FormatsEachTypeOfSpecifier)
{
    struct Case {
        const char *expected;
        platform::FormatResult result;
    };
    const Case cases[] = {
        {"StartHTML:00000097", Format(QStringLiteral("%s%.8d"), {"StartHTML:", 97})},
        {"-0042", Format(QStringLiteral("%.4d"), {-42})},
        {"   42|42   |", Format(QStringLiteral("%5d|%-5d|"), {42, 42})},
        {"00042", Format(QStringLiteral("%05d"), {42})},
        {"-0042", Format(QStringLiteral("%05d"), {-42})},
        {"18446744073709551615", Format(QStringLiteral("%u"), {-1})},
        {"00FF", Format(QStringLiteral("%.4x"), {255})},
        {"3.14", Format(QStringLiteral("%.2f"), {3.14159})},
        {"2.50", Format(QStringLiteral("%f"), {2.5})},
        {"1,234,567.9", Format(QStringLiteral("%.1n"), {1234567.89})},
        {"-1,234.00", Format(QStringLiteral("%n"), {-1234.0})},
        {"1.2346E+004", Format(QStringLiteral("%.5e"), {12345.6789})},
        {"0.5", Format(QStringLiteral("%g"), {0.5})},
        {"abc", Format(QStringLiteral("%.3s"), {"abcdef"})},
        {"  ab", Format(QStringLiteral("%*s"), {4, "ab"})},
        {"b a", Format(QStringLiteral("%1:s %0:s"), {"a", "b"})},
        {"50%", Format(QStringLiteral("%d%%"), {50})},
        {"INF NAN", Format(QStringLiteral("%f %f"), {std::numeric_limits<double>::infinity(), std::nan("")})},
        {"", Format(QString(), {})},
        {"x", Format(QStringLiteral("x"), {1})},
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(c.result.ok) << c.expected << ": " << c.result.message.toStdString();
        EXPECT_EQ(c.result.text, QString::fromUtf8(c.expected));
    }
}

TEST(Format, RefusesASpecifierThatDoesNotFitItsArgument)
{
    const platform::FormatResult refusals[] = {
        Format(QStringLiteral("%s"), {42}),
        Format(QStringLiteral("%d"), {"42"}),
        Format(QStringLiteral("%d"), {4.2}),
        Format(QStringLiteral("%f"), {4}),
        Format(QStringLiteral("%x"), {QStringLiteral("ff")}),
        Format(QStringLiteral("%d %d"), {1}),
        Format(QStringLiteral("%q"), {1}),
        Format(QStringLiteral("%"), {1}),
        Format(QStringLiteral("%5"), {1}),
        Format(QStringLiteral("%*d"), {"wide", 1}),
        Format(QStringLiteral("%*d"), {-3, 1}),
        Format(QStringLiteral("%99999999d"), {1}),
        Format(QStringLiteral("%.*f"), {100000, 1.0}),
        Format(QStringLiteral("%9:d"), {1}),
    };
    for (const platform::FormatResult &result : refusals) {
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.text.isEmpty());
        EXPECT_FALSE(result.message.isEmpty());
    }
}

} // namespace
