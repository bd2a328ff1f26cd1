#include "compiler/update/IpAddressText.h"

#include <gtest/gtest.h>

namespace {

using compiler::Ipv4Octets;

TEST(IpAddressText, OctetsAreDecimalZeroTo255WithBlanksAround)
{
    const std::pair<const char *, std::optional<std::uint8_t>> cases[] = {
        {"0", 0},          {"255", 255},       {" 7 ", 7},          {"010", 10},         {"256", std::nullopt},
        {"", std::nullopt}, {"  ", std::nullopt}, {"-1", std::nullopt}, {"+1", std::nullopt}, {"$FF", std::nullopt},
        {"0x1", std::nullopt}, {"1 2", std::nullopt}, {"1000", std::nullopt}, {"0255", 255},
        {"000000000000007", 7}, {"99999999999", std::nullopt},
        {"١", std::nullopt}, // a digit, but not an ASCII one
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(compiler::parseIpOctet(QString::fromUtf8(text)), expected) << text;
}

TEST(IpAddressText, DottedAddressNeedsExactlyFourOctets)
{
    const std::pair<const char *, std::optional<Ipv4Octets>> cases[] = {
        {"192.168.2.205", Ipv4Octets{192, 168, 2, 205}},
        {" 10 . 0 .0. 1 ", Ipv4Octets{10, 0, 0, 1}},
        {"0.0.0.0", Ipv4Octets{0, 0, 0, 0}},
        {"192.168.2", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"1.2.3.256", std::nullopt},
        {"1..3.4", std::nullopt},
        {"a.b.c.d", std::nullopt},
        {"", std::nullopt},
        {"192168002205", std::nullopt},
        {"192.168.0002.0205", Ipv4Octets{192, 168, 2, 205}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(compiler::parseDottedIpv4(text), expected) << text;
}

TEST(IpAddressText, EditsBecomeOnePlainAddress)
{
    const auto octets = compiler::parseOctetTexts({"192", " 168", "002", "205 "});
    ASSERT_TRUE(octets);
    EXPECT_EQ(compiler::dottedIpv4(*octets), "192.168.2.205");
    EXPECT_EQ(compiler::hostAddress(*octets), QHostAddress("192.168.2.205"));
    EXPECT_FALSE(compiler::parseOctetTexts({"192", "168", "", "205"}));
    EXPECT_FALSE(compiler::parseOctetTexts({"192", "168", "2", "300"}));
}

} // namespace
