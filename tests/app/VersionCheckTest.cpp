#include "app/ConverterType.h"
#include "app/VersionCheck.h"
#include "app/VersionCheckTimer.h"
#include "support/EventLoop.h"
#include "support/LoopbackHttpServer.h"
#include "support/ManualIntervalTimer.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <optional>

namespace {

using testsupport::LoopbackHttpServer;
using namespace std::chrono_literals;

TEST(VersionCheck, ConvVersionReadsDigitsAroundThePoint)
{
    const std::pair<const char *, int> cases[] = {
        {"2.306", 2306},        {"VER. 2.310", 2310}, {"VER.   2.310  ", 2310}, {"VER. 0.000", 0},
        {"VER. 2.310 BETA", 2310}, {"2,306", 2306},   {"VER. 12.345", -1},      {"VER. 2.3", -1},
        {"", -1},               {"VER.", -1},         {"VER. x.ABC", -1},       {"VER. -.123", -1},
        {"VER. $.FFF", -1},     {"VER. 2. 31", -1},
    };
    for (auto [text, version] : cases)
        EXPECT_EQ(app::convVersion(QString::fromLatin1(text)), version) << text;
}

TEST(VersionCheck, ReplyIsComparedWithTheTypesOwnVersion)
{
    struct Case {
        const char *reply;
        int type;
        bool newer;
    };
    const Case cases[] = {
        {"VER. 2.310", 1, true},
        {"  ver. 2.310\r\n", 1, true},
        {"VER. 2.306", 1, false},
        {"VER. 2.300", 1, false},
        {"VER. 0.000", 1, false},
        {"ver. 0.000 ", 1, false},
        {"", 1, false},
        {" \r\n", 1, false},
        {"VER. 12.345", 1, false},
        {"<html>Service unavailable</html>", 1, false},
        {"VER. 3.213", 2, true},
        {"VER. 3.212", 2, false},
        {"VER. 1.600", 7, true},
        // The partner editions compare with type 1's version, not with 1.518.
        {"VER. 2.000", 1007, false},
        {"VER. 2.307", 1007, true},
        {"VER. 2.307", 1001, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::replyAnnouncesNewerVersion(QString::fromLatin1(c.reply), c.type), c.newer)
            << c.reply << " type " << c.type;
}

TEST(VersionCheck, RequestAndDownloadLinkPerType)
{
    const QUrl site(QStringLiteral("http://127.0.0.1:8123"));
    const std::tuple<int, const char *, const char *> cases[] = {
        {1, "PX42Lyxa", "GX42Lyxa"}, {2, "PX42Kvoz", "GX42Kvoz"}, {3, "PX42Nqib", "GX42Nqib"},
        {4, "PX42Mzul", "GX42Mzul"}, {5, "PX42Pwoj", "GX42Pwoj"}, {6, "PX42Qyre", "GX42Qyre"},
        {7, "PX42Rhuv", "GX42Rhuv"}, {1001, "PX42Lyxa", "GX42Lyxa"}, {1007, "PX42Lyxa", "GX42Lyxa"},
    };
    for (auto [type, code, anchor] : cases) {
        EXPECT_EQ(app::versionRequestTarget(type), QByteArray("/home/download/GetversionSW.asp?nomesw=") + code);
        EXPECT_EQ(app::downloadPageUrl(type, site),
                  QStringLiteral("http://127.0.0.1:8123/Home/download/download.asp#") + anchor);
    }
    EXPECT_EQ(app::downloadLinkHtml(2, site, "New Version Available. Click Here for more Details"),
              "<a href=\"http://127.0.0.1:8123/Home/download/download.asp#GX42Kvoz\">"
              "New Version Available. Click Here for more Details</a>");
    // A translated text is shown as it stands, not read as markup.
    EXPECT_EQ(app::downloadLinkHtml(1, QUrl("http://127.0.0.1:8123/"), "Neu & <besser>"),
              "<a href=\"http://127.0.0.1:8123/Home/download/download.asp#GX42Lyxa\">Neu &amp; &lt;besser&gt;</a>");
}

// The answer of one check by the service, waited for with a limit.
std::optional<bool> ask(app::VersionService &service)
{
    std::optional<bool> newer;
    service.check([&](bool answer) { newer = answer; });
    EXPECT_FALSE(newer) << "the answer comes later, never inside the call";
    testsupport::processEventsUntil([&] { return newer.has_value(); });
    return newer;
}

TEST(VersionCheck, AsksTheServiceWithTheTypesCode)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nVER. 2.310");
    app::VersionService partner(1007);
    partner.setService(server.url());
    EXPECT_EQ(ask(partner), true);
    EXPECT_TRUE(server.lastRequest().startsWith("GET /home/download/GetversionSW.asp?nomesw=PX42Lyxa HTTP/1.1\r\n"));
    app::VersionService kvoz(2);
    kvoz.setService(server.url());
    EXPECT_EQ(ask(kvoz), false); // 2.310 is older than type 2's 3.212
    EXPECT_TRUE(server.lastRequest().startsWith("GET /home/download/GetversionSW.asp?nomesw=PX42Kvoz HTTP/1.1\r\n"));
}

TEST(VersionCheck, FailedRequestsAnnounceNothing)
{
    using Mode = LoopbackHttpServer::Mode;
    const std::pair<Mode, QByteArray> servers[] = {
        {Mode::Reply, "HTTP/1.0 200 OK\r\n\r\nVER. 0.000"},
        {Mode::Reply, "HTTP/1.0 200 OK\r\n\r\n"},
        {Mode::Reply, "HTTP/1.0 500 Internal Server Error\r\n\r\nVER. 9.999"},
        {Mode::Silent, {}},
    };
    platform::HttpGetOptions options;
    options.timeout = 300ms;
    app::VersionService service(1);
    for (const auto &[mode, reply] : servers) {
        SCOPED_TRACE(reply.toStdString());
        LoopbackHttpServer server(mode, reply);
        service.setService(server.url(), options);
        EXPECT_EQ(ask(service), false);
        // The request was sent (a connection the server closes may be tried again).
        EXPECT_GE(server.connectionCount(), 1);
    }
    const testsupport::RefusingPort refused;
    service.setService(refused.url(), options);
    EXPECT_EQ(ask(service), false);
}

TEST(VersionCheck, HugeReplyStillReadsItsVersion)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Endless, "HTTP/1.0 200 OK\r\n\r\nVER. 2.310 ");
    app::VersionService service(1);
    service.setService(server.url());
    EXPECT_EQ(ask(service), true);
}

TEST(VersionCheck, AServiceThatGoesTakesItsAnswerAlong)
{
    LoopbackHttpServer server(LoopbackHttpServer::Mode::Silent);
    bool answered = false;
    {
        app::VersionService service(1);
        service.setService(server.url());
        service.check([&](bool) { answered = true; });
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(answered);
}

class VersionCheckTimerTest : public ::testing::Test {
protected:
    testsupport::ManualIntervalTimer timer;
    int checks = 0;
    bool holdAnswers = false;
    std::vector<std::function<void()>> pending; // checks not answered yet
    app::VersionCheckTimer schedule{timer, [this](std::function<void()> finished) {
                                        ++checks;
                                        // The timer is stopped while the check runs.
                                        EXPECT_FALSE(timer.isEnabled());
                                        if (holdAnswers)
                                            pending.push_back(std::move(finished));
                                        else
                                            finished();
                                    }};
};

TEST_F(VersionCheckTimerTest, FirstCheckAfterOneMinuteThenEveryTwoHours)
{
    schedule.applyFlags(true, true);
    timer.advance(59'999ms);
    EXPECT_EQ(checks, 0);
    timer.advance(1ms);
    EXPECT_EQ(checks, 1);
    timer.advance(2h - 1ms);
    EXPECT_EQ(checks, 1);
    timer.advance(1ms);
    EXPECT_EQ(checks, 2);
    timer.advance(2h);
    EXPECT_EQ(checks, 3);
    const std::vector<std::chrono::milliseconds> expected = {60s, 60s + 2h, 60s + 4h};
    EXPECT_EQ(timer.firedAt, expected);
}

TEST_F(VersionCheckTimerTest, RunsOnlyWhileBothFlagsAreSet)
{
    for (auto [internet, update] : {std::pair{false, false}, {true, false}, {false, true}}) {
        schedule.applyFlags(internet, update);
        timer.advance(5h);
        EXPECT_EQ(checks, 0) << internet << update;
    }
}

TEST_F(VersionCheckTimerTest, ConfirmedOptionsStopAndRestartTheChecks)
{
    schedule.applyFlags(true, true);
    timer.advance(61s);
    EXPECT_EQ(checks, 1);
    // Unticking a flag and confirming stops the checks.
    schedule.applyFlags(true, false);
    timer.advance(10h);
    EXPECT_EQ(checks, 1);
    // Ticking it again restarts them two hours apart: the interval is kept.
    schedule.applyFlags(true, true);
    timer.advance(2h - 1ms);
    EXPECT_EQ(checks, 1);
    timer.advance(1ms);
    EXPECT_EQ(checks, 2);
    // Confirming with the flags unchanged does not restart the countdown.
    timer.advance(1h);
    schedule.applyFlags(true, true);
    timer.advance(1h);
    EXPECT_EQ(checks, 3);
}

TEST_F(VersionCheckTimerTest, FlagsConfirmedBeforeTheFirstCheckKeepTheOneMinuteDelay)
{
    schedule.applyFlags(true, true);
    timer.advance(30s);
    schedule.applyFlags(false, true);
    schedule.applyFlags(true, true);
    timer.advance(59s);
    EXPECT_EQ(checks, 0);
    timer.advance(1s);
    EXPECT_EQ(checks, 1);
}

TEST_F(VersionCheckTimerTest, TheNextCheckCountsFromTheAnswerOfALateService)
{
    holdAnswers = true;
    schedule.applyFlags(true, true);
    timer.advance(60s);
    ASSERT_EQ(pending.size(), 1u);
    // Confirming the options while the service is silent arms nothing yet.
    schedule.applyFlags(true, true);
    timer.advance(5h);
    EXPECT_EQ(checks, 1);
    EXPECT_FALSE(timer.isEnabled());

    timer.advance(10min);
    pending[0]();
    pending[0](); // a second word of the same check changes nothing
    EXPECT_TRUE(timer.isEnabled());
    timer.advance(2h - 1ms);
    EXPECT_EQ(checks, 1);
    timer.advance(1ms);
    EXPECT_EQ(checks, 2);
}

TEST_F(VersionCheckTimerTest, FlagsUntickedWhileTheServiceIsSilentStopTheChecks)
{
    holdAnswers = true;
    schedule.applyFlags(true, true);
    timer.advance(60s);
    schedule.applyFlags(false, true);
    pending.at(0)();
    EXPECT_FALSE(timer.isEnabled());
    timer.advance(5h);
    EXPECT_EQ(checks, 1);
}

TEST(VersionCheckTimer, AnAnswerAfterTheScheduleWentIsIgnored)
{
    testsupport::ManualIntervalTimer timer;
    std::function<void()> late;
    {
        app::VersionCheckTimer schedule(timer, [&](std::function<void()> finished) { late = std::move(finished); });
        schedule.applyFlags(true, true);
        timer.advance(60s);
    }
    ASSERT_TRUE(late);
    late();
    EXPECT_FALSE(timer.isEnabled());
}

TEST(VersionCheckTimer, KeepsCheckingAfterACheckFails)
{
    testsupport::ManualIntervalTimer timer;
    int checks = 0;
    app::VersionCheckTimer schedule(timer, [&](std::function<void()>) {
        ++checks;
        throw std::runtime_error("check failed");
    });
    schedule.applyFlags(true, true);
    EXPECT_THROW(timer.advance(60s), std::runtime_error);
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(timer.interval(), 2h);
}

} // namespace
