// The bytes each clipboard format holds, and the rendering the data object
// asks for: the tree's node records first, then the application's own
// formats, then the text renderings of the string tree.
#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeExport.h"

namespace vtree {

namespace {

constexpr HRESULT renderedOK = 0;
constexpr int htmlHeaderSize = 97;

QByteArray withNul(QByteArray bytes) { return bytes.append('\0'); }

// The clipboard's HTML: a header whose offsets locate the document and the
// fragment in the bytes that follow it.
QByteArray htmlClipboardDocument(const QByteArray &fragment)
{
    static const QByteArray head =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head>"
        "<body><!--StartFragment-->";
    static const QByteArray tail = "<!--EndFragment--></body></html>";
    const qsizetype startFragment = htmlHeaderSize + head.size();
    auto line = [](const char *name, qsizetype value) {
        return QByteArray(name) + QByteArray::number(value).rightJustified(8, '0') + "\r\n";
    };
    QByteArray out = "Version:1.0\r\n";
    out += line("StartHTML:", htmlHeaderSize);
    out += line("EndHTML:", startFragment + fragment.size() + tail.size());
    out += line("StartFragment:", startFragment);
    out += line("EndFragment:", startFragment + fragment.size());
    return out + head + fragment + tail;
}

// What a format's clipboard bytes are under its MIME type here: without the
// terminator, text as UTF-8, HTML as the document the header points to.
QByteArray mimePayload(std::uint32_t format, QByteArray bytes)
{
    const TClipboardFormatListEntry *html = TClipboardFormatList::FindFormat(QLatin1String(CFSTR_HTML));
    if (format == CF_UNICODETEXT) {
        bytes.chop(2);
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2).toUtf8();
    }
    bytes.chop(1);
    if (html && format == html->FormatEtc.Format)
        return bytes.mid(htmlHeaderSize);
    return bytes;
}

} // namespace

QByteArray TLazyStringTreeWidget::ContentToClipboard(std::uint32_t Format, TLSTTextSourceType Source)
{
    RegisterTreeClipboardFormats();
    if (Format == CF_TEXT)
        return withNul(ContentToText(Source, QStringLiteral("\t")).toUtf8());
    if (Format == CF_UNICODETEXT) {
        const QString text = ContentToText(Source, QStringLiteral("\t"));
        QByteArray bytes(reinterpret_cast<const char *>(text.utf16()), (text.size() + 1) * 2);
        return bytes;
    }
    const QString name = FormatName(Format);
    if (name.compare(QLatin1String(CFSTR_CSV), Qt::CaseInsensitive) == 0)
        return withNul(ContentToText(Source, localeListSeparator()).toUtf8());
    if (name.compare(QLatin1String(CFSTR_RTF), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String(CFSTR_RTFNOOBJS), Qt::CaseInsensitive) == 0)
        return withNul(ContentToRTF(Source));
    if (name.compare(QLatin1String(CFSTR_HTML), Qt::CaseInsensitive) == 0)
        return withNul(htmlClipboardDocument(ContentToHTML(Source).toUtf8()));
    return {};
}

HRESULT TLazyStringTreeWidget::RenderOLEData(const QString &MimeType, QByteArray &Medium, bool ForClipboard)
{
    Medium.clear();
    if (MimeType == treeDataMimeType()) {
        const QByteArray records =
            RenderTreeRecords(ForClipboard ? GetSortedCutCopySet(true) : GetSortedSelection(true));
        if (records.isEmpty())
            return E_FAIL;
        Medium = treeDataBlock(records);
        return renderedOK;
    }
    HRESULT result = QueryRenderOLEData(MimeType, Medium, ForClipboard);
    if (result == renderedOK)
        return result;
    const TClipboardFormatListEntry *entry = TClipboardFormatList::FindMimeType(MimeType);
    if (!entry)
        return result;
    try {
        const std::uint32_t format = entry->FormatEtc.Format;
        const QByteArray bytes = ContentToClipboard(format, ForClipboard ? TLSTTextSourceType::tstCutCopySet
                                                                         : TLSTTextSourceType::tstSelected);
        if (bytes.isEmpty())
            return result;
        Medium = mimePayload(format, bytes);
        return renderedOK;
    } catch (const std::exception &) {
        Medium.clear();
        return E_FAIL;
    }
}

} // namespace vtree
