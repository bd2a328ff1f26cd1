// The button's size hint and what its property writers paint.
#include "controls/dropdown/LbButton.h"

#include "platform/ui/Fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

using controls::TAlignment;
using controls::TLbButton;
using controls::TLbButtonLayout;
using controls::TLbButtonStyle;
using controls::TLbColorStyle;

namespace {

// Caption pixels: the text is black on a white face with white bevels.
int inkPixels(const QImage &face)
{
    int count = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QColor c = face.pixelColor(x, y);
            if (c.red() < 128 && c.green() < 128 && c.blue() < 128)
                ++count;
        }
    return count;
}

int glyphPixels(const QImage &face)
{
    int count = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QColor c = face.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++count;
        }
    return count;
}

// A strip of frames, each a red square on a transparent-keyed corner.
QImage glyphStrip(int frameWidth, int height, int frames)
{
    QImage strip(frameWidth * frames, height, QImage::Format_ARGB32);
    strip.fill(QColor(255, 0, 255));
    for (int y = 1; y < height - 1; ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (x % frameWidth != 0)
                strip.setPixelColor(x, y, QColor(255, 0, 0));
    return strip;
}

void whiteFace(TLbButton &button)
{
    button.setColor(platform::clWhite);
    button.setLightColor(platform::clWhite);
    button.setShadowColor(platform::clWhite);
    button.setFontColor(platform::clBlack);
    button.setAlignment(TAlignment::taLeftJustify);
}

void pressMouse(TLbButton &button)
{
    const QPointF at(2, 2);
    QMouseEvent event(QEvent::MouseButtonPress, at, button.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
}

} // namespace

TEST(LbButtonSize, TheHintShowsTheWholeCaptionAndGlyphAndOnePixelLessCutsTheCaption)
{
    const QFont fonts[] = {platform::makeFont(QStringLiteral("Tahoma"), 8),
                           platform::makeFont(QStringLiteral("Verdana"), 10),
                           platform::makeFont(QStringLiteral("Arial"), 14)};
    const QString captions[] = {QStringLiteral("OK"), QStringLiteral("Save Conf."), QStringLiteral("&Wiederholen")};
    const QImage glyphs[] = {QImage(), glyphStrip(16, 16, 1), glyphStrip(18, 18, 2)};
    const TLbButtonLayout layouts[] = {TLbButtonLayout::blGlyphLeft, TLbButtonLayout::blGlyphRight,
                                       TLbButtonLayout::blGlyphTop, TLbButtonLayout::blGlyphBottom};
    for (const QFont &font : fonts)
        for (const QString &caption : captions)
            for (const QImage &glyph : glyphs)
                for (const TLbButtonLayout layout : layouts) {
                    TLbButton button;
                    whiteFace(button);
                    button.setFont(font);
                    button.setCaption(caption);
                    button.setGlyph(glyph);
                    button.setLayout(layout);
                    const QSize hint = button.sizeHint();
                    const auto why = [&] {
                        return QStringLiteral("%1 %2pt, glyph %3, layout %4, hint %5x%6")
                            .arg(caption, font.family())
                            .arg(font.pointSize())
                            .arg(glyph.width())
                            .arg(int(layout))
                            .arg(hint.width())
                            .arg(hint.height())
                            .toStdString();
                    };
                    button.resize(hint + QSize(80, 40));
                    const QImage roomy = button.paintFace();
                    button.resize(hint);
                    const QImage exact = button.paintFace();
                    EXPECT_EQ(inkPixels(exact), inkPixels(roomy)) << why();
                    EXPECT_EQ(glyphPixels(exact), glyphPixels(roomy)) << why();
                    if (layout == TLbButtonLayout::blGlyphLeft || layout == TLbButtonLayout::blGlyphRight
                        || glyph.isNull()) {
                        button.resize(hint.width() - 1, hint.height());
                        EXPECT_LT(inkPixels(button.paintFace()), inkPixels(roomy)) << why();
                    }
                }
}

TEST(LbButtonSize, TheDialogsButtonIsTwentyThreePixelsHighAndGrowsWithItsFont)
{
    TLbButton small;
    small.setFont(platform::makeFont(QStringLiteral("Tahoma"), 8));
    small.setCaption(QStringLiteral("Cancel"));
    EXPECT_EQ(small.sizeHint().height(), 23);

    TLbButton large;
    large.setFont(platform::makeFont(QStringLiteral("Tahoma"), 16));
    large.setCaption(QStringLiteral("Cancel"));
    EXPECT_GT(large.sizeHint().width(), small.sizeHint().width());
    EXPECT_GT(large.sizeHint().height(), small.sizeHint().height());

    TLbButton empty;
    EXPECT_EQ(empty.sizeHint().width(), 8) << "the face's inset on both sides";
}

TEST(LbButtonSize, APressedEncartaCaptionTurnsBoldAndStillFits)
{
    QWidget window;
    auto &button = *new TLbButton(&window);
    whiteFace(button);
    button.setColorWhenDown(platform::clWhite);
    button.setStyle(TLbButtonStyle::bsEncarta);
    button.setCaption(QStringLiteral("Save Conf."));
    window.show();
    pressMouse(button);
    button.resize(button.sizeHint() + QSize(80, 0));
    const int whole = inkPixels(button.paintFace());
    button.resize(button.sizeHint());
    EXPECT_EQ(inkPixels(button.paintFace()), whole);
}

TEST(LbButtonSize, TheHotTrackFontCountsWhenUsedAndWider)
{
    TLbButton button;
    button.setCaption(QStringLiteral("Options"));
    const QSize plain = button.sizeHint();
    button.setHotTrackFont({platform::makeFont(QStringLiteral("Tahoma"), 20), platform::clBlack});
    EXPECT_EQ(button.sizeHint(), plain) << "not used";
    button.setUseHotTrackFont(true);
    EXPECT_GT(button.sizeHint().width(), plain.width());
    EXPECT_GT(button.sizeHint().height(), plain.height());
}

namespace {

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

TEST(LbButtonRepaint, AWriterPaintsOnlyWhenTheValueChangesAndAtOnceOnlyWhereItMust)
{
    using Write = std::function<void(TLbButton &, bool second)>;
    const struct {
        const char *name;
        Write write;
        bool atOnce;
    } writers[] = {
        {"Caption", [](TLbButton &b, bool s) { b.setCaption(s ? QStringLiteral("Two") : QStringLiteral("One")); },
         false},
        {"Glyph", [](TLbButton &b, bool s) { b.setGlyph(glyphStrip(s ? 16 : 12, s ? 16 : 12, 1)); }, false},
        {"NumGlyphs", [](TLbButton &b, bool s) { b.setNumGlyphs(s ? 2 : 1); }, false},
        {"Style", [](TLbButton &b, bool s) { b.setStyle(s ? TLbButtonStyle::bsEncarta : TLbButtonStyle::bsOld); },
         false},
        {"Color", [](TLbButton &b, bool s) { b.setColor(s ? platform::clYellow : platform::clWhite); }, false},
        {"FontColor", [](TLbButton &b, bool s) { b.setFontColor(s ? platform::clRed : platform::clBlue); }, false},
        {"SlowDecease", [](TLbButton &b, bool s) { b.setSlowDecease(s); }, false},
        {"Layout",
         [](TLbButton &b, bool s) { b.setLayout(s ? TLbButtonLayout::blGlyphTop : TLbButtonLayout::blGlyphRight); },
         true},
        {"Alignment",
         [](TLbButton &b, bool s) { b.setAlignment(s ? TAlignment::taRightJustify : TAlignment::taLeftJustify); },
         true},
        {"LightColor", [](TLbButton &b, bool s) { b.setLightColor(s ? platform::clAqua : platform::clSilver); }, true},
        {"ShadowColor", [](TLbButton &b, bool s) { b.setShadowColor(s ? platform::clNavy : platform::clBlack); },
         true},
        {"Flat", [](TLbButton &b, bool s) { b.setFlat(s); }, true},
        {"WordWrap", [](TLbButton &b, bool s) { b.setWordWrap(s); }, true},
        {"ColorStyle",
         [](TLbButton &b, bool s) { b.setColorStyle(s ? TLbColorStyle::lcsBlue : TLbColorStyle::lcsGold); }, true},
    };
    for (const auto &w : writers) {
        QWidget window;
        auto *button = new TLbButton(&window);
        button->setGeometry(10, 10, 100, 23);
        window.show();
        w.write(*button, false);
        QApplication::processEvents();
        PaintCounter counter;
        button->installEventFilter(&counter);

        w.write(*button, false);
        QApplication::processEvents();
        EXPECT_EQ(counter.paints, 0) << w.name << ": the same value again";

        w.write(*button, true);
        EXPECT_EQ(counter.paints, w.atOnce ? 1 : 0) << w.name << ": painted before the writer returns";
        QApplication::processEvents();
        EXPECT_GE(counter.paints, 1) << w.name << ": a new value shows";
    }
}

TEST(LbButtonRepaint, TheKeptCaptionAndGlyphFollowEveryChangeTheyShow)
{
    // What the button is turned into, step by step; after each step its face
    // must be that of a new button set up the same way.
    using Step = std::function<void(TLbButton &)>;
    const struct {
        const char *name;
        Step step;
    } steps[] = {
        {"caption", [](TLbButton &b) { b.setCaption(QStringLiteral("Save Conf.")); }},
        {"glyph", [](TLbButton &b) { b.setGlyph(glyphStrip(16, 16, 4)); }},
        {"another glyph", [](TLbButton &b) { b.setGlyph(glyphStrip(12, 12, 4)); }},
        {"font", [](TLbButton &b) { b.setFont(platform::makeFont(QStringLiteral("Verdana"), 11)); }},
        {"layout", [](TLbButton &b) { b.setLayout(TLbButtonLayout::blGlyphTop); }},
        {"size", [](TLbButton &b) { b.resize(140, 60); }},
        {"hot colour", [](TLbButton &b) { b.setHotTrackColor(platform::clYellow); }},
        {"style", [](TLbButton &b) { b.setStyle(TLbButtonStyle::bsModern); }},
        {"disabled", [](TLbButton &b) { b.setEnabled(false); }},
    };
    QWidget window;
    auto *changed = new TLbButton(&window);
    changed->setGeometry(0, 0, 120, 40);
    changed->setCaption(QStringLiteral("Open"));
    window.show();
    std::vector<const Step *> done;
    for (const auto &s : steps) {
        changed->paintFace();
        s.step(*changed);
        done.push_back(&s.step);
        QWidget other;
        auto *fresh = new TLbButton(&other);
        fresh->setGeometry(0, 0, 120, 40);
        fresh->setCaption(QStringLiteral("Open"));
        other.show();
        for (const Step *d : done)
            (*d)(*fresh);
        EXPECT_EQ(changed->paintFace(), fresh->paintFace()) << "after " << s.name;
    }
}
