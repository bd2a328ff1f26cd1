#include "TreeWidgetProbe.h"

#include "controls/vtree/widget/EditLink.h"
#include "platform/AssertionFailed.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <memory>

namespace vtreetest {
namespace {

using enum TLazyTreeState;

// An editable tree that keeps what the editor hands back.
class EditProbe : public TreeWidgetProbe {
public:
    EditProbe()
    {
        TreeOptions().SetMiscOptions(TreeOptions().MiscOptions() + TLTMiscOption::toEditable);
        OnNewText = [this](TreeSender, PLazyNode Node, TColumnIndex, const QString &Text) {
            texts[int(Node->Index)] = Text;
            ++newTexts;
        };
        OnEdited = [this](TreeSender, PLazyNode, TColumnIndex) { ++edited; };
        OnEditCancelled = [this](TreeSender, TColumnIndex) { ++cancelled; };
        texts = {QStringLiteral("alpha"), QStringLiteral("beta"), QString()};
        addNodes(3);
    }
    // Destroying the tree cancels an open edit; the handlers use this probe.
    ~EditProbe() override { CancelEditNode(); }

    PLazyNode node(int index)
    {
        PLazyNode node = GetFirst();
        while (index-- > 0)
            node = GetNextSibling(node);
        return node;
    }
    TLTEdit *edit() const
    {
        auto *link = dynamic_cast<TStringEditLink *>(EditLink());
        return link ? link->Edit() : nullptr;
    }
    using TLazyStringTreeWidget::TimerFired;

    int newTexts = 0;
    int edited = 0;
    int cancelled = 0;
};

void press(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &event);
}

void type(QWidget *target, const QString &text)
{
    for (QChar c : text)
        press(target, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : 0, Qt::NoModifier, QString(c));
}

void loseFocus(QWidget *target)
{
    QFocusEvent event(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(target, &event);
}

TEST(EditingTest, ATreeWithoutEditableOpensNoEditor)
{
    EditProbe tree;
    tree.TreeOptions().SetMiscOptions(tree.TreeOptions().MiscOptions() - TLTMiscOption::toEditable);
    EXPECT_FALSE(tree.EditNode(tree.node(0), NoColumn));
    EXPECT_FALSE(tree.IsEditing());
    EXPECT_EQ(tree.EditLink(), nullptr);
}

TEST(EditingTest, AnEditorOpensOverTheCellWithItsTextSelected)
{
    EditProbe tree;
    ASSERT_TRUE(tree.EditNode(tree.node(1), NoColumn));
    EXPECT_EQ(tree.FocusedNode(), tree.node(1));
    TLTEdit *edit = tree.edit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->parentWidget(), tree.viewport());
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("beta"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("beta"));
    const platform::TRect text = tree.GetDisplayRect(tree.node(1), NoColumn, true, true);
    EXPECT_EQ(edit->geometry().left(), text.Left);
    EXPECT_EQ(edit->geometry().top(), text.Top);
    EXPECT_GE(edit->height(), text.Height());
}

TEST(EditingTest, EnterTakesTheTypedTextAndEscapeRestoresTheOldOne)
{
    struct Case {
        int key;
        QString expected;
        int newTexts, edited, cancelled;
    };
    for (const Case &c : {Case{Qt::Key_Return, QStringLiteral("xy"), 1, 1, 0},
                          Case{Qt::Key_Escape, QStringLiteral("alpha"), 0, 0, 1}}) {
        EditProbe tree;
        ASSERT_TRUE(tree.EditNode(tree.node(0), NoColumn));
        type(tree.edit(), QStringLiteral("xy"));
        press(tree.edit(), c.key);
        EXPECT_FALSE(tree.IsEditing());
        EXPECT_EQ(tree.EditLink(), nullptr);
        EXPECT_EQ(tree.texts[0], c.expected);
        EXPECT_EQ(tree.newTexts, c.newTexts);
        EXPECT_EQ(tree.edited, c.edited);
        EXPECT_EQ(tree.cancelled, c.cancelled);
    }
}

TEST(EditingTest, LosingTheFocusKeepsTheTextOnlyWithAutoAccept)
{
    for (const bool autoAccept : {true, false}) {
        EditProbe tree;
        TLTStringOptions options = tree.StringTreeOptions().StringOptions();
        if (autoAccept)
            options.include(TLTStringOption::toAutoAcceptEditChange);
        else
            options.exclude(TLTStringOption::toAutoAcceptEditChange);
        tree.StringTreeOptions().SetStringOptions(options);
        ASSERT_TRUE(tree.EditNode(tree.node(0), NoColumn));
        type(tree.edit(), QStringLiteral("new"));
        loseFocus(tree.edit());
        EXPECT_FALSE(tree.IsEditing());
        EXPECT_EQ(tree.texts[0], autoAccept ? QStringLiteral("new") : QStringLiteral("alpha")) << autoAccept;
    }
}

TEST(EditingTest, TabMovesTheEditToTheNextNodeAndEndsOnTheLast)
{
    EditProbe tree;
    ASSERT_TRUE(tree.EditNode(tree.node(1), NoColumn));
    type(tree.edit(), QStringLiteral("b"));
    press(tree.edit(), Qt::Key_Tab);
    EXPECT_EQ(tree.texts[1], QStringLiteral("b"));
    EXPECT_TRUE(tree.IsEditing());
    EXPECT_EQ(tree.FocusedNode(), tree.node(2));
    press(tree.edit(), Qt::Key_Tab);
    EXPECT_FALSE(tree.IsEditing());
    EXPECT_EQ(tree.FocusedNode(), tree.node(2));
}

TEST(EditingTest, AnEmptyCellsEditorIsThirtyWideAndGrowsUpToTheClientWidth)
{
    EditProbe tree;
    ASSERT_TRUE(tree.EditNode(tree.node(2), NoColumn));
    EXPECT_EQ(tree.edit()->text(), QString());
    EXPECT_EQ(tree.edit()->width(), TStringEditLink::MinimumWidth);
    type(tree.edit(), QStringLiteral("wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww"));
    EXPECT_EQ(tree.edit()->geometry().right() + 1, tree.ClientWidth());
}

TEST(EditingTest, CtrlASelectsAllAndAPlainATypesTheLetter)
{
    EditProbe tree;
    ASSERT_TRUE(tree.EditNode(tree.node(0), NoColumn));
    TLTEdit *edit = tree.edit();
    edit->setCursorPosition(0);
    edit->deselect();
    press(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("alpha"));
    edit->setCursorPosition(5);
    press(edit, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_EQ(edit->text(), QStringLiteral("alphaa"));
}

TEST(EditingTest, TheEditorFollowsItsCellWhenTheTreeScrolls)
{
    EditProbe tree;
    tree.addNodes(10);
    ASSERT_TRUE(tree.EditNode(tree.node(2), NoColumn));
    const int top = tree.edit()->y();
    tree.SetOffsetY(-18);
    EXPECT_EQ(tree.edit()->y(), top - 18);
}

TEST(EditingTest, ANilNodeOrAnInvalidColumnIsAProgrammingError)
{
    EditProbe tree;
    EXPECT_THROW(tree.EditNode(nullptr, NoColumn), platform::EAssertionFailed);
    EXPECT_THROW(tree.EditNode(tree.node(0), 0), platform::EAssertionFailed);
    EXPECT_THROW(tree.EditNode(tree.node(0), -2), platform::EAssertionFailed);
}

TEST(EditingTest, TheEditTimerOpensTheEditorOnTheFocusedNode)
{
    EditProbe tree;
    tree.SetFocusedNode(tree.node(1));
    tree.SetTreeStates(tree.TreeStates() + tsEditPending);
    tree.TimerFired(EditTimer);
    EXPECT_TRUE(tree.IsEditing());
    EXPECT_FALSE(tree.TreeStates().contains(tsEditPending));
    EXPECT_TRUE(tree.CancelEditNode());
    EXPECT_FALSE(tree.IsEditing());
}

TEST(EditingTest, DeletingTheEditedNodeEndsTheEdit)
{
    EditProbe tree;
    ASSERT_TRUE(tree.EditNode(tree.node(0), NoColumn));
    type(tree.edit(), QStringLiteral("x"));
    tree.DeleteNode(tree.node(0));
    EXPECT_FALSE(tree.IsEditing());
    EXPECT_EQ(tree.EditLink(), nullptr);
    EXPECT_EQ(tree.edited + tree.cancelled, 1);
}

TEST(EditingTest, ATreeDestroyedWhileEditingLeavesNothingBehind)
{
    auto tree = std::make_unique<EditProbe>();
    ASSERT_TRUE(tree->EditNode(tree->node(0), NoColumn));
    type(tree->edit(), QStringLiteral("x"));
    tree.reset();
    // The released edit goes with the posted deletions.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(EditingTest, ACellOfAColumnIsEditedOnlyWithCoEditableAndGridExtensionsWidenTheEditor)
{
    EditProbe tree;
    tree.resize(300, 100);
    TLazyTreeColumns &columns = tree.Header()->Columns();
    for (int width : {80, 100, 60})
        columns.Add().SetWidth(width);
    columns[2].SetOptions(columns[2].Options() - TLTColumnOption::coEditable);
    EXPECT_TRUE(tree.CanEdit(tree.node(0), 1));
    EXPECT_FALSE(tree.CanEdit(tree.node(0), 2));
    EXPECT_FALSE(tree.EditNode(tree.node(0), 2));

    tree.TreeOptions().SetMiscOptions(tree.TreeOptions().MiscOptions() + TLTMiscOption::toGridExtensions);
    ASSERT_TRUE(tree.EditNode(tree.node(0), 1));
    EXPECT_EQ(tree.EditColumn(), 1);
    int left = 0;
    int right = 0;
    tree.GetColumnBounds(1, left, right);
    const platform::TRect text = tree.GetDisplayRect(tree.node(0), 1, true, true);
    EXPECT_EQ(tree.edit()->geometry().left(), text.Left);
    EXPECT_EQ(tree.edit()->geometry().right() + 1, right);
}

TEST(EditingTest, ACustomEditorFromOnCreateEditorIsDrivenThroughTheLink)
{
    struct RecordingLink : ILTEditLink {
        int AddRef() noexcept override { return ++refs; }
        int Release() noexcept override { return --refs; }
        bool BeginEdit() override { return calls += "begin ", true; }
        bool CancelEdit() override { return calls += "cancel ", true; }
        bool EndEdit() override { return calls += "end ", true; }
        bool PrepareEdit(TBaseLazyTree *, PLazyNode, TColumnIndex) override { return calls += "prepare ", true; }
        QRect GetBounds() const override { return bounds; }
        void ProcessMessage(QEvent *) override {}
        void SetBounds(QRect R) override { bounds = R, calls += "bounds "; }
        int refs = 0;
        QRect bounds;
        std::string calls;
    } link;
    EditProbe tree;
    tree.OnCreateEditor = [&link](TreeSender, PLazyNode, TColumnIndex, platform::InterfaceRef<ILTEditLink> &EditLink) {
        EditLink = &link;
    };
    ASSERT_TRUE(tree.EditNode(tree.node(0), NoColumn));
    EXPECT_TRUE(tree.EndEditNode());
    EXPECT_EQ(link.calls, "prepare bounds begin end ");
    EXPECT_EQ(link.refs, 0);
    EXPECT_EQ(tree.edited, 1);
}

} // namespace
} // namespace vtreetest
