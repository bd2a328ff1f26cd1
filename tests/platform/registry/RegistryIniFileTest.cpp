#include "platform/RegistryIniFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

TEST(RegistryIniFile, SectionsAreSubKeysOfTheKey)
{
    QTemporaryDir dir;
    TSettingsStore store{dir.path()};
    TRegistryIniFile ini(QStringLiteral("Software\\Maker\\Layouts"), store);
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Grid"), QStringLiteral("Col0")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Grid"), QStringLiteral("Col0"), 7), 7);
    ASSERT_TRUE(ini.WriteInteger(QStringLiteral("Grid"), QStringLiteral("Col0"), 120));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Grid"), QStringLiteral("Name"), QStringLiteral("wide")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("grid"), QStringLiteral("col0"), 7), 120);
    // Not an integer: the fallback.
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Grid"), QStringLiteral("Name"), 7), 7);

    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("\\Software\\Maker\\Layouts\\Grid")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Col0")), 120);
    // A line break cannot be stored: refused, nothing written.
    EXPECT_FALSE(ini.WriteString(QStringLiteral("Grid"), QStringLiteral("Bad"), QStringLiteral("a\nb")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Grid"), QStringLiteral("Bad")));
}
