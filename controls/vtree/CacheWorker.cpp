#include "controls/vtree/CacheWorker.h"
#include "controls/vtree/TreePositionCache.h"
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeErrors.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <map>

namespace vtree {

namespace {
CacheWorker *g_worker = nullptr;
// Trees alive, each with a number of its own, so that a call queued for a
// tree reaches it only while it lives (interface thread only).
std::map<TBaseLazyTree *, std::uint64_t> g_liveTrees;
std::uint64_t g_treeSerial = 0;

bool isLive(TBaseLazyTree *tree, std::uint64_t serial)
{
    auto it = g_liveTrees.find(tree);
    return it != g_liveTrees.end() && it->second == serial;
}

void queueOnInterfaceThread(std::function<void()> work)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}
} // namespace

CacheWorker *CacheWorker::instance() { return g_worker; }

TBaseLazyTree *CacheWorker::LiveTree(std::uint64_t Serial)
{
    for (const auto &[tree, serial] : g_liveTrees)
        if (serial == Serial)
            return tree;
    return nullptr;
}

void CacheWorker::RetainWorkerThread(TBaseLazyTree &tree)
{
    if (!g_worker)
        g_worker = new CacheWorker(); // owned by the trees: freed with the last one
    ++g_worker->m_refCount;
    tree.FCache->LiveSerial = ++g_treeSerial;
    g_liveTrees[&tree] = tree.FCache->LiveSerial;
}

void CacheWorker::ReleaseWorkerThread(TBaseLazyTree &tree)
{
    g_liveTrees.erase(&tree);
    if (!g_worker)
        return;
    tree.StopCacheValidation();
    if (--g_worker->m_refCount == 0) {
        delete g_worker;
        g_worker = nullptr;
    }
}

CacheWorker::CacheWorker() : m_thread([this] { Execute(); }) {}

CacheWorker::~CacheWorker()
{
    {
        std::lock_guard guard(m_lock);
        m_terminated = true;
    }
    m_wake.notify_all();
    m_served.notify_all();
    m_thread.join();
}

void CacheWorker::AddTree(TBaseLazyTree *Tree)
{
    LT_ASSERT(Tree, assertions::treeNil);
    Tree->ChangeTreeStates({}, TLazyTreeState::tsStopValidation);
    {
        std::lock_guard guard(m_lock);
        if (std::find(m_waiting.begin(), m_waiting.end(), Tree) == m_waiting.end())
            m_waiting.push_back(Tree);
    }
    m_wake.notify_one();
}

bool CacheWorker::RemoveTree(TBaseLazyTree *Tree)
{
    LT_ASSERT(Tree, assertions::treeNil);
    std::unique_lock lock(m_lock);
    auto queued = std::find(m_waiting.begin(), m_waiting.end(), Tree);
    const bool wasQueued = queued != m_waiting.end();
    if (wasQueued)
        m_waiting.erase(queued);
    const bool wasBuilt = m_current == Tree;
    waitServing(lock, Tree, false);
    return wasQueued || wasBuilt;
}

void CacheWorker::WaitWhileQueuedOrValidating(TBaseLazyTree *Tree)
{
    std::unique_lock lock(m_lock);
    waitServing(lock, Tree, true);
}

void CacheWorker::apply(std::unique_lock<std::mutex> &lock, std::size_t at)
{
    HandOff *handOff = m_handOffs[at];
    m_handOffs.erase(m_handOffs.begin() + static_cast<std::ptrdiff_t>(at));
    lock.unlock();
    handOff->tree->ChangeTreeStates(handOff->enter, handOff->leave);
    lock.lock();
    handOff->done = true;
    m_served.notify_all();
}

bool CacheWorker::ServeNextHandOff(TBaseLazyTree *Tree)
{
    std::unique_lock lock(m_lock);
    for (;;) {
        auto own = std::find_if(m_handOffs.begin(), m_handOffs.end(), [Tree](HandOff *h) { return h->tree == Tree; });
        if (own != m_handOffs.end()) {
            apply(lock, static_cast<std::size_t>(own - m_handOffs.begin()));
            return true;
        }
        if (m_current != Tree && std::find(m_waiting.begin(), m_waiting.end(), Tree) == m_waiting.end())
            return false;
        m_changed.wait(lock);
    }
}

void CacheWorker::waitServing(std::unique_lock<std::mutex> &lock, TBaseLazyTree *Tree, bool untilUnqueued)
{
    auto busy = [&] {
        return m_current == Tree ||
               (untilUnqueued && std::find(m_waiting.begin(), m_waiting.end(), Tree) != m_waiting.end());
    };
    // Any tree's hand-off is served: the worker may be waiting on another
    // tree before it comes to this one.
    while (busy()) {
        if (!m_handOffs.empty()) {
            apply(lock, 0);
            continue;
        }
        m_changed.wait(lock);
    }
}

void CacheWorker::serve(TBaseLazyTree *only)
{
    std::unique_lock lock(m_lock);
    for (;;) {
        auto next = std::find_if(m_handOffs.begin(), m_handOffs.end(),
                                 [only](HandOff *h) { return !only || h->tree == only; });
        if (next == m_handOffs.end())
            return;
        apply(lock, static_cast<std::size_t>(next - m_handOffs.begin()));
    }
}

void CacheWorker::SendTreeStates(TBaseLazyTree *Tree, TLazyTreeStates Enter, TLazyTreeStates Leave)
{
    HandOff handOff{Tree, Enter, Leave};
    std::unique_lock lock(m_lock);
    m_handOffs.push_back(&handOff);
    m_changed.notify_all();
    // The worker is freed only after every tree has stopped its build, so it
    // is alive when the queued call runs; a freed one is never reached.
    queueOnInterfaceThread([] {
        if (g_worker)
            g_worker->serve(nullptr);
    });
    m_served.wait(lock, [&] { return handOff.done; });
}

void CacheWorker::Execute()
{
    for (;;) {
        TBaseLazyTree *tree = nullptr;
        {
            std::unique_lock lock(m_lock);
            m_wake.wait(lock, [this] { return m_terminated || !m_waiting.empty(); });
            if (m_terminated)
                return;
            tree = m_waiting.front();
            m_waiting.pop_front();
            m_current = tree;
        }
        using enum TLazyTreeState;
        SendTreeStates(tree, tsValidating, {tsUseCache, tsValidationNeeded});
        bool built = false;
        if (!tree->StopValidationRequested())
            built = tree->BuildPositionCache();
        SendTreeStates(tree, built ? TLazyTreeStates(tsUseCache) : TLazyTreeStates(), {tsStopValidation, tsValidating});
        std::lock_guard guard(m_lock);
        m_current = nullptr;
        m_changed.notify_all();
        // The edit bounds follow the new rows, on the interface thread, and
        // only while this very tree lives.
        queueOnInterfaceThread([tree, serial = tree->FCache->LiveSerial] {
            if (isLive(tree, serial))
                tree->UpdateEditBounds();
        });
    }
}

} // namespace vtree
