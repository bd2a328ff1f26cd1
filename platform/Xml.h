#pragma once
// XML documents as every reader and writer of the program uses them.
// Reading: the document's first element is the root, whatever comes before
// it (a declaration, a comment); a file nested deeper than MaxXmlDepth is
// not well-formed (see XmlStream.h). Writing: elements and attributes come out in
// the order they were added, UTF-8, no declaration, the file replaced whole.
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

struct XmlLoadResult {
    QDomDocument document;
    QString error; // empty when the file was read and is well-formed
    bool missing = false; // the file does not exist (see FileRead.h)
    bool ok() const { return error.isEmpty() && !missing; }
    QDomElement root() const { return document.documentElement(); }
};

XmlLoadResult loadXmlFile(const QString &path);
XmlLoadResult parseXml(const QByteArray &bytes);

// The text of the first child element named name, or nullopt when missing.
std::optional<QString> childText(const QDomElement &parent, const QString &name);

// Only the child elements: comments and text between them do not count.
QList<QDomElement> childElements(const QDomElement &parent, const QString &name = QString());

// A document being written. QDom keeps attributes in a hash, so writers build
// this instead: attributes and children come out exactly in the order added.
struct XmlElement {
    QString name;
    QList<std::pair<QString, QString>> attributes;
    QString text; // written only when the element has no children
    std::vector<XmlElement> children;

    explicit XmlElement(QString elementName = QString()) : name(std::move(elementName)) {}
    // Sets an attribute; a new one goes last, an existing one keeps its place.
    XmlElement &setAttribute(const QString &attr, const QString &value);
    XmlElement &addChild(const QString &childName);
    XmlElement &addTextChild(const QString &childName, const QString &childText);
};

struct XmlOutDocument {
    XmlElement root;
    QStringList commentsAfterRoot; // top-level comments that follow the root
};

// UTF-8, no declaration, two-blank indentation, LF line ends.
QByteArray serializeXml(const XmlOutDocument &document);

// The document in bytes with children added at the end of its root element,
// written as serializeXml writes. Everything else is kept in its order: what
// comes before and after the root (comments, processing instructions), the
// root's attributes and contents. The declaration goes, as written files
// have none, and so does the whitespace between elements: the layout is made
// again. The bytes must be a well-formed document nested no deeper than
// MaxXmlDepth; otherwise error says why and bytes is empty.
struct XmlAppendResult {
    QByteArray bytes;
    QString rootName;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
XmlAppendResult appendToRoot(const QByteArray &document, const std::vector<XmlElement> &children);
bool saveXmlFile(const XmlOutDocument &document, const QString &path, QString *error = nullptr);

} // namespace platform
