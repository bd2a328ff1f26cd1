// Column items through their component stream.
#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/core/ComponentStream.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

// Every published setting of an item away from its default.
void setEverything(TGridColumnItem &item)
{
    item.AutoMinSize = 11;
    item.AutoMaxSize = 222;
    item.Alignment = taCenter;
    item.Borders = TCellBorders(0b0101);
    item.BorderPen.setColor(0x112233);
    item.BorderPen.setWidth(3);
    item.BorderPen.setStyle(platform::TPenStyle::psDot);
    item.CheckFalse = QStringLiteral("no");
    item.CheckTrue = QStringLiteral("yes");
    item.setColor(platform::clBtnFace);
    item.ColumnPopupType = cpAllCellsLClick;
    item.ComboItems = {QStringLiteral("a"), QString::fromUtf8("bé")};
    item.DropDownCount = 12;
    item.EditLength = 7;
    item.EditMask = QStringLiteral("999");
    item.setEditor(edComboList);
    item.Filter = {QStringLiteral("Small=<10"), QStringLiteral("Large=>=10")};
    item.FilterCaseSensitive = true;
    item.Fixed = true;
    item.setFloatFormat(QStringLiteral("%.2f"));
    item.Font.setName(QStringLiteral("Arial"));
    item.Font.setHeight(-15);
    item.Font.setColor(platform::clRed);
    item.Font.setStyle(platform::FontStyle{true, true, false, false});
    item.setHeader(QStringLiteral("Head"));
    item.HeaderAlignment = taRightJustify;
    item.HeaderFont.setName(QStringLiteral("Courier New"));
    item.MinSize = 5;
    item.MaxSize = 500;
    item.Name = QStringLiteral("col");
    item.Password = true;
    item.PrintBorderCustom = false;
    item.PrintBorders = TCellBorders(0b0010);
    item.PrintBorderPen.setWidth(2);
    item.PrintColor = 0x00ABCDEF;
    item.PrintFontCustom = false;
    item.PrintFont.setHeight(-20);
    item.ReadOnly = true;
    item.ShowBands = true;
    item.SortStyle = ssNumeric;
    item.SortPrefix = QStringLiteral("<");
    item.SortSuffix = QStringLiteral(">");
    item.SpinMax = 90;
    item.SpinMin = -9;
    item.SpinStep = 3;
    item.Tag = 4242;
    item.setWidth(123);
}

TEST(ColumnStream, EveryItemPropertyRoundTrips)
{
    TExColumnGrid grid;
    setEverything(*grid.Columns()[2]);
    const QByteArray stream = grid.SaveColumnsToStream();

    TExColumnGrid copy;
    copy.LoadColumnsFromStream(stream);
    ASSERT_EQ(copy.Columns().Count(), 5);
    const TGridColumnItem &a = *grid.Columns()[2];
    const TGridColumnItem &b = *copy.Columns()[2];
    EXPECT_EQ(b.AutoMinSize, a.AutoMinSize);
    EXPECT_EQ(b.AutoMaxSize, a.AutoMaxSize);
    EXPECT_EQ(b.Alignment, a.Alignment);
    EXPECT_EQ(b.Borders, a.Borders);
    EXPECT_EQ(b.BorderPen.Color(), a.BorderPen.Color());
    EXPECT_EQ(b.BorderPen.Width(), 3);
    EXPECT_EQ(b.BorderPen.Style(), platform::TPenStyle::psDot);
    EXPECT_EQ(b.CheckFalse, a.CheckFalse);
    EXPECT_EQ(b.CheckTrue, a.CheckTrue);
    EXPECT_EQ(b.Color(), platform::clBtnFace);
    EXPECT_EQ(b.ColumnPopupType, a.ColumnPopupType);
    EXPECT_EQ(b.ComboItems, a.ComboItems);
    EXPECT_EQ(b.DropDownCount, a.DropDownCount);
    EXPECT_EQ(b.EditLength, a.EditLength);
    EXPECT_EQ(b.EditMask, a.EditMask);
    EXPECT_EQ(b.Editor(), edComboList);
    EXPECT_EQ(b.Filter, a.Filter);
    EXPECT_EQ(b.FilterCaseSensitive, a.FilterCaseSensitive);
    EXPECT_EQ(b.Fixed, a.Fixed);
    EXPECT_EQ(b.FloatFormat(), a.FloatFormat());
    EXPECT_TRUE(b.Font.sameLook(a.Font));
    EXPECT_EQ(b.Header(), QStringLiteral("Head"));
    EXPECT_EQ(copy.Cells(2, 0), QStringLiteral("Head")) << "the header shows in the fixed row";
    EXPECT_EQ(b.HeaderAlignment, a.HeaderAlignment);
    EXPECT_TRUE(b.HeaderFont.sameLook(a.HeaderFont));
    EXPECT_EQ(b.MinSize, a.MinSize);
    EXPECT_EQ(b.MaxSize, a.MaxSize);
    EXPECT_EQ(b.Name, a.Name);
    EXPECT_EQ(b.Password, a.Password);
    EXPECT_FALSE(b.PrintBorderCustom);
    EXPECT_EQ(b.PrintBorders, a.PrintBorders);
    EXPECT_EQ(b.PrintBorderPen.Width(), 2);
    EXPECT_EQ(b.PrintColor, a.PrintColor);
    EXPECT_FALSE(b.PrintFontCustom);
    EXPECT_TRUE(b.PrintFont.sameLook(a.PrintFont));
    EXPECT_EQ(b.ReadOnly, a.ReadOnly);
    EXPECT_EQ(b.ShowBands, a.ShowBands);
    EXPECT_EQ(b.SortStyle, a.SortStyle);
    EXPECT_EQ(b.SortPrefix, a.SortPrefix);
    EXPECT_EQ(b.SortSuffix, a.SortSuffix);
    EXPECT_EQ(b.SpinMax, a.SpinMax);
    EXPECT_EQ(b.SpinMin, a.SpinMin);
    EXPECT_EQ(b.SpinStep, a.SpinStep);
    EXPECT_EQ(b.Tag, a.Tag);
    EXPECT_EQ(b.Width(), 123);
    EXPECT_EQ(copy.ColWidths(2), 123);
    // The other items keep their defaults.
    EXPECT_TRUE(copy.Columns()[1]->PrintBorderCustom);
    EXPECT_EQ(copy.Columns()[1]->CheckTrue, QStringLiteral("Y"));
}

TEST(ColumnStream, ItemsListTheirPropertiesInPublishedOrderWithTheStreamDefaults)
{
    TExColumnGrid grid;
    const QByteArray stream = grid.SaveColumnsToStream();
    EXPECT_TRUE(stream.startsWith(QByteArray("TPF0\x0fTExColumnGridIO\x00\x05Items\x0e\x01", 29)));
    TPropertyList record;
    TComponentReader(stream).readRecord(record);
    ASSERT_EQ(record.size(), 1u);
    ASSERT_EQ(record[0].value.type, vaCollection);
    ASSERT_EQ(record[0].value.items.size(), 5u);
    QList<QByteArray> names;
    for (const TStreamProperty &p : record[0].value.items[0])
        names << p.name;
    // Numbers, sets, enumerations and Booleans come also at their defaults;
    // the two custom flags only when off; empty texts never.
    const QList<QByteArray> expected{
        "AutoMinSize", "AutoMaxSize", "Alignment", "Borders", "CheckFalse", "CheckTrue", "Color",
        "ColumnPopupType", "DropDownCount", "EditLength", "Editor", "FilterCaseSensitive", "Fixed",
        "Font.Height", "Font.Name", "HeaderAlignment", "HeaderFont.Height", "HeaderFont.Name", "MinSize", "MaxSize",
        "Password", "PrintBorders", "PrintColor", "PrintFont.Height", "PrintFont.Name", "ReadOnly", "ShowBands",
        "SortStyle", "SpinMax", "SpinMin", "SpinStep", "Tag", "Width"};
    QList<QByteArray> withoutFontColors;
    for (const QByteArray &n : names)
        if (!n.endsWith(".Color"))
            withoutFontColors << n;
    EXPECT_EQ(withoutFontColors, expected);
}

TEST(ColumnStream, AStreamThatDoesNotReadChangesNothing)
{
    TExColumnGrid grid;
    grid.Columns()[1]->setHeader(QStringLiteral("keep"));
    TExColumnGrid other;
    setEverything(*other.Columns()[1]);
    QByteArray stream = other.SaveColumnsToStream();
    QByteArray unknown = stream;
    unknown.replace(QByteArray("\x08SpinStep"), QByteArray("\x08SpinStup"));
    for (const QByteArray &bad : {stream.left(stream.size() / 2), unknown, QByteArray("TPF0")}) {
        EXPECT_THROW(grid.LoadColumnsFromStream(bad), EReadError);
        EXPECT_EQ(grid.Columns().Count(), 5);
        EXPECT_EQ(grid.Columns()[1]->Header(), QStringLiteral("keep"));
        EXPECT_NE(grid.ColWidths(1), 123);
    }
}

} // namespace
