#pragma once
// The serial port's watcher: waits on the device and reports what happened
// as a comm-event mask (received bytes, the event character, output drained,
// modem lines, line errors and breaks) to its signal handler, on its own
// thread. Received bytes are taken into the port's input queue as they come,
// so that each arrival is reported once, as Windows does; while that queue is
// full they wait in the driver. Linux has no single wait for all of these:
// received bytes and a hang-up wake the thread at once; modem lines,
// line-error counters, the draining output and a full input queue are looked
// at every 20 ms while there is something to look for.
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <thread>

namespace scan {

class TCommEventThread {
public:
    // Status: the comm-event mask; Errors: the error bits seen with it.
    using TSignalEvent = std::function<void(quint32 Status, quint32 Errors)>;
    // What taking the waiting bytes into the input queue did.
    struct TInput {
        bool arrived = false; // bytes were queued
        bool flagged = false; // the event character was among them
        bool full = false;    // the queue has no room left
        bool failed = false;  // the device could not be read
    };
    using TTakeInput = std::function<TInput()>;

    // Starts watching at once. The handle must stay open until Stop returns.
    TCommEventThread(int CommHandle, quint32 EventMask, TTakeInput TakeInput, TSignalEvent OnSignal);
    ~TCommEventThread();
    TCommEventThread(const TCommEventThread &) = delete;
    TCommEventThread &operator=(const TCommEventThread &) = delete;

    // Wakes the thread and joins it; no signal is made after it returns.
    void Stop();
    // Bytes were written: report when the output queue has drained.
    void noteWrite();

private:
    void Execute();
    void wake();

    const int FCommHandle;
    const quint32 FEventMask;
    const TTakeInput FTakeInput;
    const TSignalEvent FOnSignal;
    int FEvent = -1; // eventfd
    std::atomic<bool> m_terminated{false};
    std::atomic<bool> m_writePending{false};
    std::thread m_thread;
};

} // namespace scan
