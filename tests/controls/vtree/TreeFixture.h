#pragma once
// A tree for the tests: its timers run on a clock the test moves, its inner
// operations are reachable, and its structure can be recounted from scratch
// and compared with what the tree keeps.
#include "controls/vtree/BaseLazyTree.h"
#include "platform/AssertionFailed.h"
#include "support/ManualNumberedTimers.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace vtreetest {

using namespace vtree;
using enum TLazyNodeState;
using enum TLTNodeAttachMode;

class TestTree : public TBaseLazyTree {
public:
    TestTree()
    {
        auto timers = std::make_unique<testsupport::ManualNumberedTimers>();
        clock = timers.get();
        SetTreeTimers(std::move(timers));
    }

    using TBaseLazyTree::AllocateNode;
    using TBaseLazyTree::ChangeTreeStates;
    using TBaseLazyTree::InitializeNode;
    using TBaseLazyTree::InternalData;
    using TBaseLazyTree::RecomputeSubtreeHeight;
    using TBaseLazyTree::RecountSubtree;
    using TBaseLazyTree::ReserveInternalData;
    using TBaseLazyTree::QueryChecking;
    using TBaseLazyTree::QueryFocusChanging;
    using TBaseLazyTree::QueryImageIndex;
    using TBaseLazyTree::QueryPopupMenu;
    using TBaseLazyTree::SetTreeTimer;
    using TBaseLazyTree::UnlinkNode;

    PLazyNode nextToSelect() const { return NextNodeToSelect(); }
    std::size_t selectionEntries() const { return SelectionEntryCount(); }

    testsupport::ManualNumberedTimers *clock;
};

// Options in one call.
inline void addOption(TBaseLazyTree &tree, TLTPaintOption option)
{
    tree.TreeOptions().SetPaintOptions(tree.TreeOptions().PaintOptions() + option);
}
inline void addOption(TBaseLazyTree &tree, TLTMiscOption option)
{
    tree.TreeOptions().SetMiscOptions(tree.TreeOptions().MiscOptions() + option);
}
inline void addOption(TBaseLazyTree &tree, TLTSelectionOption option)
{
    tree.TreeOptions().SetSelectionOptions(tree.TreeOptions().SelectionOptions() + option);
}
inline void addOption(TBaseLazyTree &tree, TLTAutoOption option)
{
    tree.TreeOptions().SetAutoOptions(tree.TreeOptions().AutoOptions() + option);
}

// Rows as the tree should show them, recounted from the links and flags
// alone: in tree order, or with children above their parent.
std::vector<PLazyNode> shownRows(const TBaseLazyTree &tree, bool childrenAbove, bool includeFiltered = false);

// Recounts every total, index, link and the visible count and expects the
// tree's own figures to match.
void expectConsistent(TestTree &tree);

// Adds Count children (nil: top-level nodes) and returns them.
std::vector<PLazyNode> addChildren(TBaseLazyTree &tree, PLazyNode parent, int count);

// A short name for a node: the indexes from the top level, "1.0.2".
QString path(PLazyNode node);

} // namespace vtreetest

namespace vtreetest {

// The message of the assertion the call fails, empty when it passes.
template <class Call>
QString assertionOf(Call call)
{
    try {
        call();
    } catch (const platform::EAssertionFailed &failure) {
        return failure.assertion();
    }
    return {};
}

// What a tree or header writes to a stream, and reading it back.
template <class Streamed>
QByteArray streamedBytes(Streamed &streamed)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    streamed.SaveToStream(buffer);
    return bytes;
}
template <class Streamed>
void loadBytes(Streamed &streamed, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    streamed.LoadFromStream(buffer);
}

// Records events as short texts, in order.
struct EventLog {
    std::vector<std::string> entries;
    void add(const std::string &text) { entries.push_back(text); }
    void add(const char *what, PLazyNode node) { entries.push_back(std::string(what) + ' ' + path(node).toStdString()); }
};

} // namespace vtreetest
