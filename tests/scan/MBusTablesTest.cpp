#include "QStringPrinter.h"
#include "scan/MBusNames.h"
#include "scan/MBusTables.h"

#include <gtest/gtest.h>

#include <set>

using namespace scan;

namespace {

struct NamedTable {
    const char *name;
    const CodeTable &table;
};

std::vector<NamedTable> allCodeTables()
{
    return {{"primary VIF", primaryVifTable()},
            {"VIF FD", vifExtensionFdTable()},
            {"VIF FB", vifExtensionFbTable()},
            {"combinable VIFE", combinableVifeTable()}};
}

} // namespace

TEST(MBusTables, RowsAreWellFormed)
{
    for (const NamedTable &t : allCodeTables()) {
        std::set<int> seen;
        for (const CodeEntry &e : t.table.entries()) {
            SCOPED_TRACE(std::string(t.name) + " row " + std::to_string(e.first));
            EXPECT_LE(e.first, e.last);
            EXPECT_GE(e.first, 0);
            EXPECT_LE(e.last, 0x7F);
            for (int c = e.first; c <= e.last; ++c)
                EXPECT_TRUE(seen.insert(c).second) << "code " << c << " in two rows";
            // One text for the range, or exactly one per code.
            EXPECT_TRUE(e.texts.size() <= 1 || e.texts.size() == e.last - e.first + 1);
            for (const QString &text : e.texts)
                EXPECT_FALSE(text.isEmpty());
        }
    }
}

TEST(MBusTables, ExtensionCodesAreTheVifeListPositions)
{
    // Codes 1 to 151 are the entries of the network editor's "VIFE" list:
    // the two extension tables and the combinable VIFE share them out, each
    // exactly once, and use no other.
    std::set<int> used;
    for (const NamedTable &t : allCodeTables()) {
        if (&t.table == &primaryVifTable())
            continue;
        for (const CodeEntry &e : t.table.entries())
            for (int c = e.first; c <= e.last; ++c)
                if (e.codeFor(c) >= 0)
                    used.insert(e.codeFor(c));
    }
    std::set<int> all;
    for (int code = 1; code <= 0x97; ++code)
        all.insert(code);
    EXPECT_EQ(used, all);
}

TEST(MBusTables, CodeLookups)
{
    struct Case {
        const CodeTable &table;
        int code;
        const char *text;
        int extensionCode;
        int exponent; // 99: no scaling
    };
    const std::vector<Case> cases = {
        {primaryVifTable(), 0x03, "Energy Wh", -1, 0},
        {primaryVifTable(), 0x15, "Volume m3", -1, -1},
        {primaryVifTable(), 0x21, "On Time Minutes", -1, 99},
        {primaryVifTable(), 0x4A, "Volume Flow ext. m3/s", -1, -7},
        {primaryVifTable(), 0x73, "Averaging Duration Days", -1, 99},
        {primaryVifTable(), 0x76, "Actuality Duration Hours", -1, 99},
        {vifExtensionFdTable(), 0x03, "Credit of (currency units)", 0x01, 0},
        {vifExtensionFdTable(), 0x04, "Debit of (currency units)", 0x02, -3},
        {vifExtensionFdTable(), 0x0E, "Metrology (Firmware) Version Number", 0x09, 99},
        {vifExtensionFdTable(), 0x1F, "Remote Control (Device Specific e.g. Gas Value)", 0x7F, 99},
        {vifExtensionFdTable(), 0x2B, "Time Point Second (0 to 59)", 0x81, 99},
        {vifExtensionFdTable(), 0x2C, "Duration Since Last Readout Second(s)", 0x1F, 99},
        {vifExtensionFdTable(), 0x30, "Start (Date/Time) of Tariff", 0x20, 99},
        {vifExtensionFdTable(), 0x37, "Period of Tariff Day(s)", 0x22, 99},
        {vifExtensionFdTable(), 0x3F, "Period of Nominal Data Transmissions Day(s)", 0x83, 99},
        {vifExtensionFdTable(), 0x4F, "Electric Units Volts", 0x26, 6},
        {vifExtensionFdTable(), 0x50, "Electric Units A", 0x27, -12},
        {vifExtensionFdTable(), 0x67, "Special Supplier Information", 0x2F, 99},
        {vifExtensionFdTable(), 0x6B, "Duration Since Last Cumulation Year(s)", 0x30, 99},
        {vifExtensionFdTable(), 0x72, "Daylight Savings (Beginning, Ending, Deviation) Data Type K", 0x85, 99},
        {vifExtensionFbTable(), 0x03, "Reactive Energy kVARh", 0x89, 1},
        {vifExtensionFbTable(), 0x0F, "Energy MCal", 0x8B, 2},
        {vifExtensionFbTable(), 0x17, "Reactive Power kVAR", 0x8C, 0},
        {vifExtensionFbTable(), 0x19, "Volume t", 0x36, 3},
        {vifExtensionFbTable(), 0x2F, "Frequency Hz", 0x91, 0},
        {vifExtensionFbTable(), 0x31, "Power GJ/h", 0x3E, 0},
        {vifExtensionFbTable(), 0x36, "Apparent Power kVA", 0x92, -1},
        {vifExtensionFbTable(), 0x58, "Flow Temperature °F", 0x3F, -3},
        {vifExtensionFbTable(), 0x7F, "Cum. Max. of Active Power W", 0x45, 4},
        {vifExtensionFbTable(), 0x38, "Reserved", -1, 99},
        {combinableVifeTable(), 0x27, " - Per Revolution / Measurement", 0x4D, 99},
        {combinableVifeTable(), 0x29, " - Increment per Input Pulse on Input Channel 1", 0x4E, 99},
        {combinableVifeTable(), 0x2F, " - Per K (Kelvin)", 0x53, 99},
        {combinableVifeTable(), 0x3A, " - VIF Contains Uncorrect Unit or Value at Metering Conditions Instead of Converted Unit", 0x5E, 99},
        {combinableVifeTable(), 0x3C, " - Accumulation of abs Value Only if Negative Contributions (Backward Flow)", 0x60, 99},
        {combinableVifeTable(), 0x3D, " - Reserved for Alternate non-metric Unit System (according to Annex C)", 0x93, 99},
        {combinableVifeTable(), 0x49, " - # of Exceeds of Upper Limit", 0x62, 99},
        {combinableVifeTable(), 0x4E, " - Date(/Time) of Begin of Last Upper Limit Exceed", 0x63, 99},
        {combinableVifeTable(), 0x53, " - Duration 03 of First Lower Limit Exceed", 0x64, 99},
        {combinableVifeTable(), 0x5C, " - Duration 00 of Last Upper Limit Exceed", 0x64, 99},
        {combinableVifeTable(), 0x65, " - Duration 01 of Last", 0x65, 99},
        {combinableVifeTable(), 0x6D, " - Overflow Values", 0x97, 99},
        {combinableVifeTable(), 0x77, " - Moltiplicative Correction Factor: 10^(1)", 0x67, 1},
        {combinableVifeTable(), 0x78, " - Additive Correction Constant: 10^(-3) * Unit of VIF", 0x68, -3},
        {combinableVifeTable(), 0x7F, " - Next VIFEs and Data of This Block Are Manufacturer Specific", 0x6B, 99},
        {combinableVifeTable(), 0x44, " - Reserved", -1, 99},
        {combinableVifeTable(), 0x1D, " - Reserved", -1, 99},
    };
    for (const Case &c : cases) {
        const CodeEntry &e = c.table.lookup(c.code);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(e.textFor(c.code), QString::fromUtf8(c.text));
        EXPECT_EQ(e.codeFor(c.code), c.extensionCode);
        EXPECT_EQ(e.scaling.applies ? e.scaling.exponentFor(c.code) : 99, c.exponent);
    }
    EXPECT_TRUE(combinableVifeTable().lookup(0x4A).dateText);
    EXPECT_TRUE(combinableVifeTable().lookup(0x6F).dateText);
    EXPECT_FALSE(combinableVifeTable().lookup(0x68).dateText);
}

TEST(MBusTables, PhaseExtensionTexts)
{
    EXPECT_EQ(phaseExtensionText(3), QStringLiteral(" - At Phase L3"));
    EXPECT_EQ(phaseExtensionText(4), QStringLiteral(" - At Neutral (N)"));
    EXPECT_EQ(phaseExtensionText(7), QStringLiteral(" - Between Phase L3 and L1"));
    EXPECT_EQ(phaseExtensionText(0), QString());
    EXPECT_EQ(phaseExtensionText(8), QString());
}

TEST(MBusTables, DataFields)
{
    struct Row {
        const char *dataFieldStr;
        int bytes;
        bool bcd;
        const char *descdim;
    };
    const Row rows[16] = {
        {"", 0, false, "No data"},
        {"8 Bit Integer", 1, false, "8 Bit Integer"},
        {"16 Bit Integer", 2, false, "16 Bit Integer"},
        {"24 Bit Integer", 3, false, "24 Bit Integer"},
        {"32 Bit Integer", 4, false, "32 Bit Integer"},
        {"32 Bit Real", 4, false, "32 Bit real"},
        {"48 Bit Integer", 6, false, "48 Bit Integer"},
        {"64 Bit Integer", 8, false, "64 Bit Integer"},
        {"", 0, false, "Selection for Readout"},
        {"2 Digit BCD", 1, true, "2 digit BCD"},
        {"4 Digit BCD", 2, true, "4 digit BCD"},
        {"6 Digit BCD", 3, true, "6 digit BCD"},
        {"8 Digit BCD", 4, true, "8 digit BCD"},
        {"", 0, false, ""},
        {"12 Digit BCD", 6, true, "12 digit BCD"},
        {"Special Function", 0, false, ""},
    };
    for (int df = 0; df < 16; ++df) {
        const DataFieldEntry &e = dataFieldEntry(df);
        SCOPED_TRACE(df);
        EXPECT_EQ(e.dataFieldStr, QString::fromLatin1(rows[df].dataFieldStr));
        EXPECT_EQ(e.bytesRead, rows[df].bytes);
        EXPECT_EQ(e.nbyte, rows[df].bytes);
        EXPECT_EQ(e.bcd, rows[df].bcd);
        EXPECT_EQ(e.descdim, QString::fromLatin1(rows[df].descdim));
    }
    EXPECT_EQ(lvarEntry(0xBF).byteCount, 0xBF);
    EXPECT_EQ(lvarEntry(0xCF).byteCount, 15);
    EXPECT_EQ(lvarEntry(0xFA).byteCount, 10);
    EXPECT_TRUE(lvarEntry(0xFF).reserved);
    EXPECT_FALSE(lvarEntry(0xFA).reserved);
    for (int lvar = 0; lvar < 256; ++lvar)
        EXPECT_EQ(lvarByteCount(std::uint8_t(lvar)), lvarEntry(std::uint8_t(lvar)).byteCount) << lvar;
}

TEST(MBusTables, MediumNames)
{
    const std::vector<std::pair<quint32, const char *>> media = {
        {0, "Other"}, {1, "Oil"}, {2, "Electricity"}, {3, "Gas"}, {4, "Heat (outlet)"}, {5, "Steam"},
        {6, "Hot Water"}, {7, "Water"}, {8, "Heat Cost Allocator."}, {9, "Compressed Air"},
        {10, "Cooling load meter (outlet)"}, {11, "Cooling load meter (inlet)"}, {12, "Heat (inlet) "},
        {13, "Heat/Cooling load meter"}, {14, "Bus/System"}, {15, "Unknown Medium"}, {16, "Other"},
        {21, "Other"}, {22, "Cold Water"}, {23, "Dual Water"}, {24, "Pressure"}, {25, "A/D Converter"},
        {26, "Other"}, {255, "Other"}, {0xFFFFFFFF, "Other"},
    };
    for (const auto &[code, text] : media)
        EXPECT_EQ(Medium_To_Text(code), QString::fromLatin1(text)) << code;
}

TEST(MBusTables, ManufacturerLetters)
{
    const std::vector<std::pair<qint32, const char *>> examples = {
        {0x0442, "ABB"}, {0x2C2D, "KAM"}, {0x4024, "PAD"}, {0x0000, "???"}, {0xFFFF, "???"},
        {0x1C08, "G?H"}, {0x0440, "AA?"}, {-5, "???"}, {0x7FFFFFFF, "???"},
    };
    for (const auto &[code, letters] : examples)
        EXPECT_EQ(Trova_Man(code), QString::fromLatin1(letters)) << code;

    // Every code whose three five-bit groups are letters reads as those letters.
    for (int a = 1; a <= 26; ++a)
        for (int b = 1; b <= 26; ++b)
            for (int c = 1; c <= 26; ++c) {
                const QString expected = QString(QChar('@' + a)) + QChar('@' + b) + QChar('@' + c);
                ASSERT_EQ(Trova_Man(a << 10 | b << 5 | c), expected);
            }
    EXPECT_EQ(Letter_Or_Question('A'), QStringLiteral("A"));
    EXPECT_EQ(Letter_Or_Question('a'), QStringLiteral("?"));
    EXPECT_EQ(Letter_Or_Question('['), QStringLiteral("?"));
}

TEST(MBusTables, FunctionAndWeekdayTexts)
{
    EXPECT_EQ(functionFieldText(0), QStringLiteral("Istantaneous value"));
    EXPECT_EQ(functionFieldText(3), QStringLiteral("Value during error state"));
    EXPECT_EQ(weekdayText(1), QStringLiteral("Monday "));
    EXPECT_EQ(weekdayText(7), QStringLiteral("Sunday "));
    EXPECT_EQ(weekdayText(0), QString());
}
