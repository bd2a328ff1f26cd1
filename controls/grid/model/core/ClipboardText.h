#pragma once
// Cells as the clipboard and drops carry them in text: one line per row,
// fields separated by TAB, lines ended by CR LF. A field that would read
// back as something else (it holds a line break or a TAB, or begins with a
// double quote) travels in double quotes with its quotes doubled and each
// line break as one LF, as spreadsheet programs write it; reading undoes
// exactly that, so every cell text of CR LF lines comes back unchanged.
#include <QString>
#include <QStringView>

#include <vector>

namespace controls {

// Whether the field goes out in quotes.
bool clipboardFieldNeedsQuotes(QStringView field);
// The field as it goes out: itself, or quoted.
QString encodeClipboardField(QStringView field);

// The text of a range whose fields come row by row, cols to a row: TAB
// between fields, CR LF after every row when lineBreaks (a range of more
// than one row), none otherwise. Measured first, built in one allocation.
QString joinClipboardFields(const std::vector<QString> &fields, int cols, bool lineBreaks);

// The rows of a pasted or dropped text, each the list of its fields. A
// line ends at CR LF, CR or LF outside quotes; a final line break starts no
// further row. A field that begins with a double quote is quoted up to the
// quote that closes it: doubled quotes stand for one, line breaks inside
// (LF, CR or CR LF) become CR LF, and what follows the closing quote up to
// the next TAB is kept as written. An unclosed quote takes the rest of the
// text. With verticalTabs, the character 11 inside a field is a line break
// too (the one-line form some programs write).
struct TClipboardTable {
    std::vector<std::vector<QString>> rows;
    int maxFields = 0; // the most fields of a row
};
TClipboardTable parseClipboardText(QStringView text, bool verticalTabs = true);

// The size of a dropped text: the most fields of a line, and the rows
// below the first one it takes (one less than its rows; 0 for no text).
struct TPastedSize {
    int cols = 0;
    int rows = 0;
};
TPastedSize countPastedText(QStringView text);

} // namespace controls
