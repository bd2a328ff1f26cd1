// Long random sequences of structure, expansion, visibility, filtering and
// height changes; after every step the tree is recounted from scratch and
// its visible walks are compared with rows listed from the flags alone.
#include "TreeFixture.h"

#include "controls/vtree/TreeErrors.h"

#include <algorithm>
#include <random>

namespace vtreetest {
namespace {

std::vector<PLazyNode> allNodes(const TBaseLazyTree &tree, bool childrenAbove)
{
    std::vector<PLazyNode> nodes;
    std::function<void(PLazyNode)> walk = [&](PLazyNode node) {
        for (PLazyNode child = node->FirstChild; child; child = child->NextSibling) {
            if (!childrenAbove)
                nodes.push_back(child);
            walk(child);
            if (childrenAbove)
                nodes.push_back(child);
        }
    };
    walk(tree.RootNode());
    return nodes;
}

class RandomTree {
public:
    explicit RandomTree(unsigned seed) : m_random(seed)
    {
        tree.SetNodeDataSize(8);
        addOption(tree, TLTSelectionOption::toMultiSelect);
        tree.OnInitNode = [this](TBaseLazyTree *, PLazyNode, PLazyNode, TLazyNodeInitStates &states) {
            const int roll = chance(100);
            if (roll < 20)
                states.include(TLazyNodeInitState::ivsHasChildren);
            if (roll >= 20 && roll < 25)
                states.include(TLazyNodeInitState::ivsFiltered);
            if (roll >= 25 && roll < 28)
                states.include({TLazyNodeInitState::ivsHasChildren, TLazyNodeInitState::ivsExpanded});
        };
        tree.OnInitChildren = [this](TBaseLazyTree *, PLazyNode, std::uint32_t &count) { count = chance(4); };
    }

    int chance(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    PLazyNode anyNode(bool allowNil)
    {
        std::vector<PLazyNode> nodes = allNodes(tree, false);
        if (nodes.empty() || (allowNil && chance(8) == 0))
            return nullptr;
        return nodes[static_cast<std::size_t>(chance(static_cast<int>(nodes.size())))];
    }

    TLTNodeAttachMode anyMode() { return static_cast<TLTNodeAttachMode>(1 + chance(4)); }

    void step()
    {
        const bool big = tree.RootNode()->TotalCount > 250;
        PLazyNode node = anyNode(false);
        switch (chance(26)) {
        case 22:
        case 23:
        case 24:
        case 25:
        case 0:
        case 1:
        case 2:
            tree.AddChild(anyNode(true));
            break;
        case 3:
            tree.InsertNode(anyNode(true), anyMode());
            break;
        case 4:
            if (node)
                tree.DeleteNode(node);
            break;
        case 5:
            tree.DeleteChildren(node, chance(2) == 0);
            break;
        case 6:
            if (!big)
                tree.SetChildCount(node, static_cast<std::uint32_t>(chance(8)));
            break;
        case 7:
        case 8:
            if (node)
                tree.ToggleNode(node);
            break;
        case 9:
            if (node)
                tree.SetVisible(node, chance(3) != 0);
            break;
        case 10:
            if (node)
                tree.SetFiltered(node, chance(2) == 0);
            break;
        case 11:
            tree.SetNodeHeight(node, chance(10) == 0 ? 70000u + static_cast<unsigned>(chance(1000))
                                                      : static_cast<unsigned>(chance(40)));
            break;
        case 12:
            if (node) {
                try {
                    tree.MoveTo(node, anyNode(true), anyMode(), chance(4) == 0);
                } catch (const ELazyTreeError &error) {
                    EXPECT_EQ(error.HelpContext(), errMoveToOwnChild);
                }
            }
            break;
        case 13:
            if (node && !big)
                tree.CopyTo(node, anyNode(true), anyMode(), chance(4) == 0);
            break;
        case 14:
            if (node)
                tree.ResetNode(node);
            break;
        case 15:
            if (!big)
                tree.FullExpand(anyNode(true));
            break;
        case 16:
            tree.FullCollapse(anyNode(true));
            break;
        case 17: {
            const auto options = tree.TreeOptions().PaintOptions();
            const auto option = chance(2) == 0 ? TLTPaintOption::toShowFilteredNodes : TLTPaintOption::toChildrenAbove;
            tree.TreeOptions().SetPaintOptions(options.contains(option) ? options - option : options + option);
            break;
        }
        case 18:
            if (node)
                tree.SetSelected(node, chance(3) != 0);
            break;
        case 19:
            if (tree.UpdateCount() == 0 && chance(2) == 0)
                tree.BeginUpdate();
            else if (tree.UpdateCount() > 0)
                tree.EndUpdate();
            break;
        case 20:
            if (chance(10) == 0)
                tree.Clear();
            else if (chance(3) == 0)
                tree.DeleteSelectedNodes();
            else
                tree.ReinitNode(node, chance(2) == 0);
            break;
        case 21:
            if (chance(5) == 0)
                tree.SetDefaultNodeHeight(static_cast<unsigned>(chance(30)));
            else
                tree.ValidateNode(node, chance(2) == 0);
            break;
        }
        if (big && chance(3) == 0)
            tree.DeleteNode(tree.RootNode()->LastChild);
    }

    TestTree tree;

private:
    std::mt19937 m_random;
};

// The walks from any node, shown or not, against the recounted rows.
void expectWalksMatch(RandomTree &random)
{
    TestTree &tree = random.tree;
    for (bool c : {false, true}) {
        const bool above = c && tree.TreeOptions().PaintOptions().contains(TLTPaintOption::toChildrenAbove);
        const std::vector<PLazyNode> rows = shownRows(tree, above);
        const std::vector<PLazyNode> order = allNodes(tree, above);

        std::vector<PLazyNode> walked;
        PLazyNode first = rows.empty() ? nullptr : rows.front();
        for (PLazyNode node = first; node; node = tree.GetNextVisibleNoInit(node, c))
            walked.push_back(node);
        EXPECT_EQ(walked, rows) << "forward, children above " << above;
        walked.clear();
        for (PLazyNode node = tree.GetLastVisibleNoInit(nullptr, c); node; node = tree.GetPreviousVisibleNoInit(node, c))
            walked.push_back(node);
        std::reverse(walked.begin(), walked.end());
        EXPECT_EQ(walked, rows) << "backward, children above " << above;
        if (!above) {
            EXPECT_EQ(tree.GetFirstVisibleNoInit(nullptr, c), first);
        }

        for (int probe = 0; probe < 4 && !order.empty(); ++probe) {
            const std::size_t at = static_cast<std::size_t>(random.chance(static_cast<int>(order.size())));
            PLazyNode start = order[at];
            auto isRow = [&](PLazyNode node) { return std::find(rows.begin(), rows.end(), node) != rows.end(); };
            PLazyNode next = nullptr;
            for (std::size_t i = at + 1; i < order.size() && !next; ++i)
                if (isRow(order[i]))
                    next = order[i];
            PLazyNode previous = nullptr;
            for (std::size_t i = at; i-- > 0 && !previous;)
                if (isRow(order[i]))
                    previous = order[i];
            PLazyNode last = nullptr;
            for (PLazyNode row : rows)
                if (tree.HasAsParent(row, start))
                    last = row;
            EXPECT_EQ(tree.GetNextVisibleNoInit(start, c), next) << path(start).toStdString() << " above " << above;
            EXPECT_EQ(tree.GetPreviousVisibleNoInit(start, c), previous) << path(start).toStdString() << " above " << above;
            EXPECT_EQ(tree.GetLastVisibleNoInit(start, c), last) << path(start).toStdString() << " above " << above;
        }
    }
}

class TreeInvariants : public ::testing::TestWithParam<unsigned> {};

TEST_P(TreeInvariants, HoldAfterEveryStepOfALongRandomSequence)
{
    RandomTree random(GetParam());
    for (int step = 0; step < 1500; ++step) {
        random.step();
        SCOPED_TRACE(step);
        expectConsistent(random.tree);
        expectWalksMatch(random);
        if (::testing::Test::HasFailure())
            return;
    }
    while (random.tree.UpdateCount() > 0)
        random.tree.EndUpdate();
    expectConsistent(random.tree);
}

INSTANTIATE_TEST_SUITE_P(Seeds, TreeInvariants, ::testing::Values(1u, 2u, 3u, 4u));

} // namespace
} // namespace vtreetest
