#include "MouseProbe.h"

#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QtEndian>

namespace vtreetest {
namespace {

using enum TShiftStateItem;

struct DragTree : MouseProbe {
    explicit DragTree(int count = 3)
    {
        for (int i = 0; i < count; ++i)
            texts << QStringLiteral("node %1").arg(i);
        addNodes(count);
        for (PLazyNode n = GetFirst(); n; n = GetNextSibling(n))
            rows.push_back(n);
        OnDragAllowed = [](TreeSender, PLazyNode, TColumnIndex, bool &allowed) { allowed = true; };
    }
    // Accepts every drag and inserts the tree data it carries where it is dropped.
    void acceptDrops()
    {
        OnDragOver = [](TreeSender, QObject *, TShiftState, TDragState, QPoint, TDropMode, int &, bool &accept) {
            accept = true;
        };
        OnDragDrop = [this](TreeSender, QObject *, IDataObject *data, const TFormatArray &formats, TShiftState,
                            QPoint, int &effect, TDropMode mode) {
            droppedFormats = formats;
            droppedEffect = effect;
            const TLTNodeAttachMode attach = mode == TDropMode::dmAbove   ? TLTNodeAttachMode::amInsertBefore
                                             : mode == TDropMode::dmBelow ? TLTNodeAttachMode::amInsertAfter
                                                                          : TLTNodeAttachMode::amAddChildLast;
            processed = ProcessDrop(data, DropTargetNode(), effect, attach);
        };
    }
    // Presses on a node's label and moves past the drag threshold.
    void dragFrom(PLazyNode node)
    {
        const QPoint p = labelOf(node);
        press(p);
        move(p + QPoint(0, QApplication::startDragDistance() + 1));
    }
    int topCount() { return int(RootNode()->ChildCount); }

    std::vector<PLazyNode> rows;
    TFormatArray droppedFormats;
    int droppedEffect = -1;
    bool processed = false;
};

// Enters, moves over and drops on the target at P; the action it answers.
Qt::DropAction dropOn(QAbstractScrollArea &target, const QMimeData *data, QPoint p, Qt::DropActions actions,
                      Qt::KeyboardModifiers modifiers = {})
{
    QDragEnterEvent enter(p, actions, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target.viewport(), &enter);
    QDragMoveEvent over(p, actions, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target.viewport(), &over);
    QDropEvent drop(QPointF(p), actions, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target.viewport(), &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

TEST(TreeDragDropTest, TheSuggestedEffectFollowsTheSourceTheKeysAndTheAllowedEffects)
{
    DragTree tree;
    const int copyMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const int all = copyMove | DROPEFFECT_LINK;
    struct Case {
        bool sameTree;
        TShiftState shift;
        int allowed;
        int expected;
    };
    const Case cases[] = {
        {true, {}, copyMove, DROPEFFECT_MOVE},
        {true, {ssCtrl}, copyMove, DROPEFFECT_COPY},
        {true, {ssCtrl, ssShift}, copyMove, DROPEFFECT_MOVE},
        {true, {ssCtrl, ssShift}, all, DROPEFFECT_LINK},
        {true, {ssAlt}, all, DROPEFFECT_LINK},
        {false, {}, copyMove, DROPEFFECT_COPY},
        {false, {ssShift}, copyMove, DROPEFFECT_MOVE},
        {false, {}, DROPEFFECT_LINK, DROPEFFECT_LINK},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tree.SuggestDropEffect(c.sameTree ? &tree : nullptr, c.shift, c.allowed), c.expected)
            << c.sameTree << " " << c.allowed;
}

TEST(TreeDragDropTest, TheDropModeIsOnTheNodeAboveOrBelowByWhereThePointIs)
{
    struct Case {
        bool dropMarks;
        int x; // -1: the label's middle
        int dy;
        TDropMode expected;
    };
    const Case cases[] = {
        {true, -1, 0, TDropMode::dmOnNode}, {true, 190, -5, TDropMode::dmAbove}, {true, 190, 5, TDropMode::dmBelow},
        {false, 190, -5, TDropMode::dmOnNode}, {false, 190, 5, TDropMode::dmOnNode},
    };
    for (const Case &c : cases) {
        DragTree tree;
        tree.acceptDrops();
        TLTPaintOptions paint = tree.TreeOptions().PaintOptions();
        if (!c.dropMarks)
            paint.exclude(TLTPaintOption::toShowDropmark);
        tree.TreeOptions().SetPaintOptions(paint);
        QMimeData text;
        text.setText(QStringLiteral("x"));
        const QPoint label = tree.labelOf(tree.rows[1]);
        const QPoint p(c.x < 0 ? label.x() : c.x, label.y() + c.dy);
        QDragEnterEvent enter(p, Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &enter);
        EXPECT_EQ(tree.LastDropMode(), c.expected) << c.dropMarks << " " << c.x << " " << c.dy;
        EXPECT_EQ(tree.DropTargetNode(), tree.rows[1]);
    }
}

TEST(TreeDragDropTest, WithoutADragOverHandlerNothingIsEverDropped)
{
    DragTree tree;
    int drops = 0;
    tree.OnDragDrop = [&](TreeSender, QObject *, IDataObject *, const TFormatArray &, TShiftState, QPoint, int &,
                          TDropMode) { ++drops; };
    QMimeData text;
    text.setText(QStringLiteral("x"));
    EXPECT_EQ(dropOn(tree, &text, tree.labelOf(tree.rows[0]), Qt::CopyAction | Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(drops, 0);
}

TEST(TreeDragDropTest, ACollapsedDropTargetWithChildrenExpandsAfterTheDelay)
{
    for (const bool autoExpand : {true, false}) {
        DragTree tree;
        tree.acceptDrops();
        tree.AddChild(tree.rows[1]);
        TLTAutoOptions options = tree.TreeOptions().AutoOptions();
        if (!autoExpand)
            options.exclude(TLTAutoOption::toAutoDropExpand);
        tree.TreeOptions().SetAutoOptions(options);
        QMimeData text;
        text.setText(QStringLiteral("x"));
        QDragEnterEvent enter(tree.labelOf(tree.rows[1]), Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &enter);
        const QTimer *timer = tree.AutoExpandTimer();
        EXPECT_EQ(timer && timer->isActive(), autoExpand);
        if (autoExpand) {
            EXPECT_EQ(timer->interval(), int(tree.AutoExpandDelay()));
            tree.AutoExpandTimerFired();
        }
        EXPECT_EQ(tree.GetExpanded(tree.rows[1]), autoExpand);
    }
}

TEST(TreeDragDropTest, ADragNearTheBottomScrollsAndLeavingForgetsTheTarget)
{
    DragTree tree(40);
    tree.acceptDrops();
    std::vector<TDragState> states;
    tree.OnDragOver = [&](TreeSender, QObject *, TShiftState, TDragState state, QPoint, TDropMode, int &,
                          bool &accept) {
        states.push_back(state);
        accept = true;
    };
    TLTAutoOptions options = tree.TreeOptions().AutoOptions();
    options.include(TLTAutoOption::toAutoScroll);
    tree.TreeOptions().SetAutoOptions(options);
    tree.SetAutoScrollDelay(0);
    QMimeData text;
    text.setText(QStringLiteral("x"));
    const QPoint bottom(20, tree.ClientHeight() - 2);
    QDragEnterEvent enter(bottom, Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(tree.viewport(), &enter);
    QDragMoveEvent over(bottom, Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(tree.viewport(), &over);
    EXPECT_LT(tree.OffsetY(), 0) << "one step down per drag-over near the edge";
    EXPECT_NE(tree.DropTargetNode(), nullptr);
    QDragLeaveEvent leave;
    QApplication::sendEvent(tree.viewport(), &leave);
    EXPECT_EQ(tree.DropTargetNode(), nullptr);
    using enum TDragState;
    EXPECT_EQ(states, (std::vector<TDragState>{dsDragEnter, dsDragMove, dsDragLeave}));
}

TEST(TreeDragDropTest, NodesAreCopiedToAnotherTreeAndMovedWithShift)
{
    for (const bool move : {false, true}) {
        DragTree source;
        DragTree target(1);
        target.acceptDrops();
        source.AddChild(source.rows[1]);
        source.dragLoop = [&](QDrag &drag, Qt::DropActions allowed) {
            return dropOn(target, drag.mimeData(), target.labelOf(target.rows[0]), allowed,
                          move ? Qt::ShiftModifier : Qt::NoModifier);
        };
        source.dragFrom(source.rows[1]);
        ASSERT_EQ(source.drags, 1);
        EXPECT_TRUE(target.processed);
        EXPECT_EQ(target.droppedEffect, move ? DROPEFFECT_MOVE : DROPEFFECT_COPY);
        PLazyNode dropped = target.rows[0]->FirstChild;
        ASSERT_NE(dropped, nullptr);
        EXPECT_EQ(dropped->ChildCount, 1u) << "the subtree comes along";
        EXPECT_EQ(source.topCount(), move ? 2 : 3);
        // The move was complete at the target: nothing was left to delete.
        EXPECT_EQ(source.LastDragEffect(), move ? DROPEFFECT_NONE : DROPEFFECT_COPY);
        EXPECT_FALSE(source.Dragging());
    }
}

TEST(TreeDragDropTest, ANodeDraggedWithinItsTreeMovesAboveBelowOrIntoTheTarget)
{
    struct Case {
        int dy;
        int x; // -1: the label
        std::vector<int> order; // the top nodes afterwards, by their first index
        bool child;
    };
    const Case cases[] = {
        {0, -1, {1, 2, 3}, true},
        {-5, 190, {1, 0, 2, 3}, false},
        {5, 190, {1, 2, 0, 3}, false},
    };
    for (const Case &c : cases) {
        DragTree tree(4);
        tree.acceptDrops();
        std::vector<PLazyNode> rows = tree.rows;
        const QPoint label = tree.labelOf(rows[2]);
        const QPoint p(c.x < 0 ? label.x() : c.x, label.y() + c.dy);
        tree.dragLoop = [&](QDrag &drag, Qt::DropActions allowed) { return dropOn(tree, drag.mimeData(), p, allowed); };
        tree.dragFrom(rows[0]);
        std::vector<int> order;
        for (PLazyNode n = tree.GetFirst(); n; n = tree.GetNextSibling(n))
            order.push_back(int(std::find(rows.begin(), rows.end(), n) - rows.begin()));
        EXPECT_EQ(order, c.order) << c.dy;
        EXPECT_EQ(rows[2]->FirstChild == rows[0], c.child);
    }
}

TEST(TreeDragDropTest, AMoveTakenElsewhereDeletesTheDraggedNodesWhenAsked)
{
    for (const bool autoDelete : {true, false}) {
        DragTree tree;
        TLTAutoOptions options = tree.TreeOptions().AutoOptions();
        if (!autoDelete)
            options.exclude(TLTAutoOption::toAutoDeleteMovedNodes);
        tree.TreeOptions().SetAutoOptions(options);
        QSize pixmap;
        QPoint hotSpot;
        tree.dragLoop = [&](QDrag &drag, Qt::DropActions) {
            pixmap = drag.pixmap().size();
            hotSpot = drag.hotSpot();
            return Qt::MoveAction;
        };
        tree.dragFrom(tree.rows[1]);
        EXPECT_EQ(pixmap, QSize(tree.DragWidth(), tree.DragHeight())) << "the drag shows the nodes' picture";
        EXPECT_EQ(hotSpot, QPoint(tree.DragWidth() / 2, tree.DragHeight() / 2));
        EXPECT_EQ(tree.LastDragEffect(), DROPEFFECT_MOVE);
        EXPECT_EQ(tree.topCount(), autoDelete ? 2 : 3);
        EXPECT_EQ(tree.lastAllowed, Qt::CopyAction | Qt::MoveAction);
    }
}

TEST(TreeDragDropTest, DataFromOutsideReachesTheDropEventWithItsFormats)
{
    DragTree tree;
    tree.acceptDrops();
    QMimeData text;
    text.setText(QStringLiteral("meter 7"));
    EXPECT_EQ(dropOn(tree, &text, tree.labelOf(tree.rows[0]), Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    EXPECT_EQ(tree.droppedFormats, QStringList{QStringLiteral("text/plain")});
    EXPECT_EQ(tree.droppedEffect, DROPEFFECT_COPY);
    EXPECT_FALSE(tree.processed) << "no tree data to insert";
    EXPECT_EQ(tree.topCount(), 3);
}

// ---- Dropped bytes --------------------------------------------------------------------

QByteArray withSizeField(QByteArray payload, std::int32_t size)
{
    qToLittleEndian(size, payload.data());
    return payload;
}

TEST(TreeDragDropTest, TreeDataIsReadNoFurtherThanTheBytesPresent)
{
    const QByteArray records("ABCDEF");
    const QByteArray payload = treeDataBlock(records);
    struct Case {
        QByteArray bytes;
        QByteArray expected;
    };
    const Case cases[] = {
        {payload, records},
        {withSizeField(payload, 3), QByteArray("ABC")},
        {withSizeField(payload, 0x7fffffff), records},
        {withSizeField(payload, 0), {}},
        {withSizeField(payload, -5), {}},
        {QByteArray("\x06\x00", 2), {}},
        {{}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(treeDataRecords(c.bytes), c.expected) << c.bytes.toHex().toStdString();
}

TEST(TreeDragDropTest, ADropWhoseSizeFieldOverstatesItsBytesInsertsWhatIsThereOrNothing)
{
    DragTree source;
    source.AddChild(source.rows[1]);
    source.SetSelected(source.rows[1], true);
    std::unique_ptr<QMimeData> data(source.DragDataObject());
    const QByteArray whole = data->data(treeDataMimeType());
    struct Case {
        QByteArray bytes;
        bool inserted;
    };
    const Case cases[] = {
        {withSizeField(whole, 0x7fffffff), true},
        {withSizeField(whole.left(whole.size() / 2), 0x7fffffff), false},
        {withSizeField(whole.left(6), 1 << 30), false},
    };
    for (const Case &c : cases) {
        DragTree target(1);
        QMimeData dropped;
        dropped.setData(treeDataMimeType(), c.bytes);
        int effect = DROPEFFECT_COPY;
        EXPECT_EQ(target.ProcessDrop(&dropped, target.rows[0], effect, TLTNodeAttachMode::amAddChildLast), c.inserted);
        EXPECT_EQ(target.rows[0]->ChildCount, c.inserted ? 1u : 0u);
        EXPECT_EQ(effect, c.inserted ? DROPEFFECT_COPY : DROPEFFECT_NONE);
    }
}

TEST(TreeDragDropTest, AReferenceNamesATreeOnlyInThisProcessAndOnlyTheOneComparedWith)
{
    DragTree tree;
    DragTree other;
    const QByteArray reference = treeReferenceOf(tree);
    QByteArray foreign = reference;
    foreign[0] = char(foreign[0] ^ 0x55);
    EXPECT_EQ(referencedTree(reference, &tree), &tree);
    EXPECT_EQ(referencedTree(reference, &other), nullptr);
    EXPECT_EQ(referencedTree(foreign, &tree), nullptr);
    EXPECT_EQ(referencedTree(reference.left(8), &tree), nullptr);
    EXPECT_EQ(referencedTree(reference, nullptr), nullptr);
}

} // namespace
} // namespace vtreetest
