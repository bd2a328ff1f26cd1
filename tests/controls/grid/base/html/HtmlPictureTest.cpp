#include "HtmlTestSupport.h"

#include "controls/grid/base/html/GifFrames.h"
#include "controls/grid/base/html/PictureContainer.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace htmltest;

namespace {

// A 20 x 10 logical screen with three frames in three places.
const std::vector<GifFrameSpec> kThreeFrames = {
    {0, 0, 20, 10, 1, 10},
    {4, 2, 6, 5, 2, 20},
    {12, 6, 3, 4, 3, 30},
};

TColor pixel(const THTMLPicture &picture, int x, int y)
{
    const QRgb p = picture.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

} // namespace

TEST(HtmlPicture, FramesOfAGifAreCountedByTheirControlExtensions)
{
    const struct {
        const char *name;
        QByteArray data;
        int frames;
        bool gif;
        bool decodes;
    } cases[] = {
        {"three frames", gifBytes(20, 10, kThreeFrames), 3, true, true},
        {"one control extension", gifBytes(4, 4, {{0, 0, 4, 4, 2, 0}}), 1, true, true},
        {"no control extension: decoded whole", gifBytes(4, 4, {{0, 0, 4, 4, 2, 0}}, false), 0, true, true},
        {"four bytes are never a GIF", QByteArray("GIF8"), -1, false, false},
        {"a PNG", pngBytes(3, 3, Qt::red), -1, false, true},
        {"data no reader knows, such as a metafile", QByteArray::fromHex("010009000003"), -1, false, false},
    };
    for (const auto &c : cases) {
        THTMLPicture picture;
        QBuffer buffer;
        buffer.setData(c.data);
        buffer.open(QIODevice::ReadOnly);
        const THTMLPictureResult loaded = picture.LoadFromStream(&buffer);
        EXPECT_EQ(picture.FrameCount(), c.frames) << c.name;
        EXPECT_EQ(picture.IsGIF(), c.gif) << c.name;
        EXPECT_EQ(loaded.ok, c.decodes) << c.name;
        EXPECT_EQ(picture.Empty(), !c.decodes) << c.name;
        if (!c.decodes) {
            EXPECT_EQ(loaded.message, QStringLiteral("Could not load image. Invalid format")) << c.name;
        }
    }
}

TEST(HtmlPicture, AFrameIsShownWithItsPlaceInTheLogicalScreen)
{
    THTMLPicture picture;
    loadPicture(picture, gifBytes(20, 10, kThreeFrames));
    int frameChanges = 0;
    picture.OnFrameChange = [&] { ++frameChanges; };
    const struct {
        int asked;
        int shown;
    } cases[] = {{2, 2}, {3, 3}, {1, 1}, {99, 3}, {0, 1}, {-4, 1}};
    for (const auto &c : cases) {
        EXPECT_TRUE(picture.SetFrame(c.asked).ok) << c.asked;
        const GifFrameSpec &spec = kThreeFrames[std::size_t(c.shown - 1)];
        EXPECT_EQ(picture.Frame(), c.shown) << c.asked;
        EXPECT_EQ(picture.FrameXPos(), spec.left) << c.asked;
        EXPECT_EQ(picture.FrameYPos(), spec.top) << c.asked;
        EXPECT_EQ(picture.Width(), spec.width) << c.asked;
        EXPECT_EQ(picture.Height(), spec.height) << c.asked;
        EXPECT_EQ(pixel(picture, 0, 0), (std::array{clRed, clLime, clBlue})[std::size_t(c.shown - 1)]) << c.asked;
        EXPECT_EQ(picture.MaxWidth(), 20);
        EXPECT_EQ(picture.MaxHeight(), 10);
    }
    EXPECT_EQ(frameChanges, int(std::size(cases)));
    EXPECT_EQ(picture.FrameTime(2), 20);
    EXPECT_EQ(picture.FrameTime(4), -1);
}

TEST(HtmlPicture, NextAndPreviousGoRoundTheEnds)
{
    THTMLPicture picture;
    loadPicture(picture, gifBytes(20, 10, kThreeFrames));
    picture.SetFrame(3);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 3);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 2);
}

TEST(HtmlPicture, EachFrameStaysForItsDelay)
{
    // Delays of 10, 20 and 30 hundredths; a step is a tenth of a second.
    THTMLPicture picture;
    loadPicture(picture, gifBytes(20, 10, kThreeFrames));
    std::vector<int> shown;
    for (int tick = 0; tick < 7; ++tick) {
        const bool changed = picture.Step();
        EXPECT_EQ(changed, tick == 1 || tick == 3 || tick == 6) << tick;
        shown.push_back(picture.Frame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 2, 3, 3, 3, 1}));
    EXPECT_EQ(picture.FrameXPos(), 0) << "the frame changed is decoded";

    THTMLPicture still;
    loadPicture(still, gifBytes(4, 4, {{0, 0, 4, 4, 2, 0}}));
    EXPECT_FALSE(still.Step());
}

TEST(HtmlPicture, DamagedGifsAreReadWithinTheirBytes)
{
    const QByteArray whole = gifBytes(20, 10, kThreeFrames);
    const qsizetype first = whole.indexOf(QByteArray::fromHex("21F904"));
    const qsizetype second = whole.indexOf(QByteArray::fromHex("21F904"), first + 1);
    ASSERT_GT(second, first);

    // The bytes decoded for a frame are the header and that frame onwards, no more.
    const TGifFrame frame = gifFrameBytes(whole, 2);
    EXPECT_EQ(frame.bytes, whole.first(first) + whole.sliced(second));

    const struct {
        const char *name;
        QByteArray data;
    } cases[] = {
        {"cut in the screen size", whole.first(7)},
        {"cut after the header", whole.first(13)},
        {"a marker whose descriptor is cut", whole.first(second + 10)},
        {"cut in the last frame", whole.first(whole.size() - 6)},
        {"a frame marker and nothing else", QByteArray("GIF89a") + QByteArray::fromHex("21F904000000002C00")},
        {"noise after the signature", QByteArray("GIF89a") + QByteArray(40, char(0x2C))},
    };
    for (const auto &c : cases) {
        const int frames = gifFrameCount(c.data);
        EXPECT_LE(frames, 3) << c.name;
        for (int n = 0; n <= frames + 1; ++n) {
            const TGifFrame f = gifFrameBytes(c.data, n);
            EXPECT_LE(f.bytes.size(), c.data.size()) << c.name;
            EXPECT_GE(f.left, 0) << c.name;
            EXPECT_LE(f.left, 0xFFFF) << c.name;
        }
        THTMLPicture picture;
        loadPicture(picture, c.data);
        for (int n = 1; n <= 4; ++n)
            picture.SetFrame(n);
        picture.Step();
        Paper paper(40, 20);
        picture.Draw(paper.canvas, Rect(0, 0, 40, 20));
    }
    EXPECT_EQ(gifFrameBytes(whole.first(second + 10), 2).left, 0) << "a cut field reads 0";
}

TEST(HtmlPicture, DrawsAtItsSizeForTheResolutionOrStretched)
{
    THTMLPicture picture;
    loadPicture(picture, pngBytes(8, 4, Qt::blue));
    const struct {
        int dpi;
        bool stretch;
        TRect ink;
    } cases[] = {
        {96, false, Bounds(2, 3, 8, 4)},
        {120, false, Bounds(2, 3, 10, 5)},
        {96, true, Rect(2, 3, 30, 20)},
    };
    for (const auto &c : cases) {
        Paper paper(40, 30, c.dpi);
        picture.setStretch(c.stretch);
        picture.Draw(paper.canvas, Rect(2, 3, 30, 20));
        EXPECT_EQ(inkBox(paper.image), c.ink) << c.dpi << c.stretch;
    }
}

TEST(HtmlPicture, LoadsFromFilesResourcesAndAddressesButNeverFetches)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Pic.PNG"));
    ASSERT_TRUE(writeFile(path, pngBytes(5, 6, Qt::green)));
    const struct {
        QString address;
        int width;
        QString url;
    } cases[] = {
        {QStringLiteral("file://") + path, 5, QString()},
        {QStringLiteral("FILE://") + path, 5, QString()},
        {QStringLiteral("file://") + path.toUpper(), 0, QString()},
        {QStringLiteral("file:///dev/zero"), 0, QString()},
        {QStringLiteral("file://") + dir.path(), 0, QString()},
        {QStringLiteral("res://dot"), 3, QString()},
        {QStringLiteral("RES://DOT"), 3, QString()},
        {QStringLiteral("res://none"), 0, QString()},
        {QStringLiteral("http://127.0.0.1:9/x.png"), 0, QStringLiteral("http://127.0.0.1:9/x.png")},
    };
    for (const auto &c : cases) {
        THTMLPicture picture;
        picture.setAsynch(false);
        picture.LoadFromURL(c.address);
        EXPECT_EQ(picture.Width(), c.width) << c.address.toStdString();
        EXPECT_EQ(picture.ID(), c.address) << c.address.toStdString();
        EXPECT_EQ(picture.URL(), c.url) << c.address.toStdString();
    }

    THTMLPicture asynch;
    asynch.LoadFromURL(QStringLiteral("https://127.0.0.1/a.png"));
    EXPECT_TRUE(asynch.Busy());
    EXPECT_EQ(asynch.URL(), QStringLiteral("https://127.0.0.1/a.png"));
    EXPECT_TRUE(asynch.ID().isEmpty());

    THTMLPicture byId;
    EXPECT_TRUE(byId.LoadFromResourceID(7).ok);
    EXPECT_EQ(byId.Width(), 3);
    EXPECT_FALSE(byId.LoadFromResourceID(8).ok);

    THTMLPicture missing;
    loadPicture(missing, pngBytes(2, 2, Qt::red));
    missing.LoadFromFile(dir.filePath(QStringLiteral("absent.png")));
    EXPECT_TRUE(missing.Empty());
}

TEST(HtmlPicture, ContainerNamesIgnoreCaseAndCacheAddressesDoNot)
{
    TPictureContainer container;
    TPictureItem &item = container.Items().Add();
    item.Name = QStringLiteral("Logo");
    loadPicture(item.Picture(), pngBytes(4, 4, Qt::red));
    EXPECT_EQ(container.FindPicture(QStringLiteral("LOGO")), &item.Picture());
    EXPECT_EQ(container.FindPicture(QStringLiteral("other")), nullptr);

    THTMLPictureCache cache;
    THTMLPicture *added = cache.AddPicture();
    added->setAsynch(false);
    added->LoadFromURL(QStringLiteral("http://127.0.0.1/A.png"));
    EXPECT_EQ(cache.FindPicture(QStringLiteral("http://127.0.0.1/A.png")), added);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("http://127.0.0.1/a.png")), nullptr);

    // Copies keep their own bytes.
    TPictureItem &copy = container.Items().Insert(0);
    copy.Assign(item);
    EXPECT_EQ(copy.Name, QStringLiteral("Logo"));
    EXPECT_EQ(copy.Picture().data(), item.Picture().data());
    loadPicture(item.Picture(), pngBytes(2, 2, Qt::blue));
    EXPECT_EQ(copy.Picture().Width(), 4);
    copy.setPicture(nullptr);
    EXPECT_TRUE(copy.Picture().Empty());
}
