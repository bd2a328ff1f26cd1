// A scan over loopback UDP of a simulated bus of real meters, saved as the
// configuration's network and compiled into banks by the compiler.
#include "compiler/CompilerFixture.h"
#include "scan/engine/EngineFixture.h"

#include "app/ConverterType.h"
#include "compiler/NetworkReader.h"
#include "platform/FileRead.h"
#include "platform/Xml.h"
#include "support/TestSupport.h"

using namespace enginetest;
using namespace scan;
using testsupport::realFrame;
using testsupport::UdpConverter;

namespace {

class ScanToBanks : public EngineTest {
protected:
    void SetUp() override
    {
        converter().bus().addSlave(2, 0x12345678, {realFrame("frame2")});
        converter().bus().addSlave(17, 0x00001717,
                                   {realFrame("abb_delta"), realFrame("kamstrup_382_005"), realFrame("frame2")});
        converter().bus().addSlave(40, 0x40404040, {realFrame("els_falcon")});
        engine.reset();
        udp.emplace(converter(), QStringLiteral("127.0.0.1"));
        ASSERT_TRUE(udp->isListening()) << udp->openError().toStdString();
        makeEngine(makeTransport);
        clock.setOnPause(udp->settleWith(*engine));
    }

    void TearDown() override
    {
        engine.reset();
        clock.setOnPause({});
    }

    void scan()
    {
        ScanOptions o;
        o.address = udp->address();
        o.port = udp->port();
        o.cutAfter = 2;
        scanToEnd(o);
        ASSERT_EQ(slaveCount(), 3);
    }

    TSaveConfXML request(int type) const
    {
        TSaveConfXML in;
        in.XML_Code_Dev = app::xmlCodeDev(type);
        in.Cut_After = 2;
        in.File_Name = folder.path() + QStringLiteral("/M_Bus.xml");
        return in;
    }

    std::optional<UdpConverter> udp;
    compilertest::ConfigurationFolder folder;
};

TEST_F(ScanToBanks, EveryConverterWithScanAndDecodeCompilesTheSavedScan)
{
    folder.writeParGen(compilertest::ParGen::standard());
    engine->SaveXMLFile = folder.path() + QStringLiteral("/scan-export.xml");
    scan();
    EXPECT_FALSE(engine->exportError());
    EXPECT_EQ(testsupport::readFile(engine->SaveXMLFile).count("<Node "), 3);

    struct Case {
        int type;
        int boardVariant;
        bool ownStartRegisters;
    };
    const Case cases[] = {{1, 0, false}, {1, 0, true}, {2, 1, false}, {3, 0, true},
                          {6, 0, false}, {7, 0, true}, {1007, 0, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << (c.ownStartRegisters ? ", own start registers" : ""));
        folder.writeParGen(compilertest::ParGen::standard().set("Sel_Dev", QString::number(c.boardVariant)));
        TSaveConfXML in = request(c.type);
        if (c.ownStartRegisters) {
            in.StartModnode = 1;
            in.SMN_Array = {1, 300, 600};
            in.En_NodeState = in.En_IdeNum = true;
        }
        const TSaveConfResult saved = engine->Save_XML_Conf_Wired(in, true);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved.nodes, 3);

        const compiler::ProjectCompileResult compiled =
            compiler::Compile_Project(c.type, c.boardVariant, folder.path());
        EXPECT_TRUE(compiled.ok()) << compiled.message.toStdString();
        EXPECT_FALSE(compiled.written.isEmpty());
        EXPECT_TRUE(compiled.leftOutWiredNodes.isEmpty());
    }

    // The converter reads as many telegrams per node as the scan did.
    compiler::NetworkElements elements;
    ASSERT_FALSE(compiler::readNetworkElements(platform::readWholeFile(request(1).File_Name).bytes, elements));
    const compiler::CompiledNetwork network =
        compiler::readNetwork(&elements, compiler::NetworkFamily::SerialBoard, true);
    ASSERT_EQ(network.wired.size(), 3u);
    for (const compiler::TNodo &node : network.wired)
        EXPECT_EQ(node.Cut_After, 2);
    EXPECT_EQ(network.wired[1].ID, 17u);
}

TEST_F(ScanToBanks, AppendedScansCompileAsOneNetwork)
{
    folder.writeParGen(compilertest::ParGen::standard());
    scan();
    TSaveConfXML in = request(1);
    ASSERT_TRUE(engine->Save_XML_Conf_Wired(in, false));
    in.Append = 1;
    in.Mod_Start = 1000;
    ASSERT_TRUE(engine->Save_XML_Conf_Wired(in, false));
    const compiler::ProjectCompileResult compiled = compiler::Compile_Project(1, 0, folder.path());
    EXPECT_TRUE(compiled.ok()) << compiled.message.toStdString();
    compiler::NetworkElements elements;
    ASSERT_FALSE(compiler::readNetworkElements(platform::readWholeFile(in.File_Name).bytes, elements));
    EXPECT_EQ(compiler::readNetwork(&elements, compiler::NetworkFamily::SerialBoard, true).wired.size(), 6u);
}

} // namespace
