#pragma once
// The visual properties file: one "key=value" line per property. Colours
// are written by their standard name where one exists ("clWindow"), else
// as "$" and eight hexadecimal digits; reading takes a name, "$" hex or a
// decimal number. Keys match without regard to case; the value is what
// follows the first "=".
#include "platform/Color.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace controls {

QString colorToText(platform::TColor color);
std::optional<platform::TColor> textToColor(const QString &text);

class TVisualPropsFile {
public:
    // UTF-8 text, lines ending in LF or CR LF; lines without "=" left out,
    // the first of two equal keys kept.
    static TVisualPropsFile fromBytes(const QByteArray &bytes);
    std::optional<QString> value(const QString &key) const;

    void append(const QString &key, const QString &value);
    QByteArray toBytes() const;

private:
    QHash<QString, QString> m_values; // by the key in lower case
    QStringList m_lines;
};

} // namespace controls
