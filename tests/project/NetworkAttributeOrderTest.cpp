// The attributes of an element read the same whatever their order and
// whatever unknown attributes stand between them: the reader expects the
// writers' order but must not depend on it.
#include "project/NetworkAttributes.h"
#include "project/NetworkStream.h"

#include <QXmlStreamAttributes>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace netxml = project::netxml;

struct Recorder : netxml::NetworkVisitor {
    std::vector<netxml::NodeAttributes> nodes;
    std::vector<netxml::VariableAttributes> variables;
    void node(const QXmlStreamAttributes &a) override { nodes.push_back(netxml::readNodeAttributes(a)); }
    void variable(const QXmlStreamAttributes &a, int) override { variables.push_back(netxml::readVariableAttributes(a)); }
};

using Pairs = std::vector<std::pair<QString, QString>>;

QByteArray file(const Pairs &node, const Pairs &variable)
{
    const auto attributes = [](const Pairs &pairs) {
        QString text;
        for (const auto &[name, value] : pairs)
            text += QStringLiteral(" %1=\"%2\"").arg(name, value);
        return text;
    };
    return QStringLiteral("<M-Bus_Network><Nodo%1><Variabile%2/></Nodo></M-Bus_Network>")
        .arg(attributes(node), attributes(variable))
        .toUtf8();
}

const Pairs NodePairs = {{"Node_Enable", "1"},  {"ID_Primary", "7"},  {"Descrizione", "Heat"}, {"Node_State", "0x10"},
                         {"Cut_After", "4"},    {"MBus_Type", "2"},   {"wMBus_Add", "12345678"}, {"wMBus_En_Key", "1"},
                         {"wMBus_Key_16", "255"}, {"wMBus_RSSI", "40"}, {"ID", "3000000000"}};
const Pairs VariablePairs = {{"Enable", "1"}, {"Desc", "Energy"}, {"Type", "21"}, {"Fun_Field", "1"}, {"Dim", "7"},
                             {"ModReg", "40001"}, {"ModScale", "2"}, {"StoNumber", "4294967295"},
                             {"VIF_ASCII", "kWh"}, {"Length", "6"}, {"Force_Int32", "1"}, {"Position", "3"}};

Recorder read(const QByteArray &bytes)
{
    Recorder r;
    EXPECT_FALSE(netxml::streamNetwork(bytes, r));
    return r;
}

void expectSame(const Recorder &a, const Recorder &b)
{
    ASSERT_EQ(a.nodes.size(), 1u);
    ASSERT_EQ(b.nodes.size(), 1u);
    ASSERT_EQ(a.variables.size(), 1u);
    ASSERT_EQ(b.variables.size(), 1u);
    const netxml::NodeAttributes &n = a.nodes[0], &m = b.nodes[0];
    EXPECT_EQ(n.Node_Enable, m.Node_Enable);
    EXPECT_EQ(n.ID_Primary, m.ID_Primary);
    EXPECT_EQ(n.Descrizione, m.Descrizione);
    EXPECT_EQ(n.Node_State, m.Node_State);
    EXPECT_EQ(n.Cut_After, m.Cut_After);
    EXPECT_EQ(n.MBus_Type, m.MBus_Type);
    EXPECT_EQ(n.wMBus_Add, m.wMBus_Add);
    EXPECT_EQ(n.wMBus_En_Key, m.wMBus_En_Key);
    EXPECT_EQ(n.wMBus_Key, m.wMBus_Key);
    EXPECT_EQ(n.wMBus_RSSI, m.wMBus_RSSI);
    EXPECT_EQ(n.ID, m.ID);
    const netxml::VariableAttributes &v = a.variables[0], &w = b.variables[0];
    EXPECT_EQ(v.Enable, w.Enable);
    EXPECT_EQ(v.Desc, w.Desc);
    EXPECT_EQ(v.Type, w.Type);
    EXPECT_EQ(v.Fun_Field, w.Fun_Field);
    EXPECT_EQ(v.Dim, w.Dim);
    EXPECT_EQ(v.ModReg, w.ModReg);
    EXPECT_EQ(v.ModScale, w.ModScale);
    EXPECT_EQ(v.StoNumber, w.StoNumber);
    EXPECT_EQ(v.VIF_ASCII, w.VIF_ASCII);
    EXPECT_EQ(v.Length, w.Length);
    EXPECT_EQ(v.Force_Int32, w.Force_Int32);
    EXPECT_EQ(v.Position, w.Position);
}

TEST(NetworkAttributeOrder, AnyOrderAndUnknownNamesReadTheSame)
{
    const Recorder written = read(file(NodePairs, VariablePairs));
    ASSERT_EQ(written.nodes.size(), 1u);
    EXPECT_EQ(written.nodes[0].wMBus_Key[15], "255");
    EXPECT_EQ(written.nodes[0].ID, 3000000000u);
    ASSERT_EQ(written.variables.size(), 1u);
    EXPECT_EQ(written.variables[0].ModReg, 40001);

    Pairs node = NodePairs, variable = VariablePairs;
    std::reverse(node.begin(), node.end());
    std::reverse(variable.begin(), variable.end());
    SCOPED_TRACE("reversed");
    expectSame(written, read(file(node, variable)));

    // Unknown names, names that differ only in case or length, between the known ones.
    Pairs noisyNode, noisyVariable;
    for (const auto &p : NodePairs) {
        noisyNode.push_back({p.first.toLower() + "_x", "9"});
        noisyNode.push_back(p);
    }
    for (const auto &p : VariablePairs) {
        noisyVariable.push_back({p.first + "2", "9"});
        noisyVariable.push_back(p);
    }
    noisyNode.push_back({"node_enable", "0"});
    SCOPED_TRACE("with unknown names");
    expectSame(written, read(file(noisyNode, noisyVariable)));
}

TEST(NetworkAttributeOrder, ANotWellFormedFileIsReportedAfterWhatCameBefore)
{
    Recorder r;
    const auto error = netxml::streamNetwork("<M-Bus_Network><Nodo Node_Enable=\"1\"><Variabile Enable=\"1\"/></Nodo><Nodo>",
                                             r);
    ASSERT_TRUE(error);
    EXPECT_EQ(r.nodes.size(), 2u);
    EXPECT_EQ(r.variables.size(), 1u);
}

} // namespace
