#pragma once
// The one thread of the process that builds the position caches of large
// trees. Trees queue themselves and are served one per wake-up in the order
// they came. The worker never changes a tree's states itself: it hands each
// change to the interface thread and waits until it is applied there, either
// by the event loop or inside the tree's own waits (a tree without a window
// or a running loop is served there). A tree that stops its build waits until
// the worker has left it, so the worker never sees a half-changed tree.
#include "controls/vtree/TreeStates.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace vtree {

class TBaseLazyTree;

class CacheWorker {
public:
    // Every tree retains the worker while it lives; the last one frees it.
    static void RetainWorkerThread(TBaseLazyTree &tree);
    static void ReleaseWorkerThread(TBaseLazyTree &tree);
    // The worker, or nil when no tree lives (interface thread only).
    static CacheWorker *instance();
    // The live tree with this serial number, or nil (interface thread only).
    static TBaseLazyTree *LiveTree(std::uint64_t Serial);

    void AddTree(TBaseLazyTree *Tree);
    // Takes the tree out of the queue and waits while it is being built,
    // applying the worker's hand-offs meanwhile. True when the tree was
    // queued or being built.
    bool RemoveTree(TBaseLazyTree *Tree);
    // Waits until the tree is neither queued nor built, serving hand-offs.
    void WaitWhileQueuedOrValidating(TBaseLazyTree *Tree);
    // Waits for the worker's next hand-off to the tree and applies it; false
    // when the tree is neither queued nor built.
    bool ServeNextHandOff(TBaseLazyTree *Tree);

private:
    CacheWorker();
    ~CacheWorker();
    void Execute();
    // Worker side: hands a change of the tree's states over and waits.
    void SendTreeStates(TBaseLazyTree *Tree, TLazyTreeStates Enter, TLazyTreeStates Leave);
    // Interface side: applies waiting hand-offs (of one tree, or of all).
    void serve(TBaseLazyTree *only);
    // Interface side, with the lock held: applies the hand-off at At.
    void apply(std::unique_lock<std::mutex> &lock, std::size_t at);
    // Interface side, with the lock held: waits for the worker to move while
    // serving hand-offs for Tree.
    void waitServing(std::unique_lock<std::mutex> &lock, TBaseLazyTree *Tree, bool untilUnqueued);

    struct HandOff {
        TBaseLazyTree *tree;
        TLazyTreeStates enter, leave;
        bool done = false;
    };

    std::mutex m_lock;
    std::condition_variable m_wake;    // the worker: a tree is queued or it must end
    std::condition_variable m_changed; // the interface thread: a hand-off waits or a build ended
    std::condition_variable m_served;  // the worker: its hand-off was applied
    std::deque<TBaseLazyTree *> m_waiting;
    TBaseLazyTree *m_current = nullptr;
    std::vector<HandOff *> m_handOffs;
    bool m_terminated = false;
    unsigned m_refCount = 0;
    std::thread m_thread;
};

} // namespace vtree
