#pragma once
// The separators and the short date format that number and date texts are
// read with. The helpers take them as an argument that defaults to the
// current settings, which follow the system locale until the program (or a
// test) sets others; set them on the interface thread only.
#include <QChar>
#include <QLocale>
#include <QString>

namespace controls {

struct TFormatSettings {
    QChar ThousandSeparator = u',';
    QChar DecimalSeparator = u'.';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    // Only the order of the letters D, M and Y (any case) matters.
    QString ShortDateFormat = QStringLiteral("dd/MM/yyyy");

    static TFormatSettings fromLocale(const QLocale &locale);
};

const TFormatSettings &formatSettings();
void setFormatSettings(const TFormatSettings &settings);

} // namespace controls
