#include "platform/Thread.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <string>
#include <vector>

using platform::TThread;

namespace {

// A thread whose body the test gives.
class LambdaThread : public TThread {
public:
    explicit LambdaThread(std::function<void(LambdaThread &)> body) : m_body(std::move(body)) {}
    ~LambdaThread() override { TerminateAndWait(); }

    bool sleepFor(std::chrono::milliseconds d) { return Sleep(d); }
    void returns(int value) { setReturnValue(value); }

protected:
    void Execute() override { m_body(*this); }

private:
    std::function<void(LambdaThread &)> m_body;
};

// Runs what threads hand to the interface thread until done() holds.
template <class Done>
void serveUntil(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

TEST(Thread, SynchronizeRunsOnTheInterfaceThreadAndWaitsForIt)
{
    std::vector<std::string> log;
    bool onInterfaceThread = false;
    LambdaThread t([&](LambdaThread &self) {
        self.Synchronize([&] {
            onInterfaceThread = TThread::isInterfaceThread();
            log.push_back("synchronized");
        });
        log.push_back("after");
        self.returns(7);
    });
    EXPECT_TRUE(t.Suspended()) << "created paused";
    t.Start();
    EXPECT_EQ(t.WaitFor(), 7) << "waiting serves the call";
    EXPECT_TRUE(onInterfaceThread);
    EXPECT_EQ(log, (std::vector<std::string>{"synchronized", "after"}));
    EXPECT_TRUE(t.Finished());
}

TEST(Thread, QueueReturnsAtOnceAndTheCallsRunInOrderLater)
{
    std::vector<int> ran;
    std::promise<void> queued;
    LambdaThread t([&](LambdaThread &self) {
        for (int i = 0; i < 3; ++i)
            self.Queue([&ran, i] { ran.push_back(i); });
        queued.set_value();
    });
    t.Start();
    // The interface thread has run nothing yet, and the thread went on.
    queued.get_future().wait();
    EXPECT_TRUE(ran.empty());
    serveUntil([&] { return ran.size() == 3; });
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
}

TEST(Thread, ExceptionsReachTheirCaller)
{
    std::string caught;
    LambdaThread t([&](LambdaThread &self) {
        try {
            self.Synchronize([] { throw std::runtime_error("from the interface thread"); });
        } catch (const std::runtime_error &e) {
            caught = e.what();
        }
        throw std::logic_error("ends the thread");
    });
    t.Start();
    t.WaitFor();
    EXPECT_EQ(caught, "from the interface thread");
    ASSERT_TRUE(t.FatalException());
    EXPECT_THROW(std::rethrow_exception(t.FatalException()), std::logic_error);
}

TEST(Thread, DestroyingABusyThreadServesItsCallsAndEnds)
{
    std::atomic<int> calls = 0;
    auto t = std::make_unique<LambdaThread>([&](LambdaThread &self) {
        while (!self.Terminated())
            self.Synchronize([&] { ++calls; });
    });
    t->Start();
    serveUntil([&] { return calls >= 2; });
    t.reset(); // would hang if waiting did not serve the pending call
    SUCCEED();
}

TEST(Thread, TerminateWakesASleepingThread)
{
    std::atomic<int> slept = -1;
    LambdaThread t([&](LambdaThread &self) { slept = self.sleepFor(std::chrono::hours(24)) ? 1 : 0; });
    t.Start();
    t.Terminate();
    t.WaitFor();
    EXPECT_EQ(slept, 0) << "woken early, told it was terminated";
}

TEST(Thread, PausesAfterASuspendAndGoesOnWhenResumed)
{
    // The pattern of a fade: steps run on the interface thread; the last
    // step pauses the thread until it is needed again.
    int step = 0;
    LambdaThread t([&](LambdaThread &self) {
        while (!self.Terminated())
            self.Synchronize([&] {
                if (++step % 3 == 0)
                    self.Suspend();
            });
    });
    t.Start();
    serveUntil([&] { return step == 3; });
    EXPECT_TRUE(t.Suspended());
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(step, 3) << "paused";
    t.Resume();
    serveUntil([&] { return step == 6; });
    EXPECT_TRUE(t.Suspended());
    t.TerminateAndWait(); // a paused thread ends too
    EXPECT_EQ(step, 6);
}

TEST(Thread, NeverStartedThreadsAndSelfWaitsReturnAtOnce)
{
    LambdaThread idle([](LambdaThread &) { FAIL() << "never runs"; });
    EXPECT_EQ(idle.WaitFor(), 0);
    EXPECT_FALSE(idle.Finished());

    int fromInside = -1;
    LambdaThread self([&](LambdaThread &t) {
        t.returns(3);
        fromInside = t.WaitFor();
    });
    self.Start();
    EXPECT_EQ(self.WaitFor(), 3);
    EXPECT_EQ(fromInside, 3);
}

TEST(Thread, QueuedCallsOfADestroyedThreadAreDropped)
{
    bool ran = false;
    auto t = std::make_unique<LambdaThread>([&](LambdaThread &self) { self.Queue([&] { ran = true; }); });
    t->Start();
    while (!t->Finished())
        std::this_thread::yield();
    t.reset();
    QCoreApplication::processEvents();
    TThread::CheckSynchronize();
    EXPECT_FALSE(ran);
}

TEST(Thread, SynchronizeOnTheInterfaceThreadRunsAtOnce)
{
    LambdaThread t([](LambdaThread &) {});
    bool ran = false;
    t.Synchronize([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(TThread::CheckSynchronize());
}
