#include "controls/grid/model/core/ComponentStream.h"
#include "platform/ColorNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace controls;

namespace {

TEST(ComponentStream, StringsTakeTheTagTheirBytesCallFor)
{
    struct Case {
        QString text;
        TValueType type;
    } cases[] = {
        {QStringLiteral("A"), vaString},
        {QString::fromUtf8("é"), vaWString},
        {QString::fromUtf8("aé"), vaUTF8String},
        {QString(300, u'x'), vaLString},
        {QString(), vaWString},
        {QString(255, u'x'), vaString},
        {QString(256, u'x'), vaLString},
    };
    for (const Case &c : cases) {
        QByteArray out;
        TComponentWriter w(out);
        w.writeString("S", c.text);
        ASSERT_GT(out.size(), 2);
        EXPECT_EQ(std::uint8_t(out[2]), c.type) << c.text.size();
        // And each reads back as it went in.
        QByteArray record;
        TComponentWriter r(record);
        r.beginRecord("T");
        r.writeString("S", c.text);
        r.endRecord();
        TPropertyList props;
        TComponentReader(record).readRecord(props);
        ASSERT_EQ(props.size(), 1u);
        EXPECT_EQ(props[0].value.text, c.text);
    }
}

TEST(ComponentStream, IntegersTakeTheSmallestTag)
{
    struct Case {
        std::int64_t value;
        QByteArray tagged; // the tag and its payload
    } cases[] = {
        {0, QByteArray("\x02\x00", 2)},
        {127, QByteArray("\x02\x7f", 2)},
        {-128, QByteArray("\x02\x80", 2)},
        {128, QByteArray("\x03\x80\x00", 3)},
        {-32768, QByteArray("\x03\x00\x80", 3)},
        {32768, QByteArray("\x04\x00\x80\x00\x00", 5)},
        {65536, QByteArray("\x04\x00\x00\x01\x00", 5)},
    };
    for (const Case &c : cases) {
        QByteArray out;
        TComponentWriter w(out);
        w.writeInteger("I", c.value);
        EXPECT_EQ(out, QByteArray("\x01I", 2) + c.tagged) << c.value;
    }
}

TEST(ComponentStream, ExtendedIsTheSame80BitsOnEveryHost)
{
    struct Case {
        double value;
        const char *bytes;
    } cases[] = {
        {1.0, "0000000000000080ff3f"},
        {-2.5, "00000000000000a000c0"},
        {0.1, "00d0cccccccccccc fb3f"},
        {0.0, "00000000000000000000"},
    };
    for (const Case &c : cases) {
        std::uint8_t out[10];
        doubleToExtended(c.value, out);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(out), 10), QByteArray::fromHex(QByteArray(c.bytes).replace(' ', "")))
            << c.value;
        EXPECT_EQ(extendedToDouble(out), c.value);
    }
    for (const double v : {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(), -1e-300,
                           std::numeric_limits<double>::infinity()}) {
        std::uint8_t out[10];
        doubleToExtended(v, out);
        EXPECT_EQ(extendedToDouble(out), v);
    }
}

TEST(ComponentStream, CollectionsAreItemListsEndedByZero)
{
    QByteArray out;
    TComponentWriter w(out);
    w.beginRecord("TC");
    w.beginCollection("Items");
    w.beginItem();
    w.writeInteger("A", 1);
    w.endItem();
    w.beginItem();
    w.endItem();
    w.endCollection();
    w.endRecord();
    EXPECT_EQ(out, QByteArray("TPF0\x02TC\x00\x05Items\x0e\x01\x01" "A\x02\x01\x00\x01\x00\x00\x00\x00", 26));
    TPropertyList props;
    EXPECT_EQ(TComponentReader(out).readRecord(props), "TC");
    ASSERT_EQ(props.size(), 1u);
    ASSERT_EQ(props[0].value.items.size(), 2u);
    EXPECT_EQ(props[0].value.items[0][0].name, "A");
    EXPECT_TRUE(props[0].value.items[1].empty());
}

// Damaged records: each raises EReadError and reads nothing past its bytes.
TEST(ComponentStream, DamagedRecordsRaise)
{
    const QByteArray good = [] {
        QByteArray out;
        TComponentWriter w(out);
        w.beginRecord("TGridCellIO");
        w.writeString("Cell", QString(300, u'x'));
        w.writeBinary("B", QByteArray(10, 'b'));
        w.endRecord();
        return out;
    }();
    struct Case {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"no signature", QByteArray("TPF1") + good.mid(4)},
        {"cut short", good.left(good.size() - 3)},
        {"long string longer than the bytes", good.left(23) + QByteArray("\xff\xff\xff\x7f", 4) + good.mid(27)},
        {"negative length", good.left(23) + QByteArray("\xff\xff\xff\xff", 4) + good.mid(27)},
        {"unknown tag", QByteArray("TPF0\x01T\x00\x01X\x7f\x00\x00", 12)},
        {"wide string beyond the bytes", QByteArray("TPF0\x01T\x00\x01X\x12\x00\x00\x00\x40\x00\x00", 16)},
        {"empty", QByteArray()},
    };
    for (const Case &c : cases) {
        TPropertyList props;
        EXPECT_THROW(TComponentReader(c.bytes).readRecord(props), EReadError) << c.name;
    }
    TPropertyList props;
    EXPECT_NO_THROW(TComponentReader(good).readRecord(props));
}

TEST(ComponentStream, NestedCollectionsAreCapped)
{
    QByteArray bytes("TPF0\x01T\x00\x01X", 9);
    for (int i = 0; i < 40; ++i)
        bytes += QByteArray("\x0e\x01\x01Y", 4);
    TPropertyList props;
    EXPECT_THROW(TComponentReader(bytes).readRecord(props), EReadError);
}

TEST(ColorNames, StandardColoursGoByNameOthersByNumber)
{
    EXPECT_EQ(platform::colorToIdent(platform::clBlack), QByteArrayView("clBlack"));
    EXPECT_EQ(platform::colorToIdent(platform::clWindow), QByteArrayView("clWindow"));
    EXPECT_EQ(platform::colorToIdent(platform::clNone), QByteArrayView("clNone"));
    EXPECT_FALSE(platform::colorToIdent(0x123456));
    EXPECT_EQ(platform::identToColor("clBtnFace"), platform::clBtnFace);
    EXPECT_EQ(platform::identToColor("clLtGray"), platform::clSilver);
    EXPECT_FALSE(platform::identToColor("clPlaid"));
}

} // namespace
