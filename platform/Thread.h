#pragma once
// A worker thread as the controls use one: its body runs in Execute; it
// hands work to the interface thread by Synchronize (run there and wait) or
// Queue (post and go on); it pauses between jobs and ends on request.
// Waiting for it on the interface thread keeps serving its Synchronize
// calls, so ending a thread never deadlocks against the interface thread.
//
// A thread is created paused: Start() runs Execute once. A subclass calls
// TerminateAndWait() in its own destructor, before its members go away.
#include <QString>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

class TThread {
public:
    using Method = std::function<void()>;

    TThread();
    virtual ~TThread();
    TThread(const TThread &) = delete;
    TThread &operator=(const TThread &) = delete;

    // Starts Execute the first time; later it resumes a paused thread.
    void Start();
    void Resume() { Start(); }
    // The thread pauses at its next pause point (Sleep, or the return of
    // Synchronize or Queue) until it is resumed or terminated.
    void Suspend();
    // Not started yet, or asked to pause.
    bool Suspended() const;
    void setSuspended(bool suspended) { suspended ? Suspend() : Resume(); }

    // Asks Execute to end: Terminated() turns true and a sleeping or paused
    // thread wakes.
    void Terminate();
    bool Terminated() const;
    // Waits for Execute to end and gives its return value. On the interface
    // thread the calls the thread hands over meanwhile still run. A thread
    // that never started, or the thread itself, does not wait.
    int WaitFor();
    void TerminateAndWait();
    bool Finished() const;
    int ReturnValue() const;
    // The exception that ended Execute, if one did.
    std::exception_ptr FatalException() const;

    // The name debuggers show (at most 15 characters are kept), set before Start.
    void setName(const QString &name) { m_name = name; }

    // Runs method on the interface thread and waits for it; an exception it
    // raises is raised again here. On the interface thread it runs at once.
    void Synchronize(const Method &method);
    // Posts method to the interface thread and returns. Calls not run yet
    // when this thread object is destroyed are dropped.
    void Queue(Method method);

    // Runs the calls waiting for the interface thread (only there); gives
    // whether any ran. The event loop does this by itself.
    static bool CheckSynchronize();
    static bool isInterfaceThread();

protected:
    virtual void Execute() = 0;
    void setReturnValue(int value);
    // Waits for the time or until terminated; false when terminated. A pause point.
    bool Sleep(std::chrono::milliseconds duration);

private:
    void run();
    void pausePoint();

    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::mutex m_joinMutex;
    bool m_started = false;
    bool m_paused = false;
    bool m_terminated = false;
    bool m_finished = false;
    int m_returnValue = 0;
    std::exception_ptr m_fatal;
    QString m_name;
};

} // namespace platform
