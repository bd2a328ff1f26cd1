#pragma once
// Names the wired and the wireless paths share: the manufacturer's three
// letters and the medium's English name.
#include <QString>

namespace scan {

// One letter for the codes of A to Z, "?" for anything else.
QString Letter_Or_Question(qint32 code);

// The three letters of a 16-bit manufacturer identifier (five bits each,
// 1 = A). Codes whose groups fall outside A to Z give question marks; the
// middle letter follows the search on the whole code, so a last group of 0
// borrows from it (0x0440 gives "AA?").
QString Trova_Man(qint32 code);

QString Medium_To_Text(quint32 code);

} // namespace scan
