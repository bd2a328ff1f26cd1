#pragma once
// Delimited text: the fields of one grid row per record, quoted when they
// hold the delimiter, a quote or a line break. A CR LF inside a field is
// written as the character 11; a lone CR or LF stays raw inside the quotes,
// and the reader joins the lines of a quoted field, so every break comes
// back as it was.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace controls {

struct TCsvWriteOptions {
    QChar delimiter = u',';
    bool alwaysQuotes = false;
    bool quoteEmptyCells = true;
    // Line breaks as "~", empty fields as "^".
    bool javaCsv = false;
};

QString encodeCsvField(const QString &text, const TCsvWriteOptions &options);
// The encoded field appended to out; a field that needs no quoting is
// copied straight in.
void appendCsvField(QString &out, const QString &text, const TCsvWriteOptions &options);

// The delimiter of a file from its first two lines; character 0 when none
// of the candidates occurs.
QChar detectCsvDelimiter(const QString &line1, const QString &line2);

// The whole text as lines; CR LF, CR and LF each end one. No text, no line.
QStringList csvPhysicalLines(QStringView text);
// The records of the text: its lines, where a line whose quoted field is
// still open at its end is joined with the next ones, breaks kept. A quote
// that never closes joins nothing.
QStringList splitCsvRecords(QStringView text, QChar delimiter);
// The decoded fields of one record; a delimiter of 0 gives one field. A
// record ending with the delimiter has no last field; an unclosed quote
// gives an empty field.
QStringList splitCsvFields(QStringView record, QChar delimiter, bool javaCsv);

// UTF-8 behind a byte-order mark, else Windows-1252 with "?" for what it
// lacks; lines end with CR LF.
QByteArray encodeCsvText(const QStringList &lines, bool unicode);
// The same for a text whose lines already end with CR LF.
QByteArray encodeCsvBody(const QString &text, bool unicode);
// A byte-order mark selects UTF-8 or UTF-16, else Windows-1252.
QString decodeCsvText(const QByteArray &bytes);

} // namespace controls
