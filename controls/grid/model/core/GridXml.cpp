#include "controls/grid/model/core/GridXml.h"

#include "platform/XmlStream.h"

namespace controls {

QString escapeXmlCellText(const QString &text)
{
    QString out = text;
    out.replace(u'&', QStringLiteral("$amp;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    out.replace(u'"', QStringLiteral("&quot;"));
    return out;
}

QString unescapeXmlCellText(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("$amp;"), QStringLiteral("&"));
    return out;
}

QString TXmlNode::allText() const
{
    if (isText)
        return text;
    QString joined;
    for (const TXmlNode &child : children)
        joined += child.allText();
    return joined;
}

std::optional<TXmlNode> parseXmlTree(const QByteArray &bytes, TXmlParseError &error)
{
    platform::XmlStream xml(bytes);
    xml.setNamespaceProcessing(false);
    std::optional<TXmlNode> root;
    // The open elements, innermost last; depth is bounded by the stream.
    std::vector<TXmlNode *> open;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (xml.hasError())
            break;
        const QXmlStreamReader &r = xml.reader();
        if (token == QXmlStreamReader::StartElement) {
            TXmlNode node;
            node.name = r.qualifiedName().toString();
            for (const QXmlStreamAttribute &a : r.attributes())
                node.attributes.emplace_back(a.qualifiedName().toString(), a.value().toString());
            if (open.empty()) {
                root = std::move(node);
                open.push_back(&*root);
            } else {
                open.back()->children.push_back(std::move(node));
                open.push_back(&open.back()->children.back());
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (!open.empty())
                open.pop_back();
        } else if (token == QXmlStreamReader::Characters && !open.empty() && !r.isWhitespace()) {
            auto &children = open.back()->children;
            // Entity references split a text into pieces: one node it stays.
            if (!children.empty() && children.back().isText)
                children.back().text += r.text();
            else
                children.push_back(TXmlNode{true, {}, r.text().toString(), {}, {}});
        }
    }
    if (xml.hasError() || !root) {
        const QXmlStreamReader &r = xml.reader();
        error.code = r.hasError() ? int(r.error()) : int(QXmlStreamReader::PrematureEndOfDocumentError);
        error.line = r.lineNumber();
        return std::nullopt;
    }
    return root;
}

} // namespace controls
