#pragma once
// The M-Bus network of a configuration while it is edited: an ordered list of
// nodes (meters), each owning the ordered list of its variables (values read
// from the meter and published at Modbus registers). Plain values: copying a
// node copies its variables with it.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace project {

struct TVariabile {
    bool Enable = false;
    QString Description;
    std::int32_t Type_Of_Data = 0;   // "Type of Data" list; 20 time point, 21 VIF in ASCII
    std::int32_t Function_Field = 0; // "Function Field" list
    std::int32_t Dimension = 0;      // "Dimension (bit)" list; 7 variable length
    std::int32_t Unita = 0;          // unit number 0 to 10
    std::int32_t Modbus_Register = 0;
    std::int32_t Modbus_Scale = 0;   // 0: none
    std::uint32_t Storage_Number = 0;
    std::int32_t Tariff = 0;
    std::uint8_t VIFE = 0;           // "VIFE" list; 0 and 255 both mean none
    bool BCDtoINT = false;
    std::int32_t Length = 0;         // bytes, for variable length only
    QString VIF_ASCII;               // unit text when the data are "VIF is in ASCII"
    bool Conv_Float = false;
    bool Force_Int32 = false;
    bool TP_Mod_Regs = false;        // a time point on six registers of its own
    std::int32_t TP_Mod_Year = 0;    // first of them (year); month to second follow
    std::uint16_t Position = 0;      // record position, for nodes read by position
    std::uint8_t Post_Operation = 0; // "Post Operation" list

    bool operator==(const TVariabile &) const = default;
};

struct TNodo {
    std::uint8_t Enable = 0; // only exactly 1 counts as enabled
    QString Description;
    std::int32_t Node_Pri = 0; // primary address
    std::int32_t Node_Sec = 0; // secondary address
    std::uint8_t Send_SNK = 0;
    std::uint8_t Reset_App = 0;
    std::vector<TVariabile> Var_List;
    std::int32_t Node_State = 0; // Modbus registers below: 0 means none
    std::int32_t Ident_Num = 0;
    std::uint8_t BCDtoINT_IN = 0;
    std::int32_t Swap_Ident = 0;
    std::uint8_t Node_ID_Type = 0;  // 0 addressed by Node_Pri, 1 by Node_Sec
    std::uint8_t Var_List_Type = 0; // 0 by type, 1 by position
    std::uint8_t Cut_After = 0;     // frames read, minus one
    std::int32_t Manufacturer_Spec = 0;
    std::uint8_t MSD_Length = 0;
    std::uint8_t MSD_Offset = 0;
    // Wireless types only (6, 7, 1007): 0 wireless node, 1 wired node.
    std::uint8_t MBus_Type = 0;
    // Wireless identification and key bytes, kept as typed.
    QString wMBus_ManID;
    QString wMBus_Add;
    QString wMBus_Ver;
    QString wMBus_DevType;
    std::uint8_t wMBus_En_Key = 0;
    std::array<QString, 16> wMBus_Key;
    std::int32_t RSSI = 0;
    std::int32_t Access_Number = 0;

    bool operator==(const TNodo &) const = default;
};

using TNodoList = std::vector<TNodo>;

// What Copy Node keeps of a node: everything, variables included; types
// without a wireless receiver keep no wireless values and mark the copy as a
// wired node.
TNodo clipboardCopyOf(const TNodo &node, int type);

} // namespace project
