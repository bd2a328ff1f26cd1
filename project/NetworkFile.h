#pragma once
// M_Bus.xml, the configuration's M-Bus network: root "M-Bus_Network", one
// "Nodo" element per node and under it one "Variabile" per variable, every
// value an attribute, the version comment after the root. The wireless
// attributes exist only for the wireless types (6, 7, 1007).
#include "platform/Xml.h"
#include "project/FileError.h"
#include "project/NetworkModel.h"

#include <QDomElement>
#include <optional>

namespace project {

inline constexpr char NetworkRootName[] = "M-Bus_Network";
inline constexpr char NetworkFileName[] = "M_Bus.xml";

struct NetworkReadResult {
    TNodoList nodes;
    bool fileMissing = false; // not an error: the network is empty
    // The file could not be read to the end. nodes then holds only what was
    // read before the failure: show it if useful, never save it back.
    std::optional<FileError> error;

    bool ok() const { return !error; }
};

NetworkReadResult readNetworkFile(const QString &path, int type);
NetworkReadResult parseNetwork(const QByteArray &bytes, int type, const QString &pathForMessages = QString());
// Reads every child element of root as a node, whatever the names.
NetworkReadResult networkFrom(const QDomElement &root, int type);

platform::XmlOutDocument networkDocument(const TNodoList &nodes, int type);
QByteArray serializeNetwork(const TNodoList &nodes, int type);
std::optional<FileError> writeNetworkFile(const QString &path, const TNodoList &nodes, int type);

// Import Network: replaces target with the file at source, as it is, but only
// when source reads as a network to the end; otherwise target stays as it was
// and the error says why. Importing a file onto itself changes nothing.
std::optional<FileError> importNetworkFile(const QString &source, const QString &target, int type);

} // namespace project
