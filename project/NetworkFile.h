#pragma once
// M_Bus.xml, the configuration's M-Bus network: root "M-Bus_Network", one
// "Nodo" element per node and under it one "Variabile" per variable, every
// value an attribute, the version comment after the root. The wireless
// attributes exist only for the wireless types (6, 7, 1007). The names and
// the reading of every attribute are in NetworkAttributes.h.
#include "platform/Xml.h"
#include "project/FileError.h"
#include "project/NetworkModel.h"

#include <optional>

namespace project {

inline constexpr char NetworkFileName[] = "M_Bus.xml";

struct NetworkReadResult {
    TNodoList nodes;
    bool fileMissing = false; // not an error: the network is empty
    // The file could not be read, or not to its end: the caller must not save
    // over it. After a variable without one of its required numbers, nodes
    // holds what was read before it (show it if useful, never save it back);
    // otherwise nodes is empty.
    std::optional<FileError> error;

    bool ok() const { return !error; }
};

// Every child element of the root (the first element, whatever its name) is
// read as a node and every child element of a node as a variable.
NetworkReadResult readNetworkFile(const QString &path, int type);
NetworkReadResult parseNetwork(const QByteArray &bytes, int type, const QString &pathForMessages = QString());

platform::XmlOutDocument networkDocument(const TNodoList &nodes, int type);
QByteArray serializeNetwork(const TNodoList &nodes, int type);
std::optional<FileError> writeNetworkFile(const QString &path, const TNodoList &nodes, int type);

// Import Network: replaces target with the file at source, as it is, but only
// when source reads as a network to the end; otherwise target stays as it was
// and the error says why. Importing a file onto itself changes nothing.
std::optional<FileError> importNetworkFile(const QString &source, const QString &target, int type);

} // namespace project
