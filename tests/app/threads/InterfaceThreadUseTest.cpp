// The application state and the language table belong to the interface
// thread: another thread that reaches for them fails at once instead of
// racing the windows.
#include "app/AppState.h"
#include "app/Language.h"
#include "platform/AssertionFailed.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace {

// Runs the use on a thread of its own; true when it was refused.
bool refusedOnAnotherThread(const std::function<void()> &use)
{
    bool refused = false;
    std::thread worker([&] {
        try {
            use();
        } catch (const platform::EAssertionFailed &) {
            refused = true;
        }
    });
    worker.join();
    return refused;
}

TEST(InterfaceThreadUse, TheStateAndTheTextsAreRefusedToOtherThreads)
{
    const std::pair<const char *, std::function<void()>> uses[] = {
        {"state", [] { (void)app::state(); }},
        {"text", [] { (void)app::text(1); }},
        {"table", [] { (void)app::languageTable().count(); }},
    };
    for (const auto &[name, use] : uses) {
        EXPECT_TRUE(refusedOnAnotherThread(use)) << name;
        EXPECT_NO_THROW(use()) << name;
    }
}

} // namespace
