#include "controls/vtree/TreeStream.h"
#include "controls/vtree/TreeErrors.h"

#include <QtEndian>
#include <vector>

namespace vtree {

namespace {

enum ChunkType : std::int32_t { AnchorChunk = 1, BaseChunk = 2, CaptionChunk = 3, UserChunk = 4 };
constexpr qsizetype chunkHeaderSize = 8;
constexpr qsizetype baseFieldsV2 = 19;
constexpr qsizetype baseFieldsV1 = 12;
constexpr std::uint16_t signature[6] = {0x2045, 0x004C, 0x0054, treeStreamVersion, 0x0020, 0x2046};

void put32(QByteArray &out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void patch32(QByteArray &out, qsizetype at, std::uint32_t value) { qToLittleEndian(value, out.data() + at); }

std::uint32_t get32(const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<std::uint32_t>(bytes.constData() + at); }

qsizetype openChunk(QByteArray &out, ChunkType type)
{
    const qsizetype at = out.size();
    put32(out, static_cast<std::uint32_t>(type));
    put32(out, 0);
    return at;
}

void closeChunk(QByteArray &out, qsizetype at)
{
    patch32(out, at + 4, static_cast<std::uint32_t>(out.size() - at - chunkHeaderSize));
}

void writeBaseFields(QByteArray &out, const CapturedNode &node)
{
    put32(out, node.Children);
    put32(out, node.NodeHeight);
    put32(out, node.States.bits());
    out.append(static_cast<char>(node.Align));
    out.append(static_cast<char>(node.CheckState));
    out.append(static_cast<char>(node.CheckType));
    put32(out, 0);
}

// Reads the base chunk's fields; check values outside their ranges are refused.
void readBaseFields(const QByteArray &bytes, qsizetype at, int version, CapturedNode &node)
{
    node.HasBase = true;
    node.Children = get32(bytes, at);
    node.NodeHeight = get32(bytes, at + 4);
    qsizetype tail = at + 8;
    if (version >= 2) {
        node.States = TLazyNodeStates::fromBits(get32(bytes, at + 8));
        tail = at + 12;
    } else {
        const auto old = static_cast<std::uint8_t>(bytes[at + 8]);
        node.States = TLazyNodeStates::fromBits(old) + TLazyNodeState::vsVisible;
        if (old & 0x80)
            node.States += TLazyNodeState::vsSelected;
        tail = at + 9;
    }
    node.Align = static_cast<std::uint8_t>(bytes[tail]);
    const auto checkState = static_cast<std::uint8_t>(bytes[tail + 1]);
    const auto checkType = static_cast<std::uint8_t>(bytes[tail + 2]);
    if (checkState > static_cast<std::uint8_t>(TCheckState::csMixedDisabled) ||
        checkType > static_cast<std::uint8_t>(TCheckType::ctButton))
        RaiseTreeError(errStreamFormat);
    node.CheckState = static_cast<TCheckState>(checkState);
    node.CheckType = static_cast<TCheckType>(checkType);
}

// A chunk header at Pos that must fit before Limit: its type and the end of
// its content.
struct ChunkHeader {
    std::int32_t type;
    qsizetype end;
};

ChunkHeader readChunkHeader(const QByteArray &bytes, qsizetype pos, qsizetype limit)
{
    if (limit - pos < chunkHeaderSize)
        RaiseTreeError(errStreamTooShort);
    const auto type = static_cast<std::int32_t>(get32(bytes, pos));
    const auto size = static_cast<std::int32_t>(get32(bytes, pos + 4));
    if (size < 0 || size > limit - pos - chunkHeaderSize)
        RaiseTreeError(errStreamTooShort);
    return {type, pos + chunkHeaderSize + size};
}

} // namespace

QByteArray treeStreamHeader()
{
    QByteArray out;
    for (std::uint16_t word : signature) {
        char bytes[2];
        qToLittleEndian(word, bytes);
        out.append(bytes, 2);
    }
    return out;
}

int readTreeStreamHeader(const QByteArray &bytes, qsizetype pos)
{
    if (bytes.size() - pos < treeStreamHeaderSize)
        RaiseTreeError(errStreamTooShort);
    auto word = [&](int index) { return qFromLittleEndian<std::uint16_t>(bytes.constData() + pos + 2 * index); };
    for (int index : {0, 1, 2, 5})
        if (word(index) != signature[index])
            RaiseTreeError(errStreamFormat);
    if (word(3) > treeStreamVersion)
        RaiseTreeError(errStreamVersion);
    return word(3);
}

void writeNodeRecords(const SubtreeCopy &copy, QByteArray &out)
{
    struct Open {
        qsizetype anchor, base;
        std::size_t record;
        std::uint32_t left;
    };
    std::vector<Open> open;
    std::size_t next = 0;
    auto start = [&] {
        const CapturedNode &node = copy.nodes[next];
        const qsizetype anchor = openChunk(out, AnchorChunk);
        const qsizetype base = openChunk(out, BaseChunk);
        writeBaseFields(out, node);
        open.push_back({anchor, base, next++, node.Children});
    };
    while (next < copy.nodes.size()) {
        start();
        while (!open.empty()) {
            if (open.back().left > 0) {
                --open.back().left;
                start();
                continue;
            }
            const Open done = open.back();
            open.pop_back();
            closeChunk(out, done.base);
            const CapturedNode &node = copy.nodes[done.record];
            if (node.HasCaption) {
                const qsizetype caption = openChunk(out, CaptionChunk);
                for (QChar c : node.Caption) {
                    char bytes[2];
                    qToLittleEndian(c.unicode(), bytes);
                    out.append(bytes, 2);
                }
                closeChunk(out, caption);
            }
            if (!node.User.isEmpty()) {
                const qsizetype user = openChunk(out, UserChunk);
                out.append(node.User);
                closeChunk(out, user);
            }
            closeChunk(out, done.anchor);
        }
    }
}

qsizetype readNodeRecords(const QByteArray &bytes, qsizetype pos, int version, std::int64_t maxCount, SubtreeCopy &copy)
{
    const qsizetype fieldSize = version >= 2 ? baseFieldsV2 : baseFieldsV1;
    struct Open {
        qsizetype anchorEnd;
        qsizetype baseEnd; // inside the base chunk's children while not -1
        std::size_t record;
        std::uint32_t left;
    };
    std::vector<Open> open;
    auto startRecord = [&](qsizetype limit) {
        const ChunkHeader anchor = readChunkHeader(bytes, pos, limit);
        if (anchor.type != AnchorChunk)
            RaiseTreeError(errAnchorChunkMissing);
        pos += chunkHeaderSize;
        CapturedNode node;
        node.HasBase = false;
        copy.nodes.push_back(node);
        open.push_back({anchor.end, -1, copy.nodes.size() - 1, 0});
    };

    for (std::int64_t count = 0; pos < bytes.size() && (maxCount < 0 || count < maxCount); ++count) {
        copy.tops.push_back(copy.nodes.size());
        startRecord(bytes.size());
        while (!open.empty()) {
            const std::size_t top = open.size() - 1;
            if (open[top].baseEnd >= 0) {
                if (open[top].left > 0) {
                    if (pos >= open[top].baseEnd)
                        RaiseTreeError(errStreamTooShort); // fewer children than counted
                    --open[top].left;
                    startRecord(open[top].baseEnd);
                    continue;
                }
                if (pos != open[top].baseEnd)
                    RaiseTreeError(errDataAfterNodeEnd); // more than counted
                open[top].baseEnd = -1;
            }
            if (pos == open[top].anchorEnd) {
                open.pop_back();
                continue;
            }
            if (open[top].anchorEnd - pos < chunkHeaderSize)
                RaiseTreeError(errDataAfterNodeEnd);
            const ChunkHeader chunk = readChunkHeader(bytes, pos, open[top].anchorEnd);
            const qsizetype content = pos + chunkHeaderSize;
            CapturedNode &node = copy.nodes[open[top].record];
            pos = chunk.end;
            switch (chunk.type) {
            case BaseChunk:
                if (node.HasBase)
                    RaiseTreeError(errStreamFormat);
                if (chunk.end - content < fieldSize)
                    RaiseTreeError(errStreamTooShort);
                readBaseFields(bytes, content, version, node);
                pos = content + fieldSize;
                open[top].baseEnd = chunk.end;
                open[top].left = node.Children;
                break;
            case CaptionChunk: {
                const qsizetype size = chunk.end - content;
                if (size % 2 != 0)
                    RaiseTreeError(errStreamFormat);
                QString caption(size / 2, Qt::Uninitialized);
                for (qsizetype i = 0; i < size / 2; ++i)
                    caption[i] = QChar(qFromLittleEndian<std::uint16_t>(bytes.constData() + content + 2 * i));
                node.HasCaption = true;
                node.Caption = caption;
                break;
            }
            case UserChunk:
                node.User = bytes.mid(content, chunk.end - content);
                break;
            default:
                break; // unknown chunks are skipped
            }
        }
    }
    return pos;
}

} // namespace vtree
