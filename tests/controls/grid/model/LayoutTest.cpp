#include "GridFixture.h"

#include "controls/grid/model/GridGrouping.h"
#include "controls/grid/model/GridSortSettings.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

#include <QFileInfo>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

class LayoutTest : public stringgridtest::GridFileTest {
protected:
    LayoutTest() : store(dir.filePath(QStringLiteral("registry")))
    {
        platform::installSettingsStore(&store);
        grid.setColCount(3);
        grid.setRowCount(3);
        grid.setDefaultColWidth(64);
        for (int c = 0; c < 3; ++c)
            grid.setColWidths(c, 64);
    }
    ~LayoutTest() override { platform::installSettingsStore(nullptr); }

    platform::TSettingsStore store;
};

} // namespace

TEST_F(LayoutTest, ColumnStatesOfAPlainGridReadBackAsTheyAre)
{
    EXPECT_EQ(grid.ColumnStatesToString(), QStringLiteral("3#64,64,64#0,1,2#1,1,1"));
    grid.StringToColumnStates(QStringLiteral("3#64,64,64#0,1,2#1,1,1"));
    EXPECT_EQ(grid.ColumnStatesToString(), QStringLiteral("3#64,64,64#0,1,2#1,1,1"));
    EXPECT_EQ(grid.ColCount(), 3);
}

TEST_F(LayoutTest, ColumnStatesMoveHideAndSizeColumns)
{
    grid.setColCount(4);
    fillLabels(grid);
    grid.StringToColumnStates(QStringLiteral("4#30,40,50,60#2,0,3,1#1,1,0,1"));
    // Display position i holds the column first numbered entry i; the one
    // flagged "0" at its real index is hidden.
    EXPECT_EQ(grid.AllCells(0, 1), label(2, 1));
    EXPECT_EQ(grid.AllCells(1, 1), label(0, 1));
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.ColWidths(0), 30);
    EXPECT_EQ(grid.ColWidths(2), 50);
    EXPECT_EQ(grid.ColumnStatesToString().section(u'#', 2), QStringLiteral("2,0,3,1#1,1,0,1"));
}

TEST_F(LayoutTest, AColumnStatesStringThatDoesNotFitChangesNothing)
{
    fillLabels(grid);
    grid.setColWidths(1, 99);
    const QString before = grid.ColumnStatesToString();
    for (const char *bad : {"3#10,20#0,1,2#1,1,1", "3#10,20,30#0,0,1#1,0,1", "3#10,20,30#0,1,2#1,0,x"}) {
        EXPECT_THROW(grid.StringToColumnStates(QString::fromLatin1(bad)), platform::Error) << bad;
        EXPECT_EQ(grid.ColumnStatesToString(), before) << bad;
        EXPECT_FALSE(grid.IsHiddenColumn(1));
    }
    grid.StringToColumnStates(QStringLiteral("no hash here"));
    EXPECT_EQ(grid.ColumnStatesToString(), before);
}

TEST_F(LayoutTest, WidthsAndPositionsGoToAnIniFile)
{
    const QString ini = path("layout.ini");
    grid.ColumnSize().Location = clIniFile;
    grid.ColumnSize().Key = ini;
    grid.ColumnSize().Section = QStringLiteral("Grid");
    grid.setColWidths(0, 11);
    grid.setColWidths(2, 33);
    grid.MoveColumn(0, 2);
    grid.SaveColSizes();
    grid.SaveColPositions();
    const auto file = platform::TMemIniFile::fromBytes(bytesOf(ini));
    EXPECT_EQ(file.ReadInteger("Grid", "Col0", -1), 64);
    EXPECT_EQ(file.ReadInteger("Grid", "Col2", -1), 11);
    EXPECT_EQ(file.ReadInteger("Grid", "Pos2", -1), 0);

    TExStringGrid other;
    other.setColCount(3);
    other.setRowCount(2);
    fillLabels(other);
    other.ColumnSize() = grid.ColumnSize();
    // Moving columns moves their widths: the order first.
    other.LoadColPositions();
    other.LoadColSizes();
    EXPECT_EQ(other.ColWidths(2), 11);
    EXPECT_EQ(other.AllCells(2, 1), label(0, 1));
    EXPECT_EQ(other.AllCells(0, 1), label(1, 1));
}

TEST_F(LayoutTest, WidthsGoToTheRegistry)
{
    grid.ColumnSize().Key = QStringLiteral("Software\\Maker\\Grids");
    grid.ColumnSize().Section = QStringLiteral("Meters");
    grid.setColWidths(1, 77);
    grid.SaveColSizes();
    platform::TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("\\Software\\Maker\\Grids\\Meters")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Col1")), 77);
    grid.setColWidths(1, 5);
    grid.LoadColSizes();
    EXPECT_EQ(grid.ColWidths(1), 77);
}

TEST_F(LayoutTest, NoKeyWritesNoFileAndMissingPositionsChangeNothing)
{
    grid.ColumnSize().Location = clIniFile;
    grid.ColumnSize().Section = QStringLiteral("Grid");
    grid.SaveColSizes();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    const QString ini = path("positions.ini");
    write(ini, "[Grid]\nPos0=2\nPos1=1\n");
    grid.ColumnSize().Key = ini;
    fillLabels(grid);
    EXPECT_THROW(grid.LoadColPositions(), platform::Error);
    EXPECT_EQ(grid.AllCells(0, 1), label(0, 1));
    write(ini, "[Grid]\nPos0=1\nPos1=1\nPos2=0\n");
    EXPECT_THROW(grid.LoadColPositions(), platform::Error);
    EXPECT_EQ(grid.AllCells(0, 1), label(0, 1));
    write(ini, "[Grid]\nCol1=wide\n");
    EXPECT_THROW(grid.LoadColSizes(), platform::Error);
    EXPECT_EQ(grid.ColWidths(1), 64);
}

TEST_F(LayoutTest, VisualPropertiesRoundTrip)
{
    const QString file = path("look.txt");
    grid.setColor(platform::clWindow);
    grid.Appearance().SelectionColor = 0x123456;
    grid.Appearance().URLShow = true;
    grid.Font().setName(QStringLiteral("Tahoma"));
    grid.Font().setSize(11);
    grid.Font().setStyle(platform::FontStyle{true, false, true, false});
    grid.Grouping().HeaderLineWidth = 3;
    grid.SaveVisualProps(file);
    const QString text = QString::fromUtf8(bytesOf(file));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Color=clWindow\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nSelectionColor=$00123456\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nFont.Style=fsBold,fsUnderline\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nURLShow=true\r\n")));

    TExStringGrid other;
    other.LoadVisualProps(file);
    EXPECT_EQ(other.Color(), platform::clWindow);
    EXPECT_EQ(other.Appearance().SelectionColor, 0x123456);
    EXPECT_TRUE(other.Appearance().URLShow);
    EXPECT_EQ(other.Font().Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(other.Font().Size(), 11);
    EXPECT_TRUE(other.Font().Style().bold);
    EXPECT_TRUE(other.Font().Style().underline);
    EXPECT_EQ(other.Grouping().HeaderLineWidth, 3);
    other.SaveVisualProps(path("again.txt"));
    EXPECT_EQ(bytesOf(path("again.txt")), bytesOf(file));
}

TEST_F(LayoutTest, ACustomLookIsWrittenEmptyAndKept)
{
    grid.setLook(glCustom);
    const QString file = path("custom.txt");
    grid.SaveVisualProps(file);
    EXPECT_TRUE(QString::fromUtf8(bytesOf(file)).contains(QStringLiteral("\r\nLook=\r\n")));
    TExStringGrid other;
    other.setLook(glSoft);
    other.LoadVisualProps(file);
    EXPECT_EQ(other.Look(), glSoft);
}

TEST_F(LayoutTest, AVisualPropertiesFileWithABadValueChangesNothing)
{
    const QString file = path("bad.txt");
    grid.SaveVisualProps(file);
    QByteArray bytes = bytesOf(file);
    bytes.replace("Color=clWindow", "Color=clRed");
    bytes.replace("Balloon.Transparency=0", "Balloon.Transparency=lots");
    write(file, bytes);
    TExStringGrid other;
    const platform::TColor before = other.Color();
    EXPECT_THROW(other.LoadVisualProps(file), platform::Error);
    EXPECT_EQ(other.Color(), before);
    EXPECT_THROW(other.LoadVisualProps(path("missing.txt")), platform::Error);
    EXPECT_THROW(grid.SaveVisualProps(path("no/such/folder/x.txt")), platform::Error);
}

TEST_F(LayoutTest, SaveKeepsTheWidthsFromOneGridToTheNext)
{
    const QString ini = path("saved.ini");
    {
        TExStringGrid first;
        first.setColCount(3);
        first.ColumnSize().Save = true;
        first.ColumnSize().Location = clIniFile;
        first.ColumnSize().Key = ini;
        first.ColumnSize().Section = QStringLiteral("Grid");
        first.setColWidths(2, 123);
    }
    EXPECT_EQ(platform::TMemIniFile::fromBytes(bytesOf(ini)).ReadInteger("Grid", "Col2", -1), 123);
    TExStringGrid second;
    second.setColCount(3);
    second.ColumnSize().Save = true;
    second.ColumnSize().Location = clIniFile;
    second.ColumnSize().Key = ini;
    second.ColumnSize().Section = QStringLiteral("Grid");
    second.BeginLoading();
    second.EndLoading();
    EXPECT_EQ(second.ColWidths(2), 123);
}

TEST_F(LayoutTest, PositionsGoToTheRegistry)
{
    fillLabels(grid);
    grid.ColumnSize().Key = QStringLiteral("Software\\Maker\\Grids");
    grid.ColumnSize().Section = QStringLiteral("Order");
    grid.MoveColumn(2, 0);
    grid.SaveColPositions();
    platform::TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("\\Software\\Maker\\Grids\\Order")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Pos0")), 2);

    TExStringGrid other;
    other.setColCount(3);
    other.setRowCount(2);
    fillLabels(other);
    other.ColumnSize() = grid.ColumnSize();
    other.LoadColPositions();
    EXPECT_EQ(other.AllCells(0, 1), label(2, 1));
}
