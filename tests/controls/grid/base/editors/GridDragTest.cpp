#include "controls/grid/base/editors/GridDrag.h"

#include "EditorEvents.h"
#include "support/RecordingDropTarget.h"

#include <QDropEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace controls;
using namespace editortest;

namespace {

using RecordingTarget = testsupport::RecordingDropTarget;

class NullSource : public TESGDropSource {};

// In place of the system's drag loop: the data enters the target widget,
// the source sees the effect shown, and the button is released over it.
struct LoopOverWidget {
    explicit LoopOverWidget(QWidget &w) : widget(w) {}
    QWidget &widget;
    Qt::KeyboardModifiers keys = Qt::NoModifier;
    QStringList offered;

    std::uint32_t operator()(QWidget &, std::unique_ptr<QMimeData> data, TESGDropSource &source, int okEffects,
                             int &effect)
    {
        offered = data->formats();
        const Qt::DropActions allowed = toDropActions(okEffects);
        QDragEnterEvent enter(QPoint(5, 5), allowed, data.get(), Qt::LeftButton, keys);
        QApplication::sendEvent(&widget, &enter);
        QDragMoveEvent move(QPoint(6, 6), allowed, data.get(), Qt::LeftButton, keys);
        QApplication::sendEvent(&widget, &move);
        source.GiveFeedback(move.isAccepted() ? toDropEffects(move.dropAction()) : DROPEFFECT_NONE);
        QDropEvent drop(QPointF(6, 6), allowed, data.get(), Qt::NoButton, keys);
        QApplication::sendEvent(&widget, &drop);
        effect = drop.isAccepted() ? toDropEffects(drop.dropAction()) : DROPEFFECT_NONE;
        return source.QueryContinueDrag(false, false);
    }
};

struct Fixture {
    QWidget origin;
    QWidget over;
    RecordingTarget target;
    TDropTargetAdapter *adapter = new TDropTargetAdapter(over, target);
    LoopOverWidget loop{over};
    NullSource source;

    Fixture()
    {
        setDragLoop([this](QWidget &o, std::unique_ptr<QMimeData> d, TESGDropSource &s, int ok, int &e) {
            return loop(o, std::move(d), s, ok, e);
        });
    }
    ~Fixture() { setDragLoop(nullptr); }
};

} // namespace

TEST(GridDrag, TextDragsMoveOrCopyWithCtrlAndRefusedOnesEndCancelled)
{
    const struct {
        bool acceptText;
        Qt::KeyboardModifiers keys;
        int okEffects;
        std::uint32_t result;
        int effect;
    } cases[] = {
        {true, Qt::NoModifier, DROPEFFECT_COPY | DROPEFFECT_MOVE, DRAGDROP_S_DROP, DROPEFFECT_MOVE},
        {true, Qt::ControlModifier, DROPEFFECT_COPY | DROPEFFECT_MOVE, DRAGDROP_S_DROP, DROPEFFECT_COPY},
        {true, Qt::NoModifier, DROPEFFECT_COPY, DRAGDROP_S_DROP, DROPEFFECT_COPY},
        {false, Qt::NoModifier, DROPEFFECT_COPY | DROPEFFECT_MOVE, DRAGDROP_S_CANCEL, DROPEFFECT_NONE},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.target.AcceptText = c.acceptText;
        f.loop.keys = c.keys;
        int effect = DROPEFFECT_MOVE;
        EXPECT_EQ(StartTextDragDrop(f.origin, f.source, "12.5", QString(), effect, c.okEffects, std::nullopt),
                  c.result);
        EXPECT_EQ(effect, c.effect);
        const std::vector<std::string> calls =
            c.acceptText ? std::vector<std::string>{"text"} : std::vector<std::string>{};
        EXPECT_EQ(f.target.calls, calls);
        EXPECT_EQ(f.target.text, c.acceptText ? "12.5" : "");
    }
}

TEST(GridDrag, ColumnsAndCellBlocksCrossInTheirOwnFormats)
{
    {
        Fixture f;
        f.target.AcceptCols = true;
        int effect = DROPEFFECT_MOVE;
        EXPECT_EQ(StartColumnDragDrop(f.origin, f.source, 7, DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
        EXPECT_EQ(f.loop.offered, QStringList{mime::GridColumn}) << "no text it could not deliver";
        EXPECT_EQ(f.target.column, 7);
    }
    {
        Fixture f;
        int effect = DROPEFFECT_COPY;
        EXPECT_EQ(StartColumnDragDrop(f.origin, f.source, 7, DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL)
            << "columns are refused unless asked for";
        EXPECT_EQ(f.target.column, -2);
    }
    {
        Fixture f;
        f.target.AcceptText = f.target.AcceptFiles = f.target.AcceptURLs = false;
        const QByteArray cells("\x01\x02\x00\x03", 4);
        int effect = DROPEFFECT_COPY;
        EXPECT_EQ(StartTextDragDrop(f.origin, f.source, "a\tb", QString(), effect, DROPEFFECT_COPY, cells),
                  DRAGDROP_S_DROP);
        EXPECT_EQ(f.target.calls, std::vector<std::string>{"stream"});
        EXPECT_EQ(f.target.stream, cells);
    }
}

TEST(GridDrag, DropActionsAndEffectsMapBothWays)
{
    const struct {
        Qt::DropActions actions;
        int effects;
    } cases[] = {{Qt::IgnoreAction, DROPEFFECT_NONE},
                 {Qt::CopyAction, DROPEFFECT_COPY},
                 {Qt::MoveAction | Qt::CopyAction, DROPEFFECT_MOVE | DROPEFFECT_COPY},
                 {Qt::LinkAction, DROPEFFECT_LINK}};
    for (const auto &c : cases) {
        EXPECT_EQ(toDropEffects(c.actions), c.effects);
        EXPECT_EQ(toDropActions(c.effects), c.actions);
    }
    EXPECT_EQ(toDropAction(DROPEFFECT_MOVE | DROPEFFECT_COPY), Qt::MoveAction);
    EXPECT_EQ(toDropAction(DROPEFFECT_NONE), Qt::IgnoreAction);
}
