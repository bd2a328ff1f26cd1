// Cell pictures in the HTML export: JPEG files in "images" below the given
// folder, linked in output order, and the busy cursor around the export.
#include "GridFixture.h"

#include "controls/grid/model/CellGraphic.h"
#include "controls/grid/model/GridCellPainter.h"
#include "controls/grid/model/HtmlSettings.h"
#include "controls/grid/model/core/GridError.h"
#include "platform/Error.h"
#include "platform/draw/ImageList.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace controls;

namespace {

// Paints its cell green, 5 by 3.
class GreenPainter : public TInterfacedPersistent, public IGridCellPainter {
public:
    void Draw(platform::TCanvas &Canvas, const platform::TRect &R, int, int, bool, TExStringGrid *) override
    {
        Canvas.Brush().setColor(platform::clLime);
        Canvas.FillRect(R);
    }
    int GetWidth() override { return 5; }
    int GetHeight() override { return 3; }
    bool IsBackground() override { return false; }
};

class HtmlPictures : public stringgridtest::GridFileTest {
protected:
    void SetUp() override
    {
        grid.setFixedRows(0);
        grid.setFixedCols(0);
        grid.setColCount(2);
        grid.setRowCount(2);
        red = QImage(6, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        QPixmap blue(8, 8);
        blue.fill(Qt::blue);
        images.Add(blue);
        images.Add(blue);
        grid.setGridImages(&images);
    }
    QString folder() const { return dir.path() + u'/'; }
    QString tag(int n) const
    {
        return QStringLiteral("<img src= \"file://%1images/img%2.jpg\">").arg(folder()).arg(n);
    }
    // The content of the cell line in the table for cell (c, r).
    QString cellContent(const QString &html, int c, int r) const
    {
        const QStringList lines = html.mid(html.indexOf(QStringLiteral("<TABLE"))).split(QStringLiteral("\r\n"));
        const QString line = lines[1 + r * 4 + 1 + c];
        const qsizetype open = line.indexOf(u'>');
        return line.mid(open + 1, line.size() - open - 1 - 5);
    }
    QString picture(int n) const { return folder() + QStringLiteral("images/img%1.jpg").arg(n); }

    QImage red;
    platform::TImageList images{8, 8};
};

TEST_F(HtmlPictures, ABitmapFollowsItsTextAsImgZeroInTheImagesFolder)
{
    grid.setCells(0, 0, QStringLiteral("a"));
    grid.AddBitmap(0, 0, &red, false, haLeft, vaTop);
    const QString html = grid.SaveToHTMLString(folder());
    EXPECT_EQ(cellContent(html, 0, 0), QStringLiteral("a") + tag(0));
    const QImage written(picture(0));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), red.size());
    EXPECT_TRUE(bytesOf(picture(0)).startsWith("\xFF\xD8"));
    // JPEG is lossy: the colour comes back near red.
    EXPECT_GT(qRed(written.pixel(3, 2)), 200);
    EXPECT_LT(qBlue(written.pixel(3, 2)), 60);
}

struct KindCase {
    const char *name;
    // Fills cell (0, 0); the cell's text is "7" unless it changes it.
    std::function<void(TExStringGrid &, QImage &)> fill;
    // The content with {0}, {1}... for the tags of img0, img1...
    QString content;
    int files;
};

class HtmlPictureKind : public HtmlPictures, public ::testing::WithParamInterface<KindCase> {};

TEST_P(HtmlPictureKind, ExportsAs)
{
    grid.setCells(0, 0, QStringLiteral("1"));
    GetParam().fill(grid, red);
    QString expected = GetParam().content;
    for (int n = 0; n < 3; ++n)
        expected.replace(QStringLiteral("{%1}").arg(n), tag(n));
    EXPECT_EQ(cellContent(grid.SaveToHTMLString(folder()), 0, 0), expected);
    const QStringList files = QDir(folder() + QStringLiteral("images")).entryList(QDir::Files);
    EXPECT_EQ(files.size(), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HtmlPictureKind,
    ::testing::Values(
        KindCase{"imageListBeforeText", [](TExStringGrid &g, QImage &) { g.AddImageIdx(0, 0, 1, haLeft, vaTop); },
                 "{0}1", 1},
        KindCase{"imageListOutsideTheList",
                 [](TExStringGrid &g, QImage &) { g.AddImageIdx(0, 0, 5, haLeft, vaTop); }, "1", 0},
        KindCase{"dataImageAlone", [](TExStringGrid &g, QImage &) { g.AddDataImage(0, 0, 0, haLeft, vaTop); }, "{0}",
                 1},
        KindCase{"dataImageNotANumber",
                 [](TExStringGrid &g, QImage &) {
                     g.AddDataImage(0, 0, 0, haLeft, vaTop);
                     g.setCells(0, 0, QStringLiteral("x"));
                 },
                 "x", 0},
        KindCase{"imagesOneTagEach",
                 [](TExStringGrid &g, QImage &) {
                     g.AddMultiImage(0, 0, 0, haLeft, vaTop);
                     g.CellImages(0, 0)->Add(0);
                     g.CellImages(0, 0)->Add(9);
                     g.CellImages(0, 0)->Add(1);
                 },
                 "{0}{1}1", 2},
        KindCase{"pictureAfterText",
                 [](TExStringGrid &g, QImage &img) { g.AddPicture(0, 0, &img, false, noStretch, 0, haLeft, vaTop); },
                 "1{0}", 1},
        KindCase{"nodePlus", [](TExStringGrid &g, QImage &) { g.AddNode(0, 1); }, "+1", 0},
        KindCase{"noImageList",
                 [](TExStringGrid &g, QImage &) {
                     g.AddImageIdx(0, 0, 0, haLeft, vaTop);
                     g.setGridImages(nullptr);
                 },
                 "1", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(HtmlPictures, AnApplicationsPainterIsDrawnAtItsSize)
{
    GreenPainter painter;
    grid.AddInterfacedCell(1, 1, &painter);
    EXPECT_EQ(cellContent(grid.SaveToHTMLString(folder()), 1, 1), QStringLiteral("&nbsp;") + tag(0));
    const QImage written(picture(0));
    ASSERT_EQ(written.size(), QSize(5, 3));
    EXPECT_GT(qGreen(written.pixel(2, 1)), 200);
    EXPECT_LT(qRed(written.pixel(2, 1)), 60);
}

TEST_F(HtmlPictures, PicturesCountFromZeroInOutputOrderWithinOneCall)
{
    grid.AddBitmap(1, 0, &red, false, haLeft, vaTop);
    grid.AddBitmap(0, 1, &red, false, haLeft, vaTop);
    QString html = grid.SaveToHTMLString(folder());
    EXPECT_TRUE(cellContent(html, 1, 0).endsWith(tag(0)));
    EXPECT_TRUE(cellContent(html, 0, 1).endsWith(tag(1)));
    html = grid.SaveToHTMLString(folder());
    EXPECT_TRUE(cellContent(html, 1, 0).endsWith(tag(0)));
}

TEST_F(HtmlPictures, WithoutExportImagesOrPicturesNoFolderIsMade)
{
    grid.setCells(0, 0, QStringLiteral("a"));
    grid.SaveToHTMLString(folder());
    EXPECT_FALSE(QDir(folder() + QStringLiteral("images")).exists());
    grid.AddBitmap(0, 0, &red, false, haLeft, vaTop);
    grid.HTMLSettings().ExportImages = false;
    EXPECT_EQ(cellContent(grid.SaveToHTMLString(folder()), 0, 0), QStringLiteral("a"));
    EXPECT_FALSE(QDir(folder() + QStringLiteral("images")).exists());
}

TEST_F(HtmlPictures, AFolderThatCannotBeMadeRaisesAndTheCursorComesBack)
{
    write(path("images"), "a file where the folder should be");
    grid.AddBitmap(0, 0, &red, false, haLeft, vaTop);
    try {
        grid.SaveToHTML(path("t.html"));
        FAIL() << "no error";
    } catch (const ZOraZaziRarar &) {
        FAIL() << "the grid's error in place of the plain one";
    } catch (const platform::Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot create ") + folder() + QStringLiteral("images"));
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFile::exists(path("t.html")));
}

TEST_F(HtmlPictures, TheBusyCursorShowsWhileTheFileIsWritten)
{
    QList<Qt::CursorShape> seen;
    grid.OnSaveCell = [&](TExStringGrid *, int, int, QString &) {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        seen << (cursor ? cursor->shape() : Qt::ArrowCursor);
    };
    grid.SaveToHTML(path("t.html"));
    grid.SaveToASCII(path("t.txt"));
    ASSERT_EQ(seen.size(), 8);
    EXPECT_EQ(seen.count(Qt::WaitCursor), 8);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
