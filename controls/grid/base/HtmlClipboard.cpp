#include "controls/grid/base/HtmlClipboard.h"

#include "controls/grid/base/NumberText.h"

namespace controls {

namespace {

constexpr char kDocType[] = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
constexpr char kHead[] = "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"
                         "</head><body><!--StartFragment-->";
constexpr char kTail[] = "<!--EndFragment--></body></html>";

QByteArray headerLine(const char *name, qsizetype offset, int width)
{
    return name + QByteArray::number(offset).rightJustified(width, '0') + "\r\n";
}

int digitsOf(qsizetype value)
{
    return int(QByteArray::number(value).size());
}

// The value of "name:" at the start of a header line, or -1.
qsizetype headerValue(const QByteArray &text, const QByteArray &name, qsizetype headerEnd)
{
    qsizetype at = 0;
    while (at < headerEnd) {
        qsizetype lineEnd = text.indexOf('\n', at);
        if (lineEnd < 0 || lineEnd > headerEnd)
            lineEnd = headerEnd;
        const QByteArray line = text.mid(at, lineEnd - at).trimmed();
        if (line.startsWith(name + ':')) {
            const auto value = parseWholeInt(QString::fromLatin1(line.mid(name.size() + 1)));
            return value ? *value : -1;
        }
        at = lineEnd + 1;
    }
    return -1;
}

} // namespace

QByteArray BuildHtmlClipboardText(const QString &fragment)
{
    const QByteArray body = fragment.toUtf8();
    // Offsets take 8 digits, more only when the text is that large; the
    // header's own size depends on their width.
    int width = 8;
    qsizetype headerSize = 0, startFragment = 0, endFragment = 0, endHtml = 0;
    for (;;) {
        headerSize = 65 + 4 * width;
        startFragment = headerSize + qsizetype(sizeof kDocType - 1) + qsizetype(sizeof kHead - 1);
        endFragment = startFragment + body.size();
        endHtml = endFragment + qsizetype(sizeof kTail - 1);
        if (digitsOf(endHtml) <= width)
            break;
        width = digitsOf(endHtml);
    }

    QByteArray text = "Version:1.0\r\n";
    text += headerLine("StartHTML:", headerSize, width);
    text += headerLine("EndHTML:", endHtml, width);
    text += headerLine("StartFragment:", startFragment, width);
    text += headerLine("EndFragment:", endFragment, width);
    text += kDocType;
    text += kHead;
    text += body;
    text += kTail;
    return text;
}

std::optional<QString> htmlClipboardFragment(const QByteArray &clipboardText)
{
    // The header ends where the document begins.
    qsizetype headerEnd = clipboardText.indexOf('<');
    if (headerEnd < 0)
        headerEnd = clipboardText.size();
    const qsizetype start = headerValue(clipboardText, "StartFragment", headerEnd);
    const qsizetype end = headerValue(clipboardText, "EndFragment", headerEnd);
    if (start < 0 || end < start || end > clipboardText.size())
        return std::nullopt;
    return QString::fromUtf8(clipboardText.sliced(start, end - start));
}

} // namespace controls
