#include "platform/IcmpPing.h"

#include <gtest/gtest.h>

namespace {

using platform::EchoStatus;
using platform::IcmpPinger;
using namespace std::chrono_literals;

class LoopbackPing : public ::testing::TestWithParam<IcmpPinger::SocketChoice> {};

TEST_P(LoopbackPing, GetsItsOwnRepliesFromLoopback)
{
    IcmpPinger pinger(1024, GetParam());
    const QHostAddress loopback(QHostAddress::LocalHost);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const platform::EchoResult result = pinger.echo(loopback, 2000ms, {});
        if (result.status == EchoStatus::Failed)
            GTEST_SKIP() << "This system forbids the ICMP socket: " << result.error.toStdString();
        ASSERT_EQ(result.status, EchoStatus::Reply) << result.error.toStdString();
        EXPECT_EQ(result.dataBytes, 1024);
    }
    EXPECT_TRUE(pinger.socketKind().has_value());
}

INSTANTIATE_TEST_SUITE_P(Sockets, LoopbackPing,
                         ::testing::Values(IcmpPinger::SocketChoice::DatagramThenRaw,
                                           IcmpPinger::SocketChoice::DatagramOnly,
                                           IcmpPinger::SocketChoice::RawOnly),
                         [](const auto &info) {
                             switch (info.param) {
                             case IcmpPinger::SocketChoice::DatagramThenRaw: return "DatagramThenRaw";
                             case IcmpPinger::SocketChoice::DatagramOnly: return "DatagramOnly";
                             case IcmpPinger::SocketChoice::RawOnly: return "RawOnly";
                             }
                             return "Unknown";
                         });

TEST(IcmpPing, RefusesWhatIsNoIpv4AddressWithoutSending)
{
    IcmpPinger pinger;
    for (const QHostAddress &target : {QHostAddress(QHostAddress::LocalHostIPv6), QHostAddress()}) {
        const platform::EchoResult result = pinger.echo(target, 100ms, {});
        EXPECT_EQ(result.status, EchoStatus::Failed);
        EXPECT_FALSE(result.error.isEmpty());
    }
    EXPECT_FALSE(pinger.socketKind().has_value());
}

} // namespace
