#include "platform/HttpGet.h"
#include "platform/HttpResponseParser.h"
#include "support/LoopbackHttpServer.h"

#include <gtest/gtest.h>

namespace {

using testsupport::LoopbackHttpServer;
using namespace std::chrono_literals;

const QByteArray VersionTarget = "/home/download/GetversionSW.asp?nomesw=PX42Lyxa";

TEST(HttpGet, SendsHttp10RequestWithTheClientHeaders)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nVER. 2.310");
    const platform::HttpGetResult result = platform::httpGet(server.url(), VersionTarget);

    const QByteArray expected = "GET /home/download/GetversionSW.asp?nomesw=PX42Lyxa HTTP/1.0\r\n"
                                "Host: 127.0.0.1:" + QByteArray::number(server.port()) + "\r\n"
                                "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
                                "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                                "\r\n";
    EXPECT_EQ(server.lastRequest(), expected);
    EXPECT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.body, "VER. 2.310");
    EXPECT_FALSE(result.truncated);
}

TEST(HttpGet, PathOfTheServerAddressPrefixesTheTarget)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Reply, "HTTP/1.0 200 OK\r\n\r\n");
    QUrl url = server.url();
    url.setPath("/mirror/");
    platform::httpGet(url, "/a?b=c");
    EXPECT_TRUE(server.lastRequest().startsWith("GET /mirror/a?b=c HTTP/1.0\r\n")) << server.lastRequest().toStdString();
}

struct ReplyCase {
    const char *name;
    LoopbackHttpServer::Mode mode;
    QByteArray reply;
    bool succeeded;
    int status;
    QByteArray body;
};

TEST(HttpGet, ReadsEachKindOfReply)
{
    using Mode = LoopbackHttpServer::Mode;
    const ReplyCase cases[] = {
        {"body ended by close", Mode::Reply, "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 2.310\r\n",
         true, 200, "VER. 2.310\r\n"},
        {"length given, connection kept open", Mode::ReplyHoldOpen,
         "HTTP/1.1 200 OK\r\nContent-Length: 10\r\nSet-Cookie: a=b\r\n\r\nVER. 0.000", true, 200, "VER. 0.000"},
        {"empty body", Mode::ReplyHoldOpen, "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", true, 200, ""},
        {"bare LF line ends", Mode::Reply, "HTTP/1.0 200 OK\nServer: x\n\nVER. 1.000", true, 200, "VER. 1.000"},
        {"error status", Mode::Reply, "HTTP/1.0 404 Not Found\r\n\r\nVER. 9.999", false, 0, ""},
        {"redirect", Mode::Reply, "HTTP/1.0 302 Found\r\nLocation: /x\r\n\r\n", false, 0, ""},
        {"no status line", Mode::Reply, "VER. 2.310\r\n\r\n", false, 0, ""},
        {"closed before the head ends", Mode::Reply, "HTTP/1.0 200 OK\r\n", false, 0, ""},
        {"shorter than announced", Mode::Reply, "HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nVER.", false, 0, ""},
        {"chunked coding", Mode::Reply, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nVER.\r\n0\r\n\r\n",
         false, 0, ""},
        {"nothing at all", Mode::Reply, "", false, 0, ""},
    };
    for (const ReplyCase &c : cases) {
        LoopbackHttpServer server(c.mode, c.reply);
        const platform::HttpGetResult result = platform::httpGet(server.url(), "/");
        EXPECT_EQ(result.succeeded(), c.succeeded) << c.name << ": " << result.error.toStdString();
        if (c.succeeded) {
            EXPECT_EQ(result.status, c.status) << c.name;
            EXPECT_EQ(result.body, c.body) << c.name;
        } else {
            EXPECT_FALSE(result.error.isEmpty()) << c.name;
        }
    }
}

TEST(HttpGet, SilentServerEndsAtTheTimeLimit)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Silent);
    platform::HttpGetOptions options;
    options.timeout = 300ms;
    const platform::HttpGetResult result = platform::httpGet(server.url(), VersionTarget, options);
    EXPECT_FALSE(result.succeeded());
    EXPECT_TRUE(result.body.isEmpty());
    EXPECT_EQ(server.connectionCount(), 1);
}

TEST(HttpGet, ServerThatStopsHalfwayEndsAtTheTimeLimit)
{
    // Head and part of the announced body, then nothing more.
    LoopbackHttpServer server(LoopbackHttpServer::Mode::ReplyHoldOpen,
                              "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nVER. 2");
    platform::HttpGetOptions options;
    options.timeout = 300ms;
    EXPECT_FALSE(platform::httpGet(server.url(), VersionTarget, options).succeeded());
}

TEST(HttpGet, RefusedConnectionFails)
{
    const testsupport::RefusingPort refused;
    const platform::HttpGetResult result = platform::httpGet(refused.url(), VersionTarget);
    EXPECT_FALSE(result.succeeded());
    EXPECT_EQ(result.status, 0);
}

TEST(HttpGet, HugeReplyIsCutOffAtTheCap)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Endless, "HTTP/1.0 200 OK\r\n\r\nVER. 2.310 ");
    platform::HttpGetOptions options;
    options.maxBodyBytes = 100 * 1024;
    const platform::HttpGetResult result = platform::httpGet(server.url(), VersionTarget, options);
    EXPECT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(result.body.size(), options.maxBodyBytes);
    EXPECT_TRUE(result.body.startsWith("VER. 2.310 xxx"));
}

TEST(HttpGet, RejectsAddressesItCannotServe)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nx");
    QUrl https = server.url();
    https.setScheme("https");
    EXPECT_FALSE(platform::httpGet(https, "/").succeeded());
    EXPECT_FALSE(platform::httpGet(QUrl("http://"), "/").succeeded());
    // A target that would break the request line is never sent.
    EXPECT_FALSE(platform::httpGet(server.url(), "/a b").succeeded());
    EXPECT_FALSE(platform::httpGet(server.url(), "/a\r\nX-Injected: 1").succeeded());
    EXPECT_EQ(server.connectionCount(), 0);
}

// The parser must give the same answer however the bytes are split.
TEST(HttpResponseParser, SameResultWholeOrByteByByte)
{
    struct Case {
        QByteArray reply;
        bool failed;
        QByteArray body;
        bool truncated;
    };
    const Case cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nVER. trailing", false, "VER. ", false},
        {"HTTP/1.0 200 OK\r\n\r\n0123456789ABCDEF", false, "01234567", true},
        {"HTTP/1.0 200 OK\r\nContent-Length: 99\r\n\r\n0123456789", false, "01234567", true},
        {"HTTP/1.0 200 OK\r\nContent-Length: 8\r\n\r\n01234567", false, "01234567", false},
        {"HTTP/1.0 200 OK\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd", true, "", false},
        {"HTTP/1.0 200 OK\r\nContent-Length: -3\r\n\r\nabcd", true, "", false},
        {"HTTP/1.0 2000 OK\r\n\r\nabcd", true, "", false},
        {"HTTP/1.0 200 OK\r\nX: " + QByteArray(platform::HttpResponseParser::MaxHeadBytes, 'a') + "\r\n\r\nabcd",
         true, "", false},
    };
    for (const Case &c : cases) {
        platform::HttpResponseParser whole(8);
        whole.feed(c.reply);
        whole.finishAtClose();
        platform::HttpResponseParser bytewise(8);
        for (const char b : c.reply)
            bytewise.feed(QByteArray(1, b));
        bytewise.finishAtClose();
        for (const platform::HttpResponseParser *p : {&whole, &bytewise}) {
            EXPECT_TRUE(p->isDone()) << c.reply.left(60).toStdString();
            EXPECT_EQ(p->hasFailed(), c.failed) << c.reply.left(60).toStdString();
            if (!c.failed) {
                EXPECT_EQ(p->body(), c.body) << c.reply.left(60).toStdString();
                EXPECT_EQ(p->isTruncated(), c.truncated) << c.reply.left(60).toStdString();
            }
        }
    }
}

} // namespace
