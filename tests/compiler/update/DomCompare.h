#pragma once
// Compares two XML documents as trees: element names, child order, attributes
// and the text of leaf elements. Layout whitespace does not matter.
#include "platform/Xml.h"

#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QString>

namespace updatetest {

inline QString describeDomDifference(const QDomElement &a, const QDomElement &b, const QString &path)
{
    const QString here = path + u'/' + a.tagName();
    if (a.tagName() != b.tagName())
        return QStringLiteral("%1: element <%2> against <%3>").arg(path, a.tagName(), b.tagName());
    const QDomNamedNodeMap aa = a.attributes(), ba = b.attributes();
    if (aa.count() != ba.count())
        return here + QStringLiteral(": attribute count differs");
    for (int i = 0; i < aa.count(); ++i) {
        const QDomAttr attr = aa.item(i).toAttr();
        if (!b.hasAttribute(attr.name()) || b.attribute(attr.name()) != attr.value())
            return here + QStringLiteral(": attribute ") + attr.name();
    }
    const QList<QDomElement> ac = platform::childElements(a), bc = platform::childElements(b);
    if (ac.isEmpty() && bc.isEmpty()) {
        if (a.text() != b.text())
            return QStringLiteral("%1: text \"%2\" against \"%3\"").arg(here, a.text(), b.text());
        return QString();
    }
    for (qsizetype i = 0; i < std::min(ac.size(), bc.size()); ++i) {
        const QString d = describeDomDifference(ac[i], bc[i], here);
        if (!d.isEmpty())
            return d;
    }
    if (ac.size() != bc.size())
        return QStringLiteral("%1: %2 children against %3").arg(here).arg(ac.size()).arg(bc.size());
    return QString();
}

// Empty when equal, else the first difference.
inline QString domDifference(const QByteArray &actual, const QByteArray &expected)
{
    const auto a = platform::parseXml(actual);
    const auto b = platform::parseXml(expected);
    if (!a.ok() || !b.ok())
        return QStringLiteral("not well-formed: ") + a.error + b.error;
    return describeDomDifference(a.root(), b.root(), QString());
}

} // namespace updatetest
