#pragma once
// M_Bus.xml's attributes: their names and how each value is read, in one
// place for every reader of the file (the network editor fills its model,
// the compiler its own records). A reader takes the values of one element
// here and applies its own defaults and field widths.
//
// Integer text: optional leading blanks and sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". A number is read
// with 32 bits (hexadecimal above 7FFFFFFF wraps); the attributes that may
// exceed 31 bits ("ID", "StoNumber", "Tariff") are unsigned 32-bit values,
// 0 to 4294967295, and anything outside is not a number; the wireless
// address "wMBus_Add" is read with 64 bits and keeps its low 32, as its
// signed and unsigned spellings both occur. A flag is set only by exactly "1".
#include <QLatin1StringView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QDomElement;
class QXmlStreamAttributes;

namespace project::netxml {

inline constexpr QLatin1StringView RootName{"M-Bus_Network"};
inline constexpr QLatin1StringView NodeName{"Nodo"};
inline constexpr QLatin1StringView VariableName{"Variabile"};

// "Nodo", in the order the editor writes them; the wireless ones only for
// the wireless types.
inline constexpr QLatin1StringView Node_Enable{"Node_Enable"};
inline constexpr QLatin1StringView ID_Primary{"ID_Primary"};
inline constexpr QLatin1StringView ID_Secondary{"ID_Secondary"};
inline constexpr QLatin1StringView Descrizione{"Descrizione"};
inline constexpr QLatin1StringView Send_SND_NKE{"Send_SND_NKE"};
inline constexpr QLatin1StringView Reset_App{"Reset_App"};
inline constexpr QLatin1StringView Node_State{"Node_State"};
inline constexpr QLatin1StringView Ident_Num{"Ident_Num"};
inline constexpr QLatin1StringView BCDtoINT_IN{"BCDtoINT_IN"};
inline constexpr QLatin1StringView Swap_IN{"Swap_IN"};
inline constexpr QLatin1StringView Node_ID_Type{"Node_ID_Type"};
inline constexpr QLatin1StringView Var_List_Type{"Var_List_Type"};
inline constexpr QLatin1StringView Cut_After{"Cut_After"};
inline constexpr QLatin1StringView Manufacturer_Specific_Data{"Manufacturer_Specific_Data"};
inline constexpr QLatin1StringView MSD_Length{"MSD_Length"};
inline constexpr QLatin1StringView MSD_Offset{"MSD_Offset"};
inline constexpr QLatin1StringView Access_Number{"Access_Number"};
inline constexpr QLatin1StringView MBus_Type{"MBus_Type"};
inline constexpr QLatin1StringView wMBus_ManID{"wMBus_ManID"};
inline constexpr QLatin1StringView wMBus_Add{"wMBus_Add"};
inline constexpr QLatin1StringView wMBus_Ver{"wMBus_Ver"};
inline constexpr QLatin1StringView wMBus_DevType{"wMBus_DevType"};
inline constexpr QLatin1StringView wMBus_En_Key{"wMBus_En_Key"};
inline constexpr QLatin1StringView wMBus_RSSI{"wMBus_RSSI"};
// The single address of older files and other writers; never written.
inline constexpr QLatin1StringView ID{"ID"};

// "wMBus_Key_1" for byte 0 to "wMBus_Key_16" for byte 15.
const QString &keyAttribute(int byte);

// "Variabile", in the order the editor writes them.
inline constexpr QLatin1StringView Enable{"Enable"};
inline constexpr QLatin1StringView Desc{"Desc"};
inline constexpr QLatin1StringView Type{"Type"};
inline constexpr QLatin1StringView Fun_Field{"Fun_Field"};
inline constexpr QLatin1StringView Dim{"Dim"};
inline constexpr QLatin1StringView Unit{"Unit"};
inline constexpr QLatin1StringView ModReg{"ModReg"};
inline constexpr QLatin1StringView ModScale{"ModScale"};
inline constexpr QLatin1StringView StoNumber{"StoNumber"};
inline constexpr QLatin1StringView Tariff{"Tariff"};
inline constexpr QLatin1StringView VIFE{"VIFE"};
inline constexpr QLatin1StringView BCDtoINT{"BCDtoINT"};
inline constexpr QLatin1StringView VIF_ASCII{"VIF_ASCII"};
inline constexpr QLatin1StringView Length{"Length"};
inline constexpr QLatin1StringView Conv_Float{"Conv_Float"};
inline constexpr QLatin1StringView Force_Int32{"Force_Int32"};
inline constexpr QLatin1StringView TP_Mod_Regs{"TP_Mod_Regs"};
inline constexpr QLatin1StringView TP_Mod_Year{"TP_Mod_Year"};
inline constexpr QLatin1StringView Position{"Position"};
inline constexpr QLatin1StringView Post_Operation{"Post_Operation"};
// Written by the scan's writers only, always "0"; no reader takes it.
inline constexpr QLatin1StringView SWAP{"SWAP"};

// The readings of integer text.
std::optional<std::int32_t> number(QStringView text);
std::optional<std::uint32_t> wideNumber(QStringView text);
std::optional<std::uint32_t> lowBits32(QStringView text);
inline bool flag(QStringView text) { return text == u"1"; }

using Number = std::optional<std::int32_t>;
using Wide = std::optional<std::uint32_t>;

// What one "Nodo" element holds, each value read by its attribute's rule;
// a number is nullopt when the attribute is missing or not an integer, a
// text is empty when missing.
struct NodeAttributes {
    Number Node_Enable;
    QString Node_Enable_Text; // as written: one compile family tests the text
    QString Descrizione;
    Wide ID;
    Number ID_Primary, ID_Secondary, Send_SND_NKE, Reset_App, Node_State, Ident_Num, BCDtoINT_IN, Swap_IN,
        Node_ID_Type, Var_List_Type, Cut_After, Manufacturer_Specific_Data, MSD_Length, MSD_Offset, Access_Number;
    // The wireless identification and key bytes are texts as typed; readers
    // that need their numbers take them with number() and lowBits32().
    Number MBus_Type, wMBus_En_Key, wMBus_RSSI;
    QString wMBus_ManID, wMBus_Add, wMBus_Ver, wMBus_DevType;
    std::array<QString, 16> wMBus_Key;
};

struct VariableAttributes {
    bool Enable = false;
    QString Desc;
    // Required by every reader: nullopt means missing or not an integer.
    Number Type, Fun_Field, Dim, ModReg, ModScale;
    Number Unit, VIFE, Length, TP_Mod_Year, Position, Post_Operation;
    Wide StoNumber, Tariff;
    bool BCDtoINT = false, Conv_Float = false, Force_Int32 = false, TP_Mod_Regs = false;
    QString VIF_ASCII;
};

// The attributes of an element as the streaming reader or the document tree
// hands them over.
NodeAttributes readNodeAttributes(const QXmlStreamAttributes &attributes);
NodeAttributes readNodeAttributes(const QDomElement &element);
VariableAttributes readVariableAttributes(const QXmlStreamAttributes &attributes);
VariableAttributes readVariableAttributes(const QDomElement &element);

} // namespace project::netxml
