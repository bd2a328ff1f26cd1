#include "platform/AtomicFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st.st_mode & 07777;
}

class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : m_old(::umask(mask)) {}
    ~UmaskScope() { ::umask(m_old); }

private:
    mode_t m_old;
};

QStringList filesIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(AtomicFileMode, ANewFileTakesTheUmasksModeAndAnExistingOneKeepsItsOwn)
{
    struct Case {
        mode_t umask;
        mode_t fresh;
    };
    for (const Case c : {Case{0022, 0644}, Case{0077, 0600}, Case{0027, 0640}}) {
        SCOPED_TRACE(c.umask);
        QTemporaryDir dir;
        const UmaskScope scope(c.umask);
        // One file alone and a set (the banks) take the same road.
        ASSERT_TRUE(platform::writeFileAtomically(dir.filePath("M_Bus.xml"), "<M-Bus_Network/>"));
        ASSERT_TRUE(platform::writeFilesAtomically(
            {{dir.filePath("bank1.bin"), "1"}, {dir.filePath("bank2.bin"), "2"}, {dir.filePath("bank.bin"), "0"}}));
        for (const char *name : {"M_Bus.xml", "bank1.bin", "bank2.bin", "bank.bin"})
            EXPECT_EQ(modeOf(dir.filePath(name)), c.fresh) << name;

        // The user's own choice survives every later save.
        ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("M_Bus.xml")).constData(), 0604), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("bank1.bin")).constData(), 0664), 0);
        ASSERT_TRUE(platform::writeFileAtomically(dir.filePath("M_Bus.xml"), "<M-Bus_Network></M-Bus_Network>"));
        ASSERT_TRUE(platform::writeFilesAtomically({{dir.filePath("bank1.bin"), "11"}, {dir.filePath("bank2.bin"), "22"}}));
        EXPECT_EQ(modeOf(dir.filePath("M_Bus.xml")), 0604u);
        EXPECT_EQ(modeOf(dir.filePath("bank1.bin")), 0664u);
        EXPECT_EQ(modeOf(dir.filePath("bank2.bin")), c.fresh);
        EXPECT_EQ(testsupport::readFile(dir.filePath("bank1.bin")), "11");
    }
}

TEST(AtomicFileMode, ALinkStaysALinkAndItsFileIsReplaced)
{
    QTemporaryDir dir;
    testsupport::writeFile(dir.filePath("real.xml"), "old");
    ASSERT_TRUE(QFile::link(dir.filePath("real.xml"), dir.filePath("M_Bus.xml")));
    ASSERT_TRUE(platform::writeFileAtomically(dir.filePath("M_Bus.xml"), "new"));
    EXPECT_TRUE(QFileInfo(dir.filePath("M_Bus.xml")).isSymLink());
    EXPECT_EQ(testsupport::readFile(dir.filePath("real.xml")), "new");
}

TEST(AtomicFileLeftovers, TheNextSaveOfTheFileRemovesThem)
{
    QTemporaryDir dir;
    // What saves killed before their rename leave, and names that only look alike.
    const QStringList leftovers{"M_Bus.xml.saving-Ab12Cd", "M_Bus.xml.saving-zzzzzz"};
    const QStringList kept{"M_Bus.xml.backup",          "M_Bus.xml.saving-Ab12C",  "M_Bus.xml.saving-Ab12Cd7",
                           "M_Bus.xml.saving-Ab-2Cd",   "ParGen.xml.saving-Ab12Cd", "XM_Bus.xml.saving-Ab12Cd",
                           "M_Bus.xml.saving-Ab12Cd.x"};
    for (const QString &name : leftovers + kept)
        testsupport::writeFile(dir.filePath(name), "half a file");
    testsupport::writeFile(dir.filePath("M_Bus.xml"), "<M-Bus_Network/>");

    // A save that is still running holds its file locked: not a leftover.
    const QString running = dir.filePath("M_Bus.xml.saving-RUN123");
    testsupport::writeFile(running, "being written");
    const int fd = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);

    ASSERT_TRUE(platform::writeFileAtomically(dir.filePath("M_Bus.xml"), "<M-Bus_Network></M-Bus_Network>"));
    ::close(fd);
    QStringList expected = kept;
    expected << "M_Bus.xml" << "M_Bus.xml.saving-RUN123";
    expected.sort();
    EXPECT_EQ(filesIn(dir), expected);

    // A set cleans up after each of its files.
    testsupport::writeFile(dir.filePath("bank1.bin.saving-000000"), "");
    testsupport::writeFile(dir.filePath("bank2.bin.saving-111111"), "");
    ASSERT_TRUE(platform::writeFilesAtomically({{dir.filePath("bank1.bin"), "1"}, {dir.filePath("bank2.bin"), "2"}}));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("bank1.bin.saving-000000")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("bank2.bin.saving-111111")));
}

TEST(AtomicFileLeftovers, TheWritersOwnTemporaryNamesAreTheOnesRemoved)
{
    struct Case {
        const char *name;
        bool temporary;
    };
    const Case cases[] = {
        {"M_Bus.xml.saving-aZ09bY", true}, {"M_Bus.xml.saving-", false},        {"M_Bus.xml.saving-aZ09b\u00e9", false},
        {"M_Bus.xml.Saving-aZ09bY", false}, {"M_Bus.xml.XXXXXX", false},        {"M_Bus.xml", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(platform::isTemporaryNameOf(QString::fromUtf8(c.name), "M_Bus.xml"), c.temporary) << c.name;
}

TEST(AtomicFile, AReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes over any mode";
    QTemporaryDir dir;
    const QString path = dir.filePath("ParGen.xml");
    testsupport::writeFile(path, "mine");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    QString error;
    EXPECT_FALSE(platform::writeFileAtomically(path, "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(testsupport::readFile(path), "mine");
    EXPECT_EQ(filesIn(dir), QStringList{"ParGen.xml"});
}

} // namespace
