// Feeds arbitrary data objects to the grid's drop reader and drop target:
// the first byte picks the accept flags and the rich-text switch, the rest
// is split at 0xFE bytes into the payloads of the cell block, the column,
// the rich text, the URL list and the text, in that order. Nothing
// may crash or read outside its payload, a stream handed to a hook fits the
// payload it came in, and a data object the reader does not trust reaches
// no hook.
#include "controls/grid/base/GridDragDrop.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QMimeData>
#include <cstdint>
#include <cstdlib>

using namespace controls;

namespace {

class CountingTarget : public TESGDropTarget {
public:
    int calls = 0;
    qsizetype streamSize = -1;

protected:
    void DropText(QPoint, const QString &) override { ++calls; }
    void DropStream(QPoint, const QByteArray &s) override
    {
        ++calls;
        streamSize = s.size();
    }
    void DropCol(QPoint, int) override { ++calls; }
    void DropRTF(QPoint, const QString &) override { ++calls; }
    void DropFiles(QPoint, const QStringList &) override { ++calls; }
    void DropURL(QPoint, const QString &) override { ++calls; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QList<QByteArray> parts = rest.split('\xFE');

    QMimeData offered;
    const QString formats[] = {mime::GridCells, mime::GridColumn, mime::RichText, mime::UriList, mime::Text};
    for (qsizetype i = 0; i < parts.size() && i < 5; ++i) {
        // A part that starts with 0xFF is left out: every subset of formats is reachable.
        if (!parts[i].startsWith('\xFF'))
            offered.setData(formats[i], parts[i]);
    }

    AllowRTFDragDrop(flags & 1);
    CountingTarget target;
    target.AcceptText = flags & 2;
    target.AcceptFiles = flags & 4;
    target.AcceptCols = flags & 8;
    target.AcceptURLs = flags & 16;

    const TEnumFormats reader(offered);
    (void)reader.Text();
    (void)reader.RTF();
    (void)reader.Col();
    const auto stream = reader.Stream();
    if (stream)
        check(stream->size() <= offered.data(mime::GridCells).size() - 8);

    int effect = flags >> 5;
    target.DragEnter(offered, flags & 0x80, {}, effect);
    target.DragOver(false, {}, effect);
    target.Drop(offered, false, {}, effect);
    if (!reader.Trustworthy())
        check(target.calls == 0 && effect == DROPEFFECT_NONE);
    if (target.streamSize >= 0)
        check(stream && target.streamSize == stream->size());
    AllowRTFDragDrop(false);
    return 0;
}
