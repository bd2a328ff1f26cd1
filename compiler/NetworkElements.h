#pragma once
// M_Bus.xml as one compile reads it: a single pass of the network's
// streaming reader keeps every node's attributes and its enabled variables'
// attributes, and each compile step builds its own records from them.
// Disabled variables are not read at all.
#include "project/NetworkAttributes.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace compiler {

struct NetworkElements {
    // The first of the numbers every enabled variable must have that is
    // missing or not an integer.
    struct RequiredFault {
        QLatin1StringView attribute;
        bool missing = false;
        QString text; // as written, when present
    };
    struct Variable {
        int number = 0; // among the node's child elements, from 1
        project::netxml::VariableAttributes attributes;
        std::optional<RequiredFault> fault;
    };
    struct Node {
        int number = 0; // among the root's child elements, from 1
        project::netxml::NodeAttributes attributes;
        std::vector<Variable> variables; // enabled ones only
    };
    std::vector<Node> nodes;
};

// The parser's message when the bytes are not well-formed.
std::optional<QString> readNetworkElements(const QByteArray &bytes, NetworkElements &network);

} // namespace compiler
