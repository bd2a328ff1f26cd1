// Columns and header as data: limits, display order, removal bookkeeping,
// the distribution of width changes and the header stream.
#include "TreeFixture.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/TreeHeader.h"
#include "platform/Color.h"

#include <QtEndian>
#include <limits>

namespace vtreetest {
namespace {

using enum TLTColumnOption;

void addColumns(TLTHeader &header, int count, int width = 50)
{
    for (int i = 0; i < count; ++i) {
        TLazyTreeColumn &column = header.Columns().Add();
        column.SetText(QStringLiteral("C%1").arg(i));
        column.SetWidth(width);
    }
}

std::vector<int> widths(const TLTHeader &header)
{
    std::vector<int> result;
    for (int i = 0; i < header.Columns().Count(); ++i)
        result.push_back(header.Columns()[i].Width());
    return result;
}

QByteArray saved(const TLTHeader &header) { return streamedBytes(header); }
void load(TLTHeader &header, const QByteArray &bytes) { loadBytes(header, bytes); }

TEST(Columns, LimitsMarginAndDisplayName)
{
    TLTHeader header;
    addColumns(header, 3);
    TLazyTreeColumn &column = header.Columns()[0];
    EXPECT_EQ(column.Width(), 50);
    column.SetMinWidth(-5);
    EXPECT_EQ(column.MinWidth(), 0);
    column.SetMinWidth(60);
    EXPECT_EQ(column.Width(), 60);
    column.SetMaxWidth(20);
    EXPECT_EQ(column.MaxWidth(), 60);
    column.SetMargin(-1);
    EXPECT_EQ(column.Margin(), 4);
    header.Columns()[2].SetText(QStringLiteral("\u0416"));
    EXPECT_EQ(header.Columns()[2].DisplayName(), QStringLiteral("Column 2"));
    EXPECT_EQ(header.Columns()[1].DisplayName(), QStringLiteral("C1"));
    EXPECT_EQ(header.Columns()[1].Left(), 60);
    EXPECT_EQ(header.Columns().TotalWidth(), 160);
}

TEST(Columns, PositionsAndIndexesFollowARemoval)
{
    TLTHeader header;
    addColumns(header, 3);
    header.Columns()[2].SetPosition(0);
    EXPECT_EQ(header.Columns().PositionToIndex(), (std::vector<TColumnIndex>{2, 0, 1}));
    EXPECT_EQ(header.Columns()[2].Left(), 0);
    EXPECT_EQ(header.Columns()[0].Left(), 50);
    header.SetSortColumn(2);
    header.SetAutoSizeIndex(1);
    header.Columns().FHoverIndex = 2;
    header.SetMainColumn(0);

    header.Columns().Delete(0);
    EXPECT_EQ(header.Columns().PositionToIndex(), (std::vector<TColumnIndex>{1, 0}));
    EXPECT_EQ(header.SortColumn(), 1);
    EXPECT_EQ(header.AutoSizeIndex(), 0);
    EXPECT_EQ(header.Columns().FHoverIndex, 1);
    // The new main column is the lowest other index counted before the removal.
    EXPECT_EQ(header.MainColumn(), 1);

    header.Columns().Delete(1);
    header.Columns().Delete(0);
    EXPECT_EQ(header.MainColumn(), NoColumn);
    EXPECT_TRUE(header.Columns().PositionToIndex().empty());
}

TEST(Header, MainAndSortColumnStayInRange)
{
    // The tree asks its header through its hooks, as the widget will.
    struct HeaderedTree : TestTree {
        TLTHeader ownHeader{this};
        TLTHeader *Header() const override { return const_cast<TLTHeader *>(&ownHeader); }
        bool ColumnsUsed() const override { return ownHeader.UseColumns(); }
        bool IsValidColumn(TColumnIndex Column) const override { return ownHeader.Columns().IsValidColumn(Column); }
        TColumnIndex MainColumn() const override { return ownHeader.MainColumn(); }
        bool ColumnAllowsFocus(TColumnIndex Column) const override { return ownHeader.AllowFocus(Column); }
    } tree;
    TLTHeader &header = tree.ownHeader;
    header.SetMainColumn(7);
    EXPECT_EQ(header.MainColumn(), NoColumn);
    addColumns(header, 3);
    header.SetMainColumn(7);
    EXPECT_EQ(header.MainColumn(), 2);
    EXPECT_EQ(tree.FocusedColumn(), 2);
    header.SetSortColumn(-5);
    EXPECT_EQ(header.SortColumn(), NoColumn);
    header.SetSortColumn(9);
    EXPECT_EQ(header.SortColumn(), 2);
}

TEST(Header, AutoResizeGivesTheRestToItsColumn)
{
    TLTHeader header;
    addColumns(header, 3);
    header.SetClientWidth(400);
    header.SetAutoSizeIndex(7);
    header.SetOptions(header.Options() + TLTHeaderOption::hoAutoResize);
    EXPECT_EQ(widths(header), (std::vector<int>{50, 50, 300}));
    header.SetAutoSizeIndex(0);
    EXPECT_EQ(widths(header), (std::vector<int>{50, 50, 300}));
    // Only the fitting sets the auto-size column's width.
    header.Columns()[0].SetWidth(10);
    EXPECT_EQ(header.Columns()[0].Width(), 50);
    header.SetClientWidth(500);
    header.Columns()[1].SetWidth(60);
    EXPECT_EQ(widths(header), (std::vector<int>{140, 60, 300}));
}

TEST(Header, ResizeColumnsRotatesTheOddPixels)
{
    TLTHeader header;
    addColumns(header, 3);
    EXPECT_EQ(header.ResizeColumns(4, 0, 2, {}), 4);
    EXPECT_EQ(widths(header), (std::vector<int>{52, 51, 51}));
    EXPECT_EQ(header.ResizeColumns(4, 0, 2, {}), 4);
    EXPECT_EQ(widths(header), (std::vector<int>{53, 53, 52}));
    EXPECT_EQ(header.ResizeColumns(0, 0, 2, {}), 0);
}

TEST(Header, ResizeColumnsEndsWhateverTheLimits)
{
    struct Case {
        int changeBy;
        TColumnIndex from, to;
        TLTColumnOptions options;
        std::vector<int> after;
    };
    // Column 1 cannot shrink below 50, column 2 cannot grow beyond 50.
    const Case cases[] = {
        {1000000, 0, 2, {}, {10000, 10000, 50}},
        {-1000000, 0, 2, {}, {10, 50, 10}},
        {-3, 1, 1, {}, {50, 50, 50}},
        {5, 0, 2, TLTColumnOptions{coFixed}, {50, 50, 50}},
        {7, 5, 9, {}, {50, 50, 50}},
        {-7, 2, 0, {}, {50, 50, 50}},
    };
    for (const Case &c : cases) {
        TLTHeader header;
        addColumns(header, 3);
        header.Columns()[2].SetMaxWidth(50);
        header.Columns()[1].SetMinWidth(50);
        const int applied = header.ResizeColumns(c.changeBy, c.from, c.to, c.options);
        EXPECT_EQ(widths(header), c.after) << c.changeBy;
        int total = 0;
        for (int width : c.after)
            total += width - 50;
        EXPECT_EQ(applied, total);
    }
}

// Widths and limits can be anything a stream holds: sums never overflow.
TEST(Header, HugeWidthsAreSummedWithoutOverflow)
{
    constexpr int most = std::numeric_limits<int>::max();
    TLTHeader header;
    addColumns(header, 3);
    for (int i = 0; i < 3; ++i)
        header.Columns()[i].SetMaxWidth(most);
    EXPECT_EQ(header.ResizeColumns(most, 0, 2, {}), most);
    EXPECT_EQ(header.Columns().TotalWidth(), most);
    EXPECT_EQ(header.Columns()[2].Left(), header.Columns()[0].Width() + header.Columns()[1].Width());
    // The auto-size column (0) is what the client width leaves, at least its minimum.
    header.SetClientWidth(100);
    header.SetOptions(header.Options() + TLTHeaderOption::hoAutoResize);
    EXPECT_EQ(header.Columns()[0].Width(), 10);
    EXPECT_LT(header.ResizeColumns(std::numeric_limits<int>::min(), 0, 2, {}), 0);
    EXPECT_EQ(widths(header), (std::vector<int>{80, 10, 10}));
}

TEST(HeaderStream, ColumnsAndSettingsComeBack)
{
    TestTree tree;
    TLTHeader header(&tree);
    addColumns(header, 3);
    header.Columns()[1].SetText(QStringLiteral("Wert \u00e9\u4e2d"));
    header.Columns()[1].SetHint(QStringLiteral("hint"));
    header.Columns()[1].SetCaptionAlignment(TAlignment::taCenter);
    header.Columns()[2].SetPosition(0);
    header.Columns()[0].SetColor(0x123456);
    header.SetMainColumn(1);
    header.SetSortColumn(2);
    header.SetSortDirection(TSortDirection::sdDescending);
    header.SetFont({0x0000FF, -13, QStringLiteral("Sans \u00fc"), 1, 3});
    header.SetFixedAreaConstraints({50, 40, 10, 20});
    const QByteArray bytes = saved(header);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData()), -1);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 4), 6);

    std::vector<TColumnIndex> resized;
    tree.OnColumnResize = [&](TLTHeader *, TColumnIndex column) { resized.push_back(column); };
    TLTHeader copy(&tree);
    load(copy, bytes);
    EXPECT_TRUE(copy.Columns().Equals(header.Columns()));
    EXPECT_EQ(copy.Columns()[1].CaptionAlignment(), TAlignment::taCenter);
    EXPECT_EQ(copy.MainColumn(), 1);
    EXPECT_EQ(copy.SortColumn(), 2);
    EXPECT_EQ(copy.SortDirection(), TSortDirection::sdDescending);
    EXPECT_EQ(copy.Font().Name, QStringLiteral("Sans \u00fc"));
    EXPECT_EQ(copy.FixedAreaConstraints().MinWidthPercent, 20);
    EXPECT_EQ(saved(copy), bytes);
    EXPECT_EQ(resized.back(), NoColumn);
    EXPECT_FALSE(copy.States().contains(THeaderState::hsLoading));
}

// A header of an older version (-1: without marker) with one column and the fields that version has.
QByteArray oldStream(std::int32_t version, std::uint32_t options)
{
    QByteArray out;
    auto put = [&out](std::int32_t value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        out.append(bytes, 4);
    };
    if (version >= 0) {
        put(-1);
        put(version);
    }
    put(1);
    put(0);
    put(0);
    for (std::int32_t value : {80, 10, 10000, 0, -1, 0, 4, 3, 0})
        put(value);
    put(static_cast<std::int32_t>(options));
    if (version > 0) {
        put(7);
        put(0);
    }
    if (version > 1)
        put(platform::clWindow); // the default colour keeps coParentColor
    if (version > 5 && (options & 0x4000))
        put(2);
    put(0); // positions
    if (version > 4)
        put(50);
    for (std::int32_t value : {0, 0, 30, 0, 0, 0, -11})
        put(value);
    put(0); // font name
    put(0);
    put(0);
    if (version > 0)
        for (std::int32_t value : {0, -1, 0})
            put(value);
    if (version > 4)
        for (std::int32_t value : {0, 10000, 10, 19, 0, 0, 0, 0})
            put(value);
    return out;
}

TEST(HeaderStream, OlderVersionsConvertTheirOptions)
{
    struct Case {
        std::int32_t version;
        std::uint32_t stored;
        std::uint16_t read;
    };
    const Case cases[] = {
        {6, 0xFFFFFFFF, 0xFFFF},
        {2, 0xFFFF, 0x00FF},
        {1, 0x7F, 0x00EF},
        {-1, 0x10, 0x20},
    };
    for (const Case &c : cases) {
        TLTHeader header;
        load(header, oldStream(c.version, c.stored));
        ASSERT_EQ(header.Columns().Count(), 1) << c.version;
        EXPECT_EQ(header.Columns()[0].Options().bits(), c.read) << c.version;
        EXPECT_EQ(header.Columns()[0].Width(), 80);
        EXPECT_EQ(header.Height(), 30);
        EXPECT_EQ(header.Columns()[0].Tag(), c.version > 0 ? 7 : 0);
    }
}

// A stream without marker carries no main or sort column: those kept from
// before still have to name columns of the header as loaded.
TEST(HeaderStream, KeptMainAndSortColumnsFollowTheLoadedColumns)
{
    TLTHeader header;
    addColumns(header, 3);
    header.SetMainColumn(2);
    header.SetSortColumn(2);
    QByteArray noColumns(44, '\0');
    noColumns[43] = '\x8f';
    load(header, noColumns);
    const QByteArray once = saved(header);
    TLTHeader again;
    load(again, once);
    EXPECT_EQ(saved(again), once);
    EXPECT_EQ(header.SortColumn(), NoColumn);

    TLTHeader fewer;
    addColumns(fewer, 3);
    fewer.SetMainColumn(2);
    load(fewer, oldStream(-1, 0));
    EXPECT_EQ(fewer.MainColumn(), 0);
}

TEST(HeaderStream, DamagedStreamsFailAndLeaveTheHeader)
{
    TLTHeader header;
    addColumns(header, 3);
    const QByteArray good = saved(header);
    auto at = [](QByteArray bytes, qsizetype offset, std::int32_t value) {
        qToLittleEndian(value, bytes.data() + offset);
        return bytes;
    };
    // Offsets: marker 0, version 4, count 8, first caption length 12.
    // The positions stand before the default width and the header's 94 bytes of settings.
    const qsizetype positions = good.size() - 94 - 12;
    struct Case {
        QByteArray bytes;
        int code;
    };
    const Case cases[] = {
        {good.left(good.size() - 1), errStreamTooShort},
        {at(good, 4, 7), errStreamVersion},
        {at(good, 8, 1 << 28), errStreamFormat},
        {at(good, 8, -3), errStreamFormat},
        {at(good, 12, 1 << 30), errStreamFormat},
        {at(good, 12, -1), errStreamFormat},
        {at(good, positions, 1), errStreamFormat},
        {at(good, positions, 3), errStreamFormat},
    };
    TLTHeader target;
    addColumns(target, 2, 70);
    const QByteArray before = saved(target);
    for (const Case &c : cases) {
        try {
            load(target, c.bytes);
            ADD_FAILURE() << "loaded";
        } catch (const ELazyTreeError &error) {
            EXPECT_EQ(error.HelpContext(), c.code);
        }
        EXPECT_EQ(saved(target), before);
    }
    load(target, good);
    EXPECT_EQ(saved(target), good);
}

} // namespace
} // namespace vtreetest
