#pragma once
// The grid text stream: UTF-16LE lines without a byte-order mark, each
// ended by CR LF as two UTF-16 units. Other data may follow the grid's
// lines in the same stream, so the reader takes one line at a time.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

namespace controls {

// The line's units and 0D 00 0A 00.
QByteArray encodeGridTextLine(const QString &line);
// The units up to a CR or the end; an LF after the CR is taken with it. A
// lone last byte is no unit. Nothing at the end of the stream.
std::optional<QString> readGridTextLine(QIODevice &stream);

// A cell line "column,row,text": nothing when the column or the row part is
// empty, which ends the grid's lines.
struct TGridTextCell {
    QString col;
    QString row;
    QString text;
};
std::optional<TGridTextCell> splitGridTextCell(const QString &line);

} // namespace controls
