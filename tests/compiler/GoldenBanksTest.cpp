// Whole banks compared byte for byte with images placed by hand from the
// converter's tables, for every converter type and board variant.
#include "BankImage.h"
#include "CompilerFixture.h"

#include <gtest/gtest.h>

using namespace compilertest;

namespace {

const Address NodeA{0, 0, 0, 5};               // primary address 5
const Address NodeB{0x12, 0x34, 0x56, 0x78};   // secondary address 12345678 as packed BCD
const std::initializer_list<int> Ip{10, 1, 2, 3};
const std::initializer_list<int> Mask{255, 255, 0, 0};
const std::initializer_list<int> Gateway{10, 1, 0, 254};
constexpr int DelayLow16 = 70000 & 0xFFFF;

bool usesTcp(int type) { return type == 1 || type == 1001 || type == 7 || type == 1007; }
bool hasModbusSlave(int type) { return type == 2 || type == 3 || type == 6; }

// Variables of the wired network, bytes 0 to 20. Data area of every layout but
// the serial board's: A1 0-4 (forced to 32 bits), A3 6-10 (float), node B from
// 12 with 10 bytes of manufacturer data, B1 22-28 (time point), B2 30-35 (5 bytes).
const VarHead A1{0, 2, 1, 100, 0, 101, 4, 1, 0xFFFFFFFF, 3, 7};
const VarHead A3{21, 1, 1, 110, 6, 0, 10, 0, 0, 0, 0};
const VarHead B1{20, 0, 7, 200, 22, 0, 28, 0, 0, 0, 0};
const VarHead B2{5, 0, 13, 130, 30, 0, 35, 0, 0, 0, 0};

void placeWiredRegisters(BankImage &img, int at)
{
    placeRegister(img, at, 100, 2, 0, NodeA, 101, 4, 0);
    placeRegister(img, at + 14, 110, 2, 6, NodeA, 0, 10, 0);
    placeRegister(img, at + 28, 200, 6, 22, NodeB, 0, 28, 1);
    placeRegister(img, at + 42, 130, 3, 30, NodeB, 0, 35, 0);
}

void placeTypeOneTrailer(BankImage &img, int at)
{
    img.bytes(at, Ip).bytes(at + 4, Mask).bytes(at + 8, Gateway).u8(at + 12, 1).u16(at + 13, 1502);
    img.u8(at + 15, 5).u8(at + 16, 2).u8(at + 17, 1).u16(at + 18, DelayLow16);
    img.u8(at + 20, 2).u16(at + 21, 4).u8(at + 23, 0x7F);
}

QByteArray serialBoardBank()
{
    BankImage img(255);
    img.u32(0, 12).u32(4, 179).u32(8, 231);
    placeNodeHead(img, 12, {0, NodeA, 2, 52, 0, 0, 0, 0, 0, 0, 0});
    placeNodeHead(img, 32, {1, NodeB, 2, 114, 1, 1, 50, 51, 1, 1, 1});
    // The serial board knows no Force_Int32 and no manufacturer data: A1 is an
    // 8-bit value at 0-2, A3 at 4-8, node B from 10, B1 10-15 (5-byte time point), B2 17-22.
    placeVarHead(img, 52, {0, 2, 1, 100, 0, 101, 2, 1, 0xFFFFFFFF, 3, 7});
    img.u8(52 + 21, 1).u32(52 + 24, 176).u8(52 + 30, 300 & 0xFF);
    placeVarHead(img, 83, {21, 1, 1, 110, 4, 0, 8, 0, 0, 0, 0});
    img.u8(83 + 23, 3).u32(83 + 24, 176).u8(83 + 28, 1).u8(83 + 30, 1);
    placeVarHead(img, 114, {20, 0, 7, 200, 10, 0, 15, 0, 0, 0, 0});
    img.u32(114 + 24, 179).u8(114 + 29, 1).u8(114 + 30, 1);
    placeVarHead(img, 145, {5, 0, 13, 130, 17, 0, 22, 0, 0, 0, 0});
    img.u8(145 + 22, 5).u32(145 + 24, 179).u8(145 + 30, 1);
    img.text(176, "hWk");
    placeRegister(img, 179, 100, 1, 0, NodeA, 101, 2, -1);
    placeRegister(img, 192, 110, 2, 4, NodeA, 0, 8, -1);
    placeRegister(img, 205, 200, 5, 10, NodeB, 0, 15, -1);
    placeRegister(img, 218, 130, 3, 17, NodeB, 0, 22, -1);
    placeTypeOneTrailer(img, 231);
    return img.data();
}

QByteArray ethernetBoardBank()
{
    BankImage img(2322);
    // Parameter page.
    img.u32(12, 9600).u16(18, 3).u32(20, 1).bytes(40, Ip).bytes(44, Mask).bytes(48, Gateway);
    img.u16(52, 10000).u16(54, 1502).u16(56, 1502).u16(58, 64).u32(60, 9600).u16(66, 3).u32(68, 1);
    img.u32(172, 5 * 60000).u32(176, 128 + 0x7B).u8(180, 0);
    img.sumAt(2044, 2044);
    img.u8(2048, 64).u32(2049, 2061).u32(2053, 2242).u32(2057, 2298);
    placeNodeHead(img, 2061, {0, NodeA, 2, 2119, 0, 0, 0, 0, 0, 0, 0});
    placeNodeExtension(img, 2061, 250, 0, 0, 0, 0);
    placeNodeHead(img, 2090, {1, NodeB, 2, 2179, 1, 1, 50, 51, 1, 1, 1});
    placeNodeExtension(img, 2090, 10, 60, 10, 2, 12);
    img.u16(2090 + 27, 52);
    placeVarHead(img, 2119, A1);
    img.u32(2119 + 23, 2239).u8(2119 + 27, 6).u8(2119 + 28, 300 & 0xFF).u8(2119 + 29, 2);
    placeVarHead(img, 2149, A3);
    img.u8(2149 + 22, 3).u32(2149 + 23, 2239).u8(2149 + 27, 1).u8(2149 + 28, 1);
    placeVarHead(img, 2179, B1);
    img.u32(2179 + 23, 2242).u8(2179 + 27, 8).u8(2179 + 28, 1);
    placeVarHead(img, 2209, B2);
    img.u8(2209 + 21, 5).u32(2209 + 23, 2242).u8(2209 + 28, 1);
    img.text(2239, "hWk");
    placeWiredRegisters(img, 2242);
    placeTypeOneTrailer(img, 2298);
    return img.data();
}

QByteArray singleBank(int type)
{
    BankImage img(258);
    img.u32(0, 12).u32(4, 189).u32(8, 245);
    placeNodeHead(img, 12, {0, NodeA, 2, 66, 0, 0, 0, 0, 0, 0, 0});
    placeNodeExtension(img, 12, 250, 0, 0, 0, 0);
    placeNodeHead(img, 39, {1, NodeB, 2, 126, 1, 1, 50, 51, 1, 1, 1});
    placeNodeExtension(img, 39, 10, 60, 10, 2, 12);
    placeVarHead(img, 66, A1);
    img.u32(66 + 23, 186).u8(66 + 27, 6).u8(66 + 28, 300 & 0xFF).u8(66 + 29, 2);
    placeVarHead(img, 96, A3);
    img.u8(96 + 22, 3).u32(96 + 23, 186).u8(96 + 27, 1).u8(96 + 28, 1);
    placeVarHead(img, 126, B1);
    img.u32(126 + 23, 189).u8(126 + 27, 8).u8(126 + 28, 1);
    placeVarHead(img, 156, B2);
    img.u8(156 + 21, 5).u32(156 + 23, 189).u8(156 + 28, 1);
    img.text(186, "hWk");
    placeWiredRegisters(img, 189);
    // Serial lines: "Mod_Ser" for types 2 and 3; type 4 Modbus on RS232 with the
    // meter bus on RS485 gives 0; type 5 is always 1.
    const int serialLines = type == 4 ? 0 : 1;
    img.u8(245, serialLines).u8(246, 4).u8(247, 1).u8(248, 17).u8(249, 1).u8(250, 5).u8(251, 2).u8(252, 1);
    img.u16(253, DelayLow16).u8(255, 2).u16(256, 4);
    return img.data();
}

QByteArray bank2(int type)
{
    BankImage img(297);
    img.u8(0, 64).u32(1, 21).u32(5, 210).u32(9, 266).u32(13, 83).u32(17, 266);
    placeNodeHead(img, 21, {0, NodeA, 2, 83, 0, 0, 0, 0, 0, 0, 0});
    placeNodeExtension(img, 21, 250, 0, 0, 0, 0);
    placeNodeHead(img, 52, {1, NodeB, 2, 145, 1, 1, 50, 51, 1, 1, 1});
    placeNodeExtension(img, 52, 10, 60, 10, 2, 12);
    img.u16(52 + 29, 52);
    placeVarHead(img, 83, A1);
    img.u32(83 + 23, 207).u8(83 + 27, 6).u16(83 + 28, 300).u8(83 + 30, 2);
    placeVarHead(img, 114, A3);
    img.u8(114 + 22, 3).u32(114 + 23, 207).u8(114 + 27, 1).u16(114 + 28, 1);
    placeVarHead(img, 145, B1);
    img.u32(145 + 23, 210).u8(145 + 27, 8).u16(145 + 28, 1);
    placeVarHead(img, 176, B2);
    img.u8(176 + 21, 5).u32(176 + 23, 210).u16(176 + 28, 1);
    img.text(207, "hWk");
    placeWiredRegisters(img, 210);
    const int at = 266;
    img.bytes(at, Ip).bytes(at + 4, Mask).bytes(at + 8, Gateway).u8(at + 12, 1);
    img.u16(at + 13, usesTcp(type) ? 1502 : 502).u8(at + 15, 5).u8(at + 16, 2);
    img.u8(at + 17, type == 1 || type == 2 || type == 3 ? 1 : 0).u16(at + 18, DelayLow16);
    img.u8(at + 20, 2).u16(at + 21, 4).u8(at + 23, 0x7F).u8(at + 24, 0).u16(at + 25, 0).u32(at + 27, 70000);
    return img.data();
}

// bank1.bin's general block after the ParGen pass, for a network without wireless meters.
BankImage generalBlock(int type)
{
    BankImage img(3072);
    img.u32(0, 250000).u32(4, 250000).u32(8, 9600);
    img.bytes(40, Ip).bytes(44, Mask).bytes(48, Gateway).u16(52, 10000);
    const int tcpPort = usesTcp(type) ? 1502 : 502;
    img.u16(54, tcpPort).u16(56, tcpPort);
    const int interfaceCode = hasModbusSlave(type) ? 4 : (type == 1 || type == 7 || type == 1007) ? 2 : 1;
    img.u8(59, interfaceCode).u32(60, 9600).bytes(72, {192, 168, 0, 10});
    if (hasModbusSlave(type)) {
        img.u32(20, 17).u32(496, 19200).u8(520, 2).u8(526, 2);
    } else {
        img.u8(526, 1);
    }
    img.u32(504, 19200).u32(508, 9600).u8(523, 3).u8(528, 1).u8(529, 1).u8(532, 8).u8(534, 8).u8(535, 8);
    img.u8(568, 15).u8(570, 191).u8(582, 3).bytes(584, {3, 5, 5}).u8(590, 1).u32(596, 428032);
    img.u32(600, usesTcp(type) ? 5 * 60000 : 120000).u32(728, 128 + 0x7B).u8(739, 1);
    return img;
}

QByteArray bank1(int type)
{
    BankImage img = generalBlock(type);
    img.sumAt(2044, 2044);
    return img.data();
}

struct TypeCase {
    int type;
    int boardVariant;
    QStringList files; // in writing order
};

void PrintTo(const TypeCase &c, std::ostream *os)
{
    *os << "type " << c.type << ", board variant " << c.boardVariant;
}

class GoldenBanks : public ::testing::TestWithParam<TypeCase> {};

TEST_P(GoldenBanks, EveryBankOfTheTypeMatchesItsTables)
{
    const TypeCase c = GetParam();
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard().set("Sel_Dev", QString::number(c.boardVariant)));
    folder.writeMBus(wiredNetworkXml());

    const compiler::CompileResult result = folder.compile(c.type, c.boardVariant);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();
    ASSERT_EQ(bankNames(result), c.files);

    const bool typeOne = c.type == 1 || c.type == 1001;
    for (const QString &name : c.files) {
        QByteArray expected;
        if (name == "bank1.bin")
            expected = bank1(c.type);
        else if (name == "bank2.bin")
            expected = bank2(c.type);
        else if (typeOne)
            expected = c.boardVariant == 1 ? ethernetBoardBank() : serialBoardBank();
        else
            expected = singleBank(c.type);
        const QByteArray actual = bankNamed(result, name);
        ASSERT_EQ(actual.size(), expected.size()) << name.toStdString();
        for (int i = 0; i < expected.size(); ++i)
            ASSERT_EQ(quint8(actual[i]), quint8(expected[i])) << name.toStdString() << " byte " << i;
    }
}

const QStringList ThreeBanks{"bank1.bin", "bank2.bin", "bank.bin"};
const QStringList TwoBankFiles{"bank1.bin", "bank2.bin"};
const QStringList OneBank{"bank.bin"};

INSTANTIATE_TEST_SUITE_P(AllTypes, GoldenBanks,
                         ::testing::Values(TypeCase{1, 0, ThreeBanks}, TypeCase{1, 1, ThreeBanks},
                                           TypeCase{1001, 0, ThreeBanks}, TypeCase{1001, 1, ThreeBanks},
                                           TypeCase{2, 0, OneBank}, TypeCase{2, 1, TwoBankFiles},
                                           TypeCase{3, 0, OneBank}, TypeCase{3, 1, TwoBankFiles},
                                           TypeCase{4, 0, OneBank}, TypeCase{5, 0, OneBank},
                                           TypeCase{6, 0, TwoBankFiles}, TypeCase{7, 0, TwoBankFiles},
                                           TypeCase{1007, 0, TwoBankFiles}),
                         [](const auto &info) {
                             return "Type" + std::to_string(info.param.type) + "Board" +
                                    std::to_string(info.param.boardVariant);
                         });

// One wired node beside wireless meters: with a key, without one (its key
// attributes present but off), and one whose variables are all disabled.
QByteArray mixedNetworkXml()
{
    QString keys;
    for (int i = 1; i <= 16; ++i)
        keys += QString(" wMBus_Key_%1=\"%2\"").arg(i).arg(i == 16 ? "0x10" : QString::number(i));
    QString unusedKeys;
    for (int i = 1; i <= 16; ++i)
        unusedKeys += QString(" wMBus_Key_%1=\"255\"").arg(i);
    return networkXml(QString(R"(
  <Nodo Node_Enable="1" ID_Primary="5" MBus_Type="1">
    <Variabile Enable="1" Type="0" Fun_Field="1" Dim="0" Unit="1" ModReg="100" ModScale="101"
               StoNumber="4294967295" Tariff="3" VIFE="7" BCDtoINT="1" Force_Int32="1" Post_Operation="2"
               Position="300"/>
  </Nodo>
  <Nodo Node_Enable="1" MBus_Type="0" ID_Primary="7" Send_SND_NKE="1" Cut_After="3" Node_State="60"
        Ident_Num="61" wMBus_RSSI="62" Access_Number="63" wMBus_ManID="0x2C2D" wMBus_Add="3735928559"
        wMBus_Ver="0x1B" wMBus_DevType="7" wMBus_En_Key="1"%1>
    <Variabile Enable="1" Type="2" Fun_Field="0" Dim="1" ModReg="300" ModScale="0"/>
  </Nodo>
  <Nodo Node_Enable="1" MBus_Type="0" wMBus_ManID="100" wMBus_Add="-2147483648" wMBus_Ver="1"
        wMBus_DevType="2" wMBus_En_Key="0"%2>
    <Variabile Enable="1" Type="0" Fun_Field="0" Dim="2" ModReg="310" ModScale="0"/>
  </Nodo>
  <Nodo Node_Enable="1" MBus_Type="0" wMBus_ManID="5" wMBus_Add="9">
    <Variabile Enable="0" Type="0" Fun_Field="0" Dim="2" ModReg="320" ModScale="0"/>
  </Nodo>
)")
                          .arg(keys, unusedKeys));
}

TEST(GoldenWirelessBanks, WiredNodeAndWirelessMetersWithAndWithoutKey)
{
    ConfigurationFolder folder;
    folder.writeParGen(ParGen::standard());
    folder.writeMBus(mixedNetworkXml());
    const compiler::CompileResult result = folder.compile(7);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();

    const Address meter1{0xDE, 0xAD, 0xBE, 0xEF}; // 3735928559, above 2^31
    const Address meter2{0x80, 0x00, 0x00, 0x00}; // the scan writer's negative form
    BankImage b2(280);
    b2.u8(0, 64).u32(1, 21).u32(5, 207).u32(9, 249).u32(13, 52).u32(17, 221);
    placeNodeHead(b2, 21, {0, NodeA, 1, 114, 0, 0, 0, 0, 0, 0, 0});
    placeNodeExtension(b2, 21, 250, 0, 0, 0, 0);
    // Data area: A1 0-4, meter 1 from 6 (16-bit value 6-8), meter 2 from 10 (10-14).
    placeNodeHead(b2, 52, {0, meter1, 1, 145, 0, 0, 60, 61, 0, 0, 0});
    placeNodeExtension(b2, 52, 0, 0, 0, 0, 6);
    b2.u16(52 + 27, 62).u16(52 + 29, 63);
    placeNodeHead(b2, 83, {0, meter2, 1, 176, 0, 0, 0, 0, 0, 0, 0});
    placeNodeExtension(b2, 83, 0, 0, 0, 0, 10);
    placeVarHead(b2, 114, A1);
    b2.u32(114 + 23, 207).u8(114 + 27, 6).u16(114 + 28, 300).u8(114 + 30, 2);
    placeVarHead(b2, 145, {2, 0, 2, 300, 6, 0, 8, 0, 0, 0, 0});
    b2.u32(145 + 23, 207).u16(145 + 28, 1);
    placeVarHead(b2, 176, {0, 0, 4, 310, 10, 0, 14, 0, 0, 0, 0});
    b2.u32(176 + 23, 207).u16(176 + 28, 1);
    placeRegister(b2, 207, 100, 2, 0, NodeA, 101, 4, 0);
    placeRegister(b2, 221, 300, 1, 6, meter1, 0, 8, 0);
    placeRegister(b2, 235, 310, 2, 10, meter2, 0, 14, 0);
    const int at = 249;
    b2.bytes(at, Ip).bytes(at + 4, Mask).bytes(at + 8, Gateway).u8(at + 12, 1).u16(at + 13, 1502);
    b2.u8(at + 15, 5).u8(at + 16, 2).u8(at + 17, 0).u16(at + 18, DelayLow16).u8(at + 20, 1).u16(at + 21, 1);
    b2.u8(at + 23, 0x7F).u8(at + 24, 2).u16(at + 25, 2).u32(at + 27, 70000);
    EXPECT_EQ(bankNamed(result, "bank2.bin").toHex(' '), b2.data().toHex(' '));

    BankImage b1 = generalBlock(7);
    b1.u8(564, 2);
    b1.sumAt(2044, 2044);
    b1.u16(2048, 0x2C2D).u32(2050, 0xDEADBEEF).u8(2054, 0x1B).u8(2055, 7);
    b1.bytes(2056, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}).u8(2072, 1);
    b1.u16(2080, 100).u32(2082, 0x80000000).u8(2086, 1).u8(2087, 2); // key off: 16 zero bytes, flag 0
    EXPECT_EQ(bankNamed(result, "bank1.bin").toHex(' '), b1.data().toHex(' '));
}

} // namespace
