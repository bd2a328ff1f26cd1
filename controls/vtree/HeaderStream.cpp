// The header stream: the columns with their display order, then the header's
// own settings. Nothing read is trusted: every length is bounded by the bytes
// left, ordinals by their ranges, and the positions must be a permutation; the
// whole stream is read before the header changes.
#include "platform/ScopeGuard.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/TreeHeader.h"

#include <QtEndian>
#include <limits>
#include <optional>

namespace vtree {

namespace {

constexpr std::int32_t headerStreamVersion = 6;
// Length and hint length, then the eleven integers every version has.
constexpr qsizetype minimumColumnRecord = 4 * 2 + 4 * 11;

void put32(QByteArray &out, std::int32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putText(QByteArray &out, const QString &text)
{
    put32(out, static_cast<std::int32_t>(text.size()));
    for (QChar c : text) {
        char bytes[2];
        qToLittleEndian(c.unicode(), bytes);
        out.append(bytes, 2);
    }
}

class Reader {
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}
    qsizetype left() const { return m_bytes.size() - m_pos; }
    qsizetype pos() const { return m_pos; }
    void back4() { m_pos -= 4; }
    std::int32_t int32()
    {
        if (left() < 4)
            RaiseTreeError(errStreamTooShort);
        const auto value = qFromLittleEndian<std::int32_t>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return value;
    }
    // A value that must lie in 0 .. Last.
    int ordinal(int last)
    {
        const std::int32_t value = int32();
        if (value < 0 || value > last)
            RaiseTreeError(errStreamFormat);
        return value;
    }
    QString text()
    {
        const std::int32_t length = int32();
        if (length < 0 || length > left() / 2)
            RaiseTreeError(errStreamFormat);
        QString text(length, Qt::Uninitialized);
        for (std::int32_t i = 0; i < length; ++i)
            text[i] = QChar(qFromLittleEndian<std::uint16_t>(m_bytes.constData() + m_pos + 2 * i));
        m_pos += 2 * static_cast<qsizetype>(length);
        return text;
    }
    QString utf8()
    {
        const std::int32_t length = int32();
        if (length < 0 || length > left())
            RaiseTreeError(errStreamFormat);
        const QString text = QString::fromUtf8(m_bytes.constData() + m_pos, length);
        m_pos += length;
        return text;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

struct ColumnRecord {
    QString text, hint;
    int width = 0, minWidth = 0, maxWidth = 0;
    TLazyTreeColumnStyle style{};
    int imageIndex = -1;
    TLTHeaderColumnLayout layout{};
    int margin = 0, spacing = 0;
    TBiDiMode bidiMode{};
    TLTColumnOptions options;
    std::int32_t tag = 0;
    std::optional<TAlignment> alignment;
    std::optional<std::int32_t> color;
    std::optional<TAlignment> captionAlignment;
};

// Options of older streams: version 2 knew eight, versions before it seven,
// without the parent colour at bit 4.
TLTColumnOptions convertOptions(std::uint32_t bits, int version)
{
    if (version >= 3)
        return TLTColumnOptions::fromBits(static_cast<std::uint16_t>(bits));
    if (version == 2)
        return TLTColumnOptions::fromBits(static_cast<std::uint16_t>(bits & 0xFF));
    return TLTColumnOptions::fromBits(static_cast<std::uint16_t>((bits & 0x0F) | ((bits & 0x70) << 1)));
}

ColumnRecord readColumn(Reader &in, int version)
{
    ColumnRecord record;
    record.text = in.text();
    record.hint = in.text();
    record.width = in.int32();
    record.minWidth = in.int32();
    record.maxWidth = in.int32();
    record.style = static_cast<TLazyTreeColumnStyle>(in.ordinal(1));
    record.imageIndex = in.int32();
    record.layout = static_cast<TLTHeaderColumnLayout>(in.ordinal(3));
    record.margin = in.int32();
    record.spacing = in.int32();
    record.bidiMode = static_cast<TBiDiMode>(in.ordinal(3));
    record.options = convertOptions(static_cast<std::uint32_t>(in.int32()), version);
    if (version > 0) {
        record.tag = in.int32();
        record.alignment = static_cast<TAlignment>(in.ordinal(2));
    }
    if (version > 1)
        record.color = in.int32();
    if (version > 5 && record.options.contains(TLTColumnOption::coUseCaptionAlignment))
        record.captionAlignment = static_cast<TAlignment>(in.ordinal(2));
    return record;
}

struct HeaderRecord {
    std::vector<ColumnRecord> columns;
    std::vector<TColumnIndex> positions;
    std::optional<int> defaultWidth;
    TColumnIndex autoSizeIndex = 0;
    TColor background = 0;
    int height = 0;
    TLTHeaderOptions options;
    TLTHeaderStyle style{};
    THeaderFont font;
    std::optional<TColumnIndex> mainColumn, sortColumn;
    std::optional<TSortDirection> sortDirection;
    std::optional<bool> parentFont;
    int maxHeight = 0, minHeight = 0, defaultHeight = 0;
    TLTFixedAreaConstraints constraints;
};

HeaderRecord readHeader(Reader &in)
{
    HeaderRecord record;
    int version = in.int32();
    if (version < 0) {
        version = in.int32();
        if (version < 0 || version > headerStreamVersion)
            RaiseTreeError(errStreamVersion);
    } else {
        in.back4();
        version = -1;
    }
    const std::int32_t count = in.int32();
    if (count < 0 || count > in.left() / minimumColumnRecord)
        RaiseTreeError(errStreamFormat);
    record.columns.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        record.columns.push_back(readColumn(in, version));
    if (count > 0) {
        std::vector<bool> seen(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            const int index = in.ordinal(count - 1);
            if (seen[static_cast<std::size_t>(index)])
                RaiseTreeError(errStreamFormat);
            seen[static_cast<std::size_t>(index)] = true;
            record.positions.push_back(index);
        }
    }
    if (version > 4)
        record.defaultWidth = in.int32();
    record.autoSizeIndex = in.int32();
    record.background = in.int32();
    record.height = in.int32();
    record.options = TLTHeaderOptions::fromBits(static_cast<std::uint32_t>(in.int32()) & 0x3FFFF);
    record.style = static_cast<TLTHeaderStyle>(in.ordinal(2));
    record.font.Color = in.int32();
    record.font.Height = in.int32();
    record.font.Name = in.utf8();
    record.font.Pitch = in.ordinal(2);
    record.font.Style = in.int32() & 0x0F;
    if (version > 0) {
        record.mainColumn = in.int32();
        record.sortColumn = in.int32();
        record.sortDirection = static_cast<TSortDirection>(in.ordinal(1));
    }
    if (version > 4) {
        record.parentFont = in.ordinal(1) != 0;
        record.maxHeight = in.int32();
        record.minHeight = in.int32();
        record.defaultHeight = in.int32();
        record.constraints.MaxHeightPercent = in.ordinal(100);
        record.constraints.MaxWidthPercent = in.ordinal(100);
        record.constraints.MinHeightPercent = in.ordinal(100);
        record.constraints.MinWidthPercent = in.ordinal(100);
    }
    return record;
}

void applyColumn(TLazyTreeColumn &column, const ColumnRecord &record)
{
    column.SetText(record.text);
    column.SetHint(record.hint);
    // Limits open first, so a saved width below the default minimum comes back as it was.
    column.SetMinWidth(0);
    column.SetMaxWidth(std::numeric_limits<int>::max());
    column.SetWidth(record.width);
    column.SetMinWidth(record.minWidth);
    column.SetMaxWidth(record.maxWidth);
    column.SetStyle(record.style);
    column.SetImageIndex(record.imageIndex);
    column.SetLayout(record.layout);
    column.SetMargin(record.margin);
    column.SetSpacing(record.spacing);
    column.SetBiDiMode(record.bidiMode);
    column.SetOptions(record.options);
    column.SetTag(record.tag);
    if (record.alignment)
        column.SetAlignment(*record.alignment);
    if (record.color)
        column.SetColor(*record.color);
    if (record.captionAlignment)
        column.SetCaptionAlignment(*record.captionAlignment);
}

} // namespace

void TLazyTreeColumns::SaveToStream(QByteArray &Out) const
{
    put32(Out, Count());
    for (const auto &column : FItems) {
        putText(Out, column->FText);
        putText(Out, column->FHint);
        put32(Out, column->FWidth);
        put32(Out, column->FMinWidth);
        put32(Out, column->FMaxWidth);
        put32(Out, static_cast<std::int32_t>(column->FStyle));
        put32(Out, column->FImageIndex);
        put32(Out, static_cast<std::int32_t>(column->FLayout));
        put32(Out, column->FMargin);
        put32(Out, column->FSpacing);
        put32(Out, static_cast<std::int32_t>(column->FBiDiMode));
        put32(Out, column->FOptions.bits());
        put32(Out, static_cast<std::int32_t>(column->FTag));
        put32(Out, static_cast<std::int32_t>(column->FAlignment));
        put32(Out, column->FColor);
        if (column->FOptions.contains(TLTColumnOption::coUseCaptionAlignment))
            put32(Out, static_cast<std::int32_t>(column->FCaptionAlignment));
    }
    for (TColumnIndex index : FPositionToIndex)
        put32(Out, index);
    put32(Out, FDefaultWidth);
}

void TLTHeader::SaveToStream(QIODevice &Stream) const
{
    QByteArray out;
    put32(out, -1);
    put32(out, headerStreamVersion);
    FColumns.SaveToStream(out);
    put32(out, FAutoSizeIndex);
    put32(out, FBackground);
    put32(out, FHeight);
    put32(out, static_cast<std::int32_t>(FOptions.bits()));
    put32(out, static_cast<std::int32_t>(FStyle));
    put32(out, FFont.Color);
    put32(out, FFont.Height);
    const QByteArray name = FFont.Name.toUtf8();
    put32(out, static_cast<std::int32_t>(name.size()));
    out.append(name);
    put32(out, FFont.Pitch);
    put32(out, FFont.Style);
    put32(out, FMainColumn);
    put32(out, FSortColumn);
    put32(out, static_cast<std::int32_t>(FSortDirection));
    put32(out, FParentFont ? 1 : 0);
    put32(out, FMaxHeight);
    put32(out, FMinHeight);
    put32(out, FDefaultHeight);
    put32(out, FConstraints.MaxHeightPercent);
    put32(out, FConstraints.MaxWidthPercent);
    put32(out, FConstraints.MinHeightPercent);
    put32(out, FConstraints.MinWidthPercent);
    Stream.write(out);
}

void TLTHeader::LoadFromStream(QIODevice &Stream)
{
    const qint64 start = Stream.pos();
    const QByteArray bytes = Stream.readAll();
    Reader in(bytes);
    HeaderRecord record;
    try {
        record = readHeader(in);
    } catch (...) {
        notifyColumnResize(NoColumn);
        throw;
    }
    if (!Stream.isSequential())
        Stream.seek(start + in.pos());

    FStates += THeaderState::hsLoading;
    const TLTHeaderOptions keep = FOptions;
    FOptions = {};
    platform::Finally done([this] {
        FStates -= THeaderState::hsLoading;
        notifyColumnResize(NoColumn);
    });
    FColumns.Clear();
    if (!record.columns.empty()) {
        FColumns.BeginUpdate();
        platform::Finally endUpdate([this] { FColumns.EndUpdate(); });
        for (const ColumnRecord &column : record.columns)
            applyColumn(FColumns.Add(), column);
        FColumns.FPositionToIndex = record.positions;
    }
    FColumns.RecomputeColumnLefts(true);
    if (record.defaultWidth)
        FColumns.SetDefaultWidth(*record.defaultWidth);
    FAutoSizeIndex = record.autoSizeIndex;
    FBackground = record.background;
    SetHeight(record.height);
    FOptions = keep;
    SetOptions(record.options);
    FStyle = record.style;
    FFont = record.font;
    if (record.mainColumn) {
        FMainColumn = *record.mainColumn;
        FSortColumn = *record.sortColumn;
        FSortDirection = *record.sortDirection;
    }
    // Kept or read, they name columns of the header as loaded.
    FMainColumn = std::min(std::max(FMainColumn, NoColumn), FColumns.Count() - 1);
    FSortColumn = std::min(std::max(FSortColumn, NoColumn), FColumns.Count() - 1);
    if (record.parentFont) {
        FParentFont = *record.parentFont;
        FMaxHeight = record.maxHeight;
        FMinHeight = record.minHeight;
        FDefaultHeight = record.defaultHeight;
        FConstraints = record.constraints;
    }
}

} // namespace vtree
