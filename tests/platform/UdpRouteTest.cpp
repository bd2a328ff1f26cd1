// The local address the system sends from towards a peer: the scan binds its
// port there, so that another local address may hold the same number.
#include "platform/UdpSocket.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using platform::Ipv4Endpoint;
using platform::localAddressTowards;

TEST(UdpRoute, LoopbackPeersAreReachedFromTheLoopbackAddress)
{
    for (const char *peer : {"127.0.0.1", "127.0.0.2", "127.0.29.1"}) {
        platform::SocketResult failure;
        const auto local = localAddressTowards({*platform::parseIpv4(QString::fromLatin1(peer)), 502}, &failure);
        ASSERT_TRUE(local) << peer << " " << failure.error.toStdString();
        EXPECT_EQ(platform::ipv4Text(*local), QStringLiteral("127.0.0.1")) << peer;
    }
}

TEST(UdpRoute, APeerTheSystemWillNotSendToGivesItsReason)
{
    // The broadcast address without leave to broadcast; looking the route
    // up sends nothing.
    platform::SocketResult failure;
    EXPECT_FALSE(localAddressTowards({0xFFFFFFFF, 502}, &failure));
    EXPECT_EQ(failure.code, EACCES);
    EXPECT_TRUE(failure.error.startsWith(QStringLiteral("connect: "))) << failure.error.toStdString();
}

} // namespace
