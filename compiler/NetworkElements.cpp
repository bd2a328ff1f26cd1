#include "compiler/NetworkElements.h"

#include "project/NetworkStream.h"

#include <QXmlStreamAttributes>

namespace compiler {
namespace {

namespace netxml = project::netxml;

std::optional<NetworkElements::RequiredFault> firstFault(const netxml::VariableAttributes &a,
                                                         const QXmlStreamAttributes &attributes)
{
    const std::pair<const netxml::Number &, QLatin1StringView> required[] = {
        {a.Type, netxml::Type}, {a.Fun_Field, netxml::Fun_Field}, {a.Dim, netxml::Dim},
        {a.ModReg, netxml::ModReg}, {a.ModScale, netxml::ModScale}};
    for (const auto &[value, name] : required)
        if (!value)
            return NetworkElements::RequiredFault{name, !attributes.hasAttribute(name), attributes.value(name).toString()};
    return std::nullopt;
}

class Collector : public netxml::NetworkVisitor {
public:
    explicit Collector(NetworkElements &network) : m_network(network) {}

    void node(const QXmlStreamAttributes &attributes) override
    {
        NetworkElements::Node &node = m_network.nodes.emplace_back();
        node.number = int(m_network.nodes.size());
        node.attributes = netxml::readNodeAttributes(attributes);
    }

    void variable(const QXmlStreamAttributes &attributes, int index) override
    {
        if (!netxml::flag(attributes.value(netxml::Enable)))
            return;
        NetworkElements::Variable &v = m_network.nodes.back().variables.emplace_back();
        v.number = index + 1;
        v.attributes = netxml::readVariableAttributes(attributes);
        v.fault = firstFault(v.attributes, attributes);
    }

private:
    NetworkElements &m_network;
};

} // namespace

std::optional<QString> readNetworkElements(const QByteArray &bytes, NetworkElements &network)
{
    network.nodes.clear();
    Collector collector(network);
    // Prefixes are not checked: a network compiles whatever prefixes its
    // names carry.
    auto error = netxml::streamNetwork(bytes, collector, {.namespaceProcessing = false});
    if (error)
        network.nodes.clear();
    return error;
}

} // namespace compiler
