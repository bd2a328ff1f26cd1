#include "FakeThemeLibrary.h"

#include "controls/grid/base/OfficeTheme.h"
#include "controls/grid/base/ThemeBinding.h"
#include "platform/Registry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;
using controls::test::FakeThemeLibrary;

TEST(ThemeBinding, BindsOnceAndUnbindsOnlyWhatItBound)
{
    FakeThemeLibrary library;
    setThemeLibraryLoader(library.loader());
    {
        TThemeBinding binding("ExXPVS", TThemeBinding::UsesOpenClose);
        binding.BindThemeApi();
        binding.BindThemeApi();
        EXPECT_TRUE(binding.Loaded());
        EXPECT_EQ(library.loads, 1);
        binding.UnbindThemeApi();
        EXPECT_FALSE(binding.Loaded());
        binding.BindThemeApi();
        EXPECT_EQ(library.loads, 2);
    }
    setThemeLibraryLoader([] { return std::optional<TThemeEntryPoints>(); });
    TThemeBinding missing("ATXPVS", TThemeBinding::UsesOpenClose);
    missing.BindThemeApi();
    EXPECT_FALSE(missing.Loaded()) << "no library";
    missing.UnbindThemeApi();
    EXPECT_FALSE(missing.Loaded());
    setThemeLibraryLoader({});
}

TEST(ThemeBinding, AMissingEntryPointThatIsUsedLeavesTheBindingUnloaded)
{
    using Member = std::function<void(TThemeEntryPoints &)>;
    const struct {
        const char *missing;
        Member clear;
        bool gridLoads;
        bool dropDownsLoad;
    } cases[] = {
        {"nothing", [](TThemeEntryPoints &) {}, true, true},
        {"OpenThemeData", [](TThemeEntryPoints &e) { e.OpenThemeData = nullptr; }, false, false},
        {"CloseThemeData", [](TThemeEntryPoints &e) { e.CloseThemeData = nullptr; }, false, false},
        {"DrawThemeBackground", [](TThemeEntryPoints &e) { e.DrawThemeBackground = nullptr; }, false, false},
        {"IsThemeActive", [](TThemeEntryPoints &e) { e.IsThemeActive = nullptr; }, false, false},
        {"GetCurrentThemeName", [](TThemeEntryPoints &e) { e.GetCurrentThemeName = nullptr; }, false, true},
    };
    for (const auto &c : cases) {
        FakeThemeLibrary library;
        c.clear(library.entries);
        library.install();
        EXPECT_EQ(ExXPVS().Loaded(), c.gridLoads) << c.missing;
        EXPECT_EQ(ATXPVS().Loaded(), c.dropDownsLoad) << c.missing;
    }
    EXPECT_FALSE(ExXPVS().Loaded()) << "this platform has no theme library";
    EXPECT_FALSE(ATXPVS().Loaded());
}

TEST(ThemeBinding, AnOpenThemeIsClosedAgainAndNoneOpensWithoutALibrary)
{
    {
        const TOpenTheme none(ExXPVS(), nullptr, "button");
        EXPECT_FALSE(none);
    }
    FakeThemeLibrary library;
    library.install();
    {
        const TOpenTheme theme(ExXPVS(), nullptr, "button");
        EXPECT_TRUE(theme);
    }
    EXPECT_EQ(library.opened, 1);
    EXPECT_EQ(library.closed, 1);
}

TEST(PlatformChecks, AnswerAsACurrentSystemWithoutVisualStyles)
{
    EXPECT_TRUE(IsWindowsXPOrLater());
    EXPECT_TRUE(IsWindowsVistaOrLater());
    EXPECT_TRUE(IsComCtl6OrLater());
    EXPECT_EQ(DefaultUIFontName(), "Segoe UI");
    EXPECT_EQ(CurrentXPThemeStyle(), 0);
}

TEST(PlatformChecks, TheVisualStyleColourSchemeByName)
{
    const struct {
        const char *name;
        bool active;
        int style;
    } cases[] = {
        {"NormalColor", true, 1}, {"Normal", true, 1},   {"Color", true, 1},    {"HomeStead", true, 2},
        {"Home", true, 2},        {"Metallic", true, 3}, {"Royale", true, 0},   {"", true, 0},
        {"NormalColor", false, 0}, {"normalcolor", true, 0},
    };
    for (const auto &c : cases) {
        FakeThemeLibrary library;
        library.colorName = c.name;
        library.active = c.active;
        library.install();
        EXPECT_EQ(CurrentXPThemeStyle(), c.style) << c.name << " active " << c.active;
    }
}

namespace {

struct OfficeStore {
    QTemporaryDir dir;
    platform::TSettingsStore store{dir.path()};

    void set(const QString &key, const char *theme)
    {
        platform::TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("\\" + key, true));
        ASSERT_TRUE(reg.WriteString("Theme", theme));
    }
};

} // namespace

TEST(OfficeTheme, Office2010ThenOffice2007ThenTheVisualStyle)
{
    const struct {
        const char *office2010; // nullptr: no value
        const char *office2007;
        const char *colorScheme; // nullptr: no theme library
        TOfficeTheme theme;
    } cases[] = {
        {nullptr, nullptr, nullptr, ot2003Classic},
        {"1", "3", nullptr, ot2010Blue},
        {"2", "3", nullptr, ot2010Silver},
        {"3", "1", nullptr, ot2010Black},
        {"5", "1", nullptr, ot2003Blue},
        {"0", nullptr, nullptr, ot2003Blue},
        {nullptr, "1", nullptr, ot2007Blue},
        {nullptr, "2", nullptr, ot2007Silver},
        {nullptr, "3", nullptr, ot2007Black},
        {nullptr, "7", nullptr, ot2003Blue},
        {"-1", "2", nullptr, ot2007Silver},
        {"blue", "2", nullptr, ot2007Silver},
        {nullptr, nullptr, "NormalColor", ot2003Blue},
        {nullptr, nullptr, "HomeStead", ot2003Olive},
        {nullptr, nullptr, "Metallic", ot2003Silver},
        {nullptr, nullptr, "Royale", ot2003Classic},
    };
    for (const auto &c : cases) {
        OfficeStore office;
        if (c.office2010)
            office.set(kOffice2010Common, c.office2010);
        if (c.office2007)
            office.set(kOffice2007Common, c.office2007);
        FakeThemeLibrary library;
        if (c.colorScheme) {
            library.colorName = c.colorScheme;
            library.install();
        }
        EXPECT_EQ(CurrentOfficeTheme(office.store), c.theme)
            << (c.office2010 ? c.office2010 : "-") << " " << (c.office2007 ? c.office2007 : "-") << " "
            << (c.colorScheme ? c.colorScheme : "-");
    }
}

TEST(OfficeTheme, TheInstalledVersionByItsGeneralKey)
{
    OfficeStore office;
    EXPECT_EQ(InstalledOfficeVersion(office.store), 0);
    office.set(kOffice2010Common, "1");
    EXPECT_EQ(InstalledOfficeVersion(office.store), 0) << "a theme value alone is no installation";
    platform::TRegistry reg(office.store);
    ASSERT_TRUE(reg.OpenKey("Software\\Microsoft\\Office\\11.0\\Common\\General", true));
    EXPECT_EQ(InstalledOfficeVersion(office.store), 0) << "Office 2003 counts as none";
    ASSERT_TRUE(reg.OpenKey("\\" + kOffice2007Common + "\\General", true));
    EXPECT_EQ(InstalledOfficeVersion(office.store), 1);
    ASSERT_TRUE(reg.OpenKey("\\" + kOffice2010Common + "\\General", true));
    EXPECT_EQ(InstalledOfficeVersion(office.store), 2);
    EXPECT_EQ(ReadOfficeThemeValue(office.store, kOffice2010Common), 1);
    EXPECT_EQ(ReadOfficeThemeValue(office.store, kOffice2007Common), -1);
}
