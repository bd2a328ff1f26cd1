#include "platform/HandlerGuard.h"
#include "support/DialogDoubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(HandlerGuard, TurnsAnEscapedErrorIntoTheErrorBox)
{
    testsupport::MessageRecorder boxes;
    platform::guarded([] { throw platform::Error("Bad thing"); });
    platform::guarded([] { throw std::runtime_error("std thing"); });
    platform::guarded([] { throw 42; });
    ASSERT_EQ(boxes.messages().size(), 3u);
    EXPECT_EQ(boxes.messages()[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(boxes.texts(), (QStringList{"Bad thing", "std thing", "Unknown error"}));
}

} // namespace
