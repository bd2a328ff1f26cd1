#include "platform/Xml.h"

#include "platform/AtomicFile.h"

#include <QFile>

namespace platform {

XmlLoadResult parseXml(const QByteArray &bytes)
{
    XmlLoadResult result;
    QString message;
    int line = 0;
    int column = 0;
    if (!result.document.setContent(bytes, &message, &line, &column)) {
        result.error = QStringLiteral("%1 (line %2, column %3)").arg(message).arg(line).arg(column);
        result.document = QDomDocument();
    } else if (result.document.documentElement().isNull()) {
        result.error = QStringLiteral("no root element");
    }
    return result;
}

XmlLoadResult loadXmlFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        XmlLoadResult result;
        result.missing = true;
        result.error = file.errorString();
        return result;
    }
    return parseXml(file.readAll());
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

bool needsEscape(char16_t c)
{
    return c < 0x20 || c == u'&' || c == u'<' || c == u'>' || c == u'"' || (c >= 0xD800 && c <= 0xDFFF)
           || c >= 0xFFFE;
}

// Appends text to out, escaped; most values need nothing and are copied whole.
void appendEscaped(QString &out, const QString &text, bool attribute)
{
    const char16_t *data = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && !needsEscape(data[i]))
        ++i;
    out.append(text.constData(), i);
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
            continue;
        }
        if (c.isSurrogate() || !isXmlChar(c.unicode()))
            continue;
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += attribute ? QLatin1String("&quot;") : QLatin1String("\""); break;
        // Line breaks and tabs in attributes would be normalised away on reading.
        case u'\n': out += attribute ? QLatin1String("&#10;") : QLatin1String("\n"); break;
        case u'\r': out += QLatin1String("&#13;"); break;
        case u'\t': out += attribute ? QLatin1String("&#9;") : QLatin1String("\t"); break;
        default: out += c;
        }
    }
}

void writeElement(QString &out, const XmlElement &e, int depth)
{
    out.append(QString(depth * 2, u' '));
    out += u'<';
    out += e.name;
    for (const auto &[name, value] : e.attributes) {
        out += u' ';
        out += name;
        out += QLatin1String("=\"");
        appendEscaped(out, value, true);
        out += u'"';
    }
    if (!e.children.empty()) {
        out += QLatin1String(">\n");
        for (const XmlElement &child : e.children)
            writeElement(out, child, depth + 1);
        out.append(QString(depth * 2, u' '));
        out += QLatin1String("</");
        out += e.name;
        out += QLatin1String(">\n");
    } else if (!e.text.isEmpty()) {
        out += u'>';
        appendEscaped(out, e.text, false);
        out += QLatin1String("</");
        out += e.name;
        out += QLatin1String(">\n");
    } else {
        out += QLatin1String("/>\n");
    }
}

} // namespace

QByteArray serializeXml(const XmlOutDocument &document)
{
    QString out;
    writeElement(out, document.root, 0);
    for (const QString &comment : document.commentsAfterRoot)
        out += QLatin1String("<!--") + comment + QLatin1String("-->\n");
    return out.toUtf8();
}

bool saveXmlFile(const XmlOutDocument &document, const QString &path, QString *error)
{
    return writeFileAtomically(path, serializeXml(document), error);
}

} // namespace platform
