#include "DropDownFixture.h"

#include "controls/dropdown/ExButton.h"
#include "controls/dropdown/ExPopupStrip.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace dropdowntest;
using editortest::pixel;
using editortest::shot;

namespace {

// The probe's popup with a header and a footer, as a new drop-down has.
struct StripWindow : DropDownWindow {
    StripWindow()
    {
        dropDown->DropDownHeader().setVisible(true);
        dropDown->DropDownFooter().setVisible(true);
        log.clear();
    }
    TExHeader &header() const { return *dropDown->DropDownForm()->Header(); }
    TExFooter &footer() const { return *dropDown->DropDownForm()->Footer(); }
};

TEST(PopupHeader, LinesButtonsUpFromTheRightAndEndsTheCaptionBeforeThem)
{
    StripWindow w;
    TExCustomDropDown &d = *w.dropDown;
    d.setDropDownBorderWidth(0);
    d.setDropDownWidth(200);
    d.DropDownHeader().Caption = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    d.DropDownHeader().Font().setColor(platform::clRed);
    d.DropDownHeader().Buttons().Add()->setWidth(40);
    d.DropDownHeader().Buttons().Add()->setWidth(30);
    d.ShowDropDown();
    const auto &buttons = w.header().ButtonList();
    ASSERT_EQ(buttons.Count(), 2);
    EXPECT_EQ(w.header().width(), 200);
    EXPECT_EQ(buttons.GetItemsEx(0)->geometry().left(), 158);
    EXPECT_EQ(buttons.GetItemsEx(0)->geometry().right() + 1, 198);
    EXPECT_EQ(buttons.GetItemsEx(1)->geometry().left(), 128);
    EXPECT_EQ(buttons.GetItemsEx(1)->geometry().right() + 1, 158);
    // The red caption reaches x 125 and no further.
    const QImage image = shot(w.header());
    const auto redIn = [&](int x) {
        for (int y = 0; y < image.height(); ++y)
            if (editortest::near(pixel(image, x, y), platform::clRed, 90))
                return true;
        return false;
    };
    bool before = false;
    for (int x = 100; x < 126; ++x)
        before = before || redIn(x);
    EXPECT_TRUE(before);
    EXPECT_FALSE(redIn(126));
    EXPECT_FALSE(redIn(127));
}

TEST(PopupHeader, DrawBackGroundPaintsAloneWhileTheButtonsStay)
{
    StripWindow w;
    TExCustomDropDown &d = *w.dropDown;
    d.DropDownHeader().Caption = QStringLiteral("<b>Meters</b> found");
    d.DropDownHeader().Buttons().Add()->setCaption(QStringLiteral("Go"));
    d.OnDrawHeader = [](QObject *, platform::TCanvas &canvas, platform::TRect r) {
        canvas.FillColor(r, platform::clBlue);
    };
    d.ShowDropDown();
    TExButton *button = w.header().ButtonList().GetItemsEx(0);
    EXPECT_TRUE(button->isVisible());
    const QImage image = shot(w.header());
    EXPECT_EQ(pixel(image, 2, 2), platform::clBlue);
    EXPECT_EQ(pixel(image, 60, 10), platform::clBlue) << "no caption";
    EXPECT_NE(pixel(image, button->x() + 1, button->y() + button->height() / 2), platform::clBlue);
}

TEST(PopupFooter, DrawsTheGripOnlyWhenTheDropDownIsSizeable)
{
    for (const bool sizeable : {true, false}) {
        StripWindow w;
        w.dropDown->setDropDownSizeable(sizeable);
        w.dropDown->DropDownFooter().BorderColor = platform::clBlack;
        w.dropDown->ShowDropDown();
        TExFooter &footer = w.footer();
        const QImage image = shot(footer);
        const int l = footer.width() - 1 - 16;
        const int b = footer.height();
        EXPECT_EQ(pixel(image, l + 6, b - 3) == platform::clWhite, sizeable);
        EXPECT_EQ(pixel(image, l + 4, b - 5) == platform::clBlack, sizeable);
        w.popupKey(Qt::Key_Escape);
    }
}

TEST(PopupFooter, ModalResultsCloseThePopupBeforeTheClickIsReported)
{
    struct Case {
        int modalResult;
        bool closes;
        bool cancelled;
    };
    const Case cases[] = {{1, true, false}, {2, true, true}, {4, false, false}};
    for (const Case &c : cases) {
        StripWindow w;
        TProbeDropDown &d = *w.dropDown;
        d.setText(QStringLiteral("12"));
        d.DropDownFooter().Buttons().Add()->setCaption(QStringLiteral("Other"));
        TFooterButton *item = d.DropDownFooter().Buttons().Add();
        item->setCaption(QStringLiteral("Act"));
        item->setModalResult(c.modalResult);
        d.OnDropUp = [&](QObject *, bool cancelled) {
            w.log << QStringLiteral("OnDropUp cancelled %1 text %2").arg(cancelled).arg(d.Text());
        };
        d.OnDropDownFooterButtonClick = [&](QObject *, int index) {
            w.log << QStringLiteral("footer button %1 dropped %2").arg(index).arg(d.DroppedDown());
        };
        d.ShowDropDown();
        d.SetPlainText(QStringLiteral("34"));
        w.log.clear();
        TExButton *button = w.footer().ButtonList().GetItemsEx(1);
        editortest::click(*button, {3, 3});
        const QStringList expected =
            c.closes ? QStringList{QStringLiteral("OnDropUp cancelled %1 text %2")
                                       .arg(c.cancelled)
                                       .arg(c.cancelled ? QStringLiteral("12") : QStringLiteral("34")),
                                   QStringLiteral("footer button 1 dropped 0")}
                     : QStringList{QStringLiteral("footer button 1 dropped 1")};
        QStringList seen;
        for (const QString &line : w.log)
            if (line.startsWith(u"OnDropUp") || line.startsWith(u"footer"))
                seen << line;
        EXPECT_EQ(seen, expected) << c.modalResult;
        EXPECT_EQ(d.DropDownForm()->isVisible(), !c.closes);
        // The strip's list reads only what it holds.
        const auto &list = w.footer().ButtonList();
        try {
            list.GetItemsEx(list.Count());
            ADD_FAILURE() << "no error";
        } catch (const platform::Error &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Index out of bounds in list read access"));
        }
    }
}

TEST(PopupStrips, StackAboveAndBelowTheControl)
{
    StripWindow w;
    w.dropDown->ShowDropDown();
    // 2 x 1 border + 22 + 22 + 100 for the list.
    EXPECT_TRUE(w.log.contains(QStringLiteral("AdjustDropDownHeight 146"))) << w.log.join(u'|').toStdString();
    EXPECT_EQ(w.popup().height(), 146);
    EXPECT_EQ(w.header().geometry(), QRect(1, 1, 150, 22));
    EXPECT_EQ(w.dropDown->list->geometry(), QRect(1, 23, 150, 100));
    EXPECT_EQ(w.footer().geometry(), QRect(1, 123, 150, 22));
}

TEST(PopupStrips, ACaptionChangeRebuildsTheOpenPopupsButtonsAHeightDoesNot)
{
    StripWindow w;
    THeaderButton *item = w.dropDown->DropDownHeader().Buttons().Add();
    item->setCaption(QStringLiteral("A"));
    w.dropDown->ShowDropDown();
    TExButton *first = w.header().ButtonList().GetItemsEx(0);
    item->setHeight(5);
    EXPECT_EQ(w.header().ButtonList().GetItemsEx(0), first);
    item->setCaption(QStringLiteral("Longer"));
    ASSERT_EQ(w.header().ButtonList().Count(), 1);
    EXPECT_EQ(w.header().ButtonList().GetItemsEx(0)->Caption(), QStringLiteral("Longer"));
    // A button is its caption's width + 8, at most the button area high.
    TExButton &button = *w.header().ButtonList().GetItemsEx(0);
    EXPECT_LE(button.height(), 22 - 2 - 3);
    EXPECT_GT(button.width(), 8);
}

TEST(PopupFooter, TheGripDragsThePopupAndTheSizeIsKeptUntilTheSettingChanges)
{
    StripWindow w;
    TProbeDropDown &d = *w.dropDown;
    d.ShowDropDown();
    const QSize opened = w.popup().size();
    TExFooter &footer = w.footer();
    const QPoint grip(footer.width() - 4, footer.height() - 4);
    ASSERT_TRUE(footer.inGripZone(grip));
    editortest::press(footer, grip);
    const QPoint to = grip + QPoint(40, 30);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), footer.mapToGlobal(QPointF(grip)) + QPointF(40, 30),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&footer, &move);
    editortest::release(footer, to);
    EXPECT_EQ(w.popup().size(), opened + QSize(40, 30));
    w.popupKey(Qt::Key_Return);
    d.ShowDropDown();
    EXPECT_EQ(w.popup().size(), opened + QSize(40, 30));
    w.popupKey(Qt::Key_Return);
    d.setDropDownHeight(120);
    d.ShowDropDown();
    EXPECT_EQ(w.popup().height(), 120);
}

TEST(DropDownStyles, ANewDropDownWearsOffice2007)
{
    StripWindow w;
    TProbeDropDown &d = *w.dropDown;
    EXPECT_EQ(d.DropDownColor(), 0xF3E5DAu);
    EXPECT_EQ(d.DropDownHeader().Color, 0xFFEFE3u);
    EXPECT_EQ(d.DropDownHeader().ColorTo, 0xFFD2AFu);
    EXPECT_EQ(d.DropDownHeader().Font().Color(), 0x723708u);
    EXPECT_EQ(d.DropDownBorderColor(), platform::clNone);
    EXPECT_EQ(d.ButtonAppearance().Color(), 0xFFEFE3u);
    EXPECT_EQ(d.ButtonAppearance().ColorTo(), 0xFFDDC4u);
    EXPECT_EQ(d.SelectionColor(), 0xD7FFFDu);
    EXPECT_EQ(d.SelectionColorTo(), 0x58D4FCu);
    d.list->hide();
    d.ShowDropDown();
    const QImage popup = shot(w.popup());
    // Between the strips the popup's own gradient begins; the header's
    // bottom line is its border colour.
    EXPECT_EQ(pixel(popup, 1, 24), 0xF3E5DAu);
    const QImage header = shot(w.header());
    EXPECT_EQ(pixel(header, 40, 21), 0xFFD2AFu);
}

TEST(DropDownStyles, CustomKeepsTheColoursOfTheStyleBefore)
{
    StripWindow w;
    TProbeDropDown &d = *w.dropDown;
    d.SetComponentStyle(tsWindows7);
    d.SetComponentStyle(tsCustom);
    EXPECT_EQ(d.GetComponentStyle(), tsCustom);
    EXPECT_EQ(d.DropDownColor(), 0xFFFFFFu);
    EXPECT_EQ(d.DropDownBorderColor(), 0x979797u);
    EXPECT_EQ(d.DropDownHeader().Color, 0xFDFBFAu);
    EXPECT_EQ(d.ButtonAppearance().BorderColorDown(), 0xCEA27Du);
}

TEST(DropDownStyles, Office2003BlueFramesTheFooterDarkBlue)
{
    StripWindow w;
    TProbeDropDown &d = *w.dropDown;
    d.SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(d.DropDownHeader().BorderColor, 0x000000u);
    EXPECT_EQ(d.DropDownFooter().BorderColor, 0x962D00u);
    d.ShowDropDown();
    EXPECT_EQ(pixel(shot(w.footer()), 40, 0), 0x962D00u);
}

TEST(DropDownStyles, ColorTonesFrameTheEdit)
{
    DropDownWindow w;
    TColorTones tones;
    tones.Background.BorderColor = platform::clRed;
    tones.Background.BrushColor = platform::clYellow;
    w.other->setFocus();
    editortest::settle();
    w.dropDown->SetColorTones(tones);
    EXPECT_EQ(w.dropDown->BorderColor(), platform::clRed);
    EXPECT_EQ(w.dropDown->DropDownButton()->ButtonColor, platform::clYellow);
    const QImage image = shot(*w.dropDown);
    EXPECT_EQ(pixel(image, 0, 10), platform::clRed);
    EXPECT_EQ(pixel(image, 100, 0), platform::clRed);
}

TEST(DropDownStyles, DrawSelectionPaintsEachSelectionStyle)
{
    struct Case {
        TSelectionColorStyle style;
        platform::TColor top;
    };
    // scCustom fills with the selection colour; the others draw a face
    // whose top line is the style's edge colour.
    const Case cases[] = {{scCustom, 0x123456}, {scOffice2007, 0x8DD7D3}, {scWindowsVista, 0xFDDE99},
                          {scWindows7, 0xCEA27D}};
    for (const Case &c : cases) {
        DropDownWindow w;
        w.dropDown->setSelectionColorStyle(c.style);
        if (c.style == scCustom)
            w.dropDown->setSelectionColor(0x123456);
        QImage image(60, 20, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            platform::TCanvas canvas(&image);
            w.dropDown->DrawSelection(canvas, platform::Rect(0, 0, 60, 20), 0, platform::clWhite);
        }
        EXPECT_EQ(pixel(image, 30, 0), c.top) << int(c.style);
        if (c.style == scCustom) {
            EXPECT_EQ(pixel(image, 30, 10), 0x123456u);
        }
    }
}

} // namespace
