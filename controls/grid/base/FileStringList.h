#pragma once
// A list of text lines read and written line by line like a text file: the
// grid's text import reads the lines of a loaded file with ReadLn, its text
// export writes them with Write and WriteLn before the list is saved.
//
// Files are read as Windows programs read them: a byte-order mark selects
// UTF-8 or UTF-16, anything else is the ANSI code page (Windows-1252);
// lines end at CR LF, LF or CR. A list is saved in the encoding it was
// read in (ANSI for a new list), each line ending in CR LF; a list holding
// a character the ANSI code page lacks is saved as UTF-8 with its mark
// instead, so that no character is lost.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace controls {

enum class TTextFileEncoding { Ansi, UTF8, UTF16LE, UTF16BE };

struct TTextFileResult {
    bool ok = true;
    QString message; // why the file could not be read or written
};

// The text of a file's bytes and the encoding they were found in.
QString decodeTextFile(const QByteArray &bytes, TTextFileEncoding *found = nullptr);
QByteArray encodeTextFile(const QString &text, TTextFileEncoding encoding);
// Lines of a text: a line break at the very end starts no further line.
QStringList splitTextLines(const QString &text);

class TFileStringList {
public:
    QStringList &Strings() { return m_lines; }
    const QStringList &Strings() const { return m_lines; }
    int Count() const { return int(m_lines.size()); }
    void Clear() { m_lines.clear(); }
    TTextFileEncoding Encoding() const { return m_encoding; }

    TTextFileResult LoadFromFile(const QString &fileName);
    void LoadFromBytes(const QByteArray &bytes);
    TTextFileResult SaveToFile(const QString &fileName) const;
    QByteArray SaveToBytes() const;

    // Reading from the first line, and no text pending for writing.
    void Reset();
    bool Eof() const { return m_readPos >= Count(); }
    // The line at the read position, then the next; past the last line
    // "" (and Eof stays true).
    QString ReadLn();
    // Text for the next line, which WriteLn completes.
    void Write(const QString &text) { m_pending += text; }
    void WriteLn(const QString &text);

private:
    QStringList m_lines;
    TTextFileEncoding m_encoding = TTextFileEncoding::Ansi;
    int m_readPos = 0;
    QString m_pending;
};

} // namespace controls
