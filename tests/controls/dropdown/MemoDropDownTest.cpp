#include "controls/dropdown/MemoDropDown.h"
#include "controls/dropdown/DropDownForm.h"

#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

using namespace controls;
using editortest::key;
using editortest::settle;

namespace {

struct MemoWindow {
    QWidget window;
    TExMemoDropDown *memo = TExCustomDropDown::create<TExMemoDropDown>(&window);
    QLineEdit *other = new QLineEdit(&window);
    int memoChanges = 0;
    MemoWindow()
    {
        window.resize(400, 300);
        memo->move(50, 40);
        other->setGeometry(50, 200, 100, 21);
        memo->OnMemoChange = [this](QObject *) { ++memoChanges; };
        window.show();
        window.activateWindow();
        memo->setFocus();
        settle();
    }
    ~MemoWindow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void open()
    {
        key(*memo, Qt::Key_F4);
        settle();
        ASSERT_TRUE(memo->DroppedDown());
    }
    QPlainTextEdit &editor() { return *memo->Memo(); }
    // Keys typed where the focus is in the open popup: the memo.
    void typeInMemo(const QString &text) { editortest::type(editor(), text); }
};

const QStringList TwoLines{QStringLiteral("Meter 1"), QStringLiteral("Meter 2")};

TEST(MemoDropDown, TheEditShowsTheLinesOrASummary)
{
    MemoWindow w;
    w.memo->setMemoText(TwoLines);
    EXPECT_TRUE(w.memo->EditorEnabled());
    EXPECT_EQ(w.memo->Text(), u"Meter 1\nMeter 2\n");
    w.memo->setEditorEnabled(false);
    EXPECT_EQ(w.memo->Text(), u"Meter 1...");
    EXPECT_EQ(w.memo->MemoText(), TwoLines);
    w.memo->setMemoText({QStringLiteral("Meter 1")});
    EXPECT_EQ(w.memo->Text(), u"Meter 1");
    const QString longLine = QStringLiteral("A meter far away in the cellar of the third house on the left");
    w.memo->setMemoText({longLine});
    const QString shown = w.memo->Text();
    EXPECT_TRUE(shown.endsWith(u"...")) << shown.toStdString();
    EXPECT_TRUE(longLine.startsWith(shown.chopped(3)));
    EXPECT_LT(w.memo->fontMetrics().horizontalAdvance(shown), w.memo->EditRect().Right - w.memo->EditRect().Left);
}

TEST(MemoDropDown, EscapeKeepsTheLinesAndTheText)
{
    MemoWindow w;
    w.memo->setMemoText(TwoLines);
    const QString before = w.memo->text();
    w.open();
    EXPECT_EQ(w.editor().toPlainText(), u"Meter 1\nMeter 2");
    w.typeInMemo(QStringLiteral("x"));
    EXPECT_GT(w.memoChanges, 0);
    key(w.editor(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(w.memo->DroppedDown());
    EXPECT_EQ(w.memo->MemoText(), TwoLines);
    EXPECT_EQ(w.memo->text(), before);
}

TEST(MemoDropDown, EnterMakesALineAndAClickElsewhereKeepsTheTyping)
{
    MemoWindow w;
    w.memo->setMemoText({QStringLiteral("Meter 1")});
    w.open();
    key(w.editor(), Qt::Key_Return, QStringLiteral("\r"));
    w.typeInMemo(QStringLiteral("Hall"));
    EXPECT_TRUE(w.memo->DroppedDown());
    EXPECT_EQ(w.editor().toPlainText(), u"Meter 1\nHall");
    w.memo->DropDownFormDeactivated(w.memo->DropDownForm()->CancelOnDeActivate());
    EXPECT_FALSE(w.memo->DroppedDown());
    EXPECT_EQ(w.memo->MemoText(), (QStringList{QStringLiteral("Meter 1"), QStringLiteral("Hall")}));
    EXPECT_EQ(w.memo->Text(), u"Meter 1\nHall\n");
    EXPECT_EQ(w.memo->cursorPosition(), 0);
}

TEST(MemoDropDown, LineBreaksSurviveTheEditThePopupAndEscape)
{
    MemoWindow w;
    // As if typed or pasted into the edit.
    w.memo->SetPlainText(QStringLiteral("a\nb\nc"));
    const QStringList three{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    EXPECT_EQ(w.memo->MemoText(), three);
    w.open();
    EXPECT_EQ(w.editor().toPlainText(), u"a\nb\nc");
    w.typeInMemo(QStringLiteral("d"));
    key(w.editor(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(w.memo->MemoText(), three);
    EXPECT_EQ(w.memo->text().count(u'\n'), 2);
    w.open();
    key(w.editor(), Qt::Key_F4);
    settle();
    EXPECT_FALSE(w.memo->DroppedDown());
    EXPECT_EQ(w.memo->MemoText(), three);
    EXPECT_EQ(w.memo->Text(), u"a\nb\nc\n");
}

TEST(MemoDropDown, MaxLengthLimitsTypingButNeverCutsTheValue)
{
    MemoWindow w;
    w.memo->setMaxLength(5);
    w.memo->setMemoText({QStringLiteral("abcdefgh")});
    w.open();
    EXPECT_EQ(w.editor().toPlainText(), u"abcdefgh");
    w.typeInMemo(QStringLiteral("x"));
    key(w.editor(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(w.editor().toPlainText(), u"abcdefgh");
    w.editor().selectAll();
    w.typeInMemo(QStringLiteral("123456"));
    EXPECT_EQ(w.editor().toPlainText(), u"12345");
    key(w.editor(), Qt::Key_F4);
    settle();
    EXPECT_EQ(w.memo->MemoText(), QStringList{QStringLiteral("12345")});
}

TEST(MemoDropDown, AutoDropOpensOnEnteringAndNotWhenTheFocusComesBack)
{
    MemoWindow w;
    w.memo->setAutoDrop(true);
    w.other->setFocus();
    settle();
    w.memo->setFocus(Qt::TabFocusReason);
    settle();
    ASSERT_TRUE(w.memo->DroppedDown());
    key(w.editor(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(w.memo->DroppedDown());
    EXPECT_TRUE(w.memo->AutoDrop());
    settle();
    EXPECT_FALSE(w.memo->DroppedDown());
}

TEST(MemoDropDown, TheLinesOfATextAndBack)
{
    EXPECT_EQ(TExMemoDropDown::linesOfText(QString()), QStringList());
    EXPECT_EQ(TExMemoDropDown::linesOfText(QStringLiteral("a\r\nb\n")), (QStringList{"a", "b"}));
    EXPECT_EQ(TExMemoDropDown::linesOfText(QStringLiteral("a\n\nb")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(TExMemoDropDown::textOfLines({"a", "", "b"}), u"a\n\nb\n");
}

} // namespace
