#include "controls/dropdown/ButtonPanel.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace controls;

namespace {

struct Panel {
    TCustomButtonPanel panel;
    std::vector<int> clicks;
    Panel()
    {
        panel.resize(228, 150);
        panel.OnButtonClick = [this](QObject *, int index) { clicks.push_back(index); };
    }
    QPoint centre(int index) const { return panel.GetButtonRect(index).center(); }
    void mouse(QEvent::Type type, QPoint at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(panel.mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&panel, &event);
    }
};

TEST(ButtonPanel, ArrangesKeysOf34By26InsideItsMargins)
{
    Panel p;
    EXPECT_EQ(p.panel.GetButtonRect(11).size(), QSize(34, 26));
    EXPECT_EQ(p.panel.GetButtonRect(-1).left(), -1);
    EXPECT_EQ(p.panel.GetButtonRect(28).left(), -1);
    EXPECT_EQ(p.panel.ButtonTag(11), 7);
}

TEST(ButtonPanel, AClickCountsWhereItWasPressed)
{
    Panel p;
    p.mouse(QEvent::MouseButtonPress, p.centre(11));
    EXPECT_EQ(p.panel.ButtonDown(), 11);
    p.mouse(QEvent::MouseButtonRelease, p.centre(12));
    EXPECT_TRUE(p.clicks.empty());
    EXPECT_EQ(p.panel.ButtonDown(), -1);
    p.mouse(QEvent::MouseButtonPress, p.centre(11));
    p.mouse(QEvent::MouseButtonRelease, p.centre(11));
    EXPECT_EQ(p.clicks, std::vector<int>{11});
}

TEST(ButtonPanel, LeavingClearsTheHotKey)
{
    Panel p;
    p.mouse(QEvent::MouseMove, p.centre(12));
    EXPECT_EQ(p.panel.ButtonHot(), 12);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&p.panel, &leave);
    EXPECT_EQ(p.panel.ButtonHot(), -1);
}

TEST(ButtonPanel, PaintsEveryKeyAsAButtonWithItsCaption)
{
    Panel p;
    const QImage image = p.panel.grab().toImage();
    // The key's face differs from its caption's ink somewhere inside it.
    const QRect seven = p.panel.GetButtonRect(11);
    bool ink = false;
    const QRgb face = image.pixel(seven.left() + 3, seven.top() + 3);
    for (int y = seven.top() + 6; y < seven.bottom() - 6 && !ink; ++y)
        for (int x = seven.left() + 6; x < seven.right() - 6 && !ink; ++x)
            ink = image.pixel(x, y) != face;
    EXPECT_TRUE(ink);
}

} // namespace
