#include "GridFixture.h"

#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/paint/FilePicture.h"
#include "controls/grid/model/core/ComponentStream.h"
#include "controls/grid/model/core/GridError.h"

#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

// The bytes of an integer as the stream tags it (the ID of a grid).
QByteArray taggedInt(int value)
{
    if (value >= -128 && value <= 127)
        return QByteArray(1, '\x02') + char(value);
    QByteArray bytes("\x03\0\0", 3);
    bytes[1] = char(value & 0xFF);
    bytes[2] = char((value >> 8) & 0xFF);
    return bytes;
}

void sizeGrid(TExStringGrid &grid, int cols, int rows)
{
    grid.setFixedRows(0);
    grid.setFixedCols(0);
    grid.setColCount(cols);
    grid.setRowCount(rows);
}

// The tag byte that follows a property's name; -1 when it is not there.
int tagAfter(const QByteArray &stream, const QByteArray &name)
{
    const QByteArray key = char(name.size()) + name;
    const qsizetype at = stream.indexOf(key);
    return at < 0 ? -1 : std::uint8_t(stream[at + key.size()]);
}

TEST(BinaryStream, OneCellHoldingAGoesOutAsTheseBytes)
{
    TExStringGrid grid;
    sizeGrid(grid, 1, 1);
    grid.setColWidths(0, 64);
    grid.setRowHeights(0, 22);
    grid.setCells(0, 0, QStringLiteral("A"));
    const QByteArray expected = QByteArray("TPF0\x0bTGridPropIO\x00", 17)
                                + QByteArray("\x08" "ColCount\x02\x01" "\x08" "RowCount\x02\x01", 22)
                                + QByteArray("\x09" "ColWidths\x06\x02" "64" "\x0a" "RowHeights\x06\x02" "22")
                                + QByteArray("\x08" "FullGrid\x09" "\x02" "ID") + taggedInt(grid.GridID())
                                + QByteArray("\x00\x00", 2)
                                + QByteArray("TPF0\x0bTGridCellIO\x00", 17)
                                + QByteArray("\x03" "Col\x02\x00" "\x03" "Row\x02\x00", 12)
                                + QByteArray("\x04" "Cell\x06\x01" "A" "\x07" "HasProp\x08\x00\x00", 19);
    EXPECT_EQ(grid.SaveToBinStream(), expected);

    TExStringGrid copy;
    sizeGrid(copy, 4, 4);
    copy.LoadFromBinStream(expected);
    EXPECT_EQ(copy.ColCount(), 1);
    EXPECT_EQ(copy.RowCount(), 1);
    EXPECT_EQ(copy.Cells(0, 0), QStringLiteral("A"));
}

TEST(BinaryStream, TextsTakeTheirTagsAndComeBack)
{
    const QString texts[] = {QStringLiteral("A"), QString::fromUtf8("é"), QString::fromUtf8("aé"), QString(300, u'q')};
    const int tags[] = {vaString, vaWString, vaUTF8String, vaLString};
    for (int i = 0; i < 4; ++i) {
        TExStringGrid grid;
        sizeGrid(grid, 1, 1);
        grid.setCells(0, 0, texts[i]);
        const QByteArray stream = grid.SaveToBinStream();
        EXPECT_EQ(tagAfter(stream, "Cell"), tags[i]);
        TExStringGrid copy;
        copy.LoadFromBinStream(stream);
        EXPECT_EQ(copy.Cells(0, 0), texts[i]);
    }
}

TEST(BinaryStream, PropertiesAndColoursByNameOrNumberRoundTrip)
{
    TExStringGrid grid;
    sizeGrid(grid, 2, 1);
    grid.setColors(0, 0, platform::clRed);
    grid.setColors(1, 0, 0x123456);
    grid.setFontStyles(1, 0, platform::FontStyle{true, false, true, false});
    grid.setFontNames(1, 0, QStringLiteral("Courier New"));
    grid.setAlignments(1, 0, taCenter);
    grid.setReadOnly(1, 0, true);
    const QByteArray stream = grid.SaveToBinStream();
    EXPECT_TRUE(stream.contains(QByteArray("\x19" "CellProperties.BrushColor\x07\x05" "clRed")));
    EXPECT_TRUE(stream.contains(QByteArray("\x19" "CellProperties.BrushColor\x04\x56\x34\x12\x00", 31)));
    EXPECT_TRUE(stream.contains(QByteArray("\x18" "CellProperties.FontStyle\x0b\x06" "fsBold\x0b" "fsUnderline\x00", 46)));

    TExStringGrid copy;
    copy.LoadFromBinStream(stream);
    EXPECT_EQ(copy.Colors(0, 0), platform::clRed);
    EXPECT_EQ(copy.Colors(1, 0), 0x123456);
    EXPECT_TRUE(copy.FontStyles(1, 0).bold);
    EXPECT_TRUE(copy.FontStyles(1, 0).underline);
    EXPECT_FALSE(copy.FontStyles(1, 0).italic);
    EXPECT_EQ(copy.FontNames(1, 0), QStringLiteral("Courier New"));
    EXPECT_EQ(copy.Alignments(1, 0), taCenter);
    EXPECT_TRUE(copy.ReadOnly(1, 0));
}

TEST(BinaryStream, CellValueIsAnExtendedOfTenBytes)
{
    TExStringGrid grid;
    sizeGrid(grid, 1, 1);
    grid.AddRotated(0, 0, 45, QStringLiteral("r"));
    grid.GetCellGraphic(0, 0)->FCellValue = 12.5;
    const QByteArray stream = grid.SaveToBinStream();
    const QByteArray key = QByteArray("\x15" "CellGraphic.CellValue\x05");
    const qsizetype at = stream.indexOf(key);
    ASSERT_GE(at, 0);
    EXPECT_EQ(stream.mid(at + key.size(), 10), QByteArray::fromHex("00000000000000c80240"));
    TExStringGrid copy;
    copy.LoadFromBinStream(stream);
    ASSERT_NE(copy.GetCellGraphic(0, 0), nullptr);
    EXPECT_EQ(copy.GetCellGraphic(0, 0)->FCellValue, 12.5);
    EXPECT_EQ(copy.GetCellGraphic(0, 0)->FCellAngle, 45);
}

TEST(BinaryStream, ARectangleLoadsAtThePointGiven)
{
    TExStringGrid grid;
    sizeGrid(grid, 5, 5);
    fillLabels(grid);
    const QByteArray stream = grid.SaveRectToBinStream(platform::Rect(2, 2, 3, 3));
    TExStringGrid target;
    sizeGrid(target, 5, 5);
    target.setCells(4, 4, QStringLiteral("kept"));
    target.LoadAtPointFromBinStream(QPoint(0, 0), stream);
    EXPECT_EQ(target.Cells(0, 0), label(2, 2));
    EXPECT_EQ(target.Cells(1, 1), label(3, 3));
    EXPECT_EQ(target.Cells(2, 2), QString());
    EXPECT_EQ(target.Cells(4, 4), QStringLiteral("kept"));
    // At the bottom-right corner the cells that fall outside are left out.
    target.LoadAtPointFromBinStream(QPoint(4, 4), stream);
    EXPECT_EQ(target.Cells(4, 4), label(2, 2));
    EXPECT_EQ(target.RowCount(), 5);
}

TEST(BinaryStream, GraphicsAndNodesSurvive)
{
    QTemporaryDir dir;
    const QString pictureFile = dir.filePath(QStringLiteral("p.png"));
    QImage onDisk(7, 5, QImage::Format_RGB32);
    onDisk.fill(Qt::green);
    ASSERT_TRUE(onDisk.save(pictureFile));

    TExStringGrid grid;
    sizeGrid(grid, 7, 3);
    QImage *bmp = grid.CreateBitmap(6, 1, false, haLeft, vaTop);
    *bmp = QImage(4, 3, QImage::Format_RGB32);
    bmp->fill(Qt::red);
    QIcon *icon = grid.CreateIcon(1, 1, haLeft, vaTop);
    QImage iconImage(16, 16, QImage::Format_ARGB32);
    iconImage.fill(Qt::blue);
    *icon = QIcon(QPixmap::fromImage(iconImage));
    QImage *picture = grid.CreatePicture(2, 1, false, noStretch, 0, haLeft, vaTop);
    *picture = QImage(3, 2, QImage::Format_ARGB32);
    picture->fill(QColor(1, 2, 3, 100));
    *grid.CreateRadio(3, 1, 0, 1) = QStringList{QStringLiteral("one"), QStringLiteral("two")};
    int images = 0;
    grid.setGridImages(&images);
    grid.AddMultiImage(4, 1, 0, haLeft, vaTop);
    grid.CellImages(4, 1)->Add(3);
    grid.CellImages(4, 1)->Add(7);
    grid.CreateFilePicture(5, 1, false, noStretch, 0, haLeft, vaTop)->setFilename(pictureFile);
    grid.AddNode(1, 2);

    TExStringGrid copy;
    copy.LoadFromBinStream(grid.SaveToBinStream());
    ASSERT_NE(copy.GetBitmap(6, 1), nullptr);
    EXPECT_EQ(copy.GetBitmap(6, 1)->size(), QSize(4, 3));
    EXPECT_EQ(copy.GetBitmap(6, 1)->pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(copy.GetCellType(1, 1), ctIcon);
    const auto *copiedIcon = static_cast<const QIcon *>(copy.GetCellGraphic(1, 1)->CellIcon());
    ASSERT_NE(copiedIcon, nullptr);
    EXPECT_FALSE(copiedIcon->isNull());
    ASSERT_NE(copy.GetPicture(2, 1), nullptr);
    EXPECT_EQ(copy.GetPicture(2, 1)->pixelColor(0, 0).alpha(), 100);
    ASSERT_NE(copy.GetRadioStrings(3, 1), nullptr);
    EXPECT_EQ(*copy.GetRadioStrings(3, 1), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    ASSERT_NE(copy.CellImages(4, 1), nullptr);
    ASSERT_EQ(copy.CellImages(4, 1)->Count(), 2);
    EXPECT_EQ(copy.CellImages(4, 1)->Items(1), 7);
    // The file picture keeps its name; the stream opens no file.
    ASSERT_NE(copy.GetFilePicture(5, 1), nullptr);
    EXPECT_EQ(copy.GetFilePicture(5, 1)->Filename(), pictureFile);
    EXPECT_EQ(copy.GetFilePicture(5, 1)->Width(), 0);
    EXPECT_EQ(copy.NumNodes(), 1);
}

// A hand-made stream of one cell whose property record names only the font
// size.
QByteArray fontSizeOnlyStream(int fontSize)
{
    QByteArray out;
    TComponentWriter w(out);
    w.beginRecord("TGridPropIO");
    w.writeInteger("ColCount", 1);
    w.writeInteger("RowCount", 1);
    w.writeBoolean("FullGrid", false);
    w.endRecord();
    w.beginRecord("TGridCellIO");
    w.writeInteger("Col", 0);
    w.writeInteger("Row", 0);
    w.writeString("Cell", QStringLiteral("t"));
    w.writeBoolean("HasProp", true);
    w.endRecord();
    w.beginRecord("TGridCellPropIO");
    w.writeInteger("CellProperties.FontSize", fontSize);
    w.endRecord();
    return out;
}

TEST(BinaryStream, PropertiesMissingFromTheStreamKeepTheTargets)
{
    TExStringGrid grid;
    sizeGrid(grid, 3, 3);
    grid.setColors(1, 1, platform::clLime);
    grid.LoadAtPointFromBinStream(QPoint(1, 1), fontSizeOnlyStream(14));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("t"));
    EXPECT_EQ(grid.FontSizes(1, 1), 14);
    EXPECT_EQ(grid.Colors(1, 1), platform::clLime);
}

TEST(BinaryStream, ABadStreamRaisesAndChangesNothing)
{
    TExStringGrid source;
    sizeGrid(source, 2, 2);
    fillLabels(source);
    source.setColors(0, 0, platform::clRed);
    const QByteArray good = source.SaveToBinStream();

    QByteArray unknownProperty = good;
    unknownProperty.replace(QByteArray("\x07" "HasProp"), QByteArray("\x07" "HasPrup"));
    QByteArray lyingCounts;
    {
        TComponentWriter w(lyingCounts);
        w.beginRecord("TGridPropIO");
        w.writeInteger("ColCount", 60000);
        w.writeInteger("RowCount", 10000000);
        w.writeBoolean("FullGrid", true);
        w.endRecord();
        w.beginRecord("TGridCellIO");
        w.writeInteger("Col", 0);
        w.writeInteger("Row", 0);
        w.writeBoolean("HasProp", false);
        w.endRecord();
    }
    QByteArray badBitmap;
    {
        TComponentWriter w(badBitmap);
        w.beginRecord("TGridPropIO");
        w.endRecord();
        w.beginRecord("TGridCellIO");
        w.writeBoolean("HasProp", true);
        w.endRecord();
        w.beginRecord("TGridCellPropIO");
        w.writeBoolean("HasGraphic", true);
        w.endRecord();
        w.beginRecord("TGridGraphicIO");
        w.writeIdent("CellGraphic.CellType", "ctBitmap");
        w.endRecord();
        w.beginRecord("TGridBMPIO");
        w.writeBinary("Bitmap.Data", QByteArray("\xff\xff\x00\x00" "BM", 6));
        w.endRecord();
    }
    struct Case {
        const char *name;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"cut short", good.left(good.size() - 7), {}},
        {"no signature", QByteArray("TPF1") + good.mid(4), QStringLiteral("Invalid stream format")},
        {"unknown property", unknownProperty, QStringLiteral("Property HasPrup does not exist")},
        {"counts beyond the cells", lyingCounts, QStringLiteral("Invalid stream format")},
        {"a bitmap size beyond its bytes", badBitmap, {}},
    };
    for (const Case &c : cases) {
        TExStringGrid grid;
        sizeGrid(grid, 3, 3);
        fillLabels(grid);
        try {
            grid.LoadFromBinStream(c.bytes);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EReadError &e) {
            if (!c.message.isEmpty()) {
                EXPECT_EQ(e.message(), c.message) << c.name;
            }
        }
        EXPECT_EQ(grid.ColCount(), 3) << c.name;
        EXPECT_EQ(grid.RowCount(), 3) << c.name;
        EXPECT_EQ(grid.Cells(0, 0), label(0, 0)) << c.name;
        EXPECT_FALSE(grid.CellHasProperties(0, 0)) << c.name;
    }
}

TEST(BinaryStream, MergedAreasAreMergedAgain)
{
    TExStringGrid grid;
    sizeGrid(grid, 4, 4);
    grid.setCells(1, 1, QStringLiteral("wide"));
    grid.MergeCells(1, 1, 2, 3);
    TExStringGrid copy;
    copy.LoadFromBinStream(grid.SaveToBinStream());
    EXPECT_GT(copy.MergeCount(), 0);
    EXPECT_EQ(copy.CellSpan(1, 1).X, 1);
    EXPECT_EQ(copy.CellSpan(1, 1).Y, 2);
    EXPECT_TRUE(copy.IsMergedNonBaseCell(2, 3));
    EXPECT_EQ(copy.Cells(2, 3), QStringLiteral("wide"));
}

TEST(BinaryStream, IndexesAbove65535AreStoredWhole)
{
    TExStringGrid grid;
    sizeGrid(grid, 1, 70002);
    grid.setCells(0, 70000, QStringLiteral("far"));
    grid.setCells(0, 70001, QStringLiteral("further"));
    const QByteArray stream = grid.SaveRectToBinStream(platform::Rect(0, 70000, 0, 70001));
    EXPECT_TRUE(stream.contains(QByteArray("\x03" "Row\x04\x70\x11\x01\x00", 9)));
    TExStringGrid target;
    sizeGrid(target, 2, 2);
    target.LoadAtPointFromBinStream(QPoint(0, 0), stream);
    EXPECT_EQ(target.Cells(0, 0), QStringLiteral("far"));
    EXPECT_EQ(target.Cells(0, 1), QStringLiteral("further"));
}

TEST(BinaryStream, FilesWrapTheStream)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cells.bin"));
    TExStringGrid grid;
    sizeGrid(grid, 2, 2);
    fillLabels(grid);
    grid.SaveToBinFile(file);
    TExStringGrid copy;
    copy.LoadFromBinFile(file);
    EXPECT_EQ(copy.Cells(1, 1), label(1, 1));
    EXPECT_THROW(copy.LoadFromBinFile(dir.filePath(QStringLiteral("none.bin"))), ZOraZaziRarar);
}

TEST(BinaryStream, CellToRealReadsTheWholeTextOrNamesTheBadCharacter)
{
    const TFormatSettings saved = formatSettings();
    TFormatSettings comma;
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    setFormatSettings(comma);
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral("12,5"));
    grid.setCells(2, 1, QStringLiteral("1,2,3"));
    EXPECT_EQ(grid.CellToReal(1, 1), 12.5);
    EXPECT_EQ(grid.CellToReal(3, 1), 0);
    try {
        grid.CellToReal(2, 1);
        ADD_FAILURE() << "no error";
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Error at position: 4 in Cell [2, 1]."));
    }
    setFormatSettings(saved);
}

} // namespace
