#include "TreeFixture.h"
#include "controls/vtree/NodeAllocator.h"

namespace vtreetest {

namespace {

bool effectivelyFiltered(const TBaseLazyTree &tree, PLazyNode node)
{
    return node->States.contains(vsFiltered)
           && !tree.TreeOptions().PaintOptions().contains(TLTPaintOption::toShowFilteredNodes);
}

void collectRows(const TBaseLazyTree &tree, PLazyNode node, bool childrenAbove, bool includeFiltered,
                 std::vector<PLazyNode> &rows)
{
    for (PLazyNode child = node->FirstChild; child; child = child->NextSibling) {
        if (!child->States.contains(vsVisible))
            continue;
        const bool row = includeFiltered || !effectivelyFiltered(tree, child);
        if (row && !childrenAbove)
            rows.push_back(child);
        if (child->States.contains(vsExpanded))
            collectRows(tree, child, childrenAbove, includeFiltered, rows);
        if (row && childrenAbove)
            rows.push_back(child);
    }
}

struct Recount {
    unsigned nodes = 0;
    unsigned rows = 0;
    unsigned selected = 0;
};

// Returns the subtree's node count; checks the node's own figures.
std::uint32_t check(TestTree &tree, PLazyNode node, bool onPath, Recount &recount)
{
    PLazyNode root = tree.RootNode();
    std::uint32_t total = 1;
    std::uint32_t height = node == root ? tree.DefaultNodeHeight()
                                        : (effectivelyFiltered(tree, node) ? 0u : node->NodeHeight);
    std::uint32_t index = 0;
    PLazyNode previous = nullptr;
    const bool childrenOnPath = node == root || (onPath && node->States.containsAll({vsExpanded, vsVisible}));
    for (PLazyNode child = node->FirstChild; child; child = child->NextSibling) {
        EXPECT_EQ(child->Parent, node) << path(child).toStdString();
        EXPECT_EQ(child->PrevSibling, previous) << path(child).toStdString();
        EXPECT_EQ(child->Index, index) << path(child).toStdString();
        ++index;
        previous = child;
        ++recount.nodes;
        if (childrenOnPath && child->States.contains(vsVisible) && !effectivelyFiltered(tree, child))
            ++recount.rows;
        if (child->States.contains(vsSelected))
            ++recount.selected;
        total += check(tree, child, childrenOnPath, recount);
        if (node->States.contains(vsExpanded) && child->States.contains(vsVisible))
            height += child->TotalHeight;
    }
    EXPECT_EQ(node->LastChild, previous) << path(node).toStdString();
    EXPECT_EQ(node->ChildCount, index) << path(node).toStdString();
    EXPECT_EQ(node->TotalCount, total) << path(node).toStdString();
    EXPECT_EQ(node->TotalHeight, height) << path(node).toStdString();
    if (index > 0) {
        EXPECT_TRUE(node->States.contains(vsHasChildren)) << path(node).toStdString();
    }
    return total;
}

} // namespace

std::vector<PLazyNode> shownRows(const TBaseLazyTree &tree, bool childrenAbove, bool includeFiltered)
{
    std::vector<PLazyNode> rows;
    collectRows(tree, tree.RootNode(), childrenAbove, includeFiltered, rows);
    return rows;
}

void expectConsistent(TestTree &tree)
{
    Recount recount;
    check(tree, tree.RootNode(), true, recount);
    EXPECT_EQ(tree.VisibleCount(), recount.rows);
    EXPECT_EQ(tree.RootNode()->TotalCount, recount.nodes + 1);
    EXPECT_EQ(tree.Allocator().liveCount(), recount.nodes);
    EXPECT_EQ(tree.SelectedCount(), recount.selected);
    if (tree.UpdateCount() == 0) {
        EXPECT_EQ(tree.selectionEntries(), recount.selected);
    }
}

std::vector<PLazyNode> addChildren(TBaseLazyTree &tree, PLazyNode parent, int count)
{
    std::vector<PLazyNode> nodes;
    for (int i = 0; i < count; ++i)
        nodes.push_back(tree.AddChild(parent));
    return nodes;
}

QString path(PLazyNode node)
{
    if (!node)
        return QStringLiteral("nil");
    QString text;
    for (; node && node->NextSibling != node; node = node->Parent)
        text = text.isEmpty() ? QString::number(node->Index) : QString::number(node->Index) + u'.' + text;
    return text.isEmpty() ? QStringLiteral("root") : text;
}

} // namespace vtreetest
