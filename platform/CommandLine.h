#pragma once
// Command lines as Windows programs split them into arguments, so that a
// command line built for a tool reaches it as the same argument list.
#include <QString>
#include <QStringList>

namespace platform {

// Splits a command line (without the program name) into arguments:
// - blanks and tabs separate arguments outside double quotes;
// - a double quote starts or ends a quoted part, which may sit inside an
//   argument ("a b"c is one argument a bc);
// - 2n backslashes before a quote give n backslashes and the quote acts as
//   above; 2n+1 give n backslashes and a literal quote;
// - backslashes not followed by a quote are literal;
// - inside a quoted part, "" gives a literal quote and the part goes on.
QStringList splitWindowsCommandLine(const QString &commandLine);

} // namespace platform
