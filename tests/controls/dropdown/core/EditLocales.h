#pragma once
// The two locales the typed edit's rules are tested under.
#include "controls/grid/base/FormatSettings.h"

namespace controls::test {

inline TFormatSettings pointLocale()
{
    TFormatSettings fs;
    fs.DecimalSeparator = u'.';
    fs.ThousandSeparator = u',';
    return fs;
}

inline TFormatSettings commaLocale()
{
    TFormatSettings fs;
    fs.DecimalSeparator = u',';
    fs.ThousandSeparator = u'.';
    return fs;
}

// Dots for a "." locale, commas for a "," one: "1,234.5" becomes
// "1.234,5".
inline QString localized(QString text, const TFormatSettings &fs)
{
    if (fs.DecimalSeparator == u'.')
        return text;
    for (QChar &c : text)
        c = c == u'.' ? u',' : c == u',' ? u'.' : c;
    return text;
}

} // namespace controls::test
