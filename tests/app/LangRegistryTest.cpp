#include "app/LangRegistry.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {

using app::LangOrder;

TEST(LangRegistry, ReappliesInTheFixedOrderOfWindows)
{
    app::LangRegistry registry;
    QStringList calls;
    auto member = [&](const char *name) { return [&calls, name] { calls << name; }; };
    // Joined in the order the windows are created at start.
    app::LangRegistration main(LangOrder::MainWindow, member("main"), registry);
    app::LangRegistration newConf(LangOrder::NewConfiguration, member("new"), registry);
    app::LangRegistration openConf(LangOrder::OpenConfiguration, member("open"), registry);
    app::LangRegistration options(LangOrder::Options, member("options"), registry);
    app::LangRegistration parGen(LangOrder::GeneralParameters, member("pargen"), registry);
    app::LangRegistration mbus(LangOrder::MBusNetwork, member("mbus"), registry);
    app::LangRegistration paste(LangOrder::Paste, member("paste"), registry);
    app::LangRegistration serial(LangOrder::SerialUpdate, member("serial"), registry);
    app::LangRegistration ethernet(LangOrder::EthernetUpdate, member("ethernet"), registry);

    registry.applyLanguageToAll();
    EXPECT_EQ(calls, QStringList({"main", "serial", "ethernet", "new", "open", "options", "pargen", "mbus", "paste"}));
}

TEST(LangRegistry, DestroyedWindowsLeave)
{
    app::LangRegistry registry;
    int mainCalls = 0;
    int dialogCalls = 0;
    app::LangRegistration main(LangOrder::MainWindow, [&] { ++mainCalls; }, registry);
    {
        app::LangRegistration dialog(LangOrder::Options, [&] { ++dialogCalls; }, registry);
        registry.applyLanguageToAll();
    }
    registry.applyLanguageToAll();
    EXPECT_EQ(mainCalls, 2);
    EXPECT_EQ(dialogCalls, 1);
    EXPECT_EQ(registry.size(), 1);
}

TEST(LangRegistry, MembersMayLeaveOrJoinWhileTextsAreApplied)
{
    app::LangRegistry registry;
    QStringList calls;
    std::unique_ptr<app::LangRegistration> paste;
    std::unique_ptr<app::LangRegistration> late;
    std::unique_ptr<app::LangRegistration> self;
    self = std::make_unique<app::LangRegistration>(
        LangOrder::MainWindow,
        [&] {
            calls << "main";
            self.reset(); // leaves while its own texts are applied
            paste.reset(); // and takes a later member with it
            late = std::make_unique<app::LangRegistration>(LangOrder::Options, [&] { calls << "late"; }, registry);
        },
        registry);
    paste = std::make_unique<app::LangRegistration>(LangOrder::Paste, [&] { calls << "paste"; }, registry);

    registry.applyLanguageToAll();
    EXPECT_EQ(calls, QStringList({"main"}));
    registry.applyLanguageToAll();
    EXPECT_EQ(calls, QStringList({"main", "late"}));
}

} // namespace
