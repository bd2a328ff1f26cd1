// The road of the scan dialog's nodes through the core: records of its own in
// the nodes' data, filled on first use, checked by writing the record, freed
// on Clear.
#include "TreeFixture.h"

#include <new>

namespace vtreetest {
namespace {

// What a dialog keeps per node: a caption, built in the node's data area.
struct Caption {
    QString Text;
};

TEST(ScanRoad, NodesAreFilledOnFirstUseAndGiveBackWhatTheyHold)
{
    int captions = 0;
    TestTree tree;
    tree.SetNodeDataSize(sizeof(Caption));
    tree.OnInitNode = [&](TBaseLazyTree *sender, PLazyNode parent, PLazyNode node, TLazyNodeInitStates &) {
        const QString text = QStringLiteral("level %1 #%2 of %3")
                                 .arg(sender->GetNodeLevel(node))
                                 .arg(node->Index)
                                 .arg(parent ? QString::number(parent->Index) : QStringLiteral("-"));
        new (sender->GetNodeData(node)) Caption{text};
        ++captions;
        node->CheckType = TCheckType::ctCheckBox;
        node->CheckState = node->Index == 0 ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
    };
    tree.OnFreeNode = [&](TBaseLazyTree *sender, PLazyNode node) {
        sender->GetNodeData<Caption>(node)->~Caption();
        --captions;
    };
    for (int slave = 0; slave < 3; ++slave) {
        PLazyNode slaveNode = tree.AddChild(nullptr);
        for (int record = 0; record < 4; ++record)
            tree.AddChild(tree.AddChild(slaveNode));
    }
    // Adding initialised the parents only; showing the rows asks for the rest.
    EXPECT_EQ(captions, 3 + 12);
    tree.FullExpand();
    for (PLazyNode node = tree.GetFirstVisible(); node; node = tree.GetNextVisible(node))
        EXPECT_FALSE(tree.GetNodeData<Caption>(node)->Text.isEmpty());
    EXPECT_EQ(captions, 3 + 12 + 12);
    EXPECT_EQ(tree.GetNodeData<Caption>(tree.GetFirstNoInit()->LastChild)->Text, "level 1 #3 of 0");

    int checked = 0;
    for ([[maybe_unused]] PLazyNode node : tree.CheckedNodes())
        ++checked;
    EXPECT_EQ(checked, 1 + 3 + 12) << "every first child";
    tree.Clear();
    EXPECT_EQ(captions, 0);
}

} // namespace
} // namespace vtreetest
