#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, SplitsByTheWindowsQuotingRules)
{
    struct Case {
        const char *line;
        QStringList expected;
    };
    const Case cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"a b\tc", {"a", "b", "c"}},
        {"  lead  trail  ", {"lead", "trail"}},
        {R"("a b" c)", {"a b", "c"}},
        {R"(a"b c"d e)", {"ab cd", "e"}},
        {R"("")", {""}},
        {R"(a "" b)", {"a", "", "b"}},
        {R"(\\.\COM3 FW)", {R"(\\.\COM3)", "FW"}},
        {R"(a\b c\\d)", {R"(a\b)", R"(c\\d)"}},
        {R"(\"quoted\")", {R"("quoted")"}},
        {R"(a\\"b c" d)", {R"(a\b c)", "d"}},
        {R"(a\\\"b c)", {R"(a\"b)", "c"}},
        {R"("a ""inner"" b")", {R"(a "inner" b)"}},
        {R"("C:\dir\bin\" next)", {R"(C:\dir\bin" next)"}},
        {R"("C:\dir\bin\\" next)", {R"(C:\dir\bin\)", "next"}},
        {R"("unterminated  tail)", {"unterminated  tail"}},
        {"trailing\\", {"trailing\\"}},
        {R"("/m/MASTER/simQuorLyxa.sim" "/p/PROJECTS/Plant A/bin/")",
         {"/m/MASTER/simQuorLyxa.sim", "/p/PROJECTS/Plant A/bin/"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(platform::splitWindowsCommandLine(QString::fromUtf8(c.line)), c.expected) << c.line;
}

} // namespace
