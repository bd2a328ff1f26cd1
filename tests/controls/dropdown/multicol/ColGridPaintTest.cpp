// The popup list's rows, sizes and pixels: the header, the items in their
// rows, images, auto-sized columns, wrapped rows, the selection face and
// the lines.
#include "MultiColumnFixture.h"

#include "platform/draw/Bitmap.h"
#include "platform/draw/ImageList.h"

#include <gtest/gtest.h>

using namespace multicoltest;
using editortest::pixel;
using platform::TColor;

namespace {

// Logs the part kinds the selected row is painted with.
class TSelectionProbe : public TExMultiColumnDropDown {
public:
    TSelectionProbe(TConstructKey key, QWidget *parent) : TExMultiColumnDropDown(key, parent) {}
    QList<int> parts;
    QList<int> gradientSteps;
    void DrawGradientFill(platform::TCanvas &canvas, TColor from, TColor to, int steps, const platform::TRect &r,
                          controls::TGradientDirection direction) override
    {
        gradientSteps << steps;
        EXPECT_EQ(direction, controls::gdVertical);
        TExMultiColumnDropDown::DrawGradientFill(canvas, from, to, steps, r, direction);
    }
    void DrawSelection(platform::TCanvas &canvas, const platform::TRect &r, int partKind,
                       TColor cornerColor) override
    {
        parts << partKind;
        TExMultiColumnDropDown::DrawSelection(canvas, r, partKind, cornerColor);
    }
};

platform::TImageList *redImages(QObject &owner)
{
    static platform::TImageList images(16, 16);
    if (images.Count() == 0) {
        QPixmap red(16, 16);
        red.fill(Qt::red);
        images.Add(red);
    }
    Q_UNUSED(owner);
    return &images;
}

int countColour(const QImage &image, const platform::TRect &r, TColor colour)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += pixel(image, x, y) == colour;
    return n;
}

TEST(ColGrid, ThreeItemsGiveFourRowsItemTwoInRowThree)
{
    MultiColumnWindow w;
    QStringList painted;
    w.dropDown->OnDropDownGetItemText = [&](QObject *, int col, int row, QString &text) {
        painted << QStringLiteral("%1,%2:%3").arg(col).arg(row).arg(text);
    };
    w.openPopup();
    EXPECT_EQ(w.grid().RowCount(), 4);
    EXPECT_EQ(w.grid().FixedRows(), 1);
    w.grid().paintToImage();
    EXPECT_TRUE(painted.contains("0,3:Bravo"));
    EXPECT_TRUE(painted.contains("1,3:third"));
    // Header cells get their texts from the columns after the event.
    EXPECT_TRUE(painted.contains("0,0:"));
}

TEST(ColGrid, AnImageColumnWithIndexMinusOnePaintsOnlyText)
{
    MultiColumnWindow w;
    w.dropDown->setImages(redImages(w.window));
    w.dropDown->Columns()[0].setColumnType(controls::multicol::ctImage);
    w.dropDown->Items()[0].setImageIndex(-1);
    w.dropDown->Items()[1].setImageIndex(0);
    w.dropDown->setItemIndex(2);
    w.openPopup();
    const QImage image = w.grid().paintToImage();
    const TColor red = platform::RGB(255, 0, 0);
    EXPECT_EQ(countColour(image, w.grid().CellRect(0, 1), red), 0);
    EXPECT_EQ(countColour(image, w.grid().CellRect(0, 2), red), 16 * 16);
}

TEST(ColGrid, AutoSizedColumns)
{
    MultiColumnWindow w({{"Alpha", ""}, {"A much longer name", ""}, {"Beta"}});
    w.dropDown->Columns()[0].setAutoSize(true);
    w.dropDown->Columns()[1].setAutoSize(true);
    w.dropDown->setColumnSizeWithDropDown(false);
    w.openPopup();
    EXPECT_EQ(w.grid().ColWidths(1), 0);
    platform::TCanvas &canvas = w.grid().Canvas();
    canvas.Font().Assign(w.dropDown->Columns()[0].Font());
    EXPECT_EQ(w.grid().ColWidths(0), canvas.TextWidth("A much longer name") + 6);
    EXPECT_EQ(w.grid().Columns()[0].Width(), w.grid().ColWidths(0));
    // The drop-down's own columns keep their settings.
    EXPECT_EQ(w.dropDown->Columns()[0].Width(), 80);
}

TEST(ColGrid, WrappedRowsAreAtLeast24High)
{
    MultiColumnWindow w({{"short"}, {"a text long enough to need several lines in a narrow column"}});
    w.dropDown->Columns()[0].setWordwrap(true);
    w.dropDown->Columns()[0].setWidth(60);
    w.openPopup();
    EXPECT_EQ(w.grid().RowHeights(1), 24);
    EXPECT_GT(w.grid().RowHeights(2), 24);
    EXPECT_EQ(w.grid().RowHeights(0), 25);
}

TEST(ColGrid, HeaderSolidWhenItsSecondColourIsNoneElseAGradient)
{
    MultiColumnWindow w;
    w.dropDown->setHeaderColor(platform::RGB(200, 0, 0));
    w.dropDown->setHeaderColorTo(platform::clNone);
    w.openPopup();
    QImage image = w.grid().paintToImage();
    EXPECT_EQ(pixel(image, 10, 2), platform::RGB(200, 0, 0));
    EXPECT_EQ(pixel(image, 10, 20), platform::RGB(200, 0, 0));
    w.type(Qt::Key_Escape, "\x1b");

    w.dropDown->setHeaderColorTo(platform::RGB(0, 0, 200));
    w.openPopup();
    image = w.grid().paintToImage();
    // 80 bands over 24 pixels: the first rows are the first bands.
    EXPECT_TRUE(editortest::near(pixel(image, 10, 0), platform::RGB(200, 0, 0), 6));
    const TColor low = pixel(image, 10, 22);
    EXPECT_LT(platform::GetRValue(low), 40);
    EXPECT_GT(platform::GetBValue(low), 160);
}

TEST(ColGrid, SelectedRowThroughDrawSelectionWithItsParts)
{
    QWidget window;
    auto *probe = controls::TExCustomDropDown::create<TSelectionProbe>(&window);
    probe->DropDownHeader().setVisible(false);
    probe->DropDownFooter().setVisible(false);
    for (const char *header : {"a", "b", "c"})
        probe->Columns().Add()->setHeader(header);
    probe->Items().Add()->setText({"1", "2", "3"});
    probe->Items().Add()->setText({"4", "5", "6"});
    probe->EndUpdate();
    probe->setItemIndex(1);
    window.show();
    probe->ShowDropDown();
    settle();
    probe->parts.clear();
    probe->gradientSteps.clear();
    probe->ColGrid()->paintToImage();
    EXPECT_EQ(probe->parts, QList<int>({1, 3, 2}));
    // One 80-band gradient per header cell, through the drop-down.
    EXPECT_EQ(probe->gradientSteps, QList<int>({80, 80, 80}));
    probe->HideDropDown(true);

    probe->Columns().Delete(2);
    probe->Columns().Delete(1);
    probe->ShowDropDown();
    settle();
    probe->parts.clear();
    probe->ColGrid()->paintToImage();
    EXPECT_EQ(probe->parts, QList<int>({0}));
    probe->HideDropDown(true);
}

TEST(ColGrid, LinesOfDataAndHeaderCells)
{
    MultiColumnWindow w;
    w.dropDown->setLineColor(platform::RGB(0, 128, 0));
    w.dropDown->setFixedLineColor(platform::RGB(0, 0, 128));
    w.openPopup();
    const QImage image = w.grid().paintToImage();
    // Row 2 is not selected (row 1 is current).
    const platform::TRect cell = w.grid().CellRect(0, 2);
    EXPECT_EQ(pixel(image, cell.Left + 10, cell.Bottom - 1), platform::RGB(0, 128, 0));
    EXPECT_EQ(pixel(image, cell.Right - 1, cell.Top + 5), platform::RGB(0, 128, 0));
    EXPECT_EQ(pixel(image, cell.Left + 10, cell.Bottom - 2), platform::clWhite);
    const platform::TRect header = w.grid().CellRect(0, 0);
    EXPECT_EQ(pixel(image, header.Left + 10, header.Bottom - 1), platform::RGB(0, 0, 128));
    EXPECT_EQ(pixel(image, header.Right - 1, header.Top + 5), platform::RGB(0, 0, 128));
}

TEST(ColGrid, DrawItemEventReplacesThePainting)
{
    MultiColumnWindow w;
    int calls = 0;
    w.dropDown->OnDropDownDrawItem = [&](QObject *, int, int, platform::TCanvas &canvas, const platform::TRect &r) {
        ++calls;
        canvas.FillColor(r, platform::RGB(1, 2, 3));
    };
    w.openPopup();
    calls = 0;
    const QImage image = w.grid().paintToImage();
    EXPECT_EQ(calls, 8);
    EXPECT_EQ(pixel(image, 5, 5), platform::RGB(1, 2, 3));
}

} // namespace
