#pragma once
// Small networks for the tests of the network editor, its file and its copy
// and paste.
#include "project/NetworkModel.h"

#include <QString>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace nettest {

inline project::TVariabile variable(const QString &description, int reg, int scale = 0)
{
    project::TVariabile v;
    v.Enable = true;
    v.Description = description;
    v.Modbus_Register = reg;
    v.Modbus_Scale = scale;
    v.Position = 1;
    return v;
}

inline project::TVariabile timePoint(const QString &description, int reg, int year)
{
    project::TVariabile v = variable(description, reg);
    v.Type_Of_Data = 20;
    v.TP_Mod_Regs = true;
    v.TP_Mod_Year = year;
    return v;
}

// An enabled wired node at a primary address.
inline project::TNodo wiredNode(const QString &description, int primary, int nodeState = 0, int ident = 0)
{
    project::TNodo n;
    n.Enable = 1;
    n.Description = description;
    n.Node_Pri = primary;
    n.Node_Sec = 1;
    n.Node_State = nodeState;
    n.Ident_Num = ident;
    n.MBus_Type = 1;
    return n;
}

inline project::TNodo wirelessNode(const QString &description, const QString &address, int rssi = 0)
{
    project::TNodo n;
    n.Enable = 1;
    n.Description = description;
    n.Node_Pri = 1;
    n.Node_Sec = 1;
    n.MBus_Type = 0;
    n.wMBus_Add = address;
    n.RSSI = rssi;
    return n;
}

} // namespace nettest
