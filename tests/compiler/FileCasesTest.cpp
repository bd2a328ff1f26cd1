// The configuration's files as every loader sees them: a missing file is no
// error, a file that is there but cannot be read is one; the board variant is
// read and judged one way by the editor, the compiler and the update step.
#include "BankImage.h"
#include "CompilerFixture.h"
#include "compiler/update/UpdateRoute.h"
#include "platform/Error.h"
#include "platform/Xml.h"
#include "project/NetworkFile.h"
#include "project/ParGenFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace compilertest;

namespace {

enum class Shape { Missing, Folder, NotXml };

struct LoaderCase {
    Shape shape;
    bool missing;
    bool error;
};

void place(const ConfigurationFolder &folder, const QString &name, Shape shape)
{
    const QString path = folder.path() + "/" + name;
    if (shape == Shape::Folder)
        ASSERT_TRUE(QDir().mkpath(path));
    else if (shape == Shape::NotXml)
        testsupport::writeFile(path, "<GeneralParameter><Sel_Dev>1</GeneralParameter>");
}

TEST(FileCases, EveryLoaderTellsAMissingFileFromOneThatCannotBeRead)
{
    const LoaderCase cases[] = {
        {Shape::Missing, true, false},
        {Shape::Folder, false, true},
        {Shape::NotXml, false, true},
    };
    for (const LoaderCase &c : cases) {
        SCOPED_TRACE(int(c.shape));
        ConfigurationFolder folder;
        place(folder, "ParGen.xml", c.shape);
        place(folder, "M_Bus.xml", c.shape);
        const QString parGen = folder.path() + "/ParGen.xml";
        const QString mBus = folder.path() + "/M_Bus.xml";

        const platform::XmlLoadResult xml = platform::loadXmlFile(parGen);
        EXPECT_EQ(xml.missing, c.missing);
        EXPECT_EQ(!xml.error.isEmpty(), c.error);

        const project::ParGenReadResult values = project::readParGenFile(parGen, 1);
        EXPECT_EQ(values.fileMissing, c.missing);
        EXPECT_EQ(values.error.has_value(), c.error);

        const project::NetworkReadResult network = project::readNetworkFile(mBus, 1);
        EXPECT_EQ(network.fileMissing, c.missing);
        EXPECT_EQ(network.error.has_value(), c.error);

        const project::BoardVariantRead variant = project::readBoardVariant(parGen);
        EXPECT_EQ(variant.variant, 0);
        EXPECT_EQ(variant.error.has_value(), c.error);
        if (c.error)
            EXPECT_THROW(compiler::readBoardVariant(parGen), platform::Error);
        else
            EXPECT_EQ(compiler::readBoardVariant(parGen), 0);

        // Types 4 and 5 need both files; a missing one means defaults and an empty network.
        const compiler::CompileResult compiled = folder.compile(4);
        EXPECT_EQ(compiled.ok(), !c.error);
    }
}

TEST(FileCases, OnlyBoardVariantOneIsTheEthernetBoard)
{
    // 257 has 1 in its low byte; it still names the serial board everywhere.
    const std::pair<const char *, bool> cases[] = {{"1", true}, {"0", false}, {"257", false}, {"x", false}};
    for (const auto &[text, ethernet] : cases) {
        SCOPED_TRACE(text);
        ConfigurationFolder folder;
        folder.writeParGen(ParGen::standard().set("Sel_Dev", text));
        folder.writeMBus(wiredNetworkXml());
        const int variant = compiler::readBoardVariant(folder.path() + "/ParGen.xml");
        EXPECT_EQ(project::isEthernetBoard(variant), ethernet);
        EXPECT_EQ(compiler::updateWizardFor(1, variant) == compiler::UpdateWizard::Ethernet, ethernet);

        // The main model's bank.bin takes the layout of the board the wizard updates.
        const compiler::CompileResult typeOne = folder.compile(1, variant);
        ASSERT_TRUE(typeOne.ok());
        ConfigurationFolder reference;
        reference.writeParGen(ParGen::standard().set("Sel_Dev", ethernet ? "1" : "0"));
        reference.writeMBus(wiredNetworkXml());
        EXPECT_EQ(bankNamed(typeOne, "bank.bin"), bankNamed(reference.compile(1, ethernet ? 1 : 0), "bank.bin"));
    }
}

} // namespace
