#include "controls/grid/base/CellText.h"

namespace controls {

namespace {

const QString kWidePrefix = QStringLiteral("|\\");

bool isUrlChar(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
        return true;
    switch (u) {
    case u'%': case u'(': case u')': case u'-': case u'.': case u'/': case u':':
    case u'@': case u'\\': case u'_': case u'{': case u'}':
        return true;
    default:
        return false;
    }
}

} // namespace

TCellTextKind GetCellTextKind(const QString &text, bool detectHtml)
{
    // The kind is judged as if one blank followed the text.
    const qsizetype length = text.size() + 1;
    if (length < 2)
        return ckPlain;
    if (text.startsWith(u'='))
        return ckFormula;
    if (text.startsWith(kWidePrefix)) {
        if (text.size() >= 5 && text[3] == u'=' && text[4] == QChar(0))
            return ckFormula;
        return ckWideText;
    }
    if (text.startsWith(u"{\\"))
        return ckRichText;
    if (!detectHtml)
        return ckPlain;
    for (const char16_t *mark : {u"</", u"<B", u"<I", u"<C"})
        if (text.contains(QStringView(mark)))
            return ckHtml;
    return ckPlain;
}

QString EncodeWideCellText(const QString &wide)
{
    QString encoded = kWidePrefix;
    encoded.reserve(2 + 2 * wide.size());
    for (const QChar c : wide) {
        encoded += QChar(c.unicode() >> 8);
        encoded += QChar(c.unicode() & 0xFF);
    }
    return encoded;
}

QString DecodeWideCellText(const QString &text)
{
    if (!text.startsWith(kWidePrefix))
        return text;
    QString wide;
    wide.reserve((text.size() - 2) / 2);
    for (qsizetype i = 2; i + 1 < text.size(); i += 2)
        wide += QChar(char16_t(((text[i].unicode() & 0xFF) << 8) | (text[i + 1].unicode() & 0xFF)));
    return wide;
}

int PosInWideText(const QString &subText, const QString &text)
{
    return int(text.indexOf(subText) + 1);
}

QString CRToHtmlBreak(const QString &text)
{
    QString result = text;
    result.replace(u'\r', QStringLiteral("<br>"));
    return result;
}

QString ColorToHexRGB(platform::TColor color)
{
    return QStringLiteral("%1%2%3")
        .arg(platform::GetRValue(color), 2, 16, QLatin1Char('0'))
        .arg(platform::GetGValue(color), 2, 16, QLatin1Char('0'))
        .arg(platform::GetBValue(color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

bool IsUrlText(const QString &text)
{
    return text.contains(u"://") || text.contains(u"mailto:");
}

void StripUrlProtocol(QString &text)
{
    if (const qsizetype at = text.indexOf(u"://"); at >= 0)
        text.remove(0, at + 3);
    else if (const qsizetype mail = text.indexOf(u"mailto:"); mail >= 0)
        text.remove(0, mail + 7);
}

bool MarkupUrlMatch(const QString &text, const QString &urlPrefix, QString &result)
{
    if (urlPrefix.isEmpty() || !text.contains(urlPrefix, Qt::CaseInsensitive))
        return false;
    QString escaped = text;
    escaped.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
    const qsizetype start = escaped.indexOf(urlPrefix, 0, Qt::CaseInsensitive);
    if (start < 0)
        return false;
    qsizetype end = start;
    while (end < escaped.size() && isUrlChar(escaped[end]))
        ++end;
    const QString url = escaped.sliced(start, end - start);
    escaped.insert(end, QStringLiteral("</a>"));
    escaped.insert(start, QStringLiteral("<a href=\"%1\">").arg(url));
    result = escaped;
    return true;
}

} // namespace controls
