#include "platform/CommandLine.h"

namespace platform {

QStringList splitWindowsCommandLine(const QString &commandLine)
{
    QStringList arguments;
    QString current;
    bool inArgument = false; // an argument has begun, even if it is still empty ("")
    bool quoted = false;
    const qsizetype n = commandLine.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = commandLine.at(i);
        if (!quoted && (c == u' ' || c == u'\t')) {
            if (inArgument) {
                arguments.append(current);
                current.clear();
                inArgument = false;
            }
            ++i;
            continue;
        }
        inArgument = true;
        if (c == u'\\') {
            qsizetype backslashes = 0;
            while (i < n && commandLine.at(i) == u'\\') {
                ++backslashes;
                ++i;
            }
            if (i < n && commandLine.at(i) == u'"') {
                current += QString(backslashes / 2, u'\\');
                if (backslashes % 2 == 1) {
                    current += u'"'; // escaped quote
                    ++i;
                }
                // An even count leaves the quote to act as a delimiter below.
            } else {
                current += QString(backslashes, u'\\');
            }
            continue;
        }
        if (c == u'"') {
            if (quoted && i + 1 < n && commandLine.at(i + 1) == u'"') {
                current += u'"'; // "" inside quotes: a literal quote
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        current += c;
        ++i;
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

} // namespace platform
