#include "controls/grid/model/core/VisualPropsFile.h"

#include "platform/ColorNames.h"

namespace controls {

QString colorToText(platform::TColor color)
{
    if (const auto name = platform::colorToIdent(color))
        return QString::fromLatin1(*name);
    return u'$' + QStringLiteral("%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<platform::TColor> textToColor(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    if (const auto named = platform::identToColor(t.toLatin1()))
        return named;
    bool ok = false;
    if (t.startsWith(u'$')) {
        const quint32 v = t.mid(1).toUInt(&ok, 16);
        if (ok && t.size() > 1 && t.size() <= 9)
            return platform::colorFromBits(v);
        return std::nullopt;
    }
    const int v = t.toInt(&ok);
    return ok ? std::optional<platform::TColor>(platform::TColor(v)) : std::nullopt;
}

TVisualPropsFile TVisualPropsFile::fromBytes(const QByteArray &bytes)
{
    TVisualPropsFile file;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = line.first(eq).toString().toLower();
        if (!file.m_values.contains(key))
            file.m_values.insert(key, line.sliced(eq + 1).toString());
    }
    return file;
}

std::optional<QString> TVisualPropsFile::value(const QString &key) const
{
    const auto it = m_values.constFind(key.toLower());
    if (it == m_values.cend())
        return std::nullopt;
    return *it;
}

void TVisualPropsFile::append(const QString &key, const QString &value)
{
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' '); // one line per key, whatever the text
    m_lines << key + u'=' + flat;
    if (!m_values.contains(key.toLower()))
        m_values.insert(key.toLower(), value);
}

QByteArray TVisualPropsFile::toBytes() const
{
    QByteArray out;
    for (const QString &line : m_lines) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

} // namespace controls
