#include "controls/dropdown/DialogKeys.h"
#include "controls/dropdown/LbButton.h"
#include "support/DialogDoubles.h"

#include "platform/Error.h"
#include "platform/ModalResult.h"
#include "platform/ui/QtColor.h"
#include "support/ManualIntervalTimer.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using controls::TLbButton;
using controls::TLbButtonKind;
using controls::TLbButtonStyle;
using controls::TLbColorStyle;

namespace {

void mouse(QWidget &widget, QEvent::Type type, Qt::MouseButton button, QPointF at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

QPointF middle(const QWidget &widget) { return QPointF(widget.width() / 2.0, widget.height() / 2.0); }

void key(QWidget &widget, QEvent::Type type, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(type, code, modifiers);
    QApplication::sendEvent(&widget, &event);
}

void enter(QWidget &widget)
{
    QEnterEvent event(middle(widget), middle(widget), widget.mapToGlobal(middle(widget)));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget &widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

// A shown window with one button in it, counting clicks.
struct Form {
    QDialog dialog;
    TLbButton *button = new TLbButton(&dialog);
    int clicks = 0;

    Form()
    {
        button->setGeometry(10, 10, 100, 23);
        button->OnClick = [this](QObject *) { ++clicks; };
        dialog.resize(200, 100);
        dialog.show();
    }
};

} // namespace

TEST(LbButton, KindsGiveCaptionGlyphAndResultUntilOneOfThemChanges)
{
    const struct {
        TLbButtonKind kind;
        const char16_t *caption;
        int modalResult;
        int glyphHeight;
    } kinds[] = {
        {TLbButtonKind::bkOK, u"OK", 1, 18},          {TLbButtonKind::bkCancel, u"Abbrechen", 2, 18},
        {TLbButtonKind::bkHelp, u"Hilfe", 0, 18},     {TLbButtonKind::bkYes, u"Ja", 6, 18},
        {TLbButtonKind::bkNo, u"Nein", 7, 18},        {TLbButtonKind::bkClose, u"Schließen", 0, 18},
        {TLbButtonKind::bkAbort, u"Abbrechen", 3, 18}, {TLbButtonKind::bkRetry, u"Wiederholen", 4, 18},
        {TLbButtonKind::bkIgnore, u"Ignorieren", 5, 18}, {TLbButtonKind::bkAll, u"Alle", 12, 19},
    };
    for (const auto &k : kinds) {
        SCOPED_TRACE(QString::fromUtf16(k.caption).toStdString());
        TLbButton button;
        button.setKind(k.kind);
        EXPECT_EQ(button.Kind(), k.kind);
        EXPECT_EQ(button.Caption(), QString::fromUtf16(k.caption));
        EXPECT_EQ(button.ModalResult(), k.modalResult);
        EXPECT_EQ(button.NumGlyphs(), 2);
        EXPECT_EQ(button.Glyph().size(), QSize(36, k.glyphHeight));
    }

    TLbButton button;
    button.setKind(TLbButtonKind::bkOK);
    button.setModalResult(platform::mrOk);
    EXPECT_EQ(button.Kind(), TLbButtonKind::bkCustom) << "a modal result of its own";
    button.setKind(TLbButtonKind::bkOK);
    button.setGlyph(QImage(18, 18, QImage::Format_ARGB32));
    EXPECT_EQ(button.Kind(), TLbButtonKind::bkCustom) << "a glyph of its own";
    button.setKind(TLbButtonKind::bkCustom);
    EXPECT_EQ(button.Caption(), QStringLiteral("OK")) << "custom changes nothing but the kind";
}

TEST(LbButton, NumGlyphsCountsSquareFramesOfTheGlyph)
{
    const struct {
        QSize size;
        int frames;
    } cases[] = {{{54, 18}, 3}, {{36, 18}, 2}, {{32, 32}, 1}, {{10, 20}, 0}, {{0, 0}, 0}};
    for (const auto &c : cases) {
        TLbButton button;
        button.setGlyph(c.size.isEmpty() ? QImage() : QImage(c.size, QImage::Format_ARGB32));
        EXPECT_EQ(button.NumGlyphs(), c.frames) << c.size.width() << "x" << c.size.height();
    }
}

TEST(LbButton, AColourPresetSetsItsColoursAndIsNotKept)
{
    TLbButton button;
    button.setColorStyle(TLbColorStyle::lcsGold);
    EXPECT_EQ(button.ColorStyle(), TLbColorStyle::lcsCustom);
    EXPECT_EQ(button.Color(), platform::colorFromBits(0x00C0C0));
    EXPECT_EQ(button.LightColor(), platform::clYellow);
    EXPECT_EQ(button.ShadowColor(), platform::clOlive);
    EXPECT_EQ(button.HotTrackColor(), platform::colorFromBits(0x00DFDF));
    EXPECT_EQ(button.Style(), TLbButtonStyle::bsModern);

    button.setColorStyle(TLbColorStyle::lcsQuicken);
    EXPECT_EQ(button.Style(), TLbButtonStyle::bsQuicken);
    EXPECT_EQ(button.FontColor(), platform::clWhite);
    button.setColorStyle(TLbColorStyle::lcsUltraFlatXP);
    EXPECT_TRUE(button.Flat());
    EXPECT_EQ(button.ShadowColor(), platform::colorFromBits(0xB59285));
    EXPECT_EQ(button.LightColor(), platform::colorFromBits(0xB59284));
    button.setColorStyle(TLbColorStyle::lcsCustom);
    EXPECT_EQ(button.Style(), TLbButtonStyle::bsNormal) << "the last preset's style stays: custom does nothing";
    EXPECT_EQ(button.Color(), platform::colorFromBits(0xD1D8DB));
}

TEST(LbButton, MouseClicksWhereverItIsReleasedAndOnlyAfterALeftPress)
{
    Form f;
    TLbButton &b = *f.button;
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton, middle(b));
    mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(500, 500));
    EXPECT_EQ(f.clicks, 1) << "released far off the button";

    mouse(b, QEvent::MouseButtonPress, Qt::RightButton, middle(b));
    mouse(b, QEvent::MouseButtonRelease, Qt::RightButton, middle(b));
    EXPECT_EQ(f.clicks, 1) << "a right press does not hold the button down";

    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton, middle(b));
    mouse(b, QEvent::MouseButtonRelease, Qt::RightButton, middle(b));
    EXPECT_EQ(f.clicks, 2) << "any release of a held button clicks";

    b.setEnabled(false);
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton, middle(b));
    mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, middle(b));
    b.setEnabled(true);
    b.hide();
    b.Click();
    EXPECT_EQ(f.clicks, 2) << "disabled or hidden: no click";
}

TEST(LbButton, AButtonOnAHiddenParentStillClicksByCode)
{
    QDialog dialog;
    auto *sheet = new QWidget(&dialog);
    auto *button = new TLbButton(sheet);
    int clicks = 0;
    button->OnClick = [&](QObject *sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    dialog.show();
    sheet->hide();
    button->Click();
    EXPECT_EQ(clicks, 1);
}

TEST(LbButton, ClickRunsOnClickThenTheModalResultThenThePopupMenu)
{
    QDialog dialog;
    auto *ok = new TLbButton(&dialog);
    QMenu menu;
    ok->setModalResult(platform::mrCancel);
    ok->setPopupMenu(&menu);
    QStringList order;
    ok->OnClick = [&](QObject *) {
        order << QStringLiteral("click result %1 menu %2").arg(dialog.result()).arg(menu.isVisible());
    };
    dialog.setResult(0);
    dialog.show();
    ok->Click();
    EXPECT_EQ(order, QStringList{QStringLiteral("click result 0 menu 0")});
    EXPECT_EQ(dialog.result(), platform::mrCancel);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), ok->mapToGlobal(QPoint(0, ok->height())));
    menu.hide();
}

TEST(LbButton, AnErrorInOnClickIsReportedAndKeepsTheDialogOpen)
{
    testsupport::MessageRecorder messages;
    QDialog dialog;
    auto *ok = new TLbButton(&dialog);
    ok->setModalResult(platform::mrOk);
    ok->OnClick = [](QObject *) { throw platform::Error(QStringLiteral("broken")); };
    dialog.setResult(0);
    ok->Click();
    EXPECT_EQ(dialog.result(), 0);
    ASSERT_EQ(messages.texts(), QStringList{QStringLiteral("broken")});
}

TEST(LbButton, EnterAndSpaceClickOnRelease)
{
    Form f;
    TLbButton &b = *f.button;
    for (const int code : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Space)}) {
        const int before = f.clicks;
        key(b, QEvent::KeyPress, code);
        EXPECT_EQ(f.clicks, before) << "down, not yet clicked";
        key(b, QEvent::KeyRelease, code);
        EXPECT_EQ(f.clicks, before + 1);
    }
    key(b, QEvent::KeyPress, Qt::Key_A);
    key(b, QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(f.clicks, 3);
}

TEST(LbButton, DefaultAndCancelTakeEnterAndEscapeOfTheForm)
{
    enum Focus { Edit, PushButton, RadioButton, Nothing };
    const struct {
        const char *name;
        int key;
        Qt::KeyboardModifiers modifiers;
        Focus focus;
        bool okClicks;
        bool cancelClicks;
    } cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, Edit, true, false},
        {"Shift+Enter", Qt::Key_Return, Qt::ShiftModifier, Edit, true, false},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, Edit, false, true},
        {"Shift+Escape", Qt::Key_Escape, Qt::ShiftModifier, Edit, false, false},
        {"Ctrl+Escape", Qt::Key_Escape, Qt::ControlModifier, Edit, false, false},
        {"Enter on a button", Qt::Key_Return, Qt::NoModifier, PushButton, false, false},
        {"Escape on a button", Qt::Key_Escape, Qt::NoModifier, PushButton, false, false},
        {"Enter on a radio button", Qt::Key_Return, Qt::NoModifier, RadioButton, true, false},
        {"Enter, nothing focused", Qt::Key_Return, Qt::NoModifier, Nothing, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDialog dialog;
        controls::routeDialogKeys(dialog);
        auto *edit = new QLineEdit(&dialog);
        auto *push = new QPushButton(&dialog);
        push->setAutoDefault(false);
        auto *radio = new QRadioButton(&dialog);
        auto *ok = new TLbButton(&dialog);
        auto *cancel = new TLbButton(&dialog);
        ok->setDefault(true);
        cancel->setCancel(true);
        int okClicks = 0;
        int cancelClicks = 0;
        ok->OnClick = [&](QObject *) { ++okClicks; };
        cancel->OnClick = [&](QObject *) { ++cancelClicks; };
        dialog.show();
        QWidget *target = &dialog;
        if (c.focus == Edit)
            target = edit;
        else if (c.focus == PushButton)
            target = push;
        else if (c.focus == RadioButton)
            target = radio;
        if (c.focus != Nothing)
            target->setFocus();
        else
            dialog.setFocus();
        key(*target, QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(okClicks, c.okClicks ? 1 : 0);
        EXPECT_EQ(cancelClicks, c.cancelClicks ? 1 : 0);
        EXPECT_TRUE(dialog.isVisible()) << "no modal result: the dialog stays";
    }
}

TEST(LbButton, EscapeClosesAFormOnlyThroughItsCancelButton)
{
    QDialog dialog;
    controls::routeDialogKeys(dialog);
    auto *edit = new QLineEdit(&dialog);
    dialog.show();
    edit->setFocus();
    key(*edit, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "no cancel button: Escape does nothing";

    auto *cancel = new TLbButton(&dialog);
    cancel->setCancel(true);
    cancel->setModalResult(platform::mrCancel);
    bool asked = false;
    cancel->OnClick = [&](QObject *) { asked = true; };
    key(*edit, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), platform::mrCancel);
}

TEST(LbButton, AnInvisibleDefaultButtonSwallowsEnterWithoutClicking)
{
    Form f;
    controls::routeDialogKeys(f.dialog);
    auto *edit = new QLineEdit(&f.dialog);
    edit->show();
    edit->setFocus();
    f.button->setDefault(true);
    f.button->hide();
    key(*edit, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(f.clicks, 0);
}

TEST(LbButton, TheHotLookEndsWhenTheMouseLeavesOrTheWindowHides)
{
    Form f;
    TLbButton &b = *f.button;
    b.setHotTrackColor(platform::clYellow);
    enter(b);
    EXPECT_EQ(b.hotTrackStep(), 8);
    leave(b);
    EXPECT_EQ(b.hotTrackStep(), 0);

    enter(b);
    f.dialog.hide(); // closed with the mouse still over the button
    f.dialog.show();
    EXPECT_EQ(b.hotTrackStep(), 0);
    const QImage face = b.paintFace();
    EXPECT_EQ(face.pixelColor(50, 2), platform::toQColor(platform::ColorToRGB(b.Color())));
}

TEST(LbButton, TheFadeStepsDownEveryThirtyMillisecondsAndThenRests)
{
    Form f;
    TLbButton &b = *f.button;
    b.setColor(platform::clWhite);
    b.setHotTrackColor(platform::clBlack);
    b.setSlowDecease(true);
    auto timer = std::make_unique<testsupport::ManualIntervalTimer>();
    testsupport::ManualIntervalTimer &clock = *timer;
    b.setFadeTimer(std::move(timer));

    enter(b);
    leave(b);
    EXPECT_TRUE(b.fadeRunning());
    std::vector<int> steps;
    std::vector<int> faces;
    for (int i = 0; i < 10; ++i) {
        clock.advance(std::chrono::milliseconds(30));
        steps.push_back(b.hotTrackStep());
        faces.push_back(b.paintFace().pixelColor(50, 2).red());
    }
    EXPECT_EQ(steps, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0, 0, 0}));
    // White to black: each step 255 * step / 8, truncated.
    EXPECT_EQ(faces, (std::vector<int>{31, 63, 95, 127, 159, 191, 223, 255, 255, 255}));
    EXPECT_EQ(clock.firedAt.size(), 8u) << "eight steps, then the fade rests";
    EXPECT_FALSE(b.fadeRunning());

    enter(b);
    leave(b);
    clock.advance(std::chrono::milliseconds(60));
    EXPECT_EQ(b.hotTrackStep(), 6);
    enter(b); // back during a fade: full colour again, and it fades while over
    EXPECT_EQ(b.hotTrackStep(), 8);
    clock.advance(std::chrono::milliseconds(30 * 8));
    EXPECT_EQ(b.hotTrackStep(), 0);

    b.setSlowDecease(false);
    EXPECT_FALSE(b.fadeRunning());
    enter(b);
    leave(b);
    EXPECT_EQ(b.hotTrackStep(), 0) << "without the fade the colour drops at once";
}

TEST(LbButton, AButtonGoneDuringAFadeGetsNoFurtherStep)
{
    QWidget window;
    QPointer<TLbButton> button = new TLbButton(&window);
    window.show();
    button->setSlowDecease(true);
    enter(*button);
    leave(*button);
    ASSERT_TRUE(button->fadeRunning());
    delete button.data();
    // The step timer went with the button: nothing is left to fire.
    QApplication::processEvents();
    EXPECT_TRUE(button.isNull());
}

TEST(LbButton, HintIsATooltipOnlyWhileShowHintIsSet)
{
    TLbButton button;
    button.setHint(QStringLiteral("Options"));
    EXPECT_TRUE(button.toolTip().isEmpty());
    button.setShowHint(true);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Options"));
    button.setShowHint(false);
    EXPECT_TRUE(button.toolTip().isEmpty());
    EXPECT_EQ(button.Hint(), QStringLiteral("Options"));
}

TEST(LbButton, CaptionReadsBackAsWrittenAndShowsDoubledAmpersandsOnce)
{
    TLbButton button;
    button.setCaption(QStringLiteral("Scan && Decode"));
    EXPECT_EQ(button.Caption(), QStringLiteral("Scan && Decode"));
    EXPECT_EQ(controls::captionDisplayText(QStringLiteral("Scan && Decode")), QStringLiteral("Scan & Decode"));
    EXPECT_EQ(controls::captionDisplayText(QStringLiteral("&Open")), QStringLiteral("Open"));
    EXPECT_EQ(controls::captionDisplayText(QStringLiteral("a&&&b&")), QStringLiteral("a&b"));
}
