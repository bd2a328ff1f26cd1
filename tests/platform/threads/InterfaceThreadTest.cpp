#include "platform/InterfaceThread.h"

#include <gtest/gtest.h>

#include <thread>

TEST(InterfaceThread, IsTheApplicationsThreadOnly)
{
    EXPECT_TRUE(platform::isInterfaceThread());
    bool onWorker = true;
    std::thread worker([&] { onWorker = platform::isInterfaceThread(); });
    worker.join();
    EXPECT_FALSE(onWorker);
}
