#include "platform/HttpGet.h"
#include "support/EventLoop.h"
#include "support/LoopbackHttpServer.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using testsupport::LoopbackHttpServer;
using Mode = LoopbackHttpServer::Mode;
using namespace std::chrono_literals;

const QByteArray VersionTarget = "/home/download/GetversionSW.asp?nomesw=PX42Lyxa";

class HttpGet : public ::testing::Test {
protected:
    HttpGet() { manager.setProxy(QNetworkProxy::NoProxy); }

    // Starts the request, checks that the call returned before any answer,
    // then waits (bounded) for the answer.
    platform::HttpGetResult get(const QUrl &server, const QByteArray &target,
                                const platform::HttpGetOptions &options = {})
    {
        std::optional<platform::HttpGetResult> result;
        int answers = 0;
        platform::httpGet(manager, server, target, options, &context, [&](const platform::HttpGetResult &r) {
            result = r;
            ++answers;
        });
        EXPECT_FALSE(result) << "the answer comes later, never inside the call";
        EXPECT_TRUE(testsupport::processEventsUntil([&] { return result.has_value(); }));
        // Exactly one answer, however the exchange ended.
        QCoreApplication::processEvents();
        EXPECT_EQ(answers, 1);
        return result.value_or(platform::HttpGetResult{});
    }

    QNetworkAccessManager manager;
    QObject context;
};

TEST_F(HttpGet, SendsTheRequestWithTheClientHeaders)
{
    LoopbackHttpServer server(Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nVER. 2.310");
    const platform::HttpGetResult result = get(server.url(), VersionTarget);

    const QByteArray request = server.lastRequest();
    EXPECT_TRUE(request.startsWith("GET /home/download/GetversionSW.asp?nomesw=PX42Lyxa HTTP/1.1\r\n"))
        << request.toStdString();
    EXPECT_TRUE(request.contains("\r\nHost: 127.0.0.1:" + QByteArray::number(server.port()) + "\r\n"));
    EXPECT_TRUE(request.contains("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"));
    EXPECT_TRUE(request.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
    EXPECT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.body, "VER. 2.310");
    EXPECT_FALSE(result.truncated);
}

TEST_F(HttpGet, PathOfTheServerAddressPrefixesTheTarget)
{
    LoopbackHttpServer server(Mode::Reply, "HTTP/1.0 200 OK\r\n\r\n");
    QUrl url = server.url();
    url.setPath("/mirror/");
    get(url, "/a?b=c%20d");
    EXPECT_TRUE(server.lastRequest().startsWith("GET /mirror/a?b=c%20d HTTP/1.1\r\n")) << server.lastRequest().toStdString();
}

struct ReplyCase {
    const char *name;
    Mode mode;
    QList<QByteArray> replies;
    bool succeeded;
    QByteArray body;
};

TEST_F(HttpGet, ReadsEachKindOfReply)
{
    const ReplyCase cases[] = {
        {"body ended by close", Mode::Reply, {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 2.310\r\n"},
         true, "VER. 2.310\r\n"},
        {"length given, connection kept open", Mode::ReplyHoldOpen,
         {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\nSet-Cookie: a=b\r\n\r\nVER. 0.000"}, true, "VER. 0.000"},
        {"empty body", Mode::ReplyHoldOpen, {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"}, true, ""},
        {"chunked coding", Mode::Reply,
         {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nVER.\r\n6\r\n 2.310\r\n0\r\n\r\n"}, true,
         "VER. 2.310"},
        {"redirect followed", Mode::Reply,
         {"HTTP/1.0 302 Found\r\nLocation: /moved?nomesw=PX42Lyxa\r\n\r\n", "HTTP/1.0 200 OK\r\n\r\nVER. 1.000"}, true,
         "VER. 1.000"},
        {"error status", Mode::Reply, {"HTTP/1.0 404 Not Found\r\n\r\nVER. 9.999"}, false, ""},
        {"no status line", Mode::Reply, {"VER. 2.310\r\n\r\n"}, false, ""},
        {"closed before the head ends", Mode::Reply, {"HTTP/1.0 200 OK\r\n"}, false, ""},
        {"shorter than announced", Mode::Reply, {"HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nVER."}, false, ""},
        {"nothing at all", Mode::Reply, {""}, false, ""},
    };
    for (const ReplyCase &c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackHttpServer server(c.mode, c.replies);
        const platform::HttpGetResult result = get(server.url(), "/");
        EXPECT_EQ(result.succeeded(), c.succeeded) << result.error.toStdString();
        if (c.succeeded) {
            EXPECT_EQ(result.status, 200);
            EXPECT_EQ(result.body, c.body);
        } else {
            EXPECT_FALSE(result.error.isEmpty());
            EXPECT_TRUE(result.body.isEmpty());
        }
    }
}

TEST_F(HttpGet, ARedirectThatNeverEndsFails)
{
    LoopbackHttpServer server(Mode::Reply, "HTTP/1.0 302 Found\r\nLocation: /again\r\n\r\n");
    EXPECT_FALSE(get(server.url(), "/").succeeded());
}

TEST_F(HttpGet, ServersThatStallEndAtTheTimeLimit)
{
    platform::HttpGetOptions options;
    options.timeout = 300ms;
    // Nothing at all, or the head and part of the announced body, then nothing more.
    for (auto [mode, reply] : {std::pair{Mode::Silent, QByteArray()},
                               {Mode::ReplyHoldOpen, "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nVER. 2"}}) {
        LoopbackHttpServer server(mode, reply);
        const platform::HttpGetResult result = get(server.url(), VersionTarget, options);
        EXPECT_FALSE(result.succeeded());
        EXPECT_TRUE(result.body.isEmpty());
        EXPECT_EQ(server.connectionCount(), 1);
    }
}

TEST_F(HttpGet, RefusedConnectionFails)
{
    const testsupport::RefusingPort refused;
    const platform::HttpGetResult result = get(refused.url(), VersionTarget);
    EXPECT_FALSE(result.succeeded());
    EXPECT_EQ(result.status, 0);
}

TEST_F(HttpGet, HugeReplyIsCutOffAtTheCap)
{
    LoopbackHttpServer server(Mode::Endless, "HTTP/1.0 200 OK\r\n\r\nVER. 2.310 ");
    platform::HttpGetOptions options;
    options.maxBodyBytes = 100 * 1024;
    const platform::HttpGetResult result = get(server.url(), VersionTarget, options);
    EXPECT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(result.body.size(), options.maxBodyBytes);
    EXPECT_TRUE(result.body.startsWith("VER. 2.310 xxx"));
}

TEST_F(HttpGet, RejectsAddressesItCannotServe)
{
    LoopbackHttpServer server(Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nx");
    QUrl https = server.url();
    https.setScheme("https");
    EXPECT_FALSE(get(https, "/").succeeded());
    EXPECT_FALSE(get(QUrl("http://"), "/").succeeded());
    // A target that would break the request line is never sent.
    EXPECT_FALSE(get(server.url(), "/a b").succeeded());
    EXPECT_FALSE(get(server.url(), "/a\r\nX-Injected: 1").succeeded());
    EXPECT_EQ(server.connectionCount(), 0);
}

TEST_F(HttpGet, AnAnswerDueToAContextThatWentIsDropped)
{
    LoopbackHttpServer server(Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nVER. 2.310");
    bool answered = false;
    auto shortLived = std::make_unique<QObject>();
    platform::httpGet(manager, server.url(), VersionTarget, {}, shortLived.get(),
                      [&](const platform::HttpGetResult &) { answered = true; });
    shortLived.reset();
    // The exchange the server sees still ends; nobody hears of it.
    bool later = false;
    QTimer::singleShot(200ms, [&] { later = true; });
    ASSERT_TRUE(testsupport::processEventsUntil([&] { return later; }));
    EXPECT_FALSE(answered);
}

} // namespace
