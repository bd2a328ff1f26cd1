#pragma once
// How a data record is published: the "Dim" code of the network file and the
// Modbus registers its value takes, by the record's data field.
#include <QtGlobal>

namespace scan {

inline constexpr quint8 VariableLengthField = 13;

struct RegisterWidth {
    qint32 dim = 255;     // 255: a data field the converter does not publish
    qint32 registers = 0;

    bool operator==(const RegisterWidth &) const = default;
};

// nbyte counts only for variable length.
RegisterWidth registerWidth(quint8 dataField, qint32 nbyte);

} // namespace scan
