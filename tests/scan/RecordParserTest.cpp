#include "QStringPrinter.h"
#include "scan/RecordParser.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <vector>

using namespace scan;

namespace {

struct Parsed {
    ParseResult result;
    TVariableList records;
    const TVariable_MBus &operator[](std::size_t i) const { return *records.at(i); }
};

Parsed parse(const std::vector<std::uint8_t> &block, TMBusType mode = TMBusType::mtWired, int last = -2)
{
    Parsed parsed;
    if (last == -2)
        last = static_cast<int>(block.size()) - 1;
    parsed.result = Parse_Data_Records(parsed.records, last, block, mode);
    return parsed;
}

class RecordParser : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

} // namespace

TEST_F(RecordParser, ThirtyTwoBitVolumeRecord)
{
    const Parsed p = parse({0x04, 0x13, 0x10, 0x27, 0x00, 0x00});
    EXPECT_EQ(p.result.result, 1);
    ASSERT_EQ(p.records.size(), 1u);
    const TVariable_MBus &r = p[0];
    EXPECT_EQ(r.DIF, QStringLiteral("$04"));
    EXPECT_EQ(r.dimension, 4);
    EXPECT_EQ(r.nbyte, 4);
    EXPECT_EQ(r.descdim, QStringLiteral("32 Bit Integer"));
    EXPECT_EQ(r.DataFieldStr, QStringLiteral("32 Bit Integer"));
    EXPECT_EQ(r.totdati, QStringLiteral("10270000"));
    EXPECT_EQ(r.dato_A, 10000);
    EXPECT_EQ(r.dato_B, 0);
    EXPECT_EQ(r.storage_number, 0);
    EXPECT_EQ(r.VIF, 0x13);
    EXPECT_EQ(r.vifvalue, 0x13);
    EXPECT_EQ(r.casovif, 0);
    EXPECT_EQ(r.numdife, 0);
    EXPECT_EQ(r.DIFE, QString());
    EXPECT_EQ(r.VIFE, QString());
    EXPECT_EQ(r.FunctionFieldStr, QStringLiteral("Istantaneous value"));
    EXPECT_EQ(r.Desc_Type_Data, QStringLiteral("Volume m3"));
    EXPECT_EQ(r.ValueStr, QStringLiteral("10"));
    EXPECT_FALSE(r.Is_BCD);
    EXPECT_TRUE(r.Real_Wireless_Var);
    EXPECT_FALSE(r.errata);
    EXPECT_FALSE(r.datagiorno.isEmpty());
    EXPECT_FALSE(r.tempo.isEmpty());
}

TEST_F(RecordParser, StorageTariffAndSubunitFromDifAndDife)
{
    struct Case {
        std::vector<std::uint8_t> block;
        qint64 storage;
        int tariff;
        int subunit;
        const char *dife;
    };
    const std::vector<Case> cases = {
        {{0x44, 0x13, 0x00, 0x00, 0x00, 0x00}, 1, 0, 0, ""},
        {{0x84, 0x01, 0x13, 0x00, 0x00, 0x00, 0x00}, 2, 0, 0, "$01 "},
        {{0x84, 0x10, 0x13, 0x00, 0x00, 0x00, 0x00}, 0, 1, 0, "$10 "},
        {{0x84, 0x40, 0x13, 0x00, 0x00, 0x00, 0x00}, 0, 0, 1, "$40 "},
        // The later DIFE holds the more significant bits.
        {{0xC4, 0x83, 0x62, 0x13, 0x00, 0x00, 0x00, 0x00}, 0x23 * 2 + 1, 2 * 4 + 0, 1 * 2 + 0, "$83 $62 "},
        // Ten DIFE carry 40 storage bits plus the DIF's: no 32-bit overflow.
        {{0xC4, 0x8F, 0x8F, 0x8F, 0x8F, 0x8F, 0x8F, 0x8F, 0x8F, 0x8F, 0x0F, 0x13, 0x00, 0x00, 0x00, 0x00},
         (qint64(1) << 41) - 1, 0, 0, "$8F $8F $8F $8F $8F $8F $8F $8F $8F $0F "},
    };
    for (const Case &c : cases) {
        const Parsed p = parse(c.block);
        ASSERT_TRUE(p.result.decodable) << p.result.error.toStdString();
        ASSERT_EQ(p.records.size(), 1u);
        EXPECT_EQ(p[0].storage_number, c.storage) << c.dife;
        EXPECT_EQ(p[0].tarif, c.tariff) << c.dife;
        EXPECT_EQ(p[0].device, c.subunit) << c.dife;
        EXPECT_EQ(p[0].DIFE, QString::fromLatin1(c.dife));
    }
}

TEST_F(RecordParser, FunctionFieldTexts)
{
    const Parsed p = parse({0x01, 0x13, 0x05, 0x11, 0x13, 0x05, 0x21, 0x13, 0x05, 0x31, 0x13, 0x05});
    ASSERT_EQ(p.records.size(), 4u);
    const QStringList texts = {QStringLiteral("Istantaneous value"), QStringLiteral("Maximum value"),
                               QStringLiteral("Minimum value"), QStringLiteral("Value during error state")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p[static_cast<std::size_t>(i)].function_fild, i);
        EXPECT_EQ(p[static_cast<std::size_t>(i)].FunctionFieldStr, texts[i]);
    }
}

TEST_F(RecordParser, MoreRecordsFollowKeepsWhatCameBefore)
{
    // After 1F comes a record that would run past the end: it is never read.
    const Parsed p = parse({0x01, 0x13, 0x05, 0x1F, 0x04, 0x13, 0x01});
    EXPECT_TRUE(p.result.decodable);
    EXPECT_EQ(p.result.result, 0);
    ASSERT_EQ(p.records.size(), 1u);
    EXPECT_EQ(p[0].ValueStr, QStringLiteral("0.005"));
}

TEST_F(RecordParser, RecordsThatEndTheBlock)
{
    // Manufacturer data, reserved special functions, selection for readout
    // and "any VIF" end the block; what came before stays.
    for (const std::uint8_t end : {std::uint8_t(0x0F), std::uint8_t(0x3F), std::uint8_t(0x7F)}) {
        const Parsed p = parse({0x01, 0x13, 0x05, end, 0x99, 0x98});
        EXPECT_TRUE(p.result.decodable);
        EXPECT_EQ(p.result.result, 1);
        EXPECT_EQ(p.records.size(), 1u) << int(end);
    }
    const Parsed selection = parse({0x01, 0x13, 0x05, 0x08, 0x13, 0x01, 0x13, 0x05});
    EXPECT_EQ(selection.records.size(), 1u);
    const Parsed anyVif = parse({0x01, 0x13, 0x05, 0x01, 0x7E, 0x05, 0x01, 0x13, 0x05});
    EXPECT_EQ(anyVif.records.size(), 1u);
    const Parsed anyVifExtended = parse({0x01, 0xFE, 0x00, 0x05, 0x01, 0x13, 0x05});
    EXPECT_TRUE(anyVifExtended.records.empty());
}

TEST_F(RecordParser, IdleFillersAreSkippedWiredAndKeptWireless)
{
    const std::vector<std::uint8_t> block = {0x2F, 0x01, 0x13, 0x05, 0x2F, 0x01, 0x13, 0x06, 0x2F};
    const Parsed wired = parse(block, TMBusType::mtWired);
    ASSERT_EQ(wired.records.size(), 2u);
    EXPECT_TRUE(wired[0].Real_Wireless_Var);

    const Parsed wireless = parse(block, TMBusType::mtWireless);
    ASSERT_EQ(wireless.records.size(), 5u);
    EXPECT_FALSE(wireless[0].Real_Wireless_Var);
    EXPECT_FALSE(wireless[0].errata);
    EXPECT_EQ(wireless[0].DIF, QStringLiteral("$2F"));
    EXPECT_TRUE(wireless[1].Real_Wireless_Var);
    EXPECT_FALSE(wireless[2].Real_Wireless_Var);
    EXPECT_FALSE(wireless[4].Real_Wireless_Var);
}

TEST_F(RecordParser, PlainTextUnit)
{
    const Parsed p = parse({0x02, 0x7C, 0x03, 'h', 'W', 'k', 0x41, 0x42});
    ASSERT_EQ(p.records.size(), 1u);
    EXPECT_EQ(p[0].VIF_ASCII, QStringLiteral("kWh"));
    EXPECT_EQ(p[0].casovif, 101);
    EXPECT_EQ(p[0].vifvalue, -1);
    EXPECT_EQ(p[0].type_data, 21);

    // VIF FC: the text comes first, then the VIFE chain.
    const Parsed extended = parse({0x02, 0xFC, 0x03, 'H', 'R', '%', 0x74, 0xD4, 0x11});
    ASSERT_EQ(extended.records.size(), 1u);
    EXPECT_EQ(extended[0].VIF_ASCII, QStringLiteral("%RH"));
    EXPECT_EQ(extended[0].VIFE, QStringLiteral("$74 "));
    EXPECT_EQ(extended[0].PrinVIFE, 0x74);
    EXPECT_EQ(extended[0].totdati, QStringLiteral("D411"));
}

TEST_F(RecordParser, LongPlainTextKeepsItsFirst192CharactersAndStaysInStep)
{
    std::vector<std::uint8_t> block = {0x01, 0x7C, 200};
    block.insert(block.end(), 200, 'x');
    block.insert(block.end(), {0x07, 0x01, 0x13, 0x09});
    const Parsed p = parse(block);
    ASSERT_TRUE(p.result.decodable);
    ASSERT_EQ(p.records.size(), 2u);
    EXPECT_EQ(p[0].VIF_ASCII.size(), 192);
    EXPECT_EQ(p[1].ValueStr, QStringLiteral("0.009"));
}

TEST_F(RecordParser, VariableLengthKinds)
{
    struct Case {
        std::vector<std::uint8_t> block;
        const char *dataFieldStr;
        const char *descdim;
        int nbyte;
        const char *value;
    };
    const std::vector<Case> cases = {
        {{0x0D, 0x13, 0xC2, 0x34, 0x12}, "Variable Length - Positive BCD Number with 4 digits",
         "Variable length: Positive BCD number with 2 *2 digits", 2, "1.234"},
        {{0x0D, 0x13, 0xD2, 0x34, 0x12}, "Variable Length - Negative BCD Number with 4 digits",
         "Variable length: Negative BCD number with 2 *2 digits", 2, "-1.234"},
        {{0x0D, 0x13, 0x03, 'a', 'b', 'c'}, "Variable Length - ASCII String with 3characters",
         "Variable length: ASCII string with 3 characters", 3, "0"},
        {{0x0D, 0x13, 0xE2, 0x34, 0x12}, "Variable Length - Binary Number with 2 Bytes",
         "Variable length: Binary number with 2 bytes", 2, "0"},
        {{0x0D, 0x13, 0xF4, 1, 2, 3, 4}, "Variable Length - Floating Point Number with 4 Bytes",
         "Variable length: Floating Point number with 4 bytes", 4, "0"},
    };
    for (const Case &c : cases) {
        const Parsed p = parse(c.block);
        ASSERT_EQ(p.records.size(), 1u) << c.descdim;
        EXPECT_EQ(p[0].DataFieldStr, QString::fromLatin1(c.dataFieldStr));
        EXPECT_EQ(p[0].descdim, QString::fromLatin1(c.descdim));
        EXPECT_EQ(p[0].nbyte, c.nbyte);
        EXPECT_EQ(p[0].ValueStr, QString::fromLatin1(c.value)) << c.descdim;
        EXPECT_FALSE(p[0].Is_BCD);
    }
}

TEST_F(RecordParser, ReservedVariableLengthIsMarkedAndEndsTheBlock)
{
    // Nothing says how long the data after LVAR FB-FF is, so the following
    // bytes cannot be found again: the record is kept in error and the block ends.
    const Parsed p = parse({0x01, 0x13, 0x05, 0x0D, 0x13, 0xFB, 0x01, 0x13, 0x05});
    ASSERT_TRUE(p.result.decodable);
    ASSERT_EQ(p.records.size(), 2u);
    EXPECT_TRUE(p[1].errata);
    EXPECT_EQ(p[1].sterror, QStringLiteral("Non analizabile"));
    EXPECT_EQ(p[1].nbyte, 0);
    EXPECT_EQ(p[1].descdim, QStringLiteral("Variable length: Reserved"));
    EXPECT_EQ(p[1].DataFieldStr, QStringLiteral("Variable Length - Reserved"));
}

TEST_F(RecordParser, DataSumsWrapLikeUnsignedWords)
{
    const Parsed p = parse({0x07, 0x13, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x03, 0x84});
    ASSERT_EQ(p.records.size(), 1u);
    EXPECT_EQ(p[0].dato_A, -1);
    EXPECT_EQ(p[0].dato_B, qint32(0x84030201u));
    EXPECT_EQ(p[0].totdati, QStringLiteral("FFFFFFFF01020384"));
}

TEST_F(RecordParser, VifFieldsByTable)
{
    struct Case {
        std::vector<std::uint8_t> block;
        int casovif;
        int vifvalue;
        const char *vife;
    };
    const std::vector<Case> cases = {
        {{0x01, 0xFD, 0x1B, 0x00}, 1, 0x1B, "$1B "},
        {{0x01, 0xFB, 0x9A, 0x16, 0x00}, 2, 0x9A, "$9A $16 "},
        {{0x01, 0x7F, 0x00}, 100, -1, ""},
        {{0x01, 0xFF, 0x01, 0x00}, 100, -1, "$01 "},
        {{0x01, 0x7B, 0x00}, 0, -1, ""},
        {{0x01, 0x93, 0x3B, 0x00}, 0, 0x93, "$3B "},
    };
    for (const Case &c : cases) {
        const Parsed p = parse(c.block);
        ASSERT_EQ(p.records.size(), 1u) << c.vife;
        EXPECT_EQ(p[0].casovif, c.casovif) << c.vife;
        EXPECT_EQ(p[0].vifvalue, c.vifvalue) << c.vife;
        EXPECT_EQ(p[0].VIFE, QString::fromLatin1(c.vife));
    }
}

TEST_F(RecordParser, FirstRecordIsReadWhateverLastSays)
{
    const Parsed p = parse({0x01, 0x13, 0x05, 0x01, 0x13, 0x06}, TMBusType::mtWired, -1);
    EXPECT_EQ(p.records.size(), 1u);
    const Parsed two = parse({0x01, 0x13, 0x05, 0x01, 0x13, 0x06}, TMBusType::mtWired, 3);
    EXPECT_EQ(two.records.size(), 2u);
    // A Last beyond the block does not start a record outside it.
    const Parsed beyond = parse({0x01, 0x13, 0x05}, TMBusType::mtWired, 40);
    EXPECT_TRUE(beyond.result.decodable);
    EXPECT_EQ(beyond.records.size(), 1u);
}

TEST_F(RecordParser, EveryReadStaysInsideTheBlock)
{
    // Each block ends where a record still needs bytes. The first record is
    // good, so the check also shows that nothing is kept of a broken block.
    const std::vector<std::uint8_t> good = {0x01, 0x13, 0x05};
    const std::vector<std::vector<std::uint8_t>> tails = {
        {0x04, 0x13, 0x10, 0x27, 0x00},                          // data cut short
        {0x84},                                                  // DIFE announced
        {0x84, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, // ten DIFE at the end
        {0x84, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x00, 0x13, 0x00}, // eleven DIFE
        {0x04},                                                  // no VIF
        {0x04, 0x93},                                            // VIFE announced
        {0x04, 0x93, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2}, // ten VIFE at the end
        {0x01, 0x93, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0xA2, 0x22, 0x00}, // eleven VIFE
        {0x04, 0x7C},                                            // no plain-text length
        {0x04, 0x7C, 0x05, 'a', 'b'},                            // plain text past the end
        {0x04, 0xFC, 0xF3, 'a', 'b', 'c'},                       // long plain text past the end
        {0x0D, 0x13},                                            // no LVAR byte
        {0x0D, 0x13, 0x05, 'a', 'b'},                            // LVAR length past the end
        {0x0D, 0x13, 0xC9, 0x11},                                // BCD LVAR past the end
    };
    for (const auto &tail : tails) {
        std::vector<std::uint8_t> block = good;
        block.insert(block.end(), tail.begin(), tail.end());
        // A copy of exactly these bytes, so the sanitizer sees any read past them.
        const auto exact = std::make_unique<std::uint8_t[]>(block.size());
        std::copy(block.begin(), block.end(), exact.get());
        TVariableList target;
        const ParseResult r = Parse_Data_Records(target, static_cast<int>(block.size()) - 1,
                                                 std::span<const std::uint8_t>(exact.get(), block.size()),
                                                 TMBusType::mtWireless);
        EXPECT_FALSE(r.decodable) << "tail of " << tail.size() << " bytes starting " << int(tail[0]);
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_TRUE(target.empty());
    }
}

TEST_F(RecordParser, EmptyBlockHasNoRecords)
{
    TVariableList target;
    const ParseResult r = Parse_Data_Records(target, 5, {}, TMBusType::mtWireless);
    EXPECT_TRUE(r.decodable);
    EXPECT_EQ(r.result, 1);
    EXPECT_TRUE(target.empty());
}
