#pragma once
// The grid's native text file: a header line "columns,rows", one line
// "cw index,width" per saved column and one line "column,row,text" per
// non-empty cell, multi-line texts kept on one line (LineBreaks.h). Lines
// end with CR LF; the bytes are Windows-1252, or UTF-16LE behind a
// byte-order mark.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace controls {

// The largest grid a file may ask for: a header beyond it is refused
// rather than followed into an allocation that cannot succeed.
inline constexpr int MaxNativeFileCols = 1 << 14;
inline constexpr int MaxNativeFileRows = 1 << 21;

// The bytes of the lines, each ended by CR LF. A character the ANSI code
// page lacks is written as "?".
QByteArray encodeNativeText(const QStringList &lines, bool unicode);
// The lines of a file's bytes: a byte-order mark selects UTF-16 or UTF-8,
// else Windows-1252; CR LF, CR and LF all end a line.
QStringList decodeNativeText(const QByteArray &bytes);

// "cw c,w" and "c,r,text"; the text masked when it holds a CR.
QString nativeWidthLine(int col, int width);
QString nativeCellLine(int col, int row, const QString &text);

struct TNativeWidth {
    int col;
    int width;
};
struct TNativeCell {
    int col;
    int row;
    QString text; // still masked
};
// What a file holds. No header (an empty first line) keeps the grid's size.
struct TNativeTextFile {
    std::optional<int> cols;
    std::optional<int> rows;
    std::vector<TNativeWidth> widths;
    std::vector<TNativeCell> cells;
};
// Reads the lines. A header count that is no number, negative or beyond
// the limits above gives nothing: the file is corrupt. Cell and width lines
// whose numbers do not read are skipped; their ranges are the caller's.
std::optional<TNativeTextFile> parseNativeText(const QStringList &lines);

} // namespace controls
