// Feeds arbitrary bytes, as an existing network file, to the appending of
// new nodes under its root. Nothing may crash or hang; what is accepted
// comes out as a document whose root ends with the new node, and which the
// network reader reads; an error stays short.
#include "platform/Xml.h"
#include "project/NetworkFile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    std::vector<platform::XmlElement> nodes(1);
    nodes[0].name = QStringLiteral("Nodo");
    nodes[0].setAttribute(QStringLiteral("Descrizione"), QStringLiteral("new"));
    nodes[0].addChild(QStringLiteral("Variabile")).setAttribute(QStringLiteral("ModReg"), QStringLiteral("1"));

    const platform::XmlAppendResult appended = platform::appendToRoot(bytes, nodes);
    if (!appended.ok()) {
        if (appended.error.size() > 300 || !appended.bytes.isEmpty())
            std::abort();
        return 0;
    }
    const platform::XmlLoadResult out = platform::parseXml(appended.bytes);
    if (!out.ok())
        std::abort();
    const QDomElement last = out.root().lastChildElement();
    if (out.root().tagName() != appended.rootName || last.tagName() != QStringLiteral("Nodo")
        || last.attribute(QStringLiteral("Descrizione")) != QStringLiteral("new"))
        std::abort();
    (void)project::parseNetwork(appended.bytes, 7, QStringLiteral("M_Bus.xml"));
    return 0;
}
