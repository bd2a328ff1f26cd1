#include "controls/dropdown/LbButton.h"
#include "support/DialogDoubles.h"

#include "platform/Error.h"
#include "platform/ModalResult.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <stdexcept>

using controls::TLbButton;

namespace {

// What the mouse does: press and release over the middle of the widget.
void clickWithMouse(QWidget &widget)
{
    const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
    const QPointF global = widget.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

} // namespace

TEST(LbButton, CaptionReadsBackWhatWasWrittenAndShowsAmpersandsOnce)
{
    TLbButton button;
    button.setCaption(QStringLiteral("Scan && Decode"));
    EXPECT_EQ(button.Caption(), QStringLiteral("Scan && Decode"));
    EXPECT_EQ(controls::captionDisplayText(button.Caption()), QStringLiteral("Scan & Decode"));
    EXPECT_EQ(controls::captionDisplayText(QStringLiteral("&Open")), QStringLiteral("Open"));
    EXPECT_EQ(controls::captionDisplayText(QStringLiteral("a&&&b&")), QStringLiteral("a&b"));
}

TEST(LbButton, MouseClickRunsOnClickWithTheButtonAsSender)
{
    TLbButton button;
    button.resize(80, 30);
    button.show();
    QObject *sender = nullptr;
    int clicks = 0;
    button.OnClick = [&](QObject *s) {
        sender = s;
        ++clicks;
    };
    clickWithMouse(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, &button);

    button.setEnabled(false);
    clickWithMouse(button);
    EXPECT_EQ(clicks, 1) << "a disabled button does not click";
}

TEST(LbButton, ModalResultClosesTheDialogAfterOnClick)
{
    QDialog dialog;
    auto *ok = new TLbButton(&dialog);
    ok->setModalResult(platform::mrOk);
    int resultSeenByOnClick = -1;
    ok->OnClick = [&](QObject *) { resultSeenByOnClick = dialog.result(); };
    dialog.setResult(0);
    ok->Click();
    EXPECT_EQ(resultSeenByOnClick, 0) << "OnClick runs before the result is set";
    EXPECT_EQ(dialog.result(), platform::mrOk);
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

TEST(LbButton, PaintsItsFaceColour)
{
    TLbButton button;
    button.resize(60, 30);
    button.setCaption(QStringLiteral("OK"));
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(3, 3), QColor(248, 247, 237));
}
