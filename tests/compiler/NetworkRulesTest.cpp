// How M_Bus.xml becomes node and variable entries: which nodes are taken,
// addresses, value sizes, time points, and empty networks.
#include "BankImage.h"
#include "CompilerFixture.h"

#include <gtest/gtest.h>

using namespace compilertest;

namespace {

QString oneVariableNode(const QString &nodeAttributes)
{
    return "<Nodo " + nodeAttributes +
           "><Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"1\" ModScale=\"0\"/></Nodo>\n";
}

TEST(NetworkRules, EachKindOfBankTakesItsOwnNodes)
{
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard());
    folder.writeMBus(networkXml(oneVariableNode("Node_Enable=\"2\"") + oneVariableNode("Node_Enable=\"x\"") +
                                oneVariableNode("") + oneVariableNode("Node_Enable=\"0\"")));

    // The main model and bank2 take "1", a malformed and a missing value; the
    // single bank takes every node whose text is not "0".
    const auto typeOne = folder.compile(1);
    ASSERT_TRUE(typeOne.ok());
    EXPECT_EQ(u8At(bankNamed(typeOne, "bank.bin"), -4), 2);
    EXPECT_EQ(u8At(bankNamed(typeOne, "bank2.bin"), -11), 2);
    const auto single = folder.compile(5);
    ASSERT_TRUE(single.ok());
    EXPECT_EQ(u8At(bankNamed(single, "bank.bin"), -3), 3);
}

struct AddressCase {
    const char *attributes;
    std::array<int, 4> expected;
};

TEST(NetworkRules, NodeAddresses)
{
    const AddressCase cases[] = {
        {"Node_ID_Type=\"0\" ID_Primary=\"5\" ID_Secondary=\"77\"", {0, 0, 0, 5}},
        {"Node_ID_Type=\"1\" ID_Primary=\"5\" ID_Secondary=\"1234\"", {0, 0, 0x12, 0x34}},
        {"Node_ID_Type=\"1\" ID=\"12\" ID_Secondary=\"99\"", {0, 0, 0, 0x12}}, // a single "ID" wins
        {"Node_ID_Type=\"0\" ID=\"300\"", {0, 0, 0, 300 & 0xFF}},
        {"Node_ID_Type=\"1\" ID=\"4294967295\"", {0x94, 0x96, 0x72, 0x95}}, // last eight digits
        {"Node_ID_Type=\"1\" ID_Secondary=\"abc\"", {0, 0, 0, 1}},
        {"", {0, 0, 0, 1}},
    };
    for (const AddressCase &c : cases) {
        ConfigurationFolder folder;
        folder.writeMBus(networkXml(oneVariableNode(c.attributes)));
        const auto result = folder.compile(4);
        ASSERT_TRUE(result.ok());
        const QByteArray bank = bankNamed(result, "bank.bin");
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(u8At(bank, 13 + i), c.expected[i]) << c.attributes << " byte " << i;
    }
}

struct ValueCase {
    const char *attributes; // of the variable, beside ModReg 10 and ModScale 20
    int dimensionCode, valueBytes, registers, scale, length;
};

TEST(NetworkRules, ValueSizesRegisterCountsAndDimensionCodes)
{
    const ValueCase cases[] = {
        {"Dim=\"0\"", 1, 2, 1, 20, 0},
        {"Dim=\"1\"", 2, 2, 1, 20, 0},
        {"Dim=\"2\"", 4, 4, 2, 20, 0},
        {"Dim=\"3\" Length=\"12\"", 7, 8, 4, 20, 0}, // a length only counts for variable length
        {"Dim=\"4\"", 3, 4, 2, 20, 0},
        {"Dim=\"5\"", 6, 6, 3, 20, 0},
        {"Dim=\"6\"", 5, 4, 2, 20, 0},
        {"Dim=\"7\" Length=\"5\"", 13, 5, 3, 20, 5},
        {"Dim=\"7\" Length=\"0\"", 13, 0, 0, 20, 0},
        {"Dim=\"8\"", 2, 2, 1, 20, 0},
        {"Dim=\"3\" Force_Int32=\"1\"", 7, 4, 2, 20, 0},
        {"Dim=\"5\" Conv_Float=\"1\"", 6, 4, 2, 0, 0},
    };
    QString variables;
    for (const ValueCase &c : cases)
        variables += QString("<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" ModReg=\"10\" ModScale=\"20\" %1/>")
                         .arg(c.attributes);
    ConfigurationFolder folder;
    folder.writeMBus(networkXml("<Nodo ID_Primary=\"1\">" + variables + "</Nodo>"));
    const auto result = folder.compile(2, 1); // bank2: 31-byte variables, 14-byte registers
    ASSERT_TRUE(result.ok());
    const QByteArray bank = bankNamed(result, "bank2.bin");
    const int count = int(std::size(cases));
    const int registerTable = 21 + 31 + 31 * count;
    ASSERT_EQ(u32At(bank, 5), std::uint32_t(registerTable));
    int address = 0;
    for (int i = 0; i < count; ++i) {
        const ValueCase &c = cases[i];
        const int var = 52 + 31 * i;
        const int reg = registerTable + 14 * i;
        SCOPED_TRACE(c.attributes);
        EXPECT_EQ(u8At(bank, var + 2), c.dimensionCode);
        EXPECT_EQ(u16At(bank, var + 5), address);
        EXPECT_EQ(u16At(bank, var + 7), c.scale);
        EXPECT_EQ(u16At(bank, var + 9), address + c.valueBytes);
        EXPECT_EQ(u8At(bank, var + 21), c.length);
        EXPECT_EQ(u8At(bank, reg + 2), c.registers);
        EXPECT_EQ(u16At(bank, reg + 3), address);
        EXPECT_EQ(u16At(bank, reg + 9), c.scale);
        EXPECT_EQ(u16At(bank, reg + 11), address + c.valueBytes);
        address += c.valueBytes + 2;
    }
}

TEST(NetworkRules, FunctionFieldsOneAndTwoSwapPlaces)
{
    QString variables;
    for (int f = 0; f < 4; ++f)
        variables += QString("<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"%1\" Dim=\"0\" ModReg=\"%2\" ModScale=\"0\"/>")
                         .arg(f)
                         .arg(f + 1);
    ConfigurationFolder folder;
    folder.writeMBus(networkXml("<Nodo>" + variables + "</Nodo>"));
    const QByteArray bank = bankNamed(folder.compile(5), "bank.bin");
    const int expected[] = {0, 2, 1, 3};
    for (int f = 0; f < 4; ++f)
        EXPECT_EQ(u8At(bank, 12 + 27 + 30 * f + 1), expected[f]) << "Fun_Field " << f;
}

TEST(NetworkRules, SingleBankTakesEveryTimePointOptionOfANodeReadByPosition)
{
    // Data type 3 with the six-register option on a node read by position.
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard());
    folder.writeMBus(networkXml(R"(<Nodo Var_List_Type="1"><Variabile Enable="1" Type="3" Fun_Field="0" Dim="0"
        ModReg="40" ModScale="0" TP_Mod_Regs="1" TP_Mod_Year="500"/></Nodo>)"));

    const QByteArray single = bankNamed(folder.compile(4), "bank.bin");
    const int singleRegister = int(u32At(single, 4));
    EXPECT_EQ(u16At(single, 39 + 3), 500);
    EXPECT_EQ(u16At(single, singleRegister), 500);
    EXPECT_EQ(u8At(single, singleRegister + 2), 6);
    EXPECT_EQ(u8At(single, singleRegister + 13), 1);

    const QByteArray two = bankNamed(folder.compile(7), "bank2.bin");
    const int twoRegister = int(u32At(two, 5));
    EXPECT_EQ(u16At(two, twoRegister), 40);
    EXPECT_EQ(u8At(two, twoRegister + 2), 1);
    EXPECT_EQ(u8At(two, twoRegister + 13), 0);
}

TEST(NetworkRules, UnitTextsAreStoredLastCharacterFirstOneByteEach)
{
    ConfigurationFolder folder;
    folder.writeMBus(networkXml(QString::fromUtf8(R"(<Nodo>
        <Variabile Enable="1" Type="21" Fun_Field="0" Dim="0" ModReg="1" ModScale="0" VIF_ASCII="m³/h"/>
        <Variabile Enable="1" Type="21" Fun_Field="0" Dim="0" ModReg="2" ModScale="0" VIF_ASCII=""/>
        <Variabile Enable="1" Type="21" Fun_Field="0" Dim="0" ModReg="3" ModScale="0" VIF_ASCII="V"/>
      </Nodo>)")));
    const QByteArray bank = bankNamed(folder.compile(5), "bank.bin");
    const int texts = 12 + 27 + 3 * 30;
    EXPECT_EQ(bank.mid(texts, 5), QByteArray("h/\xB3mV"));
    // Length and start of each text; an empty text points at the next one.
    EXPECT_EQ(u8At(bank, 39 + 22), 4);
    EXPECT_EQ(u32At(bank, 39 + 23), std::uint32_t(texts));
    EXPECT_EQ(u8At(bank, 69 + 22), 0);
    EXPECT_EQ(u32At(bank, 69 + 23), std::uint32_t(texts + 4));
    EXPECT_EQ(u32At(bank, 99 + 23), std::uint32_t(texts + 4));
    EXPECT_EQ(u32At(bank, 4), std::uint32_t(texts + 5));
}

struct PresenceCase {
    int type;
    const char *present; // "Sel_Dev_MBus_Present", nullptr for none
    int wiredNodes;
};

TEST(NetworkRules, WiredNodesEnterBank2OnlyWhereTheWiredBusIsPresent)
{
    const PresenceCase cases[] = {
        {1, "0", 1},      {2, nullptr, 1}, {3, "0", 1},  {1001, nullptr, 0}, {1001, "1", 1},
        {6, nullptr, 0},  {6, "1", 1},     {7, "0", 0},  {7, "x", 0},        {1007, "1", 1},
    };
    for (const PresenceCase &c : cases) {
        ConfigurationFolder folder;
        ParGen parGen = ParGen::standard().remove("Sel_Dev_MBus_Present");
        if (c.present)
            parGen.set("Sel_Dev_MBus_Present", c.present);
        folder.writeParGen(parGen);
        folder.writeMBus(networkXml(oneVariableNode("ID_Primary=\"3\"") +
                                    oneVariableNode("MBus_Type=\"0\" wMBus_Add=\"7\"")));
        const auto result = folder.compile(c.type, 1);
        ASSERT_TRUE(result.ok());
        const QByteArray bank2 = bankNamed(result, "bank2.bin");
        SCOPED_TRACE(testing::Message() << "type " << c.type << " present " << (c.present ? c.present : "none"));
        EXPECT_EQ(u32At(bank2, 13), std::uint32_t(21 + 31 * c.wiredNodes));
        EXPECT_EQ(u8At(bank2, -11), c.wiredNodes);
        EXPECT_EQ(u8At(bank2, -7), 1); // the wireless meter always
    }
}

TEST(NetworkRules, WirelessMetersTakeTheirFieldsFromTheirOwnAttributes)
{
    // A wireless meter has no addressing kind, no SND_NKE, no reset and no cut-after.
    ConfigurationFolder folder;
    folder.writeMBus(networkXml(oneVariableNode(
        "MBus_Type=\"0\" Node_ID_Type=\"1\" Send_SND_NKE=\"1\" Reset_App=\"1\" Cut_After=\"4\" "
        "wMBus_Add=\"0x01020304\" Manufacturer_Specific_Data=\"9\" MSD_Length=\"3\" MSD_Offset=\"1\"")));
    const QByteArray bank2 = bankNamed(folder.compile(6), "bank2.bin");
    BankImage node(31);
    node.bytes(0, {0, 1, 2, 3, 4}).u16(5, 1).u32(7, 52).u16(21, 9).u8(23, 3).u8(24, 1);
    EXPECT_EQ(bank2.mid(21, 31).toHex(' '), node.data().toHex(' '));
    // Its manufacturer data comes first in its data area.
    EXPECT_EQ(u16At(bank2, 52 + 5), 3);
}

struct EmptyCase {
    int type;
    int boardVariant;
    bool withParGen;
    const char *bank;
    int size;
    std::vector<std::pair<int, std::uint32_t>> words; // u32 header words
};

TEST(NetworkRules, EmptyNetworks)
{
    const EmptyCase cases[] = {
        {1, 0, true, "bank.bin", 36, {{0, 12}, {4, 12}, {8, 12}}},
        {1, 0, false, "bank.bin", 12, {{0, 12}, {4, 12}, {8, 12}}},
        {1, 1, true, "bank.bin", 2085, {{2049, 2061}, {2053, 2061}, {2057, 2061}}},
        {5, 0, true, "bank.bin", 25, {{0, 12}, {4, 12}, {8, 12}}},
        {4, 0, false, "bank.bin", 12, {{0, 12}, {4, 12}, {8, 12}}},
        {7, 0, true, "bank2.bin", 52, {{1, 21}, {5, 21}, {9, 21}, {13, 21}, {17, 21}}},
        {6, 0, false, "bank2.bin", 21, {{1, 21}, {5, 21}, {9, 21}, {13, 21}, {17, 21}}},
        {7, 0, false, "bank1.bin", 3072, {}},
    };
    for (const EmptyCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " board " << c.boardVariant << " "
                                        << (c.withParGen ? "with" : "without") << " ParGen.xml, " << c.bank);
        ConfigurationFolder folder; // no M_Bus.xml at all
        if (c.withParGen)
            folder.writeParGen(ParGen::standard().set("Sel_Dev", QString::number(c.boardVariant)));
        const auto result = folder.compile(c.type, c.boardVariant);
        ASSERT_TRUE(result.ok());
        const QByteArray bank = bankNamed(result, c.bank);
        ASSERT_EQ(bank.size(), c.size);
        for (const auto &[at, value] : c.words)
            EXPECT_EQ(u32At(bank, at), value) << "offset " << at;
    }
    ConfigurationFolder folder;
    folder.writeMBus(networkXml(""));
    EXPECT_EQ(bankNamed(folder.compile(5), "bank.bin").size(), 12);
}

TEST(NetworkRules, Bank1WithoutParGenHoldsItsDefaultsAndTheMeterCount)
{
    ConfigurationFolder folder;
    folder.writeMBus(networkXml(oneVariableNode("MBus_Type=\"0\" wMBus_Add=\"7\"")));
    const QByteArray bank1 = bankNamed(folder.compile(7), "bank1.bin");
    BankImage img(3072);
    img.u32(0, 250000).u32(4, 250000).u32(8, 9600).bytes(40, {192, 168, 0, 5}).bytes(44, {255, 255, 255, 0});
    img.bytes(48, {255, 255, 255, 255}).u16(52, 10000).u8(59, 1).u32(60, 9600).bytes(72, {192, 168, 0, 10});
    img.u8(526, 1).u8(529, 1).u8(532, 8).u8(535, 8).u8(564, 1).u8(570, 191).u8(590, 1).u32(596, 0x68800);
    img.u32(600, 120000).sumAt(2044, 2044).u32(2050, 7);
    EXPECT_EQ(bank1.toHex(' '), img.data().toHex(' '));
}

} // namespace
