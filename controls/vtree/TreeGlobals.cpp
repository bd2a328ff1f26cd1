#include "controls/vtree/TreeGlobals.h"
#include "controls/vtree/ClipboardFormatList.h"

#include <atomic>
#include <mutex>

namespace vtree {

namespace {
std::once_flag globalsOnce;
std::atomic<bool> globalsReady{false};
} // namespace

// The trees' clipboard formats are registered here (and the painting part
// may add its images), so that they are made once whichever thread or tree
// comes first.
void InitTreeGlobals()
{
    std::call_once(globalsOnce, [] {
        RegisterTreeClipboardFormats();
        globalsReady.store(true, std::memory_order_release);
    });
}

bool TreeGlobalsInitialized() { return globalsReady.load(std::memory_order_acquire); }

} // namespace vtree
