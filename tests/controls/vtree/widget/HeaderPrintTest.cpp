// Printing with the header on top, and the adapter that prints to a PDF file.
#include "HeaderColumns.h"

#include "controls/vtree/widget/TreePrinting.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace vtreetest {
namespace {

// Keeps the first page as an image and counts the pages.
class FirstPagePrinter : public TTreePrinter {
public:
    explicit FirstPagePrinter(QSize size) : page(size, QImage::Format_ARGB32_Premultiplied), m_canvas(&page) {}
    QSize PageSize() const override { return page.size(); }
    platform::TCanvas &Canvas() override { return m_canvas; }
    void BeginDoc() override
    {
        page.fill(Qt::gray);
        pages = 1;
    }
    void NewPage() override
    {
        m_canvas.endPainting();
        if (pages++ == 1)
            first = page.copy();
    }
    void EndDoc() override
    {
        m_canvas.endPainting();
        if (pages == 1)
            first = page.copy();
    }

    QImage page;
    QImage first;
    int pages = 0;

private:
    platform::TCanvas m_canvas;
};

// Counts the pages it passes on to another printer.
class CountingPrinter : public TTreePrinter {
public:
    explicit CountingPrinter(TTreePrinter &target) : m_target(target) {}
    QSize PageSize() const override { return m_target.PageSize(); }
    platform::TCanvas &Canvas() override { return m_target.Canvas(); }
    void BeginDoc() override
    {
        pages = 1;
        m_target.BeginDoc();
    }
    void NewPage() override
    {
        ++pages;
        m_target.NewPage();
    }
    void EndDoc() override { m_target.EndDoc(); }
    int pages = 0;

private:
    TTreePrinter &m_target;
};

class HeaderPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.resize(200, 100);
        showHeaderColumns(tree, {60, 60, 60});
        tree.addNodes(2);
    }
    TreeWidgetProbe tree;
};

TEST_F(HeaderPrintTest, TheHeaderIsPrintedAboveTheRowsWhenAsked)
{
    const QRgb face = platform::ColorToRGB(platform::clBtnFace);
    const QRgb faceRgb = qRgb(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF);
    FirstPagePrinter withHeader({400, 400});
    tree.Print(&withHeader, true);
    ASSERT_EQ(withHeader.pages, 1);
    // Right of the columns the header's background, below it the white rows.
    EXPECT_EQ(withHeader.first.pixel(190, 8), faceRgb);
    EXPECT_EQ(withHeader.first.pixel(190, 40), qRgb(255, 255, 255));
    // The header's button edge between the first two columns.
    EXPECT_NE(withHeader.first.pixel(60, 8), faceRgb);
    FirstPagePrinter without({400, 400});
    tree.Print(&without, false);
    EXPECT_EQ(without.first.pixel(190, 8), qRgb(255, 255, 255));
    // The one-argument form prints a visible header.
    FirstPagePrinter byDefault({400, 400});
    tree.Print(&byDefault);
    EXPECT_EQ(byDefault.first, withHeader.first);
}

TEST_F(HeaderPrintTest, WithTheHeaderPagesAreStillCountedWithTheCeiling)
{
    // 200 wide and, with the header, exactly one page of 100 tall: two pages.
    ASSERT_EQ(tree.GetTreeRect().Width(), 200);
    ASSERT_EQ(tree.GetTreeRect().Height() + tree.HeaderHeight(), 100);
    FirstPagePrinter printer({100, 100});
    tree.Print(&printer, true);
    EXPECT_EQ(printer.pages, 2);
}

TEST_F(HeaderPrintTest, APdfFileGetsAsManyPagesAsThePrintingMakes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    tree.addNodes(40);
    auto printTo = [&](const QString &name) {
        QPdfWriter writer(dir.filePath(name));
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QSizeF(60, 60), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        TPagedDevicePrinter pdf(writer);
        CountingPrinter counting(pdf);
        tree.Print(&counting, true);
        return counting.pages;
    };
    auto pagesIn = [&](const QString &name) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
    };
    const int tall = printTo(QStringLiteral("tall.pdf"));
    EXPECT_GT(tall, 2);
    EXPECT_EQ(pagesIn(QStringLiteral("tall.pdf")), tall);
    // A tree narrower and shorter than the page takes one page.
    tree.Clear();
    tree.addNodes(1);
    EXPECT_EQ(printTo(QStringLiteral("small.pdf")), 1);
    EXPECT_EQ(pagesIn(QStringLiteral("small.pdf")), 1);
}

} // namespace
} // namespace vtreetest
