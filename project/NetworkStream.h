#pragma once
// M_Bus.xml walked as a stream: every reader of the network file (the
// network editor, the compiler) goes through this one walk and takes the
// values with NetworkAttributes.h, so that the file has one owner.
#include <QByteArray>
#include <QString>
#include <optional>

class QXmlStreamAttributes;

namespace project::netxml {

class NetworkVisitor {
public:
    virtual ~NetworkVisitor() = default;
    // A child element of the root (the first element, whatever its name).
    virtual void node(const QXmlStreamAttributes &attributes) = 0;
    // A child element of the node handed over last, with its position
    // among the node's child elements (0 for the first).
    virtual void variable(const QXmlStreamAttributes &attributes, int index) = 0;
};

struct NetworkStreamOptions {
    // Namespace prefixes are checked unless turned off.
    bool namespaceProcessing = true;
};

// Reads the bytes to their end and hands the elements over in document
// order. Returns the parser's message when the bytes are not well-formed
// (the visitor has then seen the elements before the fault), nullopt when
// they are.
std::optional<QString> streamNetwork(const QByteArray &bytes, NetworkVisitor &visitor,
                                     NetworkStreamOptions options = {});

} // namespace project::netxml
