#pragma once
// A settings store of its own in a temporary folder, into which a test
// writes the Office 2010 colour scheme the way Office itself writes it.
#include "controls/grid/base/OfficeTheme.h"
#include "platform/Registry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace testsupport {

struct OfficeSchemeStore : ::testing::Test {
    QTemporaryDir dir;
    platform::TSettingsStore store{dir.path()};

    void setTheme(platform::TSettingsStore &into, int theme)
    {
        platform::TRegistry reg(into);
        ASSERT_TRUE(reg.OpenKey("\\" + controls::kOffice2010Common, true));
        ASSERT_TRUE(reg.WriteInteger("Theme", theme));
    }
    void install2010()
    {
        platform::TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey("\\" + controls::kOffice2010Common + "\\General", true));
        setTheme(store, 1);
    }
};

} // namespace testsupport
