#include "DropDownFixture.h"

#include "../grid/base/FakeThemeLibrary.h"
#include "controls/dropdown/DropDownButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/Fonts.h"

#include <QDialog>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace controls;
using namespace dropdowntest;
using editortest::pixel;
using editortest::shot;
using platform::TColor;

namespace {

TEST(DropDownButton, StandsInsideTheRightEdgeOfTheClientArea)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    TDropDownEditButton &button = *d.DropDownButton();
    const int inset = w.dropDown->frameInset();
    // At 200 x 21: x 200 - 16 - 4 = 180 of the client area, 16 wide, 17
    // high, while the width reads 17; the text ends at 196 - 16 - 3.
    EXPECT_EQ(button.geometry(), QRect(180 + inset, inset, 16, 17));
    EXPECT_EQ(button.Button()->geometry(), QRect(0, 0, 16, 17));
    EXPECT_EQ(d.DropDownButtonWidth(), 17);
    EXPECT_EQ(d.EditRect().Right, 177);
    EXPECT_EQ(d.EditRect().Left, 1);
    // A long text never runs under the button.
    d.setText(QString(80, u'W'));
    d.setCursorPosition(80);
    shot(d);
    EXPECT_LE(d.inputMethodQuery(Qt::ImCursorRectangle).toRect().right(), button.x());

    d.setDropDownButtonWidth(25);
    EXPECT_EQ(button.geometry(), QRect(200 - 25 - 4 + inset, inset, 25, 17));
    EXPECT_EQ(d.EditRect().Right, 196 - 25 - 3);
    // The holder keeps its own width whatever it is given.
    button.resize(40, 17);
    EXPECT_EQ(button.width(), 25);
}

TEST(DropDownButton, PressMoveOffAndReleaseStillOpens)
{
    DropDownWindow w;
    QWidget &arrow = *w.dropDown->DropDownButton()->Button();
    editortest::press(arrow, {8, 8});
    editortest::moveTo(arrow, {-60, 30}, Qt::LeftButton);
    EXPECT_FALSE(w.dropDown->DroppedDown());
    editortest::release(arrow, {-60, 30});
    EXPECT_TRUE(w.dropDown->DroppedDown());
}

TEST(DropDownButton, DrawsTheThemedArrowInItsState)
{
    test::FakeThemeLibrary theme;
    theme.install();
    DropDownWindow w;
    TExDropDownSpeedButton &arrow = *w.dropDown->DropDownButton()->Button();
    struct Case {
        const char *what;
        std::function<void()> act;
        int state;
    };
    const Case cases[] = {
        {"normal", [] {}, 1},
        {"hot", [&] { editortest::enter(arrow); }, 2},
        {"pressed", [&] { editortest::press(arrow, {8, 8}); }, 3},
        {"read-only", [&] {
             editortest::release(arrow, {8, 8});
             w.dropDown->HideDropDown(false);
             w.dropDown->setReadOnly(true);
         }, 4},
        {"disabled", [&] {
             w.dropDown->setReadOnly(false);
             w.dropDown->setEnabled(false);
         }, 4},
    };
    for (const Case &c : cases) {
        c.act();
        theme.drawn.clear();
        arrow.paintFace();
        ASSERT_EQ(theme.drawn.size(), 1u) << c.what;
        EXPECT_EQ(theme.drawn[0].classList, QStringLiteral("combobox")) << c.what;
        EXPECT_EQ(theme.drawn[0].part, 1) << c.what;
        EXPECT_EQ(theme.drawn[0].state, c.state) << c.what;
        EXPECT_EQ(theme.drawn[0].rect, platform::Rect(0, -1, 17, 18)) << c.what;
    }
}

TEST(DropDownButton, DrawsTheClassicArrowWithoutATheme)
{
    DropDownWindow w;
    TExDropDownSpeedButton &arrow = *w.dropDown->DropDownButton()->Button();
    QImage face = arrow.paintFace();
    EXPECT_EQ(pixel(face, 8, 8), platform::clBlack);
    EXPECT_EQ(pixel(face, 1, 1), platform::clWhite);
    EXPECT_EQ(pixel(face, 0, 5), platform::ColorToRGB(platform::clBtnFace));
    w.dropDown->setEnabled(false);
    face = arrow.paintFace();
    EXPECT_NE(pixel(face, 8, 8), platform::clBlack);
}

TEST(DropDownButton, CustomColoursFollowHotAndPressed)
{
    DropDownWindow w;
    TDropDownEditButton &button = *w.dropDown->DropDownButton();
    button.ButtonColor = platform::RGB(200, 200, 200);
    button.ButtonColorHot = platform::RGB(250, 220, 150);
    button.ButtonColorDown = platform::RGB(240, 160, 60);
    button.ButtonTextColor = platform::clBlack;
    button.ButtonTextColorHot = platform::clNavy;
    button.ButtonTextColorDown = platform::clMaroon;
    w.dropDown->setBorderColor(platform::clRed);
    TExDropDownSpeedButton &arrow = *button.Button();
    QImage face = arrow.paintFace();
    EXPECT_EQ(pixel(face, 12, 3), button.ButtonColor);
    EXPECT_EQ(pixel(face, 0, 5), platform::clRed);
    EXPECT_EQ(pixel(face, 8, 8), platform::clBlack);
    editortest::enter(arrow);
    face = arrow.paintFace();
    EXPECT_EQ(pixel(face, 12, 3), button.ButtonColorHot);
    EXPECT_EQ(pixel(face, 8, 8), platform::clNavy);
    editortest::press(arrow, {8, 8});
    face = arrow.paintFace();
    EXPECT_EQ(pixel(face, 12, 3), button.ButtonColorDown);
    EXPECT_EQ(pixel(face, 8, 8), platform::clMaroon);
}

TEST(DropDownEdit, LabelStandsAtEachOfItsFifteenPlaces)
{
    // An edit at (100, 50) of 200 x 21; a label of 30 x 13 whose caption is
    // 28 wide; margin 4.
    const QRect edit(100, 50, 200, 21);
    using P = TLabelPosition;
    const struct {
        P position;
        QPoint at;
    } cases[] = {
        {P::lpLeftTop, {68, 50}},         {P::lpLeftCenter, {68, 54}},      {P::lpLeftBottom, {68, 58}},
        {P::lpTopLeft, {100, 33}},        {P::lpBottomLeft, {100, 75}},     {P::lpLeftTopLeft, {96, 50}},
        {P::lpLeftCenterLeft, {96, 54}},  {P::lpLeftBottomLeft, {96, 58}},  {P::lpTopCenter, {185, 33}},
        {P::lpBottomCenter, {185, 75}},   {P::lpRightTop, {304, 50}},       {P::lpRightCenter, {304, 54}},
        {P::lpRighBottom, {304, 58}},     {P::lpTopRight, {270, 33}},       {P::lpBottomRight, {270, 75}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(labelTopLeft(c.position, edit, {30, 13}, 28, 4), c.at) << int(c.position);
}

TEST(DropDownEdit, LabelFollowsTheEditAndGoesWithIt)
{
    DropDownWindow w;
    TProbeDropDown *d = w.dropDown;
    d->setLabelCaption(QStringLiteral("Name"));
    d->setLabelFont(platform::makeFont(QStringLiteral("Tahoma"), 8));
    QPointer<QWidget> label = w.window.findChild<platform::TLabel *>();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->parentWidget(), &w.window);
    const int caption = QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Name"));
    EXPECT_EQ(label->x(), d->x() - 4 - caption);
    EXPECT_EQ(label->y(), d->y());
    d->move(150, 90);
    EXPECT_EQ(label->x(), 150 - 4 - caption);
    EXPECT_EQ(label->y(), 90);
    d->setLabelPosition(TLabelPosition::lpBottomRight);
    EXPECT_EQ(label->geometry().right(), d->geometry().right());
    EXPECT_EQ(label->y(), d->geometry().bottom() + 1 + 4);
    int clicks = 0;
    d->OnLabelClick = [&](QObject *Sender) {
        EXPECT_EQ(Sender, d);
        ++clicks;
    };
    editortest::click(*label, {2, 2});
    EXPECT_EQ(clicks, 1);
    delete d;
    EXPECT_TRUE(label.isNull());
}

TEST(DropDownEdit, BorderColoursFollowTheFocus)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    d.setBorderColor(platform::clRed);
    d.setFocusBorderColor(platform::clBlue);
    w.other->setFocus();
    settle();
    ASSERT_FALSE(d.hasFocus());
    QImage image = shot(d);
    EXPECT_EQ(pixel(image, 0, 0), platform::clRed);
    EXPECT_EQ(pixel(image, 199, 20), platform::clRed);
    d.setFocus();
    settle();
    ASSERT_TRUE(d.hasFocus());
    image = shot(d);
    EXPECT_EQ(pixel(image, 0, 0), platform::clBlue);
    EXPECT_EQ(pixel(image, 100, 20), platform::clBlue);
    // Only the focus colour: a frame while focused, the edit's own otherwise.
    d.setBorderColor(platform::clNone);
    image = shot(d);
    EXPECT_EQ(pixel(image, 0, 10), platform::clBlue);
    w.other->setFocus();
    settle();
    image = shot(d);
    EXPECT_NE(pixel(image, 0, 10), platform::clBlue);
}

TEST(DropDownEdit, DisabledBorderIsSilverWhenThemed)
{
    test::FakeThemeLibrary theme;
    theme.install();
    DropDownWindow w;
    w.dropDown->setEnabled(false);
    EXPECT_EQ(pixel(shot(*w.dropDown), 0, 0), platform::clSilver);
    w.dropDown->setDisabledBorder(false);
    EXPECT_NE(pixel(shot(*w.dropDown), 0, 0), platform::clSilver);
}

TEST(DropDownEdit, WithoutTheEditorTheTextIsASecondButton)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    d.setEditorEnabled(false);
    d.setText(QStringLiteral("kWh"));
    editortest::type(d, QStringLiteral("abc"));
    EXPECT_EQ(d.Text(), QStringLiteral("kWh"));
    key(d, Qt::Key_Delete);
    key(d, Qt::Key_Backspace);
    EXPECT_EQ(d.Text(), QStringLiteral("kWh"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("xyz"));
    QApplication::sendEvent(&d, &composed);
    EXPECT_EQ(d.Text(), QStringLiteral("kWh"));

    key(d, Qt::Key_F4);
    EXPECT_TRUE(d.DroppedDown());
    w.popupKey(Qt::Key_Return);
    EXPECT_FALSE(d.DroppedDown());
    key(d, Qt::Key_Down, {}, Qt::AltModifier);
    EXPECT_TRUE(d.DroppedDown());
    w.popupKey(Qt::Key_Escape);
    EXPECT_FALSE(d.DroppedDown());
    editortest::click(d, {40, 10});
    EXPECT_TRUE(d.DroppedDown());
    w.popupKey(Qt::Key_Q, QStringLiteral("q"));
    EXPECT_EQ(d.Text(), QStringLiteral("kWh"));

    // Focused, it shows its value highlighted.
    w.popupKey(Qt::Key_Return);
    w.window.activateWindow();
    d.setFocus();
    settle();
    ASSERT_TRUE(d.hasFocus());
    const QImage image = shot(d);
    EXPECT_EQ(pixel(image, 4, 4), platform::ColorToRGB(platform::clHighlight));
}

TEST(DropDownEdit, TypedTextAndInputMethodTextGoThroughTheCharacterStep)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    QString seen;
    d.OnKeyPress = [&](QObject *, QChar &c) {
        seen += c;
        if (c == u'x')
            c = QChar();
    };
    editortest::type(d, QStringLiteral("axb"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("cxd"));
    QApplication::sendEvent(&d, &composed);
    EXPECT_EQ(d.Text(), QStringLiteral("abcd"));
    EXPECT_EQ(seen, QStringLiteral("axbcxd"));
    // Enter is heard, never typed.
    key(d, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(seen.back(), QChar(13));
    EXPECT_EQ(d.Text(), QStringLiteral("abcd"));
}

TEST(DropDownEdit, LineBreaksInTheTextStay)
{
    DropDownWindow w;
    w.dropDown->setText(QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("first\r\nsecond"));
    w.dropDown->SetPlainText(QStringLiteral("a\nb"));
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("a\nb"));
}

TEST(DropDownEdit, PlainTextKeepsTheModifiedFlagAndTextClearsIt)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    editortest::type(d, QStringLiteral("5"));
    EXPECT_TRUE(d.isModified());
    d.SetPlainText(QStringLiteral("6"));
    EXPECT_TRUE(d.isModified());
    d.setText(QStringLiteral("7"));
    EXPECT_FALSE(d.isModified());
    int changes = 0;
    d.OnChange = [&](QObject *) { ++changes; };
    d.BlockNextChange();
    d.setText(QStringLiteral("8"));
    d.setText(QStringLiteral("9"));
    EXPECT_EQ(changes, 1);
}

struct Dialog {
    QDialog dialog;
    TExCustomDropDown *dropDown = TExCustomDropDown::create<TProbeDropDown>(&dialog);
    QPushButton *cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    Dialog()
    {
        dialog.resize(300, 120);
        dropDown->move(20, 20);
        cancel->move(200, 80);
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        dialog.show();
        dialog.activateWindow();
        dropDown->setFocus();
        settle();
    }
};

TEST(DropDownEdit, EscapeWithUndoForgetsTheChangesAndSparesTheDialog)
{
    Dialog d;
    editortest::type(*d.dropDown, QStringLiteral("12"));
    ASSERT_TRUE(d.dropDown->isModified());
    key(*d.dropDown, Qt::Key_Escape);
    EXPECT_TRUE(d.dialog.isVisible());
    EXPECT_EQ(d.dialog.result(), 0);
    EXPECT_FALSE(d.dropDown->isModified());
    EXPECT_EQ(d.dropDown->selectedText(), QStringLiteral("12"));
    // Open, Escape closes the popup only.
    d.dropDown->ShowDropDown();
    key(*d.dropDown->DropDownForm(), Qt::Key_Escape);
    EXPECT_TRUE(d.dialog.isVisible());
    EXPECT_FALSE(d.dropDown->DroppedDown());
    // Without undo Escape is the dialog's.
    d.dropDown->setCanUndo(false);
    key(*d.dropDown, Qt::Key_Escape);
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
}

TEST(DropDownEdit, EnterOnAClosedDropDownIsTheDialogsDefaultButtons)
{
    Dialog d;
    d.cancel->setDefault(true);
    d.dropDown->ShowDropDown();
    key(*d.dropDown->DropDownForm(), Qt::Key_Return);
    EXPECT_TRUE(d.dialog.isVisible());
    key(*d.dropDown, Qt::Key_Return);
    EXPECT_FALSE(d.dialog.isVisible());
}

} // namespace

namespace {

TEST(DropDownEdit, AssignCopiesTheSettingsButNotTextLabelOrBorder)
{
    DropDownWindow w;
    std::unique_ptr<TProbeDropDown> source(TExCustomDropDown::create<TProbeDropDown>(nullptr));
    platform::TImageList images(16, 16);
    source->setDropDownColor(platform::clYellow);
    source->setDropDownColorTo(platform::clAqua);
    source->setDropDownGradient(gdVertical);
    source->setDropDownBorderColor(platform::clGreen);
    source->setDropDownBorderWidth(2);
    source->setDropDownWidth(300);
    source->setDropDownHeight(90);
    source->setDropPosition(dpUp);
    source->setDropDownButtonWidth(21);
    source->setDropDownButtonHint(QStringLiteral("Choose"));
    source->setEditorEnabled(false);
    source->setCanUndo(false);
    source->setReturnIsTab(true);
    source->setImages(&images);
    source->setSelectionColor(platform::clLime);
    source->setText(QStringLiteral("source text"));
    source->setBorderColor(platform::clRed);
    w.dropDown->setText(QStringLiteral("mine"));

    w.dropDown->Assign(source.get());
    TProbeDropDown &d = *w.dropDown;
    EXPECT_EQ(d.DropDownColor(), platform::clYellow);
    EXPECT_EQ(d.DropDownColorTo(), platform::clAqua);
    EXPECT_EQ(d.DropDownGradient(), gdVertical);
    EXPECT_EQ(d.DropDownBorderColor(), platform::clGreen);
    EXPECT_EQ(d.DropDownBorderWidth(), 2);
    EXPECT_EQ(d.DropDownWidth(), 300);
    EXPECT_EQ(d.DropDownHeight(), 90);
    EXPECT_EQ(d.DropPosition(), dpUp);
    EXPECT_EQ(d.DropDownButtonWidth(), 21);
    EXPECT_EQ(d.DropDownButton()->width(), 21);
    EXPECT_EQ(d.DropDownButtonHint(), QStringLiteral("Choose"));
    EXPECT_FALSE(d.EditorEnabled());
    EXPECT_FALSE(d.CanUndo());
    EXPECT_TRUE(d.ReturnIsTab());
    EXPECT_EQ(d.Images(), &images);
    EXPECT_EQ(d.SelectionColor(), platform::clLime);
    EXPECT_EQ(d.Text(), QStringLiteral("mine"));
    EXPECT_EQ(d.BorderColor(), platform::clNone);
    // Anything else is no drop-down: nothing happens.
    d.Assign(w.other);
    EXPECT_EQ(d.DropDownWidth(), 300);
}

TEST(DropDownEdit, ImagesAreForgottenWhenTheListGoes)
{
    DropDownWindow w;
    auto images = std::make_unique<platform::TImageList>(16, 16);
    w.dropDown->setImages(images.get());
    images.reset();
    EXPECT_EQ(w.dropDown->Images(), nullptr);
}

TEST(DropDownEdit, AFontTooLargeMakesTheEditTaller)
{
    DropDownWindow w;
    w.dropDown->setFont(platform::makeFont(QStringLiteral("Tahoma"), 20));
    const int font = QFontMetrics(w.dropDown->font()).height();
    EXPECT_GT(w.dropDown->height(), 21);
    EXPECT_EQ(w.dropDown->height(),
              font + std::min(font, QFontMetrics(QApplication::font()).height()) / 4);
    // The button follows the new height.
    EXPECT_EQ(w.dropDown->DropDownButton()->height(), w.dropDown->height() - 4);
}

TEST(DropDownEdit, ReturnIsTabMovesTheFocusOn)
{
    DropDownWindow w;
    w.dropDown->setReturnIsTab(true);
    w.dropDown->setFocus();
    settle();
    key(*w.dropDown, Qt::Key_Return);
    settle();
    EXPECT_TRUE(w.other->hasFocus());
}

TEST(DropDownEdit, APressInsideTheSelectionKeepsItUntilTheRelease)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    d.setText(QStringLiteral("Energy total"));
    d.setFocus();
    d.selectAll();
    editortest::press(d, {20, 10});
    EXPECT_EQ(d.selectedText(), QStringLiteral("Energy total"));
    editortest::release(d, {20, 10});
    EXPECT_FALSE(d.hasSelectedText());
}

TEST(DropDownForm, PaintsItsBackgroundAndBorder)
{
    DropDownWindow w;
    w.dropDown->list->hide();
    w.dropDown->setDropDownWidth(100);
    w.dropDown->setDropDownHeight(60);
    w.dropDown->setDropDownBorderColor(platform::clRed);
    w.dropDown->setDropDownColor(platform::clWhite);
    w.dropDown->setDropDownColorTo(platform::clNone);
    w.dropDown->ShowDropDown();
    QImage image = shot(w.popup());
    EXPECT_EQ(pixel(image, 0, 0), platform::clRed);
    EXPECT_EQ(pixel(image, 99, 59), platform::clRed);
    EXPECT_EQ(pixel(image, 50, 30), platform::clWhite);
    w.popupKey(Qt::Key_Return);

    w.dropDown->setDropDownColor(platform::clBlack);
    w.dropDown->setDropDownColorTo(platform::clWhite);
    w.dropDown->setDropDownBorderWidth(0);
    w.dropDown->ShowDropDown();
    image = shot(w.popup());
    EXPECT_EQ(pixel(image, 0, 30), platform::clBlack);
    EXPECT_LT(platform::GetRValue(pixel(image, 30, 30)), platform::GetRValue(pixel(image, 90, 30)));
    EXPECT_EQ(pixel(image, 50, 5), pixel(image, 50, 55));
}

} // namespace

namespace {

void wheel(QWidget &w, int delta)
{
    QWheelEvent event(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &event);
}

TEST(DropDownEdit, TheWheelOverTheEditOrThePopupStepsDownAndUp)
{
    DropDownWindow w;
    wheel(*w.dropDown, -120);
    wheel(*w.dropDown, 120);
    EXPECT_EQ(w.log, QStringList({"WheelDown", "WheelUp"}));
    w.dropDown->ShowDropDown();
    w.log.clear();
    wheel(w.popup(), 120);
    wheel(w.popup(), -120);
    EXPECT_EQ(w.log, QStringList({"WheelUp", "WheelDown"}));
}

TEST(DropDownEdit, CtrlEnterIsNeitherTypedNorHeard)
{
    DropDownWindow w;
    int heard = 0;
    w.dropDown->OnKeyPress = [&](QObject *, QChar &) { ++heard; };
    key(*w.dropDown, Qt::Key_Return, QStringLiteral("\r"), Qt::ControlModifier);
    EXPECT_EQ(heard, 0);
    key(*w.dropDown, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(w.dropDown->Text(), QString());
}

} // namespace

namespace {

bool wantsBeforeShortcuts(QWidget &w, int code, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent event(QEvent::ShortcutOverride, code, mods);
    event.ignore();
    QApplication::sendEvent(&w, &event);
    return event.isAccepted();
}

TEST(DropDownEdit, TakesItsKeysBeforeTheDialogsShortcuts)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    EXPECT_TRUE(wantsBeforeShortcuts(d, Qt::Key_F4));
    EXPECT_TRUE(wantsBeforeShortcuts(d, Qt::Key_Down, Qt::AltModifier));
    EXPECT_TRUE(wantsBeforeShortcuts(d, Qt::Key_Escape));
    EXPECT_FALSE(wantsBeforeShortcuts(d, Qt::Key_Return));
    d.setCanUndo(false);
    EXPECT_FALSE(wantsBeforeShortcuts(d, Qt::Key_Escape));
    d.ShowDropDown();
    EXPECT_TRUE(wantsBeforeShortcuts(d, Qt::Key_Escape));
    EXPECT_TRUE(wantsBeforeShortcuts(d, Qt::Key_Return));
}

TEST(DropDownEdit, TheFlatLookSinksUnderTheMouse)
{
    DropDownWindow w;
    TExCustomDropDown &d = *w.dropDown;
    QPalette palette = w.window.palette();
    palette.setColor(QPalette::Window, QColor(10, 160, 20));
    w.window.setPalette(palette);
    d.setFlat(true);
    w.other->setFocus();
    settle();
    QImage image = shot(d);
    EXPECT_EQ(pixel(image, 0, 0), platform::RGB(10, 160, 20));
    EXPECT_EQ(pixel(image, 1, 1), platform::RGB(10, 160, 20));
    editortest::enter(d);
    image = shot(d);
    // The sunken edge's shadow outside, the face inside it.
    EXPECT_EQ(pixel(image, 0, 0), platform::ColorToRGB(platform::clBtnShadow));
    EXPECT_EQ(pixel(image, 1, 1), platform::ColorToRGB(platform::clBtnFace));
    // The flat button sits two pixels lower and keeps the client's right edge.
    EXPECT_EQ(d.DropDownButton()->geometry(), QRect(200 - 16 - 3 + 2, 2 + 2, 16, 18));
}

} // namespace

namespace {

QStringList &escaped()
{
    static QStringList texts;
    return texts;
}

TEST(DropDownEdit, AnErrorInAHandlerIsReportedAndTheEditGoesOn)
{
    DropDownWindow w;
    escaped().clear();
    const auto previous = platform::setEscapedErrorReporter([](const QString &text) { escaped() << text; });
    w.dropDown->OnChange = [](QObject *) { throw std::runtime_error("meter list unreadable"); };
    w.dropDown->OnDropUp = [](QObject *, bool) { throw std::runtime_error("no unit"); };
    editortest::type(*w.dropDown, QStringLiteral("1"));
    key(*w.dropDown, Qt::Key_F4);
    w.popupKey(Qt::Key_Escape);
    platform::setEscapedErrorReporter(previous);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("1"));
    EXPECT_FALSE(w.dropDown->DroppedDown());
    ASSERT_EQ(escaped().size(), 2);
    EXPECT_TRUE(escaped()[0].contains(QStringLiteral("meter list unreadable")));
    EXPECT_TRUE(escaped()[1].contains(QStringLiteral("no unit")));
}

} // namespace
