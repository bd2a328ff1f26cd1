#pragma once
// Text files of other DOS-era programs are in the OEM code page (850,
// Western European). The grid keeps such a file's text as the ANSI
// (Windows-1252) characters of its bytes, so these convert in place.
#include <QByteArray>
#include <QString>

#include <optional>

namespace controls {

// Each character becomes its code-page-850 byte, held as the Windows-1252
// character of that byte.
void StringToOem(QString &text);
// The reverse: the Windows-1252 bytes of text read as code page 850.
void OemToString(QString &text);

// Bytes of the ANSI code page (Windows-1252), in which text files without
// a byte-order mark are written, and back; nothing when a character has no
// byte in it.
QString AnsiToString(const QByteArray &bytes);
std::optional<QByteArray> StringToAnsi(const QString &text);
// The same, with "?" for each character the code page lacks.
QByteArray StringToAnsiOrMark(const QString &text);

} // namespace controls
