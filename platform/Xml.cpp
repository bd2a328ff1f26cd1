#include "platform/Xml.h"

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/XmlStream.h"

#include <QFile>
#include <QXmlStreamWriter>

namespace platform {

XmlLoadResult parseXml(const QByteArray &bytes)
{
    XmlLoadResult result;
    // The same parser as the tree's, run first only for our limits: the tree
    // itself would take minutes over a file nested thousands of levels deep.
    XmlStream scan(bytes);
    scan.setNamespaceProcessing(false);
    scan.readToEnd();
    if (scan.beyondLimits()) {
        result.error = scan.errorText();
        return result;
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!result.document.setContent(bytes, &message, &line, &column)) {
        result.error = xmlErrorText(message, line, column);
        result.document = QDomDocument();
    } else if (result.document.documentElement().isNull()) {
        result.error = QStringLiteral("no root element");
    }
    return result;
}

XmlLoadResult loadXmlFile(const QString &path)
{
    FileRead file = readWholeFile(path);
    if (!file.ok()) {
        XmlLoadResult result;
        result.missing = file.missing;
        result.error = std::move(file.error);
        return result;
    }
    return parseXml(file.bytes);
}

std::optional<QString> childText(const QDomElement &parent, const QString &name)
{
    const QDomElement child = parent.firstChildElement(name);
    if (child.isNull())
        return std::nullopt;
    return child.text();
}

QList<QDomElement> childElements(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
        list.append(e);
    return list;
}

XmlElement &XmlElement::setAttribute(const QString &attr, const QString &value)
{
    for (auto &a : attributes) {
        if (a.first == attr) {
            a.second = value;
            return *this;
        }
    }
    attributes.append({attr, value});
    return *this;
}

XmlElement &XmlElement::addChild(const QString &childName)
{
    children.emplace_back(childName);
    return children.back();
}

XmlElement &XmlElement::addTextChild(const QString &childName, const QString &childText)
{
    XmlElement &child = addChild(childName);
    child.text = childText;
    return child;
}

namespace {

// Characters XML 1.0 cannot carry, even as references: a text holding one
// would make the whole file unreadable, so the writer leaves them out.
bool isXmlChar(char16_t c)
{
    return c >= 0x20 ? c != 0xFFFE && c != 0xFFFF : c == u'\t' || c == u'\n' || c == u'\r';
}

// The text without the characters XML cannot carry; a lone half of a
// surrogate pair goes too. Most values hold none and come back as they are.
QString xmlCarriable(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isXmlChar(text[i].unicode()) && !text[i].isSurrogate())
        ++i;
    if (i == n)
        return text;
    QString kept = text.left(i);
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

// Element text; a carriage return goes as a reference, since a reader would
// turn a bare one into a line feed.
void writeText(QXmlStreamWriter &writer, const QString &text)
{
    const QString kept = xmlCarriable(text);
    qsizetype from = 0;
    for (qsizetype cr = kept.indexOf(u'\r'); cr >= 0; cr = kept.indexOf(u'\r', from)) {
        writer.writeCharacters(kept.mid(from, cr - from));
        writer.writeEntityReference(QStringLiteral("#13"));
        from = cr + 1;
    }
    writer.writeCharacters(kept.mid(from));
}

void writeElement(QXmlStreamWriter &writer, const XmlElement &e)
{
    writer.writeStartElement(e.name);
    for (const auto &[name, value] : e.attributes)
        writer.writeAttribute(name, xmlCarriable(value));
    if (!e.children.empty()) {
        for (const XmlElement &child : e.children)
            writeElement(writer, child);
    } else if (!e.text.isEmpty()) {
        writeText(writer, e.text);
    }
    writer.writeEndElement();
}

void formatLikeOurFiles(QXmlStreamWriter &writer)
{
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
}

// The writer opens with a line break before the first node: the file does not.
void trimEnds(QByteArray &out)
{
    if (out.startsWith('\n'))
        out.remove(0, 1);
    if (!out.endsWith('\n'))
        out.append('\n');
}

// Names as written, prefixes and all: prefixes are not resolved on the way
// in, so they are not made up again on the way out.
void copyStartElement(QXmlStreamWriter &writer, const QXmlStreamReader &reader)
{
    writer.writeStartElement(reader.qualifiedName().toString());
    for (const QXmlStreamNamespaceDeclaration &ns : reader.namespaceDeclarations()) {
        const QString prefix = ns.prefix().toString();
        writer.writeAttribute(prefix.isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + prefix,
                              ns.namespaceUri().toString());
    }
    for (const QXmlStreamAttribute &attribute : reader.attributes())
        writer.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
}

} // namespace

QByteArray serializeXml(const XmlOutDocument &document)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    formatLikeOurFiles(writer);
    writeElement(writer, document.root);
    for (const QString &comment : document.commentsAfterRoot)
        writer.writeComment(comment);
    writer.writeEndDocument();
    trimEnds(out);
    return out;
}

XmlAppendResult appendToRoot(const QByteArray &document, const std::vector<XmlElement> &children)
{
    XmlAppendResult result;
    XmlStream in(document);
    // As the document reader does: prefixes are not checked.
    in.setNamespaceProcessing(false);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    formatLikeOurFiles(writer);
    bool rootSeen = false;
    while (!in.atEnd()) {
        const auto token = in.readNext();
        const QXmlStreamReader &current = in.reader();
        if (token == QXmlStreamReader::Invalid)
            break;
        if (token == QXmlStreamReader::StartDocument || token == QXmlStreamReader::EndDocument)
            continue;
        if (token == QXmlStreamReader::Characters && current.isWhitespace())
            continue;
        if (token == QXmlStreamReader::StartElement) {
            if (in.depth() == 1) {
                rootSeen = true;
                result.rootName = current.qualifiedName().toString();
            }
            copyStartElement(writer, current);
        } else if (token == QXmlStreamReader::EndElement) {
            if (in.depth() == 0)
                for (const XmlElement &child : children)
                    writeElement(writer, child);
            writer.writeEndElement();
        } else {
            writer.writeCurrentToken(current);
        }
    }
    if (in.hasError()) {
        result.error = in.errorText();
        result.rootName.clear();
        return result;
    }
    if (!rootSeen) {
        result.error = QStringLiteral("no root element");
        return result;
    }
    writer.writeEndDocument();
    trimEnds(out);
    result.bytes = std::move(out);
    return result;
}

bool saveXmlFile(const XmlOutDocument &document, const QString &path, QString *error)
{
    return writeFileAtomically(path, serializeXml(document), error);
}

} // namespace platform
