#include "controls/dropdown/DetailDropDown.h"
#include "controls/dropdown/DropDownForm.h"

#include "controls/grid/base/editors/EditorEvents.h"
#include "support/ManualIntervalTimer.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using editortest::key;
using editortest::settle;

namespace {

struct DetailWindow {
    QWidget window;
    testsupport::ManualIntervalTimer *timer = new testsupport::ManualIntervalTimer;
    TExDetailDropDown *detail = TExCustomDropDown::create<TExDetailDropDown>(
        &window, std::unique_ptr<IntervalTimer>(timer));
    QStringList events;

    explicit DetailWindow(const QStringList &captions = {QStringLiteral("Alpha"), QStringLiteral("Beta")})
    {
        for (const QString &caption : captions) {
            TDetailItem item;
            item.Caption = caption;
            item.Notes = caption + QStringLiteral(" <i>notes</i>");
            detail->Items().Add(item);
        }
        detail->OnSelect = [this](QObject *) { events << QStringLiteral("select %1").arg(detail->ItemIndex()); };
        detail->DropDownHeader().setVisible(false);
        detail->DropDownFooter().setVisible(false);
        window.resize(400, 300);
        detail->move(50, 40);
        window.show();
        window.activateWindow();
        detail->setFocus();
        settle();
    }
    void type(const QString &text) { editortest::type(*detail, text); }
    void open()
    {
        detail->ShowDropDown();
        settle();
    }
    void popupKey(int code, const QString &text = {}) { key(*detail->DropDownForm(), code, text); }
};

TEST(DetailDropDown, TypingCompletesToTheFirstCaptionWithoutChoosingAloud)
{
    for (const bool openedBefore : {false, true}) {
        DetailWindow w;
        if (openedBefore) {
            w.open();
            w.popupKey(Qt::Key_Escape);
        }
        w.type(QStringLiteral("b"));
        EXPECT_EQ(w.detail->text(), QStringLiteral("beta")) << openedBefore;
        EXPECT_EQ(w.detail->selectedText(), QStringLiteral("eta"));
        EXPECT_EQ(w.detail->cursorPosition(), 1);
        EXPECT_EQ(w.detail->ItemIndex(), 1);
        EXPECT_TRUE(w.events.isEmpty());
    }
}

TEST(DetailDropDown, AMissDropsWhatFollowsTheCaret)
{
    DetailWindow w;
    w.detail->setText(QStringLiteral("Alpine"));
    w.detail->setCursorPosition(2);
    w.type(QStringLiteral("x"));
    EXPECT_EQ(w.detail->text(), QStringLiteral("Alx"));
    EXPECT_EQ(w.detail->cursorPosition(), 3);
}

TEST(DetailDropDown, EnterOnAnExactCaptionChoosesIt)
{
    DetailWindow w;
    w.detail->setText(QStringLiteral("Beta"));
    key(*w.detail, Qt::Key_Return);
    EXPECT_EQ(w.detail->ItemIndex(), 1);
    EXPECT_EQ(w.events, QStringList({"select 1"}));
    // Case matters.
    DetailWindow lower;
    lower.detail->setText(QStringLiteral("beta"));
    key(*lower.detail, Qt::Key_Return);
    EXPECT_EQ(lower.detail->ItemIndex(), -1);
    EXPECT_EQ(lower.detail->Items().IndexOf(QStringLiteral("beta")), -1);
}

TEST(DetailDropDown, ItemIndexMinusOneClearsAndTheCountIsIgnored)
{
    DetailWindow w;
    w.detail->setItemIndex(0);
    EXPECT_EQ(w.detail->Text(), QStringLiteral("Alpha"));
    EXPECT_EQ(w.events, QStringList({"select 0"}));
    w.events.clear();
    w.detail->setItemIndex(2);
    EXPECT_EQ(w.detail->ItemIndex(), 0);
    w.detail->setItemIndex(-1);
    EXPECT_EQ(w.detail->Text(), QString());
    EXPECT_EQ(w.detail->ItemIndex(), -1);
    EXPECT_TRUE(w.events.isEmpty());
}

TEST(DetailDropDown, EscapeRestoresTheChoiceOfTheOpeningNoneIncluded)
{
    for (const int atOpening : {0, -1}) {
        DetailWindow w({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
        w.detail->setItemIndex(atOpening);
        w.open();
        w.popupKey(Qt::Key_Down);
        w.popupKey(Qt::Key_Down);
        EXPECT_TRUE(w.detail->DroppedDown());
        EXPECT_EQ(w.detail->ItemIndex(), atOpening + 2);
        w.popupKey(Qt::Key_Escape);
        EXPECT_FALSE(w.detail->DroppedDown());
        EXPECT_EQ(w.detail->ItemIndex(), atOpening) << atOpening;
        EXPECT_EQ(w.detail->Text(), atOpening < 0 ? QString() : QStringLiteral("Alpha"));
    }
}

TEST(DetailDropDown, AClickChoosesAndClosesKeysKeepItOpen)
{
    DetailWindow w({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
    w.open();
    TCustomItemSelector &panel = *w.detail->ItemSelector()->Panel();
    w.popupKey(Qt::Key_Down);
    EXPECT_TRUE(w.detail->DroppedDown());
    EXPECT_EQ(w.detail->Text(), QStringLiteral("Alpha"));
    EXPECT_EQ(w.events, QStringList({"select 0"}));
    editortest::press(panel, panel.ItemRect(2).center());
    settle();
    EXPECT_FALSE(w.detail->DroppedDown());
    EXPECT_EQ(w.detail->Text(), QStringLiteral("Gamma"));
    EXPECT_EQ(w.detail->ItemIndex(), 2);
}

TEST(DetailDropDown, TheWheelOverTheOpenListMovesTheChoice)
{
    DetailWindow w({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
    w.open();
    QWidget &panel = *w.detail->ItemSelector()->viewport();
    const auto wheel = [&](int step) {
        const QPointF at(5, 5);
        QWheelEvent event(at, panel.mapToGlobal(at), QPoint(), QPoint(0, step), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&panel, &event);
    };
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(w.detail->ItemIndex(), 1);
    wheel(120);
    EXPECT_EQ(w.detail->ItemIndex(), 0);
    EXPECT_TRUE(w.detail->DroppedDown());
    EXPECT_EQ(w.detail->ItemSelector()->verticalScrollBar()->value(), 0);
}

TEST(DetailDropDown, ListSearchCollectsKeysForHalfASecondWhenTypingIsOff)
{
    DetailWindow w({QStringLiteral("Beta"), QStringLiteral("Bravo"), QStringLiteral("Echo")});
    w.detail->setEditorEnabled(false);
    w.open();
    // A capital R typed with Shift searches R, not a key code.
    w.popupKey(Qt::Key_B, QStringLiteral("b"));
    w.timer->advance(std::chrono::milliseconds(200));
    w.popupKey(Qt::Key_R, QStringLiteral("R"));
    EXPECT_EQ(w.detail->CurrentSearch(), QStringLiteral("BR"));
    EXPECT_EQ(w.detail->ItemIndex(), 1);
    EXPECT_TRUE(w.detail->DroppedDown());
    w.timer->advance(std::chrono::milliseconds(400));
    EXPECT_EQ(w.detail->CurrentSearch(), QString());
    w.popupKey(Qt::Key_E, QStringLiteral("e"));
    EXPECT_EQ(w.detail->ItemIndex(), 2);
    // Keys that type nothing add nothing.
    w.popupKey(Qt::Key_F5);
    EXPECT_EQ(w.detail->CurrentSearch(), QStringLiteral("E"));
}

TEST(DetailDropDown, TypedKeysGoToTheCompletionAloneAndTheOpenListFollows)
{
    DetailWindow w({QStringLiteral("Beta"), QStringLiteral("Echo")});
    w.open();
    w.type(QStringLiteral("b"));
    w.timer->advance(std::chrono::milliseconds(600));
    w.type(QStringLiteral("e"));
    EXPECT_EQ(w.detail->text(), QStringLiteral("beta"));
    EXPECT_EQ(w.detail->selectedText(), QStringLiteral("ta"));
    EXPECT_EQ(w.detail->ItemIndex(), 0);
    EXPECT_EQ(w.detail->ItemSelector()->ItemIndex(), 0);
    EXPECT_TRUE(w.detail->DroppedDown());
    EXPECT_TRUE(w.events.isEmpty());
}

TEST(DetailDropDown, EveryEditOfTheItemsRefillsTheList)
{
    DetailWindow w;
    w.open();
    w.popupKey(Qt::Key_Escape);
    w.detail->Items().Update(1, [](TDetailItem &item) { item.Caption = QStringLiteral("Bravo"); });
    w.open();
    EXPECT_EQ(w.detail->ItemSelector()->Items().at(1).Caption, QStringLiteral("Bravo"));
    // While open too.
    w.detail->Items().Update(0, [](TDetailItem &item) { item.Caption = QStringLiteral("Able"); });
    EXPECT_EQ(w.detail->ItemSelector()->Items().at(0).Caption, QStringLiteral("Able"));
}

TEST(DetailDropDown, RowsShowCaptionEllipsisAndNotes)
{
    DetailWindow w({QStringLiteral("A caption far too long to fit into the row of this popup at all, really"),
                    QStringLiteral("Short")});
    w.detail->setItemHeight(40);
    w.open();
    TCustomItemSelector &panel = *w.detail->ItemSelector()->Panel();
    const QImage image = editortest::shot(panel);
    const QRect row = panel.ItemRect(0);
    const auto inkIn = [&](int top, int bottom, int left, int right) {
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ++ink;
        return ink;
    };
    // The caption's line and the notes' line below it.
    EXPECT_GT(inkIn(row.top() + 2, row.top() + 15, row.left(), row.right()), 20);
    EXPECT_GT(inkIn(row.top() + 16, row.bottom(), row.left(), row.right()), 10);
    // The caption stops 4 pixels short of the row's right edge, with its ellipsis.
    EXPECT_EQ(inkIn(row.top(), row.top() + 15, row.right() - 3, row.right() + 1), 0);
    EXPECT_GT(inkIn(row.top(), row.top() + 15, row.right() - 30, row.right() - 7), 0);
}

} // namespace
