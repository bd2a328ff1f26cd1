// General parameters as the banks derive them from ParGen.xml: the Ethernet
// board's parameter page, bank1.bin's general block and the trailers.
#include "BankImage.h"
#include "CompilerFixture.h"
#include "compiler/ParamPage.h"

#include <gtest/gtest.h>

using namespace compilertest;

namespace {

struct FieldCase {
    const char *what;
    int type;
    int boardVariant;
    std::vector<ParGenEdit> edits;
    const char *bank;
    int offset; // negative: from the end of the bank
    int width;
    std::uint32_t expected;
};

void PrintTo(const FieldCase &c, std::ostream *os) { *os << c.what; }

class DerivedField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(DerivedField, HasItsValue)
{
    const FieldCase &c = GetParam();
    const ParGen parGen = ParGen::standard().set("Sel_Dev", QString::number(c.boardVariant)).apply(c.edits);
    ConfigurationFolder folder;
    folder.writeParGen(parGen);
    folder.writeMBus(wiredNetworkXml());
    const auto result = folder.compile(c.type, c.boardVariant);
    ASSERT_TRUE(result.ok()) << result.error->message.toStdString();
    const QByteArray bank = bankNamed(result, c.bank);
    ASSERT_FALSE(bank.isEmpty()) << c.bank;
    EXPECT_EQ(std::uint32_t(fieldAt(bank, c.offset, c.width)), c.expected);
}

// Offsets of the trailers, counted from the end of their bank.
constexpr int TypeOneTrailer = -24;
constexpr int SingleTrailer = -13;
constexpr int Bank2Trailer = -31;
constexpr std::uint32_t TypedGateway = 10 | 1 << 8 | 0 << 16 | 254u << 24;

INSTANTIATE_TEST_SUITE_P(
    GeneralValues, DerivedField,
    ::testing::Values(
        // Meter-bus baud rate from its list index; anything off the list is 2400.
        FieldCase{"page baud 2400", 1, 1, {{"Meter_Baud", "3"}}, "bank.bin", 12, 4, 2400},
        FieldCase{"page baud off the list", 1, 1, {{"Meter_Baud", "9"}}, "bank.bin", 60, 4, 2400},
        FieldCase{"page baud 38400", 1, 1, {{"Meter_Baud", "7"}}, "bank.bin", 60, 4, 38400},
        FieldCase{"bank1 baud 300", 7, 0, {{"Meter_Baud", "0"}}, "bank1.bin", 508, 4, 300},
        FieldCase{"page parity none", 1, 1, {{"Meter_Par", "0"}}, "bank.bin", 18, 2, 0},
        FieldCase{"bank1 parity even", 1, 1, {{"Meter_Par", "1"}}, "bank1.bin", 523, 1, 2},
        // Connection time-out: two minutes when missing or unreadable.
        FieldCase{"page time-out empty", 1, 1, {{"TCP_Conn_TimeOut", ""}}, "bank.bin", 172, 4, 120000},
        FieldCase{"bank1 time-out missing", 7, 0, {{"TCP_Conn_TimeOut", nullptr}}, "bank1.bin", 600, 4, 120000},
        FieldCase{"bank1 time-out 1440 minutes", 1007, 0, {{"TCP_Conn_TimeOut", "1440"}}, "bank1.bin", 600, 4,
                  86400000},
        // Fixed C-field option.
        FieldCase{"C-field both missing", 1, 1, {{"Enable_Use_Fix_C_Field", nullptr}, {"Use_Fix_C_Field_Value", nullptr}},
                  "bank.bin", 176, 4, 0x5B},
        FieldCase{"C-field off, frame count clear", 7, 0, {{"Enable_Use_Fix_C_Field", "0"}, {"Use_Fix_C_Field_Value", "0"}},
                  "bank1.bin", 728, 4, 0x5B},
        FieldCase{"C-field on, value unreadable", 1, 0, {{"Use_Fix_C_Field_Value", "x"}}, "bank1.bin", 728, 4,
                  128 + 0x7B},
        // A gateway that is off: 255.255.255.255 for the converter, the typed address in the trailers.
        FieldCase{"page gateway off", 1, 1, {{"Gat_Enable", "0"}}, "bank.bin", 48, 4, 0xFFFFFFFF},
        FieldCase{"bank1 gateway off", 1, 1, {{"Gat_Enable", "0"}}, "bank1.bin", 48, 4, 0xFFFFFFFF},
        FieldCase{"type-1 trailer gateway off", 1, 1, {{"Gat_Enable", "0"}}, "bank.bin", TypeOneTrailer + 8, 4,
                  TypedGateway},
        FieldCase{"bank2 trailer gateway off", 6, 0, {{"Gat_Enable", "0"}}, "bank2.bin", Bank2Trailer + 8, 4,
                  TypedGateway},
        // Node state of a silent meter: 255 when missing.
        FieldCase{"type-1 trailer node state missing", 1, 0, {{"Node_State", nullptr}}, "bank.bin", -1, 1, 255},
        FieldCase{"bank2 trailer node state missing", 7, 0, {{"Node_State", nullptr}}, "bank2.bin", Bank2Trailer + 23,
                  1, 255},
        // Exceptions until the first reading: only the main model, polling on request.
        FieldCase{"page reply exception type 1", 1, 1, {{"Meter_Req_Type", "0"}}, "bank.bin", 180, 1, 1},
        FieldCase{"bank1 reply exception type 1", 1, 0, {{"Meter_Req_Type", "0"}}, "bank1.bin", 736, 1, 1},
        FieldCase{"page reply exception type 1001", 1001, 1, {{"Meter_Req_Type", "0"}}, "bank.bin", 180, 1, 0},
        FieldCase{"bank1 reply exception type 1001", 1001, 0, {{"Meter_Req_Type", "0"}}, "bank1.bin", 736, 1, 0},
        FieldCase{"reply exception text not 1", 1, 1, {{"Meter_Req_Type", "0"}, {"Reply_Exception_Until_First_Read", "01"}},
                  "bank.bin", 180, 1, 0},
        // Models without their own TCP settings: port 502, two minutes, no request type.
        FieldCase{"type 6 TCP port", 6, 0, {}, "bank1.bin", 56, 2, 502},
        FieldCase{"type 6 trailer TCP port", 6, 0, {}, "bank2.bin", Bank2Trailer + 13, 2, 502},
        FieldCase{"type 6 request type", 6, 0, {{"Meter_Req_Type", nullptr}}, "bank2.bin", Bank2Trailer + 17, 1, 0},
        FieldCase{"type 3 time-out", 3, 1, {{"TCP_Conn_TimeOut", "9"}}, "bank1.bin", 600, 4, 120000},
        // Modbus slave line of types 2, 3 and 6.
        FieldCase{"stop bits 1", 6, 0, {{"Mod_StopBit", "0"}}, "bank1.bin", 526, 1, 1},
        FieldCase{"stop bits above 2", 6, 0, {{"Mod_StopBit", "2"}}, "bank1.bin", 526, 1, 1},
        FieldCase{"stop bits missing", 2, 1, {{"Mod_StopBit", nullptr}}, "bank1.bin", 526, 1, 1},
        FieldCase{"Modbus baud unreadable", 2, 1, {{"Mod_Baud", "x"}}, "bank1.bin", 496, 4, 115200},
        FieldCase{"Modbus baud off the list", 3, 1, {{"Mod_Baud", "9"}}, "bank1.bin", 496, 4, 115200},
        FieldCase{"Modbus baud 1200", 6, 0, {{"Mod_Baud", "0"}}, "bank1.bin", 496, 4, 1200},
        FieldCase{"Modbus id unreadable", 3, 1, {{"Mod_Id", "x"}}, "bank1.bin", 20, 4, 1},
        FieldCase{"Modbus parity unreadable", 6, 0, {{"Mod_Par", "x"}}, "bank1.bin", 520, 1, 0},
        FieldCase{"Modbus parity odd", 6, 0, {{"Mod_Par", "2"}}, "bank1.bin", 520, 1, 3},
        // Wireless receiver.
        FieldCase{"wireless mode S", 7, 0, {{"wMBus_Mode", "0"}}, "bank1.bin", 568, 1, 1},
        FieldCase{"wireless mode T", 7, 0, {{"wMBus_Mode", "1"}}, "bank1.bin", 568, 1, 5},
        FieldCase{"wireless mode N2", 7, 0, {{"wMBus_Mode", "3"}}, "bank1.bin", 568, 1, 17},
        FieldCase{"wireless mode C", 7, 0, {{"wMBus_Mode", "4"}}, "bank1.bin", 568, 1, 11},
        FieldCase{"wireless mode off the list", 7, 0, {{"wMBus_Mode", "5"}}, "bank1.bin", 568, 1, 1},
        FieldCase{"wireless mode missing", 1007, 0, {{"wMBus_Mode", nullptr}}, "bank1.bin", 568, 1, 1},
        FieldCase{"radio channel unreadable", 6, 0, {{"wMBus_Radio_Channel", "x"}}, "bank1.bin", 582, 1, 0},
        FieldCase{"float word order missing", 6, 0, {{"MBus_Convert_Float_Option_Words_Order", nullptr}}, "bank1.bin",
                  739, 1, 0},
        // Single bank: serial lines by type, protocol framing.
        FieldCase{"type 4 both RS485", 4, 0, {{"Mod_Ser", "0"}, {"MBUS_Ser", "0"}}, "bank.bin", SingleTrailer, 1, 2},
        FieldCase{"type 4 meter bus RS232", 4, 0, {{"Mod_Ser", "0"}, {"MBUS_Ser", "1"}}, "bank.bin", SingleTrailer, 1, 1},
        FieldCase{"type 4 both RS232", 4, 0, {{"Mod_Ser", "1"}, {"MBUS_Ser", "1"}}, "bank.bin", SingleTrailer, 1, 0},
        FieldCase{"type 2 Modbus RS485", 2, 0, {{"Mod_Ser", "0"}}, "bank.bin", SingleTrailer, 1, 0},
        FieldCase{"type 5 ignores the lines", 5, 0, {{"Mod_Ser", nullptr}, {"MBUS_Ser", nullptr}}, "bank.bin",
                  SingleTrailer, 1, 1},
        FieldCase{"protocol RTU", 5, 0, {{"Mod_Protocol", "0"}}, "bank.bin", SingleTrailer + 4, 1, 0},
        FieldCase{"protocol Modbus ASCII", 5, 0, {{"Mod_Protocol", "1"}}, "bank.bin", SingleTrailer + 4, 1, 1},
        FieldCase{"protocol JBUS", 3, 0, {{"Mod_Protocol", "2"}}, "bank.bin", SingleTrailer + 4, 1, 0},
        FieldCase{"protocol off the list", 4, 0, {{"Mod_Protocol", "5"}}, "bank.bin", SingleTrailer + 4, 1, 0}));

TEST(ParamPage, DefaultRecordWithTheMarkerSumsTo346)
{
    compiler::ParamPage page;
    page.fields().u16(compiler::ParamPage::Marker, 64);
    const QByteArray bytes = page.Write_Param_Page();
    ASSERT_EQ(bytes.size(), 2048);
    EXPECT_EQ(bytes.mid(2044).toHex(' '), QByteArray("5a 01 00 00"));
}

} // namespace
