#pragma once
// Update brackets, synchronous brackets and operations, the reports they
// delay and the timers the delays run on. UpdateBrackets.cpp keeps them.
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/TreeTypes.h"
#include "platform/NumberedTimers.h"

#include <memory>

namespace vtree {

struct TTreeBrackets {
    unsigned UpdateCount = 0;
    unsigned SynchUpdateCount = 0;
    unsigned OperationCount = 0;
    bool OperationCanceled = false;
    // Milliseconds OnChange and OnStructureChange are delayed by.
    unsigned ChangeDelay = 0;
    // The delayed reports.
    PLazyNode LastChangedNode = nullptr;
    PLazyNode LastStructureChangeNode = nullptr;
    TChangeReason LastStructureChangeReason = TChangeReason::crIgnore;
    std::unique_ptr<platform::NumberedTimers> Timers;
};

} // namespace vtree
