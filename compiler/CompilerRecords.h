#pragma once
// The compiler's own records of the network, filled from M_Bus.xml. They are
// not the network editor's classes: the file is the only contract between
// the two.
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace compiler {

// Bits of TVariabile::Options.
namespace VarOption {
inline constexpr std::uint8_t Conv_Float = 1;
inline constexpr std::uint8_t Force_Int32 = 2;
inline constexpr std::uint8_t BCDtoINT = 4;
inline constexpr std::uint8_t TP_Mod_Regs = 8;
} // namespace VarOption

inline constexpr std::uint8_t TimePointDataType = 20;
inline constexpr std::uint8_t AsciiUnitDataType = 21;
inline constexpr std::uint8_t VariableLengthDimension = 7;

struct TVariabile {
    std::uint8_t Type_Of_Data = 0;
    std::uint8_t Function_Field = 0;
    std::uint8_t Dimension = 0;
    std::uint8_t Unita = 0;
    std::uint16_t Modbus_Register = 0;
    std::uint16_t Modbus_Scale = 0;
    std::uint32_t Storage_Num = 0;
    std::uint32_t Tarif = 0;
    std::uint8_t VIFE = 0;
    std::uint8_t Length = 0;        // only for the variable-length dimension
    std::uint8_t Len_VIF_ASCII = 0; // only for the plain-text unit data type
    std::uint32_t Address_VIF_ASCII = 0;
    QString VIF_ASCII;
    std::uint8_t Options = 0;
    std::uint16_t TP_Mod_Year = 0;
    std::uint16_t Position = 0;
    std::uint8_t Post_Ope = 0;
};

struct TNodo {
    std::uint32_t ID = 0;
    std::uint8_t SND_NKE = 0;
    std::uint8_t Reset_App = 0;
    std::uint32_t Add = 0;
    std::uint16_t Node_State = 0;
    std::uint16_t Ident_Num = 0;
    std::uint16_t RSSI = 0;
    std::uint8_t BCDtoINT_IN = 0;
    std::uint8_t Swap_IN = 0;
    std::uint8_t ID_Type = 0;
    std::uint8_t Var_Type = 0;
    std::uint8_t Cut_After = 0;
    std::uint16_t Mamu_Spec_Data = 0;
    std::uint8_t MSD_Length = 0;
    std::uint8_t MSD_Offset = 0;
    std::uint16_t Address_Arr_Calcolato = 0;
    std::uint16_t Access_Number = 0;
    std::vector<TVariabile> Vars; // never empty once the node is in a list
};

// One entry of bank1.bin's table of wireless meters.
struct WirelessMeterEntry {
    std::uint16_t manufacturer = 0;
    std::uint32_t address = 0;
    std::uint8_t version = 0;
    std::uint8_t deviceType = 0;
    std::array<std::uint8_t, 16> key{}; // zero unless keyFlag is 1
    std::uint8_t keyFlag = 0;
};

inline constexpr int WirelessTableSize = 32;

struct CompiledNetwork {
    std::vector<TNodo> wired;
    // Enabled wired nodes the compile leaves out because the wired bus is
    // not present, as "<node number>: <description>", for the user to be told.
    QStringList leftOutWired;
    std::vector<TNodo> wireless;                // only the two-bank compile fills it
    std::vector<WirelessMeterEntry> meterTable; // one entry per wireless meter, same order
};

inline qsizetype variableCount(const std::vector<TNodo> &nodes)
{
    qsizetype n = 0;
    for (const TNodo &node : nodes)
        n += qsizetype(node.Vars.size());
    return n;
}

} // namespace compiler
