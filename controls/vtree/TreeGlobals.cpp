#include "controls/vtree/TreeGlobals.h"

#include <atomic>
#include <mutex>

namespace vtree {

namespace {
std::once_flag globalsOnce;
std::atomic<bool> globalsReady{false};
} // namespace

// The core shares nothing yet; the painting part adds its images and the
// data-transfer part its clipboard formats here, so that they are made once
// whichever thread or tree comes first.
void InitTreeGlobals()
{
    std::call_once(globalsOnce, [] { globalsReady.store(true, std::memory_order_release); });
}

bool TreeGlobalsInitialized() { return globalsReady.load(std::memory_order_acquire); }

} // namespace vtree
