#include "project/NetworkDialogLists.h"

#include <cstddef>
#include <initializer_list>

namespace project {
namespace {

const char16_t *const TypeOfData[] = {
    u"Energy (Wh)", // 0
    u"Energy (J)", // 1
    u"Volume (m³)", // 2
    u"Mass (Kg)", // 3
    u"On Time", // 4
    u"Operating Time", // 5
    u"Power (W)", // 6
    u"Power (J/h)", // 7
    u"Volume Flow (m³/h)", // 8
    u"Volume Flow Ext. (m³/min)", // 9
    u"Volume Flow Ext. (m³/s)", // 10
    u"Mass Flow (Kg/h)", // 11
    u"Flow Temperature (°C)", // 12
    u"Return Temperature (°C)", // 13
    u"Temperature Difference (K)", // 14
    u"External Temperature (°C)", // 15
    u"Pressure (bar)", // 16
    u"Averaging Duration ", // 17
    u"Actuality Duration", // 18
    u"Type of  Data in VIFE", // 19
    u"Time Point", // 20
    u"VIF is in ASCII", // 21
    u"Unit for H.C.A.", // 22
    u"Fabrication No", // 23
    u"(Enhanced) Identification", // 24
    u"Bus Address", // 25
};

const char16_t *const Vife[] = {
    u"Not Selected", // 0
    u"Credit of the nominal local legal currency units", // 1
    u"Debit of the nominal local legal currency units", // 2
    u"Access Number (transmission count)", // 3
    u"Medium (as in fixed header)", // 4
    u"Manufacturer (as in fixed header)", // 5
    u"Parameter set identification", // 6
    u"Model/Version", // 7
    u"Hardware Version #", // 8
    u"Firmware Version #", // 9
    u"Software Version #", // 10
    u"Customer Location", // 11
    u"Customer", // 12
    u"Access Code User", // 13
    u"Access Code Operator", // 14
    u"Access Code System Operator", // 15
    u"Access Code Developer", // 16
    u"Password", // 17
    u"Error flags (binary)", // 18
    u"Error mask", // 19
    u"Digital Output (binary)", // 20
    u"Digital Input (binary)", // 21
    u"Baudrate [Baud]", // 22
    u"response delay time [bittimes]", // 23
    u"Retry", // 24
    u"First storage # for cyclic storage", // 25
    u"Last storage # for cyclic storage", // 26
    u"Size of storage block", // 27
    u"Storage interval [sec(s)..day(s)]", // 28
    u"Storage interval month(s)", // 29
    u"Storage interval year(s)", // 30
    u"Duration since last readout[sec(s)..day(s)]", // 31
    u"Start (date/time) of tariff", // 32
    u"Duration of tariff (nn=01..11:min to day)", // 33
    u"Period of tariff [sec(s) to day(s)]", // 34
    u"Period of tariff months(s)", // 35
    u"Period of tariff year(s)", // 36
    u"dimensionless/ no VIF", // 37
    u"Volts ", // 38
    u"Ampere", // 39
    u"Reset counter", // 40
    u"Comulation counter", // 41
    u"Control signal", // 42
    u"Day of week", // 43
    u"Week number", // 44
    u"Time point of day change", // 45
    u"State of parameter activation", // 46
    u"Special supplier information", // 47
    u"Duration since last comulation [hour(s)..year(s)]", // 48
    u"Operation time battery [hour(s)..year(s)]", // 49
    u"Date and time of battery change", // 50
    u"Energy MWh", // 51
    u"Energy GJ", // 52
    u"Volume ", // 53
    u"Mass", // 54
    u"Volume 0,1 feet^3", // 55
    u"Volume 0,1 american gallon", // 56
    u"Volume 1 american gallon", // 57
    u"Volume flow 0,001 american gallon/min", // 58
    u"Volume flow 1 american gallon/min", // 59
    u"Volume flow 1 american gallon/h", // 60
    u"Power MW", // 61
    u"Power GJ/h", // 62
    u"Flow Temperature", // 63
    u"Return Temperature", // 64
    u"Temperature Difference", // 65
    u"External Temperature", // 66
    u"Cold/Warm Temperature Limit °F", // 67
    u"Cold/Worm Temperature Limit °C", // 68
    u"Cumul. count max power", // 69
    u"per second", // 70
    u"per minute", // 71
    u"per hour", // 72
    u"per day", // 73
    u"per week", // 74
    u"per month", // 75
    u"per year", // 76
    u"per revolution/measurement", // 77
    u"increment per input pulse on input channel", // 78
    u"increment per output pulse on output channel", // 79
    u"per liter", // 80
    u"per m^3", // 81
    u"per kg", // 82
    u"per K (Kelvin)", // 83
    u"per kWh", // 84
    u"per GJ", // 85
    u"per kW", // 86
    u"per (K*l)(Kelvin*liter) ", // 87
    u"per V (Volt)", // 88
    u"per A (Ampere)", // 89
    u"multiplied by sek", // 90
    u"multiplied by sek/V", // 91
    u"multiplied by sek/A", // 92
    u"start date(/time) of", // 93
    u"VIF contains uncorrected unit instead of corrected unit", // 94
    u"Accumulation only if positive contributions", // 95
    u"Accumulation of abs value only if negative contributions", // 96
    u"upper/lower limit value", // 97
    u"# of exceeds of lower/upper limit", // 98
    u"Date(/time) of begin/end of first/last lower/upper limit exceed", // 99
    u"Duration of limit exceed", // 100
    u"Duration of first/last", // 101
    u"Date(/time) of first/last begin/end", // 102
    u"Multiplicative currection factor", // 103
    u"Additive correction constant * unit of VIF (offset)", // 104
    u"Moltiplicative correction factor: 10^3", // 105
    u"future value", // 106
    u"next VIFE's and data of this block are manufacturer specific", // 107
    u"None", // 108
    u"Too many DIFE's", // 109
    u"Storage number not implemented", // 110
    u"Unit number not implemented", // 111
    u"Tariff number not implemented", // 112
    u"Function not implemented", // 113
    u"Data class not implemented", // 114
    u"Data size not implemented", // 115
    u"Too many VIFE's", // 116
    u"Illegal VIF-Group", // 117
    u"Illegal VIF-Exponent", // 118
    u"VIF/DIF mismatch", // 119
    u"Unimplemented action", // 120
    u"No data available (undefined value)", // 121
    u"Data overflow", // 122
    u"Data underflow", // 123
    u"Data error", // 124
    u"Premature end of record ", // 125
    u"Security Key", // 126
    u"Remote control (devicespecific e.g. gas valve)", // 127
    u"Operator specific data", // 128
    u"Time point second (0 to 59)", // 129
    u"Data container for wireless M-Bus protocol", // 130
    u"Period of nominal data transmissions [sec(s) to day(s)]", // 131
    u"RF level units: dBm", // 132
    u"Daylight savings (beginning, ending, deviation) data type K", // 133
    u"Listening window management data type L", // 134
    u"Remaining battery life time (days)", // 135
    u"Number times the meter was stopped", // 136
    u"Reactive energy", // 137
    u"Apparent energy", // 138
    u"Energy", // 139
    u"Reactive power", // 140
    u"Relative humidity", // 141
    u"Volume", // 142
    u"Phase U-U (volt. to volt.)", // 143
    u"Phase U-I (volt. to current)", // 144
    u"Frequency", // 145
    u"Apparent power", // 146
    u"Reserved for alternate non-metric unit system", // 147
    u"Value at base conditions", // 148
    u"Value during lower (u= 0), upper (u = 1) limit exceed", // 149
    u"Leakage values", // 150
    u"Overflow values", // 151
};

QStringList listOf(std::initializer_list<const char16_t *> items)
{
    QStringList list;
    for (const char16_t *item : items)
        list << QString::fromUtf16(item);
    return list;
}

template <std::size_t N>
QStringList listOf(const char16_t *const (&items)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char16_t *item : items)
        list << QString::fromUtf16(item);
    return list;
}

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QString::number(n);
    return list;
}

} // namespace

QStringList typeOfDataItems() { return listOf(TypeOfData); }

QStringList functionFieldItems()
{
    return listOf({u"Instantaneous Value", u"Minimun Value", u"Maximum Value", u"Value During Error State"});
}

QStringList dimensionItems()
{
    return listOf({u"8", u"16", u"32", u"64", u"24", u"48", u"32 Real", u"Variable Length"});
}

QStringList unitItems() { return numbers(0, 10); }

QStringList vifeItems() { return listOf(Vife); }

QStringList postOperationItems()
{
    return listOf({u"None", u" : 10", u" : 100", u" : 1000", u" : 10000", u" : 100000", u" : 1000000", u" * 10", u" * 100", u" * 1000", u" * 10000", u" * 100000", u" * 1000000"});
}

QStringList swapIdentItems() { return listOf({u"None", u"Type 1"}); }

QStringList varListTypeItems() { return listOf({u"By Type", u"By Position"}); }

QStringList cutAfterItems() { return numbers(1, 250); }

} // namespace project
