#include "scan/MBusTables.h"

namespace scan {
namespace {

Scaling scaled(int mask, int offset) { return Scaling{true, mask, offset}; }

CodeEntry vif(int first, int last, int category, QStringList texts, Scaling scaling = {},
              VifKind kind = VifKind::Plain)
{
    CodeEntry e;
    e.first = first;
    e.last = last;
    e.category = category;
    e.texts = std::move(texts);
    e.scaling = scaling;
    e.kind = kind;
    return e;
}

CodeEntry ext(int first, int last, QStringList texts, int code, Scaling scaling = {})
{
    CodeEntry e;
    e.first = first;
    e.last = last;
    e.texts = std::move(texts);
    e.code = code;
    e.scaling = scaling;
    return e;
}

CodeEntry extSteps(int first, int last, QStringList texts, int firstCode)
{
    CodeEntry e = ext(first, last, std::move(texts), firstCode);
    e.codeSteps = true;
    return e;
}

CodeEntry extDate(int code, QString text, int extensionCode)
{
    CodeEntry e = ext(code, code, {std::move(text)}, extensionCode);
    e.dateText = true;
    return e;
}

QStringList byUnit(const QString &prefix, const QStringList &units)
{
    QStringList texts;
    for (const QString &unit : units)
        texts << prefix + unit;
    return texts;
}

QStringList secondsToDays()
{
    return {QStringLiteral("Second(s)"), QStringLiteral("Minute(s)"), QStringLiteral("Hour(s)"),
            QStringLiteral("Day(s)")};
}

QStringList hoursToYears()
{
    return {QStringLiteral("Hour(s)"), QStringLiteral("Day(s)"), QStringLiteral("Month(s)"),
            QStringLiteral("Year(s)")};
}

QStringList durations(const QString &ofWhat)
{
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << QStringLiteral(" - Duration 0%1 of %2").arg(i).arg(ofWhat);
    return texts;
}

} // namespace

const QString &CodeEntry::textFor(int c) const
{
    static const QString none;
    if (texts.size() == 1)
        return texts.front();
    const int i = c - first;
    return i >= 0 && i < texts.size() ? texts[i] : none;
}

CodeTable::CodeTable(std::vector<CodeEntry> entries, CodeEntry fallback)
    : m_entries(std::move(entries)), m_fallback(std::move(fallback))
{
    m_rows.fill(&m_fallback);
    for (const CodeEntry &entry : m_entries)
        for (int c = entry.first; c <= entry.last; ++c)
            m_rows[static_cast<std::size_t>(c)] = &entry;
    for (std::size_t c = 0; c < m_rows.size(); ++c)
        m_texts[c] = &m_rows[c]->textFor(static_cast<int>(c));
}

const CodeTable &primaryVifTable()
{
    static const CodeTable table(
        {
            vif(0x00, 0x07, 0, {QStringLiteral("Energy Wh")}, scaled(7, -3)),
            vif(0x08, 0x0F, 1, {QStringLiteral("Energy J")}, scaled(7, 0)),
            vif(0x10, 0x17, 2, {QStringLiteral("Volume m3")}, scaled(7, -6)),
            vif(0x18, 0x1F, 3, {QStringLiteral("Mass kg")}, scaled(7, -3)),
            vif(0x20, 0x23, 4, byUnit(QStringLiteral("On Time "), {QStringLiteral("Seconds"), QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days")})),
            vif(0x24, 0x27, 5, byUnit(QStringLiteral("Operating Time "), {QStringLiteral("Seconds"), QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days")})),
            vif(0x28, 0x2F, 6, {QStringLiteral("Power W")}, scaled(7, -3)),
            vif(0x30, 0x37, 7, {QStringLiteral("Power J/h")}, scaled(7, 0)),
            vif(0x38, 0x3F, 8, {QStringLiteral("Volume Flow m3/h")}, scaled(7, -6)),
            vif(0x40, 0x47, 9, {QStringLiteral("Volume Flow ext. m3/min")}, scaled(7, -7)),
            vif(0x48, 0x4F, 10, {QStringLiteral("Volume Flow ext. m3/s")}, scaled(7, -9)),
            vif(0x50, 0x57, 11, {QStringLiteral("Mass Flow kg/h")}, scaled(7, -3)),
            vif(0x58, 0x5B, 12, {QStringLiteral("Flow Temperature °C")}, scaled(3, -3)),
            vif(0x5C, 0x5F, 13, {QStringLiteral("Return Temperature °C")}, scaled(3, -3)),
            vif(0x60, 0x63, 14, {QStringLiteral("Temperature Difference K")}, scaled(3, -3)),
            vif(0x64, 0x67, 15, {QStringLiteral("External Temperature °C")}, scaled(3, -3)),
            vif(0x68, 0x6B, 16, {QStringLiteral("Pressure bar")}, scaled(3, -3)),
            vif(0x6C, 0x6D, 20, {}, {}, VifKind::TimePoint),
            vif(0x6E, 0x6E, 22, {QStringLiteral("Units for H.C.A.")}),
            vif(0x6F, 0x6F, -1, {}),
            vif(0x70, 0x73, 17, byUnit(QStringLiteral("Averaging Duration "), {QStringLiteral("Seconds"), QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days")})),
            vif(0x74, 0x77, 18, byUnit(QStringLiteral("Actuality Duration "), {QStringLiteral("Seconds"), QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days")})),
            vif(0x78, 0x78, 23, {QStringLiteral("Fabrication No")}),
            vif(0x79, 0x79, 24, {QStringLiteral("Identification")}),
            vif(0x7A, 0x7A, 25, {QStringLiteral("Bus Address")}),
            vif(0x7B, 0x7B, 19, {}),
            vif(0x7C, 0x7C, 21, {QStringLiteral("Vif in following String")}, {}, VifKind::PlainTextUnit),
            vif(0x7D, 0x7D, 19, {}),
            vif(0x7E, 0x7E, -1, {}),
            vif(0x7F, 0x7F, -1, {QStringLiteral("Manufacturer Specific")}),
        },
        vif(0, 0, -1, {}));
    return table;
}

const CodeTable &vifExtensionFdTable()
{
    static const CodeTable table(
        {
            ext(0x00, 0x03, {QStringLiteral("Credit of (currency units)")}, 0x01, scaled(3, -3)),
            ext(0x04, 0x07, {QStringLiteral("Debit of (currency units)")}, 0x02, scaled(3, -3)),
            ext(0x08, 0x08, {QStringLiteral("Unique message Identification")}, 0x03),
            ext(0x09, 0x09, {QStringLiteral("Device Type")}, 0x04),
            ext(0x0A, 0x0A, {QStringLiteral("Manufacturer")}, 0x05),
            ext(0x0B, 0x0B, {QStringLiteral("Parameter Set Identification")}, 0x06),
            ext(0x0C, 0x0C, {QStringLiteral("Model Version")}, 0x07),
            ext(0x0D, 0x0D, {QStringLiteral("Hardware Version Number")}, 0x08),
            ext(0x0E, 0x0E, {QStringLiteral("Metrology (Firmware) Version Number")}, 0x09),
            ext(0x0F, 0x0F, {QStringLiteral("Other Software Version Number")}, 0x0A),
            ext(0x10, 0x10, {QStringLiteral("Customer LOcation")}, 0x0B),
            ext(0x11, 0x11, {QStringLiteral("Customer")}, 0x0C),
            ext(0x12, 0x12, {QStringLiteral("Access Code User")}, 0x0D),
            ext(0x13, 0x13, {QStringLiteral("Access Code Operator")}, 0x0E),
            ext(0x14, 0x14, {QStringLiteral("Access Code System Operator")}, 0x0F),
            ext(0x15, 0x15, {QStringLiteral("Access Code Developer")}, 0x10),
            ext(0x16, 0x16, {QStringLiteral("Password")}, 0x11),
            ext(0x17, 0x17, {QStringLiteral("Error Flag (Binary)")}, 0x12),
            ext(0x18, 0x18, {QStringLiteral("Error Mask")}, 0x13),
            ext(0x19, 0x19, {QStringLiteral("Security Key")}, 0x7E),
            ext(0x1A, 0x1A, {QStringLiteral("Digital Output (Binary)")}, 0x14),
            ext(0x1B, 0x1B, {QStringLiteral("Digital Input (Binary)")}, 0x15),
            ext(0x1C, 0x1C, {QStringLiteral("Baudrate [Baud]")}, 0x16),
            ext(0x1D, 0x1D, {QStringLiteral("Responce Delay Time [Bit-Times]")}, 0x17),
            ext(0x1E, 0x1E, {QStringLiteral("Retry")}, 0x18),
            ext(0x1F, 0x1F, {QStringLiteral("Remote Control (Device Specific e.g. Gas Value)")}, 0x7F),
            ext(0x20, 0x20, {QStringLiteral("First Storage Number for Cyclic Storage")}, 0x19),
            ext(0x21, 0x21, {QStringLiteral("Last Storage Number for Cyclic Storage")}, 0x1A),
            ext(0x22, 0x22, {QStringLiteral("Size of Storage Block")}, 0x1B),
            ext(0x23, 0x23, {QStringLiteral("Reserved")}, -1),
            ext(0x24, 0x27, byUnit(QStringLiteral("Storage Interval "), secondsToDays()), 0x1C),
            ext(0x28, 0x28, {QStringLiteral("Storage Interval Month(s)")}, 0x1D),
            ext(0x29, 0x29, {QStringLiteral("Storage Interval Year(s)")}, 0x1E),
            ext(0x2A, 0x2A, {QStringLiteral("Operator Specific Data")}, 0x80),
            ext(0x2B, 0x2B, {QStringLiteral("Time Point Second (0 to 59)")}, 0x81),
            ext(0x2C, 0x2F, byUnit(QStringLiteral("Duration Since Last Readout "), secondsToDays()), 0x1F),
            ext(0x30, 0x30, {QStringLiteral("Start (Date/Time) of Tariff")}, 0x20),
            ext(0x31, 0x33, byUnit(QStringLiteral("Duration of Tariff "), secondsToDays().mid(1)), 0x21),
            ext(0x34, 0x37, byUnit(QStringLiteral("Period of Tariff "), secondsToDays()), 0x22),
            ext(0x38, 0x38, {QStringLiteral("Period of Tariff Month(s)")}, 0x23),
            ext(0x39, 0x39, {QStringLiteral("Period of Tariff Year(s)")}, 0x24),
            ext(0x3A, 0x3A, {QStringLiteral("Dimensionless / No VIF")}, 0x25),
            ext(0x3B, 0x3B, {QStringLiteral("Data Container for Wireless M-Bus Protocol")}, 0x82),
            ext(0x3C, 0x3F, byUnit(QStringLiteral("Period of Nominal Data Transmissions "), secondsToDays()), 0x83),
            ext(0x40, 0x4F, {QStringLiteral("Electric Units Volts")}, 0x26, scaled(0xF, -9)),
            ext(0x50, 0x5F, {QStringLiteral("Electric Units A")}, 0x27, scaled(0xF, -12)),
            ext(0x60, 0x60, {QStringLiteral("Reset Counter")}, 0x28),
            ext(0x61, 0x61, {QStringLiteral("Cumulation Counter")}, 0x29),
            ext(0x62, 0x62, {QStringLiteral("Control Signal")}, 0x2A),
            ext(0x63, 0x63, {QStringLiteral("Day of Week")}, 0x2B),
            ext(0x64, 0x64, {QStringLiteral("Week Number")}, 0x2C),
            ext(0x65, 0x65, {QStringLiteral("Time Point of Day Change")}, 0x2D),
            ext(0x66, 0x66, {QStringLiteral("State of Parameter Activation")}, 0x2E),
            ext(0x67, 0x67, {QStringLiteral("Special Supplier Information")}, 0x2F),
            ext(0x68, 0x6B, byUnit(QStringLiteral("Duration Since Last Cumulation "), hoursToYears()), 0x30),
            ext(0x6C, 0x6F, byUnit(QStringLiteral("Operating Time Battery "), hoursToYears()), 0x31),
            ext(0x70, 0x70, {QStringLiteral("Date and Time of Battery Change")}, 0x32),
            ext(0x71, 0x71, {QStringLiteral("RF Level Units: dBm")}, 0x84),
            ext(0x72, 0x72, {QStringLiteral("Daylight Savings (Beginning, Ending, Deviation) Data Type K")}, 0x85),
            ext(0x73, 0x73, {QStringLiteral("Listening Window Management Data Type L")}, 0x86),
            ext(0x74, 0x74, {QStringLiteral("Remaining Battery Life Time (Days)")}, 0x87),
            ext(0x75, 0x75, {QStringLiteral("Number Times the Meter Was Stopped")}, 0x88),
            ext(0x76, 0x7F, {QStringLiteral("Reserved")}, -1),
        },
        ext(0, 0, {QStringLiteral("Reserved")}, -1));
    return table;
}

const CodeTable &vifExtensionFbTable()
{
    static const CodeTable table(
        {
            ext(0x00, 0x01, {QStringLiteral("Energy MWh")}, 0x33, scaled(1, -1)),
            ext(0x02, 0x03, {QStringLiteral("Reactive Energy kVARh")}, 0x89, scaled(1, 0)),
            ext(0x04, 0x05, {QStringLiteral("Apparent Energy kVAh")}, 0x8A, scaled(1, 0)),
            ext(0x08, 0x09, {QStringLiteral("Energy GJ")}, 0x34, scaled(1, -1)),
            ext(0x0C, 0x0F, {QStringLiteral("Energy MCal")}, 0x8B, scaled(3, -1)),
            ext(0x10, 0x11, {QStringLiteral("Volume m3")}, 0x35, scaled(1, 2)),
            ext(0x14, 0x17, {QStringLiteral("Reactive Power kVAR")}, 0x8C, scaled(3, -3)),
            ext(0x18, 0x19, {QStringLiteral("Volume t")}, 0x36, scaled(1, 2)),
            ext(0x1A, 0x1B, {QStringLiteral("Relative Humidity %")}, 0x8D, scaled(1, -1)),
            ext(0x20, 0x20, {QStringLiteral("Volume Feet 3")}, 0x8E),
            ext(0x21, 0x21, {QStringLiteral("Volume 0,1 Feet 3")}, 0x37),
            ext(0x22, 0x22, {QStringLiteral("Volume 0,1 American Gallon")}, 0x38),
            ext(0x23, 0x23, {QStringLiteral("Volume 1 American Gallon")}, 0x39),
            ext(0x24, 0x24, {QStringLiteral("Volume Flow 0,001 American Gallon/min")}, 0x3A),
            ext(0x25, 0x25, {QStringLiteral("Volume Flow 1 American Gallon/min")}, 0x3B),
            ext(0x26, 0x26, {QStringLiteral("Volume Flow 1 American Gallon/h")}, 0x3C),
            ext(0x28, 0x29, {QStringLiteral("Power MW")}, 0x3D, scaled(1, -1)),
            ext(0x2A, 0x2A, {QStringLiteral("Phase U-U (Volt. to Volt.)")}, 0x8F),
            ext(0x2B, 0x2B, {QStringLiteral("Phase U-I (Volt. to Current)")}, 0x90),
            ext(0x2C, 0x2F, {QStringLiteral("Frequency Hz")}, 0x91, scaled(3, -3)),
            ext(0x30, 0x31, {QStringLiteral("Power GJ/h")}, 0x3E, scaled(1, -1)),
            ext(0x34, 0x37, {QStringLiteral("Apparent Power kVA")}, 0x92, scaled(3, -3)),
            ext(0x58, 0x5B, {QStringLiteral("Flow Temperature °F")}, 0x3F, scaled(3, -3)),
            ext(0x5C, 0x5F, {QStringLiteral("Return Temperature °F")}, 0x40, scaled(3, -3)),
            ext(0x60, 0x63, {QStringLiteral("Temperature Difference °F")}, 0x41, scaled(3, -3)),
            ext(0x64, 0x67, {QStringLiteral("External Temperature °F")}, 0x42, scaled(3, -3)),
            ext(0x70, 0x73, {QStringLiteral("Cold / Warm Temperature Limit °F")}, 0x43, scaled(3, -3)),
            ext(0x74, 0x77, {QStringLiteral("Cold / Warm Temperature Limit °C")}, 0x44, scaled(3, -3)),
            ext(0x78, 0x7F, {QStringLiteral("Cum. Max. of Active Power W")}, 0x45, scaled(7, -3)),
        },
        ext(0, 0, {QStringLiteral("Reserved")}, -1));
    return table;
}

const CodeTable &combinableVifeTable()
{
    static const CodeTable table(
        {
            ext(0x00, 0x00, {QStringLiteral(" - None")}, 0x6C),
            ext(0x01, 0x01, {QStringLiteral(" - Too Many DIFEs")}, 0x6D),
            ext(0x02, 0x02, {QStringLiteral(" - Storage Number not Implemented")}, 0x6E),
            ext(0x03, 0x03, {QStringLiteral(" - Unit Number not Implemented")}, 0x6F),
            ext(0x04, 0x04, {QStringLiteral(" - Tariff Number not Implemented")}, 0x70),
            ext(0x05, 0x05, {QStringLiteral(" - Function not Implemented")}, 0x71),
            ext(0x06, 0x06, {QStringLiteral(" - Data Class not Implemented")}, 0x72),
            ext(0x07, 0x07, {QStringLiteral(" - Data Size not Implemented")}, 0x73),
            ext(0x0B, 0x0B, {QStringLiteral(" - Too Many VIFEs")}, 0x74),
            ext(0x0C, 0x0C, {QStringLiteral(" - Illegal VIF-Group")}, 0x75),
            ext(0x0D, 0x0D, {QStringLiteral(" - Illegal VIF-Exponent")}, 0x76),
            ext(0x0E, 0x0E, {QStringLiteral(" - VIF / DIF Mismatch")}, 0x77),
            ext(0x0F, 0x0F, {QStringLiteral(" - Unimplemented Action")}, 0x78),
            ext(0x15, 0x15, {QStringLiteral(" - No Data Available (Undefined Value)")}, 0x79),
            ext(0x16, 0x16, {QStringLiteral(" - Data Overflow")}, 0x7A),
            ext(0x17, 0x17, {QStringLiteral(" - Data Underflow")}, 0x7B),
            ext(0x18, 0x18, {QStringLiteral(" - Data Error")}, 0x7C),
            ext(0x1C, 0x1C, {QStringLiteral(" - Premature End of Record")}, 0x7D),
            extSteps(0x20, 0x27,
                     {QStringLiteral(" - Per Second"), QStringLiteral(" - Per Minute"), QStringLiteral(" - Per Hour"),
                      QStringLiteral(" - Per Day"), QStringLiteral(" - Per Week"), QStringLiteral(" - Per Month"),
                      QStringLiteral(" - Per Year"), QStringLiteral(" - Per Revolution / Measurement")},
                     0x46),
            ext(0x28, 0x29,
                {QStringLiteral(" - Increment per Input Pulse on Input Channel 0"),
                 QStringLiteral(" - Increment per Input Pulse on Input Channel 1")},
                0x4E),
            ext(0x2A, 0x2B,
                {QStringLiteral(" - Increment per Output Pulse on Output Channel 0"),
                 QStringLiteral(" - Increment per Output Pulse on Output Channel 1")},
                0x4F),
            extSteps(0x2C, 0x3C,
                     {QStringLiteral(" - Per Liter"), QStringLiteral(" - Per m3"), QStringLiteral(" - Per kg"),
                      QStringLiteral(" - Per K (Kelvin)"), QStringLiteral(" - Per kWh"), QStringLiteral(" - Per GJ"),
                      QStringLiteral(" - Per kW"), QStringLiteral(" - Per (K*l)(Kelvin * Litre)"),
                      QStringLiteral(" - Per V (Volt)"), QStringLiteral(" - Per (A) (Ampere)"),
                      QStringLiteral(" - Multiplied by s"), QStringLiteral(" - Multiplied by s / V"),
                      QStringLiteral(" - Multiplied by s / A"), QStringLiteral(" - Start Date (/Time) of"),
                      QStringLiteral(" - VIF Contains Uncorrect Unit or Value at Metering Conditions Instead of Converted Unit"),
                      QStringLiteral(" - Accumulation Only if Positive Contributions (Forward Flow Contribution)"),
                      QStringLiteral(" - Accumulation of abs Value Only if Negative Contributions (Backward Flow)")},
                     0x50),
            ext(0x3D, 0x3D, {QStringLiteral(" - Reserved for Alternate non-metric Unit System (according to Annex C)")}, 0x93),
            ext(0x3E, 0x3E, {QStringLiteral(" - Value at Base Conditions")}, 0x94),
            ext(0x40, 0x40, {QStringLiteral(" - Lower Limit Value")}, 0x61),
            ext(0x48, 0x48, {QStringLiteral(" - Upper Limit Value")}, 0x61),
            ext(0x41, 0x41, {QStringLiteral(" - # of Exceeds of Lower Limit")}, 0x62),
            ext(0x49, 0x49, {QStringLiteral(" - # of Exceeds of Upper Limit")}, 0x62),
            extDate(0x42, QStringLiteral(" - Date(/Time) of Begin of First Lower Limit Exceed"), 0x63),
            extDate(0x43, QStringLiteral(" - Date(/Time) of End of First Lower Limit Exceed"), 0x63),
            extDate(0x46, QStringLiteral(" - Date(/Time) of Begin of Last Lower Limit Exceed"), 0x63),
            extDate(0x47, QStringLiteral(" - Date(/Time) of End of Last Lower Limit Exceed"), 0x63),
            extDate(0x4A, QStringLiteral(" - Date(/Time) of Begin of First Upper Limit Exceed"), 0x63),
            extDate(0x4B, QStringLiteral(" - Date(/Time) of End of First Upper Limit Exceed"), 0x63),
            extDate(0x4E, QStringLiteral(" - Date(/Time) of Begin of Last Upper Limit Exceed"), 0x63),
            extDate(0x4F, QStringLiteral(" - Date(/Time) of End of Last Upper Limit Exceed"), 0x63),
            ext(0x50, 0x53, durations(QStringLiteral("First Lower Limit Exceed")), 0x64),
            ext(0x54, 0x57, durations(QStringLiteral("Last Lower Limit Exceed")), 0x64),
            ext(0x58, 0x5B, durations(QStringLiteral("First Upper Limit Exceed")), 0x64),
            ext(0x5C, 0x5F, durations(QStringLiteral("Last Upper Limit Exceed")), 0x64),
            ext(0x60, 0x63, durations(QStringLiteral("First")), 0x65),
            ext(0x64, 0x67, durations(QStringLiteral("Last")), 0x65),
            ext(0x68, 0x68, {QStringLiteral(" - Value During Lower Limit Exceed")}, 0x95),
            ext(0x6C, 0x6C, {QStringLiteral(" - Value During Upper Limit Exceed")}, 0x95),
            ext(0x69, 0x69, {QStringLiteral(" - Leakage Values")}, 0x96),
            ext(0x6D, 0x6D, {QStringLiteral(" - Overflow Values")}, 0x97),
            extDate(0x6A, QStringLiteral(" - Date(/Time) of Begin of First"), 0x66),
            extDate(0x6B, QStringLiteral(" - Date(/Time) of End of First"), 0x66),
            extDate(0x6E, QStringLiteral(" - Date(/Time) of Begin of Last"), 0x66),
            extDate(0x6F, QStringLiteral(" - Date(/Time) of End of Last"), 0x66),
            ext(0x70, 0x77,
                {QStringLiteral(" - Moltiplicative Correction Factor: 10^(-6)"),
                 QStringLiteral(" - Moltiplicative Correction Factor: 10^(-5)"),
                 QStringLiteral(" - Moltiplicative Correction Factor: 10^(-4)"),
                 QStringLiteral(" - Moltiplicative Correction Factor: 10^(-3)"),
                 QStringLiteral(" - Moltiplicative Correction Factor: 10^(-2)"),
                 QStringLiteral(" - Moltiplicative Correction Factor: 10^(-1)"),
                 QStringLiteral(" - Moltiplicative Correction Factor: 10^(0)"),
                 QStringLiteral(" - Moltiplicative Correction Factor: 10^(1)")},
                0x67, scaled(7, -6)),
            ext(0x78, 0x7B,
                {QStringLiteral(" - Additive Correction Constant: 10^(-3) * Unit of VIF"),
                 QStringLiteral(" - Additive Correction Constant: 10^(-2) * Unit of VIF"),
                 QStringLiteral(" - Additive Correction Constant: 10^(-1) * Unit of VIF"),
                 QStringLiteral(" - Additive Correction Constant: 10^(0) * Unit of VIF")},
                0x68, scaled(3, -3)),
            ext(0x7D, 0x7D, {QStringLiteral(" - Multiplicative Cerrection Factor: 10^(3)")}, 0x69, scaled(0, 3)),
            ext(0x7E, 0x7E, {QStringLiteral(" - Future Value")}, 0x6A),
            ext(0x7F, 0x7F, {QStringLiteral(" - Next VIFEs and Data of This Block Are Manufacturer Specific")}, 0x6B),
        },
        ext(0, 0, {QStringLiteral(" - Reserved")}, -1));
    return table;
}

const QString &phaseExtensionText(int code)
{
    static const QString none;
    static const QString phases[] = {
        none,
        QStringLiteral(" - At Phase L1"),
        QStringLiteral(" - At Phase L2"),
        QStringLiteral(" - At Phase L3"),
        QStringLiteral(" - At Neutral (N)"),
        QStringLiteral(" - Between Phase L1 and L2"),
        QStringLiteral(" - Between Phase L2 and L3"),
        QStringLiteral(" - Between Phase L3 and L1"),
    };
    static const QString absoluteCount =
        QStringLiteral(" - Accumulation of abs. Value for Both Positive and Negative Contribution (Absolute Count)");
    if (code == 16)
        return absoluteCount;
    return code >= 1 && code <= 7 ? phases[code] : none;
}

const DataFieldEntry &dataFieldEntry(int dataField)
{
    static const std::array<DataFieldEntry, 16> table = {{
        {QString(), 0, false, QStringLiteral("No data"), 0},
        {QStringLiteral("8 Bit Integer"), 1, false, QStringLiteral("8 Bit Integer"), 1},
        {QStringLiteral("16 Bit Integer"), 2, false, QStringLiteral("16 Bit Integer"), 2},
        {QStringLiteral("24 Bit Integer"), 3, false, QStringLiteral("24 Bit Integer"), 3},
        {QStringLiteral("32 Bit Integer"), 4, false, QStringLiteral("32 Bit Integer"), 4},
        {QStringLiteral("32 Bit Real"), 4, false, QStringLiteral("32 Bit real"), 4},
        {QStringLiteral("48 Bit Integer"), 6, false, QStringLiteral("48 Bit Integer"), 6},
        {QStringLiteral("64 Bit Integer"), 8, false, QStringLiteral("64 Bit Integer"), 8},
        {QString(), 0, false, QStringLiteral("Selection for Readout"), 0},
        {QStringLiteral("2 Digit BCD"), 1, true, QStringLiteral("2 digit BCD"), 1},
        {QStringLiteral("4 Digit BCD"), 2, true, QStringLiteral("4 digit BCD"), 2},
        {QStringLiteral("6 Digit BCD"), 3, true, QStringLiteral("6 digit BCD"), 3},
        {QStringLiteral("8 Digit BCD"), 4, true, QStringLiteral("8 digit BCD"), 4},
        {QString(), 0, false, QString(), 0}, // variable length: see lvarEntry()
        {QStringLiteral("12 Digit BCD"), 6, true, QStringLiteral("12 digit BCD"), 6},
        {QStringLiteral("Special Function"), 0, false, QString(), 0},
    }};
    return table[static_cast<std::size_t>(dataField & 0x0F)];
}

namespace {

LvarEntry makeLvarEntry(std::uint8_t lvar)
{
    if (lvar <= 0xBF)
        return {lvar, QStringLiteral("Variable Length - ASCII String with %1characters").arg(lvar),
                QStringLiteral("Variable length: ASCII string with %1 characters").arg(lvar), false};
    if (lvar <= 0xCF) {
        const int n = lvar - 0xC0;
        return {n, QStringLiteral("Variable Length - Positive BCD Number with %1 digits").arg(2 * n),
                QStringLiteral("Variable length: Positive BCD number with %1 *2 digits").arg(n), false};
    }
    if (lvar <= 0xDF) {
        const int n = lvar - 0xD0;
        return {n, QStringLiteral("Variable Length - Negative BCD Number with %1 digits").arg(2 * n),
                QStringLiteral("Variable length: Negative BCD number with %1 *2 digits").arg(n), false};
    }
    if (lvar <= 0xEF) {
        const int n = lvar - 0xE0;
        return {n, QStringLiteral("Variable Length - Binary Number with %1 Bytes").arg(n),
                QStringLiteral("Variable length: Binary number with %1 bytes").arg(n), false};
    }
    if (lvar <= 0xFA) {
        const int n = lvar - 0xF0;
        return {n, QStringLiteral("Variable Length - Floating Point Number with %1 Bytes").arg(n),
                QStringLiteral("Variable length: Floating Point number with %1 bytes").arg(n), false};
    }
    return {0, QStringLiteral("Variable Length - Reserved"), QStringLiteral("Variable length: Reserved"), true};
}

} // namespace

int lvarByteCount(std::uint8_t lvar)
{
    if (lvar <= 0xBF)
        return lvar;
    if (lvar <= 0xFA)
        return (lvar & 0x0F);
    return 0;
}

const LvarEntry &lvarEntry(std::uint8_t lvar)
{
    // Built once: the texts carry numbers, and records copy them.
    static const std::array<LvarEntry, 256> entries = [] {
        std::array<LvarEntry, 256> all;
        for (int i = 0; i < 256; ++i)
            all[static_cast<std::size_t>(i)] = makeLvarEntry(static_cast<std::uint8_t>(i));
        return all;
    }();
    return entries[lvar];
}


const QString &functionFieldText(int functionField)
{
    static const QString texts[] = {QStringLiteral("Istantaneous value"), QStringLiteral("Maximum value"),
                                    QStringLiteral("Minimum value"), QStringLiteral("Value during error state")};
    return texts[functionField >= 0 && functionField <= 2 ? functionField : 3];
}

const QString &timePointDescription(int dataField)
{
    static const QString none;
    static const QString typeG = QStringLiteral("Time Point Date (Type G)");
    static const QString typeJ = QStringLiteral("Time Point Extended Time Point (Type J)");
    static const QString typeF = QStringLiteral("Time Point Date and Time (Type F)");
    static const QString typeI = QStringLiteral("Time Point Extended Date and Time Point (Type I)");
    switch (dataField) {
    case 2: return typeG;
    case 3: return typeJ;
    case 4: return typeF;
    case 6: return typeI;
    default: return none;
    }
}

QString mediumText(quint32 code)
{
    switch (code) {
    case 1: return QStringLiteral("Oil");
    case 2: return QStringLiteral("Electricity");
    case 3: return QStringLiteral("Gas");
    case 4: return QStringLiteral("Heat (outlet)");
    case 5: return QStringLiteral("Steam");
    case 6: return QStringLiteral("Hot Water");
    case 7: return QStringLiteral("Water");
    case 8: return QStringLiteral("Heat Cost Allocator.");
    case 9: return QStringLiteral("Compressed Air");
    case 10: return QStringLiteral("Cooling load meter (outlet)");
    case 11: return QStringLiteral("Cooling load meter (inlet)");
    case 12: return QStringLiteral("Heat (inlet) ");
    case 13: return QStringLiteral("Heat/Cooling load meter");
    case 14: return QStringLiteral("Bus/System");
    case 15: return QStringLiteral("Unknown Medium");
    case 22: return QStringLiteral("Cold Water");
    case 23: return QStringLiteral("Dual Water");
    case 24: return QStringLiteral("Pressure");
    case 25: return QStringLiteral("A/D Converter");
    default: return QStringLiteral("Other");
    }
}

const QString &weekdayText(int weekday)
{
    static const QString none;
    static const QStringList names = {QStringLiteral("Monday "),   QStringLiteral("Tuesday "),
                                      QStringLiteral("Wednesday "), QStringLiteral("Thursday "),
                                      QStringLiteral("Friday "),   QStringLiteral("Saturday "),
                                      QStringLiteral("Sunday ")};
    return weekday >= 1 && weekday <= 7 ? names[weekday - 1] : none;
}

} // namespace scan
