#include "controls/grid/base/editors/ExCheckBox.h"

#include "EditorEvents.h"

#include <QPaintEvent>
#include <gtest/gtest.h>

using namespace controls;
using namespace editortest;
using platform::TColor;

namespace {

// A shown, active window with one check box, counting clicks.
struct Form {
    QWidget window;
    TExCheckBox *box = new TExCheckBox(&window);
    int clicks = 0;
    Form()
    {
        window.resize(200, 60);
        box->setGeometry(10, 10, 120, 24);
        box->OnClick = [this](QObject *) { ++clicks; };
        window.show();
        window.activateWindow();
        box->setFocus();
        settle();
    }
};

// Records the regions the widget is asked to paint.
class PaintSpy : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

TEST(ExCheckBox, ClickAndSpaceToggleAndReadOnlyStillReports)
{
    Form form;
    ASSERT_TRUE(form.box->hasFocus());
    click(*form.box, {5, 5});
    EXPECT_TRUE(form.box->Checked());
    key(*form.box, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(form.box->Checked());
    EXPECT_EQ(form.clicks, 2);

    // Pressed inside, released outside: nothing.
    press(*form.box, {5, 5});
    EXPECT_TRUE(form.box->Down());
    moveTo(*form.box, {300, 5}, Qt::LeftButton);
    EXPECT_FALSE(form.box->Down());
    release(*form.box, {300, 5});
    EXPECT_FALSE(form.box->Checked());
    EXPECT_EQ(form.clicks, 2);

    form.box->setReadOnly(true);
    click(*form.box, {5, 5});
    key(*form.box, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(form.box->Checked());
    EXPECT_EQ(form.clicks, 4);
}

TEST(ExCheckBox, SpaceTogglesOnlyOnTheReleaseOfAPressItSaw)
{
    Form form;
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(form.box, &release);
    EXPECT_FALSE(form.box->Checked()) << "the press went to a window that closed";
    EXPECT_EQ(form.clicks, 0);

    key(*form.box, Qt::Key_Space, QStringLiteral(" "));
    QApplication::sendEvent(form.box, &release);
    EXPECT_TRUE(form.box->Checked()) << "one stroke, one toggle";
    EXPECT_EQ(form.clicks, 1);
}

TEST(ExCheckBox, ReturnBecomesTab)
{
    Form form;
    auto *next = new TExCheckBox(&form.window);
    next->move(10, 40);
    next->show();
    int keys = 0;
    form.box->OnKeyDown = [&](QObject *, int &k, Qt::KeyboardModifiers) { keys += k == Qt::Key_Tab; };
    form.box->setReturnIsTab(true);
    key(*form.box, Qt::Key_Return, QStringLiteral("\r"));
    settle();
    EXPECT_EQ(keys, 1);
    EXPECT_TRUE(next->hasFocus());
}

TEST(ExCheckBox, StateChangeRepaintsOnlyTheStripOfTheBox)
{
    const struct {
        TLeftRight alignment;
        QRect strip;
        QRect box;
    } cases[] = {
        {TLeftRight::taLeftJustify, {0, 0, 20, 24}, {0, 4, 13, 13}},
        {TLeftRight::taRightJustify, {100, 0, 20, 24}, {107, 4, 13, 13}},
    };
    for (const auto &c : cases) {
        Form form;
        form.box->setAlignment(c.alignment);
        EXPECT_EQ(form.box->boxRect(), c.box);
        settle();
        PaintSpy spy;
        form.box->installEventFilter(&spy);
        form.box->setState(TCheckBoxState::cbChecked);
        QCoreApplication::processEvents();
        EXPECT_EQ(spy.painted, QRegion(c.strip));
        EXPECT_TRUE(form.box->Checked());
    }
}

TEST(ExCheckBox, BoxFollowsTheVerticalAlignment)
{
    TExCheckBox box;
    box.resize(98, 40);
    const struct {
        TTextLayout align;
        int top;
    } cases[] = {{TTextLayout::tlTop, 4}, {TTextLayout::tlCenter, 14}, {TTextLayout::tlBottom, 23}};
    for (const auto &c : cases) {
        box.setButtonVertAlign(c.align);
        EXPECT_EQ(box.boxRect().top(), c.top);
    }
}

TEST(ExCheckBoxPixels, TransparentShowsTheParentAndDisabledCaptionIsEmbossed)
{
    QWidget parent;
    parent.resize(140, 30);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, QColor(200, 30, 30));
    parent.setPalette(p);
    parent.setAutoFillBackground(true);
    auto *box = new TExCheckBox(&parent);
    box->setGeometry(0, 0, 140, 30);
    box->setColor(platform::RGB(0, 0, 200));
    box->setCaption(QStringLiteral("HHH"));

    QImage opaque(parent.size(), QImage::Format_ARGB32);
    parent.render(&opaque);
    EXPECT_EQ(pixel(opaque, 100, 25), platform::RGB(0, 0, 200));
    box->setTransparent(true);
    QImage seeThrough(parent.size(), QImage::Format_ARGB32);
    parent.render(&seeThrough);
    EXPECT_EQ(pixel(seeThrough, 100, 25), platform::RGB(200, 30, 30));

    // The box is the classic one, ticked in the window text colour.
    box->setChecked(true);
    QImage ticked(parent.size(), QImage::Format_ARGB32);
    parent.render(&ticked);
    int ink = 0;
    for (int y = 6; y < 15; ++y)
        for (int x = 2; x < 11; ++x)
            ink += pixel(ticked, x, y) == platform::ColorToRGB(platform::clWindowText);
    EXPECT_GT(ink, 10);

    // Disabled: the caption in white, and one pixel up-left of it in grey.
    box->setEnabled(false);
    box->setTransparent(false);
    QImage disabled(parent.size(), QImage::Format_ARGB32);
    parent.render(&disabled);
    int white = 0, grey = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 15; x < 140; ++x) {
            // The background has no red: the red channel tells the two inks apart.
            const int red = platform::GetRValue(pixel(disabled, x, y));
            white += red >= 0xD0;
            grey += red >= 0x60 && red <= 0xA0;
        }
    EXPECT_GT(white, 5);
    EXPECT_GT(grey, 5);
}
