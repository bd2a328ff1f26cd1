#include "controls/grid/base/LineBreaks.h"

namespace controls {

namespace {

constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';
constexpr QChar VT = QChar(11);

QString mapChars(QString text, QChar a, QChar toA, QChar b, QChar toB, QChar c, QChar toC)
{
    for (QChar &ch : text) {
        if (ch == a)
            ch = toA;
        else if (ch == b)
            ch = toB;
        else if (ch == c)
            ch = toC;
    }
    return text;
}

} // namespace

int CountTextLines(const QString &text, bool multiLine)
{
    return multiLine ? 1 + int(text.count(CR)) : 1;
}

void CutFirstLine(QString &text, bool keepRest, QString &line)
{
    const qsizetype cr = text.indexOf(CR);
    if (cr < 0) {
        line = text;
        text.clear();
        return;
    }
    line = text.first(cr);
    if (!keepRest) {
        text.clear();
        return;
    }
    const qsizetype rest = cr + 1 < text.size() && text[cr + 1] == LF ? cr + 2 : cr + 1;
    text.remove(0, rest);
}

QString RemoveCR(const QString &text)
{
    QString result = text;
    result.remove(CR);
    return result;
}

QString CRToLF(const QString &text)
{
    QString result = text;
    result.replace(CR, LF);
    return result;
}

void CRLFToLF(QString &text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString EscapedNewlineToCR(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\\n"), QString(CR));
    return result;
}

QString CRToEscapedNewline(const QString &text)
{
    QString result = text;
    result.remove(LF);
    result.replace(CR, QStringLiteral("\\n"));
    return result;
}

void LineBreaksToTilde(QString &text)
{
    text.remove(LF);
    text.replace(CR, u'~');
}

void TildeToLineBreaks(QString &text)
{
    if (text == u"^") {
        text.clear();
        return;
    }
    text.replace(u'~', QStringLiteral("\r\n"));
}

void QuoteMultiLineText(QString &text)
{
    text.replace(QStringLiteral("\r\n"), QString(VT));
    text = u'"' + text + u'"';
}

void LTToCRLF(QString &text)
{
    if (text.contains(VT))
        text.replace(VT, QStringLiteral("\r\n"));
}

QString MaskLineBreaks(const QString &text)
{
    if (!text.contains(CR))
        return text;
    return mapChars(text, CR, QChar(9), LF, QChar(8), QChar(0), QChar(1));
}

QString UnmaskLineBreaks(const QString &text, bool allLines)
{
    QString result = text;
    if (text.contains(QChar(8)))
        result = mapChars(text, QChar(9), CR, QChar(8), LF, QChar(1), QChar(0));
    if (allLines)
        return result;
    QString line;
    CutFirstLine(result, false, line);
    return line;
}

QString JoinLinesCrLf(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

} // namespace controls
