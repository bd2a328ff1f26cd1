// Compile errors: the message names what is wrong, and the bin folder is left
// exactly as it was. Networks too large for a bank, a table or a field are
// errors rather than banks with wrapped-round counts.
#include "BankImage.h"
#include "CompilerFixture.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace compilertest;
using compiler::CompileErrorKind;

namespace {

struct ErrorCase {
    const char *what;
    int type;
    int boardVariant;
    std::vector<ParGenEdit> edits;
    QByteArray parGenBytes; // replaces ParGen.xml when not empty
    QByteArray mBus;        // replaces the wired network when not empty
    CompileErrorKind kind;
    QStringList messageFragments;
};

void PrintTo(const ErrorCase &c, std::ostream *os) { *os << c.what; }

// A snapshot of bin/: names and contents.
QMap<QString, QByteArray> binSnapshot(const ConfigurationFolder &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : folder.binFiles())
        files[name] = folder.bin(name);
    return files;
}

class CompileErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CompileErrors, AreReportedAndLeaveTheBinFolderAsItWas)
{
    const ErrorCase &c = GetParam();
    ConfigurationFolder folder;
    const ParGen parGen = ParGen::standard().set("Sel_Dev", QString::number(c.boardVariant)).apply(c.edits);
    if (c.parGenBytes.isEmpty())
        folder.writeParGen(parGen);
    else
        folder.writeParGenBytes(c.parGenBytes);
    folder.writeMBus(c.mBus.isEmpty() ? wiredNetworkXml() : c.mBus);
    folder.seedBin({"bank.bin", "bank1.bin", "bank2.bin", "notes.txt"});
    const auto before = binSnapshot(folder);

    const compiler::ProjectCompileResult result = compiler::Compile_Project(c.type, c.boardVariant, folder.path());

    EXPECT_EQ(result.status, compiler::ProjectCompileResult::Status::CompileFailed);
    ASSERT_TRUE(result.compileError.has_value());
    EXPECT_EQ(result.compileError->kind, c.kind);
    EXPECT_EQ(result.message, result.compileError->message);
    for (const QString &fragment : c.messageFragments)
        EXPECT_TRUE(result.message.contains(fragment)) << result.message.toStdString() << "\nlacks: " << fragment.toStdString();
    EXPECT_TRUE(result.written.isEmpty());
    EXPECT_EQ(binSnapshot(folder), before);
}

QByteArray networkWithVariable(const QString &variableAttributes)
{
    return networkXml(R"(<Nodo Descrizione="Boiler"><Variabile Enable="1" Type="0" Fun_Field="0" Dim="0" ModReg="1" ModScale="0"/></Nodo>
<Nodo Descrizione="Heat meter"><Variabile Enable="0"/><Variabile Enable="1" Desc="Energy" )" +
                      variableAttributes + "/></Nodo>\n");
}

QByteArray meters(int count)
{
    QString nodes;
    for (int i = 0; i < count; ++i)
        nodes += QString(R"(<Nodo MBus_Type="0" wMBus_Add="%1"><Variabile Enable="1" Type="0" Fun_Field="0" Dim="0" ModReg="%2" ModScale="0"/></Nodo>)")
                     .arg(1000 + i)
                     .arg(i + 1);
    return networkXml(nodes);
}

QByteArray wiredNodes(int nodes, int variablesEach, const QString &variableAttributes = "Dim=\"0\"")
{
    QString xml;
    for (int n = 0; n < nodes; ++n) {
        xml += QString("<Nodo ID_Primary=\"%1\">").arg(n % 250);
        for (int v = 0; v < variablesEach; ++v)
            xml += QString("<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" ModReg=\"%1\" ModScale=\"0\" %2/>")
                       .arg(n * variablesEach + v + 1)
                       .arg(variableAttributes);
        xml += "</Nodo>";
    }
    return networkXml(xml);
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, CompileErrors,
    ::testing::Values(
        ErrorCase{"type 1 without an IP octet", 1, 0, {{"IP_3", nullptr}}, {}, {}, CompileErrorKind::MissingElement,
                  {"ParGen.xml", "\"IP_3\""}},
        ErrorCase{"type 1 Ethernet board with a port that is not a number", 1, 1, {{"TCP_Port", "80a"}}, {}, {},
                  CompileErrorKind::MalformedElement, {"\"TCP_Port\"", "\"80a\"", "not an integer"}},
        ErrorCase{"type 7 without a TCP port", 7, 0, {{"TCP_Port", nullptr}}, {}, {}, CompileErrorKind::MissingElement,
                  {"\"TCP_Port\""}},
        ErrorCase{"type 4 without the meter-bus line", 4, 0, {{"MBUS_Ser", nullptr}}, {}, {},
                  CompileErrorKind::MissingElement, {"\"MBUS_Ser\""}},
        ErrorCase{"type 2 serial board with an empty delay", 2, 0, {{"Meter_Req_Delay", ""}}, {}, {},
                  CompileErrorKind::MalformedElement, {"\"Meter_Req_Delay\""}},
        ErrorCase{"type 2 Ethernet board without a request type", 2, 1, {{"Meter_Req_Type", nullptr}}, {}, {},
                  CompileErrorKind::MissingElement, {"\"Meter_Req_Type\""}},
        ErrorCase{"type 6 without a Modbus slave address", 6, 0, {{"Mod_Id", nullptr}}, {}, {},
                  CompileErrorKind::MissingElement, {"\"Mod_Id\""}},
        ErrorCase{"ParGen.xml not well-formed", 5, 0, {}, "<GeneralParameter><IP_1>", {},
                  CompileErrorKind::UnreadableDocument, {"ParGen.xml"}},
        ErrorCase{"type 1 with ParGen.xml not well-formed", 1, 0, {}, "<GeneralParameter", {},
                  CompileErrorKind::UnreadableDocument, {"ParGen.xml"}},
        ErrorCase{"M_Bus.xml not well-formed", 7, 0, {}, {}, "<M-Bus_Network><Nodo>",
                  CompileErrorKind::UnreadableDocument, {"M_Bus.xml"}},
        // A file nested without end is refused before its tree is built.
        ErrorCase{"ParGen.xml nested 100,000 levels deep", 1, 0, {}, testsupport::nestedXml("GeneralParameter", 100000),
                  {}, CompileErrorKind::UnreadableDocument, {"ParGen.xml", "nested deeper than"}},
        ErrorCase{"M_Bus.xml nested 100,000 levels deep", 7, 0, {}, {}, testsupport::nestedXml("M-Bus_Network", 100000),
                  CompileErrorKind::UnreadableDocument, {"M_Bus.xml", "nested deeper than"}},
        ErrorCase{"variable without a register", 5, 0, {}, {}, networkWithVariable(R"(Type="0" Fun_Field="0" Dim="0" ModScale="0")"),
                  CompileErrorKind::MissingAttribute,
                  {"M_Bus.xml", "node 2 \"Heat meter\"", "variable 2 \"Energy\"", "\"ModReg\"", "missing"}},
        ErrorCase{"variable with a scale that is not a number", 1, 1, {}, {},
                  networkWithVariable(R"(Type="0" Fun_Field="0" Dim="0" ModReg="4" ModScale="1.5")"),
                  CompileErrorKind::MalformedAttribute, {"\"ModScale\"", "\"1.5\"", "not an integer"}},
        ErrorCase{"variable without a data type", 7, 0, {}, {}, networkWithVariable(R"(Fun_Field="0" Dim="0" ModReg="4" ModScale="0")"),
                  CompileErrorKind::MissingAttribute, {"\"Type\""}},
        // Networks that do not fit.
        ErrorCase{"33 wireless meters", 7, 0, {}, {}, meters(33), CompileErrorKind::TooLarge, {"32", "wireless meters"}},
        ErrorCase{"250 nodes of 20 variables in bank.bin", 1, 1, {}, {}, wiredNodes(250, 20),
                  CompileErrorKind::TooLarge, {"bank.bin", "229,311 bytes", "200,000"}},
        ErrorCase{"250 nodes of 20 variables in bank2.bin", 7, 0, {}, {}, wiredNodes(250, 20),
                  CompileErrorKind::TooLarge, {"bank2.bin", "232,771 bytes", "200,000"}},
        ErrorCase{"256 nodes in the single bank's count", 5, 0, {}, {}, wiredNodes(256, 1), CompileErrorKind::TooLarge,
                  {"256 compiled nodes", "bank.bin", "255"}},
        ErrorCase{"256 wired nodes in bank2's count", 1, 0, {}, {}, wiredNodes(256, 1), CompileErrorKind::TooLarge,
                  {"256", "bank.bin"}},
        ErrorCase{"values past the data area", 4, 0, {}, {}, wiredNodes(1, 256, "Dim=\"7\" Length=\"255\""),
                  CompileErrorKind::TooLarge, {"data area", "65,535"}},
        ErrorCase{"unit text longer than its length byte", 6, 0, {}, {},
                  networkWithVariable("Type=\"21\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"4\" ModScale=\"0\" VIF_ASCII=\"" +
                                      QByteArray(256, 'u') + "\""),
                  CompileErrorKind::TooLarge, {"node 2", "256 characters", "255"}}));

// A message box lays out its whole text: values quoted from the files are cut.
TEST(CompileErrorMessages, QuoteHugeValuesShort)
{
    const QString huge = testsupport::longValue();
    const QString cut = QString(60, u'x') + u'…';
    struct Case {
        const char *what;
        QByteArray parGen; // ParGen.xml as it is, or empty for the standard one
        QByteArray mBus;
        CompileErrorKind kind;
    };
    const Case cases[] = {
        {"descriptions and a missing attribute", {},
         networkXml(R"(<Nodo Descrizione=")" + huge + "\"><Variabile Enable=\"1\" Desc=\"" + huge
                    + "\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModScale=\"0\"/></Nodo>"),
         CompileErrorKind::MissingAttribute},
        {"an attribute that is not a number", {},
         networkXml(QStringLiteral("<Nodo><Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"") + huge
                    + "\" ModScale=\"0\"/></Nodo>"),
         CompileErrorKind::MalformedAttribute},
        {"an element that is not a number", ParGen::standard().set("Sel_Dev", "1").set("TCP_Port", huge).xml(), {},
         CompileErrorKind::MalformedElement},
        {"an undeclared entity", "<GeneralParameter>&" + huge.toLatin1() + ";</GeneralParameter>", {},
         CompileErrorKind::UnreadableDocument},
    };
    for (const Case &c : cases) {
        ConfigurationFolder folder;
        if (c.parGen.isEmpty())
            folder.writeParGen(ParGen::standard().set("Sel_Dev", "1"));
        else
            folder.writeParGenBytes(c.parGen);
        folder.writeMBus(c.mBus.isEmpty() ? wiredNetworkXml() : c.mBus);
        const compiler::ProjectCompileResult result = compiler::Compile_Project(1, 1, folder.path());
        ASSERT_TRUE(result.compileError.has_value()) << c.what;
        EXPECT_EQ(result.compileError->kind, c.kind) << c.what;
        EXPECT_LT(result.message.size(), 400) << c.what << ": " << result.message.left(400).toStdString();
        if (c.kind != CompileErrorKind::UnreadableDocument) {
            EXPECT_TRUE(result.message.contains(cut)) << c.what;
        }
    }
}

TEST(CompileLimits, NetworksRightAtTheLimitsCompile)
{
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard());

    folder.writeMBus(meters(32));
    auto result = folder.compile(7);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();
    const QByteArray bank1 = bankNamed(result, "bank1.bin");
    EXPECT_EQ(u8At(bank1, 564), 32);
    EXPECT_EQ(u32At(bank1, 2048 + 31 * 32 + 2), 1031u);

    folder.writeMBus(wiredNodes(255, 1));
    result = folder.compile(5);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();
    EXPECT_EQ(u8At(bankNamed(result, "bank.bin"), -3), 255);

    // The largest network of 250 nodes that fits bank2.bin with its trailer.
    folder.writeMBus(wiredNodes(250, 17));
    result = folder.compile(7);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();
    EXPECT_EQ(bankNamed(result, "bank2.bin").size(), 21 + 250 * 31 + 4250 * (31 + 14) + 31);

    // 255 values of 255 bytes end at address 65,535 exactly.
    folder.writeMBus(wiredNodes(1, 255, "Dim=\"7\" Length=\"255\""));
    result = folder.compile(4);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();
    const QByteArray bank = bankNamed(result, "bank.bin");
    EXPECT_EQ(u16At(bank, 39 + 254 * 30 + 9), 254 * 257 + 255);
}

TEST(CompileLimits, WithoutParGenTheNodeCountIsNotStoredAndDoesNotLimit)
{
    ConfigurationFolder folder;
    folder.writeMBus(wiredNodes(300, 1));
    const auto result = folder.compile(5);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();
    EXPECT_EQ(bankNamed(result, "bank.bin").size(), 12 + 300 * (27 + 30 + 14));
}

TEST(CompileLimits, RequiredElementsOfOtherModelsAreNotRequired)
{
    ConfigurationFolder folder;
    folder.writeMBus(wiredNetworkXml());
    // Type 6 takes no TCP port and no request type; type 5 no serial lines; type 7 no Modbus slave.
    folder.writeParGen(ParGen::standard().remove("TCP_Port").remove("Meter_Req_Type"));
    EXPECT_TRUE(folder.compile(6).ok());
    folder.writeParGen(ParGen::standard().remove("Mod_Ser").remove("MBUS_Ser"));
    EXPECT_TRUE(folder.compile(5).ok());
    folder.writeParGen(ParGen::standard().remove("Mod_Id").remove("Mod_Baud").remove("Mod_Par"));
    EXPECT_TRUE(folder.compile(7).ok());
}

} // namespace
