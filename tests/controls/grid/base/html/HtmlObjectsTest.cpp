// Pictures, form fields and backgrounds inside mini-HTML lines.
#include "HtmlTestSupport.h"

#include "controls/grid/base/html/SystemIcons.h"

#include "platform/draw/Edges.h"

#include <QDir>
#include <QIcon>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace htmltest;

namespace {

// Two 16 x 16 images: red, then blue.
TImageList twoImages()
{
    TImageList list(16, 16);
    for (const QColor color : {QColor(Qt::red), QColor(Qt::blue)}) {
        QPixmap pixmap(16, 16);
        pixmap.fill(color);
        list.Add(pixmap);
    }
    return list;
}

struct Pictures {
    TPictureContainer container;
    Pictures()
    {
        add(QStringLiteral("Logo"), pngBytes(64, 48, Qt::green));
        add(QStringLiteral("Red"), pngBytes(64, 48, Qt::red));
    }
    void add(const QString &name, const QByteArray &bytes)
    {
        TPictureItem &item = container.Items().Add();
        item.Name = name;
        loadPicture(item.Picture(), bytes);
    }
};

} // namespace

TEST(HtmlObjects, ImageListImagesTakeTheirSizeAtTheCanvasResolution)
{
    const TImageList images = twoImages();
    const struct {
        const char *source;
        int dpi;
        bool withList;
        int room;
    } cases[] = {
        {"IDX:1", 96, true, 16},
        {"idx:0", 120, true, 20},
        {"IDX:2", 96, true, 0},
        {"IDX:-1", 96, true, 0},
        {"IDX:x", 96, true, 0},
        {"IDX:1", 96, false, 0},
    };
    for (const auto &c : cases) {
        Paper paper(200, 60, c.dpi);
        THtmlDrawParams p;
        p.Images = c.withList ? &images : nullptr;
        const THtmlDrawResult r = paper.draw(QStringLiteral("a<IMG src=\"%1\">b").arg(QLatin1String(c.source)),
                                             Rect(0, 0, 200, 60), p);
        const int text = paper.width(QStringLiteral("ab"));
        EXPECT_EQ(r.MaxLineWidth, text + c.room) << c.source << c.dpi;
        EXPECT_EQ(r.TotalHeight, std::max(paper.gh(), c.room)) << c.source << c.dpi;
    }

    // Drawn at its own size at the line's top, or scaled when asked.
    Paper paper;
    THtmlDrawParams p;
    p.Images = &images;
    paper.draw(QStringLiteral("<IMG src=\"IDX:1\">"), Rect(0, 0, 200, 60), p);
    EXPECT_EQ(inkBox(paper.image), Bounds(1, 0, 16, 16));
    EXPECT_EQ(drawtest::colorAt(paper.image, 8, 8), clBlue);
    Paper scaled;
    p.ScaleImages = true;
    p.ImageScale = 1.5;
    scaled.draw(QStringLiteral("<IMG src=\"IDX:0\">"), Rect(0, 0, 200, 60), p);
    EXPECT_EQ(inkBox(scaled.image), Bounds(1, 0, 24, 24));
}

TEST(HtmlObjects, NamedPicturesKeepTheirAspectWhenOneSideIsGiven)
{
    Pictures pictures;
    const struct {
        const char *attributes;
        int dpi;
        TSize room;
    } cases[] = {
        {"src=\"logo\" width=\"32\"", 96, {32, 24}},
        {"src=\"logo\" width=\"32\"", 120, {40, 30}},
        {"src=\"Logo\" height=\"24\"", 96, {32, 24}},
        {"src=\"LOGO\" width=\"10\" height=\"10\"", 96, {10, 10}},
        {"src=\"logo\"", 96, {64, 48}},
        {"src=\"logo\"", 120, {80, 60}},
        {"src=\"nothing\"", 96, {0, 0}},
        {"src=\"c:logo\"", 96, {0, 0}},
    };
    for (const auto &c : cases) {
        Paper paper(200, 80, c.dpi);
        THtmlDrawParams p;
        p.PictureContainer = &pictures.container;
        const THtmlDrawResult r =
            paper.draw(QStringLiteral("<IMG %1>").arg(QLatin1String(c.attributes)), Rect(0, 0, 200, 80), p);
        EXPECT_EQ(r.MaxLineWidth, c.room.cx) << c.attributes << c.dpi;
        EXPECT_EQ(r.TotalHeight, std::max(paper.gh(), c.room.cy)) << c.attributes << c.dpi;
        if (c.room.cx > 0) {
            EXPECT_EQ(inkBox(paper.image), Bounds(1, 0, c.room.cx, c.room.cy)) << c.attributes << c.dpi;
        }
    }
}

TEST(HtmlObjects, AnImageInsideAnAnchorIsHitAndShowsItsAlternative)
{
    Pictures pictures;
    const struct {
        const char *text;
        bool hit;
        const char *anchor;
        bool (*shown)(TColor);
    } cases[] = {
        {"<A href=\"Pic\" title=\"T\"><IMG src=\"logo\" alt=\"red\"></A>", true, "Pic", reddish},
        {"<A href=\"Pic\"><IMG src=\"logo\"></A>", true, "Pic", greenish},
        {"<IMG src=\"logo\" alt=\"red\">", false, "", greenish},
    };
    for (const auto &c : cases) {
        Paper paper(200, 80);
        THtmlDrawParams p;
        p.PictureContainer = &pictures.container;
        p.HitX = 20;
        p.HitY = 20;
        THtmlDrawResult r;
        EXPECT_EQ(paper.draw(QString::fromLatin1(c.text), Rect(0, 0, 200, 80), p, r), c.hit) << c.text;
        EXPECT_EQ(r.HitAnchor, QString::fromLatin1(c.anchor)) << c.text;
        EXPECT_TRUE(c.shown(drawtest::colorAt(paper.image, 30, 30))) << c.text;
    }
}

TEST(HtmlObjects, AddressedPicturesAreCachedUnderTheirOwnAddressAndNeverFetched)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Mixed Case.PNG"));
    ASSERT_TRUE(writeFile(path, pngBytes(12, 10, Qt::blue)));
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString web = QStringLiteral("http://127.0.0.1:%1/Picture.png").arg(server.serverPort());

    THTMLPictureCache cache;
    THtmlDrawParams p;
    p.PictureCache = &cache;
    const struct {
        QString source;
        int room;
    } cases[] = {
        {QStringLiteral("file://") + path, 12},
        {QStringLiteral("FILE://") + path, 12},
        {web, 0},
        {QStringLiteral("file://") + path, 12},
    };
    for (const auto &c : cases) {
        Paper paper;
        EXPECT_EQ(paper.draw(QStringLiteral("<IMG src=\"%1\">").arg(c.source), Rect(0, 0, 200, 60), p).MaxLineWidth,
                  c.room)
            << c.source.toStdString();
    }
    ASSERT_EQ(cache.Count(), 3) << "each address loaded once";
    EXPECT_EQ(cache.GetPicture(2)->ID(), web);
    EXPECT_EQ(cache.GetPicture(2)->URL(), web);
    EXPECT_TRUE(cache.GetPicture(2)->Empty());
    EXPECT_FALSE(server.waitForNewConnection(0));
}

TEST(HtmlObjects, SourcesAlternativesAndBackgroundsKeepTheCaseOfTheirPaths)
{
    // Only the mixed-case names exist: an upper-cased path would find nothing.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString green = QStringLiteral("file://") + dir.filePath(QStringLiteral("Green Leaf.png"));
    const QString red = QStringLiteral("file://") + dir.filePath(QStringLiteral("Red Roof.png"));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("Green Leaf.png")), pngBytes(40, 30, Qt::green)));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("Red Roof.png")), pngBytes(40, 30, Qt::red)));

    const struct {
        QString text;
        int hitX;
        bool (*shown)(TColor);
    } cases[] = {
        {QStringLiteral("<IMG src=\"%1\">").arg(green), 100, greenish},
        {QStringLiteral("<A href=\"a\"><IMG src=\"%1\" alt=\"%2\"></A>").arg(green, red), 10, reddish},
        {QStringLiteral("<BODY background=\"%1\">").arg(red), 100, reddish},
    };
    for (const auto &c : cases) {
        THTMLPictureCache cache;
        THtmlDrawParams p;
        p.PictureCache = &cache;
        p.HitX = c.hitX;
        p.HitY = 10;
        Paper paper(200, 60);
        paper.draw(c.text, Rect(0, 0, 200, 60), p);
        EXPECT_TRUE(c.shown(drawtest::colorAt(paper.image, 20, 20))) << c.text.toStdString();
    }
}

TEST(HtmlObjects, AGifShowsItsFrameAtTheFramesPlace)
{
    TPictureContainer container;
    TPictureItem &item = container.Items().Add();
    item.Name = QStringLiteral("anim");
    loadPicture(item.Picture(), gifBytes(20, 10, {{0, 0, 20, 10, 1, 10}, {4, 2, 6, 5, 3, 10}}));
    item.Picture().SetFrame(2);

    Paper paper;
    paper.canvas.Brush().setColor(clYellow);
    THtmlDrawParams p;
    p.PictureContainer = &container;
    const THtmlDrawResult r = paper.draw(QStringLiteral("<IMG src=\"anim\">"), Rect(0, 0, 200, 60), p);
    EXPECT_EQ(r.MaxLineWidth, 20);
    // The logical screen is cleared in the brush colour the call began with,
    // then the frame drawn in its place.
    EXPECT_EQ(drawtest::colorAt(paper.image, 1, 0), clYellow);
    EXPECT_EQ(drawtest::colorAt(paper.image, 1 + 4, 2), clBlue);
    EXPECT_EQ(drawtest::colorAt(paper.image, 1 + 9, 6), clBlue);
    EXPECT_EQ(drawtest::colorAt(paper.image, 1 + 10, 6), clYellow);
    EXPECT_EQ(drawtest::colorAt(paper.image, 21, 0), clWhite);
}

TEST(HtmlObjects, FormFieldsTakeTheirRoomAndAnswerTheHitTest)
{
    Paper paper;
    const int gh = paper.gh();
    const int a = paper.width(QStringLiteral("a"));
    const struct {
        const char *field;
        TSize room;
        int lineHeight;
    } cases[] = {
        {"TYPE=\"EDIT\" ID=\"f\" VALUE=\"v\" WIDTH=\"50\"", {50, gh + 10}, std::max(23, gh + 10)},
        {"TYPE=\"PASSWORD\" ID=\"f\" VALUE=\"v\" WIDTH=\"50\"", {50, gh + 10}, std::max(23, gh + 10)},
        {"TYPE=\"MASK\" ID=\"f\" VALUE=\"v\" WIDTH=\"50\"", {50, gh + 10}, std::max(23, gh + 10)},
        {"TYPE=\"CHECK\" ID=\"f\" VALUE=\"v\" WIDTH=\"50\"", {16, 16}, 16},
        {"TYPE=\"radio\" ID=\"f\" VALUE=\"v\" WIDTH=\"50\"", {16, 16}, 16},
        {"TYPE=\"BUTTON\" ID=\"f\" VALUE=\"v\" WIDTH=\"60\"", {60, 25}, 25},
        {"TYPE=\"BUTTON\" ID=\"f\" VALUE=\"v\" WIDTH=\"60\" HEIGHT=\"40\"", {60, 25}, 38},
        {"TYPE=\"COMBO\" ID=\"f\" VALUE=\"v\" WIDTH=\"70\"", {70, 25}, 25},
    };
    for (const auto &c : cases) {
        const QString text = QStringLiteral("a<CONTROL %1>b").arg(QLatin1String(c.field));
        THtmlDrawResult r;
        // Named by its ID, the field answers wherever the point is.
        THtmlDrawParams named = hitTest(-1, -1);
        named.ControlID = QStringLiteral("f");
        EXPECT_TRUE(paper.draw(text, Rect(0, 0, 200, 60), named, r)) << c.field;
        EXPECT_EQ(r.HitControlRect, Bounds(1 + a, 0, c.room.cx, c.room.cy)) << c.field;
        EXPECT_EQ(r.TotalHeight, c.lineHeight) << c.field;
        EXPECT_EQ(r.MaxLineWidth, a + c.room.cx + paper.width(QStringLiteral("b"))) << c.field;
        EXPECT_EQ(r.HitAnchor, QStringLiteral("ctrl"));
        EXPECT_EQ(r.ControlValue, QStringLiteral("v"));
        // And under the point.
        THtmlDrawResult under;
        EXPECT_TRUE(paper.draw(text, Rect(0, 0, 200, 60), hitTest(1 + a + 5, 5), under)) << c.field;
        EXPECT_EQ(under.ControlID, QStringLiteral("f"));
        EXPECT_EQ(under.ControlType, QString::fromLatin1(c.field).section(u'"', 1, 1).toUpper());
    }
}

TEST(HtmlObjects, AFieldWithoutANumericWidthTakesNoRoomAndDrawsNothing)
{
    for (const char *field : {"TYPE=\"EDIT\" ID=\"f\"", "TYPE=\"EDIT\" ID=\"f\" WIDTH=\"wide\""}) {
        Paper paper;
        THtmlDrawResult r;
        THtmlDrawParams named = hitTest(-1, -1);
        named.ControlID = QStringLiteral("f");
        EXPECT_FALSE(paper.draw(QStringLiteral("a<CONTROL %1>b").arg(QLatin1String(field)), Rect(0, 0, 200, 60),
                                named, r));
        EXPECT_EQ(r.HitControlRect, TRect{});
        Paper drawn;
        drawn.draw(QStringLiteral("a<CONTROL %1>b").arg(QLatin1String(field)), Rect(0, 0, 200, 60));
        // As if the tag meant nothing.
        Paper expected;
        expected.draw(QStringLiteral("a<xyz>b"), Rect(0, 0, 200, 60));
        EXPECT_EQ(drawn.image, expected.image) << field;
    }
}

TEST(HtmlObjects, FieldValuesShowAsTheirTypeWants)
{
    const auto drawn = [](const char *field) {
        Paper paper;
        paper.draw(QStringLiteral("<CONTROL %1>").arg(QLatin1String(field)), Rect(0, 0, 200, 60));
        return paper.image;
    };
    EXPECT_EQ(drawn("TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"abc\" WIDTH=\"60\""),
              drawn("TYPE=\"EDIT\" ID=\"p\" VALUE=\"***\" WIDTH=\"60\""));
    EXPECT_NE(drawn("TYPE=\"EDIT\" ID=\"p\" VALUE=\"abc\" WIDTH=\"60\""),
              drawn("TYPE=\"EDIT\" ID=\"p\" VALUE=\"***\" WIDTH=\"60\""));
    EXPECT_EQ(drawn("TYPE=\"MASK\" ID=\"p\" VALUE=\"abc\" WIDTH=\"60\""),
              drawn("TYPE=\"EDIT\" ID=\"p\" VALUE=\"abc\" WIDTH=\"60\""));
    EXPECT_EQ(drawn("TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\""),
              drawn("TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\""));
    EXPECT_NE(drawn("TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\""),
              drawn("TYPE=\"CHECK\" ID=\"c\" VALUE=\"false\" WIDTH=\"20\""));
    EXPECT_NE(drawn("TYPE=\"RADIO\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\""),
              drawn("TYPE=\"RADIO\" ID=\"c\" VALUE=\"false\" WIDTH=\"20\""));

    // A ticked box is the classic flat check box in its place.
    Paper expected;
    const int bottom = 16;
    DrawFrameControl(expected.canvas, Rect(3, bottom - 15, 16, bottom), DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED);
    EXPECT_EQ(drawn("TYPE=\"CHECK\" ID=\"c\" VALUE=\"True\" WIDTH=\"20\""), expected.image);
}

TEST(HtmlObjects, TheBodyFillsOrTilesTheWholeRectangle)
{
    const struct {
        const char *body;
        TColor color;
    } cases[] = {{"bgcolor=\"clRed\"", clRed}, {"BGCOLOR=\"#00ff00\"", clLime}, {"bgcolor=\"red\"", clWhite}};
    for (const auto &c : cases) {
        Paper paper(80, 50);
        paper.draw(QStringLiteral("<BODY %1>").arg(QLatin1String(c.body)), Rect(10, 10, 60, 40));
        EXPECT_EQ(drawtest::colorAt(paper.image, 10, 10), c.color) << c.body;
        EXPECT_EQ(drawtest::colorAt(paper.image, 59, 39), c.color) << c.body;
        EXPECT_EQ(drawtest::colorAt(paper.image, 60, 39), clWhite) << c.body;
        EXPECT_EQ(drawtest::colorAt(paper.image, 9, 10), clWhite) << c.body;
    }

    // A 2 x 1 picture, red then blue, tiled from the rectangle's corner.
    QImage tile(2, 1, QImage::Format_ARGB32);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 0, qRgb(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    tile.save(&buffer, "PNG");
    TPictureContainer container;
    TPictureItem &item = container.Items().Add();
    item.Name = QStringLiteral("Tile");
    loadPicture(item.Picture(), bytes);
    Paper paper(80, 50);
    THtmlDrawParams p;
    p.PictureContainer = &container;
    paper.draw(QStringLiteral("<BODY background=\"Tile\">"), Rect(11, 10, 60, 40), p);
    EXPECT_EQ(drawtest::colorAt(paper.image, 11, 10), clRed);
    EXPECT_EQ(drawtest::colorAt(paper.image, 12, 25), clBlue);
    EXPECT_EQ(drawtest::colorAt(paper.image, 59, 39), clRed);
    EXPECT_EQ(drawtest::colorAt(paper.image, 10, 10), clWhite);
    EXPECT_EQ(drawtest::colorAt(paper.image, 60, 10), clWhite);
    EXPECT_EQ(drawtest::colorAt(paper.image, 11, 40), clWhite);
}

TEST(HtmlObjects, SystemIconsComeFromTheIconProviderOrTakeNoRoom)
{
    // The lists are filled on first use, from the desktop's icon theme.
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    const TImageList &small = systemImageList(false);
    Paper paper;
    const QString outside = QStringLiteral("<IMG src=\"SSYS:%1\">").arg(small.Count());
    EXPECT_EQ(paper.draw(outside, Rect(0, 0, 200, 60)).MaxLineWidth, 0);
    EXPECT_EQ(systemIconIndex(QStringLiteral("-1"), false), -1);
    if (small.Count() == 0)
        GTEST_SKIP() << "the desktop has no icon theme";
    Paper large(200, 60, 120);
    EXPECT_EQ(large.draw(QStringLiteral("<IMG src=\"LSYS:0\">"), Rect(0, 0, 200, 60)).MaxLineWidth, 40);
    const int folder = systemIconIndex(QDir::tempPath(), false);
    EXPECT_GE(folder, 0);
    EXPECT_EQ(systemIconIndex(QDir::tempPath(), false), folder) << "one entry per kind of icon";
    Paper drawn;
    drawn.draw(QStringLiteral("<IMG src=\"SSYS:%1\">").arg(QDir::tempPath()), Rect(0, 0, 200, 60));
    EXPECT_TRUE(inside(inkBox(drawn.image), Bounds(1, 0, 16, 16)));
    EXPECT_NE(inkBox(drawn.image), TRect{});
}
