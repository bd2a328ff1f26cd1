#pragma once
// Small networks for the copy and paste tests.
#include "app/Language.h"
#include "project/NetworkFile.h"
#include "project/NetworkModel.h"
#include "support/NetworkFixtures.h"

#include <QStringList>
#include <ostream>
#include <vector>

// Readable failures: a node or variable as the file holds it, every
// attribute included.
namespace project {
inline void PrintTo(const TNodo &node, std::ostream *out)
{
    *out << serializeNetwork({node}, 1007).toStdString();
}
inline void PrintTo(const TVariabile &variable, std::ostream *out)
{
    TNodo holder;
    holder.Var_List.push_back(variable);
    PrintTo(holder, out);
}
} // namespace project

namespace pastetest {

using nettest::variable;

// A wired node with its variables.
inline project::TNodo wiredNode(const char *description, int primary, std::vector<project::TVariabile> variables,
                                int nodeState = 0, int ident = 0)
{
    project::TNodo n = nettest::wiredNode(QString::fromLatin1(description), primary, nodeState, ident);
    n.Var_List = std::move(variables);
    return n;
}

// The message of a clash with a variable of the network (texts first to
// first + 2).
inline QString variableClash(int first, const char *node, const char *variable)
{
    return app::text(first) + QString::fromLatin1(node) + app::text(first + 1) + QString::fromLatin1(variable)
        + app::text(first + 2);
}

inline QString nodeClash(int first, const char *node)
{
    return app::text(first) + QString::fromLatin1(node) + app::text(first + 1);
}

// The network as it reads back from a file of a converter type.
inline project::TNodoList asRead(const project::TNodoList &nodes, int type)
{
    return project::parseNetwork(project::serializeNetwork(nodes, type), type).nodes;
}

} // namespace pastetest
