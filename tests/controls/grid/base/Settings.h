#pragma once
// The two sets of separators the tests read numbers and dates with.
#include "controls/grid/base/FormatSettings.h"

namespace controls::test {

inline TFormatSettings european()
{
    TFormatSettings fs;
    fs.ThousandSeparator = u'.';
    fs.DecimalSeparator = u',';
    fs.DateSeparator = u'.';
    fs.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    return fs;
}

inline TFormatSettings english()
{
    TFormatSettings fs;
    fs.DateSeparator = u'/';
    fs.ShortDateFormat = QStringLiteral("MM/dd/yyyy");
    return fs;
}

} // namespace controls::test
