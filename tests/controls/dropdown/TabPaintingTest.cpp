#include "controls/dropdown/PageControl.h"
#include "controls/dropdown/TabPainting.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QSet>
#include <gtest/gtest.h>

using namespace controls;
using platform::TColor;

namespace {

const TColor FormColor = platform::RGB(248, 247, 237);

QColor q(TColor c) { return platform::toQColor(platform::ColorToRGB(c)); }

// The network dialog's page control: tabs on the left, .NET style, the form
// colour for tabs and sheets, the active tab sky blue, captions 10 pixels up.
struct NetworkLook {
    QWidget form;
    TExPageControl *control = new TExPageControl(&form);
    std::vector<TExTabSheet *> sheets;

    explicit NetworkLook(std::initializer_list<const char *> captions = {"Nodes     ", "Variables     "})
    {
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, q(FormColor));
        form.setPalette(palette);
        control->setGeometry(0, 0, 400, 300);
        control->setTabPosition(TTabPosition::tpLeft);
        control->setTabStyle(TTabStyle::tsDotNet);
        control->setMultiLine(true);
        control->setColor(FormColor);
        control->setDefaultTabColor(FormColor);
        control->setTabBackGroundColor(FormColor);
        control->setActiveColor(platform::clSkyBlue);
        control->TabMargin().setTopMargin(10);
        control->TabMargin().setRightMargin(20);
        control->setLowerActive(0);
        control->setFont(platform::makeFont(QStringLiteral("Verdana"), 10));
        control->setActiveFont({platform::makeFont(QStringLiteral("Verdana"), 10), platform::clBlack});
        for (const char *caption : captions) {
            auto *sheet = new TExTabSheet(control);
            sheet->setCaption(QString::fromLatin1(caption));
            sheets.push_back(sheet);
        }
    }
    QRect tab(int page) const { return control->GetPageTabRect(page); }
};

QRect inkBox(const QImage &image, const QRect &area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 140 && c.green() < 140 && c.blue() < 140)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

} // namespace

TEST(TabPainting, GradientBandsRoundHalvesToEven)
{
    QImage image(12, 2, QImage::Format_ARGB32_Premultiplied);
    const auto reds = [&image] {
        std::vector<int> row;
        for (int x = 0; x < image.width(); ++x)
            row.push_back(image.pixelColor(x, 0).red());
        return row;
    };
    image.fill(QColor(99, 99, 99));
    {
        platform::TCanvas canvas(&image);
        DrawTabGradient(canvas, platform::RGB(0, 0, 0), platform::RGB(10, 0, 0), true, QRect(0, 0, 10, 2), 4);
    }
    // Bands start at round(i * 2.5) = 0, 2, 5, 8 and are 3 long; colours
    // round(i * 10 / 4) = 0, 2, 5, 8. The last band runs one past the right.
    EXPECT_EQ(reds(), (std::vector<int>{0, 0, 2, 2, 2, 5, 5, 5, 8, 8, 8, 99}));

    image.fill(QColor(99, 99, 99));
    {
        platform::TCanvas canvas(&image);
        DrawTabGradient(canvas, platform::RGB(7, 0, 0), platform::RGB(10, 0, 0), true, QRect(0, 0, 10, 2), 0);
    }
    EXPECT_EQ(reds(), (std::vector<int>{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 99})) << "no steps is one band";
}

TEST(TabPainting, TheActiveSideTabIsSkyBlueAndOpenTowardTheSheet)
{
    NetworkLook f;
    const QImage image = f.control->paintTabs();
    const QRect active = f.tab(0);
    const int right = active.left() + active.width();
    const int bottom = active.top() + active.height();
    const QColor sky = q(platform::clSkyBlue);
    const QColor grey = q(platform::clGray);

    EXPECT_EQ(image.pixelColor(active.left() + 3, active.top() + 3), sky);
    EXPECT_EQ(image.pixelColor(active.left() + 5, active.top()), grey) << "outer side";
    EXPECT_EQ(image.pixelColor(active.left() - 1, active.center().y()), grey) << "far side";
    EXPECT_EQ(image.pixelColor(active.left() + 5, bottom), grey) << "inner side";
    EXPECT_EQ(image.pixelColor(right, active.top() + 5), q(FormColor)) << "open toward the sheet";

    const QRect other = f.tab(1);
    const int otherBottom = other.top() + other.height();
    EXPECT_EQ(image.pixelColor(other.left() + 3, other.top() + 3), q(FormColor));
    EXPECT_EQ(image.pixelColor(right, other.center().y()), grey) << "closed toward the sheet";
    EXPECT_EQ(image.pixelColor(other.left() + 5, otherBottom - 2), sky) << "separator of the last tab";
    EXPECT_EQ(image.pixelColor(other.left() + 5, otherBottom - 3), sky);
    EXPECT_NE(image.pixelColor(other.left() + 5, otherBottom - 4), sky);
}

TEST(TabPainting, NoSeparatorAboveTheActiveTab)
{
    NetworkLook f{"one     ", "two     ", "three     "};
    f.control->setActivePageIndex(1);
    const QImage image = f.control->paintTabs();
    const QColor sky = q(platform::clSkyBlue);
    const QRect first = f.tab(0);
    const QRect last = f.tab(2);
    EXPECT_NE(image.pixelColor(first.left() + 5, first.top() + first.height() - 2), sky);
    EXPECT_EQ(image.pixelColor(last.left() + 5, last.top() + last.height() - 2), sky);
}

TEST(TabPainting, SideCaptionsReadUpwardFromFourteenPixelsAboveTheTabBottom)
{
    NetworkLook f;
    const QImage image = f.control->paintTabs();
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        const QRect tab = f.tab(page);
        const QRect ink = inkBox(image, tab.adjusted(2, 1, -1, -4));
        ASSERT_FALSE(ink.isEmpty());
        const int start = tab.top() + tab.height() - 14;
        EXPECT_LE(ink.bottom(), start - 1);
        EXPECT_GE(ink.bottom(), start - 4);
        EXPECT_GT(ink.height(), 2 * ink.width()) << "a caption turned on its side";
        EXPECT_GE(ink.left(), tab.left() + 1);
    }
}

TEST(TabPainting, ADisabledTabKeepsItsFillWithGreyText)
{
    NetworkLook f;
    f.sheets[1]->setTabEnable(false);
    const QImage image = f.control->paintTabs();
    const QRect tab = f.tab(1);
    EXPECT_EQ(image.pixelColor(tab.left() + 3, tab.top() + 3), q(FormColor));
    const QRect ink = inkBox(image, tab.adjusted(2, 1, -1, -4));
    ASSERT_FALSE(ink.isEmpty());
    int darkest = 255;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            darkest = std::min(darkest, image.pixelColor(x, y).red());
    EXPECT_NEAR(darkest, 128, 4);
}

TEST(TabPainting, ATabColourToGivesSixteenBandsInItsDirection)
{
    for (const bool gradient : {true, false}) {
        SCOPED_TRACE(gradient ? "gradient" : "plain");
        QWidget form;
        auto *control = new TExPageControl(&form);
        control->resize(300, 200);
        control->setTabStyle(TTabStyle::tsDotNet);
        auto *first = new TExTabSheet(control);
        first->setCaption(QStringLiteral("first  "));
        auto *second = new TExTabSheet(control);
        second->setCaption(QStringLiteral("second  "));
        second->setTabColor(platform::clRed);
        second->setTabColorTo(gradient ? platform::clBlue : platform::clNone);
        const QImage image = control->paintTabs();
        const QRect tab = control->GetPageTabRect(1);
        QSet<QRgb> bands;
        for (int y = tab.top() - 1; y < tab.top() + tab.height(); ++y) {
            const QColor c = image.pixelColor(tab.left() + 2, y);
            if (c.green() == 0 && c.red() + c.blue() >= 200)
                bands.insert(c.rgb());
        }
        EXPECT_EQ(bands.size(), gradient ? 16 : 1);
    }
}

TEST(TabPainting, WithoutTabsTheStripAndFrameTakeTheirDefaultPlaces)
{
    QWidget form;
    auto *control = new TExPageControl(&form);
    control->resize(200, 100);
    control->setTabPosition(TTabPosition::tpLeft);
    control->setTabBackGroundColor(platform::clYellow);
    control->setTabSheetBorderColor(platform::clRed);
    const QImage image = control->paintTabs();
    EXPECT_EQ(image.pixelColor(0, 50), q(platform::clYellow));
    EXPECT_EQ(image.pixelColor(1, 50), q(platform::clYellow));
    EXPECT_EQ(image.pixelColor(2, 50), q(platform::clRed)) << "the frame at x = 2";
    EXPECT_EQ(image.pixelColor(198, 50), q(platform::clRed));
    EXPECT_EQ(image.pixelColor(100, 98), q(platform::clRed));
    EXPECT_EQ(image.pixelColor(199, 50), q(platform::clBtnFace)) << "the outermost pixels in the control colour";
}

TEST(TabPainting, TheSplitLineJoinsTheActiveTabToTheSheetUnlessSwitchedOff)
{
    for (const bool splitLine : {false, true}) {
        QWidget form;
        auto *control = new TExPageControl(&form);
        control->resize(300, 200);
        control->setTabPosition(TTabPosition::tpLeft);
        control->setTabSplitLine(splitLine);
        auto *sheet = new TExTabSheet(control);
        sheet->setCaption(QStringLiteral("first  "));
        const QImage image = control->paintTabs();
        const QRect tab = control->GetPageTabRect(0);
        const QColor edge = image.pixelColor(tab.left() + tab.width(), tab.center().y());
        EXPECT_EQ(edge, q(splitLine ? platform::clGray : platform::clBtnFace)) << "split line " << splitLine;
    }
}
