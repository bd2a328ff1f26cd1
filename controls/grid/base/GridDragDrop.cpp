#include "controls/grid/base/GridDragDrop.h"

#include <QUrl>
#include <QtEndian>

namespace controls {

namespace {

constexpr qsizetype kCellsHeader = 8;

bool g_rtfAllowed = false;

// The little-endian 32-bit number at the start; nullopt when the bytes are
// too few to hold one.
std::optional<std::int32_t> leadingInt32(const QByteArray &bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    return qFromLittleEndian<std::int32_t>(bytes.constData());
}

// The payload of a cell block, or nullopt when its length lies.
std::optional<QByteArray> unframeGridCells(const QByteArray &bytes)
{
    const auto length = leadingInt32(bytes);
    if (!length || *length < 0 || bytes.size() < kCellsHeader || *length > bytes.size() - kCellsHeader)
        return std::nullopt;
    return bytes.mid(kCellsHeader, *length);
}

QByteArray withTerminator(QByteArray bytes)
{
    bytes.append('\0');
    return bytes;
}

} // namespace

void AllowRTFDragDrop(bool allow)
{
    g_rtfAllowed = allow;
}

bool rtfDragDropAllowed()
{
    return g_rtfAllowed;
}

TUriList readUriList(const QByteArray &bytes)
{
    TUriList list;
    for (QByteArray line : bytes.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QUrl url = QUrl::fromEncoded(line, QUrl::StrictMode);
        if (!url.isValid() || url.isRelative())
            continue;
        if (url.isLocalFile())
            list.files.append(url.toLocalFile());
        else
            list.hasWebAddress = true;
    }
    return list;
}

TEnumFormats::TEnumFormats(const QMimeData &data) : m_data(data)
{
    if (data.hasFormat(mime::UriList)) {
        TUriList list = readUriList(data.data(mime::UriList));
        m_files = std::move(list.files);
        m_hasUrl = list.hasWebAddress;
    }
}

TDropFormats TEnumFormats::Formats() const
{
    TDropFormats formats;
    const std::pair<bool, TDropFormat> offered[] = {
        {HasText(), TDropFormat::dfText}, {HasFile(), TDropFormat::dfFile},
        {HasRTF(), TDropFormat::dfRTF},   {HasCol(), TDropFormat::dfCol},
        {HasURL(), TDropFormat::dfURL},   {HasGridCells(), TDropFormat::dfGridCells},
    };
    for (const auto &[has, format] : offered)
        if (has)
            formats.insert(format);
    return formats;
}

QString TEnumFormats::Text() const
{
    return HasText() ? QString::fromUtf8(m_data.data(mime::Text)) : QString();
}

QString TEnumFormats::RTF() const
{
    if (!HasRTF())
        return {};
    const QByteArray bytes = m_data.data(mime::RichText);
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.first(end));
}

int TEnumFormats::Col() const
{
    if (!HasCol())
        return -1;
    return leadingInt32(m_data.data(mime::GridColumn)).value_or(-1);
}

std::optional<QByteArray> TEnumFormats::Stream() const
{
    if (!HasGridCells())
        return std::nullopt;
    return unframeGridCells(m_data.data(mime::GridCells));
}

bool TEnumFormats::Trustworthy() const
{
    if (HasCol() && !leadingInt32(m_data.data(mime::GridColumn)))
        return false;
    return !HasGridCells() || Stream().has_value();
}

int chooseDropEffect(bool ctrlHeld, int allowedEffects)
{
    if (ctrlHeld)
        return DROPEFFECT_COPY;
    return (allowedEffects & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

bool TESGDropTarget::accepts(const TEnumFormats &f) const
{
    if (!f.Trustworthy())
        return false;
    return (f.HasText() && AcceptText) || (f.HasFile() && AcceptFiles)
           || (f.HasRTF() && rtfDragDropAllowed() && AcceptText) || (f.HasCol() && AcceptCols)
           || (f.HasURL() && AcceptURLs) || f.HasGridCells();
}

void TESGDropTarget::DragEnter(const QMimeData &data, bool ctrlHeld, QPoint pt, int &effect)
{
    const TEnumFormats formats(data);
    m_ok = accepts(formats);
    m_dropFormats = formats.Formats();
    effect = m_ok ? chooseDropEffect(ctrlHeld, effect) : DROPEFFECT_NONE;
    DragMouseEnter();
}

void TESGDropTarget::DragOver(bool ctrlHeld, QPoint pt, int &effect)
{
    effect = m_ok ? chooseDropEffect(ctrlHeld, effect) : DROPEFFECT_NONE;
    bool allow = effect != DROPEFFECT_NONE;
    DragMouseMove(pt, allow, m_dropFormats);
    if (!allow)
        effect = DROPEFFECT_NONE;
}

void TESGDropTarget::DragLeave()
{
    DragMouseLeave();
}

void TESGDropTarget::Drop(const QMimeData &data, bool ctrlHeld, QPoint pt, int &effect)
{
    const TEnumFormats formats(data);
    // The data object may differ from the one that entered: it is judged
    // again, so that a payload that lies reaches no hook.
    if (!m_ok || !formats.Trustworthy()) {
        effect = DROPEFFECT_NONE;
        return;
    }
    effect = chooseDropEffect(ctrlHeld, effect);
    if (formats.HasCol()) {
        DropCol(pt, formats.Col());
        return;
    }
    if (const auto stream = formats.Stream())
        DropStream(pt, *stream);
    else if (formats.HasRTF() && rtfDragDropAllowed())
        DropRTF(pt, formats.RTF());
    else if (formats.HasText())
        DropText(pt, formats.Text());
    if (formats.HasFile())
        DropFiles(pt, formats.Files());
    if (formats.HasURL())
        DropURL(pt, formats.Text());
}

std::uint32_t TESGDropSource::QueryContinueDrag(bool escapePressed, bool leftButtonDown)
{
    std::uint32_t result = S_OK;
    if (escapePressed) {
        DragEnded();
        result = DRAGDROP_S_CANCEL;
    } else if (!leftButtonDown) {
        DragEnded();
        result = DRAGDROP_S_DROP;
    }
    QueryDrag();
    return result;
}

std::uint32_t TESGDropSource::GiveFeedback(int effect)
{
    m_noAccept = effect == DROPEFFECT_NONE;
    CurrentEffect(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

TSourceDataObject::TSourceDataObject(const QString &text, const QString &rtf, int column,
                                     std::optional<QByteArray> cells)
    : m_text(text), m_rtf(rtf), m_column(column < 0 ? -1 : column), m_cells(std::move(cells))
{
}

QStringList TSourceDataObject::formats() const
{
    QStringList list;
    if (hasText()) {
        list << mime::Text;
        if (rtfDragDropAllowed())
            list << mime::RichText;
    }
    if (m_column >= 0)
        list << mime::GridColumn;
    if (m_cells)
        list << mime::GridCells;
    return list;
}

bool TSourceDataObject::QueryGetData(const QString &format) const
{
    return formats().contains(format);
}

std::optional<QByteArray> TSourceDataObject::GetData(const QString &format) const
{
    if (!QueryGetData(format))
        return std::nullopt;
    if (format == mime::Text)
        return m_text.toUtf8();
    if (format == mime::RichText)
        return withTerminator(m_rtf.toLatin1());
    if (format == mime::GridColumn)
        return frameGridColumn(m_column);
    return frameGridCells(*m_cells);
}

QByteArray frameGridCells(const QByteArray &stream)
{
    QByteArray bytes(kCellsHeader, '\0');
    qToLittleEndian<std::int32_t>(static_cast<std::int32_t>(stream.size()), bytes.data());
    return bytes + stream;
}

QByteArray frameGridColumn(int column)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<std::int32_t>(column, bytes.data());
    return bytes;
}

} // namespace controls
