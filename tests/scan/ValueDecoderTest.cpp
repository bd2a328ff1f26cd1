#include "QStringPrinter.h"
#include "scan/TextWriter.h"
#include "scan/ValueDecoder.h"
#include "scan/ValueText.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace scan;

namespace {

struct Input {
    std::uint8_t vif;
    std::vector<std::uint8_t> vifes;
    std::uint8_t dataField;
    std::vector<std::uint8_t> data;
    std::uint8_t lvar = 0;
};

TVariable_MBus decode(const Input &in)
{
    DecoderScratch scratch;
    std::copy(in.data.begin(), in.data.end(), scratch.App_Data_Val.begin());
    std::copy(in.vifes.begin(), in.vifes.end(), scratch.App_Vife_Val.begin());
    TVariable_MBus record;
    Decode_Value_And_Unit(in.vif, scratch.App_Vife_Val[0], in.dataField, in.lvar, static_cast<qint32>(in.data.size()),
                          record, scratch);
    return record;
}

class ValueDecoder : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

struct Case {
    Input in;
    const char *description;
    const char *value;
    int typeData;
    int typeDataVife;
};

void expectCases(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        const TVariable_MBus r = decode(c.in);
        SCOPED_TRACE(QStringLiteral("VIF %1, description %2").arg(c.in.vif, 2, 16).arg(QString::fromUtf8(c.description)).toStdString());
        EXPECT_EQ(r.Desc_Type_Data, QString::fromUtf8(c.description));
        EXPECT_EQ(r.ValueStr, QString::fromUtf8(c.value));
        EXPECT_EQ(r.type_data, c.typeData);
        EXPECT_EQ(r.Type_Data_Vife, c.typeDataVife);
    }
}

} // namespace

TEST_F(ValueDecoder, RawValuesByDataField)
{
    // VIF 0x7A (bus address) keeps the raw number unscaled.
    expectCases({
        {{0x7A, {}, 1, {0xFF}}, "Bus Address", "-1", 25, 0},
        {{0x7A, {}, 2, {0x34, 0x12}}, "Bus Address", "4660", 25, 0},
        {{0x7A, {}, 3, {0xFF, 0xFF, 0xFF}}, "Bus Address", "-1", 25, 0},
        {{0x7A, {}, 3, {0x00, 0x00, 0x80}}, "Bus Address", "-8388608", 25, 0},
        {{0x7A, {}, 4, {0x00, 0x00, 0x00, 0x80}}, "Bus Address", "-2147483648", 25, 0},
        {{0x7A, {}, 5, {0x00, 0x00, 0xC0, 0x3F}}, "Bus Address", "1.5", 25, 0},
        {{0x7A, {}, 6, {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}, "Bus Address", "-2", 25, 0},
        {{0x7A, {}, 7, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}}, "Bus Address", "9.22337203685478E18", 25, 0},
        {{0x7A, {}, 9, {0x99}}, "Bus Address", "99", 25, 0},
        {{0x7A, {}, 10, {0x34, 0x12}}, "Bus Address", "1234", 25, 0},
        {{0x7A, {}, 10, {0x34, 0xF2}}, "Bus Address", "-234", 25, 0},
        {{0x7A, {}, 11, {0x56, 0x34, 0x12}}, "Bus Address", "123456", 25, 0},
        {{0x7A, {}, 12, {0x78, 0x56, 0x34, 0x12}}, "Bus Address", "12345678", 25, 0},
        {{0x7A, {}, 14, {0x12, 0x90, 0x78, 0x56, 0x34, 0x12}}, "Bus Address", "123456789012", 25, 0},
        {{0x7A, {}, 0, {}}, "Bus Address", "0", 25, 0},
    });
}

TEST_F(ValueDecoder, BcdNibblesAndSign)
{
    const std::vector<std::uint8_t> bytes = {0x34, 0x12, 0xA1, 0xF9};
    EXPECT_EQ(BCD_To_Int64(bytes, 2), 1234);
    EXPECT_EQ(BCD_To_Int64(bytes, 3), 1011234); // nibble A counts as 10
    EXPECT_EQ(BCD_To_Int64(bytes, 4), -10011234);
    EXPECT_EQ(BCD_To_Int64(bytes, 0), 0);
    EXPECT_EQ(BCD_To_Int64(bytes, 99), -10011234) << "never reads past the bytes given";
}

TEST_F(ValueDecoder, PrimaryVifNamesAndScales)
{
    expectCases({
        {{0x13, {}, 4, {0x10, 0x27, 0x00, 0x00}}, "Volume m3", "10", 2, 0},
        {{0x05, {}, 4, {0xD2, 0x04, 0x00, 0x00}}, "Energy Wh", "123400", 0, 0},
        {{0x5A, {}, 2, {0xD3, 0xFF}}, "Flow Temperature °C", "-4.5", 12, 0},
        {{0x0E, {}, 1, {0x02}}, "Energy J", "2000000", 1, 0},
        {{0x1B, {}, 1, {0x02}}, "Mass kg", "2", 3, 0},
        {{0x22, {}, 1, {0x02}}, "On Time Hours", "2", 4, 0},
        {{0x27, {}, 1, {0x02}}, "Operating Time Days", "2", 5, 0},
        {{0x2B, {}, 1, {0x02}}, "Power W", "2", 6, 0},
        {{0x30, {}, 1, {0x02}}, "Power J/h", "2", 7, 0},
        {{0x3E, {}, 1, {0x02}}, "Volume Flow m3/h", "2", 8, 0},
        {{0x40, {}, 1, {0x02}}, "Volume Flow ext. m3/min", "2E-7", 9, 0},
        {{0x4F, {}, 1, {0x02}}, "Volume Flow ext. m3/s", "0.02", 10, 0},
        {{0x53, {}, 1, {0x02}}, "Mass Flow kg/h", "2", 11, 0},
        {{0x5F, {}, 1, {0x02}}, "Return Temperature °C", "2", 13, 0},
        {{0x61, {}, 1, {0x02}}, "Temperature Difference K", "0.02", 14, 0},
        {{0x66, {}, 1, {0x02}}, "External Temperature °C", "0.2", 15, 0},
        {{0x6B, {}, 1, {0x02}}, "Pressure bar", "2", 16, 0},
        {{0x6E, {}, 1, {0x02}}, "Units for H.C.A.", "2", 22, 0},
        {{0x6F, {}, 1, {0x02}}, "", "2", 65535, 0},
        {{0x70, {}, 1, {0x02}}, "Averaging Duration Seconds", "2", 17, 0},
        {{0x77, {}, 1, {0x02}}, "Actuality Duration Days", "2", 18, 0},
        {{0x78, {}, 1, {0x02}}, "Fabrication No", "2", 23, 0},
        {{0x79, {}, 1, {0x02}}, "Identification", "2", 24, 0},
        {{0x7B, {}, 1, {0x02}}, "", "2", 19, 0},
        {{0x7D, {}, 1, {0x02}}, "", "2", 19, 0},
        {{0x7F, {}, 1, {0x02}}, "Manufacturer Specific", "2", 65535, 0},
        {{0x7C, {}, 13, {0x41, 0x42, 0x43}, 0x03}, "Vif in following String", "ABC", 21, 0},
    });
}

TEST_F(ValueDecoder, TimePoints)
{
    expectCases({
        {{0x6D, {}, 4, {0x1E, 0x0C, 0x2F, 0x13}}, "Time Point Date and Time (Type F)", "15/03/09 12:30", 20, 0},
        {{0x6C, {}, 4, {0x1E, 0x0C, 0x2F, 0x13}}, "Time Point Date and Time (Type F)", "15/03/09 12:30", 20, 0},
        {{0x6C, {}, 2, {0x9F, 0x2C}}, "Time Point Date (Type G)", "31/12/20", 20, 0},
        {{0x6D, {}, 3, {0x05, 0x04, 0x03}}, "Time Point Extended Time Point (Type J)", "03:04:05", 20, 0},
        {{0x6D, {}, 6, {0x2D, 0x1E, 0x4C, 0x2F, 0x13, 0x00}}, "Time Point Extended Date and Time Point (Type I)",
         "Tuesday 15/03/09 12:30:45", 20, 0},
        {{0x6D, {}, 6, {0x2D, 0x1E, 0x0C, 0x2F, 0x13, 0x00}}, "Time Point Extended Date and Time Point (Type I)",
         "15/03/09 12:30:45", 20, 0},
        {{0x6C, {}, 1, {0x07}}, "", "7", 20, 0},
    });
}

TEST_F(ValueDecoder, DecimalSeparatorFollowsTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const TVariable_MBus r = decode({0x5A, {}, 2, {0xD3, 0xFF}});
    EXPECT_EQ(r.ValueStr, QStringLiteral("-4,5"));
}

TEST_F(ValueDecoder, ExtensionTablesFdAndFb)
{
    expectCases({
        {{0xFD, {0x48}, 2, {0xFD, 0x08}}, "Electric Units Volts", "230.1", 19, 0x26},
        {{0xFD, {0x59}, 2, {0x10, 0x00}}, "Electric Units A", "0.016", 19, 0x27},
        {{0xFD, {0x02}, 2, {0x10, 0x00}}, "Credit of (currency units)", "1.6", 19, 0x01},
        {{0xFD, {0x10}, 1, {0x01}}, "Customer LOcation", "1", 19, 0x0B},
        {{0xFD, {0x1D}, 1, {0x01}}, "Responce Delay Time [Bit-Times]", "1", 19, 0x17},
        {{0xFD, {0x19}, 1, {0x01}}, "Security Key", "1", 19, 0x7E},
        {{0xFD, {0x26}, 1, {0x01}}, "Storage Interval Hour(s)", "1", 19, 0x1C},
        {{0xFD, {0x31}, 1, {0x01}}, "Duration of Tariff Minute(s)", "1", 19, 0x21},
        {{0xFD, {0x33}, 1, {0x01}}, "Duration of Tariff Day(s)", "1", 19, 0x21},
        {{0xFD, {0x6D}, 1, {0x01}}, "Operating Time Battery Day(s)", "1", 19, 0x31},
        {{0xFD, {0x75}, 1, {0x01}}, "Number Times the Meter Was Stopped", "1", 19, 0x88},
        {{0xFD, {0x23}, 1, {0x01}}, "Reserved", "1", 19, 0},
        {{0xFD, {0x7A}, 1, {0x01}}, "Reserved", "1", 19, 0},
        {{0xFB, {0x79}, 2, {0x64, 0x00}}, "Cum. Max. of Active Power W", "1", 19, 0x45},
        {{0xFB, {0x75}, 2, {0x64, 0x00}}, "Cold / Warm Temperature Limit °C", "1", 19, 0x44},
        {{0xFB, {0x01}, 2, {0x64, 0x00}}, "Energy MWh", "100", 19, 0x33},
        {{0xFB, {0x11}, 1, {0x02}}, "Volume m3", "2000", 19, 0x35},
        {{0xFB, {0x1A}, 1, {0x02}}, "Relative Humidity %", "0.2", 19, 0x8D},
        {{0xFB, {0x24}, 1, {0x02}}, "Volume Flow 0,001 American Gallon/min", "2", 19, 0x3A},
        {{0xFB, {0x06}, 1, {0x02}}, "Reserved", "2", 19, 0},
        {{0xFB, {0x40}, 1, {0x02}}, "Reserved", "2", 19, 0},
        // Without the extension bit, 7B and 7D name nothing.
        {{0x7D, {0x48}, 1, {0x02}}, "", "2", 19, 0},
    });
}

TEST_F(ValueDecoder, CombinableVifes)
{
    expectCases({
        // The table's code stays; the combinable text is added.
        {{0xFD, {0x99, 0x16}, 1, {0x01}}, "Security Key - Data Overflow", "1", 19, 0x7E},
        {{0x93, {0x3B}, 4, {0x10, 0x27, 0, 0}},
         "Volume m3 - Accumulation Only if Positive Contributions (Forward Flow Contribution)", "10", 2, 0x5F},
        {{0x93, {0xA2, 0x74}, 4, {0x10, 0x27, 0, 0}},
         "Volume m3 - Per Hour - Moltiplicative Correction Factor: 10^(-2)", "0.1", 2, 0x48},
        {{0x93, {0x08}, 4, {0x10, 0x27, 0, 0}}, "Volume m3 - Reserved", "10", 2, 0},
        {{0x93, {0xFD, 0x07}, 4, {0x10, 0x27, 0, 0}},
         "Volume m3 - Multiplicative Cerrection Factor: 10^(3) - Data Size not Implemented", "10000", 2, 0x69},
        {{0x93, {0x7A}, 4, {0x10, 0x27, 0, 0}}, "Volume m3 - Additive Correction Constant: 10^(-1) * Unit of VIF",
         "1", 2, 0x68},
        {{0xAB, {0xFC, 0x01}, 4, {0x0A, 0, 0, 0}}, "Power W - At Phase L1", "10", 6, 0},
        {{0xAB, {0xFC, 0x10, 0x2C}, 4, {0x0A, 0, 0, 0}},
         "Power W - Accumulation of abs. Value for Both Positive and Negative Contribution (Absolute Count)", "10", 6, 0},
        {{0xAB, {0xFC, 0x85, 0x2C}, 4, {0x0A, 0, 0, 0}}, "Power W - Between Phase L1 and L2 - Per Liter", "10", 6, 0x50},
        // The first VIFE of an extension table starts no walk without its extension bit.
        {{0xFD, {0x17, 0x16}, 1, {0x01}}, "Error Flag (Binary)", "1", 19, 0x12},
        // VIF FF: manufacturer VIFE are not combinable.
        {{0xFF, {0x16}, 1, {0x01}}, "Manufacturer Specific", "1", 65535, 0},
        // A plain-text unit with VIF FC walks its VIFE.
        {{0xFC, {0x74}, 13, {0x41}, 0x01}, "Vif in following String - Moltiplicative Correction Factor: 10^(-2)", "A",
         21, 0x67},
    });
}

TEST_F(ValueDecoder, CombinableDatesReplaceTheNumber)
{
    expectCases({
        {{0xAB, {0x6F}, 4, {0x1E, 0x0C, 0x2F, 0x13}}, "Power W - Date(/Time) of End of Last", "15/03/09 12:30", 6, 0x66},
        {{0xAB, {0x42}, 2, {0x9F, 0x2C}}, "Power W - Date(/Time) of Begin of First Lower Limit Exceed", "31/12/20", 6, 0x63},
        {{0xAB, {0x6A}, 1, {0x09}}, "Power W - Date(/Time) of Begin of First", "9", 6, 0x66},
    });
}

TEST_F(ValueDecoder, WalkStopsAtTheTenthVife)
{
    const std::vector<std::uint8_t> tenPerSecond(10, 0xA0);
    const TVariable_MBus r = decode({0x93, tenPerSecond, 1, {0x01}});
    QString expected = QStringLiteral("Volume m3");
    for (int i = 0; i < 10; ++i)
        expected += QStringLiteral(" - Per Second");
    EXPECT_EQ(r.Desc_Type_Data, expected);
    EXPECT_EQ(r.Type_Data_Vife, 0x46);

    // A phase extension on the tenth VIFE has no VIFE to qualify.
    std::vector<std::uint8_t> phaseLast(9, 0xA0);
    phaseLast.push_back(0xFC);
    const TVariable_MBus p = decode({0x93, phaseLast, 1, {0x01}});
    EXPECT_EQ(p.Desc_Type_Data, expected.chopped(13));
}

TEST(ValueText, GeneralFormat)
{
    struct Case {
        long double value;
        const char *text;
    };
    const std::vector<Case> cases = {
        {0, "0"},         {1, "1"},         {-4.5L, "-4.5"},      {230.1L, "230.1"},
        {0.00001L, "0.00001"}, {0.000001L, "1E-6"}, {1.5e20L, "1.5E20"}, {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"}, {0.1L + 0.2L, "0.3"}, {1.0L / 3, "0.333333333333333"},
        {std::numeric_limits<long double>::infinity(), "INF"}, {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatGeneral(c.value, 15, QStringLiteral(".")), QString::fromLatin1(c.text));
    EXPECT_EQ(Two_Digit_Text(7), QStringLiteral("07"));
    EXPECT_EQ(Two_Digit_Text(127), QStringLiteral("127"));
}

// A record's value text comes from the exact digits where the raw number
// allows it; it must be the very text that printing the value worked out in
// extended precision gives: same digits, rounding, exponent and separator.
TEST(ValueText, RecordValueTextIsWhatPrintingItsExtendedValueGives)
{
    std::mt19937_64 random(15);
    std::vector<RecordNumber> numbers;
    auto withSteps = [&](RecordNumber n, std::initializer_list<int> steps) {
        for (const int step : steps)
            n.scale(step);
        numbers.push_back(n);
    };
    auto integer = [](std::int64_t value) {
        RecordNumber n;
        n.integer = value;
        return n;
    };
    auto single = [](float value) {
        RecordNumber n;
        n.kind = RecordNumber::Kind::Single;
        n.single = value;
        return n;
    };

    // Integers of every length and their edges, with the scalings of the
    // tables alone and in chains.
    std::vector<std::int64_t> integers = {0, 1, -1, 5, 45, -45, 1234, 230100, 999999999999999, 1000000000000000,
                                          999999999999999999, 123456789012345678, std::numeric_limits<std::int64_t>::max(),
                                          std::numeric_limits<std::int64_t>::min(), 100000000000000000};
    for (int digits = 1; digits <= 19; ++digits) {
        const std::uint64_t top = digits == 19 ? std::numeric_limits<std::int64_t>::max() : static_cast<std::uint64_t>(std::pow(10.0, digits));
        for (int i = 0; i < 40; ++i) {
            const auto v = static_cast<std::int64_t>(random() % top);
            integers.push_back(i % 2 ? -v : v);
        }
    }
    const std::vector<std::vector<int>> chains = {{}, {0}, {-3}, {-6}, {-7}, {-9}, {-12}, {3}, {4}, {-9, -6}, {-3, 3},
                                                  {-12, 3, -6, 1}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {-6, -6, -6, -6, -6, -6, -6, -6, -6, -6, -6}};
    for (const std::int64_t v : integers)
        for (const auto &chain : chains) {
            RecordNumber n = integer(v);
            for (const int step : chain)
                n.scale(step);
            numbers.push_back(n);
        }

    // Floats: ties at the fifteenth digit, tiny and huge ones, the special
    // values, and random bit patterns, unscaled and scaled.
    const std::vector<float> floats = {0.0f, -0.0f, 0.1f, -4.5f, 1.0f / 3, std::ldexp(1.0f, -22), std::ldexp(3.0f, -23),
                                       std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min(),
                                       std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(),
                                       16777217.0f, 41.737434f};
    for (const float f : floats) {
        withSteps(single(f), {});
        withSteps(single(f), {0});
        withSteps(single(f), {-3});
    }
    for (int i = 0; i < 3000; ++i) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        withSteps(single(f), {});
        if (i % 10 == 0)
            withSteps(single(f), {1, -2});
    }

    for (const QString &point : {QStringLiteral("."), QStringLiteral(","), QStringLiteral("\u066B")}) {
        for (const RecordNumber &n : numbers) {
            TextWriter block;
            appendRecordValue(block, n, point);
            QString text;
            block.finish(text);
            ASSERT_EQ(text, formatGeneral(n.value(), 15, point))
                << (n.kind == RecordNumber::Kind::Integer ? "integer " : "float ") << n.integer << " " << n.single
                << " x 10^" << n.tenPower;
        }
    }
}
