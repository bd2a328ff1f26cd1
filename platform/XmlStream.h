#pragma once
// XML read as a stream of tokens, the one way the program reads XML: the
// network reader reads its file through it, and the document reader runs it
// over every file before building the tree. An element nested deeper than
// MaxXmlDepth stops the reading as not well-formed: none of our files needs
// more than three levels, and the document tree takes time quadratic in the
// depth, so a file nested thousands of levels deep would freeze the program.
#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

namespace platform {

inline constexpr int MaxXmlDepth = 32;

// Qt's parser compares each attribute of a start tag with every one before
// it, so a tag of a million attributes would take hours. None of our files
// needs more than a few dozen: a file with a tag of more than this many is
// not well-formed for us, found by one linear scan before the parse.
inline constexpr int MaxXmlAttributes = 1024;

class XmlStream {
public:
    explicit XmlStream(const QByteArray &bytes);

    // Namespace prefixes are checked unless turned off (the document tree
    // does not check them).
    void setNamespaceProcessing(bool on) { m_reader.setNamespaceProcessing(on); }

    QXmlStreamReader::TokenType readNext();
    bool atEnd() const { return m_reader.atEnd(); }
    // Elements open around the current token: 1 inside the root.
    int depth() const { return m_depth; }
    QXmlStreamAttributes attributes() const { return m_reader.attributes(); }
    // The current token in full, for copying it elsewhere.
    const QXmlStreamReader &reader() const { return m_reader; }

    bool hasError() const { return m_reader.hasError(); }
    bool tooDeep() const { return m_tooDeep; }
    // Refused for nesting or attributes beyond our limits (see above).
    bool beyondLimits() const { return m_tooDeep || m_tooManyAttributes; }
    // The parser's message, with anything it quotes cut, and where it stopped.
    QString errorText() const;

    // Reads to the end: whether the bytes are well-formed and nest no deeper
    // than MaxXmlDepth.
    void readToEnd();

private:
    QXmlStreamReader m_reader;
    int m_depth = 0;
    bool m_tooDeep = false;
    bool m_tooManyAttributes = false;
};

// Whether a start tag of the bytes has more than `limit` attributes.
// Comments, CDATA sections, processing instructions and declarations are
// passed over; text in the UTF-16 encodings is not looked at.
bool hasStartTagWithMoreAttributes(const QByteArray &bytes, int limit);

// "message (line l, column c)", the message cut to a readable length: the
// parser quotes names and values from the file.
QString xmlErrorText(const QString &message, qint64 line, qint64 column);

} // namespace platform
