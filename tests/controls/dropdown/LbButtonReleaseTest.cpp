// A release clicks only the button that saw its press: a key pressed to
// close a message box must not click the button the focus returns to.
#include "controls/dropdown/LbButton.h"
#include "support/KeyStrokes.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using controls::TLbButton;
using testsupport::keyPress;
using testsupport::keyRelease;
using testsupport::keyStroke;

namespace {

struct Form {
    QDialog dialog;
    QLineEdit *edit = new QLineEdit(&dialog);
    TLbButton *button = new TLbButton(&dialog);
    int clicks = 0;

    Form()
    {
        edit->setGeometry(10, 40, 100, 20);
        button->setGeometry(10, 10, 100, 23);
        button->OnClick = [this](QObject *) { ++clicks; };
        dialog.resize(200, 100);
        dialog.show();
        dialog.activateWindow();
        QApplication::processEvents();
        button->setFocus();
    }
};

void mouse(QWidget &widget, QEvent::Type type)
{
    const QPointF at(5, 5);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(LbButtonRelease, OnlyTheReleaseOfAPressTheButtonSawClicks)
{
    const int keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    const struct {
        const char *name;
        std::function<void(Form &, int key)> strokes;
        int clicks;
    } cases[] = {
        {"press and release", [](Form &f, int k) { keyStroke(*f.button, k); }, 1},
        {"release alone", [](Form &f, int k) { keyRelease(*f.button, k); }, 0},
        {"pressed in another widget",
         [](Form &f, int k) {
             keyPress(*f.edit, k);
             keyRelease(*f.button, k);
         },
         0},
        {"another key's release",
         [](Form &f, int k) {
             keyPress(*f.button, k);
             keyRelease(*f.button, k == Qt::Key_Space ? Qt::Key_Return : Qt::Key_Space);
         },
         0},
        {"the focus left between press and release",
         [](Form &f, int k) {
             keyPress(*f.button, k);
             f.edit->setFocus();
             f.button->setFocus();
             keyRelease(*f.button, k);
         },
         0},
        {"a second release",
         [](Form &f, int k) {
             keyStroke(*f.button, k);
             keyRelease(*f.button, k);
         },
         1},
        {"the mouse's release after a key press",
         [](Form &f, int k) {
             keyPress(*f.button, k);
             mouse(*f.button, QEvent::MouseButtonRelease);
         },
         0},
        {"a key's release after a mouse press",
         [](Form &f, int k) {
             mouse(*f.button, QEvent::MouseButtonPress);
             keyRelease(*f.button, k);
         },
         0},
    };
    for (const int key : keys)
        for (const auto &c : cases) {
            Form f;
            ASSERT_TRUE(f.button->hasFocus());
            c.strokes(f, key);
            EXPECT_EQ(f.clicks, c.clicks) << c.name << ", key " << key;
        }
}

TEST(LbButtonRelease, AMouseReleaseClicksOnlyAfterThePressItFollows)
{
    Form f;
    mouse(*f.button, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.clicks, 0);
    mouse(*f.button, QEvent::MouseButtonPress);
    mouse(*f.button, QEvent::MouseButtonRelease);
    mouse(*f.button, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.clicks, 1);
}

// The click opens a box that Enter's press closes; that Enter's release
// then reaches the button the focus went back to.
TEST(LbButtonRelease, TheEnterThatClosesABoxOpenedByTheClickDoesNotClickAgain)
{
    Form f;
    int boxes = 0;
    f.button->OnClick = [&](QObject *) {
        ++f.clicks;
        QDialog box(&f.dialog);
        box.resize(80, 40);
        QTimer::singleShot(0, &box, [&] {
            ++boxes;
            box.accept();
            keyRelease(*f.button, Qt::Key_Return);
        });
        // Bounded: the box closes itself if the step above never ran.
        QTimer::singleShot(5000, &box, &QDialog::reject);
        box.exec();
        f.button->setFocus();
    };
    keyStroke(*f.button, Qt::Key_Return);
    keyRelease(*f.button, Qt::Key_Return);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(f.clicks, 1);
}
