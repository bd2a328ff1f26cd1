#pragma once
// The grid's simple XML form: how cell texts are escaped on the way out
// and unescaped on the way in, and the element tree a file is read into
// (elements with their attributes and children, texts between them), read
// through the platform's depth- and attribute-limited XML stream.
#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace controls {

// "&" becomes "$amp;" (the form other readers of these files expect), then
// ">", "<" and the double quote become their XML entities.
QString escapeXmlCellText(const QString &text);
// The parser has decoded the entities; only "$amp;" is left to undo.
QString unescapeXmlCellText(const QString &text);

struct TXmlNode {
    bool isText = false;
    QString name; // an element's name
    QString text; // a text node's text
    std::vector<std::pair<QString, QString>> attributes;
    std::vector<TXmlNode> children;
    // A node's text: its own, or the texts of its descendants joined.
    QString allText() const;
};

struct TXmlParseError {
    int code = 0;
    qint64 line = 0;
};

// The document element of the bytes, or where they stop being XML we read.
// Texts of white space only are left out, as are comments and processing
// instructions.
std::optional<TXmlNode> parseXmlTree(const QByteArray &bytes, TXmlParseError &error);

} // namespace controls
