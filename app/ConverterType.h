#pragma once
// The converter models one build of the configurator can serve, and the
// per-model tables. Every per-type rule is a function of the type so that
// tests cover all nine types from one build; the program itself passes
// Converter_Type(), the type the build chose.
#include <QString>
#include <QStringList>
#include <array>

namespace app {

// The type this build configures (1..7, or 1001/1007 for the partner
// editions). Only BuildConverterType.cpp knows the build's choice, so that
// switching the type recompiles that one file.
int Converter_Type();

// The nine valid types, in table order.
inline constexpr std::array<int, 9> AllConverterTypes = {1, 2, 3, 4, 5, 6, 7, 1001, 1007};

// The banks a compile writes.
enum class BankSet {
    ThreeBanks,     // bank1.bin, bank2.bin and bank.bin in the board variant's layout
    ByBoardVariant, // the Ethernet board: bank1.bin and bank2.bin; the serial board: bank.bin
    SingleBank,     // bank.bin
    TwoBanks,       // bank1.bin and bank2.bin, with the table of wireless meters
};

// How Update Device reaches the converter.
enum class UpdateRoute {
    ByBoardVariant, // the Ethernet wizard for the Ethernet board, the serial wizard otherwise
    Serial,
    Ethernet,
};

// Where the network editor offers a variable's "Post Operation".
enum class PostOperation {
    Always,
    OnEthernetBoard,  // only on board variant 1
    UnlessByPosition, // not in a node whose variables are found by position
    Never,
};

// What a model has, asked by the code instead of lists of type numbers.
struct ConverterTraits {
    int baseType;          // the model whose hardware and firmware it runs (a partner edition's base)
    bool hasBoardVariant;  // "Sel_Dev" of ParGen.xml chooses the board
    bool wireless;         // a wireless M-Bus receiver
    bool offersScanDecode; // the main window's Scan & Decode step
    bool modbusTcp;        // a Modbus TCP slave: "TCP_Port" and "TCP_Conn_TimeOut" in ParGen.xml
    bool wiredAlways;      // bank2.bin takes the wired nodes without asking "Sel_Dev_MBus_Present"
    BankSet banks;
    UpdateRoute updateRoute;
    int xmlCodeDev;        // device code written into scanned network files (Get_XML_Code_Dev)
    // The node's manufacturer data, cut-after and access number rows on every
    // board; otherwise only on the Ethernet board.
    bool extendedNodeRows;
    PostOperation postOperation;

    bool partnerEdition(int type) const { return baseType != type; }
};

struct ConverterInfo {
    int type;
    QString swCode;           // SW_Code_Table
    QString swDesc;           // SW_Desc_Table
    QString swTitle;          // main window title
    QString versionCheckCode; // SW_Ver_Code_Table entry used by the version check
    QString versionCompared;  // program version the version check compares
    QString programVersion;   // version shown by About and written into the XML files
    QString manualCode;       // shown by About
    QString downloadAnchor;   // anchor of the download page
    ConverterTraits traits;
    QStringList boardNames;   // the board variants "Sel_Dev" picks, by value; none without a choice

    bool partnerEdition() const { return traits.partnerEdition(type); }
};

bool isValidConverterType(int type);

// The row of a valid type; an invalid type gives type 1's row.
const ConverterInfo &converterInfo(int type);

// What the type has; an invalid type gives type 1's traits.
const ConverterTraits &traitsOf(int type);

// Wireless M-Bus models: 6, 7 and 1007.
bool isWirelessType(int type);

// Device code written into scanned network files (Get_XML_Code_Dev).
int xmlCodeDev(int type);

// "SW_VERSION = <program version>", the comment after the root of ParGen.xml and M_Bus.xml.
QString swVersionComment(int type);

} // namespace app
