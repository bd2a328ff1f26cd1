#include "platform/Registry.h"
#include "platform/RegistryWatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString Office = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");

struct Store : ::testing::Test {
    QTemporaryDir dir;
    TSettingsStore store{dir.path()};
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(Store, KeysAreSectionsOfARealIniFilePerRoot)
{
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("\\" + Office + "\\", true));
    EXPECT_EQ(reg.CurrentPath(), Office);
    ASSERT_TRUE(reg.WriteInteger("Theme", 2));
    ASSERT_TRUE(reg.WriteString("Name", "Silver"));
    EXPECT_EQ(fileBytes(store.filePath(TRootKey::HKEY_CURRENT_USER)),
              "[Software\\Microsoft\\Office\\14.0\\Common]\nTheme=2\nName=Silver\n");

    TRegistry other(store);
    EXPECT_TRUE(other.KeyExists("software\\microsoft")) << "a parent exists through its sub-keys, in any case";
    EXPECT_FALSE(other.KeyExists("Software\\Microsoft\\Off"));
    ASSERT_TRUE(other.OpenKeyReadOnly("SOFTWARE\\Microsoft\\Office"));
    EXPECT_EQ(other.GetKeyNames(), QStringList{"14.0"});
    ASSERT_TRUE(other.OpenKeyReadOnly("14.0\\Common")) << "relative to the open key";
    EXPECT_EQ(other.ReadInteger("theme"), 2);
    EXPECT_EQ(other.ReadInteger("Name"), std::nullopt) << "not an integer";
    EXPECT_EQ(other.ReadString("Missing"), std::nullopt);
    EXPECT_EQ(other.GetValueNames(), (QStringList{"Theme", "Name"}));
    EXPECT_FALSE(other.WriteInteger("Theme", 3)) << "opened read-only";

    other.setRootKey(TRootKey::HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(other.KeyExists(Office)) << "each root is a file of its own";
}

TEST_F(Store, TwoStoresOnOneFolderSeeEachOthersChanges)
{
    TSettingsStore second(dir.path());
    TRegistry a(store), b(second);
    ASSERT_TRUE(a.OpenKey(Office, true));
    ASSERT_TRUE(b.OpenKey(Office, false));
    ASSERT_TRUE(a.WriteInteger("Theme", 1));
    EXPECT_EQ(b.ReadInteger("Theme"), 1);
    ASSERT_TRUE(b.WriteInteger("Theme", 3));
    EXPECT_EQ(a.ReadInteger("Theme"), 3);
}

TEST_F(Store, MissingKeysAndValuesChangeNothing)
{
    TRegistry reg(store);
    EXPECT_FALSE(reg.OpenKey(Office, false));
    EXPECT_FALSE(reg.WriteInteger("Theme", 1)) << "no key open";
    EXPECT_FALSE(reg.DeleteKey(Office));
    EXPECT_FALSE(QFile::exists(store.filePath(TRootKey::HKEY_CURRENT_USER))) << "reading creates no file";
    ASSERT_TRUE(reg.OpenKey(Office, true));
    EXPECT_FALSE(reg.DeleteValue("Theme"));
    EXPECT_FALSE(reg.WriteString("Theme", "two\nlines"));
    EXPECT_FALSE(reg.WriteString("", "x"));
    EXPECT_EQ(reg.GetValueNames(), QStringList());
}

TEST_F(Store, DeletingAKeyTakesItsSubKeys)
{
    TRegistry reg(store);
    for (const char *key : {"A\\B", "A\\B\\C", "A\\BB", "X"}) {
        ASSERT_TRUE(reg.OpenKey(QString("\\") + key, true));
        ASSERT_TRUE(reg.WriteInteger("v", 1));
    }
    reg.CloseKey();
    ASSERT_TRUE(reg.DeleteKey("a\\b"));
    EXPECT_FALSE(reg.KeyExists("A\\B\\C"));
    EXPECT_TRUE(reg.KeyExists("A\\BB")) << "a sibling whose name starts alike stays";
    EXPECT_EQ(subKeysIn(store.read(TRootKey::HKEY_CURRENT_USER), QString()), (QStringList{"A", "X"}));
}

// ---- Watching ----------------------------------------------------------------

namespace {

void write(TSettingsStore &store, const QString &key, const QString &name, const QString &value)
{
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("\\" + key, true));
    ASSERT_TRUE(reg.WriteString(name, value));
}

} // namespace

TEST_F(Store, AWatchReportsOnlyTheChangesItWasAskedFor)
{
    struct Case {
        const char *what;
        bool subtree;
        unsigned filter;
        std::function<void(TSettingsStore &)> change;
        bool reported;
    };
    const auto deeper = [](TSettingsStore &s) { write(s, Office + "\\Deeper", "v", "1"); };
    const auto value = [](TSettingsStore &s) { write(s, Office, "Theme", "3"); };
    const auto same = [](TSettingsStore &s) { write(s, Office, "Theme", "1"); };
    const auto elsewhere = [](TSettingsStore &s) { write(s, "Software\\Other", "Theme", "3"); };
    const auto sibling = [](TSettingsStore &s) { write(s, Office + "Suffix", "Theme", "3"); };
    const auto erase = [](TSettingsStore &s) { TRegistry(s).DeleteKey(Office); };
    const Case cases[] = {
        {"a value", false, REG_NOTIFY_CHANGE_LAST_SET, value, true},
        {"the same value again", true, 0, same, false},
        {"another key", true, 0, elsewhere, false},
        {"a key whose name starts alike", true, 0, sibling, false},
        {"a value below, watching the key alone", false, REG_NOTIFY_CHANGE_LAST_SET, deeper, false},
        {"a value below, watching the subtree", true, REG_NOTIFY_CHANGE_LAST_SET, deeper, true},
        {"a new sub-key, watching names", false, REG_NOTIFY_CHANGE_NAME, deeper, true},
        {"a value, watching names only", true, REG_NOTIFY_CHANGE_NAME, value, false},
        {"the key deleted", false, REG_NOTIFY_CHANGE_LAST_SET, erase, true},
    };
    for (const Case &c : cases) {
        QTemporaryDir folder;
        TSettingsStore own(folder.path());
        write(own, Office, "Theme", "1");
        TRegistryWatch watch(own, TRootKey::HKEY_CURRENT_USER, Office, c.subtree, c.filter);
        ASSERT_TRUE(watch.Active());
        int reports = 0;
        watch.OnChange = [&](TRegistryWatch *sender) {
            EXPECT_EQ(sender, &watch);
            ++reports;
        };
        c.change(own);
        watch.checkNow();
        watch.checkNow();
        EXPECT_EQ(reports, c.reported ? 1 : 0) << c.what;
    }
}

TEST_F(Store, AWatchOnAMissingKeyWatchesNothing)
{
    TRegistryWatch watch(store, TRootKey::HKEY_CURRENT_USER, Office, true, 0);
    EXPECT_FALSE(watch.Active());
    bool reported = false;
    watch.OnChange = [&](TRegistryWatch *) { reported = true; };
    write(store, Office, "Theme", "1");
    watch.checkNow();
    EXPECT_FALSE(reported);
}

TEST_F(Store, AnotherProgramsWriteReachesTheWatchThroughTheFileWatcher)
{
    write(store, Office, "Theme", "1");
    TRegistryWatch watch(store, TRootKey::HKEY_CURRENT_USER, Office, true, REG_NOTIFY_CHANGE_LAST_SET);
    int reports = 0;
    watch.OnChange = [&](TRegistryWatch *) { ++reports; };
    TSettingsStore otherProgram(dir.path());
    for (const char *theme : {"2", "3"}) {
        const int before = reports;
        write(otherProgram, Office, "Theme", theme);
        const QDeadlineTimer limit(10000);
        while (reports == before && !limit.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, int(limit.remainingTime()));
        EXPECT_EQ(reports, before + 1) << "the file replaced by renaming is watched again: " << theme;
    }
}

TEST_F(Store, AFileThatIsThereButCannotBeReadIsNeverWrittenOver)
{
    // Reading /proc/self/mem from its start fails: a file that opens but
    // does not read, even for root.
    const QString path = store.filePath(TRootKey::HKEY_CURRENT_USER);
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), path));
    TRegistry reg(store);
    EXPECT_FALSE(reg.OpenKey(Office, true));
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), QStringLiteral("/proc/self/mem")) << "left in place";
    QString error;
    EXPECT_FALSE(store.update(TRootKey::HKEY_CURRENT_USER, [](TMemIniFile &) { return true; }, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot read "))) << error.toStdString();
}
