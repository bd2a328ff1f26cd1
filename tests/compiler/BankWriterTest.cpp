// Compile_Project on disk: which files each converter type writes, what it
// leaves alone, and how a failed write is reported.
#include "BankImage.h"
#include "CompilerFixture.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace compilertest;
using Status = compiler::ProjectCompileResult::Status;

namespace {

struct DiskCase {
    int type;
    int boardVariant;
    QStringList written;  // in writing order
    QStringList untouched; // earlier files the type does not write
};

void PrintTo(const DiskCase &c, std::ostream *os) { *os << "type " << c.type << ", board " << c.boardVariant; }

class BankWriter : public ::testing::TestWithParam<DiskCase> {};

TEST_P(BankWriter, WritesTheFilesOfTheTypeAndLeavesTheOthers)
{
    const DiskCase &c = GetParam();
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard().set("Sel_Dev", QString::number(c.boardVariant)));
    folder.writeMBus(wiredNetworkXml());
    folder.seedBin({"bank.bin", "bank1.bin", "bank2.bin"});

    const auto result = compiler::Compile_Project(c.type, c.boardVariant, folder.path());
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(result.written, c.written);

    const auto compiled = folder.compile(c.type, c.boardVariant);
    for (const QString &name : c.written)
        EXPECT_EQ(folder.bin(name), bankNamed(compiled, name)) << name.toStdString();
    for (const QString &name : c.untouched)
        EXPECT_EQ(folder.bin(name), "earlier " + name.toUtf8()) << name.toStdString();
    EXPECT_EQ(folder.binFiles(), QStringList({"bank.bin", "bank1.bin", "bank2.bin"})); // no temporary files left
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, BankWriter,
    ::testing::Values(DiskCase{1, 0, {"bank1.bin", "bank2.bin", "bank.bin"}, {}},
                      DiskCase{1001, 1, {"bank1.bin", "bank2.bin", "bank.bin"}, {}},
                      DiskCase{2, 1, {"bank1.bin", "bank2.bin"}, {"bank.bin"}},
                      DiskCase{3, 0, {"bank.bin"}, {"bank1.bin", "bank2.bin"}},
                      DiskCase{4, 0, {"bank.bin"}, {"bank1.bin", "bank2.bin"}},
                      DiskCase{5, 1, {"bank.bin"}, {"bank1.bin", "bank2.bin"}},
                      DiskCase{6, 0, {"bank1.bin", "bank2.bin"}, {"bank.bin"}},
                      DiskCase{1007, 0, {"bank1.bin", "bank2.bin"}, {"bank.bin"}}));

TEST(BankWriterFolder, TypeOneWithoutParGenWritesTheSerialBoardLayout)
{
    ConfigurationFolder folder; // no ParGen.xml, no M_Bus.xml, no bin folder yet
    const auto result = compiler::Compile_Project(1, 1, folder.path());
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(folder.binFiles(), QStringList({"bank.bin", "bank1.bin", "bank2.bin"}));
    EXPECT_EQ(folder.bin("bank.bin").toHex(' '), QByteArray("0c 00 00 00 0c 00 00 00 0c 00 00 00"));
    EXPECT_EQ(folder.bin("bank1.bin").size(), 3072);
    EXPECT_EQ(folder.bin("bank2.bin").size(), 21);
}

TEST(BankWriterFolder, AnUnknownTypeWritesNothing)
{
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard());
    folder.seedBin({"bank.bin"});
    const auto result = compiler::Compile_Project(8, 0, folder.path());
    EXPECT_EQ(result.status, Status::NoBanks);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_EQ(folder.binFiles(), QStringList({"bank.bin"}));
    EXPECT_EQ(folder.bin("bank.bin"), "earlier bank.bin");

    const auto saved = compiler::Save_Project_Banks({}, folder.binPath());
    EXPECT_FALSE(saved.ok);
}

TEST(BankWriterFolder, TheBanksAreReplacedAsASetOrNotAtAll)
{
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard());
    folder.writeMBus(wiredNetworkXml());
    folder.seedBin({"bank.bin", "bank1.bin"});
    ASSERT_TRUE(QDir().mkpath(folder.binPath() + "/bank2.bin")); // a folder where the bank must go

    const auto result = compiler::Compile_Project(1, 0, folder.path());
    EXPECT_EQ(result.status, Status::WriteFailed);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message.contains("bank2.bin")) << result.message.toStdString();
    EXPECT_TRUE(result.written.isEmpty());
    // bank1.bin comes before bank2.bin and bank.bin after it: neither is new.
    EXPECT_EQ(folder.bin("bank1.bin"), "earlier bank1.bin");
    EXPECT_EQ(folder.bin("bank.bin"), "earlier bank.bin");
    EXPECT_EQ(folder.binFiles(), QStringList({"bank.bin", "bank1.bin"})) << "no temporary file is left";

    ASSERT_TRUE(QDir(folder.binPath()).rmdir("bank2.bin"));
    ASSERT_TRUE(compiler::Compile_Project(1, 0, folder.path()).ok());
    EXPECT_EQ(folder.binFiles(), QStringList({"bank.bin", "bank1.bin", "bank2.bin"}));
    EXPECT_NE(folder.bin("bank1.bin"), "earlier bank1.bin");
}

TEST(BankWriterFolder, ABinPathThatIsAFileIsAWriteFailure)
{
    ConfigurationFolder folder;
    testsupport::writeFile(folder.binPath(), "not a folder");
    const auto result = compiler::Compile_Project(5, 0, folder.path());
    EXPECT_EQ(result.status, Status::WriteFailed);
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_TRUE(result.written.isEmpty());
}

TEST(BankWriterFolder, CompilingAgainGivesTheSameFilesAndNothingOfAnEarlierNetwork)
{
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard().set("Sel_Dev", "1"));
    folder.writeMBus(wiredNetworkXml());
    ASSERT_TRUE(compiler::Compile_Project(1, 1, folder.path()).ok());
    const QByteArray first = folder.bin("bank2.bin");
    ASSERT_TRUE(compiler::Compile_Project(1, 1, folder.path()).ok());
    EXPECT_EQ(folder.bin("bank2.bin"), first);

    // The same configuration, emptied: the banks shrink to their empty form.
    QFile::remove(folder.path() + "/M_Bus.xml");
    ASSERT_TRUE(compiler::Compile_Project(1, 1, folder.path()).ok());
    const QByteArray bank = folder.bin("bank.bin");
    ASSERT_EQ(bank.size(), 2085);
    EXPECT_EQ(u32At(bank, 2053), 2061u);
    EXPECT_EQ(u8At(bank, -4), 0); // node count
    EXPECT_EQ(folder.bin("bank2.bin").size(), 52);
}

} // namespace
