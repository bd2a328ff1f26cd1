#include "controls/grid/model/core/GridCellsPayload.h"
#include "controls/grid/model/core/ComponentStream.h"

#include <QMimeData>

#include <gtest/gtest.h>

using namespace controls;

namespace {

QByteArray oneCellStream()
{
    QByteArray out;
    TComponentWriter w(out);
    w.beginRecord("TGridPropIO");
    w.writeInteger("ColCount", 1);
    w.writeInteger("RowCount", 1);
    w.endRecord();
    w.beginRecord("TGridCellIO");
    w.writeString("Cell", QStringLiteral("x"));
    w.writeBoolean("HasProp", false);
    w.endRecord();
    return out;
}

TEST(GridCellsPayload, OnlyACellStreamInHonestFramingGetsThrough)
{
    const QByteArray stream = oneCellStream();
    struct Case {
        const char *name;
        QByteArray payload;
        bool passes;
    } cases[] = {
        {"a cell stream", gridCellsPayload(stream), true},
        {"framing that lies", gridCellsPayload(stream).replace(0, 1, "\x7f"), false},
        {"no header", gridCellsPayload(stream.mid(stream.indexOf("TPF0", 4))), false},
        {"a header alone", gridCellsPayload(stream.left(stream.indexOf("TPF0", 4))), false},
        {"a record cut short", gridCellsPayload(stream.left(stream.size() - 4)), false},
        {"text in the frame", gridCellsPayload("hello, world"), false},
    };
    for (const Case &c : cases) {
        QMimeData data;
        data.setData(mime::GridCells, c.payload);
        const auto read = cellStreamOf(TEnumFormats(data));
        EXPECT_EQ(read.has_value(), c.passes) << c.name;
        if (read) {
            EXPECT_EQ(*read, stream);
        }
    }
}

} // namespace
