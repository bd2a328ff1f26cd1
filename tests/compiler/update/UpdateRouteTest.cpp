#include "compiler/update/UpdateRoute.h"
#include "platform/Error.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using compiler::UpdateWizard;

TEST(UpdateRoute, WizardFollowsModelAndBoard)
{
    struct Case {
        int type;
        UpdateWizard variant0, variant1;
    };
    const Case cases[] = {
        {1, UpdateWizard::Serial, UpdateWizard::Ethernet},     {1001, UpdateWizard::Serial, UpdateWizard::Ethernet},
        {2, UpdateWizard::Serial, UpdateWizard::Ethernet},     {3, UpdateWizard::Serial, UpdateWizard::Ethernet},
        {4, UpdateWizard::Serial, UpdateWizard::Serial},       {5, UpdateWizard::Serial, UpdateWizard::Serial},
        {6, UpdateWizard::Ethernet, UpdateWizard::Ethernet},   {7, UpdateWizard::Ethernet, UpdateWizard::Ethernet},
        {1007, UpdateWizard::Ethernet, UpdateWizard::Ethernet}, {8, UpdateWizard::None, UpdateWizard::None},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(compiler::updateWizardFor(c.type, 0), c.variant0) << c.type;
        EXPECT_EQ(compiler::updateWizardFor(c.type, 1), c.variant1) << c.type;
        // Only 1 means the Ethernet board.
        EXPECT_EQ(compiler::updateWizardFor(c.type, 2), c.variant0) << c.type;
        EXPECT_EQ(compiler::hasBoardVariant(c.type), c.variant0 != c.variant1) << c.type;
    }
}

TEST(UpdateRoute, BoardVariantComesFromParGenWithZeroAsFallback)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ParGen.xml");
    EXPECT_EQ(compiler::readBoardVariant(path), 0); // no file yet

    const std::pair<const char *, int> cases[] = {
        {"<GeneralParameter><Sel_Dev>1</Sel_Dev></GeneralParameter>", 1},
        {"<?xml version=\"1.0\"?><!--x--><Other><Gat_Enable>1</Gat_Enable><Sel_Dev> 1</Sel_Dev></Other>", 1},
        {"<GeneralParameter><Sel_Dev>0x1</Sel_Dev></GeneralParameter>", 1},
        {"<GeneralParameter><Sel_Dev>one</Sel_Dev></GeneralParameter>", 0},
        {"<GeneralParameter><Sel_Dev/></GeneralParameter>", 0},
        {"<GeneralParameter><Gat_Enable>1</Gat_Enable></GeneralParameter>", 0},
        {"<GeneralParameter><Group><Sel_Dev>1</Sel_Dev></Group></GeneralParameter>", 0}, // not a child of the root
    };
    for (const auto &[content, expected] : cases) {
        testsupport::writeFile(path, content);
        EXPECT_EQ(compiler::readBoardVariant(path), expected) << content;
    }
}

TEST(UpdateRoute, AParGenThatIsNotXmlEndsTheStep)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ParGen.xml");
    testsupport::writeFile(path, "<GeneralParameter><Sel_Dev>1</GeneralParameter>");
    EXPECT_THROW(compiler::readBoardVariant(path), platform::Error);
}

} // namespace
