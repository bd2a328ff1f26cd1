#pragma once
// What a scan produces: wired slaves, wireless meters and their decoded data
// records. Plain records with public fields; the scan dialog, the writers of
// M_Bus.xml and the engine all read them by field name.
#include <QDateTime>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vtree {
struct TLazyNode; // the tree node that shows an object in the scan dialog
}

namespace scan {

class RecordArena;

// One decoded data record of a telegram.
struct TVariable_MBus {
    qint32 dato_A = 0;          // data bytes 0-3, little-endian
    qint32 dato_B = 0;          // data bytes 4-7, little-endian
    quint8 dimension = 0;       // data field (DIF bits 3-0)
    quint16 function_fild = 0;  // 0 instantaneous, 1 maximum, 2 minimum, 3 during error
    qint64 storage_number = 0;
    quint16 tarif = 0;
    quint16 device = 0;         // sub-unit
    quint16 type_data = 0;      // unit category; 65535 none, 21 plain-text unit
    quint16 scale = 0;
    bool errata = false;        // the record could not be analysed
    QString sterror;
    qint32 nbyte = 0;
    QString descdim;
    qint32 numdife = 0;
    qint32 numvife = 0;
    qint32 vifvalue = -1;
    qint32 PrinVIFE = 0;
    quint8 casovif = 0;         // 0 primary, 1 VIF FD, 2 VIF FB, 100 manufacturer, 101 plain text
    qint32 numdato = 0;
    quint8 VIF = 0;
    QString VIFE;
    QString DIF;
    QString DIFE;
    QString totdati;
    QString VIF_ASCII;
    QString Description;
    QString datagiorno;
    QString tempo;
    QString icon;
    qint32 Type_Data_Vife = 0;  // extension code, 0 none
    QString Desc_Type_Data;
    QString ValueStr;
    QString FunctionFieldStr;
    QString DataFieldStr;
    bool Enable = true;
    bool Real_Wireless_Var = false;
    bool Is_BCD = false;
    vtree::TLazyNode *Node = nullptr;

    // The records of one decoded telegram share one allocation, taken from
    // the arena the parser is handed (new (arena) TVariable_MBus); any other
    // record has its own. Both are freed by delete.
    static void *operator new(std::size_t size);
    static void *operator new(std::size_t size, RecordArena &arena);
    static void operator delete(void *record, std::size_t size) noexcept;
    static void operator delete(void *record, RecordArena &arena) noexcept;
};

// Records in telegram order. Owners free them from the last to the first.
using TVariableList = std::vector<std::unique_ptr<TVariable_MBus>>;

void clearFromLast(TVariableList &records);

// A wired slave that answered a scan.
struct TSlave_MBus {
    TSlave_MBus() = default;
    ~TSlave_MBus();
    TSlave_MBus(const TSlave_MBus &) = delete;
    TSlave_MBus &operator=(const TSlave_MBus &) = delete;

    quint16 Primary_Addresss = 0;
    QString Secondary_Addresss;
    qint32 Manufacture = 0;
    qint32 Version = 0;
    qint32 Medium = 0;
    qint32 Status = 0;
    QString descManufacture;
    QString descmedium;
    QString description;
    TVariableList List_Var;
    vtree::TLazyNode *Node = nullptr;
};

// A wireless meter heard during a scan.
struct TSlave_wMBus {
    TSlave_wMBus() = default;
    ~TSlave_wMBus();
    TSlave_wMBus(const TSlave_wMBus &) = delete;
    TSlave_wMBus &operator=(const TSlave_wMBus &) = delete;

    // Empties the record list (before the records of a newer telegram).
    void Cancel_Var();

    quint8 Message_Type = 0;
    quint16 LLA_Manufacturer = 0;
    QString LLA_Manu_str;
    qint32 LLA_Address = 0;
    quint8 LLA_Version = 0;
    quint8 LLA_DeviceType = 0;
    quint16 ALA_Manufacturer = 0;
    QString ALA_Manu_str;
    qint32 ALA_Address = 0;
    quint8 ALA_Version = 0;
    quint8 ALA_DeviceType = 0;
    qint8 RSSI = 0;
    QDateTime DateTime;
    bool Cripted = false;
    bool Enable = true;
    bool Enable_Key = false;
    std::array<std::uint8_t, 16> Key{};
    qint32 RadioCrafts_Ind_Tab_Decript = 0; // the intake sets -1 for a new meter
    TVariableList List_Var;
    vtree::TLazyNode *Node = nullptr;
};

} // namespace scan
