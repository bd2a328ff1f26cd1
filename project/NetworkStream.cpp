#include "project/NetworkStream.h"

#include "platform/XmlStream.h"

namespace project::netxml {

std::optional<QString> streamNetwork(const QByteArray &bytes, NetworkVisitor &visitor, NetworkStreamOptions options)
{
    platform::XmlStream xml(bytes);
    xml.setNamespaceProcessing(options.namespaceProcessing);
    int variableIndex = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        // Depth 2: a node; 3: a variable of it.
        if (xml.depth() == 2) {
            visitor.node(xml.reader().attributes());
            variableIndex = -1;
        } else if (xml.depth() == 3) {
            visitor.variable(xml.reader().attributes(), ++variableIndex);
        }
    }
    if (xml.hasError())
        return xml.errorText();
    return std::nullopt;
}

} // namespace project::netxml
