#include "platform/Thread.h"

#include <QCoreApplication>
#include <QThread>
#include <QtDebug>

#include <pthread.h>

#include <deque>
#include <memory>

namespace platform {
namespace {

// The process's first thread, for programs without a Qt application.
const std::thread::id firstThread = std::this_thread::get_id();

struct Call {
    TThread::Method method;
    const TThread *owner = nullptr;
    bool waited = false; // Synchronize: the caller waits for done
    bool done = false;
    std::exception_ptr error;
};

// Calls on their way to the interface thread, and the one signal that
// tells waiters something changed (a call done, a call added, a thread
// finished).
struct Dispatch {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Call>> pending;
};

Dispatch &dispatch()
{
    static Dispatch d;
    return d;
}

void postToInterfaceThread(std::shared_ptr<Call> call)
{
    Dispatch &d = dispatch();
    {
        std::lock_guard lock(d.mutex);
        d.pending.push_back(std::move(call));
    }
    d.changed.notify_all();
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { TThread::CheckSynchronize(); }, Qt::QueuedConnection);
}

} // namespace

TThread::TThread() = default;

TThread::~TThread()
{
    TerminateAndWait();
    // A thread that destroys its own object cannot wait for itself.
    if (m_thread.joinable() && m_thread.get_id() == std::this_thread::get_id())
        m_thread.detach();
    Dispatch &d = dispatch();
    std::lock_guard lock(d.mutex);
    std::erase_if(d.pending, [this](const std::shared_ptr<Call> &c) { return c->owner == this && !c->waited; });
}

bool TThread::isInterfaceThread()
{
    if (const QCoreApplication *app = QCoreApplication::instance())
        return QThread::currentThread() == app->thread();
    return std::this_thread::get_id() == firstThread;
}

void TThread::Start()
{
    std::lock_guard lock(m_mutex);
    if (!m_started) {
        m_started = true;
        m_thread = std::thread([this] { run(); });
        return;
    }
    m_paused = false;
    m_wake.notify_all();
}

void TThread::Suspend()
{
    std::lock_guard lock(m_mutex);
    if (m_started)
        m_paused = true;
}

bool TThread::Suspended() const
{
    std::lock_guard lock(m_mutex);
    return !m_started || m_paused;
}

void TThread::Terminate()
{
    std::lock_guard lock(m_mutex);
    m_terminated = true;
    m_wake.notify_all();
}

bool TThread::Terminated() const
{
    std::lock_guard lock(m_mutex);
    return m_terminated;
}

bool TThread::Finished() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}

int TThread::ReturnValue() const
{
    std::lock_guard lock(m_mutex);
    return m_returnValue;
}

std::exception_ptr TThread::FatalException() const
{
    std::lock_guard lock(m_mutex);
    return m_fatal;
}

void TThread::setReturnValue(int value)
{
    std::lock_guard lock(m_mutex);
    m_returnValue = value;
}

void TThread::run()
{
    if (!m_name.isEmpty())
        pthread_setname_np(pthread_self(), m_name.left(15).toUtf8().constData());
    try {
        Execute();
    } catch (...) {
        std::lock_guard lock(m_mutex);
        m_fatal = std::current_exception();
    }
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    // Waiters on the interface thread wait on the dispatch signal.
    Dispatch &d = dispatch();
    {
        std::lock_guard lock(d.mutex);
    }
    d.changed.notify_all();
}

void TThread::pausePoint()
{
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_paused || m_terminated; });
}

bool TThread::Sleep(std::chrono::milliseconds duration)
{
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, duration, [this] { return m_terminated; }))
            return false;
    }
    pausePoint();
    return !Terminated();
}

int TThread::WaitFor()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_started || std::this_thread::get_id() == m_thread.get_id())
            return m_returnValue;
    }
    if (isInterfaceThread()) {
        Dispatch &d = dispatch();
        std::unique_lock lock(d.mutex);
        while (!Finished()) {
            if (d.pending.empty()) {
                d.changed.wait(lock);
                continue;
            }
            lock.unlock();
            CheckSynchronize();
            lock.lock();
        }
    }
    {
        std::lock_guard join(m_joinMutex);
        if (m_thread.joinable())
            m_thread.join();
    }
    return ReturnValue();
}

void TThread::TerminateAndWait()
{
    Terminate();
    WaitFor();
}

void TThread::Synchronize(const Method &method)
{
    if (isInterfaceThread()) {
        method();
        return;
    }
    auto call = std::make_shared<Call>();
    call->method = method;
    call->owner = this;
    call->waited = true;
    postToInterfaceThread(call);
    Dispatch &d = dispatch();
    std::exception_ptr error;
    {
        std::unique_lock lock(d.mutex);
        d.changed.wait(lock, [&] { return call->done; });
        // Taken over whole, so that the exception lives on this thread only.
        error = std::move(call->error);
    }
    pausePoint();
    if (error)
        std::rethrow_exception(error);
}

void TThread::Queue(Method method)
{
    auto call = std::make_shared<Call>();
    call->method = std::move(method);
    call->owner = this;
    postToInterfaceThread(std::move(call));
    if (!isInterfaceThread())
        pausePoint();
}

bool TThread::CheckSynchronize()
{
    if (!isInterfaceThread())
        return false;
    Dispatch &d = dispatch();
    bool ran = false;
    for (;;) {
        std::shared_ptr<Call> call;
        {
            std::lock_guard lock(d.mutex);
            if (d.pending.empty())
                break;
            call = std::move(d.pending.front());
            d.pending.pop_front();
        }
        ran = true;
        std::exception_ptr error;
        try {
            call->method();
        } catch (...) {
            error = std::current_exception();
        }
        if (error && !call->waited) {
            // Nobody waits to receive it: say so rather than lose it.
            try {
                std::rethrow_exception(error);
            } catch (const std::exception &e) {
                qWarning("A call queued by a thread failed: %s", e.what());
            } catch (...) {
                qWarning("A call queued by a thread failed");
            }
        }
        {
            std::lock_guard lock(d.mutex);
            call->error = std::move(error);
            call->done = true;
        }
        d.changed.notify_all();
    }
    return ran;
}

} // namespace platform
